// The script binding of the Controls unit: control base classes, image
// lists, the control functions and constants, and the mouse, key and drag
// event types.
#pragma once

#include "platform/ui/controls.h"
#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;
class TDragObject;

// Calls the script procedure bound to a control's mouse, key or drag event;
// var parameters come back from the procedure's arguments.
class TKpInterpreterControlsEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TKpInterpreterControlsEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    void MouseEvent(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMoveEvent(TObject* Sender, TShiftState Shift, int X, int Y);
    void KeyEvent(TObject* Sender, Word& Key, TShiftState Shift);
    // An empty string left in Key hands back character 0.
    void KeyPressEvent(TObject* Sender, char& Key);
    void DragOverEvent(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void DragDropEvent(TObject* Sender, TObject* Source, int X, int Y);
    void StartDragEvent(TObject* Sender, TDragObject*& DragObject);
    void EndDragEvent(TObject* Sender, TObject* Target, int X, int Y);
};

// Reaches the painting members TCustomControl keeps protected.
class THackCustomControl : public TCustomControl {
    SERVIORA_CLASS(THackCustomControl, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    static void CallPaint(TCustomControl* control) { (control->*&THackCustomControl::Paint)(); }
    static void CallPaintWindow(TCustomControl* control, HDC dc) { (control->*&THackCustomControl::PaintWindow)(dc); }
};

// Registers the unit "Controls" (and the accessor class under "IH_Controls").
void RegisterControlsBindings(TKpInterpreterAdapter& adapter);
