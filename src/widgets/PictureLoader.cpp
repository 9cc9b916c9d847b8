#include "widgets/PictureLoader.h"

#include "core/BackgroundWork.h"

#include <QFile>
#include <QFutureWatcher>
#include <QHash>
#include <QImageReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct KeptPicture
{
    QSize bound;
    LoadedPicture picture;
};

// Touched on the GUI thread only.
QList<KeptPicture> &keptPictures()
{
    static QList<KeptPicture> kept;
    return kept;
}

// Reads under way, by path and bound: a second request for the same picture (the three boxes showing
// one photo, the dialog's preview of what the board is reading) waits for the same read.
QHash<QString, QFuture<LoadedPicture>> &readsUnderWay()
{
    static QHash<QString, QFuture<LoadedPicture>> reads;
    return reads;
}

QString readKey(const QString &path, QSize bound)
{
    return u"%1x%2 %3"_s.arg(bound.width()).arg(bound.height()).arg(path);
}

std::optional<LoadedPicture> keptPicture(const QString &path, QSize bound)
{
    for (const KeptPicture &kept : std::as_const(keptPictures())) {
        if (kept.bound == bound && kept.picture.path == path)
            return kept.picture;
    }
    return std::nullopt;
}

void keep(const LoadedPicture &picture, QSize bound)
{
    QList<KeptPicture> &kept = keptPictures();
    kept.removeIf([&](const KeptPicture &old) { return old.bound == bound && old.picture.path == picture.path; });
    kept.append({bound, picture});
    while (kept.size() > PictureLoader::KeptPictures)
        kept.removeFirst();
}

// The fastest formats for the raster engine to draw scaled.
QImage drawable(QImage image)
{
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return image;
}

} // namespace

PictureLoader::PictureLoader(QSize bound, QObject *parent)
    : QObject(parent)
    , m_bound(bound)
{
}

PictureLoader::~PictureLoader() = default;

void PictureLoader::forgetKeptPictures()
{
    keptPictures().clear();
}

void PictureLoader::load(const QString &path)
{
    // Reads whose every receiver went away before they finished are dropped here.
    readsUnderWay().removeIf(
        [](QHash<QString, QFuture<LoadedPicture>>::iterator read) { return read.value().isFinished(); });
    const QString key = readKey(path, m_bound);
    QFuture<LoadedPicture> read = readsUnderWay().value(key);
    if (!read.isValid() || read.isFinished()) {
        const std::optional<LoadedPicture> known = keptPicture(path, m_bound);
        const QSize bound = m_bound;
        read = BackgroundWork::run<LoadedPicture>([path, bound, known] {
            if (known) {
                const FileAccess::Opened now = FileAccess::inspect(path);
                if (now.problem.isEmpty() && now.stamp == known->stamp)
                    return *known;
            }
            return decode(path, bound);
        });
        readsUnderWay().insert(key, read);
    }
    ++m_pending;
    auto *watcher = new QFutureWatcher<LoadedPicture>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path, key] {
        watcher->deleteLater();
        --m_pending;
        const QFuture<LoadedPicture> future = watcher->future();
        const auto underWay = readsUnderWay().constFind(key);
        if (underWay != readsUnderWay().cend() && underWay->isFinished())
            readsUnderWay().erase(underWay);
        if (future.resultCount() > 0) {
            arrived(future.result());
            return;
        }
        // The decoder gave up on its own (out of memory): a picture that cannot be shown.
        LoadedPicture failed;
        failed.path = path;
        failed.problem = u"it could not be decoded"_s;
        arrived(failed);
    });
    watcher->setFuture(read);
}

void PictureLoader::arrived(const LoadedPicture &picture)
{
    // A file that was found is kept with its stamp, also one that is no picture: it is not decoded again
    // while it stays as it is.
    if (picture.stamp.size >= 0)
        keep(picture, m_bound);
    emit loaded(picture);
}

LoadedPicture PictureLoader::decode(const QString &path, QSize bound)
{
    LoadedPicture picture;
    picture.path = path;
    if (path.isEmpty()) {
        picture.problem = u"no file is named"_s;
        return picture;
    }
    const FileAccess::Opened opened = FileAccess::openRegular(path);
    picture.stamp = opened.stamp;
    if (!opened.file) {
        picture.problem = opened.problem;
        return picture;
    }
    QImageReader reader(opened.file.get());
    // Photos from phones and cameras say in their data which way up they were taken.
    reader.setAutoTransform(true);
    picture.fullSize = reader.size();
    const QSize full = picture.fullSize;
    if (full.isValid() && !full.isEmpty() && bound.isValid()
        && (full.width() > bound.width() || full.height() > bound.height()))
        reader.setScaledSize(full.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull()) {
        picture.problem = u"it cannot be read as a picture (%1)"_s.arg(reader.errorString());
        return picture;
    }
    // A turned photo, or a format that declares no size, may still come out larger than the bound.
    if (bound.isValid() && (image.width() > bound.width() || image.height() > bound.height()))
        image = image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.image = drawable(std::move(image));
    return picture;
}
