// Actions and action lists.
#include "platform/ui/actnlist.h"

#include <algorithm>

#include "platform/ui/forms.h"


void TContainedAction::Published(TPublished<TContainedAction>& p) {
    p.Property("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
}

TContainedAction::TContainedAction(TComponent* owner) : TBasicAction(owner) {}
TContainedAction::~TContainedAction() = default;

void TContainedAction::BeforeDestruction() {
    SetActionList(nullptr);
    TBasicAction::BeforeDestruction();
}

void TContainedAction::SetActionList(TActionList* v) {
    if (v == actionList_) return;
    if (actionList_) std::erase(actionList_->actions_, this);
    actionList_ = v;
    if (v) v->actions_.push_back(this);
}

namespace {

// The first visible control under `parent` (depth first) that answers.
bool AnswerFromChildren(TWinControl* parent, bool (TComponent::*answer)(TBasicAction*), TBasicAction* action) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (!control->Visible()) continue;
        if ((control->*answer)(action)) return true;
        if (auto* container = dynamic_cast<TWinControl*>(control);
            container && AnswerFromChildren(container, answer, action))
            return true;
    }
    return false;
}

// An action nobody else answered goes to the focused control, then to the
// active form, then to the form's visible controls: so a menu's Copy copies
// from whatever has the focus, and a status pane shows the hint.
bool AnswerFromFocus(bool (TComponent::*answer)(TBasicAction*), TBasicAction* action) {
    if (!Screen) return false;
    if (TWinControl* control = Screen->ActiveControl(); control && (control->*answer)(action)) return true;
    TCustomForm* form = Screen->ActiveCustomForm();
    return form && ((form->*answer)(action) || AnswerFromChildren(form, answer, action));
}

}  // namespace

bool TContainedAction::Execute() {
    if (actionList_ && actionList_->ExecuteAction(this)) return true;
    return TBasicAction::Execute() || AnswerFromFocus(&TComponent::ExecuteAction, this);
}

bool TContainedAction::Update() {
    if (actionList_ && actionList_->UpdateAction(this)) return true;
    return TBasicAction::Update() || AnswerFromFocus(&TComponent::UpdateAction, this);
}

TComponent* TContainedAction::GetParentComponent() const { return actionList_; }

void TContainedAction::SetParentComponent(TComponent* parent) { SetActionList(dynamic_cast<TActionList*>(parent)); }

void TCustomAction::Published(TPublished<TCustomAction>& p) {
    p.Property("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption);
    p.Property("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked);
    p.Property("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled).Default(true);
    p.Property("Hint", &TCustomAction::Hint, &TCustomAction::SetHint);
    p.Property("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1);
    p.Property("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).TypeName("TShortCut");
    p.Property("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
}

TCustomAction::TCustomAction(TComponent* owner) : TContainedAction(owner) {}

bool TCustomAction::Execute() {
    Update();
    return enabled_ && TContainedAction::Execute();
}

void TActionList::Published(TPublished<TActionList>& p) {
    p.Property("OnExecute", &TActionList::OnExecute, &TActionList::SetOnExecute);
    p.Property("OnUpdate", &TActionList::OnUpdate, &TActionList::SetOnUpdate);
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

bool TActionList::ExecuteAction(TBasicAction* action) {
    bool handled = false;
    onExecute_(action, handled);
    return handled;
}

bool TActionList::UpdateAction(TBasicAction* action) {
    bool handled = false;
    onUpdate_(action, handled);
    return handled;
}

void TActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TContainedAction* action : actions_)
        if (action->Owner() == root) proc(action);
}

