#include "stringgrid/BavObj.h"

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_fixture.h"
#include "platform/ui/graphic.h"
#include "platform/ui/testseams.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"
#include "support/temp_dir.h"

namespace {

TEST(IntList, ReportsChangesWithItsCell) {
    TIntList list(3, 7);
    std::vector<std::pair<int, int>> events;
    list.SetOnChange([&](TObject* sender, int col, int row) {
        EXPECT_EQ(sender, &list);
        events.emplace_back(col, row);
    });
    list.Add(3);
    list.Add(10);
    list.Insert(2, -2);
    EXPECT_EQ(events.size(), 2u) << "Insert fires nothing";
    EXPECT_EQ(events[0], std::make_pair(3, 7));
    EXPECT_EQ(list.GetCommaText(), "3,10,-2");
    list.Delete(0);
    EXPECT_EQ(events.size(), 3u);
    list.DeleteValue(99);
    EXPECT_EQ(events.size(), 3u);
    EXPECT_TRUE(list.HasValue(-2));

    events.clear();
    TIntList copy(0, 0);
    copy.SetOnChange([&](TObject*, int col, int row) { events.emplace_back(col, row); });
    copy.Add(5);
    events.clear();
    copy.SetCommaText("3,10,-2");
    EXPECT_EQ(copy.GetCommaText(), "3,10,-2");
    EXPECT_EQ(events.size(), 3u) << "one event per entry, none for the clearing";
    EXPECT_THROW(copy.SetCommaText("1,x,3"), EConvertError);
    EXPECT_EQ(copy.GetCommaText(), "1") << "the parts before the bad one are added";
    EXPECT_EQ(TIntList(0, 0).GetCommaText(), "");
    EXPECT_THROW(copy.Delete(5), EListError);
}

TEST(SortIndexList, MarksDescendingColumnsInBit31) {
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(4, false);
    EXPECT_EQ(unsigned(list.GetItem(1)), 0x80000004u);
    EXPECT_EQ(list.FindIndex(4), 1);
    EXPECT_EQ(list.FindIndex(3), -1);
    list.ToggleIndex(4);
    EXPECT_EQ(list.GetItem(1), 4);
    list.ToggleIndex(7);
    EXPECT_EQ(list.Count(), 2);
}

TEST(SupportObjects, HiddenRowEntriesAndHintInfo) {
    TCollection store(TGridItem::StaticClass());
    auto* item = static_cast<TGridItem*>(store.Add());
    item->SetIdx(4);
    item->SetHeight(30);
    TStringList cells;
    cells.SetCommaText("a,b");
    item->SetItems(&cells);
    cells.Clear();
    EXPECT_EQ(item->Items()->Count(), 2) << "the lines are copied";

    TBavHintInfo info, copy;
    info.SetTitle("Title");
    info.Notes()->Add("note");
    info.SetShowHelp(true);
    info.SetWideTitle(u"标题");
    copy.Assign(&info);
    EXPECT_EQ(copy.Title(), "Title");
    EXPECT_EQ(copy.Notes()->Text(), info.Notes()->Text());
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_EQ(copy.WideTitle(), u"标题");
    EXPECT_THROW(copy.Assign(&cells), EConvertError);

    TControlList controls;
    controls.Add(1, 2, nullptr);
    EXPECT_EQ(controls.GetItem(0)->Row(), 2);
}

TEST(FilePicture, TakesTheFilesSizeAndReadsItAtEveryDrawing) {
    TempDir dir;
    TBitmap bitmap;
    bitmap.SetSize(6, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 6, 4));
    bitmap.SaveToFile(dir.file("p.bmp"));
    TFilePicture picture;
    picture.SetFilename(dir.file("p.bmp"));
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    TBitmap target;
    target.SetSize(12, 8);
    picture.Draw(target.Canvas(), Rect(0, 0, 12, 8));
    EXPECT_EQ(target.Canvas()->Pixels(11, 7), clRed);
    TFilePicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Filename(), picture.Filename());
    EXPECT_THROW(copy.SetFilename(dir.file("missing.bmp")), Exception);
}

using PopupTest = ControlTest;

TEST_F(PopupTest, ArrowWindowsTakeTheShapeOfTheirDirection) {
    TForm* form = NewForm();
    form->Show();
    auto* arrow = new TArrowWindow(form, 1);
    arrow->SetBounds(10, 10, 10, 9);
    arrow->HandleNeeded();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(arrow->Handle(), region), 0);
    EXPECT_TRUE(PtInRegion(region, 5, 2)) << "the shaft";
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "beside the shaft";
    EXPECT_TRUE(PtInRegion(region, 5, 6)) << "the head";
    DeleteObject(region);
    EXPECT_EQ(DWORD(GetWindowLongPtr(arrow->Handle(), GWL_STYLE)) & WS_POPUP, DWORD(WS_POPUP));
}

TEST_F(PopupTest, PopupButtonCaptionsArePlainOrMarkup) {
    TForm* form = NewForm();
    form->Show();
    auto* popup = new TPopupButton(form);
    popup->SetParent(form);
    popup->SetBounds(0, 0, 120, 24);
    popup->SetCaption("<FONT COLOR=\"clRed\">WWWW</FONT>");
    popup->HandleNeeded();
    ShowWindow(popup->Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(popup->Handle());
    ProcessMessages();
    const HBITMAP shot = CaptureWindow(popup->Handle());
    ASSERT_NE(shot, 0u);
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x) red += GetPixel(dc, x, y) == COLORREF(clRed);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
    EXPECT_GT(red, 10) << "markup is rendered";
}

}  // namespace
