// TKpInterpreterAdapter: the binding registry. It holds everything a
// script can name outside its own routine: host classes with their members
// and properties, functions, constants, records, library functions, event
// types, and what the script itself declares (units, routines, variables,
// classes). It resolves a name, with or without the object it is called
// on, by calling the registered callback; published properties of objects
// answer before registered members.
//
// One global registry serves every interpreter (created by the interpreter
// start-up, filled by the binding units' registration procedures); each
// interpreter has one of its own in front of it.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/rtl/valuerestorer.h"
#include "script/qm_kpinterpreter_entries.h"
#include "script/qm_kpinterpreter_resolvecache.h"
#include "script/qm_kpinterpreter_variables.h"

class TKpInterpreterExpression;

// Last-resort resolvers; true when they answered.
using TKpGetHook = std::function<bool(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                      TKpInterpreterArgs& frame, Variant& value)>;
using TKpSetHook = std::function<bool(TKpInterpreterExpression* interpreter, const AnsiString& name,
                                      TKpInterpreterArgs& frame, const Variant& value)>;

using TKpTypeList = std::vector<Word>;
using TKpNameList = std::vector<AnsiString>;

class TKpInterpreterAdapter : public TObject {
    SERVIORA_CLASS(TKpInterpreterAdapter, TObject)
public:
    // `owner` is the interpreter whose declarations this registry holds;
    // nullptr for the global registry.
    explicit TKpInterpreterAdapter(TKpInterpreterExpression* owner = nullptr);
    ~TKpInterpreterAdapter() override;

    TKpInterpreterExpression* Owner() const { return owner_; }

    // ---- Registration. The last argument is the entry's tag, handed to
    // BeforeHostCall. More than 33 declared types, names or fields raise 2.
    TKpInterpreterSrcUnit& DefineScriptUnit(const AnsiString& unit, const AnsiString& source, const AnsiString& uses,
                                            Cardinal tag = 0);
    void DefineUnit(const AnsiString& unit, Cardinal tag = 0);
    // `scriptName` "" registers the class under its own name.
    void DefineClass(const AnsiString& unit, TClass cls, const AnsiString& scriptName = {}, Cardinal tag = 0);
    void DefineGetter(TClass cls, const AnsiString& name, THostGetCallback callback, int declaredCount,
                      const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);
    void DefineSetter(TClass cls, const AnsiString& name, THostSetCallback callback, int declaredCount,
                      const TKpTypeList& declaredTypes, Cardinal tag = 0);
    void DefineIndexedGetter(TClass cls, const AnsiString& name, THostGetCallback callback, int declaredCount,
                             const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);
    void DefineIndexedSetter(TClass cls, const AnsiString& name, THostSetCallback callback, int declaredCount,
                             const TKpTypeList& declaredTypes, Cardinal tag = 0);
    void DefineDefaultGetter(TClass cls, THostGetCallback callback, int declaredCount,
                             const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);
    void DefineDefaultSetter(TClass cls, THostSetCallback callback, int declaredCount,
                             const TKpTypeList& declaredTypes, Cardinal tag = 0);
    void DefineDirectMethod(TClass cls, const AnsiString& name, THostGetCallback method, int declaredCount,
                            const TKpTypeList& declaredTypes, Word resultType, Byte callConvention, Cardinal tag = 0);
    void DefineFunction(const AnsiString& unit, const AnsiString& name, THostGetCallback callback, int declaredCount,
                        const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);
    // A field must lie inside the record's size.
    void DefineRecord(const AnsiString& unit, const AnsiString& name, int recordSize,
                      const std::vector<TKpInterpreterRecField>& fields, TRecordCreateRoutine createRoutine = nullptr,
                      TRecordFreeRoutine freeRoutine = nullptr, TRecordCopyRoutine copyRoutine = nullptr,
                      Cardinal tag = 0);
    void DefineRecordGetter(const AnsiString& unit, const AnsiString& recordType, const AnsiString& name,
                            THostGetCallback callback, int declaredCount, const TKpTypeList& declaredTypes,
                            Word resultType, Cardinal tag = 0);
    void DefineRecordSetter(const AnsiString& unit, const AnsiString& recordType, const AnsiString& name,
                            THostSetCallback callback, int declaredCount, const TKpTypeList& declaredTypes,
                            Cardinal tag = 0);
    void DefineConstant(const AnsiString& unit, const AnsiString& name, const Variant& value, Cardinal tag = 0);
    void DefineLibraryFunction(const AnsiString& unit, const AnsiString& name, HMODULE module,
                               const AnsiString& libraryName, const AnsiString& entryName, int entryOrdinal,
                               int declaredCount, const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);
    void DefineScriptFunction(const AnsiString& unit, const AnsiString& name, int bodyStart, int bodyEnd,
                              int declaredCount, const TKpTypeList& declaredTypes, const TKpNameList& paramNames,
                              Word resultType, TKpDataTypePtr resultDataType, Cardinal tag = 0);
    // Makes a host event type bindable: handlers are objects of `eventClass`
    // (a descendant of Event) whose `dispatch` member the event calls.
    template <class Event, class R, class... Args>
    void DefineEventType(const AnsiString& unit, const AnsiString& eventTypeName, TKpInterpreterEventClass eventClass,
                         R (Event::*dispatch)(Args...), Cardinal tag = 0) {
        static_assert(std::is_base_of_v<TKpInterpreterEvent, Event>);
        CheckEventClass(eventClass, Event::StaticClass());
        AddEventType(unit, eventTypeName, eventClass, tag, [dispatch](TKpInterpreterEvent& handler) {
            return TEvent<R(Args...)>(static_cast<Event*>(&handler), dispatch, handler.ScriptProc).ToMethod();
        });
    }
    void DefineEvent(const AnsiString& unit, TClass cls, const AnsiString& eventName, Cardinal tag = 0);
    void DefineScriptVariable(const AnsiString& unit, const AnsiString& name, const AnsiString& typeName,
                              TVarType typeCode, const Variant& value);
    void AddGetHook(TKpGetHook hook) { getHooks_.push_back(std::move(hook)); }
    bool HasGetHooks() const { return !getHooks_.empty(); }
    void AddSetHook(TKpSetHook hook) { setHooks_.push_back(std::move(hook)); }
    void DefineInterfaceMethod(TKpInterfaceTest interfaceId, const AnsiString& name, THostGetCallback callback,
                               int declaredCount, const TKpTypeList& declaredTypes, Word resultType, Cardinal tag = 0);

    // ---- Maintenance.
    // Forgets what scripts declared: units, routines, variables, classes.
    void ClearScript();
    // Forgets every host entry and hook.
    void ClearHost();
    void ClearAll();
    void SortLists();
    // Registers every host entry of `other` here as well, tags included.
    void CopyFrom(const TKpInterpreterAdapter& other);

    // ---- Look-ups and calls.
    virtual void BeforeHostCall(TKpInterpreterExpression* interpreter, TKpInterpreterArgs& frame, Cardinal tag);
    virtual bool ResolveGet(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                            Variant& value);
    // ResolveGet for a name at one place of a script, which keeps there
    // what the look-up found (nullptr: nowhere).
    bool ResolveGetAt(TKpResolveSite* site, TKpInterpreterExpression* interpreter, const AnsiString& name,
                      TKpInterpreterArgs& frame, Variant& value) {
        // A ResolveGet of a derived registry may answer without taking it.
        ValueRestorer<TKpResolveSite*> offered(site_, site);
        return ResolveGet(interpreter, name, frame, value);
    }
    virtual bool ResolveSet(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                            const Variant& value);
    // True when ResolveGet would answer nothing for the free name at a site
    // that holds its miss, and ask no hook.
    bool PassesFreeNameAt(const TKpResolveSite& site, const TKpInterpreterArgs& frame) const {
        return !frame.Indexed && frame.CallObjectType() == varEmpty && getHooks_.empty() &&
               site.HoldsMiss(variables_.Stamp(), frame.ArgCount > 0);
    }
    // What ResolveGet would do for a member of an object of `cls` at a
    // site whose finding still holds, told without running it: false when
    // it answers nothing there and asks no hook, true when it would call a
    // registered getter (given in `getter`); nullopt when it would do
    // anything else or the site holds nothing.
    std::optional<bool> MemberGetterAt(const TKpResolveSite& site, TClass cls,
                                       const TKpInterpreterMethod*& getter) const;
    // Calls a getter MemberGetterAt gave, as ResolveGet calls it.
    void CallGetter(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                    const TKpInterpreterMethod& getter, Variant& value) {
        CallEntry(interpreter, name, frame, getter, getter.GetCallback, value);
    }
    // object[index] through the first default getter or setter whose class
    // the object belongs to.
    virtual bool GetDefaultIndexed(TKpInterpreterExpression* interpreter, const Variant& object,
                                   TKpInterpreterArgs& frame, Variant& value);
    virtual bool SetDefaultIndexed(TKpInterpreterExpression* interpreter, const Variant& object,
                                   TKpInterpreterArgs& frame, const Variant& value);
    virtual bool NewRecordValue(const AnsiString& recordTypeName, Variant& value);
    // The last routine of the name in the unit, else (a unit given) in any unit.
    virtual const TKpInterpreterFunDesc* FindScriptFunction(const AnsiString& unit, const AnsiString& name) const;
    virtual AnsiString UnitSource(const AnsiString& unit) const;
    virtual bool UnitKnown(const AnsiString& unit) const;
    virtual bool ClassHasEvent(TObject* object, const AnsiString& name) const;
    // A handler of the event type calling the script procedure on
    // `instance`; both parts empty for an event type nobody registered.
    virtual TKpEventHandler MakeEventHandler(TKpInterpreterExpression* interpreter, TObject* instance,
                                             const AnsiString& unit, const AnsiString& procName,
                                             const AnsiString& eventTypeName);
    virtual void AddScriptClass(std::unique_ptr<TKpInterpreterIdentifier> entry);
    virtual TKpInterpreterIdentifier* FindScriptClass(const AnsiString& name) const;
    // Binds a record value's holder to its registered type; false when the
    // value is no record or its type is not registered here.
    virtual bool ResolveRecordType(const Variant& value) const;

    // More arguments than declared raise 181, fewer 182; copies the declared
    // types into the frame and notes var parameters met by named variables.
    static void CheckArguments(TKpInterpreterArgs& frame, const TKpSignature& signature);

    TKpInterpreterVarList& Variables() { return variables_; }
    // The registered record type of the name, or nullptr.
    const TKpInterpreterRecord* FindRecord(const AnsiString& name) const;

private:
    void CheckEventClass(TKpInterpreterEventClass eventClass, TClass dispatchClass) const;
    void AddEventType(const AnsiString& unit, const AnsiString& name, TKpInterpreterEventClass eventClass,
                      Cardinal tag, std::function<TMethod(TKpInterpreterEvent&)> dispatchCode);
    template <class List>
    TKpInterpreterMethod& AddMethod(List& list, TClass cls, const AnsiString& name, int declaredCount,
                                    const TKpTypeList& declaredTypes, Word resultType, Cardinal tag);

    // Calls an entry's callback: the pre-call hook, the argument check, the call.
    template <class Entry, class Callback, class Value>
    void CallEntry(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                   const Entry& entry, Callback callback, Value& value) {
        // The same name is called again and again.
        if (frame.CallName != name) frame.CallName = name;
        BeforeHostCall(interpreter, frame, entry.EntryTag);
        CheckArguments(frame, entry.Signature);
        callback(value, frame);
    }

    bool GetIndexed(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                    Variant& value);
    bool GetMember(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                   Variant& value, TKpResolveSite* site);
    bool GetObjectMember(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                         Variant& value, TKpResolveSite* site);
    TKpMemberFinding FindObjectMember(TObject* object, const AnsiString& name);
    bool GetRecordMember(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                         Variant& value);
    bool GetFreeName(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                     Variant& value);
    bool GetClassOrCast(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                        Variant& value);
    bool GetConstant(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                     Variant& value);
    bool GetAutomationFactory(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value);
    bool GetTypeCast(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value);
    bool GetUnitObject(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value);

    bool SetIndexed(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                    const Variant& value);
    bool SetMember(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                   const Variant& value);
    bool SetRecordMember(TKpInterpreterExpression* interpreter, const AnsiString& name, TKpInterpreterArgs& frame,
                         const Variant& value);

    TKpInterpreterRecHolder* ResolvedHolder(const Variant& value) const;

    TKpInterpreterExpression* owner_;
    bool sorted_ = false;

    TKpInterpreterIdentifierList<TKpInterpreterSrcUnit> scriptUnits_;
    TKpInterpreterIdentifierList<TKpInterpreterIdentifier> units_;
    TKpInterpreterMethodList<TKpInterpreterMethod> getters_;
    TKpInterpreterMethodList<TKpInterpreterMethod> setters_;
    TKpInterpreterMethodList<TKpInterpreterMethod> indexedGetters_;
    TKpInterpreterMethodList<TKpInterpreterMethod> indexedSetters_;
    TKpInterpreterIdentifierList<TKpInterpreterMethod> defaultGetters_;
    TKpInterpreterIdentifierList<TKpInterpreterMethod> defaultSetters_;
    TKpInterpreterIdentifierList<TKpInterpreterIntfMethod> interfaceMethods_;
    TKpInterpreterIdentifierList<TKpInterpreterDMethod> directMethods_;
    TKpInterpreterIdentifierList<TKpInterpreterClass> classes_;
    TKpInterpreterIdentifierList<TKpInterpreterConst> constants_;
    TKpInterpreterMethodList<TKpInterpreterMethod> functions_;
    TKpInterpreterIdentifierList<TKpInterpreterRecord> records_;
    TKpInterpreterIdentifierList<TKpInterpreterRecMethod> recordGetters_;
    TKpInterpreterIdentifierList<TKpInterpreterRecMethod> recordSetters_;
    TKpInterpreterIdentifierList<TKpInterpreterExtFun> libraryFunctions_;
    TKpInterpreterIdentifierList<TKpInterpreterSrcFun> scriptFunctions_;
    TKpInterpreterIdentifierList<TKpInterpreterEventDesc> eventTypes_;
    TKpInterpreterIdentifierList<TKpInterpreterClass> events_;
    std::vector<TKpGetHook> getHooks_;
    std::vector<TKpSetHook> setHooks_;
    TKpInterpreterVarList variables_;
    TKpInterpreterIdentifierList<TKpInterpreterIdentifier> scriptClasses_;
    TKpResolveCache cache_;
    // The site of the look-up ResolveGet is asked for next, taken as it starts.
    TKpResolveSite* site_ = nullptr;
};
