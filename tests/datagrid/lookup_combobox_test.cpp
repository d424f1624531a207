// The lookup combo box over a list of brands: a plain edit without
// bindings, typing in both styles, two key fields, the drop-down's row
// count, Escape and Enter, the special row's shortcut, stepping while
// closed, dropping down by a press and dragging from the button into the
// list, a master lookup field, and the dropped-down picture.
#include "datagrid/DBLookupVyn.h"

#include "platform/data/field.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/memory_dataset.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

// A key pressed while Alt is held.
void AltKey(int vk) {
    SimulateKey(VK_MENU, true);
    Key(vk);
    SimulateKey(VK_MENU, false);
    ProcessMessages();
}

class LookupComboboxTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        brands = new TMemoryDataSet(form);
        brands->AddColumn("代码", ftInteger);
        brands->AddColumn("名称", ftString, 20);
        int code = 1;
        for (const char* name : {"abc", "abd", "Beta", "Bolt", "Cosmos"}) brands->AddRow({code++, name});
        brands->Open();
        brandSource = new TDataSource(form);
        brandSource->SetDataSet(brands);
        box = Place<TDBLookupComboboxVyn>(form, 10, 10, 150, 21);
    }
    void Bind() {
        box->SetListSource(brandSource);
        box->SetListField("名称");
        box->SetKeyField("代码");
    }
    void Focus() {
        box->SetFocus();
        ProcessMessages();
    }
    std::tuple<AnsiString, int, int> Shown() { return {box->EditText(), box->SelStart(), box->SelLength()}; }
    void Press(HWND window, POINT at, bool down) {
        SimulateMouseButton(window, at, VK_LBUTTON, down);
        ProcessMessages();
    }
    // The middle of the list's data row `row` in the list's client area.
    POINT ListRowPoint(int row) {
        TPopupDataGridVyn* list = box->DropDownList();
        const TRect cell = list->CellRect(0, list->TopDataOffset() + row);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    TMemoryDataSet* brands = nullptr;
    TDataSource* brandSource = nullptr;
    TDBLookupComboboxVyn* box = nullptr;
};

using Shown3 = std::tuple<AnsiString, int, int>;

}  // namespace

TEST_F(LookupComboboxTest, WithoutBindingsItIsAPlainEdit) {
    EXPECT_TRUE(box->Unbound());
    Focus();
    SimulateTyping("xyz");
    ProcessMessages();
    EXPECT_EQ(box->EditText(), "xyz");
    box->SetText("plain");
    EXPECT_EQ(box->EditText(), "plain");
    EXPECT_FALSE(box->ListActive());
}

TEST_F(LookupComboboxTest, TheListStyleCompletesTypedTextAndBackspaceWidensTheSelection) {
    Bind();
    Focus();
    const struct {
        int vk;
        const char* text;
        Shown3 shown;
        int key;
    } steps[] = {{'A', "a", {"abc", 1, 2}, 1},
                 {'B', "b", {"abc", 2, 1}, 1},
                 {'D', "d", {"abd", 3, 0}, 2},
                 {VK_BACK, nullptr, {"abd", 2, 1}, 2},
                 {VK_BACK, nullptr, {"abd", 1, 2}, 2},
                 {'X', "x", {"abd", 1, 2}, 2}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        Key(step.vk, step.text ? step.text : "");
        EXPECT_EQ(Shown(), step.shown);
        EXPECT_EQ(box->KeyValue().AsInteger(), step.key);
    }
}

TEST_F(LookupComboboxTest, TheFreeStyleKeepsAnUnknownTextAndPostsItAsTheValue) {
    Bind();
    box->SetStyle(csDropDownVyn);
    Focus();
    SimulateTyping("Bo");
    ProcessMessages();
    EXPECT_EQ(Shown(), (Shown3{"Bolt", 2, 2}));
    EXPECT_EQ(box->KeyValue().AsInteger(), 4);
    box->SelectAll();
    SimulateTyping("zz");
    ProcessMessages();
    EXPECT_EQ(box->EditText(), "zz");
    EXPECT_TRUE(VarIsNull(box->KeyValue()));
    box->UpdateData(box);
    EXPECT_TRUE(box->DataLink()->OwnValueIsText());
    EXPECT_EQ(box->DataLink()->OwnValue().AsString(), "zz");
    EXPECT_EQ(box->EditText(), "zz");
}

TEST_F(LookupComboboxTest, TwoKeyFieldsRefuseAScalarKey) {
    Bind();
    const struct {
        const char* keyField;
        Variant key;
        const char* text;
    } cases[] = {{"代码;名称", Variant(3), ""},
                 {"代码;名称", VarArrayOf({3, "Beta"}), "Beta"},
                 {"代码", VarArrayOf({3, "Beta"}), ""},
                 {"代码", Variant(5), "Cosmos"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyField);
        box->SetKeyField(c.keyField);
        box->SetKeyValue(Null());
        box->SetKeyValue(c.key);
        EXPECT_EQ(box->FindKeyInList(), AnsiString(c.text) != "");
        EXPECT_EQ(box->EditText(), c.text);
    }
}

TEST_F(LookupComboboxTest, TheListDropsAsManyRowsAsThereAreRecordsUpToRows) {
    TMemoryDataSet many(nullptr);
    many.AddColumn("代码", ftInteger);
    many.AddColumn("名称", ftString, 20);
    for (int i = 1; i <= 20; ++i) many.AddRow({i, "品牌" + IntToStr(i)});
    many.Open();
    TDataSource manySource(nullptr);
    manySource.SetDataSet(&many);
    Bind();
    Focus();
    const struct {
        TDataSource* source;
        int records, rows;
    } cases[] = {{brandSource, 5, 5}, {&manySource, 20, 7}};
    for (const auto& c : cases) {
        box->SetListSource(c.source);
        box->DropDown();
        ASSERT_TRUE(box->ListVisible());
        EXPECT_EQ(box->DropDownList()->ListRowCount(), c.rows);
        EXPECT_GE(box->DropDownList()->Width(), box->Width());
        box->CloseUp(false);
    }
    box->SetListSource(brandSource);
}

TEST_F(LookupComboboxTest, EscapeKeepsTheKeyAndEnterTakesTheHighlightedRecord) {
    Bind();
    box->SetKeyValue(2);
    Focus();
    const struct {
        int closeKey;
        int key;
        const char* text;
    } cases[] = {{VK_ESCAPE, 2, "abd"}, {VK_RETURN, 4, "Bolt"}};
    for (const auto& c : cases) {
        AltKey(VK_DOWN);
        ASSERT_TRUE(box->ListVisible());
        Key(VK_DOWN);
        Key(VK_DOWN);
        EXPECT_EQ(box->DropDownList()->KeyValue().AsInteger(), 4);
        Key(c.closeKey);
        EXPECT_FALSE(box->ListVisible());
        EXPECT_EQ(box->KeyValue().AsInteger(), c.key);
        EXPECT_EQ(box->EditText(), c.text);
    }
}

TEST_F(LookupComboboxTest, TheSpecialRowsShortcutAndUpDownStepWhileClosed) {
    Bind();
    box->DropDownBox()->SpecRow()->SetCellsText("(无)");
    box->DropDownBox()->SpecRow()->SetValue(0);
    box->DropDownBox()->SpecRow()->SetVisible(true);
    box->SetKeyValue(3);
    Focus();
    const struct {
        int vk;
        bool alt;
        int key;
        const char* text;
    } steps[] = {{VK_DOWN, false, 4, "Bolt"},
                 {VK_UP, false, 3, "Beta"},
                 {VK_DELETE, true, 0, "(无)"},
                 {VK_DOWN, false, 1, "abc"}};
    for (const auto& step : steps) {
        step.alt ? AltKey(step.vk) : Key(step.vk);
        EXPECT_EQ(box->KeyValue().AsInteger(), step.key);
        EXPECT_EQ(box->EditText(), step.text);
        EXPECT_EQ(box->SelLength(), static_cast<int>(AnsiString(step.text).size()));
    }
}

TEST_F(LookupComboboxTest, APressDropsTheListAndTheNextClickClosesIt) {
    Bind();
    const POINT onText{20, 10};
    Press(box->Handle(), onText, true);
    EXPECT_TRUE(box->ListVisible());
    Press(box->Handle(), onText, false);
    EXPECT_TRUE(box->ListVisible());
    Press(box->Handle(), onText, true);
    Press(box->Handle(), onText, false);
    EXPECT_FALSE(box->ListVisible());
}

TEST_F(LookupComboboxTest, ADragFromTheButtonIntoTheListChoosesOnRelease) {
    Bind();
    box->SetKeyValue(1);
    const TRect button = box->ButtonAreaRect();
    Press(box->Handle(), POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2}, true);
    ASSERT_TRUE(box->ListVisible());
    TPopupDataGridVyn* list = box->DropDownList();
    const POINT inList = ListRowPoint(2);
    const TPoint overList = box->ScreenToClient(list->ClientToScreen(TPoint{inList.x, inList.y}));
    SimulateMouseMove(box->Handle(), POINT{overList.x, overList.y});
    ProcessMessages();
    Press(list->Handle(), inList, false);
    EXPECT_FALSE(box->ListVisible());
    EXPECT_EQ(box->KeyValue().AsInteger(), 3);
    EXPECT_EQ(box->EditText(), "Beta");
}

TEST_F(LookupComboboxTest, AMasterLookupFieldBringsItsListAndTakesTheChosenKey) {
    auto* orders = new TMemoryDataSet(form);
    orders->AddColumn("编号", ftString, 10);
    orders->AddColumn("品牌代码", ftInteger);
    orders->AddRow({"1", 3});
    AddPersistentField(orders, "编号", TStringField::StaticClass());
    AddPersistentField(orders, "品牌代码", TIntegerField::StaticClass());
    AddLookupField(orders, "品牌", brands, "品牌代码", "代码", "名称");
    orders->Open();
    auto* ordersSource = new TDataSource(form);
    ordersSource->SetDataSet(orders);
    box->SetDataSource(ordersSource);
    box->SetDataField("品牌");
    EXPECT_TRUE(box->LookupMode());
    EXPECT_EQ(box->KeyField(), "代码");
    EXPECT_EQ(box->KeyValue().AsInteger(), 3);
    EXPECT_EQ(box->EditText(), "Beta");
    EXPECT_THROW(box->SetKeyField("名称"), EDatabaseError);
    Focus();
    Key(VK_DOWN);
    EXPECT_EQ(box->EditText(), "Bolt");
    orders->Post();
    EXPECT_EQ(orders->FieldByName("品牌代码")->AsInteger(), 4);
    box->SetDataField("");
}

TEST_F(LookupComboboxTest, DroppedDownWithTitlesASpecialRowAndASizableGrip) {
    Bind();
    box->SetListField("代码;名称");
    box->SetListFieldIndex(1);
    box->DropDownBox()->SetShowTitles(true);
    box->DropDownBox()->SetSizable(true);
    box->DropDownBox()->SetWidth(-1);
    box->DropDownBox()->SpecRow()->SetCellsText("0;(无品牌)");
    box->DropDownBox()->SpecRow()->SetValue(0);
    box->DropDownBox()->SpecRow()->SetVisible(true);
    box->SetKeyValue(3);
    Focus();
    box->DropDown();
    ProcessMessages();
    TPopupDataGridVyn* list = box->DropDownList();
    EXPECT_EQ(list->KeyValue().AsInteger(), 3);
    EXPECT_TRUE(list->SizeGrip()->Visible());
    list->Invalidate();
    ProcessMessages();
    const std::unique_ptr<TBitmap> picture = PictureWithDropDown(form, list);
    EXPECT_TRUE(SaveStackedPictures({picture.get()}, "dbgrid-lookup.png"));
    box->CloseUp(false);
}

TEST_F(LookupComboboxTest, AListTheUserResizedReportsWholeRowsAndItsWidthAtCloseUp) {
    Bind();
    Focus();
    box->DropDown();
    TPopupDataGridVyn* list = box->DropDownList();
    ASSERT_EQ(list->ListRowCount(), 5);
    const int row = list->ListRowHeight();
    list->SetBounds(list->Left(), list->Top(), 220, list->Height() - 2 * row - row / 2);
    box->CloseUp(false);
    EXPECT_EQ(box->DropDownBox()->Rows(), 2);  // two and a half rows snap to two
    EXPECT_EQ(box->DropDownBox()->Width(), 220);
    box->DropDown();
    EXPECT_EQ(list->ListRowCount(), 2);
    EXPECT_EQ(list->Width(), 220);
    box->CloseUp(false);
}

TEST_F(LookupComboboxTest, PostingATextTheListLacksAsksOnNotInListAndTakesTheAddedRecord) {
    Bind();
    box->SetStyle(csDropDownVyn);
    std::vector<AnsiString> asked;
    box->SetOnNotInList([&](TObject*, const AnsiString& text, bool& recheck) {
        asked.push_back(text);
        brands->Append();
        brands->FieldByName("代码")->SetAsInteger(9);
        brands->FieldByName("名称")->SetAsString(text);
        brands->Post();
        recheck = true;
    });
    Focus();
    SimulateTyping("Zeta");
    ProcessMessages();
    EXPECT_TRUE(VarIsNull(box->KeyValue()));
    box->UpdateData(box);
    EXPECT_EQ(asked, (std::vector<AnsiString>{"Zeta"}));
    EXPECT_EQ(box->KeyValue().AsInteger(), 9);
    EXPECT_EQ(box->DataLink()->OwnValue().AsInteger(), 9);
    EXPECT_FALSE(box->DataLink()->OwnValueIsText());
}

TEST_F(LookupComboboxTest, DeleteInTheListStyleClearsTheKeyUnlessARequiredKeyIsPartlySelected) {
    auto* orders = new TMemoryDataSet(form);
    orders->AddColumn("品牌代码", ftInteger);
    orders->AddRow({3});
    TField* key = AddPersistentField(orders, "品牌代码", TIntegerField::StaticClass());
    orders->Open();
    auto* ordersSource = new TDataSource(form);
    ordersSource->SetDataSet(orders);
    Bind();
    box->SetDataSource(ordersSource);
    box->SetDataField("品牌代码");
    Focus();
    EXPECT_EQ(box->EditText(), "Beta");
    key->SetRequired(true);
    box->SetSelStart(1);
    box->SetSelLength(2);
    Key(VK_DELETE);  // a required key: only the whole text may go
    EXPECT_EQ(box->KeyValue().AsInteger(), 3);
    EXPECT_EQ(box->EditText(), "Beta");
    box->SetReadOnly(true);  // nor does a read-only box lose its text
    box->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(box->EditText(), "Beta");
    box->SetReadOnly(false);
    key->SetRequired(false);
    box->SelectAll();
    Key(VK_DELETE);
    EXPECT_TRUE(VarIsNull(box->KeyValue()));
    EXPECT_EQ(box->EditText(), "");
    orders->Post();
    EXPECT_TRUE(orders->FieldByName("品牌代码")->IsNull());
}
