// The base of the script event objects.
#include "script/qm_kpinterpreter_event.h"

TKpInterpreterArgs& TKpInterpreterEvent::GetFrame() {
    if (!frame_) frame_ = std::make_unique<TKpInterpreterArgs>();
    return *frame_;
}
