// Statements on 操作员 and 权限清单.
#include "app/operators.h"

#include "app/statements.h"
#include "platform/rtl/sysutils.h"

const std::array<TPermissionGate, 14> PermissionGates = {{
    {"操作人员设置", "N2"},
    {"店铺名称设置", "N7"},
    {"数据库备份", "N3"},
    {"数据库恢复", "N12"},
    {"数据初始化", "N4"},
    {"售后接待", "N10"},
    {"手机返厂", "N29"},
    {"手机由厂家返回", "N30"},
    {"手机交付给顾客", "N31"},
    {"报表查询", "N5"},
    {"备用手机档案管理", "N14"},
    {"备用手机领用", "N15"},
    {"备用手机使用情况（返还）", "N16"},
    {"提醒", "N6"},
}};

namespace {

// The first row's `column` as text; empty when there is no row.
AnsiString FirstValue(TADOQuery* query, const AnsiString& statement, const AnsiString& column) {
    OpenStatement(query, statement);
    const AnsiString value = query->IsEmpty() ? AnsiString() : query->FieldByName(column)->AsString();
    query->Close();
    return value;
}

}  // namespace

void ReadOperators(TADOQuery* query, TStrings* ids, TStrings* passwords) {
    ids->Clear();
    passwords->Clear();
    OpenStatement(query, "Select * from 操作员");
    for (query->First(); !query->Eof(); query->Next()) {
        ids->Add(query->FieldByName("操作员")->AsString());
        passwords->Add(query->FieldByName("密码")->AsString());
    }
    query->Close();
}

AnsiString OperatorName(TADOQuery* query, const AnsiString& id) {
    return FirstValue(query, "Select * from 操作员 where 操作员=" + QuotedStr(id), "姓名");
}

AnsiString OperatorPassword(TADOQuery* query, const AnsiString& id) {
    return FirstValue(query, "select 密码 from  操作员 where 操作员=" + QuotedStr(id), "密码");
}

int SetOperatorPassword(TADOQuery* query, const AnsiString& id, const AnsiString& password) {
    return RunStatement(query, "update 操作员 set 密码=" + QuotedStr(password) + " where 操作员=" + QuotedStr(id) + " ");
}

bool OperatorHoldsPermission(TADOQuery* query, const AnsiString& id, const AnsiString& permission) {
    return !FirstValue(query,
                       "select xuhao from 权限清单 where bianhao=" + QuotedStr(id) +
                           "and quanxianming=" + QuotedStr(permission),
                       "xuhao")
                .empty();
}

void FillOtherOperators(TADOQuery* query, TStrings* ids) {
    OpenStatement(query, "select distinct 操作员 from 操作员 where 操作员<>'0001'");
    ids->Clear();
    for (; !query->Eof(); query->Next()) ids->Add(query->FieldByName("操作员")->AsString());
}

void OpenOtherOperators(TADOQuery* query) { OpenStatement(query, "select * from 操作员 where 操作员<>'0001'"); }

bool OperatorGranted(TADOQuery* query, const AnsiString& id, const AnsiString& permission) {
    return !FirstValue(query,
                       "select bianhao from 权限清单 where (bianhao=" + QuotedStr(id) + ")and(quanxianming=" +
                           QuotedStr(permission) + ")",
                       "bianhao")
                .empty();
}

void ReplaceGrants(TADOQuery* query, const AnsiString& id, const std::vector<int>& granted) {
    AnsiString largest = FirstValue(query, "select max(xuhao) as maxnum from 权限清单 ", "maxnum");
    if (largest.empty()) largest = "0";
    const Integer base = StrToInt(largest);
    DeleteGrants(query, id);
    for (const int index : granted)
        RunStatement(query, "insert into 权限清单([xuhao],[bianhao],[quanxianming]) values(" +
                                QuotedStr(IntToStr(base + index + 1)) + "," + QuotedStr(id) + "," +
                                QuotedStr(PermissionGates[std::size_t(index)].Permission) + ")");
}

void DeleteGrants(TADOQuery* query, const AnsiString& id) {
    RunStatement(query, "delete from 权限清单 where bianhao=" + QuotedStr(id));
}

bool OperatorExists(TADOQuery* query, const AnsiString& id) {
    OpenStatement(query, "select * from 操作员 where 操作员=" + QuotedStr(id));
    return !query->Eof();
}

void InsertOperator(TADOQuery* query, const AnsiString& id, const AnsiString& name, const AnsiString& password) {
    RunStatement(query, "insert into 操作员([操作员],[姓名],[密码]) values (" + QuotedStr(id) + "," + QuotedStr(name) +
                            "," + QuotedStr(password) + ")");
}
