// Drop-down windows of the library's editors: the interface through which a
// pop-up asks its editor to close it, the pop-ups' own messages, and the
// placement of a drop-down against its editor within the work area of the
// monitor nearest to it.
#pragma once

#include "platform/ui/controls.h"

// Implemented by editors that own pop-ups; a pop-up finds it on its Owner.
class IDropDownHostVyn {
public:
    virtual ~IDropDownHostVyn() = default;
    virtual void CloseDropDown(bool Accept) = 0;
};

SERVIORA_ENUM(TDropDownAlign, daLeft, daRight, daCenter)

// Sent by the placement to the drop-down: WParam the side its size grip
// belongs on (0 left, 1 right, 2 top, 3 bottom). Its own id: 1124 is the
// grid's deferred layout, and the pop-up data grid is both.
constexpr UINT GripSideMessage = WM_USER + 103;
// Posted by a pop-up to itself when it loses the focus.
constexpr UINT QueuedCloseUpMessage = WM_USER + 101;

// The screen position for the drop-down's top-left corner under (or over)
// `masterAbsRect` (screen coordinates); the drop-down's height and width
// may shrink to the work area. GripSideMessage goes to it twice: the
// vertical side, then the horizontal one.
TPoint PlaceDropDownAtRect(const TRect& masterAbsRect, TWinControl* dropDown, TDropDownAlign align);
// The same against a control's bounds.
TPoint PlaceDropDownAtControl(TWinControl* master, TWinControl* dropDown, TDropDownAlign align);
// Asks the editor that owns a pop-up to close it; nothing when the owner
// takes no such request.
void CloseDropDownOfOwner(TComponent* popup, bool accept);
// WM_NCCALCSIZE of a pop-up with a frame of its own: the client rectangle
// the platform computed, shrunk by `width` on every side.
void InsetClientForFrame(TMessage& Message, int width);
// Shows a placed drop-down there without activating it, and hides it.
void ShowDropDownAt(TWinControl* dropDown, TPoint position);
void HideDropDown(TWinControl* dropDown);
