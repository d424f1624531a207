// TField and its descendants, TFields, TFieldDef and TFieldDefs.
#include "platform/data/field.h"

#include <algorithm>

#include "platform/data/dataset.h"
#include "platform/data/iso_date.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

// Persistent fields are created by class name from form descriptions.
SERVIORA_REGISTER_CLASS(TStringField);
SERVIORA_REGISTER_CLASS(TWideStringField);
SERVIORA_REGISTER_CLASS(TIntegerField);
SERVIORA_REGISTER_CLASS(TSmallintField);
SERVIORA_REGISTER_CLASS(TLargeintField);
SERVIORA_REGISTER_CLASS(TFloatField);
SERVIORA_REGISTER_CLASS(TCurrencyField);
SERVIORA_REGISTER_CLASS(TBCDField);
SERVIORA_REGISTER_CLASS(TBooleanField);
SERVIORA_REGISTER_CLASS(TDateTimeField);
SERVIORA_REGISTER_CLASS(TDateField);
SERVIORA_REGISTER_CLASS(TMemoField);
SERVIORA_REGISTER_CLASS(TBlobField);
SERVIORA_REGISTER_CLASS(TGraphicField);

namespace {

bool StartsWithText(const AnsiString& word, const AnsiString& prefix) {
    return !prefix.empty() && prefix.size() <= word.size() && SameText(word.substr(0, prefix.size()), prefix);
}

// Key values of a lookup: one value, or a variant array for several keys.
bool SameKey(const Variant& a, const Variant& b) {
    if (VarIsArray(a) != VarIsArray(b)) return false;
    if (!VarIsArray(a)) return VarSameValue(a, b);
    const int low = VarArrayLowBound(a, 1), high = VarArrayHighBound(a, 1);
    if (high - low != VarArrayHighBound(b, 1) - VarArrayLowBound(b, 1)) return false;
    for (int i = 0; i <= high - low; ++i)
        if (!VarSameValue(VarArrayGet(a, {low + i}), VarArrayGet(b, {VarArrayLowBound(b, 1) + i}))) return false;
    return true;
}

}  // namespace

// ---- TField -------------------------------------------------------------

TField::TField(TComponent* owner) : TField(owner, ftUnknown, 0) {}

TField::TField(TComponent* owner, TFieldType type, int size) : TComponent(owner), dataType_(type), size_(size) {}

TField::~TField() {
    if (dataSet_) dataSet_->Fields()->Remove(this);
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) dataSet_->CheckInactive();
    if (dataSet) dataSet->CheckInactive();
    if (dataSet_) dataSet_->Fields()->Remove(this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->Fields()->Add(this);
}

TComponent* TField::GetParentComponent() const { return dataSet_; }

void TField::SetParentComponent(TComponent* parent) {
    auto* dataSet = dynamic_cast<TDataSet*>(parent);
    if (parent && !dataSet) DatabaseErrorFmt("%s is not a dataset", {parent->Name()}, this);
    SetDataSet(dataSet);
}

int TField::Index() const { return dataSet_ ? dataSet_->Fields()->IndexOf(this) : -1; }

void TField::SetIndex(int index) {
    if (!dataSet_) return;
    dataSet_->Fields()->Move(Index(), index);
    dataSet_->DataEvent(deLayoutChange, 0);
}

CellView TField::Cell() const {
    if (candidate_) return {candidate_->type, candidate_->integer, candidate_->real, candidate_->bytes};
    if (!dataSet_) return {};
    return dataSet_->ReadCell(this);
}

void TField::SetCell(CellValue value) {
    if (capture_) {
        *capture_ = std::move(value);
        return;
    }
    if (!dataSet_) DatabaseErrorFmt("Field '%s' has no dataset", {DisplayName()}, this);
    dataSet_->WriteCell(this, std::move(value));
}

AnsiString TField::CellText() const {
    const CellView cell = Cell();
    switch (cell.type) {
    case CellType::Null: return {};
    case CellType::Integer: return IntToStr(cell.integer);
    case CellType::Real: return FloatToStr(cell.real);
    case CellType::Text: return Utf8ToAnsi(cell.bytes);
    case CellType::Blob: return AnsiString(cell.bytes);
    }
    return {};
}

Variant TField::OldValue() const {
    if (!dataSet_) return AsVariant();
    struct StoredRead {
        bool& flag;
        bool saved = flag;
        explicit StoredRead(bool& f) : flag(f) { flag = true; }
        ~StoredRead() { flag = saved; }
    } stored(dataSet_->readStored_);
    return AsVariant();
}

bool TField::IsNull() const {
    // An aggregate is no cell of the records: its value comes from the dataset.
    if (fieldKind_ == fkAggregate) return VarIsNull(AsVariant());
    return Cell().type == CellType::Null;
}

void TField::Clear() { SetCell(CellValue::Null()); }

AnsiString TField::AsString() const { return CellText(); }

void TField::SetAsString(const AnsiString& value) {
    if (IsBlob() && dataType_ != ftMemo)
        SetCell(CellValue::Blob(value));
    else
        SetCell(CellValue::Text(AnsiToUtf8(value)));
}

Integer TField::AsInteger() const {
    const CellView cell = Cell();
    if (cell.type == CellType::Null) return 0;
    if (cell.type == CellType::Integer) return static_cast<Integer>(cell.integer);
    if (cell.type == CellType::Real) return static_cast<Integer>(Round(cell.real));
    return StrToInt(Trim(CellText()));
}

void TField::SetAsInteger(Integer value) { SetAsString(IntToStr(value)); }

double TField::AsFloat() const {
    const CellView cell = Cell();
    if (cell.type == CellType::Null) return 0;
    if (cell.type == CellType::Integer) return static_cast<double>(cell.integer);
    if (cell.type == CellType::Real) return cell.real;
    return StrToFloat(Trim(CellText()));
}

void TField::SetAsFloat(double value) { SetAsString(FloatToStr(value)); }

bool TField::AsBoolean() const {
    const CellView cell = Cell();
    if (cell.type == CellType::Integer) return cell.integer != 0;
    if (cell.type == CellType::Real) return cell.real != 0;
    const AnsiString text = CellText();
    return !text.empty() && (text[0] == 'T' || text[0] == 't' || text[0] == 'Y' || text[0] == 'y');
}

void TField::SetAsBoolean(bool value) { SetAsString(value ? "T" : "F"); }

TDateTime TField::AsDateTime() const {
    const CellView cell = Cell();
    if (cell.type == CellType::Null) return 0;
    if (cell.type == CellType::Integer || cell.type == CellType::Real) return AsFloat();
    TDateTime value;
    if (TryIsoToDateTime(cell.bytes, value)) return value;
    return StrToDateTime(CellText());
}

void TField::SetAsDateTime(TDateTime value) { SetAsString(DateTimeToIso(value)); }

Variant TField::AsVariant() const {
    const CellView cell = Cell();
    switch (cell.type) {
    case CellType::Null: return Null();
    case CellType::Integer:
        if (cell.integer >= INT32_MIN && cell.integer <= INT32_MAX) return Variant(static_cast<int>(cell.integer));
        return Variant(static_cast<long long>(cell.integer));
    case CellType::Real: return Variant(cell.real);
    case CellType::Text: return Variant(Utf8ToAnsi(cell.bytes));
    case CellType::Blob: return Variant(AnsiString(cell.bytes));
    }
    return Null();
}

void TField::SetAsVariant(const Variant& value) {
    if (VarIsNull(value) || VarIsEmpty(value)) return Clear();
    // Text fields take the variant's text; the others its value, so a
    // boolean or a date never goes through words or a locale's format.
    const bool textual = dataType_ == ftString || dataType_ == ftWideString || dataType_ == ftFixedChar || IsBlob();
    if (textual) return SetAsString(VarToStr(value));
    const TVarType type = VarType(value) & varTypeMask;
    if (type == varBoolean)
        SetAsBoolean(value.AsBoolean());
    else if (type == varDate)
        SetAsDateTime(VarToDateTime(value));
    else if (VarIsOrdinal(value))
        SetAsLargeValue(value.AsInt64());
    else if (VarIsNumeric(value))
        SetAsFloat(value.AsDouble());
    else
        SetAsString(VarToStr(value));
}

void TField::SetAsLargeValue(Int64 value) {
    if (value >= INT32_MIN && value <= INT32_MAX)
        SetAsInteger(static_cast<Integer>(value));
    else
        SetAsFloat(static_cast<double>(value));
}

AnsiString TField::GetText(bool) const { return CellText(); }

AnsiString TField::GetTextFor(bool displayText) const {
    AnsiString text;
    if (onGetText_)
        onGetText_(const_cast<TField*>(this), text, displayText);
    else
        text = GetText(displayText);
    return text;
}

void TField::SetText(const AnsiString& value) {
    if (onSetText_)
        onSetText_(this, value);
    else
        SetAsString(value);
}

bool TField::CanModify() const {
    if (readOnly_ || !dataSet_) return false;
    if (fieldKind_ == fkCalculated || fieldKind_ == fkInternalCalc) return dataSet_->State() == dsCalcFields;
    if (fieldKind_ != fkData) return false;
    return dataSet_->CanModify();
}

bool TField::IsValidChar(char) const { return true; }

bool TField::IsIndexField() const {
    if (!dataSet_ || fieldKind_ != fkData) return false;
    // "A, B DESC": each part's first word is a field name.
    const AnsiString& sort = dataSet_->SortText();
    for (std::size_t start = 0; start < sort.size();) {
        std::size_t end = sort.find(',', start);
        if (end == AnsiString::npos) end = sort.size();
        const AnsiString part = Trim(sort.substr(start, end - start));
        if (SameText(part.substr(0, part.find(' ')), fieldName_)) return true;
        start = end + 1;
    }
    return false;
}

void TField::SetLookupCache(bool value) {
    lookupCache_ = value;
    lookupList_.clear();
    lookupListRead_ = false;
}

void TField::RefreshLookupList() {
    lookupList_.clear();
    lookupListRead_ = true;
    if (!lookupDataSet_ || !lookupDataSet_->Active()) return;
    TDataSet& source = *lookupDataSet_;
    const TBookmarkStr bookmark = source.Bookmark();
    source.DisableControls();
    try {
        for (source.First(); !source.Eof(); source.Next())
            lookupList_.emplace_back(source.FieldValues(lookupKeyFields_), source.FieldValues(lookupResultField_));
    } catch (...) {
        source.EnableControls();
        throw;
    }
    if (!bookmark.empty()) source.GotoBookmark(bookmark);
    source.EnableControls();
}

Variant TField::LookupValue(const Variant& keys) {
    if (!lookupDataSet_) return Null();
    if (!lookupCache_) return lookupDataSet_->Lookup(lookupKeyFields_, keys, lookupResultField_);
    if (!lookupListRead_) RefreshLookupList();
    for (const auto& [key, value] : lookupList_)
        if (SameKey(key, keys)) return value;
    return Null();
}

void TField::FocusControl() {
    if (dataSet_) dataSet_->DataEvent(deFocusControl, reinterpret_cast<std::intptr_t>(this));
}

// ---- numbers ------------------------------------------------------------

TNumericField::TNumericField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {
    SetAlignment(taRightJustify);
}

const AnsiString& TNumericField::FormatFor(bool displayText) const {
    return displayText || editFormat_.empty() ? displayFormat_ : editFormat_;
}

void TNumericField::CheckRange(double value, double min, double max) const {
    if ((min == 0 && max == 0) || (value >= min && value <= max)) return;
    DatabaseErrorFmt(SFieldRangeError, {FloatToStr(value), DisplayName(), FloatToStr(min), FloatToStr(max)}, DataSet());
}

AnsiString TNumericField::RealText(bool displayText, bool currency, int precision) const {
    if (IsNull()) return {};
    const double value = AsFloat();
    const AnsiString& format = FormatFor(displayText);
    if (!format.empty()) return FormatFloat(format, value);
    if (currency) return FloatToStrF(value, displayText ? ffCurrency : ffFixed, precision, CurrencyDecimals);
    return FloatToStrF(value, ffGeneral, precision, 0);
}

void TNumericField::SetRealText(const AnsiString& value) {
    const AnsiString text = Trim(value);
    if (text.empty()) return Clear();
    double number;
    if (!TryStrToFloat(text, number)) DatabaseErrorFmt(SInvalidFloatValue, {value, DisplayName()}, DataSet());
    SetAsFloat(number);
}

bool TNumericField::IsValidChar(char c) const {
    if ((c >= '0' && c <= '9') || c == '+' || c == '-') return true;
    const bool fractional = DataType() != ftInteger && DataType() != ftSmallint && DataType() != ftLargeint &&
                            DataType() != ftWord && DataType() != ftAutoInc;
    return fractional && (c == DecimalSeparator || c == 'E' || c == 'e');
}

Integer TIntegerField::AsInteger() const { return TField::AsInteger(); }

void TIntegerField::SetAsInteger(Integer value) {
    CheckRange(value, minValue_, maxValue_);
    SetCell(CellValue::Integer(value));
}

void TIntegerField::SetAsString(const AnsiString& value) {
    const AnsiString text = Trim(value);
    if (text.empty()) return Clear();
    Integer number;
    if (!TryStrToInt(text, number)) DatabaseErrorFmt(SInvalidIntegerValue, {value, DisplayName()}, DataSet());
    SetAsInteger(number);
}

void TIntegerField::SetAsFloat(double value) { SetAsInteger(static_cast<Integer>(Round(value))); }

AnsiString TIntegerField::AsString() const { return IsNull() ? AnsiString() : IntToStr(AsInteger()); }

Variant TIntegerField::AsVariant() const { return IsNull() ? Null() : Variant(AsInteger()); }

AnsiString TIntegerField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const AnsiString& format = FormatFor(displayText);
    return format.empty() ? IntToStr(AsInteger()) : FormatFloat(format, AsInteger());
}

Int64 TLargeintField::AsLargeInt() const {
    const CellView cell = Cell();
    if (cell.type == CellType::Integer) return cell.integer;
    if (cell.type == CellType::Null) return 0;
    if (cell.type == CellType::Real) return Round(cell.real);
    return StrToInt64(Trim(CellText()));
}

void TLargeintField::SetAsLargeInt(Int64 value) { SetCell(CellValue::Integer(value)); }

void TLargeintField::SetAsLargeValue(Int64 value) { SetAsLargeInt(value); }

void TLargeintField::SetAsString(const AnsiString& value) {
    const AnsiString text = Trim(value);
    if (text.empty()) return Clear();
    Int64 number;
    if (!TryStrToInt64(text, number)) DatabaseErrorFmt(SInvalidIntegerValue, {value, DisplayName()}, DataSet());
    SetAsLargeInt(number);
}

AnsiString TLargeintField::AsString() const { return IsNull() ? AnsiString() : IntToStr(AsLargeInt()); }

Variant TLargeintField::AsVariant() const {
    return IsNull() ? Null() : Variant(static_cast<long long>(AsLargeInt()));
}

AnsiString TLargeintField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const AnsiString& format = FormatFor(displayText);
    return format.empty() ? IntToStr(AsLargeInt()) : FormatFloat(format, static_cast<double>(AsLargeInt()));
}

double TFloatField::AsFloat() const { return TField::AsFloat(); }

void TFloatField::SetAsFloat(double value) {
    CheckRange(value, minValue_, maxValue_);
    SetCell(CellValue::Real(value));
}

Integer TFloatField::AsInteger() const { return static_cast<Integer>(Round(AsFloat())); }

void TFloatField::SetAsString(const AnsiString& value) { SetRealText(value); }

AnsiString TFloatField::AsString() const { return IsNull() ? AnsiString() : FloatToStr(AsFloat()); }

Variant TFloatField::AsVariant() const { return IsNull() ? Null() : Variant(AsFloat()); }

AnsiString TFloatField::GetText(bool displayText) const { return RealText(displayText, currency_, precision_); }

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner, ftBCD) {}

void TBCDField::SetAsFloat(double value) {
    CheckRange(value, minValue_.ToDouble(), maxValue_.ToDouble());
    SetCell(CellValue::Real(value));
}

Integer TBCDField::AsInteger() const { return static_cast<Integer>(Round(AsFloat())); }

void TBCDField::SetAsString(const AnsiString& value) { SetRealText(value); }

AnsiString TBCDField::AsString() const { return IsNull() ? AnsiString() : FloatToStr(AsFloat()); }

Variant TBCDField::AsVariant() const { return IsNull() ? Null() : Variant(AsCurrency()); }

AnsiString TBCDField::GetText(bool displayText) const { return RealText(displayText, currency_, 15); }

// ---- booleans -----------------------------------------------------------

TBooleanField::TBooleanField(TComponent* owner) : TField(owner, ftBoolean, 0) { SetDisplayValues("True;False"); }

void TBooleanField::SetDisplayValues(const AnsiString& value) {
    displayValues_ = value;
    const std::size_t separator = value.find(';');
    trueText_ = value.substr(0, separator);
    falseText_ = separator == AnsiString::npos ? AnsiString() : value.substr(separator + 1);
}

bool TBooleanField::AsBoolean() const { return TField::AsBoolean(); }

void TBooleanField::SetAsBoolean(bool value) { SetCell(CellValue::Integer(value ? 1 : 0)); }

AnsiString TBooleanField::AsString() const { return GetText(false); }

void TBooleanField::SetAsString(const AnsiString& value) {
    const AnsiString text = Trim(value);
    if (text.empty()) return Clear();
    if (StartsWithText(trueText_, text))
        SetAsBoolean(true);
    else if (StartsWithText(falseText_, text))
        SetAsBoolean(false);
    else
        DatabaseErrorFmt(SInvalidBoolValue, {value, DisplayName()}, DataSet());
}

Variant TBooleanField::AsVariant() const { return IsNull() ? Null() : Variant(AsBoolean()); }

AnsiString TBooleanField::GetText(bool) const {
    if (IsNull()) return {};
    return AsBoolean() ? trueText_ : falseText_;
}

int TBooleanField::DefaultDisplayWidth() const {
    return static_cast<int>(std::max(trueText_.size(), falseText_.size()));
}

// ---- dates --------------------------------------------------------------

TDateTimeField::TDateTimeField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {}

TDateTime TDateTimeField::AsDateTime() const { return TField::AsDateTime(); }

void TDateTimeField::SetAsDateTime(TDateTime value) { SetCell(CellValue::Text(DateTimeToIso(value))); }

void TDateTimeField::SetAsString(const AnsiString& value) {
    const AnsiString text = Trim(value);
    if (text.empty()) return Clear();
    TDateTime date;
    if (!TryIsoToDateTime(text, date) && !TryStrToDateTime(text, date))
        DatabaseErrorFmt(SInvalidDateTimeValue, {value}, DataSet());
    SetAsDateTime(date);
}

AnsiString TDateTimeField::AsString() const { return GetText(false); }

Variant TDateTimeField::AsVariant() const { return IsNull() ? Null() : VarFromDateTime(AsDateTime()); }

AnsiString TDateTimeField::GetText(bool displayText) const {
    if (IsNull()) return {};
    const TDateTime value = AsDateTime();
    if (displayText && !displayFormat_.empty()) return FormatDateTime(displayFormat_, value);
    if (DataType() == ftDate) return DateToStr(value);
    if (DataType() == ftTime) return TimeToStr(value);
    return DateTimeToStr(value);
}

// ---- binary -------------------------------------------------------------

void TBlobField::SetFieldType(TFieldType value) {
    if (value >= ftBlob && value <= ftTypedBinary) SetDataType(value);
}

void TBlobField::AssignTo(TPersistent* dest) {
    if (auto* strings = dynamic_cast<TStrings*>(dest))
        strings->SetText(AsString());
    else
        TField::AssignTo(dest);
}

AnsiString TBlobField::GetText(bool displayText) const {
    if (!displayText) return CellText();
    switch (DataType()) {
    case ftMemo: case ftFmtMemo: return IsNull() ? "(memo)" : "(MEMO)";
    case ftGraphic: return IsNull() ? "(graphic)" : "(GRAPHIC)";
    default: return IsNull() ? "(blob)" : "(BLOB)";
    }
}

TFieldClass FieldClassOf(TFieldType type) {
    switch (type) {
    case ftWideString: return TWideStringField::StaticClass();
    case ftSmallint: return TSmallintField::StaticClass();
    case ftWord: return TWordField::StaticClass();
    case ftInteger: return TIntegerField::StaticClass();
    case ftAutoInc: return TAutoIncField::StaticClass();
    case ftLargeint: return TLargeintField::StaticClass();
    case ftFloat: return TFloatField::StaticClass();
    case ftCurrency: return TCurrencyField::StaticClass();
    case ftBCD: case ftFMTBcd: return TBCDField::StaticClass();
    case ftBoolean: return TBooleanField::StaticClass();
    case ftDate: return TDateField::StaticClass();
    case ftTime: return TTimeField::StaticClass();
    case ftDateTime: case ftTimeStamp: return TDateTimeField::StaticClass();
    case ftMemo: case ftFmtMemo: case ftOraClob: return TMemoField::StaticClass();
    case ftGraphic: return TGraphicField::StaticClass();
    case ftBlob: case ftBytes: case ftVarBytes: case ftTypedBinary: case ftOraBlob: case ftParadoxOle:
    case ftDBaseOle: return TBlobField::StaticClass();
    default: return TStringField::StaticClass();
    }
}

// ---- TFields ------------------------------------------------------------

TField* TFields::Fields(int index) const {
    if (index < 0 || index >= Count()) DatabaseErrorFmt("List index out of bounds (%d)", {index});
    return fields_[index];
}

TField* TFields::FindField(const AnsiString& name) const {
    for (TField* field : fields_)
        if (SameText(field->FieldName(), name)) return field;
    return nullptr;
}

TField* TFields::FieldByName(const AnsiString& name) const {
    TField* field = FindField(name);
    if (!field) DatabaseErrorFmt(SFieldNotFound, {name}, dataSet_);
    return field;
}

TField* TFields::FieldByNumber(int fieldNo) const {
    for (TField* field : fields_)
        if (field->FieldNo() == fieldNo) return field;
    return nullptr;
}

int TFields::IndexOf(const TField* field) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == field) return static_cast<int>(i);
    return -1;
}

void TFields::Add(TField* field) { fields_.push_back(field); }

void TFields::Remove(TField* field) {
    const int index = IndexOf(field);
    if (index >= 0) fields_.erase(fields_.begin() + index);
}

void TFields::Move(int from, int to) {
    if (from < 0 || from >= Count()) return;
    to = std::clamp(to, 0, Count() - 1);
    TField* field = fields_[from];
    fields_.erase(fields_.begin() + from);
    fields_.insert(fields_.begin() + to, field);
}

// ---- field definitions --------------------------------------------------

TFieldDef::TFieldDef(TFieldDefs* owner, const AnsiString& name, TFieldType type, int size, bool required, int fieldNo)
    : TCollectionItem(owner), name_(name), dataType_(type), size_(size), fieldNo_(fieldNo), required_(required) {
    if (fieldNo_ <= 0) fieldNo_ = owner ? owner->Count() : 1;
}

void TFieldDef::Assign(TPersistent* source) {
    auto* def = dynamic_cast<TFieldDef*>(source);
    if (!def) return TCollectionItem::Assign(source);
    name_ = def->name_;
    dataType_ = def->dataType_;
    size_ = def->size_;
    precision_ = def->precision_;
    fieldNo_ = def->fieldNo_;
    required_ = def->required_;
    internalCalcField_ = def->internalCalcField_;
}

TField* TFieldDef::CreateField(TComponent* owner, TDataSet* dataSet) const {
    auto* field = dynamic_cast<TField*>(FieldClass()->Create(owner));
    field->SetFieldName(name_);
    field->SetSize(size_);
    field->SetRequired(required_);
    if (internalCalcField_) field->SetFieldKind(fkInternalCalc);
    field->SetDataSet(dataSet);
    return field;
}

void TFieldDef::Published(TPublished<TFieldDef>& p) {
    p.Property("DataType", &TFieldDef::DataType, &TFieldDef::SetDataType).Default(ftUnknown);
    p.Property("Name", &TFieldDef::Name, &TFieldDef::SetName);
    p.Property("Precision", &TFieldDef::Precision, &TFieldDef::SetPrecision).Default(0);
    p.Property("Size", &TFieldDef::Size, &TFieldDef::SetSize).Default(0);
}

TFieldDefs::TFieldDefs(TDataSet* dataSet) : TOwnedCollection(dataSet, TFieldDef::StaticClass()) {}

TDataSet* TFieldDefs::DataSet() const { return static_cast<TDataSet*>(GetOwner()); }

TFieldDef* TFieldDefs::Find(const AnsiString& name) const {
    const int index = IndexOf(name);
    if (index < 0) DatabaseErrorFmt(SFieldNotFound, {name}, DataSet());
    return Items(index);
}

int TFieldDefs::IndexOf(const AnsiString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Items(i)->Name(), name)) return i;
    return -1;
}

TFieldDef* TFieldDefs::Add(const AnsiString& name, TFieldType type, int size, bool required, int fieldNo) {
    return TFieldDef::Create(this, name, type, size, required, fieldNo);
}

void TFieldDefs::Update() {
    if (TDataSet* dataSet = DataSet()) dataSet->InitFieldDefs();
}

std::vector<AnsiString> SplitFieldNames(const AnsiString& names) {
    std::vector<AnsiString> result;
    std::size_t start = 0;
    // ';' never occurs inside a GB18030 character, so a byte search is safe.
    while (start <= names.size()) {
        std::size_t end = names.find(';', start);
        if (end == AnsiString::npos) end = names.size();
        const AnsiString name = Trim(names.substr(start, end - start));
        if (!name.empty()) result.push_back(name);
        start = end + 1;
    }
    return result;
}

// ---- published properties ----------------------------------------------

void TField::Published(TPublished<TField>& p) {
    p.Property("Alignment", &TField::Alignment, &TField::SetAlignment).Default(taLeftJustify);
    p.Property("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel);
    p.Property("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth);
    p.Property("EditMask", &TField::EditMask, &TField::SetEditMask);
    p.Property("FieldKind", &TField::FieldKind, &TField::SetFieldKind).Default(fkData);
    p.Property("FieldName", &TField::FieldName, &TField::SetFieldName);
    p.Property("KeyFields", &TField::KeyFields, &TField::SetKeyFields);
    p.Property("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet);
    p.Property("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields);
    p.Property("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField);
    p.Property("Origin", &TField::Origin, &TField::SetOrigin);
    p.Property("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).Default(false);
    p.Property("Required", &TField::Required, &TField::SetRequired).Default(false);
    p.Property("Size", &TField::Size, &TField::SetSize).Default(0);
    p.Property("Visible", &TField::Visible, &TField::SetVisible).Default(true);
    p.Property("LookupCache", &TField::LookupCache, &TField::SetLookupCache).Default(false);
    p.Property("OnChange", &TField::OnChange, &TField::SetOnChange);
    p.Property("OnGetText", &TField::OnGetText, &TField::SetOnGetText);
    p.Property("OnSetText", &TField::OnSetText, &TField::SetOnSetText);
    p.Property("OnValidate", &TField::OnValidate, &TField::SetOnValidate);
}

void TStringField::Published(TPublished<TStringField>& p) {
    p.Property("Transliterate", &TStringField::Transliterate, &TStringField::SetTransliterate).Default(true);
}

void TNumericField::Published(TPublished<TNumericField>& p) {
    p.Property("DisplayFormat", &TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat);
    p.Property("EditFormat", &TNumericField::EditFormat, &TNumericField::SetEditFormat);
}

void TFloatField::Published(TPublished<TFloatField>& p) {
    p.Property("Currency", &TFloatField::Currency, &TFloatField::SetCurrency).Default(false);
    p.Property("Precision", &TFloatField::Precision, &TFloatField::SetPrecision).Default(15);
    p.Property("MaxValue", &TFloatField::MaxValue, &TFloatField::SetMaxValue);
    p.Property("MinValue", &TFloatField::MinValue, &TFloatField::SetMinValue);
}

void TIntegerField::Published(TPublished<TIntegerField>& p) {
    p.Property("MaxValue", &TIntegerField::MaxValue, &TIntegerField::SetMaxValue).Default(0);
    p.Property("MinValue", &TIntegerField::MinValue, &TIntegerField::SetMinValue).Default(0);
}

void TBCDField::Published(TPublished<TBCDField>& p) {
    p.Property("Currency", &TBCDField::Currency, &TBCDField::SetCurrency).Default(false);
}

void TBlobField::Published(TPublished<TBlobField>& p) {
    p.Property("BlobType", &TBlobField::BlobType, &TBlobField::SetBlobType);
}

void TBooleanField::Published(TPublished<TBooleanField>& p) {
    p.Property("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues);
}

void TDateTimeField::Published(TPublished<TDateTimeField>& p) {
    p.Property("DisplayFormat", &TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat);
}
