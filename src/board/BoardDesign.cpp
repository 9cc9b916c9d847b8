#include "board/BoardDesign.h"

#include "widgets/DesignConstants.h"

using namespace Qt::StringLiterals;
using namespace DesignConstants;

namespace {

using Focus = ElementDesign::Focus;

QList<DesignProperty> geometry(int left, int top, int width, int height)
{
    return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

// Every board label is transparent, centred, bold Arial.
ElementDesign label(const QString &name, const QString &container, const QString &text, QList<int> box, double fontSize,
                    int foreColor, int tabIndex, int backColor = Black)
{
    QList<DesignProperty> properties = geometry(box[0], box[1], box[2], box[3]);
    properties += {{"Caption", text},        {"FontName", u"Arial"_s}, {"FontSize", fontSize}, {"FontBold", true},
                   {"ForeColor", foreColor}, {"BackColor", backColor}, {"Alignment", 2}};
    return {name, u"Label"_s, container, properties, tabIndex, Focus::None};
}

ElementDesign pictureBox(const QString &name, QList<int> box, int backColor, int tabIndex, Focus focus)
{
    QList<DesignProperty> properties = geometry(box[0], box[1], box[2], box[3]);
    properties.append({"BackColor", backColor});
    return {name, u"PictureBox"_s, QString(), properties, tabIndex, focus};
}

ElementDesign image(const QString &name, const QString &container, QList<int> box)
{
    QList<DesignProperty> properties = geometry(box[0], box[1], box[2], box[3]);
    properties.append({"Stretch", true});
    return {name, u"Image"_s, container, properties, -1, Focus::None};
}

ElementDesign numberPanel(const QString &name, const QString &container, QList<int> box, int tabIndex, Focus focus,
                          QList<DesignProperty> settings)
{
    return {name, u"NumberPanel"_s, container, geometry(box[0], box[1], box[2], box[3]) + settings, tabIndex, focus};
}

ElementDesign roundedFrame(const QString &name, QList<int> box)
{
    QList<DesignProperty> properties = geometry(box[0], box[1], box[2], box[3]);
    properties += {{"Shape", 4}, {"BorderColor", White}, {"BorderWidth", 7}, {"BorderStyle", 1}, {"FillStyle", 1}};
    return {name, u"Shape"_s, QString(), properties, -1, Focus::None};
}

ElementDesign colonDot(const QString &name, const QString &container, int top)
{
    QList<DesignProperty> properties = geometry(1005, top, 165, 165);
    properties += {{"Shape", 3}, {"BorderStyle", 0}, {"FillStyle", 0}, {"FillColor", White}};
    return {name, u"Shape"_s, container, properties, -1, Focus::None};
}

ElementDesign setDivider(const QString &name, int x)
{
    const QList<DesignProperty> properties {{"X1", x},    {"Y1", 5385},           {"X2", x},
                                            {"Y2", 6225}, {"BorderColor", White}, {"BorderWidth", 3}};
    return {name, u"Line"_s, QString(), properties, -1, Focus::None};
}

// A set box holds the home points, a colon of two dots and the visitor points of one set.
QList<ElementDesign> setBox(int set, int left, const QString &upperDot, const QString &lowerDot)
{
    const QString box = u"picSet%1"_s.arg(set);
    const QList<DesignProperty> settings {{"MaxValue", 99}, {"PaddingH", 60},     {"PaddingV", 75},
                                          {"PaddingI", 90}, {"LitColor", Yellow}, {"Caption", u"-1"_s}};
    const int homeTab = 23 + 2 * set;
    return {
        pictureBox(box, {left, 5400, 2175, 825}, Black, 5 + set, Focus::TabStop),
        numberPanel(u"nledSet%1H"_s.arg(set), box, {0, 0, 960, 825}, homeTab, Focus::ClickOnly, settings),
        numberPanel(u"nledSet%1V"_s.arg(set), box, {1200, 0, 960, 825}, homeTab + 1, Focus::ClickOnly, settings),
        colonDot(upperDot, box, 120),
        colonDot(lowerDot, box, 540),
    };
}

} // namespace

namespace BoardDesign {

QList<ElementDesign> elements()
{
    const QList<DesignProperty> scoreSettings {{"MaxValue", 99},  {"PaddingH", 80}, {"PaddingV", 100},
                                               {"PaddingI", 180}, {"Size", 80},     {"LitColor", Red}};
    const QList<DesignProperty> gamesWonSettings {{"PaddingH", 60}, {"PaddingV", 70}, {"Size", 75}};
    const QList<DesignProperty> clockSettings {{"PaddingH", 120}, {"PaddingV", 80}, {"PaddingI", 240},
                                               {"PaddingD", 130}, {"Size", 80},     {"Caption", 3600}};
    // Translated by the builder; a longer word is set smaller rather than cut off.
    ElementDesign gamesWon
        = label(u"lblGamesWon"_s, {}, QString::fromUtf8(QT_TRANSLATE_NOOP("frmScoreboard", "Games Won")),
                {3143, 4440, 3195, 495}, 20.25, White, 10);
    gamesWon.properties.append({"ShrinkToFit", true});

    QList<ElementDesign> design {
        label(u"lblTitle"_s, {}, u"Vantaro"_s, {83, 120, 9315, 855}, 32.25, White, 13),
        numberPanel(u"nledHomeScore"_s, {}, {582, 1320, 1665, 1380}, 0, Focus::TabStop, scoreSettings),
        {u"tledGame"_s, u"TimePanel"_s, {}, geometry(2835, 1220, 3825, 1350) + clockSettings, 1, Focus::TabStop},
        numberPanel(u"nledVisitorScore"_s, {}, {7234, 1320, 1665, 1380}, 2, Focus::TabStop, scoreSettings),
        roundedFrame(u"Shape1"_s, {2618, 1080, 4245, 1635}),
        roundedFrame(u"Shape3"_s, {113, 1080, 9255, 5625}),
        pictureBox(u"picHomeTeamName"_s, {261, 2825, 2520, 615}, Black, 21, Focus::ClickOnly),
        label(u"lblHomeTeam"_s, u"picHomeTeamName"_s, u"Home"_s, {120, 0, 2295, 495}, 24, White, 22),
        pictureBox(u"picPossBack"_s, {2873, 2880, 3735, 495}, Silver, 3, Focus::TabStop),
        label(u"lblPossH"_s, u"picPossBack"_s, u"<"_s, {0, -60, 495, 495}, 26.25, Orange, 35, DarkGrey),
        label(u"lblCreatedBy"_s, u"picPossBack"_s, u"vantaro.example.com"_s, {360, 90, 3015, 375}, 11.25, White, 34),
        label(u"lblPossV"_s, u"picPossBack"_s, u">"_s, {3240, -60, 495, 495}, 26.25, Orange, 33, DarkGrey),
        pictureBox(u"picVisitorTeamName"_s, {6690, 2825, 2520, 615}, Black, 23, Focus::ClickOnly),
        label(u"lblVisitorTeam"_s, u"picVisitorTeamName"_s, u"Visitor"_s, {120, 0, 2295, 495}, 24, White, 24),
        pictureBox(u"picHomeContainer"_s, {240, 3540, 1935, 1365}, Black, 11, Focus::ClickOnly),
        image(u"imgHomePic"_s, u"picHomeContainer"_s, {0, 0, 735, 1095}),
        numberPanel(u"nledHomeGamesWon"_s, {}, {2385, 3675, 750, 1260}, 4, Focus::TabStop, gamesWonSettings),
        pictureBox(u"picBoardContainer"_s, {3413, 3480, 2655, 930}, Black, 18, Focus::ClickOnly),
        image(u"imgBoardPic"_s, u"picBoardContainer"_s, {0, 0, 735, 855}),
        gamesWon,
        numberPanel(u"nledVisitorGamesWon"_s, {}, {6345, 3675, 750, 1260}, 5, Focus::TabStop, gamesWonSettings),
        pictureBox(u"picVisitorContainer"_s, {7320, 3540, 1935, 1365}, Black, 12, Focus::ClickOnly),
        image(u"imgVisitorPic"_s, u"picVisitorContainer"_s, {0, 0, 735, 1095}),
        label(u"Label7"_s, {}, u"1"_s, {360, 4920, 1935, 465}, 18, White, 14),
        label(u"Label8"_s, {}, u"2"_s, {2640, 4920, 1935, 465}, 18, White, 15),
        label(u"Label9"_s, {}, u"3"_s, {4920, 4920, 1935, 465}, 18, White, 16),
        label(u"Label10"_s, {}, u"4"_s, {7200, 4920, 1935, 465}, 18, White, 17),
    };
    design += setBox(1, 240, u"Shape2"_s, u"Shape4"_s);
    design += setBox(2, 2520, u"Shape6"_s, u"Shape5"_s);
    design += setBox(3, 4800, u"Shape8"_s, u"Shape7"_s);
    design += setBox(4, 7080, u"Shape9"_s, u"Shape10"_s);
    design += {
        setDivider(u"Line1"_s, 2475),
        setDivider(u"Line2"_s, 4740),
        setDivider(u"Line3"_s, 7025),
        {u"shpObjectSelected"_s,
         u"Shape"_s,
         {},
         geometry(5280, 3480, 255, 255)
             + QList<DesignProperty> {{"Shape", 0},
                                      {"BorderStyle", 0},
                                      {"FillStyle", 0},
                                      {"FillColor", Red},
                                      {"visible", false}},
         -1,
         Focus::None},
        {u"tmrClock1"_s, u"Timer"_s, {}, {{"interval", 100}}, -1, Focus::None},
        {u"tkGame"_s, u"GameTimer"_s, {}, {}, 19, Focus::None},
        {u"mmcBuzzer"_s, u"MMControl"_s, {}, {}, 20, Focus::None},
    };
    return design;
}

WindowDesign window()
{
    return {u"Vantaro"_s, 9480, 6795, elements()};
}

} // namespace BoardDesign
