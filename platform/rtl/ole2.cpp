// The OLE start count. Nothing needs starting here: the drag-and-drop and
// clipboard services the count guards are always available.
#include "platform/rtl/ole2.h"

namespace {

int& StartCount() {
    static int count = 0;
    return count;
}

}  // namespace

HRESULT OleInitialize(void*) { return StartCount()++ == 0 ? S_OK : S_FALSE; }

void OleUninitialize() {
    if (StartCount() > 0) --StartCount();
}

bool OleInitialized() { return StartCount() > 0; }
