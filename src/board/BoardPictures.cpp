#include "board/BoardPictures.h"

#include "board/PictureFit.h"
#include "settings/Settings.h"
#include "widgets/Image.h"
#include "widgets/PictureLoader.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

const QString ObjectName = u"boardPictures"_s;

} // namespace

BoardPictures &BoardPictures::of(QWidget *board)
{
    if (auto *pictures = board->findChild<BoardPictures *>(ObjectName, Qt::FindDirectChildrenOnly))
        return *pictures;
    return *new BoardPictures(board);
}

BoardPictures::BoardPictures(QWidget *board)
    : QObject(board)
{
    setObjectName(ObjectName);
    const std::array<std::pair<QString, QString Settings::*>, 3> pictures {{
        {u"imgHomePic"_s, &Settings::HomePic},
        {u"imgVisitorPic"_s, &Settings::VisitorPic},
        {u"imgBoardPic"_s, &Settings::BoardPic},
    }};
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        Slot &slot = m_slots[i];
        slot.image = board->findChild<Image *>(pictures[i].first);
        Q_ASSERT_X(slot.image, "BoardPictures", qPrintable(pictures[i].first));
        slot.container = static_cast<const Element *>(slot.image->parentWidget());
        slot.setting = pictures[i].second;
        slot.loader = new PictureLoader(PictureFit::decodeBound(), this);
        connect(slot.loader, &PictureLoader::loaded, this,
                [this, &slot](const LoadedPicture &picture) { arrived(slot, picture); });
    }
}

BoardPictures::~BoardPictures() = default;

int BoardPictures::pending() const
{
    int pending = 0;
    for (const Slot &slot : m_slots)
        pending += slot.loader->pending();
    return pending;
}

void BoardPictures::show(const Settings &settings)
{
    for (Slot &slot : m_slots) {
        const QString &path = settings.*slot.setting;
        if (path.isEmpty()) {
            // No picture: the box is empty at once.
            slot.path.clear();
            if (!slot.image->picture().isNull())
                slot.image->setPicture(QImage());
            continue;
        }
        if (path != slot.path || slot.sinceRead.hasExpired(RecheckMilliseconds)) {
            slot.path = path;
            slot.sinceRead.start();
            slot.loader->load(path);
        }
        PictureFit::Refit(slot.image, slot.container);
    }
}

void BoardPictures::arrived(Slot &slot, const LoadedPicture &picture)
{
    // A result for a path the settings no longer name.
    if (picture.path != slot.path)
        return;
    if (!picture.isShown()) {
        if (!slot.image->picture().isNull())
            slot.image->setPicture(QImage());
        return;
    }
    if (slot.image->picture().cacheKey() != picture.image.cacheKey())
        PictureFit::ShowPicture(slot.image, slot.container, picture.image);
}
