// The button edit: its speed button's painting, the button control that
// clicks on release, and the edit's layout, F4 and the typing it allows.
#include "stringgrid/editors/BQGEdit.h"

#include <algorithm>

#include "platform/gdi/wingdi.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/winmenu.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

// ---- TBavSpeedButton -----------------------------------------------------------------------------

TBavSpeedButton::TBavSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TBavSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) pressed_ = true;
    TSpeedButton::MouseDown(button, shift, x, y);
    Invalidate();
}

void TBavSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) pressed_ = false;
    TSpeedButton::MouseUp(button, shift, x, y);
    Invalidate();
}

void TBavSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    RECT r = {0, 0, Width(), Height()};
    const bool down = pressed_ || Down();
    if (Flat()) {
        DrawEdge(canvas->Handle(), &r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        InflateRect(&r, -1, -1);
    } else {
        DrawFrameControl(canvas->Handle(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0));
    }
    const int shift = down ? 1 : 0;
    TBitmap* glyph = Glyph();
    if (glyph && !glyph->Empty()) {
        glyph->SetTransparent(true);
        canvas->Draw(std::max(0, (Width() - glyph->Width()) / 2) + shift,
                     std::max(0, (Height() - glyph->Height()) / 2) + shift, glyph);
    }
    const AnsiString caption = Caption();
    if (!caption.empty()) {
        canvas->Brush()->SetStyle(bsClear);
        RECT text = {shift, shift, Width() + shift, Height() + shift};
        DrawText(canvas->Handle(), caption.data(), int(caption.size()), &text,
                 DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

// ---- TBqgEditButton ------------------------------------------------------------------------------

TBqgEditButton::TBqgEditButton(TComponent* owner) : TWinControl(owner) {
    button_ = new TBavSpeedButton(this);
    button_->SetParent(this);
    button_->SetOnMouseUp([this](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button == mbLeft) Released();
    });
    SetTabStop(false);
    SetBounds(0, 0, 20, 25);
}

void TBqgEditButton::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    if (button_) button_->SetBounds(0, 0, width, height);
}

void TBqgEditButton::Released() {
    if (onClick_) onClick_(this);
    if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

// ---- TBqgEditBtn ---------------------------------------------------------------------------------

TBqgEditBtn::TBqgEditBtn(TComponent* owner) : TCustomEdit(owner) {
    button_ = new TBqgEditButton(this);
    button_->SetBounds(0, 0, 18, 18);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->SetOnClick([this](TObject* sender) { ClickButton(sender); });
    SetText("0");
}

void TBqgEditBtn::ClickButton(TObject* sender) {
    if (onClickBtn_) onClickBtn_(sender);
}

void TBqgEditBtn::SetButtonWidth(int v) {
    button_->SetWidth(v);
    Resize();
}

void TBqgEditBtn::SetUnitSize(int v) {
    unitSize_ = v;
    SetEditRect();
    Invalidate();
}

void TBqgEditBtn::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TBqgEditBtn::CreateWnd() {
    TCustomEdit::CreateWnd();
    SetEditRect();
}

void TBqgEditBtn::SetEditRect() {
    if (!HandleAllocated()) return;
    const int edge = BorderStyle() == bsSingle ? 1 : 2;
    RECT r = {edge, edge, ClientWidth() - (button_->Width() + unitSize_ + 3) - (unitSize_ > 0 ? 3 : 0),
              ClientHeight() + 1};
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TBqgEditBtn::Resize() {
    TCustomEdit::Resize();
    const int inset = BorderStyle() == bsNone ? 0 : 4;
    button_->SetBounds(Width() - button_->Width() - inset, 0, button_->Width(), Height() - inset);
    SetEditRect();
}

void TBqgEditBtn::KeyDown(Word& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_F4) ClickButton(this);
}

void TBqgEditBtn::WndProc(TMessage& message) {
    if (message.Msg == CN_CHAR && !editorEnabled_) {
        message.Result = 1;
        return;
    }
    if ((message.Msg == WM_PASTE || message.Msg == WM_CUT) && (!editorEnabled_ || ReadOnly())) return;
    TCustomEdit::WndProc(message);
}

// ---- TBqgUnitEditBtn -----------------------------------------------------------------------------

TBqgUnitEditBtn::TBqgUnitEditBtn(TComponent* owner) : TBqgEditBtn(owner), units_(std::make_unique<TStringList>()) {
    SetUnitSize(20);
}

void TBqgUnitEditBtn::SetUnits(TStrings* v) {
    if (v) units_->Assign(v);
}

void TBqgUnitEditBtn::SetUnitID(const AnsiString& v) {
    unitID_ = v;
    Invalidate();
}

void TBqgUnitEditBtn::ClickButton(TObject*) {
    if (!HandleAllocated()) return;
    const HMENU menu = CreatePopupMenu();
    for (int i = 0; i < units_->Count(); ++i) AppendMenu(menu, MF_STRING, UINT_PTR(i + 1), units_->Strings(i).c_str());
    POINT at{ClientWidth() - 15, ClientHeight()};
    ::ClientToScreen(Handle(), &at);
    TrackPopupMenu(menu, TPM_LEFTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void TBqgUnitEditBtn::PaintUnit() {
    if (!HandleAllocated() || unitID_.empty()) return;
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT r = {ClientWidth() - Button()->Width() - 3 - UnitSize(), 2, ClientWidth() - Button()->Width() - 3,
              ClientHeight()};
    DrawText(dc, unitID_.data(), int(unitID_.size()), &r, DT_EDITCONTROL | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
}

void TBqgUnitEditBtn::WndProc(TMessage& message) {
    // Menu choices come with no sending window; a notification (or its echo
    // from the grid) is no unit choice.
    if (message.Msg == WM_COMMAND && message.LParam == 0) {
        const int id = LOWORD(message.WParam);
        if (id >= 1 && id <= units_->Count()) SetUnitID(units_->Strings(id - 1));
        return;
    }
    TBqgEditBtn::WndProc(message);
    if (message.Msg == WM_PAINT) PaintUnit();
}
