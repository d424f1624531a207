// TBlobField's whole-value members: its size, the Modified flag its writes
// set, and loading and saving the value through streams and files.
#include "platform/data/field.h"
#include "platform/rtl/streams.h"

int TBlobField::BlobSize() const { return static_cast<int>(AsString().size()); }

void TBlobField::SetAsString(const AnsiString& value) {
    TField::SetAsString(value);
    modified_ = true;
}

void TBlobField::LoadFromStream(TStream* stream) {
    AnsiString bytes(static_cast<std::size_t>(stream->Size()), '\0');
    stream->SetPosition(0);
    if (!bytes.empty()) stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    SetAsString(bytes);
}

void TBlobField::SaveToStream(TStream* stream) const {
    const AnsiString bytes = AsString();
    if (!bytes.empty()) stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TBlobField::LoadFromFile(const AnsiString& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(&stream);
}

void TBlobField::SaveToFile(const AnsiString& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(&stream);
}
