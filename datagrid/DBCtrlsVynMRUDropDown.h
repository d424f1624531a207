// The most-recently-used list's drop-down as the editors share it: sized
// for the remembered values the typed text filters in, placed under a
// reference rectangle, hidden again, and the keys it takes while open.
#pragma once

#include <functional>

#include "datagrid/DBGridVynSettings.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/ui/mask.h"

// Shows `list` (already filled) under `reference` (screen coordinates),
// `width` wide, in `editor`'s colours, or places an open one again. False
// when an open list has nothing left to show and is to close.
bool PlaceMRUList(TMRUListVyn* mru, TMRUListboxVyn* list, TCustomMaskEdit* editor, const RECT& reference, int width,
                  const TNotifyEvent& onResize);
// Hides the open list; the editor takes the focus back when the list had it.
void HideMRUList(TMRUListVyn* mru, TMRUListboxVyn* list, TCustomMaskEdit* editor);
// While the list is open: Enter and Escape close it (`close`, accepting on
// Enter); the paging keys and Ctrl+Home/End go to the list. True when the
// message ends there.
bool RouteKeyToMRUList(TMessage& Message, TMRUListboxVyn* list, const std::function<void(bool)>& close);
