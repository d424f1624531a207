// The published design-time information of the interpreter components.
#include "script/qm_kpcomponent.h"

#include "platform/rtl/typinfo.h"

void TKpComponent::Published(TPublished<TKpComponent>& p) {
    p.Property("AboutKplib", &TKpComponent::AboutKplib, &TKpComponent::SetAboutKplib).TypeName("TKplibAboutInfo");
}
