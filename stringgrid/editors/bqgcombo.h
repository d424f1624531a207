// The flat combo box: a platform combo box drawn with a thin border that
// becomes a sunken frame while the mouse is over it or it has the focus, a
// drop button of settable width with a raised or etched edge (the visual
// style's drop-down button while styles are on), and a settable width of
// its drop-down list. The look itself is shared with the Unicode combo box.
#pragma once

#include <functional>

#include "platform/ui/stdctrls_combo.h"

// The flat look of a combo box, a second base of the combos that carry it:
// its settings, whether the mouse is over it, and its painting, driven by
// the combo's messages. The Unicode combo draws a variant of the frame and
// of the drop button (`wide`).
class TFlatComboLook {
public:
    TFlatComboLook(TCustomComboBox* combo, bool wide);

    bool Flat() const { return flat_; }
    // Flat draws no 3D look of the platform's own.
    void SetFlat(bool v);
    bool Etched() const { return etched_; }
    void SetEtched(bool v);
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool v) { focusBorder_ = v; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool v) { autoFocus_ = v; }
    int ButtonWidth() const { return buttonWidth_; }
    // Only 14 to 32 pixels are taken; other widths are ignored.
    void SetButtonWidth(int v);
    int DropWidth() const { return dropWidth_; }
    void SetDropWidth(int v);
    bool MouseInControl() const { return mouseInControl_; }
    // Set from the visual styles each time the combo's window is made.
    bool IsWinXP() const { return isWinXP_; }

    // The visual styles are asked and the list's width set again.
    void WindowCreated();
    // Every message of the combo passes here; `inherited` is the combo's
    // own handling of it.
    void LookMessage(TMessage& message, const std::function<void(TMessage&)>& inherited);
    // The border and the drop button's edge, over what the platform drew.
    void DrawFrame();

private:
    // The mouse is over the combo or it is its form's active control.
    bool LookActive() const;
    void PaintFlat(TMessage& message, const std::function<void(TMessage&)>& inherited);
    void DrawButtonEdge(HDC dc, const RECT& client, const RECT& window, bool active);
    void MouseEntered();
    void MouseLeft();
    void EnabledSwitched();
    void RepaintLook();

    TCustomComboBox* combo_;
    bool wide_;
    bool flat_ = true, etched_ = false, focusBorder_ = false, autoFocus_ = false;
    int buttonWidth_;
    int dropWidth_ = 0;
    bool mouseInControl_ = false;
    TColor oldColor_;
    bool oldParentColor_;
    bool isWinXP_ = false;
};

// The combo box of the grid's combo editors and of the combo controls in
// HTML cells.
class TBQGCustomCombo : public TCustomComboBox, public TFlatComboLook {
    SERVIORA_CLASS(TBQGCustomCombo, TCustomComboBox)

public:
    explicit TBQGCustomCombo(TComponent* owner);
    // Major, minor, release and build, one byte each, major highest.
    virtual Cardinal GetVersionNr() const;
    // The version as "major.minor.release.build"; it cannot be set.
    AnsiString Version() const;

protected:
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
};

class TBQGComboBox : public TBQGCustomCombo {
    SERVIORA_CLASS(TBQGComboBox, TBQGCustomCombo)

public:
    using TBQGCustomCombo::TBQGCustomCombo;
};
