// The flat combo box and the flat look it shares with the Unicode combo.
#include "stringgrid/editors/bqgcombo.h"

#include <algorithm>

#include "platform/ui/forms.h"
#include "platform/win/commctrl.h"
#include "platform/win/winpaint.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/themes/BavXPVS.h"

namespace {

RECT ClientRectOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

RECT WindowRectAtOrigin(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
    return r;
}

void FrameIn(HDC dc, const RECT& r, TColor color) {
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

// The button's rectangle: the ANSI look widens it by the edge it draws
// round it, the Unicode look keeps it inside the frame.
RECT ButtonRectOf(const RECT& client, const RECT& window, int buttonWidth, bool wide) {
    RECT r = window;
    r.left = client.right - buttonWidth - (wide ? 2 : 4);
    InflateRect(&r, -2, -2);
    if (!wide) {
        r.bottom += 2;
        r.right += 1;
    }
    return r;
}

}  // namespace

TFlatComboLook::TFlatComboLook(TCustomComboBox* combo, bool wide)
    : combo_(combo),
      wide_(wide),
      buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 4),
      oldColor_(combo->Color()),
      oldParentColor_(combo->ParentColor()) {}

void TFlatComboLook::SetFlat(bool v) {
    flat_ = v;
    combo_->SetCtl3D(!v);
    RepaintLook();
}

void TFlatComboLook::SetEtched(bool v) {
    etched_ = v;
    RepaintLook();
}

void TFlatComboLook::SetButtonWidth(int v) {
    if (v < 14 || v > 32) return;
    buttonWidth_ = v;
    RepaintLook();
}

void TFlatComboLook::SetDropWidth(int v) {
    dropWidth_ = v;
    if (v > 0 && combo_->HandleAllocated()) SendMessage(combo_->Handle(), CB_SETDROPPEDWIDTH, WPARAM(v), 0);
}

void TFlatComboLook::WindowCreated() {
    isWinXP_ = xpvs::ThemesActive();
    SetDropWidth(dropWidth_);
}

void TFlatComboLook::RepaintLook() {
    if (combo_->HandleAllocated()) combo_->Invalidate();
}

bool TFlatComboLook::LookActive() const {
    if (combo_->ComponentState().Contains(csDesigning)) return combo_->Enabled();
    if (mouseInControl_) return true;
    const TCustomForm* form = GetParentForm(combo_);
    return form && form->ActiveControl() == combo_;
}

void TFlatComboLook::LookMessage(TMessage& message, const std::function<void(TMessage&)>& inherited) {
    switch (message.Msg) {
    case WM_PAINT:
        if (flat_) {
            PaintFlat(message, inherited);
            return;
        }
        break;
    case WM_NCPAINT:
    case CM_ENTER:
    case CM_EXIT:
        inherited(message);
        DrawFrame();
        return;
    case CM_MOUSEENTER: MouseEntered(); break;
    case CM_MOUSELEAVE: MouseLeft(); break;
    case CM_ENABLEDCHANGED: EnabledSwitched(); break;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_DROPDOWN || HIWORD(message.WParam) == CBN_CLOSEUP) {
            const RECT client = ClientRectOf(combo_->Handle());
            const RECT button{client.right - buttonWidth_, client.top, client.right, client.bottom};
            InvalidateRect(combo_->Handle(), &button, FALSE);
        }
        break;
    default: break;
    }
    inherited(message);
}

void TFlatComboLook::MouseEntered() {
    if (mouseInControl_ || !combo_->Enabled()) return;
    mouseInControl_ = true;
    DrawFrame();
    if (autoFocus_ && combo_->CanFocus()) combo_->SetFocus();
}

void TFlatComboLook::MouseLeft() {
    if (!mouseInControl_ || !combo_->Enabled()) return;
    mouseInControl_ = false;
    DrawFrame();
}

// A disabled flat combo takes its parent's colour and gets its own back
// when it is enabled again.
void TFlatComboLook::EnabledSwitched() {
    if (!flat_) return;
    if (combo_->Enabled()) {
        combo_->SetColor(oldColor_);
        combo_->SetParentColor(oldParentColor_);
    } else {
        oldColor_ = combo_->Color();
        oldParentColor_ = combo_->ParentColor();
        combo_->SetParentColor(true);
    }
}

void TFlatComboLook::PaintFlat(TMessage& message, const std::function<void(TMessage&)>& inherited) {
    const HWND window = combo_->Handle();
    PAINTSTRUCT ps{};
    const bool own = message.WParam == 0;
    const HDC dc = own ? BeginPaint(window, &ps) : HDC(message.WParam);
    const RECT client = ClientRectOf(window);
    if (combo_->Style() != csSimple) {
        FillRect(dc, &client, combo_->Brush()->Handle());
        if (!combo_->UseRightToLeftReading()) {
            RECT button = ButtonRectOf(client, WindowRectAtOrigin(window), buttonWidth_, wide_);
            if (isWinXP_) {
                const bool pressed = GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0;
                RECT part = button;
                InflateRect(&part, -1, -1);
                xpvs::DrawPart(window, dc, u"combobox", CP_DROPDOWNBUTTON, pressed ? CBXS_PRESSED : CBXS_NORMAL,
                               part);
            } else {
                RECT arrow = button;
                if (wide_) {
                    InflateRect(&arrow, -1, -1);
                } else {
                    InflateRect(&arrow, 0, -1);
                    OffsetRect(&arrow, -2, 1);
                }
                DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
            }
            // The platform's own button, where it is wider, stays under the
            // one drawn here.
            COMBOBOXINFO info;
            SendMessage(window, CB_GETCOMBOBOXINFO, 0, LPARAM(&info));
            const int left = std::min<int>(button.left, info.rcButton.left);
            ExcludeClipRect(dc, left, client.top, client.right, client.bottom);
        }
    }
    TMessage painting = message;
    painting.WParam = WPARAM(dc);
    inherited(painting);
    if (own) EndPaint(window, &ps);
    DrawFrame();
}

void TFlatComboLook::DrawFrame() {
    if (!flat_ || !combo_->HandleAllocated()) return;
    const HWND window = combo_->Handle();
    const bool active = LookActive();
    const bool framed = active && focusBorder_ && !combo_->ComponentState().Contains(csDesigning);
    const TColor border = framed || !combo_->Parent() ? clBtnFace : combo_->Parent()->Brush()->Color();
    const HDC dc = GetWindowDC(window);
    const RECT whole = WindowRectAtOrigin(window);
    RECT r = whole;
    if (framed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameIn(dc, r, border);
        InflateRect(&r, -1, -1);
        FrameIn(dc, r, combo_->Color());
    } else {
        // The platform's combo draws its sunken edge two pixels wide with
        // or without visual styles, so both of its pixels are covered.
        FrameIn(dc, r, border);
        InflateRect(&r, -1, -1);
        FrameIn(dc, r, border);
        if (wide_) {
            InflateRect(&r, -1, -1);
            FrameIn(dc, r, combo_->Color());
        }
    }
    if (combo_->Style() != csSimple) DrawButtonEdge(dc, ClientRectOf(window), whole, active);
    ReleaseDC(window, dc);
}

void TFlatComboLook::DrawButtonEdge(HDC dc, const RECT& client, const RECT& window, bool active) {
    const UINT edge = etched_ ? EDGE_ETCHED : BDR_RAISEDINNER;
    RECT button = ButtonRectOf(client, window, buttonWidth_, wide_);
    if (!wide_) {
        if (combo_->UseRightToLeftReading() || isWinXP_) return;
        ExcludeClipRect(dc, client.right - buttonWidth_ + 4, 4, client.right - 4, client.bottom - 4);
        DrawEdge(dc, &button, edge, BF_RECT);
        ExcludeClipRect(dc, button.left, button.top, button.right, button.bottom);
        return;
    }
    if (active) {
        DrawEdge(dc, &button, edge, BF_RECT | (combo_->DroppedDown() ? BF_FLAT : 0));
        return;
    }
    // Inactive, the button loses its edge: the edge is painted over in the
    // button face, and the arrow inside it stays.
    RECT face = button;
    face.top += 1;
    face.bottom -= 1;
    face.right -= 1;
    FrameIn(dc, face, clBtnFace);
}

TBQGCustomCombo::TBQGCustomCombo(TComponent* owner) : TCustomComboBox(owner), TFlatComboLook(this, false) {}

Cardinal TBQGCustomCombo::GetVersionNr() const { return 0x01000000; }

AnsiString TBQGCustomCombo::Version() const { return VersionNumberText(GetVersionNr()); }

void TBQGCustomCombo::CreateWnd() {
    TCustomComboBox::CreateWnd();
    WindowCreated();
}

void TBQGCustomCombo::WndProc(TMessage& message) {
    LookMessage(message, [this](TMessage& m) { TCustomComboBox::WndProc(m); });
}
