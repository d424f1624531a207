// Docks and toolbars: the row layout with stand-in bars, the row under an
// offset, the toolbar's item placement and floating sizes, and toolbars
// dragged, floated and docked again by synthetic mouse input.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gdi/graphicsplatform.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "report/ui/qm_tbqyctls.h"
#include "report/ui/qm_tbqyedit.h"
#include "report/ui/qm_tbqytlbr.h"
#include "support/temp_dir.h"

namespace {

// A bar of a fixed length and thickness.
class StandInBar : public TCustomToolWindowQy {
public:
    StandInBar(TComponent* owner, int length, int thickness)
        : TCustomToolWindowQy(owner), length_(length), thickness_(thickness) {}
    void MeasureBarThickness(int& size, TDockOrientation) override { size = thickness_; }
    void MeasureMinimumClient(int& w, int& h) override { w = h = 0; }
    TPoint PlaceItems(bool, TDockOrientation, TDockQy*) override { return {length_, thickness_}; }

private:
    int length_, thickness_;
};

class Docks : public testing::Test {
protected:
    void SetUp() override {
        form->SetBounds(100, 100, 600, 400);
        dock = new TDockQy(form.get());
        dock->SetParent(form.get());
    }
    StandInBar* Bar(int row, int pos, int length, int thickness = 20) {
        auto* bar = new StandInBar(form.get(), length, thickness);
        bar->SetDockRow(row);
        bar->SetDockPos(pos);
        bar->SetParent(dock);
        return bar;
    }

    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    TDockQy* dock = nullptr;
};

TEST_F(Docks, AnEmptyDockTakesNoSpaceOrOnePixelWithFixAlign) {
    EXPECT_EQ(dock->Height(), 0);
    dock->SetFixAlign(true);
    EXPECT_EQ(dock->Height(), 1);
    auto* inner = new TDockQy(form.get());
    EXPECT_THROW(inner->SetParent(dock), EInvalidOperation) << "no dock inside a dock";
    Bar(0, 0, 100);
    EXPECT_THROW(dock->SetPosition(dpLeft), EInvalidOperation);
    EXPECT_NO_THROW(dock->SetPosition(dpTop));
}

TEST_F(Docks, RowsLayBarsSideBySideAndFitThemIntoTheDock) {
    const int clientW = dock->ClientWidth();
    const int w = 100 + 4 + 9;  // a bar's client with its frame and drag handle
    struct Case {
        const char* what;
        int pos1, pos2, length;
        bool clip;
        int left1, left2, stored2;
    } cases[] = {
        {"overlapping: the later starts where the earlier ends", 10, 20, 100, false, 10, 10 + w, 10 + w},
        {"past the end: pushed back inside", 0, clientW - 50, 100, false, 0, clientW - w, clientW - 50},
        {"past the end with clipping: the laid-out place is stored", 0, clientW - 50, 100, true, 0, clientW - w,
         clientW - w},
        {"longer than the dock: the last extends past it", 50, 60, clientW - 20, false, 0, clientW - 7, 50 + clientW - 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StandInBar* first = Bar(0, c.pos1, c.length);
        StandInBar* second = Bar(0, c.pos2, c.length);
        dock->LayoutBars(c.clip);
        EXPECT_EQ(first->Left(), c.left1);
        EXPECT_EQ(second->Left(), c.left2);
        EXPECT_EQ(second->DockPos(), c.stored2);
        EXPECT_EQ(second->Top(), 0);
        EXPECT_EQ(dock->Height(), 20 + 4) << "the row's thickness with the bars' frames";
        delete first;
        delete second;
    }
    EXPECT_EQ(dock->Height(), 0) << "the removed bars' row went";
}

TEST_F(Docks, AFullSizeBarIsAloneOnItsRowAndEmptyRowsClose) {
    StandInBar* full = Bar(0, 30, 100);
    StandInBar* other = Bar(0, 200, 100);
    StandInBar* third = Bar(3, 0, 100, 30);
    full->SetFullSize(true);
    dock->LayoutBars(false);
    EXPECT_EQ(full->DockRow(), 0);
    EXPECT_EQ(full->Left(), 0);
    EXPECT_EQ(full->Width(), dock->ClientWidth());
    EXPECT_EQ(other->DockRow(), 1) << "moved to the next row";
    EXPECT_EQ(third->DockRow(), 2) << "the empty rows between closed, then moved down by one";
    EXPECT_EQ(other->Top(), 24);
    EXPECT_EQ(third->Top(), 48);
    EXPECT_EQ(dock->Height(), 24 + 24 + 34);

    bool before = false;
    EXPECT_EQ(dock->RowAtOffset(2, before), 0);
    EXPECT_TRUE(before) << "the first 5 pixels of a row ask for a new row";
    EXPECT_EQ(dock->RowAtOffset(40, before), 1);
    EXPECT_FALSE(before);
    EXPECT_EQ(dock->RowAtOffset(500, before), 3) << "past the last row: a new last row";
    EXPECT_FALSE(before);

    dock->SetLimitToOneRow(true);
    full->SetFullSize(false);
    dock->LayoutBars(false);
    EXPECT_EQ(other->DockRow(), 0);
    EXPECT_EQ(third->DockRow(), 0);
    EXPECT_EQ(dock->Height(), 34);
}

TEST_F(Docks, AFloatingBarKeepsItsRowButTakesNoSpace) {
    form->Show();
    StandInBar* floating = Bar(0, 0, 100);
    StandInBar* docked = Bar(1, 0, 100);
    floating->SetDockedTo(nullptr);
    EXPECT_TRUE(floating->Floating());
    EXPECT_EQ(floating->LastDock(), dock);
    EXPECT_EQ(docked->DockRow(), 1);
    EXPECT_EQ(docked->Top(), 0);
    EXPECT_EQ(dock->Height(), 24);
}

// ---- the toolbar --------------------------------------------------------------------------

class Toolbars : public Docks {
protected:
    TToolbarQy* NewToolbar(TWinControl* on) {
        auto* toolbar = new TToolbarQy(form.get());
        toolbar->SetCaption("工具");
        toolbar->SetParent(on);
        return toolbar;
    }
    TToolbarButtonQy* Button(TToolbarQy* toolbar, const AnsiString& caption, int width = 30) {
        auto* button = new TToolbarButtonQy(form.get());
        button->SetCaption(caption);
        button->SetWidth(width);
        button->SetParent(toolbar);
        return button;
    }
    TToolbarSepQy* Separator(TToolbarQy* toolbar) {
        auto* sep = new TToolbarSepQy(form.get());
        sep->SetParent(toolbar);
        return sep;
    }
};

TEST_F(Toolbars, PlaceItemsLinesThemUpDockedAndWrapsAtGroupsFloating) {
    TToolbarQy* toolbar = NewToolbar(dock);
    EXPECT_EQ(toolbar->PlaceItems(false, doHorizontal, nullptr), (TPoint{4 + 8 + 4, 2 + 8 + 1})) << "empty, floating";
    TToolbarButtonQy* a = Button(toolbar, "A");
    TToolbarButtonQy* b = Button(toolbar, "B");
    TToolbarSepQy* sep = Separator(toolbar);
    TToolbarButtonQy* c = Button(toolbar, "C");
    EXPECT_THROW(sep->SetParent(form.get()), EInvalidOperation);
    toolbar->ArrangeContent();
    EXPECT_EQ(a->Left(), 0);
    EXPECT_EQ(b->Left(), 30);
    EXPECT_EQ(sep->Left(), 60);
    EXPECT_EQ(sep->Height(), 23) << "a separator spans the row";
    EXPECT_EQ(c->Left(), 66);
    EXPECT_EQ(toolbar->ClientWidth(), 96);
    EXPECT_EQ(toolbar->Width(), 96 + 4 + 9) << "frame and double drag handle";

    toolbar->SetFloatRightX(70);
    const TPoint size = toolbar->PlaceItems(true, doHorizontal, nullptr);
    EXPECT_EQ(c->Left(), 4) << "the second group starts a new line";
    EXPECT_EQ(c->Top(), 2 + 23 + 6);
    EXPECT_EQ(sep->Width(), 0) << "the separator ending the line takes no width";
    EXPECT_EQ(size, (TPoint{4 + 60 + 4, 2 + 23 + 6 + 23 + 1}));

    std::vector<TPoint> sizes;
    toolbar->ListFloatingSizes(sizes);
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], (TPoint{4 + 96 + 4, 2 + 23 + 1})) << "one line";
    EXPECT_EQ(sizes[1], (TPoint{68, 2 + 23 + 6 + 23 + 1})) << "wrapped at the group";
    EXPECT_EQ(sizes[2], (TPoint{38, 2 + 23 + 23 + 6 + 23 + 1})) << "one button a line";
    EXPECT_EQ(toolbar->FloatRightX(), 70) << "restored";
}

TEST_F(Toolbars, ItemsKeepTheirInsertionOrderAndAStoreKeepsTheWrapWidth) {
    TToolbarQy* toolbar = NewToolbar(dock);
    TToolbarButtonQy* a = Button(toolbar, "A");
    TToolbarButtonQy* b = Button(toolbar, "B");
    toolbar->ArrangeContent();
    a->BringToFront();
    toolbar->ArrangeContent();
    EXPECT_EQ(a->Left(), 0) << "brought to the front, still first";
    EXPECT_EQ(b->Left(), 30);
    TToolbarButtonQy* c = Button(toolbar, "C");
    c->SendToBack();
    a->SetParent(nullptr);
    a->SetParent(toolbar);
    toolbar->ArrangeContent();
    EXPECT_EQ(b->Left(), 0);
    EXPECT_EQ(c->Left(), 30) << "sent to the back, still after those before it";
    EXPECT_EQ(a->Left(), 60) << "taken off and put back: now the last";

    toolbar->SetName("Bar");
    int written = -1;
    toolbar->SetFloatRightX(70);
    toolbar->WritePositions(
        [&](const AnsiString& bar, const AnsiString& value, int v, void*) {
            if (bar == "Bar" && value == "FloatRightX") written = v;
        },
        nullptr, nullptr);
    EXPECT_EQ(written, 70);
    toolbar->ReadPositions([](const AnsiString&, const AnsiString&, int, void*) { return 45; }, nullptr, nullptr);
    EXPECT_EQ(toolbar->FloatRightX(), 45);
}

TEST_F(Toolbars, TheDocksPictureIsTiledFromItsParentsOriginUnderItsToolbars) {
    TBitmap picture;
    picture.SetWidth(5);
    picture.SetHeight(3);
    const auto tileColour = [](int x, int y) { return TColor(RGB(40 * (x % 5) + 20, 60 * (y % 3) + 30, 90)); };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.Canvas()->SetPixels(x, y, tileColour(x, y));
    dock->SetBoundLines(TDockBoundLines{blTop, blLeft});
    dock->SetBackground(&picture);
    TToolbarQy* toolbar = NewToolbar(dock);
    Button(toolbar, "A");
    toolbar->ArrangeContent();
    form->Show();
    DispatchQueuedMessages();

    // The colour shown at a point of the form's client area.
    const auto shown = [&](TPoint at) {
        RECT window;
        GetWindowRect(form->Handle(), &window);
        const TPoint origin = form->ClientToScreen(TPoint{0, 0});
        const HBITMAP shot = CaptureWindow(form->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        const COLORREF colour = GetPixel(dc, origin.x - window.left + at.x, origin.y - window.top + at.y);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return colour;
    };
    const TPoint bar = form->ScreenToClient(toolbar->ClientToScreen(TPoint{0, 0}));
    RECT barWindow;
    GetWindowRect(toolbar->Handle(), &barWindow);
    const TPoint barFrame = form->ScreenToClient(TPoint{barWindow.left, barWindow.top});
    const TPoint cases[] = {
        {toolbar->Left() + toolbar->Width() + 7, 4},  // the dock beside the toolbar
        {dock->Width() - 3, dock->Height() - 2},      // the dock's far corner
        {barFrame.x + 1, barFrame.y + 1},             // the toolbar's frame inside its edge
        {barFrame.x + 3, barFrame.y + 2},             // its drag handle
    };
    for (const TPoint& at : cases)
        EXPECT_EQ(shown(at), COLORREF(tileColour(at.x, at.y))) << "at " << at.x << "," << at.y;
    EXPECT_EQ(shown(TPoint{bar.x, bar.y}), COLORREF(ColorToRGB(clBtnFace))) << "the button covers the client";
    auto* button = static_cast<TToolbarButtonQy*>(toolbar->Controls(0));
    button->SetOpaque(false);
    DispatchQueuedMessages();
    EXPECT_EQ(shown(TPoint{bar.x, bar.y}), COLORREF(tileColour(bar.x, bar.y))) << "a button not opaque lets it show";

    dock->SetBackgroundTransparent(true);
    DispatchQueuedMessages();
    const TPoint clear{(dock->Width() - 10) / 5 * 5, 3 * 2 + 2};  // a tile's bottom-left pixel
    EXPECT_EQ(shown(clear), COLORREF(ColorToRGB(clBtnFace))) << "the bottom-left colour shows the dock's colour";
    EXPECT_EQ(shown(TPoint{clear.x + 1, clear.y}), COLORREF(tileColour(1, 2)));
}

class DraggedToolbars : public Toolbars {
protected:
    void SetUp() override {
        Toolbars::SetUp();
        bottom = new TDockQy(form.get());
        bottom->SetParent(form.get());
        bottom->SetPosition(dpBottom);
        toolbar = NewToolbar(dock);
        for (const char* caption : {"一", "二", "三"}) Button(toolbar, caption);
        toolbar->ArrangeContent();
        form->Show();
        DispatchQueuedMessages();
    }
    // Presses on the drag handle, moves to a point of the form's client
    // area and lets go.
    void Drag(TPoint to, bool ctrl = false) {
        // The drag handle docked, the caption floating.
        const POINT handle = toolbar->Floating() ? POINT{20, -8} : POINT{-5, 10};
        if (ctrl) SimulateKey(VK_CONTROL, true);
        SimulateMouseButton(toolbar->Handle(), handle, VK_LBUTTON, true);
        SimulateMouseMove(form->Handle(), to);
        SimulateMouseButton(form->Handle(), to, VK_LBUTTON, false);
        DispatchQueuedMessages();
        if (ctrl) SimulateKey(VK_CONTROL, false);
        DispatchQueuedMessages();
    }

    TDockQy* bottom = nullptr;
    TToolbarQy* toolbar = nullptr;
};

TEST_F(DraggedToolbars, ADragMovesTheToolbarToAnotherDockOrFloatsIt) {
    ASSERT_EQ(toolbar->DockedTo(), dock);
    Drag(TPoint{100, form->ClientHeight() - 5});
    EXPECT_EQ(toolbar->DockedTo(), bottom);
    EXPECT_EQ(dock->Height(), 0);
    EXPECT_EQ(bottom->Height(), 27);
    EXPECT_TRUE(DesktopOverlays().empty()) << "the outline was erased";

    Drag(TPoint{300, 150});
    EXPECT_TRUE(toolbar->Floating());
    EXPECT_EQ(bottom->Height(), 0);
    EXPECT_EQ(toolbar->ClientHeight(), 2 + 23 + 1);

    Drag(TPoint{100, 2});
    EXPECT_EQ(toolbar->DockedTo(), dock) << "dropped at the top edge";
}

TEST_F(DraggedToolbars, CtrlSuppressesDockingAndACannotFloatToolbarStays) {
    Drag(TPoint{100, form->ClientHeight() - 5}, true);
    EXPECT_TRUE(toolbar->Floating()) << "Ctrl held: no dock takes it";

    toolbar->SetDockedTo(dock);
    toolbar->SetDockMode(dmCannotFloat);
    Drag(TPoint{300, 150});
    EXPECT_EQ(toolbar->DockedTo(), dock) << "released away from every dock: stays";
}

TEST_F(DraggedToolbars, DroppedPastADocksLastRowItOpensANewRow) {
    TToolbarQy* other = NewToolbar(dock);
    Button(other, "四");
    other->ArrangeContent();
    Drag(TPoint{100, form->ClientHeight() - 5});
    ASSERT_EQ(toolbar->DockedTo(), bottom);
    ASSERT_EQ(dock->Height(), 27);
    Drag(TPoint{100, 28});
    EXPECT_EQ(toolbar->DockedTo(), dock);
    EXPECT_EQ(toolbar->DockRow(), 1);
    EXPECT_EQ(dock->Height(), 2 * 27);
}

TEST_F(DraggedToolbars, ACannotFloatToolbarAwayFromTheDocksShowsTheNoEntryCursor) {
    toolbar->SetDockMode(dmCannotFloat);
    // Asked on the way back to a dock, the cursor still shows what the
    // move away from every dock chose.
    HCURSOR shown = 0;
    bottom->OnRequestDock = [&](TObject*, TCustomToolWindowQy*, bool&) { shown = GetCursor(); };
    const POINT handle{-5, 10}, away{300, 150}, onBottom{100, form->ClientHeight() - 5};
    SimulateMouseButton(toolbar->Handle(), handle, VK_LBUTTON, true);
    SimulateMouseMove(form->Handle(), away);
    SimulateMouseMove(form->Handle(), onBottom);
    SimulateMouseButton(form->Handle(), onBottom, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(shown, LoadCursor(0, IDC_NO));
    EXPECT_EQ(toolbar->DockedTo(), bottom) << "it may still change docks";
    EXPECT_NE(GetCursor(), LoadCursor(0, IDC_NO)) << "the cursor comes back";
}

TEST_F(DraggedToolbars, ADoubleClickFloatsItAndAnotherDocksItBack) {
    const POINT handle{-5, 10};
    SimulateClick(toolbar->Handle(), handle);
    SimulateMouseButton(toolbar->Handle(), handle, VK_LBUTTON, true);
    DispatchQueuedMessages();
    SimulateMouseButton(toolbar->Handle(), handle, VK_LBUTTON, false);
    DispatchQueuedMessages();
    ASSERT_TRUE(toolbar->Floating());
    EXPECT_EQ(dock->Height(), 0);
    SaveWindowScreenshot(toolbar->Handle(), ScreenshotDir() + "toolbar-floating.png");

    const POINT caption{20, -8};
    SimulateClick(toolbar->Handle(), caption);
    SimulateMouseButton(toolbar->Handle(), caption, VK_LBUTTON, true);
    DispatchQueuedMessages();
    SimulateMouseButton(toolbar->Handle(), caption, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(toolbar->DockedTo(), dock) << "back on its last dock";
}

TEST_F(DraggedToolbars, ItIsHiddenWhileItChangesDockAndShownAgainAfter) {
    std::vector<bool> visibleWhileChanging;
    toolbar->OnDockChangingHidden = [&](TObject*, TDockQy*) {
        visibleWhileChanging.push_back(IsWindowVisible(toolbar->Handle()) != FALSE);
    };
    toolbar->SetDockedTo(bottom);
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
    toolbar->SetDockedTo(nullptr);
    ASSERT_TRUE(toolbar->Floating());
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
    toolbar->SetDockedTo(dock);
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
    EXPECT_EQ(visibleWhileChanging, (std::vector<bool>{false, false, false})) << "docked, floating, docked";
}

TEST_F(DraggedToolbars, AFloatingToolbarIsKeptInsideTheWorkArea) {
    const RECT area{50, 40, 700, 500};
    SetWorkAreaForTesting(&area);
    EXPECT_EQ(PrimaryWorkArea(), TRect(area));
    EXPECT_EQ(WorkAreaOfPoint(TPoint{900, 900}), TRect(area)) << "one monitor: its work area";
    EXPECT_EQ(WorkAreaOfRect(TRect(0, 0, 10, 10)), TRect(area));

    toolbar->SetDockedTo(nullptr);
    const int w = toolbar->Width(), h = toolbar->Height();
    toolbar->SetBounds(690, 10, w, h);
    toolbar->KeepOnScreen(true);
    EXPECT_EQ(toolbar->BoundsRect(), TRect(690, 10, 690 + w, 10 + h)) << "partly inside: left alone";
    toolbar->KeepOnScreen(false);
    EXPECT_EQ(toolbar->BoundsRect(), TRect(700 - w, 40, 700, 40 + h));
    toolbar->SetBounds(900, 700, w, h);
    toolbar->KeepOnScreen(true);
    EXPECT_EQ(toolbar->BoundsRect(), TRect(700 - w, 500 - h, 700, 500));
    SetWorkAreaForTesting(nullptr);
}

TEST_F(DraggedToolbars, TheCloseButtonHidesItUnlessTheQueryVetoes) {
    toolbar->SetDockedTo(nullptr);
    DispatchQueuedMessages();
    bool veto = true;
    int closed = 0;
    toolbar->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = !veto; };
    toolbar->OnClose = [&](TObject*) { ++closed; };
    RECT window;
    GetWindowRect(toolbar->Handle(), &window);
    const TPoint origin = toolbar->ClientOrigin();
    const int border = GetSystemMetrics(SM_CXSIZEFRAME);
    const POINT close{window.right - border - 6 - origin.x, window.top + border + 6 - origin.y};
    SimulateClick(toolbar->Handle(), close);
    DispatchQueuedMessages();
    EXPECT_TRUE(toolbar->Visible()) << "vetoed";
    veto = false;
    SimulateClick(form->Handle(), POINT{300, 300});  // not a double click
    SimulateClick(toolbar->Handle(), close);
    DispatchQueuedMessages();
    EXPECT_FALSE(toolbar->Visible());
    EXPECT_EQ(closed, 1);
}

TEST_F(DraggedToolbars, AFloatingToolbarResizedByItsEdgeSnapsToTheLayoutsItsItemsAllow) {
    toolbar->SetDockedTo(nullptr);
    DispatchQueuedMessages();
    ASSERT_TRUE(toolbar->Floating());
    const int oneLine = toolbar->Width();
    RECT window;
    GetWindowRect(toolbar->Handle(), &window);
    EXPECT_EQ(SendMessage(toolbar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.right - 1, window.bottom - 1)),
              LRESULT(HTBOTTOM))
        << "a toolbar has four sizing zones, no corners";
    // Presses on the right sizing border (each time a little lower, so that
    // no press makes a double click), moves by `by` and lets go.
    int y = 4;
    const auto dragRightEdge = [&](int by) {
        const POINT from{toolbar->BoundsRect().right - 2 - toolbar->ClientOrigin().x, y += 3};
        const POINT to{from.x + by, from.y};
        SimulateMouseMove(toolbar->Handle(), from);
        SimulateMouseButton(toolbar->Handle(), from, VK_LBUTTON, true);
        SimulateMouseMove(toolbar->Handle(), to);
        SimulateMouseButton(toolbar->Handle(), to, VK_LBUTTON, false);
        DispatchQueuedMessages();
    };
    dragRightEdge(-8);
    EXPECT_EQ(toolbar->Width(), oneLine) << "within the snap distance";
    dragRightEdge(-20);
    EXPECT_EQ(toolbar->ClientWidth(), 4 + 60 + 4) << "two buttons a line";
    EXPECT_EQ(toolbar->ClientHeight(), 2 + 23 + 23 + 1);
    EXPECT_EQ(toolbar->FloatRightX(), 4 + 60 + 4);
    dragRightEdge(-1);
    EXPECT_EQ(toolbar->ClientWidth(), 4 + 60 + 4) << "a wrapped size snaps too";
    dragRightEdge(-20);
    EXPECT_EQ(toolbar->ClientWidth(), 4 + 30 + 4) << "a wish below a layout takes the next smaller one";
    EXPECT_EQ(toolbar->ClientHeight(), 2 + 23 + 23 + 23 + 1);
    dragRightEdge(200);
    EXPECT_EQ(toolbar->Width(), oneLine) << "never past one line";
    EXPECT_EQ(toolbar->FloatRightX(), 0);
    EXPECT_TRUE(DesktopOverlays().empty()) << "the outline was erased";
}

// ---- the button ------------------------------------------------------------------------------

TEST_F(DraggedToolbars, AButtonLightsUpPressesAndTogglesInItsGroup) {
    auto* first = static_cast<TToolbarButtonQy*>(toolbar->Controls(0));
    auto* second = static_cast<TToolbarButtonQy*>(toolbar->Controls(1));
    auto* third = static_cast<TToolbarButtonQy*>(toolbar->Controls(2));
    int clicks = 0;
    first->SetOnClick([&](TObject*) { ++clicks; });
    for (TToolbarButtonQy* b : {first, second}) b->SetGroupIndex(1);
    third->SetEnabled(false);
    EXPECT_EQ(third->State(), tbsDisabled);
    DispatchQueuedMessages();
    // A disabled caption is embossed: highlight and shadow, nothing darker.
    const HBITMAP shot = CaptureWindow(toolbar->Handle());
    const HDC shotDC = CreateCompatibleDC(0);
    const HGDIOBJ oldShot = SelectObject(shotDC, shot);
    const TPoint at = toolbar->ClientOrigin();
    RECT window;
    GetWindowRect(toolbar->Handle(), &window);
    int shadow = 0, dark = 0;
    for (int y = third->Top(); y < third->Top() + third->Height(); ++y)
        for (int x = third->Left(); x < third->Left() + third->Width(); ++x) {
            const COLORREF c = GetPixel(shotDC, at.x - window.left + x, at.y - window.top + y);
            shadow += c == COLORREF(ColorToRGB(clBtnShadow));
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100;
        }
    SelectObject(shotDC, oldShot);
    DeleteDC(shotDC);
    DeleteObject(shot);
    EXPECT_GT(shadow, 0);
    EXPECT_EQ(dark, 0);

    SimulateMouseMove(toolbar->Handle(), POINT{5, 5});
    DispatchQueuedMessages();
    EXPECT_EQ(first->State(), tbsMouseIn);
    SimulateMouseButton(toolbar->Handle(), POINT{5, 5}, VK_LBUTTON, true);
    DispatchQueuedMessages();
    EXPECT_EQ(first->State(), tbsDown);
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "toolbar-pressed.png"));
    SimulateMouseButton(toolbar->Handle(), POINT{5, 5}, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(first->Down());

    SimulateClick(toolbar->Handle(), POINT{35, 5});
    DispatchQueuedMessages();
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down()) << "one down in a group";
    SimulateClick(toolbar->Handle(), POINT{35, 5});
    DispatchQueuedMessages();
    EXPECT_TRUE(second->Down()) << "without AllowAllUp the down one stays down";
    second->SetAllowAllUp(true);
    SimulateClick(toolbar->Handle(), POINT{35, 5});
    DispatchQueuedMessages();
    EXPECT_FALSE(second->Down());
}

TEST_F(DraggedToolbars, ASplitButtonOpensItsMenuOnlyFromTheArrowPart) {
    auto* split = static_cast<TToolbarButtonQy*>(toolbar->Controls(1));
    split->SetDropdownAlways(true);
    split->SetDropdownCombo(true);
    EXPECT_EQ(split->Width(), 30 + 9 + 2) << "widened by the arrow part";
    toolbar->ArrangeContent();
    DispatchQueuedMessages();
    int clicks = 0, dropdowns = 0;
    split->SetOnClick([&](TObject*) { ++clicks; });
    split->OnDropdown = [&](TObject*, bool& showMenu, bool&) {
        ++dropdowns;
        showMenu = false;
    };
    const int left = split->Left(), top = split->Top() + 5;
    SimulateClick(toolbar->Handle(), POINT{left + 5, top});
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dropdowns, 0) << "the button part only clicks";
    SimulateClick(toolbar->Handle(), POINT{left + 30 + 5, top});
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1) << "the arrow part does not click";
    EXPECT_EQ(dropdowns, 1);

    // A press on the button while its menu is open closes the menu and
    // does not open it again.
    std::unique_ptr<TPopupMenu> menu{TPopupMenu::Create(nullptr)};
    auto* item = new TMenuItem(menu.get());
    item->SetCaption("一项");
    menu->Items()->Add(item);
    split->SetDropdownMenu(menu.get());
    split->OnDropdown = [&](TObject*, bool&, bool&) { ++dropdowns; };
    SimulateClick(toolbar->Handle(), POINT{left + 30 + 5, top});
    SimulateClick(toolbar->Handle(), POINT{left + 30 + 5, top + 3});
    DispatchQueuedMessages();
    EXPECT_EQ(dropdowns, 2);
    split->SetDropdownMenu(nullptr);

    split->SetDropdownArrowWidth(3);
    EXPECT_EQ(split->DropdownArrowWidth(), 7);
    EXPECT_EQ(split->Width(), 30 + 7 + 2);
    split->SetDropdownCombo(false);
    EXPECT_EQ(split->Width(), 30);
}

}  // namespace

namespace {

// The frame repaints of that kind waiting in the queue, with their parts.
std::vector<LPARAM> QueuedRepaints(HWND window, UINT message) {
    std::vector<LPARAM> parts;
    MSG msg;
    while (PeekMessage(&msg, window, message, message, PM_REMOVE)) parts.push_back(msg.lParam);
    for (LPARAM p : parts) PostMessage(window, message, 0, p);
    return parts;
}

}  // namespace

TEST_F(DraggedToolbars, FrameRepaintsWaitInTheQueueAsOneMessage) {
    constexpr UINT docked = TCustomToolWindowQy::WM_DOCKEDFRAMEREPAINT;
    constexpr UINT floating = TCustomToolWindowQy::WM_FLOATINGFRAMEREPAINT;
    toolbar->RequestDockedFrameRepaint();
    toolbar->RequestDockedFrameRepaint();
    EXPECT_EQ(QueuedRepaints(toolbar->Handle(), docked).size(), 1u);
    DispatchQueuedMessages();
    EXPECT_TRUE(QueuedRepaints(toolbar->Handle(), docked).empty());

    Drag(TPoint{300, 150});
    ASSERT_TRUE(toolbar->Floating());
    DispatchQueuedMessages();
    toolbar->RequestFloatingFrameRepaint(TCustomToolWindowQy::FramePartCaption);
    toolbar->RequestFloatingFrameRepaint(TCustomToolWindowQy::FramePartCloseButton);
    EXPECT_EQ(QueuedRepaints(toolbar->Handle(), floating),
              (std::vector<LPARAM>{TCustomToolWindowQy::FramePartCaption | TCustomToolWindowQy::FramePartCloseButton}));
    SendMessage(toolbar->Handle(), WM_NCPAINT, 1, 0);
    EXPECT_TRUE(QueuedRepaints(toolbar->Handle(), floating).empty()) << "a whole frame paint takes the waiting parts";

    toolbar->SetVisible(false);
    DispatchQueuedMessages();
    toolbar->RequestFloatingFrameRepaint(TCustomToolWindowQy::FramePartBorder);
    EXPECT_TRUE(QueuedRepaints(toolbar->Handle(), floating).empty()) << "nothing for a hidden window";
}

TEST(ToolWindowCaption, ATooLongCaptionLosesCharactersBeforeTheDots) {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);  // the caption is measured
    const HDC dc = CreateCompatibleDC(0);
    SIZE dots{}, whole{};
    GetTextExtentPoint32(dc, "...", 3, &dots);
    GetTextExtentPoint32(dc, "预览工具栏", 10, &whole);
    EXPECT_EQ(FitCaptionText(dc, "预览工具栏", whole.cx), "预览工具栏");
    const AnsiString cut = FitCaptionText(dc, "预览工具栏", whole.cx - 1);
    ASSERT_GT(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ((cut.size() - 3) % 2, 0u) << "never half a double-byte character";
    SIZE shown{};
    GetTextExtentPoint32(dc, cut.c_str(), int(cut.size()), &shown);
    EXPECT_LE(shown.cx, whole.cx - 1);
    EXPECT_EQ(FitCaptionText(dc, "ABCDEFGH", 1), "A...") << "four characters are kept at least";
    EXPECT_EQ(FitCaptionText(dc, "预览工具栏", 1), "预...");
    DeleteDC(dc);
}

TEST_F(DraggedToolbars, AFloatingToolbarHidesWithItsFormAndAnInactiveApplication) {
    Drag(TPoint{300, 150});
    ASSERT_TRUE(toolbar->Floating());
    ASSERT_TRUE(IsWindowVisible(toolbar->Handle()));
    SetActiveWindow(form->Handle());
    ApplicationActivated(false);
    EXPECT_FALSE(IsWindowVisible(toolbar->Handle()));
    EXPECT_TRUE(toolbar->Visible()) << "only its window goes";
    ApplicationActivated(true);
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));

    toolbar->SetHideWhenInactive(false);
    ApplicationActivated(false);
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
    EXPECT_TRUE(toolbar->CaptionInactive());
    ApplicationActivated(true);
    EXPECT_FALSE(toolbar->CaptionInactive());

    form->Hide();
    EXPECT_FALSE(IsWindowVisible(toolbar->Handle())) << "on top of its parent form, it goes with it";
    form->Show();
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
    toolbar->SetDockedTo(dock);
    EXPECT_TRUE(IsWindowVisible(toolbar->Handle()));
}

TEST_F(DraggedToolbars, AFloatingToolbarIsOwnedByItsFormOrTheApplicationAndKeptAboveIt) {
    toolbar->SetDockedTo(nullptr);
    DispatchQueuedMessages();
    const HWND bar = toolbar->Handle();
    EXPECT_EQ(GetWindow(bar, GW_OWNER), form->Handle());
    EXPECT_FALSE(GetWindowLongPtr(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) << "its owner is not topmost";

    toolbar->SetFloatingMode(fmOnTopOfAllForms);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), Application->Handle());
    EXPECT_TRUE(GetWindowLongPtr(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) << "enabled: on top of every form";
    EnableWindow(bar, FALSE);
    EXPECT_FALSE(GetWindowLongPtr(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EnableWindow(bar, TRUE);

    std::unique_ptr<TForm> other{TForm::Create(nullptr, 0)};
    other->SetBounds(150, 150, 200, 100);
    other->Show();
    DispatchQueuedMessages();
    toolbar->SetFloatingMode(fmOnTopOfParentForm);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), form->Handle());
    EXPECT_FALSE(GetWindowLongPtr(bar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(other->Handle(), GW_HWNDNEXT), bar) << "right below the window above its form";

    // The form's window goes and comes back: the floating parent holds the
    // toolbar meanwhile, and the new window owns it once it shows.
    form->RecreateWnd();
    form->HandleNeeded();
    DispatchQueuedMessages();
    ASSERT_TRUE(IsWindow(bar));
    ApplicationActivated(false);
    ApplicationActivated(true);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), form->Handle());
}

TEST_F(DraggedToolbars, AHeldRepeatingButtonClicksOnTheClockOnlyOverItself) {
    FrozenClockScope clock(EncodeDate(2026, 12, 11));
    auto* first = static_cast<TToolbarButtonQy*>(toolbar->Controls(0));
    first->SetRepeating(true);
    int clicks = 0;
    first->SetOnClick([&](TObject*) { ++clicks; });
    const auto wait = [](int ms) {
        AdvanceClock(ms);
        DispatchQueuedMessages();
    };
    SimulateMouseMove(toolbar->Handle(), POINT{5, 5});
    SimulateMouseButton(toolbar->Handle(), POINT{5, 5}, VK_LBUTTON, true);
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1) << "at once on the press";
    wait(399);
    EXPECT_EQ(clicks, 1);
    wait(1);
    EXPECT_EQ(clicks, 2) << "after the repeat delay";
    wait(100);
    wait(100);
    EXPECT_EQ(clicks, 4) << "then every repeat interval";

    SimulateMouseMove(toolbar->Handle(), POINT{65, 5});  // over the third button
    DispatchQueuedMessages();
    wait(100);
    wait(100);
    EXPECT_EQ(clicks, 4) << "off the button it waits";
    SimulateMouseMove(toolbar->Handle(), POINT{5, 5});
    DispatchQueuedMessages();
    wait(100);
    EXPECT_EQ(clicks, 5) << "back over it, it goes on";
    SimulateMouseButton(toolbar->Handle(), POINT{5, 5}, VK_LBUTTON, false);
    DispatchQueuedMessages();
    wait(500);
    EXPECT_EQ(clicks, 5) << "no click on release and none after";
}

TEST_F(DraggedToolbars, PrintingADockedToolbarDrawsItsFrameAndChildWindowsInPlace) {
    auto* swatch = new TPanel(form.get());
    swatch->SetBevelOuter(bvNone);
    swatch->SetColor(clRed);
    swatch->SetWidth(16);
    swatch->SetParent(toolbar);
    auto* edit = new TEditQy(form.get());
    edit->SetWidth(40);
    edit->SetText("88");
    edit->SetParent(toolbar);
    toolbar->ArrangeContent();
    DispatchQueuedMessages();
    const int w = toolbar->Width(), h = toolbar->Height();
    const HDC screen = GetDC(0);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP printed = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(0, screen);
    const HGDIOBJ old = SelectObject(dc, printed);
    SendMessage(toolbar->Handle(), WM_PRINT, WPARAM(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    const HBITMAP shown = CaptureWindow(toolbar->Handle());
    const HDC shownDC = CreateCompatibleDC(0);
    const HGDIOBJ oldShown = SelectObject(shownDC, shown);
    POINT at{swatch->Left() + 8, swatch->Top() + 4};
    ClientToScreen(toolbar->Handle(), &at);
    RECT r;
    GetWindowRect(toolbar->Handle(), &r);
    at = POINT{at.x - r.left, at.y - r.top};
    EXPECT_EQ(GetPixel(dc, at.x, at.y), RGB(255, 0, 0)) << "the child window at its place";
    for (const POINT p : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{4, h / 2}, at})
        EXPECT_EQ(GetPixel(dc, p.x, p.y), GetPixel(shownDC, p.x, p.y)) << "as shown at " << p.x << "," << p.y;
    // The flat edit prints its frame and its text as it shows them.
    const POINT editAt{at.x - swatch->Left() + edit->Left(), at.y - swatch->Top() + edit->Top()};
    int differing = 0, dark = 0;
    for (int y = 0; y < edit->Height(); ++y)
        for (int x = 0; x < edit->Width(); ++x) {
            const COLORREF printedColour = GetPixel(dc, editAt.x + x, editAt.y + y);
            differing += printedColour != GetPixel(shownDC, editAt.x + x, editAt.y + y);
            dark += printedColour == RGB(0, 0, 0);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(dark, 0) << "the text";
    SelectObject(shownDC, oldShown);
    DeleteDC(shownDC);
    DeleteObject(shown);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(printed);
}
