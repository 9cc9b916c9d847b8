#include "feed/TextFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

void TextFileWriter::submit(const QString &folder, const Files &files)
{
    QMutexLocker lock(&m_mutex);
    m_pendingFolder = folder;
    m_pending = files;
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &TextFileWriter::writePending, Qt::QueuedConnection);
}

void TextFileWriter::writePending()
{
    QString folder;
    Files files;
    {
        QMutexLocker lock(&m_mutex);
        folder = m_pendingFolder;
        files = m_pending;
        m_scheduled = false;
    }
    if (folder.isEmpty())
        return;
    if (folder != m_writtenFolder) {
        m_written.clear();
        m_writtenFolder = folder;
    }
    if (!QFileInfo(folder).isDir()) {
        m_written.clear();
        reportFailure(u"The text files for streaming tools cannot be written: the folder %1 does not exist."_s.arg(
            QDir::toNativeSeparators(folder)));
        return;
    }
    bool allWritten = true;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const auto written = m_written.constFind(file.key());
        if (written != m_written.cend() && *written == file.value())
            continue;
        if (writeFile(QDir(folder).filePath(file.key()), file.value()))
            m_written.insert(file.key(), file.value());
        else
            allWritten = false;
    }
    if (allWritten)
        m_lastFailure.clear();
}

bool TextFileWriter::writeFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
        return true;
    reportFailure(u"The text file %1 cannot be written: %2"_s.arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

void TextFileWriter::reportFailure(const QString &message)
{
    if (m_lastFailure.isEmpty())
        emit failed(message);
    m_lastFailure = message;
}
