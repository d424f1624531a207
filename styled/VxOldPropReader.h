// Readers for properties that older stored forms carry and this library no
// longer has: each consumes one stored value and drops it.
#pragma once

#include "platform/rtl/reader.h"
#include "platform/ui/graphics.h"

class TVxOldPropReader {
public:
    static void DropBoolean(TReader* reader) { reader->ReadBoolean(); }
    static void DropIdent(TReader* reader) { reader->ReadIdent(); }
    // A set: its marker and the names up to the empty one.
    static void DropSet(TReader* reader);
    // A stored colour: a name such as "clBtnFace" or a number.
    static TColor ReadColor(TReader* reader);
};
