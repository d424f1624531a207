// The settings window's values through the settings file: every key read
// back as written, line breaks and a backslash trail byte in the footer
// kept, and the file holding GB18030 bytes.
#include <gtest/gtest.h>

#include "app/shopsettings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "platform/rtl/fileutils.h"
#include "support/temp_dir.h"

namespace {

class ShopSettings : public ::testing::Test {
protected:
    std::string FileBytes() const {
        std::string bytes;
        ReadFileBytes(file_, bytes);
        return bytes;
    }

    TempDir dir_;
    AnsiString file_ = dir_.file("myini.ini");
};

TEST_F(ShopSettings, AFreshFileGivesEmptyValues) {
    TIniFile ini(file_);
    const TShopSettings settings = ReadShopSettings(ini);
    for (const AnsiString* value : {&settings.ShopName, &settings.SoftwareName, &settings.SoftwareVersion,
                                    &settings.Background, &settings.Slogan, &settings.Footer})
        EXPECT_EQ(*value, "");
    EXPECT_FALSE(FileExists(file_)) << "reading creates no file";
}

TEST_F(ShopSettings, SavedValuesReadBackWithMultiLineAndBackslashFooters) {
    // "乗" is 0x81 0x5C in GB18030: its second byte is a backslash.
    for (const AnsiString& footer : {AnsiString("保修三个月\r\n谢谢惠顾"), AnsiString("乗"), AnsiString("乗\r\n乗n")}) {
        TShopSettings written;
        written.ShopName = "Kavendi手机店";
        written.SoftwareName = "售后管理";
        written.SoftwareVersion = "2.0";
        written.Background = "/srv/图片/店面.jpg";
        written.Slogan = "欢迎光临";
        written.Footer = footer;
        {
            TIniFile ini(file_);
            WriteShopSettings(ini, written);
        }
        TIniFile ini(file_);
        const TShopSettings read = ReadShopSettings(ini);
        EXPECT_EQ(read.ShopName, written.ShopName);
        EXPECT_EQ(read.SoftwareName, written.SoftwareName);
        EXPECT_EQ(read.SoftwareVersion, written.SoftwareVersion);
        EXPECT_EQ(read.Background, written.Background);
        EXPECT_EQ(read.Slogan, written.Slogan);
        EXPECT_EQ(read.Footer, footer);
    }
    const std::string bytes = FileBytes();
    EXPECT_NE(bytes.find("[\xB3\xCC\xD0\xF2\xB2\xCE\xCA\xFD]"), std::string::npos) << "section 程序参数 in GB18030";
    EXPECT_NE(bytes.find("\xB5\xEA\xC6\xCC\xC3\xFB\xB3\xC6=Kavendi\xCA\xD6\xBB\xFA\xB5\xEA\r\n"), std::string::npos)
        << "店铺名称=Kavendi手机店 in GB18030";
    EXPECT_NE(bytes.find("=\x81\x5C\\r\\n\x81\x5Cn\r\n"), std::string::npos)
        << "the footer on one line; the trail byte 0x5C is not taken for an escape";
}

TEST_F(ShopSettings, EmptyValuesAreStoredEmptyAndTheChosenPictureUnderItsOwnKey) {
    TIniFile ini(file_);
    ini.WriteString("程序参数", "店铺名称", "旧名称");
    WriteShopSettings(ini, TShopSettings{});
    EXPECT_EQ(ini.ReadString("程序参数", "店铺名称", "?"), "") << "an empty shop name is stored empty";
    WriteChosenBackground(ini, "/srv/新背景.jpg");
    EXPECT_EQ(ini.ReadString("程序参数", "背景图片", ""), "/srv/新背景.jpg");
    EXPECT_EQ(ReadShopSettings(ini).Background, "") << "the chooser does not change 背景";
}

TEST_F(ShopSettings, SavingSaysWhetherItWorked) {
    ResetModalResponder();
    TShopSettings settings;
    settings.ShopName = "新店";
    PushModalAnswer({IDOK});
    SaveShopSettingsCommand(file_, settings);
    PushModalAnswer({IDOK});
    SaveShopSettingsCommand(dir_.file("missing/myini.ini"), settings);

    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].text, "配置成功,修改后的软件界面效果重新启动软件后体现！");
    EXPECT_EQ(ModalQuestions()[0].caption, "提示");
    EXPECT_EQ(ModalQuestions()[0].flags, UINT(MB_ICONINFORMATION));
    EXPECT_EQ(ModalQuestions()[1].text, "配置失败！");
    EXPECT_EQ(ModalQuestions()[1].flags, UINT(MB_ICONERROR));
    ResetModalResponder();
    TIniFile ini(file_);
    EXPECT_EQ(ReadShopSettings(ini).ShopName, "新店");
}

}  // namespace
