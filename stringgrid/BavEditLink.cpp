// The edit link's protocol with the grid (opening, keys, focus, commit and
// the pop-up form), the overlay edit of fixed cells and the wide cell text
// the Unicode editors read and write.
#include "stringgrid/BavEditLink.h"

#include <utility>

#include "platform/rtl/valuerestorer.h"
#include "platform/win/msgqueue.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/BavUtil.h"

TEditLink::TEditLink(TComponent* owner) : TComponent(owner) {}

TEditLink::~TEditLink() { delete popupForm_; }

// The form belongs to the application, which may free it first.
void TEditLink::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupForm_) popupForm_ = nullptr;
}

void TEditLink::Published(TPublished<TEditLink>& p) {
    p.Property("EditStyle", &TEditLink::EditStyle, &TEditLink::SetEditStyle).Default(esInplace);
    p.Property("PopupWidth", &TEditLink::PopupWidth, &TEditLink::SetPopupWidth).Default(0);
    p.Property("PopupHeight", &TEditLink::PopupHeight, &TEditLink::SetPopupHeight).Default(0);
    p.Property("PopupLeft", &TEditLink::PopupLeft, &TEditLink::SetPopupLeft).Default(-1);
    p.Property("PopupTop", &TEditLink::PopupTop, &TEditLink::SetPopupTop).Default(-1);
    p.Property("AutoPopupWidth", &TEditLink::AutoPopupWidth, &TEditLink::SetAutoPopupWidth).Default(false);
    p.Property("WantKeyLeftRight", &TEditLink::WantKeyLeftRight, &TEditLink::SetWantKeyLeftRight).Default(false);
    p.Property("WantKeyUpDown", &TEditLink::WantKeyUpDown, &TEditLink::SetWantKeyUpDown).Default(false);
    p.Property("WantKeyHomeEnd", &TEditLink::WantKeyHomeEnd, &TEditLink::SetWantKeyHomeEnd).Default(false);
    p.Property("WantKeyPriorNext", &TEditLink::WantKeyPriorNext, &TEditLink::SetWantKeyPriorNext).Default(false);
    p.Property("WantKeyReturn", &TEditLink::WantKeyReturn, &TEditLink::SetWantKeyReturn).Default(false);
    p.Property("WantKeyEscape", &TEditLink::WantKeyEscape, &TEditLink::SetWantKeyEscape).Default(false);
    p.Property("Tag", &TEditLink::Tag, &TEditLink::SetTag).Default(0);
}

// ---- Opening and reading back ----------------------------------------------------------------

void TEditLink::OpenPopupForm(const TRect& cell) {
    if (autoPopupWidth_) popupWidth_ = cell.right - cell.left;
    if (!popupForm_) {
        popupForm_ = TForm::Create(Application, 0);
        popupForm_->FreeNotification(this);
        // Another component may already be the application's "gridform"
        // (another link's form): it is left alone and this form goes unnamed.
        if (!Application->FindComponent("gridform")) popupForm_->SetName("gridform");
        popupForm_->SetBorderStyle(bsNone);
        popupForm_->SetOnDeactivate([this](TObject* sender) { PopupDeactivate(sender); });
    }
    POINT at{popupLeft_, popupTop_};
    if (popupLeft_ == -1 || popupTop_ == -1) {
        at = {cell.left, cell.top};
        ClientToScreen(grid_->Handle(), &at);
    }
    popupForm_->SetBounds(at.x, at.y, popupWidth_, popupHeight_);
    popupForm_->Show();
    CreateEditor(popupForm_);
}

void TEditLink::Open(TBavStringGrid* grid, int col, int row, char typed) {
    grid_ = grid;
    editCell_ = {col, row};
    const TRect cell = grid->MergedCellRect(col, row);
    if (editStyle_ == esPopup)
        OpenPopupForm(cell);
    else
        CreateEditor(grid);
    SetEditorRect(editStyle_ == esPopup ? TRect(0, 0, popupWidth_, popupHeight_) : cell);
    SetEditorVisible(true);
    TBrush brush;
    TFont font;
    font.Assign(grid->Font());
    brush.SetColor(grid->Color());
    TColor colorTo = clNone;
    TCellGradientDirection direction{};
    grid->GetCellColor(col, row, TGridDrawState(), &brush, &font, colorTo, direction, false, false, true);
    SetEditorLook(brush.Color(), &font);
    SetEditorProperties();
    if (grid->OnGetEditorProp()) grid->OnGetEditorProp()(grid, col, row, this);
    SetEditorValue(grid->GetEditText(col, row));
    SetEditorFocus(true);
    if (typed && GetEditControl()) PostMessage(GetEditControl()->Handle(), WM_CHAR, WPARAM(Byte(typed)), 0);
    grid->currentEditorControl_ = GetEditControl();
}

void TEditLink::ReadBack() {
    grid_->CommitCellText(grid_->RealColIndex(grid_->Col()), grid_->Row(), GetEditorValue());
    if (editStyle_ != esPopup) SetEditorVisible(false);
    HideEditorControl();
}

// ---- The control -----------------------------------------------------------------------------

void TEditLink::SetEditorFocus(bool value) {
    TWinControl* control = GetEditControl();
    if (!control) return;
    if (value) {
        if (!control->Visible()) control->SetVisible(true);
        if (!control->Enabled()) control->SetEnabled(true);
    }
    if (hookedControl_ != control) {
        HideEditorControl();
        hookedControl_ = control;
        grid_->editLinkProc_ = control->WindowProc();
        control->SetWindowProc([grid = grid_](TMessage& message) { grid->EditLinkWindowProc(message); });
    }
    if (value)
        control->SetFocus();
    else
        grid_->SetFocus();
}

void TEditLink::SetEditorRect(TRect r) {
    if (TWinControl* control = GetEditControl())
        control->SetBounds(r.left, r.top, r.right - r.left - grid_->GridLineWidth(),
                           r.bottom - r.top - grid_->GridLineWidth());
}

void TEditLink::SetEditorVisible(bool value) {
    if (TWinControl* control = GetEditControl()) control->SetVisible(value);
}

void TEditLink::HideEditorControl() {
    if (hookedControl_) {
        hookedControl_->SetWindowProc(std::move(grid_->editLinkProc_));
        if (hookedControl_->HandleAllocated()) ShowWindow(hookedControl_->Handle(), SW_HIDE);
    }
    hookedControl_ = nullptr;
}

void TEditLink::CommitEditorValue(const AnsiString& value) {
    grid_->CommitCellText(grid_->RealColIndex(grid_->Col()), grid_->Row(), value);
}

void TEditLink::FinishEdit() {
    CommitEditorValue(GetEditorValue());
    grid_->HideCellEditor();
    HideEditorControl();
}

void TEditLink::FinishPopupEdit() {
    FinishEdit();
    if (editStyle_ == esPopup && popupForm_) {
        DestroyEditor();
        popupForm_->Hide();
    }
}

void TEditLink::PopupDeactivate(TObject*) {
    // The link's own move of the focus to the grid closes the form itself.
    if (!grid_ || forcedExit_ || !popupForm_ || !popupForm_->Visible()) return;
    FinishPopupEdit();
    grid_->popupEditClosed_ = true;
}

// ---- Keys ------------------------------------------------------------------------------------

void TEditLink::FocusGrid() {
    const ValueRestorer forced(forcedExit_, true);
    grid_->SetFocus();
}

void TEditLink::EditKeyDown(TObject*, Word& key, TShiftState shift) {
    bool handled = false;
    switch (key) {
    case VK_TAB: handled = true; break;
    case VK_RETURN: handled = !wantKeyReturn_; break;
    case VK_ESCAPE: handled = !wantKeyEscape_; break;
    case VK_PRIOR:
    case VK_NEXT: handled = !wantKeyPriorNext_; break;
    case VK_END: handled = !wantKeyHomeEnd_; break;
    case VK_LEFT:
    case VK_RIGHT: handled = !wantKeyLeftRight_; break;
    case VK_UP:
    case VK_DOWN: handled = !wantKeyUpDown_; break;
    default: break;
    }
    if (!handled || !grid_) return;
    if (key == VK_ESCAPE) SetEditorValue(grid_->EditStartText());
    FocusGrid();
    grid_->editAccepted_ = true;
    grid_->ReadBackEditor(grid_->Col(), grid_->Row());
    if (editStyle_ == esPopup && popupForm_) {
        DestroyEditor();
        popupForm_->Hide();
    }
    grid_->editorActive_ = false;
    grid_->SelectCell(grid_->Col(), grid_->Row());
    if (key == VK_RETURN && grid_->editAccepted_) {
        if (grid_->Navigation()->AdvanceOnEnter())
            grid_->AdvanceEdit(grid_->Col(), grid_->Row(), true, false, !shift.Contains(ssShift), false, false);
        key = 0;
    } else if (!grid_->editAccepted_) {
        grid_->editAccepted_ = true;
        grid_->ShowInplaceEditor(grid_->Col(), grid_->Row());
    } else if (key == VK_ESCAPE) {
        key = 0;
    } else {
        if (key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)
            grid_->KeyDown(key, shift);
        if (TWinControl* control = GetEditControl()) control->SetEnabled(false);
        FocusGrid();
    }
}

// ---- TGridTransEdit --------------------------------------------------------------------------

TGridTransEdit::TGridTransEdit(TBavStringGrid* grid) : TCustomEdit(grid), grid_(grid) {
    SetBorderStyle(bsNone);
    SetVisible(false);
}

void TGridTransEdit::KeyPress(char& key) {
    if (key == '\r') key = 0;
    TCustomEdit::KeyPress(key);
}

void TGridTransEdit::DoExit() {
    TCustomEdit::DoExit();
    CommitText();
}

bool TGridTransEdit::CommitText() {
    if (!grid_) {
        SetVisible(false);
        return true;
    }
    AnsiString value = Text();
    bool valid = true;
    if (grid_->OnCellValidate()) grid_->OnCellValidate()(grid_, cellCol_, cellRow_, value, valid);
    if (!valid) {
        grid_->SetCol(cellCol_);
        grid_->SetRow(cellRow_);
        SetFocus();
        return false;
    }
    grid_->DoEditingDone();
    grid_->SetCellText(cellCol_, cellRow_, value);
    SetVisible(false);
    return true;
}

// ---- Wide cell text --------------------------------------------------------------------------

WideString TBavStringGrid::GetWideCell(int col, int row) { return CellTextToWide(GetDisplayText(col, row)); }

void TBavStringGrid::SetWideCell(int col, int row, const WideString& text) {
    SetRawCellText(col, row, WideToCellText(text));
}

bool TBavStringGrid::ValidateCellWide(const WideString& text) {
    WideString value = text;
    bool valid = true;
    if (onCellValidateWide_) onCellValidateWide_(this, RealColIndex(Col()), Row(), value, valid);
    if (!valid) SetCellText(RealColIndex(Col()), Row(), editOriginalText_);
    return valid;
}
