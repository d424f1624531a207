// TDBGridInplaceEdit, the editor the data-aware grid moves from cell to
// cell. By the current column it shows a main edit button and the column's
// extra buttons, completes typed text from pick lists, key lists and lookup
// datasets, steps values with an up-down button, draws the column's image
// and hands the grid the keys that belong to it. Its drop-downs (pick list,
// lookup list, calendar, calculator) are reached through OpenDropDown and
// CloseDropDown.
#pragma once

#include <memory>

#include "datagrid/ToolCtrlsVynButtons.h"
#include "datagrid/ToolCtrlsVynDropDown.h"
#include "platform/ui/grids.h"

class TCustomDBGridVyn;
class TColumnVyn;
class TDataSource;
class TMRUListVyn;
class TMRUListboxVyn;
class TPopupListboxVyn;
class TPopupMonthCalendarVyn;
class TPopupCalculatorVyn;
class TPopupDataGridVyn;
class TControlCanvas;

// What the editor shows beside its text, by the current column.
SERVIORA_ENUM(TInplaceEditStyle, iesSimple, iesEllipsis, iesPickList, iesDataList, iesDateCalendar, iesUpDown,
              iesDropDown)

class TDBGridInplaceEdit : public TInplaceEdit, public IDropDownHostVyn {
    SERVIORA_CLASS(TDBGridInplaceEdit, TInplaceEdit)
public:
    explicit TDBGridInplaceEdit(TComponent* owner);
    ~TDBGridInplaceEdit() override;

    TCustomDBGridVyn* DBGrid() const;
    // The grid's current column, or nullptr.
    TColumnVyn* Column() const;
    // The style a column's cells edit with; the grid paints the same button.
    static TInplaceEditStyle ColumnEditStyle(const TColumnVyn* column);

    TInplaceEditStyle EditStyle() const { return editStyle_; }
    // The pop-up of the current style, or nullptr.
    TWinControl* ActiveList() const { return activeList_; }
    TPopupListboxVyn* PickList() const { return pickList_; }
    TPopupDataGridVyn* DataList() const { return dataList_; }
    bool ListVisible() const { return listVisible_; }
    bool DroppedDown() const { return droppedDown_; }
    bool LockCloseList() const { return lockCloseList_; }
    void SetLockCloseList(bool v) { lockCloseList_ = v; }
    bool OwnReadOnly() const { return ownReadOnly_; }
    bool WordWrap() const { return wordWrap_; }
    int ImageIndex() const { return imageIndex_; }
    int ButtonsWidth() const { return buttonsWidth_; }
    bool TextChangedByUser() const { return textChangedByUser_; }
    const TEditButtonControlList& EditButtonControls() const { return buttonControls_; }
    TMRUListVyn* MRUList() const { return mruList_; }
    // The text area: the formatting rectangle's horizontal extent over the
    // full height.
    TRect TextArea() const { return {textRect_.left, 0, textRect_.right, Height()}; }

    void UpdateContents() override;
    // The grid saw EN_CHANGE from the editor.
    virtual void UserTextChanged();
    // IDropDownHostVyn
    void CloseDropDown(bool accept) override;
    virtual void OpenDropDown();
    // The column's remembered values that begin with the text, under it.
    void OpenMRUList();
    void CloseMRUList(bool accept);
    TMRUListboxVyn* MRUListBox();

    // The index of the first string equal to `text` (or starting with it
    // when `partial`), letter case ignored; -1 when none.
    static int LocateInStrings(TStrings* strings, const AnsiString& text, bool partial);

protected:
    virtual void UpdateImageIndex();
    virtual TEditButtonControlVyn* MakeButtonControl();
    virtual TMRUListboxVyn* CreateMRUListBox();
    virtual TPopupCalculatorVyn* CalculatorPopup();
    virtual void EditButtonDownDefault(bool bottom);
    virtual void ProcessTypedText(AnsiString& keyText);
    virtual void ButtonClicked(TObject* sender);
    virtual void ButtonPressed(TObject* sender, bool topButton, bool& autoRepeat, bool& handled);
    virtual void ButtonMouseMoved(TObject* sender, TShiftState shift, int x, int y);
    virtual void ButtonMouseReleased(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    virtual void AcceptMRUItem(const AnsiString& itemText, bool& accept);
    virtual void MRUListResized(TObject* sender);
    void MRUListMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);

    void CreateParams(TCreateParams& params) override;
    void BoundsChanged() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;

    void ApplyEditStyle(TInplaceEditStyle style);
    void ApplyWordWrap(bool wordWrap);
    void LayoutEditButtons();
    void EnableEditButtons();
    // Steps the value by the column's Increment: the top half up, the
    // bottom half down (signs reversed for lists).
    void StepUpDown(bool bottom);
    void SyncLookupKeyFromText();
    // A typed character as one unit: the key with its queued trail byte.
    void CollectDoubleByteKey(char& key);
    // The tree lines and node box of the current row, left of the text.
    void PaintTreeNodes();
    void PaintEditImage();
    // The grid's key handling for a key the editor does not keep.
    void PassKeyToGrid(Word& key, TShiftState shift);
    bool CalculatorApplies() const;
    // Whether every key field of the current column's lookup field may change.
    bool LookupKeysCanModify() const;
    void DataListCloseUp(TObject* sender, bool accept);
    void PickListMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    // The open and close keys of list styles: Enter and Escape close an
    // open list, Ctrl+Enter opens, Alt+Up/Down toggles; a used key becomes 0.
    void HandleListKey(Word& key, TShiftState shift);
    // Keys for an open list or calculator; answers whether the message ended there.
    bool RouteListKey(TMessage& Message);

    void CMCancelMode(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMSetCursor(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_CANCELMODE, CMCancelMode)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocus)
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
        SERVIORA_MESSAGE(WM_PASTE, WMPaste)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
    SERVIORA_MESSAGES_END(TInplaceEdit)

private:
    // The modifiers held now, from the keyboard.
    static TShiftState KeyboardShiftState();
    // Completion in a lookup or list column: `candidate` typed, the entry
    // found shown with its rest after the candidate selected.
    void ShowCompletion(const AnsiString& text, std::size_t candidateLength, bool found);
    // The text with its selected part taken out.
    AnsiString TextWithoutSelection() const;
    // After a deletion in a list column: the key and the open list follow the text.
    void FollowTextInList();
    // The pick list's entries, height, selection and width for the cell.
    void FillPickList(TColumnVyn* column);
    // The lookup list's source, fields, rows, width and key for the cell;
    // false when the column has no lookup dataset.
    bool FillLookupList(TColumnVyn* column);
    void MarkListColumnsMoved(TObject* sender, int fromIndex, int toIndex);
    // Writes the accepted choice of the list just closed.
    void WriteListChoice(const Variant& key, const AnsiString& listText);
    void WriteLookupChoice(const Variant& key, const AnsiString& listText);
    // Sets the lookup list's key, when there is one.
    void SetListKey(const Variant& key);
    void SetPickListIndex(int index);
    int ButtonIndexOf(TObject* control) const;
    // The width of one button by default: flat or the scroll bar's.
    int DefaultButtonWidth() const;
    bool GridFlat() const;
    void CheckFocusState();

    TInplaceEditStyle editStyle_ = iesSimple;
    TWinControl* activeList_ = nullptr;
    TPopupListboxVyn* pickList_ = nullptr;
    TPopupDataGridVyn* dataList_ = nullptr;
    TPopupMonthCalendarVyn* calendar_ = nullptr;
    TPopupCalculatorVyn* calculator_ = nullptr;
    std::unique_ptr<TDataSource> lookupSource_;
    bool listVisible_ = false;
    bool droppedDown_ = false;
    bool lockCloseList_ = false;
    bool noClickCloseUp_ = false;
    bool listColumnsMoved_ = false;
    TEditButtonControlList buttonControls_;
    int buttonsWidth_ = 0;
    TMRUListVyn* mruList_ = nullptr;
    TMRUListboxVyn* mruListBox_ = nullptr;
    bool wordWrap_ = false;
    int imageIndex_ = -1;
    bool ownReadOnly_ = false;
    bool textChangedByUser_ = false;
    AnsiString lastTypedText_;
    bool replayingChars_ = false;
    // The cell's edited text when the list opened, for closing without accepting.
    AnsiString textBeforeList_;
    TRect textRect_{};
    std::unique_ptr<TControlCanvas> canvas_;
};
