// The mouse on a tool window: hit testing of its frame, the press that
// starts a drag or answers a double click, and the three modal loops that
// drag it to a dock or a floating place (drawing an inverted outline on the
// desktop), resize it floating, and press its close button.
#include <algorithm>

#include "platform/gdi/sysparams.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/exceptions.h"
#include "platform/win/msgqueue.h"
#include "platform/win/screens.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "report/ui/qm_tbqy.h"
#include "report/ui/qm_tbqycmn.h"

namespace {

// The halftone outline of the drag and resize loops, drawn on the desktop:
// moving it inverts only where the old and new bands differ.
class DragOutline {
public:
    DragOutline() {
        LockWindowUpdate(GetDesktopWindow());
        dc_ = GetDCEx(GetDesktopWindow(), 0, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
        static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
        const HBITMAP bits = CreateBitmap(8, 8, 1, 1, pattern);
        brush_ = CreatePatternBrush(bits);
        DeleteObject(bits);
    }
    ~DragOutline() {
        Move(TRect(), 0);
        DeleteObject(brush_);
        ReleaseDC(GetDesktopWindow(), dc_);
        LockWindowUpdate(0);
    }
    DragOutline(const DragOutline&) = delete;
    DragOutline& operator=(const DragOutline&) = delete;

    void Move(const TRect& rect, int thickness) {
        const HRGN next = Band(rect, thickness);
        const HRGN changed = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(changed, current_ ? current_ : next, next, current_ ? RGN_XOR : RGN_COPY);
        SelectClipRgn(dc_, changed);
        RECT box;
        GetClipBox(dc_, &box);
        const HGDIOBJ old = SelectObject(dc_, brush_);
        PatBlt(dc_, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
        SelectObject(dc_, old);
        SelectClipRgn(dc_, 0);
        DeleteObject(changed);
        if (current_) DeleteObject(current_);
        current_ = next;
    }

private:
    static HRGN Band(const TRect& rect, int thickness) {
        const HRGN outer = CreateRectRgnIndirect(&rect);
        if (IsRectEmpty(&rect)) return outer;
        TRect inner = rect;
        InflateRect(&inner, -thickness, -thickness);
        const HRGN hole = CreateRectRgnIndirect(&inner);
        CombineRgn(outer, outer, hole, RGN_DIFF);
        DeleteObject(hole);
        return outer;
    }

    HDC dc_ = 0;
    HBRUSH brush_ = 0;
    HRGN current_ = 0;
};

// The docks of the host form a tool window may be dropped on, top docks
// first, then bottom, left and right ones, inner containers before their
// parents.
void CollectDropDocks(TWinControl* control, const TCustomToolWindowQy* bar, std::vector<TDockQy*>& docks) {
    if (control == bar || !control->Showing()) return;
    for (TDockPosition side : {dpTop, dpBottom, dpLeft, dpRight})
        for (int i = 0; i < control->ControlCount(); ++i)
            if (auto* dock = dynamic_cast<TDockQy*>(control->Controls(i)); dock && dock->Position() == side)
                CollectDropDocks(dock, bar, docks);
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
        if (child && !dynamic_cast<TDockQy*>(child)) CollectDropDocks(child, bar, docks);
    }
    auto* dock = dynamic_cast<TDockQy*>(control);
    if (dock && dock->AllowDrag() && bar->DockableTo().Contains(dock->Position())) docks.push_back(dock);
}

// Where the mouse was when the message being handled was queued: the loops
// follow the queued input, which may lie behind the cursor.
POINT MessagePoint() {
    const DWORD pos = GetMessagePos();
    return POINT{short(LOWORD(pos)), short(HIWORD(pos))};
}

// Runs a modal mouse loop while `window` holds the capture: `handle` sees
// each message, answers true to end the loop, and clears `consumed` for a
// message to be dispatched. A quit message is posted again and ends it.
// A left button let go where no window of ours saw it (before the capture
// began, away from every window) ends the loop as a move to the cursor and
// a release there would.
template <class Handle>
void RunCaptureLoop(HWND window, Handle handle) {
    MSG msg;
    while (GetCapture() == window) {
        if (!PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
            if (GetAsyncKeyState(VK_LBUTTON) < 0) {
                WaitMessage();
                continue;
            }
            POINT cursor;
            GetCursorPos(&cursor);
            bool consumed = true;
            for (UINT message : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONUP)}) {
                msg = MSG{window, message, 0, 0, GetTickCount(), cursor, 0};
                if (handle(msg, consumed)) return;
            }
            return;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        // Input queued before the capture began may still name the frame.
        switch (msg.message) {
            case WM_NCMOUSEMOVE: msg.message = WM_MOUSEMOVE; break;
            case WM_NCLBUTTONDOWN: msg.message = WM_LBUTTONDOWN; break;
            case WM_NCLBUTTONUP: msg.message = WM_LBUTTONUP; break;
            case WM_NCLBUTTONDBLCLK: msg.message = WM_LBUTTONDBLCLK; break;
            default: break;
        }
        bool consumed = true;
        if (handle(msg, consumed)) return;
        if (!consumed) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

bool IsButtonMessage(UINT message) {
    return (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

}  // namespace

// ---- hit testing and presses --------------------------------------------------------

void TCustomToolWindowQy::WMNCHitTest(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    RECT window;
    GetWindowRect(Handle(), &window);
    const POINT p{short(LOWORD(Message.LParam)) - window.left, short(HIWORD(Message.LParam)) - window.top};
    if (dockedTo_) {
        if (Message.Result != 0 && Message.Result != HTNOWHERE && Message.Result != HTBORDER) return;
        Message.Result = HTCLIENT;
        if (closeButtonWhenDocked_ && dockedTo_->AllowDrag()) {
            const TRect button = DockedCloseButtonRect();
            if (PtInRect(&button, p)) Message.Result = HTCLOSE;
        }
        return;
    }
    if (Message.Result == HTCLIENT) return;
    if (showCaption_) {
        const TRect caption = CaptionRect(true);
        if (PtInRect(&caption, p)) {
            const TRect close = CloseButtonRect();
            Message.Result = closeButton_ && PtInRect(&close, p) ? HTCLOSE : HTCLIENT;
            return;
        }
    }
    Message.Result = 0;
    if (!resizable_) return;
    const TPoint b = FloatingBorderSize();
    const int w = Width(), h = Height();
    const bool left = p.x < b.x, right = p.x >= w - b.x - 1, top = p.y < b.y, bottom = p.y >= h - b.y - 1;
    const int c = SmallCaptionHeight() - 1 + b.x;
    if (!ToolWindowOptions().CornerSizing) {
        Message.Result = top ? HTTOP : bottom ? HTBOTTOM : left ? HTLEFT : right ? HTRIGHT : 0;
        return;
    }
    if (left) {
        Message.Result = p.y < c ? HTTOPLEFT : p.y >= h - c ? HTBOTTOMLEFT : HTLEFT;
    } else if (right) {
        Message.Result = p.y < c ? HTTOPRIGHT : p.y >= h - c ? HTBOTTOMRIGHT : HTRIGHT;
    } else if (top) {
        Message.Result = p.x < c ? HTTOPLEFT : p.x >= w - c ? HTTOPRIGHT : HTTOP;
    } else if (bottom) {
        Message.Result = p.x < c ? HTBOTTOMLEFT : p.x >= w - c ? HTBOTTOMRIGHT : HTBOTTOM;
    }
}

void TCustomToolWindowQy::WMNCLButtonDown(TMessage& Message) {
    const int code = int(Message.WParam);
    if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
        TrackResize(TSizeHandle(code - HTLEFT));
    } else if (code == HTCLOSE) {
        TrackCloseButton();
    } else {
        TCustomControl::Dispatch(Message);
    }
}

void TCustomToolWindowQy::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    if (TControl* child = ControlAtPos(TPoint{x, y}, true, true)) {
        if (child->Visible() && !IsChildTransparent(child)) return;
    }
    if (dockedTo_ && !dockedTo_->AllowDrag()) return;
    if (shift.Contains(ssDouble)) {
        ToggleDocking();
        return;
    }
    TrackDrag(x, y);
    MouseUp(mbLeft, TShiftState(), -1, -1);
}

void TCustomToolWindowQy::ToggleDocking() {
    if (dockedTo_) {
        if (dockMode_ != dmCanFloat) return;
        SetDockedTo(nullptr);
        KeepOnScreen(true);
    } else if (lastDock_) {
        SetDockedTo(lastDock_);
    } else if (defaultDock_) {
        dockRow_ = 0;
        dockPos_ = -8;
        SetDockedTo(defaultDock_);
    }
}

// ---- the drag loop -------------------------------------------------------------------

void TCustomToolWindowQy::TrackDrag(int x, int y) {
    RECT window;
    GetWindowRect(Handle(), &window);
    const TPoint screen = ClientToScreen(TPoint{x, y});
    const TPoint grab{screen.x - window.left, screen.y - window.top};
    const TPoint origSize{std::max(1, Width() - 1), std::max(1, Height() - 1)};
    bool noDocking = GetKeyState(VK_CONTROL) < 0;
    const bool floatForbidden = dockMode_ != dmCanFloat;

    std::vector<TDockQy*> docks;
    if (dockMode_ == dmCannotFloatOrChangeDocks) {
        if (dockedTo_) docks.push_back(dockedTo_);
    } else if (TCustomForm* host = HostForm()) {
        CollectDropDocks(host, this, docks);
    }
    const TDockOrientation current = DockOrientationOf(dockedTo_);
    const TPoint floatFrame = FloatingFrameSize();
    TPoint floatSize = PlaceItems(false, current, nullptr);
    floatSize = {floatSize.x + floatFrame.x, floatSize.y + floatFrame.y};
    std::vector<TPoint> dockSizes;
    for (TDockQy* dock : docks) {
        TPoint size = dock == dockedTo_ ? TPoint{ClientWidth(), ClientHeight()} : PlaceItems(false, current, dock);
        const TPoint frame = DockedFrameSize(dock);
        dockSizes.push_back({size.x + frame.x, size.y + frame.y});
    }

    FlushPaintMessages();
    const HCURSOR savedCursor = GetCursor();
    int target = -1;
    TRect outlineRect;
    bool accepted = false;
    {
        DragOutline outline;
        SetCapture(Handle());
        const auto placed = [&](TPoint pos, TPoint size) {
            const int left = pos.x - MulDiv(size.x - 1, grab.x, origSize.x);
            const int top = pos.y - MulDiv(size.y - 1, grab.y, origSize.y);
            return TRect(left, top, left + size.x, top + size.y);
        };
        const auto dockTest = [&](TDockQy* dock, TPoint pos, TPoint size) {
            RECT r;
            GetWindowRect(dock->Handle(), &r);
            const bool vertical = DockOrientationOf(dock) == doVertical;
            if (r.right == r.left || r.bottom == r.top) {
                if (vertical) {
                    InflateRect(&r, 1, 0);
                } else {
                    InflateRect(&r, 0, 1);
                }
            }
            const int a = MulDiv(32, grab.x, origSize.x);
            if (pos.x < r.left - (32 - a) || pos.x > r.right - 1 + a) return false;
            if (vertical && (pos.y < r.top || pos.y >= r.bottom)) return false;
            const int c = MulDiv(20, grab.y, origSize.y);
            if (pos.y < r.top - (20 - c) || pos.y > r.bottom - 1 + c) return false;
            const TRect candidate = placed(pos, size);
            RECT overlap;
            return IntersectRect(&overlap, &candidate, &r) != 0;
        };
        const auto mouseMoved = [&](POINT pos) {
            target = -1;
            if (!noDocking)
                for (std::size_t i = 0; i < docks.size(); ++i) {
                    if (!dockTest(docks[i], pos, dockSizes[i])) continue;
                    bool accept = true;
                    if (docks[i]->OnRequestDock) docks[i]->OnRequestDock(docks[i], this, accept);
                    if (accept) {
                        target = int(i);
                        break;
                    }
                }
            int thickness = 1;
            if (target < 0) {
                const TRect work = WorkAreaOfPoint(pos);
                pos.x = std::clamp(int(pos.x), int(work.left), int(work.right) - 1);
                pos.y = std::clamp(int(pos.y), int(work.top), int(work.bottom) - 1);
                outlineRect = placed(pos, floatSize);
                const TPoint border = FloatingBorderSize();
                TRect limit = work;
                InflateRect(&limit, -(border.x + 4), -(border.y + 4));
                const int w = outlineRect.right - outlineRect.left, h = outlineRect.bottom - outlineRect.top;
                if (outlineRect.bottom < limit.top) OffsetRect(&outlineRect, 0, limit.top - outlineRect.bottom);
                if (outlineRect.top > limit.bottom) OffsetRect(&outlineRect, 0, limit.bottom - outlineRect.top);
                if (outlineRect.right < limit.left) OffsetRect(&outlineRect, limit.left - outlineRect.right, 0);
                if (outlineRect.left > limit.right) OffsetRect(&outlineRect, limit.right - outlineRect.left, 0);
                const int topLimit = work.top + 4 - (border.y + (showCaption_ ? SmallCaptionHeight() : 0));
                if (outlineRect.top < topLimit) outlineRect = TRect(outlineRect.left, topLimit, outlineRect.left + w, topLimit + h);
                thickness = border.x;
            } else {
                outlineRect = placed(pos, dockSizes[std::size_t(target)]);
            }
            if (floatForbidden && target < 0) {
                outlineRect = TRect();
                ::SetCursor(LoadCursor(0, IDC_NO));
            } else {
                ::SetCursor(savedCursor);
            }
            outline.Move(outlineRect, thickness);
        };
        POINT last = MessagePoint();
        mouseMoved(last);
        RunCaptureLoop(Handle(), [&](const MSG& msg, bool& consumed) {
            switch (msg.message) {
                case WM_KEYDOWN:
                case WM_KEYUP:
                    if (msg.wParam == VK_CONTROL) {
                        if (noDocking != (msg.message == WM_KEYDOWN)) {
                            noDocking = msg.message == WM_KEYDOWN;
                            mouseMoved(last);
                        }
                    } else if (msg.wParam == VK_ESCAPE) {
                        return true;
                    }
                    return false;
                case WM_MOUSEMOVE:
                    last = msg.pt;
                    mouseMoved(last);
                    return false;
                case WM_LBUTTONDOWN:
                case WM_LBUTTONDBLCLK: return true;
                case WM_LBUTTONUP: accepted = true; return true;
                case WM_CHAR:
                case WM_SYSKEYDOWN:
                case WM_SYSKEYUP: return false;
                default:
                    consumed = IsButtonMessage(msg.message);
                    return false;
            }
        });
        if (GetCapture() == Handle()) ReleaseCapture();
    }
    ::SetCursor(savedCursor);
    if (!accepted || IsRectEmpty(&outlineRect)) return;
    if (target >= 0) {
        TDockQy* dock = docks[std::size_t(target)];
        const TPoint topLeft = dock->ScreenToClient(TPoint{outlineRect.left, outlineRect.top});
        const TPoint bottomRight = dock->ScreenToClient(TPoint{outlineRect.right, outlineRect.bottom});
        const bool vertical = DockOrientationOf(dock) == doVertical;
        const int mid = vertical ? (topLeft.x + bottomRight.x) / 2 : (topLeft.y + bottomRight.y) / 2;
        bool before = false;
        int row = dock->RowAtOffset(mid, before);
        if (before) {
            dock->InsertRowAt(row);
        } else if (fullSize_ && dock->BarsOnRow(row, this) != 0) {
            dock->InsertRowAt(++row);
        }
        dockRow_ = row;
        dockPos_ = vertical ? topLeft.y : topLeft.x;
        SetParent(dock);
        dock->LayoutBars(true);
    } else {
        floatingTopLeft_ = {outlineRect.left, outlineRect.top};
        if (dockedTo_) {
            TCustomForm* host = HostForm();
            if (!host) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
            SetParent(host);
        } else {
            SetBounds(floatingTopLeft_.x, floatingTopLeft_.y, Width(), Height());
        }
    }
    KeepOnScreen(true);
}

// ---- the resize loop -------------------------------------------------------------------

void TCustomToolWindowQy::TrackResize(TSizeHandle handle) {
    if (!Floating()) return;
    int minW = 0, minH = 0;
    MeasureMinimumClient(minW, minH);
    minW += frameWidth_;
    minH += frameHeight_;
    const bool sizesX = handle != shTop && handle != shBottom;
    const bool sizesY = handle != shLeft && handle != shRight;
    const bool movesLeft = handle == shLeft || handle == shTopLeft || handle == shBottomLeft;
    const bool movesTop = handle == shTop || handle == shTopLeft || handle == shTopRight;
    ResizeStart(handle);
    FlushPaintMessages();
    const TRect initial = BoundsRect();
    TRect next = initial;
    bool accepted = false;
    {
        DragOutline outline;
        const int thickness = FloatingBorderSize().x;
        SetCapture(Handle());
        const bool clip = ToolWindowOptions().ClipCursorWhenSizing && GetSystemMetrics(SM_CMONITORS) <= 1;
        if (clip) {
            const RECT work = PrimaryWorkArea();
            ClipCursor(&work);
        }
        struct Unclip {
            bool active;
            ~Unclip() {
                if (active) ClipCursor(nullptr);
            }
        } unclip{clip};
        outline.Move(next, thickness);
        const POINT start = MessagePoint();
        trackedCursor_ = start;
        RunCaptureLoop(Handle(), [&](const MSG& msg, bool& consumed) {
            switch (msg.message) {
                case WM_KEYDOWN:
                    return msg.wParam == VK_ESCAPE;
                case WM_KEYUP:
                case WM_CHAR:
                case WM_SYSKEYDOWN:
                case WM_SYSKEYUP: return false;
                case WM_MOUSEMOVE: {
                    const POINT pos = msg.pt;
                    if (pos.x == trackedCursor_.x && pos.y == trackedCursor_.y) return false;
                    trackedCursor_ = pos;
                    next = initial;
                    const int dx = pos.x - start.x, dy = pos.y - start.y;
                    if (sizesX) {
                        if (movesLeft) {
                            next.left = std::min(initial.left + dx, initial.right - minW);
                        } else {
                            next.right = std::max(initial.right + dx, initial.left + minW);
                        }
                    }
                    if (sizesY) {
                        if (movesTop) {
                            next.top = std::min(initial.top + dy, initial.bottom - minH);
                        } else {
                            next.bottom = std::max(initial.bottom + dy, initial.top + minH);
                        }
                    }
                    ResizeTracking(next, initial);
                    outline.Move(next, thickness);
                    return false;
                }
                case WM_LBUTTONDOWN:
                case WM_LBUTTONDBLCLK: return true;
                case WM_LBUTTONUP: accepted = true; return true;
                default:
                    consumed = IsButtonMessage(msg.message);
                    return false;
            }
        });
        if (GetCapture() == Handle()) ReleaseCapture();
    }
    ResizeFinish(accepted);
    if (!accepted) return;
    BeginContentUpdate();
    SetBoundsRect(next);
    arrangePending_ = true;
    EndContentUpdate();
    KeepOnScreen(true);
}

// ---- the close button ------------------------------------------------------------------

void TCustomToolWindowQy::TrackCloseButton() {
    const auto buttonRect = [this] { return dockedTo_ ? DockedCloseButtonRect() : CloseButtonRect(); };
    closePressed_ = true;
    RepaintFrame();
    bool accepted = false;
    SetCapture(Handle());
    RunCaptureLoop(Handle(), [&](const MSG& msg, bool& consumed) {
        switch (msg.message) {
            case WM_MOUSEMOVE: {
                RECT window;
                GetWindowRect(Handle(), &window);
                const POINT p{msg.pt.x - window.left, msg.pt.y - window.top};
                const TRect button = buttonRect();
                const bool inside = PtInRect(&button, p) != 0;
                if (inside != closePressed_) {
                    closePressed_ = inside;
                    RepaintFrame();
                }
                return false;
            }
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK: return true;
            case WM_LBUTTONUP: accepted = closePressed_; return true;
            case WM_KEYDOWN:
            case WM_KEYUP:
            case WM_CHAR:
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP: return false;
            default:
                consumed = IsButtonMessage(msg.message);
                return false;
        }
    });
    if (GetCapture() == Handle()) ReleaseCapture();
    if (closePressed_) {
        closePressed_ = false;
        RepaintFrame();
    }
    if (!accepted) return;
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    SetVisible(false);
    if (OnClose) OnClose(this);
}
