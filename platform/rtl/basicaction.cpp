// Actions and the components' default answer to them.
#include "platform/rtl/basicaction.h"

void TBasicAction::Published(TPublished<TBasicAction>& p) {
    p.Property("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute);
    p.Property("OnUpdate", &TBasicAction::OnUpdate, &TBasicAction::SetOnUpdate);
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
    for (TBasicActionLink* link : clients_) link->action_ = nullptr;
}

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* action) {
    if (action == action_) return;
    if (action_) std::erase(action_->clients_, this);
    action_ = action;
    if (action_) action_->clients_.push_back(this);
}


bool TBasicAction::Execute() {
    if (!onExecute_) return false;
    onExecute_(this);
    return true;
}

bool TBasicAction::Update() {
    if (!onUpdate_) return false;
    onUpdate_(this);
    return true;
}

bool TBasicAction::HandlesTarget(TObject*) const { return false; }
void TBasicAction::ExecuteTarget(TObject*) {}
void TBasicAction::UpdateTarget(TObject*) {}

bool TComponent::ExecuteAction(TBasicAction* action) {
    if (!action->HandlesTarget(this)) return false;
    action->ExecuteTarget(this);
    return true;
}

bool TComponent::UpdateAction(TBasicAction* action) {
    if (!action->HandlesTarget(this)) return false;
    action->UpdateTarget(this);
    return true;
}
