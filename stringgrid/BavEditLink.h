// An application's own control as the editor of edCustom cells, shown in
// the cell or in a pop-up form at the cell, and the overlay edit that edits
// fixed cells.
#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "stringgrid/BavGrid.h"

SERVIORA_ENUM(TEditStyle, esInplace, esPopup)

// The base of a link: a descendant supplies the control (GetEditControl,
// CreateEditor) and the value transfer; the base carries the protocol with
// the grid.
class TEditLink : public TComponent {
    SERVIORA_CLASS(TEditLink, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TEditLink(TComponent* owner);
    // Frees the link's own pop-up form (and no other).
    ~TEditLink() override;

    // For the linked control's key-down event: the keys that leave the cell.
    virtual void EditKeyDown(TObject* sender, Word& key, TShiftState shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl*) {}
    virtual void DestroyEditor() {}
    virtual void SetEditorFocus(bool value);
    virtual void SetEditorRect(TRect r);
    virtual void SetEditorVisible(bool value);
    virtual void SetEditorProperties() {}
    virtual void SetEditorLook(TColor, TFont*) {}
    virtual AnsiString GetEditorValue() { return {}; }
    virtual void SetEditorValue(const AnsiString&) {}

    void HideEditorControl();
    void CommitEditorValue(const AnsiString& value);
    void FinishEdit();
    void FinishPopupEdit();
    void PopupDeactivate(TObject* sender);

    // The grid's steps to open the link over a cell (the typed character
    // posted to the control when not 0) and to read it back.
    void Open(TBavStringGrid* grid, int col, int row, char typed);
    void ReadBack();

    TBavStringGrid* Grid() const { return grid_; }
    TForm* PopupForm() const { return popupForm_; }
    TGridCoord EditCell() const { return editCell_; }
    bool ForcedExit() const { return forcedExit_; }

    TEditStyle EditStyle() const { return editStyle_; }
    void SetEditStyle(TEditStyle v) { editStyle_ = v; }
    int PopupWidth() const { return popupWidth_; }
    void SetPopupWidth(int v) { popupWidth_ = v; }
    int PopupHeight() const { return popupHeight_; }
    void SetPopupHeight(int v) { popupHeight_ = v; }
    int PopupLeft() const { return popupLeft_; }
    void SetPopupLeft(int v) { popupLeft_ = v; }
    int PopupTop() const { return popupTop_; }
    void SetPopupTop(int v) { popupTop_ = v; }
    bool AutoPopupWidth() const { return autoPopupWidth_; }
    void SetAutoPopupWidth(bool v) { autoPopupWidth_ = v; }
    bool WantKeyLeftRight() const { return wantKeyLeftRight_; }
    void SetWantKeyLeftRight(bool v) { wantKeyLeftRight_ = v; }
    bool WantKeyUpDown() const { return wantKeyUpDown_; }
    void SetWantKeyUpDown(bool v) { wantKeyUpDown_ = v; }
    bool WantKeyHomeEnd() const { return wantKeyHomeEnd_; }
    void SetWantKeyHomeEnd(bool v) { wantKeyHomeEnd_ = v; }
    bool WantKeyPriorNext() const { return wantKeyPriorNext_; }
    void SetWantKeyPriorNext(bool v) { wantKeyPriorNext_ = v; }
    bool WantKeyReturn() const { return wantKeyReturn_; }
    void SetWantKeyReturn(bool v) { wantKeyReturn_ = v; }
    bool WantKeyEscape() const { return wantKeyEscape_; }
    void SetWantKeyEscape(bool v) { wantKeyEscape_ = v; }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The grid takes the focus with ForcedExit set around it.
    void FocusGrid();
    void OpenPopupForm(const TRect& cell);

    TBavStringGrid* grid_ = nullptr;
    TForm* popupForm_ = nullptr;
    TGridCoord editCell_{-1, -1};
    bool forcedExit_ = false;
    TWinControl* hookedControl_ = nullptr;
    TEditStyle editStyle_ = esInplace;
    int popupWidth_ = 0, popupHeight_ = 0, popupLeft_ = -1, popupTop_ = -1;
    bool autoPopupWidth_ = false;
    bool wantKeyLeftRight_ = false, wantKeyUpDown_ = false, wantKeyHomeEnd_ = false, wantKeyPriorNext_ = false,
         wantKeyReturn_ = false, wantKeyEscape_ = false;
    int tag_ = 0;
};

// A borderless edit over a fixed cell; it validates and stores its text
// when it loses the focus.
class TGridTransEdit : public TCustomEdit {
    SERVIORA_CLASS(TGridTransEdit, TCustomEdit)
public:
    explicit TGridTransEdit(TBavStringGrid* grid);
    int CellCol() const { return cellCol_; }
    void SetCellCol(int v) { cellCol_ = v; }
    int CellRow() const { return cellRow_; }
    void SetCellRow(int v) { cellRow_ = v; }
    // True when the text was stored (or there is no grid); false when the
    // validation refused it and the edit kept the focus.
    bool CommitText();

protected:
    void KeyPress(char& key) override;
    void DoExit() override;

private:
    TBavStringGrid* grid_;
    int cellCol_ = -1, cellRow_ = -1;
};
