#pragma once

#include <QFont>
#include <QRect>

#include <optional>

class QWidget;

// Keeps a dialog control's caption inside its box: the control is drawn in its design font while the caption
// fits, else in the largest smaller font in which it does. For controls without children of their own (a
// changed font would pass on to the children).
class CaptionFit
{
public:
    explicit CaptionFit(QWidget *control);

    // Call when the caption or the room changes; the room is where the control's style draws its caption.
    void fit(const QString &caption, const QRect &room);

private:
    QWidget *m_control;
    std::optional<QFont> m_designFont;
};
