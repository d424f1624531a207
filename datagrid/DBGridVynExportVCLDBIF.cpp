// The interchange format's writer: the head with one entry per exported
// column, then each cell as a tagged value chosen by its field's type.
#include "datagrid/DBGridVynImpExp.h"

#include <cstring>

#include "platform/data/field.h"

namespace {

vcldbif::Tag TagOf(TFieldType type) {
    switch (type) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftAutoInc: return vcldbif::Integer;
        case ftFloat:
        case ftCurrency:
        case ftBCD:
        case ftDate:
        case ftTime:
        case ftDateTime:
        case ftTimeStamp:
        case ftFMTBcd: return vcldbif::Float;
        case ftString:
        case ftBoolean:
        case ftMemo:
        case ftFixedChar:
        case ftLargeint:
        case ftOraClob:
        case ftGuid: return vcldbif::String;
        case ftBytes:
        case ftVarBytes:
        case ftBlob:
        case ftGraphic:
        case ftFmtMemo:
        case ftParadoxOle:
        case ftDBaseOle:
        case ftTypedBinary:
        case ftWideString:
        case ftOraBlob: return vcldbif::Binary;
        default: return vcldbif::Unassigned;
    }
}

}  // namespace

void TDBGridVynExportAsVCLDBIF::PutTag(vcldbif::Tag tag) { PutBytes(&tag, 1); }

void TDBGridVynExportAsVCLDBIF::PutInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                   static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    PutBytes(bytes, sizeof bytes);
}

void TDBGridVynExportAsVCLDBIF::BeginExport() {
    PutBytes(vcldbif::kMagic, sizeof vcldbif::kMagic);
    PutBytes(&vcldbif::kVersion, 1);
    TColumnsVynList* columns = ExportedColumns();
    PutInt32(columns->Count());
    // The writer names no column: each entry is its visible flag and an
    // empty name.
    for (int i = 0; i < columns->Count(); ++i) {
        const std::uint8_t entry[2] = {static_cast<std::uint8_t>(columns->Items(i)->Visible() ? 1 : 0), 0};
        PutBytes(entry, sizeof entry);
    }
}

void TDBGridVynExportAsVCLDBIF::EndExport() { PutTag(vcldbif::EndOfData); }

void TDBGridVynExportAsVCLDBIF::PutDataCell(TColumnVyn* column, TColCellParamsVyn*) {
    TField* field = ExchangedField(column);
    const vcldbif::Tag tag = field ? TagOf(field->DataType()) : vcldbif::Unassigned;
    if (tag == vcldbif::Unassigned) return PutTag(tag);
    if (field->IsNull()) return PutTag(vcldbif::Null);
    PutTag(tag);
    switch (tag) {
        case vcldbif::Integer: return PutInt32(field->AsInteger());
        case vcldbif::Float: {
            // Dates and times as their day counts.
            const double value = field->AsFloat();
            std::uint64_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            std::uint8_t bytes[8];
            for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
            return PutBytes(bytes, sizeof bytes);
        }
        default: {
            const AnsiString bytes = field->AsString();
            PutInt32(static_cast<std::int32_t>(bytes.size()));
            return Put(bytes);
        }
    }
}
