#pragma once

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

// Writes the text files for streaming tools on a thread of its own, so that a slow disk never holds up
// the board. Each file is replaced atomically (a reader sees the old text or the new, never a part)
// and only when its text changed. Values handed in faster than they are written are merged: the latest
// ones win. A failure is reported once, until writing works again.
class TextFileWriter : public QObject
{
    Q_OBJECT

public:
    using Files = QMap<QString, QString>;

    // May be called from any thread. An empty folder writes nothing.
    void submit(const QString &folder, const Files &files);

signals:
    // Why the files cannot be written, in a sentence for the operator.
    void failed(const QString &message);

private:
    void writePending();
    bool writeFile(const QString &path, const QString &text);
    void reportFailure(const QString &message);

    QMutex m_mutex;
    QString m_pendingFolder;
    Files m_pending;
    bool m_scheduled = false;

    // Only touched on the writer's thread.
    QString m_writtenFolder;
    Files m_written;
    QString m_lastFailure;
};
