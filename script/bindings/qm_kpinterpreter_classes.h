// The script binding of the Classes unit: lists, persistent objects,
// collections, string lists and components, their constants, and the event
// types TNotifyEvent and THelpEvent.
#pragma once

#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;

// Calls the script procedure bound to a Classes event.
class TKpInterpreterClassesEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TKpInterpreterClassesEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    void NotifyEvent(TObject* Sender);
    // The procedure's result is the event's; CallHelp comes back from its
    // third argument.
    bool HelpEvent(Word Command, Integer Data, bool& CallHelp);
};

void RegisterClassesBindings(TKpInterpreterAdapter& adapter);
