#include "board/BoardLabels.h"

#include "board/BoardPictures.h"
#include "core/Numbers.h"
#include "settings/Settings.h"
#include "widgets/ElementKind.h"
#include "widgets/Label.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Team-name sizes are given for a board of 9600 x 7200 twips.
constexpr double ReferenceWidth = 9600;
constexpr double ReferenceHeight = 7200;

template<typename Element> Element *named(QWidget *board, const QString &name)
{
    auto *element = board->findChild<Element *>(name);
    Q_ASSERT_X(element, "BoardLabels", qPrintable(name));
    return element;
}

void showTeamName(Label *label, const QString &text, double fontSize)
{
    label->setCaption(text);
    label->setFontSize(fontSize);
    // The label keeps its box and is centred in its container; its text is centred in the box.
    const auto *container = static_cast<const Element *>(label->parentWidget());
    label->setTopTwips(container->heightTwips() / 2.0 - label->heightTwips() / 2.0);
    label->setLeftTwips(container->widthTwips() / 2.0 - label->widthTwips() / 2.0);
}

} // namespace

namespace BoardLabels {

double RSize(qint16 size, double windowWidthTwips, double windowHeightTwips)
{
    const float a = float(windowWidthTwips / 4);
    const float b = float(windowHeightTwips / 3);
    if (b >= a)
        return size / ReferenceWidth * windowWidthTwips;
    return size / ReferenceHeight * windowHeightTwips;
}

void ApplyDigitStyle(const QList<QObject *> &elements, qint32 style)
{
    for (QObject *element : elements) {
        const QString kind = ElementKind::of(element);
        if (kind == u"TimePanel"_s || kind == u"NumberPanel"_s || kind == u"SegmentPanel"_s)
            element->setProperty("LedType", style);
    }
}

void UpdateLabels(QWidget *board, const QList<QObject *> &elements, const Settings &settings)
{
    board->setWindowTitle(u"Vantaro - "_s + settings.HomeText);
    named<Label>(board, u"lblTitle"_s)->setCaption(settings.TitleText);
    const qint16 teamSize = Numbers::toInt16(double(settings.TeamSize.roundToInteger())).value_or(0);
    const double width = double(board->width()) * Element::TwipsPerPixel;
    const double height = double(board->height()) * Element::TwipsPerPixel;
    const float fontSize = float(RSize(teamSize, width, height));
    showTeamName(named<Label>(board, u"lblHomeTeam"_s), settings.HomeText, fontSize);
    showTeamName(named<Label>(board, u"lblVisitorTeam"_s), settings.VisitorText, fontSize);
    BoardPictures::of(board).show(settings);
    ApplyDigitStyle(elements, settings.LEDType);
}

} // namespace BoardLabels
