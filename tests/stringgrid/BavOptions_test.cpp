// The grid's option objects: defaults, copying, the setters with rules of
// their own, the dimension accessors and the kept column widths.
#include "stringgrid/BavOptions.h"

#include <fstream>
#include <iterator>

#include "grid_fixture.h"
#include "stringgrid/BavFilter.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/themes/BavXPVS.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/registrystore.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/writer.h"
#include "support/temp_dir.h"

namespace {

using OptionsTest = StringGridTest;

TEST_F(OptionsTest, DefaultsAreTheStreamingDefaults) {
    struct Case {
        TPersistent* object;
        const char* property;
        Int64 value;
    };
    const Case cases[] = {
        {grid->CellNode(), "NodeType", cnXP},
        {grid->CellNode(), "NodeIndent", 12},
        {grid->CellNode(), "TreeColor", clGray},
        {grid->MouseActions(), "AutoSizeColOnDblClick", 1},
        {grid->MouseActions(), "WheelAction", waMoveSelection},
        {grid->Navigation(), "AllowClipboardColGrow", 1},
        {grid->Navigation(), "SkipFixedCells", 1},
        {grid->Navigation(), "AdvanceOnEnter", 0},
        {grid->ColumnSize(), "StretchColumn", -1},
        {grid->ColumnSize(), "Location", clRegistry},
        {grid->SortSettings(), "Full", 1},
        {grid->SortSettings(), "IndexColor", clYellow},
        {grid->ControlLook(), "CheckSize", 15},
        {grid->ControlLook(), "ControlStyle", csWinXP},
        {grid->Bands(), "PrimaryColor", clInfoBk},
        {grid->BackGround(), "Color", clWindow},
        {grid->Balloon(), "ReshowDelay", -1},
        {grid->ShowModified(), "Color", clYellow},
        {grid->ProgressAppearance(), "Steps", 11},
        {grid->ProgressAppearance(), "Level2Color", 0x53A9FF},
        {grid->PrintSettings(), "Borders", pbSingle},
        {grid->HTMLSettings(), "Width", 100},
        {grid->DragDropSettings(), "OleAcceptText", 1},
        {grid->DragScrollOptions()->Delays(), "InitialDelay", 1000},
        {grid->DragScrollOptions()->Margins(), "LeftMargin", 50},
        {grid->Grouping(), "SummaryLineWidth", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetOrdProp(c.object, c.property), c.value) << c.object->ClassName() << "." << c.property;
        PPropInfo info = GetPropInfo(c.object, c.property);
        ASSERT_TRUE(info && info->Default().has_value()) << c.property;
        EXPECT_EQ(*info->Default(), c.value) << c.property << " streams as default";
    }
    EXPECT_EQ(grid->PrintSettings()->DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(grid->PrintSettings()->Orientation(), poPortrait);
}

TEST_F(OptionsTest, AssignCopiesItsListAndTakesOnlyItsOwnClass) {
    TBands bands(nullptr);
    bands.SetPrimaryLength(3);
    bands.SetSecondaryLength(2);
    bands.SetActive(true);
    grid->Bands()->Assign(&bands);
    EXPECT_EQ(grid->Bands()->BandPeriod(), 5);
    EXPECT_TRUE(grid->Bands()->Active());
    grid->Bands()->Assign(grid->Grouping());
    EXPECT_EQ(grid->Bands()->BandPeriod(), 5) << "another class is ignored";

    TCellNode node(nullptr);
    node.SetNodeIndent(20);
    node.ExpandGlyph()->SetSize(3, 3);
    grid->CellNode()->Assign(&node);
    EXPECT_EQ(grid->CellNode()->NodeIndent(), 20);
    EXPECT_EQ(grid->CellNode()->ExpandGlyph()->Width(), 3);
    EXPECT_NE(grid->CellNode()->ExpandGlyph(), node.ExpandGlyph()) << "glyphs are copied";

    TGrouping grouping;
    grouping.SetSummaryLineWidth(7);
    grouping.SetHeaderColor(clRed);
    grid->Grouping()->Assign(&grouping);
    EXPECT_EQ(grid->Grouping()->HeaderColor(), clRed);
    EXPECT_EQ(grid->Grouping()->SummaryLineWidth(), 2) << "not in its copy list";

    TMouseActions mouse(nullptr);
    mouse.SetSizeFixedRow(true);
    grid->MouseActions()->Assign(&mouse);
    EXPECT_TRUE(grid->MouseActions()->SizeFixedRow());

    TBalloonSettings balloon;
    int fired = 0;
    grid->Balloon()->SetOnEnableChange([&](TObject*) { ++fired; });
    balloon.SetEnable(true);
    grid->Balloon()->Assign(&balloon);
    EXPECT_TRUE(grid->Balloon()->Enable());

    TPrintSettings print;
    print.SetTitleText("t");
    print.TitleLines()->Add("line");
    grid->PrintSettings()->Assign(&print);
    EXPECT_EQ(grid->PrintSettings()->TitleLines()->Count(), 1);
    EXPECT_THROW(grid->PrintSettings()->Assign(grid->Bands()), EInvalidCast);

    TGridProgressAppearance progress;
    progress.SetSteps(5);
    int changes = 0;
    grid->ProgressAppearance()->SetOnChange([&](TObject*) { ++changes; });
    grid->ProgressAppearance()->Assign(&progress);
    EXPECT_EQ(grid->ProgressAppearance()->Steps(), 5);
    EXPECT_GE(changes, 1);
}

TEST_F(OptionsTest, SettersWithRulesOfTheirOwn) {
    try {
        grid->SortSettings()->SetRow(1);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(grid->SortSettings()->Row(), 0);
    grid->SortSettings()->SetRow(0);

    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    EXPECT_TRUE(grid->MouseActions()->DisjunctColSelect()) << "at run time the others stay";
}

TEST_F(OptionsTest, FixedRowAlwaysKeepsTheHeader) {
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(1);
    grid->SetRowCount(1);
    EXPECT_EQ(grid->TBaseGrid::FixedRows(), 0);
    EXPECT_EQ(grid->FixedRows(), 1);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->TBaseGrid::FixedRows(), 1);
}

TEST_F(OptionsTest, FixedSizes) {
    grid->SetRowHeights(3, 40);
    grid->SetFixedRowHeight(30);
    EXPECT_EQ(grid->RowHeights(0), 30);
    EXPECT_EQ(grid->RowHeights(3), 40) << "only the fixed rows";
    grid->SetFixedRowHeight(grid->DefaultRowHeight());
    EXPECT_EQ(grid->RowHeights(0), 21);
    EXPECT_EQ(grid->RowHeights(3), 21) << "the default resets every row";
    grid->SetColWidths(0, 30);
    grid->SetFixedColWidth(grid->DefaultColWidth());
    EXPECT_EQ(grid->ColWidths(0), 30) << "the default width leaves the fixed columns";
    grid->SetFixedColWidth(50);
    EXPECT_EQ(grid->FixedColWidth(), 50);
}

std::string FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(OptionsTest, ColumnWidthsGoToAnIniFileOrTheRegistry) {
    TempDir dir;
    grid->SetColCount(3);
    grid->SetColWidths(0, 64);
    grid->SetColWidths(1, 80);
    grid->SetColWidths(2, 100);
    grid->ColumnSize()->SetKey(dir.file("widths.ini"));
    grid->ColumnSize()->SetSection("Section");
    grid->ColumnSize()->SetLocation(clIniFile);
    grid->SaveColumnSizes();
    EXPECT_EQ(FileBytes(dir.file("widths.ini")), FileBytes(STRINGGRID_GOLDEN_DIR "column_sizes.ini"));

    std::ofstream(dir.file("widths.ini"), std::ios::binary) << "[Section]\r\nCol0=70\r\nCol2=90\r\n";
    grid->LoadColumnSizes();
    EXPECT_EQ(grid->ColWidths(0), 70);
    EXPECT_EQ(grid->ColWidths(1), 80) << "a missing value keeps the width";
    EXPECT_EQ(grid->ColWidths(2), 90);

    SetRegistryFileName(dir.file("registry.dat"));
    grid->ColumnSize()->SetLocation(clRegistry);
    grid->ColumnSize()->SetKey("Software\\Shop\\Grid");
    grid->SaveColumnSizes();
    grid->SetColWidths(1, 10);
    grid->LoadColumnSizes();
    EXPECT_EQ(grid->ColWidths(1), 80);
    SetRegistryFileName("");
}

TEST_F(OptionsTest, NestedOptionObjectsStreamIn) {
    const std::string description =
        "object Grid: TBavStringGrid\n"
        "  Bands.Active = True\n"
        "  Bands.PrimaryLength = 2\n"
        "  DragScrollOptions.Delays.RepeatDelay = 100\n"
        "  MouseActions.WheelAction = waScroll\n"
        "  SortSettings.Show = True\n"
        "end\n";
    grid->SetName("Grid");
    ReadComponentFromString(description, grid);
    EXPECT_TRUE(grid->Bands()->Active());
    EXPECT_EQ(grid->Bands()->BandPeriod(), 3);
    EXPECT_EQ(grid->DragScrollOptions()->Delays()->RepeatDelay(), 100);
    EXPECT_EQ(grid->MouseActions()->WheelAction(), waScroll);
    EXPECT_TRUE(grid->SortSettings()->Show());
}

TEST_F(OptionsTest, WithoutVisualStylesTheThemedStyleBecomesClassic) {
    EXPECT_TRUE(xpvs::Theme().loaded);
    EXPECT_FALSE(grid->ThemesAvailable()) << "visual styles are off";
    EXPECT_EQ(grid->DetectXPColorScheme(), 0);
    grid->SetName("Grid");
    ReadComponentFromString("object Grid: TBavStringGrid\n  ControlLook.ControlStyle = csTheme\nend\n", grid);
    EXPECT_EQ(grid->ControlLook()->ControlStyle(), csClassic);
}

TEST_F(OptionsTest, HeadersFilterAndFooterStreamIn) {
    const std::string description =
        "object Grid: TBavStringGrid\n"
        "  ColumnHeaders.Strings = (\n"
        "    'Model'\n"
        "    'B')\n"
        "  Filter = <\n"
        "    item\n"
        "      Column = 2\n"
        "      Condition = '>5'\n"
        "      CaseSensitive = False\n"
        "      Operation = foAND\n"
        "    end>\n"
        "  FloatingFooter.FooterStyle = fsCustomPreview\n"
        "  FloatingFooter.CustomTemplate = 'total <#2>'\n"
        "  Look = glSoft\n"
        "end\n";
    grid->SetName("Grid");
    ReadComponentFromString(description, grid);
    EXPECT_EQ(grid->Cells(0, 0), "Model");
    EXPECT_EQ(grid->Cells(1, 0), "B");
    EXPECT_EQ(grid->Cells(2, 0), "");
    ASSERT_EQ(grid->Filter()->Count(), 1);
    EXPECT_EQ(grid->Filter()->Items(0)->Column(), 2);
    EXPECT_EQ(grid->Filter()->Items(0)->Condition(), ">5");
    EXPECT_FALSE(grid->Filter()->Items(0)->CaseSensitive());
    EXPECT_EQ(grid->Filter()->Items(0)->Operation(), foAND);
    EXPECT_EQ(grid->FloatingFooter()->FooterStyle(), fsCustomPreview);
    EXPECT_EQ(grid->FloatingFooter()->CustomTemplate(), "total <#2>");
    EXPECT_EQ(grid->Look(), glSoft);

    TFilterData copy(nullptr);
    copy.Assign(grid->Filter()->Items(0));
    EXPECT_EQ(copy.Condition(), ">5");
    EXPECT_EQ(copy.Operation(), foAND);
    EXPECT_NE(grid->ArrowWindow(0), nullptr);
    EXPECT_EQ(grid->ArrowWindow(3)->Direction(), 3);
}

}  // namespace
