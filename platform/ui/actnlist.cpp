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
    p.Property("GroupIndex", &TCustomAction::GroupIndex, &TCustomAction::SetGroupIndex).Default(0);
    p.Property("Hint", &TCustomAction::Hint, &TCustomAction::SetHint);
    p.Property("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex).Default(-1);
    p.Property("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut).TypeName("TShortCut");
    p.Property("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible).Default(true);
}

TCustomAction::TCustomAction(TComponent* owner) : TContainedAction(owner) {}

template <class T, class Take>
void TCustomAction::Share(T& field, const T& value, bool (TActionLink::*linked)() const, Take take) {
    if (field == value) return;
    for (TBasicActionLink* client : Clients())
        if (auto* link = dynamic_cast<TActionLink*>(client); link && (link->*linked)()) (link->*take)(value);
    field = value;
}

void TCustomAction::SetCaption(const AnsiString& v) {
    Share(caption_, v, &TActionLink::IsCaptionLinked, &TActionLink::SetCaption);
}
void TCustomAction::SetChecked(bool v) { Share(checked_, v, &TActionLink::IsCheckedLinked, &TActionLink::SetChecked); }
void TCustomAction::SetEnabled(bool v) { Share(enabled_, v, &TActionLink::IsEnabledLinked, &TActionLink::SetEnabled); }
void TCustomAction::SetGroupIndex(Integer v) {
    Share(groupIndex_, v, &TActionLink::IsGroupIndexLinked, &TActionLink::SetGroupIndex);
}
void TCustomAction::SetHint(const AnsiString& v) { Share(hint_, v, &TActionLink::IsHintLinked, &TActionLink::SetHint); }
void TCustomAction::SetImageIndex(Integer v) {
    Share(imageIndex_, v, &TActionLink::IsImageIndexLinked, &TActionLink::SetImageIndex);
}
void TCustomAction::SetVisible(bool v) { Share(visible_, v, &TActionLink::IsVisibleLinked, &TActionLink::SetVisible); }

// ---- links ----

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
bool TActionLink::IsCaptionLinked() const { return CustomAction(); }
bool TActionLink::IsCheckedLinked() const { return CustomAction(); }
bool TActionLink::IsEnabledLinked() const { return CustomAction(); }
bool TActionLink::IsHintLinked() const { return CustomAction(); }
bool TActionLink::IsImageIndexLinked() const { return CustomAction(); }
bool TActionLink::IsVisibleLinked() const { return CustomAction(); }
bool TActionLink::IsGroupIndexLinked() const { return CustomAction(); }

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


bool TControlActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TControlActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
void TControlActionLink::SetCaption(const AnsiString& value) { client_->SetCaption(value); }
void TControlActionLink::SetEnabled(bool value) { client_->SetEnabled(value); }
void TControlActionLink::SetHint(const AnsiString& value) { client_->SetHint(value); }
void TControlActionLink::SetVisible(bool value) { client_->SetVisible(value); }
