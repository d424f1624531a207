// Name resolution of the binding registry: what a name means with or
// without the object it is called on, for reading and for writing.
#include "platform/rtl/automation.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/typinfo.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_dispatch.h"
#include "script/qm_kpinterpreter_library.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

bool IsObjectOrClass(const TKpInterpreterArgs& frame) {
    return frame.CallObjectType() == ObjectVarType() || frame.CallObjectType() == ClassVarType();
}

// An object call object matches a member of its class or an ancestor's; a
// class reference only a member of exactly its class.
bool CallObjectMatches(const TKpInterpreterArgs& frame, TClass memberClass) {
    if (frame.CallObjectType() == ObjectVarType()) {
        TObject* object = VariantToObject(frame.CallObject());
        return object && object->InheritsFrom(memberClass);
    }
    return VariantToClass(frame.CallObject()) == memberClass;
}

// Setters serve the call object's class and its descendants alike.
bool CallObjectInherits(const TKpInterpreterArgs& frame, TClass memberClass) {
    if (frame.CallObjectType() == ObjectVarType()) {
        TObject* object = VariantToObject(frame.CallObject());
        return object && object->InheritsFrom(memberClass);
    }
    TClass cls = VariantToClass(frame.CallObject());
    return cls && cls->InheritsFrom(memberClass);
}

// The first entry of the name in a sorted list that `match` accepts.
template <class Entry, class Match>
Entry* FirstOfName(const TKpInterpreterIdentifierList<Entry>& list, const AnsiString& name, Match match) {
    int index = 0;
    if (!list.Find(name, index)) return nullptr;
    for (; index < list.Count() && CompareIdentifiers(list[index].EntryName, name) == 0; ++index)
        if (match(list[index])) return &list[index];
    return nullptr;
}

const TKpInterpreterRecMethod* RecordMember(const TKpInterpreterIdentifierList<TKpInterpreterRecMethod>& list,
                                            const TKpInterpreterRecord* record, const AnsiString& name) {
    for (const auto& entry : list)
        if (entry->OwnerRecord == record && SameIdentifier(entry->EntryName, name)) return entry.get();
    return nullptr;
}

// The first default member (in registration order) of the object's class
// or an ancestor's.
const TKpInterpreterMethod* DefaultMember(const TKpInterpreterIdentifierList<TKpInterpreterMethod>& list,
                                          const Variant& object) {
    if (object.VarType() != ObjectVarType()) return nullptr;
    TObject* instance = VariantToObject(object);
    for (const auto& entry : list)
        if (instance && instance->InheritsFrom(entry->ClassRef)) return entry.get();
    return nullptr;
}

PPropInfo PublishedProperty(const TKpInterpreterArgs& frame, const AnsiString& name) {
    if (frame.CallObjectType() != ObjectVarType()) return nullptr;
    TObject* object = VariantToObject(frame.CallObject());
    return object ? GetPropInfo(object, name) : nullptr;
}

bool ReadPublished(TObject* object, PPropInfo prop, Variant& value) {
    switch (prop->Kind()) {
        case tkInteger:
        case tkEnumeration:
            if (prop->PropType()->Name == "Boolean") value = GetOrdProp(object, prop) != 0;
            else value = Integer(GetOrdProp(object, prop));
            return true;
        case tkInt64: value = GetOrdProp(object, prop); return true;
        case tkChar: value = AnsiString(1, char(GetOrdProp(object, prop))); return true;
        case tkWChar: value = WideToAnsi(std::u16string(1, char16_t(GetOrdProp(object, prop)))); return true;
        case tkFloat: value = prop->Access().GetFloat(object); return true;
        case tkString:
        case tkLString: value = GetStrProp(object, prop); return true;
        case tkWString: value = WideToAnsi(prop->Access().GetWideStr(object)); return true;
        case tkSet: value = SetToVariant(Cardinal(GetOrdProp(object, prop))); return true;
        case tkClass: value = ObjectToVariant(prop->Access().GetObject(object)); return true;
        default: return false;
    }
}

bool WritePublished(TObject* object, PPropInfo prop, const Variant& value) {
    if (!prop->Writable()) return false;
    switch (prop->Kind()) {
        case tkInteger:
        case tkEnumeration:
        case tkInt64: SetOrdProp(object, prop, ConvertToType(value, varInteger).AsInt64()); return true;
        case tkChar:
        case tkWChar: {
            const AnsiString text = VarToStr(value);
            SetOrdProp(object, prop, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
            return true;
        }
        case tkFloat: prop->Access().SetFloat(object, value.AsDouble()); return true;
        case tkString:
        case tkLString: SetStrProp(object, prop, VarToStr(value)); return true;
        case tkWString: prop->Access().SetWideStr(object, AnsiToWide(VarToStr(value))); return true;
        case tkSet: SetOrdProp(object, prop, VariantToSet(value)); return true;
        case tkClass: prop->Access().SetObject(object, VariantToObject(value)); return true;
        default: return false;
    }
}

}  // namespace

void TKpInterpreterAdapter::BeforeHostCall(TKpInterpreterExpression*, TKpInterpreterArgs&, Cardinal) {}

void TKpInterpreterAdapter::CheckArguments(TKpInterpreterArgs& frame, const TKpSignature& signature) {
    if (frame.ArgCount > MaxScriptArgs) RaiseScriptError(181, -1);
    if (signature.DeclaredCount != -1) {
        if (frame.ArgCount > signature.DeclaredCount) RaiseScriptError(181, -1);
        if (frame.ArgCount < signature.DeclaredCount) RaiseScriptError(182, -1);
    }
    frame.HasVarArgs = false;
    frame.ArgTypes = signature.DeclaredTypes;
    for (int i = 0; i < frame.ArgCount; ++i)
        if (!frame.VarArgNames[std::size_t(i)].empty() && (frame.ArgTypes[std::size_t(i)] & varParamFlag))
            frame.HasVarArgs = true;
}

bool TKpInterpreterAdapter::ResolveGet(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                       TKpInterpreterArgs& frame, Variant& value) {
    TKpResolveSite* site = std::exchange(site_, nullptr);
    if (!sorted_) SortLists();
    cache_.Validate(variables_.Stamp());
    const bool freeName = !frame.Indexed && frame.CallObjectType() == varEmpty;
    const bool withArguments = frame.ArgCount > 0;
    const bool knownMiss = freeName && (site && site->HoldsMiss(variables_.Stamp(), withArguments)
                                            ? true
                                            : cache_.KnownMiss(name, withArguments));
    if (!knownMiss) {
        bool found = false;
        if (frame.Indexed) found = GetIndexed(interpreter, name, frame, value);
        else if (!freeName) found = GetMember(interpreter, name, frame, value, site);
        else found = GetFreeName(interpreter, name, frame, value);
        if (found || variables_.ReadVar(name, value, frame)) return true;
        if (!IsObjectOrClass(frame) && GetUnitObject(name, frame, value)) return true;
        if (freeName) cache_.NoteMiss(name, withArguments);
    }
    if (freeName && site) site->KeepMiss(variables_.Stamp(), withArguments);
    for (const TKpGetHook& hook : getHooks_)
        if (hook(interpreter, name, frame, value)) return true;
    return false;
}

bool TKpInterpreterAdapter::GetIndexed(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                       TKpInterpreterArgs& frame, Variant& value) {
    if (frame.CallObjectType() == RecordVarType()) {
        const bool found = GetRecordMember(interpreter, name, frame, value);
        frame.IndexedDone = false;
        return found;
    }
    if (!IsObjectOrClass(frame)) return false;
    TKpInterpreterMethod* entry = FirstOfName(indexedGetters_, name, [&](const TKpInterpreterMethod& m) {
        return m.GetCallback && CallObjectMatches(frame, m.ClassRef);
    });
    if (!entry) return false;
    CallEntry(interpreter, name, frame, *entry, entry->GetCallback, value);
    frame.IndexedDone = true;
    return true;
}

bool TKpInterpreterAdapter::GetMember(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                      TKpInterpreterArgs& frame, Variant& value, TKpResolveSite* site) {
    const TVarType type = frame.CallObjectType();
    if (type == ObjectVarType() || type == ClassVarType())
        return GetObjectMember(interpreter, name, frame, value, site);
    if (type == RecordVarType()) return GetRecordMember(interpreter, name, frame, value);
    if (type == varDispatch) {
        AutomationGet(name, frame, value);
        return true;
    }
    if (type == varUnknown) {
        const std::shared_ptr<IInterface> object = frame.CallObject().AsInterface();
        if (!object) return false;
        TKpInterpreterIntfMethod* entry = FirstOfName(interfaceMethods_, name, [&](const TKpInterpreterIntfMethod& m) {
            return m.GetCallback && m.InterfaceId && m.InterfaceId(*object);
        });
        if (!entry) return false;
        CallEntry(interpreter, name, frame, *entry, entry->GetCallback, value);
        return true;
    }
    return false;
}

bool TKpInterpreterAdapter::GetObjectMember(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                            TKpInterpreterArgs& frame, Variant& value, TKpResolveSite* site) {
    if (frame.CallObjectType() != ObjectVarType()) {
        TKpInterpreterMethod* entry = FirstOfName(getters_, name, [&](const TKpInterpreterMethod& m) {
            return m.GetCallback && CallObjectMatches(frame, m.ClassRef);
        });
        if (!entry) return false;
        CallEntry(interpreter, name, frame, *entry, entry->GetCallback, value);
        return true;
    }
    TObject* object = VariantToObject(frame.CallObject());
    const TClass cls = object ? object->ClassType() : nullptr;
    const TKpMemberFinding* finding = site && cls ? site->MemberOf(cls) : nullptr;
    if (!finding && cls) finding = cache_.FindMember(cls, name);
    const TKpMemberFinding found = finding ? *finding : FindObjectMember(object, name);
    if (cls && !finding) finding = &cache_.AddMember(cls, name, found);
    if (site && finding) site->KeepMember(cls, *finding);
    if (found.Prop && ReadPublished(object, found.Prop, value)) return true;
    if (found.Getter) {
        CallEntry(interpreter, name, frame, *found.Getter, found.Getter->GetCallback, value);
        return true;
    }
    if (found.Free) {
        delete object;
        frame.ClearCallObject();
        value = Null();
        return true;
    }
    if (found.Direct) {
        CallEntry(interpreter, name, frame, *found.Direct, found.Direct->GetCallback, value);
        return true;
    }
    return false;
}

std::optional<bool> TKpInterpreterAdapter::MemberGetterAt(const TKpResolveSite& site, TClass cls,
                                                         const TKpInterpreterMethod*& getter) const {
    const TKpMemberFinding* finding = site.MemberOf(cls);
    if (!finding || finding->Prop || finding->Free || finding->Direct || !getHooks_.empty()) return std::nullopt;
    // The registry's variables answer only a script unit's members.
    if (variables_.Count() != 0 && cls->InheritsFrom(TKpInterpreterSrcUnit::StaticClass())) return std::nullopt;
    getter = finding->Getter;
    return getter != nullptr;
}

// What an object of the class (nil: none) answers to the name: a published
// property, a registered getter of its class or an ancestor's, Free, a
// direct method.
TKpMemberFinding TKpInterpreterAdapter::FindObjectMember(TObject* object, const AnsiString& name) {
    TKpMemberFinding found;
    if (!object) {
        found.Free = SameIdentifier(name, "Free");
        return found;
    }
    found.Prop = GetPropInfo(object, name);
    found.Getter = FirstOfName(getters_, name, [&](const TKpInterpreterMethod& m) {
        return m.GetCallback && object->InheritsFrom(m.ClassRef);
    });
    found.Free = SameIdentifier(name, "Free");
    for (const auto& entry : directMethods_)
        if (object->InheritsFrom(entry->ClassRef) && SameIdentifier(entry->EntryName, name)) {
            found.Direct = entry.get();
            break;
        }
    return found;
}

bool TKpInterpreterAdapter::GetRecordMember(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                            TKpInterpreterArgs& frame, Variant& value) {
    TKpInterpreterRecHolder* holder = ResolvedHolder(frame.CallObject());
    if (!holder) return false;
    if (const TKpInterpreterRecField* field = holder->Descriptor->FindField(name)) {
        value = ReadRecordField(*holder, *field);
        return true;
    }
    const TKpInterpreterRecMethod* entry = RecordMember(recordGetters_, holder->Descriptor, name);
    if (!entry) return false;
    CallEntry(interpreter, name, frame, *entry, entry->GetCallback, value);
    return true;
}

bool TKpInterpreterAdapter::GetFreeName(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                        TKpInterpreterArgs& frame, Variant& value) {
    if (GetClassOrCast(interpreter, name, frame, value) || GetConstant(interpreter, name, frame, value)) return true;
    if (TKpInterpreterMethod* entry = FirstOfName(functions_, name, [](const TKpInterpreterMethod&) { return true; })) {
        CallEntry(interpreter, name, frame, *entry, entry->GetCallback, value);
        return true;
    }
    if (TKpInterpreterExtFun* entry = libraryFunctions_.FindIdentifier(AnsiString(), name)) {
        frame.CallName = name;
        BeforeHostCall(interpreter, frame, entry->EntryTag);
        CheckArguments(frame, entry->Desc.Signature);
        CallLibraryFunction(*entry, frame, value);
        return true;
    }
    return GetAutomationFactory(name, frame, value) || GetTypeCast(name, frame, value);
}

bool TKpInterpreterAdapter::GetClassOrCast(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                           TKpInterpreterArgs& frame, Variant& value) {
    TKpInterpreterClass* entry = FirstOfName(classes_, name, [](const TKpInterpreterClass&) { return true; });
    if (!entry) return false;
    if (frame.ArgCount == 0) {
        value = ClassToVariant(entry->ClassRef);
        return true;
    }
    if (frame.ArgCount > 1) RaiseScriptError(181, -1);
    BeforeHostCall(interpreter, frame, entry->EntryTag);
    const Variant& argument = frame.ArgValues[0];
    value = argument.VarType() == ClassVarType() ? argument : ObjectToVariant(VariantToObject(argument));
    return true;
}

bool TKpInterpreterAdapter::GetConstant(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                        TKpInterpreterArgs& frame, Variant& value) {
    if (SameIdentifier(name, "nil")) {
        value = PointerToVariant(nullptr);
        return true;
    }
    if (SameIdentifier(name, "Null")) {
        value = Null();
        return true;
    }
    TKpInterpreterConst* entry = FirstOfName(constants_, name, [](const TKpInterpreterConst&) { return true; });
    if (!entry) return false;
    BeforeHostCall(interpreter, frame, entry->EntryTag);
    value = entry->ConstValue;
    return true;
}

bool TKpInterpreterAdapter::GetAutomationFactory(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value) {
    IAutomationObjectPtr (*factory)(const AnsiString&) = nullptr;
    if (SameIdentifier(name, "CreateOleObject")) factory = &CreateOleObject;
    else if (SameIdentifier(name, "GetActiveOleObject")) factory = &GetActiveOleObject;
    else if (SameIdentifier(name, "GetOleObject")) factory = &GetOleObject;
    else return false;
    TKpSignature signature;
    signature.DeclaredCount = 1;
    signature.DeclaredTypes[0] = varString;
    CheckArguments(frame, signature);
    value = DispatchToVariant(factory(VarToStr(frame.ArgValues[0])));
    return true;
}

bool TKpInterpreterAdapter::GetTypeCast(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value) {
    if (frame.ArgCount == 0) return false;
    const TVarType type = TypeCodeOfName(name);
    if (type == 0) return false;
    if (frame.ArgCount > 1) RaiseScriptError(181, -1);
    value = ConvertToType(frame.ArgValues[0], type);
    return true;
}

bool TKpInterpreterAdapter::GetUnitObject(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value) {
    for (const auto& entry : scriptUnits_)
        if (SameIdentifier(entry->EntryName, name)) {
            TKpSignature none;
            none.DeclaredCount = 0;
            CheckArguments(frame, none);
            value = ObjectToVariant(entry.get());
            return true;
        }
    return false;
}

bool TKpInterpreterAdapter::ResolveSet(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                       TKpInterpreterArgs& frame, const Variant& value) {
    if (!sorted_) SortLists();
    if (frame.Indexed ? SetIndexed(interpreter, name, frame, value) : SetMember(interpreter, name, frame, value))
        return true;
    if (variables_.WriteVar(name, value, frame)) return true;
    for (const TKpSetHook& hook : setHooks_)
        if (hook(interpreter, name, frame, value)) return true;
    return false;
}

bool TKpInterpreterAdapter::SetIndexed(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                       TKpInterpreterArgs& frame, const Variant& value) {
    if (!IsObjectOrClass(frame)) return false;
    TKpInterpreterMethod* entry = FirstOfName(indexedSetters_, name, [&](const TKpInterpreterMethod& m) {
        return m.SetCallback && CallObjectInherits(frame, m.ClassRef);
    });
    if (!entry) return false;
    CallEntry(interpreter, name, frame, *entry, entry->SetCallback, value);
    frame.IndexedDone = true;
    return true;
}

bool TKpInterpreterAdapter::SetMember(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                      TKpInterpreterArgs& frame, const Variant& value) {
    const TVarType type = frame.CallObjectType();
    if (type == RecordVarType()) return SetRecordMember(interpreter, name, frame, value);
    if (type == varDispatch) {
        AutomationPut(name, frame, value);
        return true;
    }
    if (!IsObjectOrClass(frame)) return false;
    if (PPropInfo prop = PublishedProperty(frame, name))
        if (WritePublished(VariantToObject(frame.CallObject()), prop, value)) return true;
    TKpInterpreterMethod* entry = FirstOfName(setters_, name, [&](const TKpInterpreterMethod& m) {
        return m.SetCallback && CallObjectInherits(frame, m.ClassRef);
    });
    if (!entry) return false;
    CallEntry(interpreter, name, frame, *entry, entry->SetCallback, value);
    return true;
}

bool TKpInterpreterAdapter::SetRecordMember(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                            TKpInterpreterArgs& frame, const Variant& value) {
    TKpInterpreterRecHolder* holder = ResolvedHolder(frame.CallObject());
    if (!holder) return false;
    if (const TKpInterpreterRecField* field = holder->Descriptor->FindField(name)) {
        WriteRecordField(*holder, *field, value);
        return true;
    }
    const TKpInterpreterRecMethod* entry = RecordMember(recordSetters_, holder->Descriptor, name);
    if (!entry) return false;
    CallEntry(interpreter, name, frame, *entry, entry->SetCallback, value);
    return true;
}

bool TKpInterpreterAdapter::GetDefaultIndexed(TKpInterpreterExpression* interpreter, const Variant& object,
                                              TKpInterpreterArgs& frame, Variant& value) {
    const TKpInterpreterMethod* entry = DefaultMember(defaultGetters_, object);
    if (!entry) return false;
    frame.SetCallObject(object);
    CallEntry(interpreter, AnsiString(), frame, *entry, entry->GetCallback, value);
    return true;
}

bool TKpInterpreterAdapter::SetDefaultIndexed(TKpInterpreterExpression* interpreter, const Variant& object,
                                              TKpInterpreterArgs& frame, const Variant& value) {
    const TKpInterpreterMethod* entry = DefaultMember(defaultSetters_, object);
    if (!entry) return false;
    frame.SetCallObject(object);
    CallEntry(interpreter, AnsiString(), frame, *entry, entry->SetCallback, value);
    return true;
}
