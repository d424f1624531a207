// What the editors with a drop-down list share in routing input: whole
// double-byte characters from single key presses, a button drag carried
// into the open list, the paging keys the open list takes, presses on the
// text part of an editor that only chooses, and which windows are its own.
#pragma once

#include "datagrid/DBCtrlsVynEdit.h"

// The byte offset of the character before byte offset `pos`.
int PreviousCharStart(const AnsiString& text, int pos);
// Whether `bytes` hold exactly one whole character (1, 2 or 4 bytes).
bool WholeCharacter(const AnsiString& bytes);
// A double-byte character arrives byte by byte: `key` joins `pending`, and
// once they make a whole character it moves to `whole` (true).
bool TakeWholeCharacter(AnsiString& pending, char key, AnsiString& whole);

// A press on `control` dragged into the open `list` becomes a press there;
// answers whether it was handed over.
bool ForwardDragIntoList(TControl* control, TWinControl* list, int x, int y);
// Whether `window` is `editor` or `list` or a child of either.
bool IsWindowOfDropDown(HWND window, TWinControl* editor, TWinControl* list);
// Whether a CM_CANCELMODE names a control other than `editor`, `list` and
// their children.
bool CancelModeFromOutside(const TMessage& Message, TWinControl* editor, TWinControl* list);
// The keys an open list takes from its editor: paging, Up and Down, and
// Ctrl+Home/End; never the main button's shortcut.
bool PagingKeyForList(const TMessage& Message, const TEditButtonVyn* mainButton);
// A mouse button message over the text part (not the buttons) of `editor`.
bool TextPartButtonMessage(const TMessage& Message, const TCustomDBEditVyn* editor);
// A right release on a text part that hides its presses still asks for the
// context menu at the pointer.
void ContextMenuForTextPart(const TMessage& Message, TWinControl* editor);
