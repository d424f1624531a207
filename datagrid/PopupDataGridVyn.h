// TPopupDataGridVyn: the lookup grid as a drop-down window. It floats above
// everything without taking the focus, carries a triangle size grip, hot-
// tracks the record under the mouse, and asks its owner to close it when
// the mouse is released (accepting inside on a row, refusing outside).
#pragma once

#include "datagrid/DBLookupGridsVyn.h"
#include "datagrid/ToolCtrlsVynDropDown.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "datagrid/ToolCtrlsVynSizeGrip.h"


class TPopupDataGridVyn : public TDBLookupGridVyn {
    SERVIORA_CLASS(TPopupDataGridVyn, TDBLookupGridVyn)
public:
    explicit TPopupDataGridVyn(TComponent* owner);
    ~TPopupDataGridVyn() override;

    TSizeGripVyn* SizeGrip() const { return sizeGrip_; }
    // The owner's close-up, and its notice of a key the user changed.
    const TCloseUpEventVyn& OnCloseUp() const { return onCloseUp_; }
    void SetOnCloseUp(TCloseUpEventVyn v) { onCloseUp_ = std::move(v); }
    const TNotifyEvent& OnUserKeyValueChange() const { return onUserKeyValueChange_; }
    void SetOnUserKeyValueChange(TNotifyEvent v) { onUserKeyValueChange_ = std::move(v); }
    // Set by every size change; owners clear it when they open the list.
    bool UserResized() const { return userResized_; }
    void SetUserResized(bool v) { userResized_ = v; }
    bool CanFocus() const override { return false; }

    void AfterKeyValueChange() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    void WMSize(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMMouseActivate(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    // The placement names the side the grip belongs on; nothing is laid out.
    void GripSide(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(WM_MOUSEACTIVATE, WMMouseActivate)
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
        SERVIORA_MESSAGE(WM_GETMINMAXINFO, WMGetMinMaxInfo)
        SERVIORA_MESSAGE(GripSideMessage, GripSide)
    SERVIORA_MESSAGES_END(TDBLookupGridVyn)

private:
    // Whether a point of the client area lies on the special row or a
    // list row.
    bool OnChoosableRow(int x, int y) const;

    TSizeGripVyn* sizeGrip_ = nullptr;
    TCloseUpEventVyn onCloseUp_;
    TNotifyEvent onUserKeyValueChange_;
    bool userAction_ = false;
    bool userResized_ = false;
};
