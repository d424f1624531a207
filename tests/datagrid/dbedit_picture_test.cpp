// A picture of data-aware edits for people to look at: an image, flat and
// 3-D buttons of each style, the flat border shown and hidden, the MRU list
// open, a disabled and a right-aligned inactive editor.
#include <fstream>

#include "datagrid/DBCtrlsVynEdit.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class TPictureDBEdit : public TCustomDBEditVyn {
    SERVIORA_CLASS(TPictureDBEdit, TCustomDBEditVyn)
public:
    using TCustomDBEditVyn::TCustomDBEditVyn;
};

}  // namespace

using DBEditPictureTest = FormControlTest;

TEST_F(DBEditPictureTest, EditorsInTheirLooks) {
    form->SetClientWidth(420);
    form->SetClientHeight(300);
    TImageList images(nullptr);
    FillWithSquares(images, 12, {clGreen});
    int y = 8;
    auto place = [&](const char* text, int x = 8) {
        auto* edit = Place<TPictureDBEdit>(form, x, y, 190, 21);
        edit->SetText(text);
        return edit;
    };
    TPictureDBEdit* withImage = place("带图片的编辑框");
    withImage->SetImages(&images);
    withImage->EditImage()->SetImageIndex(0);
    for (bool flat : {true, false}) {
        const int x = flat ? 8 : 216;
        y = 40;
        for (TEditButtonStyleVyn style : {ebsDropDownVyn, ebsEllipsisVyn, ebsUpDownVyn, ebsPlusVyn, ebsMinusVyn}) {
            TPictureDBEdit* edit = place(flat ? "平面按钮" : "立体按钮", x);
            edit->SetFlat(flat);
            edit->SetAlwaysShowBorder(flat && style == ebsDropDownVyn);
            edit->EditButton()->SetVisible(true);
            edit->EditButton()->SetStyle(style);
            if (style == ebsDropDownVyn) {
                TEditButtonVyn* extra = edit->EditButtons()->Add();
                extra->SetVisible(true);
                extra->SetStyle(ebsEllipsisVyn);
            }
            y += 28;
        }
    }
    y = 190;
    TPictureDBEdit* disabled = place("已禁用");
    disabled->EditButton()->SetVisible(true);
    disabled->SetEnabled(false);
    TPictureDBEdit* right = place("右对齐 1,234.50", 216);
    right->SetAlignment(taRightJustify);
    y = 222;
    TPictureDBEdit* withList = place("");
    withList->MRUList()->SetActive(true);
    for (const char* phone : {"13800001111", "13800002222", "13912345678"}) withList->MRUList()->RememberText(phone);
    withList->SetFocus();
    ProcessMessages();
    SimulateTyping("13");
    ProcessMessages();
    ASSERT_TRUE(withList->MRUList()->DroppedDown());
    TMRUListboxVyn* list = withList->MRUListBox();

    const HBITMAP formShot = CaptureWindow(form->Handle());
    const HBITMAP listShot = CaptureWindow(list->Handle());
    ASSERT_NE(formShot, HBITMAP(0));
    ASSERT_NE(listShot, HBITMAP(0));
    RECT formRect{}, listRect{};
    GetWindowRect(form->Handle(), &formRect);
    GetWindowRect(list->Handle(), &listRect);
    const int width = formRect.right - formRect.left;
    const int height = std::max(formRect.bottom, listRect.bottom) - formRect.top;
    TBitmap picture;
    picture.SetWidth(width);
    picture.SetHeight(height);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, width, height});
    const HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, formShot);
    BitBlt(picture.Canvas()->Handle(), 0, 0, width, formRect.bottom - formRect.top, dc, 0, 0, SRCCOPY);
    SelectObject(dc, listShot);
    BitBlt(picture.Canvas()->Handle(), listRect.left - formRect.left, listRect.top - formRect.top,
           listRect.right - listRect.left, listRect.bottom - listRect.top, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(formShot);
    DeleteObject(listShot);
    const std::string png = EncodePng(picture.Handle());
    ASSERT_FALSE(png.empty());
    std::ofstream(ScreenshotDir() + "dbedit.png", std::ios::binary) << png;
}
