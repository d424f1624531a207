// The service-order statements on a fresh database: numbering, the
// reception insert with every field, the IMEI check, distinct lists, the
// price rules, deletion and sending to the factory.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "order_fixture.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"

namespace {

using ServiceOrders = OrderDatabase;

TEST_F(ServiceOrders, NumbersFollowTheLargestStoredOne) {
    EXPECT_EQ(NextOrderNumber(query_), "0000000001");
    InsertReception(query_, Phone("0000000001", "A"));
    EXPECT_EQ(NextOrderNumber(query_), "0000000002");
    InsertReception(query_, Phone("0000000041", "B"));
    EXPECT_EQ(NextOrderNumber(query_), "0000000042");
}

TEST_F(ServiceOrders, NumbersStayInsideThe32BitRange) {
    const struct {
        const char* largest;
        const char* next;  // nullptr: the conversion error, no number
    } cases[] = {
        {"2147483646", "2147483647"},
        {"2147483647", nullptr},
        {"9999999999", nullptr},
        {"00000000x1", nullptr},
    };
    for (const auto& c : cases) {
        Run("delete from 流水记录");
        InsertReception(query_, Phone(c.largest, "A"));
        if (c.next)
            EXPECT_EQ(NextOrderNumber(query_), c.next) << c.largest;
        else
            EXPECT_THROW(NextOrderNumber(query_), EConvertError) << c.largest;
    }
}

TEST_F(ServiceOrders, TheReceptionInsertStoresEveryFieldAsTyped) {
    const TReceptionRecord r = FullPhone("0000000007", "  356938035643809");
    InsertReception(query_, r);

    OpenOrder(query_, "0000000007");
    ASSERT_FALSE(query_->Eof());
    const std::pair<const char*, AnsiString> expected[] = {
        {"串码", r.Imei},       {"品牌", "诺基亚"},       {"型号", "N95"},         {"配件", r.Accessories},
        {"颜色", r.Color},      {"厂家", r.Maker},        {"价格", "12.5"},        {"顾客姓名", r.CustomerName},
        {"电话", r.Phone},      {"故障现象", r.Fault},    {"处理意见", r.Handling}, {"接待备注", r.Remark},
        {"接待日期", r.Date},   {"接待经手人", "0001"},
    };
    for (const auto& [column, value] : expected) EXPECT_EQ(query_->FieldByName(column)->AsString(), value) << column;
    EXPECT_FALSE(query_->FieldByName("退货")->AsBoolean());
    EXPECT_FALSE(query_->FieldByName("已返厂")->AsBoolean());
    EXPECT_FALSE(query_->FieldByName("已交付")->AsBoolean());
}

TEST_F(ServiceOrders, APriceMustBeANumberBeforeAnyStatementRuns) {
    for (const char* price : {"0", "12", "12.5", "-5", ".5", "5."}) EXPECT_TRUE(IsValidPrice(price)) << price;
    // What the key filter lets through or a paste puts in is refused here.
    for (const char* price : {"", "-", ".", "1.2.3", "12a", "1,5", "0);delete from 流水记录;--", "１２", "--1"}) {
        EXPECT_FALSE(IsValidPrice(price)) << price;
        TReceptionRecord r = Phone("0000000001", "A");
        r.Price = price;
        EXPECT_THROW(InsertReception(query_, r), EConvertError) << price;
    }
    EXPECT_EQ(Scalar("select count(*) from 流水记录"), "0");
}

TEST_F(ServiceOrders, AnImeiIsInServiceUntilItsOrderIsDelivered) {
    EXPECT_FALSE(ImeiInService(query_, "A"));
    InsertReception(query_, Phone("0000000001", "A"));
    EXPECT_TRUE(ImeiInService(query_, "A"));
    Run("update 流水记录 set 退货=true where 编号='0000000001'");
    EXPECT_TRUE(ImeiInService(query_, "A")) << "refunded but not delivered";
    Run("update 流水记录 set 已交付=true where 编号='0000000001'");
    EXPECT_FALSE(ImeiInService(query_, "A"));
    EXPECT_FALSE(ImeiInService(query_, "x' or '1'='1")) << "the IMEI is a value, not SQL";
}

TEST_F(ServiceOrders, DistinctListsOfferEachStoredValueOnceAndAreRefilled) {
    std::unique_ptr<TStringList> items(new TStringList);
    items->Add("stale");
    FillDistinctList(query_, items.get(), "品牌");
    EXPECT_EQ(items->Count(), 0);

    const char* brands[] = {"诺基亚", "摩托罗拉", "诺基亚"};
    int n = 1;
    for (const char* brand : brands) {
        TReceptionRecord r = Phone(Format("%.10d", {n}), IntToStr(n));
        r.Brand = brand;
        InsertReception(query_, r);
        ++n;
    }
    FillDistinctList(query_, items.get(), "品牌");
    std::vector<AnsiString> got;
    for (int i = 0; i < items->Count(); ++i) got.push_back(items->Strings(i));
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<AnsiString>{"摩托罗拉", "诺基亚"}));
    FillDistinctList(query_, items.get(), "配件");
    EXPECT_EQ(items->Count(), 1) << "an empty value is one item";
}

TEST_F(ServiceOrders, DeletionRemovesOnlyTheNamedOrder) {
    InsertReception(query_, Phone("0000000001", "A"));
    InsertReception(query_, Phone("0000000002", "B"));
    EXPECT_EQ(DeleteOrder(query_, "0000000002"), 1);
    EXPECT_EQ(DeleteOrder(query_, "0000000002"), 0);
    EXPECT_EQ(Scalar("select count(*) from 流水记录"), "1");
    EXPECT_EQ(NextOrderNumber(query_), "0000000002") << "the highest number is offered again";
}

TEST_F(ServiceOrders, TheFactoryQueueListsWaitingOrdersOldestFirst) {
    TReceptionRecord newer = Phone("0000000001", "A");
    newer.Date = "2026-12-09";
    TReceptionRecord older = Phone("0000000002", "B");
    older.Date = "2026-11-30";
    InsertReception(query_, newer);
    InsertReception(query_, older);
    InsertReception(query_, Phone("0000000003", "C"));
    InsertReception(query_, Phone("0000000004", "D"));
    Run("update 流水记录 set 退货=true where 编号='0000000003'");
    MarkSentToFactory(query_, "0000000004", "2026-12-10", "0002", "批次'1");

    OpenFactoryQueue(query_);
    std::vector<AnsiString> numbers;
    for (; !query_->Eof(); query_->Next()) numbers.push_back(query_->FieldByName("编号")->AsString());
    EXPECT_EQ(numbers, (std::vector<AnsiString>{"0000000002", "0000000001"}));

    OpenOrder(query_, "0000000004");
    EXPECT_TRUE(query_->FieldByName("已返厂")->AsBoolean());
    EXPECT_EQ(query_->FieldByName("返厂日期")->AsString(), "2026-12-10");
    EXPECT_EQ(query_->FieldByName("返厂经手人")->AsString(), "0002");
    EXPECT_EQ(query_->FieldByName("返厂备注")->AsString(), "批次'1");
}

}  // namespace
