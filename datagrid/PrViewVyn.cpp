// Registering the preview cursors.
#include "datagrid/PrViewVyn.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/forms.h"
#include "platform/win/resources.h"
#include "platform/win/userinput.h"

TCursor crMagnifierVyn = 0;
TCursor crHandVyn = 0;

TCursor RegisterCursorResource(const char* name) {
    const HCURSOR cursor = LoadCursor(HInstance, name);
    if (!cursor) throw EOutOfResources("Cannot load cursor resource");
    // The screen answers its arrow for the ids it does not define.
    const HCURSOR undefined = Screen->Cursors(crDefault);
    int id = 1;
    for (; Screen->Cursors(id) != undefined; ++id)
        if (id + 1 >= 0x8000) throw EOutOfResources("Too many user-defined cursors");
    Screen->SetCursors(id, cursor);
    return static_cast<TCursor>(id);
}

void InitializePrViewVyn() {
    crMagnifierVyn = RegisterCursorResource("MAGNIFIERVYN");
    crHandVyn = RegisterCursorResource("HANDVYN");
}
