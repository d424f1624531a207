// The script binding of the Forms unit: forms, scrolling controls, the
// screen and the application, and the form and application event types.
#pragma once

#include "platform/ui/forms.h"
#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;

// Calls the script procedure bound to a form's or the application's
// event; var parameters come back from the procedure's arguments.
class TKpInterpreterFormsEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TKpInterpreterFormsEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    // Only the low byte of the Action left by the script is taken.
    void CloseEvent(TObject* Sender, TCloseAction& Action);
    void CloseQueryEvent(TObject* Sender, bool& CanClose);
    // The procedure gets the exception object E holds.
    void ExceptionEvent(TObject* Sender, const std::exception_ptr& E);
    void IdleEvent(TObject* Sender, bool& Done);
    // Never calls the procedure: raises error 2 "TShowHintEvent not implemented".
    void ShowHintEvent(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo);
};

// Registers the unit "Forms" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterFormsBindings(TKpInterpreterAdapter& adapter);
