// The skin package reader: versions, names, members, and the damaged
// packages it must refuse.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "skin/SkinReader.h"
#include "tools/skinpack/SkinPackage.h"

namespace {

std::vector<Byte> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::vector<TSkinMember> kMembers = {
    {"buttons.bmp", Bytes("BM-buttons")},
    {"skin.ini", Bytes("[TitlebarSkin]\r\nSkinName=test\r\n")},
    {"frameleft.bmp", Bytes("BM-left")},
};

std::unique_ptr<TMemoryStream> Stream(const std::vector<Byte>& bytes) {
    auto stream = std::make_unique<TMemoryStream>();
    stream->Write(bytes.data(), static_cast<Integer>(bytes.size()));
    return stream;
}

bool Load(TSkinReader& reader, const std::vector<Byte>& package) { return reader.Load(Stream(package).get()); }

std::string Member(TSkinReader& reader, const AnsiString& name) {
    TMemoryStream dest;
    reader.ReadMember(name, &dest);
    return std::string(static_cast<const char*>(dest.Memory()), dest.Size());
}

class SkinReaderVersions : public testing::TestWithParam<Integer> {};

TEST_P(SkinReaderVersions, ReadsEveryMemberOfAKnownVersion) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, WriteSkinPackage(GetParam(), kMembers)));
    EXPECT_EQ(reader.Version(), GetParam());
    EXPECT_EQ(reader.MemberCount(), 3);
    EXPECT_EQ(Member(reader, "frameleft.bmp"), "BM-left");
    EXPECT_EQ(Member(reader, "buttons.bmp"), "BM-buttons");
}

INSTANTIATE_TEST_SUITE_P(Known, SkinReaderVersions, testing::Values(20000, 30000, 40000, 50000, 60000, 70000));

TEST(SkinReader, SkippedBytesDependOnTheVersion) {
    EXPECT_EQ(TSkinReader::SkippedBytes(20000), 0);
    EXPECT_EQ(TSkinReader::SkippedBytes(70000), 69);
    const std::vector<Byte> block = TSkinBlock::FromMembers(70000, kMembers).Bytes();
    EXPECT_EQ(block[16 + 69], 'b');  // the names begin after the skipped bytes
}

TEST(SkinReader, MemberNamesIgnoreCase) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, WriteSkinPackage(70000, {{"Buttons.BMP", Bytes("x")}})));
    EXPECT_EQ(reader.Members()->Strings(0), "buttons.bmp");
    EXPECT_EQ(Member(reader, "Buttons.bmp"), "x");
    EXPECT_EQ(Member(reader, "buttons.bmp"), "x");
    EXPECT_EQ(Member(reader, "missing.bmp"), "");
}

TEST(SkinReader, FindMemberTakesTheFirstNameContainingTheText) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, WriteSkinPackage(70000, kMembers)));
    TMemoryStream dest;
    AnsiString name = "unchanged";
    reader.FindMember(".ini", &dest, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(dest.Position(), 0);
    EXPECT_EQ(dest.Size(), static_cast<Int64>(kMembers[1].bytes.size()));
    name = "unchanged";
    reader.FindMember(".jpg", &dest, name);
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(dest.Size(), 0);
}

struct TNameText {
    std::string text;
    int members;
};

class SkinReaderNames : public testing::TestWithParam<TNameText> {};

TEST_P(SkinReaderNames, SplitsTheNameTextIntoMembers) {
    TSkinBlock block;
    block.names = GetParam().text;
    block.sizes.assign(GetParam().members, 0);
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, PackSkinBlock(block.Bytes())));
    EXPECT_EQ(reader.MemberCount(), GetParam().members);
}

INSTANTIATE_TEST_SUITE_P(LineBreaks, SkinReaderNames,
                         testing::Values(TNameText{"a.bmp\r\nb.bmp\r\n", 2}, TNameText{"a.bmp\rb.bmp\nc.ini", 3},
                                         TNameText{"a.bmp\r\nb.bmp", 2}, TNameText{std::string("a.bmp\r\n\0b.bmp\r\n", 15), 1},
                                         TNameText{"", 0}));

TEST(SkinReader, UnknownVersionsAreReportedAndRefused) {
    for (Integer version : {80000, 0}) {
        ResetModalResponder();
        PushModalAnswer({IDOK});
        TSkinBlock block = TSkinBlock::FromMembers(version, kMembers);
        TSkinReader reader;
        EXPECT_FALSE(Load(reader, PackSkinBlock(block.Bytes())));
        EXPECT_EQ(reader.MemberCount(), 0);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_EQ(ModalQuestions()[0].kind, "MessageBox");
        EXPECT_EQ(ModalQuestions()[0].text, "This is Older Skin File\rPlease update to new version !");
    }
    ResetModalResponder();
}

std::vector<Byte> WithUnpackedSize(std::vector<Byte> package, Integer size) {
    std::memcpy(package.data(), &size, sizeof size);
    return package;
}

std::vector<Byte> Truncated(std::vector<Byte> package) {
    package.resize(package.size() / 2);
    return package;
}

TSkinBlock ThousandAndOneNames() {
    TSkinBlock block;
    for (int i = 0; i <= TSkinReader::kMaxMembers; ++i) block.names += "m" + std::to_string(i) + ".bmp\r\n";
    block.sizes.assign(TSkinReader::kMaxMembers + 1, 0);
    return block;
}

TSkinBlock WithSizes(std::vector<Integer> sizes) {
    TSkinBlock block = TSkinBlock::FromMembers(70000, kMembers);
    block.sizes = std::move(sizes);
    return block;
}

TSkinBlock WithNamesLength(Integer length) {
    TSkinBlock block = TSkinBlock::FromMembers(70000, kMembers);
    block.declaredNamesLength = length;
    return block;
}

std::vector<Byte> HeaderOnly(int bytes) {
    std::vector<Byte> block = TSkinBlock::FromMembers(20000, {}).Bytes();
    block.resize(bytes);
    return PackSkinBlock(block);
}

struct TDamaged {
    const char* name;
    std::vector<Byte> package;
};

class SkinReaderDamaged : public testing::TestWithParam<TDamaged> {};

TEST_P(SkinReaderDamaged, IsRefusedWithoutMembers) {
    TSkinReader reader;
    EXPECT_FALSE(Load(reader, GetParam().package));
    EXPECT_EQ(reader.MemberCount(), 0);
}

const std::vector<Byte> kSound = WriteSkinPackage(70000, kMembers);

INSTANTIATE_TEST_SUITE_P(
    Packages, SkinReaderDamaged,
    testing::Values(TDamaged{"TruncatedStream", Truncated(kSound)},
                    TDamaged{"SizeLargerThanTheStreamHolds", WithUnpackedSize(kSound, 60000)},
                    TDamaged{"NegativeSize", WithUnpackedSize(kSound, -1)},
                    TDamaged{"SizeAbove64MB", WithUnpackedSize(kSound, 65 * 1024 * 1024)},
                    TDamaged{"SizeBeyondWhatTheStreamCanExpandTo",
                             WithUnpackedSize(kSound, static_cast<Integer>(48 * (kSound.size() - 4) + 65536 + 1))},
                    TDamaged{"NoSizeAtAll", {0x10, 0x00}},
                    TDamaged{"HeaderCutShort", HeaderOnly(12)},
                    TDamaged{"ThousandAndOneNames", PackSkinBlock(ThousandAndOneNames().Bytes())},
                    TDamaged{"NegativeMemberSize", PackSkinBlock(WithSizes({10, -1, 7}).Bytes())},
                    TDamaged{"SizesPastTheData", PackSkinBlock(WithSizes({10, 200, 7}).Bytes())},
                    TDamaged{"SizeTablePastTheBlock", PackSkinBlock(WithSizes({}).Bytes())},
                    TDamaged{"NamesPastTheBlock", PackSkinBlock(WithNamesLength(100000).Bytes())},
                    TDamaged{"NegativeNamesLength", PackSkinBlock(WithNamesLength(-5).Bytes())}),
    [](const testing::TestParamInfo<TDamaged>& info) { return info.param.name; });

TEST(SkinReader, ThousandMembersAreStillRead) {
    TSkinBlock block = ThousandAndOneNames();
    block.names.resize(block.names.rfind("m1000.bmp"));
    block.sizes.pop_back();
    TSkinReader reader;
    EXPECT_TRUE(Load(reader, PackSkinBlock(block.Bytes())));
    EXPECT_EQ(reader.MemberCount(), 1000);
}

TEST(SkinReader, HighlyCompressedPackagesAreRead) {
    const std::vector<Byte> package = WriteSkinPackage(70000, {{"flat.bmp", std::vector<Byte>(2000000, 0)}});
    ASSERT_GT(2000000 / package.size(), 40u);
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, package));
    TMemoryStream member;
    reader.ReadMember("flat.bmp", &member);
    EXPECT_EQ(member.Size(), 2000000);
}

TEST(SkinReader, DataBeyondTheLastMemberIsKept) {
    TSkinBlock block = TSkinBlock::FromMembers(70000, kMembers);
    block.data.resize(block.data.size() + 10, 'z');
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, PackSkinBlock(block.Bytes())));
    EXPECT_EQ(Member(reader, "frameleft.bmp"), "BM-left");
}

}  // namespace
