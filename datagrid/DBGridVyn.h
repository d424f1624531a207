// TCustomDBGridVyn, the library's data-aware grid on the class library's
// owner-drawn grid, and TDBGridVyn, its published form. The grid shows the
// records of a data source as rows and a collection of columns as columns,
// with titles, footers, frozen columns, sort markers and selections.
//
// Its layout is rebuilt in brackets: setters ask for a layout pass
// (RequestLayout), which runs at once unless a bracket is open, and then
// once when the outermost bracket closes.
#pragma once

#include <memory>

#include "datagrid/DBCtrlsVyn.h"
#include "datagrid/DBGridVynColumns.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynInplaceEdit.h"
#include "datagrid/DBGridVynLayoutInfo.h"
#include "datagrid/DBGridVynSettings.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "datagrid/DBGridVynTypes.h"
#include "datagrid/DBSumLst.h"
#include "platform/data/datasource.h"
#include "platform/ui/grids.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls_buttons.h"

class TDBGridVynStyle;
class IMemTableVyn;
class TDBGridVynSelection;
class TInplaceFilterEditVyn;

// The deferred layout a grid posts to itself. No other window message of
// the library shares this id.
constexpr UINT WM_DEFERRED_LAYOUT_VYN = WM_USER + 100;

// The parameters of one data cell, refilled for every cell drawn.
class TColCellParamsVyn : public TObject {
    SERVIORA_CLASS(TColCellParamsVyn, TObject)
public:
    int Col = 0;
    int Row = 0;
    TGridDrawState State;
    TFont* Font = nullptr;
    TAlignment Alignment = taLeftJustify;
    TColor Background = clWindow;
    AnsiString Text;
    int ImageIndex = -1;
    TCheckBoxState CheckboxState = cbUnchecked;
    bool ReadOnly = false;
};

// Where a cell lies: left of the data columns (Horz 0) or in them (1), and
// in the title (Vert 0), filter (1), data (2), spacer (3) or footer (4)
// rows; Index counts within the area (footer rows from 1).
struct TCellTypeVyn {
    int Horz = 0;
    int Vert = 0;
    int Col = 0;
    int Index = 0;
};

class TCustomDBGridVyn : public TCustomGrid, public IInplaceEditHolderVyn {
    SERVIORA_CLASS(TCustomDBGridVyn, TCustomGrid)
public:
    explicit TCustomDBGridVyn(TComponent* owner);
    ~TCustomDBGridVyn() override;
    void BeforeDestruction() override;
    void AfterConstruction() override;

    // ---- Properties ---------------------------------------------------------------
    TDBGridVynAllowedOperations AllowedOperations() const { return allowedOperations_; }
    void SetAllowedOperations(TDBGridVynAllowedOperations v) { allowedOperations_ = v; }
    TDBGridVynAllowedSelections AllowedSelections() const { return allowedSelections_; }
    void SetAllowedSelections(TDBGridVynAllowedSelections v);
    bool AutoFitColWidths() const { return autoFitColWidths_; }
    void SetAutoFitColWidths(bool v);
    TDBGridVynColumnDefValuesVyn* ColumnDefValues() const { return columnDefValues_.get(); }
    void SetColumnDefValues(TDBGridVynColumnDefValuesVyn* v) { columnDefValues_->Assign(v); }
    TDBGridColumnsVyn* Columns() const { return columns_.get(); }
    void SetColumns(TDBGridColumnsVyn* v) { columns_->Assign(v); }
    TDataSource* DataSource() const { return dataLink_->DataSource(); }
    void SetDataSource(TDataSource* v);
    // The grid paints its cells' contents itself (the base grid's own
    // default drawing stays off).
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v);
    bool DrawMemoText() const { return drawMemoText_; }
    void SetDrawMemoText(bool v);
    TDBGridVynEditActions EditActions() const { return editActions_; }
    void SetEditActions(TDBGridVynEditActions v) { editActions_ = v; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TColor FooterColor() const { return footerColor_; }
    void SetFooterColor(TColor v);
    TFont* FooterFont() const { return footerFont_.get(); }
    void SetFooterFont(TFont* v) { footerFont_->Assign(v); }
    int FooterRowCount() const { return footerRowCount_; }
    void SetFooterRowCount(int v);
    int FrozenCols() const { return frozenCols_; }
    void SetFrozenCols(int v);
    TDBGridVynScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
    void SetHorzScrollBar(TDBGridVynScrollBar* v) { horzScrollBar_->Assign(v); }
    int MinAutoFitWidth() const { return minAutoFitWidth_; }
    void SetMinAutoFitWidth(int v);
    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions v);
    TDBGridVynOptions OptionsVyn() const { return optionsVyn_; }
    void SetOptionsVyn(TDBGridVynOptions v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int v);
    int RowLines() const { return rowLines_; }
    void SetRowLines(int v);
    bool RowSizingAllowed() const { return rowSizingAllowed_; }
    void SetRowSizingAllowed(bool v);
    bool SortLocal() const { return sortLocal_; }
    void SetSortLocal(bool v) { sortLocal_ = v; }
    TSTDBGridVynFilter* STFilter() const { return stFilter_.get(); }
    void SetSTFilter(TSTDBGridVynFilter* v) { stFilter_->Assign(v); }
    TDBGridVynSumList* SumList() const { return sumList_.get(); }
    void SetSumList(TDBGridVynSumList* v) { sumList_->Assign(v); }
    TFont* TitleFont() const { return titleFont_.get(); }
    void SetTitleFont(TFont* v) { titleFont_->Assign(v); }
    int TitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int v);
    TCustomImageList* TitleImages() const { return titleImageLink_->Sender(); }
    void SetTitleImages(TCustomImageList* v);
    int TitleLines() const { return titleLines_; }
    void SetTitleLines(int v);
    bool UseMultiTitle() const { return useMultiTitle_; }
    void SetUseMultiTitle(bool v);
    TVertDBGridVynScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
    void SetVertScrollBar(TVertDBGridVynScrollBar* v) { vertScrollBar_->Assign(v); }
    int VTitleMargin() const { return vTitleMargin_; }
    void SetVTitleMargin(int v);

#define SERVIORA_GRID_EVENT(Name, Type) \
    const Type& Name() const { return Name##_; } \
    void Set##Name(Type v) { Name##_ = std::move(v); }
    SERVIORA_GRID_EVENT(OnApplyFilter, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnCellClick, TDBGridVynClickEvent)
    SERVIORA_GRID_EVENT(OnCheckButton, TCheckTitleVynBtnEvent)
    SERVIORA_GRID_EVENT(OnColEnter, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnColExit, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnColumnMoved, TMovedEvent)
    SERVIORA_GRID_EVENT(OnColWidthsChanged, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnDrawColumnCell, TDrawColumnVynCellEvent)
    SERVIORA_GRID_EVENT(OnDrawDataCell, TDrawDataCellEvent)
    SERVIORA_GRID_EVENT(OnDrawFooterCell, TDrawFooterCellEvent)
    SERVIORA_GRID_EVENT(OnEditButtonClick, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnGetBtnParams, TGetBtnVynParamsEvent)
    SERVIORA_GRID_EVENT(OnGetCellParams, TGetCellVynParamsEvent)
    SERVIORA_GRID_EVENT(OnGetFooterParams, TGetFooterParamsEvent)
    SERVIORA_GRID_EVENT(OnSortMarkingChanged, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnSumListAfterRecalcAll, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnSumListRecalcAll, TNotifyEvent)
    SERVIORA_GRID_EVENT(OnTitleBtnClick, TTitleVynClickEvent)
    SERVIORA_GRID_EVENT(OnTitleClick, TDBGridVynClickEvent)
#undef SERVIORA_GRID_EVENT

    // ---- State the columns and owned objects read ----------------------------------
    TGridDataLinkVyn* DataLink() const { return dataLink_.get(); }
    TBookmarkListVyn* SelectedRows() const { return bookmarks_.get(); }
    TDBGridVynSelection* Selection() const { return selection_.get(); }
    TColumnsVynList* VisibleColumns() const { return visibleColumns_.get(); }
    TColumnsVynList* SortMarkedColumns() const { return sortMarkedColumns_.get(); }
    TDBGridVynStyle* Style() const { return style_; }
    void SetStyle(TDBGridVynStyle* style);
    int IndicatorOffset() const { return indicatorOffset_; }
    int TopDataOffset() const { return topDataOffset_; }
    int EditButtonWidth() const { return editButtonWidth_; }
    int EditButtonHeight() const { return editButtonHeight_; }
    // Whether rows are tall enough for cells to wrap their text.
    bool WordWrapAllowed() const { return wordWrapAllowed_; }
    int TitleTextMargin() const { return titleTextMargin_; }
    // Set while the data link reports a change of the dataset's layout.
    bool InLinkLayout() const { return inLinkLayout_; }
    // The input-method settings of the grid window, the defaults of columns
    // without their own.
    TImeMode DefaultImeMode() const { return defaultImeMode_; }
    const TImeName& DefaultImeName() const { return defaultImeName_; }
    bool Loading() const { return ComponentState().Contains(csLoading); }

    // ---- Coordinates --------------------------------------------------------------
    int RawToDataColumn(int col) const { return col - indicatorOffset_; }
    int DataToRawColumn(int col) const { return col + indicatorOffset_; }
    // The collection index of the current column, and its field.
    int SelectedIndex() const { return RawToDataColumn(Col()); }
    void SetSelectedIndex(int index) { SelectColumnByIndex(index); }
    TField* SelectedField() const;
    void SelectColumnOfField(TField* field);
    void SelectColumnByIndex(int index);
    int TitleRowCount() const { return options_.Contains(dgTitles) ? 1 : 0; }
    // The rows between the titles and the data: the filter row, or what a
    // descendant shows in its place.
    virtual int FilterRowCount() const;
    int CalcTopDataOffset() const { return TitleRowCount() + FilterRowCount(); }

    // ---- Layout brackets ----------------------------------------------------------
    void BeginUpdate();
    void EndUpdate();
    int UpdateLock() const { return updateLock_; }
    void BeginLayout();
    void EndLayout();
    void CancelLayout();
    bool BeginLayoutIfFree();
    int LayoutLock() const { return layoutLock_; }
    // Asks the window to lay out later (once, however often asked) and
    // closes the open bracket without a pass.
    void PostDeferredLayout();
    // A layout pass now unless a bracket is open.
    virtual void RequestLayout();

    // ---- Operations the columns, link and selection call ---------------------------
    bool ColumnEditable(int col) const;
    // Whether the dataset may be changed through the grid now: the link is
    // active, updating is allowed (or a record is being inserted), and the
    // dataset has records or records may be added.
    bool EditAllowed() const;
    virtual bool TrySetFocus();
    virtual bool EditorAlwaysVisible() const;
    virtual void ShowEditorNow();
    virtual void LinkActiveChanged(bool active);
    virtual void RebuildLayout();
    virtual void DataScrolled(int distance);
    virtual void RecordChanged(TField* field);
    // The window's own vertical bar: record numbers of a sequenced dataset,
    // else three positions (beginning, middle, end).
    virtual void UpdateVertScrollBar();
    // An external horizontal bar: 0..127 over the scrollable columns.
    virtual void UpdateHorzScrollBar();
    // The last position of a view along an axis that still fills it: the
    // smallest cell from which the cells up to `lastCell` fit.
    static int MaxTopLeftAlongAxis(const TGridAxisDrawInfo& axis, int lastCell);
    // The largest LeftCol and TopRow that still fill the view.
    TGridCoord CalcMaxTopLeftCell() const;
    // Both axes at the client size, or at a given one.
    TGridLayoutInfo CalcGridLayoutInfo() const;
    TGridLayoutInfo CalcGridLayoutInfoXY(int width, int height) const;
    // Only the fixed and frozen parts of both axes (the scrolling part is
    // left uncomputed).
    TGridLayoutInfo CalcFixedLayoutInfo() const;
    virtual void InvalidateIndicator();
    virtual void InvalidateSelection();
    // The data rows in view: the visible rows less the footer rows and
    // their spacer (at least 1 when there are footer rows).
    int VisibleDataRowCount() const;
    // Whether the user may make a selection of this kind now.
    bool SelectionKindAllowed(TDBGridVynSelectionType kind) const;
    // ---- Cell editing (DBGridVynEditing.cpp) -----------------------------------------
    // Writes the text edited in the current cell into its field.
    virtual void ApplyEditText();
    // The current cell's edited text and value (a lookup key, the special
    // row's value, or Null), kept between the editor and ApplyEditText.
    const AnsiString& EditedText() const { return editText_; }
    void SetEditedText(const AnsiString& v) { editText_ = v; }
    const Variant& EditedValue() const { return editValue_; }
    void SetEditedValue(const Variant& v) { editValue_ = v; }
    // The text a column's field edits as: a key's pick-list entry, a memo's
    // whole text, else the field's edit text.
    AnsiString FieldEditText(TColumnVyn* column) const;
    // Puts the dataset into edit state when the current cell may change;
    // answers whether it may.
    bool StartCellEdit();
    // A lookup field by its key fields, any other field by itself.
    bool FieldCanModify(TField* field) const;
    bool AllFieldsCanModify(const AnsiString& fieldNames) const;
    // Whether the column's lookup key is found in its lookup dataset.
    bool LookupKeyInList(TColumnVyn* column) const;
    // The in-place editor as the grid's own kind, or nullptr.
    TDBGridInplaceEdit* DBInplaceEditor() const;
    // Refreshes the editor, keeping an open drop-down open.
    void RefreshEditor();
    // ---- In-memory-table mode (DBGridVynMemTable.cpp) ----------------------------------
    // The mode is on while the dataset offers IMemTableVyn, the mode is
    // allowed and there are no footer rows; the grid then shows one row per
    // presented row of the dataset and reads rows on demand.
    void CheckMemTableMode();
    bool MemTableMode() const { return memTable_ != nullptr; }
    IMemTableVyn* MemTable() const { return memTable_; }
    bool MemTableModeAllowed() const { return memTableAllowed_; }
    void SetMemTableModeAllowed(bool v);
    // The room of the tree nodes left of the first column's text, for the
    // row being read (none outside tree view mode).
    virtual int TreeNodeAreaWidth() const;
    // Paints the tree lines and the node's box of the row being read.
    void DrawTreeNodes(TCanvas* canvas, const TRect& rect);
    // A press at (x, y) on a node's box expands or collapses it; answers
    // whether the tree took the press.
    bool MTTreeNodeClick(int x, int y);
    // The node of the current row: toggled (expand < 0), expanded (> 0) or
    // collapsed (0).
    void MTToggleCurrentNode(int expand);
    // The data rows there are: the memory table's presented rows in the
    // mode, else the data link's buffered records (0 while inactive).
    int PresentedRowCount() const;
    // In the mode: the first presented row (from 0) whose bookmark comes at
    // or after `bookmark` (the row count when none does); `found` tells
    // whether that row is the bookmark's own.
    int MemTableRowOfBookmark(const TBookmarkStr& bookmark, bool& found);
    // In the mode: the data rows in view, from the top row to the last row
    // on screen (at most the last data row).
    int MemTableLastRowOnScreen() const;
    // Whether the column's cells start with the tree-node area.
    bool TreeNodeColumn(TColumnVyn* column) const;
    // The columns that carry sort markers, again from their titles' indexes.
    void RebuildSortMarkedColumns();
    // Repaints the footer rows.
    void InvalidateFooter();

    // ---- Hosting the filter row's editor --------------------------------------------
    bool CanEditorModify(TWinControl* editor) override;
    // The point and time of the grid's last left press; the time is given
    // out once.
    bool LastMouseDownForEditor(TPoint& pos, int& time) override;
    void EditorWndProc(TWinControl* editor, TMessage& message) override;
    void EditorKeyDown(TWinControl* editor, Word& key, TShiftState shift) override;
    void EditorKeyPress(TWinControl* editor, char& key) override;
    void EditorKeyUp(TWinControl* editor, Word& key, TShiftState shift) override;
    // The filter row's keys, from its editor's key-down handling.
    virtual void FilterEditKeyDown(TWinControl* editor, Word& key, TShiftState shift);

    // ---- The filter row (DBGridVynFilterRow.cpp) ------------------------------------
    // `index` is a column's collection index throughout.
    TInplaceFilterEditVyn* FilterEditor() const { return filterEditor_; }
    int FilterColumn() const { return filterColumn_; }
    bool FilterRowEditing() const { return filterRowEditing_; }
    virtual TInplaceFilterEditVyn* NewFilterEditor();
    // The filter row is being edited and nothing is selected.
    virtual bool FilterEditorAllowed() const;
    // Writes the editor's text (or its list choice) into the column's filter.
    virtual void StoreFilterEditorValue(int index);
    // Readies the editor for the column: a list or plain text.
    virtual void SetupFilterEditor(int index);
    // The filter request through the library's data service.
    virtual void ApplyFilterViaService();
    bool FilterColumnEditable(int index) const;
    AnsiString GetColumnFilterText(int index) const;
    void SetFilterRowEditing(bool on);
    void StartFilterEdit(int index);
    void StopFilterEdit();
    void HideFilterEditor();
    void ShowFilterEditor(bool prepare);
    // Enter in the editor: the row's conditions go to the dataset.
    void ApplyFilterFromRow();
    void StoreCurrentFilterEdit();
    void AfterFilterEdit();
    // The next column with an editable filter cell (wrapping once), or the
    // farthest one from the end when `toEnd`.
    void MoveToFilterColumn(bool forward, bool toEnd);
    // The open filter editor follows its cell after the layout changed.
    void RefreshFilterEditor();

    // ---- View position and column widths ---------------------------------------
    // Remembers the current record with its place in the window, and goes
    // back there.
    void SaveViewPosition();
    void RestoreViewPosition();
    // Fits the width of `column` (and of the selected columns, or of all
    // under a whole selection) to the titles, every record and the footers.
    void OptimizeColumnWidths(TColumnVyn* column);
    void FitColumnsToContent(const std::vector<TColumnVyn*>& columns);

    // ---- Multi-level titles ---------------------------------------------------------
    THeadTreeNode* TitleRoot() const { return titleRoot_.get(); }
    // The leaf of the column at `index` in collection order, once built.
    THeadTreeNode* LeafNode(int index) const;
    // Builds the title tree from the columns' captions.
    void BuildTitleTree();
    // Sets every node's band height under `node`; answers the node's height.
    int MeasureTitleTree(THeadTreeNode* node);

    // ---- Painting -----------------------------------------------------------------
    TCellTypeVyn GetCellType(int col, int row) const;
    // The colours of a data cell by selection and focus; answers whether it
    // is highlighted. With a style the style decides.
    virtual bool GetDataCellColors(int dataCol, int dataRow, TFont* font, TColor& background, TGridDrawState& state,
                                   const AnsiString& text);
    // The selection part of the colour rules: whether a data cell counts as
    // selected, and whether the focus highlights it.
    bool DataCellSelected(int dataCol, int dataRow, TGridDrawState& state, bool& highlightFocus);
    // Whether a data cell is the current one (or in the current row under dgRowSelect).
    bool IsCurrentDataCell(int dataCol, int dataRow) const;
    virtual bool GetFixedCellSelectionColors(int col, int row, TFont* font, TColor& background, bool selected,
                                             TGridDrawState state, const TCellTypeVyn& type);
    virtual bool CellInSelection(int col, int row, const TBookmarkStr& bookmark, int dataCol);
    virtual bool CellIs3D(int col, int row, TGridDrawState state, const TRect& rect) const;
    bool RowFocusRectVisible();
    // The typed prefix of a running incremental search over the current
    // cell's text, in the search colours.
    void DrawIncSearchText(TCanvas* canvas, const TRect& textRect, TAlignment alignment, const AnsiString& cellText,
                           int margin);
    // A button face drawn unmirrored in a mirrored paint.
    void PaintButtonMirrored(TCanvas* canvas, TRect rect, TColor parentColor, TButtonFaceStyle style, int downButton,
                             bool active, bool enabled, TCheckBoxState state);
    // The flat look's thin sunken edge around a single-bordered window.
    void PaintFlatBorder();
    // Whether the find dialog the grid opens is modal.
    virtual bool FindDialogModal() const { return true; }
    bool GridOrEditorFocused();
    // The text a footer cell shows for footer row `footerRow` (from 0).
    AnsiString FooterCellText(int footerRow, TColumnVyn* column);
    // The text a data cell's tooltip shows: a check-box or image column's
    // pick-list entry for its value, else the field's display text.
    AnsiString CellHintText(TColumnVyn* column);
    // Cell text with the grid's reading order.
    void WriteCellText(TCanvas* canvas, TRect rect, int rightMargin, int leftMargin, bool endEllipsis, bool wordWrap,
                       TTextLayout layout, TAlignment alignment, const AnsiString& text, int dy, int dx,
                       bool fillRect);
    // Makes a buffered record current for reading its fields; EndRowRead
    // gives the dataset's current record back. CurrentRecord answers that
    // record in between too.
    void BeginRowRead(int record);
    void EndRowRead();
    int CurrentRecord() const;
    // The row whose indicator shows the record pointer (-1: none drawn).
    int IndicatorRow() const { return indicatorRow_; }
    // Every field of the dataset, in order (nothing without a dataset).
    void GetDatasetFields(std::vector<TField*>& fields) const;

    // ---- Keyboard and incremental search (DBGridVynKeyboard.cpp) --------------------
    // Clears the marked rows and any selection under dghClearSelection.
    void ClearSelection();
    // Moves `distance` records (or to the end with `toEnd`), selecting
    // rows (or a rectangle) on the way when `select`.
    void MoveWithSelection(bool select, int distance, bool toEnd, bool rowMode);
    // Makes grid column `col` current (skipping hidden columns in
    // `direction`), extending a rectangle selection when `extend`.
    void MoveToColumn(int col, int direction, bool extend);
    // Searches the current column's display texts for the typed prefix:
    // mode 0 from the current record or the first, 1 the next match, 2 the
    // previous one; `timeout` in milliseconds, -1 for none.
    void IncSearch(const AnsiString& text, int timeout, int mode);
    void EndIncSearch();
    void RestartIncSearchTimer();
    void StopIncSearchTimer();
    bool IncSearchActive() const { return incSearchActive_; }
    const AnsiString& IncSearchText() const { return incSearchText_; }
    bool CanSelectAll() const;
    bool CanDeleteSelection() const;
    bool CanCopySelection() const;
    bool CanCutSelection() const;
    bool CanPasteFromClipboard() const;
    // Dataset actions through the data link first; then, while focused, the
    // standard edit actions the EditActions allow (DBGridVynActions.cpp).
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;

    // ---- Sort marking (DBGridVynSortMarking.cpp) ------------------------------------
    // A Ctrl-click changed a marker and the sort request waits for Ctrl's
    // release or the loss of focus.
    bool PendingSortMarking() const { return pendingSortMarking_; }
    // The sort request through the library's data service.
    void ApplySortingViaService();
    // Whether a grid column's title shows pressed: its button is held and
    // the pointer is over it.
    bool TitleButtonShownPressed(int col) const { return titlePressed_ && titlePressedOver_ && col == pressedTitleCol_; }
    // Follows the pointer while a title button is held, repainting the
    // title row when the pressed look changes.
    void TrackTitleButton(int x, int y);
    // Ends a title-button press: no pressed look, no capture, no column.
    void CancelTitleButtonPress();

protected:
    // The factories of the owned column objects; a descendant grid replaces them.
    virtual TDBGridVynColumnDefValuesVyn* CreateColumnDefValues();
    virtual TDBGridColumnsVyn* CreateColumns();
    virtual TDBGridVynScrollBar* CreateScrollBar(TScrollBarKind kind);

    // Hooks that fire the grid's events.
    virtual void CellClick(TColumnVyn* column);
    virtual void CheckTitleButton(int col, bool& enabled);
    virtual void ColEnter();
    virtual void ColExit();
    virtual void SortMarkingChanged();
    virtual void TitleBtnClick(int col, TColumnVyn* column);
    virtual void DrawColumnCell(const TRect& rect, int dataCol, TColumnVyn* column, TGridDrawState state);
    virtual void DrawDataCell(const TRect& rect, TField* field, TGridDrawState state);
    virtual void EditButtonClick();
    virtual void GetCellParams(TColumnVyn* column, TFont* font, TColor& background, TGridDrawState state);
    virtual void GetFooterParams(int dataCol, int row, TColumnVyn* column, TFont* font, TColor& background,
                                 TAlignment& alignment, TGridDrawState state, AnsiString& text);
    virtual void TitleClick(TColumnVyn* column);

    // A filter-row cell.
    virtual void DrawFilterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                                const TCellTypeVyn& type, bool& highlighted);

    // The layout pass, run when the outermost bracket closes.
    virtual void LayoutPass();
    // Which fields the data link maps: with customized columns the columns'
    // field names (sparse), otherwise every visible field (dense).
    virtual void BuildFieldMap();
    virtual void RecalcRowCount();
    // Tab stops and grid widths of the columns.
    virtual void UpdateColumnTabsAndWidths();
    void ColWidthsChanged() override;
    // A data row sized by the user sets RowHeight for every row.
    void RowHeightsChanged() override;
    void TopLeftChanged() override;

    void Paint() override;
    void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
    // Draws the cells of a region from (startCol, startRow) at (x, y).
    void PaintCellRange(const TRect& region, int startCol, int startRow, int x, int y, TGridDrawState state,
                        const TGridLayoutInfo& info);
    void TimedScroll(TGridScrollDirection direction) override;

    // Input methods: the current column's settings over the grid's own.
    void UpdateIme();
    void ApplyIme();

    void CreateWnd() override;
    void DefineProperties(TFiler* filer) override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditAcceptKey(char key) override;
    bool CanEditModify() override;
    bool CanEditShow() override;
    int GetEditLimit() override;
    AnsiString GetEditMask(int col, int row) override;
    AnsiString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const AnsiString& value) override;
    // Cancels an untouched insert under dgCancelOnExit, else writes the
    // pending edit; a failed write keeps the focus.
    void DoExit() override;
    // A left press on a data cell: shows the editor where it should, and
    // hands a press on the edit-button band to the editor's button.
    void PressShowsEditor(const TGridCoord& cell, bool wasCurrent, int x, int y);
    void WMCommandVyn(TMessage& Message);
    void DefaultHandler(TMessage& Message) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    void WMDeferredLayout(TMessage& Message);
    void WMSize(TMessage& Message);
    void WndProc(TMessage& Message) override;
    void WMNCPaint(TMessage& Message);
    void WMVScroll(TMessage& Message);
    void MemTableDataSetRemoved(TComponent* component);
    void MemTableRecalcRowCount();
    void MemTableRecordChanged();
    void MemTableFetchVisible();
    void MemTableUpdateVertScrollBar();
    void MemTableVertScroll(int code, int trackPosition);
    void MemTableSafeMoveTop(int row);
    void MemTableUpdateTopRow();
    // A wheel notch: the wheel event first; then Shift+Ctrl moves a page of
    // records, Shift one record, Ctrl scrolls a page, nothing held one row.
    bool MemTableMouseWheel(bool down, TShiftState shift, TPoint mousePos);
    // Moves the current cell to grid row `row`, keeping the column.
    void MemTableMoveToRow(int row, bool show);
    // The tree-node area of a first-column data cell, in the cell's colours.
    void DrawTreeNodeArea(int dataCol, int dataRow, const TRect& rect, TGridDrawState state);
    void DrawTreeElement(TCanvas* canvas, const TRect& rect, int element);
    // Faces are rendered again in the new system colours.
    void CMSysColorChange(TMessage& Message);
    // Window messages of the grid's own fonts, colours and flat border
    // (DBGridVynWindowMessages.cpp).
    void CreateParams(TCreateParams& params) override;
    void WMNCCalcSize(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void ChangeScale(int M, int D) override;

    // Enter applies the row's conditions.
    void FilterEditorKeyPress(TObject* sender, char& key);
    void FilterEditorCloseUp(TObject* sender, bool accept);
    // Up at the first record (or with Ctrl) opens the filter row.
    bool OpenFilterRowFromData(TShiftState shift);
    // A press on an editable filter cell opens its editor (true); a press in
    // the data area ends filter editing.
    bool FilterRowPress(UINT message, int x, int y);

    // The title-button road; the other presses go on to the base grid.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // A press on a data row (the dataset moves to it, rows are selected)
    // or on the corner cell; false leaves the press to the base grid.
    bool DataAreaPress(TMouseButton button, TShiftState shift, int x, int y);
    // Whether a press at the point would size a row or a column.
    bool OnSizingLine(int x, int y);
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                         const TGridDrawInfo& info) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void WMChar(TMessage& Message);
    void WMTimerVyn(TMessage& Message);
    // The keys of the Ctrl table and of the plain table.
    void CtrlKeyDown(Word& key, TShiftState shift);
    void PlainKeyDown(Word& key, TShiftState shift);
    // Tab's move: one cell forward or back, over into the next record.
    void MoveByTab(bool forward);
    // Deletes the marked rows or the current record, asking first under
    // dgConfirmDelete.
    void DeleteWithConfirmation();
    void OpenFindDialog();
    // Whether typed characters go to the incremental search.
    bool IncSearchApplies();
    // The top of a title cell's lowest band (the cell's top without
    // multi-level titles): presses above it hold no button.
    int TitleButtonBandTop(int col) const;
    void WMKillFocusVyn(TMessage& Message);

    // ---- Mouse gestures (DBGridVynMouseGestures.cpp) ----------------------------------
    // 0 none, 1 selecting rows, 2 selecting columns, 3 selecting a
    // rectangle, 6 sizing a frozen column.
    int MouseGesture() const { return mouseGesture_; }
    // Gesture 6 with the edge's position, the point's offset from it and
    // the frozen column when the point lies on a frozen column's edge in
    // the title rows; 0 elsewhere.
    int FrozenSizingHitTest(int x, int y, int& position, int& offset, int& column) const;
    // The dotted XOR line at the frozen sizing position: drawn twice, gone.
    void DrawSizingLine();
    void StartSelectTimer(int interval);
    void StopSelectTimer();
    // One tick of the selection timer: the selection follows the pointer
    // beyond the data area, faster the farther it is.
    virtual void SelectionAutoScroll();
    // The press steps before the cell road: a double click (OnDblClick
    // fires here, not from the platform, unless a divider was fitted),
    // frozen and traced sizing, the column-select band. True when done.
    bool GesturePress(TMouseButton button, TShiftState shift, int x, int y);
    // Drag selection and sizing while the pointer moves; true when the
    // base grid must not see the move.
    bool GestureMove(TShiftState shift, int x, int y);
    // Ends the gesture at a release; true when nothing more happens.
    bool GestureRelease(TMouseButton button, TShiftState shift, int x, int y);
    // A press on a title cell with dgColumnResize: the corner's MarkAll and
    // the base grid's column moving and sizing.
    bool TitleAreaPress(TMouseButton button, TShiftState shift, int x, int y);
    // The pixels of the data rows and scrolled columns, in client coordinates.
    TRect DataAreaBox() const;
    // The left edge of grid column `col` as sizing measures it.
    int SizedColumnLeft(int col) const;
    void ApplyTracedWidth(int col, int position);
    bool OnColumnSelectBand(int x, int y) const;
    // Tooltips (DBGridVynHints.cpp): cells with tooltips show them at once,
    // and only where the cell cuts the text.
    void CMHintShowPause(TMessage& Message);
    void CMHintShow(TMessage& Message);
    void WMSetCursorVyn(TMessage& Message);
    void WMHScrollVyn(TMessage& Message);
    void WMCancelModeVyn(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_DEFERRED_LAYOUT_VYN, WMDeferredLayout)
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
        SERVIORA_MESSAGE(WM_TIMER, WMTimerVyn)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocusVyn)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(CM_PARENTFONTCHANGED, CMParentFontChanged)
        SERVIORA_MESSAGE(CM_PARENTCOLORCHANGED, CMParentColorChanged)
        SERVIORA_MESSAGE(WM_VSCROLL, WMVScroll)
        SERVIORA_MESSAGE(CM_SYSCOLORCHANGE, CMSysColorChange)
        SERVIORA_MESSAGE(WM_COMMAND, WMCommandVyn)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursorVyn)
        SERVIORA_MESSAGE(CM_HINTSHOWPAUSE, CMHintShowPause)
        SERVIORA_MESSAGE(CM_HINTSHOW, CMHintShow)
        SERVIORA_MESSAGE(WM_HSCROLL, WMHScrollVyn)
        SERVIORA_MESSAGE(WM_CANCELMODE, WMCancelModeVyn)
        SERVIORA_MESSAGE(CM_CANCELMODE, WMCancelModeVyn)
    SERVIORA_MESSAGES_END(TCustomGrid)

private:
    friend class TGridDataLinkVyn;
    friend class TDBGridInplaceEdit;
    void ReadColumns(TReader* reader);
    void WriteColumns(TWriter* writer);
    bool ColumnsStored() const;
    // Removes one queued message of `message` from the window's queue.
    void DiscardPendingMessage(UINT message);
    void AttachDefaultStyle();
    void DetachStyle();
    void TitleFontChanged(TObject* sender);
    void FooterFontChanged(TObject* sender);
    void TitleImageListChanged(TObject* sender);
    void SumListChanged(TObject* sender);
    void SumListRecalcAll(TObject* sender);
    void SumListAfterRecalcAll(TObject* sender);
    // The layout pass's column steps: stale automatic columns dropped, the
    // field map built, columns bound or made for the fields, the visible
    // columns listed and the grid's columns counted.
    void RemoveAutomaticColumnsAfterStored();
    void BindColumns();
    void CountColumns();
    void MeasureRows();
    void UpdateHorzScrollBarSwitch();
    void FitAutoWidths();
    void MeasureTitleRow();
    // The height of edit buttons in rows of `rowHeight`.
    int EditButtonHeightFor(int rowHeight) const;
    // Under dghResizeWholeRightPart a resized auto-fit column rescales the
    // auto-fit columns to its right.
    void DistributeRightPartWidths(TColumnVyn* column, int newWidth);
    // The pixels of the rows above the data, of the footers, and of one row.
    int LineWidth() const;
    // The cell painters of DrawCell.
    void DrawIndicatorCell(int row, TRect rect, const TCellTypeVyn& type, int margin, bool& highlighted);
    void DrawTitleCell(TColumnVyn* column, int col, int row, TRect rect, int margin, bool& highlighted);
    void DrawFooterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                        const TCellTypeVyn& type, bool& highlighted);
    void DrawRecordCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state, int margin,
                        bool is3D);
    void DrawRegionLines(const TRect& region, int startCol, int startRow, bool horzLines, bool vertLines,
                         TColor background, TColor lineColor, const TGridLayoutInfo& info);
    void Draw3DFrame(TRect rect, bool rightEdge, bool leftEdge, bool sunken);
    // Switches a mirrored paint's mapping off and answers `rect` in device
    // coordinates; the caller switches the mirroring back on.
    TRect UnmirroredRect(TCanvas* canvas, const TRect& rect);
    // An edit button in a cell: clipped to the cell, the flat look's inner
    // line, a glyph or a face.
    void DrawEditButton(TCanvas* canvas, TEditButtonStyleVyn style, TBitmap* glyph, TColor color, bool enabled,
                        bool active, int downButton, const TRect& cell, TRect button);
    // The edit buttons a column always shows, at the right of `textRect`,
    // which loses their width.
    void DrawColumnEditButtons(TColumnVyn* column, const TRect& cell, TRect& textRect, bool is3D);
    // Paints the header bands above a leaf's title, the part over this cell.
    void DrawTitleTreeNodes(THeadTreeNode* node, const TRect& cell, bool endEllipsis);
    // Applies the mapped base-grid options of Options and RowSizingAllowed.
    void UpdateGridOptions();

    std::unique_ptr<TGridDataLinkVyn> dataLink_;
    std::unique_ptr<TDBGridVynColumnDefValuesVyn> columnDefValues_;
    std::unique_ptr<TDBGridColumnsVyn> columns_;
    std::unique_ptr<TColumnsVynList> visibleColumns_;
    std::unique_ptr<TColumnsVynList> sortMarkedColumns_;
    std::unique_ptr<TBookmarkListVyn> bookmarks_;
    std::unique_ptr<TDBGridVynSelection> selection_;
    std::unique_ptr<TDBGridVynSumList> sumList_;
    std::unique_ptr<TDBGridVynScrollBar> horzScrollBar_;
    std::unique_ptr<TVertDBGridVynScrollBar> vertScrollBar_;
    std::unique_ptr<TSTDBGridVynFilter> stFilter_;
    std::unique_ptr<TFont> titleFont_;
    std::unique_ptr<TFont> footerFont_;
    std::unique_ptr<TColCellParamsVyn> cellParams_;
    std::unique_ptr<TChangeLink> titleImageLink_;
    std::unique_ptr<THeadTreeNode> titleRoot_;
    std::vector<THeadTreeNode*> leafNodes_;
    TDBGridVynStyle* style_ = nullptr;

    TDBGridVynAllowedOperations allowedOperations_{alopInsertVyn, alopUpdateVyn, alopDeleteVyn, alopAppendVyn};
    TDBGridVynAllowedSelections allowedSelections_{gstRecordBookmarks, gstRectangle, gstColumns, gstAll};
    TDBGridVynEditActions editActions_;
    TDBGridOptions options_{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines,
                            dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit};
    TDBGridVynOptions optionsVyn_{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind};
    bool autoFitColWidths_ = false;
    bool defaultDrawing_ = true;
    bool drawMemoText_ = false;
    bool flat_ = false;
    // The pixels WM_NCCALCSIZE keeps for the flat border: 1 for a flat
    // single border, else 0 (CreateParams decides).
    int flatBorderWidth_ = 0;
    // Set while the parent's font or colour is copied into the title, footer
    // and footer colour, so the copy does not clear ParentFont/ParentColor.
    bool selfChangingFromParent_ = false;
    bool readOnly_ = false;
    bool rowSizingAllowed_ = false;
    bool sortLocal_ = false;
    bool useMultiTitle_ = false;
    TColor footerColor_ = clWindow;
    int footerRowCount_ = 0;
    int frozenCols_ = 0;
    int minAutoFitWidth_ = 0;
    int rowHeight_ = 0;
    int rowLines_ = 0;
    int titleHeight_ = 0;
    int computedTitleHeight_ = 0;
    int titleLines_ = 0;
    int vTitleMargin_ = 10;

    int indicatorOffset_ = 1;
    int indicatorRow_ = -1;
    // Set while a right-to-left grid paints with mirrored mapping.
    bool mirroredPaint_ = false;
    int rowReadDepth_ = 0;
    IMemTableVyn* memTable_ = nullptr;
    bool memTableAllowed_ = true;
    // Set while a tree click moves the dataset.
    bool memTableRepositioning_ = false;
    bool memTableFetching_ = false;
    TDataSet* memTableDataSet_ = nullptr;
    TBookmarkStr viewBookmark_;
    int viewOffset_ = 0;
    bool leftColAtStart_ = true;
    int rowReadSaved_ = 0;
    int topDataOffset_ = 0;
    int layoutLock_ = 0;
    int updateLock_ = 0;
    int editButtonWidth_ = 0;
    int editButtonHeight_ = 0;
    int titleTextMargin_ = 4;
    bool wordWrapAllowed_ = false;
    bool inLinkLayout_ = false;
    bool paintSuppressed_ = false;
    bool rebuilding_ = false;
    // Set while the layout itself sets row heights.
    bool countingRows_ = false;
    // A tracked thumb moved the dataset already; its closing position is ignored.
    bool thumbTracked_ = false;
    TPoint lastMouseDown_{};
    int lastMouseDownTime_ = 0;
    // The VisibleMode the vertical bar was last shown with (none yet: -1).
    int vertBarMode_ = -1;
    TImeMode defaultImeMode_ = imDontCare;
    TImeName defaultImeName_;
    // The title-button press: the grid column, the press point, and whether
    // the pointer is over the pressed title.
    bool titlePressed_ = false;
    bool titlePressedOver_ = false;
    int pressedTitleCol_ = -1;
    TPoint titlePressPoint_{0, 0};
    bool pendingSortMarking_ = false;
    // Row selection by keys and mouse: whether moves toggle rows, and the
    // anchor row with its state before the selection began.
    bool toggleSelection_ = false;
    bool selectingRows_ = false;
    TBookmarkStr rowAnchor_;
    bool rowAnchorWasSelected_ = false;
    TInplaceFilterEditVyn* filterEditor_ = nullptr;
    int filterColumn_ = -1;
    bool filterRowEditing_ = false;
    bool incSearchActive_ = false;
    AnsiString editText_;
    Variant editValue_ = Null();
    bool incSearchMoving_ = false;
    bool incSearchTimerRunning_ = false;
    AnsiString incSearchText_;
    int incSearchTimeout_ = -1;
    // The mouse gesture: its kind, the tracking flags, the press and last
    // move points, the frozen sizing values and the selection timer.
    int mouseGesture_ = 0;
    bool mouseTracking_ = false;
    bool mouseSelectingRows_ = false;
    bool selectingCells_ = false;
    bool rightButtonMovesColumn_ = false;
    bool dragPendingAllowed_ = false;
    bool dragPending_ = false;
    bool rowResized_ = false;
    bool tracedSizing_ = false;
    TPoint pressPoint_{0, 0};
    TPoint movePoint_{0, 0};
    TShiftState moveShift_;
    TGridCoord pressedCheckCell_{-1, -1};
    int frozenSizingPos_ = 0;
    int frozenSizingOfs_ = 0;
    int frozenSizingCol_ = -1;
    int selectTimerInterval_ = -1;
    // The font of the tooltip showing, handed to the tooltip window.
    std::unique_ptr<TFont> hintFont_ = std::make_unique<TFont>();
    // Whether a point is on the part of grid column col's title that holds
    // its button: in the client area, row 0, below the upper title levels.
    bool InTitleButtonArea(int col, int x, int y) const;

#define SERVIORA_GRID_EVENT_FIELD(Name, Type) Type Name##_;
    SERVIORA_GRID_EVENT_FIELD(OnApplyFilter, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnCellClick, TDBGridVynClickEvent)
    SERVIORA_GRID_EVENT_FIELD(OnCheckButton, TCheckTitleVynBtnEvent)
    SERVIORA_GRID_EVENT_FIELD(OnColEnter, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnColExit, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnColumnMoved, TMovedEvent)
    SERVIORA_GRID_EVENT_FIELD(OnColWidthsChanged, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnDrawColumnCell, TDrawColumnVynCellEvent)
    SERVIORA_GRID_EVENT_FIELD(OnDrawDataCell, TDrawDataCellEvent)
    SERVIORA_GRID_EVENT_FIELD(OnDrawFooterCell, TDrawFooterCellEvent)
    SERVIORA_GRID_EVENT_FIELD(OnEditButtonClick, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnGetBtnParams, TGetBtnVynParamsEvent)
    SERVIORA_GRID_EVENT_FIELD(OnGetCellParams, TGetCellVynParamsEvent)
    SERVIORA_GRID_EVENT_FIELD(OnGetFooterParams, TGetFooterParamsEvent)
    SERVIORA_GRID_EVENT_FIELD(OnSortMarkingChanged, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnSumListAfterRecalcAll, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnSumListRecalcAll, TNotifyEvent)
    SERVIORA_GRID_EVENT_FIELD(OnTitleBtnClick, TTitleVynClickEvent)
    SERVIORA_GRID_EVENT_FIELD(OnTitleClick, TDBGridVynClickEvent)
#undef SERVIORA_GRID_EVENT_FIELD
};

// The grid forms place: every property and event published.
class TDBGridVyn : public TCustomDBGridVyn {
    SERVIORA_CLASS(TDBGridVyn, TCustomDBGridVyn)
    SERVIORA_PUBLISHED
public:
    using TCustomDBGridVyn::TCustomDBGridVyn;
};
