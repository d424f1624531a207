// The protocol by which a host control embeds a data-aware editor in place
// (the grid's filter row): the host sees the editor's messages and keys
// first and tells it where and when the host was last pressed.
#pragma once

#include "platform/ui/controls.h"

class IInplaceEditHolderVyn {
public:
    virtual bool CanEditorModify(TWinControl* editor) = 0;
    // The host's last mouse-down: its screen point and message time.
    virtual bool LastMouseDownForEditor(TPoint& pos, int& time) = 0;
    // Sees every message of the editor first; a non-zero Result ends it.
    virtual void EditorWndProc(TWinControl* editor, TMessage& message) = 0;
    // Run before the editor's own handling; a key set to 0 stops it.
    virtual void EditorKeyDown(TWinControl* editor, Word& key, TShiftState shift) = 0;
    virtual void EditorKeyPress(TWinControl* editor, char& key) = 0;
    virtual void EditorKeyUp(TWinControl* editor, Word& key, TShiftState shift) = 0;

protected:
    ~IInplaceEditHolderVyn() = default;
};
