// The hint window of the grid's cell and title tooltips: it shows the text
// in the font of the cell it stands for, which the grid passes as the
// hint's data.
#pragma once

#include "platform/ui/hints.h"

class TToolTipsWindow : public THintWindow {
    SERVIORA_CLASS(TToolTipsWindow, THintWindow)
public:
    using THintWindow::THintWindow;
    // `data` is the cell's font (a TFont), or nullptr for the window's own.
    TRect CalcHintRect(int maxWidth, const AnsiString& hint, void* data) override;
};
