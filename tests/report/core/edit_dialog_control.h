// A dialog control with a live edit, as add-ins make them.
#pragma once

#include <memory>

#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_dialogcomponent.h"

class TEditDialogControl : public TQmDialogControl {
    SERVIORA_CLASS(TEditDialogControl, TQmDialogControl)
public:
    TEditDialogControl() { Control = edit_.get(); }

private:
    std::unique_ptr<TEdit> edit_{TEdit::Create(nullptr)};
};
