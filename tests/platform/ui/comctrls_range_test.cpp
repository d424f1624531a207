// Progress bars, track bars and up-down controls on a form: what the
// progress bar fills, the track bar's thumb dragged and its painting left to
// a custom-draw answer, and the up-down's presses stepping its buddy.
#include "platform/ui/comctrls_range.h"
#include "platform/ui/comctrls_updown.h"
#include "platform/ui/graphic.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/commctrl.h"
#include "tests/platform/ui/control_fixture.h"

using RangeControlTest = FormControlTest;

namespace {

// The window's own painting of itself, read at (x, y).
COLORREF Painted(TWinControl* control, int x, int y) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(control->Width(), control->Height());
    SendMessage(control->Handle(), WM_PRINTCLIENT, WPARAM(bitmap.Canvas()->Handle()), PRF_CLIENT);
    return GetPixel(bitmap.Canvas()->Handle(), x, y);
}

}  // namespace

TEST_F(RangeControlTest, AProgressBarFillsItsShareOfTheRangeFromTheLowEnd) {
    const COLORREF fill = GetSysColor(COLOR_HIGHLIGHT), face = GetSysColor(COLOR_BTNFACE);
    TProgressBar* bar = Place<TProgressBar>(form, 10, 10, 202, 20);
    bar->SetSmooth(true);
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(100);
    EXPECT_EQ(Painted(bar, 60, 10), fill);
    EXPECT_EQ(Painted(bar, 140, 10), face);
    // Past the high end a step starts over from the low end.
    bar->SetStep(70);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 70);
    // A range that is empty or upside down fills nothing.
    bar->SetMax(50);
    EXPECT_EQ(Painted(bar, 3, 10), face);

    SetWindowLong(bar->Handle(), GWL_STYLE, GetWindowLong(bar->Handle(), GWL_STYLE) | PBS_VERTICAL);
    bar->SetBounds(10, 10, 20, 102);
    bar->SetMax(150);
    bar->SetPosition(100);
    EXPECT_EQ(Painted(bar, 10, 90), fill) << "a vertical bar fills from the bottom";
    EXPECT_EQ(Painted(bar, 10, 10), face);
}

TEST_F(RangeControlTest, ATrackBarsThumbFollowsTheMouseAndTheKeysWithOnChange) {
    TTrackBar* track = Place<TTrackBar>(form, 10, 10, 200, 40);
    track->SetMax(100);
    int changes = 0;
    track->SetOnChange([&](TObject*) { ++changes; });
    RECT thumb, channel;
    SendMessage(track->Handle(), TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
    SendMessage(track->Handle(), TBM_GETCHANNELRECT, 0, LPARAM(&channel));
    const POINT grab{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    const int middle = (channel.left + channel.right) / 2;
    SimulateMouseButton(track->Handle(), grab, VK_LBUTTON, true);
    SimulateMouseMove(track->Handle(), POINT{middle, grab.y});
    SimulateMouseButton(track->Handle(), POINT{middle, grab.y}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(track->Position(), 50);
    EXPECT_GT(changes, 0);
    Key(VK_END);
    EXPECT_EQ(track->Position(), 100);
    Key(VK_PRIOR);
    EXPECT_EQ(track->Position(), 98) << "a page is PageSize";

    // Turned, the bar answers its channel as measured along a horizontal one.
    track->SetOrientation(trVertical);
    RECT turned;
    SendMessage(track->Handle(), TBM_GETCHANNELRECT, 0, LPARAM(&turned));
    EXPECT_EQ(turned.right - turned.left, track->Height() - (channel.left * 2));
    SendMessage(track->Handle(), TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
    EXPECT_GT(thumb.bottom - thumb.top, 0);
    EXPECT_LT(thumb.right, track->Width());
}

TEST_F(RangeControlTest, ATrackBarLeavesToTheCustomDrawAnswerWhatItPaints) {
    TTrackBar* track = Place<TTrackBar>(form, 10, 10, 200, 40);
    track->SetMax(100);
    track->SetPosition(50);
    RECT thumb;
    SendMessage(track->Handle(), TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
    const POINT inside{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Painted(track, inside.x, inside.y), face);

    std::vector<DWORD> stages;
    const TWndMethod own = track->WindowProc();
    track->SetWindowProc([&](TMessage& m) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        if (m.Msg != CN_NOTIFY || header->code != NM_CUSTOMDRAW) return own(m);
        const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam);
        stages.push_back(draw.dwDrawStage == CDDS_ITEMPREPAINT ? DWORD(draw.dwItemSpec) << 8 : draw.dwDrawStage);
        if (draw.dwDrawStage == CDDS_PREPAINT) {
            m.Result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.dwItemSpec == TBCD_THUMB) {
            FillRect(draw.hdc, &draw.rc, HBRUSH(GetStockObject(BLACK_BRUSH)));
            m.Result = CDRF_SKIPDEFAULT;
        }
    });
    EXPECT_EQ(Painted(track, inside.x, inside.y), RGB(0, 0, 0));
    EXPECT_EQ(stages, (std::vector<DWORD>{CDDS_PREPAINT, TBCD_TICS << 8, TBCD_CHANNEL << 8, TBCD_THUMB << 8}));
    track->SetWindowProc(own);
}

TEST_F(RangeControlTest, UpDownPressesStepTheBuddyByTheIncrementUnlessRefused) {
    TEdit* edit = Place<TEdit>(form, 10, 10, 80, 21);
    TUpDown* updown = Place<TUpDown>(form, 0, 0, 17, 21);
    updown->SetMax(10);
    updown->SetIncrement(3);
    updown->SetAssociate(edit);
    EXPECT_EQ(updown->Left(), edit->Left() + edit->Width());
    std::vector<TUDBtnType> clicks;
    updown->SetOnClick([&](TObject*, TUDBtnType button) { clicks.push_back(button); });
    bool allow = true;
    updown->SetOnChanging([&](TObject*, bool& allowChange) { allowChange = allow; });
    auto press = [&](POINT at) {
        SimulateClick(updown->Handle(), at);
        ProcessMessages();
    };
    press({8, 3});
    press({8, 3});
    EXPECT_EQ(updown->Position(), 6);
    EXPECT_EQ(edit->Text(), AnsiString("6"));
    press({8, 17});
    EXPECT_EQ(updown->Position(), 3);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btPrev}));
    allow = false;
    press({8, 3});
    EXPECT_EQ(updown->Position(), 3);
    allow = true;
    press({8, 3});
    press({8, 3});
    press({8, 3});
    EXPECT_EQ(updown->Position(), 10) << "kept within the range";

    updown->SetOrientation(udHorizontal);
    updown->SetBounds(updown->Left(), updown->Top(), 30, 17);
    press({25, 8});
    press({4, 8});
    EXPECT_EQ(updown->Position(), 7) << "the right half increases, the left one decreases";
}
