#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action once a window has painted its first frame, for work the window does not need to show:
// the program's first window then appears as soon as Qt can show one. The action does not run when the
// window goes before it painted.
class AfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    static void run(QWidget *window, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AfterFirstPaint(QWidget *window, std::function<void()> action);

    std::function<void()> m_action;
};
