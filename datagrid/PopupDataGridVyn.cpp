// The drop-down form of the lookup grid.
#include "datagrid/PopupDataGridVyn.h"

#include "platform/rtl/valuerestorer.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"

TPopupDataGridVyn::TPopupDataGridVyn(TComponent* owner) : TDBLookupGridVyn(owner) {
    SetAcceptsMouseWithoutFocus(true);
    sizeGrip_ = TSizeGripVyn::Create(this);
    sizeGrip_->SetTriangleShape(true);
    sizeGrip_->SetParent(this);
}

TPopupDataGridVyn::~TPopupDataGridVyn() = default;

void TPopupDataGridVyn::CreateParams(TCreateParams& params) {
    TDBLookupGridVyn::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN | (Ctl3D() ? 0 : WS_BORDER);
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WindowClass.style = CS_SAVEBITS | CS_HREDRAW;
}

void TPopupDataGridVyn::CreateWnd() {
    TDBLookupGridVyn::CreateWnd();
    // Floating above everything while it stays its owner's child component.
    ::SetParent(Handle(), 0);
    sizeGrip_->SnapToCorner();
}

void TPopupDataGridVyn::AfterKeyValueChange() {
    TDBLookupGridVyn::AfterKeyValueChange();
    if (userAction_ && onUserKeyValueChange_) onUserKeyValueChange_(this);
}

void TPopupDataGridVyn::KeyDown(Word& key, TShiftState shift) {
    const ValueRestorer<bool> acting(userAction_, true);
    TDBLookupGridVyn::KeyDown(key, shift);
}

void TPopupDataGridVyn::KeyPress(char& key) {
    const ValueRestorer<bool> acting(userAction_, true);
    TDBLookupGridVyn::KeyPress(key);
}

void TPopupDataGridVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const ValueRestorer<bool> acting(userAction_, true);
    TDBLookupGridVyn::MouseDown(button, shift, x, y);
}

bool TPopupDataGridVyn::OnChoosableRow(int x, int y) const {
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return false;
    const TGridCoord cell = MouseCoord(x, y);
    const int first = TitleRowCount();
    return cell.Y >= first && cell.Y - TopDataOffset() < DataLink()->RecordCount();
}

void TPopupDataGridVyn::MouseMove(TShiftState shift, int x, int y) {
    const ValueRestorer<bool> acting(userAction_, true);
    // Hot tracking: the record under a free mouse is the choice.
    const bool buttons = shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
    if (!buttons && !Tracking() && !ReadOnly() && ListActive() && OnChoosableRow(x, y)) ChooseRecordAt(x, y);
    TDBLookupGridVyn::MouseMove(shift, x, y);
}

void TPopupDataGridVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridState state = GridState();
    {
        const ValueRestorer<bool> acting(userAction_, true);
        TDBLookupGridVyn::MouseUp(button, shift, x, y);
    }
    if (state == gsColSizing || state == gsColMoving || !onCloseUp_) return;
    const bool inside = x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
    if (inside && OnChoosableRow(x, y))
        onCloseUp_(this, true);
    else if (!inside)
        onCloseUp_(this, false);
}

void TPopupDataGridVyn::WMSize(TMessage& Message) {
    TDBLookupGridVyn::Dispatch(Message);
    sizeGrip_->SnapToCorner();
    userResized_ = true;
}

void TPopupDataGridVyn::WMNCCalcSize(TMessage& Message) {
    TDBLookupGridVyn::Dispatch(Message);
    if (Ctl3D()) InsetClientForFrame(Message, 1);
}

void TPopupDataGridVyn::WMNCPaint(TMessage& Message) {
    TDBLookupGridVyn::Dispatch(Message);
    if (!Ctl3D()) return;
    const HDC dc = GetWindowDC(Handle());
    RECT r{0, 0, Width(), Height()};
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    ReleaseDC(Handle(), dc);
}

void TPopupDataGridVyn::WMMouseActivate(TMessage& Message) { Message.Result = MA_NOACTIVATE; }

void TPopupDataGridVyn::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

void TPopupDataGridVyn::WMGetMinMaxInfo(TMessage& Message) {
    TDBLookupGridVyn::Dispatch(Message);
    auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
    info->ptMinTrackSize = {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL)};
}

void TPopupDataGridVyn::GripSide(TMessage& Message) { sizeGrip_->MoveGripToSide(static_cast<int>(Message.WParam)); }
