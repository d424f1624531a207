// Dropping legacy stored values.
#include "styled/VxOldPropReader.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formtree.h"

void TVxOldPropReader::DropSet(TReader* reader) {
    if (reader->NextValue() != TFormValueKind::Set) throw EReadError("Invalid property value");
    reader->SkipValue();
}

TColor TVxOldPropReader::ReadColor(TReader* reader) {
    if (reader->NextValue() == TFormValueKind::Integer) return TColor(reader->ReadInteger());
    return StringToColor(reader->ReadIdent());
}
