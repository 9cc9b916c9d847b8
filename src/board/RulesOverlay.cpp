#include "board/RulesOverlay.h"

#include "board/BoardNotice.h"
#include "match/Match.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QRectF>

using namespace Qt::StringLiterals;

namespace {

// Design geometry in twips: the markers in the gap between the board's frame and the top of each score,
// the prompt across the bottom edge, below the set boxes.
constexpr QRectF HomeMarkerBox {582, 1170, 1665, 150};
constexpr QRectF VisitorMarkerBox {7234, 1170, 1665, 150};
constexpr QRectF PromptBox {948, 6330, 7584, 330};
constexpr double MarkerFontSize = 6;
constexpr double PromptFontSize = 11;

void placeNotice(BoardNotice *notice, const QRectF &box, double fontSize, double scaleX, double scaleY)
{
    notice->setTwipsGeometry(box.x() * scaleX, box.y() * scaleY, box.width() * scaleX, box.height() * scaleY);
    notice->setFontSize(fontSize * scaleY);
}

QString teamName(const QString &name, const QString &fallback)
{
    return name.isEmpty() ? fallback : name;
}

} // namespace

RulesOverlay::RulesOverlay(QWidget *board, QSize designSize)
    : m_designSize(designSize)
    , m_prompt(notice(board, u"lblSetEndPrompt"_s))
    , m_homeMarker(notice(board, u"lblHomeMarker"_s))
    , m_visitorMarker(notice(board, u"lblVisitorMarker"_s))
{
    // Opaque, so that the board's frame does not run through the question.
    m_prompt->setBackStyle(Label::Opaque);
}

BoardNotice *RulesOverlay::notice(QWidget *board, const QString &name)
{
    auto *label = new BoardNotice(board);
    label->setObjectName(name);
    label->setFontName(u"Arial"_s);
    label->setFontBold(true);
    label->hide();
    return label;
}

QString RulesOverlay::markerText(const RulesAssessment &assessment, Side side)
{
    if (assessment.matchWinner == side)
        return QCoreApplication::translate("RulesOverlay", "MATCH WON");
    const RulesAssessment::Chances &chances = assessment.chancesOf(side);
    if (chances.matchPoint)
        return QCoreApplication::translate("RulesOverlay", "MATCH POINT");
    return chances.setPoint ? QCoreApplication::translate("RulesOverlay", "SET POINT") : QString();
}

void RulesOverlay::show(const Match &match, const Settings &settings, bool asksSetEnd)
{
    const bool marked = match.rules().isOn() && settings.BoardMarker;
    const RulesAssessment assessment = match.assessment();
    for (const auto &[marker, side] :
         {std::pair {m_homeMarker, Side::Home}, std::pair {m_visitorMarker, Side::Visitor}}) {
        marker->setCaption(marked ? markerText(assessment, side) : QString());
        marker->setForeColor(settings.ScoreColor);
        marker->setVisible(!marker->caption().isEmpty());
    }

    const std::optional<SetEnd> setEnd = asksSetEnd ? match.pendingSetEnd() : std::nullopt;
    if (setEnd) {
        const QString question
            = setEnd->question(teamName(settings.HomeText, u"Home"_s), teamName(settings.VisitorText, u"Visitor"_s));
        m_prompt->setCaption(question + u"  "_s + SetEnd::keyHint());
        m_prompt->setForeColor(settings.BorderColor);
        m_prompt->setBackColor(settings.LEDBack);
    }
    m_prompt->setVisible(setEnd.has_value());
}

void RulesOverlay::place(QSize windowSize)
{
    if (m_designSize.isEmpty())
        return;
    const double scaleX = double(windowSize.width()) * Label::TwipsPerPixel / m_designSize.width();
    const double scaleY = double(windowSize.height()) * Label::TwipsPerPixel / m_designSize.height();
    placeNotice(m_homeMarker, HomeMarkerBox, MarkerFontSize, scaleX, scaleY);
    placeNotice(m_visitorMarker, VisitorMarkerBox, MarkerFontSize, scaleX, scaleY);
    placeNotice(m_prompt, PromptBox, PromptFontSize, scaleX, scaleY);
}
