// TButtonControl, TCheckBox, TRadioButton, TGroupBox and TRadioGroup.
#include "platform/ui/stdctrls_buttons.h"

#include "platform/win/commctrl.h"

// ---- TButtonControl -----------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    // The window tracks the mouse and reports clicks itself.
    controlStyle_.Exclude(csCaptureMouse);
    controlStyle_.Exclude(csClickEvents);
    SetTabStop(true);
    SetParentColor(true);
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "Button");
}

void TButtonControl::CNCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == BN_CLICKED) Clicked();
}

// ---- TCustomCheckBox -------------------------------------------------------------------

void TCustomCheckBox::Published(TPublished<TCustomCheckBox>& p) {
    p.Property("Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment).Default(taRightJustify);
    p.Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed);
    p.Property("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked);
    p.Property("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState).Default(cbUnchecked);
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    // The control toggles the state itself, so the window's box is not automatic.
    params.Style |= BS_3STATE | (alignment_ == taLeftJustify ? BS_LEFTTEXT : 0);
}

void TCustomCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(Handle(), BM_SETCHECK, WPARAM(state_), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState v) {
    if (state_ == v) return;
    state_ = v;
    if (HandleAllocated()) SendMessage(Handle(), BM_SETCHECK, WPARAM(v), 0);
    Click();
}

void TCustomCheckBox::SetAlignment(TAlignment v) {
    if (alignment_ == v) return;
    alignment_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

TAlignment TCustomCheckBox::GetControlsAlignment() const {
    if (!UseRightToLeftAlignment()) return taRightJustify;
    return alignment_ == taRightJustify ? taLeftJustify : taRightJustify;
}

void TCustomCheckBox::Clicked() {
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

// ---- TRadioButton ------------------------------------------------------------------------

void TRadioButton::Published(TPublished<TRadioButton>& p) {
    p.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetCheckedState(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    if (HandleAllocated()) SendMessage(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v) return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
    Click();
}

void TRadioButton::Clicked() { SetChecked(true); }

// ---- TCustomGroupBox ------------------------------------------------------------------------

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    // A group box shows the face of the window it sits on.
    SetParentColor(true);
    SetBounds(0, 0, 185, 105);
    controlStyle_.Include(csAcceptsControls);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    const int captionHeight = std::max(8, int(-const_cast<TCustomGroupBox*>(this)->Font()->Height()));
    rect.top += captionHeight;
    InflateRect(&rect, -2, -2);
}

void TCustomGroupBox::Paint() {
    const HDC dc = Canvas()->Handle();
    TRect r = ClientRect();
    SIZE text{};
    GetTextExtentPoint32(dc, "0", 1, &text);
    RECT frame{0, text.cy / 2, r.right, r.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    RECT caption{8, 0, r.right - 8, text.cy};
    DrawText(dc, Caption().c_str(), int(Caption().size()), &caption, DT_SINGLELINE | DT_CALCRECT);
    caption.right += 4;
    Canvas()->Brush()->SetColor(Color());
    FillRect(dc, &caption, HBRUSH(Canvas()->Brush()->Handle()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? clBtnText : clGrayText));
    OffsetRect(&caption, 2, 0);
    DrawText(dc, Caption().c_str(), int(Caption().size()), &caption, DT_SINGLELINE);
}

// ---- TCustomRadioGroup -------------------------------------------------------------------------

void TCustomRadioGroup::Published(TPublished<TCustomRadioGroup>& p) {
    p.Property("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns).Default(1);
    p.Property("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex).Default(-1);
    p.Property("Items", &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems);
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(TStringList::Create()) {
    items_->SetOnChange([this](TObject* sender) { ItemsChanged(sender); });
}

TCustomRadioGroup::~TCustomRadioGroup() { items_->SetOnChange(nullptr); }

void TCustomRadioGroup::ItemsChanged(TObject*) {
    for (TRadioButton* button : buttons_) delete button;
    buttons_.clear();
    for (int i = 0; i < items_->Count(); ++i) {
        TRadioButton* button = TRadioButton::Create(this);
        button->SetCaption(items_->Strings(i));
        button->SetOnClick([this](TObject* sender) { ButtonClicked(sender); });
        button->SetParent(this);
        buttons_.push_back(button);
    }
    if (itemIndex_ >= Integer(buttons_.size())) itemIndex_ = -1;
    if (itemIndex_ >= 0) {
        updating_ = true;
        buttons_[std::size_t(itemIndex_)]->SetChecked(true);
        updating_ = false;
    }
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(TObject* sender) {
    if (updating_) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
    if (it == buttons_.end() || !(*it)->Checked()) return;
    itemIndex_ = Integer(it - buttons_.begin());
    Click();
}

void TCustomRadioGroup::SetItemIndex(Integer v) {
    if (v < -1 || v >= Integer(buttons_.size())) v = -1;
    if (v == itemIndex_) return;
    itemIndex_ = v;
    updating_ = true;
    if (v >= 0)
        buttons_[std::size_t(v)]->SetChecked(true);
    else
        for (TRadioButton* button : buttons_) button->SetChecked(false);
    updating_ = false;
}

void TCustomRadioGroup::SetColumns(Integer v) {
    columns_ = std::clamp<Integer>(v, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::Resize() {
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    // The buttons share the room inside the frame, below the caption; with
    // no caption only the frame's top line, half a text line down, is above.
    TRect area = ClientRect();
    AdjustClientRect(area);
    if (Caption().empty()) area.top -= std::max(8, int(-Font()->Height())) / 2;
    const int perColumn = (int(buttons_.size()) + columns_ - 1) / columns_;
    const int width = (area.right - area.left - 8) / columns_;
    const int height = std::max(1, int(area.bottom - area.top) / std::max(1, perColumn));
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int column = int(i) / perColumn, row = int(i) % perColumn;
        buttons_[i]->SetBounds(area.left + 4 + column * width, area.top + row * height + (height - 17) / 2, width, 17);
    }
}
