// The skin description reader's lookups.
#include <gtest/gtest.h>

#include <memory>

#include "skin/QuickIni.h"

namespace {

std::unique_ptr<TQuickIni> Ini(const std::string& text) {
    auto ini = std::make_unique<TQuickIni>();
    TStringStream stream(text);
    ini->LoadFromStream(&stream);
    return ini;
}

struct TLookup {
    std::string text;
    const char* section;
    const char* key;
    const char* expected;
};

class QuickIniLookups : public testing::TestWithParam<TLookup> {};

TEST_P(QuickIniLookups, AnswersTheKeysValueOrTheDefault) {
    const auto ini = Ini(GetParam().text);
    AnsiString value;
    ini->ReadString(GetParam().section, GetParam().key, value, "default");
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuickIniLookups,
    testing::Values(TLookup{"[Buttons]\r\nRightwidth = 3\r\n", "Buttons", "RightWidth", "3"},
                    TLookup{"  [Colours]  \nFace=1\n", "colours", "face", "1"},
                    TLookup{"[ Colours ]\nFace=1\n", "Colours", "Face", "default"},
                    TLookup{"[A]\r;Face=1\r\rFace=2\r", "A", "Face", "2"},
                    TLookup{"[A]\n=5\n", "A", "Face", "default"},
                    TLookup{"[A]\nFace=\nFace=7\n", "A", "Face", "default"},
                    TLookup{"[A]\nFace=1\nFace=7\n", "A", "Face", "1"},
                    TLookup{"[A]\n[B]\nFace=1\n", "A", "Face", "default"},
                    TLookup{"[A]\nNoEquals\nFace = a=b \n", "A", "Face", "a=b"},
                    TLookup{std::string("[A]\nFace=1\0\nSize=2\n", 20), "A", "Size", "default"},
                    TLookup{"", "A", "Face", "default"},
                    TLookup{"[A]\nFace=1\n", "Missing", "Face", "default"}));

struct TIntegerText {
    const char* value;
    Integer expected;
};

class QuickIniIntegers : public testing::TestWithParam<TIntegerText> {};

TEST_P(QuickIniIntegers, ReadsDecimalAndHexadecimal) {
    const auto ini = Ini(std::string("[A]\nValue=") + GetParam().value + "\n");
    EXPECT_EQ(ini->ReadInteger("A", "Value", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, QuickIniIntegers,
                         testing::Values(TIntegerText{"0x1F", 31}, TIntegerText{"0X1F", 31}, TIntegerText{"$1F", 31},
                                         TIntegerText{"-1", -1}, TIntegerText{"12", 12}, TIntegerText{"abc", 99},
                                         TIntegerText{"", 99}, TIntegerText{"0x", 99}));

TEST(QuickIni, ListsTheSectionNamesAndTheirLines) {
    const auto ini = Ini("; comment\n[First]\nA=1\n\n[ Second ]\n");
    TStringList sections;
    ini->ReadSections(&sections);
    ASSERT_EQ(sections.Count(), 2);
    EXPECT_EQ(sections[0], "First");
    EXPECT_EQ(sections[1], "Second");
    EXPECT_EQ(ini->SectionIndex("FIRST"), 0);
    EXPECT_EQ(ini->SectionIndex(" Second "), 2);
    EXPECT_EQ(ini->SectionIndex("Third"), -1);
}

TEST(QuickIni, LoadingReplacesTheTextFromTheStreamsPosition) {
    auto ini = Ini("[Old]\nA=1\n");
    TStringStream stream("skip[New]\nA=2\n");
    stream.SetPosition(4);
    ini->LoadFromStream(&stream);
    EXPECT_EQ(ini->SectionIndex("Old"), -1);
    EXPECT_EQ(ini->ReadInteger("New", "A", 0), 2);
}

}  // namespace
