#include "dialogs/OptionsDesign.h"

#include "widgets/DesignConstants.h"
#include "widgets/DesignFont.h"

#include <QFont>

using namespace Qt::StringLiterals;
using namespace DesignConstants;

namespace {

using Focus = ElementDesign::Focus;

const QString KeyPage = u"tabKeyControls"_s;
const QString ColorPage = u"tabColorControls"_s;
const QString TextPage = u"tabTextControls"_s;
const QString PicturePage = u"tabPictures"_s;
const QString ScreensPage = u"tabScreens"_s;
const QString RulesTabPage = u"tabRules"_s;
const QString FeedPage = u"tabFeed"_s;

// Design texts are marked for lupdate; the builder translates them.
QString designText(const char *text)
{
    return QString::fromUtf8(text);
}

QFont arial(double points, bool bold = false)
{
    return DesignFont::font(u"Arial"_s, points, bold);
}

ElementDesign button(const QString &name, const QString &container, const QString &text, QList<int> box, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties.append({"text", text});
    return {name, u"CommandButton"_s, container, properties, tabIndex, Focus::TabStop};
}

ElementDesign label(const QString &name, const QString &container, const QString &text, QList<int> box,
                    QList<DesignProperty> look)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties += {{"Caption", text}, {"ShrinkToFit", true}};
    return {name, u"Label"_s, container, properties + look, -1, Focus::None};
}

// The framed, centred read-out beside a key button.
ElementDesign keyReadout(const QString &name, QList<int> box, const QString &page = KeyPage)
{
    return label(name, page, QString(), box, {{"BorderStyle", FixedSingle}, {"Alignment", Center}});
}

ElementDesign frame(const QString &name, const QString &container, const QString &title, QList<int> box,
                    QList<DesignProperty> look = {})
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties.append({"title", title});
    return {name, u"Frame"_s, container, properties + look, -1, Focus::None};
}

ElementDesign pictureBox(const QString &name, const QString &container, QList<int> box, int backColor, int borderStyle,
                         int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties += {{"BackColor", backColor}, {"BorderStyle", borderStyle}};
    return {name, u"PictureBox"_s, container, properties, tabIndex, Focus::TabStop};
}

ElementDesign optionIn(const QString &name, const QString &frame, const QString &text, QList<int> box, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties.append({"text", text});
    return {name, u"OptionButton"_s, frame, properties, tabIndex, Focus::TabStop};
}

ElementDesign optionButton(const QString &name, const QString &text, int top, int tabIndex)
{
    return optionIn(name, u"Frame9"_s, text, {120, top, 1695, 375}, tabIndex);
}

// A colour group: a swatch beside its "Change" button.
QList<ElementDesign> colorGroup(const QString &name, const QString &caption, int left, int top, const QString &swatch,
                                const QString &change, int changeTab, int swatchTab, int height = 735)
{
    return {
        frame(name, ColorPage, caption, {left, top, 1695, height}),
        pictureBox(swatch, name, {120, 240, 615, 375}, Black, FixedSingle, swatchTab),
        button(change, name, designText(QT_TRANSLATE_NOOP("frmOptions", "Change")), {840, 240, 735, 375}, changeTab),
    };
}

// A name field in its captioned frame.
QList<ElementDesign> nameGroup(const QString &name, const QString &caption, int top, const QString &field,
                               const QString &text, int maxLength, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(120, 360, 4575, 435);
    properties += {{"text", text},
                   {"maxLength", maxLength},
                   {"alignment", QVariant::fromValue(Qt::Alignment(Qt::AlignCenter))},
                   {"font", arial(15.75)}};
    return {
        frame(name, TextPage, caption, {480, top, 4815, 975}, {{"font", arial(12)}}),
        {field, u"TextBox"_s, name, properties, tabIndex, Focus::TabStop},
    };
}

// A picture group: the preview box with its image, and the "Change" and "Clear" buttons.
QList<ElementDesign> pictureGroup(const QString &name, const QString &caption, int left, int top,
                                  const QString &preview, const QString &image, const QString &change,
                                  const QString &clear, int changeTab, int previewTab)
{
    QList<DesignProperty> imageProperties = twipsGeometry(0, 0, 900, 900);
    imageProperties.append({"Stretch", true});
    return {
        frame(name, PicturePage, caption, {left, top, 2415, 1575}),
        pictureBox(preview, name, {120, 240, 1215, 1215}, ButtonFace, 0, previewTab),
        {image, u"Image"_s, preview, imageProperties, -1, Focus::None},
        button(change, name, designText(QT_TRANSLATE_NOOP("frmOptions", "Change")), {1440, 360, 855, 375}, changeTab),
        button(clear, name, designText(QT_TRANSLATE_NOOP("frmOptions", "Clear")), {1440, 840, 855, 375}, changeTab + 1),
    };
}

// A label below the client area that takes the size of a team name in the board's team-name font.
ElementDesign measuringLabel(const QString &name, const QString &text, QList<int> box)
{
    return label(name, {}, text, box,
                 {{"FontName", u"Arial"_s},
                  {"FontSize", 39.75},
                  {"FontBold", true},
                  {"BorderStyle", FixedSingle},
                  {"AutoSize", true}});
}

ElementDesign checkBox(const QString &name, const QString &text, int top, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(120, top, 2535, 315);
    properties.append({"text", text});
    return {name, u"CheckBox"_s, u"fraAssistance"_s, properties, tabIndex, Focus::TabStop};
}

// A number of the custom rules: its caption and its spin box.
QList<ElementDesign> customNumber(const QString &caption, const QString &spinBox, int top, int maximum, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(1800, top - 60, 735, 315);
    properties += {{"minimum", 1}, {"maximum", maximum}};
    return {
        label(u"lbl"_s + spinBox.mid(3), u"fraCustomRules"_s, caption, {120, top, 1575, 255},
              {{"Alignment", LeftJustify}}),
        {spinBox, u"SpinBox"_s, u"fraCustomRules"_s, properties, tabIndex, Focus::TabStop},
    };
}

ElementDesign tabPage(const QString &name, const QString &caption)
{
    return {name, u"TabPage"_s, u"SSTab1"_s, {{"Caption", caption}}, -1, Focus::None};
}

QList<ElementDesign> keyControls()
{
    return {
        button(u"cmdStartStopClock"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Start / Stop  Clock")),
               {120, 480, 1695, 375}, 0),
        keyReadout(u"lblStartStopClock"_s, {1800, 480, 1335, 375}),
        button(u"cmdResetClock"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Reset Clock")),
               {120, 900, 1695, 375}, 1),
        keyReadout(u"lblResetClock"_s, {1800, 900, 1335, 375}),
        button(u"cmdClockSwitch"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Game / Clock Switch")),
               {120, 1320, 1695, 375}, 2),
        keyReadout(u"lblClockSwitch"_s, {1800, 1320, 1335, 375}),
        button(u"cmdHomeOne"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Home Score +1")),
               {120, 1740, 1695, 375}, 46),
        keyReadout(u"lblHomeOne"_s, {1800, 1740, 1335, 375}),
        button(u"cmdVisitorOne"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Visitor Score +1")),
               {120, 2160, 1695, 375}, 47),
        keyReadout(u"lblVisitorOne"_s, {1800, 2160, 1335, 375}),
        button(u"cmdClearKey"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "# Clear Key")),
               {3360, 480, 1095, 375}, 3),
        keyReadout(u"lblClear"_s, {4440, 480, 1335, 375}),
        button(u"cmdBuzzer"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Buzzer")), {3360, 960, 1095, 375},
               4),
        keyReadout(u"lblBuzzer"_s, {4440, 960, 1335, 375}),
        frame(u"Frame9"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Numlock Options:")),
              {3600, 1440, 1935, 1455}),
        optionButton(u"optNormal"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Normal Mode")), 240, 5),
        optionButton(u"optKeepOn"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Keep Numlock On")), 600, 6),
        optionButton(u"optKeepOff"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Keep Numlock Off")), 960, 7),
        button(u"cmdBuzzerSound"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Change Buzzer Sound...")),
               {120, 2640, 2295, 375}, 8),
        label(u"lblBFile"_s, KeyPage, u"buzzer.wav"_s, {240, 3060, 5175, 255},
              {{"FontName", u"Arial"_s}, {"FontSize", 9.75}, {"Alignment", LeftJustify}}),
        button(u"cmdResetKeys"_s, KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Reset Keys")),
               {4560, 3360, 1215, 375}, 9),
    };
}

QList<ElementDesign> colorControls()
{
    QList<DesignProperty> spinner = twipsGeometry(1200, 720, 255, 255);
    // Min above Max: the up arrow raises the width.
    spinner += {{"Min", 5}, {"Max", 0}, {"Value", 0}};
    const QString ledSelected = u"fraLedSelected"_s;
    return colorGroup(u"fraTimeFore"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Time Color:")), 240, 540, u"picTimeC"_s, u"cmdTimeC"_s, 10, 34)
        + colorGroup(u"frmHomeColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Home Color:")), 2040, 540, u"picHomeC"_s, u"cmdHomeC"_s, 11, 35)
        + colorGroup(u"frmVisitorColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Visitor Color:")), 3840, 540, u"picVisitorC"_s, u"cmdVisitorC"_s, 12,
                     36)
        + colorGroup(u"frmScoreColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Score Color:")), 240, 1440, u"picScoreC"_s, u"cmdScoreC"_s, 13, 37)
        + colorGroup(u"frmSetColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Sets Color:")), 2040, 1440, u"picSetC"_s, u"cmdSetC"_s, 14, 38)
        + colorGroup(u"fraLedBack"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "LED Background:")), 3840, 1440, u"picLEDB"_s, u"cmdLEDB"_s, 15, 39)
        + colorGroup(u"frmBackColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Back Color:")), 240, 2400, u"picBackC"_s, u"cmdBackC"_s, 16, 40)
        + colorGroup(ledSelected, designText(QT_TRANSLATE_NOOP("frmOptions", "LED Selected")), 2040, 2400, u"picLedSelected"_s, u"cmdLedSelected"_s, 17, 41,
                     1095)
        + QList<ElementDesign> {
            label(u"lblLEDSelectedWidth"_s, ledSelected, designText(QT_TRANSLATE_NOOP("frmOptions", "Width:")), {120, 720, 615, 255},
                  {{"Alignment", RightJustify}}),
            label(u"lblLEDSelectedWidthValue"_s, ledSelected, u"0"_s, {840, 720, 375, 255},
                  {{"BackColor", White}, {"BackStyle", 1}, {"BorderStyle", FixedSingle}, {"Alignment", Center}}),
            {u"scrLEDSelectedWidth"_s, u"ScrollBar"_s, ledSelected, spinner, 19, Focus::TabStop},
        }
        + colorGroup(u"frmBorderColor"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Border Color:")), 3840, 2400, u"picBorderC"_s, u"cmdBorderC"_s, 18, 42)
        + QList<ElementDesign> {button(u"cmdResetColors"_s, ColorPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Reset Colors")), {4560, 3360, 1215, 375}, 20)};
}

QList<ElementDesign> textControls()
{
    return nameGroup(u"Frame10"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Board Name:")), 480, u"txtTitleText"_s,
                     u"Home"_s, 25, 21)
        + nameGroup(u"Frame1"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Home Name:")), 1560, u"txtHomeText"_s,
                    u"Home"_s, 20, 22)
        + nameGroup(u"Frame2"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Visitor Name:")), 2640,
                    u"txtVisitorText"_s, u"Visitor"_s, 20, 23);
}

QList<ElementDesign> pictures()
{
    QList<DesignProperty> list = twipsGeometry(120, 600, 1335, 315);
    list.append({"Items",
                 QStringList {designText(QT_TRANSLATE_NOOP("frmOptions", "Lines")),
                              designText(QT_TRANSLATE_NOOP("frmOptions", "Dots"))}});
    QList<DesignProperty> preview = twipsGeometry(1560, 480, 540, 975);
    // Only shows the style; unlike the board's panels it never takes the focus.
    preview += {{"Size", 65},
                {"Caption", u"8"_s},
                {"BackColor", Black},
                {"LitColor", Red},
                {"focusPolicy", QVariant::fromValue(Qt::NoFocus)}};
    return pictureGroup(u"Frame3"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Home Picture")), 360, 480,
                        u"picHomePicPreviewCon"_s, u"imgHomePicPreview"_s, u"cmdChangeHomePic"_s, u"cmdClearHomePic"_s,
                        24, 43)
        + pictureGroup(u"Frame4"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Visitor Picture")), 3120, 480,
                       u"picVisitorPicPreviewCon"_s, u"imgVisitorPicPreview"_s, u"cmdChangeVisitorPic"_s,
                       u"cmdClearVisitorPic"_s, 26, 44)
        + pictureGroup(u"Frame5"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Scoreboard Picture")), 360, 2160,
                       u"picBoardPicPreviewCon"_s, u"imgBoardPicPreview"_s, u"cmdChangeBoardPic"_s,
                       u"cmdClearBoardPic"_s, 28, 45)
        + QList<ElementDesign> {
            frame(u"Frame6"_s, PicturePage, designText(QT_TRANSLATE_NOOP("frmOptions", "Digit Type:")),
                  {3120, 2160, 2415, 1575}),
            {u"cmbLedType"_s, u"ComboBox"_s, u"Frame6"_s, list, 30, Focus::TabStop},
            label(u"Label1"_s, u"Frame6"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Preview:")),
                  {1440, 240, 855, 255}, {{"Alignment", Center}}),
            {u"pledPreview"_s, u"SegmentPanel"_s, u"Frame6"_s, preview, -1, Focus::None},
        };
}

QList<ElementDesign> screens()
{
    QList<DesignProperty> boardScreen = twipsGeometry(120, 360, 5175, 315);
    boardScreen.append({"Items", QStringList {}});
    QList<DesignProperty> consoleKey = twipsGeometry(120, 360, 1335, 315);
    consoleKey.append({"Items", QStringList {}});
    return {
        frame(u"fraBoardScreen"_s, ScreensPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Board Screen:")),
              {240, 480, 5415, 1335}),
        {u"cmbBoardScreen"_s, u"ComboBox"_s, u"fraBoardScreen"_s, boardScreen, 48, Focus::TabStop},
        label(u"lblBoardScreenNote"_s, u"fraBoardScreen"_s,
              designText(QT_TRANSLATE_NOOP(
                  "frmOptions",
                  "With two screens the board fills its screen without a frame and the console opens on the other.")),
              {120, 780, 5175, 435}, {{"Alignment", LeftJustify}, {"WordWrap", true}}),
        frame(u"fraConsole"_s, ScreensPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Operator Console:")),
              {240, 2040, 5415, 1095}),
        {u"cmbConsoleKey"_s, u"ComboBox"_s, u"fraConsole"_s, consoleKey, 49, Focus::TabStop},
        label(u"lblConsoleNote"_s, u"fraConsole"_s,
              designText(QT_TRANSLATE_NOOP("frmOptions", "shows or hides the console beside the board.")),
              {1560, 420, 3735, 255}, {{"Alignment", LeftJustify}}),
    };
}

QList<ElementDesign> rulesControls()
{
    QList<DesignProperty> modes = twipsGeometry(840, 480, 1935, 315);
    modes.append({"Items",
                  QStringList {designText(QT_TRANSLATE_NOOP("frmOptions", "Off")),
                               designText(QT_TRANSLATE_NOOP("frmOptions", "Indoor")),
                               designText(QT_TRANSLATE_NOOP("frmOptions", "Beach")),
                               designText(QT_TRANSLATE_NOOP("frmOptions", "Custom"))}});
    QList<DesignProperty> winByTwo = twipsGeometry(120, 1440, 2535, 315);
    winByTwo.append({"text", designText(QT_TRANSLATE_NOOP("frmOptions", "Win by two points"))});
    return QList<ElementDesign> {
               label(u"lblRulesMode"_s, RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Rules:")),
                     {120, 540, 615, 255}, {{"Alignment", LeftJustify}}),
               {u"cmbRulesMode"_s, u"ComboBox"_s, RulesTabPage, modes, 50, Focus::TabStop},
               frame(u"fraCustomRules"_s, RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Custom Rules:")),
                     {120, 960, 2775, 1815}),
           }
    + customNumber(designText(QT_TRANSLATE_NOOP("frmOptions", "Sets to win:")), u"spnSetsToWin"_s, 360, 3, 51)
        + customNumber(designText(QT_TRANSLATE_NOOP("frmOptions", "Points per set:")), u"spnSetPoints"_s, 750, 99, 52)
        + customNumber(designText(QT_TRANSLATE_NOOP("frmOptions", "Deciding set:")), u"spnDecidingSetPoints"_s, 1140,
                       99, 53)
        + QList<ElementDesign> {
            {u"chkWinByTwo"_s, u"CheckBox"_s, u"fraCustomRules"_s, winByTwo, 54, Focus::TabStop},
            frame(u"fraAssistance"_s, RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Assistance:")),
                  {3000, 420, 2775, 1935}),
            checkBox(u"chkServeFollowsPoint"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Serve follows the point")),
                     300, 55),
            checkBox(u"chkBoardMarker"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Set / match point on board")),
                     690, 56),
            checkBox(u"chkTimeoutBuzzer"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Buzzer when a timeout ends")),
                     1080, 57),
            checkBox(u"chkTimeoutOnBoard"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Timeout on the board clock")),
                     1470, 58),
            button(u"cmdTimeoutHome"_s, RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Home Timeout")),
                   {120, 2940, 1695, 375}, 59),
            keyReadout(u"lblTimeoutHome"_s, {1800, 2940, 1095, 375}, RulesTabPage),
            button(u"cmdTimeoutVisitor"_s, RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Visitor Timeout")),
                   {120, 3360, 1695, 375}, 60),
            keyReadout(u"lblTimeoutVisitor"_s, {1800, 3360, 1095, 375}, RulesTabPage),
        };
}

ElementDesign feedField(const QString &name, QList<int> box, int maxLength, int tabIndex)
{
    QList<DesignProperty> properties = twipsGeometry(box[0], box[1], box[2], box[3]);
    properties.append({"maxLength", maxLength});
    return {name, u"TextBox"_s, FeedPage, properties, tabIndex, Focus::TabStop};
}

ElementDesign feedCaption(const QString &name, const QString &text, int top)
{
    return label(name, FeedPage, text, {240, top, 1095, 255}, {{"Alignment", RightJustify}});
}

// The live feed: on or off, who can reach it, its port, the remote's PIN, the text files' folder, and
// the address to open in a browser.
QList<ElementDesign> feed()
{
    return {
        frame(u"fraFeed"_s, FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Live Feed:")), {240, 480, 2535, 855}),
        optionIn(u"optFeedOff"_s, u"fraFeed"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Off")),
                 {120, 360, 1095, 300}, 61),
        optionIn(u"optFeedOn"_s, u"fraFeed"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "On")),
                 {1320, 360, 1095, 300}, 62),
        frame(u"fraFeedNetwork"_s, FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Reachable From:")),
              {3000, 480, 2655, 855}),
        optionIn(u"optFeedLocal"_s, u"fraFeedNetwork"_s,
                 designText(QT_TRANSLATE_NOOP("frmOptions", "This computer only")), {120, 240, 2415, 285}, 63),
        optionIn(u"optFeedLAN"_s, u"fraFeedNetwork"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "The local network")),
                 {120, 525, 2415, 285}, 64),
        feedCaption(u"lblFeedPortCaption"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Port:")), 1560),
        feedField(u"txtFeedPort"_s, {1440, 1500, 975, 375}, 5, 65),
        feedCaption(u"lblFeedPinCaption"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Remote PIN:")), 2040),
        feedField(u"txtFeedPin"_s, {1440, 1980, 975, 375}, 6, 66),
        button(u"cmdNewPin"_s, FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "New PIN")),
               {2520, 1980, 1095, 375}, 67),
        feedCaption(u"lblFeedFolderCaption"_s, designText(QT_TRANSLATE_NOOP("frmOptions", "Text files:")), 2520),
        label(u"lblFeedTextFolder"_s, FeedPage, QString(), {1440, 2460, 2535, 375},
              {{"BorderStyle", FixedSingle}, {"Alignment", LeftJustify}}),
        button(u"cmdFeedFolder"_s, FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Choose...")),
               {4080, 2460, 900, 375}, 68),
        button(u"cmdClearFeedFolder"_s, FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Clear")),
               {5040, 2460, 735, 375}, 69),
        label(u"lblFeedAddress"_s, FeedPage, QString(), {240, 3060, 5415, 495}, {{"WordWrap", true}}),
    };
}

} // namespace

namespace OptionsDesign {

QList<ElementDesign> elements()
{
    QList<DesignProperty> ok = twipsGeometry(1680, 4320, 1080, 375);
    ok += {{"text", designText(QT_TRANSLATE_NOOP("frmOptions", "&Ok"))}, {"default", true}};
    QList<DesignProperty> tabs = twipsGeometry(120, 120, 5895, 3975);
    tabs.append({"Tab", 0});
    return QList<ElementDesign> {
               {u"SSTab1"_s, u"TabControl"_s, {}, tabs, 33, Focus::TabStop},
               tabPage(KeyPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Key Controls"))),
               tabPage(ColorPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Color Controls"))),
               tabPage(TextPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Text Controls"))),
               tabPage(PicturePage, designText(QT_TRANSLATE_NOOP("frmOptions", "Pictures"))),
               tabPage(ScreensPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Screens"))),
               tabPage(RulesTabPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Rules"))),
               tabPage(FeedPage, designText(QT_TRANSLATE_NOOP("frmOptions", "Feed"))),
           }
    + keyControls() + colorControls() + textControls() + pictures() + screens() + rulesControls() + feed()
        + QList<ElementDesign> {
            {u"cmdOk"_s, u"CommandButton"_s, {}, ok, 31, Focus::TabStop},
            button(u"cmdCancel"_s, {}, designText(QT_TRANSLATE_NOOP("frmOptions", "&Cancel")), {2985, 4320, 1080, 375},
                   32),
            {u"cdColors"_s, u"CommonDialog"_s, {}, {}, -1, Focus::None},
            measuringLabel(u"lblHomePreview"_s, u"Home"_s, {240, 4920, 2250, 990}),
            measuringLabel(u"lblVisitorPreview"_s, u"Visitor"_s, {1320, 6240, 2535, 990}),
        };
}

WindowDesign window()
{
    return {designText(QT_TRANSLATE_NOOP("frmOptions", "Options")), 6165, 4785, elements()};
}

} // namespace OptionsDesign
