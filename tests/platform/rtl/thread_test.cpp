#include "platform/rtl/thread.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/syncobjs.h"

namespace {

// Runs `body` as its Execute.
class LambdaThread : public TThread {
public:
    explicit LambdaThread(std::function<void(LambdaThread&)> body, bool createSuspended = true,
                          std::atomic<bool>* destroyed = nullptr)
        : TThread(createSuspended), body_(std::move(body)), destroyed_(destroyed) {}
    ~LambdaThread() override {
        Terminate();
        if (!Suspended() && !FreeOnTerminate()) WaitFor();
        if (destroyed_) *destroyed_ = true;
    }
    using TThread::SetReturnValue;
    using TThread::Synchronize;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(LambdaThread&)> body_;
    std::atomic<bool>* destroyed_;
};

TEST(Thread, SynchronizeAndOnTerminateRunOnTheMainThreadThroughCheckSynchronize) {
    std::vector<Cardinal> synchronizedOn;
    LambdaThread thread([&](LambdaThread& self) {
        self.Synchronize([&] { synchronizedOn.push_back(GetCurrentThreadId()); });
        self.SetReturnValue(7);
    });
    Cardinal terminatedOn = 0;
    TObject* sender = nullptr;
    thread.SetOnTerminate([&](TObject* s) {
        terminatedOn = GetCurrentThreadId();
        sender = s;
    });
    std::atomic<int> wakes{0};
    SetWakeMainThread([&] { ++wakes; });

    EXPECT_TRUE(thread.Suspended());
    thread.Start();
    EXPECT_FALSE(thread.Suspended());
    EXPECT_THROW(thread.Start(), EThread);
    while (!thread.Finished()) CheckSynchronize(50);
    SetWakeMainThread(nullptr);

    EXPECT_EQ(thread.WaitFor(), 7);
    EXPECT_EQ(synchronizedOn, std::vector<Cardinal>{MainThreadID});
    EXPECT_EQ(terminatedOn, MainThreadID);
    EXPECT_EQ(sender, &thread);
    EXPECT_EQ(wakes, 2);
    EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, WaitForOnTheMainThreadServesSynchronize) {
    int calls = 0;
    LambdaThread thread([&](LambdaThread& self) {
        for (int i = 0; i < 3; ++i) self.Synchronize([&] { ++calls; });
    });
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(calls, 3);
}

TEST(Thread, ExceptionsReachTheThreadThatCausedThem) {
    bool caughtInThread = false;
    bool terminated = false;
    LambdaThread thread([&](LambdaThread& self) {
        try {
            self.Synchronize([] { throw EConvertError("on the main thread"); });
        } catch (const EConvertError&) {
            caughtInThread = true;
        }
        throw std::runtime_error("in Execute");
    });
    thread.SetOnTerminate([&](TObject*) { terminated = true; });
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(caughtInThread);
    EXPECT_TRUE(terminated);
    ASSERT_TRUE(thread.FatalException());
    EXPECT_THROW(std::rethrow_exception(thread.FatalException()), std::runtime_error);
}

TEST(Thread, SynchronizeOnTheMainThreadRunsAtOnce) {
    bool ran = false;
    TThread::Synchronize(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, FreeOnTerminateDeletesTheThreadAfterOnTerminate) {
    std::atomic<bool> destroyed{false};
    bool terminated = false;
    auto* thread = new LambdaThread([](LambdaThread&) {}, true, &destroyed);
    thread->SetFreeOnTerminate(true);
    thread->SetPriority(tpHigher);
    thread->SetOnTerminate([&](TObject*) { terminated = true; });
    thread->Start();
    for (int i = 0; i < 500 && !destroyed; ++i) CheckSynchronize(10);
    EXPECT_TRUE(terminated);
    EXPECT_TRUE(destroyed);
}

TEST(Thread, DestroyingARunningThreadTerminatesAndWaits) {
    std::atomic<bool> sawTerminated{false};
    {
        LambdaThread thread(
            [&](LambdaThread& self) {
                while (!self.Terminated()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                sawTerminated = true;
            },
            false);
        thread.AfterConstruction();
        EXPECT_FALSE(thread.Suspended());
    }
    EXPECT_TRUE(sawTerminated);
}

TEST(Thread, MisuseRaisesEThread) {
    LambdaThread never([](LambdaThread&) {});
    EXPECT_THROW(never.WaitFor(), EThread);
    bool raised = false;
    std::thread other([&] {
        try {
            CheckSynchronize();
        } catch (const EThread&) {
            raised = true;
        }
    });
    other.join();
    EXPECT_TRUE(raised);
}

TEST(CriticalSection, IsReentrantAndExcludesOtherThreads) {
    TCriticalSection section;
    section.Enter();
    section.Acquire();
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = section.TryEnter(); }).join();
    EXPECT_FALSE(otherGotIt);
    section.Release();
    section.Leave();
    std::thread([&] {
        otherGotIt = section.TryEnter();
        if (otherGotIt) section.Leave();
    }).join();
    EXPECT_TRUE(otherGotIt);
}

TEST(CriticalSection, AScopeHoldsItUntilItEndsEvenByAnException) {
    TCriticalSection section;
    auto otherCanEnter = [&] {
        bool entered = false;
        std::thread([&] {
            entered = section.TryEnter();
            if (entered) section.Leave();
        }).join();
        return entered;
    };
    try {
        CriticalSectionScope scope(section);
        EXPECT_FALSE(otherCanEnter());
        throw Exception("leaving");
    } catch (const Exception&) {
    }
    EXPECT_TRUE(otherCanEnter());
}

}  // namespace

TEST(Thread, StartingAThreadMarksTheProgramMultiThreaded) {
    LambdaThread created([](LambdaThread&) {});
    created.Start();
    created.WaitFor();
    EXPECT_TRUE(IsMultiThread);
}
