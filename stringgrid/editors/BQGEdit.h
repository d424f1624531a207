// The edit with a button inside its right edge: the button (a flat speed
// button in a small window that clicks on the release of the press) and the
// edit that carries it, whose F4 clicks it too.
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/ui/buttons.h"
#include "platform/ui/stdctrls_edit.h"

// A speed button drawn flat or as a push button, its glyph and caption
// centred and shifted by a pixel while down.
class TBavSpeedButton : public TSpeedButton {
    SERVIORA_CLASS(TBavSpeedButton, TSpeedButton)

public:
    explicit TBavSpeedButton(TComponent* owner);
    bool Pressed() const { return pressed_; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    bool pressed_ = false;
};

// The button control of the button edits: the release of a left press on
// its speed button fires OnClick, wherever the mouse is by then.
class TBqgEditButton : public TWinControl {
    SERVIORA_CLASS(TBqgEditButton, TWinControl)

public:
    explicit TBqgEditButton(TComponent* owner);
    TBavSpeedButton* Button() const { return button_; }
    AnsiString ButtonCaption() const { return button_->Caption(); }
    void SetButtonCaption(const AnsiString& v) { button_->SetCaption(v); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v) { focusControl_ = v; }
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }
    void SetBounds(int left, int top, int width, int height) override;

private:
    void Released();

    TBavSpeedButton* button_;
    TWinControl* focusControl_ = nullptr;
    TNotifyEvent onClick_;
};

class TBqgEditBtn : public TCustomEdit {
    SERVIORA_CLASS(TBqgEditBtn, TCustomEdit)

public:
    explicit TBqgEditBtn(TComponent* owner);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool v) { editorEnabled_ = v; }
    int ButtonWidth() const { return button_->Width(); }
    void SetButtonWidth(int v);
    AnsiString ButtonCaption() const { return button_->ButtonCaption(); }
    void SetButtonCaption(const AnsiString& v) { button_->SetButtonCaption(v); }
    TBqgEditButton* Button() const { return button_; }
    const TNotifyEvent& OnClickBtn() const { return onClickBtn_; }
    void SetOnClickBtn(TNotifyEvent v) { onClickBtn_ = std::move(v); }
    // The button's click: OnClickBtn with the sender passed through.
    virtual void ClickButton(TObject* sender);
    // Room between the text and the button (the unit edit's unit).
    int UnitSize() const { return unitSize_; }
    void SetUnitSize(int v);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Resize() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;

private:
    void SetEditRect();

    TBqgEditButton* button_;
    int unitSize_ = 0;
    bool editorEnabled_ = true;
    TNotifyEvent onClickBtn_;
};

// A button edit with a unit of measure beside the button, chosen from the
// Units through the button's menu.
class TBqgUnitEditBtn : public TBqgEditBtn {
    SERVIORA_CLASS(TBqgUnitEditBtn, TBqgEditBtn)

public:
    explicit TBqgUnitEditBtn(TComponent* owner);
    TStringList* Units() const { return units_.get(); }
    void SetUnits(TStrings* v);
    const AnsiString& UnitID() const { return unitID_; }
    void SetUnitID(const AnsiString& v);
    int UnitSpace() const { return UnitSize(); }
    void SetUnitSpace(int v) { SetUnitSize(v); }
    // The unit menu, tracked under the button; the choice comes back as a
    // command.
    void ClickButton(TObject* sender) override;

protected:
    void WndProc(TMessage& message) override;

private:
    void PaintUnit();

    std::unique_ptr<TStringList> units_;
    AnsiString unitID_;
};
