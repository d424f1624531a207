// The grid's option objects: the settings it groups in small persistent
// objects that it owns and publishes (CellNode, MouseActions, Navigation,
// SortSettings, ControlLook and the others). A setter stores its value and,
// where the look changes, repaints the grid; Assign copies from an object of
// the same class only.
#pragma once

#include <memory>

#include "platform/print/printers.h"
#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"
#include "stringgrid/BavObj.h"

class TBavStringGrid;

SERVIORA_ENUM(TNodeType, cnFlat, cn3D, cnGlyph, cnLeaf, cnXP)
SERVIORA_ENUM(TGridFixedCellEdit, fceNone, fceDblClick, fceLeftClick, fceRightClick)
SERVIORA_ENUM(TWheelAction, waMoveSelection, waScroll)
SERVIORA_ENUM(TColumnSizeLocation, clRegistry, clIniFile)
SERVIORA_ENUM(TAdvanceDirection, adLeftRight, adTopBottom)
SERVIORA_ENUM(TInsertPosition, pInsertBefore, pInsertAfter)
SERVIORA_ENUM(THomeEndAction, heFirstLastColumn, heFirstLastRow)
SERVIORA_ENUM(TPrintPosition, ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter)
SERVIORA_ENUM(TPrintBorders, pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
              pbAroundHorizontal, pbCustom)
SERVIORA_ENUM(TFitToPage, fpNever, fpGrow, fpShrink, fpAlways, fpCustom)
SERVIORA_ENUM(TBackGroundDisplay, bdTile, bdFixed, bdGradientHorz, bdGradientVert)
SERVIORA_ENUM(TBackGroundCells, bcNormal, bcFixed, bcAll)
SERVIORA_ENUM(TSortBlankPosition, blFirst, blLast)
SERVIORA_ENUM(TSortDirection, sdAscending, sdDescending)
// The look of cell controls (the platform's TControlStyle names control
// style flags, so this one carries the grid's name).
SERVIORA_ENUM(TGridControlStyle, csClassic, csFlat, csWinXP, csVelmorth, csQuarn, csGlyph, csTheme)

// The nodes of grouped rows and trees.
class TCellNode : public TPersistent {
    SERVIORA_CLASS(TCellNode, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TCellNode(TBavStringGrid* grid);
    ~TCellNode() override;
    void Assign(TPersistent* source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TNodeType NodeType() const { return nodeType_; }
    void SetNodeType(TNodeType value);
    TColor NodeColor() const { return nodeColor_; }
    void SetNodeColor(TColor value) { nodeColor_ = value; }
    TBitmap* ExpandGlyph() const { return expandGlyph_.get(); }
    void SetExpandGlyph(TBitmap* value);
    bool ExpandOne() const { return expandOne_; }
    void SetExpandOne(bool value) { expandOne_ = value; }
    TBitmap* ContractGlyph() const { return contractGlyph_.get(); }
    void SetContractGlyph(TBitmap* value);
    bool ShowTree() const { return showTree_; }
    void SetShowTree(bool value);
    bool ShowTreeFull() const { return showTreeFull_; }
    void SetShowTreeFull(bool value);
    int NodeIndent() const { return nodeIndent_; }
    void SetNodeIndent(int value);
    TColor TreeColor() const { return treeColor_; }
    void SetTreeColor(TColor value);

private:
    TBavStringGrid* grid_;
    TColor color_ = clSilver;
    TNodeType nodeType_ = cnXP;
    TColor nodeColor_ = clBlack;
    std::unique_ptr<TBitmap> expandGlyph_;
    bool expandOne_ = false;
    std::unique_ptr<TBitmap> contractGlyph_;
    bool showTree_ = true;
    bool showTreeFull_ = true;
    int nodeIndent_ = 12;
    TColor treeColor_ = clGray;
};

// Whether cells grow while typing.
class TSizeWhileTyping : public TPersistent {
    SERVIORA_CLASS(TSizeWhileTyping, TPersistent)
    SERVIORA_PUBLISHED
public:
    TSizeWhileTyping();
    void Assign(TPersistent* source) override;

    bool Height() const { return height_; }
    void SetHeight(bool value) { height_ = value; }
    bool Width() const { return width_; }
    void SetWidth(bool value) { width_ = value; }

private:
    bool height_ = false;
    bool width_ = false;
};

// What the mouse does.
class TMouseActions : public TPersistent {
    SERVIORA_CLASS(TMouseActions, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TMouseActions(TBavStringGrid* grid);
    void Assign(TPersistent* source) override;

    bool ColSelect() const { return colSelect_; }
    void SetColSelect(bool value) { colSelect_ = value; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value) { rowSelect_ = value; }
    bool AllSelect() const { return allSelect_; }
    void SetAllSelect(bool value) { allSelect_ = value; }
    bool DirectEdit() const { return directEdit_; }
    void SetDirectEdit(bool value) { directEdit_ = value; }
    bool DirectComboDrop() const { return directComboDrop_; }
    void SetDirectComboDrop(bool value) { directComboDrop_ = value; }
    bool DirectDateDrop() const { return directDateDrop_; }
    void SetDirectDateDrop(bool value) { directDateDrop_ = value; }
    bool DisjunctRowSelect() const { return disjunctRowSelect_; }
    void SetDisjunctRowSelect(bool value);
    bool DisjunctColSelect() const { return disjunctColSelect_; }
    void SetDisjunctColSelect(bool value);
    bool AllColumnSize() const { return allColumnSize_; }
    void SetAllColumnSize(bool value) { allColumnSize_ = value; }
    bool AllRowSize() const { return allRowSize_; }
    void SetAllRowSize(bool value) { allRowSize_ = value; }
    bool CaretPositioning() const { return caretPositioning_; }
    void SetCaretPositioning(bool value) { caretPositioning_ = value; }
    bool SizeFixedCol() const { return sizeFixedCol_; }
    void SetSizeFixedCol(bool value) { sizeFixedCol_ = value; }
    bool SizeFixedRow() const { return sizeFixedRow_; }
    void SetSizeFixedRow(bool value) { sizeFixedRow_ = value; }
    bool DisjunctCellSelect() const { return disjunctCellSelect_; }
    void SetDisjunctCellSelect(bool value);
    TGridFixedCellEdit FixedRowsEdit() const { return fixedRowsEdit_; }
    void SetFixedRowsEdit(TGridFixedCellEdit value) { fixedRowsEdit_ = value; }
    TGridFixedCellEdit FixedColsEdit() const { return fixedColsEdit_; }
    void SetFixedColsEdit(TGridFixedCellEdit value) { fixedColsEdit_ = value; }
    bool HotmailRowSelect() const { return hotmailRowSelect_; }
    void SetHotmailRowSelect(bool value);
    bool RangeSelectAndEdit() const { return rangeSelectAndEdit_; }
    void SetRangeSelectAndEdit(bool value) { rangeSelectAndEdit_ = value; }
    bool NoAutoRangeScroll() const { return noAutoRangeScroll_; }
    void SetNoAutoRangeScroll(bool value) { noAutoRangeScroll_ = value; }
    bool PreciseCheckBoxCheck() const { return preciseCheckBoxCheck_; }
    void SetPreciseCheckBoxCheck(bool value) { preciseCheckBoxCheck_ = value; }
    bool CheckAllCheck() const { return checkAllCheck_; }
    void SetCheckAllCheck(bool value) { checkAllCheck_ = value; }
    bool NodeAllExpandContract() const { return nodeAllExpandContract_; }
    void SetNodeAllExpandContract(bool value) { nodeAllExpandContract_ = value; }
    bool MoveRowOnNodeClick() const { return moveRowOnNodeClick_; }
    void SetMoveRowOnNodeClick(bool value) { moveRowOnNodeClick_ = value; }
    bool RowSelectPersistent() const { return rowSelectPersistent_; }
    void SetRowSelectPersistent(bool value) { rowSelectPersistent_ = value; }
    bool SelectOnRightClick() const { return selectOnRightClick_; }
    void SetSelectOnRightClick(bool value) { selectOnRightClick_ = value; }
    bool NoScrollOnPartialRow() const { return noScrollOnPartialRow_; }
    void SetNoScrollOnPartialRow(bool value) { noScrollOnPartialRow_ = value; }
    int WheelIncrement() const { return wheelIncrement_; }
    void SetWheelIncrement(int value) { wheelIncrement_ = value; }
    TWheelAction WheelAction() const { return wheelAction_; }
    void SetWheelAction(TWheelAction value) { wheelAction_ = value; }
    bool AutoSizeColOnDblClick() const { return autoSizeColOnDblClick_; }
    void SetAutoSizeColOnDblClick(bool value) { autoSizeColOnDblClick_ = value; }

private:
    TBavStringGrid* grid_;
    bool colSelect_ = false;
    bool rowSelect_ = false;
    bool allSelect_ = false;
    bool directEdit_ = false;
    bool directComboDrop_ = false;
    bool directDateDrop_ = false;
    bool disjunctRowSelect_ = false;
    bool disjunctColSelect_ = false;
    bool allColumnSize_ = false;
    bool allRowSize_ = false;
    bool caretPositioning_ = false;
    bool sizeFixedCol_ = false;
    bool sizeFixedRow_ = false;
    bool disjunctCellSelect_ = false;
    TGridFixedCellEdit fixedRowsEdit_ = fceNone;
    TGridFixedCellEdit fixedColsEdit_ = fceNone;
    bool hotmailRowSelect_ = false;
    bool rangeSelectAndEdit_ = false;
    bool noAutoRangeScroll_ = false;
    bool preciseCheckBoxCheck_ = false;
    bool checkAllCheck_ = false;
    bool nodeAllExpandContract_ = false;
    bool moveRowOnNodeClick_ = false;
    bool rowSelectPersistent_ = false;
    bool selectOnRightClick_ = false;
    bool noScrollOnPartialRow_ = false;
    int wheelIncrement_ = 0;
    TWheelAction wheelAction_ = waMoveSelection;
    bool autoSizeColOnDblClick_ = true;
};

// Where column widths are kept and how the columns stretch.
class TColumnSize : public TPersistent {
    SERVIORA_CLASS(TColumnSize, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TColumnSize(TBavStringGrid* grid);
    void Assign(TPersistent* source) override;

    bool Save() const { return save_; }
    void SetSave(bool value) { save_ = value; }
    const AnsiString& Key() const { return key_; }
    void SetKey(const AnsiString& value) { key_ = value; }
    const AnsiString& Section() const { return section_; }
    void SetSection(const AnsiString& value) { section_ = value; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    int StretchColumn() const { return stretchColumn_; }
    void SetStretchColumn(int value) { stretchColumn_ = value; }
    bool SynchWithGrid() const { return synchWithGrid_; }
    void SetSynchWithGrid(bool value) { synchWithGrid_ = value; }
    TColumnSizeLocation Location() const { return location_; }
    void SetLocation(TColumnSizeLocation value) { location_ = value; }

private:
    TBavStringGrid* grid_;
    bool save_ = false;
    AnsiString key_;
    AnsiString section_;
    bool stretch_ = false;
    int stretchColumn_ = -1;
    bool synchWithGrid_ = false;
    TColumnSizeLocation location_ = clRegistry;
};

// How the keyboard moves and edits.
class TNavigation : public TPersistent {
    SERVIORA_CLASS(TNavigation, TPersistent)
    SERVIORA_PUBLISHED
public:
    TNavigation();
    void Assign(TPersistent* source) override;

    bool AllowInsertRow() const { return allowInsertRow_; }
    void SetAllowInsertRow(bool value) { allowInsertRow_ = value; }
    bool AllowDeleteRow() const { return allowDeleteRow_; }
    void SetAllowDeleteRow(bool value) { allowDeleteRow_ = value; }
    bool AdvanceOnEnter() const { return advanceOnEnter_; }
    void SetAdvanceOnEnter(bool value) { advanceOnEnter_ = value; }
    bool AdvanceInsert() const { return advanceInsert_; }
    void SetAdvanceInsert(bool value) { advanceInsert_ = value; }
    bool AutoGotoWhenSorted() const { return autoGotoWhenSorted_; }
    void SetAutoGotoWhenSorted(bool value) { autoGotoWhenSorted_ = value; }
    bool AutoGotoIncremental() const { return autoGotoIncremental_; }
    void SetAutoGotoIncremental(bool value) { autoGotoIncremental_ = value; }
    bool AutoComboDropSize() const { return autoComboDropSize_; }
    void SetAutoComboDropSize(bool value) { autoComboDropSize_ = value; }
    bool AllowClipboardShortCuts() const { return allowClipboardShortCuts_; }
    void SetAllowClipboardShortCuts(bool value) { allowClipboardShortCuts_ = value; }
    bool AllowRTFClipboard() const { return allowRTFClipboard_; }
    void SetAllowRTFClipboard(bool value) { allowRTFClipboard_ = value; }
    bool AllowSmartClipboard() const { return allowSmartClipboard_; }
    void SetAllowSmartClipboard(bool value) { allowSmartClipboard_ = value; }
    bool AllowClipboardAlways() const { return allowClipboardAlways_; }
    void SetAllowClipboardAlways(bool value) { allowClipboardAlways_ = value; }
    bool AllowClipboardColGrow() const { return allowClipboardColGrow_; }
    void SetAllowClipboardColGrow(bool value) { allowClipboardColGrow_ = value; }
    bool AllowClipboardRowGrow() const { return allowClipboardRowGrow_; }
    void SetAllowClipboardRowGrow(bool value) { allowClipboardRowGrow_ = value; }
    bool CopyHTMLTagsToClipboard() const { return copyHTMLTagsToClipboard_; }
    void SetCopyHTMLTagsToClipboard(bool value) { copyHTMLTagsToClipboard_ = value; }
    TAdvanceDirection AdvanceDirection() const { return advanceDirection_; }
    void SetAdvanceDirection(TAdvanceDirection value) { advanceDirection_ = value; }
    bool AdvanceAuto() const { return advanceAuto_; }
    void SetAdvanceAuto(bool value) { advanceAuto_ = value; }
    bool CursorWalkEditor() const { return cursorWalkEditor_; }
    void SetCursorWalkEditor(bool value) { cursorWalkEditor_ = value; }
    bool MoveRowOnSort() const { return moveRowOnSort_; }
    void SetMoveRowOnSort(bool value) { moveRowOnSort_ = value; }
    bool ImproveMaskSel() const { return improveMaskSel_; }
    void SetImproveMaskSel(bool value) { improveMaskSel_ = value; }
    bool AlwaysEdit() const { return alwaysEdit_; }
    void SetAlwaysEdit(bool value) { alwaysEdit_ = value; }
    TInsertPosition InsertPosition() const { return insertPosition_; }
    void SetInsertPosition(TInsertPosition value) { insertPosition_ = value; }
    bool LineFeedOnEnter() const { return lineFeedOnEnter_; }
    void SetLineFeedOnEnter(bool value) { lineFeedOnEnter_ = value; }
    THomeEndAction HomeEndKey() const { return homeEndKey_; }
    void SetHomeEndKey(THomeEndAction value) { homeEndKey_ = value; }
    bool KeepHorizScroll() const { return keepHorizScroll_; }
    void SetKeepHorizScroll(bool value) { keepHorizScroll_ = value; }
    bool AllowFmtClipboard() const { return allowFmtClipboard_; }
    void SetAllowFmtClipboard(bool value) { allowFmtClipboard_ = value; }
    bool TabToNextAtEnd() const { return tabToNextAtEnd_; }
    void SetTabToNextAtEnd(bool value) { tabToNextAtEnd_ = value; }
    bool EditSelectAll() const { return editSelectAll_; }
    void SetEditSelectAll(bool value) { editSelectAll_ = value; }
    TAdvanceDirection TabAdvanceDirection() const { return tabAdvanceDirection_; }
    void SetTabAdvanceDirection(TAdvanceDirection value) { tabAdvanceDirection_ = value; }
    bool SkipFixedCells() const { return skipFixedCells_; }
    void SetSkipFixedCells(bool value) { skipFixedCells_ = value; }
    bool AllowCtrlEnter() const { return allowCtrlEnter_; }
    void SetAllowCtrlEnter(bool value) { allowCtrlEnter_ = value; }
    bool AppendOnArrowDown() const { return appendOnArrowDown_; }
    void SetAppendOnArrowDown(bool value) { appendOnArrowDown_ = value; }

private:
    bool allowInsertRow_ = false;
    bool allowDeleteRow_ = false;
    bool advanceOnEnter_ = false;
    bool advanceInsert_ = false;
    bool autoGotoWhenSorted_ = false;
    bool autoGotoIncremental_ = false;
    bool autoComboDropSize_ = false;
    bool allowClipboardShortCuts_ = false;
    bool allowRTFClipboard_ = false;
    bool allowSmartClipboard_ = false;
    bool allowClipboardAlways_ = false;
    bool allowClipboardColGrow_ = true;
    bool allowClipboardRowGrow_ = true;
    bool copyHTMLTagsToClipboard_ = true;
    TAdvanceDirection advanceDirection_ = adLeftRight;
    bool advanceAuto_ = false;
    bool cursorWalkEditor_ = false;
    bool moveRowOnSort_ = false;
    bool improveMaskSel_ = false;
    bool alwaysEdit_ = false;
    TInsertPosition insertPosition_ = pInsertBefore;
    bool lineFeedOnEnter_ = false;
    THomeEndAction homeEndKey_ = heFirstLastColumn;
    bool keepHorizScroll_ = false;
    bool allowFmtClipboard_ = false;
    bool tabToNextAtEnd_ = false;
    bool editSelectAll_ = true;
    TAdvanceDirection tabAdvanceDirection_ = adLeftRight;
    bool skipFixedCells_ = true;
    bool allowCtrlEnter_ = true;
    bool appendOnArrowDown_ = false;
};

// The settings of an HTML export, kept for streaming.
class THTMLSettings : public TPersistent {
    SERVIORA_CLASS(THTMLSettings, TPersistent)
    SERVIORA_PUBLISHED
public:
    THTMLSettings();
    void Assign(TPersistent* source) override;

    bool AutoPreview() const { return autoPreview_; }
    void SetAutoPreview(bool value) { autoPreview_ = value; }
    bool ConvertSpecialChars() const { return convertSpecialChars_; }
    void SetConvertSpecialChars(bool value) { convertSpecialChars_ = value; }
    bool NonBreakingText() const { return nonBreakingText_; }
    void SetNonBreakingText(bool value) { nonBreakingText_ = value; }
    bool SaveColor() const { return saveColor_; }
    void SetSaveColor(bool value) { saveColor_ = value; }
    bool SaveFonts() const { return saveFonts_; }
    void SetSaveFonts(bool value) { saveFonts_ = value; }
    const AnsiString& FooterFile() const { return footerFile_; }
    void SetFooterFile(const AnsiString& value) { footerFile_ = value; }
    const AnsiString& HeaderFile() const { return headerFile_; }
    void SetHeaderFile(const AnsiString& value) { headerFile_ = value; }
    int BorderSize() const { return borderSize_; }
    void SetBorderSize(int value) { borderSize_ = value; }
    int CellSpacing() const { return cellSpacing_; }
    void SetCellSpacing(int value) { cellSpacing_ = value; }
    int CellPadding() const { return cellPadding_; }
    void SetCellPadding(int value) { cellPadding_ = value; }
    const AnsiString& TableStyle() const { return tableStyle_; }
    void SetTableStyle(const AnsiString& value) { tableStyle_ = value; }
    const AnsiString& PrefixTag() const { return prefixTag_; }
    void SetPrefixTag(const AnsiString& value) { prefixTag_ = value; }
    const AnsiString& SuffixTag() const { return suffixTag_; }
    void SetSuffixTag(const AnsiString& value) { suffixTag_ = value; }
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    bool XHTML() const { return xHTML_; }
    void SetXHTML(bool value) { xHTML_ = value; }
    // The widths of the exported columns.
    TIntList* ColWidths() const { return colWidths_.get(); }

private:
    bool autoPreview_ = false;
    bool convertSpecialChars_ = false;
    bool nonBreakingText_ = false;
    bool saveColor_ = true;
    bool saveFonts_ = true;
    AnsiString footerFile_;
    AnsiString headerFile_;
    int borderSize_ = 1;
    int cellSpacing_ = 0;
    int cellPadding_ = 0;
    AnsiString tableStyle_;
    AnsiString prefixTag_;
    AnsiString suffixTag_;
    int width_ = 100;
    bool xHTML_ = false;
    std::unique_ptr<TIntList> colWidths_;
};

// The settings of printing, kept for streaming.
class TPrintSettings : public TPersistent {
    SERVIORA_CLASS(TPrintSettings, TPersistent)
    SERVIORA_PUBLISHED
public:
    TPrintSettings();
    ~TPrintSettings() override;
    void Assign(TPersistent* source) override;

    TPrintPosition Time() const { return time_; }
    void SetTime(TPrintPosition value) { time_ = value; }
    TPrintPosition Date() const { return date_; }
    void SetDate(TPrintPosition value) { date_ = value; }
    TPrintPosition PageNr() const { return pageNr_; }
    void SetPageNr(TPrintPosition value) { pageNr_ = value; }
    TPrintPosition Title() const { return title_; }
    void SetTitle(TPrintPosition value) { title_ = value; }
    const AnsiString& PageNumSep() const { return pageNumSep_; }
    void SetPageNumSep(const AnsiString& value) { pageNumSep_ = value; }
    const AnsiString& DateFormat() const { return dateFormat_; }
    void SetDateFormat(const AnsiString& value) { dateFormat_ = value; }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TFont* HeaderFont() const { return headerFont_.get(); }
    void SetHeaderFont(TFont* value);
    TFont* FooterFont() const { return footerFont_.get(); }
    void SetFooterFont(TFont* value);
    TFont* FixedFont() const { return fixedFont_.get(); }
    void SetFixedFont(TFont* value);
    TPrintBorders Borders() const { return borders_; }
    void SetBorders(TPrintBorders value) { borders_ = value; }
    TPenStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPenStyle value) { borderStyle_ = value; }
    const AnsiString& TitleText() const { return titleText_; }
    void SetTitleText(const AnsiString& value) { titleText_ = value; }
    TStrings* TitleLines() const { return titleLines_.get(); }
    void SetTitleLines(TStrings* value);
    bool Centered() const { return centered_; }
    void SetCentered(bool value) { centered_ = value; }
    bool RepeatFixedRows() const { return repeatFixedRows_; }
    void SetRepeatFixedRows(bool value) { repeatFixedRows_ = value; }
    bool RepeatFixedCols() const { return repeatFixedCols_; }
    void SetRepeatFixedCols(bool value) { repeatFixedCols_ = value; }
    int FooterSize() const { return footerSize_; }
    void SetFooterSize(int value) { footerSize_ = value; }
    int HeaderSize() const { return headerSize_; }
    void SetHeaderSize(int value) { headerSize_ = value; }
    int LeftSize() const { return leftSize_; }
    void SetLeftSize(int value) { leftSize_ = value; }
    int RightSize() const { return rightSize_; }
    void SetRightSize(int value) { rightSize_ = value; }
    int ColumnSpacing() const { return columnSpacing_; }
    void SetColumnSpacing(int value) { columnSpacing_ = value; }
    int RowSpacing() const { return rowSpacing_; }
    void SetRowSpacing(int value) { rowSpacing_ = value; }
    int TitleSpacing() const { return titleSpacing_; }
    void SetTitleSpacing(int value) { titleSpacing_ = value; }
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation value) { orientation_ = value; }
    const AnsiString& PagePrefix() const { return pagePrefix_; }
    void SetPagePrefix(const AnsiString& value) { pagePrefix_ = value; }
    const AnsiString& PageSuffix() const { return pageSuffix_; }
    void SetPageSuffix(const AnsiString& value) { pageSuffix_ = value; }
    int FixedHeight() const { return fixedHeight_; }
    void SetFixedHeight(int value) { fixedHeight_ = value; }
    bool UseFixedHeight() const { return useFixedHeight_; }
    void SetUseFixedHeight(bool value) { useFixedHeight_ = value; }
    int FixedWidth() const { return fixedWidth_; }
    void SetFixedWidth(int value) { fixedWidth_ = value; }
    bool UseFixedWidth() const { return useFixedWidth_; }
    void SetUseFixedWidth(bool value) { useFixedWidth_ = value; }
    TFitToPage FitToPage() const { return fitToPage_; }
    void SetFitToPage(TFitToPage value) { fitToPage_ = value; }
    bool NoAutoSize() const { return noAutoSize_; }
    void SetNoAutoSize(bool value) { noAutoSize_ = value; }
    bool PrintGraphics() const { return printGraphics_; }
    void SetPrintGraphics(bool value) { printGraphics_ = value; }
    const AnsiString& JobName() const { return jobName_; }
    void SetJobName(const AnsiString& value) { jobName_ = value; }
    bool NoAutoSizeRow() const { return noAutoSizeRow_; }
    void SetNoAutoSizeRow(bool value) { noAutoSizeRow_ = value; }
    int PageNumberOffset() const { return pageNumberOffset_; }
    void SetPageNumberOffset(int value) { pageNumberOffset_ = value; }
    int MaxPagesOffset() const { return maxPagesOffset_; }
    void SetMaxPagesOffset(int value) { maxPagesOffset_ = value; }
    bool UseDisplayFont() const { return useDisplayFont_; }
    void SetUseDisplayFont(bool value) { useDisplayFont_ = value; }
    bool UseDefaultOrientation() const { return useDefaultOrientation_; }
    void SetUseDefaultOrientation(bool value) { useDefaultOrientation_ = value; }

private:
    TPrintPosition time_ = ppNone;
    TPrintPosition date_ = ppNone;
    TPrintPosition pageNr_ = ppNone;
    TPrintPosition title_ = ppNone;
    AnsiString pageNumSep_ = "/";
    AnsiString dateFormat_ = "dd/mm/yyyy";
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TFont> headerFont_;
    std::unique_ptr<TFont> footerFont_;
    std::unique_ptr<TFont> fixedFont_;
    TPrintBorders borders_ = pbSingle;
    TPenStyle borderStyle_ = psSolid;
    AnsiString titleText_;
    std::unique_ptr<TStringList> titleLines_;
    bool centered_ = true;
    bool repeatFixedRows_ = false;
    bool repeatFixedCols_ = false;
    int footerSize_ = 0;
    int headerSize_ = 0;
    int leftSize_ = 0;
    int rightSize_ = 0;
    int columnSpacing_ = 0;
    int rowSpacing_ = 0;
    int titleSpacing_ = 0;
    TPrinterOrientation orientation_ = poPortrait;
    AnsiString pagePrefix_;
    AnsiString pageSuffix_;
    int fixedHeight_ = 0;
    bool useFixedHeight_ = false;
    int fixedWidth_ = 0;
    bool useFixedWidth_ = false;
    TFitToPage fitToPage_ = fpNever;
    bool noAutoSize_ = false;
    bool printGraphics_ = false;
    AnsiString jobName_;
    bool noAutoSizeRow_ = false;
    int pageNumberOffset_ = 0;
    int maxPagesOffset_ = 0;
    bool useDisplayFont_ = true;
    bool useDefaultOrientation_ = false;
};

// The picture or gradient behind the cells.
class TBackGround : public TPersistent {
    SERVIORA_CLASS(TBackGround, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TBackGround(TBavStringGrid* grid);
    ~TBackGround() override;
    void Assign(TPersistent* source) override;

    int Top() const { return top_; }
    void SetTop(int value);
    int Left() const { return left_; }
    void SetLeft(int value);
    TBackGroundDisplay Display() const { return display_; }
    void SetDisplay(TBackGroundDisplay value);
    TBackGroundCells Cells() const { return cells_; }
    void SetCells(TBackGroundCells value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(TBitmap* value);

private:
    TBavStringGrid* grid_;
    int top_ = 0;
    int left_ = 0;
    TBackGroundDisplay display_ = bdTile;
    TBackGroundCells cells_ = bcNormal;
    TColor colorTo_ = clBtnFace;
    TColor color_ = clWindow;
    std::unique_ptr<TBitmap> bitmap_;
};

// Alternating row colours.
class TBands : public TPersistent {
    SERVIORA_CLASS(TBands, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TBands(TBavStringGrid* grid);
    void Assign(TPersistent* source) override;

    bool Print() const { return print_; }
    void SetPrint(bool value) { print_ = value; }
    bool Active() const { return active_; }
    void SetActive(bool value);
    int SecondaryLength() const { return secondaryLength_; }
    void SetSecondaryLength(int value);
    int PrimaryLength() const { return primaryLength_; }
    void SetPrimaryLength(int value);
    TColor SecondaryColor() const { return secondaryColor_; }
    void SetSecondaryColor(TColor value);
    TColor PrimaryColor() const { return primaryColor_; }
    void SetPrimaryColor(TColor value);
    // PrimaryLength + SecondaryLength.
    int BandPeriod() const { return primaryLength_ + secondaryLength_; }

private:
    TBavStringGrid* grid_;
    bool print_ = false;
    bool active_ = false;
    int secondaryLength_ = 1;
    int primaryLength_ = 1;
    TColor secondaryColor_ = clWindow;
    TColor primaryColor_ = clInfoBk;
};

// How columns sort and show their sort.
class TSortSettings : public TPersistent {
    SERVIORA_CLASS(TSortSettings, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TSortSettings(TBavStringGrid* grid);
    ~TSortSettings() override;
    void Assign(TPersistent* source) override;

    bool Show() const { return show_; }
    void SetShow(bool value);
    bool IndexShow() const { return indexShow_; }
    void SetIndexShow(bool value) { indexShow_ = value; }
    bool Full() const { return full_; }
    void SetFull(bool value) { full_ = value; }
    bool SingleColumn() const { return singleColumn_; }
    void SetSingleColumn(bool value) { singleColumn_ = value; }
    bool IgnoreBlanks() const { return ignoreBlanks_; }
    void SetIgnoreBlanks(bool value) { ignoreBlanks_ = value; }
    TSortBlankPosition BlankPos() const { return blankPos_; }
    void SetBlankPos(TSortBlankPosition value) { blankPos_ = value; }
    bool AutoFormat() const { return autoFormat_; }
    void SetAutoFormat(bool value) { autoFormat_ = value; }
    TSortDirection Direction() const { return direction_; }
    void SetDirection(TSortDirection value) { direction_ = value; }
    TBitmap* UpGlyph() const { return upGlyph_.get(); }
    void SetUpGlyph(TBitmap* value);
    TBitmap* DownGlyph() const { return downGlyph_.get(); }
    void SetDownGlyph(TBitmap* value);
    TBitmap* IndexUpGlyph() const { return indexUpGlyph_.get(); }
    void SetIndexUpGlyph(TBitmap* value);
    TBitmap* IndexDownGlyph() const { return indexDownGlyph_.get(); }
    void SetIndexDownGlyph(TBitmap* value);
    bool NormalCellsOnly() const { return normalCellsOnly_; }
    void SetNormalCellsOnly(bool value) { normalCellsOnly_ = value; }
    bool FixedCols() const { return fixedCols_; }
    void SetFixedCols(bool value) { fixedCols_ = value; }
    int Column() const { return column_; }
    void SetColumn(int value) { column_ = value; }
    int Row() const { return row_; }
    void SetRow(int value);
    bool AutoColumnMerge() const { return autoColumnMerge_; }
    void SetAutoColumnMerge(bool value) { autoColumnMerge_ = value; }
    TColor IndexColor() const { return indexColor_; }
    void SetIndexColor(TColor value) { indexColor_ = value; }
    TSortDirection InitSortDirection() const { return initSortDirection_; }
    void SetInitSortDirection(TSortDirection value) { initSortDirection_ = value; }
    bool UndoSort() const { return undoSort_; }
    void SetUndoSort(bool value) { undoSort_ = value; }
    bool AutoSortForGrouping() const { return autoSortForGrouping_; }
    void SetAutoSortForGrouping(bool value) { autoSortForGrouping_ = value; }

private:
    TBavStringGrid* grid_;
    bool show_ = false;
    bool indexShow_ = false;
    bool full_ = true;
    bool singleColumn_ = false;
    bool ignoreBlanks_ = false;
    TSortBlankPosition blankPos_ = blFirst;
    bool autoFormat_ = true;
    TSortDirection direction_ = sdAscending;
    std::unique_ptr<TBitmap> upGlyph_;
    std::unique_ptr<TBitmap> downGlyph_;
    std::unique_ptr<TBitmap> indexUpGlyph_;
    std::unique_ptr<TBitmap> indexDownGlyph_;
    bool normalCellsOnly_ = false;
    bool fixedCols_ = false;
    int column_ = 0;
    int row_ = 0;
    bool autoColumnMerge_ = false;
    TColor indexColor_ = clYellow;
    TSortDirection initSortDirection_ = sdAscending;
    bool undoSort_ = false;
    bool autoSortForGrouping_ = true;
};

// How cell controls look.
class TControlLook : public TPersistent {
    SERVIORA_CLASS(TControlLook, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TControlLook(TBavStringGrid* grid);
    ~TControlLook() override;
    void Assign(TPersistent* source) override;

    int CheckSize() const { return checkSize_; }
    void SetCheckSize(int value);
    TBitmap* UnCheckedGlyph() const { return unCheckedGlyph_.get(); }
    void SetUnCheckedGlyph(TBitmap* value);
    TBitmap* CheckedGlyph() const { return checkedGlyph_.get(); }
    void SetCheckedGlyph(TBitmap* value);
    TGridControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TGridControlStyle value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int RadioSize() const { return radioSize_; }
    void SetRadioSize(int value);
    TBitmap* RadioOffGlyph() const { return radioOffGlyph_.get(); }
    void SetRadioOffGlyph(TBitmap* value);
    TBitmap* RadioOnGlyph() const { return radioOnGlyph_.get(); }
    void SetRadioOnGlyph(TBitmap* value);
    bool FlatButton() const { return flatButton_; }
    void SetFlatButton(bool value);
    int ProgressMarginY() const { return progressMarginY_; }
    void SetProgressMarginY(int value);
    int ProgressMarginX() const { return progressMarginX_; }
    void SetProgressMarginX(int value);
    bool ProgressXP() const { return progressXP_; }
    void SetProgressXP(bool value);
    bool DropDownAlwaysVisible() const { return dropDownAlwaysVisible_; }
    void SetDropDownAlwaysVisible(bool value);
    bool NoDisabledCheckRadioLook() const { return noDisabledCheckRadioLook_; }
    void SetNoDisabledCheckRadioLook(bool value);
    bool NoDisabledButtonLook() const { return noDisabledButtonLook_; }
    void SetNoDisabledButtonLook(bool value);
    TColor CommentColor() const { return commentColor_; }
    void SetCommentColor(TColor value);
    TColor ProgressBorderColor() const { return progressBorderColor_; }
    void SetProgressBorderColor(TColor value) { progressBorderColor_ = value; }
    TColor FixedGradientTo() const { return fixedGradientTo_; }
    // A colour other than clNone also becomes the grid's fixed gradient.
    void SetFixedGradientTo(TColor value);
    TColor FixedGradientFrom() const { return fixedGradientFrom_; }
    void SetFixedGradientFrom(TColor value);
    bool CheckAlwaysActive() const { return checkAlwaysActive_; }
    void SetCheckAlwaysActive(bool value) { checkAlwaysActive_ = value; }
    bool RadioAlwaysActive() const { return radioAlwaysActive_; }
    void SetRadioAlwaysActive(bool value) { radioAlwaysActive_ = value; }

private:
    TBavStringGrid* grid_;
    int checkSize_ = 15;
    std::unique_ptr<TBitmap> unCheckedGlyph_;
    std::unique_ptr<TBitmap> checkedGlyph_;
    TGridControlStyle controlStyle_ = csWinXP;
    TColor color_ = clBlack;
    int radioSize_ = 10;
    std::unique_ptr<TBitmap> radioOffGlyph_;
    std::unique_ptr<TBitmap> radioOnGlyph_;
    bool flatButton_ = false;
    int progressMarginY_ = 2;
    int progressMarginX_ = 2;
    bool progressXP_ = false;
    bool dropDownAlwaysVisible_ = false;
    bool noDisabledCheckRadioLook_ = false;
    bool noDisabledButtonLook_ = false;
    TColor commentColor_ = clRed;
    TColor progressBorderColor_ = clGray;
    TColor fixedGradientTo_ = clNone;
    TColor fixedGradientFrom_ = clNone;
    bool checkAlwaysActive_ = false;
    bool radioAlwaysActive_ = false;
};

// The look of grouped rows.
class TGrouping : public TPersistent {
    SERVIORA_CLASS(TGrouping, TPersistent)
    SERVIORA_PUBLISHED
public:
    TGrouping();
    void Assign(TPersistent* source) override;

    bool MergeHeader() const { return mergeHeader_; }
    void SetMergeHeader(bool value) { mergeHeader_ = value; }
    bool MergeSummary() const { return mergeSummary_; }
    void SetMergeSummary(bool value) { mergeSummary_ = value; }
    TColor HeaderColor() const { return headerColor_; }
    void SetHeaderColor(TColor value) { headerColor_ = value; }
    TColor SummaryColor() const { return summaryColor_; }
    void SetSummaryColor(TColor value) { summaryColor_ = value; }
    TColor HeaderColorTo() const { return headerColorTo_; }
    void SetHeaderColorTo(TColor value) { headerColorTo_ = value; }
    TColor HeaderTextColor() const { return headerTextColor_; }
    void SetHeaderTextColor(TColor value) { headerTextColor_ = value; }
    bool Summary() const { return summary_; }
    void SetSummary(bool value) { summary_ = value; }
    TColor SummaryTextColor() const { return summaryTextColor_; }
    void SetSummaryTextColor(TColor value) { summaryTextColor_ = value; }
    TColor SummaryColorTo() const { return summaryColorTo_; }
    void SetSummaryColorTo(TColor value) { summaryColorTo_ = value; }
    bool HeaderUnderline() const { return headerUnderline_; }
    void SetHeaderUnderline(bool value) { headerUnderline_ = value; }
    bool SummaryLine() const { return summaryLine_; }
    void SetSummaryLine(bool value) { summaryLine_ = value; }
    int SummaryLineWidth() const { return summaryLineWidth_; }
    void SetSummaryLineWidth(int value) { summaryLineWidth_ = value; }
    int HeaderLineWidth() const { return headerLineWidth_; }
    void SetHeaderLineWidth(int value) { headerLineWidth_ = value; }
    TColor SummaryLineColor() const { return summaryLineColor_; }
    void SetSummaryLineColor(TColor value) { summaryLineColor_ = value; }
    TColor HeaderLineColor() const { return headerLineColor_; }
    void SetHeaderLineColor(TColor value) { headerLineColor_ = value; }

private:
    bool mergeHeader_ = false;
    bool mergeSummary_ = false;
    TColor headerColor_ = clNone;
    TColor summaryColor_ = clNone;
    TColor headerColorTo_ = clNone;
    TColor headerTextColor_ = clNone;
    bool summary_ = false;
    TColor summaryTextColor_ = clNone;
    TColor summaryColorTo_ = clNone;
    bool headerUnderline_ = false;
    bool summaryLine_ = false;
    int summaryLineWidth_ = 2;
    int headerLineWidth_ = 2;
    TColor summaryLineColor_ = clBlue;
    TColor headerLineColor_ = clBlue;
};

// What OLE drag and drop takes and gives.
class TDragDropSettings : public TPersistent {
    SERVIORA_CLASS(TDragDropSettings, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TDragDropSettings(TBavStringGrid* grid);
    void Assign(TPersistent* source) override;

    bool OleDropRTF() const { return oleDropRTF_; }
    // The last grid to set it decides for every grid of the program.
    void SetOleDropRTF(bool value);
    bool OleAcceptText() const { return oleAcceptText_; }
    void SetOleAcceptText(bool value) { oleAcceptText_ = value; }
    bool OleEntireRows() const { return oleEntireRows_; }
    void SetOleEntireRows(bool value) { oleEntireRows_ = value; }
    bool OleDropSource() const { return oleDropSource_; }
    void SetOleDropSource(bool value) { oleDropSource_ = value; }
    bool OleRemoveRows() const { return oleRemoveRows_; }
    void SetOleRemoveRows(bool value) { oleRemoveRows_ = value; }
    bool OleAcceptFiles() const { return oleAcceptFiles_; }
    void SetOleAcceptFiles(bool value) { oleAcceptFiles_ = value; }
    bool OleDropTarget() const { return oleDropTarget_; }
    // Registers or revokes the grid's drop target.
    void SetOleDropTarget(bool value);
    bool OleInsertRows() const { return oleInsertRows_; }
    void SetOleInsertRows(bool value) { oleInsertRows_ = value; }
    bool OleCopyAlways() const { return oleCopyAlways_; }
    void SetOleCopyAlways(bool value) { oleCopyAlways_ = value; }
    bool OleColumnDragDrop() const { return oleColumnDragDrop_; }
    void SetOleColumnDragDrop(bool value) { oleColumnDragDrop_ = value; }

private:
    TBavStringGrid* grid_;
    bool oleDropRTF_ = false;
    bool oleAcceptText_ = true;
    bool oleEntireRows_ = false;
    bool oleDropSource_ = false;
    bool oleRemoveRows_ = false;
    bool oleAcceptFiles_ = true;
    bool oleDropTarget_ = false;
    bool oleInsertRows_ = false;
    bool oleCopyAlways_ = false;
    bool oleColumnDragDrop_ = false;
};

// The balloon tooltips of cells.
class TBalloonSettings : public TPersistent {
    SERVIORA_CLASS(TBalloonSettings, TPersistent)
    SERVIORA_PUBLISHED
public:
    TBalloonSettings();
    void Assign(TPersistent* source) override;

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor value) { backgroundColor_ = value; }
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value) { textColor_ = value; }
    int ReshowDelay() const { return reshowDelay_; }
    void SetReshowDelay(int value) { reshowDelay_ = value; }
    int InitialDelay() const { return initialDelay_; }
    void SetInitialDelay(int value) { initialDelay_ = value; }
    int AutoHideDelay() const { return autoHideDelay_; }
    void SetAutoHideDelay(int value) { autoHideDelay_ = value; }
    Byte Transparency() const { return transparency_; }
    void SetTransparency(Byte value) { transparency_ = value; }
    bool Enable() const { return enable_; }
    void SetEnable(bool value);
    const TNotifyEvent& OnEnableChange() const { return onEnableChange_; }
    void SetOnEnableChange(TNotifyEvent value) { onEnableChange_ = std::move(value); }

private:
    TColor backgroundColor_ = clNone;
    TColor textColor_ = clNone;
    int reshowDelay_ = -1;
    int initialDelay_ = -1;
    int autoHideDelay_ = -1;
    Byte transparency_ = 0;
    bool enable_ = false;
    TNotifyEvent onEnableChange_;
};

// The mark of modified cells.
class TShowModified : public TPersistent {
    SERVIORA_CLASS(TShowModified, TPersistent)
    SERVIORA_PUBLISHED
public:
    TShowModified();
    void Assign(TPersistent* source) override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent value) { onChange_ = std::move(value); }

private:
    bool enabled_ = false;
    TColor color_ = clYellow;
    TNotifyEvent onChange_;
};

// The delays of scrolling while dragging.
class TDragScrollDelays : public TPersistent {
    SERVIORA_CLASS(TDragScrollDelays, TPersistent)
    SERVIORA_PUBLISHED
public:
    TDragScrollDelays();
    void Assign(TPersistent* source) override;

    int InitialDelay() const { return initialDelay_; }
    void SetInitialDelay(int value) { initialDelay_ = value; }
    int RepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(int value) { repeatDelay_ = value; }

private:
    int initialDelay_ = 1000;
    int repeatDelay_ = 250;
};

// The edges where dragging scrolls.
class TDragScrollMargins : public TPersistent {
    SERVIORA_CLASS(TDragScrollMargins, TPersistent)
    SERVIORA_PUBLISHED
public:
    TDragScrollMargins();
    void Assign(TPersistent* source) override;

    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value) { topMargin_ = value; }
    int BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int value) { bottomMargin_ = value; }
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value) { leftMargin_ = value; }
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value) { rightMargin_ = value; }

private:
    int topMargin_ = 50;
    int bottomMargin_ = 50;
    int leftMargin_ = 50;
    int rightMargin_ = 50;
};

// Scrolling while dragging.
class TDragScrollOptions : public TPersistent {
    SERVIORA_CLASS(TDragScrollOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;
    void Assign(TPersistent* source) override;

    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    TDragScrollDelays* Delays() const { return delays_.get(); }
    void SetDelays(TDragScrollDelays* value);
    TDragScrollMargins* Margins() const { return margins_.get(); }
    void SetMargins(TDragScrollMargins* value);

private:
    bool active_ = false;
    std::unique_ptr<TDragScrollDelays> delays_;
    std::unique_ptr<TDragScrollMargins> margins_;
};

// The look of progress indicators.
class TGridProgressAppearance : public TPersistent {
    SERVIORA_CLASS(TGridProgressAppearance, TPersistent)
    SERVIORA_PUBLISHED
public:
    TGridProgressAppearance();
    void Assign(TPersistent* source) override;

    TColor UnCompleteFontColor() const { return unCompleteFontColor_; }
    void SetUnCompleteFontColor(TColor value);
    TColor CompleteColor() const { return completeColor_; }
    void SetCompleteColor(TColor value);
    TColor UnCompleteColor() const { return unCompleteColor_; }
    void SetUnCompleteColor(TColor value);
    TColor CompleteFontColor() const { return completeFontColor_; }
    void SetCompleteFontColor(TColor value);
    bool Stacked() const { return stacked_; }
    void SetStacked(bool value);
    bool ShowPercentage() const { return showPercentage_; }
    void SetShowPercentage(bool value);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool value);
    bool CompletionSmooth() const { return completionSmooth_; }
    void SetCompletionSmooth(bool value);
    bool ShowGradient() const { return showGradient_; }
    void SetShowGradient(bool value);
    int Level2Perc() const { return level2Perc_; }
    void SetLevel2Perc(int value);
    int Level1Perc() const { return level1Perc_; }
    void SetLevel1Perc(int value);
    int Steps() const { return steps_; }
    void SetSteps(int value);
    TColor Level3Color() const { return level3Color_; }
    void SetLevel3Color(TColor value);
    TColor Level1Color() const { return level1Color_; }
    void SetLevel1Color(TColor value);
    TColor Level0Color() const { return level0Color_; }
    void SetLevel0Color(TColor value);
    TColor Level3ColorTo() const { return level3ColorTo_; }
    void SetLevel3ColorTo(TColor value);
    TColor Level2ColorTo() const { return level2ColorTo_; }
    void SetLevel2ColorTo(TColor value);
    TColor Level0ColorTo() const { return level0ColorTo_; }
    void SetLevel0ColorTo(TColor value);
    TColor Level1ColorTo() const { return level1ColorTo_; }
    void SetLevel1ColorTo(TColor value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor Level2Color() const { return level2Color_; }
    void SetLevel2Color(TColor value);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent value) { onChange_ = std::move(value); }
    Byte Style() const { return style_; }
    void SetStyle(Byte value) { style_ = value; }

private:
    TColor unCompleteFontColor_ = clWindowText;
    TColor completeColor_ = clRed;
    TColor unCompleteColor_ = clNone;
    TColor completeFontColor_ = clBlue;
    bool stacked_ = false;
    bool showPercentage_ = true;
    bool showBorder_ = false;
    bool completionSmooth_ = true;
    bool showGradient_ = true;
    int level2Perc_ = 90;
    int level1Perc_ = 70;
    int steps_ = 11;
    TColor level3Color_ = clRed;
    TColor level1Color_ = clYellow;
    TColor level0Color_ = clLime;
    TColor level3ColorTo_ = TColor(0xCACAFF);
    TColor level2ColorTo_ = TColor(0xA8D3FF);
    TColor level0ColorTo_ = TColor(0xE1FFE1);
    TColor level1ColorTo_ = TColor(0xCAFFFF);
    TColor borderColor_ = clBlack;
    TColor level2Color_ = TColor(0x53A9FF);
    TNotifyEvent onChange_;
    Byte style_ = 0;
};

