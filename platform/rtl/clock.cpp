#include "platform/rtl/clock.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"

namespace {

struct ClockState {
    std::mutex mutex;
    bool frozen = false;
    Int64 frozenMoment = 0;  // time-stamp milliseconds of the frozen moment
    Int64 frozenTicks = 0;
    // Added to the monotonic clock so that ticks carry on from a frozen
    // clock's count after release instead of running backwards.
    Int64 tickOffset = 0;
    int nextHandle = 1;
    std::vector<std::pair<int, TClockListener>> listeners;
};

ClockState& State() {
    static ClockState state;
    return state;
}

Int64 MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Int64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

Int64 RunningTicks(const ClockState& state) { return MonotonicMilliseconds() + state.tickOffset; }

TDateTime SystemNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    // A leap second reads as the last second of its minute.
    const Word second = Word(std::min(local.tm_sec, 59));
    const TDateTime date = EncodeDate(Word(local.tm_year + 1900), Word(local.tm_mon + 1), Word(local.tm_mday));
    return date + EncodeTime(Word(local.tm_hour), Word(local.tm_min), second, Word(now.tv_nsec / 1000000));
}

// Moves a frozen clock on and tells the listeners; false when it runs.
bool AdvanceFrozen(Cardinal milliseconds) {
    ClockState& state = State();
    std::vector<TClockListener> listeners;
    {
        std::lock_guard lock(state.mutex);
        if (!state.frozen) return false;
        state.frozenMoment += milliseconds;
        state.frozenTicks += milliseconds;
        for (const auto& entry : state.listeners) listeners.push_back(entry.second);
    }
    for (const TClockListener& listener : listeners) listener();
    return true;
}

}  // namespace

Cardinal GetTickCount() {
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    return Cardinal(state.frozen ? state.frozenTicks : RunningTicks(state));
}

void Sleep(Cardinal milliseconds) {
    if (AdvanceFrozen(milliseconds)) return;
    if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

TDateTime ClockNow() {
    ClockState& state = State();
    {
        std::lock_guard lock(state.mutex);
        if (state.frozen) return TimeStampToDateTime(MSecsToTimeStamp(state.frozenMoment));
    }
    return SystemNow();
}

void FreezeClock(TDateTime moment) {
    const Int64 frozenMoment = TimeStampToMSecs(DateTimeToTimeStamp(moment));
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    if (!state.frozen) state.frozenTicks = RunningTicks(state);
    state.frozen = true;
    state.frozenMoment = frozenMoment;
}

void AdvanceClock(Cardinal milliseconds) {
    if (!AdvanceFrozen(milliseconds)) throw EInvalidOperation("The clock is not frozen");
}

void ReleaseClock() {
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    if (!state.frozen) return;
    state.frozen = false;
    state.tickOffset += std::max<Int64>(0, state.frozenTicks - RunningTicks(state));
}

bool IsClockFrozen() {
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    return state.frozen;
}

int AddClockListener(TClockListener listener) {
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    const int handle = state.nextHandle++;
    state.listeners.emplace_back(handle, std::move(listener));
    return handle;
}

void RemoveClockListener(int handle) {
    ClockState& state = State();
    std::lock_guard lock(state.mutex);
    std::erase_if(state.listeners, [handle](const auto& entry) { return entry.first == handle; });
}
