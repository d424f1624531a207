#include "datagrid/DBCtrlsVynComboBox.h"

#include <algorithm>

#include "datagrid/DBCtrlsVynDropDownRouting.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

SERVIORA_REGISTER_CLASS(TDBComboBoxVyn);

namespace {

int TextLength(const AnsiString& text) { return static_cast<int>(text.size()); }

}  // namespace

// ---- TDropDownBoxVyn -------------------------------------------------------------------

void TDropDownBoxVyn::Published(TPublished<TDropDownBoxVyn>& p) {
    p.Property("Align", &TDropDownBoxVyn::Align, &TDropDownBoxVyn::SetAlign).Default(daLeft);
    p.Property("AutoDrop", &TDropDownBoxVyn::AutoDrop, &TDropDownBoxVyn::SetAutoDrop).Default(false);
    p.Property("Rows", &TDropDownBoxVyn::Rows, &TDropDownBoxVyn::SetRows).Default(7);
    p.Property("Sizable", &TDropDownBoxVyn::Sizable, &TDropDownBoxVyn::SetSizable).Default(false);
    p.Property("Width", &TDropDownBoxVyn::Width, &TDropDownBoxVyn::SetWidth).Default(0);
}

void TDropDownBoxVyn::Assign(TPersistent* source) {
    auto* box = dynamic_cast<TDropDownBoxVyn*>(source);
    if (!box) return TPersistent::Assign(source);
    align_ = box->align_;
    autoDrop_ = box->autoDrop_;
    rows_ = box->rows_;
    sizable_ = box->sizable_;
    width_ = box->width_;
}

// ---- construction ----------------------------------------------------------------------

TCustomDBComboBoxVyn::TCustomDBComboBoxVyn(TComponent* owner)
    : TCustomDBEditVyn(owner),
      dropDownBox_(std::make_unique<TDropDownBoxVyn>()),
      items_(std::make_unique<TStringList>()),
      keyItems_(std::make_unique<TStringList>()) {
    // The main button is a visible drop-down button pressed by Alt+Down.
    EditButton()->SetVisible(true);
    EditButton()->SetShortCut(ShortCut(VK_DOWN, TShiftState{ssAlt}));
    items_->SetOnChange([this](TObject* s) { ItemsChanged(s); });
    keyItems_->SetOnChange([this](TObject* s) { KeyItemsChanged(s); });
    UpdateItemsMode();
}

TCustomDBComboBoxVyn::~TCustomDBComboBoxVyn() {
    items_->SetOnChange({});
    keyItems_->SetOnChange({});
}

TPopupListboxVyn* TCustomDBComboBoxVyn::PopupList() {
    if (popupList_) return popupList_;
    popupList_ = new TPopupListboxVyn(this);
    popupList_->SetVisible(false);
    popupList_->SetCtl3D(true);
    popupList_->SetParent(this);
    popupList_->SetOnMouseUp([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { ListMouseUp(s, b, sh, x, y); });
    popupList_->SetOnGetImageIndex([this](TObject*, int index, int& image) {
        if (onGetItemImageIndex_) onGetItemImageIndex_(this, index, image);
    });
    return popupList_;
}

// ---- items and mode --------------------------------------------------------------------

void TCustomDBComboBoxVyn::ItemsChanged(TObject*) {
    UpdateItemsMode();
    UpdateItemIndex();
    RecalcMaxLength();
}

void TCustomDBComboBoxVyn::KeyItemsChanged(TObject* sender) {
    ItemsChanged(sender);
    DataLink()->ReloadAll();
}

void TCustomDBComboBoxVyn::UpdateItemsMode() {
    itemsCount_ = items_->Count();
    keyItemsMode_ = keyItems_->Count() > 0;
    if (keyItemsMode_) {
        itemsCount_ = std::min(items_->Count(), keyItems_->Count());
        SetEditText(AnsiString());
    }
    UpdateReadOnly();
}

void TCustomDBComboBoxVyn::SyncListSelection() {
    if (listDropped_) PopupList()->SetItemIndex(itemIndex_);
}

void TCustomDBComboBoxVyn::UpdateItemIndex() {
    itemIndex_ = items_->IndexOf(EditText());
    SyncListSelection();
    UpdateImageIndex();
}

int TCustomDBComboBoxVyn::FindItem(const AnsiString& text, bool partial) const {
    for (int i = 0; i < itemsCount_; ++i) {
        AnsiString item = items_->Strings(i);
        if (partial) item = item.substr(0, text.size());
        if (AnsiCompareText(item, text) == 0) return i;
    }
    return -1;
}

void TCustomDBComboBoxVyn::SetItemIndex(int index) {
    if (index == itemIndex_) return;
    if (index < 0 || index >= itemsCount_) {
        itemIndex_ = -1;
        keyValue_ = Null();
    } else {
        itemIndex_ = index;
        if (keyItemsMode_) keyValue_ = Variant(keyItems_->Strings(index));
    }
    UpdateImageIndex();
    SyncListSelection();
    if (itemIndex_ < 0)
        TCustomDBEditVyn::StoreText(AnsiString());
    else
        SetEditText(items_->Strings(itemIndex_));
}

void TCustomDBComboBoxVyn::SelectNextItem(bool up) {
    if (!EditCanModify()) return;
    const int old = itemIndex_;
    if (up) {
        if (itemIndex_ > 0)
            SetItemIndex(itemIndex_ - 1);
        else if (itemIndex_ < 0)
            SetItemIndex(itemsCount_ - 1);
    } else if (itemIndex_ < itemsCount_ - 1) {
        SetItemIndex(itemIndex_ + 1);
    }
    if (itemIndex_ != old) SelectAll();
}

void TCustomDBComboBoxVyn::Clear() {
    if (keyItemsMode_)
        SetValue(Null());
    else
        TCustomDBEditVyn::Clear();
}

// ---- values ----------------------------------------------------------------------------

TAlignment TCustomDBComboBoxVyn::FieldAlignment() const {
    return keyItemsMode_ ? taLeftJustify : TCustomDBEditVyn::FieldAlignment();
}

Variant TCustomDBComboBoxVyn::GetVariantValue() const {
    return keyItemsMode_ ? keyValue_ : Variant(Text());
}

bool TCustomDBComboBoxVyn::IsValidInputChar(char c) const {
    return keyItemsMode_ || TCustomDBEditVyn::IsValidInputChar(c);
}

void TCustomDBComboBoxVyn::StoreText(const AnsiString& text) {
    if (!keyItemsMode_) {
        TCustomDBEditVyn::StoreText(text);
        UpdateItemIndex();
        return;
    }
    const int i = items_->IndexOf(text);
    if (i < 0 || i >= itemsCount_) return;
    itemIndex_ = i;
    UpdateImageIndex();
    SyncListSelection();
    keyValue_ = Variant(keyItems_->Strings(i));
    TCustomDBEditVyn::StoreText(text);
}

void TCustomDBComboBoxVyn::StoreValue(const Variant& value) {
    if (!keyItemsMode_) {
        TCustomDBEditVyn::StoreValue(value);
        UpdateItemIndex();
        return;
    }
    keyValue_ = value;
    if (VarIsNull(value) || VarIsEmpty(value)) {
        SetEditText(AnsiString());
        itemIndex_ = -1;
    } else {
        const int i = keyItems_->IndexOf(VarToStr(value));
        itemIndex_ = i;
        SetEditText(i >= 0 && i < itemsCount_ ? items_->Strings(i) : AnsiString());
    }
    UpdateImageIndex();
    SyncListSelection();
}

// A data-independent box in key mode keeps its key as it is, so that a
// cleared box holds Null rather than an empty text.
void TCustomDBComboBoxVyn::PostTextToField() {
    const Variant value = GetVariantValue();
    if (IsDataIndependent() && keyItemsMode_) return DataLink()->WriteValue(value);
    if (IsDataIndependent()) return DataLink()->WriteText(EditText());
    DataLink()->WriteText(VarIsNull(value) || VarIsEmpty(value) ? AnsiString() : VarToStr(value));
}

void TCustomDBComboBoxVyn::FieldChanged() {
    if (TField* field = Field()) {
        if (field->Alignment() != Alignment()) Invalidate();
        if (!keyItemsMode_ && (field->DataType() == ftString || field->DataType() == ftWideString) && MaxLength() == 0)
            SetMaxLength(field->Size());
        const bool focused = FocusFlag() && DataLink()->CanModify();
        if (focused || keyItemsMode_) {
            StoreValue(field->IsNull() ? Null() : Variant(field->Text()));
        } else {
            SetEditText(field->DisplayText());
            UpdateItemIndex();
        }
    } else if (IsDataIndependent() && keyItemsMode_) {
        StoreValue(DataLink()->OwnValue());
    } else if (IsDataIndependent()) {
        const Variant& own = DataLink()->OwnValue();
        SetEditText(VarIsNull(own) || VarIsEmpty(own) ? AnsiString() : VarToStr(own));
        UpdateItemIndex();
    } else {
        SetEditText(AnsiString());
        UpdateItemIndex();
    }
    SetModified(false);
}

void TCustomDBComboBoxVyn::UpdateData(TObject* sender) {
    if (onNotInList_ && itemIndex_ == -1) {
        bool recheck = false;
        onNotInList_(this, EditText(), recheck);
    }
    TCustomDBEditVyn::UpdateData(sender);
}

void TCustomDBComboBoxVyn::RecalcMaxLength() {
    if (MaxLength() > 0 && keyItemsMode_) {
        SetMaxLength(0);
        return;
    }
    TCustomDBEditVyn::RecalcMaxLength();
}

void TCustomDBComboBoxVyn::UpdateReadOnly() {
    TCustomDBEditVyn::UpdateReadOnly();
    if (keyItemsMode_) TCustomMaskEdit::SetReadOnly(true);
}

void TCustomDBComboBoxVyn::UpdateImageIndex() {
    itemImageIndex_ = itemIndex_;
    if (onGetItemImageIndex_) onGetItemImageIndex_(this, itemIndex_, itemImageIndex_);
    TCustomDBEditVyn::UpdateImageIndex();
}

void TCustomDBComboBoxVyn::Change() {
    TCustomDBEditVyn::Change();
    if (!keyItemsMode_) UpdateItemIndex();
}

AnsiString TCustomDBComboBoxVyn::TextToShow() const {
    if (ControlState().Contains(csPaintCopy) && Field() && !ComponentState().Contains(csDesigning)) {
        AnsiString text;
        if (keyItemsMode_) {
            const int i = keyItems_->IndexOf(Field()->Text());
            if (i >= 0 && i < itemsCount_) text = items_->Strings(i);
        } else {
            text = Field()->DisplayText();
        }
        switch (CharCase()) {
        case ecUpperCase: return AnsiUpperCase(text);
        case ecLowerCase: return AnsiLowerCase(text);
        default: return text;
        }
    }
    return TCustomDBEditVyn::TextToShow();
}

// ---- typing ----------------------------------------------------------------------------

bool TCustomDBComboBoxVyn::LocateItem(const AnsiString& text, bool partial) {
    if (!EditCanModify()) return false;
    const int old = itemIndex_;
    try {
        const int i = FindItem(text, partial);
        if (i >= 0) {
            SetItemIndex(i);
            const int length = TextLength(EditText());
            SetSelStart(TextLength(text));
            SetSelLength(length - TextLength(text));
        } else if (!keyItemsMode_) {
            SetItemIndex(-1);
        }
    } catch (const Exception&) {
        SetItemIndex(old);
    }
    return itemIndex_ != old;
}

bool TCustomDBComboBoxVyn::ProcessTypedText(const AnsiString& text) {
    if (!(IsDataIndependent() || Field()) || !EditCanModify()) return false;
    if (text == "\b") {
        const AnsiString shown = EditText();
        const int length = TextLength(shown);
        int start = SelStart();
        if (SelLength() == length)
            start = PreviousCharStart(shown, length);
        else
            start = PreviousCharStart(shown, start);
        SetSelStart(length);
        SetSelStart(start);
        SetSelLength(length - start);
        return false;
    }
    const AnsiString before = EditText().substr(0, static_cast<std::size_t>(std::max(0, SelStart())));
    return LocateItem(before + text, true);
}

void TCustomDBComboBoxVyn::KeyPress(char& key) {
    const unsigned char code = static_cast<unsigned char>(key);
    if (listDropped_ && (code == VK_RETURN || code == VK_ESCAPE)) {
        CloseUpButton(code == VK_RETURN);
        key = 0;
        return;
    }
    TCustomDBEditVyn::KeyPress(key);
    if (key == 0) return;
    if (code == VK_BACK && keyItemsMode_ && !ReadOnly()) {
        ProcessTypedText("\b");
        key = 0;
        return;
    }
    if (code < 32) return;
    if (dropDownBox_->AutoDrop() && !listDropped_) DropDownStart();
    if (keyItemsMode_ && !ReadOnly()) {
        AnsiString typed;
        const bool whole = TakeWholeCharacter(pendingLeadBytes_, key, typed);
        key = 0;
        if (whole) ProcessTypedText(typed);
    }
}

void TCustomDBComboBoxVyn::WMChar(TMessage& Message) {
    const AnsiString before = EditText();
    Inherited::Dispatch(Message);
    if (keyItemsMode_) return;
    const char ch = static_cast<char>(Message.WParam);
    if (ch == 0 || ch == '.' || GetKeyState(VK_CONTROL) < 0) return;
    // The first bytes of a double-byte character change nothing yet.
    if (ch != '\b' && EditText() == before) return;
    const int caret = SelStart();
    if (caret == TextLength(EditText()) && SelLength() == 0 && ch != '\b') {
        ProcessTypedText(AnsiString());
    } else if (FindItem(EditText(), false) >= 0 && LocateItem(EditText(), false)) {
        SetSelStart(caret);
        SetSelLength(TextLength(EditText()) - caret);
    }
}

void TCustomDBComboBoxVyn::KeyDown(Word& key, TShiftState shift) {
    TCustomDBEditVyn::KeyDown(key, shift);
    if (key == 0) return;
    if ((key == VK_UP || key == VK_DOWN) && !listDropped_ && !ReadOnly() &&
        (!WordWrap() || SelLength() == TextLength(EditText()))) {
        if (EditCanModify()) {
            SelectNextItem(key == VK_UP);
            key = 0;
        }
    } else if (key == VK_DELETE && keyItemsMode_ && !ReadOnly() && (IsDataIndependent() || !Field() || !Field()->Required())) {
        if (EditCanModify()) {
            StoreValue(Null());
            key = 0;
        }
    }
}

bool TCustomDBComboBoxVyn::SelectNextByWheel(bool down) {
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || ReadOnly() || !DataLink()->Edit()) return false;
    SelectNextItem(!down);
    return true;
}

bool TCustomDBComboBoxVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    return TCustomDBEditVyn::DoMouseWheelDown(shift, mousePos) || SelectNextByWheel(true);
}

bool TCustomDBComboBoxVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    return TCustomDBEditVyn::DoMouseWheelUp(shift, mousePos) || SelectNextByWheel(false);
}

void TCustomDBComboBoxVyn::CMMouseWheel(TMessage& Message) {
    if (listDropped_) {
        Message.Result = PopupList()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
        if (Message.Result) return;
    }
    Inherited::Dispatch(Message);
}

void TCustomDBComboBoxVyn::WMPaste(TMessage& Message) {
    if (!keyItemsMode_) return Inherited::Dispatch(Message);
    if (Clipboard()->HasFormat(CF_TEXT)) ProcessTypedText(Clipboard()->AsText());
}

// ---- the list --------------------------------------------------------------------------

int TCustomDBComboBoxVyn::ListWidth() {
    HDC dc = GetDC(0);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    int widest = 0;
    for (int i = 0; i < itemsCount_; ++i) {
        const AnsiString& item = items_->Strings(i);
        SIZE size{};
        GetTextExtentPoint32(dc, item.c_str(), static_cast<int>(item.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    int width = widest + 5;
    if (TCustomImageList* images = Images()) width += images->Width() + 4;
    return width;
}

void TCustomDBComboBoxVyn::DropDownStart() {
    if (listDropped_) return;
    TCustomDBEditVyn::DropDownStart();
    if (onDropDown_) onDropDown_(this);
    TPopupListboxVyn* list = PopupList();
    list->SetColor(Color());
    list->SetFont(Font());
    list->SetImages(Images());
    int itemHeight = TPopupListboxVyn::FontLineHeight(this);
    if (TCustomImageList* images = Images(); images && EditImage()->UseImageHeight() && images->Height() >= itemHeight)
        itemHeight = images->Height();
    list->SetItemHeight(itemHeight);
    list->Items()->Assign(items_.get());
    list->SetItemIndex(itemIndex_);
    list->HandleNeeded();
    TPopupListboxVyn::SetRowsHeight(list, std::max(1, std::min(dropDownBox_->Rows(), items_->Count())));
    if (dropDownBox_->Width() == -1)
        list->SetClientWidth(ListWidth());
    else
        list->SetWidth(dropDownBox_->Width() > 0 ? dropDownBox_->Width() : Width());
    if (list->Width() < Width()) list->SetWidth(Width());
    ShowDropDownAt(list, PlaceDropDownAtControl(this, list, dropDownBox_->Align()));
    list->SetVisible(true);
    list->SizeGrip()->ShowGrip(dropDownBox_->Sizable());
    listDropped_ = true;
    SetDroppedDown(true);
    list->SetUserResized(false);
}

void TCustomDBComboBoxVyn::CloseUpButton(bool accept) {
    if (!listDropped_) return;
    TPopupListboxVyn* list = PopupList();
    if (HWND capture = GetCapture(); capture) SendMessage(capture, WM_CANCELMODE, 0, 0);
    const bool listHadFocus = list->Focused();
    list->SetVisible(false);
    HideDropDown(list);
    if (list->UserResized()) {
        dropDownBox_->SetRows(list->RowCount());
        dropDownBox_->SetWidth(list->Width());
    }
    if (listHadFocus && CanFocus()) SetFocus();
    listDropped_ = false;
    TCustomDBEditVyn::CloseUpButton(accept);
    SetDroppedDown(false);
    if (accept && !ReadOnly() && DataLink()->Edit()) {
        SetItemIndex(list->ItemIndex());
        if (Focused()) SelectAll();
    }
    if (onCloseUp_) onCloseUp_(this, accept);
}

void TCustomDBComboBoxVyn::ButtonDropDown(bool downButton) {
    if (EditButton()->Style() == ebsUpDownVyn && !ReadOnly() && EditCanModify()) {
        SelectNextItem(!downButton);
        return;
    }
    TCustomDBEditVyn::ButtonDropDown(downButton);
}

void TCustomDBComboBoxVyn::ListMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft) return;
    const TRect client = PopupList()->ClientRect();
    CloseUpButton(PtInRect(&client, TPoint{x, y}));
}

bool TCustomDBComboBoxVyn::ForwardDragToList(TControl* control, int x, int y) {
    return listDropped_ && ForwardDragIntoList(control, PopupList(), x, y);
}

void TCustomDBComboBoxVyn::MouseMove(TShiftState shift, int x, int y) {
    if (!ForwardDragToList(this, x, y)) TCustomDBEditVyn::MouseMove(shift, x, y);
}

// A press on the main button that is dragged into the open list becomes a
// press in the list.
void TCustomDBComboBoxVyn::CreateWnd() {
    TCustomDBEditVyn::CreateWnd();
    if (ButtonControls().empty()) return;
    TEditButtonControlVyn* button = ButtonControls().front().second;
    button->SetOnMouseMove([this, button](TObject*, TShiftState, int x, int y) { ForwardDragToList(button, x, y); });
}

bool TCustomDBComboBoxVyn::IsOwnWindow(HWND window) { return IsWindowOfDropDown(window, this, popupList_); }

void TCustomDBComboBoxVyn::WMKillFocus(TMessage& Message) {
    if (listDropped_ && !IsOwnWindow(static_cast<HWND>(Message.WParam))) CloseUpButton(false);
    Inherited::Dispatch(Message);
}

void TCustomDBComboBoxVyn::CMCancelMode(TMessage& Message) {
    if (CancelModeFromOutside(Message, this, popupList_)) CloseUpButton(false);
    Inherited::Dispatch(Message);
}

void TCustomDBComboBoxVyn::CMWantSpecialKey(TMessage& Message) {
    if (listDropped_ && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE)) {
        Message.Result = 1;
        return;
    }
    Inherited::Dispatch(Message);
}

void TCustomDBComboBoxVyn::WMSetCursor(TMessage& Message) {
    if (!keyItemsMode_) return Inherited::Dispatch(Message);
    ::SetCursor(LoadCursor(0, IDC_ARROW));
    Message.Result = 1;
}

bool TCustomDBComboBoxVyn::KeyModeTextPress(const TMessage& Message) const {
    return keyItemsMode_ && TextPartButtonMessage(Message, this);
}

void TCustomDBComboBoxVyn::KeyModeMouse(const TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN && ButtonsAvailable() && !listDropped_) {
        if (!FocusFlag() && CanFocus()) SetFocus();
        dropDownByThisPress_ = true;
        DropDownStart();
    } else if (Message.Msg == WM_LBUTTONUP) {
        if (listDropped_ && !dropDownByThisPress_) CloseUpButton(false);
        dropDownByThisPress_ = false;
    }
}

// In key mode the edit window never sees a press on the text part.
void TCustomDBComboBoxVyn::DefaultHandler(TMessage& Message) {
    if (!KeyModeTextPress(Message)) return TCustomDBEditVyn::DefaultHandler(Message);
    ContextMenuForTextPart(Message, this);
}

void TCustomDBComboBoxVyn::WndProc(TMessage& Message) {
    if (KeyModeTextPress(Message)) KeyModeMouse(Message);
    if (listDropped_ && PagingKeyForList(Message, EditButton())) {
        Message.Result = SendMessage(PopupList()->Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    TCustomDBEditVyn::WndProc(Message);
}

// ---- publishing ------------------------------------------------------------------------

void TDBComboBoxVyn::Published(TPublished<TDBComboBoxVyn>& p) {
    using C = TDBComboBoxVyn;
    p.Property("Alignment", &C::Alignment, &C::SetAlignment).Stored(&C::AlignmentStored);
    p.Property("AlwaysShowBorder", &C::AlwaysShowBorder, &C::SetAlwaysShowBorder).Default(false);
    p.Property("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    p.Property("DataField", &C::DataField, &C::SetDataField);
    p.Property("DataSource", &C::DataSource, &C::SetDataSource);
    p.Property("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    p.Property("EditButton", &C::EditButton, &C::SetEditButton);
    p.Property("EditButtons", &C::EditButtons, &C::SetEditButtons);
    p.Property("EditMask", &C::EditMask, &C::SetEditMask).Stored(&C::EditMaskStored);
    p.Property("Flat", &C::Flat, &C::SetFlat).Default(false);
    p.Property("Images", &C::Images, &C::SetImages);
    p.Property("Items", &C::Items, &C::SetItems);
    p.Property("KeyItems", &C::KeyItems, &C::SetKeyItems);
    p.Property("MRUList", &C::MRUList, &C::SetMRUList);
    p.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Property("Text", &C::Text, &C::SetText).Stored(&C::TextStored);
    p.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
    p.Property("OnButtonClick", &C::OnButtonClick, &C::SetOnButtonClick);
    p.Property("OnButtonDown", &C::OnButtonDown, &C::SetOnButtonDown);
    p.Property("OnDropDown", &C::OnDropDown, &C::SetOnDropDown);
    p.Property("OnGetImageIndex", &C::OnGetImageIndex, &C::SetOnGetImageIndex);
    p.Property("OnGetItemImageIndex", &C::OnGetItemImageIndex, &C::SetOnGetItemImageIndex);
    p.Property("OnNotInList", &C::OnNotInList, &C::SetOnNotInList);
    p.Property("OnUpdateData", &C::OnUpdateData, &C::SetOnUpdateData);
}
