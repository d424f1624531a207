// The pop-up month calendar of date editors: a never-activated pop-up
// window that accepts a clicked day or Enter and closes without accepting
// on Escape, a press outside it or the loss of the focus.
#pragma once

#include "datagrid/ToolCtrlsVynDropDown.h"
#include "platform/ui/comctrls.h"

class TPopupMonthCalendarVyn : public TMonthCalendar {
    SERVIORA_CLASS(TPopupMonthCalendarVyn, TMonthCalendar)
public:
    // Takes the smallest size that shows a whole month.
    void FitToMinimumSize();
    explicit TPopupMonthCalendarVyn(TComponent* owner);

    // Posts QueuedCloseUpMessage, whose handler tells the editor.
    void QueueCloseUp(bool accept);
    int BorderWidth() const { return borderWidth_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // The calendar's smallest size plus the border on each side.
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    virtual void DrawNonClientBorder();

    void CMWantSpecialKey(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void QueuedCloseUp(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(QueuedCloseUpMessage, QueuedCloseUp)
    SERVIORA_MESSAGES_END(TMonthCalendar)

private:
    int borderWidth_ = 2;
};
