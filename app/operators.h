// The operators and their grants: the fourteen permissions with the main
// menu items they gate, and the statements the login, lock, password and
// operators windows run on the operator tables. Every statement runs on the query it
// is given (the data module's scratch query) and quotes its text values.
#pragma once

#include <array>
#include <vector>

#include "platform/data/ado.h"
#include "platform/rtl/stringlist.h"

// A permission name (a value of 权限清单.quanxianming) and the name of the
// main menu item it enables.
struct TPermissionGate {
    const char* Permission;
    const char* MenuItem;
};

// The fourteen permissions in the order the login tests them.
extern const std::array<TPermissionGate, 14> PermissionGates;

// The administrator's id: it holds every permission without grants.
inline constexpr char AdministratorId[] = "0001";

// "Select * from 操作员": the ids into `ids` and the passwords (empty for
// null) into `passwords`, row by row; both lists are cleared first.
void ReadOperators(TADOQuery* query, TStrings* ids, TStrings* passwords);

// The 姓名 of operator `id`; empty when there is no such operator.
AnsiString OperatorName(TADOQuery* query, const AnsiString& id);

// The stored 密码 of operator `id`; empty when null or no such operator.
AnsiString OperatorPassword(TADOQuery* query, const AnsiString& id);

// Stores `password` as the 密码 of operator `id`; answers the rows changed
// (0 when there is no such operator).
int SetOperatorPassword(TADOQuery* query, const AnsiString& id, const AnsiString& password);

// Whether 权限清单 grants `permission` to operator `id` (its first row's
// xuhao is a non-empty text).
bool OperatorHoldsPermission(TADOQuery* query, const AnsiString& id, const AnsiString& permission);

// Refills `ids` with every operator but the administrator.
void FillOtherOperators(TADOQuery* query, TStrings* ids);
// Opens every operator but the administrator (the operators grid).
void OpenOtherOperators(TADOQuery* query);

// Whether operator `id` holds `permission` as the operators window reads
// it: the grant's bianhao is a non-empty text.
bool OperatorGranted(TADOQuery* query, const AnsiString& id, const AnsiString& permission);

// Replaces the grants of operator `id` by one per permission in
// `granted` (indexes into PermissionGates); each new xuhao is the largest
// stored one plus the permission's number 1 to 14. EConvertError when the
// largest xuhao is not an integer. Runs no transaction of its own.
void ReplaceGrants(TADOQuery* query, const AnsiString& id, const std::vector<int>& granted);

// Deletes every grant of operator `id`.
void DeleteGrants(TADOQuery* query, const AnsiString& id);

// Whether an operator with this id exists.
bool OperatorExists(TADOQuery* query, const AnsiString& id);
// Adds an operator without grants.
void InsertOperator(TADOQuery* query, const AnsiString& id, const AnsiString& name, const AnsiString& password);
