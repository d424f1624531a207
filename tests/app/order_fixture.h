// A fresh application database behind a connected data module, the modal
// responder emptied around each test, and small helpers to run SQL.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/dm1frm.h"
#include "app/serviceorders.h"
#include "app/statements.h"
#include "platform/data/field.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/modalresponder.h"
#include "received_phone.h"
#include "support/temp_dir.h"
#include "tools/createdb/create_database.h"

class OrderDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModalResponder();
        const AnsiString file = dir_.file("database.mdb");
        serviora::CreateApplicationDatabase(AnsiToUtf8(file));
        dm_.reset(TDM1::Create(nullptr));
        dm_->ADOConnection1->SetConnectionString("Data Source=" + file);
        dm_->ADOConnection1->SetConnected(true);
        query_ = dm_->ADOall;
    }

    // A phone with the required fields, received on 2026-12-10 by 0001.
    static TReceptionRecord Phone(const AnsiString& number, const AnsiString& imei) {
        return ReceivedPhone(number, imei);
    }

    // A phone with every field filled, quotes and a line break included.
    static TReceptionRecord FullPhone(const AnsiString& number, const AnsiString& imei) {
        TReceptionRecord r = Phone(number, imei);
        r.Accessories = "电池,充电器";
        r.Color = "黑";
        r.Maker = "厂家'甲";
        r.Price = "12.5";
        r.CustomerName = "O'Brien 王";
        r.Phone = "13800000000";
        r.Fault = "不开机";
        r.Handling = "保修";
        r.Remark = "第一行\r\n第二行";
        return r;
    }

    // The first column of the first row of a statement, on a query of its own.
    AnsiString Scalar(const AnsiString& sql) {
        OpenStatement(dm_->ADO123, sql);
        return dm_->ADO123->Fields()->Fields(0)->AsString();
    }

    void TearDown() override {
        EXPECT_FALSE(ModalAnswersWaiting()) << "every queued answer was asked for";
        ResetModalResponder();
    }

    void Run(const AnsiString& sql) { dm_->ADOConnection1->Execute(sql); }

    // Answers the next dialog (every dialog a test causes needs one).
    static void Answer(int result, const AnsiString& text = AnsiString()) { PushModalAnswer({result, text}); }

    TempDir dir_;
    std::unique_ptr<TDM1> dm_;
    TADOQuery* query_ = nullptr;
};
