// The preview's scroll box: a bordered window whose two scroll bars are
// plain value models. They scroll nothing themselves; every position change
// is reported to the box's owner, which moves the pages it draws.
#pragma once

#include "platform/ui/stdctrls_edit.h"
#include "platform/win/winscroll.h"

class TQmScrollBox;

SERVIORA_ENUM(TQmScrollBarKind, qmsbHorizontal, qmsbVertical)
SERVIORA_EVENT_TYPE(TQmScrollEvent, void(TObject* Sender, TQmScrollBarKind Kind));

class TQmScrollBar : public TPersistent {
    SERVIORA_CLASS(TQmScrollBar, TPersistent)
    SERVIORA_PUBLISHED
public:
    TQmScrollBar(TQmScrollBox* owner, TQmScrollBarKind kind);

    void Assign(TPersistent* source) override;

    TQmScrollBarKind Kind() const { return kind_; }
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int PageSize() const { return pageSize_; }
    // The page is the large change too; it is always sent.
    void SetPageSize(int v);
    int Position() const { return position_; }
    // Kept within [Min, Max - LargeChange]; a change is sent and reported.
    void SetPosition(int v);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    // The thumb moves in steps of this many units.
    int ThumbValue() const { return thumbValue_; }
    void SetThumbValue(int v) { thumbValue_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

private:
    friend class TQmScrollBox;
    int Bar() const { return kind_ == qmsbHorizontal ? SB_HORZ : SB_VERT; }
    void Send(UINT mask);
    // Sends the whole state: range (0..0 while hidden), page, position.
    void SendAll();
    // Answers a WM_HSCROLL/WM_VSCROLL of the box's own bar.
    void Scroll(int code);

    TQmScrollBox* owner_;
    TQmScrollBarKind kind_;
    int min_ = 0, max_ = 100, pageSize_ = 1, position_ = 0, trackPos_ = 0;
    int largeChange_ = 10, smallChange_ = 1, thumbValue_ = 1;
    bool visible_ = true;
    SCROLLINFO info_{sizeof(SCROLLINFO), 0, 0, 100, 1, 0, 0};
};

class TQmScrollBox : public TWinControl {
    SERVIORA_CLASS(TQmScrollBox, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TQmScrollBox(TComponent* owner);
    ~TQmScrollBox() override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TQmScrollBar* HorzScrollBar() const { return horz_.get(); }
    void SetHorzScrollBar(TQmScrollBar* v) { horz_->Assign(v); }
    TQmScrollBar* VertScrollBar() const { return vert_.get(); }
    void SetVertScrollBar(TQmScrollBar* v) { vert_->Assign(v); }

    TNotifyEvent OnResize;
    TQmScrollEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WMScroll(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMNCHitTest(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_HSCROLL, WMScroll)
        SERVIORA_MESSAGE(WM_VSCROLL, WMScroll)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_NCHITTEST, WMNCHitTest)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    friend class TQmScrollBar;
    void Changed(TQmScrollBar* bar);

    TBorderStyle borderStyle_ = bsSingle;
    std::unique_ptr<TQmScrollBar> horz_, vert_;
};
