// THTMLHintWindow: a hint window whose text is written in the grid's HTML
// mini-language, measured and drawn by the markup renderer.
#pragma once

#include "platform/ui/hints.h"

class THTMLHintWindow : public THintWindow {
    SERVIORA_CLASS(THTMLHintWindow, THintWindow)
public:
    using THintWindow::THintWindow;

    TRect CalcHintRect(int maxWidth, const AnsiString& hint, void* data) override;
    void ActivateHint(TRect rect, const AnsiString& hint) override;
    int TextWidth() const { return textWidth_; }
    int TextHeight() const { return textHeight_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    TSize Measure(const AnsiString& hint, const TRect& rect);

    int textWidth_ = 0, textHeight_ = 0;
};
