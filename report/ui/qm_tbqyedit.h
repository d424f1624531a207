// The flat edit of toolbars: a borderless edit with a three-pixel frame of
// its own that shows sunken while the edit has the focus or the pointer is
// over it (unless another flat edit holds the focus).
#pragma once

#include "platform/ui/stdctrls_edit.h"

class TEditQy : public TCustomEdit {
    SERVIORA_CLASS(TEditQy, TCustomEdit)
    SERVIORA_PUBLISHED
public:
    explicit TEditQy(TComponent* owner);

    // Whether the frame shows sunken now.
    bool Hot() const;

protected:
    void Loaded() override;
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void WMFocusChanged(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMPrint(TMessage& Message);
    void WMPrintClient(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMFocusChanged)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMFocusChanged)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(WM_PRINT, WMPrint)
        SERVIORA_MESSAGE(WM_PRINTCLIENT, WMPrintClient)
    SERVIORA_MESSAGES_END(TCustomEdit)

private:
    void FitHeightToFont();
    void RedrawFrame();
    void PaintFrame(HDC dc);

    bool mouseInside_ = false;
};
