// A field's value in the native format of a record buffer: its size, and
// reading, writing and validating a value held in such a buffer.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"

namespace {

template <class T>
T ReadAs(const void* buffer) {
    T value;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

template <class T>
void WriteAs(void* buffer, T value) {
    std::memcpy(buffer, &value, sizeof value);
}

// Points `slot` at a value for the length of a scope.
template <class T>
class ScopedPointer {
public:
    ScopedPointer(T*& slot, T* value) : slot_(slot) { slot_ = value; }
    ~ScopedPointer() { slot_ = nullptr; }
    ScopedPointer(const ScopedPointer&) = delete;
    ScopedPointer& operator=(const ScopedPointer&) = delete;

private:
    T*& slot_;
};

}  // namespace

int TField::DataSize() const {
    switch (DataType()) {
    case ftString: case ftFixedChar: case ftWideString: return Size() + 1;
    case ftSmallint: case ftWord: case ftBoolean: return 2;
    case ftInteger: case ftAutoInc: case ftDate: case ftTime: return 4;
    case ftLargeint: case ftFloat: case ftCurrency: case ftBCD: case ftDateTime: return 8;
    case ftBytes: return Size();
    case ftVarBytes: return Size() + 2;
    default: return 0;
    }
}

bool TField::GetData(void* buffer) const {
    if (IsNull()) return false;
    auto* out = static_cast<char*>(buffer);
    switch (DataType()) {
    case ftString: case ftFixedChar: case ftWideString: {
        const AnsiString text = AsString();
        const std::size_t length = std::min<std::size_t>(text.size(), std::size_t(Size()));
        std::memcpy(out, text.data(), length);
        out[length] = '\0';
        break;
    }
    case ftSmallint: WriteAs<std::int16_t>(out, std::int16_t(AsInteger())); break;
    case ftWord: WriteAs<std::uint16_t>(out, std::uint16_t(AsInteger())); break;
    case ftBoolean: WriteAs<std::int16_t>(out, AsBoolean() ? 1 : 0); break;
    case ftInteger: case ftAutoInc: WriteAs<std::int32_t>(out, AsInteger()); break;
    case ftLargeint: WriteAs<std::int64_t>(out, AsVariant().AsInt64()); break;
    case ftFloat: case ftCurrency: case ftBCD: WriteAs<double>(out, AsFloat()); break;
    case ftDate: WriteAs<std::int32_t>(out, DateTimeToTimeStamp(AsDateTime()).Date); break;
    case ftTime: WriteAs<std::int32_t>(out, DateTimeToTimeStamp(AsDateTime()).Time); break;
    case ftDateTime: WriteAs<double>(out, double(TimeStampToMSecs(DateTimeToTimeStamp(AsDateTime())))); break;
    case ftBytes: case ftVarBytes: {
        const AnsiString bytes = AsString();
        const std::size_t length = std::min<std::size_t>(bytes.size(), std::size_t(Size()));
        if (DataType() == ftVarBytes) {
            WriteAs<std::uint16_t>(out, std::uint16_t(length));
            out += 2;
        }
        std::memcpy(out, bytes.data(), length);
        break;
    }
    default: break;
    }
    return true;
}

void TField::SetData(const void* buffer) {
    if (!buffer) {
        Clear();
        return;
    }
    const auto* in = static_cast<const char*>(buffer);
    switch (DataType()) {
    case ftString: case ftFixedChar: case ftWideString:
        SetAsString(AnsiString(in, strnlen(in, std::size_t(Size()))));
        break;
    case ftSmallint: SetAsInteger(ReadAs<std::int16_t>(in)); break;
    case ftBoolean: SetAsBoolean(ReadAs<std::int16_t>(in) != 0); break;
    case ftWord: SetAsInteger(ReadAs<std::uint16_t>(in)); break;
    case ftInteger: case ftAutoInc: SetAsInteger(ReadAs<std::int32_t>(in)); break;
    case ftLargeint: SetAsVariant(Variant(Int64(ReadAs<std::int64_t>(in)))); break;
    case ftFloat: case ftCurrency: case ftBCD: SetAsFloat(ReadAs<double>(in)); break;
    case ftDate: SetAsDateTime(TimeStampToDateTime({0, ReadAs<std::int32_t>(in)})); break;
    case ftTime: SetAsDateTime(TimeStampToDateTime({ReadAs<std::int32_t>(in), DateDelta})); break;
    case ftDateTime: SetAsDateTime(TimeStampToDateTime(MSecsToTimeStamp(Int64(ReadAs<double>(in))))); break;
    case ftBytes: SetAsString(AnsiString(in, std::size_t(Size()))); break;
    case ftVarBytes:
        SetAsString(AnsiString(in + 2, std::min<std::size_t>(ReadAs<std::uint16_t>(in), std::size_t(Size()))));
        break;
    default: break;
    }
}

void TField::Validate(const void* buffer) {
    if (!onValidate_) return;
    CellValue candidate;
    {
        ScopedPointer<CellValue> capture(capture_, &candidate);
        SetData(buffer);
    }
    ScopedPointer<const CellValue> shown(candidate_, &candidate);
    onValidate_(this);
}

int TField::Offset() const { return dataSet_ ? dataSet_->FieldOffset(this) : -1; }
