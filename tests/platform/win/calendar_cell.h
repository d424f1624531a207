// Finds where a month calendar shows a day, through its own hit test.
#pragma once

#include "platform/win/commctrl.h"

// The first point (in client coordinates) whose hit-test code is `wanted`
// and whose date has day `day`; (-1, -1) when there is none.
inline POINT CalendarCellOf(HWND calendar, WORD day, UINT wanted = MCHT_CALENDARDATE) {
    RECT client;
    GetClientRect(calendar, &client);
    for (int y = 0; y < client.bottom; y += 3)
        for (int x = 0; x < client.right; x += 3) {
            MCHITTESTINFO info;
            info.pt = {x, y};
            if (UINT(SendMessage(calendar, MCM_HITTEST, 0, LPARAM(&info))) == wanted && info.st.wDay == day)
                return {x, y};
        }
    return {-1, -1};
}
