// TSplitter: a bar between a control aligned to the same side and the rest
// of its parent; dragging it sizes that control (never below MinSize, nor
// so far that the rest gets less than MinSize), and OnMoved follows a drag.
#pragma once

#include "platform/ui/controls.h"

class TSplitter : public TGraphicControl {
    SERVIORA_CLASS(TSplitter, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TSplitter(TComponent* owner);

    Integer MinSize() const { return minSize_; }
    void SetMinSize(Integer v) { minSize_ = std::max<Integer>(1, v); }
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool v);
    const TNotifyEvent& OnMoved() const { return onMoved_; }
    void SetOnMoved(TNotifyEvent v) { onMoved_ = std::move(v); }
    // The control the splitter sizes: the one aligned like it, on the side it is aligned to.
    TControl* SizedControl() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    // How far the mouse is along the splitting direction, in the parent.
    int ParentCoordinate(int x, int y) const;

    Integer minSize_ = 30;
    bool beveled_ = false;
    TControl* sized_ = nullptr;  // while dragging
    int downAt_ = 0, startSize_ = 0, maxSize_ = 0;
    TNotifyEvent onMoved_;
};
