// Scroll-bar, edit, combo-box, date, spin, track-bar, progress, tab and
// header painters against a fixture skin whose element frames are flat
// colours: which frame lands where, what the mapping chooses, and what the
// painters do with presses.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/comctrls_range.h"
#include "platform/ui/comctrls_updown.h"
#include "platform/ui/grids.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "platform/win/commctrl.h"
#include "skin/WinSubClassBoxes.h"
#include "skin/WinSubClassEdit.h"
#include "skin/WinSubClassRange.h"
#include "skin/WinSubClassScroll.h"
#include "skin/WinSubClassTabs.h"
#include "tests/skin/skinwindow_fixture.h"

namespace {

COLORREF Shade(int kind, int frame) { return RGB(40 * kind, 10 + 10 * frame, 200 - 7 * frame); }

// Count cells of Width x Height, cell i (from 1) the flat colour Shade(kind, i).
TSkinMember Cells(const char* name, int kind, int count, int width, int height) {
    TArtImage image(count * width, height, 0);
    for (int i = 0; i < count; ++i) image.Fill(TRect{width * i, 0, width * i + width, height}, Shade(kind, i + 1));
    return {name, WriteBmp24(image)};
}

enum Kind { kArrows = 1, kTrack, kThumb, kCombo, kSpin, kProgress, kChunk, kTabs, kPane, kHeader = 10 };

// The tab cells with their outer edge (the top row) marked, to see where a
// turned strip puts it.
constexpr COLORREF kTabEdge = RGB(9, 9, 99);
TSkinMember MarkedTabs() {
    TArtImage image(5 * 30, 21, 0);
    for (int i = 0; i < 5; ++i) image.Fill(TRect{30 * i, 0, 30 * i + 30, 21}, Shade(kTabs, i + 1));
    image.Fill(TRect{0, 0, 5 * 30, 2}, kTabEdge);
    return {"tabs.bmp", WriteBmp24(image)};
}

const char* const kControls = R"(
[Scrollbar]
Image=arrows.bmp
[VertScroll]
Image=vtrack.bmp
[HorzScroll]
Image=htrack.bmp
[VertScrollThumb]
Image=vthumb.bmp
[HorzScrollThumb]
Image=hthumb.bmp
[ComboButton]
Image=combo.bmp
[UpDown.Vert]
Image=spin.bmp
[Progress]
Bitmap=progress.bmp
Style=%d
[Progress.Chunk]
Image=chunk.bmp
Tile=1
[Tabs]
Image=tabs.bmp
Style=1
[Tab.Pane]
Image=pane.bmp
[Headerbar]
Image=header.bmp
)";

// What the stand-in range controls answer.
struct TStandIn {
    int low = 0, high = 100, position = 0;
    RECT thumb{10, 2, 20, 18};
} standIn;

LRESULT StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_GETRANGE:
        if (lParam) *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{standIn.low, standIn.high};
        return wParam ? standIn.low : standIn.high;
    case PBM_GETPOS:
        return standIn.position;
    case TBM_GETTHUMBRECT:
        *reinterpret_cast<RECT*>(lParam) = standIn.thumb;
        return 0;
    case TBM_GETCHANNELRECT:
        *reinterpret_cast<RECT*>(lParam) = RECT{4, 8, 96, 12};
        return 0;
    default:
        return DefWindowProc(window, message, wParam, lParam);
    }
}

const ATOM standInClass = [] {
    WNDCLASS wc;
    wc.lpfnWndProc = &StandInProc;
    wc.lpszClassName = "SkinStandIn";
    return RegisterClass(&wc);
}();

class SkinControlTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        LoadWith(0);
    }
    void LoadWith(int progressStyle, bool markedTabs = false) {
        char extra[2048];
        std::snprintf(extra, sizeof extra, kControls, progressStyle);
        const std::string description = std::string(kDescription) + extra;
        const std::vector<TSkinMember> members = {
            {"fixture.ini", std::vector<Byte>(description.begin(), description.end())},
            Cells("arrows.bmp", kArrows, 23, 17, 20),
            Cells("vtrack.bmp", kTrack, 4, 17, 20),
            Cells("htrack.bmp", kTrack, 4, 20, 17),
            Cells("vthumb.bmp", kThumb, 3, 17, 20),
            Cells("hthumb.bmp", kThumb, 3, 20, 17),
            Cells("combo.bmp", kCombo, 4, 17, 21),
            Cells("spin.bmp", kSpin, 8, 15, 10),
            Cells("progress.bmp", kProgress, progressStyle == 0 ? 2 : 1, 20, 16),
            Cells("chunk.bmp", kChunk, 1, 8, 12),
            markedTabs ? MarkedTabs() : Cells("tabs.bmp", kTabs, 5, 30, 21),
            Cells("pane.bmp", kPane, 1, 30, 30),
            Cells("header.bmp", kHeader, 5, 20, 18)};
        const std::vector<Byte> package = WriteSkinPackage(70000, members);
        skin_->SkinStream()->Clear();
        skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
        ASSERT_TRUE(skin_->LoadSkin());
    }
    // The painter's picture of a Width x Height window.
    static std::unique_ptr<TBitmap> Picture(TSkinControl* painter, int width, int height,
                                            COLORREF background = RGB(1, 2, 3)) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(width, height);
        FillSolid(bitmap->Canvas()->Handle(), TRect{0, 0, width, height}, static_cast<TColor>(background));
        painter->PaintSkin(bitmap->Canvas()->Handle(), TRect{0, 0, width, height});
        return bitmap;
    }
    static COLORREF At(const std::unique_ptr<TBitmap>& bitmap, int x, int y) {
        return GetPixel(bitmap->Canvas()->Handle(), x, y);
    }
    HWND StandIn(TForm* form, DWORD style, int width, int height) {
        return CreateWindowEx(0, "SkinStandIn", "", WS_CHILD | WS_VISIBLE | style, 5, 5, width, height, form->Handle(),
                              0, 0, nullptr);
    }
    static TSkinScrollBarLook VerticalLook(int length, int thumbStart, int thumbEnd) {
        TSkinScrollBarLook look;
        look.Vertical = true;
        look.Length = length;
        look.ArrowSize = 17;
        look.ThumbStart = thumbStart;
        look.ThumbEnd = thumbEnd;
        return look;
    }
    // A vertical bar 17 pixels thick drawn as Look says.
    std::unique_ptr<TBitmap> VerticalBar(const TSkinScrollBarLook& look) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(17, look.Length);
        DrawSkinScrollBar(skin_.get(), bitmap->Canvas()->Handle(), TRect{0, 0, 17, look.Length}, look);
        return bitmap;
    }
    static TMemo* ScrolledMemo(TForm* form, int lines) {
        TMemo* memo = TMemo::Create(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 200, 120);
        memo->SetScrollBars(ssVertical);
        for (int i = 0; i < lines; ++i) memo->Lines()->Add("line " + IntToStr(i));
        return memo;
    }
    static TComboBox* Combo(TForm* form) {
        TComboBox* combo = TComboBox::Create(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 120, 21);
        return combo;
    }
    template <class Painter>
    Painter* Mapped(TForm* form, TControl* control) {
        SkinOf(form)->SkinControls(form);
        auto* windowed = dynamic_cast<TWinControl*>(control);
        return dynamic_cast<Painter*>(SkinOf(form)->FindPainter(windowed->Handle()));
    }
};

// ---- scroll bars ----

TEST_F(SkinControlTest, AScrollBarShorterThanTwoArrowsDrawsTwoHalfArrowsAndNoTrack) {
    const auto bar = VerticalBar(VerticalLook(20, 0, 0));
    EXPECT_EQ(At(bar, 8, 4), Shade(kArrows, 9));
    EXPECT_EQ(At(bar, 8, 15), Shade(kArrows, 13));
}

TEST_F(SkinControlTest, ADisabledBarShowsTrackFrameThreeAndNoThumb) {
    TSkinScrollBarLook look = VerticalLook(100, 17, 40);
    look.Enabled = false;
    auto bar = VerticalBar(look);
    EXPECT_EQ(At(bar, 8, 25), Shade(kTrack, 3));
    EXPECT_EQ(At(bar, 8, 60), Shade(kTrack, 3));
    look.Enabled = true;
    bar = VerticalBar(look);
    EXPECT_EQ(At(bar, 2, 19), Shade(kThumb, 1));
    EXPECT_EQ(At(bar, 8, 60), Shade(kTrack, 1));
}

TEST_F(SkinControlTest, TheBarIsAsThickAsItsImageUnlessThatDiffersFromTheArrowByMoreThanTwo) {
    EXPECT_EQ(SkinScrollBarThickness(skin_.get(), 17), 17) << "an image 20 high against arrows of 17";
    EXPECT_EQ(SkinScrollBarThickness(skin_.get(), 18), 20);
}

TEST_F(SkinControlTest, AScrollBarControlsThumbIsAnArrowLongWithoutAPageAndAtLeastEightPixels) {
    TForm* form = ShownForm(300, 300);
    TScrollBar* bar = TScrollBar::Create(form);
    bar->SetParent(form);
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 17, 200);
    bar->SetParams(0, 0, 1000);
    auto* painter = Mapped<TSkinScControl>(form, bar);
    ASSERT_TRUE(painter && painter->Bar);
    SCROLLBARINFO info;
    ASSERT_TRUE(painter->Bar->FindBar(info));
    EXPECT_EQ(info.xyThumbBottom - info.xyThumbTop, painter->Bar->ArrowSize) << "page 0";
    bar->SetPageSize(2);
    ASSERT_TRUE(painter->Bar->FindBar(info));
    EXPECT_EQ(info.xyThumbBottom - info.xyThumbTop, 8);
}

TEST_F(SkinControlTest, HidingAScrolledControlHidesItsOverlaysAndShowingPlacesThemAgain) {
    TForm* form = ShownForm(300, 300);
    TMemo* memo = ScrolledMemo(form, 40);
    auto* painter = Mapped<TSkinScrollbar>(form, memo);
    ASSERT_TRUE(painter && painter->VertBar);
    EXPECT_TRUE(painter->VertBar->Showing);
    EXPECT_FALSE(painter->HorzBar->Showing);
    memo->SetVisible(false);
    EXPECT_FALSE(painter->VertBar->Showing);
    EXPECT_FALSE(IsWindowVisible(painter->VertBar->Handle()));
    memo->SetVisible(true);
    EXPECT_TRUE(painter->VertBar->Showing);
    EXPECT_TRUE(IsWindowVisible(painter->VertBar->Handle()));
}

TEST_F(SkinControlTest, DraggingAMemosSkinnedThumbScrollsIt) {
    TForm* form = ShownForm(300, 300);
    TMemo* memo = ScrolledMemo(form, 100);
    auto* painter = Mapped<TSkinScrollbar>(form, memo);
    ASSERT_TRUE(painter && painter->VertBar && painter->VertBar->Showing);
    ProcessMessages();
    HWND overlay = painter->VertBar->Handle();
    SCROLLBARINFO info;
    ASSERT_TRUE(SkinGetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &info));
    const POINT thumb{8, (info.xyThumbTop + info.xyThumbBottom) / 2};
    SimulateMouseButton(overlay, thumb, VK_LBUTTON, true);
    SimulateMouseMove(overlay, POINT{thumb.x, thumb.y + 20});
    SimulateMouseMove(overlay, POINT{thumb.x, thumb.y + 40});
    SimulateMouseButton(overlay, POINT{thumb.x, thumb.y + 40}, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_GT(SendMessage(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    EXPECT_FALSE(painter->VertBar->Tracking);
}

// A position set straight through the scroll-bar API sends the control no
// scroll message; the overlay follows the repainted frame all the same.
TEST_F(SkinControlTest, TheOverlayFollowsAPositionSetWithoutAMessage) {
    TForm* form = ShownForm(300, 300);
    TMemo* memo = ScrolledMemo(form, 100);
    auto* painter = Mapped<TSkinScrollbar>(form, memo);
    ASSERT_TRUE(painter && painter->VertBar && painter->VertBar->Showing);
    ProcessMessages();
    const int before = painter->VertBar->ThumbStart;
    SetScrollPos(memo->Handle(), SB_VERT, 60, TRUE);
    ProcessMessages();
    SCROLLBARINFO info;
    ASSERT_TRUE(SkinGetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &info));
    ASSERT_NE(info.xyThumbTop, before);
    EXPECT_EQ(painter->VertBar->ThumbStart, info.xyThumbTop);
    EXPECT_EQ(painter->VertBar->ThumbEnd, info.xyThumbBottom);
}

TEST_F(SkinControlTest, ARecreatedScrolledWindowGetsAFreshPainter) {
    TForm* form = ShownForm(300, 300);
    TMemo* memo = ScrolledMemo(form, 40);
    auto* old = Mapped<TSkinScrollbar>(form, memo);
    ASSERT_TRUE(old);
    const HWND oldWindow = memo->Handle();
    const std::size_t painters = SkinOf(form)->Painters.size();
    memo->Perform(CM_RECREATEWND, 0, 0);
    ASSERT_NE(memo->Handle(), oldWindow);
    ProcessMessages();
    EXPECT_EQ(SkinOf(form)->FindPainter(oldWindow), nullptr);
    auto* fresh = dynamic_cast<TSkinScrollbar*>(SkinOf(form)->FindPainter(memo->Handle()));
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->VertBar && fresh->VertBar->Showing);
    EXPECT_EQ(SkinOf(form)->Painters.size(), painters);
    EXPECT_EQ(SendMessage(memo->Handle(), WM_SKINQUERY, 0, 0), 1);
}

TEST_F(SkinControlTest, ASizeGripMadeUnderASkinnedFormIsFilledWithTheFace) {
    TForm* form = ShownForm(300, 300);
    const HWND grip = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 200, 200, 17, 17,
                                     form->Handle(), 0, 0, nullptr);
    auto* painter = dynamic_cast<TSkinSizer*>(SkinOf(form)->FindPainter(grip));
    ASSERT_NE(painter, nullptr) << "mapped as it is made";
    const std::unique_ptr<TBitmap> picture = Picture(painter, 17, 17);
    EXPECT_EQ(At(picture, 8, 8), RGB(244, 244, 244));
    const HWND bar = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 100,
                                    form->Handle(), 0, 0, nullptr);
    EXPECT_EQ(SkinOf(form)->FindPainter(bar), nullptr) << "a plain scroll bar is left to the mapping";
}

TEST_F(SkinControlTest, AGridsFixedColourIsTheFaceWhileSkinnedAndItsOwnAfterwards) {
    TForm* form = ShownForm(300, 300);
    TStringGrid* grid = TStringGrid::Create(form);
    grid->SetParent(form);
    grid->SetFixedColor(clRed);
    ASSERT_NE(Mapped<TSkinScrollbar>(form, grid), nullptr);
    EXPECT_EQ(grid->FixedColor(), skin_->Colour(TSkinData::kButtonFaceIndex));
    SkinOf(form)->FreePainters();
    EXPECT_EQ(grid->FixedColor(), clRed);
}

// The combo list's drag: positions by the track, the last step at
// Max - Page + 1, no movement without room.
TEST_F(SkinControlTest, TheListDragMapsPixelsToPositions) {
    SCROLLINFO info;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 5;
    struct Case {
        int n, track, thumb, expected;
    };
    const Case cases[] = {{0, 100, 20, 0},   {40, 100, 20, 45}, {80, 100, 20, 90},
                          {200, 100, 20, 90}, {10, 20, 20, 5},   {0, 0, 0, 5}};
    for (const Case& c : cases) EXPECT_EQ(DraggedScrollPosition(c.n, c.track, c.thumb, info), c.expected) << c.n;
    info.nPage = 0;
    EXPECT_EQ(DraggedScrollPosition(50, 100, 17, info), 50);
    EXPECT_EQ(DraggedScrollPosition(200, 100, 17, info), 82);
}

// ---- edits, combo boxes and pickers ----

// The list's own thumb drag: what the list is told, in order.
class SkinListDragTest : public SkinControlTest {
protected:
    std::vector<std::pair<WORD, WORD>> Dragged(const std::vector<int>& moves) {
        TForm* form = ShownForm(300, 300);
        const HWND list = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 150, 200,
                                         form->Handle(), 0, 0, nullptr);
        for (int i = 0; i < 100; ++i) SendMessage(list, LB_ADDSTRING, 0, LPARAM("项目"));
        auto* painter = new TComboxScrollBar(SkinOf(form));
        painter->AttachWindow(list, skin_.get(), nullptr, SkinOf(form));
        SCROLLBARINFO bar;
        EXPECT_TRUE(SkinGetScrollBarInfo(list, OBJID_VSCROLL, &bar));
        const POINT thumb{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                          bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
        std::vector<std::pair<WORD, WORD>> told;
        const int observer = AddSentMessageObserver([&](const MSG& msg) {
            if (msg.hwnd == list && msg.message == WM_VSCROLL) told.push_back({LOWORD(msg.wParam), HIWORD(msg.wParam)});
        });
        SetCursorPos(thumb.x, thumb.y);
        POINT at = thumb;
        ScreenToClient(list, &at);
        // A timer inside the drag's own loop moves the mouse, then lets go.
        std::size_t step = 0;
        const std::unique_ptr<TTimer> driver(TTimer::Create(nullptr));
        driver->SetInterval(1);
        driver->SetOnTimer([&](TObject*) {
            if (step < moves.size()) {
                SimulateMouseMove(list, POINT{at.x, at.y + moves[step++]});
                return;
            }
            driver->SetEnabled(false);
            SimulateMouseButton(list, POINT{at.x, at.y + (moves.empty() ? 0 : moves.back())}, VK_LBUTTON, false);
        });
        info_.fMask = SIF_ALL;
        GetScrollInfo(list, SB_VERT, &info_);
        SendMessage(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
        RemoveObserver(observer);
        return told;
    }
    SCROLLINFO info_{};  // the list's bar when the drag began
};

TEST_F(SkinListDragTest, APressAndReleaseWithoutAMoveTellsOnlyThePosition) {
    const auto told = Dragged({});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, SB_THUMBPOSITION);
    EXPECT_EQ(told[0].second, 0);
}

TEST_F(SkinListDragTest, DraggingPastTheEndReachesTheLastPositionOnce) {
    const auto told = Dragged({170, 185, 200});  // the track is about 166 pixels long
    ASSERT_GE(told.size(), 2u);
    ASSERT_GT(info_.nPage, 1u) << "the list reports the rows in view as its page";
    EXPECT_EQ(told.back(), std::make_pair(WORD(SB_THUMBPOSITION), WORD(info_.nMax - int(info_.nPage) + 1)));
    const auto tracks = std::count_if(told.begin(), told.end(), [](auto t) { return t.first == SB_THUMBTRACK; });
    EXPECT_EQ(tracks, 1) << "one move to the end, none for the moves beyond it";
    EXPECT_EQ(told.front(), std::make_pair(WORD(SB_THUMBTRACK), told.back().second));
}

TEST_F(SkinControlTest, OnlyEditsWithABorderGetAPainterAndItFramesThem) {
    TForm* form = ShownForm();
    TEdit* plain = TEdit::Create(form);
    plain->SetParent(form);
    plain->SetBorderStyle(bsNone);
    TEdit* framed = TEdit::Create(form);
    framed->SetParent(form);
    framed->SetBounds(10, 40, 100, 24);
    SkinOf(form)->SkinControls(form);
    EXPECT_EQ(SkinOf(form)->FindPainter(plain->Handle()), nullptr);
    auto* painter = dynamic_cast<TSkinEdit*>(SkinOf(form)->FindPainter(framed->Handle()));
    ASSERT_NE(painter, nullptr);
    const auto picture = Picture(painter, 100, 24);
    EXPECT_EQ(At(picture, 50, 0), ColorToRGB(skin_->Colour(TSkinData::kButtonShadowIndex)));
    EXPECT_EQ(At(picture, 50, 1), RGB(255, 255, 255));
    EXPECT_EQ(At(picture, 50, 2), RGB(255, 255, 255));
    EXPECT_EQ(At(picture, 50, 12), RGB(1, 2, 3)) << "the text is the edit's own";
}

TEST_F(SkinControlTest, AComboWithALeftScrollBarDrawsItsMirroredButtonAtTheLeft) {
    TForm* form = ShownForm();
    TComboBox* combo = Combo(form);
    auto* painter = Mapped<TSkinComBox>(form, combo);
    ASSERT_NE(painter, nullptr);
    auto picture = Picture(painter, 120, 21);
    EXPECT_EQ(At(picture, 112, 10), Shade(kCombo, 1));
    EXPECT_EQ(At(picture, 60, 10), RGB(1, 2, 3));
    SetWindowLong(combo->Handle(), GWL_EXSTYLE, GetWindowLong(combo->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    picture = Picture(painter, 120, 21);
    EXPECT_EQ(At(picture, 6, 10), Shade(kCombo, 4)) << "frame 1 of the mirrored strip";
    EXPECT_EQ(At(picture, 112, 10), RGB(1, 2, 3));
    EXPECT_LT(painter->ButtonRect.right, 30);
}

TEST_F(SkinControlTest, AComboIsHotOnlyOverItsButtonAndNeverWhenDisabled) {
    TForm* form = ShownForm();
    TComboBox* combo = Combo(form);
    auto* painter = Mapped<TSkinComBox>(form, combo);
    ASSERT_NE(painter, nullptr);
    Picture(painter, 120, 21);
    SendMessage(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    EXPECT_FALSE(painter->MouseState & TSkinControl::kHot);
    SendMessage(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(112, 10));
    EXPECT_TRUE(painter->MouseState & TSkinControl::kHot);
    SendMessage(combo->Handle(), CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(painter->MouseState & TSkinControl::kHot);
    combo->SetEnabled(false);
    const auto picture = Picture(painter, 120, 21);
    EXPECT_EQ(At(picture, 112, 10), Shade(kCombo, 3));
    SendMessage(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(112, 10));
    EXPECT_FALSE(painter->MouseState & TSkinControl::kHot);
}

TEST_F(SkinControlTest, ThePickersArrowOpensTheCalendarAndSitsAtTwoWhenRightToLeft) {
    TForm* form = ShownForm();
    TDateTimePicker* picker = TDateTimePicker::Create(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 120, 24);
    auto* painter = Mapped<TSkinDateTime>(form, picker);
    ASSERT_TRUE(painter && painter->Arrow);
    Picture(painter, 120, 24);
    EXPECT_EQ(painter->Arrow->Left(), 120 - painter->Arrow->ButtonWidth - 4);
    TButton* other = TButton::Create(form);
    other->SetParent(form);
    other->SetFocus();
    SimulateClick(painter->Arrow->Handle(), POINT{5, 5});
    DispatchQueuedMessages();
    EXPECT_NE(SendMessage(picker->Handle(), DTM_GETMONTHCAL, 0, 0), 0);
    EXPECT_EQ(GetFocus(), picker->Handle());
    SetWindowLong(picker->Handle(), GWL_EXSTYLE, GetWindowLong(picker->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    Picture(painter, 120, 24);
    EXPECT_EQ(painter->Arrow->Left(), 2);
}

// ---- spin buttons, track bars, progress bars ----

TEST_F(SkinControlTest, ASpinButtonShowsTheStateOfTheHalfUnderThePress) {
    TForm* form = ShownForm();
    HWND spin = StandIn(form, 0, 16, 40);
    auto* painter = new TSkinUpDown(SkinOf(form));
    painter->AttachWindow(spin, skin_.get(), nullptr, SkinOf(form));
    POINT lower{8, 30};
    ClientToScreen(spin, &lower);
    SetCursorPos(lower.x, lower.y);
    painter->MouseState = TSkinControl::kDown;
    auto picture = Picture(painter, 16, 40);
    EXPECT_EQ(At(picture, 8, 10), Shade(kSpin, 1));
    EXPECT_EQ(At(picture, 8, 30), Shade(kSpin, 6));
    painter->MouseState = 0;
    EnableWindow(spin, FALSE);
    picture = Picture(painter, 16, 40);
    EXPECT_EQ(At(picture, 8, 10), Shade(kSpin, 3));
    EXPECT_EQ(At(picture, 8, 30), Shade(kSpin, 7));
}

TEST_F(SkinControlTest, ASpinButtonInsideAnEditLeavesTheEditsBorder) {
    TForm* form = ShownForm();
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 30);
    RECT client;
    GetClientRect(edit->Handle(), &client);
    HWND spin = CreateWindowEx(0, "SkinStandIn", "", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16, client.bottom,
                               edit->Handle(), 0, 0, nullptr);
    auto* painter = new TSkinUpDown(edit);
    painter->AttachWindow(spin, skin_.get(), nullptr, SkinOf(form));
    painter->Embedded = true;
    RECT own, parent;
    GetWindowRect(spin, &own);
    GetWindowRect(edit->Handle(), &parent);
    const int width = own.right - own.left, height = own.bottom - own.top;
    const auto picture = Picture(painter, width, height);
    const int topInside = parent.top + 3 - own.top, bottomInside = parent.bottom - 3 - own.top;
    EXPECT_EQ(At(picture, width / 2, topInside - 1), RGB(255, 255, 255));
    EXPECT_EQ(At(picture, width / 2, topInside), Shade(kSpin, 1));
    EXPECT_EQ(At(picture, width / 2, bottomInside), RGB(255, 255, 255));
}

TEST_F(SkinControlTest, AProgressBarFromFiftyToOneFiftyAtOneHundredFillsHalfInBothStyles) {
    TForm* form = ShownForm();
    standIn = TStandIn{50, 150, 100};
    for (int style : {0, 1}) {
        LoadWith(style);
        HWND bar = StandIn(form, 0, 100, 16);
        auto* painter = new TSkinProgress(SkinOf(form));
        painter->AttachWindow(bar, skin_.get(), nullptr, SkinOf(form));
        const auto picture = Picture(painter, 100, 16);
        const COLORREF filled = style == 0 ? Shade(kProgress, 2) : Shade(kChunk, 1);
        EXPECT_EQ(At(picture, 30, 8), filled) << style;
        EXPECT_EQ(At(picture, 75, 8), Shade(kProgress, 1)) << style;
        delete painter;
        DestroyWindow(bar);
    }
    EXPECT_EQ(ProgressFillWidth(100, 100, 100, 100), 0) << "an empty range fills nothing";
    EXPECT_EQ(ProgressFillWidth(100, 100, 50, 80), 0);
}

TEST_F(SkinControlTest, AVerticalProgressBarIsDrawnHorizontallyAndTurned) {
    TForm* form = ShownForm();
    standIn = TStandIn{0, 100, 50};
    HWND bar = StandIn(form, PBS_VERTICAL, 16, 100);
    auto* painter = new TSkinProgress(SkinOf(form));
    painter->AttachWindow(bar, skin_.get(), nullptr, SkinOf(form));
    const auto picture = Picture(painter, 16, 100);
    EXPECT_EQ(At(picture, 8, 80), Shade(kProgress, 2));
    EXPECT_EQ(At(picture, 8, 20), Shade(kProgress, 1));
}

TEST_F(SkinControlTest, ATrackBarWithoutThumbImagesOutlinesItsThumb) {
    TForm* form = ShownForm();
    standIn = TStandIn{};
    HWND track = StandIn(form, 0, 100, 20);
    auto* painter = new TSkinTrackBar(SkinOf(form));
    painter->AttachWindow(track, skin_.get(), nullptr, SkinOf(form));
    TBitmap bitmap;
    bitmap.SetSize(100, 20);
    FillSolid(bitmap.Canvas()->Handle(), TRect{0, 0, 100, 20}, clWhite);
    NMCUSTOMDRAW draw;
    draw.hdr.hwndFrom = track;
    draw.hdr.code = NM_CUSTOMDRAW;
    draw.hdc = bitmap.Canvas()->Handle();
    draw.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(SendMessage(track, WM_NOTIFY, 0, LPARAM(&draw)), CDRF_NOTIFYITEMDRAW);
    draw.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.dwItemSpec = TBCD_THUMB;
    EXPECT_EQ(SendMessage(track, WM_NOTIFY, 0, LPARAM(&draw)), CDRF_SKIPDEFAULT);
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 10, 10), ColorToRGB(skin_->Colour(TSkinData::kButtonShadowIndex)));
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 15, 10), RGB(255, 255, 255));
    draw.dwItemSpec = TBCD_TICS;
    EXPECT_EQ(SendMessage(track, WM_NOTIFY, 0, LPARAM(&draw)), CDRF_DODEFAULT);
}

// The platform's own range controls, found by the mapping: the progress
// bar by its window class, the up-down by its class name.
TEST_F(SkinControlTest, ThePlatformsProgressBarAndUpDownGetTheirPainters) {
    TForm* form = ShownForm();
    TProgressBar* bar = TProgressBar::Create(form);
    bar->SetParent(form);
    bar->SetBounds(5, 5, 100, 16);
    bar->SetMin(50);
    bar->SetMax(150);
    bar->SetPosition(100);
    TUpDown* updown = TUpDown::Create(form);
    updown->SetParent(form);
    SkinOf(form)->SkinControls(form);
    SkinOf(form)->SkinChildWindows(form->Handle());
    auto* progress = dynamic_cast<TSkinProgress*>(SkinOf(form)->FindPainter(bar->Handle()));
    ASSERT_NE(progress, nullptr);
    EXPECT_NE(dynamic_cast<TSkinUpDown*>(SkinOf(form)->FindPainter(updown->Handle())), nullptr);
    const auto picture = Picture(progress, 100, 16);
    EXPECT_EQ(At(picture, 30, 8), Shade(kProgress, 2));
    EXPECT_EQ(At(picture, 75, 8), Shade(kProgress, 1));
}

// ---- tabs and headers ----

class SkinTabTest : public SkinControlTest {
protected:
    TPageControl* Pages(TForm* form, Integer tag) {
        TPageControl* pages = TPageControl::Create(form);
        pages->SetParent(form);
        pages->SetBounds(5, 5, 280, 150);
        pages->SetTag(tag);
        for (const char* caption : {"one", "two", "three"}) {
            TTabSheet* sheet = TTabSheet::Create(form);
            sheet->SetPageControl(pages);
            sheet->SetCaption(caption);
        }
        return pages;
    }
    // The painter's close boxes after a paint.
    TSkinTab* Painted(TForm* form, TPageControl* pages) {
        auto* painter = Mapped<TSkinTab>(form, pages);
        if (painter) Picture(painter, pages->Width(), pages->Height());
        return painter;
    }
    static LPARAM Centre(const TRect& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
};

TEST_F(SkinTabTest, APageControlTaggedForCloseBoxesFreesThePageShownOnTheClosedTab) {
    TForm* form = ShownForm(300, 200);
    TPageControl* pages = Pages(form, kCloseBoxTag);
    pages->Pages(0)->SetTabVisible(false);
    TSkinTab* painter = Painted(form, pages);
    ASSERT_TRUE(painter && painter->CloseBoxes);
    ASSERT_EQ(painter->CloseRects.size(), 2u);
    RECT tab;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&tab));
    EXPECT_GE(painter->CloseRects[0].left, tab.left) << "kept where the click arrives";
    EXPECT_LE(painter->CloseRects[0].right, tab.right);
    TTabSheet* shownOnFirstTab = pages->Pages(1);
    SendMessage(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Centre(painter->CloseRects[0]));
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_NE(pages->Pages(0), shownOnFirstTab);
    EXPECT_NE(pages->Pages(1), shownOnFirstTab);
}

TEST_F(SkinTabTest, AFormAnsweringTheCloseRequestKeepsThePage) {
    TForm* form = ShownForm(300, 200);
    TPageControl* pages = Pages(form, kCloseBoxTag);
    TSkinTab* painter = Painted(form, pages);
    ASSERT_TRUE(painter);
    const TWndMethod saved = form->WindowProc();
    form->SetWindowProc([saved](TMessage& message) {
        if (message.Msg == WM_SKINTABCLOSE)
            message.Result = 1;
        else
            saved(message);
    });
    SendMessage(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Centre(painter->CloseRects[1]));
    form->SetWindowProc(saved);
    EXPECT_EQ(pages->PageCount(), 3);
}

TEST_F(SkinTabTest, PageControlsGetTheTabPainterAndOnlyTaggedOnesCloseBoxes) {
    TForm* form = ShownForm(300, 200);
    TPageControl* pages = Pages(form, 0);
    TSkinTab* painter = Painted(form, pages);
    ASSERT_NE(painter, nullptr);
    EXPECT_FALSE(painter->CloseBoxes);
    const auto picture = Picture(painter, pages->Width(), pages->Height());
    RECT tab;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 1, LPARAM(&tab));
    EXPECT_EQ(At(picture, tab.left + 3, tab.bottom - 2), Shade(kTabs, 1));
    EXPECT_EQ(At(picture, 100, 100), Shade(kPane, 1)) << "the body";
    EXPECT_NE(dynamic_cast<TSkinTabSheet*>(SkinOf(form)->FindPainter(pages->Pages(0)->Handle())), nullptr);
}

TEST_F(SkinTabTest, TabsOnTheSidesAreTurnedWithTheirOuterEdgeOutwardAndButtonStyleHasItsOwnPainter) {
    LoadWith(0, true);
    TForm* form = ShownForm(300, 200);
    for (const TTabPosition position : {tpTop, tpLeft, tpRight}) {
        TPageControl* pages = Pages(form, 0);
        pages->SetTabPosition(position);
        TSkinTab* painter = Mapped<TSkinTab>(form, pages);
        ASSERT_NE(painter, nullptr) << position;
        const auto picture = Picture(painter, pages->Width(), pages->Height());
        RECT tab;
        SendMessage(pages->Handle(), TCM_GETITEMRECT, 1, LPARAM(&tab));
        const int midX = (tab.left + tab.right) / 2, midY = (tab.top + tab.bottom) / 2;
        const POINT outer = position == tpTop    ? POINT{midX, tab.top + 1}
                            : position == tpLeft ? POINT{tab.left, midY}
                                                 : POINT{tab.right - 1, midY};
        const POINT inner = position == tpTop    ? POINT{midX, tab.bottom - 3}
                            : position == tpLeft ? POINT{tab.right - 3, midY}
                                                 : POINT{tab.left + 2, midY};
        EXPECT_EQ(At(picture, outer.x, outer.y), kTabEdge) << position;
        EXPECT_NE(At(picture, inner.x, inner.y), kTabEdge) << position;
    }
    TPageControl* buttons = Pages(form, 0);
    buttons->SetStyle(tsButtons);
    SkinOf(form)->SkinControls(form);
    EXPECT_TRUE(dynamic_cast<TSkinTabBtn*>(SkinOf(form)->FindPainter(buttons->Handle())));
}

// A tab set as the skin reads it: its tabs, margins, first shown tab and
// scroller (its first owned component).
class TTabSet : public TCustomControl {
    SERVIORA_CLASS(TTabSet, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(std::make_unique<TStringList>()) {
        scroller = TPanel::Create(this);
    }
    TStrings* Tabs() const { return tabs_.get(); }
    void SetTabs(TStrings* v) { tabs_->Assign(v); }
    Integer TabIndex() const { return tabIndex; }
    void SetTabIndex(Integer v) { tabIndex = v; }
    Integer EndMargin() const { return endMargin; }
    void SetEndMargin(Integer v) { endMargin = v; }
    TPanel* scroller;
    Integer tabIndex = 0, endMargin = 0;

private:
    std::unique_ptr<TStringList> tabs_;
};
void TTabSet::Published(TPublished<TTabSet>& p) {
    p.Property("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs);
    p.Property("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex);
    p.Property("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin);
}

TEST_F(SkinControlTest, ATabSetWithItsScrollerShownLeavesTwentyOnePixelsAfterTheLastTab) {
    TForm* form = ShownForm();
    auto* set = TTabSet::Create(form);
    set->SetParent(form);
    set->SetBounds(5, 5, 200, 21);
    set->scroller->SetParent(set);
    set->scroller->SetBounds(160, 0, 40, 21);
    set->Tabs()->Add("维修");
    SkinOf(form)->SkinControls(form);
    TSkinTab31* painter = nullptr;
    for (int i = 0; i < set->ComponentCount() && !painter; ++i) painter = dynamic_cast<TSkinTab31*>(set->Components(i));
    ASSERT_NE(painter, nullptr);
    ASSERT_NE(painter->UpDown, nullptr) << "the scroller has a painter";
    // Room for the tab and ten pixels: enough beside a hidden scroller only.
    TBitmap measure;
    measure.Canvas()->Font()->Assign(set->Canvas()->Font());
    const int w = measure.Canvas()->TextWidth("维修");
    set->SetEndMargin(200 - (w + 10));
    set->scroller->SetVisible(false);
    EXPECT_EQ(At(Picture(painter, 200, 21), 1, 2), Shade(kTabs, 2)) << "the selected tab";
    set->scroller->SetVisible(true);
    EXPECT_EQ(At(Picture(painter, 200, 21), 1, 2), ColorToRGB(painter->FaceColour())) << "no room for the tab";
}

// Another library's page control takes its tab backgrounds as bitmaps.
class TBavPageControl : public TCustomControl {
    SERVIORA_CLASS(TBavPageControl, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TBavPageControl(TComponent* owner)
        : TCustomControl(owner), normal_(std::make_unique<TBitmap>()), active_(std::make_unique<TBitmap>()) {}
    TBitmap* TabBackGround() const { return normal_.get(); }
    void SetTabBackGround(TBitmap* v) { normal_->Assign(v); }
    TBitmap* TabBackGroundActive() const { return active_.get(); }
    void SetTabBackGroundActive(TBitmap* v) { active_->Assign(v); }

private:
    std::unique_ptr<TBitmap> normal_, active_;
};
void TBavPageControl::Published(TPublished<TBavPageControl>& p) {
    p.Property("TabBackGround", &TBavPageControl::TabBackGround, &TBavPageControl::SetTabBackGround);
    p.Property("TabBackGroundActive", &TBavPageControl::TabBackGroundActive, &TBavPageControl::SetTabBackGroundActive);
}

TEST_F(SkinControlTest, AnotherLibrarysPageControlIsGivenTheSkinsTabFramesAsItsBackgrounds) {
    TForm* form = ShownForm();
    auto* pages = TBavPageControl::Create(form);
    pages->SetParent(form);
    skin_->Skin3rd()->Add("TBavPageControl=bavpagecontrol");
    SkinOf(form)->SkinControls(form);
    ASSERT_TRUE(SkinOf(form)->IsControlSkinned(pages));
    ASSERT_EQ(pages->TabBackGround()->Width(), 100);
    EXPECT_EQ(pages->TabBackGround()->Height(), 21);
    EXPECT_EQ(GetPixel(pages->TabBackGround()->Canvas()->Handle(), 50, 10), Shade(kTabs, 1));
    EXPECT_EQ(GetPixel(pages->TabBackGroundActive()->Canvas()->Handle(), 50, 10), Shade(kTabs, 2));
    SkinOf(form)->FreePainters();
    EXPECT_TRUE(pages->TabBackGround()->Empty());
    EXPECT_TRUE(pages->TabBackGroundActive()->Empty());
}

TEST_F(SkinControlTest, ASimpleComboInADialogStaysNative) {
    TForm* form = ShownForm();
    HWND simple = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_SIMPLE, 5, 5, 100, 80, form->Handle(), 0,
                                 0, nullptr);
    HWND dropDown = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 5, 100, 100, 80,
                                   form->Handle(), 0, 0, nullptr);
    SkinOf(form)->SkinChildWindow(simple);
    SkinOf(form)->SkinChildWindow(dropDown);
    EXPECT_EQ(SkinOf(form)->FindPainter(simple), nullptr);
    EXPECT_NE(dynamic_cast<TSkinComBox*>(SkinOf(form)->FindPainter(dropDown)), nullptr);
}

TEST_F(SkinControlTest, AHeaderRepaintsOncePerChangeOfItemAndShowsNoImageWithoutText) {
    TForm* form = ShownForm(300, 200);
    HWND header = CreateWindowEx(0, "SysHeader32", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, form->Handle(), 0, 0,
                                 nullptr);
    std::unique_ptr<TCustomImageList> images(TCustomImageList::CreateSize(16, 16));
    TBitmap red;
    red.SetSize(16, 16);
    FillSolid(red.Canvas()->Handle(), TRect{0, 0, 16, 16}, clRed);
    images->Add(&red, nullptr);
    SendMessage(header, HDM_SETIMAGELIST, 0, LPARAM(images->Handle()));
    char text[] = "name";
    HDITEMA item;
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.cxy = 80;
    item.pszText = text;
    item.fmt = HDF_LEFT | HDF_IMAGE;
    item.iImage = 0;
    SendMessage(header, HDM_INSERTITEMA, 0, LPARAM(&item));
    item.pszText = nullptr;
    item.mask = HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
    SendMessage(header, HDM_INSERTITEMA, 1, LPARAM(&item));
    auto* painter = new TSkinHeader(SkinOf(form));
    painter->AttachWindow(header, skin_.get(), nullptr, SkinOf(form));
    auto picture = Picture(painter, 200, 20);
    EXPECT_EQ(At(picture, 5 + 8, 10), RGB(255, 0, 0)) << "the image before the text";
    for (int x = 80; x < 160; ++x) ASSERT_EQ(At(picture, x, 10), Shade(kHeader, 1)) << x;
    int paints = 0;
    const WNDPROC counting = MakeObjectInstance([&paints, painter](TMessage& message) {
        if (message.Msg == WM_PAINT) ++paints;
        message.Result = CallWindowProc(WNDPROC(painter->ObjectInstance), painter->Handle, message.Msg,
                                        message.WParam, message.LParam);
    });
    SetWindowLongPtr(header, GWL_WNDPROC, LONG_PTR(counting));
    ProcessMessages();
    paints = 0;
    for (int x : {10, 20, 30, 100, 110, 120}) SendMessage(header, WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
    EXPECT_EQ(painter->HotItem, 1);
    EXPECT_EQ(paints, 2);
    SetWindowLongPtr(header, GWL_WNDPROC, LONG_PTR(painter->ObjectInstance));
    FreeObjectInstance(counting);
}

}  // namespace
