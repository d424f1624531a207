// The export framework (the walk over the records, footer totals, entry
// points) and the text, CSV and XLS formats.
#include "datagrid/DBGridVynImpExp.h"

#include <cmath>
#include <cstring>

#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "platform/data/field.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"

char ExportCsvSeparator = ';';

namespace {

// The visible columns of a grid in display order, from `first` to `last`.
void AddVisibleColumns(TCustomDBGridVyn* grid, TColumnsVynList* into, int first = 0, int last = -1) {
    TColumnsVynList* visible = grid->VisibleColumns();
    if (last < 0) last = visible->Count() - 1;
    for (int i = std::max(first, 0); i <= last && i < visible->Count(); ++i) into->Add(visible->Items(i));
}

// The field value as a number with four decimals, rounded half to even.
std::int64_t ScaledValue(TField* field) { return Currency(field->AsFloat()).Scaled(); }

bool IsIntegerType(TFieldType type) {
    return type == ftSmallint || type == ftInteger || type == ftWord || type == ftAutoInc || type == ftLargeint;
}

}  // namespace

// ---- The framework --------------------------------------------------------------------------------

TDBGridVynExport::TDBGridVynExport()
    : exportedColumns_(std::make_unique<TColumnsVynList>()), cellParams_(std::make_unique<TColCellParamsVyn>()) {}

TDBGridVynExport::~TDBGridVynExport() = default;

void TDBGridVynExport::Put(const AnsiString& text) { PutBytes(text.data(), text.size()); }

void TDBGridVynExport::PutBytes(const void* bytes, std::size_t count) {
    stream_->WriteBuffer(bytes, static_cast<Integer>(count));
}

void TDBGridVynExport::SaveToFile(const AnsiString& fileName, bool allRows) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(&file, allRows);
}

TDBGridVynSelectionType TDBGridVynExport::ExportKind(bool allRows) const {
    if (allRows) return gstAll;
    TDBGridVynSelection* selection = grid_->Selection();
    if (selection->Kind() == gstRectangle &&
        !(selection->Rect()->AnchorCell().IsSet() && selection->Rect()->EndCell().IsSet()))
        return gstNon;
    return selection->Kind();
}

void TDBGridVynExport::SaveToStream(TStream* stream, bool allRows) {
    const TDBGridVynSelectionType kind = ExportKind(allRows);
    if (kind == gstNon) return;
    TBufferedWriteStream buffered(stream);
    stream_ = &buffered;
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    dataSet->DisableControls();
    try {
        grid_->SaveViewPosition();
        try {
            ExportRecords(kind);
        } catch (...) {
            grid_->RestoreViewPosition();
            throw;
        }
        grid_->RestoreViewPosition();
    } catch (...) {
        dataSet->EnableControls();
        stream_ = stream;
        throw;
    }
    dataSet->EnableControls();
    buffered.Flush();
    stream_ = stream;
}

void TDBGridVynExport::Prepare() {
    footerTotals_.assign(static_cast<std::size_t>(grid_->FooterRowCount() * exportedColumns_->Count()), 0);
    BeginExport();
    if (grid_->Options().Contains(dgTitles)) PutTitleRow(exportedColumns_.get());
}

void TDBGridVynExport::ExportRecords(TDBGridVynSelectionType kind) {
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    TDBGridVynSelection* selection = grid_->Selection();
    exportedColumns_->Clear();
    switch (kind) {
        case gstRecordBookmarks:
            AddVisibleColumns(grid_, exportedColumns_.get());
            Prepare();
            ForEachSelectedRow(grid_, [this] {
                AccumulateFooters();
                PutDataRow(exportedColumns_.get());
            });
            break;
        case gstRectangle:
            AddRectangleColumns(grid_, exportedColumns_.get());
            Prepare();
            ForEachRectangleRecord(grid_, [this] {
                PutDataRow(exportedColumns_.get());
                AccumulateFooters();
            });
            break;
        case gstColumns:
        case gstAll:
            if (kind == gstColumns) {
                TDBGridVynSelectionCols* columns = selection->Columns();
                for (int i = 0; i < columns->Count(); ++i) exportedColumns_->Add(columns->Items(i));
            } else {
                AddVisibleColumns(grid_, exportedColumns_.get());
            }
            Prepare();
            ForEachRecord(dataSet, [this] {
                PutDataRow(exportedColumns_.get());
                AccumulateFooters();
            });
            break;
        case gstNon:
            return;
    }
    for (int row = 0; row < grid_->FooterRowCount(); ++row) PutFooterRow(exportedColumns_.get(), row);
    EndExport();
}

void TDBGridVynExport::PutDataRow(TColumnsVynList* columns) {
    TFont font;
    for (int i = 0; i < columns->Count(); ++i) {
        TColumnVyn* column = columns->Items(i);
        // Formatting every cell's look and text is most of an export's time:
        // only what the format or an event reads is filled. The handlers get
        // a scratch copy of the column's font to change; without them the
        // column's own font serves, unchanged.
        const bool hooked = grid_->OnGetCellParams() || column->OnGetCellParams();
        TColCellParamsVyn* params = cellParams_.get();
        params->Row = -1;
        params->Col = -1;
        params->State = {};
        params->Font = hooked ? &font : column->Font();
        if (hooked || ReadsCellLook()) {
            if (hooked) font.Assign(column->Font());
            params->Background = column->Color();
            params->Alignment = column->Alignment();
            params->ImageIndex = column->CellImageIndex();
            params->CheckboxState = column->CheckState();
        }
        params->Text = hooked || ReadsCellText(column) ? column->CellDisplayText() : AnsiString();
        TColor background = params->Background;
        if (grid_->OnGetCellParams()) grid_->OnGetCellParams()(grid_, column, &font, background, params->State);
        column->FireGetCellParams(false, params);
        params->Background = background;
        PutDataCell(column, params);
    }
}

void TDBGridVynExport::PutFooterRow(TColumnsVynList* columns, int footerRow) {
    TFont font;
    for (int i = 0; i < columns->Count(); ++i) {
        TColumnVyn* column = columns->Items(i);
        TColumnFooterVyn* footer = column->FooterForRow(footerRow);
        font.Assign(footer->Font());
        TColor background = footer->Color();
        TAlignment alignment = footer->Alignment();
        const TFooterValueType type = footer->ValueType();
        AnsiString text = type == fvtSum || type == fvtCount ? FooterTotalText(footerRow, i)
                                                             : grid_->FooterCellText(footerRow, column);
        if (grid_->OnGetFooterParams())
            grid_->OnGetFooterParams()(grid_, column->Index(), footerRow, column, &font, background, alignment,
                                       TGridDrawState{}, text);
        PutFooterCell(i, footerRow, text, alignment, background, &font, column);
    }
}

void TDBGridVynExport::PutFooterCell(int, int, const AnsiString&, TAlignment, TColor, TFont*, TColumnVyn*) {}

std::int64_t& TDBGridVynExport::FooterTotal(int footerRow, int colIndex) {
    return footerTotals_[static_cast<std::size_t>(colIndex + footerRow * exportedColumns_->Count())];
}

TField* TDBGridVynExport::FooterField(TColumnFooterVyn* footer, TColumnVyn* column) const {
    const AnsiString& name = footer->FieldName().empty() ? column->FieldName() : footer->FieldName();
    return grid_->DataLink()->DataSet()->FindField(name);
}

void TDBGridVynExport::AccumulateFooters() {
    for (int row = 0; row < grid_->FooterRowCount(); ++row)
        for (int i = 0; i < exportedColumns_->Count(); ++i) {
            TColumnVyn* column = exportedColumns_->Items(i);
            TColumnFooterVyn* footer = column->FooterForRow(row);
            TField* field = FooterField(footer, column);
            if (!field) continue;
            if (footer->ValueType() == fvtSum && !field->IsNull())
                FooterTotal(row, i) += ScaledValue(field);
            else if (footer->ValueType() == fvtCount)
                FooterTotal(row, i) += Currency::Scale;
        }
}

AnsiString TDBGridVynExport::FooterTotalText(int footerRow, int colIndex) {
    TColumnVyn* column = exportedColumns_->Items(colIndex);
    TColumnFooterVyn* footer = column->FooterForRow(footerRow);
    const Currency total = Currency::FromScaled(FooterTotal(footerRow, colIndex));
    if (footer->ValueType() == fvtCount) return FloatToStr(total.ToDouble());
    TField* field = FooterField(footer, column);
    if (!field) return {};
    auto* numeric = dynamic_cast<TNumericField*>(field);
    const AnsiString format = numeric ? numeric->DisplayFormat() : AnsiString();
    const TFieldType type = field->DataType();
    if (IsIntegerType(type)) {
        if (!format.empty()) return FormatFloat(format, total.ToDouble());
        return IntToStr(static_cast<Int64>(std::nearbyint(total.ToDouble())));
    }
    const auto* floatField = dynamic_cast<TFloatField*>(field);
    const auto* bcdField = dynamic_cast<TBCDField*>(field);
    const bool currency = floatField ? floatField->Currency() : bcdField && bcdField->Currency();
    const TFloatFormat kind = currency ? ffCurrency : ffGeneral;
    const int digits = currency ? CurrencyDecimals : 0;
    if (type == ftFloat || type == ftCurrency) {
        if (!format.empty()) return FormatFloat(format, total.ToDouble());
        return FloatToStrF(total.ToDouble(), kind, floatField ? floatField->Precision() : 15, digits);
    }
    if (type == ftBCD || type == ftFMTBcd) {
        if (!format.empty()) return FormatCurr(format, total);
        return CurrToStrF(total, kind, digits);
    }
    return {};
}

TField* ExchangedField(TField* field) {
    if (!field || !field->Lookup()) return field;
    TDataSet* dataSet = field->DataSet();
    return dataSet && !field->KeyFields().empty() ? dataSet->FindField(field->KeyFields()) : nullptr;
}

TField* ExchangedField(TColumnVyn* column) { return ExchangedField(column->BoundField()); }

TField* WritableExchangedField(TColumnVyn* column) {
    if (!column->CanEditValue(false)) return nullptr;
    TField* field = ExchangedField(column);
    if (!field || !field->DataSet()->CanModify()) return nullptr;
    TDataSet* dataSet = field->DataSet();
    dataSet->Edit();
    return dataSet->State() == dsEdit || dataSet->State() == dsInsert ? field : nullptr;
}

void AddRectangleColumns(TCustomDBGridVyn* grid, TColumnsVynList* into) {
    TDBGridVynSelectionRect* rect = grid->Selection()->Rect();
    TColumnsVynList* visible = grid->VisibleColumns();
    const int a = visible->IndexOf(grid->Columns()->Items(rect->AnchorCell().Col));
    const int b = visible->IndexOf(grid->Columns()->Items(rect->EndCell().Col));
    AddVisibleColumns(grid, into, std::min(a, b), std::max(a, b));
}

void ForEachRectangleRecord(TCustomDBGridVyn* grid, const std::function<void()>& visit) {
    TDataSet* dataSet = grid->DataLink()->DataSet();
    const TDBCell& anchor = grid->Selection()->Rect()->AnchorCell();
    const TDBCell& end = grid->Selection()->Rect()->EndCell();
    const bool anchorFirst = dataSet->CompareBookmarks(anchor.Row, end.Row) <= 0;
    const TBookmarkStr bottom = anchorFirst ? end.Row : anchor.Row;
    dataSet->SetBookmark(anchorFirst ? anchor.Row : end.Row);
    while (!dataSet->Eof()) {
        visit();
        if (dataSet->CompareBookmarks(dataSet->Bookmark(), bottom) == 0) break;
        dataSet->Next();
    }
}

void ForEachSelectedRow(TCustomDBGridVyn* grid, const std::function<void()>& visit) {
    TDataSet* dataSet = grid->DataLink()->DataSet();
    TBookmarkListVyn* rows = grid->SelectedRows();
    for (int i = 0; i < rows->Count(); ++i) {
        dataSet->SetBookmark(rows->Items(i));
        visit();
    }
}

void ForEachRecord(TDataSet* dataSet, const std::function<void()>& visit) {
    for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) visit();
}

void ExportDBGridVynToStream(TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid, TStream* stream,
                             bool allRows) {
    std::unique_ptr<TDBGridVynExport> exporter(exportClass->Create());
    exporter->SetGrid(grid);
    exporter->SaveToStream(stream, allRows);
}

void ExportDBGridVynToFile(TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid, const AnsiString& fileName,
                           bool allRows) {
    std::unique_ptr<TDBGridVynExport> exporter(exportClass->Create());
    exporter->SetGrid(grid);
    exporter->SaveToFile(fileName, allRows);
}

// ---- Multi-level titles ---------------------------------------------------------------------------

std::unique_ptr<TTitleLevelsVyn> TTitleLevelsVyn::Build(TCustomDBGridVyn* grid, TColumnsVynList* columns) {
    if (!grid->UseMultiTitle() || !grid->TitleRoot() || columns->Count() == 0) return nullptr;
    std::vector<THeadTreeNode*> nodes;
    std::vector<int> heights;
    for (int i = 0; i < columns->Count(); ++i) {
        THeadTreeNode* leaf = grid->LeafNode(columns->Items(i)->Index());
        if (!leaf) return nullptr;
        nodes.push_back(leaf);
        heights.push_back(leaf->NodeHeight);
    }
    auto levels = std::make_unique<TTitleLevelsVyn>();
    levels->levels_.push_back(nodes);
    for (;;) {
        const int lowest = *std::min_element(heights.begin(), heights.end());
        bool moved = false;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            THeadTreeNode* parent = nodes[i]->ParentNode;
            if (heights[i] != lowest || !parent || parent == grid->TitleRoot()) continue;
            nodes[i] = parent;
            heights[i] += parent->NodeHeight;
            moved = true;
        }
        if (!moved) break;
        levels->levels_.push_back(nodes);
    }
    return levels;
}

THeadTreeNode* TTitleLevelsVyn::Entry(int level, int column) const {
    return levels_[static_cast<std::size_t>(level)][static_cast<std::size_t>(column)];
}

void TTitleLevelsVyn::TitleCellSpan(int level, int column, int& colSpan, int& rowSpan) {
    auto at = [this](int l, int c) -> THeadTreeNode*& {
        return levels_[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)];
    };
    THeadTreeNode* node = at(level, column);
    rowSpan = 1;
    while (level - rowSpan >= 0 && at(level - rowSpan, column) == node) at(level - rowSpan++, column) = nullptr;
    colSpan = 1;
    while (column + colSpan < ColumnCount() && at(level, column + colSpan) == node) {
        for (int l = level; l > level - rowSpan; --l) at(l, column + colSpan) = nullptr;
        ++colSpan;
    }
}

// ---- Text and CSV ---------------------------------------------------------------------------------

void TDBGridVynExportAsText::SaveToStream(TStream* stream, bool allRows) {
    AtLineStart = true;
    line_.clear();
    TDBGridVynExport::SaveToStream(stream, allRows);
}

void TDBGridVynExportAsText::EndExport() { PutGatheredLine(); }

void TDBGridVynExportAsText::PutGatheredLine() {
    PutBytes(line_.data(), line_.size());
    line_.clear();
}

void TDBGridVynExportAsText::StartLine() {
    PutGatheredLine();
    if (AtLineStart)
        AtLineStart = false;
    else
        line_ += "\r\n";
}

void TDBGridVynExportAsText::StartCell() {
    if (AtCellStart)
        AtCellStart = false;
    else
        line_ += SeparatorChar();
}

void TDBGridVynExportAsText::PutTitleRow(TColumnsVynList* columns) {
    StartLine();
    AtCellStart = true;
    for (int i = 0; i < columns->Count(); ++i) {
        StartCell();
        PutCellText(columns->Items(i)->Title()->Caption());
    }
}

void TDBGridVynExportAsText::PutDataRow(TColumnsVynList* columns) {
    StartLine();
    AtCellStart = true;
    TDBGridVynExport::PutDataRow(columns);
}

void TDBGridVynExportAsText::PutDataCell(TColumnVyn*, TColCellParamsVyn* params) {
    StartCell();
    PutCellText(params->Text);
}

void TDBGridVynExportAsText::PutFooterRow(TColumnsVynList* columns, int footerRow) {
    StartLine();
    AtCellStart = true;
    TDBGridVynExport::PutFooterRow(columns, footerRow);
}

void TDBGridVynExportAsText::PutFooterCell(int, int, const AnsiString& text, TAlignment, TColor, TFont*,
                                           TColumnVyn*) {
    StartCell();
    PutCellText(text);
}

void TDBGridVynExportAsCSV::PutCellText(const AnsiString& text) {
    // The bytes of AnsiQuotedStr(text, '"') without a string of its own: no
    // byte of a multi-byte character is a quote, so each quote byte is doubled.
    line_ += '"';
    std::size_t start = 0;
    for (std::size_t quote; (quote = text.find('"', start)) != AnsiString::npos; start = quote + 1) {
        line_.append(text, start, quote + 1 - start);
        line_ += '"';
    }
    line_.append(text, start);
    line_ += '"';
}

// ---- XLS ------------------------------------------------------------------------------------------

namespace {

constexpr std::uint16_t kBof = 0x0809, kCodePage = 0x0042, kLabel = 0x0204, kNumber = 0x0203, kRk = 0x027E,
                        kBlank = 0x0201, kEof = 0x000A;
// The RK record holds a 30-bit integer.
constexpr std::int64_t kRkMin = -(std::int64_t{1} << 29), kRkMax = (std::int64_t{1} << 29) - 1;
// Rows are numbered in 16 bits.
constexpr int kXlsRows = 65536;

}  // namespace

void TDBGridVynExportAsXLS::SaveToStream(TStream* stream, bool allRows) {
    Row = 0;
    Col = 0;
    records_.clear();
    TDBGridVynExport::SaveToStream(stream, allRows);
}

void TDBGridVynExportAsXLS::PutRecord(std::uint16_t type, std::initializer_list<std::uint16_t> words,
                                      std::string_view data) {
    const std::size_t start = records_.size();
    records_.resize(start + 4 + 2 * words.size() + data.size());
    std::uint8_t* at = records_.data() + start;
    auto add = [&at](std::uint16_t word) {
        *at++ = static_cast<std::uint8_t>(word & 0xFF);
        *at++ = static_cast<std::uint8_t>(word >> 8);
    };
    add(type);
    add(static_cast<std::uint16_t>(2 * words.size() + data.size()));
    for (std::uint16_t word : words) add(word);
    if (!data.empty()) std::memcpy(at, data.data(), data.size());
}

void TDBGridVynExportAsXLS::PutGatheredRecords() {
    PutBytes(records_.data(), records_.size());
    records_.clear();
}

void TDBGridVynExportAsXLS::PutCellRecord(std::uint16_t type, std::uint16_t xf, std::optional<std::uint16_t> word,
                                          std::string_view data) {
    // A row the format cannot number would overwrite the sheet's first rows.
    if (Row >= kXlsRows) throw EWriteError("XLS worksheets hold at most 65536 rows");
    const auto row = static_cast<std::uint16_t>(Row), col = static_cast<std::uint16_t>(Col);
    if (word)
        PutRecord(type, {row, col, xf, *word}, data);
    else
        PutRecord(type, {row, col, xf}, data);
    if (Col + 1 == ExportedColumns()->Count()) {
        ++Row;
        Col = 0;
        PutGatheredRecords();
    } else {
        ++Col;
    }
}

void TDBGridVynExportAsXLS::BeginExport() {
    columnCells_.clear();
    for (int i = 0; i < ExportedColumns()->Count(); ++i) columnCells_.push_back(ColumnCellsOf(ExportedColumns()->Items(i)));
    PutRecord(kBof, {0x0000, 0x0010, 0x0000, 0x0000});
    // Labels hold ANSI bytes: the code page lets a reader on any system
    // decode them as they were written.
    PutRecord(kCodePage, {static_cast<std::uint16_t>(GetACP())});
}

void TDBGridVynExportAsXLS::EndExport() {
    PutRecord(kEof, {});
    PutGatheredRecords();
}

void TDBGridVynExportAsXLS::PutLabel(const AnsiString& text) {
    const std::size_t length = std::min<std::size_t>(text.size(), 0xFFFF - 8);
    PutCellRecord(kLabel, 0, static_cast<std::uint16_t>(length), std::string_view(text.data(), length));
}

void TDBGridVynExportAsXLS::PutNumber(double value) {
    PutCellRecord(kNumber, 0, std::nullopt, std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

void TDBGridVynExportAsXLS::PutBlank() { PutCellRecord(kBlank, 0x17, std::nullopt); }

void TDBGridVynExportAsXLS::PutInteger(std::int64_t value) {
    if (value < kRkMin || value > kRkMax) return PutNumber(static_cast<double>(value));
    const auto rk = static_cast<std::uint32_t>(static_cast<std::int32_t>(value * 4 + 2));
    PutCellRecord(kRk, 0, std::nullopt, std::string_view(reinterpret_cast<const char*>(&rk), sizeof rk));
}

void TDBGridVynExportAsXLS::PutTitleRow(TColumnsVynList* columns) {
    for (int i = 0; i < columns->Count(); ++i) PutLabel(columns->Items(i)->Title()->Caption());
}

TDBGridVynExportAsXLS::CellRecord TDBGridVynExportAsXLS::DataCellRecord(TColumnVyn* column) const {
    // Col is the place of the cell being written, its column's position.
    const ColumnCells cells =
        static_cast<std::size_t>(Col) < columnCells_.size() ? columnCells_[Col] : ColumnCellsOf(column);
    return cells.blankWhenNull && column->BoundField()->IsNull() ? CellRecord::Blank : cells.record;
}

TDBGridVynExportAsXLS::ColumnCells TDBGridVynExportAsXLS::ColumnCellsOf(TColumnVyn* column) {
    TField* field = column->BoundField();
    if (!field) return {CellRecord::Blank, false};
    if (column->ValueKind() == cvkKeyList) return {CellRecord::Label, false};
    switch (field->DataType()) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftAutoInc:
            return {CellRecord::Integer, true};
        case ftFloat:
        case ftCurrency:
        case ftBCD:
        case ftFMTBcd:
            return {CellRecord::Number, true};
        default:
            return {CellRecord::Label, true};
    }
}

bool TDBGridVynExportAsXLS::ReadsCellText(TColumnVyn* column) const {
    decidedColumn_ = column;
    decidedRecord_ = DataCellRecord(column);
    return decidedRecord_ == CellRecord::Label;
}

void TDBGridVynExportAsXLS::PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) {
    const CellRecord record = decidedColumn_ == column ? decidedRecord_ : DataCellRecord(column);
    decidedColumn_ = nullptr;
    switch (record) {
        case CellRecord::Blank:
            return PutBlank();
        case CellRecord::Integer:
            return PutInteger(column->BoundField()->AsInteger());
        case CellRecord::Number:
            return PutNumber(column->BoundField()->AsFloat());
        case CellRecord::Label:
            return PutLabel(params->Text);
    }
}

void TDBGridVynExportAsXLS::PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment, TColor,
                                          TFont*, TColumnVyn* column) {
    const TFooterValueType type = column->FooterForRow(footerRow)->ValueType();
    if (type == fvtSum || type == fvtCount)
        PutNumber(Currency::FromScaled(FooterTotal(footerRow, colIndex)).ToDouble());
    else
        PutLabel(text);
}
