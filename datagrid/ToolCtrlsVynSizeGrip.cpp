// The size grip: its region, corner, drag and painting.
#include "datagrid/ToolCtrlsVynSizeGrip.h"

#include "platform/gdi/sysparams.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/screens.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

TSizeGripVyn::TSizeGripVyn(TComponent* owner) : TCustomControl(owner) {
    controlStyle_.Include(csReplicatable);
    controlStyle_.Include(csCaptureMouse);
    SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYVSCROLL));
    SetColor(clBtnFace);
    SetCursor(crSizeNWSE);
}

void TSizeGripVyn::SetGripPosition(TSizeGripPosition v) {
    if (v == gripPosition_) return;
    gripPosition_ = v;
    RecreateWnd();
}

void TSizeGripVyn::SetTriangleShape(bool v) {
    if (v == triangleShape_) return;
    triangleShape_ = v;
    ApplyTriangleRegion();
}

void TSizeGripVyn::MoveGripToSide(int side) {
    // Per side, the two corners that move there and where they go.
    static constexpr TSizeGripPosition kMoves[4][2][2] = {
        {{sgpTopRight, sgpTopLeft}, {sgpBottomRight, sgpBottomLeft}},
        {{sgpTopLeft, sgpTopRight}, {sgpBottomLeft, sgpBottomRight}},
        {{sgpBottomRight, sgpTopRight}, {sgpBottomLeft, sgpTopLeft}},
        {{sgpTopRight, sgpBottomRight}, {sgpTopLeft, sgpBottomLeft}}};
    if (side < 0 || side > 3) return;
    for (const auto& move : kMoves[side])
        if (gripPosition_ == move[0]) return SetGripPosition(move[1]);
}

void TSizeGripVyn::SnapToCorner() {
    if (!Parent() || !HandleAllocated()) return;
    ValueRestorer<bool> moving(internalMove_, true);
    const int x = OnRight() ? Parent()->ClientWidth() - Width() : 0;
    const int y = AtBottom() ? Parent()->ClientHeight() - Height() : 0;
    MoveWindow(Handle(), x, y, Width(), Height(), TRUE);
}

void TSizeGripVyn::WMMove(TMessage& Message) {
    if (!internalMove_) SnapToCorner();
    TCustomControl::Dispatch(Message);
}

void TSizeGripVyn::ShowGrip(bool show) {
    if (HandleAllocated()) ShowWindow(Handle(), show ? SW_SHOW : SW_HIDE);
}

void TSizeGripVyn::CreateWnd() {
    TCustomControl::CreateWnd();
    ApplyTriangleRegion();
}

void TSizeGripVyn::ApplyTriangleRegion() {
    if (!HandleAllocated()) return;
    const int w = Width(), h = Height();
    HRGN region = 0;
    if (triangleShape_) {
        POINT points[3];
        switch (gripPosition_) {
            case sgpBottomRight: points[0] = {0, h}, points[1] = {w, h}, points[2] = {w, 0}; break;
            case sgpBottomLeft: points[0] = {w, h}, points[1] = {0, h}, points[2] = {0, 0}; break;
            case sgpTopLeft: points[0] = {w - 1, 0}, points[1] = {0, 0}, points[2] = {0, h - 1}; break;
            case sgpTopRight: points[0] = {w, h - 1}, points[1] = {w, 0}, points[2] = {1, 0}; break;
        }
        region = CreatePolygonRgn(points, 3, WINDING);
    }
    SetWindowRgn(Handle(), region, TRUE);
    SnapToCorner();
    const bool falling = gripPosition_ == sgpTopLeft || gripPosition_ == sgpBottomRight;
    SetCursor(falling ? crSizeNWSE : crSizeNESW);
}

void TSizeGripVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    GetCursorPos(&pressPoint_);
    lastPoint_ = pressPoint_;
    if (TWinControl* parent = Parent()) {
        startWidth_ = parent->Width();
        startHeight_ = parent->Height();
        startClientWidth_ = parent->ClientWidth();
        startClientHeight_ = parent->ClientHeight();
    }
}

void TSizeGripVyn::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    TWinControl* parent = Parent();
    if (!parent || !shift.Contains(ssLeft) || !MouseCapture() || internalMove_) return;
    POINT now;
    GetCursorPos(&now);
    if (now.x == lastPoint_.x && now.y == lastPoint_.y) return;
    lastPoint_ = now;
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    const int dx = now.x - pressPoint_.x, dy = now.y - pressPoint_.y;
    const int frameX = startWidth_ - startClientWidth_, frameY = startHeight_ - startClientHeight_;
    int left = parent->Left(), top = parent->Top();
    int clientWidth = startClientWidth_, clientHeight = startClientHeight_;
    if (OnRight()) {
        clientWidth += dx;
        clientWidth -= std::max(0, left + clientWidth + frameX - work.right);
    } else {
        const int right = left + parent->Width();
        clientWidth -= dx;
        clientWidth -= std::max(0, work.left - (right - clientWidth - frameX));
        left = right - clientWidth - frameX;
    }
    if (AtBottom()) {
        clientHeight += dy;
        clientHeight -= std::max(0, top + clientHeight + frameY - work.bottom);
    } else {
        const int bottom = top + parent->Height();
        clientHeight -= dy;
        clientHeight -= std::max(0, work.top - (bottom - clientHeight - frameY));
        top = bottom - clientHeight - frameY;
    }
    if (clientWidth == parent->ClientWidth() && clientHeight == parent->ClientHeight()) return;
    parent->SetBounds(left, top, clientWidth + frameX, clientHeight + frameY);
    NotifyParentResized();
    SnapToCorner();
}

void TSizeGripVyn::NotifyParentResized() { onParentResize_(this); }

void TSizeGripVyn::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(ClientRect());
    const int w = Width(), h = Height();
    const TColor colours[4] = {clBtnHighlight, clBtnShadow, clBtnShadow, clBtnFace};
    // Lines parallel to the diagonal between the two corners next to the
    // grip's corner, moving towards that corner, in groups of four.
    for (int offset = 1; offset < w; ++offset) {
        canvas->Pen()->SetColor(colours[(offset - 1) % 4]);
        switch (gripPosition_) {
            case sgpBottomRight:
                canvas->MoveTo(offset, h);
                canvas->LineTo(w, h - (w - offset));
                break;
            case sgpBottomLeft:
                canvas->MoveTo(w - offset, h);
                canvas->LineTo(0, h - (w - offset));
                break;
            case sgpTopLeft:
                canvas->MoveTo(w - offset, 0);
                canvas->LineTo(-1, w - offset + 1);
                break;
            case sgpTopRight:
                canvas->MoveTo(offset, 0);
                canvas->LineTo(w + 1, w - offset + 1);
                break;
        }
    }
}
