// TKpInterpreterEvent: the object that stands in for a host event handler
// and calls the script procedure bound to it. Binding units derive one
// class per unit with a dispatch member per event type, each of the host
// event's own signature; the registry creates them by class.
#pragma once

#include <initializer_list>
#include <memory>

#include "platform/rtl/events.h"
#include "script/qm_kpinterpreter_args.h"

class TKpInterpreterExpression;

class TKpInterpreterEvent : public TObject {
    SERVIORA_HIERARCHY(TKpInterpreterEvent, TObject, TKpInterpreterExpression*, TObject*, AnsiString, AnsiString)
public:
    TKpInterpreterEvent(TKpInterpreterExpression* interpreter, TObject* target, AnsiString scriptUnit,
                        AnsiString scriptProc)
        : Interpreter(interpreter), Target(target), ScriptUnit(std::move(scriptUnit)), ScriptProc(std::move(scriptProc)) {}

    // The frame of the calls, made on first use and kept.
    TKpInterpreterArgs& GetFrame();
    // Calls the script procedure with the values as its arguments, in
    // `frame` (GetFrame when nullptr), so a dispatch member reads var
    // parameters back from the frame afterwards.
    void InvokeHandler(TKpInterpreterArgs* frame, std::initializer_list<Variant> values, Variant& result);

    TKpInterpreterExpression* Interpreter;
    // The object the script procedure is called on.
    TObject* Target;
    AnsiString ScriptUnit;
    AnsiString ScriptProc;

private:
    std::unique_ptr<TKpInterpreterArgs> frame_;
};

using TKpInterpreterEventClass = const TKpInterpreterEvent::MetaClassType*;

// A handler made for an event property: the method to store in the
// property, and the object it calls, which the caller keeps as long as the
// property may fire.
struct TKpEventHandler {
    TMethod Method;
    std::unique_ptr<TKpInterpreterEvent> Handler;
};
