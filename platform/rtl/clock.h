// The clock behind Now, Date, Time, Sleep, GetTickCount and the window
// timers. It follows the system clock (local time) and a monotonic
// millisecond tick, until a test freezes it: a frozen clock stands still at
// the moment the test chose and moves only when the test advances it or
// someone calls Sleep. Every function is thread-safe.
#pragma once

#include <functional>

#include "platform/rtl/types.h"

// Milliseconds since an arbitrary start, wrapping at 2^32, as the platform's
// tick counter. Never runs backwards, not even when a frozen clock is released.
Cardinal GetTickCount();

// Waits `milliseconds` on a running clock; on a frozen clock it advances the
// clock by that much instead and returns at once. Sleep(0) yields.
void Sleep(Cardinal milliseconds);

// The current local date and time as the clock sees it (Now reads it).
TDateTime ClockNow();

// Stops the clock at `moment`; the tick count stands still at its present
// value. Freezing a frozen clock moves it to `moment`.
void FreezeClock(TDateTime moment);

// Moves a frozen clock on by `milliseconds` (date, time and ticks alike) and
// then tells the listeners. EInvalidOperation when the clock is not frozen.
void AdvanceClock(Cardinal milliseconds);

// Lets the clock follow the system clock again.
void ReleaseClock();

bool IsClockFrozen();

// Listeners learn that a frozen clock has advanced (through AdvanceClock or
// Sleep). They run on the advancing thread, in registration order, after the
// clock has moved and without any lock held, so they may read the clock.
using TClockListener = std::function<void()>;
int AddClockListener(TClockListener listener);  // the handle for removal
void RemoveClockListener(int handle);

// Freezes the clock for the life of a scope (a test) and releases it after.
class FrozenClockScope {
public:
    explicit FrozenClockScope(TDateTime moment) { FreezeClock(moment); }
    ~FrozenClockScope() { ReleaseClock(); }
    FrozenClockScope(const FrozenClockScope&) = delete;
    FrozenClockScope& operator=(const FrozenClockScope&) = delete;
};
