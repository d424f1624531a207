// The reception workflow below its window, with a fixed clock and the
// modal responder answering: the order of commit, question and voucher,
// the checks before anything is written, failures before the commit, the
// voucher texts and the reprint. What the operator types and sees is
// tested on the window (jiedaifrm_test.cpp).
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/reception.h"
#include "order_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"

namespace {

// The window's controls as plain values; records what the workflow did.
class FakeReceptionWindow : public TReceptionWindow {
public:
    // The data module is read when the voucher is built (it is made after the window).
    explicit FakeReceptionWindow(const std::unique_ptr<TDM1>& dm) : dm_(dm) {}

    HWND WindowHandle() override { return 0; }
    AnsiString InputText(TReceptionInput input) override { return inputs[input]; }
    void SetInputText(TReceptionInput input, const AnsiString& text) override { inputs[input] = text; }
    void FocusInput(TReceptionInput input) override { focused = input; }
    AnsiString OrderNumber() override { return number; }
    void SetOrderNumber(const AnsiString& value) override { number = value; }
    void SetVoucherTexts(const TVoucherTexts& texts) override { voucher = texts; }
    void BuildAndPreviewVoucher() override {
        if (onVoucher) onVoucher();
        ++vouchers;
        voucherRows = dm_->ADOQuery11->Eof() ? 0 : dm_->ADOQuery11->RecordCount();
        if (voucherFails) throw Exception("voucher failed");
    }

    std::array<AnsiString, kReceptionInputCount> inputs;
    int focused = -1;
    AnsiString number;
    TVoucherTexts voucher;
    int vouchers = 0;
    int voucherRows = -1;
    bool voucherFails = false;
    std::function<void()> onVoucher;

private:
    const std::unique_ptr<TDM1>& dm_;
};

class Reception : public OrderDatabase {
protected:
    void SetUp() override {
        OrderDatabase::SetUp();
        ResetReception(*dm_, window_);
        FillRequired();
    }

    void FillRequired() {
        window_.inputs = {};
        window_.inputs[riImei] = "  356938035643809 ";
        window_.inputs[riBrand] = "诺基亚";
        window_.inputs[riModel] = "N95";
        window_.inputs[riCustomerName] = "O'Brien 王";
        window_.inputs[riRemark] = "屏幕碎\r\n无保修";
    }

    void Save() { SaveReception(*dm_, window_, ini_, "0002"); }
    AnsiString Count() { return Scalar("select count(*) from 流水记录"); }
    // The texts of the message boxes and message dialogs asked so far.
    static std::vector<AnsiString> Asked() {
        std::vector<AnsiString> texts;
        for (const ModalQuestion& q : ModalQuestions()) texts.push_back(q.text);
        return texts;
    }

    FrozenClockScope clock_{EncodeDate(2026, 12, 10) + 0.5};
    FakeReceptionWindow window_{dm_};
    AnsiString ini_ = dir_.file("myini.ini");
};

TEST_F(Reception, TheOrderIsCommittedBeforeTheQuestionAndTheVoucherReadsTheStoredOrder) {
    EXPECT_EQ(window_.number, "0000000001");
    Run("insert into 流水记录(编号,串码,品牌,型号) values('0000000001','B','诺基亚','N95')");  // since the window showed its number
    bool committedWhenAsked = false;
    window_.onVoucher = [&] { committedWhenAsked = !dm_->ADOConnection1->InTransaction(); };
    const auto before = GetTickCount();
    Answer(IDOK);
    Save();

    EXPECT_GE(GetTickCount() - before, 1000u) << "the one-second wait runs on the clock";
    ASSERT_EQ(ModalQuestions().size(), 1u);
    const ModalQuestion& question = ModalQuestions()[0];
    EXPECT_EQ(question.text, "售后接待信息录入成功！打印顾客取机凭证吗?\"确定\"打印；\"取消\"不打印！");
    EXPECT_EQ(question.caption, "询问");
    EXPECT_EQ(question.flags, UINT(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_TRUE(committedWhenAsked) << "the success is said after the commit";
    EXPECT_EQ(window_.vouchers, 1);
    EXPECT_EQ(window_.voucherRows, 1) << "the voucher reads the stored order";
    EXPECT_EQ(Scalar("select 串码 || '/' || 接待日期 || '/' || 接待经手人 from 流水记录 where 编号='0000000002'"),
              "356938035643809/2026-12-10/0002")
        << "stored under the number read again before the insert";
    EXPECT_EQ(window_.number, "0000000003");
    for (const AnsiString& text : window_.inputs) EXPECT_EQ(text, "");
    EXPECT_EQ(window_.focused, riImei);
}

TEST_F(Reception, AnsweringCancelStillCommitsAndAnEmptyPriceIsZero) {
    window_.inputs[riPrice] = "";
    Answer(IDCANCEL);
    Save();
    EXPECT_EQ(window_.vouchers, 0);
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(Scalar("select 价格 from 流水记录"), "0");
}

TEST_F(Reception, RequiredFieldsAndANonNumericPriceAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        TReceptionInput input;
        AnsiString value;
        AnsiString message;
    } cases[] = {
        {riImei, "   ", "串码不能为空!"},
        {riBrand, "", "品牌不能为空!"},
        {riModel, "", "型号不能为空!"},
        {riPrice, "1.2.3", "价格必须是数字！"},
        {riPrice, "-", "价格必须是数字！"},
        {riPrice, "12元", "价格必须是数字！"},
    };
    for (const Case& c : cases) {
        ResetModalResponder();
        FillRequired();
        window_.inputs[c.input] = c.value;
        Answer(IDOK);
        Save();
        EXPECT_EQ(Asked(), std::vector<AnsiString>{c.message}) << c.value;
        EXPECT_EQ(window_.focused, c.input) << c.message;
        EXPECT_EQ(Count(), "0") << c.message;
    }
}

TEST_F(Reception, AFailureBeforeTheCommitRollsBackShowsTheErrorAndSaysNoSuccess) {
    const struct {
        const char* setUp;  // makes the save fail
        const char* shown;  // part of the error shown
    } cases[] = {
        {"create trigger refuse before insert on 流水记录 begin select raise(abort, 'disk is full'); end",
         "disk is full"},
        // SQLite gives the transaction up by itself; its rollback is no second error.
        {"create trigger refuse before insert on 流水记录 begin select raise(rollback, 'disk I/O error'); end",
         "disk I/O error"},
        // The insert passes and the commit fails.
        {"create table guard(number TEXT references 流水记录(编号) deferrable initially deferred);"
         "create trigger refuse after insert on 流水记录 begin insert into guard values('none'); end;"
         "pragma foreign_keys=on",
         "FOREIGN KEY"},
        // The number after the largest stored one is past the 32-bit range.
        {"insert into 流水记录(编号,串码,品牌,型号) values('2147483647','B','诺基亚','N95')", "2147483648"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Run(c.setUp);
        const AnsiString before = Count();
        ResetModalResponder();
        Answer(IDOK);  // the error
        Save();
        ASSERT_EQ(ModalQuestions().size(), 1u) << "only the error, no voucher question";
        EXPECT_NE(Asked()[0].find(c.shown), AnsiString::npos) << Asked()[0];
        EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
        EXPECT_EQ(Count(), before) << "nothing stored";
        EXPECT_EQ(window_.inputs[riImei], "356938035643809") << "the inputs keep their values";
        Run("drop trigger if exists refuse; drop table if exists guard; pragma foreign_keys=off;"
            "delete from 流水记录 where 编号='2147483647'");
    }
}

TEST_F(Reception, AVoucherThatFailsLeavesTheOrderSaved) {
    window_.voucherFails = true;
    Answer(IDOK);  // print the voucher
    EXPECT_THROW(Save(), Exception) << "for the default error handler";
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    EXPECT_EQ(Count(), "1");
}

TEST_F(Reception, EachDropDownOffersItsOwnColumn) {
    const TReceptionRecord r = FullPhone("0000000001", "A");
    InsertReception(query_, r);
    const std::pair<TReceptionInput, AnsiString> lists[] = {
        {riBrand, r.Brand}, {riModel, r.Model}, {riAccessories, r.Accessories}, {riColor, r.Color},
        {riMaker, r.Maker}, {riFault, r.Fault},  {riHandling, r.Handling},
    };
    std::unique_ptr<TStringList> items(new TStringList);
    for (const auto& [input, value] : lists) {
        FillDistinctList(dm_->ADOall, items.get(), DistinctColumn(input));
        EXPECT_EQ(items->Text(), value + "\r\n") << input;
    }
    EXPECT_EQ(DistinctColumn(riImei), nullptr);
    EXPECT_EQ(DistinctColumn(riPrice), nullptr);
}

TEST_F(Reception, ReprintBuildsTheVoucherOfTheNumberGivenEvenWithoutAnOrder) {
    InsertReception(query_, Phone("0000000001", "A"));
    const struct {
        int answer;
        const char* number;
        int vouchers;
        int rows;
    } cases[] = {
        {mrOk, "0000000001", 1, 1},
        {mrOk, "0000000009", 1, 0},  // no such order: an empty voucher
        {mrOk, "", 0, -1},
        {mrCancel, "0000000001", 0, -1},
    };
    for (const auto& c : cases) {
        window_.vouchers = 0;
        window_.voucherRows = -1;
        ResetModalResponder();
        Answer(c.answer, c.number);
        ReprintVoucher(*dm_, window_, ini_);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_EQ(ModalQuestions()[0].text, "请输入单据编号          ");
        EXPECT_EQ(window_.vouchers, c.vouchers) << c.number;
        EXPECT_EQ(window_.voucherRows, c.rows) << c.number;
    }
    EXPECT_EQ(window_.voucher.Title, "售后专用单据");
}

}  // namespace
