// Loading keeps the bytes before decoding them, so a picture that fails to
// decode still saves what it was given.
#include "stringgrid/html/PictureData.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

void TPictureData::TakeData(std::string data) {
    data_ = std::move(data);
    empty_ = false;
    Decode();
}

void TPictureData::LoadFromFile(const AnsiString& fileName) {
    try {
        TMemoryStream file;
        file.LoadFromFile(fileName);
        TakeData(ReadRest(&file));
        Changed();
    } catch (const Exception&) {
        empty_ = true;
    }
}

void TPictureData::LoadFromStream(TStream* stream) {
    if (!stream) return;
    TakeData(ReadRest(stream));
    Changed();
}

void TPictureData::ReadData(TStream* stream) {
    if (stream) TakeData(ReadRest(stream));
}

void TPictureData::SaveToStream(TStream* stream) { WriteAll(stream, data_); }
void TPictureData::WriteData(TStream* stream) { SaveToStream(stream); }
