// The settings window opened from the main menu: what is typed is saved to
// the settings file in GB18030 and shown again by the next window, footers
// with line breaks or a backslash trail byte included; the picture chooser
// records its choice and shows it on the main window at once.
#include <gtest/gtest.h>

#include "app/dayinshezhifrm.h"
#include "login_fixture.h"
#include "picture_fixture.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/inifiles.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"

namespace {

class SettingsWindowTest : public LoginTest {
protected:
    void SetUp() override {
        LoginTest::SetUp();
        StartWithLogin([this] { LogIn("0001", ""); });
        ASSERT_TRUE(main_->Visible());
        Application->SetMainForm(main_.get());  // children find their frame through it
    }

    // The settings window as the menu item opens (or brings back) it.
    Tdayinshezhi* OpenFromMenu() {
        main_->N7->Click();
        ProcessMessages();
        return main_->MDIChildCount() == 1 ? dynamic_cast<Tdayinshezhi*>(main_->MDIChildren(0)) : nullptr;
    }

    static void Retype(TCustomEdit* edit, const AnsiString& text) {
        edit->Clear();
        Type(edit, text);
    }

    std::string SettingsBytes() const {
        std::string bytes;
        ReadFileBytes(dir_.file("myini.ini"), bytes);
        return bytes;
    }
    AnsiString Setting(const AnsiString& key) {
        TIniFile ini(dir_.file("myini.ini"));
        return ini.ReadString("程序参数", key, "<missing>");
    }
};

TEST_F(SettingsWindowTest, EachFieldHasItsLabelOnItsRowAndTheHiddenPairsStayHidden) {
    Tdayinshezhi* window = OpenFromMenu();
    ASSERT_NE(window, nullptr);
    const struct {
        TLabel* label;
        TEdit* edit;
        const char* caption;
        bool visible;
    } pairs[] = {
        {window->Label1, window->Edit1, "店铺名称", true},  {window->Label4, window->Edit4, "背景图片", true},
        {window->Label5, window->Edit5, "广告语", true},    {window->Label2, window->Edit2, "软件名称", false},
        {window->Label3, window->Edit3, "软件版本", false},
    };
    for (const auto& pair : pairs) {
        ASSERT_NE(pair.label, nullptr) << pair.caption;
        EXPECT_EQ(pair.label->Caption(), pair.caption);
        EXPECT_EQ(pair.label->Visible(), pair.visible) << pair.caption;
        EXPECT_EQ(pair.edit->Visible(), pair.visible) << pair.caption;
        EXPECT_LT(pair.label->Left() + pair.label->Width(), pair.edit->Left()) << pair.caption << ": left of its field";
        EXPECT_GE(pair.label->Top(), pair.edit->Top()) << pair.caption << ": on its field's row";
        EXPECT_LE(pair.label->Top() + pair.label->Height(), pair.edit->Top() + pair.edit->Height()) << pair.caption;
    }
}

TEST_F(SettingsWindowTest, TypedSettingsAreSavedInGb18030AndShownByTheNextWindow) {
    Tdayinshezhi* window = OpenFromMenu();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "店铺名称及小票打印设置");
    EXPECT_EQ(window->Edit1->Text(), "恒通手机维修") << "read from the settings file";
    for (TCustomEdit* empty : {static_cast<TCustomEdit*>(window->Edit2), static_cast<TCustomEdit*>(window->Edit3),
                               static_cast<TCustomEdit*>(window->Edit4), static_cast<TCustomEdit*>(window->Edit5),
                               static_cast<TCustomEdit*>(window->Memo1)})
        EXPECT_EQ(empty->Text(), "") << empty->Name() << ": missing keys show empty";
    EXPECT_EQ(OpenFromMenu(), window) << "one window per caption";

    Retype(window->Edit1, "Kavendi手机店");
    Type(window->Edit5, "欢迎光临");
    window->Edit2->SetText("售后管理");  // the hidden pair is saved like the others
    window->Edit3->SetText("2.0");
    Type(window->Memo1, "保修三个月\r谢谢惠顾");
    ASSERT_EQ(window->Memo1->Text(), "保修三个月\r\n谢谢惠顾");
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "配置成功,修改后的软件界面效果重新启动软件后体现！", "提示", MB_ICONINFORMATION));
    EXPECT_NE(SettingsBytes().find("\xB5\xEA\xC6\xCC\xC3\xFB\xB3\xC6=Kavendi\xCA\xD6\xBB\xFA\xB5\xEA\r\n"),
              std::string::npos)
        << "店铺名称=Kavendi手机店 in GB18030";
    EXPECT_NE(SettingsBytes().find("票尾=保修三个月\\r\\n谢谢惠顾\r\n"), std::string::npos) << "the footer on one line";

    Click(window->BitBtn2);
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "退出 closes and frees the window";
    window = OpenFromMenu();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Edit1->Text(), "Kavendi手机店");
    EXPECT_EQ(window->Edit2->Text(), "售后管理");
    EXPECT_EQ(window->Edit3->Text(), "2.0");
    EXPECT_EQ(window->Edit5->Text(), "欢迎光临");
    EXPECT_EQ(window->Memo1->Text(), "保修三个月\r\n谢谢惠顾") << "both lines come back";

    // "乗" is 0x81 0x5C: its trail byte is a backslash.
    window->Memo1->Clear();
    Type(window->Memo1, "乗");
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_NE(SettingsBytes().find("\xC6\xB1\xCE\xB2=\x81\x5C\r\n"), std::string::npos) << "票尾=乗 stored as typed";
    window->Close();
    ProcessMessages();
    EXPECT_EQ(OpenFromMenu()->Memo1->Text(), "乗");
    EXPECT_EQ(ModalQuestions().size(), 2u);
}

TEST_F(SettingsWindowTest, ThePictureChooserRecordsItsChoiceAndShowsItOnTheMainWindowAtOnce) {
    const AnsiString picture = dir_.file("店面.jpg");
    WriteTestJpeg(picture, 40, 30);
    Tdayinshezhi* window = OpenFromMenu();
    ASSERT_NE(window, nullptr);

    PushModalAnswer({1, picture});
    Click(window->Button1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].kind, "OpenDialog");
    EXPECT_EQ(ModalQuestions()[0].text, "") << "no filter";
    EXPECT_EQ(window->Edit4->Text(), picture);
    EXPECT_EQ(Setting("背景图片"), picture);
    EXPECT_EQ(Setting("背景"), "<missing>") << "only 保存 writes 背景";
    EXPECT_TRUE(main_->Image1->Visible());
    EXPECT_EQ(main_->Image1->Picture()->Width(), 40);
    EXPECT_EQ(main_->Image1->Picture()->Height(), 30);

    // Cancelled, the chooser applies what Edit4 names: here no picture.
    const AnsiString notAPicture = dir_.file("说明.txt");
    ASSERT_TRUE(WriteFileAtomically(notAPicture, "这不是图片"));
    Retype(window->Edit4, notAPicture);
    PushModalAnswer({0, ""});
    Click(window->Button1);
    EXPECT_EQ(window->Edit4->Text(), notAPicture);
    EXPECT_EQ(Setting("背景图片"), notAPicture);
    EXPECT_FALSE(main_->Image1->Visible()) << "no background, and no message";
    EXPECT_EQ(ModalQuestions().size(), 2u);
}

}  // namespace
