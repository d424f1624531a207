// The lending window.
#include "app/lingyongfrm.h"

#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/serviceorders.h"
#include "app/sparephones.h"
#include "app/transaction.h"
#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"
#include "platform/win/userinput.h"

SERVIORA_REGISTER_CLASS(Tlingyong);

void Tlingyong::FormCreate(TObject*) {
    SetLeft(150);
    SetTop(0);
}

void Tlingyong::ResetFields() {
    for (TEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9}) edit->Clear();
    ComboBox1->Clear();
    DateTimePicker1->SetDate(Date());
}

void Tlingyong::FormShow(TObject*) {
    ResetFields();
    GroupBox2->Hide();
}

void Tlingyong::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tlingyong::TakeSpare(const AnsiString& imei) {
    TADOQuery* phone = DM1->ADOall;
    OpenSpare(phone, imei);
    if (phone->Eof()) {
        MessageBox(GetActiveWindow(), "此串码不存在！", "提示", MB_ICONERROR);
    } else if (phone->FieldByName("领用")->AsBoolean()) {
        MessageBox(Handle(), "此串码的手机已经领用！", "系统提示", MB_ICONERROR);
    } else {
        Edit1->SetText(phone->FieldByName("串码")->AsString());
        Edit2->SetText(phone->FieldByName("串码")->AsString());
        Edit3->SetText(phone->FieldByName("品牌")->AsString());
        Edit4->SetText(phone->FieldByName("型号")->AsString());
        Edit5->SetText(phone->FieldByName("颜色")->AsString());
        Edit6->SetText(phone->FieldByName("配件")->AsString());
        Edit7->SetFocus();
        return;
    }
    Edit1->Clear();
    Edit1->SetFocus();
}

void Tlingyong::Edit1KeyPress(TObject*, char& Key) {
    if (Key != '\r') return;
    Key = 0;
    TakeSpare(Edit1->Text());
}

void Tlingyong::SearchClick(TObject* Sender) {
    TEdit* const fields[] = {Edit3, Edit4, Edit5, Edit6};
    const char* const columns[] = {"品牌", "型号", "颜色", "配件"};
    TBitBtn* const buttons[] = {BitBtn5, BitBtn6, BitBtn7, BitBtn8};
    for (int i = 0; i < 4; ++i) {
        if (buttons[i] != Sender) continue;
        const AnsiString text = fields[i]->Text();
        ResetFields();
        fields[i]->SetText(text);
        SearchSparesInStock(DM1->ADOQuery9, columns[i], text);
        GroupBox2->Show();
        DBGridVyn1->SetFocus();
    }
}

void Tlingyong::SearchKeyPress(TObject* Sender, char& Key) {
    if (Key != '\r') return;
    Key = 0;
    TBitBtn* const buttons[] = {BitBtn5, BitBtn6, BitBtn7, BitBtn8};
    TEdit* const fields[] = {Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 4; ++i)
        if (fields[i] == Sender) buttons[i]->Click();
}

void Tlingyong::TakeSpareFromSearch() {
    TADOQuery* found = DM1->ADOQuery9;
    if (!found->Eof()) TakeSpare(found->FieldByName("串码")->AsString());
    GroupBox2->Hide();
}

void Tlingyong::DBGridVyn1DblClick(TObject*) { TakeSpareFromSearch(); }

void Tlingyong::DBGridVyn1KeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_RETURN) TakeSpareFromSearch();
}

void Tlingyong::BitBtn3Click(TObject*) { GroupBox2->Hide(); }

void Tlingyong::ComboBox1DropDown(TObject*) { FillDistinctList(DM1->ADOall, ComboBox1->Items(), "型号"); }

void Tlingyong::InputKeyDown(TObject* Sender, Word& Key, TShiftState) {
    MoveOnEnter(Sender, Key, {Edit7, Edit8, ComboBox1, Edit9, DateTimePicker1, BitBtn1});
}

// The loan and the stock update commit together or not at all.
void Tlingyong::BitBtn1Click(TObject*) {
    if (Edit2->Text().empty()) {
        MessageBox(GetActiveWindow(), "备用手机串码不能为空！", "提示", MB_ICONERROR);
        Edit1->SetFocus();
        return;
    }
    if (Edit7->Text().empty()) {
        MessageBox(GetActiveWindow(), "顾客姓名不能为空！", "提示", MB_ICONERROR);
        Edit7->SetFocus();
        return;
    }
    const TLoan loan{Edit7->Text(), Edit8->Text(), ComboBox1->Text(), Edit9->Text(),
                     DateToStr(DateTimePicker1->Date()), Edit2->Text(), Edit3->Text(), Edit4->Text(),
                     Edit5->Text(), Edit6->Text()};
    RunInTransaction(DM1->ADOConnection1, [&] {
        InsertLoan(DM1->ADOall, loan);
        MarkSpareLent(DM1->ADO123, loan.Imei, loan.Customer, loan.Date);
        MessageBox(Handle(), "备用手机领用录入成功！", "系统提示", MB_ICONQUESTION);
        ResetFields();
        GroupBox2->Hide();
        Edit1->SetFocus();
    });
}

void Tlingyong::BitBtn2Click(TObject*) { Close(); }

void Tlingyong::Published(TPublished<Tlingyong>& p) {
    p.Field("Edit1", &Tlingyong::Edit1);
    p.Field("Edit2", &Tlingyong::Edit2);
    p.Field("Edit3", &Tlingyong::Edit3);
    p.Field("Edit4", &Tlingyong::Edit4);
    p.Field("Edit5", &Tlingyong::Edit5);
    p.Field("Edit6", &Tlingyong::Edit6);
    p.Field("BitBtn5", &Tlingyong::BitBtn5);
    p.Field("BitBtn6", &Tlingyong::BitBtn6);
    p.Field("BitBtn7", &Tlingyong::BitBtn7);
    p.Field("BitBtn8", &Tlingyong::BitBtn8);
    p.Field("Edit7", &Tlingyong::Edit7);
    p.Field("Edit8", &Tlingyong::Edit8);
    p.Field("ComboBox1", &Tlingyong::ComboBox1);
    p.Field("Edit9", &Tlingyong::Edit9);
    p.Field("DateTimePicker1", &Tlingyong::DateTimePicker1);
    p.Field("GroupBox2", &Tlingyong::GroupBox2);
    p.Field("DBGridVyn1", &Tlingyong::DBGridVyn1);
    p.Field("BitBtn3", &Tlingyong::BitBtn3);
    p.Field("BitBtn1", &Tlingyong::BitBtn1);
    p.Field("BitBtn2", &Tlingyong::BitBtn2);
    p.Method("FormCreate", &Tlingyong::FormCreate);
    p.Method("FormShow", &Tlingyong::FormShow);
    p.Method("FormClose", &Tlingyong::FormClose);
    p.Method("Edit1KeyPress", &Tlingyong::Edit1KeyPress);
    p.Method("SearchClick", &Tlingyong::SearchClick);
    p.Method("SearchKeyPress", &Tlingyong::SearchKeyPress);
    p.Method("DBGridVyn1DblClick", &Tlingyong::DBGridVyn1DblClick);
    p.Method("DBGridVyn1KeyDown", &Tlingyong::DBGridVyn1KeyDown);
    p.Method("BitBtn3Click", &Tlingyong::BitBtn3Click);
    p.Method("ComboBox1DropDown", &Tlingyong::ComboBox1DropDown);
    p.Method("InputKeyDown", &Tlingyong::InputKeyDown);
    p.Method("BitBtn1Click", &Tlingyong::BitBtn1Click);
    p.Method("BitBtn2Click", &Tlingyong::BitBtn2Click);
}
