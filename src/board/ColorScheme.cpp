#include "board/ColorScheme.h"

#include "settings/Settings.h"
#include "widgets/ColorValue.h"
#include "widgets/ElementKind.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QObject *named(QWidget *board, const QString &name)
{
    QObject *element = board->findChild<QObject *>(name);
    Q_ASSERT_X(element, "ColorScheme", qPrintable(name));
    return element;
}

void setColor(QObject *element, const char *property, qint32 color)
{
    if (element)
        element->setProperty(property, color);
}

// The skip list as one text, each name between bars, so that a longer name never matches a shorter one.
QString skipList(const QList<QObject *> &skip)
{
    QString list;
    for (const QObject *element : skip)
        list += u'|' + element->objectName() + u'|';
    return u'|' + list + u'|';
}

} // namespace

namespace ColorScheme {

void SetPanelColors(QObject *panel, qint32 litColor, qint32 ledBack)
{
    setColor(panel, "BackColor", ledBack);
    setColor(panel, "LitColor", litColor);
}

void SetPanelColors(const QList<QObject *> &panels, qint32 litColor, qint32 ledBack)
{
    for (QObject *panel : panels)
        SetPanelColors(panel, litColor, ledBack);
}

void ApplyControlColors(const QList<QObject *> &elements, const QList<QObject *> &skip, const Settings &settings)
{
    const QString skipped = skipList(skip);
    for (QObject *element : elements) {
        if (skipped.contains(u'|' + element->objectName() + u'|'))
            continue;
        const QString kind = ElementKind::of(element);
        if (kind == u"Label"_s)
            setColor(element, "ForeColor", settings.BorderColor);
        else if (kind == u"PictureBox"_s)
            setColor(element, "BackColor", settings.LEDBack);
        else if (kind == u"Shape"_s)
            setColor(element, "BorderColor", settings.BorderColor);
    }
}

void UpdateFormColors(QWidget *board, const QList<QObject *> &elements, const Settings &settings)
{
    setBackColor(board, settings.FormBack);
    QObject *clock = named(board, u"tledGame"_s);
    SetPanelColors(clock, settings.TimeColor, settings.LEDBack);
    setColor(clock, "FrameColor", settings.BorderColor);
    for (const QString &score : {u"nledHomeScore"_s, u"nledVisitorScore"_s})
        SetPanelColors(named(board, score), settings.ScoreColor, settings.LEDBack);
    for (const QString &gamesWon : {u"nledHomeGamesWon"_s, u"nledVisitorGamesWon"_s})
        SetPanelColors(named(board, gamesWon), settings.TimeColor, settings.LEDBack);
    for (int set = 1; set <= 4; ++set) {
        SetPanelColors(named(board, u"nledSet%1H"_s.arg(set)), settings.SetColor, settings.LEDBack);
        SetPanelColors(named(board, u"nledSet%1V"_s.arg(set)), settings.SetColor, settings.LEDBack);
    }

    const QStringList boardColoured {u"picHomeTeamName"_s,     u"picVisitorTeamName"_s, u"picHomeContainer"_s,
                                     u"picVisitorContainer"_s, u"picBoardContainer"_s,  u"picPossBack"_s};
    QList<QObject *> skip {named(board, u"lblHomeTeam"_s), named(board, u"lblVisitorTeam"_s)};
    for (const QString &name : boardColoured)
        skip.append(named(board, name));
    ApplyControlColors(elements, skip, settings);

    setColor(named(board, u"lblHomeTeam"_s), "ForeColor", settings.HomeColor);
    setColor(named(board, u"lblVisitorTeam"_s), "ForeColor", settings.VisitorColor);
    for (const QString &name : boardColoured)
        setColor(named(board, name), "BackColor", settings.FormBack);
    setColor(named(board, u"shpObjectSelected"_s), "FillColor", settings.LEDSelected);
    for (const QString &dot :
         {u"Shape2"_s, u"Shape4"_s, u"Shape6"_s, u"Shape5"_s, u"Shape8"_s, u"Shape7"_s, u"Shape9"_s, u"Shape10"_s})
        setColor(named(board, dot), "FillColor", settings.BorderColor);
}

void setBackColor(QWidget *window, qint32 color)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, ColorValue::toQColor(color));
    window->setPalette(palette);
}

} // namespace ColorScheme
