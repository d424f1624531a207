#include "datagrid/DBCtrlsVynCheckBox.h"

#include <algorithm>

#include "datagrid/ToolCtrlsVyn.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dbctrls.h"
#include "platform/ui/menus.h"
#include "platform/win/commctrl.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

SERVIORA_REGISTER_CLASS(TDBCheckBoxVyn);

namespace {

// An entry of a ";"-separated list without the blanks and control
// characters around it.
AnsiString TrimEntry(const AnsiString& entry) { return Trim(entry); }

AnsiString FirstEntry(const AnsiString& list) { return TrimEntry(list.substr(0, list.find(';'))); }

}  // namespace

TCustomDBCheckBoxVyn::TCustomDBCheckBoxVyn(TComponent* owner)
    : TButtonControl(owner), dataLink_(std::make_unique<TFieldDataLinkVyn>()), canvas_(std::make_unique<TControlCanvas>()) {
    SetBounds(Left(), Top(), 97, 17);
    SetTabStop(true);
    TControlStyle style = ControlStyle();
    style.Exclude(csDoubleClicks);
    style.Include(csReplicatable).Include(csCaptureMouse);
    SetControlStyle(style);
    valueChecked_ = "True";
    valueUnchecked_ = "False";
    dataLink_->SetControl(this);
    dataLink_->DataChangeHook = [this](TObject* s) { DataChange(s); };
    dataLink_->UpdateDataHook = [this](TObject* s) { UpdateData(s); };
    dataLink_->WriteValue(Variant(false));
}

TCustomDBCheckBoxVyn::~TCustomDBCheckBoxVyn() {
    dataLink_->DataChangeHook = nullptr;
    dataLink_->UpdateDataHook = nullptr;
    dataLink_->SetDataSource(nullptr);
}

// The window is an ordinary one the box paints itself, not a system button.
void TCustomDBCheckBoxVyn::CreateParams(TCreateParams& params) { TWinControl::CreateParams(params); }

// ---- properties ------------------------------------------------------------------------

void TCustomDBCheckBoxVyn::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBCheckBoxVyn::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBCheckBoxVyn::SetAlwaysShowBorder(bool value) {
    alwaysShowBorder_ = value;
    Invalidate();
}

void TCustomDBCheckBoxVyn::SetValueChecked(const AnsiString& value) {
    valueChecked_ = value;
    DataChange(this);
}

void TCustomDBCheckBoxVyn::SetValueUnchecked(const AnsiString& value) {
    valueUnchecked_ = value;
    DataChange(this);
}

void TCustomDBCheckBoxVyn::SetDataField(const AnsiString& value) { dataLink_->SetFieldName(value); }

void TCustomDBCheckBoxVyn::SetDataSource(TDataSource* value) {
    if (dataLink_->DataSourceFixed() && ComponentState().Contains(csLoading)) return;
    dataLink_->SetDataSource(value);
    if (value) value->FreeNotification(this);
}

bool TCustomDBCheckBoxVyn::ExecuteAction(TBasicAction* action) {
    return TButtonControl::ExecuteAction(action) || dataLink_->ExecuteAction(action);
}

bool TCustomDBCheckBoxVyn::UpdateAction(TBasicAction* action) {
    return TButtonControl::UpdateAction(action) || dataLink_->UpdateAction(action);
}

void TCustomDBCheckBoxVyn::Notification(TComponent* component, TOperation operation) {
    TButtonControl::Notification(component, operation);
    if (operation == opRemove && dataLink_ && component == DataSource()) SetDataSource(nullptr);
}

// ---- data ------------------------------------------------------------------------------

bool TCustomDBCheckBoxVyn::ListContains(const AnsiString& list, const AnsiString& text) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        if (AnsiCompareText(TrimEntry(list.substr(start, end - start)), text) == 0) return true;
        start = end + 1;
    }
    return false;
}

TCheckBoxState TCustomDBCheckBoxVyn::StateFromData() const {
    if (DataIndependent()) {
        const Variant& own = dataLink_->OwnValue();
        if (SameVariantValue(own, Variant(true))) return cbChecked;
        if (SameVariantValue(own, Variant(false))) return cbUnchecked;
        return cbGrayed;
    }
    TField* field = Field();
    if (!field) return cbUnchecked;
    if (field->IsNull()) return cbGrayed;
    if (field->DataType() == ftBoolean) return field->AsBoolean() ? cbChecked : cbUnchecked;
    const AnsiString text = field->Text();
    if (ListContains(valueChecked_, text)) return cbChecked;
    if (ListContains(valueUnchecked_, text)) return cbUnchecked;
    return cbGrayed;
}

void TCustomDBCheckBoxVyn::DataChange(TObject*) {
    SetStateInternal(StateFromData());
    modified_ = false;
}

void TCustomDBCheckBoxVyn::SetStateInternal(TCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    if (HandleAllocated()) SendMessage(Handle(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
    if (!ClicksDisabled()) Click();
    Invalidate();
    modified_ = true;
}

void TCustomDBCheckBoxVyn::CycleState() {
    if (WithoutField() || !dataLink_->Edit()) return;
    switch (state_) {
    case cbUnchecked: SetStateInternal(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetStateInternal(cbUnchecked); break;
    case cbGrayed: SetStateInternal(cbChecked); break;
    }
    dataLink_->SetModified();
    Invalidate();
}

// A box bound to a data source without a field has nothing to edit or post:
// it keeps showing what its data gives.
void TCustomDBCheckBoxVyn::SetState(TCheckBoxState value) {
    if (WithoutField()) return;
    if (!DataIndependent())
        if (TDataSource* source = DataSource(); source && source->DataSet()) source->DataSet()->Edit();
    SetStateInternal(value);
    if (postingInProgress_) return;
    try {
        UpdateData(this);
    } catch (...) {
        dataLink_->ReloadAll();
        throw;
    }
}

void TCustomDBCheckBoxVyn::UpdateData(TObject*) {
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
    if (!handled) PostState();
}

void TCustomDBCheckBoxVyn::PostState() {
    if (DataIndependent()) {
        dataLink_->WriteValue(state_ == cbGrayed ? Null() : Variant(state_ == cbChecked));
        return;
    }
    TField* field = Field();
    if (!field) return;
    if (state_ == cbGrayed)
        field->Clear();
    else if (field->DataType() == ftBoolean)
        field->SetAsBoolean(state_ == cbChecked);
    else
        field->SetText(FirstEntry(state_ == cbChecked ? valueChecked_ : valueUnchecked_));
}

// ---- input -----------------------------------------------------------------------------

void TCustomDBCheckBoxVyn::Clicked() {
    CycleState();
    Changed();
}

void TCustomDBCheckBoxVyn::CNCommand(TMessage& Message) {
    if (ClicksDisabled()) return;
    Inherited::Dispatch(Message);
}

void TCustomDBCheckBoxVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && !Focused()) {
        SetClicksDisabled(true);
        if (CanFocus()) SetFocus();
        SetClicksDisabled(false);
        if (!Focused()) return;
    }
    if (button == mbLeft) mousePressed_ = true;
    Invalidate();
    TButtonControl::MouseDown(button, shift, x, y);
}

void TCustomDBCheckBoxVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool click = button == mbLeft && mousePressed_;
    if (button == mbLeft) mousePressed_ = false;
    Invalidate();
    TButtonControl::MouseUp(button, shift, x, y);
    if (click && x >= 0 && y >= 0 && x < Width() && y < Height()) Clicked();
}

void TCustomDBCheckBoxVyn::KeyDown(Word& key, TShiftState shift) {
    TButtonControl::KeyDown(key, shift);
    if (key == VK_SPACE) {
        spacePressed_ = true;
        Invalidate();
    }
}

void TCustomDBCheckBoxVyn::KeyUp(Word& key, TShiftState shift) {
    TButtonControl::KeyUp(key, shift);
    if (key == VK_SPACE && spacePressed_) {
        spacePressed_ = false;
        Clicked();
    }
}

void TCustomDBCheckBoxVyn::KeyPress(char& key) {
    TButtonControl::KeyPress(key);
    if (key == VK_BACK || key == ' ') {
        if (!WithoutField()) dataLink_->Edit();
    } else if (key == VK_ESCAPE) {
        dataLink_->ReloadAll();
    }
}

void TCustomDBCheckBoxVyn::CMDialogChar(TMessage& Message) {
    if (!IsAccel(static_cast<Word>(Message.WParam), Caption()) || !CanFocus()) return Inherited::Dispatch(Message);
    SetFocus();
    if (Focused()) Clicked();
    Message.Result = 1;
}

void TCustomDBCheckBoxVyn::CMWantSpecialKey(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (Message.WParam == VK_ESCAPE && modified_) Message.Result = 1;
}

void TCustomDBCheckBoxVyn::CMExit(TMessage& Message) {
    try {
        dataLink_->UpdateRecord();
    } catch (...) {
        SetFocus();
        throw;
    }
    Inherited::Dispatch(Message);
}

void TCustomDBCheckBoxVyn::CMGetDataLink(TMessage& Message) { Message.Result = reinterpret_cast<LRESULT>(dataLink_.get()); }

void TCustomDBCheckBoxVyn::CMMouseEnter(TMessage& Message) {
    Inherited::Dispatch(Message);
    hovered_ = true;
    Invalidate();
}

void TCustomDBCheckBoxVyn::CMMouseLeave(TMessage& Message) {
    Inherited::Dispatch(Message);
    hovered_ = false;
    Invalidate();
}

void TCustomDBCheckBoxVyn::WMCancelMode(TMessage& Message) {
    const bool leftDown = mousePressed_;
    if (GetCapture() == Handle()) ReleaseCapture();
    Inherited::Dispatch(Message);
    if (leftDown) Perform(WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
}

void TCustomDBCheckBoxVyn::WMRepaintingChange(TMessage& Message) {
    Inherited::Dispatch(Message);
    Invalidate();
}

void TCustomDBCheckBoxVyn::CMCtl3DChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (HandleAllocated()) RecreateWnd();
}

// ---- painting --------------------------------------------------------------------------

bool TCustomDBCheckBoxVyn::UseRightToLeft() const {
    return DBUseRightToLeftAlignment(const_cast<TCustomDBCheckBoxVyn*>(this), Field());
}

TAlignment TCustomDBCheckBoxVyn::GetControlsAlignment() const {
    return UseRightToLeft() && alignment_ == taRightJustify ? taLeftJustify : taRightJustify;
}

void TCustomDBCheckBoxVyn::WMPaint(TMessage& Message) {
    PAINTSTRUCT ps{};
    HDC dc = Message.WParam ? static_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
    {
        TControlState state = ControlState();
        SetControlState(state.Include(csCustomPaint));
        CanvasOnDC scope(canvas_.get(), dc);
        PaintControl();
        SetControlState(ControlState().Exclude(csCustomPaint));
    }
    if (!Message.WParam) EndPaint(Handle(), &ps);
}

void TCustomDBCheckBoxVyn::PaintControl() {
    if (ControlState().Contains(csPaintCopy)) return PaintCheck(StateFromData(), false, false, false);
    const bool pressed = mousePressed_ && hovered_;
    PaintCheck(state_, Focused(), pressed || spacePressed_, hovered_);
}

void TCustomDBCheckBoxVyn::PaintCheck(TCheckBoxState state, bool hasFocus, bool pressed, bool hot) {
    TCanvas* canvas = canvas_.get();
    canvas->Brush()->SetColor(Color());
    const TRect client{0, 0, Width(), Height()};
    canvas->FillRect(client);
    const bool rtl = UseRightToLeft();
    const bool captionLeft = (!rtl && alignment_ == taLeftJustify) || (rtl && alignment_ == taRightJustify);
    TRect box, caption;
    if (captionLeft) {
        box = PlaceCheckBoxRect(client, taRightJustify, tlCenter);
        caption = {0, 0, box.left - 5, Height()};
    } else {
        box = PlaceCheckBoxRect(client, taLeftJustify, tlCenter);
        caption = {box.right + 5, 0, Width(), Height()};
    }
    PaintCaption(caption, hasFocus, pressed, hot);
    PaintCheckGlyph(box, state, pressed, hot, hasFocus);
}

void TCustomDBCheckBoxVyn::PaintCheckGlyph(TRect rect, TCheckBoxState state, bool pressed, bool hot, bool hasFocus) {
    PaintEditButtonFace(canvas_->Handle(), rect, Color(), bfsCheckBox, pressed ? 1 : 0, flat_,
                        hot || hasFocus || alwaysShowBorder_, Enabled(), state);
}

void TCustomDBCheckBoxVyn::PaintCaption(TRect rect, bool hasFocus, bool, bool) {
    TCanvas* canvas = canvas_.get();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetColor(Color());
    const AnsiString caption = Caption();
    HDC dc = canvas->Handle();
    TRect measured{0, 0, 0, 0};
    DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    const int height = measured.bottom - measured.top;
    TRect text{rect.left, (Height() - height) / 2, rect.left + (measured.right - measured.left), 0};
    text.bottom = text.top + height;
    if (Enabled()) {
        DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
    } else {
        canvas->Brush()->SetStyle(bsClear);
        TRect shadow = text;
        OffsetRect(&shadow, 1, 1);
        canvas->Font()->SetColor(clHighlightText);
        DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &shadow, DT_SINGLELINE);
        canvas->Font()->SetColor(clGrayText);
        DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
        canvas->Brush()->SetStyle(bsSolid);
    }
    if (!hasFocus) return;
    InflateRect(&text, 1, 1);
    text.left = std::max(text.left, 0);
    text.top = std::max(text.top, 0);
    text.right = std::min(text.right, Width());
    text.bottom = std::min(text.bottom, Height());
    canvas->DrawFocusRect(text);
}

// ---- publishing ------------------------------------------------------------------------

void TDBCheckBoxVyn::Published(TPublished<TDBCheckBoxVyn>& p) {
    p.Property("Alignment", &TDBCheckBoxVyn::Alignment, &TDBCheckBoxVyn::SetAlignment).Default(taRightJustify);
    p.Property("AllowGrayed", &TDBCheckBoxVyn::AllowGrayed, &TDBCheckBoxVyn::SetAllowGrayed).Default(false);
    p.Property("AlwaysShowBorder", &TDBCheckBoxVyn::AlwaysShowBorder, &TDBCheckBoxVyn::SetAlwaysShowBorder).Default(false);
    p.Property("Checked", &TDBCheckBoxVyn::Checked, &TDBCheckBoxVyn::SetChecked).Default(false);
    p.Property("DataField", &TDBCheckBoxVyn::DataField, &TDBCheckBoxVyn::SetDataField);
    p.Property("DataSource", &TDBCheckBoxVyn::DataSource, &TDBCheckBoxVyn::SetDataSource);
    p.Property("Flat", &TDBCheckBoxVyn::Flat, &TDBCheckBoxVyn::SetFlat).Default(false);
    p.Property("ReadOnly", &TDBCheckBoxVyn::ReadOnly, &TDBCheckBoxVyn::SetReadOnly).Default(false);
    p.Property("State", &TDBCheckBoxVyn::State, &TDBCheckBoxVyn::SetState).Stored(&TDBCheckBoxVyn::StateStored);
    p.Property("ValueChecked", &TDBCheckBoxVyn::ValueChecked, &TDBCheckBoxVyn::SetValueChecked);
    p.Property("ValueUnchecked", &TDBCheckBoxVyn::ValueUnchecked, &TDBCheckBoxVyn::SetValueUnchecked);
}
