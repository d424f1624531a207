// The string grid's published interface: a form description written from a
// grid with changed properties reads back into a new grid that writes the
// same description; values equal to their defaults are not written.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "grid_fixture.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/events.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/writer.h"
#include "platform/ui/imagelist.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/BavSearchFooter.h"
#include "stringgrid/editors/bqgcheck.h"

namespace {

class PublishedTest : public StringGridTest {};

TEST_F(PublishedTest, AWrittenGridReadsBackEqual) {
    form->SetName("GridForm");
    grid->SetName("Grid");
    grid->SetLook(glSoft);
    grid->SetFlat(true);
    grid->Bands()->SetActive(true);
    grid->FloatingFooter()->SetColumn(2);
    grid->SearchFooter()->SetVisible(true);
    grid->SearchFooter()->SetFindNextCaption("下一个");
    grid->SearchFooter()->SetSearchColumn(1);
    grid->SearchFooter()->SetShowHighLight(false);
    grid->SearchFooter()->Font()->SetSize(11);
    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    grid->SortSettings()->SetShow(true);
    grid->ColumnHeaders()->SetCommaText("型号,状态");
    const std::string written = ComponentToText(form);
    for (const char* line : {"SearchFooter.FindNextCaption", "SearchFooter.SearchColumn = 1",
                             "SearchFooter.ShowHighLight = False", "SearchFooter.Visible = True",
                             "MouseActions.FixedRowsEdit = fceDblClick", "Look = glSoft"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;

    form->SetName("Original");
    TForm* copyForm = NewForm(600, 400);
    ReadComponentFromString(written, copyForm);
    EXPECT_EQ(ComponentToText(copyForm), written);
    auto* copy = dynamic_cast<TBavStringGrid*>(copyForm->FindComponent("Grid"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->SearchFooter()->FindNextCaption(), "下一个");
    EXPECT_EQ(copy->SearchPanel()->Height(), 32);
    EXPECT_FALSE(copy->SearchPanel()->HighlightButton()->Visible());
    EXPECT_EQ(copy->SearchFooter()->Font()->Size(), 11);
}

TEST_F(PublishedTest, DefaultsAreNotWritten) {
    form->SetName("GridForm");
    grid->SetName("Grid");
    const std::string written = ComponentToText(form);
    for (const char* name : {"SearchFooter.AutoSearch", "SearchFooter.Visible", "SearchFooter.SearchColumn",
                             "SearchFooter.Color ", "Look =", "Flat =", "MouseActions.FixedRowsEdit"})
        EXPECT_EQ(written.find(name), std::string::npos) << name << "\n" << written;
}

}  // namespace

namespace {

// Every published property of the grid: the lines that set it to a value
// other than its default in a form description (empty: not written back
// as read, see below), and whether a default is declared, so that a fresh
// grid does not write it.
struct PublishedCase {
    const char* name;
    const char* lines;
    bool hasDefault;
};

const PublishedCase kPublished[] = {
    {"ActiveRowShow", "ActiveRowShow = True", true},
    {"ActiveRowColor", "ActiveRowColor = clRed", true},
    {"DefaultDrawing", "DefaultDrawing = True", true},
    {"GridLineWidth", "GridLineWidth = 2", true},
    {"GridLineColor", "GridLineColor = clRed", true},
    {"UndoRedo", "UndoRedo = Undo", false},
    {"DragDropSettings", "DragDropSettings.OleDropRTF = True", false},
    {"OfficeHint", "OfficeHint.Title = 'Tip'", false},
    {"HintColor", "HintColor = clRed", true},
    {"HintShowCells", "HintShowCells = True", true},
    {"HintShowLargeText", "HintShowLargeText = True", true},
    {"HintShowSizing", "HintShowSizing = True", true},
    {"HTMLHint", "HTMLHint = True", true},
    {"OemConvert", "OemConvert = True", true},
    {"AnchorHint", "AnchorHint = True", true},
    {"ActiveCellShow", "ActiveCellShow = True", true},
    {"ActiveCellFont", "ActiveCellFont.Height = -15", false},
    {"ActiveCellColor", "ActiveCellColor = clRed", true},
    {"ActiveCellColorTo", "ActiveCellColorTo = clRed", true},
    {"AutoNumAlign", "AutoNumAlign = True", true},
    {"AutoSize", "AutoSize = True", true},
    // Recolours the active cell when loaded, which would hide the colours'
    // own cases; the theme tests cover it.
    {"AutoThemeAdapt", "", true},
    {"Balloon", "Balloon.BackgroundColor = clRed", false},
    {"Bands", "Bands.Active = True", false},
    {"BackGround", "BackGround.Top = 5", false},
    {"CellNode", "CellNode.Color = clRed", false},
    {"CellChecker", "CellChecker = Checker", false},
    {"ColCount", "ColCount = 7", true},
    {"ColumnHeaders", "ColumnHeaders.Strings = (\n  'Model'\n  'State')", false},
    {"ColumnSize", "ColumnSize.Save = True", false},
    {"ControlLook", "ControlLook.CheckSize = 18", false},
    {"Cursor", "Cursor = -21", false},
    {"DefaultRowHeight", "DefaultRowHeight = 25", false},
    {"DefaultEditor", "DefaultEditor = edSpinEdit", true},
    {"DragScrollOptions", "DragScrollOptions.Active = True", false},
    {"EditWithTags", "EditWithTags = True", true},
    {"EnableBlink", "EnableBlink = True", true},
    {"EnableHTML", "EnableHTML = False", true},
    {"EnableWheel", "EnableWheel = False", true},
    {"EnhTextSize", "EnhTextSize = True", true},
    {"ExcelStyleDecimalSeparator", "ExcelStyleDecimalSeparator = True", true},
    // Empty cells pass the filter, so it keeps every row.
    {"Filter", "Filter = <\n  item\n    Column = 1\n    Condition = '='\n  end>", false},
    {"FilterActive", "FilterActive = True", true},
    {"FixedCols", "FixedCols = 2", true},
    {"FixedAsButtons", "FixedAsButtons = True", true},
    {"FixedFooters", "FixedFooters = 1", true},
    {"FixedRightCols", "FixedRightCols = 1", true},
    // Applied outside loading only; it reads back column 0's width.
    {"FixedColWidth", "", true},
    {"FixedRowHeight", "FixedRowHeight = 30", true},
    {"FixedRowAlways", "FixedRowAlways = True", true},
    {"FixedRows", "FixedRows = 2", true},
    {"FixedColAlways", "FixedColAlways = True", true},
    {"FixedFont", "FixedFont.Height = -15", false},
    {"Flat", "Flat = True", true},
    {"FloatFormat", "FloatFormat = '%.3f'", false},
    {"FloatingFooter", "FloatingFooter.Column = 2", false},
    {"GridImages", "GridImages = Images", false},
    {"Grouping", "Grouping.MergeHeader = True", false},
    {"HideFocusRect", "HideFocusRect = True", true},
    {"Hovering", "Hovering = True", true},
    {"HTMLSettings", "HTMLSettings.AutoPreview = True", false},
    {"IntegralHeight", "IntegralHeight = True", true},
    {"IntelliPan", "IntelliPan = ipBoth", true},
    {"IntelliZoom", "IntelliZoom = False", true},
    {"Look", "Look = glSoft", true},
    {"LookupItems", "LookupItems.Strings = (\n  'Nokia')", false},
    {"Lookup", "Lookup = True", true},
    {"LookupCaseSensitive", "LookupCaseSensitive = True", true},
    {"LookupHistory", "LookupHistory = True", true},
    {"MaxEditLength", "MaxEditLength = 20", true},
    {"MouseActions", "MouseActions.ColSelect = True", false},
    {"Multilinecells", "Multilinecells = True", true},
    {"Navigation", "Navigation.AllowInsertRow = True", false},
    {"PictureContainer", "PictureContainer = Pictures", false},
    {"PrintSettings", "PrintSettings.Time = ppTopLeft", false},
    {"ProgressAppearance", "ProgressAppearance.CompleteColor = clPurple", false},
    {"RowCount", "RowCount = 12", true},
    {"RowHeaders", "RowHeaders.Strings = (\n  '1')", false},
    // A bitmap: its picture data round-trips with the other bitmaps'.
    {"RowIndicator", "", false},
    {"ScrollBarAlways", "ScrollBarAlways = saVert", true},
    {"ScrollBars", "ScrollBars = ssVertical", false},
    {"ScrollColor", "ScrollColor = clRed", true},
    {"ScrollProportional", "ScrollProportional = True", true},
    {"ScrollSynch", "ScrollSynch = True", true},
    {"ScrollType", "ScrollType = ssFlat", true},
    {"ScrollWidth", "ScrollWidth = 20", true},
    {"ScrollHints", "ScrollHints = shBoth", true},
    {"SearchFooter", "SearchFooter.AutoSearch = False", false},
    {"SelectionColor", "SelectionColor = clRed", true},
    {"SelectionColorTo", "SelectionColorTo = clRed", true},
    {"SelectionRectangle", "SelectionRectangle = True", true},
    {"SelectionResizer", "SelectionResizer = True", true},
    {"SelectionRTFKeep", "SelectionRTFKeep = True", true},
    {"SelectionTextColor", "SelectionTextColor = clRed", true},
    {"ShowSelection", "ShowSelection = False", true},
    {"ShowModified", "ShowModified.Enabled = True", false},
    {"SizeWhileTyping", "SizeWhileTyping.Height = True", false},
    {"SizeWithForm", "SizeWithForm = True", true},
    {"SortSettings", "SortSettings.Show = True", false},
    {"URLColor", "URLColor = clRed", true},
    {"URLShow", "URLShow = True", true},
    {"URLFull", "URLFull = True", true},
    {"URLEdit", "URLEdit = True", true},
    {"VAlignment", "VAlignment = vtaCenter", true},
    {"Version", "Version = '1.0.0.0'", false},
    {"WordWrap", "WordWrap = False", true},
};

// Indents each line of a case for a grid inside a form.
std::string Indented(const char* lines) {
    std::string text = "    ";
    for (const char* c = lines; *c; ++c) {
        text += *c;
        if (*c == '\n') text += "    ";
    }
    return text;
}

// Every event of the grid with the type it is published as, in the
// published order.
struct EventCase {
    const char* name;
    const char* type;
};

const EventCase kEvents[] = {
    {"OnGetDisplText", "TGetDisplTextEvent"},
    {"OnGetDisplWideText", "TGetDisplWideTextEvent"},
    {"OnAutoAdvance", "TAutoAdvanceEvent"},
    {"OnCustomCellDraw", "TCustomCellDrawEvent"},
    {"OnCustomCellSize", "TCustomCellSizeEvent"},
    {"OnGetCellColor", "TGridColorEvent"},
    {"OnGetCellPrintColor", "TGridColorEvent"},
    {"OnGetCellPrintBorder", "TGridBorderEvent"},
    {"OnGetCellBorder", "TGridBorderEvent"},
    {"OnGetCellBorderProp", "TGridBorderPropEvent"},
    {"OnGetAlignment", "TGridAlignEvent"},
    {"OnGetWordWrap", "TWordWrapEvent"},
    {"OnGetFormat", "TGridFormatEvent"},
    {"OnGetCheckTrue", "TGetCheckEvent"},
    {"OnGetCheckFalse", "TGetCheckEvent"},
    {"OnGridHint", "TGridHintEvent"},
    {"OnOfficeHint", "TOfficeHintEvent"},
    {"OnRowUpdate", "TRowChangedEvent"},
    {"OnRowChanging", "TRowChangingEvent"},
    {"OnColChanging", "TColChangingEvent"},
    {"OnCellChanging", "TCellChangingEvent"},
    {"OnCellBalloon", "TGridBalloonEvent"},
    {"OnPrintPage", "TGridPrintPageEvent"},
    {"OnPrintPageDone", "TGridPrintPageDoneEvent"},
    {"OnPrintStart", "TGridPrintStartEvent"},
    {"OnPrintCancel", "TGridPrintCancelEvent"},
    {"OnFitToPage", "TDoFitToPageEvent"},
    {"OnPrintNewPage", "TGridPrintNewPageEvent"},
    {"OnPrintSetColumnWidth", "TGridPrintColumnWidthEvent"},
    {"OnPrintSetRowHeight", "TGridPrintRowHeightEvent"},
    {"OnCanAddRow", "TCanAddRowEvent"},
    {"OnAutoAddRow", "TAutoAddRowEvent"},
    {"OnCanInsertRow", "TCanInsertRowEvent"},
    {"OnAutoInsertRow", "TAutoInsertRowEvent"},
    {"OnRowDisjunctSelected", "TAutoInsertRowEvent"},
    {"OnAutoInsertCol", "TAutoInsertColEvent"},
    {"OnCanDeleteRow", "TCanDeleteRowEvent"},
    {"OnAutoDeleteRow", "TAutoDeleteRowEvent"},
    {"OnClickSort", "TClickSortEvent"},
    {"OnCanSort", "TCanSortEvent"},
    {"OnExpandNode", "TNodeClickEvent"},
    {"OnContractNode", "TNodeClickEvent"},
    {"OnBeforeExpandNode", "TNodeAllowEvent"},
    {"OnBeforeContractNode", "TNodeAllowEvent"},
    {"OnCustomCompare", "TCustomCompareEvent"},
    {"OnRawCompare", "TRawCompareEvent"},
    {"OnClickCell", "TClickCellEvent"},
    {"OnRightClickCell", "TClickCellEvent"},
    {"OnComboCloseUp", "TClickCellEvent"},
    {"OnDblClickCell", "TDblClickCellEvent"},
    {"OnCanClickCell", "TCanClickCellEvent"},
    {"OnCanEditCell", "TCanEditCellEvent"},
    {"OnIsFixedCell", "TIsFixedCellEvent"},
    {"OnIsPasswordCell", "TIsPasswordCellEvent"},
    {"OnAnchorClick", "TAnchorClickEvent"},
    {"OnAnchorEnter", "TAnchorEvent"},
    {"OnAnchorExit", "TAnchorEvent"},
    {"OnAnchorHint", "TAnchorHintEvent"},
    {"OnControlClick", "TCellControlEvent"},
    {"OnControlEditDone", "TCellControlEvent"},
    {"OnControlComboList", "TCellComboControlEvent"},
    {"OnClipboardPaste", "TClipboardEvent"},
    {"OnClipboardCopy", "TClipboardEvent"},
    {"OnClipboardCut", "TClipboardEvent"},
    {"OnClipboardBeforePasteCell", "TBeforeCellPasteEvent"},
    {"OnClipboardBeforePasteWideCell", "TBeforeCellPasteWideEvent"},
    {"OnCellValidate", "TCellValidateEvent"},
    {"OnCellValidateWide", "TCellValidateWideEvent"},
    {"OnCellsChanged", "TCellsChangedEvent"},
    {"OnFileProgress", "TGridProgressEvent"},
    {"OnFilterProgress", "TGridProgressEvent"},
    {"OnHasComboBox", "THasComboEvent"},
    {"OnGetEditorType", "TGetEditorTypeEvent"},
    {"OnGetEditorProp", "TGetEditorPropEvent"},
    {"OnGetFloatFormat", "TFloatFormatEvent"},
    {"OnEllipsClick", "TEllipsClickEvent"},
    {"OnButtonClick", "TButtonClickEvent"},
    {"OnCheckBoxClick", "TCheckBoxClickEvent"},
    {"OnCheckBoxMouseUp", "TCheckBoxClickEvent"},
    {"OnRadioClick", "TRadioClickEvent"},
    {"OnRadioMouseUp", "TRadioClickEvent"},
    {"OnComboChange", "TComboChangeEvent"},
    {"OnComboObjectChange", "TComboObjectChangeEvent"},
    {"OnSpinClick", "TSpinClickEvent"},
    {"OnFloatSpinClick", "TFloatSpinClickEvent"},
    {"OnTimeSpinClick", "TDateTimeSpinClickEvent"},
    {"OnDateSpinClick", "TDateTimeSpinClickEvent"},
    {"OnRichEditSelectionChange", "TNotifyEvent"},
    {"OnEditingDone", "TNotifyEvent"},
    {"OnResize", "TNotifyEvent"},
    {"OnDragScroll", "TDragScrollEvent"},
    {"OnEditChange", "TEditChangeEvent"},
    {"OnDateTimeChange", "TDateTimeChangeEvent"},
    {"OnFooterPaint", "TFooterPaintEvent"},
    {"OnRowDisjunctSelect", "TRowDisjunctSelectEvent"},
    {"OnSelectionChanged", "TSelectionChanged"},
    {"OnOleDrop", "TOleDragDropEvent"},
    {"OnOleDrag", "TOleDragDropEvent"},
    {"OnOleDropped", "TOleDroppedEvent"},
    {"OnOleDragOver", "TOleDragOverEvent"},
    {"OnOleDragStart", "TOleDragStartEvent"},
    {"OnOleDragStop", "TOleDragStopEvent"},
    {"OnOleDropCol", "TOleDropColEvent"},
    {"OnOleDropFile", "TOleDropFileEvent"},
    {"OnScrollHint", "TScrollHintEvent"},
    {"OnColumnSize", "TColumnSizeEvent"},
    {"OnColumnMove", "TColumnSizeEvent"},
    {"OnRowSize", "TRowSizeEvent"},
    {"OnRowMove", "TRowSizeEvent"},
    {"OnEndColumnSize", "TEndColumnSizeEvent"},
    {"OnUpdateColumnSize", "TUpdateColumnSizeEvent"},
    {"OnEndRowSize", "TEndRowSizeEvent"},
    {"OnSelectionResize", "TSelectionResizeEvent"},
    {"OnSelectionResized", "TSelectionResizeEvent"},
    {"OnSetEditWideText", "TSetEditWideTextEvent"},
    {"OnGetEditWideText", "TGetEditWideTextEvent"},
    {"OnSaveCell", "TCellSaveLoadEvent"},
    {"OnLoadCell", "TCellSaveLoadEvent"},
};

// Reads a form description whose handler names the form does not publish:
// each name becomes a marker that is written back as it was read.
void ReadWithHandlerMarkers(const std::string& description, TForm* form) {
    TReader reader(description);
    static const char marker = 0;
    reader.SetOnFindMethod([&](TReader*, const AnsiString& name, TMethod& address, bool& error) {
        address = MakeNameMarker(&marker, form, name);
        error = false;
    });
    reader.ReadRootComponent(form);
}

// The handler a description binds to an event ("OnClickCell = GridClickCell").
std::string Binding(const char* event) { return std::string(event) + " = Grid" + (event + 2); }

TEST_F(PublishedTest, EveryPublishedPropertyReadsBackAndKeepsItsDefaultUnwritten) {
    RegisterClasses({TBavGridUndoRedo::StaticClass(), TBavStringGridCheck::StaticClass(),
                     TImageList::StaticClass(), TPictureContainer::StaticClass()});
    std::string description =
        "object GridForm: TForm\n"
        "  object Undo: TBavGridUndoRedo\n  end\n"
        "  object Checker: TBavStringGridCheck\n  end\n"
        "  object Images: TImageList\n  end\n"
        "  object Pictures: TPictureContainer\n  end\n"
        "  object Grid: TBavStringGrid\n";
    // In the order a form is written, which reading relies on (the row
    // count comes before the fixed rows it may lower).
    for (PPropInfo prop : GetPropList(TBavStringGrid::StaticClass())) {
        if (prop->Kind() == tkMethod) description += "    " + Binding(prop->Name().c_str()) + "\n";
        for (const PublishedCase& c : kPublished)
            if (*c.lines && prop->Name() == c.name) description += Indented(c.lines) + "\n";
    }
    description += "  end\nend\n";
    ReadWithHandlerMarkers(description, form);
    auto* read = dynamic_cast<TBavStringGrid*>(form->FindComponent("Grid"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->DataRowCount(), 12) << "the counts are set through the grid's own setters";
    const std::string written = ComponentToText(form);
    for (PPropInfo prop : GetPropList(read))
        if (prop->Kind() == tkMethod) {
            EXPECT_NE(written.find("    " + Binding(prop->Name().c_str()) + "\n"), std::string::npos)
                << prop->Name();
        }
    form->SetName("Original");
    TForm* copyForm = NewForm(600, 400);
    ReadWithHandlerMarkers(written, copyForm);
    EXPECT_EQ(ComponentToText(copyForm), written);

    TForm* freshForm = NewForm(600, 400);
    auto* fresh = new TBavStringGrid(freshForm);
    fresh->SetParent(freshForm);
    fresh->SetName("Fresh");
    const std::string defaults = ComponentToText(freshForm);
    ASSERT_NE(defaults.find("object Fresh: TBavStringGrid"), std::string::npos) << defaults;
    for (const PublishedCase& c : kPublished) {
        EXPECT_TRUE(IsPublishedProp(read, c.name)) << c.name;
        if (*c.lines) {
            EXPECT_NE(written.find(Indented(c.lines) + "\n"), std::string::npos) << c.lines;
        }
        if (c.hasDefault) {
            EXPECT_EQ(defaults.find("\n    " + std::string(c.name) + " ="), std::string::npos) << c.name;
        }
    }
    // Written in the published order; the platform grid's own properties
    // keep their places ahead of the grid's.
    std::size_t last = written.find("object Grid:");
    for (const PublishedCase& c : kPublished) {
        if (!*c.lines || IsPublishedProp(TStringGrid::StaticClass(), c.name)) continue;
        const std::size_t at = written.find(Indented(c.lines) + "\n", last);
        ASSERT_NE(at, std::string::npos) << c.name << " is written out of order";
        last = at;
    }
    // The four references to other components are forgotten when those go.
    EXPECT_EQ(read->GridImages(), form->FindComponent("Images"));
    EXPECT_EQ(read->PictureContainer(), form->FindComponent("Pictures"));
    EXPECT_EQ(read->UndoRedo(), form->FindComponent("Undo"));
    EXPECT_EQ(read->CellChecker(), form->FindComponent("Checker"));
    for (const char* name : {"Images", "Pictures", "Undo", "Checker"}) delete form->FindComponent(name);
    EXPECT_EQ(read->GridImages(), nullptr);
    EXPECT_EQ(read->PictureContainer(), nullptr);
    EXPECT_EQ(read->UndoRedo(), nullptr);
    EXPECT_EQ(read->CellChecker(), nullptr);
}

// Events a form resource may name: the printing ones and the custom cell
// size are kept for streaming only.
TEST_F(PublishedTest, TheCellAndPrintingEventsArePublished) {
    for (const char* name : {"OnCustomCellSize", "OnCheckBoxMouseUp", "OnRadioMouseUp", "OnComboCloseUp",
                             "OnPrintStart", "OnPrintCancel", "OnPrintPage", "OnPrintNewPage", "OnPrintPageDone",
                             "OnPrintSetColumnWidth", "OnPrintSetRowHeight", "OnFitToPage", "OnFooterPaint",
                             "OnGetEditWideText", "OnSetEditWideText"})
        EXPECT_TRUE(IsPublishedProp(grid, name)) << name;
}

}  // namespace

namespace {

TEST_F(PublishedTest, TheDragAndDropEventsAreBoundFromADescription) {
    const char* const events[] = {"OnOleDrag", "OnOleDragStart", "OnOleDragStop", "OnOleDragOver",
                                  "OnOleDrop", "OnOleDropped",   "OnOleDropFile", "OnOleDropCol"};
    std::string description = "object GridForm: TForm\n  object Grid: TBavStringGrid\n";
    for (const char* event : events) description += "    " + Binding(event) + "\n";
    description += "  end\nend\n";
    ReadWithHandlerMarkers(description, form);
    auto* read = dynamic_cast<TBavStringGrid*>(form->FindComponent("Grid"));
    ASSERT_TRUE(read);
    const std::string written = ComponentToText(form);
    for (const char* event : events) {
        EXPECT_TRUE(IsPublishedProp(read, event)) << event;
        EXPECT_NE(written.find(Binding(event) + "\n"), std::string::npos) << event << "\n" << written;
    }
}

// Assigning these owned objects copies the value into the grid's own
// object; the given one stays the caller's.
TEST_F(PublishedTest, AssigningAnOwnedObjectCopiesIt) {
    TFont font;
    font.SetSize(15);
    grid->SetActiveCellFont(&font);
    grid->SetFixedFont(&font);
    TBavHintInfo hint;
    hint.SetTitle("提示");
    grid->SetOfficeHint(&hint);
    TBalloonSettings balloon;
    balloon.SetBackgroundColor(clRed);
    grid->SetBalloon(&balloon);
    TBackGround background(grid);
    background.SetTop(7);
    grid->SetBackGround(&background);
    TStringList lines;
    lines.SetCommaText("型号,状态");
    grid->SetColumnHeaders(&lines);
    grid->SetRowHeaders(&lines);
    grid->SetLookupItems(&lines);
    TDragScrollOptions dragScroll;
    dragScroll.SetActive(true);
    grid->SetDragScrollOptions(&dragScroll);
    TGridProgressAppearance progress;
    progress.SetCompleteColor(clPurple);
    grid->SetProgressAppearance(&progress);
    TShowModified modified;
    modified.SetEnabled(true);
    grid->SetShowModified(&modified);
    TBitmap indicator;
    indicator.SetWidth(9);
    indicator.SetHeight(9);
    grid->SetRowIndicator(&indicator);

    EXPECT_NE(grid->ActiveCellFont(), &font);
    EXPECT_EQ(grid->ActiveCellFont()->Size(), 15);
    EXPECT_EQ(grid->FixedFont()->Size(), 15);
    EXPECT_NE(grid->OfficeHint(), &hint);
    EXPECT_EQ(grid->OfficeHint()->Title(), "提示");
    EXPECT_EQ(grid->Balloon()->BackgroundColor(), clRed);
    EXPECT_EQ(grid->BackGround()->Top(), 7);
    for (TStrings* copy : {grid->ColumnHeaders(), grid->RowHeaders(), grid->LookupItems()}) {
        EXPECT_NE(copy, &lines);
        EXPECT_EQ(copy->CommaText(), "型号,状态");
    }
    EXPECT_TRUE(grid->DragScrollOptions()->Active());
    EXPECT_EQ(grid->ProgressAppearance()->CompleteColor(), clPurple);
    EXPECT_TRUE(grid->ShowModified()->Enabled());
    EXPECT_NE(grid->RowIndicator(), &indicator);
    EXPECT_EQ(grid->RowIndicator()->Width(), 9);
    // Copying never changes the source, and the copies do not follow it.
    font.SetSize(8);
    lines.Clear();
    EXPECT_EQ(grid->FixedFont()->Size(), 15);
    EXPECT_EQ(grid->ColumnHeaders()->Count(), 2);
}

// Events of one signature share a type here; each is still published as
// the type its handlers are written against, in the published order.
TEST_F(PublishedTest, EveryEventIsPublishedWithItsTypeInOrder) {
    const std::vector<PPropInfo> props = GetPropList(grid);
    std::size_t last = 0;
    for (const EventCase& c : kEvents) {
        PPropInfo prop = GetPropInfo(grid, c.name);
        ASSERT_TRUE(prop) << c.name;
        EXPECT_EQ(prop->PropType()->Name, c.type) << c.name;
        if (IsPublishedProp(TStringGrid::StaticClass(), c.name)) continue;  // keeps the platform's place
        const std::size_t at = std::find(props.begin(), props.end(), prop) - props.begin();
        EXPECT_GT(at, last) << c.name << " is published out of order";
        last = at;
    }
}

}  // namespace
