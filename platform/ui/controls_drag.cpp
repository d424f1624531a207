// Dragging controls: the drag objects, BeginDrag's loop and the CM_DRAG
// messages that ask the control under the mouse whether it takes the drop.
#include <cstdlib>
#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"

// ---- the drag objects ----------------------------------------------------------

TCursor TDragObject::GetDragCursor(bool accepted, int, int) { return accepted ? crDrag : crNoDrop; }

void TDragObject::Finished(TObject*, int, int, bool) {}

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int) {
    return accepted ? control_->DragCursor() : crNoDrop;
}

void TDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
    if (!accepted) {
        control_->DragCanceled();
        target = nullptr;
    }
    control_->DoEndDrag(target, x, y);
}

// ---- the drag ------------------------------------------------------------------

// One drag, from BeginDrag to the drop or the cancel. The mouse is captured
// by a window of the drag's own, and the loop takes the input itself: mouse
// moves and releases and Esc never reach the windows under the mouse; other
// messages (timers, painting, posted work) are dispatched as usual.
class TControl::DragOperation {
public:
    DragOperation(TControl* control, bool immediate, int threshold)
        : control_(control), active_(immediate), threshold_(threshold) {}

    static DragOperation* Running() { return running_; }
    TControl* Control() const { return control_; }

    void Run() {
        running_ = this;
        try {
            Start();
            Track();
        } catch (...) {
            ReleaseMouse();
            running_ = nullptr;
            throw;
        }
        ReleaseMouse();
        Finish();
    }

    // Ends the loop after the message being handled (EndDrag).
    void Stop(bool drop) {
        stopped_ = true;
        drop_ = drop;
    }

    // A control is going: as the target it is forgotten, as the source the
    // drag is cancelled and nobody hears of its end.
    void Forget(TControl* control) {
        if (object_ && object_->dragTarget_ == control) {
            object_->dragTarget_ = nullptr;
            targetWindow_ = 0;
        }
        if (control == control_) {
            Stop(false);
            control_ = nullptr;
        }
    }

private:
    void Start() {
        TDragObject* object = nullptr;
        control_->DoStartDrag(object);
        if (!object) {
            ownObject_ = std::make_unique<TDragControlObject>(control_);
            object = ownObject_.get();
        }
        object_ = object;
        // Where the press was, not where later input already put the mouse.
        const DWORD pos = GetMessagePos();
        start_ = POINT{GET_X_LPARAM(LPARAM(pos)), GET_Y_LPARAM(LPARAM(pos))};
        object_->dragPos_ = start_;
        savedCursor_ = GetCursor();
        capture_ = AllocateHWnd(TWndMethod());
        SetCapture(capture_);
    }

    void Track() {
        const bool byMouse = GetAsyncKeyState(VK_LBUTTON) < 0;
        if (active_) DragTo(start_);
        MSG msg;
        while (!stopped_ && GetCapture() == capture_) {
            if (byMouse && GetAsyncKeyState(VK_LBUTTON) >= 0 && !PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE)) {
                drop_ = true;
                break;
            }
            if (!GetMessage(&msg, 0, 0, 0)) {
                PostQuitMessage(int(msg.wParam));
                break;
            }
            switch (msg.message) {
            case WM_MOUSEMOVE:
            case WM_NCMOUSEMOVE: DragTo(msg.pt); break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                drop_ = true;
                stopped_ = true;
                break;
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE) stopped_ = true;
                if (msg.wParam == VK_CONTROL) DragTo(object_->dragPos_);
                break;
            case WM_KEYUP:
                if (msg.wParam == VK_CONTROL) DragTo(object_->dragPos_);
                break;
            case WM_CHAR:
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK: break;
            default:
                TranslateMessage(&msg);
                DispatchMessage(&msg);
                break;
            }
        }
    }

    // The mouse is at `pos`: once the drag is under way, the control there
    // becomes the target (the old one told it is left, the new one that it
    // is entered), is told of the move and decides the cursor.
    void DragTo(POINT pos) {
        if (!active_ && std::abs(pos.x - start_.x) < threshold_ && std::abs(pos.y - start_.y) < threshold_) return;
        active_ = true;
        HWND window = 0;
        TControl* target = FindTarget(pos, window);
        if (target != object_->dragTarget_) {
            Tell(dmDragLeave);
            object_->dragTarget_ = target;
            targetWindow_ = window;
            object_->dragPos_ = pos;
            Tell(dmDragEnter);
        }
        object_->dragPos_ = pos;
        const bool accepted = Tell(dmDragMove);
        ::SetCursor(Screen->Cursors(object_->GetDragCursor(accepted, pos.x, pos.y)));
    }

    // The control at a screen point, asked through the window there (or its
    // nearest ancestor that belongs to a control).
    static TControl* FindTarget(POINT pos, HWND& window) {
        window = WindowFromPoint(pos);
        while (window && !FindControl(window)) window = GetParent(window);
        if (!window) return nullptr;
        TDragRec rec;
        rec.Pos = pos;
        return reinterpret_cast<TControl*>(SendMessage(window, CM_DRAG, dmFindTarget, LPARAM(&rec)));
    }

    // Sends CM_DRAG about the current target; answers its result.
    bool Tell(TDragMessage message) {
        if (!object_->dragTarget_ || !IsWindow(targetWindow_)) return false;
        TDragRec rec;
        rec.Pos = object_->dragPos_;
        rec.Source = object_;
        rec.Target = object_->dragTarget_;
        return SendMessage(targetWindow_, CM_DRAG, message, LPARAM(&rec)) != 0;
    }

    void ReleaseMouse() {
        if (!capture_) return;
        if (GetCapture() == capture_) ReleaseCapture();
        DeallocateHWnd(capture_);
        capture_ = 0;
        ::SetCursor(savedCursor_);
    }

    // The target takes the drop when it still accepts it as it is left;
    // otherwise it hears of the cancel (at no position). The dragged
    // control, when still there, learns how it ended.
    void Finish() {
        const bool accepted = Tell(dmDragLeave) && drop_;
        TControl* target = object_->dragTarget_;
        object_->dropped_ = accepted;
        TPoint targetPos{0, 0};
        if (accepted)
            targetPos = target->ScreenToClient(object_->dragPos_);
        else
            object_->dragPos_ = targetPos;
        if (target) Tell(accepted ? dmDragDrop : dmDragCancel);
        running_ = nullptr;
        if (control_) object_->Finished(target, targetPos.x, targetPos.y, accepted);
    }

    static inline DragOperation* running_ = nullptr;
    TControl* control_;
    bool active_;
    int threshold_;
    bool stopped_ = false;
    bool drop_ = false;
    POINT start_{0, 0};
    HCURSOR savedCursor_ = 0;
    HWND capture_ = 0;
    HWND targetWindow_ = 0;
    TDragObject* object_ = nullptr;
    std::unique_ptr<TDragObject> ownObject_;
};

void TControl::BeginDrag(bool immediate, int threshold) {
    if (dynamic_cast<TCustomForm*>(this)) throw EInvalidOperation("Cannot drag a form");
    if (DragOperation::Running()) return;
    if (controlState_.Contains(csLButtonDown)) {
        POINT p;
        GetCursorPos(&p);
        p = ScreenToClient(p);
        Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    DragOperation(this, immediate, threshold < 0 ? kDragThreshold : threshold).Run();
}

void TControl::EndDrag(bool drop) {
    if (DragOperation* drag = DragOperation::Running(); drag && drag->Control() == this) drag->Stop(drop);
}

void CancelDrag() {
    if (TControl::DragOperation* drag = TControl::DragOperation::Running()) drag->Stop(false);
}

bool TControl::Dragging() const {
    const DragOperation* drag = DragOperation::Running();
    return drag && drag->Control() == this;
}

void TControl::LeaveDrag() {
    if (DragOperation* drag = DragOperation::Running()) drag->Forget(this);
}

// ---- the dynamic methods -------------------------------------------------------

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = false;
    if (!onDragOver_) return;
    accept = true;
    onDragOver_(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) { onDragDrop_(this, source, x, y); }

void TControl::DoStartDrag(TDragObject*& dragObject) { onStartDrag_(this, dragObject); }

void TControl::DoEndDrag(TObject* target, int x, int y) { onEndDrag_(this, target, x, y); }

void TControl::DragCanceled() {}

// ---- CM_DRAG -------------------------------------------------------------------

void TControl::CMDrag(TMessage& Message) {
    auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
    switch (Message.WParam) {
    case dmFindTarget: Message.Result = LRESULT(this); break;
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove:
    case dmDragDrop:
        if (rec->Target) rec->Target->DoDragMsg(Message);
        break;
    default: break;
    }
}

// Targets see the dragged control itself when the drag is a control's.
void TControl::DoDragMsg(TMessage& Message) {
    const auto* rec = reinterpret_cast<const TDragRec*>(Message.LParam);
    TObject* source = rec->Source;
    if (auto* controlDrag = dynamic_cast<TDragControlObject*>(rec->Source)) source = controlDrag->Control();
    const TPoint p = ScreenToClient(rec->Pos);
    if (Message.WParam == dmDragDrop) {
        DragDrop(source, p.x, p.y);
        return;
    }
    bool accept = true;
    DragOver(source, p.x, p.y, TDragState(Message.WParam), accept);
    Message.Result = accept;
}

// A graphic child under the point is the target rather than the window.
void TWinControl::CMDrag(TMessage& Message) {
    if (Message.WParam != dmFindTarget) {
        TControl::CMDrag(Message);
        return;
    }
    const auto* rec = reinterpret_cast<const TDragRec*>(Message.LParam);
    TControl* child = ControlAtPos(ScreenToClient(rec->Pos), false);
    Message.Result = LRESULT(child ? child : this);
}
