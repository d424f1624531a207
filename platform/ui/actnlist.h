// Actions: TBasicAction, TAction and TActionList. A control with an Action
// runs the action when clicked; ExecuteAction/UpdateAction let a target
// (a grid, an edit) handle the actions it knows.
#pragma once

#include <vector>

#include "platform/rtl/basicaction.h"
#include "platform/rtl/component.h"

class TActionList;

class TContainedAction : public TBasicAction {
    SERVIORA_CLASS(TContainedAction, TBasicAction)
    SERVIORA_PUBLISHED
public:
    explicit TContainedAction(TComponent* owner);
    ~TContainedAction() override;
    void BeforeDestruction() override;

    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* v);
    const AnsiString& Category() const { return category_; }
    void SetCategory(const AnsiString& v) { category_ = v; }
    bool Execute() override;
    bool Update() override;

    bool HasParent() const override { return actionList_ != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    TActionList* actionList_ = nullptr;
    AnsiString category_;
};

// A link to a TCustomAction: which of the action's values the client
// shares, and how it takes a new one. The class library's clients derive
// their links from this one.
class TActionLink : public TBasicActionLink {
public:
    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const;
    virtual bool IsEnabledLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsImageIndexLinked() const;
    virtual bool IsVisibleLinked() const;
    virtual bool IsGroupIndexLinked() const;
    virtual void SetCaption(const AnsiString&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const AnsiString&) {}
    virtual void SetImageIndex(Integer) {}
    virtual void SetVisible(bool) {}
    virtual void SetGroupIndex(Integer) {}

protected:
    class TCustomAction* CustomAction() const;
};

class TCustomAction : public TContainedAction {
    SERVIORA_CLASS(TCustomAction, TContainedAction)
    SERVIORA_PUBLISHED
public:
    explicit TCustomAction(TComponent* owner);

    // Each setter hands a new value to the clients that share it.
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v);
    Integer ImageIndex() const { return imageIndex_; }
    void SetImageIndex(Integer v);
    // Checked actions of one group index above 0 are exclusive, as
    // buttons of one group are.
    Integer GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(Integer v);
    Word ShortCut() const { return shortCut_; }
    void SetShortCut(Word v) { shortCut_ = v; }
    // Runs only while enabled.
    bool Execute() override;

private:
    // Passes a new value to every linked client that shares the old one,
    // then keeps it.
    template <class T, class Take>
    void Share(T& field, const T& value, bool (TActionLink::*linked)() const, Take take);

    AnsiString caption_, hint_;
    bool enabled_ = true, checked_ = false, visible_ = true;
    Integer imageIndex_ = -1;
    Integer groupIndex_ = 0;
    Word shortCut_ = 0;
};

class TAction : public TCustomAction {
    SERVIORA_CLASS(TAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
};

class TActionList : public TComponent {
    SERVIORA_CLASS(TActionList, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TActionList(TComponent* owner);

    int ActionCount() const { return int(actions_.size()); }
    TContainedAction* Actions(int index) const { return actions_.at(std::size_t(index)); }
    // The list's OnExecute/OnUpdate may handle an action first.
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;
    const TActionEvent& OnExecute() const { return onExecute_; }
    void SetOnExecute(TActionEvent v) { onExecute_ = std::move(v); }
    const TActionEvent& OnUpdate() const { return onUpdate_; }
    void SetOnUpdate(TActionEvent v) { onUpdate_ = std::move(v); }
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

private:
    friend class TContainedAction;
    std::vector<TContainedAction*> actions_;
    TActionEvent onExecute_, onUpdate_;
};

class TControl;

// A control's link: it shares the action's caption, enabled state, hint
// and visibility while the control's values equal the action's.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* client) : client_(client) {}
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    void SetCaption(const AnsiString& value) override;
    void SetEnabled(bool value) override;
    void SetHint(const AnsiString& value) override;
    void SetVisible(bool value) override;

protected:
    TControl* client_;
};
