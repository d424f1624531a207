// Receiving a phone as the reception window does it, with a fixed clock
// and the modal responder answering: what lands in the database, what is
// asked, the transaction around the voucher, and the reprint.
#include <gtest/gtest.h>

#include <array>
#include <map>

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

TEST_F(Reception, ReceivingAPhoneStoresEveryFieldWithTodayAndOffersTheNextNumber) {
    EXPECT_EQ(window_.number, "0000000001");
    window_.inputs[riAccessories] = "电池";
    window_.inputs[riColor] = "黑";
    window_.inputs[riMaker] = "厂家甲";
    window_.inputs[riPrice] = "35.5";
    window_.inputs[riPhone] = "13800000000";
    window_.inputs[riFault] = "不开机";
    window_.inputs[riHandling] = "保修";
    const auto before = GetTickCount();
    Answer(IDOK);
    Save();

    EXPECT_GE(GetTickCount() - before, 1000u) << "the one-second wait runs on the clock";
    ASSERT_EQ(ModalQuestions().size(), 1u);
    const ModalQuestion& question = ModalQuestions()[0];
    EXPECT_EQ(question.text, "售后接待信息录入成功！打印顾客取机凭证吗?\"确定\"打印；\"取消\"不打印！");
    EXPECT_EQ(question.caption, "询问");
    EXPECT_EQ(question.flags, UINT(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(window_.vouchers, 1);
    EXPECT_EQ(window_.voucherRows, 1) << "the voucher query sees the new row inside the transaction";

    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    OpenOrder(query_, "0000000001");
    ASSERT_FALSE(query_->Eof());
    const std::map<AnsiString, AnsiString> stored = {
        {"串码", "356938035643809"}, {"品牌", "诺基亚"},   {"型号", "N95"},          {"配件", "电池"},
        {"颜色", "黑"},              {"厂家", "厂家甲"},   {"价格", "35.5"},         {"顾客姓名", "O'Brien 王"},
        {"电话", "13800000000"},     {"故障现象", "不开机"}, {"处理意见", "保修"},   {"接待备注", "屏幕碎\r\n无保修"},
        {"接待日期", "2026-12-10"},  {"接待经手人", "0002"},
    };
    for (const auto& [column, value] : stored) EXPECT_EQ(query_->FieldByName(column)->AsString(), value) << column;
    EXPECT_FALSE(query_->FieldByName("退货")->AsBoolean());
    EXPECT_FALSE(query_->FieldByName("已返厂")->AsBoolean());

    EXPECT_EQ(window_.number, "0000000002");
    for (const AnsiString& text : window_.inputs) EXPECT_EQ(text, "");
    EXPECT_EQ(window_.focused, riImei);
}

TEST_F(Reception, AnsweringCancelStillCommits) {
    window_.inputs[riPrice] = "";
    Answer(IDCANCEL);
    Save();
    EXPECT_EQ(window_.vouchers, 0);
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(Scalar("select 价格 from 流水记录"), "0") << "an empty price is 0";
}

TEST_F(Reception, AnImeiInServiceIsRefused) {
    InsertReception(query_, Phone("0000000001", "356938035643809"));
    Answer(IDOK);
    Save();
    EXPECT_EQ(Asked(), std::vector<AnsiString>{"此串号的手机正在售后维修，请认真核对！"});
    EXPECT_EQ(ModalQuestions()[0].caption, "提示");
    EXPECT_EQ(ModalQuestions()[0].flags & MB_ICONMASK, UINT(MB_ICONERROR));
    EXPECT_EQ(window_.inputs[riImei], "");
    EXPECT_EQ(window_.focused, riImei);
    EXPECT_EQ(Count(), "1");
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

TEST_F(Reception, AFailureInsideTheTransactionRollsBackAndShowsTheError) {
    window_.voucherFails = true;
    Answer(IDOK);  // print the voucher
    Answer(IDOK);  // the error
    Save();
    EXPECT_EQ(Asked().back(), "voucher failed");
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    EXPECT_EQ(Count(), "0") << "the inserted row went with the rollback";
    EXPECT_EQ(window_.inputs[riImei], "356938035643809") << "the inputs keep their values";

    Run("create trigger refuse before insert on 流水记录 begin select raise(abort, 'disk is full'); end");
    window_.voucherFails = false;
    Answer(IDOK);
    Save();
    EXPECT_NE(Asked().back().find("disk is full"), AnsiString::npos) << Asked().back();
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
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

TEST_F(Reception, ATwoLineFooterFromTheSettingsReachesTheVoucherTexts) {
    {
        TIniFile ini(ini_);
        ini.WriteString(kSettingsSection, "店铺名称", "Kavendi手机店");
        WriteFooterText(ini, "保修三个月\r\n谢谢惠顾");
    }
    Answer(IDCANCEL);
    Save();
    EXPECT_EQ(window_.voucher.Title, "Kavendi手机店售后专用单据");
    EXPECT_EQ(window_.voucher.Footer, "保修三个月\r\n谢谢惠顾");
}

TEST_F(Reception, ReprintAsksForTheNumberAndBuildsItsVoucher) {
    InsertReception(query_, Phone("0000000001", "A"));
    Answer(mrOk, "0000000001");
    ReprintVoucher(*dm_, window_, ini_);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "请输入");
    EXPECT_EQ(ModalQuestions()[0].text, "请输入单据编号          ");
    EXPECT_EQ(window_.vouchers, 1);
    EXPECT_EQ(window_.voucherRows, 1);
    EXPECT_EQ(window_.voucher.Title, "售后专用单据");

    Answer(mrCancel);
    ReprintVoucher(*dm_, window_, ini_);
    EXPECT_EQ(window_.vouchers, 1) << "Cancel builds nothing";
}

}  // namespace
