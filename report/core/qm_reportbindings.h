// The report engine's own classes as scripts see them: the object, band,
// page, report and data-source classes with the few members scripts call
// directly, the engine's constants and colour names, and the page and
// preview-click event types. Every other member of a report object reaches
// scripts through the report's own name resolvers.
#pragma once

#include "platform/ui/controls.h"
#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;
class TQmView;

// Calls the script procedure bound to a page's begin or end event or to an
// object's preview click; Modified comes back from its arguments.
class TQmReportPageEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TQmReportPageEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    void BeginPageEvent(Integer PageNo);
    void EndPageEvent(Integer PageNo);
    void PreviewClickEvent(TQmView* View, TMouseButton Button, TShiftState Shift, bool& Modified);
};

// Registers the report classes on the registry; the report unit's start-up
// calls it last, after the class-library units.
void RegisterReportBindings(TKpInterpreterAdapter& adapter);
