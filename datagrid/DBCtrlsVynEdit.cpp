#include "datagrid/DBCtrlsVynEdit.h"

#include <algorithm>
#include <cmath>

#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/data/field.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/dbctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/win/commctrl.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {

bool IsStringField(const TField* field) {
    return field && (field->DataType() == ftString || field->DataType() == ftWideString);
}

AnsiString VariantText(const Variant& value) {
    if (VarIsArray(value)) return AnsiString();
    try {
        return VarIsNull(value) || VarIsEmpty(value) ? AnsiString() : VarToStr(value);
    } catch (const Exception&) {
        return AnsiString();
    }
}

}  // namespace

// ---- TEditImageVyn ---------------------------------------------------------------------

void TEditImageVyn::Published(TPublished<TEditImageVyn>& p) {
    p.Property("ImageIndex", &TEditImageVyn::ImageIndex, &TEditImageVyn::SetImageIndex).Default(-1);
    p.Property("Images", &TEditImageVyn::Images, &TEditImageVyn::SetImages);
    p.Property("UseImageHeight", &TEditImageVyn::UseImageHeight, &TEditImageVyn::SetUseImageHeight).Default(true);
    p.Property("Visible", &TEditImageVyn::Visible, &TEditImageVyn::SetVisible).Default(false);
    p.Property("Width", &TEditImageVyn::Width, &TEditImageVyn::SetWidth).Default(0);
}

void TEditImageVyn::Assign(TPersistent* source) {
    auto* image = dynamic_cast<TEditImageVyn*>(source);
    if (!image) return TPersistent::Assign(source);
    SetImages(image->images_);
    SetImageIndex(image->imageIndex_);
    SetVisible(image->visible_);
    SetWidth(image->width_);
}

void TEditImageVyn::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    editor_->Invalidate();
}

void TEditImageVyn::SetImages(TCustomImageList* v) {
    if (v == images_) return;
    images_ = v;
    if (v) v->FreeNotification(editor_);
    RequestRecreate();
}

void TEditImageVyn::RequestRecreate() {
    if (editor_->HandleAllocated()) editor_->Perform(RecreateEditorMessage, 0, 0);
}

// ---- construction ----------------------------------------------------------------------

TCustomDBEditVyn::TCustomDBEditVyn(TComponent* owner) : TCustomMaskEdit(owner) {
    TControlStyle style = ControlStyle();
    style.Include(csCaptureMouse).Include(csReplicatable);
    SetControlStyle(style);
    InstallFieldDataLink();
    editButton_.reset(CreateEditButton());
    editButton_->SetOnChangeNotify([this](TObject* s) { ButtonSettingsChanged(s); });
    editButtons_.reset(CreateEditButtons());
    editButtons_->SetOnItemChanged([this](TEditButtonVyn*) { ButtonSettingsChanged(this); });
    editImage_ = std::make_unique<TEditImageVyn>(this);
    mruList_ = std::make_unique<TMRUListVyn>(this);
    mruList_->SetOnDropDownRequest([this](TObject*) { OpenMRUList(); });
    mruList_->SetOnCloseUpRequest([this](TObject*, bool accept) { CloseMRUList(accept); });
    UpdateReadOnly();
    UpdateImageIndex();
}

// A subclass's own link is reached once the whole object exists; nothing
// is bound to the first one yet.
void TCustomDBEditVyn::AfterConstruction() {
    TCustomMaskEdit::AfterConstruction();
    InstallFieldDataLink();
}

void TCustomDBEditVyn::InstallFieldDataLink() {
    dataLink_.reset(CreateFieldDataLink());
    dataLink_->SetControl(this);
    dataLink_->DataChangeHook = [this](TObject* s) { DataChange(s); };
    dataLink_->EditingChangeHook = [this](TObject* s) { UpdateReadOnlyState(s); };
    dataLink_->UpdateDataHook = [this](TObject* s) { UpdateData(s); };
    dataLink_->ActiveChangeHook = [this](TObject* s) { DataLinkActiveChanged(s); };
}

TCustomDBEditVyn::~TCustomDBEditVyn() {
    dataLink_->DataChangeHook = nullptr;
    dataLink_->EditingChangeHook = nullptr;
    dataLink_->UpdateDataHook = nullptr;
    dataLink_->ActiveChangeHook = nullptr;
    dataLink_->SetDataSource(nullptr);
}

TEditButtonsVyn* TCustomDBEditVyn::CreateEditButtons() {
    return new TEditButtonsVyn(this, TVisibleEditButtonVyn::StaticClass());
}

TEditButtonControlVyn* TCustomDBEditVyn::MakeButtonControl() { return MakeEditButtonControl(this); }

// ---- properties ------------------------------------------------------------------------

TAlignment TCustomDBEditVyn::Alignment() const { return alignmentSet_ ? alignment_ : FieldAlignment(); }

void TCustomDBEditVyn::SetAlignment(TAlignment value) {
    alignment_ = value;
    alignmentSet_ = true;
    if (wordWrap_ && HandleAllocated())
        Perform(CM_RECREATEWND, 0, 0);
    else
        Invalidate();
}

void TCustomDBEditVyn::SetEditMask(const AnsiString& value) {
    if (editMaskSet_ && value == EditMask()) return;
    const bool keepText = ComponentState().Contains(csLoading) && IsDataIndependent();
    const AnsiString text = keepText ? EditText() : AnsiString();
    TCustomMaskEdit::SetEditMask(value);
    editMaskSet_ = true;
    if (keepText) StoreText(text);
    if (IsDataIndependent())
        PostTextToField();
    else
        DataChange(this);
}

void TCustomDBEditVyn::SetAlwaysShowBorder(bool value) {
    alwaysShowBorder_ = value;
    UpdateFlatBorder();
}

void TCustomDBEditVyn::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomDBEditVyn::SetReadOnly(bool value) {
    readOnly_ = value;
    UpdateReadOnly();
}

void TCustomDBEditVyn::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomDBEditVyn::SetImages(TCustomImageList* value) {
    editImage_->SetImages(value);
    editImage_->SetVisible(true);
}

void TCustomDBEditVyn::SetOnUpdateData(TUpdateDataEventVyn v) {
    onUpdateData_ = std::move(v);
    UpdateReadOnly();
}

void TCustomDBEditVyn::SetOnGetImageIndex(TGetImageIndexEventVyn v) {
    onGetImageIndex_ = std::move(v);
    UpdateImageIndex();
}

TAlignment TCustomDBEditVyn::FieldAlignment() const { return Field() ? Field()->Alignment() : taLeftJustify; }

AnsiString TCustomDBEditVyn::FieldEditMask() const { return Field() ? Field()->EditMask() : AnsiString(); }

bool TCustomDBEditVyn::IsValidInputChar(char c) const { return !Field() || Field()->IsValidChar(c); }

bool TCustomDBEditVyn::ButtonsAvailable() const { return Enabled() && dataLink_->Active(); }

// ---- text and value --------------------------------------------------------------------

void TCustomDBEditVyn::SetText(const AnsiString& value) {
    StoreAndPost([&] { StoreText(value); });
}

void TCustomDBEditVyn::AssignValue(const Variant& value) {
    StoreAndPost([&] { StoreValue(value); });
}

void TCustomDBEditVyn::StoreAndPost(const std::function<void()>& store) {
    if (TDataSource* source = DataSource(); source && source->DataSet()) source->DataSet()->Edit();
    {
        const ValueRestorer byProgram(textByProgram_, true);
        store();
    }
    if (postingInProgress_) return;
    try {
        UpdateData(this);
    } catch (...) {
        dataLink_->ReloadAll();
        throw;
    }
}

void TCustomDBEditVyn::StoreValue(const Variant& value) { StoreText(VariantText(value)); }

void TCustomDBEditVyn::Change() {
    dataLink_->SetModified();
    SetModified(true);
    TCustomMaskEdit::Change();
    UpdateImageIndex();
}

bool TCustomDBEditVyn::EditCanModify() { return dataLink_->Edit(); }

void TCustomDBEditVyn::Reset() {
    dataLink_->ReloadAll();
    SelectAll();
}

void TCustomDBEditVyn::DataFieldWrite(const AnsiString& value) {
    RecalcMaxLength();
    dataLink_->SetFieldName(value);
    UpdateEditButtonStates();
    Invalidate();
}

void TCustomDBEditVyn::DataSourceWrite(TDataSource* value) {
    if (dataLink_->DataSourceFixed() && ComponentState().Contains(csLoading)) return;
    dataLink_->SetDataSource(value);
    if (value) value->FreeNotification(this);
    DataChange(this);
    Invalidate();
}

void TCustomDBEditVyn::RecalcMaxLength() {
    TDataSource* source = DataSource();
    if (MaxLength() <= 0 || !source || !source->DataSet()) return;
    TField* field = source->DataSet()->FindField(DataField());
    if (IsStringField(field) && field->Size() == MaxLength()) SetMaxLength(0);
}

void TCustomDBEditVyn::DataChange(TObject*) {
    FieldChanged();
    UpdateEditButtonStates();
}

void TCustomDBEditVyn::FieldChanged() {
    const ValueRestorer byProgram(textByProgram_, true);
    if (TField* field = Field()) {
        if (field->Alignment() != alignment_) Invalidate();
        if (!editMaskSet_) TCustomMaskEdit::SetEditMask(field->EditMask());
        if (IsStringField(field) && MaxLength() == 0) SetMaxLength(field->Size());
        const bool memo = dynamic_cast<TMemoField*>(field) != nullptr;
        if (focusFlag_ && dataLink_->CanModify())
            StoreText(memo ? field->AsString() : field->Text());
        else
            SetEditText(memo ? field->AsString() : field->DisplayText());
    } else {
        if (!editMaskSet_) TCustomMaskEdit::SetEditMask(AnsiString());
        SetEditText(dataLink_->DataIndependent() ? VariantText(dataLink_->OwnValue()) : AnsiString());
    }
    UpdateReadOnly();
    SetModified(false);
}

void TCustomDBEditVyn::SetFocusState(bool value) {
    if (value == focusFlag_) return;
    focusFlag_ = value;
    if (Alignment() != taLeftJustify && !IsMasked()) Invalidate();
    dataLink_->ReloadAll();
}

void TCustomDBEditVyn::UpdateData(TObject*) {
    if (focusFlag_) ValidateEdit();
    bool handled = false;
    if (onUpdateData_) {
        postingInProgress_ = true;
        try {
            onUpdateData_(this, handled);
        } catch (...) {
            postingInProgress_ = false;
            throw;
        }
        postingInProgress_ = false;
    }
    if (!handled) PostTextToField();
    SetModified(false);
    if (mruList_->AutoAdd() && mruList_->Active() && Showing()) mruList_->RememberText(Text());
}

void TCustomDBEditVyn::PostTextToField() { dataLink_->WriteText(IsDataIndependent() ? EditText() : Text()); }

void TCustomDBEditVyn::UpdateReadOnly() {
    bool readOnly = readOnly_ || (!dataLink_->Editing() && !onUpdateData_);
    if (!readOnly && holder_) readOnly = !holder_->CanEditorModify(this);
    TCustomMaskEdit::SetReadOnly(readOnly);
}

void TCustomDBEditVyn::UpdateImageIndex() {
    if (!editImage_ || !editImage_->Visible() || !editImage_->Images()) return;
    int index = FieldImageIndex();
    const Variant value = GetVariantValue();
    switch (value.VarType()) {
    case varSmallint: case varInteger: case varSingle: case varDouble: case varCurrency:
        index = static_cast<int>(std::lround(value.AsDouble()));
        break;
    default: break;
    }
    if (onGetImageIndex_) onGetImageIndex_(this, index);
    editImage_->SetImageIndex(index);
}

void TCustomDBEditVyn::DataLinkActiveChanged(TObject*) {
    RecalcMaxLength();
    UpdateEditButtonStates();
}

// ---- keys ------------------------------------------------------------------------------

int TCustomDBEditVyn::ButtonForShortCut(Word key, TShiftState shift) const {
    const TShortCut pressed = ShortCut(key, shift);
    if (editButton_->ShortCut() == pressed && ButtonsAvailable()) return 0;
    for (int i = 0; i < editButtons_->Count(); ++i)
        if (editButtons_->Items(i)->ShortCut() == pressed) return i + 1;
    return -1;
}

void TCustomDBEditVyn::KeyDown(Word& key, TShiftState shift) {
    if (holder_) {
        holder_->EditorKeyDown(this, key, shift);
        if (key == 0) return;
    }
    TCustomMaskEdit::KeyDown(key, shift);
    if (key == 0) return;
    const int index = ButtonForShortCut(key, shift);
    if (index >= 0 && index < static_cast<int>(buttonControls_.size())) {
        TEditButtonControlVyn* control = buttonControls_[index].second;
        bool autoRepeat = false, handled = false;
        ButtonPressed(control, false, autoRepeat, handled);
        ButtonClicked(control);
        key = 0;
        return;
    }
    if (key == 'A' && shift == TShiftState{ssCtrl}) {
        SelectAll();
        key = 0;
    } else if ((key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) && !readOnly_) {
        EditCanModify();
    }
}

void TCustomDBEditVyn::KeyUp(Word& key, TShiftState shift) {
    if (holder_) holder_->EditorKeyUp(this, key, shift);
    if (key != 0) TCustomMaskEdit::KeyUp(key, shift);
}

void TCustomDBEditVyn::KeyPress(char& key) {
    if (holder_) {
        holder_->EditorKeyPress(this, key);
        if (key == 0) return;
    }
    TCustomMaskEdit::KeyPress(key);
    if (key == 0) return;
    if (Field() && !IsDataIndependent() && static_cast<unsigned char>(key) >= 32 && !IsValidInputChar(key)) {
        MessageBeep(0);
        key = 0;
        return;
    }
    const unsigned char code = static_cast<unsigned char>(key);
    if ((code == VK_BACK || code == 22 || code == 24 || code >= 32) && !readOnly_) {
        EditCanModify();
    } else if (code == VK_ESCAPE) {
        Reset();
        key = 0;
    }
}

void TCustomDBEditVyn::WMChar(TMessage& Message) {
    // The window is multi-line for its formatting rectangle only: Tab,
    // Enter and line feed never reach its text.
    if (Message.WParam == '\t' || Message.WParam == '\r' || Message.WParam == '\n') {
        Word key = static_cast<Word>(Message.WParam);
        char ch = static_cast<char>(key);
        KeyPress(ch);
        return;
    }
    Inherited::Dispatch(Message);
}

void TCustomDBEditVyn::WMEditingClipboard(TMessage& Message) {
    EditCanModify();
    Inherited::Dispatch(Message);
}

void TCustomDBEditVyn::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS;
    if (holder_ && holderObject_) {
        if (auto* host = dynamic_cast<TWinControl*>(holderObject_); host && (host->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB))
            Message.Result |= DLGC_WANTTAB;
    }
}

void TCustomDBEditVyn::CMWantSpecialKey(TMessage& Message) {
    const bool listKey = Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE;
    if (listKey && mruList_->DroppedDown() && MRUListBox()->ItemIndex() >= 0) {
        Message.Result = 1;
        return;
    }
    Inherited::Dispatch(Message);
    if (Message.WParam == VK_ESCAPE && Modified()) Message.Result = 1;
}

// ---- focus -----------------------------------------------------------------------------

void TCustomDBEditVyn::CMEnter(TMessage& Message) {
    SetFocusState(true);
    Inherited::Dispatch(Message);
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    // The system runs in an East Asian locale: an editable field opens at
    // once, before the input method starts composing.
    if (dataLink_->CanModify()) TCustomMaskEdit::SetReadOnly(false);
}

void TCustomDBEditVyn::CaretCorrection() {
    if (!IsMasked() || SelLength() != 0) return;
    SetSelStart(std::max(0, SelStart() - 2));
}

void TCustomDBEditVyn::CMExit(TMessage& Message) {
    Inherited::Dispatch(Message);
    try {
        dataLink_->UpdateRecord();
    } catch (...) {
        SelectAll();
        SetFocus();
        throw;
    }
    SetFocusState(false);
    CaretCorrection();
}

void TCustomDBEditVyn::CMGetDataLink(TMessage& Message) { Message.Result = reinterpret_cast<LRESULT>(dataLink_.get()); }

// ---- hosting ---------------------------------------------------------------------------

void TCustomDBEditVyn::SetInplaceEditHolder(TPersistent* holder) {
    if (holder == holderObject_) return;
    if (!holder) {
        holder_ = nullptr;
        holderObject_ = nullptr;
        return;
    }
    auto* hostInterface = dynamic_cast<IInplaceEditHolderVyn*>(static_cast<TObject*>(holder));
    if (!hostInterface) throw Exception("InplaceEditHolder have to support IInplaceEditHolderVyn interface");
    holder_ = hostInterface;
    holderObject_ = holder;
}

void TCustomDBEditVyn::WndProc(TMessage& Message) {
    if (holder_) {
        holder_->EditorWndProc(this, Message);
        if (Message.Result != 0) return;
        if (Message.Msg == WM_SETFOCUS) {
            TCustomForm* form = GetParentForm();
            auto* host = dynamic_cast<TWinControl*>(holderObject_);
            if (form && host && !form->SetFocusedControl(host)) return;
            return Dispatch(Message);
        }
        if (Message.Msg == WM_LBUTTONDOWN) {
            TPoint hostPos{};
            int hostTime = 0;
            holder_->LastMouseDownForEditor(hostPos, hostTime);
            const TPoint here = ClientToScreen(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
            if (hostTime != 0 && IsDoubleClickPair(hostPos, here, static_cast<unsigned>(GetMessageTime() - hostTime)))
                Message.Msg = WM_LBUTTONDBLCLK;
        }
    }
    if (ForwardToOpenMRUList(Message)) return;
    TCustomMaskEdit::WndProc(Message);
    if (userChangePending_) {
        userChangePending_ = false;
        UserTextChanged();
    }
}

void TCustomDBEditVyn::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        // Presses on the buttons and the image stay out of the edit window.
        if (GetCapture() != Handle() && OverButtonsOrImage(Message.LParam)) return;
        break;
    default: break;
    }
    TCustomMaskEdit::DefaultHandler(Message);
}

bool TCustomDBEditVyn::OverButtonsOrImage(LPARAM lParam) const {
    const TPoint p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const TRect buttons = ButtonAreaRect(), image = ImageRect();
    return (buttonAreaWidth_ > 0 && PtInRect(&buttons, p)) || (imageWidth_ > 0 && PtInRect(&image, p));
}

void TCustomDBEditVyn::ShowAtRect(const TRect& rect) {
    if (!holder_) return SetBoundsRect(rect);
    if (rect.right <= rect.left || rect.bottom <= rect.top) return HideEditor();
    HandleNeeded();
    Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(holderObject_));
    SetWindowPos(Handle(), HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW | SWP_NOREDRAW);
    SetBoundsRect(rect);
    Invalidate();
    if (auto* host = dynamic_cast<TWinControl*>(holderObject_); host && host->Focused()) SetFocus();
}

void TCustomDBEditVyn::HideEditor() {
    if (!holder_) return SetVisible(false);
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    Invalidate();
    const bool hadFocus = Focused();
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE);
    if (auto* host = dynamic_cast<TWinControl*>(holderObject_); hadFocus && host && host->CanFocus()) host->SetFocus();
}

void TCustomDBEditVyn::SetFocus() {
    if (holder_ && !(HandleAllocated() && IsWindowVisible(Handle()))) return;
    TCustomMaskEdit::SetFocus();
}

void TCustomDBEditVyn::CMShowingChanged(TMessage& Message) {
    if (!holder_) Inherited::Dispatch(Message);
}

bool TCustomDBEditVyn::ExecuteAction(TBasicAction* action) {
    return TCustomMaskEdit::ExecuteAction(action) || dataLink_->ExecuteAction(action);
}

bool TCustomDBEditVyn::UpdateAction(TBasicAction* action) {
    return TCustomMaskEdit::UpdateAction(action) || dataLink_->UpdateAction(action);
}

void TCustomDBEditVyn::Loaded() {
    TCustomMaskEdit::Loaded();
    RecalcMaxLength();
    if (ComponentState().Contains(csDesigning)) DataChange(this);
    UpdateFlatBorder();
}

void TCustomDBEditVyn::Notification(TComponent* component, TOperation operation) {
    TCustomMaskEdit::Notification(component, operation);
    if (operation != opRemove) return;
    if (dataLink_ && component == DataSource()) SetDataSource(nullptr);
    if (editImage_ && component == editImage_->Images()) editImage_->SetImages(nullptr);
    if (auto* menu = dynamic_cast<TPopupMenu*>(component)) {
        if (editButton_ && editButton_->DropdownMenu() == menu) editButton_->SetDropdownMenu(nullptr);
        for (int i = 0; editButtons_ && i < editButtons_->Count(); ++i)
            if (editButtons_->Items(i)->DropdownMenu() == menu) editButtons_->Items(i)->SetDropdownMenu(nullptr);
    }
}

// ---- window ----------------------------------------------------------------------------

bool TCustomDBEditVyn::UseRightToLeft() const {
    return DBUseRightToLeftAlignment(const_cast<TCustomDBEditVyn*>(this), Field());
}

void TCustomDBEditVyn::CreateParams(TCreateParams& params) {
    TCustomMaskEdit::CreateParams(params);
    if (wordWrap_) params.Style &= ~ES_AUTOHSCROLL;
    if (!PasswordChar()) params.Style |= ES_MULTILINE;
    params.Style &= ~(ES_CENTER | ES_RIGHT);
    const bool rtl = UseRightToLeft();
    if (!wordWrap_) {
        params.Style |= rtl ? ES_RIGHT : ES_LEFT;
    } else {
        switch (Alignment()) {
        case taLeftJustify: params.Style |= rtl ? ES_RIGHT : ES_LEFT; break;
        case taRightJustify: params.Style |= rtl ? ES_LEFT : ES_RIGHT; break;
        case taCenter: params.Style |= ES_CENTER; break;
        }
    }
}

void TCustomDBEditVyn::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    UpdateAutoHeight();
    UpdateFlatBorder();
    LayoutEditButtons();
    UpdateEditButtonStates();
    imageWidth_ = editImage_->Visible() && editImage_->Images()
                      ? (editImage_->Width() > 0 ? editImage_->Width() : editImage_->Images()->Width()) + 4
                      : 0;
    UpdateImageIndex();
    UpdateTextRect();
}

void TCustomDBEditVyn::CMRecreate(TMessage&) {
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBEditVyn::UpdateAutoHeight() {
    TControlStyle style = ControlStyle();
    if (autoSize_ && BorderStyle() == bsSingle) {
        style.Include(csFixedHeight);
        SetControlStyle(style);
        AutoAdjustHeight();
    } else {
        style.Exclude(csFixedHeight);
        SetControlStyle(style);
    }
}

void TCustomDBEditVyn::AutoAdjustHeight() {
    TEXTMETRIC metrics{};
    HDC dc = GetDC(0);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    const int border = ((Ctl3D() ? 8 : 6) - (flat_ ? 2 : 0)) * GetSystemMetrics(SM_CYBORDER);
    int content = metrics.tmHeight;
    if (TCustomImageList* images = editImage_->Images(); images && editImage_->UseImageHeight())
        content = std::max(content, images->Height());
    SetHeight(border + content);
}

void TCustomDBEditVyn::CMFontChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (ControlStyle().Contains(csFixedHeight)) AutoAdjustHeight();
    UpdateTextRect();
}

void TCustomDBEditVyn::CMEnabledChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    UpdateEditButtonStates();
}

void TCustomDBEditVyn::WMSize(TMessage& Message) {
    Inherited::Dispatch(Message);
    LayoutEditButtons();
    UpdateTextRect();
}

TRect TCustomDBEditVyn::GetEditRect() const {
    TRect rect = ClientRect();
    const int image = editImage_->Visible() && editImage_->Images() ? imageWidth_ : 0;
    if (UseRightToLeft()) {
        rect.left += buttonAreaWidth_;
        rect.right -= image;
    } else {
        rect.left += image;
        rect.right -= buttonAreaWidth_;
    }
    return rect;
}

void TCustomDBEditVyn::UpdateTextRect() {
    if (!HandleAllocated()) return;
    const TRect rect = GetEditRect();
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
    SendMessage(Handle(), EM_SCROLLCARET, 0, 0);
}

TRect TCustomDBEditVyn::ButtonAreaRect() const {
    const int width = ClientWidth(), height = ClientHeight();
    TRect rect = UseRightToLeft() ? TRect{0, 0, buttonAreaWidth_, height} : TRect{width - buttonAreaWidth_, 0, width, height};
    if (!Ctl3D() && BorderStyle() == bsSingle) InflateRect(&rect, -1, -1);
    return rect;
}

TRect TCustomDBEditVyn::ImageRect() const {
    const int width = ClientWidth(), height = ClientHeight();
    return UseRightToLeft() ? TRect{width - imageWidth_, 0, width, height} : TRect{0, 0, imageWidth_, height};
}

TRect TCustomDBEditVyn::TextAreaRect() const {
    const int width = ClientWidth(), height = ClientHeight();
    TRect rect{imageWidth_, 0, width - buttonAreaWidth_ - 1, height};
    if (!Ctl3D() && BorderStyle() == bsSingle) rect = {imageWidth_ + 1, 1, width - buttonAreaWidth_ - 2, height - 1};
    if (UseRightToLeft()) rect = {width - rect.right, rect.top, width - rect.left, rect.bottom};
    return rect;
}

void TCustomDBEditVyn::WMSetCursor(TMessage& Message) {
    TPoint p{};
    GetCursorPos(&p);
    p = ScreenToClient(p);
    const TRect buttons = ButtonAreaRect(), image = ImageRect();
    if ((buttonAreaWidth_ > 0 && PtInRect(&buttons, p)) || (imageWidth_ > 0 && PtInRect(&image, p))) {
        ::SetCursor(LoadCursor(0, IDC_ARROW));
        Message.Result = 1;
        return;
    }
    Inherited::Dispatch(Message);
}

// ---- painting --------------------------------------------------------------------------

bool TCustomDBEditVyn::PaintsOwnText() const {
    if (ControlState().Contains(csPaintCopy)) return true;
    if (ComponentState().Contains(csDesigning) && !dataLink_->Active()) return true;
    return Alignment() != taLeftJustify && !focusFlag_ && !wordWrap_;
}

AnsiString TCustomDBEditVyn::TextToShow() const {
    if (ComponentState().Contains(csDesigning) && !dataLink_->Active()) return Name();
    if (ControlState().Contains(csPaintCopy) && Field()) {
        const AnsiString text = Field()->DisplayText();
        switch (CharCase()) {
        case ecUpperCase: return AnsiUpperCase(text);
        case ecLowerCase: return AnsiLowerCase(text);
        default: return text;
        }
    }
    return EditText();
}

void TCustomDBEditVyn::WMPaint(TMessage& Message) {
    if (!PaintsOwnText()) {
        Inherited::Dispatch(Message);
        if (editImage_->Visible() && editImage_->Images() && editImage_->ImageIndex() >= 0) {
            HDC dc = GetDC(Handle());
            TRect rect = ImageRect();
            InflateRect(&rect, -2, -1);
            PaintListImage(dc, rect, editImage_->Images(), editImage_->ImageIndex(), false);
            ReleaseDC(Handle(), dc);
        }
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = Message.WParam ? static_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
    PaintText(dc);
    if (!Message.WParam) EndPaint(Handle(), &ps);
}

void TCustomDBEditVyn::PaintText(HDC dc) {
    if (!canvas_) canvas_ = std::make_unique<TControlCanvas>();
    CanvasOnDC scope(canvas_.get(), dc);
    TCanvas* canvas = canvas_.get();
    canvas->Font()->Assign(Font());
    TRect rect = ClientRect();
    if (BorderStyle() == bsSingle && !Ctl3D()) {
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(rect);
        InflateRect(&rect, -1, -1);
    }
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
    if (editImage_->Visible() && editImage_->Images() && editImage_->ImageIndex() >= 0) {
        TRect image = ImageRect();
        InflateRect(&image, -2, -1);
        PaintListImage(dc, image, editImage_->Images(), editImage_->ImageIndex(), false);
    }
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    AnsiString text = TextToShow();
    if (PasswordChar()) text = AnsiString(text.size(), PasswordChar());
    const TRect area = TextAreaRect();
    const int margin = BorderStyle() == bsNone ? 0 : (Ctl3D() ? 1 : 2);
    const int left = margin + LOWORD(SendMessage(Handle(), EM_GETMARGINS, 0, 0));
    const int width = canvas->TextWidth(text);
    TAlignment alignment = Alignment();
    if (UseRightToLeft() && alignment != taCenter) alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    int x = area.left + left;
    if (alignment == taRightJustify) x = area.right - width - left;
    if (alignment == taCenter) x = (area.right - width) / 2;
    canvas->TextRect(area, x, margin, text);
}

// ---- edit buttons ----------------------------------------------------------------------

void TCustomDBEditVyn::ButtonSettingsChanged(TObject*) {
    if (!HandleAllocated()) return;
    LayoutEditButtons();
    UpdateEditButtonStates();
    UpdateTextRect();
    Invalidate();
}

void TCustomDBEditVyn::LayoutEditButtons() {
    if (!HandleAllocated()) return;
    const std::size_t count = static_cast<std::size_t>(editButtons_->Count()) + 1;
    ResizeButtonControls(buttonControls_, count, this, [this] { return MakeButtonControl(); }, true);
    commonButtonHeight_ = ClientHeight();
    ConfigureButtonControl(0, editButton_.get());
    for (int i = 0; i < editButtons_->Count(); ++i) ConfigureButtonControl(i + 1, editButtons_->Items(i));
    buttonAreaWidth_ = PlaceButtonControls(buttonControls_, ClientWidth(), commonButtonHeight_, UseRightToLeft());
}

void TCustomDBEditVyn::ConfigureButtonControl(int index, TEditButtonVyn* button) {
    auto [divider, control] = buttonControls_[index];
    control->SetVisible(button->Visible());
    control->SetStyle(button->Style());
    control->SetGlyph(button->Glyph());
    control->SetNumGlyphs(button->NumGlyphs());
    control->SetHint(button->Hint());
    control->SetFlat(flat_);
    int width = 0;
    if (button->Visible())
        width = button->Width() > 0 ? button->Width() : flat_ ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
    control->SetWidth(width);
    if (button->Visible()) {
        const int clientHeight = ClientHeight();
        const int height = (width * 3 + 1) / 2 < clientHeight ? ButtonHeightForWidth(width, flat_) : clientHeight;
        commonButtonHeight_ = std::min(commonButtonHeight_, height);
    }
    const bool dividerShown = flat_ && button->Visible();
    divider->SetVisible(dividerShown);
    divider->SetWidth(dividerShown ? 1 : 0);
    divider->Pen()->SetStyle(psClear);
    HookEditButtonControl(
        control, index,
        [this](TObject* s, bool top, bool& autoRepeat, bool& handled) { ButtonPressed(s, top, autoRepeat, handled); },
        [this](TObject* s) { ButtonClicked(s); }, TMouseMoveEvent(),
        [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { ButtonMouseReleased(s, b, sh, x, y); });
}

void TCustomDBEditVyn::UpdateEditButtonStates() {
    const bool available = ButtonsAvailable();
    const bool borderShown = flatBorderShown_;
    for (auto [divider, control] : buttonControls_) {
        control->SetEnabled(available);
        control->SetActive(borderShown);
        divider->Brush()->SetColor(borderShown ? clBtnFace : Color());
    }
}

TEditButtonVyn* TCustomDBEditVyn::ButtonOfControl(TObject* control) const {
    for (std::size_t i = 0; i < buttonControls_.size(); ++i)
        if (buttonControls_[i].second == control) return i == 0 ? editButton_.get() : editButtons_->Items(static_cast<int>(i) - 1);
    return nullptr;
}

void TCustomDBEditVyn::ButtonPressed(TObject* sender, bool topButton, bool& autoRepeat, bool& handled) {
    auto* control = static_cast<TEditButtonControlVyn*>(sender);
    if (CanFocus()) SetFocus();
    handled = false;
    MSG pending{};
    if (PeekMessage(&pending, Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_NOREMOVE) &&
        pending.wParam == static_cast<WPARAM>(control->Tag())) {
        PeekMessage(&pending, Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_REMOVE);
        return;
    }
    TEditButtonVyn* button = ButtonOfControl(control);
    if (!button) return;
    const bool main = button == editButton_.get();
    if (main) {
        if (onButtonDown_) onButtonDown_(this, topButton, autoRepeat, handled);
    } else if (button->OnDown()) {
        button->OnDown()(button, topButton, autoRepeat, handled);
    }
    if (handled) return;
    if (TPopupMenu* menu = button->DropdownMenu()) {
        const TPoint corner = control->ClientToScreen(
            TPoint{menu->Alignment() == paRight ? control->Width() : 0, control->Height()});
        menu->Popup(corner.x, corner.y);
        PostMessage(Handle(), ButtonMenuShownMessage, static_cast<WPARAM>(control->Tag()), 0);
        control->Perform(WM_LBUTTONUP, 0, 0);
    } else if (main) {
        ButtonDropDown(!topButton);
    }
}

void TCustomDBEditVyn::ButtonDropDown(bool) {
    if (editButton_->Style() == ebsUpDownVyn || droppedDown_) return;
    DropDownStart();
    dropDownByThisPress_ = true;
}

void TCustomDBEditVyn::DropDownStart() {
    if (!buttonControls_.empty()) buttonControls_[0].second->SetHeldDown(true);
    if (mruList_->DroppedDown()) mruList_->RequestCloseUp(false);
}

void TCustomDBEditVyn::CloseUpButton(bool) {
    if (!buttonControls_.empty()) buttonControls_[0].second->SetHeldDown(false);
}

void TCustomDBEditVyn::ButtonClicked(TObject* sender) {
    bool handled = false;
    TEditButtonVyn* button = ButtonOfControl(sender);
    const bool main = button == editButton_.get();
    if (main) {
        if (onButtonClick_) onButtonClick_(this, handled);
    } else if (button && button->OnClick()) {
        button->OnClick()(button, handled);
    }
    if (!handled && droppedDown_ && !dropDownByThisPress_ && main) CloseUpButton(false);
    dropDownByThisPress_ = false;
}

void TCustomDBEditVyn::ButtonMouseReleased(TObject* sender, TMouseButton, TShiftState, int x, int y) {
    auto* control = static_cast<TControl*>(sender);
    if (x < 0 || y < 0 || x >= control->Width() || y >= control->Height()) dropDownByThisPress_ = false;
}

void TCustomDBEditVyn::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    UpdateAutoHeight();
}
