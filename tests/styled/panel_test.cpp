// The styled panel: its fill, transparency and frame controller, where its
// children go, the edges a resize keeps and repaints, the dot grid, the
// mouse events and the properties older forms stored.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/ui/docktree.h"
#include "styled/VxPanel.h"
#include "styled/VxPanelDock.h"
#include "platform/win/winpaint.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class Panel : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 300, 200);
        form_->SetColor(clYellow);
        panel_ = new TVxCustomPanel(form_.get());
        panel_->SetParent(form_.get());
        panel_->SetBounds(10, 10, 100, 60);
        panel_->SetBorderOuter(fsNone);
    }
    // The panel's pixel as shown.
    COLORREF Shown(int x, int y) {
        form_->Show();
        DispatchQueuedMessages();
        return ShownPixel(panel_->Handle(), x, y);
    }
    std::unique_ptr<TForm> form_;
    TVxCustomPanel* panel_;
};

TEST_F(Panel, ATransparentPanelShowsItsFormsBackground) {
    panel_->SetColor(clBlue);
    EXPECT_EQ(Shown(50, 30), ColorToRGB(clBlue));
    panel_->SetTransparent(true);
    panel_->Invalidate();
    EXPECT_EQ(Shown(50, 30), ColorToRGB(clYellow));
}

TEST_F(Panel, ATransparentToolbarShowsItsFormsBackground) {
    auto* toolbar = new TVxToolbar(form_.get());
    toolbar->SetParent(form_.get());
    toolbar->SetBounds(0, 100, 300, 64);
    toolbar->SetBorderOuter(fsGroove);
    toolbar->SetBorderSides(TSides{sdTop});
    toolbar->SetTransparent(true);
    form_->Show();
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(toolbar->Handle(), 150, toolbar->Height() / 2), ColorToRGB(clYellow));
    EXPECT_EQ(ShownPixel(toolbar->Handle(), 150, 0), ColorToRGB(clBtnShadow));
}

TEST_F(Panel, TheGradientStyleFillsWithItsRamp) {
    panel_->SetVisualStyle(vsGradient);
    panel_->SetGradientColorStyle(gcsCustom);
    panel_->SetGradientColorStart(clWhite);
    panel_->SetGradientColorStop(clBlack);
    EXPECT_EQ(Shown(50, 59), ColorToRGB(clBlack));
    EXPECT_GT(GetRValue(Shown(50, 0)), 240);
}

TEST_F(Panel, AFrameControllerShowingFramesSetsTheBorders) {
    TVxFrameController controller(form_.get());
    panel_->SetColor(clAqua);
    controller.SetFrameStyle(fsGroove);
    controller.SetFrameColor(clRed);
    panel_->SetFrameController(&controller);
    EXPECT_EQ(panel_->BorderOuter(), fsNone);  // frames hidden: the panel keeps its own
    panel_->SetFrameControllerNotifications(TVxFrameControllerNotifications{fcpFrameStyle, fcpFrameColor});
    controller.SetFrameVisible(true);
    EXPECT_EQ(panel_->BorderOuter(), fsGroove);
    EXPECT_EQ(panel_->FlatColor(), clRed);
    EXPECT_EQ(panel_->FlatColorAdjustment(), 0);
    EXPECT_NE(panel_->Color(), controller.Color());  // fcpColor not accepted
    panel_->SetFrameController(nullptr);
    controller.SetFrameStyle(fsBump);
    EXPECT_EQ(panel_->BorderOuter(), fsGroove);
}

TEST_F(Panel, TheCaptionSitsInTheMiddleAndIsEmbossedWhenDisabled) {
    panel_->SetCaption("接待登记");
    auto rowHas = [this](int top, int bottom, TColor color) {
        Shown(0, 0);
        const HBITMAP shot = CaptureWindow(panel_->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        bool found = false;
        for (int y = top; y < bottom && !found; ++y)
            for (int x = 0; x < 100 && !found; ++x) found = GetPixel(dc, x, y) == ColorToRGB(color);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return found;
    };
    EXPECT_TRUE(rowHas(22, 38, clWindowText));
    EXPECT_FALSE(rowHas(0, 12, clWindowText));
    EXPECT_FALSE(rowHas(48, 60, clWindowText));
    panel_->SetEnabled(false);
    EXPECT_TRUE(rowHas(22, 38, clBtnShadow));
    EXPECT_TRUE(rowHas(22, 39, clBtnHighlight));
    EXPECT_FALSE(rowHas(22, 38, clWindowText));
}

TEST_F(Panel, ChildrenGetBackTheirEnabledStateWhenThePanelIsEnabledAgain) {
    auto* on = new TPanel(form_.get());
    auto* off = new TPanel(form_.get());
    for (TControl* child : {static_cast<TControl*>(on), static_cast<TControl*>(off)}) child->SetParent(panel_);
    off->SetEnabled(false);
    panel_->SetEnabled(false);
    EXPECT_FALSE(on->Enabled());
    auto* later = new TPanel(form_.get());
    later->SetParent(panel_);
    panel_->SetEnabled(true);
    EXPECT_TRUE(on->Enabled());
    EXPECT_FALSE(off->Enabled());
    EXPECT_TRUE(later->Enabled());
}

// The settings no placed panel publishes.
class GridPanel : public TVxCustomPanel {
public:
    using TVxCustomPanel::TVxCustomPanel;
    using TVxCustomPanel::SetDotGridSpacingX;
    using TVxCustomPanel::SetDotGridSpacingY;
    using TVxCustomPanel::SetDotGridStyle;
    using TVxCustomPanel::SetShowDotGrid;
};

TEST_F(Panel, TheDotGridDrawsEverySpacingFromOneInsideTheCorner) {
    auto* grid = new GridPanel(form_.get());
    grid->SetParent(form_.get());
    grid->SetBounds(150, 10, 40, 30);
    grid->SetBorderOuter(fsNone);
    grid->SetShowDotGrid(true);
    grid->SetDotGridSpacingX(10);
    grid->SetDotGridSpacingY(10);
    const COLORREF dot = ColorToRGB(clBtnShadow);
    struct Case {
        Byte style;
        int x, y;
        bool drawn;
    };
    const Case cases[] = {
        {0, 9, 9, true},   {0, 29, 19, true}, {0, 10, 9, false}, {0, 9, 4, false}, {0, 39, 9, true},
        {2, 9, 4, true},   {2, 3, 19, true},  {2, 4, 4, false},  {1, 9, 1, true},  {1, 9, 2, false},
        {1, 2, 9, false},  {1, 3, 9, true},
    };
    for (const Case& c : cases) {
        grid->SetDotGridStyle(c.style);
        grid->Invalidate();
        Shown(0, 0);
        EXPECT_EQ(ShownPixel(grid->Handle(), c.x, c.y) == dot, c.drawn)
            << int(c.style) << " at " << c.x << "," << c.y;
    }
}

TEST_F(Panel, ChildrenSitInsideTheBorderWidthAndTheBordersOnTheirSides) {
    panel_->SetBorderWidth(2);
    panel_->SetBevelWidth(3);
    panel_->SetBorderOuter(fsStatus);
    panel_->SetBorderInner(fsGroove);
    panel_->SetBorderSides(TSides{sdLeft, sdBottom});
    auto* child = new TPanel(form_.get());
    child->SetParent(panel_);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), TRect(2 + 3 + 2, 2, 100 - 2, 60 - 2 - 3 - 2));
}

TEST_F(Panel, AResizedBottomOrRightPanelKeepsItsFarEdge) {
    struct Case {
        TAlign align;
        int width, height;
        TRect expected;
    };
    const Case cases[] = {
        {alBottom, 100, 40, TRect(10, 30, 110, 70)},
        {alRight, 60, 60, TRect(50, 10, 110, 70)},
        {alNone, 60, 40, TRect(10, 10, 70, 50)},
    };
    for (const Case& c : cases) {
        TVxCustomPanel loose(nullptr);
        loose.SetBounds(10, 10, 100, 60);
        loose.SetAlign(c.align);
        loose.SetBounds(loose.Left(), loose.Top(), c.width, c.height);
        EXPECT_EQ(loose.BoundsRect(), c.expected) << c.align;
    }
}

// The window system here repaints a resized window whole; what the panel
// asks for itself shows when it is told of a new size.
TEST_F(Panel, ResizingWithoutFullRepaintRepaintsOnlyTheOldFarBorders) {
    panel_->SetBorderOuter(fsRaised);
    Shown(0, 0);
    const HRGN dirty = CreateRectRgn(0, 0, 0, 0);
    auto resizeTo = [&](int width, int height) {
        ValidateRect(panel_->Handle(), nullptr);
        WINDOWPOS pos{panel_->Handle(), 0, 10, 10, width, height, SWP_NOZORDER | SWP_NOMOVE};
        panel_->Perform(WM_WINDOWPOSCHANGED, 0, LPARAM(&pos));
        GetUpdateRgn(panel_->Handle(), dirty, FALSE);
    };
    panel_->SetFullRepaint(false);
    resizeTo(130, 60);
    EXPECT_TRUE(PtInRegion(dirty, 97, 30)) << "the old right border";
    EXPECT_TRUE(PtInRegion(dirty, 99, 0));
    EXPECT_FALSE(PtInRegion(dirty, 96, 30));
    EXPECT_FALSE(PtInRegion(dirty, 50, 57)) << "the height did not change";
    resizeTo(100, 80);
    EXPECT_TRUE(PtInRegion(dirty, 50, 57));
    EXPECT_FALSE(PtInRegion(dirty, 50, 56));
    EXPECT_FALSE(PtInRegion(dirty, 98, 30));
    panel_->SetFullRepaint(true);
    resizeTo(130, 60);
    EXPECT_TRUE(PtInRegion(dirty, 50, 30));
    DeleteObject(dirty);
}

TEST_F(Panel, MouseEnterAndLeaveReachTheirEvents) {
    std::vector<AnsiString> seen;
    panel_->SetOnMouseEnter([&seen](TObject*) { seen.push_back("enter"); });
    panel_->SetOnMouseLeave([&seen](TObject*) { seen.push_back("leave"); });
    panel_->Perform(CM_MOUSEENTER, 0, 0);
    panel_->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(seen, (std::vector<AnsiString>{"enter", "leave"}));
}

TEST_F(Panel, DockedClientsGetCaptionStripsWithACloseGlyph) {
    panel_->SetBounds(10, 10, 160, 120);
    panel_->SetBorderOuter(fsFlat);
    panel_->SetDockSite(true);
    panel_->SetUseDockManager(true);
    auto* client = new TPanel(form_.get());
    client->SetParent(form_.get());
    client->SetCaption("客户");
    client->ManualDock(panel_);
    ASSERT_TRUE(dynamic_cast<TVxPanelDockManager*>(panel_->DockManager()));
    EXPECT_TRUE(panel_->DoubleBuffered());
    EXPECT_EQ(client->BoundsRect(), TRect(1, 1 + 14, 159, 119)) << "inside the border, below the strip";
    const COLORREF strip = ColorToRGB(clInactiveCaption), glyph = ColorToRGB(clInactiveCaptionText);
    EXPECT_EQ(Shown(100, 2), strip);
    bool crossed = false;
    for (int x = 159 - 15; x < 159 - 2 && !crossed; ++x)
        for (int y = 2; y < 13 && !crossed; ++y) crossed = ShownPixel(panel_->Handle(), x, y) == glyph;
    EXPECT_TRUE(crossed) << "the close glyph";

    panel_->SetAlign(alTop);
    panel_->DockManager()->ResetBounds();
    EXPECT_EQ(client->Left(), 1 + 14) << "the strip runs down the left of a top panel";
    EXPECT_EQ(Shown(5, 60), strip);
    panel_->SetShowDockClientCaptions(false);
    panel_->Invalidate();
    EXPECT_NE(Shown(5, 60), strip);
}

TEST(PanelStream, PropertiesOlderFormsStoredAreReadOrDropped) {
    std::unique_ptr<TForm> form(new TForm(nullptr, 0));
    auto* panel = new TVxCustomPanel(form.get());
    panel->SetName("Old");
    ReadComponentFromString(R"(object Old: TVxCustomPanel
  FrameSides = [sdLeft, sdTop]
  ThemeAware = True
  UseGradients = True
  Color = clRed
end
)",
                            panel);
    EXPECT_EQ(panel->VisualStyle(), vsGradient);
    EXPECT_EQ(panel->BorderSides(), AllSides);
    EXPECT_EQ(panel->Color(), clRed);
}

}  // namespace
