// A picture of data-aware edits for people to look at: an image, flat and
// 3-D buttons of each style, the flat border shown and hidden, the MRU list
// open, a disabled and a right-aligned inactive editor; combo boxes (free,
// key mode, its list open) and check boxes (three states, flat, disabled,
// focused).
#include <fstream>

#include "datagrid/DBCtrlsVynCheckBox.h"
#include "datagrid/DBCtrlsVynComboBox.h"
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

class TPictureComboBox : public TDBComboBoxVyn {
    SERVIORA_CLASS(TPictureComboBox, TDBComboBoxVyn)
public:
    using TDBComboBoxVyn::TDBComboBoxVyn;
    using TDBComboBoxVyn::DropDownStart;
};

}  // namespace

using DBEditPictureTest = FormControlTest;

TEST_F(DBEditPictureTest, EditorsInTheirLooks) {
    form->SetClientWidth(640);
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

    // Combo boxes and check boxes in a third column.
    const int x = 424;
    y = 8;
    auto combo = [&](const char* text, bool keyMode) {
        auto* box = Place<TPictureComboBox>(form, x, y, 200, 21);
        for (const char* item : {"诺基亚", "摩托罗拉", "三星", "索爱"}) box->Items()->Add(item);
        if (keyMode)
            for (const char* key : {"N", "M", "S", "E"}) box->KeyItems()->Add(key);
        box->SetText(text);
        y += 28;
        return box;
    };
    combo("自由输入", false);
    combo("摩托罗拉", true)->SetFlat(true);
    TPictureComboBox* open = combo("三星", true);
    y += 80;
    auto check = [&](const char* caption, TCheckBoxState state) {
        auto* box = Place<TDBCheckBoxVyn>(form, x, y, 200, 17);
        box->SetCaption(caption);
        box->SetAllowGrayed(true);
        box->SetState(state);
        y += 22;
        return box;
    };
    check("未选中", cbUnchecked);
    check("已选中", cbChecked);
    check("不确定", cbGrayed);
    check("平面", cbChecked)->SetFlat(true);
    check("已禁用", cbChecked)->SetEnabled(false);
    TDBCheckBoxVyn* focused = check("有焦点", cbUnchecked);
    // The focused look is taken now: the focus goes on to the MRU list's editor.
    focused->SetFocus();
    ProcessMessages();
    const HBITMAP focusedShot = CaptureWindow(focused->Handle());
    withList->SetFocus();
    ProcessMessages();
    SimulateTyping("13");
    ProcessMessages();
    open->DropDownStart();
    ProcessMessages();
    ASSERT_TRUE(open->ListDropped());
    ASSERT_TRUE(withList->MRUList()->DroppedDown());

    RECT formRect{};
    GetWindowRect(form->Handle(), &formRect);
    std::vector<HWND> popups{withList->MRUListBox()->Handle(), open->PopupList()->Handle()};
    int bottom = formRect.bottom;
    for (HWND popup : popups) {
        RECT rect{};
        GetWindowRect(popup, &rect);
        bottom = std::max<int>(bottom, rect.bottom);
    }
    const int width = formRect.right - formRect.left;
    const int height = bottom - formRect.top;
    TBitmap picture;
    picture.SetWidth(width);
    picture.SetHeight(height);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, width, height});
    const HDC dc = CreateCompatibleDC(0);
    auto paste = [&](HWND window) {
        const HBITMAP shot = CaptureWindow(window);
        ASSERT_NE(shot, HBITMAP(0));
        RECT rect{};
        GetWindowRect(window, &rect);
        HGDIOBJ old = SelectObject(dc, shot);
        BitBlt(picture.Canvas()->Handle(), rect.left - formRect.left, rect.top - formRect.top, rect.right - rect.left,
               rect.bottom - rect.top, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteObject(shot);
    };
    paste(form->Handle());
    for (HWND popup : popups) paste(popup);
    HGDIOBJ old = SelectObject(dc, focusedShot);
    const TPoint at = focused->ClientToScreen(TPoint{0, 0});
    BitBlt(picture.Canvas()->Handle(), at.x - formRect.left, at.y - formRect.top, focused->Width(), focused->Height(), dc, 0,
           0, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(focusedShot);
    DeleteDC(dc);
    const std::string png = EncodePng(picture.Handle());
    ASSERT_FALSE(png.empty());
    std::ofstream(ScreenshotDir() + "dbedit.png", std::ios::binary) << png;
}
