#include "dialogs/SplashDesign.h"

#include "widgets/ColorValue.h"
#include "widgets/DesignFont.h"
#include "widgets/Label.h"

#include <QApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

using Focus = ElementDesign::Focus;

// Liberation Sans, standing in for Arial, is wider than the classic dialog font; at 7.5 points every hint fits
// its design box on one line.
constexpr double DialogFontSize = 7.5;

// Design texts are marked for lupdate; the builder translates them.
QString designText(const char *text)
{
    return QString::fromUtf8(text);
}

int systemColor(QPalette::ColorRole role)
{
    return ColorValue::fromQColor(QApplication::palette().color(role));
}

ElementDesign label(const QString &name, const QString &text, QList<int> box, int alignment, int tabIndex,
                    const QString &fontName = u"Arial"_s, double fontSize = DialogFontSize)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties += {{"Caption", text},        {"FontName", fontName},
                   {"FontSize", fontSize},   {"FontBold", false},
                   {"Alignment", alignment}, {"WordWrap", true},
                   {"ShrinkToFit", true},    {"ForeColor", systemColor(QPalette::WindowText)}};
    return {name, u"Label"_s, u"frameSplash"_s, properties, tabIndex, Focus::None};
}

ElementDesign button(const QString &name, const QString &text, QList<int> box, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    // Enter presses the button that has the focus, as on any dialog.
    properties += {{"text", text}, {"autoDefault", true}};
    return {name, u"CommandButton"_s, u"frameSplash"_s, properties, tabIndex, Focus::TabStop};
}

} // namespace

namespace SplashDesign {

QList<ElementDesign> elements()
{
    constexpr int Left = Label::LeftJustify;
    constexpr int Right = Label::RightJustify;
    constexpr int Centre = Label::Center;
    const QString times = u"Times New Roman"_s;
    QList<DesignProperty> logo = twipsGeometry(240, 960, 2100, 1935);
    logo += {{"BorderStyle", 0}, {"BackColor", systemColor(QPalette::Window)}};
    return {
        {u"frameSplash"_s,
         u"Frame"_s,
         {},
         twipsGeometry(120, 0, 6000, 3120) + QList<DesignProperty> {{"title", QString()}},
         0,
         Focus::None},
        label(u"lblName"_s, u"Vantaro"_s, {120, 240, 5775, 735}, Centre, 1, times, 21.75),
        label(u"lblVersion"_s, u"Version 1.0.0"_s, {3600, 1080, 2175, 375}, Right, 2, times, 15.75),
        label(u"lblClick"_s, designText(QT_TRANSLATE_NOOP("frmSplash", "Click to continue.")), {2520, 1080, 1335, 255},
              Left, 3),
        button(u"cmdHelp"_s, designText(QT_TRANSLATE_NOOP("frmSplash", "&Help")), {3120, 2520, 1215, 375}, 4),
        button(u"cmdOptions"_s, designText(QT_TRANSLATE_NOOP("frmSplash", "&Options")), {4560, 2520, 1215, 375}, 5),
        label(u"Label2"_s,
              designText(QT_TRANSLATE_NOOP("frmSplash", "Press ' F2 ' to set Options from the scoreboard.")),
              {2640, 1920, 3255, 375}, Left, 6),
        label(u"Label1"_s, designText(QT_TRANSLATE_NOOP("frmSplash", "Press ' F1 ' to view Help from the scoreboard.")),
              {2640, 1680, 3255, 255}, Left, 7),
        label(u"lblMadeBy"_s, designText(QT_TRANSLATE_NOOP("frmSplash", "by Quillwork")), {4200, 840, 1575, 255}, Right,
              8),
        {u"picLogo"_s, u"PictureBox"_s, u"frameSplash"_s, logo, 9, Focus::TabStop},
    };
}

WindowDesign window()
{
    return {u"Vantaro"_s, 6240, 3210, elements()};
}

QFont dialogFont()
{
    return DesignFont::font(u"Arial"_s, DialogFontSize);
}

QString logoFileName()
{
    return u"vantarologo.gif"_s;
}

} // namespace SplashDesign
