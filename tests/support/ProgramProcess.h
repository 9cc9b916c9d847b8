#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

// The real program in a process of its own, on the X server of DISPLAY, with a home of the test's own and
// its probes on: what they print on standard error is read line by line.
class ProgramProcess
{
public:
    explicit ProgramProcess(const QString &home, const QString &display = qEnvironmentVariable("DISPLAY"))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("VANTARO_FIRST_PAINT_PROBE"), QStringLiteral("1"));
        environment.insert(QStringLiteral("VANTARO_SHOWN_MATCH_PROBE"), QStringLiteral("1"));
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(QStringLiteral(VANTARO_PROGRAM));
        m_process.setReadChannel(QProcess::StandardError);
        m_process.start();
    }

    ~ProgramProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // The first line from now on that starts with prefix; empty after timeout.
    QString waitForLine(const QString &prefix, int timeout = 10000)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            readLines();
            for (; m_next < m_lines.size(); ++m_next) {
                if (m_lines[m_next].startsWith(prefix))
                    return m_lines[m_next++];
            }
            if (waited.elapsed() > timeout || !m_process.waitForReadyRead(int(timeout - waited.elapsed())))
                return {};
        }
    }

    // Killed as a crash or kill -9 ends a program; then every line it printed.
    QStringList kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
        readLines();
        return m_lines;
    }

    bool waitForFinished(int timeout) { return m_process.waitForFinished(timeout); }
    int exitCode() const { return m_process.exitCode(); }

private:
    void readLines()
    {
        m_pending += m_process.readAllStandardError();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines.append(QString::fromUtf8(m_pending.left(end)));
            m_pending.remove(0, end + 1);
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    qsizetype m_next = 0;
};
