// The drag image of an image list drawn on a shown window: it follows the
// moves and leaves what it covered as it was.
#include "platform/ui/imagelist.h"
#include "platform/win/winpaint.h"
#include "tests/platform/ui/control_fixture.h"

using DragImageListTest = ControlTest;

TEST_F(DragImageListTest, TheDragImageFollowsMovesAndRestoresWhatItCovered) {
    TForm* form = NewForm();
    form->SetColor(clLime);
    form->Show();
    ProcessMessages();
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    auto red = std::make_unique<TBitmap>();
    red->SetSize(4, 4);
    red->Canvas()->Brush()->SetColor(clRed);
    red->Canvas()->FillRect(Rect(0, 0, 4, 4));
    list.Add(red.get(), nullptr);
    const HWND window = form->Handle();
    auto pixel = [window](int x, int y) {
        HDC dc = GetDC(window);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return c;
    };

    EXPECT_FALSE(list.SetDragImage(3, 0, 0));
    EXPECT_FALSE(list.DragMove(10, 10));
    EXPECT_TRUE(list.SetDragImage(0, 2, 2));
    EXPECT_EQ(list.GetHotSpot(), Point(2, 2));
    EXPECT_TRUE(list.BeginDrag(window, 22, 22));
    EXPECT_TRUE(list.Dragging());
    EXPECT_FALSE(list.BeginDrag(window, 0, 0));
    EXPECT_EQ(pixel(20, 20), RGB(255, 0, 0));
    EXPECT_TRUE(list.DragMove(52, 52));
    EXPECT_EQ(pixel(20, 20), RGB(0, 255, 0));
    EXPECT_EQ(pixel(51, 51), RGB(255, 0, 0));
    list.HideDragImage();
    EXPECT_EQ(pixel(51, 51), RGB(0, 255, 0));
    list.ShowDragImage();
    EXPECT_TRUE(list.DragImageVisible());
    EXPECT_TRUE(list.EndDrag());
    EXPECT_FALSE(list.Dragging());
    EXPECT_EQ(pixel(51, 51), RGB(0, 255, 0));
    EXPECT_FALSE(list.EndDrag());
    list.SetDragCursor(crNoDrop);
    EXPECT_EQ(list.DragCursor(), crNoDrop);
}
