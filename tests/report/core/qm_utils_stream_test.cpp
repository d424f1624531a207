// The engine's stream primitives against records written by the tests' own
// byte writer: fonts, strings at the 16-bit limit, string lists.
#include <gtest/gtest.h>

#include <memory>

#include "byte_writer.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "report/core/qm_utils.h"

namespace {

std::string Written(const std::function<void(TStream*)>& write) {
    TStringStream stream;
    write(&stream);
    return stream.DataString();
}

TEST(QmStreamPrimitives, NumbersAreLittleEndian) {
    const std::string bytes = ByteWriter().Byte(1).Byte(0xAB).Word(0x1234).Int(-2).Int(-559038737).Bytes();
    EXPECT_EQ(Written([](TStream* s) {
                  WriteBoolean(s, true);
                  WriteByte(s, 0xAB);
                  WriteWord(s, 0x1234);
                  WriteInteger(s, -2);
                  WriteLongWord(s, 0xDEADBEEF);
              }),
              bytes);
    TStringStream in(bytes);
    EXPECT_TRUE(ReadBoolean(&in));
    EXPECT_EQ(ReadByte(&in), 0xAB);
    EXPECT_EQ(ReadWord(&in), 0x1234);
    EXPECT_EQ(ReadInteger(&in), -2);
    EXPECT_EQ(ReadLongWord(&in), 0xDEADBEEFu);
    EXPECT_THROW(ReadByte(&in), EReadError);
}

TEST(QmStreamPrimitives, AnyNonZeroByteReadsTrue) {
    TStringStream in(ByteWriter().Byte(7).Byte(0).Bytes());
    EXPECT_TRUE(ReadBoolean(&in));
    EXPECT_FALSE(ReadBoolean(&in));
}

// 宋体, -13 px, bold, the window-text colour, charset 134: bold is bit 1 of
// the stored style, where the platform's set has it first.
TEST(QmStreamPrimitives, FontRecordRoundTrips) {
    const std::string record = ByteWriter().Str("宋体").Int(-13).Word(2).Int(-16777208).Word(134).Bytes();
    auto font = std::unique_ptr<TFont>(TFont::Create());
    TStringStream in(record);
    ReadFont(&in, font.get());
    EXPECT_EQ(font->Name(), "宋体");
    EXPECT_EQ(font->Height(), -13);
    EXPECT_EQ(font->Style(), TFontStyles{fsBold});
    EXPECT_EQ(font->Color(), clWindowText);
    EXPECT_EQ(font->Charset(), 134);
    EXPECT_EQ(Written([&](TStream* s) { WriteFont(s, font.get()); }), record);
}

TEST(QmStreamPrimitives, FontSizeFieldOfZeroOrMoreIsPoints) {
    auto font = std::unique_ptr<TFont>(TFont::Create());
    TStringStream in(ByteWriter().Str("Arial").Int(12).Word(1 | 4 | 8).Int(0xFF).Word(0).Bytes());
    ReadFont(&in, font.get());
    EXPECT_EQ(font->Size(), 12);
    EXPECT_EQ(font->Style(), (TFontStyles{fsItalic, fsUnderline, fsStrikeOut}));
}

TEST(QmStreamPrimitives, StoredStyleSwapsBoldAndItalicBothWays) {
    for (Word stored = 0; stored < 16; ++stored)
        EXPECT_EQ(FontStyleToStoredStyle(StoredStyleToFontStyle(stored)), stored);
    EXPECT_EQ(FontStyleToStoredStyle(TFontStyles{fsItalic}), 1);
    EXPECT_EQ(FontStyleToStoredStyle(TFontStyles{fsBold}), 2);
}

TEST(QmStreamPrimitives, EmptyStringAndListAreBareCounts) {
    auto list = std::unique_ptr<TStringList>(TStringList::Create());
    EXPECT_EQ(Written([](TStream* s) { WriteString(s, ""); }), std::string(2, '\0'));
    EXPECT_EQ(Written([&](TStream* s) { WriteStringList(s, list.get()); }), std::string(4, '\0'));
}

TEST(QmStreamPrimitives, StringOfTheLargestLengthRoundTrips) {
    const std::string text(65535, 'x');
    const std::string bytes = Written([&](TStream* s) { WriteString(s, text); });
    EXPECT_EQ(bytes, ByteWriter().Str(text).Bytes());
    TStringStream in(bytes);
    AnsiString read;
    ReadString(&in, read);
    EXPECT_EQ(read, text);
}

TEST(QmStreamPrimitives, LongerStringIsRefusedAndNothingWritten) {
    TStringStream stream;
    try {
        WriteString(&stream, std::string(65536, 'x'));
        FAIL() << "a wrapped length word was written";
    } catch (const EQmTextTooLong& e) {
        EXPECT_EQ(e.Length(), 65536u);
        EXPECT_NE(e.Message().find("65536"), std::string::npos);
    }
    EXPECT_EQ(stream.Size(), 0);
}

TEST(QmStreamPrimitives, ListLinesEachEndInCrLf) {
    auto list = std::unique_ptr<TStringList>(TStringList::Create());
    list->Add("unit Report;");
    list->Add("");
    list->Add("end.");
    const std::string bytes = Written([&](TStream* s) { WriteStringList(s, list.get()); });
    EXPECT_EQ(bytes, ByteWriter().Int(22).Raw("unit Report;\r\n\r\nend.\r\n").Bytes());
}

TEST(QmStreamPrimitives, ListReadingClearsAndSplitsAtAnyLineBreak) {
    auto list = std::unique_ptr<TStringList>(TStringList::Create());
    list->Add("old");
    TStringStream in(ByteWriter().Int(10).Raw("a\r\nb\rc\nd\r\n").Int(-5).Bytes());
    ReadStringList(&in, list.get());
    ASSERT_EQ(list->Count(), 4);
    EXPECT_EQ(list->Text(), "a\r\nb\r\nc\r\nd\r\n");
    ReadStringList(&in, list.get());  // a negative count reads as empty
    EXPECT_EQ(list->Count(), 0);
}

}  // namespace
