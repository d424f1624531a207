#include "platform/rtl/stringlist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/writer.h"
#include "support/temp_dir.h"

namespace {

using Lines = std::vector<AnsiString>;

// Chinese characters whose second byte is an ASCII character: 乗 is 81 5C
// ("\"), 億 is 83 7C ("|"), 丄 is 81 41 ("A"); U+3400 takes four bytes,
// 81 39 EE 39, two of them the digit "9".
const AnsiString kBackslashTrail = "乗";
const AnsiString kBarTrail = "億";
const AnsiString kLetterTrail = "丄";
const AnsiString kFourByte = "\x81\x39\xEE\x39";

Lines LinesOf(const TStrings& list) {
    Lines out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

void Fill(TStrings& list, const Lines& lines) {
    list.Clear();
    for (const AnsiString& s : lines) list.Add(s);
}

TEST(TStrings, TextSplitsAtEveryLineBreak) {
    struct Case {
        AnsiString text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\ntwo\rthree", {"one", "two", "three"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\n\r", {"", ""}},
        {"a\r\n\r\n", {"a", ""}},
        {std::string("nul\0inside", 10), {std::string("nul\0inside", 10)}},
        {kBackslashTrail + "\r\n" + kBarTrail + kFourByte, {kBackslashTrail, kBarTrail + kFourByte}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines);
    }
    TStringList list;
    Fill(list, {"a", "", "维修"});
    EXPECT_EQ(list.Text(), "a\r\n\r\n维修\r\n");
}

struct DelimitedCase {
    Lines lines;
    AnsiString text;
};

TEST(TStrings, CommaTextQuotesWhatWouldSplit) {
    const DelimitedCase cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{"a b", "c,d", "say \"hi\"", "tab\tx"}, "\"a b\",\"c,d\",\"say \"\"hi\"\"\",\"tab\tx\""},
        {{"张三", "李 四"}, "张三,\"李 四\""},
        {{kBackslashTrail + kBarTrail, kLetterTrail + kFourByte}, kBackslashTrail + kBarTrail + "," + kLetterTrail + kFourByte},
    };
    for (const DelimitedCase& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        Fill(list, c.lines);
        EXPECT_EQ(list.CommaText(), c.text);
        TStringList back;
        back.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(back), c.lines);
    }
}

TEST(TStrings, CommaTextReadsLooseInput) {
    const DelimitedCase cases[] = {
        {{"a", "b", "c"}, "a b,c"},
        {{"x y", "z"}, "  \"x y\" ,  z  "},
        {{"a", ""}, "a,"},
        {{"a\"b"}, "\"a\"\"b\""},
        {{"ab", "cd"}, "\"ab\"cd"},
        {{"open"}, "\"open"},
        {{"", "b"}, ",b"},
    };
    for (const DelimitedCase& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines);
    }
}

// A delimiter or quote character that is also the second byte of a Chinese
// character must not cut that character in half.
TEST(TStrings, DelimitedTextNeverSplitsACharacter) {
    struct Case {
        char delimiter, quote;
        Lines lines;
        AnsiString text;
    };
    const Case cases[] = {
        {'|', '"', {kBarTrail, "a|b", kBarTrail + kBarTrail}, kBarTrail + "|\"a|b\"|" + kBarTrail + kBarTrail},
        {'\\', '"', {kBackslashTrail, "c:\\x"}, kBackslashTrail + "\\\"c:\\x\""},
        {';', '|', {kBarTrail + " 1", "x|y"}, "|" + kBarTrail + " 1|;|x||y|"},
        {'A', '\\', {kLetterTrail, "bAc"}, kLetterTrail + "A\\bAc\\"},
        {'9', '"', {kFourByte, "1"}, kFourByte + "91"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.SetDelimiter(c.delimiter);
        list.SetQuoteChar(c.quote);
        Fill(list, c.lines);
        EXPECT_EQ(list.DelimitedText(), c.text);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines);
    }
}

TEST(TStrings, NamesAndValues) {
    TStringList list;
    Fill(list, {"Server=db1", "用户=张三", "noequals", "=empty name", "Path=a=b"});
    const std::pair<int, std::pair<AnsiString, AnsiString>> byIndex[] = {
        {0, {"Server", "db1"}}, {1, {"用户", "张三"}}, {2, {"", ""}}, {3, {"", "empty name"}}, {4, {"Path", "a=b"}},
    };
    for (const auto& [index, nameValue] : byIndex) {
        EXPECT_EQ(list.Names(index), nameValue.first);
        EXPECT_EQ(list.ValueFromIndex(index), nameValue.second);
    }
    EXPECT_EQ(list.IndexOfName("SERVER"), 0);
    EXPECT_EQ(list.Values("server"), "db1");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("noequals"), -1);

    list.SetValues("用户", "李四");
    list.SetValues("Port", "8080");
    list.SetValues("Server", "");
    list.SetValueFromIndex(list.IndexOfName("Path"), "c");
    EXPECT_EQ(LinesOf(list), (Lines{"用户=李四", "noequals", "=empty name", "Path=c", "Port=8080"}));

    // With a separator that is also a trail byte, the name ends at the real one.
    TStringList paths;
    paths.SetNameValueSeparator('\\');
    paths.Add(kBackslashTrail + "\\" + kBackslashTrail);
    EXPECT_EQ(paths.Names(0), kBackslashTrail);
    EXPECT_EQ(paths.Values(kBackslashTrail), kBackslashTrail);
}

TEST(TStringList, SortedListsKeepOrderAndHandleDuplicates) {
    struct Case {
        TDuplicates duplicates;
        Lines added;
        Lines expected;
    };
    const Case cases[] = {
        {dupIgnore, {"b", "A", "c", "a", "B"}, {"A", "b", "c"}},
        {dupAccept, {"b", "a", "c", "a"}, {"a", "a", "b", "c"}},
        {dupError, {"b", "a", "c"}, {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.duplicates);
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        for (const AnsiString& s : c.added) list.Add(s);
        EXPECT_EQ(LinesOf(list), c.expected);
    }

    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupIgnore);
    EXPECT_EQ(list.Add("m"), 0);
    EXPECT_EQ(list.Add("a"), 0);
    EXPECT_EQ(list.Add("M"), 1);  // already there: answers where
    list.SetDuplicates(dupError);
    try {
        list.Add("A");
        ADD_FAILURE() << "duplicate accepted";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
}

TEST(TStringList, FindAnswersPositionOrInsertionPoint) {
    struct Case {
        AnsiString s;
        bool found;
        int index;
    };
    const Case cases[] = {
        {"b", true, 1}, {"B", true, 1}, {"0", false, 0}, {"bb", false, 4}, {"z", false, 5}, {"c", true, 4},
    };
    TStringList list;
    list.SetDuplicates(dupAccept);  // Find then answers the first of equal strings
    list.SetSorted(true);
    for (const char* s : {"a", "b", "b", "b", "c"}) list.Add(s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        int index = -1;
        EXPECT_EQ(list.Find(c.s, index), c.found);
        EXPECT_EQ(index, c.index);
    }
    EXPECT_EQ(list.IndexOf("C"), 4);
    EXPECT_EQ(list.IndexOf("bb"), -1);
}

TEST(TStringList, CaseSensitivityChangesOrderAndMatching) {
    TStringList list;
    Fill(list, {"b", "B", "a", "A"});
    EXPECT_EQ(list.IndexOf("a"), 2);
    EXPECT_EQ(list.IndexOf("A"), 2);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("A"), 3);
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{"a", "A", "b", "B"}));
    list.SetCaseSensitive(false);  // sorted again, so Find still works
    int index = -1;
    EXPECT_TRUE(list.Find("b", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("A"), list.IndexOf("a"));
}

TEST(TStringList, SortAndCustomSort) {
    TStringList list;
    Fill(list, {"c10", "a", "c9", "B"});
    list.Sort();
    EXPECT_EQ(LinesOf(list), (Lines{"a", "B", "c10", "c9"}));
    list.CustomSort([](TStringList* l, int i, int j) {
        return static_cast<int>(l->Strings(j).size()) - static_cast<int>(l->Strings(i).size());
    });
    EXPECT_EQ(list[0], "c10");
    list.SetSorted(true);  // a sorted list keeps its order
    list.CustomSort([](TStringList*, int, int) { return -1; });
    EXPECT_EQ(LinesOf(list), (Lines{"a", "B", "c10", "c9"}));
}

TEST(TStringList, ErrorsOfThePlatform) {
    const std::pair<AnsiString, std::function<void(TStringList&)>> cases[] = {
        {"List index out of bounds (2)", [](TStringList& l) { l.Strings(2); }},
        {"List index out of bounds (-1)", [](TStringList& l) { l.Delete(-1); }},
        {"List index out of bounds (3)", [](TStringList& l) { l.Insert(3, "x"); }},
        {"List index out of bounds (5)", [](TStringList& l) { l.Exchange(0, 5); }},
        {"List index out of bounds (2)", [](TStringList& l) { l.SetObjects(2, nullptr); }},
        {"Operation not allowed on sorted list", [](TStringList& l) { l.SetSorted(true); l.Insert(0, "x"); }},
        {"Operation not allowed on sorted list", [](TStringList& l) { l.SetSorted(true); l.SetStrings(0, "x"); }},
    };
    for (const auto& [message, action] : cases) {
        SCOPED_TRACE(message);
        TStringList list;
        Fill(list, {"a", "b"});
        try {
            action(list);
            ADD_FAILURE() << "no exception";
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
}

TEST(TStringList, ChangeEventsRespectUpdates) {
    TStringList list;
    std::vector<std::string> log;
    list.SetOnChanging([&](TObject* sender) { log.push_back(sender == &list ? "changing" : "?"); });
    list.SetOnChange([&](TObject*) { log.push_back("change"); });
    list.Add("a");
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));

    log.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.SetText("x\r\ny");
    list.EndUpdate();
    EXPECT_EQ(log, (std::vector<std::string>{"changing"}));
    list.EndUpdate();
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));

    log.clear();
    list.SetCommaText("1,2,3");  // one notification for the whole text
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
}

TEST(TStrings, CopiesMovesAndCompares) {
    TObject first, second;
    TStringList source;
    source.AddObject("one", &first);
    source.AddObject("two", &second);
    source.Add("three");

    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_TRUE(copy.Equals(&source));
    EXPECT_EQ(copy.Objects(1), &second);
    EXPECT_EQ(copy.ClassName(), "TStringList");
    EXPECT_TRUE(copy.InheritsFrom(TStrings::StaticClass()));
    copy.Assign(&copy);
    EXPECT_EQ(copy.Count(), 3);

    copy.AddStrings(&copy);
    EXPECT_EQ(LinesOf(copy), (Lines{"one", "two", "three", "one", "two", "three"}));
    EXPECT_FALSE(copy.Equals(&source));

    copy.Move(0, 2);
    copy.Exchange(0, 5);
    EXPECT_EQ(LinesOf(copy), (Lines{"three", "three", "one", "one", "two", "two"}));
    EXPECT_EQ(copy.IndexOfObject(&first), 2);
    EXPECT_EQ(copy.Objects(5), &second);
    EXPECT_EQ(copy.IndexOfObject(nullptr), 0);
}

// A component publishing a list, as a list box publishes its items.
class TTestListBox : public TComponent {
    SERVIORA_CLASS(TTestListBox, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items) { items_->Assign(items); }

private:
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
};
void TTestListBox::Published(TPublished<TTestListBox>& p) {
    p.Property("Items", &TTestListBox::Items, &TTestListBox::SetItems);
}

TEST(TStrings, FormDescriptionsHoldTheLines) {
    const std::string description = Utf8(u8R"(object Box: TTestListBox
  Items.Strings = (
    'one'
    '维修 ''单'''
    '')
end
)");
    TTestListBox box(nullptr);
    box.Items()->Add("replaced");
    ReadComponentFromString(description, &box);
    EXPECT_EQ(LinesOf(*box.Items()), (Lines{"one", "维修 '单'", ""}));
    EXPECT_EQ(ComponentToText(&box), description);

    box.Items()->Clear();  // an empty list is not written
    EXPECT_EQ(ComponentToText(&box), "object Box: TTestListBox\nend\n");

    TStringList list;
    try {
        list.Assign(&box);
        ADD_FAILURE() << "assigned a component to a list";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TTestListBox to a TStringList");
    }
}

std::string ReadWholeFile(const std::string& utf8Name) {
    std::ifstream in(utf8Name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(TStrings, FilesHoldTheBytesAsStored) {
    TempDir dir;
    const AnsiString name = dir.file("客户名单.txt");
    TStringList list;
    Fill(list, {kBackslashTrail + kBarTrail, "", kFourByte + "\x80"});
    list.SaveToFile(name);
    const AnsiString expected = kBackslashTrail + kBarTrail + "\r\n\r\n" + kFourByte + "\x80\r\n";
    EXPECT_EQ(ReadWholeFile(AnsiToUtf8(name)), expected);

    // Written by another program with LF line ends and no final break.
    {
        std::ofstream out(AnsiToUtf8(name), std::ios::binary);
        out << "维修\n" << kBarTrail;
    }
    TStringList loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(LinesOf(loaded), (Lines{"维修", kBarTrail}));
    EXPECT_THROW(loaded.LoadFromFile(dir.file("没有.txt")), EFOpenError);

    // A stream is read from its position.
    TStringStream stream("skip" + expected);
    stream.SetPosition(4);
    loaded.LoadFromStream(&stream);
    EXPECT_TRUE(loaded.Equals(&list));
    TStringStream out;
    loaded.SaveToStream(&out);
    EXPECT_EQ(out.DataString(), expected);
}

}  // namespace
