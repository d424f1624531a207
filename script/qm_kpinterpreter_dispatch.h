// Late-bound calls of automation objects from scripts.
#pragma once

#include "platform/rtl/automation.h"
#include "script/qm_kpinterpreter_args.h"

// The id of a member; EOleError "Method 'X' not supported by OLE object"
// when the object has none.
TDispID GetDispIDs(IAutomationObject& dispatch, const AnsiString& name);
// Calls the member by name; `result` (cleared first) may be null.
void DispatchCall(Variant* result, IAutomationObject& dispatch, const AnsiString& name, Word callType,
                  const TDispParams& params);

// The registry's member read (a method or property get with the frame's
// arguments) or write (a property put, the value before the arguments) on
// the frame's automation call object. Arguments pass as integers, doubles
// (currency too), Booleans and zero-terminated strings; a result is asked
// for only when reading with ResultWanted and comes back with wide text as
// a string. An automation error becomes 201 with the member and message.
void AutomationGet(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value);
void AutomationPut(const AnsiString& name, TKpInterpreterArgs& frame, const Variant& value);
