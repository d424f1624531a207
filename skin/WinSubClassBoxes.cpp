// Group boxes, panels, raw dialog children and size grips on the skin's
// face colour; other libraries' check and radio controls given the skin's
// glyphs.
#include "skin/WinSubClassBoxes.h"

#include <algorithm>

#include "platform/rtl/programlong.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/win/commctrl_statusbar.h"
#include "platform/win/userdraw.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

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

// ---- status bars ----

namespace {

// Every status-bar painter draws on this one: painting happens inside one
// message at a time.
TBitmap* StatusBarBitmap() {
    static ProgramLong<TBitmap> bitmap;
    return &*bitmap;
}

UINT PanelTextFlags(TAlignment alignment) {
    return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}

}  // namespace

bool TSkinStatusBar::HandleMessage(TMessage& message) {
    return !PaintWholeWindow(this, message) && TSkinControl::HandleMessage(message);
}

void TSkinStatusBar::PanelBackground(TCanvas* canvas, const TRect& rect, int bevel) {
    TDataSkinObject* edges = SkinData->StatusBarEdges();
    if (edges && edges->Bitmap && !edges->Bitmap->Empty()) {
        DrawSkinCell(canvas->Handle(), rect, edges->Bitmap.get(), edges->Margins(), bevel,
                     std::max<int>(edges->Frame, 1), false, edges->Tile != 0, false);
        return;
    }
    TRect r = rect;
    if (bevel == 1) Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    if (bevel == 2) Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
}

void TSkinStatusBar::PaintSkin(HDC dc, const TRect& rect) {
    auto* bar = dynamic_cast<TCustomStatusBar*>(Control);
    if (!bar) return;
    TBitmap* bitmap = StatusBarBitmap();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(rect.right - rect.left, rect.bottom - rect.top);
    TCanvas* canvas = bitmap->Canvas();
    const TRect whole{0, 0, bitmap->Width(), bitmap->Height()};
    FillSolid(canvas->Handle(), whole, FaceColour());
    canvas->Font()->Assign(bar->Font());
    canvas->Font()->SetStyle({});
    TDataSkinObject* edges = SkinData->StatusBarEdges();
    if (edges) canvas->Font()->SetColor(edges->NormalColour2);
    // An empty text is drawn as a blank.
    auto caption = [&](const TRect& place, const WideString& text, UINT flags) {
        TRect inner = place;
        InflateRect(&inner, -2, 0);
        DrawCaption(this, canvas, inner, text.empty() ? WideString(u" ") : text, true, flags);
    };
    TStatusPanels* panels = bar->Panels();
    if (bar->SimplePanel() || panels->Count() == 0) {
        PanelBackground(canvas, whole, 1);
        const bool rightToLeft = bar->BiDiMode() == bdRightToLeft;
        caption(whole, GetTextPropByName(bar, "simpletext"), rightToLeft ? DT_RIGHT : DT_LEFT);
    } else {
        for (int i = 0; i < panels->Count(); ++i) {
            RECT r;
            if (!SendMessage(Handle, SB_GETRECT, WPARAM(i), LPARAM(&r))) continue;
            TRect place = r;
            place.right += 2;
            if (i == panels->Count() - 1) place.right = whole.right;
            TStatusPanel* panel = panels->Items(i);
            const int bevel = panel->Bevel() == pbRaised ? 2 : panel->Bevel() == pbLowered ? 1 : 3;
            PanelBackground(canvas, place, bevel);
            if (panel->Style() == psText)
                caption(place, SkinAnsiToWide(panel->Text()), PanelTextFlags(panel->Alignment()));
        }
    }
    TDataSkinObject* extra = SkinData->ExtraImages();
    if ((GetWindowLong(Handle, GWL_STYLE) & SBARS_SIZEGRIP) && extra && extra->Bitmap && !extra->Bitmap->Empty()) {
        const TRect cell = SkinCellRect(extra->Bitmap.get(), 5, std::max<int>(extra->Frame, 1), false);
        const int w = cell.right - cell.left, h = cell.bottom - cell.top;
        DrawSkinGlyph(canvas->Handle(), TRect{whole.right - 1 - w, whole.bottom - 1 - h, whole.right - 1, whole.bottom - 1},
                      extra->Bitmap.get(), 5, std::max<int>(extra->Frame, 1), true);
    }
    BitBlt(dc, rect.left, rect.top, whole.right, whole.bottom, canvas->Handle(), 0, 0, SRCCOPY);
    bar->PaintControls(dc, nullptr);
    if (bar->OnDrawPanel()) {
        CanvasOnDC onDC(bar->Canvas(), dc);
        for (int i = 0; i < panels->Count(); ++i) {
            RECT r;
            if (!SendMessage(Handle, SB_GETRECT, WPARAM(i), LPARAM(&r))) continue;
            TRect place = r;
            InflateRect(&place, -2, -2);
            bar->OnDrawPanel()(bar, panels->Items(i), place);
        }
    }
}

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
