#include "platform/win/controls/richtext.h"

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"

namespace {

AnsiString Ansi(const char8_t* utf8) { return Utf8ToAnsi(Utf8(utf8)); }

TEST(RichText, ReadsTheRtfSubset) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Somebody;}\\viewkind4\\uc1\\pard\\f0\\fs20 plain \\b bold\\b0  \\cf1 red\\cf0\\par\r\n"
        "\\pard\\qc\\f1\\fs28\\i \\'d6\\'d0\\u20013?\\u-10176?\\u-9216?\\tab x\\line y\\par\r\n}";
    RichText doc = ReadRtf(rtf);
    const AnsiString expected = "plain bold red\r\n" + Ansi(u8"中中𠀀") + "\tx\vy";
    EXPECT_EQ(doc.Text(), expected);
    ASSERT_EQ(doc.ParagraphCount(), 2u);
    EXPECT_EQ(doc.Alignment(0), RichAlignment::Left);
    EXPECT_EQ(doc.Alignment(1), RichAlignment::Center);

    const RichCharFormat& plain = doc.FormatAt(0);
    EXPECT_EQ(plain.face, Ansi(u8"宋体"));
    EXPECT_EQ(plain.halfPoints, 20);
    EXPECT_FALSE(plain.bold);
    EXPECT_TRUE(plain.autoColor);
    EXPECT_TRUE(doc.FormatAt(6).bold);
    const RichCharFormat& red = doc.FormatAt(11);
    EXPECT_FALSE(red.bold);
    EXPECT_FALSE(red.autoColor);
    EXPECT_EQ(red.color, 0x0000FFu);
    const RichCharFormat& chinese = doc.FormatAt(16);
    EXPECT_EQ(chinese.face, "Arial");
    EXPECT_EQ(chinese.halfPoints, 28);
    EXPECT_TRUE(chinese.italic);
}

TEST(RichText, Latin1CodePagesAndIgnoredGroups) {
    RichText doc = ReadRtf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}{\\info{\\title T}}\\f0 caf\\'e9 \\'80\\par}");
    EXPECT_EQ(doc.Text(), Ansi(u8"café €"));
}

TEST(RichText, WrittenRtfReadsBackEqual) {
    RichCharFormat bold;
    bold.bold = true;
    bold.face = Ansi(u8"宋体");
    RichCharFormat red;
    red.autoColor = false;
    red.color = 0x0000FF;
    red.halfPoints = 24;
    red.underline = true;
    RichText doc;
    doc.Append("plain {braces} \\ ", RichCharFormat());
    doc.Append(Ansi(u8"粗体𠀀"), bold);
    doc.Append("\r\nred\tline", red);
    doc.SetAlignment(1, RichAlignment::Right);
    const std::string rtf = WriteRtf(doc);
    EXPECT_NE(rtf.find("\\ansicpg936"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10176?\\u-9216?"), std::string::npos) << rtf;
    RichText back = ReadRtf(rtf);
    EXPECT_EQ(back.Text(), doc.Text());
    EXPECT_EQ(back, doc) << rtf;
}

TEST(RichText, ParagraphsFollowEdits) {
    RichText doc;
    doc.Append("one\r\ntwo", RichCharFormat());
    doc.SetAlignment(1, RichAlignment::Center);
    doc.Replace(1, 1, "\r\n", RichCharFormat());
    ASSERT_EQ(doc.ParagraphCount(), 3u);
    EXPECT_EQ(doc.Alignment(2), RichAlignment::Center);
    EXPECT_EQ(doc.ParagraphStart(2), 7u);
    doc.Replace(0, 7, "", RichCharFormat());
    EXPECT_EQ(doc.Text(), "two");
    EXPECT_EQ(doc.Alignment(0), RichAlignment::Left) << "the joined paragraph keeps the first one's";
}

}  // namespace
