// The pop-up list box: whole rows, type-ahead on the clock, the focus
// staying in the editor, and its grip's side.
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

class PopupListboxTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        edit = Place<TEdit>(form, 10, 10, 120, 24);
        list = TPopupListboxVyn::Create(edit);
        list->SetParent(form);
        for (const char* item : {"apple", "banana", "bandit", "cherry", "date", "elder"}) list->Items()->Add(item);
        list->SetBounds(0, 0, 120, 100);
        edit->SetFocus();
        ShowDropDownAt(list, form->ClientToScreen(TPoint{10, 34}));
        ProcessMessages();
    }
    void Type(char key) { list->Perform(WM_CHAR, static_cast<unsigned char>(key), 0); }
    TEdit* edit = nullptr;
    TPopupListboxVyn* list = nullptr;
};

TEST_F(PopupListboxTest, ShowsWholeRowsOnly) {
    const int row = list->ItemHeight(), border = TPopupListboxVyn::BorderHeight(list);
    ASSERT_GT(row, 0);
    list->SetBounds(list->Left(), list->Top(), 120, border + 3 * row + 10);
    EXPECT_EQ(list->Height(), border + 3 * row);
    EXPECT_EQ(list->RowCount(), 3);
    list->SetBounds(list->Left(), list->Top(), 120, 2);
    EXPECT_EQ(list->RowCount(), 1);
    TPopupListboxVyn::SetRowsHeight(list, 4);
    EXPECT_EQ(list->Height(), border + 4 * row);
}

TEST_F(PopupListboxTest, TypedLettersFindAnItemWithinTwoSeconds) {
    FrozenClockScope clock(EncodeDate(2024, 1, 1));
    Type('b');
    EXPECT_EQ(list->ItemIndex(), 1);
    AdvanceClock(1000);
    Type('a');
    Type('n');
    Type('d');
    EXPECT_EQ(list->ItemIndex(), 2);
    AdvanceClock(2001);
    Type('d');
    EXPECT_EQ(list->ItemIndex(), 4);
    Type('\b');
    Type('c');
    EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(PopupListboxTest, AClickLeavesTheFocusInTheEditor) {
    ASSERT_TRUE(edit->Focused());
    const TRect item = list->ItemRect(2);
    SimulateClick(list->Handle(), POINT{item.left + 5, item.top + 2});
    ProcessMessages();
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(edit->Focused());
    SimulateMouseMove(list->Handle(), POINT{item.left + 5, list->ItemRect(4).top + 2});
    ProcessMessages();
    EXPECT_EQ(list->ItemIndex(), 4);  // hot tracking
}

TEST_F(PopupListboxTest, TheGripMovesOnItsOwnMessageOnly) {
    ASSERT_EQ(list->SizeGrip()->GripPosition(), sgpBottomRight);
    list->Perform(WM_USER + 100, 0, 0);  // a grid's deferred layout
    EXPECT_EQ(list->SizeGrip()->GripPosition(), sgpBottomRight);
    list->Perform(GripSideMessage, 0, 0);
    EXPECT_EQ(list->SizeGrip()->GripPosition(), sgpBottomLeft);
    list->Perform(GripSideMessage, 2, 0);
    EXPECT_EQ(list->SizeGrip()->GripPosition(), sgpTopLeft);
}

TEST_F(PopupListboxTest, TheMRUListsScrollBarSitsBesideTheGrip) {
    auto* mru = TMRUListboxVyn::Create(edit);
    mru->SetParent(form);
    for (int i = 0; i < 20; ++i) mru->Items()->Add(Format("item%d", {i}));
    mru->SetBounds(0, 0, 150, 100);
    ShowDropDownAt(mru, form->ClientToScreen(TPoint{150, 34}));
    ProcessMessages();
    TScrollBar* bar = mru->ScrollBar();
    ASSERT_TRUE(bar->Visible());
    const int gripHeight = mru->SizeGrip()->Height();
    const struct {
        int side;
        TSizeGripPosition grip;
        int top, bottomGap;
        bool triangle;
    } cases[] = {{3, sgpBottomRight, 0, gripHeight, false},
                 {2, sgpTopRight, gripHeight, 0, false},
                 {0, sgpTopLeft, 0, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        mru->Perform(GripSideMessage, c.side, 0);
        ProcessMessages();
        ASSERT_EQ(mru->SizeGrip()->GripPosition(), c.grip);
        EXPECT_EQ(bar->Left(), mru->ClientWidth() - bar->Width());
        EXPECT_EQ(bar->Top(), c.top);
        EXPECT_EQ(bar->Top() + bar->Height(), mru->ClientHeight() - c.bottomGap);
        EXPECT_EQ(mru->SizeGrip()->TriangleShape(), c.triangle);
    }
    EXPECT_EQ(bar->Max(), 19);
    EXPECT_EQ(bar->PageSize(), mru->ClientHeight() / mru->ItemHeight());
    // Scrolling the bar scrolls the list.
    bar->Perform(CN_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(mru->TopIndex(), 1);
    // With every item in view the bar goes and the grip is a triangle again.
    mru->Items()->Clear();
    mru->Items()->Add("one");
    mru->Perform(GripSideMessage, 1, 0);
    EXPECT_FALSE(bar->Visible());
    EXPECT_TRUE(mru->SizeGrip()->TriangleShape());
}

TEST_F(PopupListboxTest, WithImagesTheTextStartsPastTheImageColumn) {
    TImageList images(nullptr);
    images.SetWidth(12);
    images.SetHeight(12);
    TBitmap square;
    square.SetWidth(12);
    square.SetHeight(12);
    square.Canvas()->Brush()->SetColor(clRed);
    square.Canvas()->FillRect(TRect{0, 0, 12, 12});
    images.Add(&square, nullptr);
    list->SetImages(&images);
    list->SetOnGetImageIndex(TListGetImageIndexEventVyn([](TObject*, int, int& image) { image = 0; }));
    list->SetItemIndex(-1);
    list->Invalidate();
    ProcessMessages();
    const HBITMAP shot = CaptureWindow(list->Handle());
    ASSERT_NE(shot, HBITMAP(0));
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    const int border = list->BorderWidth(), row = list->ItemRect(1).top + border;
    int firstRed = -1, firstText = -1;
    for (int x = border; x < list->Width() - border; ++x)
        for (int y = row; y < row + list->ItemHeight(); ++y) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == RGB(255, 0, 0) && firstRed < 0) firstRed = x;
            if (GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100 && firstText < 0 &&
                x > border + images.Width())
                firstText = x;
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
    EXPECT_EQ(firstRed, border + 2);
    EXPECT_GE(firstText, border + images.Width() + 5);
}
