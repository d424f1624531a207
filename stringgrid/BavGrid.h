// TBavStringGrid, the string grid component a form places: the base grid
// with the grid-wide settings, the hooks through which painting and editing
// ask the application, the integral height and the scroll bars kept in view.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/ui/comctrls_richedit.h"
#include "platform/ui/imagelist.h"
#include "stringgrid/BaseGrid.h"
#include "stringgrid/BavColumnVisibility.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/html/BqgHTMLE.h"
#include "stringgrid/html/PictureContainer.h"

SERVIORA_EXCEPTION(EBavGridError, Exception);

SERVIORA_ENUM(TScrollBarAlways, saNone, saVert, saHorz, saBoth)
SERVIORA_ENUM(TGridLook, glStandard, glSoft, glClassic, glQuarn, glXP, glListView)
SERVIORA_ENUM(TScrollType, ssNormal, ssFlat, ssEncarta)
SERVIORA_ENUM(TScrollHintType, shNone, shVertical, shHorizontal, shBoth)
SERVIORA_ENUM(TDragScrollDirections, dsdUp, dsdDown, dsdLeft, dsdRight)
SERVIORA_ENUM(TIntelliPan, ipVertical, ipHorizontal, ipBoth, ipNone)
using TDragScrollDirection = TSet<TDragScrollDirections>;
SERVIORA_ENUM(TCellBorder, cbTop, cbLeft, cbRight, cbBottom)
using TCellBorders = TSet<TCellBorder>;

SERVIORA_EVENT_TYPE(TGridColorEvent,
                    void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont));
SERVIORA_EVENT_TYPE(TGridBorderEvent, void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders));
SERVIORA_EVENT_TYPE(TGridAlignEvent,
                    void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign));
// Events of the same signature as the platform grid's share their types:
// (Sender, ARow, ACol, var CanEdit / IsFixed) and (Sender, ACol, ARow, var
// HasComboBox) as TSelectCellEvent; (Sender, ARow, ACol, var HintStr) and
// (Sender, ACol, ARow, var Value) as TGetEditEvent.
using TCanEditCellEvent = TSelectCellEvent;
using TIsFixedCellEvent = TSelectCellEvent;
using THasComboEvent = TSelectCellEvent;
using TGridHintEvent = TGetEditEvent;
using TGetCheckEvent = TGetEditEvent;

// What the grid and the month calendar share: one operation that applies a
// predefined colour style to the control.
class IComponentStyle {
public:
    virtual ~IComponentStyle() = default;
    virtual void SetComponentStyle(int style) = 0;
};

SERVIORA_EVENT_TYPE(TRowDisjunctSelectEvent, void(TObject* Sender, int ARow, bool AState, bool& Allow));
SERVIORA_EVENT_TYPE(TAutoInsertRowEvent, void(TObject* Sender, int ARow));
// (Sender, ARow), the signature of TAutoInsertRowEvent, whose type it shares.
using TEndRowSizeEvent = TAutoInsertRowEvent;
SERVIORA_EVENT_TYPE(TCustomCellDrawEvent, void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                               TGridDrawState AState, TRect ARect, bool Printing));

SERVIORA_EVENT_TYPE(TScrollHintEvent, void(TObject* Sender, int ARow, AnsiString& hintstr));
SERVIORA_EVENT_TYPE(TDragScrollEvent, void(TObject* Sender, int TopRow, int LeftCol,
                                           TDragScrollDirection& DragScrollDir, bool& CanScroll));
SERVIORA_EVENT_TYPE(TColumnSizeEvent, void(TObject* Sender, int ACol, bool& Allow));
SERVIORA_EVENT_TYPE(TUpdateColumnSizeEvent, void(TObject* Sender, int ACol, int& AWidth));
// (Sender, OldRow, NewRow), (Sender, ARow, var Allow) and (Sender, ACol),
// the signatures of TMovedEvent, TColumnSizeEvent and TAutoInsertRowEvent,
// whose types they share.
using TRowChangedEvent = TMovedEvent;
using TRowSizeEvent = TColumnSizeEvent;
using TEndColumnSizeEvent = TAutoInsertRowEvent;
// (Sender, var CanAdd) and (Sender, ARow, var CanInsert): the signatures of
// TCloseQueryEvent and TColumnSizeEvent.
using TCanAddRowEvent = TCloseQueryEvent;
using TCanInsertRowEvent = TColumnSizeEvent;

SERVIORA_EVENT_TYPE(TGridBorderPropEvent, void(TObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen,
                                               TPen* RightPen, TPen* BottomPen));
SERVIORA_EVENT_TYPE(TGetEditorTypeEvent, void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor));
SERVIORA_EVENT_TYPE(TDateTimeChangeEvent, void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime));
SERVIORA_EVENT_TYPE(TFooterPaintEvent, void(TObject* Sender, int AColumn, TCanvas* Canvas, TRect ARect));
// (Sender, ACol, ARow, var Value) as TGetDisplWideTextEvent.
using TGetEditWideTextEvent = TGetDisplWideTextEvent;
SERVIORA_EVENT_TYPE(TSetEditWideTextEvent, void(TObject* Sender, int ACol, int ARow, WideString Value));
SERVIORA_EVENT_TYPE(TSelectionChanged, void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom));
SERVIORA_EVENT_TYPE(TCellValidateEvent, void(TObject* Sender, int ACol, int ARow, AnsiString& Value, bool& Valid));
SERVIORA_EVENT_TYPE(TCellChangingEvent,
                    void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow));
SERVIORA_EVENT_TYPE(TAutoAdvanceEvent,
                    void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow));
SERVIORA_EVENT_TYPE(TComboChangeEvent,
                    void(TObject* Sender, int ACol, int ARow, int AItemIndex, AnsiString ASelection));
SERVIORA_EVENT_TYPE(TComboObjectChangeEvent, void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                  AnsiString ASelection, TObject* AObject));
// (Sender, Old, New, var Allow), (Sender, ACol, ARow, Value), (Sender, ARow),
// (Sender, ACol), (Sender, var Allow), (Sender, ACol, ARow, var Value, var
// Allow) and (Sender, ARow, ACol): the signatures of TSelectCellEvent,
// TSetEditEvent, TAutoInsertRowEvent, TCloseQueryEvent, TCellValidateEvent
// and TMovedEvent.
using TClickCellEvent = TMovedEvent;
SERVIORA_EVENT_TYPE(TCellControlEvent, void(TObject* Sender, int ARow, int ACol, AnsiString CtrlID,
                                            AnsiString CtrlType, AnsiString CtrlVal));
SERVIORA_EVENT_TYPE(TCellComboControlEvent,
                    void(TObject* Sender, int ARow, int ACol, AnsiString CtrlID, AnsiString CtrlType, AnsiString CtrlVal,
                         TStringList* Values, bool& Edit, int& DropCount));
SERVIORA_EVENT_TYPE(TAnchorClickEvent, void(TObject* Sender, int ARow, int ACol, AnsiString Anchor, bool& AutoHandle));
SERVIORA_EVENT_TYPE(TAnchorEvent, void(TObject* Sender, int ARow, int ACol, AnsiString Anchor));
SERVIORA_EVENT_TYPE(TSpinClickEvent, void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown));
SERVIORA_EVENT_TYPE(TFloatSpinClickEvent, void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown));
// (Sender, ACol, ARow, AValue: TDateTime, UpDown): TDateTime is a double.
using TDateTimeSpinClickEvent = TFloatSpinClickEvent;
SERVIORA_EVENT_TYPE(TCheckBoxClickEvent, void(TObject* Sender, int ACol, int ARow, bool State));
SERVIORA_EVENT_TYPE(TRadioClickEvent, void(TObject* Sender, int ACol, int ARow, int AIdx));
using TButtonClickEvent = TMovedEvent;
using TCanClickCellEvent = TSelectCellEvent;
using TCanDeleteRowEvent = TColumnSizeEvent;
using TAutoDeleteRowEvent = TAutoInsertRowEvent;
using TRowChangingEvent = TSelectCellEvent;
using TColChangingEvent = TSelectCellEvent;
using TEditChangeEvent = TSetEditEvent;
using TAutoAddRowEvent = TAutoInsertRowEvent;
using TAutoInsertColEvent = TAutoInsertRowEvent;
using TClipboardEvent = TCloseQueryEvent;
using TBeforeCellPasteEvent = TCellValidateEvent;
SERVIORA_EVENT_TYPE(TBeforeCellPasteWideEvent, void(TObject* Sender, int ACol, int ARow, WideString& Value, bool& Allow));
using TCellValidateWideEvent = TBeforeCellPasteWideEvent;
using TDblClickCellEvent = TClickCellEvent;
// (Sender, ARow, ACol, var IsPassword), (Sender, ACol, ARow, var WordWrap),
// (Sender, ACol, ARow, var S) and (Sender, R): the signatures of
// TSelectCellEvent, TGetEditEvent and TRichEditResizeEvent.
using TIsPasswordCellEvent = TSelectCellEvent;
using TWordWrapEvent = TSelectCellEvent;
using TCellsChangedEvent = TRichEditResizeEvent;
using TEllipsClickEvent = TGetEditEvent;
// (Sender, ARow, ACol, Data, var Allow), (Sender, ARect), (Sender, ARow,
// ACol, FileName, var Allow), (Sender, ARow, ACol, DropCol), (Sender, ARow,
// ACol, var Allow) and (Sender, Effect).
using TOleDragDropEvent = TAnchorClickEvent;
SERVIORA_EVENT_TYPE(TOleDroppedEvent, void(TObject* Sender, TGridRect ARect));
using TOleDropFileEvent = TAnchorClickEvent;
using TOleDropColEvent = TRadioClickEvent;
using TOleDragOverEvent = TSelectCellEvent;
using TOleDragStopEvent = TAutoInsertRowEvent;
using TOleDragStartEvent = TClickCellEvent;
SERVIORA_EVENT_TYPE(TSelectionResizeEvent, void(TObject* Sender, TGridRect OrigSelection, TGridRect NewSelection));
class TGridDropTarget;
class TEditLink;
SERVIORA_EVENT_TYPE(TGetEditorPropEvent, void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink));
SERVIORA_EVENT_TYPE(TCustomCellSizeEvent,
                    void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing));
// The printing events: published so that form resources stream them; the
// grid itself does not print.
SERVIORA_EVENT_TYPE(TGridPrintPageEvent,
                    void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize));
SERVIORA_EVENT_TYPE(TGridPrintPageDoneEvent, void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                                                  int LastPage, int PageXSize, int PageYSize));
SERVIORA_EVENT_TYPE(TGridPrintStartEvent, void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage));
SERVIORA_EVENT_TYPE(TDoFitToPageEvent, void(TObject* Sender, double& ScaleFactor, bool& Allow));
// (Sender, PageNr, var Cancel), (Sender, ARow, var NewPage), (Sender, ACol,
// var Width) and (Sender, ARow, var Height): the signatures of
// TColumnSizeEvent and TUpdateColumnSizeEvent.
using TGridPrintCancelEvent = TColumnSizeEvent;
using TGridPrintNewPageEvent = TColumnSizeEvent;
using TGridPrintColumnWidthEvent = TUpdateColumnSizeEvent;
using TGridPrintRowHeightEvent = TUpdateColumnSizeEvent;

// Told the rectangle of cells that changed.
class ICellsChangedListener {
public:
    virtual ~ICellsChangedListener() = default;
    virtual void CellsChanged(const TRect& cells) = 0;
};

class TBavHintInfo;
SERVIORA_EVENT_TYPE(TOfficeHintEvent, void(TObject* Sender, int ACol, int ARow, TBavHintInfo* OfficeHint));
// (Sender, ARow, ACol, var Anchor), the signature of TGetEditEvent.
using TAnchorHintEvent = TGetEditEvent;
SERVIORA_EVENT_TYPE(TGridBalloonEvent, void(TObject* Sender, int ACol, int ARow, AnsiString& ATitle,
                                            AnsiString& AText, int& AIcon));

SERVIORA_ENUM(TGridFindOption, gfMatchCase, gfMatchFull, gfMatchCondition, gfRowWise, gfMatchStart, gfCurrentRowOnly,
              gfCurrentColumnOnly, gfIncludeFixed, gfGotoFound, gfIgnoreHTMLTags, gfBackward,
              gfIncludeHiddenColumns, gfGivenColumnOnly, gfGivenRowOnly)
using TGridFindOptions = TSet<TGridFindOption>;

SERVIORA_ENUM(TSortStyle, ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
              ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages,
              ssCheckBox, ssUnicode, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase)
SERVIORA_EVENT_TYPE(TGridFormatEvent,
                    void(TObject* Sender, int ACol, TSortStyle& AStyle, AnsiString& aPrefix, AnsiString& aSuffix));
SERVIORA_EVENT_TYPE(TCustomCompareEvent, void(TObject* Sender, AnsiString str1, AnsiString str2, int& Res));
SERVIORA_EVENT_TYPE(TRawCompareEvent, void(TObject* Sender, int ACol, int Row1, int Row2, int& Res));
SERVIORA_EVENT_TYPE(TGridProgressEvent, void(TObject* Sender, short progress));
SERVIORA_EVENT_TYPE(TFloatFormatEvent,
                    void(TObject* Sender, int ACol, int ARow, bool& IsFloat, AnsiString& FloatFormat));
// (Sender, ACol, ARow, var Value), the signature of TGetEditEvent.
using TCellSaveLoadEvent = TGetEditEvent;
// (Sender, ARow, ARowReal) and (Sender, ARow, ARowReal, var Allow): the
// signatures of TMovedEvent and TSelectCellEvent.
using TNodeClickEvent = TMovedEvent;
using TNodeAllowEvent = TSelectCellEvent;
// (Sender, ACol, var DoSort) and (Sender, ACol): the signatures of
// TColumnSizeEvent and TAutoInsertRowEvent.
using TCanSortEvent = TColumnSizeEvent;
using TClickSortEvent = TAutoInsertRowEvent;

class TBavRichEdit;
class TFilter;
class TArrowWindow;
class TPopupButton;
class TFloatingFooter;
class THTMLHintWindow;
class TTimer;
class TFooterPanel;
class TSearchFooter;
class TSearchPanel;
class TGridEditors;
class TGridTransEdit;
class TBavStringGridCheck;

class TBavStringGrid : public TBaseGrid, public IComponentStyle {
    SERVIORA_CLASS(TBavStringGrid, TBaseGrid)
    SERVIORA_PUBLISHED
    friend class TBavRichEdit;
    friend class TBavInplaceEdit;
    friend class TEditLink;

public:
    explicit TBavStringGrid(TComponent* owner);
    ~TBavStringGrid() override;

    // Only from another string grid; anything else is ignored.
    void Assign(TPersistent* source) override;
    void Invalidate() override;
    void SetBounds(int left, int top, int width, int height) override;
    // Applies one of the numbered colour styles (0-7, 9); other numbers
    // only repaint.
    void SetComponentStyle(int style) override;
    // The colour scheme of the active visual style: 1 "NormalColor",
    // 2 "HomeStead", 3 "Metallic", 0 any other or none.
    int DetectXPColorScheme() const;
    void ApplyXPSchemeColors(int scheme);
    void ApplyThemeColorScheme();

    // Shows, hides, enables and disables the scroll bars for ScrollBarAlways
    // (with `hide`, bars without anything to scroll go away).
    void UpdateScrollBarsAlways(bool hide);

    // ---- Painting ----
    void GetCellColor(int col, int row, TGridDrawState state, TBrush* brush, TFont* font, TColor& colorTo,
                      TCellGradientDirection& direction, bool printing, bool rangeSelection,
                      bool mapColumn) override;
    // GetCellColor with the alignment and word wrap the cell is drawn with.
    void GetCellLook(int col, int row, TGridDrawState& state, bool printing, bool rangeSelection, bool mapColumn,
                     TBrush* brush, TColor& colorTo, TFont* font, TAlignment& hAlign, TVAlignment& vAlign,
                     bool& wordWrap, TCellGradientDirection& direction);
    void DrawGridCell(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state) override;
    // The cell's graphic (nullptr when none), its placement, whether text
    // is drawn beside it and its size.
    TCellGraphic* GetCellGraphicInfo(int col, int row, TCellVAlign& vAlign, TCellHAlign& hAlign, bool& drawText,
                                     int& height, int& width);
    // fontGrowth raises the cell font's size (auto-sizing's zoom level).
    TSize GetCellTextExtent(int col, int row, bool fixedWidth, int fontGrowth = 0);
    // Where text of the given extent, turned by `angle` degrees, starts so
    // that it sits aligned inside `rect`.
    static TPoint PlaceRotatedText(const TRect& rect, TSize extent, int angle, TVAlignment vAlign, TAlignment hAlign);
    int RowLineCount(int row);
    void RepaintCellRange(const TGridRect& range);
    // The look's window border, drawn on the window's device context.
    void DrawLookBorder();
    TColor FixedGradientFrom() const { return fixedGradientFrom_; }
    void SetFixedGradientFrom(TColor v);
    TColor FixedGradientTo() const { return fixedGradientTo_; }
    void SetFixedGradientTo(TColor v);
    bool ThemesAvailable() const { return themes_; }
    // The picture in column 0 of the current row (none when empty).
    TBitmap* RowIndicator() const { return rowIndicator_.get(); }
    void SetRowIndicator(TBitmap* v) {
        rowIndicator_->Assign(v);
        RepaintCell(0, Row());
    }
    int CellMarginX() const { return cellMarginX_; }
    int CellMarginY() const { return cellMarginY_; }
    // Set while the footer panel paints grid cells on its own canvas.
    bool ExternalPaint() const { return externalPaint_; }
    void SetExternalPaint(bool v) { externalPaint_ = v; }
    TFloatingFooter* FloatingFooter() const { return floatingFooter_.get(); }
    void SetFloatingFooter(TFloatingFooter* v);
    TFooterPanel* FooterPanel() const { return footerPanel_; }
    TSearchFooter* SearchFooter() const { return searchFooter_.get(); }
    void SetSearchFooter(TSearchFooter* v);
    TSearchPanel* SearchPanel() const { return searchPanel_; }
    // Opens the editor of fixed cells over (col, row) with its display
    // text, unless the open one refuses to commit or the can-edit hook
    // allows the cell.
    void EditFixedCell(int col, int row);
    TGridTransEdit* FixedCellEditor() const { return fixedCellEditor_; }
    // Applies the search footer's options to its panel.
    void UpdateSearchFooter();
    // The panel and its options, bound to each other through the grid.
    void CreateSearchFooter();
    void SearchFooterFind(bool backward);
    void SearchFooterAutoFind(const AnsiString& text);
    void KeepCurrentRowAboveSearchPanel();
    // Scrolls down while the current cell reaches into the visible panel.
    void KeepCurrentCellAboveSearchPanel();
    // The visible search panel takes its strip from the cells' area; the
    // panels aligned in the grid still share the whole client area.
    TRect ClientRect() const override;
    void AdjustClientRect(TRect& rect) const override;
    // The search panel's handlers: search while typing, find next and
    // previous from the last found cell, highlight and close.
    void SearchFooterTextChanged(TObject* sender);
    void SearchFooterFindNext(TObject* sender);
    void SearchFooterFindPrev(TObject* sender);
    void SearchFooterHighlight(TObject* sender);
    void SearchFooterClose(TObject* sender);
    void FindCellWithProgress(TGridCoord start, const AnsiString& text, TGridCoord& found, TGridFindOptions options);

    // ---- Hooks ----
    void GetCellFormat(int col, int row, TFont* font, TBrush* brush, TColor& colorTo, TAlignment& alignment,
                       TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& direction) override;
    virtual void GetCellColorHook(int col, int row, TFont* font, TBrush* brush, TGridDrawState state);
    virtual void GetCellBorder(int col, int row, TCellBorders& borders, TPen* pen);
    virtual void DoGetAlignment(int col, int row, TAlignment& horizontal, TVAlignment& vertical);
    void GetCellAlignment(int col, int row, TAlignment& horizontal, TVAlignment& vertical);
    virtual void IsFixedCellHook(int col, int row, bool& fixed);
    virtual void CanEditCellHook(int col, int row, bool& allow);
    virtual void DoCanEditCell(int col, int row, bool& allow);
    virtual void DoGridHint(int col, int row, AnsiString& hint);
    virtual void GetCheckTrueText(int col, int row, AnsiString& text);
    virtual void GetCheckFalseText(int col, int row, AnsiString& text);
    virtual bool HasComboBox(int col, int row);
    virtual void DoGetCellPrintColor(int col, int row, TFont* font, TBrush* brush, TGridDrawState state);
    virtual void DoGetCellPrintBorder(int col, int row, TCellBorders& borders, TPen* pen);
    virtual void DoGetEditorType(int col, int row, TEditorType& editor);
    virtual void DoIsPasswordCell(int col, int row, bool& password);
    virtual void DoGetWordWrap(int col, int row, bool& wordWrap);
    virtual void DoSelectionChanged(int left, int top, int right, int bottom);
    // DoSelectionChanged when the selection is no longer `before`.
    void SelectionChangedSince(const TGridRect& before);
    virtual bool HasFilterButton(int col);
    // The value of a formula cell; the formulas arrive with the cell text
    // hooks.
    virtual AnsiString CalcCellValue(int col, int row);
    bool IsRadioCell(int col, int row, int& index);
    virtual Cardinal GetVersionNr() const;
    virtual AnsiString GetVersionString() const;

    // ---- Cell graphics ----
    virtual TCellGraphic* GetCellGraphic(int col, int row);
    virtual TCellType GetCellType(int col, int row);
    TCellGraphic* CreateCellGraphic(int col, int row);
    bool RemoveCellGraphic(int col, int row);
    bool RemoveCellGraphicOfType(int col, int row, TCellType type);
    bool IsCheckBoxCell(int col, int row);
    // Whether a client point hits the check box of a check-box cell (the
    // column as shown): anywhere in the cell unless PreciseCheckBoxCheck.
    bool IsCheckBoxHit(int col, int row, int x, int y);
    // The item texts of a radio group, on the base cell; nil for no group.
    bool HasRadioButtons(int col, int row);
    TStrings* GetRadioItems(int col, int row);
    bool IsButtonCell(int col, int row);
    bool HasCellControl(int col, int row);
    bool IsRotatedCell(int col, int row, int& angle);
    bool GetCellComment(int col, int row, AnsiString& comment);
    void GetCellErrorRange(int col, int row, int& from, int& length);
    TIntList* GetCellImageIndexes(int col, int row);
    std::intptr_t GetCellGraphicHandle(int col, int row);
    TRect GetCellGraphicRect(int col, int row);
    // The room a cell's graphic takes from its display text (auto-sizing),
    // and its natural size for scaled output, a picture fitted into the
    // room given and divided by the scale.
    virtual TSize GetCellGraphicSize(int col, int row);
    virtual TSize GetCellGraphicSizeScaled(int col, int row, double scale, int width, int height);
    void SetGraphicBoolean(int col, int row, bool value);
    bool GetCheckBoxState(int col, int row, bool& state);
    bool SetCheckBoxState(int col, int row, bool state);
    virtual bool ToggleCheckBox(int col, int row, bool fromInput);
    void CheckAll(int col);
    void UnCheckAll(int col);
    void SelectNextRadio(int col, int row, bool fromInput);
    // EBavGridError "Cell does not contain integer value" for other texts;
    // an empty text or "-" is 0.
    int GetCellInteger(int col, int row);
    void SetCellInteger(int col, int row, int value);
    // EBavGridError "Cell does not contain a float value".
    double GetCellFloat(int col, int row);
    void SetCellFloat(int col, int row, double value);
    void SetCellDate(int col, int row, TDateTime value);

    // ---- Index mapping and selection ----
    // The hidden rows, by real index (hiding itself comes with the nodes).
    TCollection* HiddenRowStore() const { return hiddenRows_.get(); }
    int NumHiddenRows() const { return hiddenRows_->Count(); }
    int RealRowIndex(int displayRow) const;
    int DisplayRowIndex(int realRow) const;
    // Hidden columns keep their cells at their real index, past the shown
    // columns, and their width in the visibility table.
    TColumnVisibility& ColumnVisibility() { return columnVisibility_; }
    int RealColIndex(int displayCol) const { return columnVisibility_.RealIndex(displayCol); }
    int RealColIndexOf(int displayCol) const { return RealColIndex(displayCol); }
    int DisplayColIndex(int realCol) const { return columnVisibility_.DisplayIndex(realCol); }
    bool IsHiddenColumn(int realCol) const { return columnVisibility_.IsHidden(realCol); }
    int NumHiddenColumns() const { return columnVisibility_.HiddenCount(); }
    int AllColCount() const { return ColCount() + NumHiddenColumns(); }
    int DisplayColOf(int realCol) override { return DisplayColIndex(realCol); }
    TGridRect GetSelectionRect() const { return Selection(); }
    void SetSelectionRect(const TGridRect& rect);
    // Saves the selection and shows none until RestoreSelection.
    void HideSelection();
    void RestoreSelection();
    bool SelectionHidden() const { return selectionHidden_; }
    // Disjunct row selection; EBavGridError "Invalid row accessed" outside
    // the rows, hidden ones included.
    bool GetRowSelect(int row);
    void SetRowSelect(int row, bool state);
    void ClearRowSelect();
    int RowSelectCount();
    void SelectionToRowSelect(bool allRows);
    // EBavGridError "Invalid column accessed" outside the columns.
    bool GetColSelect(int col);
    void SetColSelect(int col, bool state);
    void ClearColSelect();
    void SelectionToColSelect(bool allCols);
    bool IsCellSelected(int col, int row);
    bool IsRowModified(int row) const;
    void SetRowModified(int row, bool state);
    void RepaintRow(int row);
    void RepaintCol(int col);
    void RepaintRect(const TGridRect& rect);
    // The previous and the new current cell.
    void RepaintCellPair(int col1, int row1, int col2, int row2);
    // The floating footer, while it shows.
    void InvalidateFooter();
    // The whole grid, after its look changed.
    void LookChanged() { Invalidate(); }
    // ShowModified's change: column 0 marks the modified rows.
    void ShowModifiedChanged() { RepaintCol(0); }

    const TRowDisjunctSelectEvent& OnRowDisjunctSelect() const { return onRowDisjunctSelect_; }
    void SetOnRowDisjunctSelect(TRowDisjunctSelectEvent v) { onRowDisjunctSelect_ = std::move(v); }
    const TAutoInsertRowEvent& OnRowDisjunctSelected() const { return onRowDisjunctSelected_; }
    void SetOnRowDisjunctSelected(TAutoInsertRowEvent v) { onRowDisjunctSelected_ = std::move(v); }

    // ---- Cell and row colours ----
    void SetCellBrushColor(int col, int row, TColor color);
    void SetCellBrushColorTo(int col, int row, TColor color);
    void SetCellFontColor(int col, int row, TColor color);
    // Every cell from FixedCols on. clNone frees the cells' properties, but
    // a cell with a graphic keeps them and only the colour is reset.
    void SetRowColor(int row, TColor color);
    void SetRowColorTo(int row, TColor color);
    void SetRowFontColor(int row, TColor color);
    // clNone for a cell without properties.
    TColor GetCellBrushColor(int col, int row);
    bool GetCellReadOnly(int col, int row);

    // ---- Hidden rows (by real index) ----
    void HideRows(int first, int last);
    // Hides the listed rows (ascending) of a grid without hidden rows.
    void HideRowList(const std::vector<int>& rows);
    // Restores the rows of a range that is entirely hidden.
    void UnHideRows(int first, int last);
    void UnHideAllRows();
    bool IsHiddenRow(int realRow) const;
    // The row's texts with their cell objects; nullptr when not hidden.
    TStrings* GetHiddenRowStrings(int realRow) const;
    AnsiString GetRealRowCellText(int col, int realRow);
    void InsertRealRow(int realRow);
    void DeleteRealRow(int realRow);
    virtual void AddRow();
    virtual void DoCanAddRow(bool& allow);
    virtual void DoCanInsertRow(int row, bool& allow);
    const TCanAddRowEvent& OnCanAddRow() const { return onCanAddRow_; }
    void SetOnCanAddRow(TCanAddRowEvent v) { onCanAddRow_ = std::move(v); }
    const TCanInsertRowEvent& OnCanInsertRow() const { return onCanInsertRow_; }
    void SetOnCanInsertRow(TCanInsertRowEvent v) { onCanInsertRow_ = std::move(v); }

    // ---- Nodes and summary rows ----
    // Real rows: a node covers `span` rows from its own (0: up to the next
    // node row).
    void AddNode(int realRow, int span);
    bool RemoveNode(int realRow);
    void RemoveAllNodes();
    void MarkSummaryRow(int realRow);
    void ExpandNode(int realRow);
    // Nested contracted nodes reappear expanded with their parent.
    void ContractNode(int realRow);
    void ExpandAll();
    void ContractAll();
    void InsertNodeChildRow(int realRow, int offset);
    void RemoveNodeChildRow(int realRow);
    // Display rows.
    bool HasNodes() override;
    int GetNodeIndent(int row) override;
    bool IsNodeRow(int row) const;
    bool IsSummaryRow(int row) const;
    // The contracted flag; false without a node.
    bool GetNodeState(int row) const;
    int GetNodeLevel(int row);
    int GetNodeSpan(int row) const;
    void AdjustNodeSpan(int row, int delta);
    int GetParentNodeRow(int row);
    // 0 a node row, 2 a child with a sibling after it, 1 the last child.
    int GetNodeLineKind(int row);
    bool IsNodeGlyphHit(int row, int x);

    // ---- Row and column operations ----
    // Frees the rows' cell objects, then deletes them with DeleteRowsCore.
    virtual void DeleteRowsRaw(int row, int count);
    // Moves the rows below up over the run; side data and objects stay.
    virtual void RemoveRowsText(int row, int count);
    // Removes a run of rows with their cell properties and side data; a
    // start at or past RowCount does nothing, the count is clamped.
    virtual void RemoveRows(int row, int count);
    // Inserts empty rows before `row` (RowCount appends).
    virtual void InsertRows(int row, int count);
    virtual void RemoveCols(int col, int count);
    virtual void InsertCols(int col, int count);
    // Empties the cells of the rectangle and frees their properties.
    virtual void ClearRect(int col1, int row1, int col2, int row2);
    // Deletion through the platform's DeleteRow; `adjustHiddenRows` moves
    // the hidden rows after the run up.
    void DeleteRowsCore(int row, int count, bool adjustHiddenRows);
    void RemoveSelectedRows();
    void ClearRows(int row, int count);
    void ClearCols(int col, int count);
    void ClearSelectedCells();
    void Clear();
    void SplitColumnCells(int col);
    // Merges runs of equal texts vertically; without `byTextOnly` only
    // inside the blocks the rows already share.
    void MergeColumnCells(int col, bool byTextOnly);

    // ---- Sorting, grouping and filtering ----
    // Rows change places whole (texts, objects, heights, marks); the
    // row-order list remembers where each row came from until RowCount
    // changes, so UnSort puts back the order from before the first sort.
    virtual void SwapRows(int row1, int row2);
    virtual void QSort();
    // EBavGridError "No indexes specified for indexed sort" on an empty
    // sort index list.
    virtual void QSortIndexed();
    // The children of every expanded node of three rows or more.
    virtual void SortNodes();
    virtual void SortNodesIndexed();
    virtual void UnSort();
    void ResetRowOrder();
    TIntList* RowOrder() const { return rowOrder_.get(); }
    // -1, 0 or 1; `direction` only places blanks.
    int CompareRowCells(int col, int row1, int row2, TSortDirection direction);
    int CompareRowsFull(int col, int row1, int row2);
    int CompareRowsIndexed(int depth, int row1, int row2);
    void QuickSortRows(int col, int first, int last);
    void QuickSortRowsIndexed(int first, int last);
    void QuickSortByRowOrder(int first, int last);
    void SortRangeIndexed(int first, int last);
    void SortNodeChildren(bool indexed);
    virtual void DoGetFormat(int col, TSortStyle& style, AnsiString& prefix, AnsiString& suffix);
    // The display text without its HTML tags.
    AnsiString GetStrippedCellText(int col, int row);
    // Groups the rows by the values of a column, which goes away: a node
    // header before each run, summary rows after them with Grouping.Summary.
    virtual void Group(int col);
    virtual void UnGroup();
    virtual void SubGroup(int col);
    virtual void RemoveGroupLevel(int col);
    int GroupColumn() const { return groupColumn_; }
    // Whether a data row passes every condition of Filter.
    virtual bool MatchFilterRow(int row);
    void ApplyFilter();
    bool FilterActive() const { return filterActive_; }
    void SetFilterActive(bool v);
    const TGridFormatEvent& OnGetFormat() const { return onGetFormat_; }
    void SetOnGetFormat(TGridFormatEvent v) { onGetFormat_ = std::move(v); }
    const TCustomCompareEvent& OnCustomCompare() const { return onCustomCompare_; }
    void SetOnCustomCompare(TCustomCompareEvent v) { onCustomCompare_ = std::move(v); }
    const TRawCompareEvent& OnRawCompare() const { return onRawCompare_; }
    void SetOnRawCompare(TRawCompareEvent v) { onRawCompare_ = std::move(v); }
    const TGridProgressEvent& OnFilterProgress() const { return onFilterProgress_; }
    void SetOnFilterProgress(TGridProgressEvent v) { onFilterProgress_ = std::move(v); }
    // The display text, a number in it formatted by the float format
    // OnGetFloatFormat chooses; a conversion that fails leaves it as it is.
    virtual AnsiString GetFormattedCellText(int col, int row);
    // The formatted text, a checked box's empty cell as the check text, as
    // OnSaveCell leaves it.
    virtual AnsiString GetCellSaveText(int col, int row);
    // Stored as OnLoadCell leaves it.
    virtual void LoadCellText(int col, int row, AnsiString text);
    const TFloatFormatEvent& OnGetFloatFormat() const { return onGetFloatFormat_; }
    void SetOnGetFloatFormat(TFloatFormatEvent v) { onGetFloatFormat_ = std::move(v); }
    const TCellSaveLoadEvent& OnSaveCell() const { return onSaveCell_; }
    void SetOnSaveCell(TCellSaveLoadEvent v) { onSaveCell_ = std::move(v); }
    const TCellSaveLoadEvent& OnLoadCell() const { return onLoadCell_; }
    void SetOnLoadCell(TCellSaveLoadEvent v) { onLoadCell_ = std::move(v); }
    // Fixed cells look like buttons: sunken while pressed.
    bool FixedAsButtons() const { return fixedAsButtons_; }
    void SetFixedAsButtons(bool v) { fixedAsButtons_ = v; }
    const TNodeAllowEvent& OnBeforeExpandNode() const { return onBeforeExpandNode_; }
    void SetOnBeforeExpandNode(TNodeAllowEvent v) { onBeforeExpandNode_ = std::move(v); }
    const TNodeAllowEvent& OnBeforeContractNode() const { return onBeforeContractNode_; }
    void SetOnBeforeContractNode(TNodeAllowEvent v) { onBeforeContractNode_ = std::move(v); }
    const TNodeClickEvent& OnExpandNode() const { return onExpandNode_; }
    void SetOnExpandNode(TNodeClickEvent v) { onExpandNode_ = std::move(v); }
    const TNodeClickEvent& OnContractNode() const { return onContractNode_; }
    void SetOnContractNode(TNodeClickEvent v) { onContractNode_ = std::move(v); }
    // Asked on every mouse move while a column (row) is dragged to a new
    // place; a refusal ends the move.
    const TColumnSizeEvent& OnColumnMove() const { return onColumnMove_; }
    void SetOnColumnMove(TColumnSizeEvent v) { onColumnMove_ = std::move(v); }
    const TRowSizeEvent& OnRowMove() const { return onRowMove_; }
    void SetOnRowMove(TRowSizeEvent v) { onRowMove_ = std::move(v); }
    // What a click on the header of real column `col` sorts; `extend` (Shift)
    // adds to the sort index list with IndexShow.
    void SortByHeader(int col, bool extend);
    const TCanSortEvent& OnCanSort() const { return onCanSort_; }
    void SetOnCanSort(TCanSortEvent v) { onCanSort_ = std::move(v); }
    const TClickSortEvent& OnClickSort() const { return onClickSort_; }
    void SetOnClickSort(TClickSortEvent v) { onClickSort_ = std::move(v); }
    // The "hi" tag around every occurrence of `text` in the cells: all of
    // them, or the ones that are not fixed; taken away again.
    void HighlightAllCells(bool all, bool caseSensitive, const AnsiString& text);
    void UnHighlightAllCells(bool all);
    void HighlightInRange(const TGridRect& range, bool caseSensitive, const AnsiString& text);
    void UnHighlightInRange(const TGridRect& range);
    // Footer rows and right fixed columns, then what the hook says.
    bool IsFixedCell(int col, int row) override;
    bool IsPasswordCell(int col, int row);
    TControl* GetCellControl(int col, int row);
    TInplaceEdit* GetInplaceEditor() const;
    void SetFixedGradientFromRGB(TColor color);
    void SetFixedGradientToRGB(TColor color);
    // The packed version number as four numbers joined by ".".
    AnsiString Version() const;
    void SetVersion(const AnsiString&) {}
    // The cell's display text parsed into the rich edit (cleared when empty).
    void LoadCellRichText(int col, int row, TRichEdit* richEdit);
    void RichEditToText(TRichEdit* richEdit, AnsiString& text);
    void RichEditSelectionChanged();
    // Adds `delta` to every width and height that stays above 0; the sum of
    // the steps stays within -10 and 10, a step past it is ignored.
    void Zoom(int delta);
    int ZoomLevel() const { return zoomLevel_; }
    // Set while a zoom step changes the sizes; the proportional scroll bars
    // wait for its end.
    bool Zooming() const { return zooming_; }
    // A header text with every "\n" made a line break.
    static AnsiString HeaderText(AnsiString text);
    // Columns whose runs of equal texts merge vertically; a change re-merges.
    TIntList* MergedColumns() const { return mergedColumns_.get(); }
    void SplitAllColumnCells();
    void MergeListedColumns();
    void MergeColumnsChanged();

    // ---- Rich text ----
    // The hidden rich edit that measures rich cells, and the one that edits them.
    TBavRichEdit* MeasuringRichEdit() const { return measuringRichEdit_; }
    TBavRichEdit* EditingRichEdit() const { return editingRichEdit_; }
    // Selected rich cells keep their own colours.
    bool SelectionRTFKeep() const { return selectionRTFKeep_; }
    void SetSelectionRTFKeep(bool v) { selectionRTFKeep_ = v; }
    bool Multilinecells() const { return multilinecells_; }
    void SetMultilinecells(bool v) { multilinecells_ = v; }
    const TEndRowSizeEvent& OnEndRowSize() const { return onEndRowSize_; }
    void SetOnEndRowSize(TEndRowSizeEvent v) { onEndRowSize_ = std::move(v); }
    const TNotifyEvent& OnRichEditSelectionChange() const { return onRichEditSelectionChange_; }
    void SetOnRichEditSelectionChange(TNotifyEvent v) { onRichEditSelectionChange_ = std::move(v); }

    // ---- Current row, view and current cell ----
    // Sets the current row and reports a change of it through OnRowUpdate.
    void SetRowEx(int row);
    void ScrollCellIntoView(int col, int row);
    virtual void GetCurrentCellText(AnsiString& text);
    virtual void SetCurrentCellText(const AnsiString& text);
    virtual void SetCurrentEditText(const AnsiString& text);
    virtual void CommitCellText(int col, int row, const AnsiString& text);
    virtual void SelectionHook(const TGridRect&) {}
    const TRowChangedEvent& OnRowUpdate() const { return onRowUpdate_; }
    void SetOnRowUpdate(TRowChangedEvent v) { onRowUpdate_ = std::move(v); }

    // ---- Scrolling ----
    TScrollType ScrollType() const { return scrollType_; }
    void SetScrollType(TScrollType v);
    TColor ScrollColor() const { return scrollColor_; }
    void SetScrollColor(TColor v);
    int ScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int v);
    // Flat scroll bars: the common-controls library's, looked up at each
    // use; without them every call is skipped and the bars stay ordinary.
    void InitFlatScrollBars();
    void DoneFlatScrollBars();
    bool FlatScrollBarsActive() const { return flatScrollActive_; }
    void FlatSetScrollProp(UINT property, LONG_PTR value);
    void FlatSetScrollInfo(int bar, SCROLLINFO& info);
    void FlatShowScrollBar(int bar, bool show);
    void ApplyFlatScrollStyle();
    void ApplyFlatScrollColor();
    void ApplyFlatScrollWidth();
    void UpdateFlatScrollBars();
    void UpdateFlatHorzScroll();
    void UpdateFlatVertScroll();
    bool ScrollProportional() const { return scrollProportional_; }
    void SetScrollProportional(bool v);
    TScrollHintType ScrollHints() const { return scrollHints_; }
    void SetScrollHints(TScrollHintType v) { scrollHints_ = v; }
    bool ScrollSynch() const { return scrollSynch_; }
    void SetScrollSynch(bool v) { scrollSynch_ = v; }
    // Thumbs sized by the part in view; bars with everything in view stay
    // as they are.
    void UpdateHorzScrollProportional();
    void UpdateVertScrollProportional();
    // The window that shows the row or column under a dragged thumb.
    THTMLHintWindow* ScrollHintWindow() const { return scrollHint_; }
    const TScrollHintEvent& OnScrollHint() const { return onScrollHint_; }
    void SetOnScrollHint(TScrollHintEvent v) { onScrollHint_ = std::move(v); }
    const TDragScrollEvent& OnDragScroll() const { return onDragScroll_; }
    void SetOnDragScroll(TDragScrollEvent v) { onDragScroll_ = std::move(v); }
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;

    // ---- Hooks for descendants, empty here ----
    // After each key release in the in-place editor: its text, the client
    // position of the character before the caret and the caret's index
    // ((-1, -1) and -1 when it loses the focus).
    virtual void EditorKeyUpHook(const AnsiString&, TPoint, int) {}
    // Whether the in-place editor's text starts with "=".
    virtual void EditorFormulaHook(bool) {}
    // A selection a press on the fixed cells makes, before it is set.
    virtual void HeaderSelectHook(TGridRect&) {}
    virtual void ClickHook() {}
    // After a text or cell-object paste: where the cells came from in this
    // grid ((-1, -1): elsewhere), the range pasted, and whether they were
    // copied rather than cut.
    virtual void PasteHook(TGridCoord, const TGridRect&, bool) {}
    // Stage 0 before a run over rows, 1 with each row, 2 after it.
    virtual void ProgressHook(int, int) {}
    virtual void PasteProgressHook(int, int) {}

    // ---- Change notifications ----
    // Remembers the cell and its text as they were when editing began.
    virtual void SaveEditStart(int col, int row);
    virtual void CellChanged(int col);
    virtual void CellsChanged(const TRect& cells);
    virtual void AllCellsChanged();
    // The text of the cell's ellipsis button as OnEllipsClick leaves it.
    virtual AnsiString DoEllipsClick(const AnsiString& text);
    // Fills the footer row's cells by their calculation kind (column -1:
    // all) while the floating footer shows the last row.
    virtual void CalcFooter(int col);
    virtual void RecalcFooter(int col);
    // Over display rows, or real rows when `lastRow` lies past the rows in
    // view and rows are hidden. Cells that hold no number are passed over.
    double ColumnSum(int col, int firstRow, int lastRow);
    // The sum divided by the rows of the range, 0 for an empty range.
    double ColumnAvg(int col, int firstRow, int lastRow);
    // Start from cell (col, firstRow), which must hold a number.
    double ColumnMin(int col, int firstRow, int lastRow);
    double ColumnMax(int col, int firstRow, int lastRow);
    double GetRealRowCellFloat(int col, int realRow);
    void AddCellsChangedListener(ICellsChangedListener* listener) { changeListeners_.push_back(listener); }
    void RemoveCellsChangedListener(ICellsChangedListener* listener) { std::erase(changeListeners_, listener); }
    int EditCol() const { return editCol_; }
    int EditRow() const { return editRow_; }
    const AnsiString& EditOriginalText() const { return editOriginalText_; }

    // The longest text the in-place editor takes (0: no limit).
    int MaxEditLength() const { return maxEditLength_; }
    void SetMaxEditLength(int v) { maxEditLength_ = v; }

    // ---- Editing: life cycle, validation and advance ----
    // Editable: editing is on (or forced), and the base cell is allowed by
    // the can-edit hook and not fixed.
    bool IsEditableCell(int col, int row);
    // The plug-in validation asks to correct and mark edited values; the
    // grid forgets it when it is freed.
    TBavStringGridCheck* CellChecker() const { return cellChecker_; }
    void SetCellChecker(TBavStringGridCheck* v);
    // The images of image-list cells and of HTML image tags, and the named
    // pictures of HTML texts: other components, forgotten when they go.
    TImageList* GridImages() const { return gridImages_; }
    void SetGridImages(TImageList* v);
    TPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TPictureContainer* v);
    // Switching on sizes every column to its contents with 10 pixels to
    // spare.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // A right click on a URL cell edits it (a left click opens the link).
    bool URLEdit() const { return urlEdit_; }
    void SetURLEdit(bool v) { urlEdit_ = v; }
    // Drawing parameters with the grid's images and pictures.
    THTMLDrawParams HTMLDrawParams() const;
    // The editor controls of the separate-control editor types.
    TGridEditors* Editors() const { return editors_.get(); }
    // The first column the keyboard reaches: FixedCols, or 1 when nodes
    // take column 0 of a grid without fixed columns.
    int FirstNavigableCol();
    // Fixed right columns that are not hidden.
    int VisibleFixedRightCols() const { return fixedRightCols_; }
    // Validates a pending edit of the remembered cell: the checker and
    // OnCellValidate may change or refuse the value; a refusal restores the
    // cell and reopens the editor there.
    virtual bool ValidateCell(const AnsiString& value);
    // Moves to the next (or previous) editable cell after an edit.
    void AdvanceEdit(int col, int row, bool showEditor, bool repeated, bool forward, bool showAlways, bool forced);
    // Adds the row an advance past the last data row asks for, above a
    // visible floating footer.
    void AppendRow();
    void HideCellEditor();
    void ShowCellEditor();
    void DoEditingDone() {
        if (onEditingDone_) onEditingDone_(this);
    }
    // An editor control's key that leaves the cell: the editor closes, Tab
    // and the arrows move as in the grid, Enter advances.
    void EditorKeyNavigate(Word key, TShiftState shift);
    // The window procedure an edit link gives its control: with goTabs the
    // control asks for the arrows and Tab; everything else goes to the
    // procedure the control had before.
    void EditLinkWindowProc(TMessage& message);
    void TabNavigate(bool backward);
    virtual void RestoreCellText();
    TEditorType CurrentEditorType() const { return currentEditorType_; }
    bool EditorActive() const { return editorActive_; }
    bool EditPending() const { return editPending_; }
    bool EditAccepted() const { return editAccepted_; }
    const AnsiString& ValidatedText() const { return validatedText_; }
    const AnsiString& EditStartText() const { return editStartText_; }
    bool Lookup() const { return lookup_; }
    void SetLookup(bool v) { lookup_ = v; }
    bool LookupCaseSensitive() const { return lookupCaseSensitive_; }
    void SetLookupCaseSensitive(bool v) { lookupCaseSensitive_ = v; }
    bool LookupHistory() const { return lookupHistory_; }
    void SetLookupHistory(bool v) { lookupHistory_ = v; }
    bool EditWithTags() const { return editWithTags_; }
    void SetEditWithTags(bool v) { editWithTags_ = v; }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool v) { excelStyleDecimalSeparator_ = v; }
    const TCellValidateEvent& OnCellValidate() const { return onCellValidate_; }
    void SetOnCellValidate(TCellValidateEvent v) { onCellValidate_ = std::move(v); }
    const TEditChangeEvent& OnEditChange() const { return onEditChange_; }
    void SetOnEditChange(TEditChangeEvent v) { onEditChange_ = std::move(v); }
    const TNotifyEvent& OnEditingDone() const { return onEditingDone_; }
    void SetOnEditingDone(TNotifyEvent v) { onEditingDone_ = std::move(v); }
    const TRowChangingEvent& OnRowChanging() const { return onRowChanging_; }
    void SetOnRowChanging(TRowChangingEvent v) { onRowChanging_ = std::move(v); }
    const TColChangingEvent& OnColChanging() const { return onColChanging_; }
    void SetOnColChanging(TColChangingEvent v) { onColChanging_ = std::move(v); }
    const TCellChangingEvent& OnCellChanging() const { return onCellChanging_; }
    void SetOnCellChanging(TCellChangingEvent v) { onCellChanging_ = std::move(v); }
    const TAutoAdvanceEvent& OnAutoAdvance() const { return onAutoAdvance_; }
    void SetOnAutoAdvance(TAutoAdvanceEvent v) { onAutoAdvance_ = std::move(v); }
    const TAutoAddRowEvent& OnAutoAddRow() const { return onAutoAddRow_; }
    void SetOnAutoAddRow(TAutoAddRowEvent v) { onAutoAddRow_ = std::move(v); }
    const TAutoInsertColEvent& OnAutoInsertCol() const { return onAutoInsertCol_; }
    void SetOnAutoInsertCol(TAutoInsertColEvent v) { onAutoInsertCol_ = std::move(v); }
    const TClipboardEvent& OnClipboardCopy() const { return onClipboardCopy_; }
    void SetOnClipboardCopy(TClipboardEvent v) { onClipboardCopy_ = std::move(v); }
    const TClipboardEvent& OnClipboardCut() const { return onClipboardCut_; }
    void SetOnClipboardCut(TClipboardEvent v) { onClipboardCut_ = std::move(v); }
    const TClipboardEvent& OnClipboardPaste() const { return onClipboardPaste_; }
    void SetOnClipboardPaste(TClipboardEvent v) { onClipboardPaste_ = std::move(v); }
    const TBeforeCellPasteEvent& OnClipboardBeforePasteCell() const { return onClipboardBeforePasteCell_; }
    void SetOnClipboardBeforePasteCell(TBeforeCellPasteEvent v) { onClipboardBeforePasteCell_ = std::move(v); }
    const TDblClickCellEvent& OnDblClickCell() const { return onDblClickCell_; }
    void SetOnDblClickCell(TDblClickCellEvent v) { onDblClickCell_ = std::move(v); }
    // ---- Form controls and links in HTML cells ----
    // What the cell's HTML holds under the client point; true on a form
    // control or a link.
    bool HitTestCellHTML(int col, int row, POINT point, THTMLDrawResult& result);
    // Opens the editor of the cell's next EDIT, PASSWORD, MASK or COMBO
    // control after `id` (the first for an empty id); without one the grid
    // takes the focus.
    void FocusNextHTMLControl(int col, int row, const AnsiString& id);
    // Opens the small editor of an EDIT, PASSWORD, MASK or COMBO control of
    // the cell (real column `col`) over the control's rectangle.
    void ShowHTMLControlEditor(const AnsiString& html, const AnsiString& type, int row, int col, int eventCol,
                               const TRect& rect, const AnsiString& value, const AnsiString& id);
    // The control editor's text back into the control's VALUE, then
    // OnControlEditDone.
    void HTMLControlEditExit();
    // The ID of the control whose editor is open or was open last.
    const AnsiString& ControlEditID() const { return controlID_; }
    const TCellControlEvent& OnControlEditDone() const { return onControlEditDone_; }
    void SetOnControlEditDone(TCellControlEvent v) { onControlEditDone_ = std::move(v); }
    const TCellControlEvent& OnControlClick() const { return onControlClick_; }
    void SetOnControlClick(TCellControlEvent v) { onControlClick_ = std::move(v); }
    const TCellComboControlEvent& OnControlComboList() const { return onControlComboList_; }
    void SetOnControlComboList(TCellComboControlEvent v) { onControlComboList_ = std::move(v); }
    const TAnchorClickEvent& OnAnchorClick() const { return onAnchorClick_; }
    void SetOnAnchorClick(TAnchorClickEvent v) { onAnchorClick_ = std::move(v); }
    const TAnchorEvent& OnAnchorEnter() const { return onAnchorEnter_; }
    void SetOnAnchorEnter(TAnchorEvent v) { onAnchorEnter_ = std::move(v); }
    const TAnchorEvent& OnAnchorExit() const { return onAnchorExit_; }
    void SetOnAnchorExit(TAnchorEvent v) { onAnchorExit_ = std::move(v); }

    // ---- Finding ----
    // The first row from FixedRows whose sort-column text, without tags,
    // begins with `text` (upper-cased); -1 for none or a grid of one row.
    int FindIncrementalRow(const AnsiString& text);
    const AnsiString& GotoText() const { return gotoText_; }
    // Whether the cell matches the remembered find text and options; `wide`
    // compares the cell's wide text with the wide find text.
    bool CellMatchesFind(int col, int row, bool wide = false);
    // Scans from after `start` ((-1, -1): from the first cell) for a cell
    // matching `text` (`wideText` when `wide`) under `options`; `found` is
    // (-1, -1) for none. The scan does not wrap around.
    void FindCell(TGridCoord start, const AnsiString& text, TGridCoord& found, TGridFindOptions options,
                  bool wide = false, const WideString& wideText = {});
    TGridCoord LastFoundCell() const { return lastFound_; }
    int GivenColumn() const { return givenColumn_; }
    void SetGivenColumn(int v) { givenColumn_ = v; }
    int GivenRow() const { return givenRow_; }
    void SetGivenRow(int v) { givenRow_ = v; }

    // ---- Clipboard ----
    // The selection as TAB and CR LF separated text on the clipboard, with
    // rich text and cell objects as the options allow.
    virtual void CopySelection();
    // CopySelection, then the copied editable cells emptied.
    virtual void CutSelection();
    // The clipboard pasted at the selection; with AllowSmartClipboard a
    // larger selection is filled by repeating a value or continuing a
    // series.
    virtual void PasteFromClipboard();
    // The clipboard's best format pasted at a cell; the cells pasted.
    int PasteClipboardAt(int col, int row);
    // Pastes TAB/CR LF text at a cell, growing the grid where allowed;
    // the number of fields.
    int PasteText(int col, int row, const AnsiString& text);
    virtual void PasteCellText(int col, int row, const AnsiString& text);
    // The most TAB-separated fields of a line, and the lines ended by CR
    // less the empty ones.
    void MeasureClipboardText(const AnsiString& text, int& cols, int& rows);
    // Grows the selection so merged areas at its corners are whole.
    void ExpandSelectionToMerged();
    // Places the range's text (and the other formats) on the clipboard;
    // `disjunct` leaves out rows and columns not selected.
    void SelectionToText(const TGridRect& range, bool disjunct);
    // The text of the range as it goes to the clipboard.
    AnsiString RangeText(const TGridRect& range, bool disjunct);
    void CopyRichText(int col, int row);
    void CopyCellsFormat(const TGridRect& range);
    void WriteCellsToStream(const TGridRect& range, TStream* stream);
    void ReadCellsFromStream(TGridCoord target, TStream* stream);
    // The selection's display texts for an OLE drag, nothing quoted.
    AnsiString SelectionToDragText();
    bool IsWideTextCell(int col, int row);
    TGridCoord CopyOrigin() const { return copyOrigin_; }
    bool Copied() const { return copied_; }
    const TBeforeCellPasteWideEvent& OnClipboardBeforePasteWideCell() const { return onClipboardBeforePasteWideCell_; }
    void SetOnClipboardBeforePasteWideCell(TBeforeCellPasteWideEvent v) {
        onClipboardBeforePasteWideCell_ = std::move(v);
    }

    // ---- Transfer: the grid text stream, CSV files and the workbook import ----
    // The range the text stream and copies write: the whole grid while
    // fixed cells are saved, else the cells between the fixed ones.
    int FirstSaveCol() const;
    int FirstSaveRow() const;
    int LastSaveCol() const;
    int LastSaveRow() const;
    int SaveColCount() const { return LastSaveCol() - FirstSaveCol() + 1; }
    int SaveRowCount() const { return LastSaveRow() - FirstSaveRow() + 1; }
    // Size line, "cw" width lines and cell lines, CR LF ended; loading stops
    // at, and leaves the stream at, the first line of another kind.
    void SaveCellsToStream(TStream* stream);
    void LoadCellsFromStream(TStream* stream);
    // EBavGridError "Cannot open file " + name when the file cannot be read.
    void LoadCSVFile(const AnsiString& fileName);
    void LoadCSV(const AnsiString& fileName) { LoadCSVFile(fileName); }
    // Through the automation server "excel.application"; EBavGridError
    // "Excel OLE server not found" when none can be created.
    void ImportExcelSheet(const AnsiString& fileName, const AnsiString& sheetName);
    void ImportExcelFile(const AnsiString& fileName) { ImportExcelSheet(fileName, ""); }
    // Character 0 guesses the delimiter from each file.
    char CSVDelimiter() const { return csvDelimiter_; }
    void SetCSVDelimiter(char v) { csvDelimiter_ = v; }
    bool LoadFirstLine() const { return loadFirstLine_; }
    void SetLoadFirstLine(bool v) { loadFirstLine_ = v; }
    bool TildeLineBreaks() const { return tildeLineBreaks_; }
    void SetTildeLineBreaks(bool v) { tildeLineBreaks_ = v; }
    bool OemConvert() const { return oemConvert_; }
    void SetOemConvert(bool v) { oemConvert_ = v; }
    const TGridProgressEvent& OnFileProgress() const { return onFileProgress_; }
    void SetOnFileProgress(TGridProgressEvent v) { onFileProgress_ = std::move(v); }

    // ---- OLE drag and drop ----
    // The cell under a screen point; -1 outside.
    TGridCoord ScreenToCell(POINT screen);
    // Registers the grid's drop target with its window while
    // DragDropSettings.OleDropTarget is set, revokes it otherwise.
    void UpdateOleDropTarget();
    // Drags the selection's text (and the rich text of the cell under the
    // mouse, col and row) or, after a press in a fixed row with
    // OleColumnDragDrop, the pressed column; a moving drag of cells removes
    // or clears them; fires OnOleDragStop unless cancelled. The effect.
    DWORD StartOleDrag(int col, int row);
    // The selection saved when this grid started its last drag.
    const TGridRect& OleDragRect() const { return oleDragRect_; }
    void SetOleDragRect(const TGridRect& v) { oleDragRect_ = v; }
    const TOleDragDropEvent& OnOleDrop() const { return onOleDrop_; }
    void SetOnOleDrop(TOleDragDropEvent v) { onOleDrop_ = std::move(v); }
    const TOleDroppedEvent& OnOleDropped() const { return onOleDropped_; }
    void SetOnOleDropped(TOleDroppedEvent v) { onOleDropped_ = std::move(v); }
    const TOleDropFileEvent& OnOleDropFile() const { return onOleDropFile_; }
    void SetOnOleDropFile(TOleDropFileEvent v) { onOleDropFile_ = std::move(v); }
    const TOleDropColEvent& OnOleDropCol() const { return onOleDropCol_; }
    void SetOnOleDropCol(TOleDropColEvent v) { onOleDropCol_ = std::move(v); }
    const TOleDragOverEvent& OnOleDragOver() const { return onOleDragOver_; }
    void SetOnOleDragOver(TOleDragOverEvent v) { onOleDragOver_ = std::move(v); }
    const TOleDragStopEvent& OnOleDragStop() const { return onOleDragStop_; }
    void SetOnOleDragStop(TOleDragStopEvent v) { onOleDragStop_ = std::move(v); }
    const TOleDragDropEvent& OnOleDrag() const { return onOleDrag_; }
    void SetOnOleDrag(TOleDragDropEvent v) { onOleDrag_ = std::move(v); }
    const TOleDragStartEvent& OnOleDragStart() const { return onOleDragStart_; }
    void SetOnOleDragStart(TOleDragStartEvent v) { onOleDragStart_ = std::move(v); }
    // Around the fill that ends a drag of the selection grip.
    const TSelectionResizeEvent& OnSelectionResize() const { return onSelectionResize_; }
    void SetOnSelectionResize(TSelectionResizeEvent v) { onSelectionResize_ = std::move(v); }
    const TSelectionResizeEvent& OnSelectionResized() const { return onSelectionResized_; }
    void SetOnSelectionResized(TSelectionResizeEvent v) { onSelectionResized_ = std::move(v); }

    // ---- Edit link and wide cell text ----
    // The link that edits edCustom cells (not owned).
    TEditLink* EditLink() const { return editLink_; }
    void SetEditLink(TEditLink* v) { editLink_ = v; }
    const TGetEditorPropEvent& OnGetEditorProp() const { return onGetEditorProp_; }
    void SetOnGetEditorProp(TGetEditorPropEvent v) { onGetEditorProp_ = std::move(v); }
    // Set when a link's pop-up form closes; the next focus arrival is
    // passed over and clears it.
    bool PopupEditClosed() const { return popupEditClosed_; }
    WideString GetWideCell(int col, int row);
    void SetWideCell(int col, int row, const WideString& text);
    // Fires OnCellValidateWide; a rejection puts the cell's text from
    // before the edit back.
    virtual bool ValidateCellWide(const WideString& text);
    const TCellValidateWideEvent& OnCellValidateWide() const { return onCellValidateWide_; }
    void SetOnCellValidateWide(TCellValidateWideEvent v) { onCellValidateWide_ = std::move(v); }
    // Inserts (deletes) a row at a key's request and reports it; the only
    // data row of a grid is emptied rather than deleted.
    void AutoInsertRow(int row);
    void AutoDeleteRow(int row);
    const TCanDeleteRowEvent& OnCanDeleteRow() const { return onCanDeleteRow_; }
    void SetOnCanDeleteRow(TCanDeleteRowEvent v) { onCanDeleteRow_ = std::move(v); }
    const TAutoInsertRowEvent& OnAutoInsertRow() const { return onAutoInsertRow_; }
    void SetOnAutoInsertRow(TAutoInsertRowEvent v) { onAutoInsertRow_ = std::move(v); }
    const TAutoDeleteRowEvent& OnAutoDeleteRow() const { return onAutoDeleteRow_; }
    void SetOnAutoDeleteRow(TAutoDeleteRowEvent v) { onAutoDeleteRow_ = std::move(v); }
    const TCheckBoxClickEvent& OnCheckBoxClick() const { return onCheckBoxClick_; }
    void SetOnCheckBoxClick(TCheckBoxClickEvent v) { onCheckBoxClick_ = std::move(v); }
    const TRadioClickEvent& OnRadioClick() const { return onRadioClick_; }
    void SetOnRadioClick(TRadioClickEvent v) { onRadioClick_ = std::move(v); }
    const TButtonClickEvent& OnButtonClick() const { return onButtonClick_; }
    void SetOnButtonClick(TButtonClickEvent v) { onButtonClick_ = std::move(v); }
    const TSpinClickEvent& OnSpinClick() const { return onSpinClick_; }
    void SetOnSpinClick(TSpinClickEvent v) { onSpinClick_ = std::move(v); }
    const TFloatSpinClickEvent& OnFloatSpinClick() const { return onFloatSpinClick_; }
    void SetOnFloatSpinClick(TFloatSpinClickEvent v) { onFloatSpinClick_ = std::move(v); }
    const TDateTimeSpinClickEvent& OnDateSpinClick() const { return onDateSpinClick_; }
    void SetOnDateSpinClick(TDateTimeSpinClickEvent v) { onDateSpinClick_ = std::move(v); }
    const TDateTimeSpinClickEvent& OnTimeSpinClick() const { return onTimeSpinClick_; }
    void SetOnTimeSpinClick(TDateTimeSpinClickEvent v) { onTimeSpinClick_ = std::move(v); }
    const TClickCellEvent& OnClickCell() const { return onClickCell_; }
    void SetOnClickCell(TClickCellEvent v) { onClickCell_ = std::move(v); }
    const TClickCellEvent& OnRightClickCell() const { return onRightClickCell_; }
    void SetOnRightClickCell(TClickCellEvent v) { onRightClickCell_ = std::move(v); }
    const TCanClickCellEvent& OnCanClickCell() const { return onCanClickCell_; }
    void SetOnCanClickCell(TCanClickCellEvent v) { onCanClickCell_ = std::move(v); }
    // A mouse press opened the editor: the caret goes under the mouse.
    bool CaretPositionPending() const { return caretPositionPending_; }
    void SetCaretPositionPending(bool v) { caretPositionPending_ = v; }
    const TComboChangeEvent& OnComboChange() const { return onComboChange_; }
    void SetOnComboChange(TComboChangeEvent v) { onComboChange_ = std::move(v); }
    const TComboObjectChangeEvent& OnComboObjectChange() const { return onComboObjectChange_; }
    void SetOnComboObjectChange(TComboObjectChangeEvent v) { onComboObjectChange_ = std::move(v); }

    // ---- Hints ----
    // Fills the hint of the cell under the record's cursor: an anchor's
    // title, a comment, the cell's text, then what OnGridHint says.
    void GetCellHint(THintInfo& info);
    TGridCoord HintCell() const { return hintCell_; }
    bool HintShowCells() const { return hintShowCells_; }
    void SetHintShowCells(bool v) { hintShowCells_ = v; }
    bool HintShowLargeText() const { return hintShowLargeText_; }
    void SetHintShowLargeText(bool v) { hintShowLargeText_ = v; }
    bool HintShowSizing() const { return hintShowSizing_; }
    void SetHintShowSizing(bool v) { hintShowSizing_ = v; }
    bool HTMLHint() const { return htmlHint_; }
    void SetHTMLHint(bool v) { htmlHint_ = v; }
    bool AnchorHint() const { return anchorHint_; }
    void SetAnchorHint(bool v) { anchorHint_ = v; }
    const TAnchorHintEvent& OnAnchorHint() const { return onAnchorHint_; }
    void SetOnAnchorHint(TAnchorHintEvent v) { onAnchorHint_ = std::move(v); }
    const TOfficeHintEvent& OnOfficeHint() const { return onOfficeHint_; }
    void SetOnOfficeHint(TOfficeHintEvent v) { onOfficeHint_ = std::move(v); }

    // ---- Balloon tooltips ----
    // The balloon window exists while Balloon.Enable is set (from loading
    // or switching it on); it asks the grid for each cell's text.
    HWND TooltipWindow() const { return tooltip_; }
    void InitBalloonTooltip();
    void DoneBalloonTooltip();
    TGridCoord BalloonCell() const { return balloonCell_; }
    // The text handed to the balloon window last.
    const char* BalloonText() const { return balloonText_; }
    const TGridBalloonEvent& OnCellBalloon() const { return onCellBalloon_; }
    void SetOnCellBalloon(TGridBalloonEvent v) { onCellBalloon_ = std::move(v); }

    // ---- Wheel, panning and the grid's timer ----
    bool EnableWheel() const { return enableWheel_; }
    void SetEnableWheel(bool v) { enableWheel_ = v; }
    bool IntelliZoom() const { return intelliZoom_; }
    void SetIntelliZoom(bool v) { intelliZoom_ = v; }
    TIntelliPan IntelliPan() const { return intelliPan_; }
    void SetIntelliPan(TIntelliPan v) { intelliPan_ = v; }
    bool Panning() const { return panning_; }
    // The marker of the pan origin, drawn on the window; and its square
    // given back to painting.
    void DrawIntelliPanMarker();
    void InvalidateIntelliPanMarker();
    bool EnableBlink() const { return enableBlink_; }
    void SetEnableBlink(bool v) { enableBlink_ = v; }
    // The phase of BLINK text: shown while false.
    bool BlinkPhase() const { return blinkPhase_; }
    bool Hovering() const { return hovering_; }
    void SetHovering(bool v) { hovering_ = v; }
    // Ticks of the grid's 500 ms timer since its window was made.
    int TimerTicks() const { return timerTicks_; }

    // ---- Sizing ----
    // The dotted XOR line shown while a column (row) border is dragged;
    // drawn again at the same place it goes.
    void DrawColSizingLine(int x);
    void DrawRowSizingLine(int y);
    // The grid follows its owner form's size.
    bool SizeWithForm() const { return sizeWithForm_; }
    void SetSizeWithForm(bool v) { sizeWithForm_ = v; }
    void FormResize(TObject* sender);
    bool IsOnSizingEdge(int x, int y);
    void AutoSizeColumnEx(int col, bool onlyGrow);
    void AutoSizeCol(int col) { AutoSizeColumnEx(col, autoSizeOnlyGrow_); }
    void AutoSizeColumns(bool includeFixed, int extra);
    void AutoSizeRow(int row, bool onlyGrow);
    void AutoFitRow(int row) { AutoSizeRow(row, autoSizeOnlyGrow_); }
    void SizeRowToLines(int row, int lines, int extra);
    virtual void DoUpdateColumnSize(int col, int& width);
    virtual void DoUpdateAutoColumnSize(int col, int& width);
    virtual void ColumnSizeHook() {}
    const TColumnSizeEvent& OnColumnSize() const { return onColumnSize_; }
    void SetOnColumnSize(TColumnSizeEvent v) { onColumnSize_ = std::move(v); }
    const TRowSizeEvent& OnRowSize() const { return onRowSize_; }
    void SetOnRowSize(TRowSizeEvent v) { onRowSize_ = std::move(v); }
    const TEndColumnSizeEvent& OnEndColumnSize() const { return onEndColumnSize_; }
    void SetOnEndColumnSize(TEndColumnSizeEvent v) { onEndColumnSize_ = std::move(v); }
    const TUpdateColumnSizeEvent& OnUpdateColumnSize() const { return onUpdateColumnSize_; }
    void SetOnUpdateColumnSize(TUpdateColumnSizeEvent v) { onUpdateColumnSize_ = std::move(v); }

    // ---- Owned lists ----
    // The header texts: a change copies them into row 0 (column 0).
    TStringList* ColumnHeaders() const { return columnHeaders_.get(); }
    void SetColumnHeaders(TStrings* v) { columnHeaders_->Assign(v); }
    TStringList* RowHeaders() const { return rowHeaders_.get(); }
    void SetRowHeaders(TStrings* v) { rowHeaders_->Assign(v); }
    TStringList* LookupItems() const { return lookupItems_.get(); }
    void SetLookupItems(TStrings* v) { lookupItems_->Assign(v); }
    TSortIndexList* SortIndexes() const { return sortIndexes_.get(); }
    TControlList* CellControls() const { return cellControls_.get(); }
    // Moves the controls on cells onto their cells, hiding those out of view.
    void UpdateCellControls();
    TFilter* Filter() const { return filter_.get(); }
    void SetFilter(TFilter* v);
    TBavHintInfo* OfficeHint() const { return officeHint_.get(); }
    void SetOfficeHint(TBavHintInfo* v) { officeHint_->Assign(v); }
    // The four arrows shown where a moved column or row would land (none at
    // design time).
    TArrowWindow* ArrowWindow(int direction) const { return arrows_[direction]; }

    // ---- Moving columns and rows by their headers (BavGrid_enhmove.cpp) ----
    // The header caption that floats under the mouse while a column or row
    // is moved (none at design time).
    TPopupButton* MoveButton() const { return moveButton_; }
    bool EnhRowColMove() const { return enhRowColMove_; }
    void SetEnhRowColMove(bool v) { enhRowColMove_ = v; }
    // The original index of each column, in today's order; empty until the
    // first column move.
    TIntList* ColumnOrder() const { return columnOrder_.get(); }
    void InitColumnOrder();
    void NotifyColumnMoved(int fromIndex, int toIndex);
    void NotifyRowMoved(int fromIndex, int toIndex);

    // ---- Option objects ----
    TPrintSettings* PrintSettings() const { return printSettings_.get(); }
    void SetPrintSettings(TPrintSettings* v) { printSettings_->Assign(v); }
    THTMLSettings* HTMLSettings() const { return htmlSettings_.get(); }
    void SetHTMLSettings(THTMLSettings* v) { htmlSettings_->Assign(v); }
    TSortSettings* SortSettings() const { return sortSettings_.get(); }
    void SetSortSettings(TSortSettings* v) { sortSettings_->Assign(v); }
    TDragDropSettings* DragDropSettings() const { return dragDropSettings_.get(); }
    void SetDragDropSettings(TDragDropSettings* v) { dragDropSettings_->Assign(v); }
    TDragScrollOptions* DragScrollOptions() const { return dragScrollOptions_.get(); }
    void SetDragScrollOptions(TDragScrollOptions* v) { dragScrollOptions_->Assign(v); }
    TControlLook* ControlLook() const { return controlLook_.get(); }
    void SetControlLook(TControlLook* v) { controlLook_->Assign(v); }
    TNavigation* Navigation() const { return navigation_.get(); }
    void SetNavigation(TNavigation* v) { navigation_->Assign(v); }
    TColumnSize* ColumnSize() const { return columnSize_.get(); }
    void SetColumnSize(TColumnSize* v) { columnSize_->Assign(v); }
    TCellNode* CellNode() const { return cellNode_.get(); }
    void SetCellNode(TCellNode* v) { cellNode_->Assign(v); }
    TBands* Bands() const { return bands_.get(); }
    void SetBands(TBands* v) { bands_->Assign(v); }
    TSizeWhileTyping* SizeWhileTyping() const { return sizeWhileTyping_.get(); }
    void SetSizeWhileTyping(TSizeWhileTyping* v) { sizeWhileTyping_->Assign(v); }
    TMouseActions* MouseActions() const { return mouseActions_.get(); }
    void SetMouseActions(TMouseActions* v) { mouseActions_->Assign(v); }
    TGrouping* Grouping() const { return grouping_.get(); }
    void SetGrouping(TGrouping* v) { grouping_->Assign(v); }
    TBackGround* BackGround() const { return backGround_.get(); }
    void SetBackGround(TBackGround* v) { backGround_->Assign(v); }
    TGridProgressAppearance* ProgressAppearance() const { return progressAppearance_.get(); }
    void SetProgressAppearance(TGridProgressAppearance* v) { progressAppearance_->Assign(v); }
    TBalloonSettings* Balloon() const { return balloon_.get(); }
    void SetBalloon(TBalloonSettings* v) { balloon_->Assign(v); }
    TShowModified* ShowModified() const { return showModified_.get(); }
    void SetShowModified(TShowModified* v) { showModified_->Assign(v); }

    // ---- Dimensions ----
    // The platform's counts; with FixedRowAlways (FixedColAlways) a grid
    // shrunk to its fixed rows still reads one, and gets its remembered
    // fixed rows back when it grows.
    void SetRowCount(int value);
    void SetColCount(int value);
    int FixedRows() const;
    void SetFixedRows(int value);
    int FixedCols() const;
    void SetFixedCols(int value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int value);
    int FixedRowHeight() const { return fixedRowHeight_; }
    void SetFixedRowHeight(int value);
    int AllocatedRowCount() const { return allocatedRows_; }
    int AllocatedColCount() const { return allocatedCols_; }
    // Stretches a column to fill the client width.
    virtual void StretchColumn(int col);
    // The column widths kept under ColumnSize's Key and Section, as
    // "Col<index>" values in an ini file or the registry.
    void SaveColumnSizes();
    void LoadColumnSizes();

    // ---- Settings ----
    TGridLook Look() const { return look_; }
    void SetLook(TGridLook v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool HideFocusRect() const { return hideFocusRect_; }
    void SetHideFocusRect(bool v);
    bool URLShow() const { return urlShow_; }
    void SetURLShow(bool v);
    bool URLFull() const { return urlFull_; }
    void SetURLFull(bool v);
    bool EnhTextSize() const { return enhTextSize_; }
    void SetEnhTextSize(bool v);
    bool SelectionRectangle() const { return selectionRectangle_; }
    void SetSelectionRectangle(bool v);
    bool SelectionResizer() const { return selectionResizer_; }
    void SetSelectionResizer(bool v);
    int FixedFooters() const { return fixedFooters_; }
    void SetFixedFooters(int v);
    int FixedRightCols() const { return fixedRightCols_; }
    void SetFixedRightCols(int v);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v);
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool v);
    TScrollBarAlways ScrollBarAlways() const { return scrollBarAlways_; }
    void SetScrollBarAlways(TScrollBarAlways v);
    bool AutoNumAlign() const { return autoNumAlign_; }
    void SetAutoNumAlign(bool v);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment v);
    bool EnableHTML() const { return enableHTML_; }
    void SetEnableHTML(bool v);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor v);
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor v);
    TColor SelectionColorTo() const { return selectionColorTo_; }
    void SetSelectionColorTo(TColor v);
    TColor SelectionTextColor() const { return selectionTextColor_; }
    void SetSelectionTextColor(TColor v);
    bool ShowSelection() const { return showSelection_; }
    void SetShowSelection(bool v);
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor v) { hintColor_ = v; }
    bool ActiveCellShow() const { return activeCellShow_; }
    void SetActiveCellShow(bool v);
    TColor ActiveCellColor() const { return activeCellColor_; }
    void SetActiveCellColor(TColor v);
    TColor ActiveCellColorTo() const { return activeCellColorTo_; }
    void SetActiveCellColorTo(TColor v);
    TFont* ActiveCellFont() const { return activeCellFont_.get(); }
    void SetActiveCellFont(TFont* v) { activeCellFont_->Assign(v); }
    TFont* FixedFont() const { return fixedFont_.get(); }
    void SetFixedFont(TFont* v) { fixedFont_->Assign(v); }
    bool FixedRowAlways() const { return fixedRowAlways_; }
    void SetFixedRowAlways(bool v) { fixedRowAlways_ = v; }
    bool FixedColAlways() const { return fixedColAlways_; }
    void SetFixedColAlways(bool v) { fixedColAlways_ = v; }
    const AnsiString& FloatFormat() const { return floatFormat_; }
    void SetFloatFormat(const AnsiString& v) { floatFormat_ = v; }
    const AnsiString& CheckTrue() const { return checkTrue_; }
    void SetCheckTrue(const AnsiString& v) { checkTrue_ = v; }
    const AnsiString& CheckFalse() const { return checkFalse_; }
    void SetCheckFalse(const AnsiString& v) { checkFalse_ = v; }
    char PasswordChar() const { return passwordChar_; }
    TEditorType DefaultEditor() const { return defaultEditor_; }
    void SetDefaultEditor(TEditorType v) { defaultEditor_ = v; }
    THTMLPictureCache* PictureCache() const { return pictureCache_.get(); }
    // The update lock of painting (counted; 0 = none): nothing is painted
    // while it is held, and the outermost EndUpdate repaints the grid.
    int UpdateCount() const { return updateCount_; }
    void BeginUpdate();
    void EndUpdate();
    // Holds the lock without switching the window's redraw off, around
    // short corrections; ResetPaintLock drops the lock at once.
    void SuppressPaint() { ++updateCount_; }
    void ResetPaintLock() { updateCount_ = 0; }
    void SetOptionsChangedByGrid(bool v) { optionsChangedByGrid_ = v; }

    // ---- Events ----
    const TGridColorEvent& OnGetCellColor() const { return onGetCellColor_; }
    void SetOnGetCellColor(TGridColorEvent v) { onGetCellColor_ = std::move(v); }
    const TGridBorderEvent& OnGetCellBorder() const { return onGetCellBorder_; }
    void SetOnGetCellBorder(TGridBorderEvent v) { onGetCellBorder_ = std::move(v); }
    const TGridAlignEvent& OnGetAlignment() const { return onGetAlignment_; }
    void SetOnGetAlignment(TGridAlignEvent v) { onGetAlignment_ = std::move(v); }
    const TCanEditCellEvent& OnCanEditCell() const { return onCanEditCell_; }
    void SetOnCanEditCell(TCanEditCellEvent v) { onCanEditCell_ = std::move(v); }
    const TIsFixedCellEvent& OnIsFixedCell() const { return onIsFixedCell_; }
    void SetOnIsFixedCell(TIsFixedCellEvent v) { onIsFixedCell_ = std::move(v); }
    const TGridHintEvent& OnGridHint() const { return onGridHint_; }
    void SetOnGridHint(TGridHintEvent v) { onGridHint_ = std::move(v); }
    const TGetCheckEvent& OnGetCheckTrue() const { return onGetCheckTrue_; }
    void SetOnGetCheckTrue(TGetCheckEvent v) { onGetCheckTrue_ = std::move(v); }
    const TGetCheckEvent& OnGetCheckFalse() const { return onGetCheckFalse_; }
    void SetOnGetCheckFalse(TGetCheckEvent v) { onGetCheckFalse_ = std::move(v); }
    const TGridColorEvent& OnGetCellPrintColor() const { return onGetCellPrintColor_; }
    void SetOnGetCellPrintColor(TGridColorEvent v) { onGetCellPrintColor_ = std::move(v); }
    const TGridBorderEvent& OnGetCellPrintBorder() const { return onGetCellPrintBorder_; }
    void SetOnGetCellPrintBorder(TGridBorderEvent v) { onGetCellPrintBorder_ = std::move(v); }
    const TGridBorderPropEvent& OnGetCellBorderProp() const { return onGetCellBorderProp_; }
    void SetOnGetCellBorderProp(TGridBorderPropEvent v) { onGetCellBorderProp_ = std::move(v); }
    const TGetEditorTypeEvent& OnGetEditorType() const { return onGetEditorType_; }
    void SetOnGetEditorType(TGetEditorTypeEvent v) { onGetEditorType_ = std::move(v); }
    const TIsPasswordCellEvent& OnIsPasswordCell() const { return onIsPasswordCell_; }
    void SetOnIsPasswordCell(TIsPasswordCellEvent v) { onIsPasswordCell_ = std::move(v); }
    const TWordWrapEvent& OnGetWordWrap() const { return onGetWordWrap_; }
    void SetOnGetWordWrap(TWordWrapEvent v) { onGetWordWrap_ = std::move(v); }
    const TSelectionChanged& OnSelectionChanged() const { return onSelectionChanged_; }
    void SetOnSelectionChanged(TSelectionChanged v) { onSelectionChanged_ = std::move(v); }
    const TCellsChangedEvent& OnCellsChanged() const { return onCellsChanged_; }
    void SetOnCellsChanged(TCellsChangedEvent v) { onCellsChanged_ = std::move(v); }
    const TDateTimeChangeEvent& OnDateTimeChange() const { return onDateTimeChange_; }
    void SetOnDateTimeChange(TDateTimeChangeEvent v) { onDateTimeChange_ = std::move(v); }
    // The Unicode editors' text as they open (the cell's wide text, which the
    // handler may change) and as they are read back.
    const TGetEditWideTextEvent& OnGetEditWideText() const { return onGetEditWideText_; }
    void SetOnGetEditWideText(TGetEditWideTextEvent v) { onGetEditWideText_ = std::move(v); }
    const TSetEditWideTextEvent& OnSetEditWideText() const { return onSetEditWideText_; }
    void SetOnSetEditWideText(TSetEditWideTextEvent v) { onSetEditWideText_ = std::move(v); }
    WideString EditWideText(int realCol, int row);
    // The floating footer's painting of its cells, published on the grid.
    const TFooterPaintEvent& OnFooterPaint() const;
    void SetOnFooterPaint(TFooterPaintEvent v);
    const TEllipsClickEvent& OnEllipsClick() const { return onEllipsClick_; }
    void SetOnEllipsClick(TEllipsClickEvent v) { onEllipsClick_ = std::move(v); }
    const TCustomCellDrawEvent& OnCustomCellDraw() const { return onCustomCellDraw_; }
    void SetOnCustomCellDraw(TCustomCellDrawEvent v) { onCustomCellDraw_ = std::move(v); }
    const TCustomCellSizeEvent& OnCustomCellSize() const { return onCustomCellSize_; }
    void SetOnCustomCellSize(TCustomCellSizeEvent v) { onCustomCellSize_ = std::move(v); }
    const TCheckBoxClickEvent& OnCheckBoxMouseUp() const { return onCheckBoxMouseUp_; }
    void SetOnCheckBoxMouseUp(TCheckBoxClickEvent v) { onCheckBoxMouseUp_ = std::move(v); }
    const TRadioClickEvent& OnRadioMouseUp() const { return onRadioMouseUp_; }
    void SetOnRadioMouseUp(TRadioClickEvent v) { onRadioMouseUp_ = std::move(v); }
    const TClickCellEvent& OnComboCloseUp() const { return onComboCloseUp_; }
    void SetOnComboCloseUp(TClickCellEvent v) { onComboCloseUp_ = std::move(v); }
    const TGridPrintStartEvent& OnPrintStart() const { return onPrintStart_; }
    void SetOnPrintStart(TGridPrintStartEvent v) { onPrintStart_ = std::move(v); }
    const TGridPrintCancelEvent& OnPrintCancel() const { return onPrintCancel_; }
    void SetOnPrintCancel(TGridPrintCancelEvent v) { onPrintCancel_ = std::move(v); }
    const TGridPrintPageEvent& OnPrintPage() const { return onPrintPage_; }
    void SetOnPrintPage(TGridPrintPageEvent v) { onPrintPage_ = std::move(v); }
    const TGridPrintNewPageEvent& OnPrintNewPage() const { return onPrintNewPage_; }
    void SetOnPrintNewPage(TGridPrintNewPageEvent v) { onPrintNewPage_ = std::move(v); }
    const TGridPrintPageDoneEvent& OnPrintPageDone() const { return onPrintPageDone_; }
    void SetOnPrintPageDone(TGridPrintPageDoneEvent v) { onPrintPageDone_ = std::move(v); }
    const TGridPrintColumnWidthEvent& OnPrintSetColumnWidth() const { return onPrintSetColumnWidth_; }
    void SetOnPrintSetColumnWidth(TGridPrintColumnWidthEvent v) { onPrintSetColumnWidth_ = std::move(v); }
    const TGridPrintRowHeightEvent& OnPrintSetRowHeight() const { return onPrintSetRowHeight_; }
    void SetOnPrintSetRowHeight(TGridPrintRowHeightEvent v) { onPrintSetRowHeight_ = std::move(v); }
    const TDoFitToPageEvent& OnFitToPage() const { return onFitToPage_; }
    void SetOnFitToPage(TDoFitToPageEvent v) { onFitToPage_ = std::move(v); }
    const THasComboEvent& OnHasComboBox() const { return onHasComboBox_; }
    void SetOnHasComboBox(THasComboEvent v) { onHasComboBox_ = std::move(v); }

protected:
    void WndProc(TMessage& message) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    void TopLeftChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;
    int GetEditLimit() override { return maxEditLength_; }
    TInplaceEdit* CreateEditor() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The footer of a hidden last row shows that row's texts.
    void LastRowChanged() override;
    bool CanEditShow() override;
    AnsiString GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const AnsiString& value) override;
    bool SelectCell(int col, int row) override;
    void KeyPress(char& key) override;
    void KeyUp(Word& key, TShiftState shift) override;
    // The loop's offer of a key before its WM_KEYDOWN: the form's dialog
    // keys only; the grid's key map is WMKeyDown's.
    void KeyOffered(TMessage& message);
    // The key map around the platform's WM_KEYDOWN handling (which fires
    // OnKeyDown): the steps before it always run, those after it read the
    // key as OnKeyDown left it.
    void WMKeyDown(TMessage& message);
    static bool IsInplaceEditorType(TEditorType type);
    // The mouse: the left press before the platform's press (true when it is
    // used up here) and after it, the release of a pressed cell button (true
    // when used up), the double click and the right button.
    void WMLButtonDown(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMSetCursor(TMessage& message);
    void CMMouseLeave(TMessage& message);
    bool LeftButtonDown(TMessage& message);
    // A press on a link or a form control of an HTML cell; true when used up.
    bool HTMLCellPress(int col, int row, POINT point);
    bool DrawCellHTMLOffscreen(int col, int row, int left, THTMLDrawParams& params, THTMLDrawResult& result);
    void AfterLeftButtonDown(int x, int y);
    // While the left button is down: the platform's ordinary press kept
    // from scrolling where MouseActions and Navigation ask, editing switched
    // off for a range drag, the selection frame repainted as it changes and
    // the horizontal scroll kept.
    void OrdinaryPress(TMessage& message);
    void ButtonDownMoveStart();
    void ReframeSelection(bool whole);
    void KeepPressScroll();
    bool leftButtonDown_ = false;
    // A press without Ctrl started a new pick in a disjunct selection mode;
    // the cells it drags over show selected until the release.
    bool plainDrag_ = false;
    int pressLeftCol_ = 0;
    TGridRect framedSelection_{-1, -1, -1, -1};
    bool LeftButtonUp(TMessage& message);
    void DoubleClick(int x, int y);
    void RightButtonDown(int x, int y);
    void FireClickCell(int row, int col);
    // A press at (dx, dy) from the top-left of a radio group's cell chooses
    // the item it lies on.
    void RadioClick(int col, int row, int dy, int dx);
    bool InsideSizingEdges(int col, int row, int x);
    // More than 3 pixels inside the left and right edges of the cell's
    // merged rectangle.
    bool InsideCellEdges(int col, int row, int x);
    // Range selection and editing with one button: the left press's part
    // (editing off beside the selected cell, a range pending) and the
    // platform press's part (true when it ran the platform press itself).
    void RangeSelectPress(int col, int row, int x, int y, bool fixed);
    bool RangeSelectAndEditDown(TShiftState shift, int x, int y);
    void SwitchEditing(bool on);
    bool rangeSelectPending_ = false;
    // The selection grip: the small square at the selection's bottom-right
    // corner; dragging it widens the selection and fills it with the
    // selection's copied cells at the release.
    bool IsOnSelectionGrip(int x, int y);
    bool GripPress(TMessage& message);
    void EndGripResize();
    // A press on the selection arms an OLE drag of it (true when armed); a
    // move past 3 pixels starts the drag (true when it ran or was refused);
    // a release without one selects the released cell (true when the
    // release is used up).
    bool ArmOleDrag(int col, int row, int x);
    bool OleDragMove(int x, int y);
    bool ArmedDragRelease(int x, int y);
    // After a moving drag: the dragged rows removed or the cells cleared.
    void RemoveMovedCells();
    // Sizing of fixed columns and rows by their dividers: the edge under the
    // mouse arms it, a press there starts it, the release sets the size.
    void ArmFixedSizing(int x, int y);
    void MoveFixedSizing(int x, int y);
    bool StartFixedSizing(int x, int y);
    bool EndFixedSizing(int x, int y);
    bool FixedSizingCursor();
    // While a column or row is sized, a hint at its cell shows the new size.
    void ShowSizeHint(int x, int y);
    void HideSizeHint();
    // The hand over a link or an anchor, with OnAnchorEnter/OnAnchorExit;
    // true when the mouse is over one.
    bool HoverLink(int x, int y);
    // The grid's own cursor again once nothing special lies under the mouse.
    void ShowLinkCursor(bool overLink);
    void DisarmFixedSizing();
    // Selection through the fixed cells: the cursor kind the mouse's place
    // gives, its cursor (false when none applies), the press and the drag.
    void UpdateCursorKind(int x, int y);
    bool CursorKindCursor();
    void SelectFromHeader(const TGridRect& selection);
    void HeaderSelectPress(int col, int row, bool shift);
    void HeaderSelectDrag(int x, int y);
    // The key-map steps of a key press. Home and End, the jumps over fixed
    // cells and the clipboard keys answer whether the key was theirs;
    // DeleteRowKey whether the row went.
    void ControlCellKey(Word key);
    bool HomeEndKey(Word key, bool shift, int keyRow, int leftCol);
    bool JumpOverFixedCells(Word key);
    void AppendOnArrowDown();
    bool ClipboardKey(Word key, bool ctrl, bool shift);
    void InsertRowKey();
    void SelectAllKey();
    bool DeleteRowKey();
    void DisjunctSelectionMove(bool ctrl, bool shift, int selectionRow);
    // The union of the merged areas of the rectangle's corner cells.
    void RepaintMergedCorners(const TGridRect& rect);
    void IncrementalGoto(char key);
    void ExpireGotoText();
    // A column Tab stops at in the row: editable with goEditing, else not fixed.
    bool CanTabToCell(int col, int row);
    // The first (last) column of the row Tab stops at; -1 when none does.
    int FirstTabCol(int row);
    int LastTabCol(int row);
    // Past the last cell: the parent gets the Tab with TabToNextAtEnd.
    void TabOut();
    // The grid's own WM_CHAR step; true when the character was used up.
    bool WMChar(TMessage& message);
    // Opens the separate editor control of CurrentEditorType over the cell.
    void ShowInplaceEditor(int col, int row);
    // Hides the separate control and writes its value into the cell.
    void ReadBackEditor(int col, int row);
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                         const TGridDrawInfo& info) override;
    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void CreateWnd() override;
    bool ScrollBarAlwaysShown(int bar) const override;

private:
    // The grid's own timers: the 500 ms tick and the 10 ms one of panning.
    static constexpr UINT_PTR kGridTimer = 111, kPanTimer = 999;
    // The state one cell's painting shares between its steps.
    struct CellPaint;
    void DrawFixedLook(TCanvas* canvas, CellPaint& cell);
    void DrawListViewFixedCell(TCanvas* canvas, const TRect& rect);
    void TrackHotFixedCell(const TGridCoord& cell);
    void DrawCellContent(TCanvas* canvas, CellPaint& cell);
    void DrawPlainText(TCanvas* canvas, CellPaint& cell, AnsiString text);
    void DrawCellBorders(TCanvas* canvas, CellPaint& cell);
    void DrawCellGraphic(TCanvas* canvas, CellPaint& cell);
    // A graphic's size before the text and placement rules of its users.
    TSize GraphicOwnSize(const TCellGraphic& graphic);
    void DrawCheckBox(TCanvas* canvas, const TRect& rect, bool checked, bool enabled);
    void DrawRadioGroup(TCanvas* canvas, const TRect& rect, TStrings* items, bool horizontal, int checkedIndex,
                        bool enabled);
    // The cell's integer value for an indicator; 0 for a text that is none.
    int CellInteger(int col, int row);
    void DrawRotatedText(TCanvas* canvas, const TRect& rect, int angle, TVAlignment vAlign, TAlignment hAlign,
                         const AnsiString& text);
    // The background picture or gradient in a cell whose colours and
    // selection let it show.
    void DrawCellBackground(TCanvas* canvas, CellPaint& cell);
    void DrawCellBackgroundAt(TCanvas* canvas, const TRect& rect);
    void DrawCellBackgroundTiled(TCanvas* canvas, int col, int row, const TRect& rect);
    void DrawCellBackgroundGradient(TCanvas* canvas, const TRect& rect);
    void PaintBackgroundOutsideCells();
    void DrawBackgroundBitmapAt(const TRect& rect);
    // Tiles from one pixel left of and above the rectangle's top-left.
    void DrawBackgroundBitmapTiled(const TRect& rect);
    // Tiles of the background picture over `rect`, the picture's (x, y)
    // at the rectangle's top-left.
    void DrawBackgroundTiles(TCanvas* canvas, const TRect& rect, int x, int y);
    void DrawSortGlyph(TCanvas* canvas, int col, int x, int y);
    void DrawSortIndexGlyph(TCanvas* canvas, int position, bool descending, int x, int y);
    void DrawNodeGlyph(TCanvas* canvas, CellPaint& cell);
    void DrawTreeLines(TCanvas* canvas, const TRect& rect, int row);
    void DrawRichTextCell(TCanvas* canvas, int col, int row, const TRect& rect, bool selected);
    void SelectionColors(TBrush* brush, TColor& colorTo, TFont* font) const;
    bool InScrollableArea(int col, int row) const;
    bool SortedHeaderCell(int col, int row);
    void ScrollMessage(TMessage& message, bool vertical);
    void SizeMessage(TMessage& message);
    void DrawSizingLine(int x1, int y1, int x2, int y2);
    void LinkedComboCommand(const TMessage& message);
    // False when the wheel message is dropped.
    bool WheelMessage(TMessage& message);
    // The base grid's one-row wheel step behind DoMouseWheelDown/Up.
    bool BaseWheelStep(bool down, TShiftState shift, TPoint mousePos);
    void StartPanning(TMessage& message);
    void StopPanning();
    void PanStep();
    void GridTimerTick();
    void UpdateScrollProportional(bool vertical);
    void UpdateFlatScroll(int bar);
    // Shows the flat bars whose rows or columns do not all fit, and updates them.
    void ShowFlatScrollBarsByFit();
    // The cells under the corners of the fixed background picture in a view
    // starting at `leftCol` and `topRow`; Left -1 without such a picture.
    TGridRect FixedPictureCells(int leftCol, int topRow);
    void ApplyColumnHeaders();
    void CreateTooltipWindow();
    void DestroyTooltipWindow();
    void AddTooltipTool(int icon, const AnsiString& title);
    void BalloonEnableChanged();
    // WM_NOTIFY: the balloon's text request; false for what is not the grid's.
    bool WMNotify(TMessage& message);
    // The platform's frame, then the look's border unless painting is locked.
    void WMNCPaint(TMessage& message);
    // The focus arriving: the editor opens at once with AlwaysEdit.
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    // The HTML form button shown down since its press goes up again.
    void ReleaseHTMLButton();
    // The combo editor's selection and edit changes as OnComboChange.
    void ComboEditorCommand(const TMessage& message);
    void MouseMove(TShiftState shift, int x, int y) override;
    // A release that ends a sizing outside the grid cancels it; a right
    // release leaves a column move going.
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The range-select-and-edit press, else the platform's press, then the
    // fixed-cell editor for a press in a fixed row or column that opens it.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void RowMoved(int fromIndex, int toIndex) override;
    void ApplyRowHeaders();
    void ShowScrollHint(int index, bool vertical);
    void DragScrollStep();
    void StopDragScroll();
    // A size kept within a minimum and a maximum (0 = none).
    static int WithinLimits(int value, int minimum, int maximum);
    TSize MeasureCellText(TCanvas* canvas, int col, int row, bool fixedWidth, int fontGrowth);
    void SetAutoSizeFont(int col, int row);
    bool AllRowsInView() const;
    bool AllColsInView() const;
    void RepaintUnlocked();
    // Restores the current row after rows went away (RemoveRows step 10).
    void KeepCurrentRow(int oldRow, int oldTop);
    void MoveCellControlRows(int fromRow, int delta);
    void DeleteRowFlags(int row, bool selections);
    // Row `to` takes the texts, objects and height of row `from`.
    void TakeRow(int to, int from);
    // Empties every cell of a row, those of hidden columns included.
    void ClearStoredRow(int row);
    TCellGraphic* NodeGraphic(int row) const;
    int RowLevel(int row);
    int NodeEnd(int row);
    // The node enclosing a node row, or -1.
    int EnclosingNodeRow(int nodeRow);
    // EBavGridError "Cell does not contain a float value" for other texts.
    static double CellTextFloat(const AnsiString& text);
    using CellColorSetter = void (TCellProperties::*)(TColor);
    void SetCellColorField(int col, int row, TColor color, CellColorSetter setter);
    void SetRowColorField(int row, TColor color, CellColorSetter setter);
    // Sum (kind 1), minimum (4) or maximum (5) of a column.
    double ColumnCalc(int col, int firstRow, int lastRow, bool realRows, int kind);
    TGridItem* HiddenRowAt(int i) const { return static_cast<TGridItem*>(hiddenRows_->Items(i)); }
    // The hidden-row entry of a real row, or -1.
    int HiddenRowPosition(int realRow) const;
    void StoreHiddenRow(TGridItem* item, int realRow, int displayRow);
    void PutHiddenRow(const TGridItem* item, int displayRow);
    void ShiftHiddenRows(int afterRealRow, int delta);

    bool integralHeight_ = false;
    TScrollBarAlways scrollBarAlways_ = saNone;
    bool autoNumAlign_ = false;
    TVAlignment vAlignment_ = vtaTop;
    bool enableHTML_ = true;
    TColor urlColor_ = clBlue;
    TColor selectionColor_ = TColor(0xEACAB6);
    TColor selectionColorTo_ = clNone;
    TColor selectionTextColor_ = clBlack;
    bool showSelection_ = true;
    TColor hintColor_ = clInfoBk;
    bool activeCellShow_ = false;
    TColor activeCellColor_ = clGray;
    TColor activeCellColorTo_ = clNone;
    std::unique_ptr<TPrintSettings> printSettings_;
    std::unique_ptr<THTMLSettings> htmlSettings_;
    std::unique_ptr<TSortSettings> sortSettings_;
    std::unique_ptr<TDragDropSettings> dragDropSettings_;
    std::unique_ptr<TDragScrollOptions> dragScrollOptions_;
    std::unique_ptr<TControlLook> controlLook_;
    std::unique_ptr<TNavigation> navigation_;
    std::unique_ptr<TColumnSize> columnSize_;
    std::unique_ptr<TCellNode> cellNode_;
    std::unique_ptr<TBands> bands_;
    std::unique_ptr<TSizeWhileTyping> sizeWhileTyping_;
    std::unique_ptr<TMouseActions> mouseActions_;
    std::unique_ptr<TGrouping> grouping_;
    std::unique_ptr<TBackGround> backGround_;
    std::unique_ptr<TGridProgressAppearance> progressAppearance_;
    std::unique_ptr<TBalloonSettings> balloon_;
    std::unique_ptr<TShowModified> showModified_;
    std::unique_ptr<TFont> activeCellFont_;
    std::unique_ptr<TFont> fixedFont_;
    bool fixedRowAlways_ = false, fixedColAlways_ = false;
    std::unique_ptr<TCollection> hiddenRows_ = std::make_unique<TCollection>(TGridItem::StaticClass());
    TColumnVisibility columnVisibility_;
    TGridRect savedSelection_{};
    bool selectionHidden_ = false;
    std::vector<char> rowSelected_, colSelected_;
    std::unique_ptr<TIntList> selectedRows_ = std::make_unique<TIntList>(-1, -1);
    std::vector<char> rowModified_;
    // Set while a sort empties its scratch rows: their objects belong to
    // the real rows.
    bool sortCleanup_ = false;
    int nodeCount_ = 0;
    TCanAddRowEvent onCanAddRow_;
    TCanInsertRowEvent onCanInsertRow_;
    bool stretching_ = false;
    TBavRichEdit* measuringRichEdit_ = nullptr;
    TBavRichEdit* editingRichEdit_ = nullptr;
    bool multilinecells_ = false;
    bool selectionRTFKeep_ = false;
    TEndRowSizeEvent onEndRowSize_;
    TNotifyEvent onRichEditSelectionChange_;
    TRowDisjunctSelectEvent onRowDisjunctSelect_;
    TAutoInsertRowEvent onRowDisjunctSelected_;
    int rememberedFixedRows_ = 0, rememberedFixedCols_ = 0;
    AnsiString floatFormat_ = "%.2f";
    AnsiString checkTrue_ = "Y", checkFalse_ = "N";
    char passwordChar_ = '*';
    TEditorType defaultEditor_ = edNormal;
    int fixedRowHeight_ = 0;
    int allocatedRows_ = 0, allocatedCols_ = 0;
    std::unique_ptr<THTMLPictureCache> pictureCache_;
    std::unique_ptr<TCellGraphic> sharedGraphic_;
    int updateCount_ = 0;
    bool optionsChangedByGrid_ = false;
    TGridLook look_ = glXP;
    bool flat_ = false, hideFocusRect_ = false, urlShow_ = false, urlFull_ = false, enhTextSize_ = false;
    bool selectionRectangle_ = false, selectionResizer_ = false, autoThemeAdapt_ = false;
    int fixedFooters_ = 0, fixedRightCols_ = 0;
    TColor fixedGradientFrom_ = clWhite;
    TColor fixedGradientTo_;
    int cellMarginX_ = 2, cellMarginY_ = 2;
    bool externalPaint_ = false;
    std::unique_ptr<TBitmap> rowIndicator_ = std::make_unique<TBitmap>();
    // The visual styles are active (never on this platform's own look).
    bool themes_ = false;
    std::unique_ptr<TFloatingFooter> floatingFooter_;
    TFooterPanel* footerPanel_ = nullptr;
    std::unique_ptr<TSearchFooter> searchFooter_;
    TSearchPanel* searchPanel_ = nullptr;
    TCustomCellDrawEvent onCustomCellDraw_;
    TCustomCellSizeEvent onCustomCellSize_;
    TCheckBoxClickEvent onCheckBoxMouseUp_;
    TRadioClickEvent onRadioMouseUp_;
    TClickCellEvent onComboCloseUp_;
    TGridPrintStartEvent onPrintStart_;
    TGridPrintCancelEvent onPrintCancel_;
    TGridPrintPageEvent onPrintPage_;
    TGridPrintNewPageEvent onPrintNewPage_;
    TGridPrintPageDoneEvent onPrintPageDone_;
    TGridPrintColumnWidthEvent onPrintSetColumnWidth_;
    TGridPrintRowHeightEvent onPrintSetRowHeight_;
    TDoFitToPageEvent onFitToPage_;
    TGridColorEvent onGetCellPrintColor_;
    TGridBorderEvent onGetCellPrintBorder_;
    TGridBorderPropEvent onGetCellBorderProp_;
    TGetEditorTypeEvent onGetEditorType_;
    TIsPasswordCellEvent onIsPasswordCell_;
    TWordWrapEvent onGetWordWrap_;
    TSelectionChanged onSelectionChanged_;
    TCellsChangedEvent onCellsChanged_;
    TEllipsClickEvent onEllipsClick_;
    TDateTimeChangeEvent onDateTimeChange_;
    TGetEditWideTextEvent onGetEditWideText_;
    TSetEditWideTextEvent onSetEditWideText_;
    std::vector<ICellsChangedListener*> changeListeners_;
    int editCol_ = -1, editRow_ = -1;
    // The edit state: which editor is open, whether a value waits for
    // validation, and the texts validation compares and restores.
    TEditorType currentEditorType_ = edNormal;
    bool editorActive_ = false;
    bool editPending_ = false;
    bool validating_ = false;
    bool editAccepted_ = false;
    bool editChangeMuted_ = false;
    bool editingDonePending_ = false;
    bool readingBack_ = false;
    bool textEditorShown_ = false;
    bool editingSwitchedOff_ = false;
    bool cellChangingMuted_ = false;
    bool selectCellBypass_ = false;
    bool editorNavigating_ = false;
    AnsiString gotoText_;
    // The HTML control whose editor is open: its cell, ID and type.
    int controlCol_ = -1, controlRow_ = -1;
    AnsiString controlID_, controlType_;
    TCellControlEvent onControlEditDone_, onControlClick_;
    TCellComboControlEvent onControlComboList_;
    TAnchorClickEvent onAnchorClick_;
    TAnchorEvent onAnchorEnter_, onAnchorExit_;
    AnsiString findText_;
    WideString findWideText_;
    TGridFindOptions findOptions_;
    TGridCoord lastFound_{-1, -1};
    int givenColumn_ = 0, givenRow_ = 0;
    int advanceOriginCol_ = -1, advanceOriginRow_ = -1;
    int advanceSteps_ = 0;
    char typedChar_ = 0;
    AnsiString validatedText_;
    AnsiString editStartText_;
    TControl* currentEditorControl_ = nullptr;
    // The edit link control's own window procedure while the grid's is installed.
    TWndMethod editLinkProc_;
    bool lookup_ = false;
    bool lookupCaseSensitive_ = false;
    bool lookupHistory_ = false;
    bool excelStyleDecimalSeparator_ = false;
    bool editWithTags_ = false;
    std::unique_ptr<TGridEditors> editors_;
    TBavStringGridCheck* cellChecker_ = nullptr;
    TImageList* gridImages_ = nullptr;
    TPictureContainer* pictureContainer_ = nullptr;
    bool autoSize_ = false, urlEdit_ = false;
    // Sets a reference to another component, watching for its removal.
    template <typename T>
    void ReferTo(T*& field, T* component) {
        if (field == component) return;
        if (field) field->RemoveFreeNotification(this);
        field = component;
        if (field) field->FreeNotification(this);
    }
    TCellValidateEvent onCellValidate_;
    TEditChangeEvent onEditChange_;
    TNotifyEvent onEditingDone_;
    TRowChangingEvent onRowChanging_;
    TColChangingEvent onColChanging_;
    TCellChangingEvent onCellChanging_;
    TAutoAdvanceEvent onAutoAdvance_;
    TAutoAddRowEvent onAutoAddRow_;
    TAutoInsertColEvent onAutoInsertCol_;
    TClipboardEvent onClipboardCopy_;
    TClipboardEvent onClipboardCut_;
    TClipboardEvent onClipboardPaste_;
    TBeforeCellPasteEvent onClipboardBeforePasteCell_;
    TDblClickCellEvent onDblClickCell_;
    TComboChangeEvent onComboChange_;
    TCanDeleteRowEvent onCanDeleteRow_;
    TAutoInsertRowEvent onAutoInsertRow_;
    TAutoDeleteRowEvent onAutoDeleteRow_;
    TCheckBoxClickEvent onCheckBoxClick_;
    TRadioClickEvent onRadioClick_;
    TButtonClickEvent onButtonClick_;
    TClickCellEvent onClickCell_;
    TSpinClickEvent onSpinClick_;
    TFloatSpinClickEvent onFloatSpinClick_;
    TDateTimeSpinClickEvent onDateSpinClick_, onTimeSpinClick_;
    TClickCellEvent onRightClickCell_;
    TCanClickCellEvent onCanClickCell_;
    bool caretPositionPending_ = false;
    TGridCoord pressedButton_{-1, -1};
    TComboObjectChangeEvent onComboObjectChange_;
    int maxEditLength_ = 0;
    AnsiString editOriginalText_;
    WideString editOriginalWideText_;
    std::unique_ptr<TStringList> columnHeaders_, rowHeaders_, lookupItems_;
    std::unique_ptr<TSortIndexList> sortIndexes_;
    std::unique_ptr<TControlList> cellControls_;
    std::unique_ptr<TFilter> filter_;
    std::unique_ptr<TBavHintInfo> officeHint_;
    TArrowWindow* arrows_[4] = {};
    TGridCoord hintCell_{-1, -1};
    TGridCoord hotFixedCell_{-1, -1};
    HWND tooltip_ = 0;
    TGridCoord balloonCell_{-1, -1};
    char balloonText_[4096] = {};
    TGridBalloonEvent onCellBalloon_;
    bool hintShowCells_ = false, hintShowLargeText_ = false, hintShowSizing_ = false, sizeHintShowing_ = false, htmlHint_ = false, anchorHint_ = false;
    TAnchorHintEvent onAnchorHint_;
    TOfficeHintEvent onOfficeHint_;
    bool enableWheel_ = true, intelliZoom_ = true, enableBlink_ = false, blinkPhase_ = false, hovering_ = false;
    TIntelliPan intelliPan_ = ipVertical;
    bool panning_ = false;
    TPoint panOrigin_{};
    HCURSOR cursorBeforePanning_ = 0;
    int timerTicks_ = 0;
    TScrollType scrollType_ = ssNormal;
    TColor scrollColor_ = clNone;
    int scrollWidth_ = 17;
    bool scrollProportional_ = false, scrollSynch_ = false;
    bool flatScrollActive_ = false, updatingFlatScroll_ = false;
    int rememberedLeftCol_ = 0, rememberedTopRow_ = 0;  // the view before a scroll
    TGridCoord pressedHTMLButton_{-1, -1};  // the cell of the HTML form button held down
    TPoint pressedHTMLPoint_{};
    TScrollHintType scrollHints_ = shNone;
    THTMLHintWindow* scrollHint_ = nullptr;
    struct TFixedSizing {
        bool armed = false, active = false;
        int index = 0, pos = 0;
    };
    TFixedSizing fixedColSizing_, fixedRowSizing_;
    enum class TCursorKind { None, ColSelect, RowSelect, SelectAll, Grip = 5 };
    TCursorKind cursorKind_ = TCursorKind::None;
    int selectAnchor_ = -1;
    TPoint mouseDownPoint_;
    bool dragArmed_ = false, gripResizing_ = false, rangeFill_ = false;
    TGridRect gripOrigin_{};
    AnsiString lastAnchor_;
    TCursor normalCursor_ = crDefault;
    bool handCursorShown_ = false;
    // Set just before the grid changes its own Cursor, so the change keeps
    // the cursor kind.
    bool changingOwnCursor_ = false;
    TTimer* dragScrollTimer_ = nullptr;
    TDragScrollDirection dragScrollDirection_;
    int lastNotifiedRow_ = -1;
    bool sizeWithForm_ = false;
    TCustomForm* ownerForm_ = nullptr;
    TNotifyEvent formOnResize_;
    int formWidth_ = 0, formHeight_ = 0;
    int synchWidth_ = -1;
    int minColWidth_ = 0, maxColWidth_ = 0, minRowHeight_ = 0, maxRowHeight_ = 0;
    bool autoSizeOnlyGrow_ = false;
    TRowChangedEvent onRowUpdate_;
    TScrollHintEvent onScrollHint_;
    TDragScrollEvent onDragScroll_;
    TColumnSizeEvent onColumnSize_;
    TRowSizeEvent onRowSize_;
    TEndColumnSizeEvent onEndColumnSize_;
    TUpdateColumnSizeEvent onUpdateColumnSize_;


    // Sorting, grouping and filtering.
    // The sort's set-up and clean-up around `sortRows`, also when it raises.
    void SortWithScratchRows(const std::function<void()>& sortRows, bool reportRowUpdate);
    void AddScratchRows();
    void RemoveScratchRows(int lastWidth);
    // Column 0's texts and objects, kept in place with NormalCellsOnly.
    using TColumnCopy = std::vector<std::pair<AnsiString, TObject*>>;
    TColumnCopy KeepColumn0();
    void PutBackColumn0(const TColumnCopy& copy);
    // The display text a comparison reads: the stored one itself when no
    // display hook is assigned, else a copy made in `buffer`.
    const AnsiString& SortText(int col, int row, AnsiString& buffer);
    void SortStyleOf(int col, int row1, const AnsiString& text1, const AnsiString& text2, TSortStyle& style,
                    AnsiString& prefix, AnsiString& suffix);
    int CompareByStyle(TSortStyle style, int col, int row1, int row2, const AnsiString& text1,
                       const AnsiString& text2, const AnsiString& prefix, const AnsiString& suffix);
    // `result` of two cells, replaced when IgnoreBlanks puts one of them
    // first or last.
    int PlaceBlanks(int result, const AnsiString& text1, const AnsiString& text2, TSortDirection direction) const;
    // `result` of column `col`, or with Full the first difference in the
    // columns to its right.
    int BreakTieOnTheRight(int col, int row1, int row2, int result);
    void CopyToPivot(int row, int pivot);
    // A single-column sort exchanges the column's cells as it goes, its
    // pivot copied into the scratch row, since ties read the other columns
    // where the rows stand.
    void SortRowsWhereTheyStand(int first, int last, int target, bool swapEqual,
                                const std::function<int(int, int)>& compareRows);
    // Rows `first` .. receive at once the rows of `from` in order, with
    // their heights, row-order entries, marks and the tracked row.
    void MoveSortedRows(int first, const std::vector<int>& from);
    void InsertSummaryRow(int row);
    // The header (summary) colours on the row, those set only.
    void ColorGroupRow(int row, bool summary);
    // Merged from `fromCol` on, the base cell taking the colours.
    void MergeGroupRow(int row, int fromCol, bool summary);
    void ClearGroupRowLook(int row, int fromCol, bool summary);
    void RecordGroupColumn(int col);
    std::unique_ptr<TIntList> rowOrder_ = std::make_unique<TIntList>(0, 0);
    std::unique_ptr<TIntList> unsortOrder_ = std::make_unique<TIntList>(0, 0);
    int trackedRow_ = -1;
    int groupColumn_ = -1, groupColWidth_ = 0;
    AnsiString groupHeaderText_, groupFooterText_;
    bool filterActive_ = false;
    int filterFixedRows_ = 0;
    TGridFormatEvent onGetFormat_;
    TCustomCompareEvent onCustomCompare_;
    TRawCompareEvent onRawCompare_;
    TGridProgressEvent onFilterProgress_;
    TGridRect HighlightRange(bool all) const;
    int zoomLevel_ = 0;
    bool zooming_ = false;
    // A double click auto-sized a column: the release that follows does not sort.
    bool autoSizedByDoubleClick_ = false;
    // A row or column moved, or a column was sized, since the last press.
    bool movedOrSized_ = false;
    bool HeaderEdgeDoubleClick(int x, int y);
    void HeaderReleaseSort(int x, int y, TShiftState shift, bool movedOrSized);
    std::unique_ptr<TIntList> MakeMergedColumnList();
    std::unique_ptr<TIntList> mergedColumns_ = MakeMergedColumnList();
    TCanSortEvent onCanSort_;
    TFloatFormatEvent onGetFloatFormat_;
    // A press on a node glyph; true when it is used up.
    bool NodeGlyphPress(int col, int row, int x);
    void DrawFixedCellEdge(const TRect& rect, UINT edge);
    void PressFixedCell(int col, int row);
    // Whether the fixed-cell editing of MouseActions opens on `kind` in the
    // fixed row or column of (col, row).
    bool FixedCellEdits(TGridFixedCellEdit kind, int col, int row) const;
    TGridTransEdit* fixedCellEditor_ = nullptr;
    void ReleaseFixedCell();
    bool fixedAsButtons_ = false, fixedCellPressed_ = false;
    TRect pressedFixedRect_{};
    TNodeAllowEvent onBeforeExpandNode_, onBeforeContractNode_;
    TNodeClickEvent onExpandNode_, onContractNode_;
    void AskMoveAllowed();
    // Rows and columns picked one by one with the mouse: a plain press
    // starts a new pick, Ctrl adds or (at the release) takes one away.
    void DisjunctSelectPress(int col, int row);
    void DisjunctSelectRelease(int x, int y);
    int deselectRowOnRelease_ = -1, deselectColOnRelease_ = -1;
    // Cells picked one by one (DisjunctCellSelect): a release or Space picks
    // the cell alone, or with Ctrl toggles it; a range selected with it is
    // picked whole. False when OnSelectCell refused the cell.
    bool PickDisjunctCell(int col, int row, bool ctrl, bool picksCell);
    // A cell the platform shows selected in a row (column) that is not
    // picked takes the grid's colours, unless a plain drag is picking anew.
    void UnpickedCellLook(TCanvas* canvas, CellPaint& cell);
    bool IsDisjunctCell(int col, int row) const;
    std::vector<TGridCoord> disjunctCells_;
    // The enhanced move: the floating caption and the arrows follow the
    // mouse; the release or a cancel ends it.
    struct TEnhancedMove {
        int index = -1;
        TPoint offset;
        int target = -1;
        bool notifying = false;
    };
    TEnhancedMove enhancedMove_;
    bool enhRowColMove_ = true;
    TPopupButton* moveButton_ = nullptr;
    std::unique_ptr<TIntList> columnOrder_ = std::make_unique<TIntList>(0, 0);
    bool EnhancedMoveShowing() const;
    void EnhancedMoveStep(int x, int y);
    void PlaceMoveArrows();
    void ShowMoveArrow(int direction, int x, int y);
    void HideMoveArrows();
    void HideMoveButton();
    // Ends a showing move at the release: true when it did.
    bool EndEnhancedMove();
    void CancelEnhancedMove();
    // Sizes follow a move only where the platform's own move did not carry them.
    void MoveSizes(bool columns, int fromIndex, int toIndex);
    TColumnSizeEvent onColumnMove_;
    TRowSizeEvent onRowMove_;
    TCellSaveLoadEvent onSaveCell_, onLoadCell_;
    TClickSortEvent onClickSort_;

    TGridColorEvent onGetCellColor_;
    TGridBorderEvent onGetCellBorder_;
    TGridAlignEvent onGetAlignment_;
    TCanEditCellEvent onCanEditCell_;
    TIsFixedCellEvent onIsFixedCell_;
    TGridHintEvent onGridHint_;
    TGetCheckEvent onGetCheckTrue_, onGetCheckFalse_;
    THasComboEvent onHasComboBox_;

    // Transfer state.
    TGridCoord copyOrigin_{-1, -1};
    bool copied_ = false;
    TBeforeCellPasteWideEvent onClipboardBeforePasteWideCell_;
    // The plain text of a cell's rich text.
    AnsiString RichTextToPlain(const AnsiString& rtf);
    // Reads the cell objects at `target` and tells PasteHook; the cells of
    // the range pasted.
    int PasteCellsFormat(TGridCoord target, TStream* stream);
    bool saveFixedCells_ = true;
    char csvDelimiter_ = '\0';
    bool loadFirstLine_ = true;
    bool tildeLineBreaks_ = false;
    bool oemConvert_ = false;
    TGridProgressEvent onFileProgress_;
    std::shared_ptr<TGridDropTarget> oleDropTarget_;
    HWND oleDropWindow_ = 0;
    TGridRect oleDragRect_{-1, -1, -1, -1};
    TOleDragDropEvent onOleDrop_;
    TOleDroppedEvent onOleDropped_;
    TOleDropFileEvent onOleDropFile_;
    TOleDropColEvent onOleDropCol_;
    TOleDragOverEvent onOleDragOver_;
    TOleDragStopEvent onOleDragStop_;
    TOleDragDropEvent onOleDrag_;
    TOleDragStartEvent onOleDragStart_;
    TSelectionResizeEvent onSelectionResize_, onSelectionResized_;
    TEditLink* editLink_ = nullptr;
    TGetEditorPropEvent onGetEditorProp_;
    bool popupEditClosed_ = false;
    TCellValidateWideEvent onCellValidateWide_;
};

// Holds a grid's update lock for a scope, also when an exception passes.
class TGridUpdateLock {
public:
    explicit TGridUpdateLock(TBavStringGrid* grid) : grid_(grid) { grid_->BeginUpdate(); }
    ~TGridUpdateLock() { grid_->EndUpdate(); }
    TGridUpdateLock(const TGridUpdateLock&) = delete;
    TGridUpdateLock& operator=(const TGridUpdateLock&) = delete;

private:
    TBavStringGrid* grid_;
};

// The clipboard format of cells copied with their properties.
UINT CellsClipboardFormat();
// "Rich Text Format", registered when the program starts.
UINT RichTextClipboardFormat();
