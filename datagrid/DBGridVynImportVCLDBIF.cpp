// The interchange format's reader. Every malformed stream raises the one
// format error; lengths and counts are checked against the bytes left
// before anything is allocated, so no stream makes the import run on.
#include <cstring>

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynImport.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"

TDBGridVynImportAsVCLDBIF::TDBGridVynImportAsVCLDBIF() = default;
TDBGridVynImportAsVCLDBIF::~TDBGridVynImportAsVCLDBIF() = default;

void TDBGridVynImportAsVCLDBIF::FormatError() const {
    throw Exception(AnsiString("TDBGridVynImportAsVCLDBIF.ReadPrefix: ") + "错误的 VCLDBIF 格式");
}

void TDBGridVynImportAsVCLDBIF::ReadExactly(void* buffer, Int64 count) {
    if (Stream()->Read(buffer, static_cast<Integer>(count)) != count) FormatError();
}

std::int32_t TDBGridVynImportAsVCLDBIF::ReadInt32() {
    std::uint8_t bytes[4];
    ReadExactly(bytes, sizeof bytes);
    return static_cast<std::int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24);
}

void TDBGridVynImportAsVCLDBIF::LoadFromStream(TStream* stream, bool allRows) {
    SkipAllErrors = false;
    NamesPresent = false;
    headerNames_ = std::make_unique<TStringList>();
    try {
        TDBGridVynImport::LoadFromStream(stream, allRows);
    } catch (...) {
        headerNames_.reset();
        throw;
    }
    headerNames_.reset();
}

void TDBGridVynImportAsVCLDBIF::ReadPrefix() {
    // The version is not examined: later writers keep the layout.
    ReadExactly(StreamHeader.Magic.data(), StreamHeader.Magic.size());
    ReadExactly(&StreamHeader.Version, 1);
    if (std::memcmp(StreamHeader.Magic.data(), vcldbif::kMagic, sizeof vcldbif::kMagic) != 0) FormatError();
    StreamHeader.ColumnCount = ReadInt32();
    if (StreamHeader.ColumnCount < 0) FormatError();
    for (std::int32_t i = 0; i < StreamHeader.ColumnCount; ++i) {
        std::uint8_t visible = 0;
        ReadExactly(&visible, 1);
        AnsiString name;
        for (char ch; (ReadExactly(&ch, 1), ch != '\0');) name += ch;
        if (!name.empty()) NamesPresent = true;
        headerNames_->AddObject(name, reinterpret_cast<TObject*>(std::uintptr_t{visible}));
    }
    ReadNextValue();
    // Rows of no values could never use up the source.
    if (StreamHeader.ColumnCount == 0 && !EndOfData()) FormatError();
}

void TDBGridVynImportAsVCLDBIF::ReadNextValue() {
    if (EndOfData()) return;
    std::uint8_t tag = 0;
    ReadExactly(&tag, 1);
    PendingValue = Unassigned();
    switch (tag) {
        case vcldbif::EndOfData: SetEndOfData(true); break;
        case vcldbif::Null: PendingValue = Null(); break;
        case vcldbif::Integer: PendingValue = Variant(ReadInt32()); break;
        case vcldbif::Float: {
            std::uint8_t bytes[8];
            ReadExactly(bytes, sizeof bytes);
            std::uint64_t bits = 0;
            for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes[i];
            double value;
            std::memcpy(&value, &bits, sizeof value);
            PendingValue = Variant(value);
            break;
        }
        case vcldbif::String:
        case vcldbif::Binary: {
            const std::int32_t length = ReadInt32();
            if (length < 0 || length > Stream()->Size() - Stream()->Position()) FormatError();
            AnsiString bytes(static_cast<std::size_t>(length), '\0');
            ReadExactly(bytes.data(), length);
            PendingValue = Variant(bytes);
            break;
        }
        default: break;
    }
}

void TDBGridVynImportAsVCLDBIF::GetDataRow(TColumnsVynList* columns) {
    for (std::int32_t i = 0; i < StreamHeader.ColumnCount; ++i)
        GetDataCell(i < columns->Count() ? columns->Items(i) : nullptr);
}

void TDBGridVynImportAsVCLDBIF::GetDataCell(TColumnVyn* column) {
    if (!VarIsEmpty(PendingValue) && column)
        if (TField* target = WritableExchangedField(column)) AssignValue([&] { target->SetValue(PendingValue); });
    ReadNextValue();
}
