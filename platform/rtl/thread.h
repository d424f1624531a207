// TThread: a worker thread with the platform's life cycle, and the
// main-thread queue behind Synchronize.
//
// Synchronize hands a call to the main thread and waits for it: the call is
// queued, the wake-up hook tells the UI layer that work is waiting, and the
// main loop runs it from CheckSynchronize. An exception the call raises on
// the main thread is raised again in the thread that asked. OnTerminate runs
// on the main thread the same way, after Execute has returned.
//
// Destroying a thread object that still runs terminates it and waits for it;
// since a class's own members are gone by the time this base destructor
// runs, a class whose Execute uses them terminates and waits in its own
// destructor (or lets the thread free itself with FreeOnTerminate).
#pragma once

#include <exception>
#include <functional>
#include <memory>

#include "platform/rtl/events.h"
#include "platform/rtl/object.h"
#include "platform/rtl/types.h"

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

using TThreadMethod = std::function<void()>;

// Set once the program's first TThread starts; never cleared.
extern bool IsMultiThread;

class TThread : public TObject {
public:
    // A thread created suspended starts with Start (or Resume). One created
    // running starts in AfterConstruction, which its creator calls once the
    // object is fully built: C++ gives a base class no hook after the most
    // derived constructor, and starting earlier would run Execute on a
    // half-built object.
    explicit TThread(bool createSuspended);
    ~TThread() override;
    void AfterConstruction();

    // EThread when the thread has already been started.
    void Start();
    // Starts a suspended thread; does nothing to one already started.
    void Resume();
    bool Suspended() const;

    // Asks Execute to end; Execute reads Terminated() and returns.
    void Terminate();
    bool Terminated() const;
    bool Finished() const;

    // Waits until the thread has ended (OnTerminate included) and answers
    // ReturnValue. On the main thread it keeps running CheckSynchronize, so
    // a thread waiting in Synchronize cannot deadlock it. EThread for a
    // thread never started or one waiting for itself; not for threads that
    // free themselves.
    Integer WaitFor();

    // When set, the object deletes itself once OnTerminate has run.
    bool FreeOnTerminate() const;
    void SetFreeOnTerminate(bool value);

    // Run on the main thread after Execute, with the thread as Sender.
    const TNotifyEvent& OnTerminate() const;
    void SetOnTerminate(TNotifyEvent handler);

    // Kept for the callers that set it; threads run at the normal priority,
    // as raising one needs privileges an ordinary user does not have.
    TThreadPriority Priority() const;
    void SetPriority(TThreadPriority value);

    Integer ReturnValue() const;
    // What Execute raised, if anything; the thread ends quietly otherwise.
    std::exception_ptr FatalException() const;

    // Runs `method` on the main thread and waits for it (at once when called
    // on the main thread).
    static void Synchronize(TThread* thread, const TThreadMethod& method);

protected:
    virtual void Execute() = 0;
    // Calls OnTerminate through Synchronize.
    virtual void DoTerminate();
    void SetReturnValue(Integer value);
    void Synchronize(const TThreadMethod& method) { Synchronize(this, method); }

private:
    struct State;
    void Run();

    std::unique_ptr<State> state_;
};

// Runs the calls that threads have queued through Synchronize, waiting up to
// `timeoutMs` for one when none is queued. True when it ran any. The main
// loop calls it; on another thread it raises EThread.
bool CheckSynchronize(int timeoutMs = 0);

// The hook the UI layer sets to wake its event loop when a call has been
// queued; it runs on the queueing thread. An empty hook removes it.
void SetWakeMainThread(std::function<void()> hook);

// The id of the calling thread, and of the main thread (the one that started
// the program).
Cardinal GetCurrentThreadId();
extern const Cardinal MainThreadID;
