// Buttons with glyphs: TBitBtn (a push button with a kind) and TSpeedButton
// (a windowless tool button that can stay down, alone or in a group).
#pragma once

#include <memory>

#include "platform/ui/graphic.h"
#include "platform/ui/stdctrls.h"

SERVIORA_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
SERVIORA_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

// Where a button's glyph and caption sit, as offsets into an area of size
// `area`: side by side or stacked as `layout` says, `spacing` apart when
// both are there, the glyph `margin` pixels from its edge of the area or,
// with a margin of -1, both centred together.
struct TGlyphPlacement {
    TPoint Glyph, Caption;
};
TGlyphPlacement PlaceGlyphAndCaption(TSize area, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                     int spacing);

// The glyph and its placement, shared by both buttons. The glyph bitmap holds
// NumGlyphs images side by side: up, disabled, clicked, down.
// Every change repaints the owning button.
class TButtonGlyph {
public:
    explicit TButtonGlyph(TControl* button);
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); }
    Integer NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(Integer v);  // 1 to 4
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    Integer Margin() const { return margin_; }  // -1 centres glyph and caption together
    void SetMargin(Integer v);
    Integer Spacing() const { return spacing_; }
    void SetSpacing(Integer v);

    enum State { Up, Disabled, Clicked, Down };
    // Draws glyph and caption into r; a disabled state without its own image is greyed.
    void Draw(TCanvas* canvas, TRect r, const AnsiString& caption, State state) const;

private:
    TControl* button_;
    std::unique_ptr<TBitmap> glyph_;
    Integer numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    Integer margin_ = -1;
    Integer spacing_ = 4;
};

class TBitBtn : public TButton {
    SERVIORA_CLASS(TBitBtn, TButton)
    SERVIORA_PUBLISHED
public:
    explicit TBitBtn(TComponent* owner);

    // Choosing a kind other than bkCustom sets its caption, ModalResult and
    // Default/Cancel (while reading a description, those come from it).
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind v);
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* v) { glyph_.SetGlyph(v); }
    Integer NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(Integer v) { glyph_.SetNumGlyphs(v); }
    TButtonLayout Layout() const { return glyph_.Layout(); }
    void SetLayout(TButtonLayout v) { glyph_.SetLayout(v); }
    Integer Spacing() const { return glyph_.Spacing(); }
    void SetSpacing(Integer v) { glyph_.SetSpacing(v); }
    Integer Margin() const { return glyph_.Margin(); }
    void SetMargin(Integer v) { glyph_.SetMargin(v); }
    // bkClose closes the form.
    void Click() override;

protected:
    void Paint() override;
    void WMLButton(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMLButton)
        SERVIORA_MESSAGE(WM_LBUTTONDBLCLK, WMLButton)
        SERVIORA_MESSAGE(WM_LBUTTONUP, WMLButton)
    SERVIORA_MESSAGES_END(TButton)

private:
    TBitBtnKind kind_ = bkCustom;
    TButtonGlyph glyph_{this};
    bool down_ = false;
};

// The look of a speed button: up, disabled, pressed while the mouse holds it
// (down), or held down in its group (exclusive).
SERVIORA_ENUM(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive)

class TSpeedButton : public TGraphicControl {
    SERVIORA_CLASS(TSpeedButton, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TSpeedButton(TComponent* owner);

    // Buttons of one parent with the same non-zero GroupIndex keep at most
    // one Down; with AllowAllUp false one always stays down once pressed.
    Integer GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(Integer v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* v) { glyph_.SetGlyph(v); }
    Integer NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(Integer v) { glyph_.SetNumGlyphs(v); }
    TButtonLayout Layout() const { return glyph_.Layout(); }
    void SetLayout(TButtonLayout v) { glyph_.SetLayout(v); }
    Integer Spacing() const { return glyph_.Spacing(); }
    void SetSpacing(Integer v) { glyph_.SetSpacing(v); }
    Integer Margin() const { return glyph_.Margin(); }
    void SetMargin(Integer v) { glyph_.SetMargin(v); }

protected:
    void Paint() override;
    // While the left button holds the control, the pressed look follows
    // the pointer: it shows up outside the control and down again inside.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    TButtonState State() const;
    // A descendant may show the button up while it is still held.
    void SetState(TButtonState state);
    // Whether the left button holds the control.
    bool Tracking() const { return tracking_; }

private:
    template <class F>
    void ForEachInGroup(F f);
    void Changed();

    Integer groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool transparent_ = true;
    bool pressed_ = false;
    bool tracking_ = false;
    TButtonGlyph glyph_{this};
};
