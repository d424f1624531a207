// The standard edit actions: cut, copy, paste, select all and delete on the
// focused edit (or on Control only, when set). Other controls that know
// these commands (a grid) test an action's class and carry it out their way.
// The hint action carries the application's hint to whoever shows it.
#pragma once

#include "platform/ui/actnlist.h"

class TCustomEdit;

// Run by the application when its Hint changes and no OnHint handler takes
// it: a control that shows hints (a status pane) answers its ExecuteAction.
class THintAction : public TCustomAction {
    SERVIORA_CLASS(THintAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
};

class TEditAction : public TAction {
    SERVIORA_CLASS(TEditAction, TAction)
    SERVIORA_PUBLISHED
public:
    using TAction::TAction;

    TCustomEdit* Control() const { return control_; }
    void SetControl(TCustomEdit* value);
    // A focused edit: Control itself when set, otherwise any.
    bool HandlesTarget(TObject* target) const override;

protected:
    static TCustomEdit* GetControl(TObject* target);
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomEdit* control_ = nullptr;
};

// Enabled while the edit has a selection.
class TEditCut : public TEditAction {
    SERVIORA_CLASS(TEditCut, TEditAction)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
};

// Enabled while the edit has a selection.
class TEditCopy : public TEditAction {
    SERVIORA_CLASS(TEditCopy, TEditAction)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
};

// Enabled while the clipboard holds text.
class TEditPaste : public TEditAction {
    SERVIORA_CLASS(TEditPaste, TEditAction)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
};

// Enabled while the edit holds text.
class TEditSelectAll : public TEditAction {
    SERVIORA_CLASS(TEditSelectAll, TEditAction)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
};

// Clears the selection; enabled while there is one.
class TEditDelete : public TEditAction {
    SERVIORA_CLASS(TEditDelete, TEditAction)
public:
    using TEditAction::TEditAction;
    void ExecuteTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
};
