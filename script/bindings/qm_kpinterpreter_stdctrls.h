// The script binding of the StdCtrls unit: the standard controls, their
// constants, and the owner-draw and scroll event types.
#pragma once

#include "platform/ui/stdctrls_listcontrol.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;

// Calls the script procedure bound to an owner-draw or scroll event; the
// item height and the scroll position come back from its arguments.
class TKpInterpreterStdCtrlsEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TKpInterpreterStdCtrlsEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    void DrawItemEvent(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void MeasureItemEvent(TWinControl* Control, int Index, int& Height);
    void ScrollEvent(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
};

void RegisterStdCtrlsBindings(TKpInterpreterAdapter& adapter);
