// Docks lay their tool windows out in rows; tool windows move between
// docks and the floating state, arrange their content and draw their own
// frames (border, drag handle, caption, close button).
#include "report/ui/qm_tbqy.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "platform/gdi/sysparams.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/win/screens.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "report/ui/qm_tbqycmn.h"

namespace {

// Every tool window of the process, for the hook client to find the
// floating ones.
std::vector<TCustomToolWindowQy*>& ToolWindows() {
    static std::vector<TCustomToolWindowQy*> windows;
    return windows;
}

// Drag-handle size and grip offset for dhDouble, dhNone, dhSingle.
constexpr int DragHandleSizes[2][3] = {{9, 0, 6}, {14, 14, 14}};
constexpr int GripOffsets[2][3] = {{2, 0, 1}, {3, 0, 5}};

bool BarShownOnDock(const TDockQy* dock, const TCustomToolWindowQy* bar) {
    return bar->Parent() == dock && (bar->Visible() || bar->ComponentState().Contains(csDesigning));
}

int DockPositionOf(TControl* control) {
    for (; control; control = control->Parent())
        if (auto* window = dynamic_cast<TCustomToolWindowQy*>(control))
            return window->DockedTo() ? int(window->DockedTo()->Position()) : 4;
    return 4;
}

void FrameLine(HDC dc, int x1, int y1, int x2, int y2, int colour) {
    const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colour));
    const HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// Fills what lies between the outer and the inner rectangle.
void FillBand(HDC dc, const RECT& outer, const RECT& inner, TColor colour) {
    const HRGN band = CreateRectRgnIndirect(&outer);
    const HRGN hole = CreateRectRgnIndirect(&inner);
    CombineRgn(band, band, hole, RGN_DIFF);
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FillRgn(dc, band, brush);
    DeleteObject(brush);
    DeleteObject(band);
    DeleteObject(hole);
}

void FillColour(HDC dc, const RECT& r, TColor colour) {
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

TDockOrientation DockOrientationOf(const TDockQy* dock) {
    if (!dock) return doNone;
    return dock->Position() == dpLeft || dock->Position() == dpRight ? doVertical : doHorizontal;
}

// ---- the dock -------------------------------------------------------------------

TDockQy::TDockQy(TComponent* owner) : TCustomControl(owner) {
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csCaptureMouse);
    style.Exclude(csClickEvents);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetColor(clBtnFace);
    SetAlign(alTop);
}

TDockQy::~TDockQy() {
    for (TCustomToolWindowQy* bar : bars_) bar->RemoveFreeNotification(this);
}

void TDockQy::SetParent(TWinControl* parent) {
    for (TWinControl* p = parent; p; p = p->Parent())
        if (dynamic_cast<TCustomToolWindowQy*>(p) || dynamic_cast<TDockQy*>(p))
            throw EInvalidOperation("A TDockQy control cannot be placed inside a tool window or another TDockQy");
    TCustomControl::SetParent(parent);
}

void TDockQy::SetPosition(TDockPosition v) {
    if (v != position_ && ControlCount() > 0)
        throw EInvalidOperation("Cannot change Position of a TDockQy if it already contains controls");
    position_ = v;
    static constexpr TAlign Aligns[] = {alTop, alBottom, alLeft, alRight};
    SetAlign(Aligns[v]);
}

void TDockQy::SetAllowDrag(bool v) {
    if (v == allowDrag_) return;
    allowDrag_ = v;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* bar = dynamic_cast<TCustomToolWindowQy*>(Controls(i))) {
            bar->RecomputeFrameSize();
            bar->ArrangeContent();
        }
    LayoutBars(false);
}

void TDockQy::SetBoundLines(TDockBoundLines v) {
    boundLines_ = v;
    frameWidth_ = int(v.Contains(blLeft)) + int(v.Contains(blRight));
    frameHeight_ = int(v.Contains(blTop)) + int(v.Contains(blBottom));
    RecalcFrame();
}

void TDockQy::SetFixAlign(bool v) {
    fixAlign_ = v;
    LayoutBars(false);
}

void TDockQy::RecalcFrame() {
    if (HandleAllocated())
        SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TDockQy::EndLayoutUpdate() {
    --layoutLock_;
    if (layoutLock_ == 0 && layoutPending_) LayoutBars(layoutPendingClip_);
}

void TDockQy::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    // Free notices come before the bar leaves its parent here, so a bar
    // that was shown gives its room back now.
    if (auto* bar = dynamic_cast<TCustomToolWindowQy*>(component)) {
        std::erase(bars_, bar);
        if (std::erase(visibleBars_, bar) && !ComponentState().Contains(csDestroying)) LayoutBars(false);
    }
}

void TDockQy::AlignControls(TControl*, TRect&) { LayoutBars(false); }

void TDockQy::RegisterBar(bool insert, TCustomToolWindowQy* bar) {
    const auto at = std::find(bars_.begin(), bars_.end(), bar);
    if (insert && at == bars_.end()) {
        bars_.push_back(bar);
        bar->FreeNotification(this);
    } else if (!insert && at != bars_.end()) {
        bars_.erase(at);
    }
    BarVisibilityChanged(bar, false);
}

void TDockQy::BarVisibilityChanged(TCustomToolWindowQy* bar, bool forceRemove) {
    const bool shown = !forceRemove && BarShownOnDock(this, bar);
    const auto at = std::find(visibleBars_.begin(), visibleBars_.end(), bar);
    const bool listed = at != visibleBars_.end();
    if (shown == listed) return;
    if (shown) {
        visibleBars_.push_back(bar);
    } else {
        visibleBars_.erase(at);
    }
    LayoutBars(false);
    if (OnInsertRemoveBar) OnInsertRemoveBar(this, shown, bar);
}

int TDockQy::LastRowIndex() const {
    int last = -1;
    for (const TCustomToolWindowQy* bar : bars_) last = std::max(last, bar->dockRow_);
    return last;
}

int TDockQy::BarsOnRow(int row, const TCustomToolWindowQy* except) const {
    return int(std::count_if(bars_.begin(), bars_.end(),
                             [&](const TCustomToolWindowQy* bar) { return bar != except && bar->dockRow_ == row; }));
}

void TDockQy::InsertRowAt(int row) {
    for (TCustomToolWindowQy* bar : bars_)
        if (bar->dockRow_ >= row) ++bar->dockRow_;
}

void TDockQy::RemoveEmptyRows() {
    int last = LastRowIndex();
    for (int r = 0; r <= last;) {
        if (BarsOnRow(r, nullptr) == 0) {
            for (TCustomToolWindowQy* bar : bars_)
                if (bar->dockRow_ > r) --bar->dockRow_;
            --last;
        } else {
            ++r;
        }
    }
}

void TDockQy::BuildRowExtents() {
    rowExtents_.clear();
    if (bars_.empty()) return;
    const TDockOrientation orientation = DockOrientationOf(this);
    for (int row = 0; row <= LastRowIndex(); ++row) {
        int extent = 0;
        for (TCustomToolWindowQy* bar : bars_) {
            if (bar->dockRow_ != row || !BarShownOnDock(this, bar)) continue;
            int size = 0;
            bar->MeasureBarThickness(size, orientation);
            extent = std::max({extent, size, 8});
        }
        rowExtents_.push_back(extent);
    }
}

int TDockQy::RowExtent(int row, TCustomToolWindowQy* fallback) const {
    int extent = row >= 0 && row < int(rowExtents_.size()) ? rowExtents_[std::size_t(row)] : 0;
    if (extent == 0 && fallback) fallback->MeasureBarThickness(extent, DockOrientationOf(this));
    return extent;
}

int TDockQy::RowAtOffset(int offset, bool& before) const {
    before = false;
    int r = 0;
    const int last = LastRowIndex();
    for (int i = 0; i <= last + 1; ++i) {
        int next = INT_MAX;
        if (i <= last) {
            const int s = RowExtent(i, nullptr);
            if (s == 0) continue;
            next = r + s + 4;
        }
        if (offset < r + 5) {
            before = true;
            return i;
        }
        if (offset < next - 5) return i;
        r = next;
    }
    return 0;
}

int TDockQy::DesignRowAtOffset(int offset) const {
    int sum = 0;
    for (int i = 0;; ++i) {
        if (i == LastRowIndex() + 1) return i;
        const int extent = RowExtent(i, nullptr);
        if (extent != 0) sum += extent + 4;
        if (sum > offset) return i;
    }
}

void TDockQy::ResizeToRows(int width, int height) {
    int left = Left(), top = Top();
    switch (Align()) {
        case alTop:
        case alLeft: break;
        case alBottom: top += Height() - height; break;
        case alRight: left += Width() - width; break;
        default: return;
    }
    SetBounds(left, top, width, height);
}

void TDockQy::LayoutBars(bool clipPositions) {
    if (clipPositions) layoutPendingClip_ = true;
    if (layoutLock_ > 0 || ComponentState().Contains(csLoading)) {
        layoutPending_ = true;
        return;
    }
    ++layoutLock_;
    struct Release {
        TDockQy* dock;
        ~Release() {
            --dock->layoutLock_;
            dock->layoutPending_ = dock->layoutPendingClip_ = false;
        }
    } release{this};
    if (HandleAllocated())
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool vertical = Vertical();
    if (visibleBars_.empty()) {
        const int size = ComponentState().Contains(csDesigning) ? 9 : fixAlign_ ? 1 : 0;
        if (vertical) {
            ResizeToRows(size, Height());
        } else {
            ResizeToRows(Width(), size);
        }
        return;
    }
    const int clientW = std::max(0, Width() - frameWidth_);
    const int clientH = std::max(0, Height() - frameHeight_);
    if (limitToOneRow_)
        for (TCustomToolWindowQy* bar : bars_) bar->dockRow_ = 0;
    RemoveEmptyRows();
    const auto byRowAndPos = [](const TCustomToolWindowQy* a, const TCustomToolWindowQy* b) {
        if (a->dockRow_ != b->dockRow_) return a->dockRow_ < b->dockRow_ ? -1 : 1;
        return a->dockPos_ < b->dockPos_ ? -1 : a->dockPos_ > b->dockPos_ ? 1 : 0;
    };
    SortItemList(bars_, byRowAndPos);
    SortItemList(visibleBars_, byRowAndPos);
    for (int r = 0; r <= LastRowIndex(); ++r)
        for (TCustomToolWindowQy* full : bars_)
            if (full->dockRow_ == r && full->fullSize_ && BarsOnRow(r, full) > 0) {
                for (TCustomToolWindowQy* other : bars_)
                    if (other != full && other->dockRow_ >= r) ++other->dockRow_;
                break;
            }
    BuildRowExtents();
    const auto length = [vertical](const TCustomToolWindowQy* bar) { return vertical ? bar->Height() : bar->Width(); };
    const int rows = int(rowExtents_.size());
    for (int r = 0; r < rows; ++r) {
        int cursor = 0;
        for (TCustomToolWindowQy* bar : bars_) {
            if (bar->dockRow_ != r || !BarShownOnDock(this, bar)) continue;
            if (bar->fullSize_) {
                bar->dockPos_ = 0;
            } else {
                bar->dockPos_ = std::max(bar->dockPos_, cursor);
                cursor = bar->dockPos_ + length(bar);
            }
        }
    }
    std::vector<int> newPos(bars_.size());
    for (std::size_t i = 0; i < bars_.size(); ++i) newPos[i] = bars_[i]->dockPos_;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::size_t> row;
        for (std::size_t i = 0; i < bars_.size(); ++i)
            if (bars_[i]->dockRow_ == r && BarShownOnDock(this, bars_[i]) && !bars_[i]->fullSize_) row.push_back(i);
        int limit = vertical ? clientH : clientW;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            limit -= length(bars_[*it]);
            newPos[*it] = std::min(newPos[*it], limit);
            limit = newPos[*it];
        }
        int cursor = 0;
        for (std::size_t i : row) {
            newPos[i] = std::max(newPos[i], cursor);
            cursor = newPos[i] + length(bars_[i]);
        }
    }
    if (layoutPendingClip_)
        for (std::size_t i = 0; i < bars_.size(); ++i) bars_[i]->dockPos_ = newPos[i];
    int offset = 0;
    for (int r = 0; r < rows; ++r) {
        int s = rowExtents_[std::size_t(r)];
        if (s != 0) s += 4;
        for (std::size_t i = 0; i < bars_.size(); ++i) {
            TCustomToolWindowQy* bar = bars_[i];
            if (bar->dockRow_ != r || !BarShownOnDock(this, bar)) continue;
            ++bar->positionedByDock_;
            if (vertical) {
                bar->SetBounds(offset, newPos[i], s, bar->fullSize_ ? clientH : bar->Height());
            } else {
                bar->SetBounds(newPos[i], offset, bar->fullSize_ ? clientW : bar->Width(), s);
            }
            --bar->positionedByDock_;
        }
        offset += s;
    }
    if (vertical) {
        ResizeToRows(offset + frameWidth_, Height());
    } else {
        ResizeToRows(Width(), offset + frameHeight_);
    }
}

void TDockQy::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    if (!HasBackground()) return;
    const TRect client = ClientRect();
    const TPoint origin = TileOrigin(this, false);
    PaintBackgroundTiles(Canvas()->Handle(), &client, RECT{origin.x, origin.y, client.right, client.bottom}, nullptr);
}

void TDockQy::WMSize(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    LayoutBars(false);
    if (!ComponentState().Contains(csLoading) && OnResize) OnResize(this);
}

void TDockQy::WMNCCalcSize(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    auto* r = reinterpret_cast<RECT*>(Message.LParam);
    if (boundLines_.Contains(blTop)) ++r->top;
    if (boundLines_.Contains(blBottom)) --r->bottom;
    if (boundLines_.Contains(blLeft)) ++r->left;
    if (boundLines_.Contains(blRight)) --r->right;
}

void TDockQy::WMNCPaint(TMessage& Message) {
    const HDC dc = GetWindowDC(Handle());
    SelectFrameUpdateRegion(Handle(), dc, HRGN(Message.WParam));
    PaintFrame(dc);
    ReleaseDC(Handle(), dc);
}

void TDockQy::WMPrint(TMessage& Message) {
    HandlePrintMessage(Handle(), Message, [this](HWND, HDC dc) { PaintFrame(dc); });
}

void TDockQy::WMPrintClient(TMessage& Message) { HandlePrintClientMessage(this, Message); }

void TDockQy::PaintFrame(HDC dc) {
    if (boundLines_.Empty() || visibleBars_.empty()) return;
    RECT r{0, 0, Width(), Height()};
    if (boundLines_.Contains(blTop)) FrameLine(dc, r.left, r.top, r.right, r.top, COLOR_BTNSHADOW), ++r.top;
    if (boundLines_.Contains(blLeft)) FrameLine(dc, r.left, r.top, r.left, r.bottom, COLOR_BTNSHADOW), ++r.left;
    if (boundLines_.Contains(blBottom))
        FrameLine(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, COLOR_BTNHIGHLIGHT), --r.bottom;
    if (boundLines_.Contains(blRight))
        FrameLine(dc, r.right - 1, r.top, r.right - 1, r.bottom, COLOR_BTNHIGHLIGHT), --r.right;
}

// ---- the floating window's parent ------------------------------------------------

TFloatingWindowParent::TFloatingWindowParent(TComponent* owner, TCustomForm* host) : TForm(owner, 0), host_(host) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 0, 0);
    SetShowHint(true);
}

void TFloatingWindowParent::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TFloatingWindowParent::CMShowingChanged(TMessage&) {
    if (!HandleAllocated()) return;
    const UINT show = Showing() && showRequested_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    SetWindowPos(Handle(), 0, 0, 0, 0, 0, show | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

TCustomForm* MdiHostForm(TCustomForm* form) {
    if (!form || form->FormStyle() != fsMDIChild) return form;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* frame = Screen->CustomForms(i);
        for (int j = 0; j < frame->MDIChildCount(); ++j)
            if (frame->MDIChildren(j) == form) return frame;
    }
    return form;
}

void TFloatingWindowParent::CMDialogKey(TMessage& Message) {
    if (Message.WParam == VK_ESCAPE && KeyDataToShiftState(Message.LParam).Empty() && host_) {
        host_->SetFocus();
        Message.Result = 1;
        return;
    }
    TForm::Dispatch(Message);
}

// ---- the tool window ------------------------------------------------------------

TCustomToolWindowQy::TCustomToolWindowQy(TComponent* owner) : TCustomControl(owner) {
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Include(csClickEvents);
    style.Include(csSetCaption);
    style.Include(csDoubleClicks);
    style.Exclude(csCaptureMouse);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetColor(clBtnFace);
    ToolbarDockPositionOf = &DockPositionOf;
    ToolWindows().push_back(this);
    AddHookClient(&TCustomToolWindowQy::HookProc, THookCodes{hcActivateApp, hcWindowPosChanged, hcDestroyWindow},
                  ComponentState().Contains(csDesigning));
}

TCustomToolWindowQy::~TCustomToolWindowQy() {
    std::erase(ToolWindows(), this);
    RemoveHookClient(&TCustomToolWindowQy::HookProc);
    if (dockedTo_) dockedTo_->BarVisibilityChanged(this, true);
    if (lastDock_ && lastDock_ != dockedTo_) lastDock_->RegisterBar(false, this);
    if (dockedTo_) dockedTo_->RegisterBar(false, this);
    TFloatingWindowParent* floatParent = floatParent_;
    floatParent_ = nullptr;
    if (floatParent) {
        if (Parent() == floatParent) TCustomControl::SetParent(nullptr);
        delete floatParent;
    }
}

void TCustomToolWindowQy::HookProc(THookCode code, HWND window, WPARAM, LPARAM lParam) {
    const auto floating = [] {
        std::vector<TCustomToolWindowQy*> found;
        for (TCustomToolWindowQy* w : ToolWindows())
            if (w->Floating()) found.push_back(w);
        return found;
    };
    if (code == hcActivateApp) {
        for (TCustomToolWindowQy* w : floating()) w->SyncVisibility();
        return;
    }
    if (code == hcDestroyWindow) {
        // Owned windows die with their owner: the floating parent takes
        // them back until they show again.
        for (TCustomToolWindowQy* w : floating())
            if (w->HandleAllocated() && w->floatParent_->HandleAllocated() &&
                GetWindow(w->Handle(), GW_OWNER) == window && window != w->floatParent_->Handle())
                SetWindowLongPtr(w->Handle(), GWLP_HWNDPARENT, LONG_PTR(w->floatParent_->Handle()));
        return;
    }
    if (code != hcWindowPosChanged) return;
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!pos || !(pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED))) return;
    for (TCustomToolWindowQy* w : floating()) {
        TCustomForm* host = w->HostForm();
        if (w->floatingMode_ != fmOnTopOfParentForm || !w->HandleAllocated() || !host || !host->HandleAllocated())
            continue;
        if (host->Handle() == window || IsChild(window, host->Handle())) w->SyncVisibility();
    }
}

void TCustomToolWindowQy::SetFloatingMode(TToolWindowFloatingMode v) {
    floatingMode_ = v;
    // The owner and topmost style follow the mode at once.
    if (Floating() && HandleAllocated()) Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TCustomToolWindowQy::SetHideWhenInactive(bool v) {
    hideWhenInactive_ = v;
    SyncVisibility();
}

bool TCustomToolWindowQy::ShouldBeVisible() const {
    // The floating parent's window shows only when this one does.
    if (!(Floating() ? Visible() : Showing()) || hiddenLock_ > 0) return false;
    if (dockedTo_ || ComponentState().Contains(csDesigning) || !Floating()) return true;
    if (floatingMode_ == fmOnTopOfParentForm) {
        TCustomForm* host = HostForm();
        TCustomForm* frame = MdiHostForm(host);
        const auto shown = [](TCustomForm* form) {
            return form && form->HandleAllocated() && form->Visible() && !IsIconic(form->Handle());
        };
        if (!shown(host) || !shown(frame)) return false;
        if (Application && IsIconic(Application->Handle())) return false;
    }
    return !(hideWhenInactive_ && !AppIsActive());
}

void TCustomToolWindowQy::SyncVisibility() {
    const bool inactive =
        Floating() && !hideWhenInactive_ && !AppIsActive() && !ComponentState().Contains(csDesigning);
    if (inactive != captionInactive_) {
        captionInactive_ = inactive;
        RequestFloatingFrameRepaint(FramePartCaption);
    }
    if (!HandleAllocated()) return;
    if ((IsWindowVisible(Handle()) != FALSE) != ShouldBeVisible()) Perform(CM_SHOWINGCHANGED, 0, 0);
}

namespace {

bool IsOwnedBy(HWND window, HWND owner) {
    for (HWND o = GetWindow(window, GW_OWNER); o; o = GetWindow(o, GW_OWNER))
        if (o == owner) return true;
    return false;
}

}  // namespace

void TCustomToolWindowQy::CMShowingChanged(TMessage& Message) {
    if (!Floating()) {
        if (hiddenLock_ > 0 && HandleAllocated())
            SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        else
            TCustomControl::Dispatch(Message);
        return;
    }
    if (!HandleAllocated()) return;
    const bool show = ShouldBeVisible();
    if (Floating()) {
        if (show) {
            TCustomForm* frame = MdiHostForm(HostForm());
            if (floatingMode_ == fmOnTopOfAllForms) {
                if (Application) SetWindowLongPtr(Handle(), GWLP_HWNDPARENT, LONG_PTR(Application->Handle()));
            } else if (frame && frame->HandleAllocated() && GetWindow(Handle(), GW_OWNER) != frame->Handle()) {
                SetWindowLongPtr(Handle(), GWLP_HWNDPARENT, LONG_PTR(frame->Handle()));
                // Right below the nearest window above the frame that is
                // none of its own; leaving the topmost band first, which
                // would take it to the top of the others.
                SyncTopmost();
                HWND below = HWND_TOP;
                for (HWND w = GetWindow(frame->Handle(), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
                    if (w != Handle() && !IsOwnedBy(w, frame->Handle())) {
                        below = w;
                        break;
                    }
                SetWindowPos(Handle(), below, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
            }
            SyncTopmost();
        }
        floatParent_->SetShowRequested(show);
        floatParent_->Perform(CM_SHOWINGCHANGED, 0, 0);
    }
    const bool wasActive = GetActiveWindow() == Handle();
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    if (!show && wasActive)
        if (HWND other = FindOtherTopWindow(Handle())) SetActiveWindow(other);
}

void TCustomToolWindowQy::SyncTopmost() {
    if (!HandleAllocated() || !Floating()) return;
    const HWND owner = GetWindow(Handle(), GW_OWNER);
    const bool wanted = floatingMode_ == fmOnTopOfAllForms
                            ? IsWindowEnabled(Handle()) != FALSE
                            : owner && (GetWindowLongPtr(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    if (wanted == ((GetWindowLongPtr(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)) return;
    SetWindowPos(Handle(), wanted ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomToolWindowQy::WMEnable(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (floatingMode_ == fmOnTopOfAllForms) SyncTopmost();
}

void TCustomToolWindowQy::WMActivate(TMessage& Message) {
    if (!Floating() || ComponentState().Contains(csDesigning)) {
        TCustomControl::Dispatch(Message);
        return;
    }
    TCustomForm* frame = MdiHostForm(HostForm());
    const HWND frameWindow = frame && frame->HandleAllocated() ? frame->Handle() : 0;
    const bool active = LOWORD(Message.WParam) != WA_INACTIVE;
    if (frameWindow) SendMessage(frameWindow, WM_NCACTIVATE, active, 0);
    if (!active) return;
    if (!IsWindowVisible(Handle())) {
        if (HWND other = FindOtherTopWindow(Handle())) SetActiveWindow(other);
    } else if (frameWindow && HWND(Message.LParam) != frameWindow) {
        SetActiveWindow(frameWindow);
    }
}

void TCustomToolWindowQy::WMClose(TMessage&) {
    // Alt+F4 on the floating window closes the form it belongs to.
    if (TCustomForm* frame = MdiHostForm(HostForm()); frame && frame->HandleAllocated())
        PostMessage(frame->Handle(), WM_CLOSE, 0, 0);
}

bool TCustomToolWindowQy::Floating() const { return floatParent_ && Parent() == floatParent_; }

TCustomForm* TCustomToolWindowQy::HostForm() const {
    if (floatParent_ && Parent() == floatParent_) return floatParent_->HostForm();
    return GetParentForm();
}

TPoint TCustomToolWindowQy::FloatingBorderSize() const {
    return resizable_ ? TPoint{GetSystemMetrics(SM_CXSIZEFRAME), GetSystemMetrics(SM_CYSIZEFRAME)}
                      : TPoint{GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME)};
}

int TCustomToolWindowQy::SmallCaptionHeight() const { return GetSystemMetrics(SM_CYSMCAPTION); }

int TCustomToolWindowQy::DragHandleSize() const {
    return DragHandleSizes[closeButtonWhenDocked_ ? 1 : 0][dragHandleStyle_];
}

TPoint TCustomToolWindowQy::DockedFrameSize(TDockQy* dock) const {
    const int handle = dock && dock->AllowDrag() ? DragHandleSize() : 0;
    return DockOrientationOf(dock) == doVertical ? TPoint{4, 4 + handle} : TPoint{4 + handle, 4};
}

TPoint TCustomToolWindowQy::FloatingFrameSize() const {
    const TPoint border = FloatingBorderSize();
    return {2 * border.x, 2 * border.y + (showCaption_ ? SmallCaptionHeight() : 0)};
}

void TCustomToolWindowQy::RecomputeFrameSize() {
    const TPoint frame = dockedTo_ ? DockedFrameSize(dockedTo_) : FloatingFrameSize();
    frameWidth_ = frame.x;
    frameHeight_ = frame.y;
    if (HandleAllocated())
        SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomToolWindowQy::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
    if (Floating()) {
        params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        params.WndParent = floatParent_->Handle();
    }
}

void TCustomToolWindowQy::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == defaultDock_) defaultDock_ = nullptr;
    if (component == lastDock_) lastDock_ = nullptr;
    if (floatParent_ && component == floatParent_->HostForm()) {
        if (Parent() == floatParent_) {
            SetParent(nullptr);
        } else {
            delete floatParent_;
            floatParent_ = nullptr;
        }
    }
}

void TCustomToolWindowQy::SetParent(TWinControl* parent) {
    TWinControl* actual = parent;
    if (parent && !dynamic_cast<TDockQy*>(parent) && !dynamic_cast<TCustomForm*>(parent))
        throw EInvalidOperation("'" + ClassName() + "' can only be placed on a TDockQy or directly on a form");
    const bool designing = ComponentState().Contains(csDesigning);
    if (!designing && parent && !dynamic_cast<TDockQy*>(parent) && !dynamic_cast<TFloatingWindowParent*>(parent)) {
        auto* host = static_cast<TCustomForm*>(parent);
        if (!floatParent_ || floatParent_->HostForm() != host) {
            auto* floating = new TFloatingWindowParent(nullptr, host);
            char name[48];
            std::snprintf(name, sizeof name, "TBQyFloatingWindowParent_%.8x",
                          unsigned(reinterpret_cast<std::uintptr_t>(floating)));
            floating->SetName(name);
            floating->SetVisible(true);
            host->FreeNotification(this);
            floatParent_ = floating;
        }
        actual = floatParent_;
    }
    TWinControl* old = Parent();
    auto* oldDock = dynamic_cast<TDockQy*>(old);
    auto* newDock = dynamic_cast<TDockQy*>(actual);
    if (actual == old) {
        dockedTo_ = newDock;
        return;
    }
    const bool destroying = ComponentState().Contains(csDestroying);
    if (!destroying && actual) {
        if (OnDockChanging) OnDockChanging(this);
        if (OnDockChangingEx) OnDockChangingEx(this, newDock);
        if (OnRecreating) OnRecreating(this);
    }
    ++hiddenLock_;
    ++moveEventLock_;
    SyncVisibility();
    if (oldDock) oldDock->BeginLayoutUpdate();
    if (newDock) newDock->BeginLayoutUpdate();
    ++positionedByDock_;
    if (actual && !destroying && OnDockChangingHidden) OnDockChangingHidden(this, newDock);
    if (actual && lastOrientationSet_) LayoutContent(lastOrientation_, newDock, false);
    arrangePending_ = true;
    BeginContentUpdate();
    if (oldDock) {
        if (!useLastDock_) oldDock->RegisterBar(false, this);
        oldDock->BarVisibilityChanged(this, true);
    }
    dockedTo_ = newDock;
    TCustomControl::SetParent(actual);
    RecomputeFrameSize();
    if (auto* oldFloat = dynamic_cast<TFloatingWindowParent*>(old)) {
        if (oldFloat == floatParent_) floatParent_ = nullptr;
        delete oldFloat;
    }
    if (newDock) {
        if (useLastDock_) {
            SetLastDock(newDock);
            newDock->BarVisibilityChanged(this, false);
        } else {
            newDock->RegisterBar(true, this);
        }
    }
    if (Floating()) TCustomControl::SetBounds(floatingTopLeft_.x, floatingTopLeft_.y, Width(), Height());
    EndContentUpdate();
    if (actual) {
        lastOrientation_ = DockOrientationOf(newDock);
        lastOrientationSet_ = true;
    }
    --positionedByDock_;
    if (newDock) newDock->EndLayoutUpdate();
    if (oldDock) oldDock->EndLayoutUpdate();
    --moveEventLock_;
    --hiddenLock_;
    // Floating, also when the new window was made shown: the owner follows the state.
    if (Floating() && HandleAllocated())
        Perform(CM_SHOWINGCHANGED, 0, 0);
    else
        SyncVisibility();
    if (actual) DoMoved();
    if (!destroying && actual) {
        if (OnRecreated) OnRecreated(this);
        if (OnDockChanged) OnDockChanged(this);
    }
}

void TCustomToolWindowQy::SetDockedTo(TDockQy* v) {
    if (v) {
        SetParent(v);
    } else if (TCustomForm* host = HostForm()) {
        SetParent(host);
    } else {
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    }
}

void TCustomToolWindowQy::SetLastDock(TDockQy* v) {
    if (useLastDock_ && dockedTo_) v = dockedTo_;
    if (v == lastDock_) return;
    if (lastDock_ && lastDock_ != Parent()) lastDock_->RegisterBar(false, this);
    lastDock_ = v;
    if (v) {
        useLastDock_ = true;
        v->FreeNotification(this);
        v->RegisterBar(true, this);
    }
}

void TCustomToolWindowQy::SetDefaultDock(TDockQy* v) {
    defaultDock_ = v;
    if (v) v->FreeNotification(this);
}

void TCustomToolWindowQy::SetUseLastDock(bool v) {
    useLastDock_ = v;
    SetLastDock(v ? dockedTo_ : nullptr);
}

void TCustomToolWindowQy::SetDockRow(int v) {
    dockRow_ = v;
    if (dockedTo_) dockedTo_->LayoutBars(false);
}

void TCustomToolWindowQy::SetDockPos(int v) {
    dockPos_ = v;
    if (dockedTo_) dockedTo_->LayoutBars(false);
}

void TCustomToolWindowQy::SetDragHandleStyle(TDragHandleStyle v) {
    dragHandleStyle_ = v;
    RecomputeFrameSize();
    ArrangeContent();
}

void TCustomToolWindowQy::SetCloseButtonWhenDocked(bool v) {
    closeButtonWhenDocked_ = v;
    RecomputeFrameSize();
    ArrangeContent();
}

void TCustomToolWindowQy::SetShowCaption(bool v) {
    showCaption_ = v;
    RecomputeFrameSize();
    ArrangeContent();
}

void TCustomToolWindowQy::SetResizable(bool v) {
    resizable_ = v;
    RecomputeFrameSize();
    ArrangeContent();
}

void TCustomToolWindowQy::SetBorderStyle(TFormBorderStyle v) {
    borderStyle_ = v;
    RepaintFrame();
}

void TCustomToolWindowQy::SetFullSize(bool v) {
    fullSize_ = v;
    ArrangeContent();
}

void TCustomToolWindowQy::SetBounds(int left, int top, int width, int height) {
    if (positionedByDock_ == 0 && (width != Width() || height != Height())) NotifySizeChanging(width, height);
    TCustomControl::SetBounds(left, top, width, height);
    if (!ComponentState().Contains(csLoading) && !dockedTo_ && positionedByDock_ == 0) floatingTopLeft_ = {left, top};
}

void TCustomToolWindowQy::EndContentUpdate() {
    if (--contentLock_ == 0 && arrangePending_) ArrangeContent();
}

void TCustomToolWindowQy::ArrangeContent() { LayoutContent(DockOrientationOf(dockedTo_), dockedTo_, true); }

void TCustomToolWindowQy::LayoutContent(TDockOrientation orientation, TDockQy* target, bool resize) {
    if (contentLock_ > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying) ||
        !Parent() || Parent()->ComponentState().Contains(csDestroying)) {
        arrangePending_ = true;
        return;
    }
    arrangePending_ = false;
    ++contentLock_;
    TPoint size = PlaceItems(true, orientation, target);
    if (resize) {
        int row = 0;
        if (dockedTo_) {
            dockedTo_->BuildRowExtents();
            row = dockedTo_->RowExtent(dockRow_, this);
        } else {
            MeasureBarThickness(row, doNone);
        }
        if (DockOrientationOf(dockedTo_) == doVertical) {
            size.x = std::max(size.x, row);
            if (fullSize_) size.y = dockedTo_->Height() - dockedTo_->FrameHeight() - frameHeight_;
        } else if (dockedTo_) {
            size.y = std::max(size.y, row);
            if (fullSize_) size.x = dockedTo_->Width() - dockedTo_->FrameWidth() - frameWidth_;
        }
        size.x += frameWidth_;
        size.y += frameHeight_;
        if (size.x != Width() || size.y != Height()) {
            ++positionedByDock_;
            SetBounds(Left(), Top(), size.x, size.y);
            --positionedByDock_;
        }
    }
    --contentLock_;
    if (dockedTo_) dockedTo_->LayoutBars(false);
}

void TCustomToolWindowQy::AlignControls(TControl* control, TRect& rect) {
    if (ToolWindowOptions().UsePlatformAlign) TCustomControl::AlignControls(control, rect);
    ArrangeContent();
}

void TCustomToolWindowQy::DoMoved() {
    if (moveEventLock_ == 0 && !ComponentState().Contains(csLoading) && OnMove) OnMove(this);
}

void TCustomToolWindowQy::KeepOnScreen(bool onlyWhenFullyOff) {
    if (!Floating()) return;
    RECT r = BoundsRect();
    const TRect work = WorkAreaOfRect(r);
    RECT overlap;
    if (onlyWhenFullyOff && IntersectRect(&overlap, &r, &work)) return;
    int left = std::min(r.left, int(work.right) - Width());
    int top = std::min(r.top, int(work.bottom) - Height());
    left = std::max(left, int(work.left));
    top = std::max(top, int(work.top));
    SetBounds(left, top, Width(), Height());
}

// ---- frames ----------------------------------------------------------------------

TRect TCustomToolWindowQy::CaptionRect(bool withCloseButton) const {
    const TPoint border = FloatingBorderSize();
    TRect r(0, 0, ClientWidth(), SmallCaptionHeight() - 1);
    OffsetRect(&r, border.x, border.y);
    if (!withCloseButton && closeButton_) r.right -= SmallCaptionHeight() - 1;
    return r;
}

TRect TCustomToolWindowQy::CloseButtonRect() const {
    TRect r = CaptionRect(true);
    r.left = r.right - SmallCaptionHeight() + 1;
    return r;
}

TRect TCustomToolWindowQy::DockedCloseButtonRect() const {
    const int w = DragHandleSize() - 3;
    if (DockOrientationOf(dockedTo_) == doVertical) return TRect(ClientWidth() - w + 2, 3, ClientWidth() + 2, 3 + w);
    return TRect(3, 2, 3 + w, 2 + w);
}

void TCustomToolWindowQy::WMNCCalcSize(TMessage& Message) {
    auto* r = reinterpret_cast<RECT*>(Message.LParam);
    if (dockedTo_) {
        const int handle = dockedTo_->AllowDrag() ? DragHandleSize() : 0;
        const bool vertical = DockOrientationOf(dockedTo_) == doVertical;
        InflateRect(r, -2, -2);
        (vertical ? r->top : r->left) += handle;
    } else {
        const TPoint border = FloatingBorderSize();
        InflateRect(r, -border.x, -border.y);
        if (showCaption_) r->top += SmallCaptionHeight();
    }
    if (r->right < r->left) r->right = r->left;
    if (r->bottom < r->top) r->bottom = r->top;
    Message.Result = 0;
}

void TCustomToolWindowQy::RepaintFrame() {
    if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TCustomToolWindowQy::WMNCPaint(TMessage& Message) {
    if (!HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    SelectFrameUpdateRegion(Handle(), dc, HRGN(Message.WParam));
    if (dockedTo_) {
        PaintDockedFrame(dc);
    } else {
        RemoveQueuedRepaint(WM_FLOATINGFRAMEREPAINT);
        PaintFloatingFrame(dc, FramePartBorder | FramePartCaption | FramePartCloseButton);
    }
    ReleaseDC(Handle(), dc);
}

int TCustomToolWindowQy::RemoveQueuedRepaint(UINT message) {
    int parts = 0;
    MSG msg;
    while (PeekMessage(&msg, Handle(), message, message, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        parts |= int(msg.lParam & 0xFF);
    }
    return parts;
}

void TCustomToolWindowQy::RequestDockedFrameRepaint() {
    if (!HandleAllocated()) return;
    RemoveQueuedRepaint(WM_DOCKEDFRAMEREPAINT);
    if (IsWindowVisible(Handle())) PostMessage(Handle(), WM_DOCKEDFRAMEREPAINT, 0, 0);
}

void TCustomToolWindowQy::RequestFloatingFrameRepaint(int parts) {
    if (!HandleAllocated()) return;
    parts |= RemoveQueuedRepaint(WM_FLOATINGFRAMEREPAINT);
    if (IsWindowVisible(Handle())) PostMessage(Handle(), WM_FLOATINGFRAMEREPAINT, 0, LPARAM(parts));
}

void TCustomToolWindowQy::WMDockedFrameRepaint(TMessage&) {
    if (!HandleAllocated() || !dockedTo_) return;
    const HDC dc = GetWindowDC(Handle());
    PaintDockedFrame(dc);
    ReleaseDC(Handle(), dc);
}

void TCustomToolWindowQy::WMFloatingFrameRepaint(TMessage& Message) {
    if (!HandleAllocated() || dockedTo_) return;
    const HDC dc = GetWindowDC(Handle());
    PaintFloatingFrame(dc, int(Message.LParam & 0xFF));
    ReleaseDC(Handle(), dc);
}

void TCustomToolWindowQy::WMPrint(TMessage& Message) {
    HandlePrintMessage(Handle(), Message, [this](HWND, HDC dc) {
        if (dockedTo_)
            PaintDockedFrame(dc);
        else
            PaintFloatingFrame(dc, FramePartBorder | FramePartCaption | FramePartCloseButton);
    });
}

void TCustomToolWindowQy::WMPrintClient(TMessage& Message) { HandlePrintClientMessage(this, Message); }

void TCustomToolWindowQy::CMColorChanged(TMessage& Message) {
    if (dockedTo_) RequestDockedFrameRepaint();
    TCustomControl::Dispatch(Message);
}

void TCustomToolWindowQy::PaintDockedFrame(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    RECT client{2, 2, Width() - 2, Height() - 2};
    const bool vertical = DockOrientationOf(dockedTo_) == doVertical;
    const int handle = dockedTo_->AllowDrag() ? DragHandleSize() : 0;
    (vertical ? client.top : client.left) += handle;
    if (TDockQy* dock = TiledDock()) {
        RECT inside = r;
        InflateRect(&inside, -1, -1);
        FillBand(dc, r, inside, Color());
        const TPoint origin = dock->TileOrigin(this, true);
        dock->PaintBackgroundTiles(dc, &inside, RECT{origin.x, origin.y, inside.right, inside.bottom}, &client);
    } else {
        FillBand(dc, r, client, Color());
    }
    if (borderStyle_ == bsSingle) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (handle == 0 || dragHandleStyle_ == dhNone) return;
    const int gripOffset = GripOffsets[closeButtonWhenDocked_ ? 1 : 0][dragHandleStyle_];
    const int grips = dragHandleStyle_ == dhDouble ? 2 : 1;
    for (int g = 0; g < grips; ++g) {
        RECT grip;
        const int at = 2 + gripOffset + g * 3;
        if (vertical) {
            grip = {4, at, Width() - 4, at + 3};
            if (closeButtonWhenDocked_) grip.right -= DragHandleSize() - 3;
        } else {
            grip = {at, 4, at + 3, Height() - 4};
            if (closeButtonWhenDocked_) grip.top += DragHandleSize() - 1;
        }
        DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);
    }
    if (closeButtonWhenDocked_) {
        RECT button = DockedCloseButtonRect();
        OffsetRect(&button, vertical ? 0 : 0, 0);
        DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (closePressed_ ? DFCS_PUSHED : 0));
    }
}

void TCustomToolWindowQy::PaintFloatingFrame(HDC dc, int parts) {
    if (parts & FramePartBorder) {
        RECT r{0, 0, Width(), Height()};
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        const TPoint border = FloatingBorderSize();
        FillBand(dc, r, RECT{border.x, border.y, Width() - border.x, Height() - border.y}, Color());
    }
    if (!showCaption_) return;
    const bool withButton = closeButton_ && (parts & FramePartCloseButton);
    if (parts & FramePartCaption) {
        const int saved = SaveDC(dc);
        if (withButton) {
            const RECT button = CloseButtonRect();
            ExcludeClipRect(dc, button.left, button.top, button.right, button.bottom);
        }
        PaintCaption(dc);
        RestoreDC(dc, saved);
    }
    if (withButton) {
        RECT button = CloseButtonRect();
        InflateRect(&button, -1, -1);
        DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (closePressed_ ? DFCS_PUSHED : 0));
    }
}

void TCustomToolWindowQy::PaintCaption(HDC dc) {
    RECT caption = CaptionRect(false);
    const bool active = !captionInactive_;
    using DrawCaptionProc = BOOL (*)(HWND, HDC, const RECT*, UINT);
    if (const auto draw = reinterpret_cast<DrawCaptionProc>(GetProcAddress(GetModuleHandle("user32"), "DrawCaption"))) {
        BOOL gradient = FALSE;
        SystemParametersInfo(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
        draw(Handle(), dc, &caption, DC_SMALLCAP | DC_TEXT | (active ? DC_ACTIVE : 0) | (gradient ? DC_GRADIENT : 0));
    } else {
        FillColour(dc, caption, active ? clActiveCaption : clInactiveCaption);
        const HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        const HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT text = caption;
        InflateRect(&text, -1, 0);
        const AnsiString title = FitCaptionText(dc, Caption(), text.right - text.left);
        DrawText(dc, title.c_str(), int(title.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
    const TRect full = CaptionRect(true);
    FillColour(dc, RECT{full.left, full.bottom, full.right, full.bottom + 1}, clBtnFace);
}

AnsiString FitCaptionText(HDC dc, const AnsiString& text, int width) {
    const auto fits = [dc, width](const AnsiString& s) {
        SIZE size{};
        GetTextExtentPoint32(dc, s.c_str(), int(s.size()), &size);
        return size.cx <= width;
    };
    if (fits(text)) return text;
    AnsiString cut = text + "...";
    // The shortest form: the first character (one or two bytes) and "...".
    const auto shortest = [&cut] { return (IsDBCSLeadByte(BYTE(cut[0])) && cut.size() >= 5 ? 2u : 1u) + 3u; };
    while (!fits(cut) && cut.size() > shortest()) {
        // The character before the "...", both bytes of a double-byte one.
        std::size_t start = 0, last = 0;
        const std::size_t end = cut.size() - 3;
        while (start < end) {
            last = start;
            start += IsDBCSLeadByte(BYTE(cut[start])) && start + 1 < end ? 2 : 1;
        }
        cut.erase(last, end - last);
    }
    return cut;
}

void TCustomToolWindowQy::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    if (TDockQy* dock = TiledDock()) {
        const TRect client = ClientRect();
        const TPoint origin = dock->TileOrigin(this, false);
        dock->PaintBackgroundTiles(Canvas()->Handle(), &client, RECT{origin.x, origin.y, client.right, client.bottom},
                                   nullptr);
    }
}

TDockQy* TCustomToolWindowQy::TiledDock() const {
    return dockedTo_ && dockedTo_->HasBackground() && dockedTo_->BackgroundOnToolbars() ? dockedTo_ : nullptr;
}

void TCustomToolWindowQy::WMMouseActivate(TMessage& Message) {
    if (!Floating() || ComponentState().Contains(csDesigning)) {
        TCustomControl::Dispatch(Message);
        return;
    }
    Message.Result = MA_NOACTIVATE;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    if (floatingMode_ != fmOnTopOfParentForm || !activateParent_) return;
    TCustomForm* host = HostForm();
    TCustomForm* frame = MdiHostForm(host);
    if (!frame || !frame->HandleAllocated() || GetActiveWindow() == Handle()) return;
    SetActiveWindow(frame->Handle());
    if (host != frame) host->BringToFront();
}

void TCustomToolWindowQy::WMMove(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    // The tiles under it stay where the dock's picture has them.
    if (TiledDock()) {
        RequestDockedFrameRepaint();
        Invalidate();
    }
    DoMoved();
}

void TCustomToolWindowQy::WMSize(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (!ComponentState().Contains(csLoading) && OnResize) OnResize(this);
}

void TCustomToolWindowQy::CMTextChanged(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (Floating()) RequestFloatingFrameRepaint(FramePartCaption);
}

void TCustomToolWindowQy::CMVisibleChanged(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (dockedTo_) dockedTo_->BarVisibilityChanged(this, false);
    if (OnVisibleChanged) OnVisibleChanged(this);
}
