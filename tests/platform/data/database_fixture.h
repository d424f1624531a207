// A temporary database made from app/schema.sql, a connection to it and
// helpers that run the application's statements.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/ado_fixture.h"

class DatabaseTest : public AdoFixture {
protected:
    // The first column of the first row of `sql`, as text.
    AnsiString Scalar(const AnsiString& sql);
    int Count(const AnsiString& table);

    // The reception's insert (seventeen columns) of one order.
    void InsertOrder(const AnsiString& number, const AnsiString& imei, const AnsiString& brand,
                     const AnsiString& customer, const AnsiString& date, const AnsiString& price = "0");
};
