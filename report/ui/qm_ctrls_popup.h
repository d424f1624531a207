// Drop-down windows opened by toolbar buttons, and the colour picker built
// on them: a palette of 40 colours, an automatic colour and a button for
// any other colour through the colour dialog.
#pragma once

#include <array>
#include <memory>

#include "platform/ui/buttons.h"
#include "platform/ui/dialogs_color.h"
#include "report/ui/qm_ctrls.h"

class TQmPopupWindowButton;

class TQmPopupWindow : public TForm {
    SERVIORA_CLASS(TQmPopupWindow, TForm)
    SERVIORA_PUBLISHED
public:
    explicit TQmPopupWindow(TComponent* owner);
    ~TQmPopupWindow() override;

    // Opens below the button (unless already active), after OnPopup.
    void PopUp(TControl* button);
    // Places the window at the button, inside the screen, and shows it.
    void ShowAt(TControl* button);
    // Hides the window and forgets the button.
    void CloseUp();

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v; }

    TNotifyEvent OnClose, OnPopup;

protected:
    void CreateParams(TCreateParams& params) override;
    void DestroyWnd() override;
    void AdjustClientRect(TRect& rect) const override;
    void WMKillFocus(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
    SERVIORA_MESSAGES_END(TForm)

private:
    TControl* button_ = nullptr;
    int borderWidth_ = 0;
};

class TQmPopupWindowButton : public TQmToolbarButton {
    SERVIORA_CLASS(TQmPopupWindowButton, TQmToolbarButton)
    SERVIORA_PUBLISHED
public:
    explicit TQmPopupWindowButton(TComponent* owner);

    TQmPopupWindow* DropDownPanel() { return GetDropDownPanel(); }
    void SetDropDownPanel(TQmPopupWindow* v);
    bool Dropped() const { return dropped_; }
    // Opens (True) or closes the panel, showing the button pressed while open.
    void DropDown(bool value);
    void Click() override;

protected:
    virtual TQmPopupWindow* GetDropDownPanel() { return panel_; }

private:
    bool dropped_ = false;
    TQmPopupWindow* panel_ = nullptr;
};

// A speed button showing a colour: a bar under its glyph, a swatch beside
// its caption, or, as a palette cell, the whole face.
class TQmColorSpeedButton : public TSpeedButton {
    SERVIORA_CLASS(TQmColorSpeedButton, TSpeedButton)
    SERVIORA_PUBLISHED
public:
    using TSpeedButton::TSpeedButton;

    TColor CurColor() const { return curColor_; }
    void SetCurColor(TColor v);

protected:
    void Paint() override;

private:
    TColor curColor_ = clBlack;
};

SERVIORA_ENUM(TQmColorType, qmptFont, qmptLine, qmptFill, qmptHighlight, qmptCustom)

class TQmColorPickerButton : public TQmPopupWindowButton {
    SERVIORA_CLASS(TQmColorPickerButton, TQmPopupWindowButton)
public:
    explicit TQmColorPickerButton(TComponent* owner);
    ~TQmColorPickerButton() override;

    static const std::array<TColor, 40> kPalette;

    TQmColorType ColorType() const { return colorType_; }
    // Loads the type's glyph, automatic colour and caption.
    void SetColorType(TQmColorType v);
    TColor CurrentColor() const { return currentColor_; }
    // Stores the colour and paints it into the glyph's colour bar.
    void SetCurrentColor(TColor v);
    TColor AutoColor() const { return autoColor_; }
    const AnsiString& AutoCaption() const { return autoCaption_; }
    void SetAutoCaption(const AnsiString& v) { autoCaption_ = v; }
    TStrings* CustomColors() const { return colorDialog_->CustomColors(); }
    void SetCustomColors(TStrings* v) { colorDialog_->SetCustomColors(v); }

    int HoriMargin = 7, TopMargin = 2, BottomMargin = 4, DragBarHeight = 0, DragBarSpace = 0, ButtonHeight = 22,
        ColorSpace = 0, ColorSize = 18, ColorSpaceTop = 4, ColorSpaceBottom = 4;

    TNotifyEvent OnColorChange;

    // The palette's cells (0..39), automatic button (40) and other-colour
    // button (41), once the palette is built.
    TSpeedButton* PaletteButton(int index) const;

protected:
    TQmPopupWindow* GetDropDownPanel() override;

private:
    void BuildPalette();
    void ColorClick(TObject* sender);

    std::unique_ptr<TQmPopupWindow> palette_;
    std::array<TQmColorSpeedButton*, 41> cells_{};
    TSpeedButton* otherButton_ = nullptr;
    std::unique_ptr<TColorDialog> colorDialog_;
    TQmColorType colorType_ = qmptCustom;
    TColor currentColor_ = clDefault;
    TColor autoColor_ = clDefault;
    AnsiString autoCaption_;
};
