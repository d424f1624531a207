// A fixture with the application's database: a temporary file made from
// app/schema.sql and one open ADO connection to it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/data/ado.h"
#include "support/temp_dir.h"

class AdoFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // A query on the connection, opened on `sql`.
    std::unique_ptr<TADOQuery> Open(const AnsiString& sql);
    // Runs a statement through a query's ExecSQL; answers the rows affected.
    int Exec(const AnsiString& sql);

    TempDir dir_;
    AnsiString file_;
    std::unique_ptr<TADOConnection> connection_;
};
