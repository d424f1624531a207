// Text-entry painters: edits and memos get a skin border (and their spin
// button a painter of its own), combo boxes a border and a skinned
// drop-down button with hot and pressed states, date-time pickers a
// border and a small skinned arrow button laid over their own.
#pragma once

#include "platform/ui/controls.h"
#include "platform/win/commctrl.h"
#include "skin/WinSubClass.h"

// Sent to an edit painter: paint the client into the DC of wParam.
constexpr UINT WM_SKINPAINTCLIENT = 0xBC4A;

class TSkinUpDown;
class TComboxScrollBar;
class TSkinScrollbarH;

class TSkinEdit : public TSkinControl {
    SERVIORA_CLASS(TSkinEdit, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    TSkinUpDown* UpDown = nullptr;

private:
    void FindSpinButton();
    void PaintPrintBorder(HDC dc);
};

class TSkinComBox : public TSkinControl {
    SERVIORA_CLASS(TSkinComBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinComBox() override;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) override;
    void RestoreColor() override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    LONG Style = 0, ExStyle = 0;
    HWND ListWindow = 0;
    HWND EditWindow = 0;
    bool DroppedDown = false;
    WNDPROC EditInstance = nullptr;
    WNDPROC EditOldProc = nullptr;
    TSkinScrollbarH* ListPainter = nullptr;
    TComboxScrollBar* ListBarPainter = nullptr;
    COMBOBOXINFO Info{};
    TRect ButtonRect{};
    bool Extended = false;

private:
    void SubclassEdit();
    void UnsubclassEdit();
    void EditWndProc(TMessage& message);
    int StateFrame() const;
    void PaintFlat(HDC dc, const TRect& rect);
    void PaintExtended(HDC dc, const TRect& rect, int frame);
};

class TSkinDateTime;

// The skinned drop-down button laid over a date-time picker's own.
class TArrowButton : public TCustomControl {
    SERVIORA_CLASS(TArrowButton, TCustomControl)
public:
    explicit TArrowButton(TComponent* owner);
    void Attach(TSkinDateTime* painter, TWinControl* picker);
    // The button's left edge for a picker Width pixels wide.
    void PlaceFor(int width);

    int ButtonWidth = 0;
    TWinControl* Picker = nullptr;
    TSkinDateTime* Painter = nullptr;
    HWND PickerWindow = 0;
    Byte MouseState = 0;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
};

class TSkinDateTime : public TSkinControl {
    SERVIORA_CLASS(TSkinDateTime, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    TArrowButton* Arrow = nullptr;
};

// R framed in the skin's ButtonShadow colour and Rings white rings inside it.
void FrameSkinBorder(TSkinControl* painter, HDC dc, const TRect& rect, int rings);
// True when the window's client area fills its window rectangle in either direction.
bool HasNoBorder(HWND window, const TRect& rect);
