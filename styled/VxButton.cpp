// The styled tool button.
#include "styled/VxButton.h"

#include "platform/rtl/classregistry.h"
#include "styled/VxPanel.h"

SERVIORA_REGISTER_CLASS(TVxToolButton);

TVxToolButton::TVxToolButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 25, 25);
    SetColor(clBtnFace);
}

TVxToolbar* TVxToolButton::Toolbar() const { return dynamic_cast<TVxToolbar*>(Parent()); }

TCustomImageList* TVxToolButton::CurrentImages() const {
    if (images_) return images_;
    TVxToolbar* toolbar = Toolbar();
    return toolbar ? toolbar->Images() : nullptr;
}

TButtonLayout TVxToolButton::Layout() const {
    TVxToolbar* toolbar = Toolbar();
    return useToolbarButtonLayout_ && toolbar ? toolbar->ButtonLayout() : layout_;
}

void TVxToolButton::SetLayout(TButtonLayout v) {
    layout_ = v;
    useToolbarButtonLayout_ = false;
    Invalidate();
}

bool TVxToolButton::ShowCaption() const {
    TVxToolbar* toolbar = Toolbar();
    return useToolbarShowCaption_ && toolbar ? toolbar->ShowButtonCaptions() : showCaption_;
}

void TVxToolButton::SetShowCaption(bool v) {
    showCaption_ = v;
    useToolbarShowCaption_ = false;
    Invalidate();
}

void TVxToolButton::SetUseToolbarButtonLayout(bool v) { SetAndRepaint(this, useToolbarButtonLayout_, v); }

void TVxToolButton::SetUseToolbarShowCaption(bool v) { SetAndRepaint(this, useToolbarShowCaption_, v); }

void TVxToolButton::SetAlignment(TAlignment v) { SetAndRepaint(this, alignment_, v); }

void TVxToolButton::SetImageIndex(Integer v) { SetAndRepaint(this, imageIndex_, v); }

void TVxToolButton::SetDisabledIndex(Integer v) { SetAndRepaint(this, disabledIndex_, v); }

void TVxToolButton::SetDownIndex(Integer v) { SetAndRepaint(this, downIndex_, v); }

void TVxToolButton::SetHotIndex(Integer v) { SetAndRepaint(this, hotIndex_, v); }

void TVxToolButton::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = v;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TVxToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TVxToolButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (down_ == v) return;
    down_ = v;
    if (down_ && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TVxToolButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_) other->SetDown(false);
        }
    }
    Invalidate();
}

void TVxToolButton::SetFlat(bool v) { SetAndRepaint(this, flat_, v); }

void TVxToolButton::SetTransparent(bool v) { SetAndRepaint(this, transparent_, v); }

void TVxToolButton::Click() {
    if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_);
    TGraphicControl::Click();
}

void TVxToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        pressed_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TVxToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

Integer TVxToolButton::StateImageIndex() const {
    if (!Enabled() && disabledIndex_ >= 0) return disabledIndex_;
    if ((pressed_ || down_) && downIndex_ >= 0) return downIndex_;
    return imageIndex_;
}

void TVxToolButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    if (!transparent_ || down_ || pressed_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    if (pressed_ || down_)
        DrawButtonEdge(canvas, rect, true, AllSides);
    else if (!flat_)
        DrawButtonEdge(canvas, rect, false, AllSides);

    TCustomImageList* images = CurrentImages();
    const Integer index = StateImageIndex();
    const bool glyph = images && index >= 0 && index < images->Count();
    const int glyphWidth = glyph ? images->Width() : 0, glyphHeight = glyph ? images->Height() : 0;
    const bool caption = ShowCaption() && !Caption().empty();
    canvas->SetFont(Font());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    const int textWidth = caption ? canvas->TextWidth(Caption()) : 0;
    const int textHeight = caption ? canvas->TextHeight(Caption()) : 0;
    const TGlyphPlacement at =
        PlaceGlyphAndCaption({rect.right - rect.left, rect.bottom - rect.top}, {glyphWidth, glyphHeight},
                             {textWidth, textHeight}, Layout(), -1, 2);
    // Pressed, the content moves one pixel down and right.
    const int left = rect.left + (pressed_ || down_ ? 1 : 0), top = rect.top + (pressed_ || down_ ? 1 : 0);
    if (glyph) images->Draw(canvas, left + at.Glyph.x, top + at.Glyph.y, index, Enabled() || disabledIndex_ >= 0);
    if (caption) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextRect(rect, left + at.Caption.x, top + at.Caption.y, Caption());
    }
}

void TVxToolButton::Published(TPublished<TVxToolButton>& p) {
    p.Property("AllowAllUp", &TVxToolButton::AllowAllUp, &TVxToolButton::SetAllowAllUp).Default(false);
    p.Property("Alignment", &TVxToolButton::Alignment, &TVxToolButton::SetAlignment).Default(taCenter);
    p.Property("DisabledIndex", &TVxToolButton::DisabledIndex, &TVxToolButton::SetDisabledIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("DownIndex", &TVxToolButton::DownIndex, &TVxToolButton::SetDownIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("HotIndex", &TVxToolButton::HotIndex, &TVxToolButton::SetHotIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("ImageIndex", &TVxToolButton::ImageIndex, &TVxToolButton::SetImageIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("Images", &TVxToolButton::Images, &TVxToolButton::SetImages);
    p.Property("GroupIndex", &TVxToolButton::GroupIndex, &TVxToolButton::SetGroupIndex).Default(0);
    p.Property("Down", &TVxToolButton::Down, &TVxToolButton::SetDown).Default(false);
    p.Property("Flat", &TVxToolButton::Flat, &TVxToolButton::SetFlat).Default(true);
    p.Property("Layout", &TVxToolButton::Layout, &TVxToolButton::SetLayout).Default(blGlyphLeft);
    p.Property("ShowCaption", &TVxToolButton::ShowCaption, &TVxToolButton::SetShowCaption).Default(false);
    p.Property("Transparent", &TVxToolButton::Transparent, &TVxToolButton::SetTransparent).Default(true);
    p.Property("ToolStyle", &TVxToolButton::ToolStyle, &TVxToolButton::SetToolStyle).Default(tsButton);
    p.Property("UseToolbarButtonLayout", &TVxToolButton::UseToolbarButtonLayout,
               &TVxToolButton::SetUseToolbarButtonLayout)
        .Default(true);
    p.Property("UseToolbarButtonSize", &TVxToolButton::UseToolbarButtonSize,
               &TVxToolButton::SetUseToolbarButtonSize)
        .Default(true);
    p.Property("UseToolbarShowCaption", &TVxToolButton::UseToolbarShowCaption,
               &TVxToolButton::SetUseToolbarShowCaption)
        .Default(true);
}
