// Threads over std::thread, and the one queue of calls waiting for the main
// thread.
#include "platform/rtl/thread.h"

#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/rtl/exceptions.h"

Cardinal GetCurrentThreadId() { return Cardinal(::gettid()); }

// Static initialisation runs on the thread that starts the program.
const Cardinal MainThreadID = GetCurrentThreadId();

namespace {

bool OnMainThread() { return GetCurrentThreadId() == MainThreadID; }

struct SyncRequest {
    const TThreadMethod* method;
    std::exception_ptr error;
    bool done = false;
};

class SyncQueue {
public:
    // Queues `method`, wakes the main loop and waits until it has run.
    void RunOnMainThread(const TThreadMethod& method) {
        SyncRequest request{&method, nullptr, false};
        std::function<void()> hook;
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(&request);
            hook = hook_;
        }
        changed_.notify_all();
        if (hook) hook();
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return request.done; });
        if (request.error) std::rethrow_exception(request.error);
    }

    bool RunQueued(int timeoutMs) {
        std::unique_lock lock(mutex_);
        if (requests_.empty() && timeoutMs > 0)
            changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return !requests_.empty(); });
        return RunBatch(lock);
    }

    // Runs queued calls as they come until `finished` answers true. The
    // predicate is tested under the queue's lock, and Changed() takes that
    // lock, so a change made before Changed() is never missed.
    void ServeUntil(const std::function<bool()>& finished) {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return !requests_.empty() || finished(); });
            if (!RunBatch(lock)) return;
        }
    }

    void Changed() {
        { std::lock_guard lock(mutex_); }
        changed_.notify_all();
    }

    void SetHook(std::function<void()> hook) {
        std::lock_guard lock(mutex_);
        hook_ = std::move(hook);
    }

private:
    // Runs what is queued with the lock released; true when anything ran.
    bool RunBatch(std::unique_lock<std::mutex>& lock) {
        std::deque<SyncRequest*> batch;
        batch.swap(requests_);
        if (batch.empty()) return false;
        lock.unlock();
        for (SyncRequest* request : batch) {
            std::exception_ptr error;
            try {
                (*request->method)();
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard relock(mutex_);
            request->error = error;
            request->done = true;
        }
        done_.notify_all();
        lock.lock();
        return true;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::condition_variable done_;
    std::deque<SyncRequest*> requests_;
    std::function<void()> hook_;
};

SyncQueue& Queue() {
    static SyncQueue queue;
    return queue;
}

}  // namespace

struct TThread::State {
    std::thread thread;
    mutable std::mutex mutex;
    std::condition_variable finishedChanged;
    bool createSuspended;
    bool started = false;
    bool finished = false;
    std::atomic<bool> terminated{false};
    std::atomic<bool> freeOnTerminate{false};
    std::atomic<Integer> returnValue{0};
    TNotifyEvent onTerminate;
    TThreadPriority priority = tpNormal;
    std::exception_ptr fatal;

    bool OnOwnThread() const { return std::this_thread::get_id() == thread.get_id(); }
};

TThread::TThread(bool createSuspended) : state_(std::make_unique<State>()) {
    state_->createSuspended = createSuspended;
}

TThread::~TThread() {
    if (!state_->thread.joinable()) return;
    if (state_->OnOwnThread()) {
        state_->thread.detach();
        return;
    }
    Terminate();
    WaitFor();
}

bool IsMultiThread = false;

void TThread::AfterConstruction() {
    if (!state_->createSuspended) Start();
}

void TThread::Start() {
    // The lock is held until the thread object is stored, and Run takes it
    // first, so a thread that frees itself cannot do so before this ends.
    std::lock_guard lock(state_->mutex);
    if (state_->started) throw EThread("Cannot call Start on a running or suspended thread");
    state_->started = true;
    IsMultiThread = true;
    state_->thread = std::thread([this] { Run(); });
}

void TThread::Resume() {
    if (Suspended()) Start();
}

bool TThread::Suspended() const {
    std::lock_guard lock(state_->mutex);
    return !state_->started;
}

void TThread::Terminate() { state_->terminated = true; }

bool TThread::Terminated() const { return state_->terminated; }

bool TThread::Finished() const {
    std::lock_guard lock(state_->mutex);
    return state_->finished;
}

Integer TThread::WaitFor() {
    if (Suspended()) throw EThread("Cannot wait for a thread that was never started");
    if (state_->OnOwnThread()) throw EThread("A thread cannot wait for itself");
    if (OnMainThread()) {
        Queue().ServeUntil([this] { return Finished(); });
    } else {
        std::unique_lock lock(state_->mutex);
        state_->finishedChanged.wait(lock, [this] { return state_->finished; });
    }
    if (state_->thread.joinable()) state_->thread.join();
    return ReturnValue();
}

bool TThread::FreeOnTerminate() const { return state_->freeOnTerminate; }

void TThread::SetFreeOnTerminate(bool value) { state_->freeOnTerminate = value; }

const TNotifyEvent& TThread::OnTerminate() const { return state_->onTerminate; }

void TThread::SetOnTerminate(TNotifyEvent handler) { state_->onTerminate = std::move(handler); }

TThreadPriority TThread::Priority() const { return state_->priority; }

void TThread::SetPriority(TThreadPriority value) { state_->priority = value; }

Integer TThread::ReturnValue() const { return state_->returnValue; }

void TThread::SetReturnValue(Integer value) { state_->returnValue = value; }

std::exception_ptr TThread::FatalException() const {
    std::lock_guard lock(state_->mutex);
    return state_->fatal;
}

void TThread::DoTerminate() {
    if (state_->onTerminate) Synchronize([this] { state_->onTerminate(this); });
}

void TThread::Run() {
    { std::lock_guard lock(state_->mutex); }
    std::exception_ptr fatal;
    try {
        Execute();
    } catch (...) {
        fatal = std::current_exception();
    }
    const bool freeThread = state_->freeOnTerminate;
    try {
        DoTerminate();
    } catch (...) {
        if (!fatal) fatal = std::current_exception();
    }
    {
        std::lock_guard lock(state_->mutex);
        state_->fatal = fatal;
        state_->finished = true;
        state_->finishedChanged.notify_all();
    }
    // From here on a waiter may delete the object; its destructor joins this
    // thread, so `this` stays valid until Run returns, but nothing below may
    // need it.
    Queue().Changed();
    if (freeThread) delete this;
}

void TThread::Synchronize(TThread*, const TThreadMethod& method) {
    if (OnMainThread())
        method();
    else
        Queue().RunOnMainThread(method);
}

bool CheckSynchronize(int timeoutMs) {
    if (!OnMainThread()) throw EThread("CheckSynchronize called from a thread that is not the main thread");
    return Queue().RunQueued(timeoutMs);
}

void SetWakeMainThread(std::function<void()> hook) { Queue().SetHook(std::move(hook)); }
