// Buttons with glyphs: TBitBtn and TSpeedButton.
#include "platform/ui/buttons.h"

#include <algorithm>

#include "platform/ui/forms.h"
#include "platform/win/winpaint.h"

namespace {

// A button glyph's pixels in one colour where the image is not transparent.
void Colour(TBitmap& cell, COLORREF transparent, TColor colour) {
    const HDC dc = cell.Canvas()->Handle();
    const COLORREF rgb = ColorToRGB(colour);
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x)
            if (GetPixel(dc, x, y) != transparent) SetPixel(dc, x, y, rgb);
}

// Where a glyph and a caption start along an axis of `area`: `gap` apart,
// the pair centred (a negative margin) or the glyph `margin` from its edge.
void PlaceInLine(int area, int glyph, int text, int gap, int margin, bool glyphFirst, int& glyphAt, int& textAt) {
    const int start = margin < 0 ? (area - (glyph + gap + text)) / 2 : margin;
    if (glyphFirst) {
        glyphAt = start;
        textAt = glyphAt + glyph + gap;
    } else {
        glyphAt = margin < 0 ? start + text + gap : area - margin - glyph;
        textAt = glyphAt - gap - text;
    }
}

}  // namespace

TGlyphPlacement PlaceGlyphAndCaption(TSize area, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                     int spacing) {
    const int gap = glyph.cx && caption.cx ? spacing : 0;
    TGlyphPlacement at;
    if (layout == blGlyphLeft || layout == blGlyphRight) {
        PlaceInLine(area.cx, glyph.cx, caption.cx, gap, margin, layout == blGlyphLeft, at.Glyph.x, at.Caption.x);
        at.Glyph.y = (area.cy - glyph.cy) / 2;
        at.Caption.y = (area.cy - caption.cy) / 2;
    } else {
        PlaceInLine(area.cy, glyph.cy, caption.cy, gap, margin, layout == blGlyphTop, at.Glyph.y, at.Caption.y);
        at.Glyph.x = (area.cx - glyph.cx) / 2;
        at.Caption.x = (area.cx - caption.cx) / 2;
    }
    return at;
}

// ---- TButtonGlyph ---------------------------------------------------------------------

TButtonGlyph::TButtonGlyph(TControl* button) : button_(button), glyph_(std::make_unique<TBitmap>()) {
    glyph_->SetOnChange([this](TObject*) { button_->Invalidate(); });
}

void TButtonGlyph::SetNumGlyphs(Integer v) {
    numGlyphs_ = std::clamp<Integer>(v, 1, 4);
    button_->Invalidate();
}

void TButtonGlyph::SetLayout(TButtonLayout v) {
    layout_ = v;
    button_->Invalidate();
}

void TButtonGlyph::SetMargin(Integer v) {
    margin_ = v;
    button_->Invalidate();
}

void TButtonGlyph::SetSpacing(Integer v) {
    spacing_ = v;
    button_->Invalidate();
}

void TButtonGlyph::Draw(TCanvas* canvas, TRect r, const AnsiString& caption, State state) const {
    const HDC dc = canvas->Handle();
    const int count = std::max<Integer>(1, numGlyphs_);
    const int glyphWidth = glyph_->Empty() ? 0 : glyph_->Width() / count;
    const int glyphHeight = glyph_->Empty() ? 0 : glyph_->Height();
    TRect textSize{0, 0, 0, 0};
    DrawText(dc, caption.c_str(), int(caption.size()), &textSize, DT_SINGLELINE | DT_CALCRECT);
    const int textWidth = caption.empty() ? 0 : textSize.right, textHeight = caption.empty() ? 0 : textSize.bottom;
    const TGlyphPlacement at = PlaceGlyphAndCaption({r.right - r.left, r.bottom - r.top}, {glyphWidth, glyphHeight},
                                                     {textWidth, textHeight}, layout_, margin_, spacing_);
    const int gx = at.Glyph.x, gy = at.Glyph.y, tx = at.Caption.x, ty = at.Caption.y;
    if (glyphWidth) {
        const int index = state < count ? int(state) : 0;
        TBitmap cell;
        cell.SetSize(glyphWidth, glyphHeight);
        BitBlt(cell.Canvas()->Handle(), 0, 0, glyphWidth, glyphHeight, glyph_->Canvas()->Handle(),
               index * glyphWidth, 0, SRCCOPY);
        // The bottom-left pixel marks the glyph's transparent colour.
        const COLORREF transparent = GetPixel(cell.Canvas()->Handle(), 0, glyphHeight - 1);
        cell.SetTransparentColor(TColor(transparent));
        cell.SetTransparent(true);
        if (state == Disabled && index != int(Disabled)) {
            // Embossed as disabled text is: a highlight copy below right, the shadow above.
            Colour(cell, transparent, clBtnHighlight);
            canvas->Draw(r.left + gx + 1, r.top + gy + 1, &cell);
            Colour(cell, transparent, clBtnShadow);
        }
        canvas->Draw(r.left + gx, r.top + gy, &cell);
    }
    if (textWidth) {
        TRect text{r.left + tx, r.top + ty, r.left + tx + textWidth, r.top + ty + textHeight};
        if (state == Disabled) {
            DrawCaptionText(canvas, caption, text, DT_SINGLELINE, false);
        } else {
            // An enabled caption is written in the button's own font colour.
            const HDC textDc = canvas->Handle();
            SetBkMode(textDc, TRANSPARENT);
            DrawText(textDc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE);
        }
    }
}

// ---- TBitBtn --------------------------------------------------------------------------

void TBitBtn::Published(TPublished<TBitBtn>& p) {
    p.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
    p.Property("Kind", &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
    p.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
    p.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    p.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetKind(TBitBtnKind v) {
    kind_ = v;
    if (v == bkCustom || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    struct KindDefaults {
        const char* caption;
        TModalResult result;
    };
    static constexpr KindDefaults defaults[] = {
        {"", mrNone},          {"确定", mrOk},         {"取消", mrCancel},     {"帮助(&H)", mrNone},
        {"是(&Y)", mrYes},     {"否(&N)", mrNo},       {"关闭(&C)", mrNone},   {"中止(&A)", mrAbort},
        {"重试(&R)", mrRetry}, {"忽略(&I)", mrIgnore}, {"全部(&A)", mrAll},
    };
    SetCaption(defaults[v].caption);
    SetModalResult(defaults[v].result);
    SetDefault(v == bkOK || v == bkYes);
    SetCancel(v == bkCancel || v == bkNo);
}

void TBitBtn::Click() {
    if (TCustomForm* form = GetParentForm(); form && kind_ == bkClose) form->Close();
    TButton::Click();
}

void TBitBtn::WMLButton(TMessage& Message) {
    down_ = Message.Msg != WM_LBUTTONUP;
    TButton::Dispatch(Message);
}

void TBitBtn::Paint() {
    TRect r = ClientRect();
    UINT frame = DFCS_BUTTONPUSH;
    if (down_) frame |= DFCS_PUSHED;
    const HDC dc = Canvas()->Handle();
    if (Default() || Focused()) {
        FrameRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, frame);
    Canvas()->Font()->Assign(Font());
    TRect content = r;
    InflateRect(&content, -2, -2);
    if (down_) OffsetRect(&content, 1, 1);
    glyph_.Draw(Canvas(), content, Caption(),
                !Enabled() ? TButtonGlyph::Disabled : down_ ? TButtonGlyph::Clicked : TButtonGlyph::Up);
    if (Focused()) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

// ---- TSpeedButton ---------------------------------------------------------------------

void TSpeedButton::Published(TPublished<TSpeedButton>& p) {
    p.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    p.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    p.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    p.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    p.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    p.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    p.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    p.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    p.Property("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true);
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks};
}

template <class F>
void TSpeedButton::ForEachInGroup(F f) {
    if (!Parent() || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            other && other != this && other->groupIndex_ == groupIndex_)
            f(*other);
}

void TSpeedButton::Changed() { Invalidate(); }

void TSpeedButton::SetGroupIndex(Integer v) {
    groupIndex_ = v;
    if (groupIndex_ == 0) down_ = false;
    Changed();
}

void TSpeedButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    // A group that may not be all up keeps its down button.
    if (down_ && !allowAllUp_) return;
    down_ = v;
    if (v) ForEachInGroup([](TSpeedButton& other) {
            if (other.down_) {
                other.down_ = false;
                other.Changed();
            }
        });
    Changed();
}

void TSpeedButton::SetAllowAllUp(bool v) {
    allowAllUp_ = v;
    ForEachInGroup([v](TSpeedButton& other) { other.allowAllUp_ = v; });
}

void TSpeedButton::SetFlat(bool v) {
    flat_ = v;
    Changed();
}

void TSpeedButton::SetTransparent(bool v) {
    transparent_ = v;
    if (v) controlStyle_.Exclude(csOpaque);
    else controlStyle_.Include(csOpaque);
    Changed();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    tracking_ = true;
    pressed_ = true;
    Changed();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!tracking_) return;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside == pressed_) return;
    pressed_ = inside;
    Changed();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !tracking_) return;
    tracking_ = false;
    const bool wasPressed = pressed_;
    pressed_ = false;
    Changed();
    if (!wasPressed || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    Click();
}

TButtonState TSpeedButton::State() const {
    if (!Enabled()) return bsDisabled;
    if (pressed_) return bsDown;
    return down_ ? bsExclusive : bsUp;
}

void TSpeedButton::SetState(TButtonState state) {
    const bool pressed = state == bsDown;
    if (pressed == pressed_) return;
    pressed_ = pressed;
    Changed();
}

void TSpeedButton::Paint() {
    TRect r = ClientRect();
    const HDC dc = Canvas()->Handle();
    const bool sunk = pressed_ || down_;
    if (!transparent_) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(r);
    }
    if (!flat_ || sunk) DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    Canvas()->Font()->Assign(Font());
    TRect content = r;
    InflateRect(&content, -2, -2);
    if (sunk) OffsetRect(&content, 1, 1);
    const TButtonGlyph::State state = !Enabled() ? TButtonGlyph::Disabled
                                      : down_    ? TButtonGlyph::Down
                                      : pressed_ ? TButtonGlyph::Clicked
                                                 : TButtonGlyph::Up;
    glyph_.Draw(Canvas(), content, Caption(), state);
}
