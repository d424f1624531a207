// One statement on a query that serves many in turn (the data module's
// scratch queries): the query is closed and its SQL replaced first.
#pragma once

#include "platform/data/ado.h"

// Makes `sql` the query's one statement and opens it.
void OpenStatement(TADOQuery* query, const AnsiString& sql);

// Makes `sql` the query's one statement and runs it; answers the rows
// affected.
int RunStatement(TADOQuery* query, const AnsiString& sql);
