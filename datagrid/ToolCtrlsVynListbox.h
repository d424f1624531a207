// The pop-up list box of pick lists: a borderless window floating above
// everything that never takes the focus, shows whole rows only, carries a
// size grip, finds items by typed text and follows the mouse.
#pragma once

#include <memory>

#include "datagrid/ToolCtrlsVynDropDown.h"
#include "datagrid/ToolCtrlsVynSizeGrip.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_scrollbar.h"

SERVIORA_EVENT_TYPE(TListGetImageIndexEventVyn, void(TObject* Sender, int ItemIndex, int& ImageIndex));

class TPopupListboxVyn : public TCustomListBox {
    SERVIORA_CLASS(TPopupListboxVyn, TCustomListBox)
public:
    explicit TPopupListboxVyn(TComponent* owner);

    TSizeGripVyn* SizeGrip() const { return sizeGrip_; }
    // Set without a repaint.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v) { images_ = v; }
    const TListGetImageIndexEventVyn& OnGetImageIndex() const { return onGetImageIndex_; }
    void SetOnGetImageIndex(TListGetImageIndexEventVyn v) { onGetImageIndex_ = std::move(v); }
    // The whole rows that fit.
    int RowCount() const { return rowCount_; }
    // Set by every resize; owners clear it after opening the list, so it
    // tells that the user resized it.
    bool UserResized() const { return userResized_; }
    void SetUserResized(bool v) { userResized_ = v; }
    int BorderWidth() const { return borderWidth_; }

    bool CanFocus() const override { return false; }
    void SetBounds(int left, int top, int width, int height) override;

    // The vertical non-client size of a control's window plus its border.
    static int BorderHeight(TWinControl* control);
    // The text height of a control's font on the screen.
    static int FontLineHeight(TWinControl* control);
    // Height for `rows` whole rows (at least one).
    static void SetRowsHeight(TCustomListBox* control, int rows);
    // Raises a size below the scroll-bar metrics; always true.
    static bool ClampNewSize(int& width, int& height);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
    void KeyPress(char& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    virtual void DrawNonClientBorder();
    int ItemRowHeight();

    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMWindowPosChanging(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);
    void GripSide(TMessage& Message);
    void WMLButtonDown(TMessage& Message);
    void WMMouseActivate(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMLButtonDown)
        SERVIORA_MESSAGE(WM_LBUTTONDBLCLK, WMLButtonDown)
        SERVIORA_MESSAGE(WM_MOUSEACTIVATE, WMMouseActivate)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_WINDOWPOSCHANGING, WMWindowPosChanging)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
        SERVIORA_MESSAGE(GripSideMessage, GripSide)
    SERVIORA_MESSAGES_END(TCustomListBox)

private:
    TSizeGripVyn* sizeGrip_ = nullptr;
    TCustomImageList* images_ = nullptr;
    TListGetImageIndexEventVyn onGetImageIndex_;
    AnsiString searchText_;
    Cardinal lastKeyTick_ = 0;
    TPoint lastMouse_{-1, -1};
    int rowCount_ = 0;
    bool userResized_ = false;
    int borderWidth_ = 2;
};

// The pop-up list of an MRU list: its own scroll bar beside the grip in
// place of the window's bars.
class TMRUListboxVyn : public TPopupListboxVyn {
    SERVIORA_CLASS(TMRUListboxVyn, TPopupListboxVyn)
public:
    explicit TMRUListboxVyn(TComponent* owner);

    TScrollBar* ScrollBar() const { return scrollBar_; }
    // Places and fills the scroll bar (shown only when not every item
    // fits) and shapes the grip beside it.
    void LayoutScrollBar();
    // Moves the scroll bar's window to its place at once.
    void SyncScrollBar();
    // The scroll bar's window procedure: its scrolling scrolls the list.
    void ScrollBarWndProc(TMessage& Message);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void WndProc(TMessage& Message) override;

private:
    // The scroll bar's place by the grip's side.
    TRect ScrollBarRect();

    TScrollBar* scrollBar_ = nullptr;
    bool inLayout_ = false;
};

// The raised double edge of a pop-up's own frame.
void DrawRaisedPopupBorder(TWinControl* popup);
