// The triangular resize grip in a corner of a pop-up: dragging it resizes
// the pop-up within the work area, keeping the opposite edges where they
// are; the placement moves it to the side away from the editor.
#pragma once

#include "platform/ui/controls.h"

SERVIORA_ENUM(TSizeGripPosition, sgpTopLeft, sgpTopRight, sgpBottomRight, sgpBottomLeft)

class TSizeGripVyn : public TCustomControl {
    SERVIORA_CLASS(TSizeGripVyn, TCustomControl)
public:
    explicit TSizeGripVyn(TComponent* owner);

    TSizeGripPosition GripPosition() const { return gripPosition_; }
    void SetGripPosition(TSizeGripPosition v);
    bool TriangleShape() const { return triangleShape_; }
    void SetTriangleShape(bool v);
    const TNotifyEvent& OnParentResize() const { return onParentResize_; }
    void SetOnParentResize(TNotifyEvent v) { onParentResize_ = std::move(v); }

    // Side 0 left, 1 right, 2 top, 3 bottom.
    void MoveGripToSide(int side);
    // Into its corner of the parent's client area.
    void SnapToCorner();
    // Shows or hides the window itself, whatever Visible says.
    void ShowGrip(bool show);
    // Clips the window to its corner's triangle (or not) and sets the cursor.
    void ApplyTriangleRegion();
    virtual void NotifyParentResized();

protected:
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void WMMove(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_MOVE, WMMove)
    SERVIORA_MESSAGES_END(TCustomControl)

private:
    bool OnRight() const { return gripPosition_ == sgpTopRight || gripPosition_ == sgpBottomRight; }
    bool AtBottom() const { return gripPosition_ == sgpBottomRight || gripPosition_ == sgpBottomLeft; }

    TSizeGripPosition gripPosition_ = sgpBottomRight;
    bool triangleShape_ = true;
    TNotifyEvent onParentResize_;
    // At the press: the mouse (screen) and the parent's sizes.
    POINT pressPoint_{0, 0};
    int startWidth_ = 0, startHeight_ = 0, startClientWidth_ = 0, startClientHeight_ = 0;
    POINT lastPoint_{0, 0};
    bool internalMove_ = false;
};
