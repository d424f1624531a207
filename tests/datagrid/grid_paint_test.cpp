// The grid on screen as the application's list windows place it: titles,
// the record pointer, check boxes, formatted values, the current row and
// the yellow footer reading 合计数量 and the count as the data changes;
// multi-level titles, buttons in cells, right-to-left mirroring, the
// style's colours, and how cells are classified and framed.
#include <functional>
#include <utility>

#include "datagrid/DBGridVynStyle.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/reader.h"
#include "platform/ui/stdctrls_edit.h"
#include "support/ado_fixture.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// The list-grid configuration the application's list windows share.
const char8_t* const kListGrid = u8R"(object DBGridVyn1: TDBGridVyn
  Left = 0
  Top = 0
  Width = 560
  Height = 220
  ColumnDefValues.Title.TitleButton = True
  ColumnDefValues.Title.ToolTips = True
  ColumnDefValues.ToolTips = True
  FooterColor = clYellow
  FooterRowCount = 1
  Hint = '单击列头可实现排序'
  Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
  OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
  ReadOnly = True
  ShowHint = True
  SortLocal = True
  SumList.Active = True
  Columns = <
    item
      Alignment = taCenter
      FieldName = '串码'
      Footer.Alignment = taCenter
      Footer.Value = '合计数量'
      Footer.ValueType = fvtStaticText
      Title.Alignment = taCenter
      Title.SortIndex = 1
      Title.SortMarker = smUpVyn
      Width = 100
    end
    item
      Alignment = taCenter
      FieldName = '品牌'
      Footer.Alignment = taCenter
      Footer.FieldName = '品牌'
      Footer.ValueType = fvtCount
      Title.Alignment = taCenter
      Title.SortIndex = 2
      Title.SortMarker = smDownVyn
      Width = 70
    end
    item
      Alignment = taCenter
      FieldName = '价格'
      DisplayFormat = '0.00'
      Title.Alignment = taCenter
      Width = 60
    end
    item
      Alignment = taCenter
      FieldName = '已返厂'
      Title.Alignment = taCenter
      Width = 50
    end
    item
      Alignment = taCenter
      FieldName = '已换机'
      Title.Alignment = taCenter
      Width = 50
    end>
end
)";

class GridPaintTest : public AdoFixture {
protected:
    void SetUp() override {
        AdoFixture::SetUp();
        saved_ = Application;
        application_.reset(TApplication::Create(nullptr));
        Application = application_.get();
        Exec("insert into 流水记录([编号],[串码],[品牌],[价格],[已返厂],[已换机]) "
             "values('0000000001','351234','诺基亚',1200.5,true,false)");
        Exec("insert into 流水记录([编号],[串码],[品牌],[价格],[已返厂],[已换机]) "
             "values('0000000002','351235','摩托罗拉',800,false,true)");
        Exec("insert into 流水记录([编号],[串码],[品牌],[价格],[已返厂],[已换机]) "
             "values('0000000003','351236','三星',99.9,true,true)");
        orders_ = Open("select 编号, 串码, 品牌, 价格, 已返厂, 已换机 from 流水记录 order by 编号");
        source_ = std::make_unique<TDataSource>(nullptr);
        source_->SetDataSet(orders_.get());
        form_ = TForm::Create(Application, 0);
        form_->SetBounds(40, 40, 600, 280);
        TReader reader(Utf8(kListGrid));
        grid_ = static_cast<TDBGridVyn*>(reader.ReadRootComponent(nullptr));
        grid_->SetParent(form_);
        grid_->SetDataSource(source_.get());
        form_->Show();
        ProcessMessages();
    }
    void TearDown() override {
        delete grid_;
        source_.reset();
        orders_.reset();
        application_.reset();
        Application = saved_;
        ProcessMessages();
    }
    AnsiString FooterText(int column) { return grid_->FooterCellText(0, grid_->Columns()->Items(column)); }
    // The pixel shown at a point of the grid's client area.
    COLORREF ClientPixel(int x, int y) {
        POINT origin{0, 0};
        ClientToScreen(grid_->Handle(), &origin);
        RECT window{};
        GetWindowRect(grid_->Handle(), &window);
        return ShownPixel(grid_->Handle(), x + origin.x - window.left, y + origin.y - window.top);
    }
    // The pixel shown at the middle of a cell's left part (clear of its text).
    COLORREF CellPixel(int col, int row) {
        const TRect r = grid_->CellRect(col, row);
        return ClientPixel(r.left + 2, (r.top + r.bottom) / 2);
    }

    std::unique_ptr<TADOQuery> orders_;
    std::unique_ptr<TDataSource> source_;
    TForm* form_ = nullptr;
    TDBGridVyn* grid_ = nullptr;

private:
    TApplication* saved_ = nullptr;
    std::unique_ptr<TApplication> application_;
};

TEST_F(GridPaintTest, TheFooterReadsTheStaticTextAndFollowsTheCount) {
    EXPECT_EQ(FooterText(0), "合计数量");
    EXPECT_EQ(FooterText(1), "3");
    const int footerRow = grid_->RowCount() - 1;
    EXPECT_EQ(CellPixel(1, footerRow), ColorToRGB(clYellow));
    EXPECT_EQ(CellPixel(2, footerRow), ColorToRGB(clYellow));

    orders_->Append();
    orders_->FieldByName("编号")->SetAsString("0000000004");
    orders_->Post();
    EXPECT_EQ(FooterText(1), "4");
    orders_->Append();
    orders_->Cancel();
    EXPECT_EQ(FooterText(1), "4");
    orders_->Delete();
    EXPECT_EQ(FooterText(1), "3");
    orders_->Close();
    EXPECT_EQ(FooterText(1), "0");
    orders_->Open();
    EXPECT_EQ(FooterText(1), "3");
}

TEST_F(GridPaintTest, RowsShowFieldsChecksAndTheCurrentRow) {
    TColumnVyn* price = grid_->Columns()->Items(2);
    orders_->First();
    EXPECT_EQ(price->CellDisplayText(), "1200.50");
    EXPECT_TRUE(grid_->Columns()->Items(3)->Checkboxes());
    EXPECT_EQ(grid_->Columns()->Items(3)->CheckState(), cbChecked);
    EXPECT_EQ(grid_->Columns()->Items(4)->CheckState(), cbUnchecked);
    EXPECT_EQ(grid_->Columns()->Items(0)->Title()->Caption(), "串码");  // the field's display name
    // The current row: highlighted while the grid has the focus; without it
    // plain, or in the button-shadow colour under dgAlwaysShowSelection.
    const int top = grid_->TopDataOffset();
    grid_->SetFocus();
    ProcessMessages();
    EXPECT_EQ(CellPixel(3, top), ColorToRGB(clHighlight));
    EXPECT_EQ(CellPixel(3, top + 1), ColorToRGB(clWindow));
    TEdit* other = TEdit::Create(form_);
    other->SetParent(form_);
    other->SetBounds(0, 240, 100, 20);
    other->SetFocus();
    ProcessMessages();
    EXPECT_EQ(CellPixel(3, top), ColorToRGB(clWindow));
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgAlwaysShowSelection});
    ProcessMessages();
    EXPECT_EQ(CellPixel(3, top), ColorToRGB(clBtnShadow));
}

TEST_F(GridPaintTest, MultiLevelTitlesShowTheirBandsOverTheColumns) {
    const char* const captions[] = {"手机|串码", "手机|品牌", "价格", "状态|已返厂", "状态|已换机"};
    for (int i = 0; i < 5; ++i) grid_->Columns()->Items(i)->Title()->SetCaption(captions[i]);
    grid_->SetUseMultiTitle(true);
    grid_->SetFocus();
    ProcessMessages();
    THeadTreeNode* phone = grid_->LeafNode(0)->ParentNode;
    EXPECT_EQ(phone->NodeText, "手机");
    EXPECT_EQ(grid_->LeafNode(1)->ParentNode, phone);
    EXPECT_EQ(grid_->LeafNode(2)->ParentNode, grid_->TitleRoot());
    // The title row holds both levels: the header band above the leaf band.
    EXPECT_GT(grid_->RowHeights(0), 2 * grid_->LeafNode(2)->NodeHeight / 3);
    // Three rows selected from the keyboard, as a user extends with Shift.
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
    orders_->First();
    SimulateKey(VK_SHIFT, true);
    for (int i = 0; i < 2; ++i) SimulateKey(VK_DOWN, true), SimulateKey(VK_DOWN, false);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_EQ(grid_->SelectedRows()->Count(), 3);
    SaveWindowScreenshot(form_->Handle(), ScreenshotDir() + "dbgrid.png");
}

TEST_F(GridPaintTest, AColumnAlwaysShowingItsButtonDrawsItAtTheRight) {
    TColumnVyn* price = grid_->Columns()->Items(2);
    price->SetButtonStyle(cbsEllipsis);
    price->SetAlwaysShowEditButton(true);
    ProcessMessages();
    const int row = grid_->TopDataOffset() + 1;
    const TRect cell = grid_->CellRect(3, row);
    EXPECT_EQ(ClientPixel(cell.right - 4, cell.top + 4), ColorToRGB(clBtnFace));
    EXPECT_EQ(ClientPixel(cell.left + 2, cell.top + 4), ColorToRGB(clWindow));
}

TEST_F(GridPaintTest, AGridWithoutDataShowsTitlesIndicatorAndOneEmptyRow) {
    grid_->SetDataSource(nullptr);
    ProcessMessages();
    EXPECT_EQ(grid_->RowCount(), grid_->TopDataOffset() + 1 + grid_->FooterRowCount() + 1);  // and the spacer
    EXPECT_EQ(CellPixel(2, grid_->TopDataOffset()), ColorToRGB(clWindow));
    EXPECT_EQ(CellPixel(0, grid_->TopDataOffset()), ColorToRGB(grid_->FixedColor()));
}

TEST_F(GridPaintTest, TheStyleLightensOtherSelectedCellsUnlessTheScreenHasFewColours) {
    TDBGridVynStyle* style = grid_->Style();
    ASSERT_NE(style, nullptr);
    TFont font;
    TGridDrawState state;
    state.Include(gdSelected);
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghRowHighlight});
    TDBGridOptions options = grid_->Options();
    options.Exclude(dgRowSelect);
    grid_->SetOptions(options);
    grid_->SetFocus();
    ProcessMessages();
    // Another cell of the current row in a focused grid: a lightened mix.
    ASSERT_EQ(grid_->Col(), 1);
    TColor background = clWindow;
    TGridDrawState cellState = state;
    EXPECT_TRUE(style->GetDataCellColors(grid_, 1, 0, &font, background, cellState, ""));
    EXPECT_NE(background, clHighlight);
    style->SetScreenNumColors(256);
    background = clWindow;
    cellState = state;
    EXPECT_TRUE(style->GetDataCellColors(grid_, 1, 0, &font, background, cellState, ""));
    EXPECT_EQ(background, clHighlight);
    style->SetScreenNumColors(-1);
}

TEST_F(GridPaintTest, ARightToLeftGridMirrorsItsCellsButNotItsTexts) {
    grid_->SetBiDiMode(bdRightToLeft);
    grid_->Invalidate();
    ProcessMessages();
    const int width = grid_->ClientWidth();
    const TRect row = grid_->CellRect(1, grid_->TopDataOffset() + 1);
    const int y = (row.top + row.bottom) / 2;
    EXPECT_EQ(ClientPixel(width - 4, y), ColorToRGB(grid_->FixedColor()));  // the indicator at the right
    EXPECT_EQ(ClientPixel(4, y), ColorToRGB(clWindow));
    // The first column's text lands in its mirrored cell, left of the indicator.
    int ink = 0;
    for (int x = width - 12 - 100; x < width - 12; ++x)
        if (ClientPixel(x, y) == ColorToRGB(clWindowText)) ++ink;
    EXPECT_GT(ink, 5);
    SaveWindowScreenshot(form_->Handle(), ScreenshotDir() + "dbgrid-rtl.png");
}

// The dark pixels of a title cell's sort-marker end (glyph and index) as
// the nearest and farthest distance from the cell's edge on that side: its
// right edge, or its left one when the grid is mirrored.
std::pair<int, int> MarkerInk(TDBGridVyn* grid, int col, const std::function<COLORREF(int, int)>& pixel) {
    const TRect cell = grid->CellRect(col, 0);
    const bool mirrored = grid->UseRightToLeftAlignment();
    int nearest = -1, farthest = -1;
    for (int d = 0; d < 26; ++d)
        for (int y = cell.top + 2; y < cell.bottom - 2; ++y) {
            const COLORREF c = pixel(mirrored ? cell.left + d : cell.right - 1 - d, y);
            if (GetRValue(c) >= 0x70 || GetGValue(c) >= 0x70 || GetBValue(c) >= 0x70) continue;
            if (nearest < 0) nearest = d;
            farthest = d;
        }
    return {nearest, farthest};
}

TEST_F(GridPaintTest, ARightToLeftGridShowsEachSortMarkerAndIndexInsideItsOwnTitleMirrored) {
    const auto pixel = [this](int x, int y) { return ClientPixel(x, y); };
    const std::pair<int, int> leftToRight[] = {MarkerInk(grid_, 1, pixel), MarkerInk(grid_, 2, pixel)};
    ASSERT_GT(leftToRight[0].first, 0);
    grid_->SetBiDiMode(bdRightToLeft);
    grid_->Invalidate();
    ProcessMessages();
    for (int col : {1, 2}) EXPECT_EQ(MarkerInk(grid_, col, pixel), leftToRight[col - 1]) << "column " << col;
}

TEST_F(GridPaintTest, SpacerAndFooterTakeTheirColoursAndLines) {
    const int spacer = grid_->RowCount() - 2;
    const int footer = grid_->RowCount() - 1;
    EXPECT_EQ(CellPixel(0, spacer), ColorToRGB(grid_->Color()));  // the spacer's indicator cell
    const TRect cell = grid_->CellRect(2, footer);
    const TRect data = grid_->CellRect(2, grid_->TopDataOffset());
    EXPECT_EQ(ClientPixel(data.right, data.top + 3), ColorToRGB(clSilver));
    EXPECT_EQ(ClientPixel(cell.right, cell.top + 3), ColorToRGB(clSilver));
    grid_->SetFooterColor(clBtnFace);  // footers in the fixed colour get the fixed lines
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghFrozen3D});
    ProcessMessages();
    EXPECT_EQ(ClientPixel(cell.right, cell.top + 3), ColorToRGB(clBlack));
    EXPECT_EQ(CellPixel(0, spacer), ColorToRGB(grid_->FixedColor()));
}

}  // namespace

namespace {

using GridCellTypesTest = GridTest;

TEST_F(GridCellTypesTest, CellsAreClassifiedByAreaAndFramedBy3DOptions) {
    FillPhones(3);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 200, [&](TProbeGrid* g) {
        g->SetDataSource(source_.get());
        g->SetFooterRowCount(2);
    });
    const int rows = grid->RowCount();  // title, three records, spacer, two footers
    ASSERT_EQ(rows, 7);
    struct Case {
        int col, row, horz, vert, index;
    };
    for (const Case& c : {Case{0, 0, 0, 0, 0}, Case{1, 0, 1, 0, 0}, Case{2, 3, 1, 2, 2}, Case{0, 4, 0, 3, 0},
                          Case{3, 5, 1, 4, 1}, Case{3, 6, 1, 4, 2}}) {
        const TCellTypeVyn type = grid->GetCellType(c.col, c.row);
        EXPECT_EQ(type.Horz, c.horz) << c.col << "," << c.row;
        EXPECT_EQ(type.Vert, c.vert) << c.col << "," << c.row;
        EXPECT_EQ(type.Index, c.index) << c.col << "," << c.row;
    }
    EXPECT_THROW(grid->GetCellType(1, rows), EInvalidGridOperation);
    TGridDrawState fixed;
    fixed.Include(gdFixed);
    const TRect any{0, 0, 10, 10};
    EXPECT_TRUE(grid->CellIs3D(1, 0, fixed, any));    // a title under dghFixed3D
    EXPECT_FALSE(grid->CellIs3D(0, 4, fixed, any));   // the spacer's indicator
    EXPECT_FALSE(grid->CellIs3D(2, 5, {}, any));      // a footer without dghFooter3D
    grid->SetOptionsVyn(grid->OptionsVyn() + TDBGridVynOptions{dghFooter3D, dghData3D});
    EXPECT_TRUE(grid->CellIs3D(2, 5, {}, any));
    EXPECT_TRUE(grid->CellIs3D(2, 2, {}, any));
    EXPECT_TRUE(grid->CellIs3D(0, 4, fixed, any));    // with dghData3D the spacer's indicator too
}

}  // namespace
