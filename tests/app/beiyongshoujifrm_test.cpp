// The spare-phone register through synthetic input: registering a phone
// with its checks, deleting one, and the quick search on each column.
#include <gtest/gtest.h>

#include "app/beiyongshoujifrm.h"
#include "app/sparephones.h"
#include "grid_probe.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class SpareRegisterTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        InsertSpare(DM1->ADOall, "111", "诺基亚", "N95", "黑", "电池");
        InsertSpare(DM1->ADOall, "222", "三星", "S8", "白", "无");
        Run("update 备用机库 set 领用=true,顾客姓名='王明',领用日期='2026-12-08' where 串码='222'");
    }

    Tbeiyongshouji* Open() {
        main_->N14->Click();
        ProcessMessages();
        return OnlyChild<Tbeiyongshouji>();
    }

    static std::vector<AnsiString> Listed() { return ListedValues(DM1->ADOQuery8, "串码"); }
};

TEST_F(SpareRegisterTest, ARegisteredPhoneIsListedAtOnceAndNotLent) {
    Tbeiyongshouji* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "备用手机档案管理");
    EXPECT_EQ(ChildPosition(window).x, 100);
    EXPECT_TRUE(IsListGrid(window->DBGridVyn1, DM1->ADOQuery8));
    EXPECT_EQ(GridFields(window->DBGridVyn1).size(), 8u);
    EXPECT_EQ(window->ComboBox3->Items()->Count(), 6);
    EXPECT_EQ(window->ComboBox3->Text(), "串码");
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"111", "222"}));

    Type(window->Edit1, "333");
    PressKey(VK_RETURN);
    EXPECT_TRUE(window->ComboBox1->Focused());
    SimulateTyping("摩托");
    for (const char* text : {"V3", "粉'红", "耳机"}) {
        PressKey(VK_RETURN);
        SimulateTyping(text);
    }
    PressKey(VK_RETURN);
    EXPECT_TRUE(window->BitBtn1->Focused()) << "focus only";
    EXPECT_TRUE(ModalQuestions().empty());
    PushModalAnswer({IDOK, ""});
    PressKey(VK_RETURN);
    EXPECT_TRUE(AskedAt(0, "新增备用手机成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(window->Edit1->Text(), "");
    EXPECT_TRUE(window->Edit1->Focused());
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"111", "222", "333"}));
    EXPECT_EQ(Scalar("select 品牌||'|'||颜色||'|'||领用||'|'||ifnull(顾客姓名,'-') from 备用机库 where 串码='333'"),
              "摩托|粉'红|0|-");
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-beiyongshouji.png"));
}

TEST_F(SpareRegisterTest, AnEmptyOrStoredImeiIsRefused) {
    Tbeiyongshouji* window = Open();
    ASSERT_NE(window, nullptr);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "串码不能为空!", "系统提示", MB_ICONQUESTION));
    Type(window->Edit1, "111");
    PushModalAnswer({IDOK, ""});
    PressKey(VK_TAB);  // leaves the field
    EXPECT_TRUE(AskedAt(1, "此串号已经存在！", "提示", MB_ICONERROR));
    EXPECT_EQ(window->Edit1->Text(), "");
    window->Edit1->SetText("222");
    PushModalAnswer({IDOK, ""});
    window->BitBtn1->Click();
    EXPECT_TRUE(AskedAt(2, "此串码已经存在！", "提示", MB_ICONERROR));
    EXPECT_EQ(Scalar("select count(*) from 备用机库"), "2");
}

TEST_F(SpareRegisterTest, DeletingAsksFirstAndAnEmptyListAsksNothing) {
    Tbeiyongshouji* window = Open();
    ASSERT_NE(window, nullptr);
    PushModalAnswer({IDCANCEL, ""});
    Click(window->BitBtn3);
    EXPECT_TRUE(AskedAt(0, "确实删除备用手机？该操作不可恢复！请谨慎操作！", "提示", MB_ICONQUESTION));
    EXPECT_EQ(Listed().size(), 2u) << "Cancel keeps the phone";
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn3);
    EXPECT_TRUE(AskedAt(2, "删除成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"222"}));
    Run("delete from 备用机库");
    window->Edit7->SetText("x");
    ProcessMessages();
    ASSERT_TRUE(Listed().empty());
    Click(window->BitBtn3);
    EXPECT_EQ(ModalQuestions().size(), 3u) << "nothing asked";
}

TEST_F(SpareRegisterTest, TheQuickSearchLooksInTheChosenColumnOnly) {
    Tbeiyongshouji* window = Open();
    ASSERT_NE(window, nullptr);
    const struct {
        int column;
        const char* text;
        std::vector<AnsiString> listed;
    } cases[] = {
        {0, "2", {"222"}},  {1, "三", {"222"}}, {2, "N9", {"111"}}, {3, "黑", {"111"}},
        {4, "电", {"111"}}, {5, "王", {"222"}}, {5, "", {"222"}},  // a null name never matches
    };
    for (const auto& c : cases) {
        window->ComboBox3->SetItemIndex(c.column);
        window->Edit7->SetText(c.text);
        ProcessMessages();
        EXPECT_EQ(Listed(), c.listed) << c.column << " " << c.text;
    }
    window->ComboBox3->SetText("价格");
    ASSERT_EQ(window->ComboBox3->Text(), "价格");
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"222"})) << "changing the column alone does not search";
    // The error reaches the default handler, which shows its message.
    PushModalAnswer({IDOK, ""});
    window->Edit7->SetText("1");
    ProcessMessages();
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_NE(ModalQuestions()[0].text.find("价格"), AnsiString::npos) << "the error names the text";
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"222"})) << "the list stays";
}

}  // namespace
