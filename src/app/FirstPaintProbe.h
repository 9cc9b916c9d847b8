#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// Reports when a top-level window has finished painting its first frame at a new size, for the start-up
// benchmarks: one line on standard error, "vantaro-first-paint <class> <x>,<y> <width>x<height> <ns>",
// the geometry that of the client area on the screen and the time in nanoseconds of the monotonic clock
// (CLOCK_MONOTONIC, the clock of QElapsedTimer and std::chrono::steady_clock), comparable across
// processes. Installed only when the environment variable VANTARO_FIRST_PAINT_PROBE is set.
class FirstPaintProbe : public QObject
{
    Q_OBJECT

public:
    // Watches the application's windows when the variable is set; does nothing otherwise.
    static void installIfRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FirstPaintProbe(QObject *parent);

    QSet<QString> m_reported;
};
