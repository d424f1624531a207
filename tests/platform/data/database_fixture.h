// A temporary database made from app/schema.sql, a connection to it and
// helpers that run the application's statements.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/data/ado.h"
#include "support/temp_dir.h"

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A query on the connection, opened on `sql`.
    std::unique_ptr<TADOQuery> Open(const AnsiString& sql);
    // Runs a statement through a query's ExecSQL; answers the rows affected.
    int Exec(const AnsiString& sql);
    // The first column of the first row of `sql`, as text.
    AnsiString Scalar(const AnsiString& sql);
    int Count(const AnsiString& table);

    // The reception's insert (seventeen columns) of one order.
    void InsertOrder(const AnsiString& number, const AnsiString& imei, const AnsiString& brand,
                     const AnsiString& customer, const AnsiString& date, const AnsiString& price = "0");

    TempDir dir_;
    AnsiString file_;
    std::unique_ptr<TADOConnection> connection_;
};
