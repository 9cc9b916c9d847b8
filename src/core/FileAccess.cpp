#include "core/FileAccess.h"

#include "core/BackgroundWork.h"

#include <QFile>
#include <QFutureWatcher>

#ifndef Q_OS_UNIX
#include <QDateTime>
#include <QFileInfo>
#endif

#include <algorithm>
#include <mutex>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

std::mutex delayMutex;
std::shared_ptr<const std::function<void(const QString &)>> delayHook;

void delayForTesting(const QString &path)
{
    std::shared_ptr<const std::function<void(const QString &)>> hook;
    {
        const std::lock_guard lock(delayMutex);
        hook = delayHook;
    }
    if (hook && *hook)
        (*hook)(path);
}

FileAccess::Opened refused(const QString &problem)
{
    FileAccess::Opened opened;
    opened.problem = problem;
    return opened;
}

FileAccess::Opened missingFile()
{
    FileAccess::Opened opened;
    opened.missing = true;
    opened.problem = u"it does not exist"_s;
    return opened;
}

#ifdef Q_OS_UNIX

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file of this mode is not read; empty for an ordinary file.
QString kindProblem(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return u"it is a folder, not a file"_s;
    if (S_ISFIFO(mode))
        return u"it is a named pipe, not a file"_s;
    if (S_ISSOCK(mode))
        return u"it is a socket, not a file"_s;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return u"it is a device, not a file"_s;
    return u"it is not an ordinary file"_s;
}

FileAccess::Stamp stampOf(const struct stat &status)
{
    FileAccess::Stamp stamp;
    stamp.size = qint64(status.st_size);
    stamp.modifiedNanoseconds = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + qint64(status.st_mtim.tv_nsec);
    stamp.inode = quint64(status.st_ino);
    stamp.device = quint64(status.st_dev);
    return stamp;
}

// stat() of the name, following links; the problem when it names no ordinary file.
FileAccess::Opened statRegular(const QByteArray &name)
{
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return missingFile();
        return refused(u"it cannot be opened: %1"_s.arg(systemError(error)));
    }
    if (const QString problem = kindProblem(status.st_mode); !problem.isEmpty())
        return refused(u"it cannot be opened: %1"_s.arg(problem));
    FileAccess::Opened opened;
    opened.stamp = stampOf(status);
    return opened;
}

#endif

} // namespace

namespace FileAccess {

void setFileSystemDelayForTesting(std::function<void(const QString &path)> delay)
{
    auto hook = delay ? std::make_shared<const std::function<void(const QString &)>>(std::move(delay)) : nullptr;
    const std::lock_guard lock(delayMutex);
    delayHook = std::move(hook);
}

Opened inspect(const QString &path)
{
    if (path.isEmpty())
        return missingFile();
    delayForTesting(path);
#ifdef Q_OS_UNIX
    return statRegular(QFile::encodeName(path));
#else
    const QFileInfo info(path);
    if (!info.exists())
        return missingFile();
    if (!info.isFile())
        return refused(info.isDir() ? u"it cannot be opened: it is a folder, not a file"_s
                                    : u"it cannot be opened: it is not an ordinary file"_s);
    Opened opened;
    opened.stamp.size = info.size();
    opened.stamp.modifiedNanoseconds = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    return opened;
#endif
}

Opened openRegular(const QString &path)
{
    Opened opened = inspect(path);
    if (!opened.problem.isEmpty())
        return opened;
#ifdef Q_OS_UNIX
    // Non-blocking, so that a named pipe put in the file's place since the check does not wait for a
    // writer; for an ordinary file the flag changes nothing.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        return error == ENOENT ? missingFile() : refused(u"it cannot be opened: %1"_s.arg(systemError(error)));
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return refused(u"it cannot be opened: %1"_s.arg(kindProblem(status.st_mode)));
    }
    opened.stamp = stampOf(status);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return refused(u"it cannot be opened: %1"_s.arg(file->errorString()));
    }
#else
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return refused(u"it cannot be opened: %1"_s.arg(file->errorString()));
#endif
    opened.file = std::move(file);
    return opened;
}

void whenChecked(QObject *context, const QString &path, std::function<void(bool isOrdinaryFile)> done)
{
    auto *watcher = new QFutureWatcher<bool>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->future().resultCount() > 0 && watcher->future().result());
    });
    watcher->setFuture(BackgroundWork::run<bool>([path] { return inspect(path).problem.isEmpty(); }));
}

Contents readRegular(const QString &path, qint64 maxBytes, Larger larger)
{
    Contents contents;
    Opened opened = openRegular(path);
    contents.stamp = opened.stamp;
    contents.missing = opened.missing;
    contents.problem = opened.problem;
    if (!opened.file)
        return contents;
    if (larger == Larger::Refuse && opened.stamp.size > maxBytes) {
        contents.problem = u"it holds %1 bytes, more than the %2 it may have"_s.arg(opened.stamp.size).arg(maxBytes);
        return contents;
    }
    // In pieces, up to the limit: a small file does not cost a buffer of the limit's size.
    constexpr qint64 Piece = 64 * 1024;
    contents.bytes.reserve(qsizetype(std::clamp<qint64>(opened.stamp.size, 0, maxBytes)));
    while (contents.bytes.size() < maxBytes) {
        const QByteArray piece = opened.file->read(std::min(Piece, maxBytes - contents.bytes.size()));
        if (piece.isEmpty())
            break;
        contents.bytes += piece;
    }
    if (opened.file->error() != QFileDevice::NoError) {
        contents.bytes.clear();
        contents.problem = u"reading it failed: %1"_s.arg(opened.file->errorString());
    }
    return contents;
}

} // namespace FileAccess
