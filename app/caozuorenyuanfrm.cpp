// The operators window.
#include "app/caozuorenyuanfrm.h"

#include <vector>

#include "app/dm1frm.h"
#include "app/operators.h"
#include "app/transaction.h"
#include "app/xincaozuofrm.h"
#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"

SERVIORA_REGISTER_CLASS(Tcaozuorenyuan);

std::array<TCheckBox*, 14> Tcaozuorenyuan::PermissionBoxes() const {
    return {CheckBox1, CheckBox2,  CheckBox3,  CheckBox4,  CheckBox5,  CheckBox6,  CheckBox7,
            CheckBox8, CheckBox9, CheckBox10, CheckBox11, CheckBox12, CheckBox13, CheckBox14};
}

void Tcaozuorenyuan::LoadPermissionChecks() {
    for (TCheckBox* box : PermissionBoxes())
        box->SetChecked(OperatorGranted(DM1->ADOall, ComboBox1->Text(), box->Caption()));
}

void Tcaozuorenyuan::RefillOperators() {
    FillOtherOperators(DM1->ADOall, ComboBox1->Items());
    ComboBox1->SetItemIndex(0);
}

void Tcaozuorenyuan::FormCreate(TObject*) {
    SetLeft(300);
    SetTop(0);
}

void Tcaozuorenyuan::FormShow(TObject*) {
    PageControl1->SetActivePage(TabSheet1);
    RefillOperators();
    OpenOtherOperators(DM1->ADOQuery1);
    LoadPermissionChecks();
}

void Tcaozuorenyuan::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

// Operators added or deleted meanwhile show when the grants page comes up.
void Tcaozuorenyuan::PageControl1Change(TObject*) {
    if (PageControl1->ActivePage() != TabSheet2) return;
    RefillOperators();
    DM1->ADOQuery1->Close();
    DM1->ADOQuery1->Open();
    LoadPermissionChecks();
}

void Tcaozuorenyuan::ComboBox1Change(TObject*) { LoadPermissionChecks(); }

void Tcaozuorenyuan::Button1Click(TObject*) {
    const bool tick = Button1->Caption() == "全选";
    for (TCheckBox* box : PermissionBoxes()) box->SetChecked(tick);
    Button1->SetCaption(tick ? "全清" : "全选");
}

void Tcaozuorenyuan::BitBtn2Click(TObject*) {
    const AnsiString id = ComboBox1->Text();
    std::vector<int> granted;
    const auto boxes = PermissionBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->Checked()) granted.push_back(int(i));
    if (RunInTransaction(DM1->ADOConnection1, [&] { ReplaceGrants(DM1->ADOall, id, granted); }))
        MessageBox(Handle(), "权限修改成功！", "提示", MB_ICONINFORMATION);
}

void Tcaozuorenyuan::BtnNewClick(TObject*) { xincaozuo->ShowModal(); }

// After a rollback the grid reads again what is stored.
void Tcaozuorenyuan::BtnDeleteClick(TObject*) {
    if (MessageBox(Handle(), "确实删除当前操作人员？该操作不可恢复！", "删除提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    TADOQuery* operators = DM1->ADOQuery1;
    const AnsiString id = operators->FieldByName("操作员")->AsString();
    if (RunInTransaction(DM1->ADOConnection1, [&] {
            DeleteGrants(DM1->ADOall, id);
            operators->Delete();
        })) {
        MessageBox(Handle(), "删除当前操作人员成功！", "提示", MB_ICONINFORMATION);
        return;
    }
    operators->Close();
    operators->Open();
}

void Tcaozuorenyuan::CloseClick(TObject*) { Close(); }

void Tcaozuorenyuan::Published(TPublished<Tcaozuorenyuan>& p) {
    p.Field("PageControl1", &Tcaozuorenyuan::PageControl1);
    p.Field("TabSheet1", &Tcaozuorenyuan::TabSheet1);
    p.Field("TabSheet2", &Tcaozuorenyuan::TabSheet2);
    p.Field("DBGridVyn1", &Tcaozuorenyuan::DBGridVyn1);
    p.Field("ComboBox1", &Tcaozuorenyuan::ComboBox1);
    p.Field("CheckBox1", &Tcaozuorenyuan::CheckBox1);
    p.Field("CheckBox2", &Tcaozuorenyuan::CheckBox2);
    p.Field("CheckBox3", &Tcaozuorenyuan::CheckBox3);
    p.Field("CheckBox4", &Tcaozuorenyuan::CheckBox4);
    p.Field("CheckBox5", &Tcaozuorenyuan::CheckBox5);
    p.Field("CheckBox6", &Tcaozuorenyuan::CheckBox6);
    p.Field("CheckBox7", &Tcaozuorenyuan::CheckBox7);
    p.Field("CheckBox8", &Tcaozuorenyuan::CheckBox8);
    p.Field("CheckBox9", &Tcaozuorenyuan::CheckBox9);
    p.Field("CheckBox10", &Tcaozuorenyuan::CheckBox10);
    p.Field("CheckBox11", &Tcaozuorenyuan::CheckBox11);
    p.Field("CheckBox12", &Tcaozuorenyuan::CheckBox12);
    p.Field("CheckBox13", &Tcaozuorenyuan::CheckBox13);
    p.Field("CheckBox14", &Tcaozuorenyuan::CheckBox14);
    p.Field("Button1", &Tcaozuorenyuan::Button1);
    p.Field("BitBtn1", &Tcaozuorenyuan::BitBtn1);
    p.Field("BitBtn2", &Tcaozuorenyuan::BitBtn2);
    p.Field("ImageList1", &Tcaozuorenyuan::ImageList1);
    p.Method("FormCreate", &Tcaozuorenyuan::FormCreate);
    p.Method("FormShow", &Tcaozuorenyuan::FormShow);
    p.Method("FormClose", &Tcaozuorenyuan::FormClose);
    p.Method("PageControl1Change", &Tcaozuorenyuan::PageControl1Change);
    p.Method("ComboBox1Change", &Tcaozuorenyuan::ComboBox1Change);
    p.Method("Button1Click", &Tcaozuorenyuan::Button1Click);
    p.Method("BitBtn2Click", &Tcaozuorenyuan::BitBtn2Click);
    p.Method("BtnNewClick", &Tcaozuorenyuan::BtnNewClick);
    p.Method("BtnDeleteClick", &Tcaozuorenyuan::BtnDeleteClick);
    // BtnExitClick and BitBtn1Click close the window alike.
    p.Method("BtnExitClick", &Tcaozuorenyuan::CloseClick);
    p.Method("BitBtn1Click", &Tcaozuorenyuan::CloseClick);
}
