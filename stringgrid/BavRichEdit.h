// TBavRichEdit: the grid's hidden rich edits. The measuring one keeps the
// size its content asks for; the editing one, the editor of edRichEdit
// cells, grows the current row while the user types, lets the arrows leave
// a single-line cell and gives its text back when the grid takes the focus.
#pragma once

#include "platform/ui/comctrls_richedit.h"

class TBavStringGrid;

class TBavRichEdit : public TRichEdit {
    SERVIORA_CLASS(TBavRichEdit, TRichEdit)
public:
    explicit TBavRichEdit(TBavStringGrid* grid);

    void Lock() { locked_ = true; }
    void Unlock() { locked_ = false; }
    bool Locked() const { return locked_; }
    int RequiredWidth() const { return requiredWidth_; }
    int RequiredHeight() const { return requiredHeight_; }

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void RequestSize(const TRect& rect) override;
    void SelectionChange() override;
    void WMKillFocus(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
    SERVIORA_MESSAGES_END(TRichEdit)

private:
    TBavStringGrid* grid_;
    bool locked_ = false;
    int requiredWidth_ = 0, requiredHeight_ = 0;
};
