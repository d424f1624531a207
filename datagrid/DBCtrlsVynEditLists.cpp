// The data-aware edit's most-recently-used list, which drops down under it
// while the user types, and its flat border, drawn over the window's frame.
#include "datagrid/DBCtrlsVynEdit.h"
#include "datagrid/DBCtrlsVynMRUDropDown.h"
#include "platform/gdi/sysparams.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

// ---- the most-recently-used list -------------------------------------------------------

TMRUListboxVyn* TCustomDBEditVyn::CreateMRUListBox() {
    auto* list = new TMRUListboxVyn(this);
    list->SetVisible(false);
    list->SetSorted(true);
    list->SetCtl3D(false);
    list->SetParent(this);
    list->SetOnMouseUp([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { MRUListClicked(s, b, sh, x, y); });
    return list;
}

TMRUListboxVyn* TCustomDBEditVyn::MRUListBox() {
    if (!mruListBox_) mruListBox_ = CreateMRUListBox();
    return mruListBox_;
}

void TCustomDBEditVyn::UserTextChanged() {
    const AnsiString blank = IsMasked() ? FormatMaskText(EditMask(), AnsiString()) : AnsiString();
    if (mruList_->DroppedDown() && Text() == blank) return CloseMRUList(false);
    if (!mruList_->Active() || !Showing() || droppedDown_) return;
    if (Text() != blank) mruList_->RequestDropDown();
}

void TCustomDBEditVyn::OpenMRUList() {
    TMRUListboxVyn* list = MRUListBox();
    if (!mruList_->FilterInto(list->Items(), Text())) return CloseMRUList(false);
    RECT placeAt{};
    GetWindowRect(Handle(), &placeAt);
    if (!PlaceMRUList(mruList_.get(), list, this, placeAt, Width(), [this](TObject* s) { MRUListResized(s); }))
        CloseMRUList(false);
}

void TCustomDBEditVyn::CloseMRUList(bool accept) {
    if (!mruList_->DroppedDown()) return;
    TMRUListboxVyn* list = MRUListBox();
    HideMRUList(mruList_.get(), list, this);
    if (!accept || readOnly_ || !dataLink_->Edit()) return;
    if (const int index = list->ItemIndex(); index >= 0) {
        {
            const ValueRestorer byProgram(textByProgram_, true);
            StoreText(list->Items()->Strings(index));
        }
        if (Focused()) SelectAll();
    }
}

void TCustomDBEditVyn::MRUListClicked(TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft) return;
    const TRect client = MRUListBox()->ClientRect();
    CloseMRUList(PtInRect(&client, TPoint{x, y}));
}

void TCustomDBEditVyn::MRUListResized(TObject*) {
    if (!mruList_->DroppedDown()) return;
    mruList_->SetRows(MRUListBox()->RowCount());
    mruList_->SetDropDownWidth(MRUListBox()->Width());
}

bool TCustomDBEditVyn::ForwardToOpenMRUList(TMessage& Message) {
    return mruList_->DroppedDown() &&
           RouteKeyToMRUList(Message, MRUListBox(), [this](bool accept) { CloseMRUList(accept); });
}

void TCustomDBEditVyn::CNCommand(TMessage& Message) {
    // The edit window is multi-line, and such a window reports no change
    // for text the program sets.
    if (HIWORD(Message.WParam) == EN_CHANGE && !textByProgram_) userChangePending_ = true;
    Inherited::Dispatch(Message);
}

void TCustomDBEditVyn::WMSetFocus(TMessage& Message) {
    Inherited::Dispatch(Message);
    UpdateFlatBorder();
    Invalidate();
}

void TCustomDBEditVyn::WMKillFocus(TMessage& Message) {
    if (mruList_->DroppedDown() && static_cast<HWND>(Message.WParam) != MRUListBox()->Handle()) CloseMRUList(false);
    Inherited::Dispatch(Message);
    UpdateFlatBorder();
    Invalidate();
    for (const auto& entry : buttonControls_)
        if (GetCapture() == Handle() && entry.second->MouseCapture()) entry.second->Perform(WM_CANCELMODE, 0, 0);
}

void TCustomDBEditVyn::CMMouseWheel(TMessage& Message) {
    if (mruList_->DroppedDown()) {
        Message.Result = MRUListBox()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
        if (Message.Result) return;
    }
    Inherited::Dispatch(Message);
}

void TCustomDBEditVyn::CMCancelMode(TMessage& Message) {
    auto* sender = reinterpret_cast<TControl*>(Message.LParam);
    const bool ours = sender == this || (sender && ContainsControl(sender)) ||
                      (mruListBox_ && (sender == mruListBox_ || (sender && mruListBox_->ContainsControl(sender))));
    if (!ours) CloseMRUList(false);
    for (const auto& entry : buttonControls_)
        if (entry.second->MouseCapture()) entry.second->Perform(WM_CANCELMODE, 0, 0);
}

// ---- the flat border -------------------------------------------------------------------

void TCustomDBEditVyn::UpdateFlatBorder() {
    if (ComponentState().Contains(csLoading)) return;
    const bool shown = ComponentState().Contains(csDesigning) || Focused() || mouseOver_ || alwaysShowBorder_;
    if (shown == flatBorderShown_) return;
    flatBorderShown_ = shown;
    if (Ctl3D() && BorderStyle() == bsSingle && flat_) PaintFlatBorder();
    UpdateEditButtonStates();
}

void TCustomDBEditVyn::PaintFlatBorder() {
    if (!HandleAllocated()) return;
    HDC dc = GetWindowDC(Handle());
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    if (flatBorderShown_)
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    else
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    InflateRect(&rect, -1, -1);
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(Handle(), dc);
}

void TCustomDBEditVyn::WMNCPaint(TMessage& Message) {
    if (!(Ctl3D() && BorderStyle() == bsSingle && flat_)) return Inherited::Dispatch(Message);
    PaintFlatBorder();
    Message.Result = 1;
}

void TCustomDBEditVyn::CMMouseEnter(TMessage& Message) {
    Inherited::Dispatch(Message);
    mouseOver_ = true;
    UpdateFlatBorder();
}

void TCustomDBEditVyn::CMMouseLeave(TMessage& Message) {
    Inherited::Dispatch(Message);
    mouseOver_ = false;
    UpdateFlatBorder();
}
