#pragma once

#include <QList>
#include <QtGlobal>

class QObject;
class QWidget;
struct Settings;

// Puts the operator's texts, pictures and digit style on the board.
namespace BoardLabels {

// Font size in points for the present window (client size in twips) of a team name that has size
// points on a board of the design size: kept relative to the largest 4:3 area that fits the window.
double RSize(qint16 size, double windowWidthTwips, double windowHeightTwips);

// Every LED field of the window (numbers, clock, segment previews) takes the digit style.
void ApplyDigitStyle(const QList<QObject *> &elements, qint32 style);

// Caption, title, team names sized and centred in their boxes, the three pictures (read off the GUI
// thread when their paths change, see BoardPictures), the digit style.
void UpdateLabels(QWidget *board, const QList<QObject *> &elements, const Settings &settings);

} // namespace BoardLabels
