// The overflow chevron of a toolbar that does not wrap: a 14-pixel button at
// its right edge that opens the cut-off tool buttons in a pop-up toolbar;
// choosing one there clicks the real button.
#pragma once

#include "styled/VxButton.h"
#include "styled/VxPopup.h"

class TVxToolbarPopupButton : public TCustomControl {
    SERVIORA_CLASS(TVxToolbarPopupButton, TCustomControl)
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    SERVIORA_MESSAGES_END(TCustomControl)
public:
    // `toolbar` owns the chevron and is its parent.
    explicit TVxToolbarPopupButton(TVxToolbar* toolbar);

    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor v);
    // The real button chosen in the pop-up (none while it is open).
    TVxToolButton* SelectedButton() const { return selectedButton_; }
    void SetSelectedButton(TVxToolButton* v) { selectedButton_ = v; }
    // Offers the buttons past the toolbar's far margin in a pop-up and clicks
    // the one chosen.
    void ShowOverflow();
    // The pop-up's panel while ShowOverflow runs.
    TVxPopupPanel* OverflowPanel() const { return panel_; }

protected:
    virtual void DrawFace(TRect rect, bool down);
    virtual void DrawGlyph(const TRect& rect);
    static TColor ThemedGlyphColor();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }
    // The toolbar filled with the pop-up's copies of the cut-off buttons.
    TVxToolbar* BuildOverflowToolbar();

    TVxToolbar* toolbar_;
    TColor frameColor_ = clBtnShadow;
    bool pressed_ = false;
    bool down_ = false;
    TVxToolButton* selectedButton_ = nullptr;
    TVxPopupPanel* panel_ = nullptr;
};

// A copy of a cut-off tool button in the overflow pop-up; clicking it picks
// the real button and closes the pop-up.
class TVxPopupToolButton : public TVxToolButton {
    SERVIORA_CLASS(TVxPopupToolButton, TVxToolButton)
public:
    TVxPopupToolButton(TComponent* owner, TVxToolbarPopupButton* chevron);

    TVxToolButton* MappedButton() const { return mappedButton_; }
    void Assign(TPersistent* source) override;
    void Click() override;

private:
    TVxToolbarPopupButton* chevron_;
    TVxToolButton* mappedButton_ = nullptr;
};
