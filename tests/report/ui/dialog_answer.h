// Answering a report dialog the code under test shows modally: a timer
// finds the shown dialog of that class and hands it to the answer once.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"

template <class Dialog>
std::unique_ptr<TTimer> AnswerDialog(std::function<void(Dialog*)> answer) {
    auto timer = std::unique_ptr<TTimer>(TTimer::Create(nullptr));
    TTimer* self = timer.get();
    timer->SetInterval(10);
    timer->SetOnTimer([self, answer](TObject*) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            auto* dialog = dynamic_cast<Dialog*>(Screen->Forms(i));
            if (!dialog || !dialog->Visible()) continue;
            self->SetEnabled(false);
            answer(dialog);
            return;
        }
    });
    timer->SetEnabled(true);
    return timer;
}
