// A picture of the pop-ups for people to look at: a pop-up list with
// images and its grip, the MRU list with its scroll bar, the calendar, and
// the calculator with flat and 3-D keys.
#include <fstream>

#include "datagrid/CalculatorVyn.h"
#include "datagrid/ToolCtrlsVynCalendar.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/rtl/datetime.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

using PopupsPictureTest = FormControlTest;

TEST_F(PopupsPictureTest, EveryPopupDrawsItself) {
    TEdit* host = Place<TEdit>(form, 10, 10, 100, 24);
    TImageList images(nullptr);
    images.SetWidth(12);
    images.SetHeight(12);
    for (TColor colour : {clRed, clGreen, clBlue, clYellow}) {
        TBitmap square;
        square.SetWidth(12);
        square.SetHeight(12);
        square.Canvas()->Brush()->SetColor(colour);
        square.Canvas()->FillRect(TRect{0, 0, 12, 12});
        images.Add(&square, nullptr);
    }
    auto* list = TPopupListboxVyn::Create(host);
    list->SetParent(form);
    list->SetImages(&images);
    for (const char* item : {"诺基亚", "摩托罗拉", "三星", "华为"}) list->Items()->Add(item);
    list->SetBounds(0, 0, 120, 90);
    auto* mru = TMRUListboxVyn::Create(host);
    mru->SetParent(form);
    for (int i = 0; i < 12; ++i) mru->Items()->Add(Format("13800000%.3d", {i}));
    mru->SetBounds(0, 0, 130, 90);
    auto* calendar = TPopupMonthCalendarVyn::Create(host);
    calendar->SetParent(form);
    calendar->SetDate(EncodeDate(2024, 3, 7));
    auto* flat = TPopupCalculatorVyn::Create(host);
    flat->SetParent(form);
    TEdit* secondHost = Place<TEdit>(form, 10, 40, 100, 24);
    auto* raised = TPopupCalculatorVyn::Create(secondHost);
    raised->SetParent(form);
    raised->SetFlatKeys(false);
    for (char key : AnsiString("12+7")) flat->FeedKey(key);
    std::vector<TWinControl*> popups{list, mru, calendar, flat, raised};
    int x = 0, height = 0;
    for (TWinControl* popup : popups) {
        ShowDropDownAt(popup, TPoint{x, 300});
        x += popup->Width() + 8;
        height = std::max(height, popup->Height());
    }
    ProcessMessages();
    TBitmap picture;
    picture.SetWidth(x);
    picture.SetHeight(height);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, x, height});
    const HDC dc = CreateCompatibleDC(0);
    x = 0;
    for (TWinControl* popup : popups) {
        const HBITMAP shot = CaptureWindow(popup->Handle());
        ASSERT_NE(shot, HBITMAP(0));
        const HGDIOBJ old = SelectObject(dc, shot);
        BitBlt(picture.Canvas()->Handle(), x, 0, popup->Width(), popup->Height(), dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteObject(shot);
        x += popup->Width() + 8;
    }
    DeleteDC(dc);
    const std::string png = EncodePng(picture.Handle());
    ASSERT_FALSE(png.empty());
    std::ofstream(ScreenshotDir() + "dbgrid-popups.png", std::ios::binary) << png;
}
