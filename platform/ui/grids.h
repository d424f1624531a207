// The class library's owner-drawn grids: TCustomGrid (rows and columns,
// sizes, scrolling, focus and selection), TCustomDrawGrid/TDrawGrid (the
// grid with cell events) and TStringGrid (a text and an object per cell).
//
// The model (counts, sizes, view, focus, selection, cell storage) works
// without a window: geometry is computed against the current client size,
// which is empty until the grid is given bounds. TInplaceEdit is the
// editor the grid shows over a cell (on TCustomMaskEdit, masked by the
// grid's GetEditMask).
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/set.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/colors.h"
#include "platform/ui/controls.h"
#include "platform/ui/mask.h"
#include "platform/gdi/windef.h"
#include "platform/win/winscroll.h"

SERVIORA_EXCEPTION(EInvalidGridOperation, Exception);

SERVIORA_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
              goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
              goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;

SERVIORA_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

SERVIORA_ENUM(TGridState, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    TGridCoord TopLeft() const { return {Left, Top}; }
    TGridCoord BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// Whether a ScrollBars setting includes the bar SB_HORZ or SB_VERT.
inline bool ScrollStyleHasBar(TScrollStyle style, int bar) {
    return style == ssBoth || style == (bar == SB_HORZ ? ssHorizontal : ssVertical);
}

// Raises EInvalidGridOperation with message.
[[noreturn]] void RaiseInvalidGridOperation(const AnsiString& message);

// The layout of one axis of the grid at the current size and scroll
// position: the fixed cells, then the scrollable cells from FirstGridCell.
// Each cell takes its extent plus the line width; a hidden cell (extent
// -1 with a line width of 1, or any extent that makes the sum negative)
// takes no room at all.
struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;
    int FixedBoundary = 0;        // end of the fixed cells and their lines
    int GridBoundary = 0;         // end of the last cell in view, at most GridExtent
    int GridExtent = 0;           // the client extent
    int LastFullVisibleCell = 0;  // at least FirstGridCell
    int FullVisBoundary = 0;      // end of LastFullVisibleCell and its line
    int FixedCellCount = 0;
    int FirstGridCell = 0;
    int GridCellCount = 0;
    const std::vector<int>* Extents = nullptr;

    int Extent(int index) const { return (*Extents)[static_cast<std::size_t>(index)]; }
    // The room a cell takes, line included.
    int Advance(int index) const;
    // The start and end (line excluded, cut at GridExtent) of cell `index`
    // when it is at least partly in view.
    bool CellSpan(int index, int& start, int& end) const;
    // The cell at position p, -1 when none (a line belongs to the cell before it).
    int CellAt(int p) const;
    // The last cell at least partly in view.
    int LastVisibleCell() const;
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

class TInplaceEdit;

// The scroll directions keep their short names in a scope of their own: the
// styled controls' sides use sdLeft and sdRight too.
namespace GridScroll {
SERVIORA_ENUM(TGridScrollDirectionItem, sdLeft, sdRight, sdUp, sdDown)
}
using GridScroll::TGridScrollDirectionItem;
using TGridScrollDirection = TSet<TGridScrollDirectionItem>;

// The scroll bars' range: a bar's thumb position p in 0..kGridScrollRange
// stands for the first scrollable cell plus p/kGridScrollRange of the
// scrollable cells.
constexpr int kGridScrollRange = 127;
// The id of the timer that scrolls while the mouse selects outside the cells.
constexpr UINT_PTR kGridSelectTimer = 1;

class TCustomGrid : public TCustomControl {
    SERVIORA_CLASS(TCustomGrid, TCustomControl)

public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;
    // Counts. ColCount/RowCount below 1 become 1 and lower the fixed count
    // when it would no longer fit; FixedCols/FixedRows must stay below the
    // count (EInvalidGridOperation) and move focus and view to the first
    // scrollable cell.
    int ColCount() const { return colCount_; }
    void SetColCount(int value);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int value);

    // Sizes in pixels, grid lines excluded. Writing a default resets every
    // column or row to it. EInvalidGridOperation for an index out of range.
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    // Whether Tab stops on a column (all do at first); Tab and Shift+Tab
    // pass over the others.
    bool TabStops(int index) const;
    void SetTabStops(int index, bool value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);

    // The first scrollable column and row in view; writing clamps between
    // the first scrollable cell and the last position that still fills the view.
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int value);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int value);
    // Scrollable columns and rows fully in view (at least 1).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The focused cell; writing asks SelectCell and moves the anchor too.
    int Col() const { return current_.X; }
    void SetCol(int value);
    int Row() const { return current_.Y; }
    void SetRow(int value);
    // The block between the anchor and the focused cell (whole rows under
    // goRowSelect). Writing puts the anchor at the top left and the focus at
    // the bottom right.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // bsSingle: a sunken edge (Ctl3D) or a line round the grid.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor value);

    // Geometry in client coordinates. CellRect/BoxRect: the part in view,
    // an empty rectangle when nothing is. MouseCoord/MouseToCell: the cell
    // under a point, -1 on an axis where there is none.
    TRect CellRect(int col, int row) const;
    TRect BoxRect(int left, int top, int right, int bottom) const;
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int& col, int& row) const;

    void InvalidateCell(int col, int row);
    void InvalidateCol(int col);
    void InvalidateRow(int row);
    void InvalidateGrid();

    // Moves the focus (and the anchor when asked, or always without
    // goRangeSelect) after SelectCell agrees, scrolling it into view when
    // `show`; the editor commits and hides first unless goAlwaysShowEditor.
    // EInvalidGridOperation for a cell outside the grid.
    void MoveColRow(int col, int row, bool moveAnchor, bool show);
    // MoveColRow with scrolling, then the editor follows and Click fires.
    void FocusCell(int col, int row, bool moveAnchor);

    // The in-place editor: shown over the focused cell under goEditing.
    TInplaceEdit* InplaceEditor() const { return inplaceEditor_; }
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool value);
    void ShowEditor();
    // Shows the editor with `ch` typed into it, replacing the text.
    void ShowEditorChar(char ch);
    // Commits the editor's text through SetEditText and hides it.
    void HideEditor();
    // Reads the focused cell's text again through GetEditText.
    void InvalidateEditor();

    // The layout of both axes at the current size and scroll position.
    void CalcDrawInfo(TGridDrawInfo& info) const;

protected:
    // Moves column or row `fromIndex` to `toIndex` with its size; the focus
    // and anchor move along. Then ColumnMoved/RowMoved.
    void MoveColumn(int fromIndex, int toIndex);
    void MoveRow(int fromIndex, int toIndex);
    // Moves the column or row to the end and drops the last one.
    virtual void DeleteColumn(int col);
    virtual void DeleteRow(int row);

    // Asked before the focus moves; false keeps it where it is.
    virtual bool SelectCell(int col, int row);
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void TopLeftChanged();
    virtual void SizeChanged(int oldColCount, int oldRowCount);

    // Whether the grid or its editor has the focus.
    bool IsActiveControl();
    // The grid forgets its editor when the editor is freed.
    void Notification(TComponent* component, TOperation operation) override;

    // Painting: Paint draws the lines and every cell in view (fixed cells
    // first), calling DrawCell for each after the default background.
    void Paint() override;
    virtual void DrawCell(int col, int row, TRect rect, TGridDrawState state);
    // Mirrors the canvas for right-to-left drawing and back.
    void ChangeGridOrientation(bool rightToLeftOrientation);

    // The editor's hooks; a grid without cell texts answers empty text.
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditAcceptKey(char key);
    virtual bool CanEditModify();
    virtual bool CanEditShow();
    virtual int GetEditLimit();
    virtual AnsiString GetEditMask(int col, int row);
    virtual AnsiString GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const AnsiString& value);
    // Places the editor over the focused cell and shows or hides it.
    void UpdateEdit();

    // Sizing and moving by mouse. CalcSizingState answers, for a point,
    // the state a press there would start (gsColSizing/gsRowSizing near a
    // sizable line, else gsNormal) with the line's cell index, its position
    // and the offset of the point from it.
    virtual void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                 const TGridDrawInfo& info);
    // Scrolls one cell the way the mouse left the cells while selecting
    // (or dragging something over the grid).
    virtual void TimedScroll(TGridScrollDirection direction);
    // Something is dragged over the grid. When the grid takes the drop, the
    // focused cell follows the mouse as the drop target, and near the edges
    // (over the fixed cells, past the last full cell) the view scrolls on
    // the selection timer; a grid that refuses the drop stays as it is.
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    TGridState GridState() const { return gridState_; }
    void SetGridState(TGridState value) { gridState_ = value; }
    int SizingIndex() const { return sizingIndex_; }
    void SetSizingIndex(int value) { sizingIndex_ = value; }
    int SizingPos() const { return sizingPos_; }
    void SetSizingPos(int value) { sizingPos_ = value; }
    int SizingOfs() const { return sizingOfs_; }
    void SetSizingOfs(int value) { sizingOfs_ = value; }
    // The XOR line shown while sizing, at SizingPos.
    void DrawSizingLine(const TGridDrawInfo& info);

    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

    // Shows the window's scroll bars of ScrollBars where the view can scroll
    // and sets their range (0..kGridScrollRange) and position. A bar that
    // ScrollBars leaves out is left alone (it is hidden when ScrollBars
    // gives it up).
    void UpdateScrollRange();
    // Whether a bar (SB_HORZ, SB_VERT) stays shown even when nothing
    // scrolls; a descendant that keeps such bars enables them itself.
    virtual bool ScrollBarAlwaysShown(int bar) const;
    // A WM_HSCROLL/WM_VSCROLL request for SB_HORZ or SB_VERT; a thumb
    // position is in 0..kGridScrollRange.
    void ModifyScrollBar(int bar, int scrollCode, int pos);

    // Repaint requests for a block of cells (in view).
    void InvalidateGridRect(const TGridRect& rect);

    void WMGetDlgCode(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMTimer(TMessage& Message);
    void WMHScroll(TMessage& Message);
    void WMVScroll(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMSetRedraw(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocus)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_TIMER, WMTimer)
        SERVIORA_MESSAGE(WM_HSCROLL, WMHScroll)
        SERVIORA_MESSAGE(WM_VSCROLL, WMVScroll)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
        SERVIORA_MESSAGE(WM_CANCELMODE, WMCancelMode)
        SERVIORA_MESSAGE(CM_CANCELMODE, WMCancelMode)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
        SERVIORA_MESSAGE(WM_SETREDRAW, WMSetRedraw)
    SERVIORA_MESSAGES_END(TCustomControl)

private:
    void PaintCells(const TGridDrawInfo& info, int firstCol, int lastCol, int firstRow, int lastRow, int left, int top);
    void PaintLines(const TGridDrawInfo& info);
    void MoveAndScroll(int col, int row, bool moveAnchor);
    // The way to scroll for the mouse at `p` (client): towards the edge it
    // is over or past.
    TGridScrollDirection EdgeScrollDirection(POINT p, const TGridDrawInfo& info) const;
    void StopDragScroll();
    // Hides the editor, committing its text first when `commit`.
    void CloseEditor(bool commit);
    // Esc in the shown editor: the cell and the editor get back the text
    // the editor loaded; the editor hides unless goAlwaysShowEditor.
    void RevertEditor();
    void CancelMouseMode();
    void ChangeSize(int newColCount, int newRowCount);
    void ResetFocus();
    void MoveTopLeft(int left, int top);
    TGridCoord CalcMaxTopLeft(const TGridCoord& coord, const TGridDrawInfo& info) const;
    void ClampInView(const TGridCoord& coord);
    void SelectionMoved(const TGridRect& oldSelection);
    void MoveColRowInternal(bool isColumn, int fromIndex, int toIndex);
    void CalcAxis(TGridAxisDrawInfo& axis, int fixedCount, int firstCell, int cellCount,
                  const std::vector<int>& extents, int extent) const;

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    // WM_SETREDRAW switched drawing off: nothing is invalidated meanwhile.
    bool redrawOff_ = false;
    std::vector<int> colWidths_;
    std::vector<char> tabStops_;
    std::vector<int> rowHeights_;
    TGridCoord topLeft_{1, 1};
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsSingle;
    bool defaultDrawing_ = true;
    TColor fixedColor_ = clBtnFace;
    friend class TInplaceEdit;
    TInplaceEdit* inplaceEditor_ = nullptr;
    bool editorMode_ = false;
    TGridState gridState_ = gsNormal;
    int sizingIndex_ = 0;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveIndex_ = 0;
    int moveTarget_ = 0;
    bool rightToLeft_ = false;
    bool updatingScrollBars_ = false;
    bool dragScrolling_ = false;  // the selection timer scrolls for a drag over the grid
};

class TCustomDrawGrid;
SERVIORA_EVENT_TYPE(TDrawCellEvent, void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State));
SERVIORA_EVENT_TYPE(TSelectCellEvent, void(TObject* Sender, int ACol, int ARow, bool& CanSelect));
SERVIORA_EVENT_TYPE(TGetEditEvent, void(TObject* Sender, int ACol, int ARow, AnsiString& Value));
SERVIORA_EVENT_TYPE(TSetEditEvent, void(TObject* Sender, int ACol, int ARow, const AnsiString& Value));
SERVIORA_EVENT_TYPE(TMovedEvent, void(TObject* Sender, int FromIndex, int ToIndex));

// The grid whose cells are drawn and edited through events.
class TCustomDrawGrid : public TCustomGrid {
    SERVIORA_CLASS(TCustomDrawGrid, TCustomGrid)

public:
    using TCustomGrid::TCustomGrid;

    const TDrawCellEvent& OnDrawCell() const { return onDrawCell_; }
    void SetOnDrawCell(TDrawCellEvent v) { onDrawCell_ = std::move(v); }
    const TSelectCellEvent& OnSelectCell() const { return onSelectCell_; }
    void SetOnSelectCell(TSelectCellEvent v) { onSelectCell_ = std::move(v); }
    const TGetEditEvent& OnGetEditText() const { return onGetEditText_; }
    void SetOnGetEditText(TGetEditEvent v) { onGetEditText_ = std::move(v); }
    const TSetEditEvent& OnSetEditText() const { return onSetEditText_; }
    void SetOnSetEditText(TSetEditEvent v) { onSetEditText_ = std::move(v); }
    const TMovedEvent& OnColumnMoved() const { return onColumnMoved_; }
    void SetOnColumnMoved(TMovedEvent v) { onColumnMoved_ = std::move(v); }
    const TMovedEvent& OnRowMoved() const { return onRowMoved_; }
    void SetOnRowMoved(TMovedEvent v) { onRowMoved_ = std::move(v); }
    const TNotifyEvent& OnTopLeftChanged() const { return onTopLeftChanged_; }
    void SetOnTopLeftChanged(TNotifyEvent v) { onTopLeftChanged_ = std::move(v); }

protected:
    void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;
    void TopLeftChanged() override;
    AnsiString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const AnsiString& value) override;

private:
    TDrawCellEvent onDrawCell_;
    TSelectCellEvent onSelectCell_;
    TGetEditEvent onGetEditText_;
    TSetEditEvent onSetEditText_;
    TMovedEvent onColumnMoved_;
    TMovedEvent onRowMoved_;
    TNotifyEvent onTopLeftChanged_;
};

// The grid of form descriptions: its layout, look and cell events published.
class TDrawGrid : public TCustomDrawGrid {
    SERVIORA_CLASS(TDrawGrid, TCustomDrawGrid)
    SERVIORA_PUBLISHED

public:
    using TCustomDrawGrid::TCustomDrawGrid;
};

// A text and an object per cell. Objects are not owned. Storage grows as
// cells are written and is kept when the counts shrink, so cells beyond a
// reduced count come back when it grows again; deleting a row or column
// does drop its cells.
class TStringGrid : public TDrawGrid {
    SERVIORA_CLASS(TStringGrid, TDrawGrid)

public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    AnsiString Cells(int col, int row) const;
    // The stored text itself, for reading many cells without copying them;
    // valid until the cell is written or its row goes.
    const AnsiString& CellText(int col, int row) const;
    void SetCells(int col, int row, const AnsiString& value);
    TObject* Objects(int col, int row) const;
    void SetObjects(int col, int row, TObject* value);
    // A column or row as a list of ColCount/RowCount lines, owned by the
    // grid. Assigning a list copies its texts and objects into the cells
    // (cells past its end are cleared); Add fills the first empty cell.
    TStrings* Cols(int index);
    void SetCols(int index, TStrings* value);
    TStrings* Rows(int index);
    void SetRows(int index, TStrings* value);
    // Exchanges the texts and objects of two rows in constant time (their
    // heights stay where they are).
    void ExchangeRows(int rowA, int rowB);
    // Puts rows `first` .. `first` + size - 1 in a new order at once: row
    // `first` + i receives the texts and objects row `order[i]` held. Each
    // row of the block must appear in `order` once; heights stay.
    void PermuteRows(int first, const std::vector<int>& order);

protected:
    void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;
    void DeleteColumn(int col) override;
    void DeleteRow(int row) override;
    AnsiString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const AnsiString& value) override;

private:
    struct Cell {
        AnsiString text;
        TObject* object = nullptr;
    };
    class LineStrings;

    const Cell* FindCell(int col, int row) const;
    Cell& CellForWrite(int col, int row);
    void CheckCell(int col, int row) const;
    void ClearRowStorage(int row);
    void ClearColumnStorage(int col);

    std::vector<std::vector<Cell>> rows_;
    std::map<int, std::unique_ptr<LineStrings>> cols_;
    std::map<int, std::unique_ptr<LineStrings>> rowLists_;
};

// The grid's in-place editor: a borderless single-line edit owned by the
// grid and shown over the focused cell. Navigation keys go on to the grid;
// EN_CHANGE comes back as CN_COMMAND (Change) and the text goes to the
// grid's SetEditText.
class TInplaceEdit : public TCustomMaskEdit {
    SERVIORA_CLASS(TInplaceEdit, TCustomMaskEdit)

public:
    explicit TInplaceEdit(TComponent* owner);

    TCustomGrid* Grid() const { return grid_; }
    void Deselect();

    // Re-reads the focused cell's text, limit and mask from the grid.
    virtual void UpdateContents();
    // Places the edit over `rect` of the grid and shows it (hides it for an
    // empty rectangle).
    void Move(const TRect& rect);
    void Hide();

protected:
    // The grid moved the edit: adjust its formatting rectangle.
    virtual void BoundsChanged();
    void CreateParams(TCreateParams& params) override;
    void Change() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void WMGetDlgCode(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
    SERVIORA_MESSAGES_END(TCustomMaskEdit)

private:
    friend class TCustomGrid;
    // Shows `text` without it counting as an edit of the cell.
    void ShowText(const AnsiString& text);

    TCustomGrid* grid_ = nullptr;
    TGridCoord cellShown_{-1, -1};
    AnsiString loadedText_;  // the cell's text when UpdateContents loaded it
    bool updating_ = false;  // UpdateContents is loading the cell
};
