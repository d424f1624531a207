// The grid's in-place editor: its style by the current column, what it
// loads when it arrives at a cell, its buttons and their presses, its text
// rectangle, image, cursor and focus handling.
#include "datagrid/DBGridVynInplaceEdit.h"

#include <algorithm>
#include <climits>

#include "datagrid/CalculatorVyn.h"
#include "datagrid/DBCtrlsVynEdit.h"
#include "datagrid/DBCtrlsVynMRUDropDown.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "datagrid/ToolCtrlsVynCalendar.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/gdi/wingdi.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/ui/menus.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {

bool IsNumberField(TField* field) { return dynamic_cast<TNumericField*>(field) != nullptr; }

bool IsDateField(TField* field) {
    const TFieldType type = field->DataType();
    return type == ftDate || type == ftDateTime || type == ftTimeStamp;
}

}  // namespace

TDBGridInplaceEdit::TDBGridInplaceEdit(TComponent* owner)
    : TInplaceEdit(owner), lookupSource_(std::make_unique<TDataSource>(nullptr)),
      canvas_(std::make_unique<TControlCanvas>()) {}

TDBGridInplaceEdit::~TDBGridInplaceEdit() {
    if (dataList_) dataList_->RemoveFreeNotification(this);
}

TCustomDBGridVyn* TDBGridInplaceEdit::DBGrid() const { return dynamic_cast<TCustomDBGridVyn*>(Grid()); }

TColumnVyn* TDBGridInplaceEdit::Column() const {
    TCustomDBGridVyn* grid = DBGrid();
    if (!grid) return nullptr;
    const int index = grid->SelectedIndex();
    return index >= 0 && index < grid->Columns()->Count() ? grid->Columns()->Items(index) : nullptr;
}

bool TDBGridInplaceEdit::GridFlat() const { return DBGrid() && DBGrid()->Flat(); }

int TDBGridInplaceEdit::DefaultButtonWidth() const {
    return GridFlat() ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
}

// ---- Style ----------------------------------------------------------------------------------------

TInplaceEditStyle TDBGridInplaceEdit::ColumnEditStyle(const TColumnVyn* column) {
    switch (column->ButtonStyle()) {
        case cbsEllipsis: return iesEllipsis;
        case cbsUpDown: return iesUpDown;
        case cbsDropDown: return iesDropDown;
        case cbsNone: return iesSimple;
        case cbsAuto: break;
    }
    TField* field = column->BoundField();
    if (!field) return iesSimple;
    TCustomDBGridVyn* grid = column->OwnerGrid();
    if (field->Lookup()) {
        const bool keysModifiable = grid && grid->AllFieldsCanModify(field->KeyFields());
        const bool columnWritable = !(column->Owns(cvReadOnly) && column->ReadOnly());
        const bool gridWritable =
            grid && !grid->ReadOnly() && grid->DataLink()->Active() && !grid->DataLink()->ReadOnly();
        return keysModifiable && columnWritable && gridWritable ? iesDataList : iesSimple;
    }
    if (column->PickList()->Count() > 0 && !column->ReadOnly()) return iesPickList;
    if (IsDateField(field) && !column->ReadOnly()) return iesDateCalendar;
    return iesSimple;
}

bool TDBGridInplaceEdit::CalculatorApplies() const {
    TColumnVyn* column = Column();
    return column && IsNumberField(column->BoundField());
}

bool TDBGridInplaceEdit::LookupKeysCanModify() const {
    TColumnVyn* column = Column();
    TField* field = column ? column->BoundField() : nullptr;
    return field && DBGrid()->AllFieldsCanModify(field->KeyFields());
}

void TDBGridInplaceEdit::ApplyEditStyle(TInplaceEditStyle style) {
    editStyle_ = style;
    TColumnVyn* column = Column();
    activeList_ = nullptr;
    switch (style) {
        case iesPickList:
            if (!pickList_) {
                pickList_ = TPopupListboxVyn::Create(this);
                pickList_->SetVisible(false);
                pickList_->SetParent(this);
                pickList_->SetOnMouseUp([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
                    PickListMouseUp(s, b, sh, x, y);
                });
                pickList_->SetImages(column ? column->ImageList() : nullptr);
                pickList_->SetItemHeight(TPopupListboxVyn::FontLineHeight(pickList_));
                pickList_->SetCtl3D(true);
            }
            activeList_ = pickList_;
            break;
        case iesDataList:
            if (column && dataList_ != column->DropDownGrid()) {
                if (dataList_) dataList_->RemoveFreeNotification(this);
                dataList_ = column->DropDownGrid();
                dataList_->SetVisible(false);
                dataList_->FreeNotification(this);
            }
            activeList_ = dataList_;
            break;
        case iesDateCalendar:
            if (!calendar_) {
                calendar_ = TPopupMonthCalendarVyn::Create(this);
                calendar_->SetVisible(false);
                calendar_->SetParent(this);
            }
            activeList_ = calendar_;
            break;
        case iesDropDown:
            if (CalculatorApplies()) activeList_ = CalculatorPopup();
            break;
        default: break;
    }
    SetReadOnly(column && column->ReadOnly());
    Invalidate();
}

TPopupCalculatorVyn* TDBGridInplaceEdit::CalculatorPopup() {
    if (!calculator_) {
        calculator_ = TPopupCalculatorVyn::Create(this);
        calculator_->SetVisible(false);
        calculator_->SetParent(this);
        if (HandleAllocated()) calculator_->HandleNeeded();
    }
    return calculator_;
}

TMRUListboxVyn* TDBGridInplaceEdit::CreateMRUListBox() {
    auto* box = TMRUListboxVyn::Create(this);
    box->SetVisible(false);
    box->SetCtl3D(false);
    box->SetParentCtl3D(false);
    box->SetSorted(true);
    box->SetParent(this);
    box->SetOnMouseUp([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { MRUListMouseUp(s, b, sh, x, y); });
    return box;
}

TMRUListboxVyn* TDBGridInplaceEdit::MRUListBox() {
    if (!mruListBox_) mruListBox_ = CreateMRUListBox();
    return mruListBox_;
}

void TDBGridInplaceEdit::OpenMRUList() {
    if (!mruList_) return;
    TMRUListboxVyn* list = MRUListBox();
    // Interrupted by a waiting key, the list keeps what was found so far.
    if (!mruList_->FilterInto(list->Items(), EditText())) mruList_->RequestCloseUp(false);
    RECT format{};
    SendMessage(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const TPoint topLeft = ClientToScreen(TPoint{format.left, format.top});
    const TPoint bottomRight = ClientToScreen(TPoint{format.right, format.bottom});
    const RECT reference{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    const int width = std::max(static_cast<int>(reference.right - reference.left), mruList_->DropDownWidth());
    if (!PlaceMRUList(mruList_, list, this, reference, width, [this](TObject* s) { MRUListResized(s); }))
        CloseMRUList(false);
}

void TDBGridInplaceEdit::CloseMRUList(bool accept) {
    if (!mruList_ || !mruList_->DroppedDown()) return;
    TMRUListboxVyn* list = MRUListBox();
    HideMRUList(mruList_, list, this);
    TCustomDBGridVyn* grid = DBGrid();
    if (!accept || ReadOnly() || !grid || !grid->DataLink()->Edit()) return;
    const int index = list->ItemIndex();
    if (index < 0) return;
    SetEditText(list->Items()->Strings(index));
    grid->SetEditedText(EditText());
    if (Focused()) SelectAll();
}

void TDBGridInplaceEdit::MRUListMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft) return;
    const TRect client = MRUListBox()->ClientRect();
    CloseMRUList(PtInRect(&client, TPoint{x, y}) != 0);
}

void TDBGridInplaceEdit::Notification(TComponent* component, TOperation operation) {
    TInplaceEdit::Notification(component, operation);
    if (operation != opRemove || component != dataList_) return;
    const bool wasActive = activeList_ == dataList_;
    dataList_ = nullptr;
    if (wasActive) ApplyEditStyle(iesSimple);
}

// ---- Contents -------------------------------------------------------------------------------------

void TDBGridInplaceEdit::UpdateContents() {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!grid || !column) return TInplaceEdit::UpdateContents();
    ApplyEditStyle(ColumnEditStyle(column));
    SetFont(column->Font());
    TColCellParamsVyn* params = grid->cellParams_.get();
    column->FillCellParams(params);
    params->Background = column->Color();
    params->Font = Font();
    params->State = TGridDrawState{gdFocused};
    params->Text = grid->GetEditText(grid->Col(), grid->Row());
    params->ReadOnly = !column->CanEditValue(false);
    grid->GetCellParams(column, params->Font, params->Background, params->State);
    column->FireGetCellParams(true, params);
    SetColor(params->Background);
    imageIndex_ = params->ImageIndex;
    ownReadOnly_ = params->ReadOnly != !column->CanEditValue(false);
    if (ownReadOnly_) SetReadOnly(params->ReadOnly);
    ApplyWordWrap(column->WordWrap() && grid->WordWrapAllowed());
    TInplaceEdit::UpdateContents();
    if (params->Text != grid->EditedText()) {
        SetEditText(params->Text);
        grid->SetEditedText(params->Text);
    }
    mruList_ = column->MRUList();
}

void TDBGridInplaceEdit::ApplyWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    if (HandleAllocated()) RecreateWnd();
}

void TDBGridInplaceEdit::CreateParams(TCreateParams& params) {
    TInplaceEdit::CreateParams(params);
    if (wordWrap_) params.Style = (params.Style & ~static_cast<DWORD>(ES_AUTOHSCROLL)) | ES_MULTILINE;
    buttonsWidth_ = GridFlat() ? FlatButtonWidth() + 1 : GetSystemMetrics(SM_CXVSCROLL);
}

void TDBGridInplaceEdit::UpdateImageIndex() {
    TColumnVyn* column = Column();
    if (!column || !column->ImageList()) return;
    int index = -1;
    TField* field = column->BoundField();
    if (column->PickList()->Count() == 0) {
        if (field && IsNumberField(field) && field->DataType() != ftLargeint && field->DataType() != ftAutoInc &&
            !field->IsNull())
            index = field->AsInteger();
    } else {
        index = column->PickList()->IndexOf(EditText());
    }
    if (index == -1) index = column->NotInKeyListIndex();
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Invalidate();
}

void TDBGridInplaceEdit::UserTextChanged() {
    textChangedByUser_ = true;
    UpdateImageIndex();
}

// ---- Placement and buttons ------------------------------------------------------------------------

void TDBGridInplaceEdit::BoundsChanged() {
    if (!HandleAllocated()) return;
    MSG pending{};
    PeekMessage(&pending, Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_REMOVE);
    LayoutEditButtons();
    EnableEditButtons();
    const bool flat = GridFlat();
    TRect rect = flat ? TRect{2, 1, Width() - 2, Height() - 1} : TRect{2, 2, Width() - 2, Height()};
    if (rect.bottom - rect.top < TPopupListboxVyn::FontLineHeight(this) && rect.bottom < Height()) ++rect.bottom;
    const bool rtl = UseRightToLeftAlignment();
    auto takeFromLead = [&](int width) { (rtl ? rect.right : rect.left) += rtl ? -width : width; };
    if (rtl)
        rect.left += buttonsWidth_;
    else
        rect.right -= buttonsWidth_;
    TColumnVyn* column = Column();
    if (column && column->ImageList() && column->ShowImageAndText()) takeFromLead(column->ImageList()->Width() + 5);
    TCustomDBGridVyn* grid = DBGrid();
    if (grid && grid->TreeNodeColumn(column)) takeFromLead(grid->TreeNodeAreaWidth() + 1);
    textRect_ = rect;
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
    SendMessage(Handle(), EM_SCROLLCARET, 0, 0);
}

TEditButtonControlVyn* TDBGridInplaceEdit::MakeButtonControl() { return MakeEditButtonControl(this); }

void TDBGridInplaceEdit::LayoutEditButtons() {
    TColumnVyn* column = Column();
    TEditButtonsVyn* extras = column ? column->EditButtons() : nullptr;
    const std::size_t count = static_cast<std::size_t>(extras ? extras->Count() : 0) + 1;
    ResizeButtonControls(buttonControls_, count, this, [this] { return MakeButtonControl(); }, false);
    const bool flat = GridFlat();
    const int clientHeight = ClientHeight();
    int minHeight = INT_MAX;
    auto configure = [&](std::size_t index, bool visible, int width, bool forMain) {
        auto [divider, control] = buttonControls_[index];
        control->SetVisible(visible);
        control->SetFlat(flat);
        control->SetWidth(visible ? width : 0);
        if (visible) {
            const int candidate = (width * 3 + 1) / 2 < clientHeight ? (forMain ? ButtonHeightForWidth(width, flat) : width)
                                                                     : clientHeight;
            minHeight = std::min(minHeight, candidate);
        }
        const bool dividerShown = flat && visible;
        divider->SetVisible(dividerShown);
        divider->SetWidth(dividerShown ? 1 : 0);
        HookEditButtonControl(control, static_cast<int>(index),
                              [this](TObject* s, bool top, bool& autoRepeat, bool& handled) {
                                  ButtonPressed(s, top, autoRepeat, handled);
                              },
                              [this](TObject* s) { ButtonClicked(s); },
                              [this](TObject* s, TShiftState sh, int x, int y) { ButtonMouseMoved(s, sh, x, y); },
                              [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
                                  ButtonMouseReleased(s, b, sh, x, y);
                              });
    };
    TEditButtonControlVyn* main = buttonControls_[0].second;
    main->SetStyle(editStyle_ == iesEllipsis ? ebsEllipsisVyn : editStyle_ == iesUpDown ? ebsUpDownVyn : ebsDropDownVyn);
    main->SetGlyph(nullptr);
    main->SetHint(AnsiString());
    configure(0, editStyle_ != iesSimple, DefaultButtonWidth(), true);
    for (std::size_t i = 1; i < count; ++i) {
        TEditButtonVyn* settings = extras->Items(static_cast<int>(i) - 1);
        TEditButtonControlVyn* control = buttonControls_[i].second;
        control->SetStyle(settings->Style());
        control->SetGlyph(settings->Glyph());
        control->SetNumGlyphs(settings->NumGlyphs());
        control->SetHint(settings->Hint());
        configure(i, settings->Visible(), settings->Width() > 0 ? settings->Width() : DefaultButtonWidth(), false);
    }
    if (minHeight == INT_MAX) minHeight = clientHeight;
    buttonsWidth_ = PlaceButtonControls(buttonControls_, ClientWidth(), minHeight, UseRightToLeftAlignment());
}

void TDBGridInplaceEdit::EnableEditButtons() {
    for (auto [divider, control] : buttonControls_) {
        control->SetEnabled(true);
        control->SetActive(true);
        divider->Pen()->SetColor(clBtnFace);
    }
}

int TDBGridInplaceEdit::ButtonIndexOf(TObject* control) const {
    for (std::size_t i = 0; i < buttonControls_.size(); ++i)
        if (buttonControls_[i].second == control) return static_cast<int>(i);
    return -1;
}

void TDBGridInplaceEdit::ButtonPressed(TObject* sender, bool topButton, bool& autoRepeat, bool& handled) {
    if (CanFocus()) SetFocus();
    handled = false;
    auto* control = static_cast<TEditButtonControlVyn*>(sender);
    MSG pending{};
    if (PeekMessage(&pending, Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_NOREMOVE) &&
        pending.wParam == static_cast<WPARAM>(control->Tag())) {
        PeekMessage(&pending, Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_REMOVE);
        return;
    }
    const int index = ButtonIndexOf(sender);
    TColumnVyn* column = Column();
    if (index < 0 || !column) return;
    if (index == 0) {
        column->OnEditButtonDown()(sender, topButton, autoRepeat, handled);
        if (!handled) EditButtonDownDefault(!topButton);
        return;
    }
    TEditButtonVyn* settings = column->EditButtons()->Items(index - 1);
    settings->OnDown()(sender, topButton, autoRepeat, handled);
    if (handled || !settings->DropdownMenu()) return;
    TPopupMenu* menu = settings->DropdownMenu();
    const TPoint corner =
        control->ClientToScreen(TPoint{menu->Alignment() == paRight ? control->Width() : 0, control->Height()});
    menu->Popup(corner.x, corner.y);
    PostMessage(Handle(), ButtonMenuShownMessage, static_cast<WPARAM>(control->Tag()), 0);
    control->Perform(WM_LBUTTONUP, 0, 0);
}

void TDBGridInplaceEdit::EditButtonDownDefault(bool bottom) {
    if (editStyle_ == iesUpDown) return StepUpDown(bottom);
    if (droppedDown_) return;
    OpenDropDown();
    noClickCloseUp_ = true;
}

void TDBGridInplaceEdit::ButtonClicked(TObject* sender) {
    const int index = ButtonIndexOf(sender);
    TColumnVyn* column = Column();
    if (index < 0 || !column) return;
    if (index == 0 && (editStyle_ == iesEllipsis || editStyle_ == iesDropDown)) DBGrid()->EditButtonClick();
    bool handled = false;
    if (index == 0)
        column->OnEditButtonClick()(sender, handled);
    else
        column->EditButtons()->Items(index - 1)->OnClick()(sender, handled);
    if (!handled && listVisible_ && !noClickCloseUp_ && index == 0) CloseDropDown(false);
    noClickCloseUp_ = false;
}

void TDBGridInplaceEdit::ButtonMouseMoved(TObject* sender, TShiftState, int x, int y) {
    if (ButtonIndexOf(sender) != 0 || !listVisible_ || !activeList_ || GetCapture() != Handle()) return;
    auto* control = static_cast<TControl*>(sender);
    const TPoint inList = activeList_->ScreenToClient(control->ClientToScreen(TPoint{x, y}));
    const TRect area = activeList_->ClientRect();
    if (!PtInRect(&area, inList)) return;
    control->Perform(WM_CANCELMODE, 0, 0);
    SendMessage(activeList_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inList.x, inList.y));
}

void TDBGridInplaceEdit::ButtonMouseReleased(TObject* sender, TMouseButton, TShiftState, int x, int y) {
    auto* control = static_cast<TControl*>(sender);
    if (x < 0 || y < 0 || x >= control->ClientWidth() || y >= control->ClientHeight()) noClickCloseUp_ = false;
}

void TDBGridInplaceEdit::StepUpDown(bool bottom) {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!column || !column->CanEditValue(true)) return;
    if (grid->GetEditText(grid->Col(), grid->Row()) != EditText()) {
        grid->SetEditText(grid->Col(), grid->Row(), EditText());
        grid->ApplyEditText();
    }
    const double increment = column->Increment();
    double delta = bottom ? -increment : increment;
    if (column->ValueKind() != cvkPlain) delta = -delta;
    column->StepValue(delta);
}

void TDBGridInplaceEdit::DataListCloseUp(TObject*, bool accept) { CloseDropDown(accept); }

void TDBGridInplaceEdit::PickListMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft || !pickList_) return;
    const TRect area = pickList_->ClientRect();
    CloseDropDown(PtInRect(&area, TPoint{x, y}) != 0);
}

void TDBGridInplaceEdit::AcceptMRUItem(const AnsiString& itemText, bool& accept) {
    const AnsiString text = EditText();
    const AnsiString head = itemText.substr(0, text.size());
    accept = mruList_ && mruList_->CaseSensitive() ? AnsiCompareStr(head, text) == 0 : AnsiCompareText(head, text) == 0;
    if (mruList_) mruList_->OnFilterItem()(Column(), accept);
}

void TDBGridInplaceEdit::MRUListResized(TObject*) {
    if (!mruList_ || !mruListBox_ || !mruList_->DroppedDown()) return;
    mruList_->SetRows(mruListBox_->RowCount());
    mruList_->SetDropDownWidth(mruListBox_->Width());
}

// ---- Mouse, painting and focus ---------------------------------------------------------------------

void TDBGridInplaceEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TColumnVyn* column = Column();
    TCustomDBGridVyn* grid = DBGrid();
    // A double click on the node's own box toggles it, as a click on the grid's does.
    if (grid && shift.Contains(ssDouble) && grid->TreeNodeColumn(column)) {
        const int area = grid->TreeNodeAreaWidth();
        // The area sits at the leading edge: the right one for right-to-left.
        const int lead = UseRightToLeftAlignment() ? Width() - 1 - x : x;
        if (lead >= area - 18 && lead < area) grid->MTToggleCurrentNode(-1);
    }
    TInplaceEdit::MouseDown(button, shift, x, y);
    if (column && column->DblClickNextVal() && shift.Contains(ssDouble))
        column->StepValue(shift.Contains(ssShift) ? -1 : 1);
}

bool TDBGridInplaceEdit::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    return listVisible_ || TInplaceEdit::DoMouseWheelDown(shift, mousePos);
}

bool TDBGridInplaceEdit::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    return listVisible_ || TInplaceEdit::DoMouseWheelUp(shift, mousePos);
}

void TDBGridInplaceEdit::WMPaint(TMessage& Message) {
    Inherited::Dispatch(Message);
    PaintTreeNodes();
    PaintEditImage();
}

void TDBGridInplaceEdit::PaintTreeNodes() {
    TCustomDBGridVyn* grid = DBGrid();
    if (!Visible() || !HandleAllocated() || !grid || !grid->TreeNodeColumn(Column())) return;
    HDC dc = GetDC(Handle());
    // Right-to-left, the tree is drawn mirrored at the right, where the text leaves it room.
    if (UseRightToLeftAlignment()) SetLayout(dc, LAYOUT_RTL);
    {
        CanvasOnDC bound(canvas_.get(), dc);
        canvas_->Brush()->SetColor(Color());
        grid->DrawTreeNodes(canvas_.get(), TRect{0, 0, Width(), Height()});
    }
    ReleaseDC(Handle(), dc);
}

void TDBGridInplaceEdit::PaintEditImage() {
    TColumnVyn* column = Column();
    if (!Visible() || !HandleAllocated() || !column || !column->ImageList() || imageIndex_ < 0) return;
    TCustomImageList* images = column->ImageList();
    TRect rect{2, 0, images->Width() + 2, Height()};
    TCustomDBGridVyn* grid = DBGrid();
    if (grid->TreeNodeColumn(column)) OffsetRect(&rect, grid->TreeNodeAreaWidth(), 0);
    // Both lead the text: from the right edge right to left.
    if (UseRightToLeftAlignment()) rect = {Width() - rect.right, rect.top, Width() - rect.left, rect.bottom};
    HDC dc = GetDC(Handle());
    PaintListImage(dc, rect, images, imageIndex_, false);
    ReleaseDC(Handle(), dc);
}

void TDBGridInplaceEdit::WMSetCursor(TMessage& Message) {
    TPoint p{};
    GetCursorPos(&p);
    p = ScreenToClient(p);
    const TRect text = TextArea();
    if (PtInRect(&text, p)) return Inherited::Dispatch(Message);
    ::SetCursor(LoadCursor(0, IDC_ARROW));
    Message.Result = 1;
}

void TDBGridInplaceEdit::DefaultHandler(TMessage& Message) {
    if (Message.Msg >= WM_LBUTTONDOWN && Message.Msg <= WM_MBUTTONDBLCLK && GetCapture() != Handle()) {
        const int x = GET_X_LPARAM(Message.LParam);
        if (x < textRect_.left || x >= textRect_.right) return;
    }
    TInplaceEdit::DefaultHandler(Message);
    if (!textChangedByUser_) return;
    textChangedByUser_ = false;
    // Typed or pasted text, once the window has it, opens or closes the
    // list of remembered values; a text the program set does neither.
    const UINT msg = Message.Msg;
    const bool typing = (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || msg == WM_PASTE || msg == WM_CUT ||
                        msg == WM_UNDO || msg == WM_CLEAR || msg == WM_IME_CHAR || msg == WM_IME_COMPOSITION;
    if (!typing) return;
    const AnsiString empty = IsMasked() ? FormatMaskText(EditMask(), AnsiString()) : AnsiString();
    if (mruList_ && mruList_->DroppedDown() && EditText() == empty) return CloseMRUList(false);
    if (mruList_ && mruList_->Active() && Showing() && !listVisible_ && EditText() != empty) OpenMRUList();
}

void TDBGridInplaceEdit::CMCancelMode(TMessage& Message) {
    Inherited::Dispatch(Message);
    auto* sender = reinterpret_cast<TControl*>(Message.LParam);
    if (!sender || sender == this || ContainsControl(sender)) return;
    const bool inList = activeList_ && (sender == activeList_ || activeList_->ContainsControl(sender));
    if (!inList) CloseDropDown(false);
    const bool inMRU = mruListBox_ && (sender == mruListBox_ || mruListBox_->ContainsControl(sender));
    if (!inMRU) CloseMRUList(false);
}

void TDBGridInplaceEdit::WMKillFocus(TMessage& Message) {
    Inherited::Dispatch(Message);
    const HWND to = static_cast<HWND>(Message.WParam);
    const bool toList = activeList_ && activeList_->HandleAllocated() &&
                        (to == activeList_->Handle() || IsChild(activeList_->Handle(), to));
    if (listVisible_ && !toList)
        CloseDropDown(false);
    else if (mruListBox_ && mruListBox_->HandleAllocated() && to != mruListBox_->Handle())
        CloseMRUList(false);
    CheckFocusState();
}

void TDBGridInplaceEdit::WMSetFocus(TMessage& Message) {
    CheckFocusState();
    Inherited::Dispatch(Message);
}

void TDBGridInplaceEdit::CheckFocusState() {
    if (TCustomDBGridVyn* grid = DBGrid(); grid && grid->HandleAllocated()) grid->InvalidateSelection();
}
