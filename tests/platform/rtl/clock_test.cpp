#include "platform/rtl/clock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <thread>
#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"

namespace {

const TDateTime ShopOpens = EncodeDate(2026, 12, 10) + EncodeTime(9, 0, 0, 0);

TEST(Clock, FrozenClockStandsStillUntilAdvanced) {
    FrozenClockScope frozen(ShopOpens);
    EXPECT_TRUE(IsClockFrozen());
    EXPECT_EQ(Now(), ShopOpens);
    EXPECT_EQ(Date(), EncodeDate(2026, 12, 10));
    EXPECT_DOUBLE_EQ(Time(), EncodeTime(9, 0, 0, 0));
    EXPECT_EQ(CurrentYear(), 2026);
    const Cardinal ticks = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(GetTickCount(), ticks);
    EXPECT_EQ(Now(), ShopOpens);

    AdvanceClock(1500);
    EXPECT_EQ(GetTickCount(), ticks + 1500);
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", Now()), "09:00:01.500");
}

TEST(Clock, SleepAdvancesAFrozenClockAtOnce) {
    FrozenClockScope frozen(ShopOpens);
    const Cardinal ticks = GetTickCount();
    Sleep(3 * 60 * 60 * 1000);
    EXPECT_EQ(GetTickCount(), ticks + 3 * 60 * 60 * 1000);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Now()), "2026-12-10 12:00");
    Sleep(0);
    EXPECT_EQ(GetTickCount(), ticks + 3 * 60 * 60 * 1000);
}

TEST(Clock, AdvancingCrossesMidnightAndTheEpoch) {
    {
        FrozenClockScope frozen(EncodeDate(2024, 2, 28) + EncodeTime(23, 59, 59, 500));
        AdvanceClock(1000);
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Now()), "2024-02-29 00:00:00.500");
    }
    {
        // Before 1899-12-30 the time of day still runs forward.
        FrozenClockScope frozen(-1.25);
        AdvanceClock(60 * 60 * 1000);
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Now()), "1899-12-29 07:00");
        AdvanceClock(18 * 60 * 60 * 1000);
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Now()), "1899-12-30 01:00");
    }
}

TEST(Clock, ListenersHearEachAdvance) {
    FrozenClockScope frozen(ShopOpens);
    std::vector<Cardinal> heard;
    const int handle = AddClockListener([&heard] { heard.push_back(GetTickCount()); });
    const Cardinal start = GetTickCount();
    AdvanceClock(10);
    Sleep(20);
    RemoveClockListener(handle);
    AdvanceClock(30);
    EXPECT_EQ(heard, (std::vector<Cardinal>{start + 10, start + 30}));
}

TEST(Clock, ConcurrentSleepsAllCount) {
    FrozenClockScope frozen(ShopOpens);
    const Cardinal start = GetTickCount();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 1000; ++i) Sleep(1);
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(GetTickCount(), start + 4000);
}

TEST(Clock, RunningClockFollowsTheSystemAndTicksNeverRunBack) {
    ASSERT_FALSE(IsClockFrozen());
    EXPECT_THROW(AdvanceClock(1), EInvalidOperation);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_NEAR(Now(), EncodeDate(Word(local.tm_year + 1900), Word(local.tm_mon + 1), Word(local.tm_mday)) +
                           EncodeTime(Word(local.tm_hour), Word(local.tm_min), Word(local.tm_sec), 0),
                5.0 / SecsPerDay);

    Cardinal frozenTicks;
    {
        FrozenClockScope frozen(ShopOpens);
        AdvanceClock(10 * 60 * 1000);
        frozenTicks = GetTickCount();
    }
    EXPECT_FALSE(IsClockFrozen());
    EXPECT_GE(GetTickCount(), frozenTicks);
    const Cardinal before = GetTickCount();
    Sleep(15);
    EXPECT_GE(GetTickCount() - before, 15u);
}

}  // namespace
