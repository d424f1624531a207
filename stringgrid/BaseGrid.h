// TBaseGrid: the string grid's layer over the platform's TStringGrid. A
// properties object per cell in its Objects slot, merged cells, the display
// text with its two hooks, the grid's own lines and cell backgrounds, an
// optional hidden last row, and a recorder of cell changes.
#pragma once

#include <memory>

#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/ui/graphics.h"
#include "platform/data/db_types.h"
#include "platform/ui/grids.h"

class TBaseGrid;
class TCellGraphic;

SERVIORA_ENUM(TEditorType, edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
              edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat,
              edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit,
              edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone,
              edUniEdit, edUniComboEdit, edUniComboList, edUniEditBtn, edUniMemo)
SERVIORA_ENUM(TVAlignment, vtaTop, vtaCenter, vtaBottom)
SERVIORA_ENUM(TCellGradientDirection, GradientVertical, GradientHorizontal)

// Its signature is the platform grid's TGetEditEvent, whose type it shares.
using TGetDisplTextEvent = TGetEditEvent;
SERVIORA_EVENT_TYPE(TGetDisplWideTextEvent, void(TObject* Sender, int ACol, int ARow, WideString& Value));

// The properties of one cell. Merged areas are kept in CellSpanX/Y and
// IsBaseCell: a base cell holds its spans (size minus 1), a covered cell its
// offsets from the base, a cell in no area -1 and -1.
class TCellProperties : public TPersistent {
    SERVIORA_CLASS(TCellProperties, TPersistent)
    SERVIORA_PUBLISHED
public:
    TCellProperties(TBaseGrid* grid, int col, int row);

    // Copies the look, the merge fields and the position; the gradient, the
    // attached objects and the footer calculation stay.
    void Assign(TPersistent* source) override;
    // The base cell of the area this cell (at col, row) belongs to.
    TGridCoord GetBaseCell(int col, int row) const;

    int OwnerCol() const { return ownerCol_; }
    void SetOwnerCol(int v) { ownerCol_ = v; }
    int OwnerRow() const { return ownerRow_; }
    void SetOwnerRow(int v) { ownerRow_ = v; }
    TObject* CellObject() const { return cellObject_; }
    void SetCellObject(TObject* v) { cellObject_ = v; }
    TCellGraphic* GraphicObject() const { return graphic_; }
    void SetGraphicObject(TCellGraphic* v) { graphic_ = v; }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle v) { brushStyle_ = v; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor v);
    TColor BrushColorTo() const { return brushColorTo_; }
    void SetBrushColorTo(TColor v);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int v) { fontSize_ = v; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor v) { fontColor_ = v; }
    TFontStyles FontStyle() const { return fontStyle_; }
    void SetFontStyle(TFontStyles v) { fontStyle_ = v; }
    int CellSpanX() const { return cellSpanX_; }
    void SetCellSpanX(int v) { cellSpanX_ = v; }
    int CellSpanY() const { return cellSpanY_; }
    void SetCellSpanY(int v) { cellSpanY_ = v; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v) { borderColor_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment v);
    int PaintCycle() const { return paintCycle_; }
    void SetPaintCycle(int v) { paintCycle_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool IsBaseCell() const { return isBaseCell_; }
    void SetIsBaseCell(bool v) { isBaseCell_ = v; }
    Byte CalcType() const { return calcType_; }
    void SetCalcType(Byte v) { calcType_ = v; }
    int NodeLevel() const { return nodeLevel_; }
    void SetNodeLevel(int v) { nodeLevel_ = v; }
    TEditorType Editor() const { return editor_; }
    void SetEditor(TEditorType v) { editor_ = v; }
    const AnsiString& FontName() const { return fontName_; }
    void SetFontName(const AnsiString& v) { fontName_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TCellGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TCellGradientDirection v) { gradientDirection_ = v; }
    TControl* Control() const { return control_; }
    void SetControl(TControl* v) { control_ = v; }

private:
    void Repaint();

    TBaseGrid* grid_;
    int ownerCol_, ownerRow_;
    TObject* cellObject_ = nullptr;
    TCellGraphic* graphic_ = nullptr;
    TBrushStyle brushStyle_ = bsSolid;
    TColor brushColor_ = clNone;
    TColor brushColorTo_ = clNone;
    int fontSize_ = 0;
    TColor fontColor_ = clNone;
    TFontStyles fontStyle_;
    int cellSpanY_ = -1;
    int cellSpanX_ = -1;
    int borderWidth_ = 0;
    TColor borderColor_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TVAlignment vAlignment_ = vtaTop;
    int paintCycle_ = 0;
    bool wordWrap_;
    bool isBaseCell_ = true;
    Byte calcType_ = 0;
    int nodeLevel_ = 0;
    TEditorType editor_ = edNormal;
    AnsiString fontName_;
    bool readOnly_ = false;
    TCellGradientDirection gradientDirection_ = GradientVertical;
    TControl* control_ = nullptr;
};

// One recorded change of a cell's text.
class TUndoRedoItem : public TCollectionItem {
    SERVIORA_CLASS(TUndoRedoItem, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    using TCollectionItem::TCollectionItem;
    int Row() const { return row_; }
    void SetRow(int v) { row_ = v; }
    int Col() const { return col_; }
    void SetCol(int v) { col_ = v; }
    const AnsiString& Value() const { return value_; }
    void SetValue(const AnsiString& v) { value_ = v; }
    const AnsiString& OrigValue() const { return origValue_; }
    void SetOrigValue(const AnsiString& v) { origValue_ = v; }

private:
    int row_ = 0, col_ = 0;
    AnsiString value_, origValue_;
};

class TUndoRedoCollection : public TCollection {
    SERVIORA_CLASS(TUndoRedoCollection, TCollection)
public:
    TUndoRedoCollection() : TCollection(TUndoRedoItem::StaticClass()) {}
    TUndoRedoItem* Items(int index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(index)); }
};

// Records the cell changes of the grid it serves, at most MaxLevel of them
// (0: no bound), dropping the oldest.
class TBavGridUndoRedo : public TComponent {
    SERVIORA_CLASS(TBavGridUndoRedo, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TBavGridUndoRedo(TComponent* owner);
    ~TBavGridUndoRedo() override;

    virtual void AddChange(int col, int row, const AnsiString& origValue, const AnsiString& value);

    TUndoRedoCollection* Changes() const { return changes_.get(); }
    int Level() const { return level_; }
    int MaxLevel() const { return maxLevel_; }
    void SetMaxLevel(int v) { maxLevel_ = v; }
    TBaseGrid* Grid() const { return grid_; }
    void SetGrid(TBaseGrid* grid);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TUndoRedoCollection> changes_;
    TBaseGrid* grid_ = nullptr;
    int level_ = 0;
    int maxLevel_ = 0;
};

class TBaseGrid : public TStringGrid {
    SERVIORA_CLASS(TBaseGrid, TStringGrid)
    SERVIORA_PUBLISHED
public:
    explicit TBaseGrid(TComponent* owner);
    ~TBaseGrid() override;

    // ---- Cell properties and objects ----
    bool HasCellProperties(int col, int row) const;
    // Created, seeded from GetCellFormat, on first access.
    TCellProperties* GetCellProperties(int col, int row);
    TCellGraphic* GetGraphicObject(int col, int row) const;
    void SetGraphicObject(int col, int row, TCellGraphic* graphic);
    TObject* GetCellObject(int col, int row) const { return Objects(col, row); }
    void SetCellObject(int col, int row, TObject* object) { SetObjects(col, row, object); }
    void ReplaceCellObject(int col, int row, TObject* object);
    void FreeCellObject(int col, int row);
    void FreeCellObjects(int fromCol, int fromRow, int toCol, int toRow);
    void FreeAllCellObjects();

    // ---- Merged cells ----
    virtual void MergeCells(int col, int row, int cols, int rows);
    virtual void SplitCells(int col, int row);
    TGridCoord GetBaseCell(int col, int row) const;
    // True for a base cell or a cell without properties; else false with
    // the base's position.
    bool FindBaseCell(int col, int row, int& baseCol, int& baseRow) const;
    bool IsBaseCell(int col, int row) const;
    bool IsMergedCell(int col, int row) const;
    bool IsCoveredCell(int col, int row) const;
    bool IsMergedHorizontally(int col, int row) const;
    bool IsMergedVertically(int col, int row) const;
    TGridCoord GetCellSpan(int col, int row) const;
    bool RowsShareMergedCells(int rowA, int rowB) const;

    // ---- Geometry ----
    TRect CalcCellRect(int col, int row) const;
    TRect MergedCellRect(int col, int row) const;
    TSize MergedCellSize(int col, int row) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    void RepaintCell(int col, int row);

    // ---- Text ----
    AnsiString GetDisplayText(int col, int row);
    void SetCellText(int col, int row, const AnsiString& text);
    AnsiString GetRawCellText(int col, int row) const { return Cells(col, row); }
    void SetRawCellText(int col, int row, const AnsiString& text) { SetCells(col, row, text); }
    void ClearCell(int col, int row);
    void ClearRow(int row);
    void ClearCol(int col);
    void MoveToBaseCell();

    // ---- Hooks the string grid overrides ----
    virtual bool IsFixedCell(int col, int row);
    virtual int GetNodeIndent(int row);
    virtual bool HasNodes();
    virtual void DrawGridCell(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state);
    virtual void LastRowChanged();
    virtual void DoGetDisplText(int col, int row, AnsiString& value);
    virtual void DoGetDisplWideText(int col, int row, WideString& value);
    virtual void GetCellFormat(int col, int row, TFont* font, TBrush* brush, TColor& colorTo, TAlignment& alignment,
                               TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& direction);
    // The colours of a cell as painted; `printing`, `selectionColors` and
    // `hotColors` say which rules apply.
    virtual void GetCellColor(int col, int row, TGridDrawState state, TBrush* brush, TFont* font, TColor& colorTo,
                              TCellGradientDirection& direction, bool printing, bool selectionColors, bool hotColors);
    virtual int DisplayColOf(int realCol);

    // ---- Properties ----
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v) { defaultDrawing_ = v; }
    int GridLineWidth() const { return gridLineWidth_; }
    // The part of a cell's rectangle its content is drawn in: inside its
    // grid lines, one pixel for a fixed cell.
    TRect InsideGridLines(const TRect& rect, bool fixed) const;
    void SetGridLineWidth(int v);
    TColor GridLineColor() const { return gridLineColor_; }
    void SetGridLineColor(TColor v);
    bool HideLastRow() const { return hideLastRow_; }
    void SetHideLastRow(bool v) { hideLastRow_ = v; }
    int DataRowCount() const { return dataRowCount_; }
    void SetDataRowCount(int v) { dataRowCount_ = v; }
    int PaintCycle() const { return paintCycle_; }
    TBavGridUndoRedo* UndoRedo() const { return undoRedo_; }
    void SetUndoRedo(TBavGridUndoRedo* v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    bool ActiveRowShow() const { return activeRowShow_; }
    void SetActiveRowShow(bool v) { activeRowShow_ = v; }
    TColor ActiveRowColor() const { return activeRowColor_; }
    void SetActiveRowColor(TColor v);
    const TGetDisplTextEvent& OnGetDisplText() const { return onGetDisplText_; }
    void SetOnGetDisplText(TGetDisplTextEvent v) { onGetDisplText_ = std::move(v); }
    const TGetDisplWideTextEvent& OnGetDisplWideText() const { return onGetDisplWideText_; }
    void SetOnGetDisplWideText(TGetDisplWideTextEvent v) { onGetDisplWideText_ = std::move(v); }

protected:
    void Paint() override;
    void DrawCell(int col, int row, TRect rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    void KeyDown(Word& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void TopLeftChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();

private:
    TCellProperties* PropertiesOf(int col, int row) const;
    // The base cell's properties, or nullptr without properties.
    TCellProperties* BasePropertiesOf(int col, int row) const;
    void DrawCellLines(int col, int row, const TRect& rect, bool fixed);

    bool defaultDrawing_ = false;
    int gridLineWidth_ = 1;
    TColor gridLineColor_ = clSilver;
    int paintCycle_ = 1;
    TGetDisplTextEvent onGetDisplText_;
    TGetDisplWideTextEvent onGetDisplWideText_;
    bool hideLastRow_ = false;
    int dataRowCount_ = 0;
    TBavGridUndoRedo* undoRedo_ = nullptr;
    bool wordWrap_ = true;
    bool activeRowShow_ = false;
    TColor activeRowColor_ = clInfoBk;
};
