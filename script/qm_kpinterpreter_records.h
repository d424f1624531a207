// Record types and record values. A registered record type lays its fields
// out at byte offsets in the record's memory; a record value is a holder of
// that memory, named by its type and bound to the registered type when the
// interpreter first meets it. Integer-like fields are raw bytes, string and
// Variant fields live objects constructed in place, so copying and freeing
// a record never touches a string's bytes.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "script/qm_kpinterpreter_identifiers.h"
#include "script/qm_kpinterpreter_values.h"

class IKpInterpreterDataType;

struct TKpInterpreterRecField {
    AnsiString FieldName;
    int FieldOffset = 0;
    TVarType FieldType = 0;
    // The declared type of a script record's field; unset for registered ones.
    std::shared_ptr<IKpInterpreterDataType> FieldDataType;
};

TKpInterpreterRecField MakeRecField(const AnsiString& name, int offset, TVarType type);

// Memory made by a record type's own routines, when it has them.
using TRecordCreateRoutine = void* (*)();
using TRecordFreeRoutine = void (*)(void* memory);
using TRecordCopyRoutine = void (*)(void* destination, const void* source);

// A registered record type.
class TKpInterpreterRecord : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterRecord, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;

    // The first field of the name, or nullptr.
    const TKpInterpreterRecField* FindField(const AnsiString& name) const;

    int RecordSize = 0;
    std::vector<TKpInterpreterRecField> Fields;
    TRecordCreateRoutine CreateRoutine = nullptr;
    TRecordFreeRoutine FreeRoutine = nullptr;
    TRecordCopyRoutine CopyRoutine = nullptr;
};

class TKpInterpreterRecHolder : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterRecHolder, TKpInterpreterIdentifier)
public:
    using TFreeMemory = std::function<void(void* memory)>;
    // Takes the memory over; `freeMemory` releases it with the holder.
    TKpInterpreterRecHolder(AnsiString typeName, void* memory, TFreeMemory freeMemory);
    TKpInterpreterRecHolder(const TKpInterpreterRecHolder&) = delete;
    ~TKpInterpreterRecHolder() override;

    AnsiString TypeName;
    // Unset until the interpreter resolves TypeName among the registered types.
    const TKpInterpreterRecord* Descriptor = nullptr;
    void* RecordMemory;

private:
    TFreeMemory freeMemory_;
};

// A record Variant over memory the caller allocated; the holder frees it.
Variant RecordToVariant(const AnsiString& typeName, void* memory, TKpInterpreterRecHolder::TFreeMemory freeMemory);
template <class Record>
Variant RecordToVariant(const AnsiString& typeName, std::unique_ptr<Record> record) {
    return RecordToVariant(typeName, record.release(), [](void* memory) { delete static_cast<Record*>(memory); });
}
// The record memory of a record Variant, or of a holder; 109 otherwise.
void* VariantToRecord(const Variant& value);
void* HolderToRecord(TObject* object);

// A fresh record of the type, its fields zero, empty or their declared
// type's new value.
Variant NewRecordValue(const TKpInterpreterRecord& type);
// A record of the same type holding a copy of every field.
Variant CloneRecordValue(const Variant& record);

// Field access by the field's type: Variant (0), 16- and 32-bit integers,
// Boolean (a 32-bit value), byte, double and date, string (256). Other
// types read as Empty and are not written.
Variant ReadRecordField(const TKpInterpreterRecHolder& holder, const TKpInterpreterRecField& field);
void WriteRecordField(TKpInterpreterRecHolder& holder, const TKpInterpreterRecField& field, const Variant& value);
// Copies every field of source's record into destination's; both must be
// resolved and of one type (else 53).
void CopyRecordFields(TKpInterpreterRecHolder& destination, const TKpInterpreterRecHolder& source);
// The bytes a field of the type takes in the record.
int FieldStorageSize(TVarType type);
