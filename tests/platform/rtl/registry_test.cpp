#include "platform/rtl/registry.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/stringlist.h"
#include "support/temp_dir.h"

namespace {

const AnsiString kProductKey = "Software\\Ostrevane\\Tamber Quistor";

class Registry : public testing::Test {
protected:
    void SetUp() override { SetRegistryFileName(dir_.file("serviora/registry.dat")); }
    void TearDown() override { SetRegistryFileName(""); }

    static std::vector<AnsiString> Lines(const TStringList& list) {
        std::vector<AnsiString> lines;
        for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
        return lines;
    }

    TempDir dir_;
};

TEST_F(Registry, PersistsAcrossInstancesAndProcesses) {
    const std::string blob("\0\t\n%\xFF", 5);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kProductKey, true));
        reg.WriteString("名称", "乗表\\值");
        reg.WriteInteger("Count", -7);
        reg.WriteBool("On", true);
        reg.WriteFloat("Ratio", 0.125);
        reg.WriteDateTime("When", EncodeDate(2024, 2, 29));
        reg.WriteBinaryData("Blob", blob.data(), Integer(blob.size()));
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\ostrevane\\Tamber Quistor\\"));
    EXPECT_EQ(reg.ReadString("名称"), "乗表\\值");
    EXPECT_EQ(reg.ReadInteger("count"), -7);
    EXPECT_TRUE(reg.ReadBool("On"));
    EXPECT_DOUBLE_EQ(reg.ReadFloat("Ratio"), 0.125);
    EXPECT_DOUBLE_EQ(reg.ReadDateTime("When"), EncodeDate(2024, 2, 29));
    char buffer[16] = {};
    EXPECT_EQ(reg.ReadBinaryData("Blob", buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), blob);
    EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);

    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(RegistryFileName(), bytes));
    EXPECT_NE(bytes.find("乗表\\值"), std::string::npos);  // stored as ANSI bytes

    // Another instance of the program changes a value; this one sees it.
    pid_t child = fork();
    if (child == 0) {
        TRegistry other;
        other.OpenKey(kProductKey, false);
        other.WriteString("名称", "另一个");
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(reg.ReadString("名称"), "另一个");
    EXPECT_EQ(reg.ReadInteger("Count"), -7);
}

TEST_F(Registry, ReadsAnswerAsThePlatformForMissingAndMistypedValues) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kProductKey, true));
    reg.WriteString("S", "abc");
    reg.WriteInteger("I", 5);
    const char three[3] = {1, 2, 3};
    reg.WriteBinaryData("B", three, 3);

    struct Case {
        AnsiString name;
        TRegDataType type;
        Integer size;
    };
    const Case cases[] = {{"S", rdString, 4}, {"I", rdInteger, 4}, {"B", rdBinary, 3}, {"None", rdUnknown, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(reg.GetDataType(c.name), c.type) << c.name;
        EXPECT_EQ(reg.GetDataSize(c.name), c.size) << c.name;
        EXPECT_EQ(reg.ValueExists(c.name), c.size >= 0) << c.name;
    }

    auto message = [](const std::function<void()>& read) -> AnsiString {
        try {
            read();
        } catch (const ERegistryException& e) {
            return e.Message();
        }
        return "no exception";
    };
    EXPECT_EQ(reg.ReadString("None"), "");
    EXPECT_EQ(message([&] { reg.ReadInteger("None"); }), "Failed to get data for 'None'");
    EXPECT_EQ(message([&] { reg.ReadFloat("None"); }), "Failed to get data for 'None'");
    EXPECT_EQ(message([&] { reg.ReadInteger("S"); }), "Invalid data type for 'S'");
    EXPECT_EQ(message([&] { reg.ReadString("I"); }), "Invalid data type for 'I'");
    EXPECT_EQ(message([&] { reg.ReadFloat("B"); }), "Invalid data type for 'B'");
    char small[2];
    EXPECT_EQ(message([&] { reg.ReadBinaryData("B", small, 2); }), "Invalid data type for 'B'");
    EXPECT_EQ(reg.ReadBinaryData("None", small, 2), 0);

    EXPECT_TRUE(reg.DeleteValue("s"));
    EXPECT_FALSE(reg.DeleteValue("S"));
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentKey(), 0u);
    EXPECT_EQ(message([&] { reg.WriteString("V", "x"); }), "Failed to set data for 'V'");
}

TEST_F(Registry, KeysNestCompareWithoutCaseAndDeleteWithTheirContents) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\乗\\子", false));
    ASSERT_TRUE(reg.OpenKey("Software\\乗\\子", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\乗\\子");
    ASSERT_TRUE(reg.OpenKey("\\Software", false));
    for (const char* name : {"b", "A", "C\\deep", "乗"}) EXPECT_TRUE(reg.CreateKey(name));
    EXPECT_TRUE(reg.KeyExists("c\\DEEP"));
    EXPECT_TRUE(reg.KeyExists("\\software\\乗\\子"));
    EXPECT_TRUE(reg.HasSubKeys());

    TStringList names;
    reg.GetKeyNames(&names);
    EXPECT_EQ(Lines(names), (std::vector<AnsiString>{"A", "b", "C", "乗"}));
    reg.WriteString("z", "1");
    reg.WriteString("a", "2");
    reg.WriteString("Z", "3");
    reg.GetValueNames(&names);
    EXPECT_EQ(Lines(names), (std::vector<AnsiString>{"z", "a"}));
    EXPECT_EQ(reg.ReadString("z"), "3");

    ASSERT_TRUE(reg.OpenKey("乗", false));
    EXPECT_EQ(reg.CurrentPath(), "Software\\乗");
    EXPECT_TRUE(reg.DeleteKey("\\Software\\C"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\C\\deep"));
    EXPECT_TRUE(reg.DeleteKey("\\Software\\乗"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\乗\\子"));
    EXPECT_FALSE(reg.DeleteKey("\\Software\\乗"));

    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\A"));
    EXPECT_TRUE(reg.OpenKey("Software\\Machine", true));
    reg.SetRootKey(0x80000099);
    EXPECT_FALSE(reg.OpenKey("Software", true));
}

TEST_F(Registry, RegIniFileKeepsSectionsAsSubKeysAndNumbersAsText) {
    TRegIniFile ini(kProductKey);
    EXPECT_EQ(ini.ReadInteger("DefaultPreviewForm", "OutlineWidth", 200), 200);
    EXPECT_FALSE(ini.ReadBool("DefaultPreviewForm", "DrawBorder", false));
    EXPECT_FALSE(ini.KeyExists("DefaultPreviewForm"));

    ini.WriteBool("DefaultPreviewForm", "DrawBorder", true);
    ini.WriteInteger("DefaultPreviewForm", "DrawPenColor", 255);
    ini.WriteString("", "Top", "值");
    EXPECT_EQ(ini.CurrentPath(), kProductKey);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kProductKey + "\\DefaultPreviewForm", false));
    EXPECT_EQ(reg.GetDataType("DrawPenColor"), rdString);
    EXPECT_EQ(reg.ReadString("DrawBorder"), "1");
    reg.WriteInteger("Dword", 9);
    reg.WriteString("Bad", "abc");

    EXPECT_TRUE(ini.ReadBool("DefaultPreviewForm", "DrawBorder", false));
    EXPECT_EQ(ini.ReadInteger("defaultpreviewform", "DrawPenColor", 0), 255);
    EXPECT_EQ(ini.ReadInteger("DefaultPreviewForm", "Dword", 0), 9);
    EXPECT_THROW(ini.ReadInteger("DefaultPreviewForm", "Bad", 0), EConvertError);
    EXPECT_EQ(ini.ReadString("", "Top", ""), "值");

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(Lines(list), std::vector<AnsiString>{"DefaultPreviewForm"});
    ini.ReadSection("DefaultPreviewForm", &list);
    EXPECT_EQ(Lines(list), (std::vector<AnsiString>{"DrawBorder", "DrawPenColor", "Dword", "Bad"}));
    ini.DeleteKey("DefaultPreviewForm", "Dword");
    ini.ReadSectionValues("DefaultPreviewForm", &list);
    EXPECT_EQ(Lines(list), (std::vector<AnsiString>{"DrawBorder=1", "DrawPenColor=255", "Bad=abc"}));
    ini.EraseSection("DefaultPreviewForm");
    ini.ReadSection("DefaultPreviewForm", &list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(ini.ReadInteger("DefaultPreviewForm", "DrawPenColor", 3), 3);
}

}  // namespace

// Keys nest at most 512 deep, as on the platform: a damaged file with a
// deeper key loses that line only, and no deeper key can be made.
TEST_F(Registry, KeysDeeperThanTheLimitAreNeitherReadNorMade) {
    const auto path = [](std::size_t depth) {
        RegistryKeyPath key{HKEY_CURRENT_USER, {}};
        key.names.assign(depth, "k");
        return key;
    };
    std::string file = "serviora-registry 1\nkey\tHKEY_CURRENT_USER";
    for (int i = 0; i < 50000; ++i) file += "\tk";
    file += "\nvalue\tsz\tlost\tx\nkey\tHKEY_CURRENT_USER\tkept\nvalue\tsz\tname\tv\n";
    ForceDirectories(dir_.file("serviora"));
    ASSERT_TRUE(WriteFileAtomically(dir_.file("serviora/registry.dat"), file));
    EXPECT_FALSE(RegistryKeyExists(path(1)));
    EXPECT_EQ(RegistryReadValue({HKEY_CURRENT_USER, {"kept"}}, "name")->data, "v");

    EXPECT_TRUE(RegistryCreateKey(path(512)));
    EXPECT_FALSE(RegistryCreateKey(path(513)));
    EXPECT_TRUE(RegistryKeyExists(path(512)));
    EXPECT_FALSE(RegistryKeyExists(path(513)));
}
