// Driving a common dialog's real window in a test: its controls by class,
// and steps run once it shows.
#pragma once

#include <vector>

#include "platform/ui/commondialog.h"
#include "platform/win/testseams.h"

// The dialog's controls of one class, in creation order.
template <class T>
std::vector<T*> ControlsOf(TWinControl* form) {
    std::vector<T*> found;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* c = dynamic_cast<T*>(form->Controls(i))) found.push_back(c);
    return found;
}

// Runs `steps` on the dialog once it is shown, then lets Execute finish.
template <class Steps>
bool RunDialog(TCommonDialog* dialog, Steps steps) {
    bool done = false;
    Application->SetOnIdle([&](TObject*, bool& idle) {
        idle = false;
        auto* form = dynamic_cast<TForm*>(FindControl(GetActiveWindow()));
        if (done || !form || ClassNameOf(form->Handle()) != "#32770") return;
        done = true;
        steps(form);
    });
    const bool chosen = dialog->Execute();
    Application->SetOnIdle(nullptr);
    return chosen;
}

