// The pop-up machinery of the styled controls: a panel whose children are
// shown, while it is popped up, in a borderless pop-up window under a
// control, with its own message loop that ends on a click elsewhere, on
// Escape or when an item closes it.
#pragma once

#include "styled/VxPanel.h"

class TVxPopup;

// A panel with a thin popped-out frame, drawn inside its border width.
class TVxCustomPopup : public TVxCustomPanel {
    SERVIORA_CLASS(TVxCustomPopup, TVxCustomPanel)
public:
    explicit TVxCustomPopup(TComponent* owner);
    // Children sit inside the frame, the border width and one pixel more.
    void AdjustClientRect(TRect& rect) const override;

protected:
    // With visual styles, a disabled edit box's look.
    void Paint() override;
};

// Holds the controls that a pop-up shows; Popup runs the pop-up under a
// control until it closes.
class TVxPopupPanel : public TVxCustomPopup {
    SERVIORA_CLASS(TVxPopupPanel, TVxCustomPopup)
public:
    explicit TVxPopupPanel(TComponent* owner);
    ~TVxPopupPanel() override;

    // False at once while a pop-up is open; otherwise whether the pop-up was
    // closed through ClosePopup (rather than by a click elsewhere or Escape).
    bool Popup(TControl* control);
    void ClosePopup();
    bool IsPoppedUp() const { return popup_ != nullptr; }

    // How the pop-up lines up with the control it opens under.
    TAlignment Alignment() const { return popupAlignment_; }
    void SetAlignment(TAlignment v) { popupAlignment_ = v; }
    // The pop-up takes the size of the controls it holds.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }
    const TNotifyEvent& OnPopup() const { return onPopup_; }
    void SetOnPopup(TNotifyEvent v) { onPopup_ = std::move(v); }
    const TNotifyEvent& OnClose() const { return onClose_; }
    void SetOnClose(TNotifyEvent v) { onClose_ = std::move(v); }

protected:
    virtual void DoClose();
    virtual void DoPopup();
    void DestroyWnd() override;

private:
    TAlignment popupAlignment_ = taRightJustify;
    bool autoSize_ = true;
    TNotifyEvent onPopup_, onClose_;
    TControl* popupControl_ = nullptr;
    TVxPopup* popup_ = nullptr;
};

// The pop-up window itself: a top-level WS_POPUP window owned by the panel's
// form that never takes the activation.
class TVxPopup : public TVxCustomPopup {
    SERVIORA_CLASS(TVxPopup, TVxCustomPopup)
public:
    explicit TVxPopup(TVxPopupPanel* panel);

    // Shows the panel's children under `control` and runs the loop; answers
    // whether Close ended it.
    bool Popup(TControl* control, TAlignment alignment);
    void Close();
    void PostClose();
    // Ends the loop the next time it looks at the queue.
    static constexpr UINT CloseMessage = 0x2423;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& Message) override;

private:
    // Where the pop-up opens for `anchor` (screen coordinates), kept in the
    // work area and above the anchor when it would pass the bottom.
    TRect Placement(const TRect& anchor, TAlignment alignment) const;
    void FitToChildren();
    void RunModalLoop();
    // Hides the window and gives the children back to the panel.
    void Withdraw();

    TVxPopupPanel* panel_;
    TControl* control_ = nullptr;
    TWinControl* focusTarget_ = nullptr;
    bool chosen_ = false;
};
