// The spare-phone register window.
#include "app/beiyongshoujifrm.h"

#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/serviceorders.h"
#include "app/sparephones.h"
#include "app/transaction.h"
#include "datagrid/DBGridVyn.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"

SERVIORA_REGISTER_CLASS(Tbeiyongshouji);

void Tbeiyongshouji::FormCreate(TObject*) {
    SetLeft(100);
    SetTop(0);
}

void Tbeiyongshouji::ResetInputs() {
    for (TComboBox* combo : {ComboBox1, ComboBox2, ComboBox4, ComboBox5}) combo->Clear();
    Edit1->Clear();
    Edit7->Clear();
}

void Tbeiyongshouji::FormShow(TObject*) {
    ComboBox3->Items()->Clear();
    for (const char* column : SpareSearchColumns) ComboBox3->Items()->Add(column);
    ComboBox3->SetItemIndex(0);
    ResetInputs();
    OpenSpares(DM1->ADOQuery8);
}

void Tbeiyongshouji::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tbeiyongshouji::Edit1Exit(TObject*) {
    if (!SpareExists(DM1->ADOall, Edit1->Text())) return;
    MessageBox(Handle(), "此串号已经存在！", "提示", MB_ICONERROR);
    Edit1->Clear();
    Edit1->SetFocus();
}

void Tbeiyongshouji::BitBtn1Click(TObject*) {
    if (Edit1->Text().empty()) {
        MessageBox(Handle(), "串码不能为空!", "系统提示", MB_ICONQUESTION);
        Edit1->SetFocus();
        return;
    }
    if (SpareExists(DM1->ADOall, Edit1->Text())) {
        MessageBox(Handle(), "此串码已经存在！", "提示", MB_ICONERROR);
        Edit1->Clear();
        Edit1->SetFocus();
        return;
    }
    RunInTransaction(DM1->ADOConnection1, [&] {
        InsertSpare(DM1->ADOall, Edit1->Text(), ComboBox1->Text(), ComboBox2->Text(), ComboBox4->Text(),
                    ComboBox5->Text());
        MessageBox(Handle(), "新增备用手机成功！", "提示", MB_ICONINFORMATION);
        ComboBox3->SetItemIndex(0);
        ResetInputs();
        Edit1->SetFocus();
        DM1->ADOQuery8->Close();
        DM1->ADOQuery8->Open();
    });
}

// A lent phone is deleted too; its open loan stays.
void Tbeiyongshouji::BitBtn3Click(TObject*) {
    if (DM1->ADOQuery8->Eof()) return;
    if (MessageBox(Handle(), "确实删除备用手机？该操作不可恢复！请谨慎操作！", "提示", MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return;
    DM1->ADOQuery8->Delete();
    MessageBox(Handle(), "删除成功！", "提示", MB_ICONINFORMATION);
}

void Tbeiyongshouji::BitBtn4Click(TObject*) { Close(); }

void Tbeiyongshouji::Edit7Change(TObject*) { SearchSpares(DM1->ADOQuery8, ComboBox3->Text(), Edit7->Text()); }

void Tbeiyongshouji::ComboBoxDropDown(TObject* Sender) {
    const char* column = Sender == ComboBox1   ? "品牌"
                         : Sender == ComboBox2 ? "型号"
                         : Sender == ComboBox4 ? "颜色"
                                               : "配件";
    FillDistinctValues(DM1->ADOall, static_cast<TComboBox*>(Sender)->Items(), column, "备用机库");
}

void Tbeiyongshouji::InputKeyDown(TObject* Sender, Word& Key, TShiftState) {
    MoveOnEnter(Sender, Key, {Edit1, ComboBox1, ComboBox2, ComboBox4, ComboBox5, BitBtn1});
}

void Tbeiyongshouji::Published(TPublished<Tbeiyongshouji>& p) {
    p.Field("Edit1", &Tbeiyongshouji::Edit1);
    p.Field("ComboBox1", &Tbeiyongshouji::ComboBox1);
    p.Field("ComboBox2", &Tbeiyongshouji::ComboBox2);
    p.Field("ComboBox4", &Tbeiyongshouji::ComboBox4);
    p.Field("ComboBox5", &Tbeiyongshouji::ComboBox5);
    p.Field("BitBtn1", &Tbeiyongshouji::BitBtn1);
    p.Field("BitBtn3", &Tbeiyongshouji::BitBtn3);
    p.Field("BitBtn4", &Tbeiyongshouji::BitBtn4);
    p.Field("ComboBox3", &Tbeiyongshouji::ComboBox3);
    p.Field("Edit7", &Tbeiyongshouji::Edit7);
    p.Field("DBGridVyn1", &Tbeiyongshouji::DBGridVyn1);
    p.Method("FormCreate", &Tbeiyongshouji::FormCreate);
    p.Method("FormShow", &Tbeiyongshouji::FormShow);
    p.Method("FormClose", &Tbeiyongshouji::FormClose);
    p.Method("BitBtn1Click", &Tbeiyongshouji::BitBtn1Click);
    p.Method("Edit1Exit", &Tbeiyongshouji::Edit1Exit);
    p.Method("BitBtn3Click", &Tbeiyongshouji::BitBtn3Click);
    p.Method("BitBtn4Click", &Tbeiyongshouji::BitBtn4Click);
    p.Method("Edit7Change", &Tbeiyongshouji::Edit7Change);
    for (const char* name : {"ComboBox1DropDown", "ComboBox2DropDown", "ComboBox4DropDown", "ComboBox5DropDown"})
        p.Method(name, &Tbeiyongshouji::ComboBoxDropDown);
    p.Method("InputKeyDown", &Tbeiyongshouji::InputKeyDown);
}
