// Small host classes the registry and binding tests register: a component
// with published properties and an event, a descendant, and an event class
// whose dispatch member records its calls.
#pragma once

#include "platform/rtl/component.h"
#include "platform/rtl/typinfo.h"
#include "script/qm_kpinterpreter_event.h"

class TToyBase : public TComponent {
    SERVIORA_CLASS(TToyBase, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TToyBase(TComponent* owner) : TComponent(owner) {}
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v) { caption_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    Integer Count() const { return count_; }
    void SetCount(Integer v) { count_ = v; }
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }

private:
    AnsiString caption_;
    bool active_ = false;
    Integer count_ = 0;
    TNotifyEvent onClick_;
    TNotifyEvent onChange_;
};

inline void TToyBase::Published(TPublished<TToyBase>& p) {
    p.Property("Caption", &TToyBase::Caption, &TToyBase::SetCaption);
    p.Property("Active", &TToyBase::Active, &TToyBase::SetActive);
    p.Property("Count", &TToyBase::Count, &TToyBase::SetCount);
    // A type name of its own, so the toy's handlers never meet the Classes binding's.
    p.Property("OnClick", &TToyBase::OnClick, &TToyBase::SetOnClick).TypeName("TToyClickEvent");
    // An event type no binding registers.
    p.Property("OnChange", &TToyBase::OnChange, &TToyBase::SetOnChange).TypeName("TChangeEvent");
}

class TToyDerived : public TToyBase {
    SERVIORA_CLASS(TToyDerived, TToyBase)
public:
    using TToyBase::TToyBase;
};

class TToyEvents : public TKpInterpreterEvent {
    SERVIORA_CLASS(TToyEvents, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;
    void NotifyEvent(TObject* sender) {
        LastSender = sender;
        ++Calls;
    }
    TObject* LastSender = nullptr;
    int Calls = 0;
};
