// The standard edit actions.
#include "platform/ui/stdactns.h"

#include "platform/ui/clipbrd.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/clipboard.h"

void TEditAction::Published(TPublished<TEditAction>& p) {
    p.Property("Control", &TEditAction::Control, &TEditAction::SetControl);
}

void TEditAction::SetControl(TCustomEdit* value) {
    if (value == control_) return;
    if (control_) control_->RemoveFreeNotification(this);
    control_ = value;
    if (value) value->FreeNotification(this);
}

bool TEditAction::HandlesTarget(TObject* target) const {
    auto* edit = dynamic_cast<TCustomEdit*>(target);
    return edit && (!control_ || edit == control_) && edit->Focused();
}

TCustomEdit* TEditAction::GetControl(TObject* target) { return &dynamic_cast<TCustomEdit&>(*target); }

void TEditAction::Notification(TComponent* component, TOperation operation) {
    TAction::Notification(component, operation);
    if (operation == opRemove && component == control_) control_ = nullptr;
}

void TEditCut::ExecuteTarget(TObject* target) { GetControl(target)->CutToClipboard(); }
void TEditCut::UpdateTarget(TObject* target) { SetEnabled(GetControl(target)->SelLength() > 0); }

void TEditCopy::ExecuteTarget(TObject* target) { GetControl(target)->CopyToClipboard(); }
void TEditCopy::UpdateTarget(TObject* target) { SetEnabled(GetControl(target)->SelLength() > 0); }

void TEditPaste::ExecuteTarget(TObject* target) { GetControl(target)->PasteFromClipboard(); }
void TEditPaste::UpdateTarget(TObject*) { SetEnabled(Clipboard()->HasFormat(CF_TEXT)); }

void TEditSelectAll::ExecuteTarget(TObject* target) { GetControl(target)->SelectAll(); }
void TEditSelectAll::UpdateTarget(TObject* target) { SetEnabled(!GetControl(target)->Text().empty()); }

void TEditDelete::ExecuteTarget(TObject* target) { GetControl(target)->ClearSelection(); }
void TEditDelete::UpdateTarget(TObject* target) { SetEnabled(GetControl(target)->SelLength() > 0); }
