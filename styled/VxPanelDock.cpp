// Captions and close glyphs of the clients docked in a styled panel.
#include "styled/VxPanelDock.h"

#include "platform/win/winpaint.h"
#include "styled/VxCommon.h"
#include "styled/VxPanel.h"

namespace {

constexpr int CaptionStrip = 14;

std::unique_ptr<TFont> MakeFont(const char* name, int size) {
    auto font = std::make_unique<TFont>();
    font->SetName(name);
    font->SetSize(size);
    return font;
}

}  // namespace

TVxPanelDockManager::TVxPanelDockManager(TVxCustomPanel* panel)
    : TDockTree(panel),
      panel_(panel),
      captionFont_(MakeFont("Verdana", 8)),
      closeGlyphFont_(MakeFont("Marlett", 8)) {
    SetGrabberSize(CaptionStrip);
}

TVxPanelDockManager::~TVxPanelDockManager() = default;

bool TVxPanelDockManager::LeftStrip() const { return panel_->Align() == alTop || panel_->Align() == alBottom; }

void TVxPanelDockManager::AdjustDockRect(TControl*, TRect& rect) {
    if (LeftStrip()) rect.left += CaptionStrip;
    else rect.top += CaptionStrip;
}

void TVxPanelDockManager::PaintDockFrame(TCanvas* canvas, TControl* control, const TRect& rect) {
    if (!panel_->ShowDockClientCaptions()) {
        TDockTree::PaintDockFrame(canvas, control, rect);
        return;
    }
    auto* windowed = dynamic_cast<TWinControl*>(control);
    const bool active = !windowed || windowed->Focused();
    const TColor back = active ? clActiveCaption : clInactiveCaption;
    const TColor text = active ? clCaptionText : clInactiveCaptionText;
    const AnsiString caption = control->Text();
    const HDC dc = canvas->Handle();
    canvas->SetFont(captionFont_.get());
    canvas->Brush()->SetColor(back);
    canvas->Font()->SetColor(text);
    TRect glyph;
    if (LeftStrip()) {
        const TRect strip(rect.left, rect.top, rect.left + CaptionStrip, rect.bottom);
        canvas->FillRect(strip);
        const HFONT turned = CreateRotatedFont(captionFont_.get(), 90);
        const HGDIOBJ oldFont = SelectObject(dc, turned);
        const UINT oldAlign = SetTextAlign(dc, TA_BASELINE);
        SetTextColor(dc, ColorToRGB(clCaptionText));
        SetBkColor(dc, ColorToRGB(back));
        ExtTextOut(dc, strip.right - 2, strip.bottom - 3, ETO_OPAQUE | ETO_CLIPPED, &strip, caption.c_str(),
                   UINT(caption.size()), nullptr);
        SetTextAlign(dc, oldAlign);
        SelectObject(dc, oldFont);
        DeleteObject(turned);
        glyph = TRect(rect.left + 1, rect.top + 1, rect.left + 12, rect.top + 12);
    } else {
        const TRect strip(rect.left, rect.top, rect.right, rect.top + CaptionStrip);
        canvas->TextRect(strip, strip.left + 2, strip.top, caption);
        glyph = TRect(rect.right - 15, rect.top + 1, rect.right - 2, rect.top + 12);
    }
    canvas->SetFont(closeGlyphFont_.get());
    canvas->Font()->SetColor(text);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(glyph.left, glyph.top, "r");
    canvas->Brush()->SetStyle(bsSolid);
}

void TVxPanelDockManager::WindowProc(TMessage& message) {
    if ((message.Msg == WM_COMMAND || message.Msg == WM_MOUSEACTIVATE) && panel_->HandleAllocated())
        panel_->Invalidate();
    TDockTree::WindowProc(message);
}
