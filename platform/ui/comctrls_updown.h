// TUpDown: arrow buttons over the "msctls_updown32" class that step
// Position by Increment between Min and Max, shown in the Associate
// control's text (whose Up and Down keys step too with ArrowKeys);
// OnChanging may refuse a step, OnClick follows it.
#pragma once

#include "platform/ui/controls.h"

SERVIORA_ENUM(TUDAlignButton, udLeft, udRight)
SERVIORA_ENUM(TUDOrientation, udHorizontal, udVertical)
SERVIORA_ENUM(TUDBtnType, btNext, btPrev)
SERVIORA_EVENT_TYPE(TUDClickEvent, void(TObject* Sender, TUDBtnType Button));
// The signature OnCloseQuery shares: the property names its type itself.
SERVIORA_EVENT_TYPE_SHARED(TUDChangingEvent, void(TObject* Sender, bool& AllowChange));

class TUpDown : public TWinControl {
    SERVIORA_CLASS(TUpDown, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TUpDown(TComponent* owner);

    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* v);
    TUDAlignButton AlignButton() const { return alignButton_; }
    void SetAlignButton(TUDAlignButton v);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation v);
    bool Thousands() const { return thousands_; }
    void SetThousands(bool v);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v);
    // The associate's Up and Down keys step too.
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool v);
    Integer Min() const { return min_; }
    void SetMin(Integer v);
    Integer Max() const { return max_; }
    void SetMax(Integer v);
    Integer Increment() const { return increment_; }
    void SetIncrement(Integer v) { increment_ = v; }
    // Read back from the window (the associate's text may have changed it).
    Integer Position();
    void SetPosition(Integer v);

    const TUDClickEvent& OnClick() const { return onClick_; }
    void SetOnClick(TUDClickEvent v) { onClick_ = std::move(v); }
    const TUDChangingEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TUDChangingEvent v) { onChanging_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CNNotify(TMessage& Message);
    void CNScroll(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
        SERVIORA_MESSAGE(CN_VSCROLL, CNScroll)
        SERVIORA_MESSAGE(CN_HSCROLL, CNScroll)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    void Recreate();

    TWinControl* associate_ = nullptr;
    TUDAlignButton alignButton_ = udRight;
    TUDOrientation orientation_ = udVertical;
    bool thousands_ = true, wrap_ = false, arrowKeys_ = true;
    Integer min_ = 0, max_ = 100, increment_ = 1, position_ = 0;
    TUDClickEvent onClick_;
    TUDChangingEvent onChanging_;
};
