#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

using namespace Qt::StringLiterals;

FirstPaintProbe::FirstPaintProbe(QObject *parent)
    : QObject(parent)
{
}

void FirstPaintProbe::installIfRequested()
{
    if (qEnvironmentVariableIsSet("VANTARO_FIRST_PAINT_PROBE"))
        qApp->installEventFilter(new FirstPaintProbe(qApp));
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    const auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow())
        return false;
    const QRect area(window->mapToGlobal(QPoint()), window->size());
    const QString report = u"%1 %2,%3 %4x%5"_s.arg(QLatin1String(window->metaObject()->className()))
                               .arg(area.x())
                               .arg(area.y())
                               .arg(area.width())
                               .arg(area.height());
    if (m_reported.contains(report))
        return false;
    m_reported.insert(report);
    // The window's children paint after it in the same pass; the time is taken once the frame is done.
    QTimer::singleShot(0, this, [report] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "vantaro-first-paint %s %lld\n", qPrintable(report),
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stderr);
    });
    return false;
}
