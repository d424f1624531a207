// TBavInplaceEdit: the string grid's own in-place editor. It filters what is
// typed and pasted by the cell's editor type, validates before the focus
// leaves the cell, walks to the neighbouring cell at the text's edges,
// completes from the grid's lookup list and takes the cell's look.
#pragma once

#include "platform/ui/grids.h"

class TBavStringGrid;

class TBavInplaceEdit : public TInplaceEdit {
    SERVIORA_CLASS(TBavInplaceEdit, TInplaceEdit)

public:
    explicit TBavInplaceEdit(TComponent* owner);

    // Below 1: no limit. Taken from the grid's MaxEditLength with each window.
    int LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(int v) { lengthLimit_ = v; }
    // Right-aligned text (a right-justified cell); re-creates the window.
    bool VAlign() const { return vAlign_; }
    void SetVAlign(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    void UpdateContents() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    void Change() override;
    void WndProc(TMessage& message) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(Word& key, TShiftState shift) override;

private:
    TBavStringGrid* BavGrid() const;
    // False when the character is dropped.
    bool FilterChar(char& ch, LPARAM keyData);
    // False when the key is taken here and goes no further.
    bool KeyDownMessage(Word key);
    void PasteMessage();
    void KillFocusMessage(HWND receiving);
    void SetFocusMessage();
    // A refused value: the kept text back, the caret placed, repainted.
    void RestoreAfterReject(const AnsiString& original);
    void PlaceCaretAfterRestore();
    // Left/Right at the text's edges move to the neighbouring cell; true
    // when the key walked.
    bool CursorWalk(Word& key, TShiftState shift);
    void AutoComplete();
    int CaretLine(bool last);

    int keyDownSelStart_ = 0;
    int lengthLimit_ = 0;
    bool vAlign_ = false;
    bool wordWrap_ = false;
    bool autoCompleteAllowed_ = true;
    bool verticalLeaveAccepted_ = false;
};
