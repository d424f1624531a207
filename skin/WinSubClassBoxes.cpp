// Group boxes, panels, raw dialog children and size grips on the skin's
// face colour; other libraries' check and radio controls given the skin's
// glyphs.
#include "skin/WinSubClassBoxes.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"

// ---- group boxes ----

void TSkinGroupBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    if (Control) Mode = 1;
}

bool TSkinGroupBox::HandleMessage(TMessage& message) {
    const bool passed = TSkinControl::HandleMessage(message);
    if (message.Msg == WM_PAINT && Mode != 0) {
        PaintOnWMPaint(this, message);
        return false;
    }
    return passed;
}

void TSkinGroupBox::PaintSkin(HDC dc, const TRect& rect) {
    Caption = GetWindowTextWide(Handle);
    if (Caption.empty() && Control) Caption = GetTextPropByName(Control, "Caption");
    if (Control) FillSkinColor(dc, rect);
    HFONT font = Control ? Control->Font()->Handle() : HFONT(SendMessage(Handle, WM_GETFONT, 0, 0));
    const HGDIOBJ savedFont = font ? SelectObject(dc, font) : 0;
    if (Control) SetTextColor(dc, ColorToRGB(Control->Font()->Color()));
    SIZE zero{};
    GetTextExtentPoint32W(dc, u"0", 1, &zero);
    const int y = zero.cy / 2 - 1;
    if (Mode == 0) {
        TRect outer{0, y, rect.right, rect.bottom};
        FrameRect(dc, &outer, SkinData->FaceBrush());
        InflateRect(&outer, -1, -1);
        FrameRect(dc, &outer, SkinData->FaceBrush());
    }
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(SkinData->Colour(TSkinData::kButtonShadowIndex)));
    const HGDIOBJ savedPen = SelectObject(dc, pen);
    const HGDIOBJ savedBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, rect.right - 1, rect.bottom - 1, 5, 5);
    SelectObject(dc, savedBrush);
    SelectObject(dc, savedPen);
    DeleteObject(pen);
    const COLORREF savedBack = SetBkColor(dc, ColorToRGB(FaceColour()));
    if (!Caption.empty()) {
        TRect text{rect.left + 8, rect.top, rect.right - 8, rect.bottom};
        if (GetWindowLong(Handle, GWL_EXSTYLE) & WS_EX_RIGHT)
            SkinDrawText(dc, Caption, &text, AddRtlFlag(this, DT_RIGHT | DT_EXPANDTABS));
        else
            SkinDrawText(dc, Caption, &text, DT_EXPANDTABS);
    }
    SetBkColor(dc, savedBack);
    if (savedFont) SelectObject(dc, savedFont);
    if (Control && Mode == 1) Control->PaintControls(dc, nullptr);
}

// ---- panels ----

void TSkinBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (!BindControl(form, skinData, canvas, swapColor)) return;
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinBox::RestoreColor() {
    if (PainterState != 4 && SwapColor && Control) {
        SwitchParentBackground(false);
        Control->SetColor(SavedColor);
    }
    PainterState = kReleased;
}

// ---- raw dialog children and tool-bar windows ----

bool TSkinBoxH::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND: {
        RECT window;
        GetWindowRect(Handle, &window);
        FillSkinColor(HDC(message.WParam), TRect{0, 0, window.right - window.left, window.bottom - window.top});
        message.Result = 0;
        return false;
    }
    case WM_CTLCOLORSTATIC:
        CallDefault(message);
        message.Result = LRESULT(SkinData->FaceBrush());
        return false;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

// ---- size grips ----

void TSkinSizer::PaintSkin(HDC dc, const TRect& rect) { FillSkinColor(dc, rect); }

// ---- other libraries' check and radio glyphs ----

void TSkinObjImage::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached || !BindControl(form, skinData, canvas, swapColor)) return;
    ApplyGlyphs();
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinObjImage::ApplyGlyphs() {
    const TDataSkinButton* buttons = SkinData->Buttons();
    auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, "CustomGlyphs", TBitmap::StaticClass()));
    if (!buttons || !target) return;
    const bool check = Kind == kCheckBox;
    TBitmap* image = check ? buttons->CheckBitmap.get() : buttons->RadioBitmap.get();
    if (!image || image->Empty()) return;
    const int count = std::max<int>(check ? buttons->CheckButtonFrame : buttons->RadioButtonFrame, 1);
    // Which source cell (from 1; 0 none) each cell of the control's strip shows.
    static constexpr int kCheckCells[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
    static constexpr int kRadioCells[] = {1, 2, 1, 2, 3, 4};
    const int* cells = check ? kCheckCells : kRadioCells;
    const int strip = check ? 9 : 6;
    const int w = image->Width() / count, h = image->Height();
    TBitmap glyphs;
    glyphs.SetPixelFormat(pf24bit);
    glyphs.SetSize(w * strip, h);
    glyphs.Canvas()->Brush()->SetColor(clFuchsia);
    glyphs.Canvas()->FillRect(TRect{0, 0, w * strip, h});
    for (int i = 0; i < strip; ++i) {
        const int cell = cells[i];
        if (cell > count) continue;
        glyphs.Canvas()->CopyRect(TRect{i * w, 0, i * w + w, h}, image->Canvas(), TRect{(cell - 1) * w, 0, cell * w, h});
    }
    target->Assign(&glyphs);
    SetPropByName(Control, "transparentcolor", IntToStr(0xFF00FF));
    // Switched off and on, the control loads the new strip.
    SetPropByName(Control, "UseCustomGlyphs", "false");
    SetPropByName(Control, "UseCustomGlyphs", "true");
}

void TSkinObjImage::SkinChanged() {
    TSkinControl::SkinChanged();
    ApplyGlyphs();
}

void TSkinObjImage::RestoreColor() {
    TSkinControl::RestoreColor();
    if (Control) SetPropByName(Control, "UseCustomGlyphs", "false");
}
