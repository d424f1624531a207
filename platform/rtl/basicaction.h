// TBasicAction: a command that finds its target. A component asked to run
// an action (ExecuteAction) runs it when the action names the component as
// a target it handles; the data layer's links answer this way too.
#pragma once

#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/events.h"

using TActionEvent = TEvent<void(class TBasicAction* Action, bool& Handled)>;

class TBasicAction;

// A client's tie to an action: the action hands its links new values (in
// the class library's links) and forgets them (or they it) when either goes.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);

private:
    friend class TBasicAction;
    TBasicAction* action_ = nullptr;
};

class TBasicAction : public TComponent {
    SERVIORA_CLASS(TBasicAction, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TBasicAction(TComponent* owner);

    // OnExecute; answers whether a handler ran.
    virtual bool Execute();
    // OnUpdate; answers whether a handler ran.
    virtual bool Update();
    // Whether `target` can run this action (the target then does).
    virtual bool HandlesTarget(TObject* target) const;
    virtual void ExecuteTarget(TObject* target);
    virtual void UpdateTarget(TObject* target);

    const TNotifyEvent& OnExecute() const { return onExecute_; }
    void SetOnExecute(TNotifyEvent v) { onExecute_ = std::move(v); }
    const TNotifyEvent& OnUpdate() const { return onUpdate_; }
    void SetOnUpdate(TNotifyEvent v) { onUpdate_ = std::move(v); }
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* v) { actionComponent_ = v; }
    ~TBasicAction() override;
    // The links of the action's clients.
    const std::vector<TBasicActionLink*>& Clients() const { return clients_; }

private:
    friend class TBasicActionLink;
    TNotifyEvent onExecute_, onUpdate_;
    TComponent* actionComponent_ = nullptr;
    std::vector<TBasicActionLink*> clients_;
};
