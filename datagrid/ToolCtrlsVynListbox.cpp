// The pop-up list box.
#include "datagrid/ToolCtrlsVynListbox.h"

#include "datagrid/ToolCtrlsVynFaces.h"

#include "platform/gdi/wingdi.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "platform/win/winframe.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {

// Typed text older than this starts a new search.
constexpr Cardinal kSearchPause = 2000;
constexpr std::size_t kSearchLength = 32;

}  // namespace

void DrawRaisedPopupBorder(TWinControl* popup) {
    if (!popup->Ctl3D() || !popup->HandleAllocated()) return;
    const HDC dc = GetWindowDC(popup->Handle());
    RECT r{0, 0, popup->Width(), popup->Height()};
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    ReleaseDC(popup->Handle(), dc);
}

TPopupListboxVyn::TPopupListboxVyn(TComponent* owner) : TCustomListBox(owner) {
    controlStyle_.Include(csReplicatable);
    SetStyle(lbOwnerDrawFixed);
    SetTabStop(false);
    sizeGrip_ = TSizeGripVyn::Create(this);
    sizeGrip_->SetParent(this);
    borderWidth_ = Ctl3D() ? 2 : 0;
}

void TPopupListboxVyn::CreateParams(TCreateParams& params) {
    TCustomListBox::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WindowClass.style = CS_SAVEBITS;
}

void TPopupListboxVyn::CreateWnd() {
    TCustomListBox::CreateWnd();
    // Floating above everything while it stays the editor's child component;
    // it shows its selection as if focused without ever taking the focus.
    ::SetParent(Handle(), 0);
    CallWindowProc(DefWndProc(), Handle(), WM_SETFOCUS, 0, 0);
}

int TPopupListboxVyn::BorderHeight(TWinControl* control) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(control->Handle(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLong(control->Handle(), GWL_EXSTYLE));
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const auto* popup = dynamic_cast<TPopupListboxVyn*>(control);
    return r.bottom - r.top + 2 * (popup ? popup->BorderWidth() : 0);
}

int TPopupListboxVyn::FontLineHeight(TWinControl* control) {
    const HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, control->Font()->Handle());
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    return metrics.tmHeight;
}

void TPopupListboxVyn::SetRowsHeight(TCustomListBox* control, int rows) {
    control->SetHeight(std::max(rows, 1) * control->ItemHeight() + BorderHeight(control));
}

bool TPopupListboxVyn::ClampNewSize(int& width, int& height) {
    width = std::max(width, GetSystemMetrics(SM_CXVSCROLL));
    height = std::max(height, GetSystemMetrics(SM_CYVSCROLL));
    return true;
}

int TPopupListboxVyn::ItemRowHeight() { return ItemHeight() > 0 ? ItemHeight() : FontLineHeight(this); }

void TPopupListboxVyn::SetBounds(int left, int top, int width, int height) {
    if (!HandleAllocated()) return TCustomListBox::SetBounds(left, top, width, height);
    const int border = BorderHeight(this), row = ItemRowHeight();
    rowCount_ = std::max((height - border) / row, 1);
    TCustomListBox::SetBounds(left, top, width, border + row * rowCount_);
}

void TPopupListboxVyn::WMWindowPosChanging(TMessage& Message) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
    const bool settled = !ComponentState().Contains(csReading) && !ComponentState().Contains(csDestroying);
    if (settled && !(pos->flags & SWP_NOSIZE)) ClampNewSize(pos->cx, pos->cy);
    TCustomListBox::Dispatch(Message);
}

void TPopupListboxVyn::WMSize(TMessage& Message) {
    TCustomListBox::Dispatch(Message);
    sizeGrip_->SnapToCorner();
    userResized_ = true;
}

void TPopupListboxVyn::WMNCCalcSize(TMessage& Message) {
    TCustomListBox::Dispatch(Message);
    InsetClientForFrame(Message, borderWidth_);
}

void TPopupListboxVyn::WMNCPaint(TMessage& Message) {
    TCustomListBox::Dispatch(Message);
    DrawNonClientBorder();
}

void TPopupListboxVyn::DrawNonClientBorder() { DrawRaisedPopupBorder(this); }

void TPopupListboxVyn::CMCtl3DChanged(TMessage& Message) {
    TCustomListBox::Dispatch(Message);
    borderWidth_ = Ctl3D() ? 2 : 0;
    RecreateWnd();
}

void TPopupListboxVyn::GripSide(TMessage& Message) { sizeGrip_->MoveGripToSide(static_cast<int>(Message.WParam)); }

void TPopupListboxVyn::WMMouseActivate(TMessage& Message) { Message.Result = MA_NOACTIVATE; }

void TPopupListboxVyn::WMLButtonDown(TMessage& Message) {
    // A click chooses the item without taking the focus from the editor
    // (the list box window itself would focus on a press).
    const TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    const int index = ItemAtPos(p, true);
    if (index >= 0) SetItemIndex(index);
    TShiftState shift{ssLeft};
    if (Message.Msg == WM_LBUTTONDBLCLK) shift.Include(ssDouble);
    MouseDown(mbLeft, shift, p.x, p.y);
}

void TPopupListboxVyn::DrawItem(int index, TRect rect, TOwnerDrawState state) {
    if (!images_) return TCustomListBox::DrawItem(index, rect, state);
    TCanvas* canvas = Canvas();
    const bool rightToLeft = UseRightToLeftReading();
    const int column = images_->Width() + 4;
    TRect imageRect = rect, textRect = rect;
    if (rightToLeft) {
        imageRect.left = rect.right - column;
        textRect.right = imageRect.left;
    } else {
        imageRect.right = rect.left + column;
        textRect.left = imageRect.right;
    }
    canvas->FillRect(imageRect);
    int image = index;
    onGetImageIndex_(Owner(), index, image);
    PaintListImage(canvas->Handle(), imageRect, images_, image, state.Contains(odSelected));
    const AnsiString text = Items()->Strings(index);
    const int x = rightToLeft ? rect.right - canvas->TextWidth(text) - 2 : rect.left + images_->Width() + 5;
    canvas->TextRect(textRect, x, rect.top, text);
}

void TPopupListboxVyn::KeyPress(char& key) {
    if (key == '\b' || key == 27) {
        searchText_.clear();
    } else if (static_cast<unsigned char>(key) >= 32) {
        const Cardinal now = GetTickCount();
        if (now - lastKeyTick_ > kSearchPause) searchText_.clear();
        lastKeyTick_ = now;
        if (searchText_.size() < kSearchLength) searchText_ += key;
        if (HandleAllocated()) SendMessage(Handle(), LB_SELECTSTRING, 0xFFFF, LPARAM(searchText_.c_str()));
        key = 0;
        return;
    }
    TCustomListBox::KeyPress(key);
}

void TPopupListboxVyn::MouseMove(TShiftState shift, int x, int y) {
    TCustomListBox::MouseMove(shift, x, y);
    const TPoint now{x, y};
    const bool buttons = shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
    if (buttons || (now.x == lastMouse_.x && now.y == lastMouse_.y)) return;
    lastMouse_ = now;
    const int index = ItemAtPos(now, true);
    if (index >= 0) SetItemIndex(index);
}

bool TPopupListboxVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (!TCustomListBox::DoMouseWheelDown(shift, mousePos)) SetTopIndex(TopIndex() + 1);
    return true;
}

bool TPopupListboxVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (!TCustomListBox::DoMouseWheelUp(shift, mousePos)) SetTopIndex(TopIndex() - 1);
    return true;
}

// ---- The MRU list box ----------------------------------------------------------------------------

TMRUListboxVyn::TMRUListboxVyn(TComponent* owner) : TPopupListboxVyn(owner) {
    scrollBar_ = TScrollBar::Create(this);
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetTabStop(false);
    scrollBar_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
    scrollBar_->SetVisible(false);
    scrollBar_->SetParent(this);
    scrollBar_->SetWindowProc(TWndMethod(this, &TMRUListboxVyn::ScrollBarWndProc));
}

void TMRUListboxVyn::CreateParams(TCreateParams& params) {
    TPopupListboxVyn::CreateParams(params);
    params.Style &= ~(WS_VSCROLL | WS_HSCROLL);
}

void TMRUListboxVyn::CreateWnd() {
    TPopupListboxVyn::CreateWnd();
    LayoutScrollBar();
}

TRect TMRUListboxVyn::ScrollBarRect() {
    const int width = scrollBar_->Width(), gripHeight = SizeGrip()->Height();
    const int left = ClientWidth() - width;
    switch (SizeGrip()->GripPosition()) {
        case sgpBottomRight: return TRect{left, 0, left + width, ClientHeight() - gripHeight};
        case sgpTopRight: return TRect{left, gripHeight, left + width, ClientHeight()};
        default: return TRect{left, 0, left + width, ClientHeight()};
    }
}

void TMRUListboxVyn::LayoutScrollBar() {
    if (!HandleAllocated()) return;
    scrollBar_->SetCtl3D(false);
    {
        ValueRestorer<bool> layout(inLayout_, true);
        const TRect r = ScrollBarRect();
        scrollBar_->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    scrollBar_->SetPageSize(0);
    const int visibleRows = ClientHeight() / ItemRowHeight();
    const int count = Items()->Count();
    const bool needed = count > 0 && count > visibleRows;
    if (needed) {
        scrollBar_->SetParams(TopIndex(), 0, count - 1);
        scrollBar_->SetPageSize(visibleRows);
    }
    scrollBar_->SetVisible(needed);
    // Beside a shown bar on the right the grip is a full square.
    const bool onLeft =
        SizeGrip()->GripPosition() == sgpTopLeft || SizeGrip()->GripPosition() == sgpBottomLeft;
    SizeGrip()->SetTriangleShape(!needed || onLeft);
}

void TMRUListboxVyn::SyncScrollBar() {
    if (!HandleAllocated() || !scrollBar_->HandleAllocated()) return;
    ValueRestorer<bool> layout(inLayout_, true);
    const TRect r = ScrollBarRect();
    MoveWindow(scrollBar_->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void TMRUListboxVyn::ScrollBarWndProc(TMessage& Message) {
    if (Message.Msg == CN_VSCROLL) Perform(WM_VSCROLL, Message.WParam, 0);
    if (Message.Msg == WM_MOVE && !inLayout_) {
        SyncScrollBar();
        LayoutScrollBar();
        Message.Result = 0;
        return;
    }
    scrollBar_->WndProc(Message);
}

void TMRUListboxVyn::WndProc(TMessage& Message) {
    TPopupListboxVyn::WndProc(Message);
    switch (Message.Msg) {
        case WM_SIZE:
        case GripSideMessage:
            LayoutScrollBar();
            break;
        case CM_CHANGED:
            SyncScrollBar();
            LayoutScrollBar();
            break;
        default:
            break;
    }
}

bool TMRUListboxVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    const bool handled = TPopupListboxVyn::DoMouseWheelDown(shift, mousePos);
    SyncScrollBar();
    LayoutScrollBar();
    return handled;
}

bool TMRUListboxVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    const bool handled = TPopupListboxVyn::DoMouseWheelUp(shift, mousePos);
    SyncScrollBar();
    LayoutScrollBar();
    return handled;
}
