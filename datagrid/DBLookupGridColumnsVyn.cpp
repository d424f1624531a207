// The lookup grid's columns and their special-row cells.
#include "datagrid/DBLookupGridColumnsVyn.h"

#include "datagrid/DBLookupGridsVyn.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TDBLookupGridColumnVyn);

// ---- The special-row cell ----------------------------------------------------------------------------

void TGridColumnSpecCellVyn::Published(TPublished<TGridColumnSpecCellVyn>& p) {
    using C = TGridColumnSpecCellVyn;
    p.Property("Color", &C::Color, &C::SetColor).TypeName("TColor").Stored(&C::ColorAssigned);
    p.Property("Font", &C::Font, &C::SetFont).Stored(&C::FontAssigned);
    p.Property("Text", &C::Text, &C::SetText).Stored(&C::TextAssigned);
}

TGridColumnSpecCellVyn::TGridColumnSpecCellVyn(TDBLookupGridColumnVyn* column)
    : column_(column), font_(std::make_unique<TFont>()) {
    font_->SetOnChange(TNotifyEvent(this, &TGridColumnSpecCellVyn::FontChanged));
}

TGridColumnSpecCellVyn::~TGridColumnSpecCellVyn() { font_->SetOnChange({}); }

TPersistent* TGridColumnSpecCellVyn::GetOwner() const { return column_; }

TSpecRowVyn* TGridColumnSpecCellVyn::SpecRow() const {
    auto* grid = dynamic_cast<TDBLookupGridVyn*>(column_->OwnerGrid());
    return grid ? grid->SpecRow() : nullptr;
}

void TGridColumnSpecCellVyn::Assign(TPersistent* source) {
    auto* cell = dynamic_cast<TGridColumnSpecCellVyn*>(source);
    if (!cell) return TPersistent::Assign(source);
    if (cell->textAssigned_) SetText(cell->text_);
    if (cell->colorAssigned_) SetColor(cell->color_);
    if (cell->fontAssigned_) SetFont(cell->font_.get());
}

AnsiString TGridColumnSpecCellVyn::Text() const {
    TSpecRowVyn* row = textAssigned_ ? nullptr : SpecRow();
    return row ? row->CellText(column_->Index()) : text_;
}

void TGridColumnSpecCellVyn::SetText(const AnsiString& v) {
    text_ = v;
    textAssigned_ = true;
    Changed();
}

TColor TGridColumnSpecCellVyn::Color() const {
    TSpecRowVyn* row = colorAssigned_ ? nullptr : SpecRow();
    return row ? row->Color() : color_;
}

void TGridColumnSpecCellVyn::SetColor(TColor v) {
    color_ = v;
    colorAssigned_ = true;
    Changed();
}

TFont* TGridColumnSpecCellVyn::Font() const {
    TSpecRowVyn* row = fontAssigned_ ? nullptr : SpecRow();
    return row ? row->Font() : font_.get();
}

void TGridColumnSpecCellVyn::FontChanged(TObject*) {
    fontAssigned_ = true;
    Changed();
}

void TGridColumnSpecCellVyn::Changed() {
    if (TCustomDBGridVyn* grid = column_->OwnerGrid()) grid->Invalidate();
}

// ---- The column --------------------------------------------------------------------------------------

void TDBLookupGridColumnVyn::Published(TPublished<TDBLookupGridColumnVyn>& p) {
    p.Property("SpecCell", &TDBLookupGridColumnVyn::SpecCell, &TDBLookupGridColumnVyn::SetSpecCell);
}

TDBLookupGridColumnVyn::TDBLookupGridColumnVyn(TCollection* collection)
    : TColumnVyn(collection), specCell_(std::make_unique<TGridColumnSpecCellVyn>(this)) {}

TDBLookupGridColumnVyn::~TDBLookupGridColumnVyn() = default;

void TDBLookupGridColumnVyn::Assign(TPersistent* source) {
    TColumnVyn::Assign(source);
    if (auto* column = dynamic_cast<TDBLookupGridColumnVyn*>(source)) specCell_->Assign(column->specCell_.get());
}
