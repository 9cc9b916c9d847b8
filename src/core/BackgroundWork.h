#pragma once

#include <QFuture>
#include <QPromise>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// Work that may wait on the file system or a device for as long as it likes: a named pipe in place of a
// file, a network drive that stopped answering, a 100-megapixel picture. Each piece runs on a thread of
// its own that the caller never waits for without a time limit, so the GUI thread never hangs with it:
// a thread left idle by an earlier piece takes it, or a new one does, so that a piece never waits behind
// one that is stuck. The threads are detached: a piece stuck for good costs one thread, not the program;
// an idle thread ends after a few seconds. When the application object goes, the program waits a moment
// for pieces that are nearly done and leaves the rest to the end of the process.
//
// A piece must not touch widgets or objects of another thread; it hands its result back by value.
namespace BackgroundWork {

namespace detail {
void start(std::function<void()> work);
} // namespace detail

// Starts work on a thread of its own; the future receives its one result. A piece that throws ends
// without a result (resultCount() stays 0).
template<typename T> QFuture<T> run(std::function<T()> work)
{
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    detail::start([promise, work = std::move(work)] {
        try {
            promise->addResult(work());
        } catch (...) {
        }
        promise->finish();
    });
    return future;
}

// Runs work on a thread of its own and waits for its result at most limit. Nothing when it took
// longer: it then goes on alone and its result is dropped.
template<typename T> std::optional<T> runWithin(std::function<T()> work, std::chrono::milliseconds limit)
{
    struct Shared
    {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<T> result;
        bool finished = false;
    };
    auto shared = std::make_shared<Shared>();
    detail::start([shared, work = std::move(work)] {
        std::optional<T> result;
        try {
            result = work();
        } catch (...) {
        }
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->finished = true;
        shared->done.notify_all();
    });
    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, limit, [&shared] { return shared->finished; }))
        return std::nullopt;
    return std::move(shared->result);
}

// Pieces started and not yet finished, in the whole process.
int unfinished();
// Waits until every piece has finished or limit has passed; true when none is left.
bool waitForUnfinished(std::chrono::milliseconds limit);

} // namespace BackgroundWork
