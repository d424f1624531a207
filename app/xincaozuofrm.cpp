// The add-operator dialog.
#include "app/xincaozuofrm.h"

#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/operators.h"
#include "app/transaction.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"
#include "platform/win/userinput.h"

Txincaozuo* xincaozuo = nullptr;

SERVIORA_REGISTER_CLASS(Txincaozuo);

namespace {

const char kAdministratorOnly[] = "0001编号为系统管理员专用，请选用其他编号！";
const char kIdTaken[] = "该操作员编号已经存在！请重新设定一个新的操作员编号！";

}  // namespace

Txincaozuo::~Txincaozuo() {
    if (xincaozuo == this) xincaozuo = nullptr;
}

void Txincaozuo::FormShow(TObject*) {
    for (TEdit* edit : {Edit1, Edit3, Edit2}) edit->Clear();
    Edit1->SetFocus();
}

void Txincaozuo::InputKeyDown(TObject* Sender, Word& Key, TShiftState) { MoveOnEnter(Sender, Key, {Edit1, Edit3, Edit2}); }

void Txincaozuo::Edit2KeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_RETURN) return;
    Key = 0;
    BitBtn4->Click();
}

void Txincaozuo::RefuseId(const char* message) {
    MessageBox(Handle(), message, "提示", MB_ICONERROR);
    Edit1->Clear();
    Edit1->SetFocus();
}

bool Txincaozuo::IdAvailable() {
    if (Edit1->Text() == AdministratorId) {
        RefuseId(kAdministratorOnly);
        return false;
    }
    if (OperatorExists(DM1->ADOall, Edit1->Text())) {
        RefuseId(kIdTaken);
        return false;
    }
    return true;
}

void Txincaozuo::Edit1Exit(TObject*) { IdAvailable(); }

void Txincaozuo::BitBtn4Click(TObject*) {
    if (Edit1->Text().empty()) {
        MessageBox(Handle(), "操作员编号不能为空！", "提示", MB_ICONERROR);
        Edit1->SetFocus();
        return;
    }
    if (!IdAvailable()) return;
    RunInTransaction(DM1->ADOConnection1, [&] {
        InsertOperator(DM1->ADOall, Edit1->Text(), Edit3->Text(), Edit2->Text());
        MessageBox(Handle(),
                   "新增操作员成功！目前该操作人员没有任何权限！请打开“操作人员管理”的“权限管理”，为该操作人员开放适当的"
                   "权限！请该操作人员登陆软件后，点“系统设置”→“修改密码”来修改自己的登陆密码！",
                   "提示", MB_ICONINFORMATION);
        for (TEdit* edit : {Edit1, Edit3, Edit2}) edit->Clear();
        Edit1->SetFocus();
        DM1->ADOQuery1->Close();
        DM1->ADOQuery1->Open();
    });
}

void Txincaozuo::BitBtn5Click(TObject*) { Close(); }

void Txincaozuo::Published(TPublished<Txincaozuo>& p) {
    p.Field("GroupBox1", &Txincaozuo::GroupBox1);
    p.Field("Edit1", &Txincaozuo::Edit1);
    p.Field("Edit3", &Txincaozuo::Edit3);
    p.Field("Edit2", &Txincaozuo::Edit2);
    p.Field("BitBtn4", &Txincaozuo::BitBtn4);
    p.Field("BitBtn5", &Txincaozuo::BitBtn5);
    p.Method("FormShow", &Txincaozuo::FormShow);
    p.Method("Edit1KeyDown", &Txincaozuo::InputKeyDown);
    p.Method("Edit3KeyDown", &Txincaozuo::InputKeyDown);
    p.Method("Edit2KeyDown", &Txincaozuo::Edit2KeyDown);
    p.Method("Edit1Exit", &Txincaozuo::Edit1Exit);
    p.Method("BitBtn4Click", &Txincaozuo::BitBtn4Click);
    p.Method("BitBtn5Click", &Txincaozuo::BitBtn5Click);
}
