// The toolbar's overflow chevron and the copies of the cut-off buttons it
// offers.
#include "styled/VxChevron.h"

#include "platform/rtl/classregistry.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/ui/uxtheme.h"
#include "styled/VxBorders.h"
#include "styled/VxColors.h"
#include "styled/VxGrafx.h"

TVxToolbarPopupButton::TVxToolbarPopupButton(TVxToolbar* toolbar) : TCustomControl(toolbar), toolbar_(toolbar) {
    controlStyle_.Include(csNoDesignVisible);
    SetParent(toolbar);
}

void TVxToolbarPopupButton::SetFrameColor(TColor v) { SetAndRepaint(this, frameColor_, v); }

void TVxToolbarPopupButton::Paint() {
    const TRect rect = ClientRect();
    DrawFace(rect, down_);
    if (toolbar_->VisualStyle() != vsWinXP || !VisualStylesEnabled()) DrawGlyph(rect);
}

// A box in the frame colour filled like the toolbar; darker or with the
// ramp turned round while it is down.
void TVxToolbarPopupButton::DrawFace(TRect rect, bool down) {
    TCanvas* canvas = Canvas();
    if (toolbar_->VisualStyle() == vsWinXP && VisualStylesEnabled()) {
        DrawThemedPart(canvas->Handle(), u"REBAR", 0, 0, rect);
        DrawThemedPart(canvas->Handle(), u"REBAR", RP_CHEVRON, down ? CHEVS_PRESSED : CHEVS_NORMAL, rect);
        return;
    }
    rect = DrawBoxOutline(canvas, rect, frameColor_);
    if (toolbar_->VisualStyle() == vsGradient) {
        const TBarColors ramp = toolbar_->RampColors();
        PaintColorRamp(canvas, rect, toolbar_->GradientDirection(), down ? ramp.stop : ramp.start,
                       down ? ramp.start : ramp.stop, 1);
        return;
    }
    canvas->Brush()->SetColor(down ? ShadeDarker(toolbar_->Color(), 20) : toolbar_->Color());
    canvas->FillRect(rect);
}

// A bar above a small downward triangle, one pixel lower while down; with
// visual styles in the colour of the themed combo-box arrow.
void TVxToolbarPopupButton::DrawGlyph(const TRect& rect) {
    TCanvas* canvas = Canvas();
    const int cx = rect.left + (rect.right - rect.left) / 2, c = rect.bottom - (down_ ? 3 : 4);
    const TColor saved = canvas->Brush()->Color();
    const bool themed = VisualStylesEnabled();
    canvas->Brush()->SetColor(themed ? ThemedGlyphColor() : clBlack);
    if (themed) {
        canvas->FillRect(TRect(cx - 3, c - 6, cx + 4, c - 5));
        const TPenStyle penStyle = canvas->Pen()->Style();
        canvas->Pen()->SetStyle(psClear);
        const TPoint arrow[] = {{cx, c}, {cx - 3, c - 4}, {cx, c - 4}, {cx, c - 3}, {cx + 1, c - 4}, {cx + 4, c - 4}};
        canvas->Polygon(arrow, 6);
        canvas->Pen()->SetStyle(penStyle);
    } else {
        canvas->FillRect(TRect(cx - 3, c - 5, cx + 4, c - 4));
        for (int row = 0; row < 4; ++row) {
            const int half = 3 - row;
            canvas->FillRect(TRect(cx - half, c - half, cx + half + 1, c - half + 1));
        }
    }
    canvas->Brush()->SetColor(saved);
}

// The middle of the themed combo-box arrow, unless it would vanish on the
// window colour.
TColor TVxToolbarPopupButton::ThemedGlyphColor() {
    TBitmap scratch;
    scratch.SetWidth(17);
    scratch.SetHeight(21);
    DrawThemedPart(scratch.Canvas()->Handle(), u"COMBOBOX", CP_DROPDOWNBUTTON, CBXS_NORMAL, TRect(0, 0, 16, 20));
    const TColor color = scratch.Canvas()->Pixels(8, 10);
    return ColorsAlike(color, clWindow) ? cl3DDkShadow : color;
}

void TVxToolbarPopupButton::MouseDown(TMouseButton, TShiftState, int, int) {
    pressed_ = down_ = true;
    Invalidate();
    SetMouseCapture(true);
}

void TVxToolbarPopupButton::MouseMove(TShiftState, int x, int y) {
    if (!pressed_) return;
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside != down_) {
        down_ = inside;
        Invalidate();
    }
}

void TVxToolbarPopupButton::MouseUp(TMouseButton, TShiftState, int, int) {
    SetMouseCapture(false);
    pressed_ = false;
    if (!down_) return;
    down_ = false;
    ShowOverflow();
    Invalidate();
}

TVxToolbar* TVxToolbarPopupButton::BuildOverflowToolbar() {
    auto* bar = new TVxToolbar(panel_);
    bar->SetParent(panel_);
    bar->SetBorderOuter(fsFlat);
    bar->SetBorderSides(AllSides);
    bar->SetAlign(alNone);
    bar->SetWidth(toolbar_->ButtonWidth() * 3 + 8);
    bar->SetBiDiMode(toolbar_->BiDiMode());
    bar->SetButtonHeight(toolbar_->ButtonHeight());
    bar->SetButtonLayout(toolbar_->ButtonLayout());
    bar->SetButtonWidth(toolbar_->ButtonWidth());
    bar->SetGradientColorStart(toolbar_->GradientColorStart());
    bar->SetGradientColorStop(toolbar_->GradientColorStop());
    bar->SetGradientColorStyle(toolbar_->GradientColorStyle());
    bar->SetGradientDirection(toolbar_->GradientDirection());
    bar->SetImages(toolbar_->Images());
    bar->SetRowHeight(toolbar_->RowHeight());
    bar->SetShowButtonCaptions(toolbar_->ShowButtonCaptions());
    bar->SetShowHint(toolbar_->ShowHint());
    bar->SetTextOptions(toolbar_->TextOptions());
    bar->SetVisualStyle(toolbar_->VisualStyle());
    bar->SetColor(toolbar_->VisualStyle() == vsGradient ? clWindow : toolbar_->Color());
    const int edge = toolbar_->Width() - toolbar_->Margin();
    for (TControl* control : toolbar_->ToolbarControls()) {
        auto* button = dynamic_cast<TVxToolButton*>(control);
        if (!button || !button->Visible() || button->Left() + button->Width() <= edge) continue;
        auto* copy = new TVxPopupToolButton(bar, this);
        copy->Assign(button);
        copy->SetOnClick(button->OnClick());
        copy->SetParent(bar);
    }
    return bar;
}

void TVxToolbarPopupButton::ShowOverflow() {
    TCustomForm* form = GetParentForm();
    if (!form) return;
    panel_ = new TVxPopupPanel(this);
    std::unique_ptr<TVxPopupPanel> owned(panel_);
    TVxToolbar* bar = BuildOverflowToolbar();
    panel_->SetParent(form);
    panel_->Font()->SetName(Font()->Name());
    panel_->Font()->SetColor(Font()->Color());
    bar->HandleNeeded();
    bar->SetVisible(true);
    bar->SetOnClick([this](TObject*) { panel_->ClosePopup(); });
    selectedButton_ = nullptr;
    try {
        panel_->Popup(this);
    } catch (...) {
        panel_ = nullptr;
        throw;
    }
    panel_ = nullptr;
    owned.reset();
    if (TVxToolButton* chosen = std::exchange(selectedButton_, nullptr)) chosen->Click();
}

// ---- the copies in the pop-up ------------------------------------------------------

TVxPopupToolButton::TVxPopupToolButton(TComponent* owner, TVxToolbarPopupButton* chevron)
    : TVxToolButton(owner), chevron_(chevron) {}

void TVxPopupToolButton::Assign(TPersistent* source) {
    auto* button = dynamic_cast<TVxToolButton*>(source);
    if (!button) {
        TVxToolButton::Assign(source);
        return;
    }
    mappedButton_ = button;
    SetAlignment(button->Alignment());
    SetAllowAllUp(button->AllowAllUp());
    SetBiDiMode(button->BiDiMode());
    SetCaption(button->Caption());
    SetColor(button->Color());
    SetDisabledIndex(button->DisabledIndex());
    SetGroupIndex(button->GroupIndex());
    SetDown(button->Down());
    SetDownIndex(button->DownIndex());
    SetDropDownMenu(button->DropDownMenu());
    SetEnabled(button->Enabled());
    SetFlat(button->Flat());
    Font()->Assign(button->Font());
    SetHeight(button->Height());
    SetHint(button->Hint());
    SetHotIndex(button->HotIndex());
    SetImageIndex(button->ImageIndex());
    SetImages(button->Images());
    SetLayout(button->Layout());
    SetParentFont(button->ParentFont());
    SetParentShowHint(button->ParentShowHint());
    SetShowCaption(button->ShowCaption());
    SetShowHint(button->ShowHint());
    SetTag(button->Tag());
    SetToolStyle(button->ToolStyle());
    SetTransparent(button->Transparent());
    SetUseToolbarButtonLayout(button->UseToolbarButtonLayout());
    SetUseToolbarButtonSize(button->UseToolbarButtonSize());
    SetUseToolbarShowCaption(button->UseToolbarShowCaption());
    SetVisible(button->Visible());
    SetWidth(button->Width());
}

// The real button is clicked once the pop-up has closed; the copied
// OnClick is not run here.
void TVxPopupToolButton::Click() {
    chevron_->SetSelectedButton(mappedButton_);
    if (auto* bar = dynamic_cast<TVxToolbar*>(Parent())) bar->Click();
}
