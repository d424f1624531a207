// The lookup combo box: master and list fields, the key value and its text,
// typing into the list, the drop-down grid, and posting the key.
#include "datagrid/DBLookupVyn.h"

#include <algorithm>

#include "datagrid/DBCtrlsVynDropDownRouting.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/commctrl.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

SERVIORA_REGISTER_CLASS(TDBLookupComboboxVyn);

namespace {

int TextLength(const AnsiString& text) { return static_cast<int>(text.size()); }

AnsiString JoinFieldNames(const std::vector<TField*>& fields) {
    AnsiString names;
    for (TField* field : fields) names += (names.empty() ? "" : ";") + field->FieldName();
    return names;
}

}  // namespace

// ---- The drop-down settings ----------------------------------------------------------------------

void TLookupComboboxDropDownBoxVyn::Published(TPublished<TLookupComboboxDropDownBoxVyn>& p) {
    using C = TLookupComboboxDropDownBoxVyn;
    p.Property("Align", &C::Align, &C::SetAlign).Default(daLeft);
    p.Property("AutoDrop", &C::AutoDrop, &C::SetAutoDrop).Default(false);
    p.Property("Rows", &C::Rows, &C::SetRows).Default(7);
    p.Property("ShowTitles", &C::ShowTitles, &C::SetShowTitles).Default(false);
    p.Property("Sizable", &C::Sizable, &C::SetSizable).Default(false);
    p.Property("SpecRow", &C::SpecRow, &C::SetSpecRow);
    p.Property("Width", &C::Width, &C::SetWidth).Default(0);
}

TLookupComboboxDropDownBoxVyn::TLookupComboboxDropDownBoxVyn(TPersistent* owner) : TColumnDropDownBoxVyn(owner) {
    SetRows(7);
}

void TLookupComboboxDropDownBoxVyn::Assign(TPersistent* source) {
    TColumnDropDownBoxVyn::Assign(source);
    if (auto* box = dynamic_cast<TLookupComboboxDropDownBoxVyn*>(source)) align_ = box->align_;
}

// ---- The links -----------------------------------------------------------------------------------

TListSourceLinkVyn::TListSourceLinkVyn(TCustomDBLookupComboboxVyn* combo) : combo_(combo) { SetVisualControl(true); }

void TListSourceLinkVyn::ActiveChanged() { combo_->ResolveListFields(); }
void TListSourceLinkVyn::LayoutChanged() { combo_->ResolveListFields(); }
void TListSourceLinkVyn::DataSetChanged() { combo_->ListDataSetChanged(); }

TDataSourceLinkVyn::TDataSourceLinkVyn(TCustomDBLookupComboboxVyn* combo) : combo_(combo) { SetSeveralFields(true); }

void TDataSourceLinkVyn::LayoutChanged() {
    TFieldDataLinkVyn::LayoutChanged();
    combo_->ResolveDataFields();
}

// ---- Creation ------------------------------------------------------------------------------------

TCustomDBLookupComboboxVyn::TCustomDBLookupComboboxVyn(TComponent* owner)
    : TCustomDBEditVyn(owner),
      listLink_(std::make_unique<TListSourceLinkVyn>(this)),
      dropDownBox_(std::make_unique<TLookupComboboxDropDownBoxVyn>(this)) {
    list_ = TPopupDataGridVyn::Create(this);
    list_->SetVisible(false);
    list_->SetParentCtl3D(false);
    list_->SetCtl3D(true);
    list_->SetParent(this);
    list_->SetOnCloseUp([this](TObject* sender, bool accept) { ListCloseUp(sender, accept); });
    dropDownBox_->SpecRow()->SetOnChangeNotify([this](TObject* sender) { SpecRowChanged(sender); });
    EditButton()->SetVisible(true);
    EditButton()->SetShortCut(ShortCut(VK_DOWN, TShiftState{ssAlt}));
}

TCustomDBLookupComboboxVyn::~TCustomDBLookupComboboxVyn() {
    dropDownBox_->SpecRow()->SetOnChangeNotify({});
    // Let go of the list without the link calling back into a control
    // that is going.
    listLink_.reset();
}

TFieldDataLinkVyn* TCustomDBLookupComboboxVyn::CreateFieldDataLink() { return new TDataSourceLinkVyn(this); }

void TCustomDBLookupComboboxVyn::Loaded() {
    TCustomDBEditVyn::Loaded();
    list_->SetSpecRow(dropDownBox_->SpecRow());
}

void TCustomDBLookupComboboxVyn::FreeNotificationTo(TComponent* component) {
    if (component) component->FreeNotification(this);
}

void TCustomDBLookupComboboxVyn::Notification(TComponent* component, TOperation operation) {
    TCustomDBEditVyn::Notification(component, operation);
    if (operation != opRemove || !listLink_) return;
    if (component == listSource_) {
        listSource_ = nullptr;
        AttachListSource();
    }
    if (dropDownBox_ && component == dropDownBox_->ListSource()) {
        dropDownBox_->SetListSource(nullptr);
        DataLink()->ReloadAll();
    }
}

// ---- Properties ----------------------------------------------------------------------------------

void TCustomDBLookupComboboxVyn::SetListSource(TDataSource* v) {
    CheckListBindingChangeable(this, lookupMode_, DataLink());
    listSource_ = v;
    if (v) v->FreeNotification(this);
    AttachListSource();
    if (ComponentState().Contains(csDesigning)) list_->SetListSource(v);
}

void TCustomDBLookupComboboxVyn::SetKeyField(const AnsiString& v) {
    CheckListBindingChangeable(this, lookupMode_, DataLink());
    if (keyField_ == v) return;
    keyField_ = v;
    ResolveListFields();
}

void TCustomDBLookupComboboxVyn::SetListField(const AnsiString& v) {
    if (listField_ == v) return;
    listField_ = v;
    ResolveListFields();
}

void TCustomDBLookupComboboxVyn::SetListFieldIndex(int v) {
    if (listFieldIndex_ == v) return;
    listFieldIndex_ = v;
    ResolveListFields();
}

void TCustomDBLookupComboboxVyn::SetStyle(TDBLookupComboboxVynStyle v) {
    style_ = v;
    UpdateReadOnly();
}

void TCustomDBLookupComboboxVyn::DataFieldWrite(const AnsiString& value) {
    if (dataField_ == value) return;
    dataField_ = value;
    ResolveDataFields();
    Invalidate();
}

void TCustomDBLookupComboboxVyn::SetOnButtonClick(TButtonClickEventVyn v) {
    TCustomDBEditVyn::SetOnButtonClick(std::move(v));
    UpdateEditButtonStates();
}

void TCustomDBLookupComboboxVyn::SetOnButtonDown(TButtonDownEventVyn v) {
    TCustomDBEditVyn::SetOnButtonDown(std::move(v));
    UpdateEditButtonStates();
}

bool TCustomDBLookupComboboxVyn::ButtonsAvailable() const {
    return TCustomDBEditVyn::ButtonsAvailable() && (listActive_ || OnButtonClick() || OnButtonDown());
}

TAlignment TCustomDBLookupComboboxVyn::FieldAlignment() const {
    return unbound_ ? TCustomDBEditVyn::FieldAlignment() : taLeftJustify;
}

bool TCustomDBLookupComboboxVyn::IsValidInputChar(char c) const {
    return listActive_ && displayField_ ? displayField_->IsValidChar(c) : TCustomDBEditVyn::IsValidInputChar(c);
}

// Typing in the list style goes through the list, never into the window.
void TCustomDBLookupComboboxVyn::UpdateReadOnly() {
    if (unbound_ || style_ == csDropDownVyn) return TCustomDBEditVyn::UpdateReadOnly();
    TCustomMaskEdit::SetReadOnly(true);
}

// ---- Master fields -------------------------------------------------------------------------------

void TCustomDBLookupComboboxVyn::ResolveDataFields() {
    if (resolvingDataFields_) return;
    const ValueRestorer<bool> guard(resolvingDataFields_, true);
    masterFields_.clear();
    masterKeyFields_.clear();
    TDataSet* master = DataLink()->DataSet();
    if (DataLink()->HasOpenDataSet() && !dataField_.empty()) {
        if (TDataSource* list = EffectiveListSource(); list && list->IsLinkedTo(master))
            DatabaseError(SCircularDataLink, this);
        masterFields_ = master->GetFieldList(dataField_);
        TField* lookup = MasterLookupField(masterFields_);
        if (lookup) {
            masterKeyFields_ = master->GetFieldList(lookup->KeyFields());
            if (!lookupSource_) lookupSource_ = std::make_unique<TDataSource>(nullptr);
            lookupSource_->SetDataSet(lookup->LookupDataSet());
            keyField_ = lookup->LookupKeyFields();
            lookupMode_ = true;
            AttachListSource();
        } else {
            masterKeyFields_ = masterFields_;
            if (lookupMode_) {
                lookupMode_ = false;
                AttachListSource();
                lookupSource_.reset();
            }
        }
    }
    DataLink()->SetFieldName(masterKeyFields_.empty() ? dataField_ : JoinFieldNames(masterKeyFields_));
    unbound_ = !DataSource() && dataField_.empty() && !listSource_ && listField_.empty() && keyField_.empty();
    UpdateReadOnly();
    UpdateEditButtonStates();
    if (!unbound_) FieldChanged();
}

void TCustomDBLookupComboboxVyn::DataLinkActiveChanged(TObject* sender) {
    TCustomDBEditVyn::DataLinkActiveChanged(sender);
    ResolveDataFields();
}

// ---- List fields ---------------------------------------------------------------------------------

TDataSource* TCustomDBLookupComboboxVyn::EffectiveListSource() const {
    if (FocusFlag() && dropDownBox_->ListSource() && !ComponentState().Contains(csDesigning))
        return dropDownBox_->ListSource();
    if (lookupMode_) return lookupSource_.get();
    return listSource_;
}

void TCustomDBLookupComboboxVyn::AttachListSource() { listLink_->SetDataSource(EffectiveListSource()); }

bool TCustomDBLookupComboboxVyn::UsesBoxListSource() const {
    return dropDownBox_->ListSource() && EffectiveListSource() == dropDownBox_->ListSource();
}

void TCustomDBLookupComboboxVyn::ResolveListFields() {
    if (listVisible_) return;
    listActive_ = false;
    displayField_ = nullptr;
    listFields_.clear();
    keyFields_.clear();
    UpdateEditButtonStates();
    if (listLink_->Active() && !keyField_.empty()) {
        TDataSet* list = ListDataSet();
        if (DataLink()->DataSource() && DataLink()->DataSource()->IsLinkedTo(list))
            DatabaseError(SCircularDataLink, this);
        TLookupListFieldsVyn found =
            FindListFields(list, keyField_, listField_, listFieldIndex_, lookupMode_ ? masterFields_.front() : nullptr);
        keyFields_ = std::move(found.keyFields);
        listFields_ = std::move(found.listFields);
        displayField_ = found.displayField;
        listActive_ = true;
    }
    unbound_ = !DataSource() && dataField_.empty() && !listSource_ && listField_.empty() && keyField_.empty();
    UpdateReadOnly();
    UpdateEditButtonStates();
    const bool modified = Modified();
    if (!unbound_) {
        if (listActive_)
            ShowText(KeyText());
        else
            ShowText(ComponentState().Contains(csDesigning) ? Name() : AnsiString());
    }
    SetModified(modified);
    if (modified) DataLink()->SetModified();
    Invalidate();
}

bool TCustomDBLookupComboboxVyn::KeyValueFitsFields() const { return KeyFitsFields(keyValue_, keyFields_.size()); }

bool TCustomDBLookupComboboxVyn::FindKeyInBoxSource(TDataSource* source) {
    return LocateKey(source ? source->DataSet() : nullptr, keyField_, keyValue_, keyFields_.size());
}

bool TCustomDBLookupComboboxVyn::FindKeyInList() { return FindKeyInBoxSource(listLink_->DataSource()); }

Variant TCustomDBLookupComboboxVyn::CurrentListKey() const { return KeyFieldValues(keyFields_); }

bool TCustomDBLookupComboboxVyn::SpecRowHoldsKey() const {
    return dropDownBox_->SpecRow()->Visible() && dropDownBox_->SpecRow()->MatchesKey(keyValue_);
}

AnsiString TCustomDBLookupComboboxVyn::KeyText() {
    TSpecRowVyn* specRow = dropDownBox_->SpecRow();
    if (UsesBoxListSource() && displayField_ && FindKeyInBoxSource(dropDownBox_->ListSource()))
        return dropDownBox_->ListSource()->DataSet()->FieldByName(displayField_->FieldName())->DisplayText();
    const bool found = FindKeyInList();
    if (specRow->Visible() && (specRow->MatchesKey(keyValue_) || (specRow->ShowIfNotInKeyList() && !found)))
        return specRow->CellText(listFieldIndex_);
    return found && displayField_ ? displayField_->DisplayText() : AnsiString();
}

void TCustomDBLookupComboboxVyn::ShowText(const AnsiString& text) {
    if (EditText() != text) TCustomMaskEdit::SetText(text);
}

void TCustomDBLookupComboboxVyn::SelectWholeText() {
    if (HandleAllocated()) SelectAll();
}

// ---- The key value -------------------------------------------------------------------------------

bool TCustomDBLookupComboboxVyn::SameKeyValue(const Variant& a, const Variant& b) { return SameVariantValue(a, b); }

void TCustomDBLookupComboboxVyn::StoreKeyValue(const Variant& value) {
    if (SameKeyValue(keyValue_, value)) return;
    keyValue_ = value;
    AfterKeyValueChange();
}

void TCustomDBLookupComboboxVyn::SetKeyValue(const Variant& v) {
    StoreKeyValue(v);
    if (!DataLink()->DataIndependent() || unbound_) return;
    DataLink()->SetOwnValueIsText(false);
    DataLink()->WriteValue(keyValue_);
}

void TCustomDBLookupComboboxVyn::AfterKeyValueChange() {
    DataLink()->SetModified();
    SetModified(true);
    if (!unbound_ && listActive_ && !SpecRowHoldsKey() && FindKeyInList() && displayField_)
        ShowText(displayField_->DisplayText());
    else if (ComponentState().Contains(csDesigning) && !listActive_)
        ShowText(Name());
    if (listVisible_) list_->SetKeyValue(keyValue_);
    if (style_ == csDropDownListVyn) SelectWholeText();
    if (onKeyValueChanged_) onKeyValueChanged_(this);
}

void TCustomDBLookupComboboxVyn::ApplyKeyValue(const Variant& value) {
    if (masterKeyFields_.empty()) {
        StoreKeyValue(value);
        try {
            UpdateData(this);
        } catch (...) {
            DataLink()->ReloadAll();
            throw;
        }
    } else if (DataLink()->Edit()) {
        DataLink()->WriteValue(value);
    }
    TSpecRowVyn* specRow = dropDownBox_->SpecRow();
    if (listActive_ && !FindKeyInList() &&
        !(specRow->Visible() && (specRow->MatchesKey(keyValue_) || specRow->ShowIfNotInKeyList())))
        ShowText(AnsiString());
}

bool TCustomDBLookupComboboxVyn::ValueEditable(bool wantEdit) {
    bool editable = (unbound_ || listActive_) && !ReadOnly();
    if (editable && DataLink()->DataSource())
        editable = !masterKeyFields_.empty() && std::all_of(masterKeyFields_.begin(), masterKeyFields_.end(),
                                                            [](TField* field) { return field->CanModify(); });
    if (editable && wantEdit && !masterKeyFields_.empty()) editable = DataLink()->Edit();
    return editable;
}

void TCustomDBLookupComboboxVyn::FieldChanged() {
    if (unbound_) return TCustomDBEditVyn::FieldChanged();
    TFieldDataLinkVyn* link = DataLink();
    if (link->DataIndependent() && link->OwnValueIsText()) {
        // The own value was posted as text.
        const AnsiString text = VarIsNull(link->OwnValue()) ? AnsiString() : VarToStr(link->OwnValue());
        ShowText(text);
        FindListText(text, false);
    } else {
        if (link->HasOpenDataSet() && !masterKeyFields_.empty())
            StoreKeyValue(KeyFieldValues(masterKeyFields_));
        else
            StoreKeyValue(link->DataIndependent() ? link->OwnValue() : Null());
        if (listActive_) ShowText(KeyText());
    }
    UpdateReadOnly();
    SetModified(false);
}

void TCustomDBLookupComboboxVyn::SpecRowChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    FieldChanged();
    ResolveListFields();
    list_->SetSpecRow(dropDownBox_->SpecRow());
}

void TCustomDBLookupComboboxVyn::SetFocusState(bool value) {
    TCustomDBEditVyn::SetFocusState(value);
    AttachListSource();
}

// ---- Typing --------------------------------------------------------------------------------------

bool TCustomDBLookupComboboxVyn::FindListText(const AnsiString& text, bool partial) {
    if (!listActive_ || !displayField_ || !ValueEditable(true)) return false;
    try {
        TLocateOptions options{loCaseInsensitive};
        if (partial) options.Include(loPartialKey);
        if (!ListDataSet()->Locate(displayField_->FieldName(), Variant(text), options)) {
            if (style_ == csDropDownVyn) StoreKeyValue(Null());
            return false;
        }
        // One OnChange for the key and the text together.
        bool changed = false;
        const TNotifyEvent onChange = OnChange();
        SetOnChange([&changed](TObject*) { changed = true; });
        try {
            StoreKeyValue(CurrentListKey());
            ShowText(displayField_->DisplayText());
        } catch (...) {
            SetOnChange(onChange);
            throw;
        }
        SetOnChange(onChange);
        const int length = TextLength(EditText());
        SetSelStart(std::min(TextLength(text), length));
        SetSelLength(length - std::min(TextLength(text), length));
        if (changed && onChange) onChange(this);
        return true;
    } catch (const Exception&) {
        if (style_ == csDropDownVyn) {
            StoreKeyValue(Null());
        } else {
            ShowText(EditText());
            SetSelStart(TextLength(EditText()));
        }
        return false;
    }
}

void TCustomDBLookupComboboxVyn::TypeIntoList(const AnsiString& text) {
    if (!IsTypeAheadField(displayField_) || !ValueEditable(true)) return;
    if (text == "\b") {
        const AnsiString shown = EditText();
        const int length = TextLength(shown);
        if (SelLength() == length) {
            SetSelStart(length);
            return;
        }
        const int start = PreviousCharStart(shown, SelStart());
        SetSelStart(length);
        SetSelStart(start);
        SetSelLength(length - start);
        return;
    }
    const AnsiString before = EditText().substr(0, static_cast<std::size_t>(std::max(0, SelStart())));
    FindListText(before + text, true);
}

void TCustomDBLookupComboboxVyn::CompleteWholeText(int caret) {
    if (!FindListText(EditText(), false)) return;
    SetSelStart(caret);
    SetSelLength(TextLength(EditText()) - caret);
}

void TCustomDBLookupComboboxVyn::StoreText(const AnsiString& text) {
    if (unbound_) return TCustomDBEditVyn::StoreText(text);
    if (style_ == csDropDownVyn) ShowText(text);
    FindListText(text, false);
}

void TCustomDBLookupComboboxVyn::StepListRecord(bool up) {
    TDataSet* list = ListDataSet();
    if (FindKeyInList())
        list->MoveBy(up ? -1 : 1);
    else
        list->First();
    StoreKeyValue(CurrentListKey());
    if (Focused()) SelectWholeText();
}

// ---- Keys ----------------------------------------------------------------------------------------

void TCustomDBLookupComboboxVyn::KeyDown(Word& key, TShiftState shift) {
    TCustomDBEditVyn::KeyDown(key, shift);
    if (key == 0) return;
    TSpecRowVyn* specRow = dropDownBox_->SpecRow();
    if (listActive_ && specRow->Visible() && ShortCut(key, shift) == specRow->ShortCut()) {
        if (ValueEditable(true)) {
            StoreKeyValue(specRow->Value());
            ShowText(specRow->CellText(listFieldIndex_));
            SelectWholeText();
        }
        key = 0;
    } else if ((key == VK_UP || key == VK_DOWN) && !listVisible_ && listActive_ && ValueEditable(true)) {
        StepListRecord(key == VK_UP);
        key = 0;
    } else if (key == VK_DELETE && style_ == csDropDownListVyn && !unbound_) {
        // The list style's text is never edited in place.
        const bool required = std::any_of(masterKeyFields_.begin(), masterKeyFields_.end(),
                                          [](TField* field) { return field->Required(); });
        if (ValueEditable(true) && (!required || SelLength() == TextLength(EditText()))) {
            StoreKeyValue(Null());
            ShowText(AnsiString());
        }
        key = 0;
    }
}

void TCustomDBLookupComboboxVyn::KeyUp(Word& key, TShiftState shift) {
    if (listVisible_ && key == VK_CONTROL) SendMessage(list_->Handle(), WM_KEYUP, key, 0);
    TCustomDBEditVyn::KeyUp(key, shift);
}

void TCustomDBLookupComboboxVyn::KeyPress(char& key) {
    const unsigned char code = static_cast<unsigned char>(key);
    if (listVisible_ && (code == VK_RETURN || code == VK_ESCAPE)) {
        CloseUpButton(code == VK_RETURN);
        key = 0;
        return;
    }
    TCustomDBEditVyn::KeyPress(key);
    if (key == 0 || unbound_) return;
    if (code == VK_BACK && style_ == csDropDownListVyn) {
        TypeIntoList("\b");
        key = 0;
        return;
    }
    if (code < 32) return;
    if (dropDownBox_->AutoDrop() && listActive_ && !listVisible_) DropDownStart();
    if (style_ == csDropDownListVyn) {
        AnsiString typed;
        const bool whole = TakeWholeCharacter(pendingLeadBytes_, key, typed);
        key = 0;
        if (whole) TypeIntoList(typed);
    }
}

// The free style completes what was typed after the window took it.
void TCustomDBLookupComboboxVyn::WMChar(TMessage& Message) {
    const AnsiString before = EditText();
    Inherited::Dispatch(Message);
    const char ch = static_cast<char>(Message.WParam);
    if (style_ != csDropDownVyn || unbound_ || ch == 0 || ch == '.') return;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return;
    if (ch != '\b' && EditText() == before) return;
    const int caret = SelStart();
    if (caret != TextLength(EditText()) || SelLength() > 0 || ch == '\b')
        CompleteWholeText(caret);
    else
        TypeIntoList(AnsiString());
}

void TCustomDBLookupComboboxVyn::EMReplaceSel(TMessage& Message) {
    if (unbound_) return Inherited::Dispatch(Message);
    const int caret = SelStart();
    if (style_ == csDropDownListVyn) {
        const AnsiString shown = EditText();
        const AnsiString inserted = Message.LParam ? AnsiString(reinterpret_cast<const char*>(Message.LParam)) : "";
        const std::size_t start = static_cast<std::size_t>(std::max(0, caret));
        const std::size_t end = std::min(shown.size(), start + static_cast<std::size_t>(std::max(0, SelLength())));
        ShowText(shown.substr(0, start) + inserted + shown.substr(end));
    } else {
        Inherited::Dispatch(Message);
    }
    CompleteWholeText(caret);
}

void TCustomDBLookupComboboxVyn::WMCut(TMessage& Message) {
    if (!unbound_ && !EditCanModify()) return;
    Inherited::Dispatch(Message);
    if (!unbound_) FindListText(EditText(), false);
}

void TCustomDBLookupComboboxVyn::WMPaste(TMessage& Message) {
    if (unbound_) return Inherited::Dispatch(Message);
    if (style_ == csDropDownListVyn) {
        if (Clipboard()->HasFormat(CF_TEXT)) TypeIntoList(Clipboard()->AsText());
        return;
    }
    if (!EditCanModify()) return;
    Inherited::Dispatch(Message);
    FindListText(EditText(), false);
}

void TCustomDBLookupComboboxVyn::CMWantSpecialKey(TMessage& Message) {
    if (listVisible_ && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE)) {
        Message.Result = 1;
        return;
    }
    Inherited::Dispatch(Message);
}

// ---- Mouse ---------------------------------------------------------------------------------------

bool TCustomDBLookupComboboxVyn::ListStyleTextPress(const TMessage& Message) const {
    return style_ == csDropDownListVyn && !unbound_ && TextPartButtonMessage(Message, this);
}

void TCustomDBLookupComboboxVyn::ListStyleMouse(const TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN && ButtonsAvailable() && !listVisible_) {
        if (!FocusFlag() && CanFocus()) SetFocus();
        droppedByThisClick_ = true;
        DropDownStart();
    } else if (Message.Msg == WM_LBUTTONUP) {
        if (listVisible_ && !droppedByThisClick_) CloseUpButton(false);
        droppedByThisClick_ = false;
    }
}

void TCustomDBLookupComboboxVyn::WMSetCursor(TMessage& Message) {
    if (style_ != csDropDownListVyn || unbound_) return Inherited::Dispatch(Message);
    ::SetCursor(LoadCursor(0, IDC_ARROW));
    Message.Result = 1;
}

bool TCustomDBLookupComboboxVyn::ForwardDragToList(TControl* control, int x, int y) {
    return listVisible_ && ForwardDragIntoList(control, list_, x, y);
}

void TCustomDBLookupComboboxVyn::MouseMove(TShiftState shift, int x, int y) {
    if (!ForwardDragToList(this, x, y)) TCustomDBEditVyn::MouseMove(shift, x, y);
}

// A press on the main button that is dragged into the open list becomes a
// press in the list.
void TCustomDBLookupComboboxVyn::CreateWnd() {
    TCustomDBEditVyn::CreateWnd();
    if (ButtonControls().empty()) return;
    TEditButtonControlVyn* button = ButtonControls().front().second;
    button->SetOnMouseMove([this, button](TObject*, TShiftState, int x, int y) { ForwardDragToList(button, x, y); });
}

bool TCustomDBLookupComboboxVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (TCustomDBEditVyn::DoMouseWheelDown(shift, mousePos)) return true;
    if (!listActive_ || shift.Contains(ssShift) || shift.Contains(ssCtrl) || ReadOnly() || !DataLink()->Edit())
        return false;
    StepListRecord(false);
    return true;
}

bool TCustomDBLookupComboboxVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (TCustomDBEditVyn::DoMouseWheelUp(shift, mousePos)) return true;
    if (!listActive_ || shift.Contains(ssShift) || shift.Contains(ssCtrl) || ReadOnly() || !DataLink()->Edit())
        return false;
    StepListRecord(true);
    return true;
}

void TCustomDBLookupComboboxVyn::CMMouseWheel(TMessage& Message) {
    if (listVisible_) {
        Message.Result = list_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
        if (Message.Result) return;
    }
    Inherited::Dispatch(Message);
}

bool TCustomDBLookupComboboxVyn::IsOwnWindow(HWND window) const {
    return IsWindowOfDropDown(window, const_cast<TCustomDBLookupComboboxVyn*>(this), list_);
}

void TCustomDBLookupComboboxVyn::WMKillFocus(TMessage& Message) {
    if (listVisible_ && !IsOwnWindow(static_cast<HWND>(Message.WParam))) CloseUpButton(false);
    Inherited::Dispatch(Message);
}

void TCustomDBLookupComboboxVyn::CMCancelMode(TMessage& Message) {
    if (CancelModeFromOutside(Message, this, list_)) CloseUpButton(false);
    Inherited::Dispatch(Message);
}

// In the list style the edit window never sees a press on the text part.
void TCustomDBLookupComboboxVyn::DefaultHandler(TMessage& Message) {
    if (!ListStyleTextPress(Message)) return TCustomDBEditVyn::DefaultHandler(Message);
    ContextMenuForTextPart(Message, this);
}

void TCustomDBLookupComboboxVyn::WndProc(TMessage& Message) {
    if (ListStyleTextPress(Message)) ListStyleMouse(Message);
    if (listVisible_ && PagingKeyForList(Message, EditButton())) {
        Message.Result = SendMessage(list_->Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    const bool freeDelete = style_ == csDropDownVyn && !unbound_ && Message.Msg == WM_KEYDOWN &&
                            Message.WParam == VK_DELETE;
    const int caret = freeDelete ? SelStart() : 0;
    TCustomDBEditVyn::WndProc(Message);
    if (freeDelete) CompleteWholeText(caret);
}

// ---- The drop-down list --------------------------------------------------------------------------

void TCustomDBLookupComboboxVyn::ButtonDropDown(bool downButton) {
    if (EditButton()->Style() == ebsUpDownVyn && listActive_ && ValueEditable(true)) {
        StepListRecord(!downButton);
        return;
    }
    TCustomDBEditVyn::ButtonDropDown(downButton);
}

int TCustomDBLookupComboboxVyn::ListTextWidth() {
    HDC dc = GetDC(0);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRIC metrics{};
    GetTextMetrics(dc, &metrics);
    SIZE zero{};
    GetTextExtentPoint32(dc, "0", 1, &zero);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    int width = 0;
    for (TField* field : listFields_)
        width += field->DisplayWidth() * (zero.cx - metrics.tmOverhang) + metrics.tmOverhang + 4;
    return width;
}

void TCustomDBLookupComboboxVyn::DropDownStart() {
    if (listVisible_ || !listActive_) return;
    if (!Focused() && CanFocus()) SetFocus();
    if (onDropDown_) onDropDown_(this);
    list_->SetKeyValue(Null());
    list_->SetSpecRow(dropDownBox_->SpecRow());
    list_->SetColor(Color());
    list_->SetFont(Font());
    list_->SetShowTitles(dropDownBox_->ShowTitles());
    list_->SetUseMultiTitle(dropDownBox_->UseMultiTitle());
    list_->SetReadOnly(!ValueEditable(false));

    TDataSet* dataSet = ListDataSet();
    int rows = dropDownBox_->Rows();
    if (dataSet->IsSequenced() && dataSet->RecordCount() > 0 && dataSet->RecordCount() < rows)
        rows = dataSet->RecordCount();

    AnsiString listNames;
    for (TField* field : listFields_) listNames += field->FieldName() + ";";
    list_->SetAutoFitColWidths(false);
    list_->SetListSource(listLink_->DataSource());
    list_->SetKeyField(keyField_);
    list_->SetListField(listNames);
    list_->SetListFieldIndex(listFieldIndex_);
    list_->HandleNeeded();
    list_->SetListRowCount(rows);

    if (dropDownBox_->Width() == -1)
        list_->SetClientWidth(list_->ContentWidth());
    else
        list_->SetWidth(dropDownBox_->Width() > 0 ? dropDownBox_->Width() : Width());
    if (list_->Width() < Width()) list_->SetWidth(Width());

    list_->SetAutoFitColWidths(dropDownBox_->AutoFitColWidths());
    list_->SetKeyValue(keyValue_);
    list_->SetReadOnly(!ValueEditable(false));
    listColumnsMoved_ = false;
    list_->SetOnColumnMoved([this](TObject* sender, int from, int to) { ListColumnMoved(sender, from, to); });

    TDropDownAlign align = dropDownBox_->Align();
    if (UseRightToLeftAlignment()) align = align == daLeft ? daRight : align == daRight ? daLeft : align;
    ShowDropDownAt(list_, PlaceDropDownAtControl(this, list_, align));
    list_->SetVisible(true);
    list_->SizeGrip()->ShowGrip(dropDownBox_->Sizable());
    list_->SetListRowCount(rows);
    listVisible_ = true;
    Invalidate();
    list_->SetUserResized(false);
    TCustomDBEditVyn::DropDownStart();
    SetDroppedDown(true);
}

void TCustomDBLookupComboboxVyn::ListColumnMoved(TObject*, int, int) { listColumnsMoved_ = true; }

void TCustomDBLookupComboboxVyn::ListCloseUp(TObject*, bool accept) { CloseUpButton(accept); }

void TCustomDBLookupComboboxVyn::CloseUpButton(bool accept) {
    if (!listVisible_) return;
    if (HWND capture = GetCapture(); capture) SendMessage(capture, WM_CANCELMODE, 0, 0);
    const Variant chosen = list_->KeyValue();
    list_->SetVisible(false);
    HideDropDown(list_);
    listVisible_ = false;
    if (list_->UserResized()) {
        dropDownBox_->SetRows(list_->ListRowCount());
        dropDownBox_->SetWidth(list_->Width());
    }
    list_->SetOnColumnMoved({});
    list_->SetAutoFitColWidths(false);
    if (listColumnsMoved_ && !list_->Columns()->Customized()) {
        listField_ = list_->ListField();
        listFieldIndex_ = list_->ListFieldIndex();
        dropDownBox_->SpecRow()->LockChanges();
        dropDownBox_->SpecRow()->SetCellsText(list_->SpecRow()->CellsText());
        dropDownBox_->SpecRow()->UnlockChanges();
    }
    list_->SetListSource(nullptr);
    Invalidate();
    TCustomDBEditVyn::CloseUpButton(accept);
    SetDroppedDown(false);
    if (accept && ValueEditable(true)) {
        StoreKeyValue(chosen);
        TSpecRowVyn* specRow = dropDownBox_->SpecRow();
        if (specRow->Visible() && (specRow->MatchesKey(keyValue_) || (specRow->ShowIfNotInKeyList() && !FindKeyInList())))
            ShowText(specRow->CellText(listFieldIndex_));
        SelectWholeText();
    }
    if (style_ == csDropDownVyn) SelectWholeText();
    if (onCloseUp_) onCloseUp_(this, accept);
}

// ---- Posting -------------------------------------------------------------------------------------

void TCustomDBLookupComboboxVyn::UpdateData(TObject* sender) {
    if (listActive_ && onNotInList_ && displayField_) {
        const AnsiString text = EditText();
        bool found = false;
        try {
            found = ListDataSet()->Locate(displayField_->FieldName(), Variant(text), {loCaseInsensitive});
        } catch (const Exception&) {
        }
        if (!found) {
            bool recheck = false;
            onNotInList_(this, text, recheck);
            if (recheck && ListDataSet()->Locate(displayField_->FieldName(), Variant(text), {loCaseInsensitive}))
                StoreKeyValue(CurrentListKey());
        }
    }
    TCustomDBEditVyn::UpdateData(sender);
}

void TCustomDBLookupComboboxVyn::PostTextToField() {
    TFieldDataLinkVyn* link = DataLink();
    if (unbound_) return TCustomDBEditVyn::PostTextToField();
    const bool textIsValue = link->DataIndependent() && listActive_ && !FindKeyInList() && !EditText().empty() &&
                             style_ == csDropDownVyn && !dropDownBox_->SpecRow()->Visible();
    link->SetOwnValueIsText(textIsValue);
    link->WriteValue(textIsValue ? Variant(EditText()) : keyValue_);
}

AnsiString TCustomDBLookupComboboxVyn::TextToShow() const {
    if (ComponentState().Contains(csDesigning) && !DataLink()->Active()) return Name();
    if (ControlState().Contains(csPaintCopy) && Field() && listActive_) {
        auto* self = const_cast<TCustomDBLookupComboboxVyn*>(this);
        const Variant saved = keyValue_;
        self->keyValue_ = KeyFieldValues(masterKeyFields_);
        const AnsiString text = self->FindKeyInList() && displayField_ ? displayField_->DisplayText() : AnsiString();
        self->keyValue_ = saved;
        return text;
    }
    return TCustomDBEditVyn::TextToShow();
}

// ---- Publishing ----------------------------------------------------------------------------------

void TDBLookupComboboxVyn::Published(TPublished<TDBLookupComboboxVyn>& p) {
    using C = TDBLookupComboboxVyn;
    p.Property("Alignment", &C::Alignment, &C::SetAlignment);
    p.Property("AlwaysShowBorder", &C::AlwaysShowBorder, &C::SetAlwaysShowBorder).Default(false);
    p.Property("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    p.Property("DataField", &C::DataField, &C::SetDataField);
    p.Property("DataSource", &C::DataSource, &C::SetDataSource);
    p.Property("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    p.Property("Flat", &C::Flat, &C::SetFlat).Default(false);
    p.Property("Images", &C::Images, &C::SetImages);
    p.Property("KeyField", &C::KeyField, &C::SetKeyField);
    p.Property("ListField", &C::ListField, &C::SetListField);
    p.Property("ListFieldIndex", &C::ListFieldIndex, &C::SetListFieldIndex).Default(0);
    p.Property("ListSource", &C::ListSource, &C::SetListSource);
    p.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Property("Style", &C::Style, &C::SetStyle).Default(csDropDownListVyn);
    p.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
    p.Property("OnCloseUp", &C::OnCloseUp, &C::SetOnCloseUp);
    p.Property("OnDropDown", &C::OnDropDown, &C::SetOnDropDown);
    p.Property("OnDropDownBoxCheckButton", &C::OnDropDownBoxCheckButton, &C::SetOnDropDownBoxCheckButton);
    p.Property("OnDropDownBoxDrawColumnCell", &C::OnDropDownBoxDrawColumnCell, &C::SetOnDropDownBoxDrawColumnCell);
    p.Property("OnDropDownBoxGetCellParams", &C::OnDropDownBoxGetCellParams, &C::SetOnDropDownBoxGetCellParams);
    p.Property("OnDropDownBoxSortMarkingChanged", &C::OnDropDownBoxSortMarkingChanged,
               &C::SetOnDropDownBoxSortMarkingChanged);
    p.Property("OnDropDownBoxTitleBtnClick", &C::OnDropDownBoxTitleBtnClick, &C::SetOnDropDownBoxTitleBtnClick);
    p.Property("OnKeyValueChanged", &C::OnKeyValueChanged, &C::SetOnKeyValueChanged);
    p.Property("OnNotInList", &C::OnNotInList, &C::SetOnNotInList);
}
