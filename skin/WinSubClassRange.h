// Painters of the controls that show or change a value within a range:
// spin buttons (also inside edits and as the scroller of tab controls),
// track bars drawn through their custom-draw notifications, and progress
// bars with a stretched or a chunked fill.
#pragma once

#include "skin/WinSubClass.h"

class TSkinUpDown : public TSkinControl {
    SERVIORA_CLASS(TSkinUpDown, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    bool Embedded = false;
    int Horizontal = 0;

private:
    // The element state (1 normal, 2 down, 3 disabled, 4 hot) of button 0 or 1.
    int ButtonState(int button, bool enabled, bool cursorBeyondHalf) const;
};

class TSkinTrackBar : public TSkinControl {
    SERVIORA_CLASS(TSkinTrackBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void SkinChanged() override;

private:
    LRESULT CustomDraw(const struct NMCUSTOMDRAW& draw);
    void DrawChannel(HDC dc);
    void DrawThumb(HDC dc);
};

class TSkinProgress : public TSkinControl {
    SERVIORA_CLASS(TSkinProgress, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

// The filled part of Width for Position in Low..High; nothing when the
// range is empty or the position or high limit is not above 0.
int ProgressFillWidth(int width, int low, int high, int position);
// The arrow of short lines around (x, y), in the order the spin buttons draw them.
void DrawSpinArrow(HDC dc, int x, int y, int direction);
