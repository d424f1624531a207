// Check boxes and radio buttons painted with the skin's glyph strips. The
// state frame is computed for a four-frame strip and then moved to the
// twelve- (check) or eight-frame (radio) layout, always within the strip.
#include "skin/WinSubClassCheck.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"

namespace {

constexpr UINT kRepaintTrigger = 0xB0D0;

int Height(const TRect& r) { return r.bottom - r.top; }

bool HasProp(TObject* control, const char* name) { return control && GetPropInfo(control, name); }

}  // namespace

void TSkinCheckButton::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    Mode = 0;
    if (!Control) return;
    if (Image() && !Image()->Empty()) Mode = 1;
    Transparent = Control->Tag() == 5555 || SkinData->Options().Contains(xoTransparent);
}

bool TSkinCheckButton::HandleMessage(TMessage& message) {
    const bool passed = TSkinControl::HandleMessage(message);
    switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (Mode != 1) return passed;
        PaintOnWMPaint(this, message);
        return false;
    case WM_ERASEBKGND:
        if (!Transparent) return passed;
        EraseWithParent(this, message);
        return false;
    default:
        return passed;
    }
}

void TSkinCheckButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kRepaintTrigger:
        Redraw();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinCheckButton::PaintSkin(HDC dc, const TRect& rect) {
    TBitmap* image = Image();
    if (!image || image->Empty()) {
        Mode = 0;
        return;
    }
    const int count = FrameCount();
    const int frame = std::clamp(StateFrame(), 1, count);
    const int cellWidth = image->Width() / count, cellHeight = image->Height();
    const LONG style = GetWindowLong(Handle, GWL_STYLE);
    const bool rtl = Control && Control->BiDiMode() == bdRightToLeft;
    const int top = rect.top + (Height(rect) - cellHeight) / 2;
    TRect glyph, text;
    UINT flags = 0;
    if (style & BS_LEFTTEXT) {
        glyph = TRect{rect.right - cellWidth - RightInset(), top, rect.right - RightInset(), top + cellHeight};
        text = TRect{rect.left, rect.top, glyph.left - 2, rect.bottom};
        if (rtl) flags = DT_RIGHT | DT_RTLREADING;
    } else {
        glyph = TRect{rect.left, top, rect.left + cellWidth, top + cellHeight};
        text = TRect{rect.left + cellWidth + 2, rect.top, rect.right, rect.bottom};
        if (rtl) flags = DT_RTLREADING;
    }
    if (Mode == 1 && !Transparent) FillSkinColor(dc, rect);
    DrawFrameCellMasked(this, dc, glyph, image, frame, count);
    if (Mode != 1) return;

    Caption = Control ? GetTextPropByName(Control, "Caption") : GetWindowTextWide(Handle);
    HFONT font = Control ? Control->Font()->Handle() : HFONT(SendMessage(Handle, WM_GETFONT, 0, 0));
    HGDIOBJ savedFont = font ? SelectObject(dc, font) : 0;
    const COLORREF savedText =
        Control ? SetTextColor(dc, ColorToRGB(Control->Enabled() ? Control->Font()->Color() : clBtnShadow))
                : GetTextColor(dc);
    const COLORREF savedBack = SetBkColor(dc, ColorToRGB(FaceColour()));
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    TRect measured = text;
    SkinDrawText(dc, Caption, &measured, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    OffsetRect(&text, 0, (Height(text) - Height(measured)) / 2);
    if (GetFocus() == Handle && !Caption.empty() && SkinIsPreVista)
        DrawTextFocus(dc, flags | DT_EXPANDTABS | DT_WORDBREAK, text);
    SkinDrawText(dc, Caption, &text, flags | DT_EXPANDTABS | DT_WORDBREAK);
    SetBkMode(dc, savedMode);
    SetTextColor(dc, savedText);
    SetBkColor(dc, savedBack);
    if (savedFont) SelectObject(dc, savedFont);
}

// ---- check boxes ----

void TSkinCheckBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinCheckButton::AttachControl(form, skinData, canvas, swapColor);
    LastSetCheck = 0;
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
    if (message.Msg == BM_SETCHECK) LastSetCheck = int(message.WParam) + 1;
    TSkinCheckButton::AfterMessage(message);
}

TBitmap* TSkinCheckBox::Image() const { return SkinData->Buttons() ? SkinData->Buttons()->CheckBitmap.get() : nullptr; }

int TSkinCheckBox::FrameCount() const { return std::max<int>(SkinData->Buttons()->CheckButtonFrame, 1); }

int TSkinCheckBox::StateFrame() {
    const LRESULT state = SendMessage(Handle, BM_GETSTATE, 0, 0);
    int frame = (state & BST_CHECKED) ? 2 : 1;
    if (HasProp(Control, "State")) {
        const AnsiString value = LowerCase(GetEnumPropByName(Control, "State"));
        if (value.find("uncheck") != AnsiString::npos)
            frame = 1;
        else if (value.find("check") != AnsiString::npos)
            frame = 2;
        else if (value.find("gray") != AnsiString::npos)
            frame = 4;
    } else if (HasProp(Control, "Checked")) {
        frame = LowerCase(GetEnumPropByName(Control, "Checked")) == "true" ? 2 : 1;
    }
    if (HasProp(Control, "DataField") && LastSetCheck != 0) frame = LastSetCheck == 3 ? 4 : LastSetCheck;
    if (HasProp(Control, "DataBinding")) frame = 1;
    const bool disabled = GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED;
    if (disabled) frame += 2;
    const bool indeterminate = state & BST_INDETERMINATE;
    if (indeterminate) frame = 4;
    if (FrameCount() == 12) {
        if (indeterminate) return disabled ? 12 : 9;
        frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
    }
    return frame;
}

// ---- radio buttons ----

TBitmap* TSkinRadioButton::Image() const { return SkinData->Buttons() ? SkinData->Buttons()->RadioBitmap.get() : nullptr; }

int TSkinRadioButton::FrameCount() const { return std::max<int>(SkinData->Buttons()->RadioButtonFrame, 1); }

int TSkinRadioButton::StateFrame() {
    int frame = (SendMessage(Handle, BM_GETCHECK, 0, 0) & 1) ? 2 : 1;
    if (HasProp(Control, "Checked")) frame = LowerCase(GetEnumPropByName(Control, "Checked")) == "true" ? 2 : 1;
    if (GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED) frame += 2;
    if (FrameCount() == 8) frame = frame == 2 ? 5 : frame == 3 ? 4 : frame == 4 ? 8 : frame;
    return frame;
}
