// TDataSet: whole records written from lists of values, and the Find
// family of searches that report whether they reached a record.
#include "platform/data/dataset.h"

namespace {

bool IsEditing(TDataSetState state) { return state == dsEdit || state == dsInsert; }

// A value of an open array as a field takes it; a nil pointer is Null.
Variant ValueOf(const TVarRec& value) {
    switch (value.kind()) {
        case TVarRec::Kind::Integer: return Variant(Integer(value.AsInt64()));
        case TVarRec::Kind::Int64: return Variant(value.AsInt64());
        case TVarRec::Kind::Extended: return Variant(value.AsExtended());
        case TVarRec::Kind::Currency: return Variant(Currency::FromScaled(value.AsInt64()));
        case TVarRec::Kind::String: return Variant(value.AsAnsiString());
        case TVarRec::Kind::Char: return Variant(AnsiString(1, char(value.AsInt64())));
        case TVarRec::Kind::Boolean: return Variant(value.AsInt64() != 0);
        case TVarRec::Kind::Pointer: break;
    }
    if (value.AsPointer()) throw EInvalidCast("Invalid variant type conversion");
    return Null();
}

}  // namespace

void TDataSet::SetFields(std::span<const TVarRec> values) {
    CheckActive();
    if (!IsEditing(state_)) DatabaseError(SNotEditing, this);
    const std::size_t count = std::min(values.size(), std::size_t(FieldCount()));
    for (std::size_t i = 0; i < count; ++i) fields_->Fields(int(i))->SetAsVariant(ValueOf(values[i]));
}

void TDataSet::AppendRecord(std::span<const TVarRec> values) {
    Append();
    SetFields(values);
    Post();
}

void TDataSet::InsertRecord(std::span<const TVarRec> values) {
    Insert();
    SetFields(values);
    Post();
}

void TDataSet::ClearFields() {
    CheckActive();
    if (!IsEditing(state_)) DatabaseError(SNotEditing, this);
    for (int i = 0; i < FieldCount(); ++i)
        if (fields_->Fields(i)->FieldKind() == fkData) fields_->Fields(i)->Clear();
}

bool TDataSet::FindFirst() {
    First();
    return found_ = !eof_;
}

bool TDataSet::FindLast() {
    Last();
    return found_ = !bof_;
}

bool TDataSet::FindNext() {
    Next();
    return found_ = !eof_;
}

bool TDataSet::FindPrior() {
    Prior();
    return found_ = !bof_;
}
