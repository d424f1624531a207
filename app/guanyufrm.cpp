// The About window.
#include "app/guanyufrm.h"

#include "platform/rtl/classregistry.h"

Tguanyu* guanyu = nullptr;

SERVIORA_REGISTER_CLASS(Tguanyu);

// The main window reaches the window through the global; a freed window
// must not stay reachable there.
Tguanyu::~Tguanyu() {
    if (guanyu == this) guanyu = nullptr;
}

void Tguanyu::FormClick(TObject*) { Close(); }

void Tguanyu::Label1Click(TObject*) { Close(); }

void Tguanyu::Published(TPublished<Tguanyu>& p) {
    p.Field("Image1", &Tguanyu::Image1);
    p.Field("GroupBox1", &Tguanyu::GroupBox1);
    p.Field("Label1", &Tguanyu::Label1);
    p.Method("FormClick", &Tguanyu::FormClick);
    p.Method("Label1Click", &Tguanyu::Label1Click);
}
