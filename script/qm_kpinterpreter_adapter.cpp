// The binding registry: registration, maintenance and the look-ups that
// are not name resolution (see qm_kpinterpreter_resolve.cpp).
#include "script/qm_kpinterpreter_adapter.h"

#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"
#include "script/qm_kpinterpreterparser.h"

namespace {

void CheckCount(std::size_t count, const char* what, const AnsiString& name) {
    if (count > std::size_t(MaxScriptArgs))
        RaiseScriptError1(2, -1, AnsiString("more than 33 ") + what + " registered for '" + name + "'");
}

TKpSignature MakeSignature(int declaredCount, const TKpTypeList& declaredTypes, Word resultType,
                           const AnsiString& name) {
    CheckCount(declaredTypes.size(), "declared types", name);
    if (declaredCount > MaxScriptArgs) CheckCount(std::size_t(declaredCount), "parameters", name);
    TKpSignature signature;
    signature.DeclaredCount = declaredCount;
    std::copy(declaredTypes.begin(), declaredTypes.end(), signature.DeclaredTypes.begin());
    signature.ResultType = resultType;
    return signature;
}

template <class Entry>
Entry& AddEntry(TKpInterpreterIdentifierList<Entry>& list, const AnsiString& unit, const AnsiString& name,
                Cardinal tag) {
    auto entry = std::make_unique<Entry>(unit, name);
    entry->EntryTag = tag;
    return list.Add(std::move(entry));
}

template <class Entry>
void CopyEntries(TKpInterpreterIdentifierList<Entry>& to, const TKpInterpreterIdentifierList<Entry>& from) {
    for (const auto& entry : from) to.Add(std::make_unique<Entry>(*entry));
}

}  // namespace

int TKpInterpreterMethod::ClassDepth() const {
    int depth = 0;
    for (TClass cls = ClassRef; cls; cls = cls->ClassParent()) ++depth;
    return depth;
}

TKpInterpreterAdapter::TKpInterpreterAdapter(TKpInterpreterExpression* owner) : owner_(owner) {}

TKpInterpreterAdapter::~TKpInterpreterAdapter() { ClearAll(); }

TKpInterpreterSrcUnit& TKpInterpreterAdapter::DefineScriptUnit(const AnsiString& unit, const AnsiString& source,
                                                               const AnsiString& uses, Cardinal tag) {
    TKpInterpreterSrcUnit* entry = nullptr;
    for (const auto& existing : scriptUnits_)
        if (SameIdentifier(existing->EntryName, unit)) entry = existing.get();
    if (!entry) entry = &AddEntry(scriptUnits_, unit, unit, 0);
    if (!entry->SourceText.empty()) return *entry;
    entry->EntryName = unit;
    entry->SourceText = source;
    entry->EntryTag = tag;
    entry->UsesList.clear();
    for (int i = 0;; ++i) {
        const AnsiString item = Trim(SeparatedItem(uses, i, ","));
        if (item.empty()) break;
        entry->UsesList.push_back(item);
    }
    CheckCount(entry->UsesList.size(), "used units", unit);
    return *entry;
}

void TKpInterpreterAdapter::DefineUnit(const AnsiString& unit, Cardinal tag) { AddEntry(units_, unit, unit, tag); }

void TKpInterpreterAdapter::DefineClass(const AnsiString& unit, TClass cls, const AnsiString& scriptName,
                                        Cardinal tag) {
    AddEntry(classes_, unit, scriptName.empty() ? cls->ClassName() : scriptName, tag).ClassRef = cls;
    sorted_ = false;
}

template <class List>
TKpInterpreterMethod& TKpInterpreterAdapter::AddMethod(List& list, TClass cls, const AnsiString& name,
                                                       int declaredCount, const TKpTypeList& declaredTypes,
                                                       Word resultType, Cardinal tag) {
    TKpInterpreterMethod& entry = AddEntry(list, AnsiString(), name, tag);
    entry.ClassRef = cls;
    entry.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    sorted_ = false;
    return entry;
}

void TKpInterpreterAdapter::DefineGetter(TClass cls, const AnsiString& name, THostGetCallback callback,
                                         int declaredCount, const TKpTypeList& declaredTypes, Word resultType,
                                         Cardinal tag) {
    AddMethod(getters_, cls, name, declaredCount, declaredTypes, resultType, tag).GetCallback = callback;
}

void TKpInterpreterAdapter::DefineSetter(TClass cls, const AnsiString& name, THostSetCallback callback,
                                         int declaredCount, const TKpTypeList& declaredTypes, Cardinal tag) {
    AddMethod(setters_, cls, name, declaredCount, declaredTypes, 0, tag).SetCallback = callback;
}

void TKpInterpreterAdapter::DefineIndexedGetter(TClass cls, const AnsiString& name, THostGetCallback callback,
                                                int declaredCount, const TKpTypeList& declaredTypes,
                                                Word resultType, Cardinal tag) {
    AddMethod(indexedGetters_, cls, name, declaredCount, declaredTypes, resultType, tag).GetCallback = callback;
}

void TKpInterpreterAdapter::DefineIndexedSetter(TClass cls, const AnsiString& name, THostSetCallback callback,
                                                int declaredCount, const TKpTypeList& declaredTypes, Cardinal tag) {
    AddMethod(indexedSetters_, cls, name, declaredCount, declaredTypes, 0, tag).SetCallback = callback;
}

void TKpInterpreterAdapter::DefineDefaultGetter(TClass cls, THostGetCallback callback, int declaredCount,
                                                const TKpTypeList& declaredTypes, Word resultType, Cardinal tag) {
    AddMethod(defaultGetters_, cls, AnsiString(), declaredCount, declaredTypes, resultType, tag).GetCallback =
        callback;
}

void TKpInterpreterAdapter::DefineDefaultSetter(TClass cls, THostSetCallback callback, int declaredCount,
                                                const TKpTypeList& declaredTypes, Cardinal tag) {
    AddMethod(defaultSetters_, cls, AnsiString(), declaredCount, declaredTypes, 0, tag).SetCallback = callback;
}

void TKpInterpreterAdapter::DefineDirectMethod(TClass cls, const AnsiString& name, THostGetCallback method,
                                               int declaredCount, const TKpTypeList& declaredTypes, Word resultType,
                                               Byte callConvention, Cardinal tag) {
    TKpInterpreterDMethod& entry = AddEntry(directMethods_, AnsiString(), name, tag);
    entry.ClassRef = cls;
    entry.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    entry.GetCallback = method;
    entry.CallConvention = callConvention;
}

void TKpInterpreterAdapter::DefineFunction(const AnsiString& unit, const AnsiString& name, THostGetCallback callback,
                                           int declaredCount, const TKpTypeList& declaredTypes, Word resultType,
                                           Cardinal tag) {
    // Functions are global by name: the unit is not kept.
    static_cast<void>(unit);
    AddMethod(functions_, nullptr, name, declaredCount, declaredTypes, resultType, tag).GetCallback = callback;
}

void TKpInterpreterAdapter::DefineRecord(const AnsiString& unit, const AnsiString& name, int recordSize,
                                         const std::vector<TKpInterpreterRecField>& fields,
                                         TRecordCreateRoutine createRoutine, TRecordFreeRoutine freeRoutine,
                                         TRecordCopyRoutine copyRoutine, Cardinal tag) {
    CheckCount(fields.size(), "record fields", name);
    for (const TKpInterpreterRecField& field : fields) {
        const int size = field.FieldType == 0 ? int(sizeof(Variant))
                         : field.FieldType == varString ? int(sizeof(AnsiString))
                                                        : FieldStorageSize(field.FieldType);
        if (field.FieldOffset < 0 || field.FieldOffset + size > recordSize)
            RaiseScriptError1(2, -1, "field '" + field.FieldName + "' lies outside record '" + name + "'");
    }
    if (bool(createRoutine) != bool(freeRoutine))
        RaiseScriptError1(2, -1, "record '" + name + "' needs both a create and a free routine");
    TKpInterpreterRecord& entry = AddEntry(records_, unit, name, tag);
    entry.RecordSize = recordSize;
    entry.Fields = fields;
    entry.CreateRoutine = createRoutine;
    entry.FreeRoutine = freeRoutine;
    entry.CopyRoutine = copyRoutine;
}

void TKpInterpreterAdapter::DefineRecordGetter(const AnsiString& unit, const AnsiString& recordType,
                                               const AnsiString& name, THostGetCallback callback, int declaredCount,
                                               const TKpTypeList& declaredTypes, Word resultType, Cardinal tag) {
    TKpInterpreterRecMethod& entry = AddEntry(recordGetters_, unit, name, tag);
    entry.OwnerRecord = FindRecord(recordType);
    entry.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    entry.GetCallback = callback;
}

void TKpInterpreterAdapter::DefineRecordSetter(const AnsiString& unit, const AnsiString& recordType,
                                               const AnsiString& name, THostSetCallback callback, int declaredCount,
                                               const TKpTypeList& declaredTypes, Cardinal tag) {
    TKpInterpreterRecMethod& entry = AddEntry(recordSetters_, unit, name, tag);
    entry.OwnerRecord = FindRecord(recordType);
    entry.Signature = MakeSignature(declaredCount, declaredTypes, 0, name);
    entry.SetCallback = callback;
}

void TKpInterpreterAdapter::DefineConstant(const AnsiString& unit, const AnsiString& name, const Variant& value,
                                           Cardinal tag) {
    AddEntry(constants_, unit, name, tag).ConstValue = value;
    sorted_ = false;
}

void TKpInterpreterAdapter::DefineLibraryFunction(const AnsiString& unit, const AnsiString& name, HMODULE module,
                                                  const AnsiString& libraryName, const AnsiString& entryName,
                                                  int entryOrdinal, int declaredCount, const TKpTypeList& declaredTypes,
                                                  Word resultType, Cardinal tag) {
    TKpInterpreterExtFun& entry = AddEntry(libraryFunctions_, unit, name, tag);
    entry.Desc.DescUnit = unit;
    entry.Desc.DescName = name;
    entry.Desc.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    entry.Module = module;
    entry.LibraryName = libraryName;
    entry.EntryPoint = entryName;
    entry.EntryOrdinal = entryOrdinal;
}

void TKpInterpreterAdapter::DefineScriptFunction(const AnsiString& unit, const AnsiString& name, int bodyStart,
                                                 int bodyEnd, int declaredCount, const TKpTypeList& declaredTypes,
                                                 const TKpNameList& paramNames, Word resultType,
                                                 TKpDataTypePtr resultDataType, Cardinal tag) {
    CheckCount(paramNames.size(), "parameter names", name);
    TKpInterpreterSrcFun& entry = AddEntry(scriptFunctions_, unit, name, tag);
    entry.Desc.DescUnit = unit;
    entry.Desc.DescName = name;
    entry.Desc.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    std::copy(paramNames.begin(), paramNames.end(), entry.Desc.ParamNames.begin());
    entry.Desc.ResultDataType = std::move(resultDataType);
    entry.Desc.BodyStart = bodyStart;
    entry.Desc.BodyEnd = bodyEnd;
}

void TKpInterpreterAdapter::CheckEventClass(TKpInterpreterEventClass eventClass, TClass dispatchClass) const {
    if (!eventClass || !eventClass->InheritsFrom(dispatchClass))
        RaiseScriptError1(2, -1, "an event class must have the class of its dispatch member");
}

void TKpInterpreterAdapter::AddEventType(const AnsiString& unit, const AnsiString& name,
                                         TKpInterpreterEventClass eventClass, Cardinal tag,
                                         std::function<TMethod(TKpInterpreterEvent&)> dispatchCode) {
    TKpInterpreterEventDesc& entry = AddEntry(eventTypes_, unit, name, tag);
    entry.EventClass = eventClass;
    entry.DispatchCode = std::move(dispatchCode);
}

void TKpInterpreterAdapter::DefineEvent(const AnsiString& unit, TClass cls, const AnsiString& eventName,
                                        Cardinal tag) {
    AddEntry(events_, unit, eventName, tag).ClassRef = cls;
}

void TKpInterpreterAdapter::DefineScriptVariable(const AnsiString& unit, const AnsiString& name,
                                                 const AnsiString& typeName, TVarType typeCode, const Variant& value) {
    variables_.Declare(unit, name, typeName, typeCode, value);
}

void TKpInterpreterAdapter::DefineInterfaceMethod(TKpInterfaceTest interfaceId, const AnsiString& name,
                                                  THostGetCallback callback, int declaredCount,
                                                  const TKpTypeList& declaredTypes, Word resultType, Cardinal tag) {
    TKpInterpreterIntfMethod& entry = AddEntry(interfaceMethods_, AnsiString(), name, tag);
    entry.InterfaceId = interfaceId;
    entry.Signature = MakeSignature(declaredCount, declaredTypes, resultType, name);
    entry.GetCallback = callback;
    sorted_ = false;
}

void TKpInterpreterAdapter::ClearScript() {
    scriptUnits_.Clear();
    scriptFunctions_.Clear();
    variables_.Clear();
    scriptClasses_.Clear();
}

void TKpInterpreterAdapter::ClearHost() {
    units_.Clear();
    classes_.Clear();
    getters_.Clear();
    setters_.Clear();
    indexedGetters_.Clear();
    indexedSetters_.Clear();
    defaultGetters_.Clear();
    defaultSetters_.Clear();
    interfaceMethods_.Clear();
    directMethods_.Clear();
    functions_.Clear();
    constants_.Clear();
    recordGetters_.Clear();
    recordSetters_.Clear();
    records_.Clear();
    libraryFunctions_.Clear();
    eventTypes_.Clear();
    events_.Clear();
    getHooks_.clear();
    setHooks_.clear();
}

void TKpInterpreterAdapter::ClearAll() {
    ClearScript();
    ClearHost();
}

void TKpInterpreterAdapter::SortLists() {
    constants_.Sort();
    classes_.Sort();
    functions_.Sort();
    getters_.Sort();
    interfaceMethods_.Sort();
    setters_.Sort();
    indexedGetters_.Sort();
    indexedSetters_.Sort();
    sorted_ = true;
}

void TKpInterpreterAdapter::CopyFrom(const TKpInterpreterAdapter& other) {
    CopyEntries(units_, other.units_);
    CopyEntries(classes_, other.classes_);
    CopyEntries(getters_, other.getters_);
    CopyEntries(setters_, other.setters_);
    CopyEntries(indexedGetters_, other.indexedGetters_);
    CopyEntries(indexedSetters_, other.indexedSetters_);
    CopyEntries(defaultGetters_, other.defaultGetters_);
    CopyEntries(defaultSetters_, other.defaultSetters_);
    CopyEntries(interfaceMethods_, other.interfaceMethods_);
    CopyEntries(directMethods_, other.directMethods_);
    CopyEntries(functions_, other.functions_);
    CopyEntries(constants_, other.constants_);
    CopyEntries(records_, other.records_);
    // Record members point at this registry's copy of their record.
    auto copyRecordMembers = [this](auto& to, const auto& from) {
        for (const auto& entry : from) {
            auto copy = std::make_unique<TKpInterpreterRecMethod>(*entry);
            copy->OwnerRecord = entry->OwnerRecord ? FindRecord(entry->OwnerRecord->EntryName) : nullptr;
            to.Add(std::move(copy));
        }
    };
    copyRecordMembers(recordGetters_, other.recordGetters_);
    copyRecordMembers(recordSetters_, other.recordSetters_);
    CopyEntries(libraryFunctions_, other.libraryFunctions_);
    CopyEntries(eventTypes_, other.eventTypes_);
    CopyEntries(events_, other.events_);
    getHooks_.insert(getHooks_.end(), other.getHooks_.begin(), other.getHooks_.end());
    setHooks_.insert(setHooks_.end(), other.setHooks_.begin(), other.setHooks_.end());
    sorted_ = false;
}

const TKpInterpreterRecord* TKpInterpreterAdapter::FindRecord(const AnsiString& name) const {
    for (const auto& record : records_)
        if (SameIdentifier(record->EntryName, name)) return record.get();
    return nullptr;
}

bool TKpInterpreterAdapter::NewRecordValue(const AnsiString& recordTypeName, Variant& value) {
    const TKpInterpreterRecord* record = FindRecord(recordTypeName);
    if (!record) return false;
    value = ::NewRecordValue(*record);
    return true;
}

const TKpInterpreterFunDesc* TKpInterpreterAdapter::FindScriptFunction(const AnsiString& unit,
                                                                       const AnsiString& name) const {
    const TKpInterpreterSrcFun* found = scriptFunctions_.FindIdentifier(unit, name);
    if (!found && !unit.empty()) found = scriptFunctions_.FindIdentifier(AnsiString(), name);
    return found ? &found->Desc : nullptr;
}

AnsiString TKpInterpreterAdapter::UnitSource(const AnsiString& unit) const {
    for (const auto& entry : scriptUnits_)
        if (SameIdentifier(entry->EntryName, unit)) return entry->SourceText;
    return AnsiString();
}

bool TKpInterpreterAdapter::UnitKnown(const AnsiString& unit) const {
    for (const auto& entry : scriptUnits_)
        if (SameIdentifier(entry->EntryName, unit)) return true;
    for (const auto& entry : units_)
        if (SameIdentifier(entry->EntryName, unit)) return true;
    return false;
}

bool TKpInterpreterAdapter::ClassHasEvent(TObject* object, const AnsiString& name) const {
    if (!object) return false;
    for (const auto& entry : events_)
        if (SameIdentifier(entry->EntryName, name) && object->InheritsFrom(entry->ClassRef)) return true;
    return false;
}

TKpEventHandler TKpInterpreterAdapter::MakeEventHandler(TKpInterpreterExpression* interpreter, TObject* instance,
                                                        const AnsiString& unit, const AnsiString& procName,
                                                        const AnsiString& eventTypeName) {
    TKpEventHandler result;
    for (const auto& entry : eventTypes_) {
        if (!SameIdentifier(entry->EntryName, eventTypeName)) continue;
        result.Handler.reset(entry->EventClass->Create(interpreter, instance, unit, procName));
        result.Method = entry->DispatchCode(*result.Handler);
        break;
    }
    return result;
}

void TKpInterpreterAdapter::AddScriptClass(std::unique_ptr<TKpInterpreterIdentifier> entry) {
    scriptClasses_.Add(std::move(entry));
}

TKpInterpreterIdentifier* TKpInterpreterAdapter::FindScriptClass(const AnsiString& name) const {
    return scriptClasses_.FindIdentifier(AnsiString(), name);
}

bool TKpInterpreterAdapter::ResolveRecordType(const Variant& value) const {
    TKpInterpreterRecHolder* holder = VariantToHolder(value);
    if (!holder) return false;
    const TKpInterpreterRecord* record = FindRecord(holder->TypeName);
    if (!record) return false;
    holder->Descriptor = record;
    return true;
}

TKpInterpreterRecHolder* TKpInterpreterAdapter::ResolvedHolder(const Variant& value) const {
    TKpInterpreterRecHolder* holder = VariantToHolder(value);
    if (holder && !holder->Descriptor) ResolveRecordType(value);
    return holder && holder->Descriptor ? holder : nullptr;
}
