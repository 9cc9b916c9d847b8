#include "match/DiskSync.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

DiskSync::DiskSync()
    : m_thread([this] { run(); })
{
}

DiskSync::~DiskSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void DiskSync::requestSync(std::shared_ptr<QFile> file)
{
    {
        std::lock_guard lock(m_mutex);
        m_file = std::move(file);
        m_dirty = true;
    }
    m_wake.notify_all();
}

void DiskSync::requestPromotion(std::shared_ptr<QFile> file, const QString &finalPath)
{
    {
        std::lock_guard lock(m_mutex);
        m_promoteFrom = file->fileName();
        m_promoteTo = finalPath;
        m_file = std::move(file);
        m_dirty = true;
    }
    m_wake.notify_all();
}

bool DiskSync::promotionPending() const
{
    std::lock_guard lock(m_mutex);
    return !m_promoteTo.isEmpty();
}

void DiskSync::waitUntilSynced()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_dirty && !m_busy; });
}

void DiskSync::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_dirty || m_stopping; });
        if (!m_dirty)
            return;
        const std::shared_ptr<QFile> file = m_file;
        const QString from = std::exchange(m_promoteFrom, {});
        const QString to = m_promoteTo;
        m_dirty = false;
        m_busy = true;
        lock.unlock();
        syncFile(*file);
        if (!to.isEmpty())
            promote(from, to);
        lock.lock();
        if (m_promoteTo == to)
            m_promoteTo.clear();
        m_busy = false;
        m_idle.notify_all();
    }
}

void DiskSync::syncFile(const QFile &file)
{
#ifdef Q_OS_WIN
    _commit(file.handle());
#else
    ::fdatasync(file.handle());
#endif
}

std::filesystem::path DiskSync::fileSystemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

void DiskSync::promote(const QString &from, const QString &to)
{
    // Replaces the old file in one step, where QFile::rename would refuse an existing target.
    std::error_code error;
    std::filesystem::rename(fileSystemPath(from), fileSystemPath(to), error);
#ifndef Q_OS_WIN
    // The rename itself reaches the disk only with its folder.
    const int folder = ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#endif
}
