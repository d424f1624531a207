// THintWindow: the small pop-up window that shows a control's hint.
#pragma once

#include "platform/ui/controls.h"

class THintWindow : public TCustomControl {
    SERVIORA_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* owner);

    // The window rectangle (at 0, 0) that shows `hint` wrapped at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const AnsiString& hint, void* data);
    // Shows the hint in `rect` (screen coordinates), above other windows,
    // without taking the activation.
    virtual void ActivateHint(TRect rect, const AnsiString& hint);
    void ActivateHintData(TRect rect, const AnsiString& hint, void* data);
    // Hides the window.
    void ReleaseHandle();
    bool IsShowing() const { return HandleAllocated() && IsWindowVisible(const_cast<THintWindow*>(this)->Handle()); }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WMNCHitTest(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_NCHITTEST, WMNCHitTest)
    SERVIORA_MESSAGES_END(TCustomControl)
};
