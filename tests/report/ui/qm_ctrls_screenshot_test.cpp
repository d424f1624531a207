// A sheet of the docking toolbars and report widgets as the user sees them
// (screenshots/toolbars.png): docks on four sides (two with a tiled
// picture, one with buttons that let it show), a floating toolbar, hot,
// down and disabled buttons, the flat combo, spin edit, rulers and the
// open colour palette. The form and the two top-level windows above it are
// captured and laid on one desktop-coloured sheet.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/win/testseams.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"
#include "report/ui/qm_ctrls_popup.h"
#include "report/ui/qm_ctrls_ruler.h"
#include "report/ui/qm_ctrls_spinedit.h"
#include "support/temp_dir.h"

namespace {

class Sheet {
public:
    Sheet(int width, int height) : bitmap_(std::make_unique<TBitmap>()) {
        bitmap_->SetWidth(width);
        bitmap_->SetHeight(height);
        bitmap_->Canvas()->Brush()->SetColor(TColor(0x806000));
        bitmap_->Canvas()->FillRect(TRect(0, 0, width, height));
    }
    // Lays the window's pixels at its screen place.
    bool Add(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        const HBITMAP shot = CaptureWindow(window);
        if (!shot) return false;
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        BitBlt(bitmap_->Canvas()->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return true;
    }
    void Save(const AnsiString& path) {
        std::unique_ptr<TPngImage> png(TPngImage::Create());
        png->Assign(bitmap_.get());
        png->SaveToFile(path);
    }

private:
    std::unique_ptr<TBitmap> bitmap_;
};

HWND TopLevelOf(HWND window) { return GetAncestor(window, GA_ROOT); }

TEST(ToolbarSheet, DocksToolbarsAndWidgetsAsShown) {
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    form->SetCaption("工具栏与报表控件");
    form->SetBounds(20, 20, 720, 480);
    TQmDock* docks[4];
    for (TDockPosition side : {dpTop, dpBottom, dpLeft, dpRight}) {
        docks[side] = new TQmDock(form.get());
        docks[side]->SetParent(form.get());
        docks[side]->SetPosition(side);
    }
    // Two docks show a striped picture, tiled on across their toolbars.
    TBitmap stripes;
    stripes.SetWidth(16);
    stripes.SetHeight(16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) stripes.Canvas()->SetPixels(x, y, (x + y) % 8 < 3 ? TColor(0xE0C8B0) : clBtnFace);
    for (TDockPosition side : {dpBottom, dpLeft}) docks[side]->SetBackground(&stripes);
    auto toolbar = [&](TQmDock* dock, const AnsiString& caption) {
        auto* bar = new TToolbarQy(form.get());
        bar->SetCaption(caption);
        bar->SetParent(dock);
        return bar;
    };
    auto button = [&](TToolbarQy* bar, const AnsiString& caption, int width = 40) {
        auto* b = new TQmToolbarButton(form.get());
        b->SetCaption(caption);
        b->SetWidth(width);
        b->SetParent(bar);
        return b;
    };
    TToolbarQy* main = toolbar(docks[dpTop], "标准");
    TQmToolbarButton* hot = button(main, "打开");
    TQmToolbarButton* down = button(main, "整页");
    down->SetGroupIndex(1);
    down->SetDown(true);
    button(main, "页宽")->SetGroupIndex(1);
    (new TQmToolbarSep(form.get()))->SetParent(main);
    button(main, "打印")->SetEnabled(false);
    auto* picker = new TQmColorPickerButton(form.get());
    picker->SetWidth(34);
    picker->SetParent(main);
    picker->SetCurrentColor(TColor(0x0000FF));
    auto* zoom = new TQmComboBoxQy(form.get());
    zoom->SetWidth(90);
    zoom->SetParent(main);
    TToolbarQy* paging = toolbar(docks[dpBottom], "翻页");
    for (const char* c : {"首页", "上页", "下页", "末页"}) button(paging, c)->SetOpaque(false);
    TToolbarQy* left = toolbar(docks[dpLeft], "对齐");
    for (const char* c : {"左", "中", "右"}) button(left, c, 24);
    TToolbarQy* right = toolbar(docks[dpRight], "缩放");
    for (const char* c : {"大", "小"}) button(right, c, 24);
    TToolbarQy* floating = toolbar(docks[dpTop], "浮动");
    for (const char* c : {"查找", "导出"}) button(floating, c);
    for (TToolbarQy* bar : {main, paging, left, right, floating}) bar->ArrangeContent();

    auto* hruler = new TQmDesignerRuler(form.get());
    hruler->SetParent(form.get());
    hruler->SetBounds(120, 120, 420, 26);
    hruler->SetUnits(qmutMillimeters);
    auto* vruler = new TQmDesignerRuler(form.get());
    vruler->SetParent(form.get());
    vruler->SetBounds(94, 146, 26, 200);
    vruler->SetOrientation(1);
    auto* spin = new TQmSpinEdit(form.get());
    spin->SetParent(form.get());
    spin->SetBounds(140, 170, 80, 21);
    spin->SetValue(25);
    auto* combo = new TQmComboBoxQy(form.get());
    combo->SetParent(form.get());
    combo->SetBounds(240, 170, 120, 21);
    combo->SetText("100%");

    form->Show();
    DispatchQueuedMessages();
    floating->SetDockedTo(nullptr);
    const HWND floatWindow = TopLevelOf(floating->Handle());
    SetWindowPos(floatWindow, 0, 520, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    hot->Perform(CM_MOUSEENTER, 0, 0);
    picker->DropDown(true);
    DispatchQueuedMessages();
    form->Repaint();
    DispatchQueuedMessages();

    EXPECT_TRUE(hot->Hot());
    EXPECT_TRUE(picker->DropDownPanel()->Visible());
    Sheet sheet(800, 560);
    EXPECT_TRUE(sheet.Add(form->Handle()));
    EXPECT_TRUE(sheet.Add(floatWindow));
    EXPECT_TRUE(sheet.Add(picker->DropDownPanel()->Handle()));
    sheet.Save(ScreenshotDir() + "toolbars.png");
}

}  // namespace
