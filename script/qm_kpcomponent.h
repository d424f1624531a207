// TKpComponent: the base of the interpreter classes that are components.
#pragma once

#include "platform/rtl/component.h"
#include "script/qm_kplibver.h"

class TKpComponent : public TComponent {
    SERVIORA_CLASS(TKpComponent, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TKpComponent(TComponent* owner) : TComponent(owner) {}

    const TKplibAboutInfo& AboutKplib() const { return aboutKplib_; }
    void SetAboutKplib(const TKplibAboutInfo& value) { aboutKplib_ = value; }

private:
    TKplibAboutInfo aboutKplib_;
};
