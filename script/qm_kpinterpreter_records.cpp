// Record types, record holders and field access.
#include "script/qm_kpinterpreter_records.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/rtl/variant.h"
#include "script/qm_kpinterpreter_datatypes.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

template <class T>
T* FieldAt(void* memory, const TKpInterpreterRecField& field) {
    return reinterpret_cast<T*>(static_cast<char*>(memory) + field.FieldOffset);
}

bool IsObjectField(const TKpInterpreterRecField& field) { return field.FieldType == 0 || field.FieldType == varString; }

// Memory of a type without routines of its own: zero bytes, with string
// and Variant fields constructed in place.
void* AllocateFields(const TKpInterpreterRecord& type) {
    void* memory = std::calloc(1, std::size_t(std::max(type.RecordSize, 1)));
    if (!memory) throw std::bad_alloc();
    for (const TKpInterpreterRecField& field : type.Fields) {
        if (field.FieldType == varString) new (FieldAt<AnsiString>(memory, field)) AnsiString();
        else if (field.FieldType == 0) new (FieldAt<Variant>(memory, field)) Variant();
    }
    return memory;
}

void FreeFields(const std::vector<TKpInterpreterRecField>& fields, void* memory) {
    for (const TKpInterpreterRecField& field : fields) {
        if (field.FieldType == varString) FieldAt<AnsiString>(memory, field)->~AnsiString();
        else if (field.FieldType == 0) FieldAt<Variant>(memory, field)->~Variant();
    }
    std::free(memory);
}

}  // namespace

TKpInterpreterRecField MakeRecField(const AnsiString& name, int offset, TVarType type) {
    TKpInterpreterRecField field;
    field.FieldName = name;
    field.FieldOffset = offset;
    field.FieldType = type;
    return field;
}

const TKpInterpreterRecField* TKpInterpreterRecord::FindField(const AnsiString& name) const {
    for (const TKpInterpreterRecField& field : Fields)
        if (SameIdentifier(field.FieldName, name)) return &field;
    return nullptr;
}

TKpInterpreterRecHolder::TKpInterpreterRecHolder(AnsiString typeName, void* memory, TFreeMemory freeMemory)
    : TypeName(std::move(typeName)), RecordMemory(memory), freeMemory_(std::move(freeMemory)) {}

TKpInterpreterRecHolder::~TKpInterpreterRecHolder() {
    if (freeMemory_ && RecordMemory) freeMemory_(RecordMemory);
}

Variant RecordToVariant(const AnsiString& typeName, void* memory, TKpInterpreterRecHolder::TFreeMemory freeMemory) {
    if (typeName.empty()) {
        if (freeMemory) freeMemory(memory);
        RaiseScriptError1(2, -1, "a record value needs its type name");
    }
    return HolderToVariant(std::make_shared<TKpInterpreterRecHolder>(typeName, memory, std::move(freeMemory)));
}

void* VariantToRecord(const Variant& value) {
    TKpInterpreterRecHolder* holder = VariantToHolder(value);
    if (!holder) RaiseScriptError(109, -1);
    return holder->RecordMemory;
}

void* HolderToRecord(TObject* object) {
    auto* holder = dynamic_cast<TKpInterpreterRecHolder*>(object);
    if (!holder) RaiseScriptError(109, -1);
    return holder->RecordMemory;
}

Variant NewRecordValue(const TKpInterpreterRecord& type) {
    void* memory = nullptr;
    TKpInterpreterRecHolder::TFreeMemory freeMemory;
    if (type.CreateRoutine) {
        memory = type.CreateRoutine();
        freeMemory = type.FreeRoutine;
    } else {
        memory = AllocateFields(type);
        // The layout travels with the value, which may outlive its registry.
        freeMemory = [fields = type.Fields](void* m) { FreeFields(fields, m); };
    }
    auto holder = std::make_shared<TKpInterpreterRecHolder>(type.EntryName, memory, std::move(freeMemory));
    holder->Descriptor = &type;
    for (const TKpInterpreterRecField& field : type.Fields)
        if (field.FieldType == 0 && field.FieldDataType) field.FieldDataType->NewValue(*FieldAt<Variant>(memory, field));
    return HolderToVariant(std::move(holder));
}

Variant CloneRecordValue(const Variant& record) {
    TKpInterpreterRecHolder* source = VariantToHolder(record);
    if (!source) RaiseScriptError(109, -1);
    if (!source->Descriptor) RaiseScriptError1(31, -1, "Unknown RecordType");
    Variant copy = NewRecordValue(*source->Descriptor);
    CopyRecordFields(*VariantToHolder(copy), *source);
    return copy;
}

int FieldStorageSize(TVarType type) {
    switch (type) {
        case varSmallint: return 2;
        case varInteger:
        case varBoolean: return 4;
        case varDouble:
        case varDate: return 8;
        case varByte: return 1;
        default: return 0;
    }
}

Variant ReadRecordField(const TKpInterpreterRecHolder& holder, const TKpInterpreterRecField& field) {
    void* memory = holder.RecordMemory;
    switch (field.FieldType) {
        case 0: return *FieldAt<Variant>(memory, field);
        case varSmallint: return Variant(*FieldAt<std::int16_t>(memory, field));
        case varInteger: return Variant(*FieldAt<std::int32_t>(memory, field));
        case varBoolean: return Variant(*FieldAt<std::int32_t>(memory, field) != 0);
        case varByte: return Variant(*FieldAt<std::uint8_t>(memory, field));
        case varDouble: return Variant(*FieldAt<double>(memory, field));
        case varDate: return VarFromDateTime(*FieldAt<double>(memory, field));
        case varString: return Variant(*FieldAt<AnsiString>(memory, field));
        default: return Variant();
    }
}

void WriteRecordField(TKpInterpreterRecHolder& holder, const TKpInterpreterRecField& field, const Variant& value) {
    void* memory = holder.RecordMemory;
    switch (field.FieldType) {
        case 0: AssignScriptValue(*FieldAt<Variant>(memory, field), value); break;
        case varSmallint: *FieldAt<std::int16_t>(memory, field) = std::int16_t(value.AsInteger()); break;
        case varInteger: *FieldAt<std::int32_t>(memory, field) = value.AsInteger(); break;
        case varBoolean: *FieldAt<std::int32_t>(memory, field) = value.AsBoolean() ? 1 : 0; break;
        case varByte: *FieldAt<std::uint8_t>(memory, field) = std::uint8_t(value.AsInteger()); break;
        case varDouble:
        case varDate: *FieldAt<double>(memory, field) = value.AsDouble(); break;
        case varString: *FieldAt<AnsiString>(memory, field) = VarToStr(value); break;
        default: break;
    }
}

void CopyRecordFields(TKpInterpreterRecHolder& destination, const TKpInterpreterRecHolder& source) {
    if (!source.Descriptor || !destination.Descriptor) RaiseScriptError1(31, -1, "Unknown RecordType");
    if (source.Descriptor != destination.Descriptor) RaiseScriptError(53, -1);
    if (source.Descriptor->CopyRoutine) {
        source.Descriptor->CopyRoutine(destination.RecordMemory, source.RecordMemory);
        return;
    }
    for (const TKpInterpreterRecField& field : source.Descriptor->Fields) {
        if (IsObjectField(field)) {
            WriteRecordField(destination, field, ReadRecordField(source, field));
            continue;
        }
        std::memcpy(FieldAt<char>(destination.RecordMemory, field), FieldAt<char>(source.RecordMemory, field),
                    std::size_t(FieldStorageSize(field.FieldType)));
    }
}
