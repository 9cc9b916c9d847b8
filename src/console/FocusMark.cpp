#include "console/FocusMark.h"

#include <QPainter>

namespace {

constexpr int MarkWidth = 3;
const QColor MarkColor(0x00, 0xC8, 0xFF);

} // namespace

FocusMark::FocusMark(QWidget *miniature)
    : QWidget(miniature)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::mark(QWidget *field)
{
    m_field = field;
    follow();
}

void FocusMark::follow()
{
    if (!m_field) {
        hide();
        return;
    }
    const QPoint topLeft = m_field->mapTo(parentWidget(), QPoint());
    setGeometry(QRect(topLeft, m_field->size()).adjusted(-MarkWidth, -MarkWidth, MarkWidth, MarkWidth));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(MarkColor, MarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(rect().adjusted(MarkWidth / 2, MarkWidth / 2, -(MarkWidth + 1) / 2, -(MarkWidth + 1) / 2));
}
