// The order-deletion dialog: look-up by number, confirmation, deletion.
#include "app/shanchujilufrm.h"

#include "app/dm1frm.h"
#include "platform/rtl/classregistry.h"
#include "platform/win/userinput.h"

Tshanchujilu* shanchujilu = nullptr;

SERVIORA_REGISTER_CLASS(Tshanchujilu);

Tshanchujilu::~Tshanchujilu() {
    if (shanchujilu == this) shanchujilu = nullptr;
}

std::array<TEdit*, 12> Tshanchujilu::OrderEdits() const {
    return {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Edit13};
}

void Tshanchujilu::Reset() {
    Edit1->Clear();
    for (TEdit* edit : OrderEdits()) edit->Clear();
    Edit1->SetFocus();
    BitBtn1->SetEnabled(false);
}

// Each showing starts afresh, with nothing looked up.
void Tshanchujilu::FormShow(TObject*) {
    deletion_ = std::make_unique<TOrderDeletion>(*DM1);
    Reset();
}

void Tshanchujilu::Edit1KeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_RETURN) return;
    const auto texts = deletion_->Lookup(Edit1->Text());
    if (!texts) {
        Reset();
        return;
    }
    const auto edits = OrderEdits();
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i]->SetText((*texts)[i]);
    BitBtn1->SetEnabled(true);
    BitBtn1->SetFocus();
}

// The shown order is the only one that may be deleted.
void Tshanchujilu::Edit1Change(TObject*) {
    if (!deletion_) return;
    deletion_->NumberChanged();
    BitBtn1->SetEnabled(false);
}

void Tshanchujilu::BitBtn1Click(TObject*) {
    const bool lookedUp = deletion_->CanDelete();
    if (deletion_->DeleteLookedUp(Handle()))
        Reset();
    else if (!lookedUp)
        Edit1->SetFocus();
}

void Tshanchujilu::BitBtn2Click(TObject*) { Close(); }

void Tshanchujilu::Published(TPublished<Tshanchujilu>& p) {
    p.Field("Label1", &Tshanchujilu::Label1);
    p.Field("Label2", &Tshanchujilu::Label2);
    p.Field("Label3", &Tshanchujilu::Label3);
    p.Field("Label4", &Tshanchujilu::Label4);
    p.Field("Label5", &Tshanchujilu::Label5);
    p.Field("Label6", &Tshanchujilu::Label6);
    p.Field("Label7", &Tshanchujilu::Label7);
    p.Field("Label8", &Tshanchujilu::Label8);
    p.Field("Label9", &Tshanchujilu::Label9);
    p.Field("Label10", &Tshanchujilu::Label10);
    p.Field("Label11", &Tshanchujilu::Label11);
    p.Field("Label12", &Tshanchujilu::Label12);
    p.Field("Label13", &Tshanchujilu::Label13);
    p.Field("Edit1", &Tshanchujilu::Edit1);
    p.Field("GroupBox1", &Tshanchujilu::GroupBox1);
    p.Field("Edit2", &Tshanchujilu::Edit2);
    p.Field("Edit3", &Tshanchujilu::Edit3);
    p.Field("Edit4", &Tshanchujilu::Edit4);
    p.Field("Edit5", &Tshanchujilu::Edit5);
    p.Field("Edit6", &Tshanchujilu::Edit6);
    p.Field("Edit7", &Tshanchujilu::Edit7);
    p.Field("Edit8", &Tshanchujilu::Edit8);
    p.Field("Edit9", &Tshanchujilu::Edit9);
    p.Field("Edit10", &Tshanchujilu::Edit10);
    p.Field("Edit11", &Tshanchujilu::Edit11);
    p.Field("Edit12", &Tshanchujilu::Edit12);
    p.Field("Edit13", &Tshanchujilu::Edit13);
    p.Field("BitBtn1", &Tshanchujilu::BitBtn1);
    p.Field("BitBtn2", &Tshanchujilu::BitBtn2);
    p.Method("FormShow", &Tshanchujilu::FormShow);
    p.Method("Edit1KeyDown", &Tshanchujilu::Edit1KeyDown);
    p.Method("Edit1Change", &Tshanchujilu::Edit1Change);
    p.Method("BitBtn1Click", &Tshanchujilu::BitBtn1Click);
    p.Method("BitBtn2Click", &Tshanchujilu::BitBtn2Click);
}
