#include "platform/rtl/inifiles.h"

#include <gtest/gtest.h>

#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/stringlist.h"
#include "support/temp_dir.h"

namespace {

class IniFiles : public testing::Test {
protected:
    AnsiString Write(const std::string& bytes) {
        EXPECT_TRUE(WriteFileAtomically(name_, bytes));
        return name_;
    }
    std::string Bytes() const {
        std::string bytes;
        ReadFileBytes(name_, bytes);
        return bytes;
    }
    static std::vector<AnsiString> Lines(const TStringList& list) {
        std::vector<AnsiString> lines;
        for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
        return lines;
    }

    TempDir dir_;
    AnsiString name_ = dir_.file("myini.ini");
};

TEST_F(IniFiles, ReadGb18030BytesBackExactly) {
    TIniFile ini(Write("; settings\r\n"
                       "[系统]\r\n"
                       "背景=D:\\图片\\乗.jpg\r\n"
                       "  用户 =  张三 \r\n"
                       "引号=\"  带空格  \"\r\n"
                       "备注=第一行\r\n"
                       "第二行\r\n"
                       "\r\n"
                       "[Other]\n"
                       "Flag=1\n"
                       "[\xB0\x5D段] ; the first character's second byte is ]\n"
                       "k=v\n"));
    struct Case {
        AnsiString section, key, expected;
    };
    const Case cases[] = {
        {"系统", "背景", "D:\\图片\\乗.jpg"},
        {"系统", "用户", "张三"},
        {"系统", "引号", "  带空格  "},
        {"系统", "备注", "第一行"},
        {"系统", "第二行", "default"},
        {"OTHER", "flag", "1"},
        {"系统", "Flag", "default"},
        {"缺少", "背景", "default"},
        {"\xB0\x5D段", "k", "v"},
    };
    for (const Case& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected) << c.key;
    EXPECT_EQ(TIniFile(dir_.file("missing.ini")).ReadString("系统", "背景", "无"), "无");
}

TEST_F(IniFiles, AMultiLineValueIsStoredAndReadAsItsFirstLine) {
    TIniFile ini(name_);
    ini.WriteString("备注", "memo", "第一行\r\n第二行=x\r\n");
    EXPECT_EQ(ini.ReadString("备注", "memo", ""), "第一行");
    EXPECT_FALSE(ini.ValueExists("备注", "第二行"));
    EXPECT_EQ(Bytes(), "[备注]\r\nmemo=第一行\r\n");
}

TEST_F(IniFiles, WritesThroughChangingOnlyTheirOwnLines) {
    Write("; top\n[a]\nx=1\n; about y\ny=2\n\n[b]\nz=3\n");
    TIniFile ini(name_);
    ini.WriteString("A", "Y", "二");
    ini.WriteInteger("a", "new", 5);
    ini.WriteBool("c", "on", true);
    ini.WriteBool("c", "off", false);
    EXPECT_EQ(Bytes(), "; top\n[a]\nx=1\n; about y\ny=二\nnew=5\n\n[b]\nz=3\n\n[c]\non=1\noff=0\n");

    TIniFile other(name_);
    EXPECT_EQ(other.ReadString("a", "y", ""), "二");
    ini.DeleteKey("a", "x");
    ini.EraseSection("b");
    EXPECT_EQ(Bytes(), "; top\n[a]\n; about y\ny=二\nnew=5\n\n[c]\non=1\noff=0\n");
}

TEST_F(IniFiles, TypedReadsFallBackOnMissingOrBadText) {
    TIniFile ini(Write("[n]\ndec=12\nneg=-5\nhex=0x1F\ndollar=$10\nbad=12abc\nempty=\ntwo=2\nzero=0\n"
                       "yes=yes\nfloat=12.5\ndate=2024-02-29\n"));
    struct Case {
        AnsiString key;
        Integer integer;
        bool boolean;
    };
    const Case cases[] = {
        {"dec", 12, true},    {"neg", -5, true},  {"hex", 31, true},  {"dollar", 16, true},
        {"bad", -1, false},   {"empty", -1, false}, {"two", 2, true}, {"zero", 0, false},
        {"yes", -1, false},   {"missing", -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.ReadInteger("n", c.key, -1), c.integer) << c.key;
        EXPECT_EQ(ini.ReadBool("n", c.key, false), c.boolean) << c.key;
    }
    EXPECT_TRUE(ini.ReadBool("n", "missing", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("n", "float", 0), 12.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("n", "bad", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadDate("n", "date", 0), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(ini.ReadDate("n", "bad", 1), 1);

    ini.WriteFloat("w", "f", 0.25);
    ini.WriteDateTime("w", "dt", EncodeDate(2025, 1, 2) + EncodeTime(3, 4, 5, 0));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("w", "f", 0), 0.25);
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("w", "dt", 0), EncodeDate(2025, 1, 2) + EncodeTime(3, 4, 5, 0));
}

TEST_F(IniFiles, ListSectionsKeysAndValues) {
    TIniFile ini(Write("[甲]\nk1=v1\nK2 = v2\n[空]\n[乙]\nk=v\n[甲]\nk3=v3\n"));
    TStringList list;
    list.Add("stale");
    ini.ReadSections(&list);
    EXPECT_EQ(Lines(list), (std::vector<AnsiString>{"甲", "空", "乙"}));
    ini.ReadSection("甲", &list);
    EXPECT_EQ(Lines(list), (std::vector<AnsiString>{"k1", "K2", "k3"}));
    ini.ReadSectionValues("乙", &list);
    EXPECT_EQ(Lines(list), std::vector<AnsiString>{"k=v"});

    EXPECT_TRUE(ini.SectionExists("甲"));
    EXPECT_FALSE(ini.SectionExists("空"));
    EXPECT_FALSE(ini.SectionExists("丙"));
    EXPECT_TRUE(ini.ValueExists("甲", "k2"));
    EXPECT_TRUE(ini.ValueExists("甲", "K3"));
    EXPECT_FALSE(ini.ValueExists("乙", "k1"));
}

TEST_F(IniFiles, MemIniFileWritesOnlyOnUpdateFile) {
    Write("[s]\r\nk=old\r\n");
    TMemIniFile ini(name_);
    ini.WriteString("s", "k", "new");
    ini.WriteString("t", "乗", "值");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "new");
    EXPECT_EQ(Bytes(), "[s]\r\nk=old\r\n");
    ini.UpdateFile();
    EXPECT_EQ(Bytes(), "[s]\r\nk=new\r\n\r\n[t]\r\n乗=值\r\n");
}

TEST_F(IniFiles, AFileThatCannotBeWrittenRaises) {
    TIniFile ini(dir_.file("no-such-folder/x.ini"));
    EXPECT_EQ(ini.ReadString("s", "k", "d"), "d");
    EXPECT_THROW(ini.WriteString("s", "k", "v"), EIniFileException);
}

}  // namespace
