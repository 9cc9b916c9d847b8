#pragma once

#include <QList>
#include <QtGlobal>

class QObject;
class QWidget;
struct Settings;

// Paints the board with the nine colours of the settings. A generic pass colours every label,
// picture box and shape of a window by kind; the LED panels, the team names, the boxes that show the
// board colour, the highlight and the colon dots are then set one by one.
namespace ColorScheme {

// Background and lit colour of one LED panel, or of each panel of a group.
void SetPanelColors(QObject *panel, qint32 litColor, qint32 ledBack);
void SetPanelColors(const QList<QObject *> &panels, qint32 litColor, qint32 ledBack);

// Labels take BorderColor as text colour, picture boxes LEDBack as background, shapes BorderColor as
// outline; an element named in skip is left alone. The names are compared whole and case-sensitively.
void ApplyControlColors(const QList<QObject *> &elements, const QList<QObject *> &skip, const Settings &settings);

// Every colour of the board except the possession arrows, which the board's UpdatePoss sets after it.
void UpdateFormColors(QWidget *board, const QList<QObject *> &elements, const Settings &settings);

// The window's own background, as the board shows it: the board fills it itself.
void setBackColor(QWidget *window, qint32 color);

} // namespace ColorScheme
