// The media player's painter: a panel of the skin's own covers the player
// control, draws its buttons from the skin's "Buttons" element with glyphs
// of its own, and hands presses on to the player beneath.
#pragma once

#include <array>
#include <memory>

#include "platform/ui/extctrls.h"
#include "skin/WinSubClass.h"

class TSkinMP;

class TWMediaPlayer : public TCustomPanel {
    SERVIORA_CLASS(TWMediaPlayer, TCustomPanel)
public:
    // The player's buttons, in the order of its button-type enumeration.
    static constexpr int kButtonCount = 9;
    static const std::array<const char*, kButtonCount> kButtonNames;  // "btPlay" ...

    explicit TWMediaPlayer(TComponent* owner);
    ~TWMediaPlayer() override;

    // The first visible button whose span holds x (its right end included); 9 for none.
    int HitTest(int x) const;

    bool Visible[kButtonCount] = {}, Enabled[kButtonCount] = {}, Colored[kButtonCount] = {};
    int VisibleCount = 0;
    int PressedIndex = kButtonCount, HitIndex = kButtonCount;
    int ButtonWidth = 0;
    bool Pressed = false;
    TSkinData* SkinData = nullptr;
    TWinControl* Player = nullptr;
    TSkinMP* Painter = nullptr;

protected:
    void Paint() override;
    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMLButtonDown)
        SERVIORA_MESSAGE(WM_LBUTTONUP, WMLButtonUp)
    SERVIORA_MESSAGES_END(TCustomPanel)

private:
    // Which buttons the player shows, enables and colours, from its set properties.
    void ReadButtons();

    // Enabled, disabled and coloured glyph of each button.
    std::array<std::unique_ptr<TBitmap>, kButtonCount> enabledGlyphs_, disabledGlyphs_, colouredGlyphs_;
};

class TSkinMP : public TSkinControl {
    SERVIORA_CLASS(TSkinMP, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinMP() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void RestoreColor() override;
    void AfterMessage(TMessage& message) override;

    TWMediaPlayer* PlayerPanel = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override;
};
