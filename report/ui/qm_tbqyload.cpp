// Tool windows read from a form description: a floating one stored by the
// designer keeps its bounds relative to its form, one saved by a running
// program in screen coordinates; either is kept on the screen and laid out
// once its items are read.
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "report/ui/qm_tbqy.h"

void TCustomToolWindowQy::DefineProperties(TFiler* filer) {
    TCustomControl::DefineProperties(filer);
    filer->DefineProperty(
        "SavedAtRunTime", [this](TReader* reader) { savedAtRunTime_ = reader->ReadBoolean(); },
        [](TWriter* writer) { writer->WriteBoolean(true); }, !ComponentState().Contains(csDesigning));
}

void TCustomToolWindowQy::Loaded() {
    TCustomControl::Loaded();
    if (!ComponentState().Contains(csDesigning) && !savedAtRunTime_ && Floating()) {
        if (TCustomForm* host = HostForm()) {
            const TPoint topLeft = host->ClientToScreen(TPoint{Left(), Top()});
            SetBounds(topLeft.x, topLeft.y, Width(), Height());
        }
        KeepOnScreen(false);
    }
    InitItemOrder();
    ArrangeContent();
}
