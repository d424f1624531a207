// Opening and running one statement on a reused query.
#include "app/statements.h"

namespace {

// Closes the query and makes `sql` its one statement.
void SetStatement(TADOQuery* query, const AnsiString& sql) {
    query->Close();
    query->SQL()->Clear();
    query->SQL()->Add(sql);
}

}  // namespace

void OpenStatement(TADOQuery* query, const AnsiString& sql) {
    SetStatement(query, sql);
    query->Open();
}

int RunStatement(TADOQuery* query, const AnsiString& sql) {
    SetStatement(query, sql);
    return query->ExecSQL();
}
