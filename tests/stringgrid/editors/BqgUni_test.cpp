#include "stringgrid/editors/BqgUni.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/component.h"
#include "platform/rtl/writer.h"
#include "platform/ui/control_fixture.h"
#include "platform/ui/stdctrls_combo.h"

namespace {

// The smallest concrete wide list: texts and objects in two vectors.
class TTestWideList : public TWideStrings {
public:
    TTestWideList() { CreateAnsiStrings(); }
    void Clear() override {
        texts_.clear();
        objects_.clear();
    }
    void Delete(int index) override {
        texts_.erase(texts_.begin() + index);
        objects_.erase(objects_.begin() + index);
    }
    void Insert(int index, const WideString& s) override {
        texts_.insert(texts_.begin() + index, s);
        objects_.insert(objects_.begin() + index, nullptr);
    }
    int updates = 0;

protected:
    WideString Get(int index) const override { return texts_.at(std::size_t(index)); }
    int GetCount() const override { return int(texts_.size()); }
    TObject* GetObject(int index) const override { return objects_.at(std::size_t(index)); }
    void PutObject(int index, TObject* object) override { objects_.at(std::size_t(index)) = object; }
    void SetUpdateState(bool updating) override { updates += updating; }

private:
    std::vector<WideString> texts_;
    std::vector<TObject*> objects_;
};

std::vector<WideString> Items(const TWideStrings& list) {
    std::vector<WideString> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
    return items;
}

TEST(WideStrings, TextSplitsAtEveryBreak) {
    struct Case {
        WideString text;
        std::vector<WideString> items;
    };
    const Case cases[] = {
        {u"one\r\ntwo\nthree\u2028four", {u"one", u"two", u"three", u"four"}},
        {u"a\r\n", {u"a"}},
        {u"a\r\n\r\nb", {u"a", u"", u"b"}},
        {u"a\rb\x0B" u"c\x0C" u"d\u2029e", {u"a", u"b", u"c", u"d", u"e"}},
        {WideString(u"a\0b", 3), {u"a"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        TTestWideList list;
        list.Add(u"old");
        list.SetTextStr(c.text);
        EXPECT_EQ(Items(list), c.items);
    }
    TTestWideList list;
    list.SetTextStr(u"one\r\ntwo\nthree\u2028four");
    EXPECT_EQ(list.GetTextStr(), u"one\r\ntwo\r\nthree\r\nfour\r\n");
    char16_t* text = list.GetText();
    EXPECT_EQ(WideString(text), list.GetTextStr());
    WideBufferFree(text);
}

TEST(WideStrings, ObjectsStayWithTheirItems) {
    TTestWideList list;
    TObject first, second;
    list.AddObject(u"a", &first);
    list.AddObject(u"b", &second);
    list.Add(u"c");
    list.SetStrings(0, u"A");
    EXPECT_EQ(list.Objects(0), &first) << "Put keeps the object";
    list.Move(0, 2);
    EXPECT_EQ(Items(list), (std::vector<WideString>{u"b", u"c", u"A"}));
    EXPECT_EQ(list.Objects(2), &first);
    list.Exchange(0, 2);
    EXPECT_EQ(Items(list), (std::vector<WideString>{u"A", u"c", u"b"}));
    EXPECT_EQ(list.Objects(0), &first);
    EXPECT_EQ(list.Objects(2), &second);
}

TEST(WideStrings, IndexOfIgnoresCase) {
    TTestWideList list;
    list.SetTextStr(u"Alpha\n中文\nBeta");
    EXPECT_EQ(list.IndexOf(u"BETA"), 2);
    EXPECT_EQ(list.IndexOf(u"中文"), 1);
    EXPECT_EQ(list.IndexOf(u"gamma"), -1);
    EXPECT_EQ(CompareWideTextDirect(u"abc", u"ABD", 0x0804), -1);
    EXPECT_EQ(CompareWideTextViaAnsi(u"ABC", u"abc", 0x0804), 0);
    EXPECT_EQ(CompareWideTextViaAnsi(u"b", u"A", 0x0804), 1);
    EXPECT_EQ(AnsiCodePageOfLocale(0x0804), 936u);
}

TEST(WideStrings, AssignsToAndFromAnsiLists) {
    TTestWideList wide;
    TObject tag;
    TStringList ansi;
    ansi.AddObject(Utf8ToAnsi(Utf8(u8"维修")), &tag);
    ansi.Add("x");
    wide.Assign(&ansi);
    EXPECT_EQ(Items(wide), (std::vector<WideString>{u"维修", u"x"}));
    EXPECT_EQ(wide.Objects(0), &tag);
    EXPECT_EQ(wide.updates, 1);

    TStringList back;
    back.Assign(&wide);
    EXPECT_EQ(back.Text(), ansi.Text());
    EXPECT_EQ(back.Objects(0), &tag);
    EXPECT_EQ(wide.AnsiStrings()->Strings(0), ansi.Strings(0));
    wide.AnsiStrings()->Insert(0, Utf8ToAnsi(Utf8(u8"前")));
    EXPECT_EQ(wide.Strings(0), u"前");

    TTestWideList copy;
    copy.Assign(&wide);
    EXPECT_TRUE(copy.Equals(&wide));
    copy.SetStrings(1, u"Weixiu");
    EXPECT_FALSE(copy.Equals(&wide));
    TComponent unrelated(nullptr);
    EXPECT_THROW(wide.Assign(&unrelated), EConvertError);
}

TEST(WideBuffers, AllocateCopyAndMove) {
    EXPECT_EQ(WideBufferDup(nullptr), nullptr);
    char16_t* buffer = WideBufferAlloc(5);
    std::int32_t size;
    std::memcpy(&size, reinterpret_cast<unsigned char*>(buffer) - 4, 4);
    EXPECT_EQ(size, 14);
    EXPECT_EQ(WideCharCount(buffer), 0);
    WideBufferFree(buffer);

    char16_t text[] = u"abcdef";
    WideCharMove(text + 1, text, 3);
    EXPECT_EQ(WideString(text), u"aabcef") << "source before dest";
    char16_t back[] = u"abcdef";
    WideCharMove(back, back + 2, 3);
    EXPECT_EQ(WideString(back), u"cdedef") << "source after dest";
    char16_t* copy = WideBufferDup(u"中文");
    EXPECT_EQ(WideCharCount(copy), 2);
    EXPECT_EQ(WideString(copy), u"中文");
    WideBufferFree(copy);
}

// A component publishing a wide list, as the Unicode memo publishes its lines.
class TWideLinesHolder : public TComponent {
    SERVIORA_CLASS(TWideLinesHolder, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;
    TWideStrings* Lines() const { return lines_.get(); }
    void SetLines(TWideStrings* lines) { lines_->Assign(lines); }

private:
    std::unique_ptr<TTestWideList> lines_ = std::make_unique<TTestWideList>();
};
void TWideLinesHolder::Published(TPublished<TWideLinesHolder>& p) {
    p.Property("Lines", &TWideLinesHolder::Lines, &TWideLinesHolder::SetLines);
}

TEST(WideStrings, StreamAsWideStrings) {
    TWideLinesHolder holder(nullptr);
    holder.SetName("Holder");
    holder.Lines()->Add(u"中文");
    holder.Lines()->Add(u"𠀀\u00e9");  // outside the double-byte range
    holder.Lines()->Add(u"");
    const std::string text = ComponentToText(&holder);
    EXPECT_NE(text.find("Lines.WideStrings"), std::string::npos) << text;

    TWideLinesHolder read(nullptr);
    read.Lines()->Add(u"replaced");
    ReadComponentFromString(text, &read);
    EXPECT_TRUE(read.Lines()->Equals(holder.Lines()));

    TWideLinesHolder fromBinary(nullptr);
    ReadComponentFromString(ComponentToBinary(&holder), &fromBinary);
    EXPECT_TRUE(fromBinary.Lines()->Equals(holder.Lines()));

    holder.Lines()->Clear();
    EXPECT_EQ(ComponentToText(&holder).find("WideStrings"), std::string::npos) << "an empty list is not written";
}

using ComboBoxStrings = ControlTest;

TEST_F(ComboBoxStrings, ServeTheComboItemsInAnsi) {
    TForm* form = NewForm();
    TComboBox* combo = TComboBox::Create(form);
    combo->SetParent(form);
    TComboBoxStrings items;
    items.SetComboBox(combo);
    EXPECT_EQ(items.CompareLocale(), 0x0804u);
    items.Add(u"维修");
    items.Insert(0, u"first");
    EXPECT_EQ(combo->Items()->Strings(1), Utf8ToAnsi(Utf8(u8"维修")));
    EXPECT_EQ(items.Strings(1), u"维修");
    EXPECT_EQ(items.IndexOf(u"维修"), 1);
    combo->SetText("typed");
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(combo->Text(), "typed") << "clearing keeps the edit text";
}

}  // namespace
