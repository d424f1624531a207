// The toolbar button: a windowless flat button that lights up under the
// pointer, shows pressed while held, toggles in groups, repeats while held
// and can open a drop-down menu below (or beside) itself.
#pragma once

#include <memory>

#include "platform/ui/buttons.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "report/ui/qm_tbqycmn.h"
#include "report/ui/qm_tbqyglyph.h"

class TPopupMenu;
class TTimer;

SERVIORA_ENUM(TButtonDisplayMode, dmBoth, dmGlyphOnly, dmTextOnly)
SERVIORA_EVENT_TYPE(TButtonDropdownEvent, void(TObject* Sender, bool& ShowMenu, bool& RemoveClicks));

class TToolbarButtonQy : public TGraphicControl {
    SERVIORA_CLASS(TToolbarButtonQy, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TToolbarButtonQy(TComponent* owner);
    ~TToolbarButtonQy() override;

    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Repeating() const { return repeating_; }
    void SetRepeating(bool v) { repeating_ = v; }
    int RepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(int v) { repeatDelay_ = v; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int v) { repeatInterval_ = v; }
    TButtonDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TButtonDisplayMode v);
    // Show the drop-down arrow even without a menu; a press clicks at once.
    bool DropdownAlways() const { return dropdownAlways_; }
    void SetDropdownAlways(bool v);
    // A split button: only its separate arrow part opens the menu; the
    // rest of the button clicks.
    bool DropdownCombo() const { return dropdownCombo_; }
    void SetDropdownCombo(bool v);
    // The small arrow of a drop-down button that is not split.
    bool DropdownArrow() const { return dropdownArrow_; }
    void SetDropdownArrow(bool v);
    // The arrow part's width; never below 7.
    int DropdownArrowWidth() const { return dropdownArrowWidth_; }
    void SetDropdownArrowWidth(int v);
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* v);
    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(TBitmap* v) { glyph_.SetGlyph(v); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int v) { glyph_.SetNumGlyphs(v); }
    TCustomImageList* Images() const { return glyph_.Images(); }
    void SetImages(TCustomImageList* v);
    int ImageIndex() const { return glyph_.ImageIndex(); }
    void SetImageIndex(int v) { glyph_.SetImageIndex(v); }
    bool OldDisabledStyle() const { return glyph_.OldDisabledStyle(); }
    void SetOldDisabledStyle(bool v) { glyph_.SetOldDisabledStyle(v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    // -1 centres; values below -1 are ignored.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    // Between glyph and caption; -1 shares the free space out.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    // The glyph's pictures per state, for those who look at them.
    Qm_TBQyCtls::TButtonGlyph& ButtonGlyph() { return glyph_; }
    TBitmap* GlyphMask() const { return glyph_.GlyphMask(); }
    void SetGlyphMask(TBitmap* v) { glyph_.SetGlyphMask(v); }
    // A flat button that is not opaque lets its parent's background show.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool v);
    bool NoBorder() const { return noBorder_; }
    void SetNoBorder(bool v);
    // A toggled-down button shows a checkered face.
    bool HighlightWhenDown() const { return highlightWhenDown_; }
    void SetHighlightWhenDown(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // Lights up under the pointer also while the application is inactive.
    bool ShowBorderWhenInactive() const { return showBorderWhenInactive_; }
    void SetShowBorderWhenInactive(bool v) { showBorderWhenInactive_ = v; }
    // Enter, respectively Escape, click the button.
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    // Handed to the parent form on a click.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    TToolbarButtonState State() const { return state_; }
    bool Hot() const { return hot_; }

    TButtonDropdownEvent OnDropdown;
    TNotifyEvent OnMouseEnter, OnMouseExit;

    void Click() override;

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void SetState(TToolbarButtonState v);
    // The state shown when the button is neither held nor hot.
    TToolbarButtonState RestingState() const { return down_ && groupIndex_ != 0 ? tbsExclusive : tbsUp; }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(WM_CANCELMODE, WMCancelMode)
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
        SERVIORA_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    SERVIORA_MESSAGES_END(TGraphicControl)

private:
    // Hears of the application going inactive and of the pointer moving on
    // from the hot button.
    static void HookProc(THookCode code, HWND window, WPARAM wParam, LPARAM lParam);
    void PaintOn(TCanvas* canvas);
    // Clicks for a dialog key or accelerator when the button can take it.
    bool CanClickByKey() const;
    void EnterHot();
    void LeaveHot();
    void RepeatTick();
    void ShowDropdownMenu();
    bool HasDropdown() const { return dropdownMenu_ != nullptr || dropdownAlways_; }
    bool IsSplit() const { return dropdownCombo_ && HasDropdown(); }
    // The button without its arrow part, where presses click.
    bool InMainPart(int x, int y) const;

    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool flat_ = true;
    bool repeating_ = false;
    int repeatDelay_ = 400;
    int repeatInterval_ = 100;
    TButtonDisplayMode displayMode_ = dmBoth;
    TPopupMenu* dropdownMenu_ = nullptr;
    bool dropdownAlways_ = false;
    bool dropdownCombo_ = false;
    bool dropdownArrow_ = true;
    int dropdownArrowWidth_ = 9;
    Qm_TBQyCtls::TButtonGlyph glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool opaque_ = true;
    bool noBorder_ = false;
    bool highlightWhenDown_ = true;
    TAlignment alignment_ = taCenter;
    bool wordWrap_ = false;
    bool showBorderWhenInactive_ = false;
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
    bool clicking_ = false;
    bool hot_ = false;
    bool held_ = false;
    bool arrowPressed_ = false;
    std::unique_ptr<TTimer> repeatTimer_;
    TToolbarButtonState state_ = tbsUp;
};
