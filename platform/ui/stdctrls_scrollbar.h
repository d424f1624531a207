// TScrollBar over the platform's "ScrollBar" control: the position moved
// by the bar's arrows, pages and thumb (OnScroll may change where it goes),
// OnChange when it moved.
#pragma once

#include "platform/ui/stdctrls_edit.h"

SERVIORA_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
              scEndScroll)
SERVIORA_EVENT_TYPE(TScrollEvent, void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos));

class TScrollBar : public TWinControl {
    SERVIORA_CLASS(TScrollBar, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind v);
    Integer Min() const { return min_; }
    void SetMin(Integer v) { SetParams(position_, v, max_); }
    Integer Max() const { return max_; }
    void SetMax(Integer v) { SetParams(position_, min_, v); }
    Integer Position() const { return position_; }
    void SetPosition(Integer v) { SetParams(v, min_, max_); }
    Integer PageSize() const { return pageSize_; }
    void SetPageSize(Integer v);
    Integer SmallChange() const { return smallChange_; }
    void SetSmallChange(Integer v) { smallChange_ = v; }
    Integer LargeChange() const { return largeChange_; }
    void SetLargeChange(Integer v) { largeChange_ = v; }
    // Sets position and range at once; OnChange when the position moved.
    void SetParams(Integer position, Integer min, Integer max);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    const TScrollEvent& OnScroll() const { return onScroll_; }
    void SetOnScroll(TScrollEvent v) { onScroll_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& position);
    void CNScroll(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_HSCROLL, CNScroll)
        SERVIORA_MESSAGE(CN_VSCROLL, CNScroll)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    void UpdateWindow();

    TScrollBarKind kind_ = sbHorizontal;
    Integer min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
    TNotifyEvent onChange_;
    TScrollEvent onScroll_;
};
