// The lookup grid over a list of brands: its row count and whole-row
// heights, finding the key, type-ahead, the special row, lookup mode from a
// master lookup field and its refusals, the key row's colours, and the
// drop-down form's grip.
#include "datagrid/DBLookupGridColumnsVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class TCountingPopupGrid : public TPopupDataGridVyn {
    SERVIORA_CLASS(TCountingPopupGrid, TPopupDataGridVyn)
public:
    using TPopupDataGridVyn::TPopupDataGridVyn;
    int layoutPasses = 0;

protected:
    void LayoutPass() override {
        ++layoutPasses;
        TPopupDataGridVyn::LayoutPass();
    }
};

class TMovingLookupGrid : public TDBLookupGridVyn {
    SERVIORA_CLASS(TMovingLookupGrid, TDBLookupGridVyn)
public:
    using TDBLookupGridVyn::TDBLookupGridVyn;
    using TDBLookupGridVyn::ColumnMoved;
};

class LookupGridTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        brands_.AddColumn("代码", ftInteger);
        brands_.AddColumn("名称", ftString, 40);
        int code = 1;
        for (const char* name : {"Alpha", "Alps", "Beta", "Bolt", "Cosmos", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"})
            brands_.AddRow({code++, name});
        brands_.Open();
        brandSource_.SetDataSet(&brands_);
    }
    void TearDown() override {
        forms_.clear();
        GridTest::TearDown();
    }
    template <class Grid = TDBLookupGridVyn>
    Grid* NewLookupGrid(TDataSource* list = nullptr, const char* listField = "名称", const char* keyField = "代码") {
        forms_.emplace_back(TForm::Create(nullptr));
        TForm* form = forms_.back().get();
        form->SetBounds(0, 0, 400, 400);
        auto* grid = Grid::Create(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 300, 200);
        grid->SetListSource(list ? list : &brandSource_);
        grid->SetListField(listField);
        grid->SetKeyField(keyField);
        form->Show();
        ProcessMessages();
        return grid;
    }

    TMemoryDataSet brands_{nullptr};
    TDataSource brandSource_{nullptr};
};

AnsiString ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return "no error";
}

}  // namespace

TEST_F(LookupGridTest, RowCountsAreLimitedAndHeightsSnapToWholeRows) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    EXPECT_EQ(grid->Options(), (TDBGridOptions{dgColLines, dgRowSelect}));
    const struct {
        int asked, rows;
    } counts[] = {{0, 1}, {150, 100}, {5, 5}};
    for (const auto& c : counts) {
        grid->SetListRowCount(c.asked);
        EXPECT_EQ(grid->ListRowCount(), c.rows);
        EXPECT_EQ(grid->ClientHeight(), c.rows * grid->ListRowHeight());
    }
    grid->SetHeight(3 * grid->ListRowHeight() + grid->FrameSize() + grid->ListRowHeight() / 2);
    EXPECT_EQ(grid->ListRowCount(), 3);
    EXPECT_EQ(grid->ClientHeight(), 3 * grid->ListRowHeight());
    grid->SpecRow()->SetVisible(true);
    grid->SetListRowCount(3);
    EXPECT_EQ(grid->ClientHeight(), 4 * grid->ListRowHeight());
}

TEST_F(LookupGridTest, AnArrayKeyIsFoundOnlyWithAsManyKeyFields) {
    TMemoryDataSet pairs(nullptr);
    pairs.AddColumn("甲", ftInteger);
    pairs.AddColumn("乙", ftString, 4);
    pairs.AddRow({1, "x"});
    pairs.AddRow({2, "y"});
    pairs.Open();
    TDataSource source(nullptr);
    source.SetDataSet(&pairs);
    TDBLookupGridVyn* grid = NewLookupGrid(&source, "乙", "甲");
    const struct {
        const char* keyField;
        Variant key;
        bool found;
    } cases[] = {{"甲;乙", VarArrayOf({2, "y"}), true},
                 {"甲;乙", VarArrayOf({2, "x"}), false},
                 {"甲", VarArrayOf({2, "y"}), false},
                 {"甲;乙", Variant(2), false},
                 {"甲", Variant(2), true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyField);
        grid->SetKeyField(c.keyField);
        grid->SetKeyValue(c.key);
        EXPECT_EQ(grid->FindKeyInList(), c.found);
        // A key the list does not hold shows no record's text.
        EXPECT_EQ(grid->SelectedText(), c.found ? AnsiString("y") : AnsiString());
    }
}

TEST_F(LookupGridTest, TypeAheadGoesOnWithin2000MillisecondsAndStopsAt32Bytes) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    FreezeClock(EncodeDate(2024, 5, 1));
    const struct {
        char key;
        Cardinal pause;
        const char* search;
        int chosen;
    } steps[] = {{'a', 2001, "a", 1},  {'l', 100, "al", 1}, {'p', 100, "alp", 1}, {'s', 1999, "alps", 2},
                 {'b', 2001, "b", 3},  {'o', 10, "bo", 4},  {'q', 10, "bo", 4},   {'\b', 10, "", 4}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.search);
        AdvanceClock(step.pause);
        grid->IncrementalSearch(step.key);
        EXPECT_EQ(grid->SearchText(), step.search);
        EXPECT_EQ(grid->KeyValue().AsInteger(), step.chosen);
    }
    AdvanceClock(2001);
    for (int i = 0; i < 33; ++i) grid->IncrementalSearch('x');
    EXPECT_EQ(grid->SearchText(), AnsiString(32, 'x'));
    EXPECT_EQ(grid->KeyValue().AsInteger(), 6);
    ReleaseClock();
}

TEST_F(LookupGridTest, UpFromTheFirstRecordChoosesTheSpecialRowAndDownLeavesIt) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SpecRow()->SetCellsText("(无)");
    grid->SpecRow()->SetValue(-1);
    grid->SpecRow()->SetVisible(true);
    grid->SetKeyValue(2);
    grid->SetFocus();
    ProcessMessages();
    const struct {
        int vk;
        int key;
        bool special;
        const char* text;
    } steps[] = {{VK_UP, 1, false, "Alpha"}, {VK_UP, -1, true, "(无)"}, {VK_UP, -1, true, "(无)"},
                 {VK_DOWN, 1, false, "Alpha"}, {VK_END, 6, false, nullptr}, {VK_HOME, 1, false, "Alpha"}};
    for (const auto& step : steps) {
        Key(step.vk);
        EXPECT_EQ(grid->KeyValue().AsInteger(), step.key);
        EXPECT_EQ(grid->SpecRowSelected(), step.special);
        if (step.text) {
            EXPECT_EQ(grid->SelectedText(), step.text);
        }
    }
}

TEST_F(LookupGridTest, AMasterLookupFieldBringsItsListAndRefusesAnother) {
    TMemoryDataSet orders(nullptr);
    orders.AddColumn("编号", ftString, 10);
    orders.AddColumn("品牌代码", ftInteger);
    orders.AddRow({"1", 3});
    AddPersistentField(&orders, "编号", TStringField::StaticClass());
    AddPersistentField(&orders, "品牌代码", TIntegerField::StaticClass());
    AddLookupField(&orders, "品牌", &brands_, "品牌代码", "代码", "名称");
    orders.Open();
    TDataSource ordersSource(nullptr);
    ordersSource.SetDataSet(&orders);

    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SetListSource(nullptr);
    grid->SetKeyField("");
    grid->SetMasterSource(&ordersSource);
    grid->SetDataField("品牌");
    EXPECT_TRUE(grid->LookupMode());
    ASSERT_TRUE(grid->ListSource());
    EXPECT_EQ(grid->ListSource()->DataSet(), &brands_);
    EXPECT_EQ(grid->KeyField(), "代码");
    EXPECT_EQ(grid->KeyValue().AsInteger(), 3);
    EXPECT_EQ(grid->SelectedText(), "Beta");
    EXPECT_EQ(ErrorOf([&] { grid->SetKeyField("名称"); }), "Property already defined by lookup field");
    EXPECT_EQ(ErrorOf([&] { grid->SetListSource(&brandSource_); }), "Property already defined by lookup field");

    // Choosing writes the key into the master record.
    brands_.Locate("代码", 5, {});
    grid->ChooseCurrentRecord();
    EXPECT_EQ(orders.FieldByName("品牌代码")->AsInteger(), 5);
    EXPECT_EQ(grid->KeyValue().AsInteger(), 5);

    grid->SetDataField("");
    grid->SetMasterSource(nullptr);
}

TEST_F(LookupGridTest, CircularLinksAndFixedSourcesAreRefused) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SetMasterSource(&brandSource_);
    EXPECT_EQ(ErrorOf([&] { grid->SetDataField("代码"); }), "Circular datalinks are not allowed");
    grid->SetMasterSource(nullptr);
    grid->MasterLink()->SetDataSourceFixed(true);
    EXPECT_EQ(ErrorOf([&] { grid->SetKeyField("名称"); }), "Operation not allowed in a DBCtrlGrid");
    EXPECT_EQ(ErrorOf([&] { grid->SetListSource(nullptr); }), "Operation not allowed in a DBCtrlGrid");
    grid->MasterLink()->SetDataSourceFixed(false);
}

TEST_F(LookupGridTest, TheKeysRowIsPaintedInHighlightColours) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SetKeyValue(3);
    brands_.First();
    grid->Invalidate();
    ProcessMessages();
    const auto rowColour = [&](int record) {
        const TRect cell = grid->CellRect(0, grid->TopDataOffset() + record);
        return ShownPixel(grid->Handle(), cell.left + 3, (cell.top + cell.bottom) / 2 + 2);
    };
    const COLORREF highlight = ColorToRGB(clHighlight);
    EXPECT_EQ(rowColour(2), highlight);
    EXPECT_NE(rowColour(0), highlight);
    EXPECT_NE(rowColour(1), highlight);
}

TEST_F(LookupGridTest, ADropDownAboveItsControlKeepsItsGripThroughALayout) {
    auto* popup = NewLookupGrid<TCountingPopupGrid>();
    popup->SetListRowCount(5);
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 10;
    const TPoint at = PlaceDropDownAtRect({100, bottom - 20, 300, bottom}, popup, daLeft);
    ShowDropDownAt(popup, at);
    ProcessMessages();
    EXPECT_LE(at.y + popup->Height(), bottom - 20);
    EXPECT_EQ(popup->SizeGrip()->GripPosition(), sgpTopRight);
    const int gripTop = popup->SizeGrip()->Top();

    // The deferred layout lays the grid out and leaves the grip alone.
    popup->layoutPasses = 0;
    PostMessage(popup->Handle(), WM_DEFERRED_LAYOUT_VYN, 0, 0);
    ProcessMessages();
    EXPECT_EQ(popup->layoutPasses, 1);
    EXPECT_EQ(popup->SizeGrip()->GripPosition(), sgpTopRight);
    EXPECT_EQ(popup->SizeGrip()->Top(), gripTop);

    // The grip's side moves the grip and lays nothing out.
    popup->Perform(GripSideMessage, 3, 0);
    EXPECT_EQ(popup->layoutPasses, 1);
    EXPECT_EQ(popup->SizeGrip()->GripPosition(), sgpBottomRight);
    HideDropDown(popup);
}

TEST_F(LookupGridTest, ADroppedDownListShowsTitlesTheSpecialRowAndTheKey) {
    auto* popup = NewLookupGrid<TPopupDataGridVyn>();
    popup->SetListField("代码;名称");
    popup->SetListFieldIndex(1);
    popup->SetShowTitles(true);
    popup->SpecRow()->SetCellsText("0;(无品牌)");
    popup->SpecRow()->SetValue(0);
    popup->SpecRow()->SetVisible(true);
    popup->SetListRowCount(5);
    popup->SetKeyValue(3);
    ShowDropDownAt(popup, TPoint{40, 40});
    popup->Invalidate();
    ProcessMessages();
    EXPECT_EQ(popup->ListRowCount(), 5);
    EXPECT_EQ(popup->SelectedText(), "Beta");
    EXPECT_TRUE(SaveWindowScreenshot(popup->Handle(), ScreenshotDir() + "dbgrid-lookup-grid.png"));
    HideDropDown(popup);
}

TEST_F(LookupGridTest, TheWheelScrollsTheListAndKeepsTheChoice) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SetListRowCount(3);
    grid->SetKeyValue(1);
    grid->SetFocus();
    ProcessMessages();
    const POINT p{20, grid->ListRowHeight() + 2};
    SimulateWheel(grid->Handle(), p, -WHEEL_DELTA);
    ProcessMessages();
    EXPECT_EQ(brands_.RecNo(), 4);
    SimulateWheel(grid->Handle(), p, WHEEL_DELTA);
    ProcessMessages();
    EXPECT_LT(brands_.RecNo(), 4);
    EXPECT_EQ(grid->KeyValue().AsInteger(), 1);
}

TEST_F(LookupGridTest, TheScrollBarFollowsTheListsRecordNumbers) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    const struct {
        int rows;
        bool shown;
    } cases[] = {{3, true}, {6, false}, {10, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        grid->SetListRowCount(c.rows);
        brands_.First();
        ProcessMessages();
        SCROLLINFO info{};
        info.fMask = SIF_ALL;
        GetScrollInfo(grid->Handle(), SB_VERT, &info);
        EXPECT_EQ(info.nMax, 5);
        EXPECT_EQ(static_cast<int>(info.nPage), std::min(c.rows, 6));  // a page never exceeds the range
        EXPECT_EQ((GetWindowLongPtr(grid->Handle(), GWL_STYLE) & WS_VSCROLL) != 0, c.shown);
    }
    grid->SetListRowCount(3);
    grid->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    ProcessMessages();
    SCROLLINFO info{};
    info.fMask = SIF_POS;
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 3);  // the first of the last three records
    grid->Perform(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(brands_.RecNo(), 3);
}

TEST_F(LookupGridTest, AMovedColumnTakesItsSpecialCellAndTheDisplayFieldAlong) {
    auto* grid = NewLookupGrid<TMovingLookupGrid>();
    grid->SetListField("代码;名称");
    grid->SetListFieldIndex(1);
    grid->SpecRow()->SetCellsText("0;(无)");
    grid->SpecRow()->SetVisible(true);
    grid->SetKeyValue(3);
    auto cell = [&](int index) {
        return static_cast<TDBLookupGridColumnVyn*>(grid->Columns()->Items(index))->SpecCell();
    };
    ASSERT_TRUE(dynamic_cast<TDBLookupGridColumnVyn*>(grid->Columns()->Items(0)));
    EXPECT_EQ(cell(1)->Text(), "(无)");
    grid->ColumnMoved(1, 0);
    EXPECT_EQ(grid->SpecRow()->CellsText(), "(无);0");
    EXPECT_EQ(grid->ListFieldIndex(), 0);
    EXPECT_EQ(grid->ListField(), "名称;代码");
    EXPECT_EQ(grid->Columns()->Items(0)->FieldName(), "名称");
    EXPECT_EQ(cell(0)->Text(), "(无)");
    EXPECT_EQ(grid->SelectedText(), "Beta");
    // A cell's own text stands; its colour still follows the special row.
    cell(1)->SetText("无码");
    grid->SpecRow()->SetColor(clYellow);
    EXPECT_EQ(cell(1)->Text(), "无码");
    EXPECT_EQ(cell(1)->Color(), clYellow);
}

TEST_F(LookupGridTest, FittedColumnsFillTheWidthWhenSetAndWhenTheWindowIsSized) {
    TDBLookupGridVyn* grid = NewLookupGrid();
    grid->SetListField("代码;名称");
    grid->SetListRowCount(10);  // every record in view: no vertical bar
    for (const int width : {300, 420}) {
        SCOPED_TRACE(width);
        grid->SetWidth(width);
        if (!grid->AutoFitColWidths()) grid->SetAutoFitColWidths(true);
        ProcessMessages();
        EXPECT_NEAR(grid->ContentWidth(), grid->ClientWidth(), 2);
        EXPECT_FALSE(grid->TCustomDBGridVyn::AutoFitColWidths());  // fitted once, not all the time
    }
}
