// The back-from-factory dialog: the outcome chosen, the replacement's data
// proposed and entered, and the save of the list's current order.
#include "app/fanhuicaozuofrm.h"

#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/factoryreturn.h"
#include "app/login.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"

Tfanhuicaozuo* fanhuicaozuo = nullptr;

SERVIORA_REGISTER_CLASS(Tfanhuicaozuo);

namespace {

constexpr int kExchanged = 1;

}  // namespace

Tfanhuicaozuo::~Tfanhuicaozuo() {
    if (fanhuicaozuo == this) fanhuicaozuo = nullptr;
}

void Tfanhuicaozuo::FormShow(TObject*) {
    for (TEdit* edit : {Edit16, Edit17, Edit18}) edit->Clear();
    for (TComboBox* combo : {ComboBox1, ComboBox2, ComboBox3, ComboBox4}) combo->Clear();
    RadioGroup1->SetItemIndex(0);
    GroupBox2->SetEnabled(false);
    CheckBox1->SetChecked(false);
}

// The old model, accessories and colour are proposed for the replacement;
// a brand typed already stays.
void Tfanhuicaozuo::RadioGroup1Click(TObject*) {
    const bool exchanged = RadioGroup1->ItemIndex() == kExchanged;
    Edit16->Clear();
    Edit17->Clear();
    ComboBox1->SetText(exchanged ? Edit4->Text() : AnsiString());
    ComboBox2->SetText(exchanged ? Edit5->Text() : AnsiString());
    ComboBox3->SetText(exchanged ? Edit6->Text() : AnsiString());
    GroupBox2->SetEnabled(exchanged);
    if (exchanged)
        Edit16->SetFocus();
    else
        Edit18->SetFocus();
}

void Tfanhuicaozuo::ComboBoxDropDown(TObject* Sender) {
    const char* column = Sender == ComboBox1   ? "型号"
                         : Sender == ComboBox2 ? "配件"
                         : Sender == ComboBox3 ? "颜色"
                                               : "新品牌";
    FillDistinctList(DM1->ADOall, static_cast<TComboBox*>(Sender)->Items(), column);
}

void Tfanhuicaozuo::InputKeyDown(TObject* Sender, Word& Key, TShiftState) {
    MoveOnEnter(Sender, Key, {Edit16, ComboBox4, ComboBox1, ComboBox2, ComboBox3, Edit17, Edit18, BitBtn1});
}

void Tfanhuicaozuo::Edit17KeyPress(TObject*, char& Key) { FilterPriceKey(Key); }

void Tfanhuicaozuo::BitBtn1Click(TObject*) {
    if (Edit17->Text().empty()) Edit17->SetText("0");
    TFactoryReturn ret;
    ret.Number = DM1->ADOQuery2->FieldByName("编号")->AsString();
    ret.Refunded = CheckBox1->Checked();
    ret.Exchanged = RadioGroup1->ItemIndex() == kExchanged;
    ret.NewImei = Edit16->Text();
    ret.NewBrand = ComboBox4->Text();
    ret.NewModel = ComboBox1->Text();
    ret.NewAccessories = ComboBox2->Text();
    ret.NewColor = ComboBox3->Text();
    ret.NewPrice = Edit17->Text();
    ret.Remark = Edit18->Text();
    ret.Operator = loginform->CurrentOperatorId;
    if (SaveFactoryReturn(*DM1, ret, Handle()))
        Close();
    else
        Edit17->SetFocus();
}

void Tfanhuicaozuo::BitBtn4Click(TObject*) { Close(); }

void Tfanhuicaozuo::Published(TPublished<Tfanhuicaozuo>& p) {
    p.Field("Edit1", &Tfanhuicaozuo::Edit1);
    p.Field("Edit2", &Tfanhuicaozuo::Edit2);
    p.Field("Edit3", &Tfanhuicaozuo::Edit3);
    p.Field("Edit4", &Tfanhuicaozuo::Edit4);
    p.Field("Edit5", &Tfanhuicaozuo::Edit5);
    p.Field("Edit6", &Tfanhuicaozuo::Edit6);
    p.Field("Edit7", &Tfanhuicaozuo::Edit7);
    p.Field("Edit8", &Tfanhuicaozuo::Edit8);
    p.Field("Edit9", &Tfanhuicaozuo::Edit9);
    p.Field("Edit10", &Tfanhuicaozuo::Edit10);
    p.Field("Edit11", &Tfanhuicaozuo::Edit11);
    p.Field("Edit12", &Tfanhuicaozuo::Edit12);
    p.Field("Edit13", &Tfanhuicaozuo::Edit13);
    p.Field("Edit14", &Tfanhuicaozuo::Edit14);
    p.Field("Edit15", &Tfanhuicaozuo::Edit15);
    p.Field("CheckBox1", &Tfanhuicaozuo::CheckBox1);
    p.Field("RadioGroup1", &Tfanhuicaozuo::RadioGroup1);
    p.Field("GroupBox2", &Tfanhuicaozuo::GroupBox2);
    p.Field("Edit16", &Tfanhuicaozuo::Edit16);
    p.Field("ComboBox4", &Tfanhuicaozuo::ComboBox4);
    p.Field("ComboBox1", &Tfanhuicaozuo::ComboBox1);
    p.Field("ComboBox2", &Tfanhuicaozuo::ComboBox2);
    p.Field("ComboBox3", &Tfanhuicaozuo::ComboBox3);
    p.Field("Edit17", &Tfanhuicaozuo::Edit17);
    p.Field("Edit18", &Tfanhuicaozuo::Edit18);
    p.Field("BitBtn1", &Tfanhuicaozuo::BitBtn1);
    p.Field("BitBtn4", &Tfanhuicaozuo::BitBtn4);
    p.Method("FormShow", &Tfanhuicaozuo::FormShow);
    p.Method("RadioGroup1Click", &Tfanhuicaozuo::RadioGroup1Click);
    for (const char* name : {"ComboBox1DropDown", "ComboBox2DropDown", "ComboBox3DropDown", "ComboBox4DropDown"})
        p.Method(name, &Tfanhuicaozuo::ComboBoxDropDown);
    for (const char* name : {"Edit16KeyDown", "ComboBox4KeyDown", "ComboBox1KeyDown", "ComboBox2KeyDown",
                             "ComboBox3KeyDown", "Edit17KeyDown", "Edit18KeyDown"})
        p.Method(name, &Tfanhuicaozuo::InputKeyDown);
    p.Method("Edit17KeyPress", &Tfanhuicaozuo::Edit17KeyPress);
    p.Method("BitBtn1Click", &Tfanhuicaozuo::BitBtn1Click);
    p.Method("BitBtn4Click", &Tfanhuicaozuo::BitBtn4Click);
}
