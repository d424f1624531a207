// The button controls editors place beside their text: a speed button that
// paints an edit-button face, knows which half of an up-down button is
// pressed, repeats its press while held and can be held down while a
// drop-down is open.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "datagrid/DBGridVynTypes.h"
#include "datagrid/ToolCtrlsVyn.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/extctrls_graphic.h"

// The face that paints a button style (drop-down for ebsGlyphVyn, which
// shows its glyph instead).
TButtonFaceStyle ButtonFaceOf(TEditButtonStyleVyn style);

class TEditButtonControlVyn : public TSpeedButton {
    SERVIORA_CLASS(TEditButtonControlVyn, TSpeedButton)
public:
    explicit TEditButtonControlVyn(TComponent* owner);
    ~TEditButtonControlVyn() override;

    TEditButtonStyleVyn Style() const { return style_; }
    void SetStyle(TEditButtonStyleVyn v);
    // The hot look.
    bool Active() const { return active_; }
    void SetActive(bool v);
    // The pressed look kept while the editor's drop-down is open.
    bool HeldDown() const { return heldDown_; }
    void SetHeldDown(bool v);
    // 0 none, 1 the top half (or the whole button), 2 the bottom half.
    int PressedHalf() const { return pressedHalf_; }
    const TButtonDownEventVyn& OnButtonDown() const { return onButtonDown_; }
    void SetOnButtonDown(TButtonDownEventVyn v) { onButtonDown_ = std::move(v); }

    // The repeat timer, made on first use (nullptr before).
    TTimer* RepeatTimer() const { return repeatTimer_.get(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;

    void FireButtonDown(bool topButton, bool& autoRepeat);
    void UpdatePressedHalf(int x, int y);
    void RestartRepeatTimer(Cardinal interval);
    void RepeatTimerTick(TObject* sender);

private:
    bool IsUpDown() const { return style_ == ebsUpDownVyn; }
    void StopRepeatTimer();

    TEditButtonStyleVyn style_ = ebsDropDownVyn;
    bool active_ = false;
    bool heldDown_ = false;
    int pressedHalf_ = 0;
    bool suppressClick_ = false;
    std::unique_ptr<TTimer> repeatTimer_;
    TButtonDownEventVyn onButtonDown_;
};

// The buttons of an editor: entry 0 its main button, then its extra
// buttons in collection order, each with the divider line shown before it
// in the flat look.
using TEditButtonControlList = std::vector<std::pair<TShape*, TEditButtonControlVyn*>>;

// A button control for an editor: 10 by 17 pixels, replicatable, on `editor`.
TEditButtonControlVyn* MakeEditButtonControl(TWinControl* editor);
// Grows or shrinks the list to `count` entries. New entries get a control
// from `make` and a divider on `editor`; surplus ones are freed, or only
// hidden (their owner keeps them) unless `freeSurplus`.
void ResizeButtonControls(TEditButtonControlList& controls, std::size_t count, TWinControl* editor,
                          const std::function<TEditButtonControlVyn*()>& make, bool freeSurplus);
// Places the controls along the edge (the right one, the left for
// right-to-left), the last entry outermost and each divider on its
// button's text side; answers the width they take.
int PlaceButtonControls(const TEditButtonControlList& controls, int clientWidth, int height, bool rightToLeft);
// Gives a control its entry index as Tag and the editor's handlers (an
// empty `move` leaves the control's own).
void HookEditButtonControl(TEditButtonControlVyn* control, int index, TButtonDownEventVyn down, TNotifyEvent click,
                           TMouseMoveEvent move, TMouseEvent up);

// The button control with its look published.
class TSpeedButtonVyn : public TEditButtonControlVyn {
    SERVIORA_CLASS(TSpeedButtonVyn, TEditButtonControlVyn)
    SERVIORA_PUBLISHED
public:
    using TEditButtonControlVyn::TEditButtonControlVyn;
};
