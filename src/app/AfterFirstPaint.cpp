#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

AfterFirstPaint::AfterFirstPaint(QWidget *window, std::function<void()> action)
    : QObject(window)
    , m_action(std::move(action))
{
    window->installEventFilter(this);
}

void AfterFirstPaint::run(QWidget *window, std::function<void()> action)
{
    new AfterFirstPaint(window, std::move(action));
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    watched->removeEventFilter(this);
    // Queued, so that the window's children finish the frame first.
    QTimer::singleShot(0, this, [this] {
        m_action();
        deleteLater();
    });
    return false;
}
