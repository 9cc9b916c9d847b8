#include "core/BackgroundWork.h"

#include <QCoreApplication>

#include <deque>
#include <thread>

#ifdef Q_OS_UNIX
#include <pthread.h>
#endif

namespace {

// Lives until the process ends, never destroyed: a detached thread may still finish after static
// destruction has begun.
struct Registry
{
    std::mutex mutex;
    std::condition_variable changed; // a piece finished
    std::condition_variable work; // a piece waits for an idle thread
    std::deque<std::function<void()>> queue;
    int idle = 0; // threads waiting for a piece
    int unfinished = 0;
    bool exitWaitInstalled = false;
};

Registry &registry();

#ifdef Q_OS_UNIX
// A process forked from this one has none of its threads: it starts with an empty registry. The lock is
// held across the fork, so that the child's copy is never taken half-way.
void lockForFork()
{
    registry().mutex.lock();
}

void unlockInParent()
{
    registry().mutex.unlock();
}

void resetInChild()
{
    Registry &state = registry();
    state.queue.clear();
    state.idle = 0;
    state.unfinished = 0;
    state.mutex.unlock();
}
#endif

Registry &registry()
{
    static auto *const instance = [] {
        auto *created = new Registry;
#ifdef Q_OS_UNIX
        pthread_atfork(lockForFork, unlockInParent, resetInChild);
#endif
        return created;
    }();
    return *instance;
}

// Pieces nearly done at exit (a picture being decoded) finish before the libraries they use are
// unloaded; a piece stuck on the file system is not waited for longer than this.
constexpr std::chrono::milliseconds ExitWait {2000};
// A thread without work for this long ends.
constexpr std::chrono::seconds IdleTime {10};

void waitAtExit()
{
    BackgroundWork::waitForUnfinished(ExitWait);
}

// A thread takes pieces one after the other and ends once none has come for a while. A piece that never
// returns keeps its thread, and the next piece gets another one.
void runPieces()
{
    Registry &state = registry();
    std::unique_lock lock(state.mutex);
    while (true) {
        ++state.idle;
        const bool given = state.work.wait_for(lock, IdleTime, [&state] { return !state.queue.empty(); });
        --state.idle;
        if (!given)
            return;
        std::function<void()> piece = std::move(state.queue.front());
        state.queue.pop_front();
        lock.unlock();
        piece();
        piece = nullptr;
        lock.lock();
        --state.unfinished;
        state.changed.notify_all();
    }
}

} // namespace

namespace BackgroundWork {

void detail::start(std::function<void()> work)
{
    Registry &state = registry();
    const std::lock_guard lock(state.mutex);
    ++state.unfinished;
    if (!state.exitWaitInstalled) {
        state.exitWaitInstalled = true;
        qAddPostRoutine(waitAtExit);
    }
    state.queue.push_back(std::move(work));
    // Every piece waiting has an idle thread to take it, or gets a new one.
    if (state.idle >= int(state.queue.size()))
        state.work.notify_one();
    else
        std::thread(runPieces).detach();
}

int unfinished()
{
    Registry &state = registry();
    const std::lock_guard lock(state.mutex);
    return state.unfinished;
}

bool waitForUnfinished(std::chrono::milliseconds limit)
{
    Registry &state = registry();
    std::unique_lock lock(state.mutex);
    return state.changed.wait_for(lock, limit, [&state] { return state.unfinished == 0; });
}

} // namespace BackgroundWork
