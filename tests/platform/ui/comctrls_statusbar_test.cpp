// TStatusBar: panels mirrored into the "msctls_statusbar32" window (edges,
// texts with their alignment, the last panel to the right edge), the simple
// panel, owner-drawn panels painted through OnDrawPanel, and the size grip
// only on a sizeable form.

#include "tests/platform/ui/control_fixture.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/win/commctrl_statusbar.h"

namespace {

AnsiString PartText(HWND bar, WPARAM part) {
    char text[64] = {};
    SendMessage(bar, SB_GETTEXT, part, LPARAM(text));
    return text;
}

std::vector<int> Edges(HWND bar) {
    std::vector<int> edges(std::size_t(SendMessage(bar, SB_GETPARTS, 0, 0)));
    SendMessage(bar, SB_GETPARTS, edges.size(), LPARAM(edges.data()));
    return edges;
}

}  // namespace

class StatusBarTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        bar = TStatusBar::Create(form);
        for (int width : {100, 160, 100}) bar->Panels()->Add()->SetWidth(width);
        bar->Panels()->Items(0)->SetText("第 1/2 页");
        bar->Panels()->Items(1)->SetText("链接");
        bar->Panels()->Items(1)->SetAlignment(taCenter);
        bar->Panels()->Items(2)->SetAlignment(taRightJustify);
        bar->Panels()->Items(2)->SetBevel(pbRaised);
        bar->SetParent(form);
        ProcessMessages();
    }
    TStatusBar* bar = nullptr;
};

TEST_F(StatusBarTest, PanelsReachTheWindowTheLastToTheRightEdge) {
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Height(), 19);
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    const HWND window = bar->Handle();
    EXPECT_EQ(Edges(window), (std::vector<int>{100, 260, -1}));
    EXPECT_EQ(PartText(window, 0), AnsiString("第 1/2 页"));
    EXPECT_EQ(PartText(window, 1), AnsiString("\t链接"));
    // The length in the low word, the raised border in the high word.
    EXPECT_EQ(SendMessage(window, SB_GETTEXTLENGTH, 2, 0), MAKELONG(2, SBT_POPOUT));
    RECT last{};
    ASSERT_TRUE(SendMessage(window, SB_GETRECT, 2, LPARAM(&last)));
    EXPECT_EQ(last.right, bar->ClientWidth());

    // A width changed later moves every edge after it; text drawn shows.
    bar->Panels()->Items(0)->SetWidth(120);
    EXPECT_EQ(Edges(window), (std::vector<int>{120, 280, -1}));
    ProcessMessages();
    RECT middle{};
    SendMessage(window, SB_GETRECT, 1, LPARAM(&middle));
    EXPECT_TRUE(ColoursIn(window, middle).count(GetSysColor(COLOR_BTNTEXT)));

    bar->Panels()->Clear();
    EXPECT_EQ(Edges(window), std::vector<int>{-1});
}

TEST_F(StatusBarTest, SimplePanelShowsItsTextAndKeepsThePanels) {
    bar->SetSimpleText("正在打印");
    bar->SetSimplePanel(true);
    const HWND window = bar->Handle();
    EXPECT_TRUE(SendMessage(window, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(PartText(window, SB_SIMPLEID), AnsiString("正在打印"));
    RECT none{};
    EXPECT_FALSE(SendMessage(window, SB_GETRECT, 0, LPARAM(&none)));
    bar->SetSimplePanel(false);
    EXPECT_EQ(PartText(window, 0), AnsiString("第 1/2 页"));
    // A window made again gets everything back.
    bar->SetSimplePanel(true);
    bar->SetSizeGrip(false);
    EXPECT_TRUE(SendMessage(bar->Handle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(PartText(bar->Handle(), SB_SIMPLEID), AnsiString("正在打印"));
}

TEST_F(StatusBarTest, OwnerDrawnPanelsPaintThroughOnDrawPanel) {
    std::vector<TStatusPanel*> drawn;
    TRect where;
    bar->SetOnDrawPanel([&](TCustomStatusBar* sender, TStatusPanel* panel, const TRect& rect) {
        drawn.push_back(panel);
        where = rect;
        sender->Canvas()->Brush()->SetColor(clRed);
        sender->Canvas()->FillRect(rect);
    });
    bar->Panels()->Items(1)->SetStyle(psOwnerDraw);
    bar->Repaint();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back(), bar->Panels()->Items(1));
    RECT part{};
    SendMessage(bar->Handle(), SB_GETRECT, 1, LPARAM(&part));
    EXPECT_GE(where.left, part.left);
    EXPECT_LE(where.right, part.right);
    const RECT inside{where.left + 1, where.top + 1, where.right - 1, where.bottom - 1};
    EXPECT_EQ(ColoursIn(bar->Handle(), inside), std::set<COLORREF>{RGB(255, 0, 0)});
}

TEST_F(StatusBarTest, TheGripShowsOnlyOnASizeableForm) {
    const auto hasGrip = [](TStatusBar* b) { return (GetWindowLongPtr(b->Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0; };
    EXPECT_TRUE(hasGrip(bar));
    // The grip answers the hit test for sizing the form from its corner.
    POINT corner{bar->Width() - 3, bar->Height() - 3};
    ClientToScreen(bar->Handle(), &corner);
    EXPECT_EQ(SendMessage(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);

    TPanel* panel = Place<TPanel>(form, 0, 0, 200, 100);
    TStatusBar* inner = TStatusBar::Create(panel);
    inner->SetParent(panel);
    EXPECT_FALSE(hasGrip(inner));

    TForm* dialog = NewForm();
    dialog->SetBorderStyle(bsDialog);
    TStatusBar* onDialog = TStatusBar::Create(dialog);
    onDialog->SetParent(dialog);
    dialog->Show();
    EXPECT_FALSE(hasGrip(onDialog));
}
