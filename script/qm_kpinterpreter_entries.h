// The entries of the binding registry: script units, host classes and
// their members, functions, constants, records and their members, library
// functions, script routines and bindable event types.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/automation.h"
#include "platform/rtl/events.h"
#include "platform/gdi/windef.h"
#include "script/qm_kpinterpreter_args.h"
#include "script/qm_kpinterpreter_datatypes.h"
#include "script/qm_kpinterpreter_event.h"
#include "script/qm_kpinterpreter_identifiers.h"
#include "script/qm_kpinterpreter_records.h"

using TKpDeclaredTypes = std::array<Word, MaxScriptArgs>;
using TKpNames = std::array<AnsiString, MaxScriptArgs>;

class TKpInterpreterSrcUnit : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterSrcUnit, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    AnsiString SourceText;
    std::vector<AnsiString> UsesList;
};

// A host class, or a declared event of a class.
class TKpInterpreterClass : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterClass, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    TClass ClassRef = nullptr;
};

// The shape every callable entry shares: declared parameters and result.
struct TKpSignature {
    int DeclaredCount = -1;  // -1 takes any number of arguments
    TKpDeclaredTypes DeclaredTypes{};
    Word ResultType = 0;
};

// A member of a host class: a method or property read (GetCallback) or a
// property write (SetCallback).
class TKpInterpreterMethod : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterMethod, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    // The depth of ClassRef in its hierarchy, so descendants sort first.
    int ClassDepth() const;

    TClass ClassRef = nullptr;
    TKpSignature Signature;
    THostGetCallback GetCallback = nullptr;
    THostSetCallback SetCallback = nullptr;
};

// A host method called directly; the call convention flags are kept for
// the registration's sake.
class TKpInterpreterDMethod : public TKpInterpreterMethod {
    SERVIORA_CLASS(TKpInterpreterDMethod, TKpInterpreterMethod)
public:
    using TKpInterpreterMethod::TKpInterpreterMethod;
    Byte CallConvention = 0;
};

// Whether an object reached through an interface supports the member's
// interface.
using TKpInterfaceTest = bool (*)(IInterface& object);

class TKpInterpreterIntfMethod : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterIntfMethod, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    TKpInterfaceTest InterfaceId = nullptr;
    TKpSignature Signature;
    THostGetCallback GetCallback = nullptr;
};

class TKpInterpreterConst : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterConst, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    Variant ConstValue;
};

class TKpInterpreterRecMethod : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterRecMethod, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    const TKpInterpreterRecord* OwnerRecord = nullptr;
    TKpSignature Signature;
    THostGetCallback GetCallback = nullptr;
    THostSetCallback SetCallback = nullptr;
};

// A routine of a script unit, or a library function a script declares.
struct TKpInterpreterFunDesc {
    AnsiString DescUnit;
    AnsiString DescName;
    TKpSignature Signature;
    TKpNames ParamNames;
    TKpDataTypePtr ResultDataType;
    int BodyStart = 0;
    int BodyEnd = 0;
};

class TKpInterpreterSrcFun : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterSrcFun, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    TKpInterpreterFunDesc Desc;
};

class TKpInterpreterExtFun : public TKpInterpreterSrcFun {
    SERVIORA_CLASS(TKpInterpreterExtFun, TKpInterpreterSrcFun)
public:
    using TKpInterpreterSrcFun::TKpInterpreterSrcFun;
    HMODULE Module = 0;
    AnsiString LibraryName;
    AnsiString EntryPoint;
    int EntryOrdinal = -1;
};

// A host event type scripts can bind procedures to: the event class and
// how its dispatch member becomes a method of the event's signature.
class TKpInterpreterEventDesc : public TKpInterpreterIdentifier {
    SERVIORA_CLASS(TKpInterpreterEventDesc, TKpInterpreterIdentifier)
public:
    using TKpInterpreterIdentifier::TKpInterpreterIdentifier;
    TKpInterpreterEventClass EventClass = nullptr;
    std::function<TMethod(TKpInterpreterEvent& handler)> DispatchCode;
};

// The method lists put, among entries of one name, a descendant class's
// entry before its ancestor's, so the most specific member answers first.
template <class Entry>
class TKpInterpreterMethodList : public TKpInterpreterIdentifierList<Entry> {
public:
    void Sort() override {
        std::stable_sort(this->Items().begin(), this->Items().end(), [](const auto& a, const auto& b) {
            const int byName = CompareIdentifiers(a->EntryName, b->EntryName);
            if (byName != 0) return byName < 0;
            return a->ClassDepth() > b->ClassDepth();
        });
    }
};
