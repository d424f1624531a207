// The voucher footer through the settings file: line breaks survive, a
// backslash inside a Chinese character is never taken for an escape, and
// plain values are stored exactly as typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/footertext.h"
#include "support/temp_dir.h"

namespace {

std::string FileBytes(const AnsiString& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class FooterText : public ::testing::Test {
protected:
    TempDir dir_;
    AnsiString file_ = dir_.file("myini.ini");
};

TEST_F(FooterText, RoundTripsThroughTheSettingsFile) {
    // "乗" is 0x81 0x5C in GB18030: its trail byte is a backslash.
    const AnsiString cases[] = {
        "",
        "欢迎光临",
        "第一行\r\n第二行",
        "\r\n\r\n",
        "乗n乗\\r",
        "C:\\new\\report",
        "行尾\\",
        "乗\r\n乗",
        "lone\nLF and lone\rCR",
    };
    for (const AnsiString& text : cases) {
        {
            TIniFile ini(file_);
            WriteFooterText(ini, text);
        }
        TIniFile ini(file_);
        EXPECT_EQ(ReadFooterText(ini), text);
        const std::string bytes = FileBytes(file_);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2) << "section and key, each on one line";
    }
}

TEST_F(FooterText, PlainValuesAreStoredAsTypedAndEscapesStepByCharacter) {
    EXPECT_EQ(EscapeProfileText("乗\r\n"), "乗\\r\\n") << "the trail byte 0x5C is not doubled";
    EXPECT_EQ(UnescapeProfileText("乗n"), "乗n") << "0x81 0x5C then 'n' is no escape";
    EXPECT_EQ(UnescapeProfileText("C:\\temp\\"), "C:\\temp\\") << "unknown escapes stay as they are";

    TIniFile ini(file_);
    WriteFooterText(ini, "C:\\temp 乗 谢谢惠顾");
    EXPECT_EQ(ini.ReadString(kSettingsSection, kFooterKey, "?"), "C:\\temp 乗 谢谢惠顾");
    ini.WriteString(kSettingsSection, kFooterKey, "旧文件的票尾");
    EXPECT_EQ(ReadFooterText(ini), "旧文件的票尾") << "files written before escaping read unchanged";
}

TEST_F(FooterText, VoucherTextsAreTheShopsTitleAndTheFooter) {
    TIniFile ini(file_);
    EXPECT_EQ(ReadVoucherTexts(ini).Title, "售后专用单据");
    EXPECT_EQ(ReadVoucherTexts(ini).Footer, "");
    ini.WriteString(kSettingsSection, "店铺名称", "Kavendi手机店");
    WriteFooterText(ini, "保修三个月\r\n谢谢惠顾");
    const TVoucherTexts texts = ReadVoucherTexts(ini);
    EXPECT_EQ(texts.Title, "Kavendi手机店售后专用单据");
    EXPECT_EQ(texts.Footer, "保修三个月\r\n谢谢惠顾");
}

}  // namespace
