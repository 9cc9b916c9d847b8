#pragma once

#include <QString>

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

class QFile;

// Forces a file's written bytes to the disk on a thread of its own, so that the display never waits
// for a slow disk. Requests that arrive while a sync runs are served together by the next one. A file
// may also be promoted: once synced, it is renamed over its final name, and the folder is synced too.
class DiskSync
{
public:
    DiskSync();
    // Finishes what was asked, then stops the thread.
    ~DiskSync();

    DiskSync(const DiskSync &) = delete;
    DiskSync &operator=(const DiskSync &) = delete;

    void requestSync(std::shared_ptr<QFile> file);
    void requestPromotion(std::shared_ptr<QFile> file, const QString &finalPath);
    bool promotionPending() const;
    // Waits until everything asked so far is on the disk.
    void waitUntilSynced();

private:
    void run();
    static void syncFile(const QFile &file);
    static void promote(const QString &from, const QString &to);
    static std::filesystem::path fileSystemPath(const QString &path);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::shared_ptr<QFile> m_file;
    QString m_promoteFrom;
    QString m_promoteTo;
    bool m_dirty = false;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
