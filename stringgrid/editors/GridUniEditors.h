// The grid's Unicode editor controls: edit, memo and button edit over a
// cell, reading and writing the cell as wide text; their navigation keys
// commit through the wide validation or leave the cell.
#pragma once

#include "stringgrid/editors/BqgUniEdits.h"

class TBavStringGrid;

// edUniEdit: Tab, Enter, Up and Down commit, Esc puts the cell's text back.
class TGridUniEdit : public TBqgUniEdit {
    SERVIORA_CLASS(TGridUniEdit, TBqgUniEdit)
public:
    explicit TGridUniEdit(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    TBavStringGrid* grid_;
};

// edUniMemo: Enter and the arrows stay in the text; Tab commits.
class TGridUniMemo : public TBqgUniMemo {
    SERVIORA_CLASS(TGridUniMemo, TBqgUniMemo)
public:
    explicit TGridUniMemo(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    TBavStringGrid* grid_;
};

// edUniEditBtn: the keys of the Unicode edit; the button is the ellipsis.
class TGridUniEditBtn : public TBqgUniEditBtn {
    SERVIORA_CLASS(TGridUniEditBtn, TBqgUniEditBtn)
public:
    explicit TGridUniEditBtn(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    TBavStringGrid* grid_;
};

// edUniComboEdit and edUniComboList: Tab, Enter, Up and Down leave the cell
// without validation, Esc puts the cell's wide text (and its item) back.
class TGridUniCombo : public TBQGUniComboBox {
    SERVIORA_CLASS(TGridUniCombo, TBQGUniComboBox)
public:
    explicit TGridUniCombo(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    TBavStringGrid* grid_;
};
