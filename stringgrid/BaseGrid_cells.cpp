// The base grid's cells: properties in the Objects slot, merged areas, the
// display text and its hooks, clearing, and the change recorder.
#include "stringgrid/BaseGrid.h"

#include "stringgrid/BavUtil.h"

// ---- TCellProperties ---------------------------------------------------------------------

TCellProperties::TCellProperties(TBaseGrid* grid, int col, int row)
    : grid_(grid), ownerCol_(col), ownerRow_(row), wordWrap_(grid ? grid->WordWrap() : true) {}

void TCellProperties::Repaint() {
    if (grid_) grid_->RepaintCell(ownerCol_, ownerRow_);
}

void TCellProperties::SetBrushColor(TColor v) {
    brushColor_ = v;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor v) {
    brushColorTo_ = v;
    Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment v) {
    vAlignment_ = v;
    Repaint();
}

void TCellProperties::SetWordWrap(bool v) {
    wordWrap_ = v;
    Repaint();
}

TGridCoord TCellProperties::GetBaseCell(int col, int row) const {
    if (!isBaseCell_ && cellSpanX_ != -1 && cellSpanY_ != -1) return {col - cellSpanX_, row - cellSpanY_};
    return {col, row};
}

// What a cell-object copy carries of a cell's properties.
void TCellProperties::Published(TPublished<TCellProperties>& p) {
    using C = TCellProperties;
    p.Property("BrushStyle", &C::BrushStyle, &C::SetBrushStyle).Default(bsSolid);
    p.Property("BrushColor", &C::BrushColor, &C::SetBrushColor).TypeName("TColor");
    p.Property("BrushColorTo", &C::BrushColorTo, &C::SetBrushColorTo).TypeName("TColor");
    p.Property("FontSize", &C::FontSize, &C::SetFontSize).Default(0);
    p.Property("FontColor", &C::FontColor, &C::SetFontColor).TypeName("TColor");
    p.Property("FontStyle", &C::FontStyle, &C::SetFontStyle);
    p.Property("FontName", &C::FontName, &C::SetFontName);
    p.Property("CellSpanX", &C::CellSpanX, &C::SetCellSpanX);
    p.Property("CellSpanY", &C::CellSpanY, &C::SetCellSpanY);
    p.Property("IsBaseCell", &C::IsBaseCell, &C::SetIsBaseCell);
    p.Property("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0);
    p.Property("BorderColor", &C::BorderColor, &C::SetBorderColor).TypeName("TColor");
    p.Property("Alignment", &C::Alignment, &C::SetAlignment);
    p.Property("VAlignment", &C::VAlignment, &C::SetVAlignment);
    p.Property("WordWrap", &C::WordWrap, &C::SetWordWrap);
    p.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Property("Editor", &C::Editor, &C::SetEditor);
    p.Property("NodeLevel", &C::NodeLevel, &C::SetNodeLevel).Default(0);
}

void TCellProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCellProperties*>(source);
    if (!other) return TPersistent::Assign(source);
    isBaseCell_ = other->isBaseCell_;
    cellSpanX_ = other->cellSpanX_;
    cellSpanY_ = other->cellSpanY_;
    ownerRow_ = other->ownerRow_;
    ownerCol_ = other->ownerCol_;
    alignment_ = other->alignment_;
    borderColor_ = other->borderColor_;
    borderWidth_ = other->borderWidth_;
    brushColor_ = other->brushColor_;
    brushStyle_ = other->brushStyle_;
    fontColor_ = other->fontColor_;
    fontStyle_ = other->fontStyle_;
    fontName_ = other->fontName_;
    fontSize_ = other->fontSize_;
    readOnly_ = other->readOnly_;
    editor_ = other->editor_;
    vAlignment_ = other->vAlignment_;
    SetWordWrap(other->wordWrap_);
    nodeLevel_ = other->nodeLevel_;
    control_ = other->control_;
}

// ---- Properties in the Objects slot --------------------------------------------------------

TCellProperties* TBaseGrid::PropertiesOf(int col, int row) const {
    return static_cast<TCellProperties*>(Objects(col, row));
}

TCellProperties* TBaseGrid::BasePropertiesOf(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    if (!properties) return nullptr;
    const TGridCoord base = properties->GetBaseCell(col, row);
    return base == TGridCoord{col, row} ? properties : PropertiesOf(base.X, base.Y);
}

bool TBaseGrid::HasCellProperties(int col, int row) const { return PropertiesOf(col, row) != nullptr; }

TCellProperties* TBaseGrid::GetCellProperties(int col, int row) {
    if (TCellProperties* properties = PropertiesOf(col, row)) return properties;
    auto* properties = new TCellProperties(this, col, row);
    SetObjects(col, row, properties);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TAlignment alignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    bool wordWrap = wordWrap_;
    TCellGradientDirection direction = GradientVertical;
    GetCellFormat(col, row, &font, &brush, colorTo, alignment, vAlignment, wordWrap, direction);
    properties->SetAlignment(alignment);
    properties->SetVAlignment(vAlignment);
    properties->SetWordWrap(wordWrap);
    properties->SetFontName(font.Name());
    properties->SetFontSize(font.Size());
    properties->SetFontStyle(font.Style());
    properties->SetFontColor(font.Color());
    properties->SetBrushColor(brush.Color());
    properties->SetBrushColorTo(colorTo);
    properties->SetGradientDirection(direction);
    return properties;
}

TCellGraphic* TBaseGrid::GetGraphicObject(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    return properties ? properties->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObject(int col, int row, TCellGraphic* graphic) {
    // A cell that shows nothing gets a blank text for the time its
    // properties are made, as the cell painter expects of graphic cells.
    const bool empty = GetDisplayText(col, row).empty();
    if (empty) SetCellText(col, row, " ");
    GetCellProperties(col, row)->SetGraphicObject(graphic);
    if (empty) SetCellText(col, row, "");
}

void TBaseGrid::ReplaceCellObject(int col, int row, TObject* object) {
    delete Objects(col, row);
    SetObjects(col, row, object);
}

void TBaseGrid::FreeCellObject(int col, int row) { ReplaceCellObject(col, row, nullptr); }

void TBaseGrid::FreeCellObjects(int fromCol, int fromRow, int toCol, int toRow) {
    for (int row = fromRow; row <= toRow; ++row)
        for (int col = fromCol; col <= toCol; ++col) FreeCellObject(col, row);
}

void TBaseGrid::FreeAllCellObjects() { FreeCellObjects(0, 0, ColCount() - 1, RowCount() - 1); }

// ---- Merged cells ---------------------------------------------------------------------------

void TBaseGrid::MergeCells(int col, int row, int cols, int rows) {
    if (cols < 1 || rows < 1) return;
    for (int r = row; r < row + rows; ++r)
        for (int c = col; c < col + cols; ++c) {
            TCellProperties* properties = GetCellProperties(c, r);
            const bool base = c == col && r == row;
            properties->SetIsBaseCell(base);
            properties->SetCellSpanX(base ? cols - 1 : c - col);
            properties->SetCellSpanY(base ? rows - 1 : r - row);
        }
    for (int r = row; r < row + rows; ++r)
        for (int c = col; c < col + cols; ++c) RepaintCell(c, r);
}

void TBaseGrid::SplitCells(int col, int row) {
    const TGridCoord base = GetCellProperties(col, row)->GetBaseCell(col, row);
    TCellProperties* baseProperties = GetCellProperties(base.X, base.Y);
    const int spanX = std::max(0, baseProperties->CellSpanX()), spanY = std::max(0, baseProperties->CellSpanY());
    for (int r = base.Y; r <= base.Y + spanY; ++r)
        for (int c = base.X; c <= base.X + spanX; ++c) {
            TCellProperties* properties = GetCellProperties(c, r);
            properties->SetIsBaseCell(true);
            properties->SetCellSpanX(-1);
            properties->SetCellSpanY(-1);
            RepaintCell(c, r);
        }
}

TGridCoord TBaseGrid::GetBaseCell(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    return properties ? properties->GetBaseCell(col, row) : TGridCoord{col, row};
}

bool TBaseGrid::FindBaseCell(int col, int row, int& baseCol, int& baseRow) const {
    const TGridCoord base = GetBaseCell(col, row);
    baseCol = base.X;
    baseRow = base.Y;
    return base == TGridCoord{col, row};
}

bool TBaseGrid::IsBaseCell(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    return !properties || properties->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    return properties && (properties->CellSpanX() > 0 || properties->CellSpanY() > 0);
}

bool TBaseGrid::IsCoveredCell(int col, int row) const { return IsMergedCell(col, row) && !IsBaseCell(col, row); }

bool TBaseGrid::IsMergedHorizontally(int col, int row) const {
    TCellProperties* base = BasePropertiesOf(col, row);
    return base && base->CellSpanX() > 0;
}

bool TBaseGrid::IsMergedVertically(int col, int row) const {
    TCellProperties* base = BasePropertiesOf(col, row);
    return base && base->CellSpanY() > 0;
}

TGridCoord TBaseGrid::GetCellSpan(int col, int row) const {
    TCellProperties* base = BasePropertiesOf(col, row);
    if (!base || base->CellSpanX() == -1 || base->CellSpanY() == -1) return {0, 0};
    return {base->CellSpanX(), base->CellSpanY()};
}

bool TBaseGrid::RowsShareMergedCells(int rowA, int rowB) const {
    bool shared = false;
    for (int col = 0; col < ColCount(); ++col) {
        if (!IsMergedVertically(col, rowA) || !IsMergedVertically(col, rowB)) continue;
        if (GetBaseCell(col, rowA).Y != GetBaseCell(col, rowB).Y) return false;
        shared = true;
    }
    return shared;
}

// ---- Text --------------------------------------------------------------------------------

AnsiString TBaseGrid::GetDisplayText(int col, int row) {
    const TGridCoord base = GetBaseCell(col, row);
    AnsiString text = Cells(base.X, base.Y);
    if (base.Y >= dataRowCount_) return text;
    DoGetDisplText(base.X, base.Y, text);
    if (onGetDisplWideText_) {
        WideString wide = CellTextToWide(text);
        DoGetDisplWideText(base.X, base.Y, wide);
        text = WideToCellText(wide);
    }
    return text;
}

void TBaseGrid::SetCellText(int col, int row, const AnsiString& text) {
    if (HasCellProperties(col, row)) {
        const TGridCoord base = GetBaseCell(col, row);
        SetCells(base.X, base.Y, text);
        if (Parent()) RepaintCell(base.X, base.Y);
    } else {
        SetCells(col, row, text);
    }
    if (hideLastRow_ && row == RowCount() - 1) LastRowChanged();
}

void TBaseGrid::ClearCell(int col, int row) {
    SetCellText(col, row, "");
    SetObjects(col, row, nullptr);
}

void TBaseGrid::ClearRow(int row) {
    for (int col = 0; col < ColCount(); ++col) {
        SetObjects(col, row, nullptr);
        SetCellText(col, row, "");
    }
}

void TBaseGrid::ClearCol(int col) {
    for (int row = 0; row < RowCount(); ++row) {
        SetObjects(col, row, nullptr);
        SetCellText(col, row, "");
    }
}

// ---- Hooks -------------------------------------------------------------------------------

bool TBaseGrid::IsFixedCell(int, int) { return false; }
int TBaseGrid::GetNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::LastRowChanged() {}
int TBaseGrid::DisplayColOf(int realCol) { return realCol; }
void TBaseGrid::GetCellColor(int, int, TGridDrawState, TBrush*, TFont*, TColor&, TCellGradientDirection&, bool, bool,
                             bool) {}

void TBaseGrid::DoGetDisplText(int col, int row, AnsiString& value) {
    if (onGetDisplText_) onGetDisplText_(this, col, row, value);
}

void TBaseGrid::DoGetDisplWideText(int col, int row, WideString& value) {
    if (onGetDisplWideText_) onGetDisplWideText_(this, col, row, value);
}

void TBaseGrid::GetCellFormat(int, int, TFont* font, TBrush* brush, TColor& colorTo, TAlignment& alignment,
                              TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& direction) {
    font->Assign(Font());
    brush->SetColor(Color());
    colorTo = clNone;
    alignment = taLeftJustify;
    vAlignment = vtaTop;
    wordWrap = wordWrap_;
    direction = GradientVertical;
}

// ---- TBavGridUndoRedo --------------------------------------------------------------------

TBavGridUndoRedo::TBavGridUndoRedo(TComponent* owner)
    : TComponent(owner), changes_(std::make_unique<TUndoRedoCollection>()) {}

TBavGridUndoRedo::~TBavGridUndoRedo() {
    if (grid_) grid_->SetUndoRedo(nullptr);
}

void TBavGridUndoRedo::Published(TPublished<TBavGridUndoRedo>& p) {
    p.Property("MaxLevel", &TBavGridUndoRedo::MaxLevel, &TBavGridUndoRedo::SetMaxLevel).Default(0);
}

void TUndoRedoItem::Published(TPublished<TUndoRedoItem>& p) {
    p.Property("Row", &TUndoRedoItem::Row, &TUndoRedoItem::SetRow).Default(0);
    p.Property("Col", &TUndoRedoItem::Col, &TUndoRedoItem::SetCol).Default(0);
    p.Property("Value", &TUndoRedoItem::Value, &TUndoRedoItem::SetValue);
    p.Property("OrigValue", &TUndoRedoItem::OrigValue, &TUndoRedoItem::SetOrigValue);
}

void TBavGridUndoRedo::SetGrid(TBaseGrid* grid) {
    if (grid_ == grid) return;
    if (grid_) grid_->RemoveFreeNotification(this);
    grid_ = grid;
    if (grid_) grid_->FreeNotification(this);
}

void TBavGridUndoRedo::AddChange(int col, int row, const AnsiString& origValue, const AnsiString& value) {
    if (maxLevel_ > 0 && changes_->Count() >= maxLevel_) changes_->Delete(0);
    auto* item = static_cast<TUndoRedoItem*>(changes_->Add());
    item->SetCol(col);
    item->SetRow(row);
    item->SetValue(value);
    item->SetOrigValue(origValue);
    level_ = changes_->Count();
}

void TBavGridUndoRedo::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == grid_) grid_ = nullptr;
}
