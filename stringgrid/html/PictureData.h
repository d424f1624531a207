// The common ground of the pictures that keep their file bytes as loaded and
// decode them: loading from files, streams and form descriptions, and saving
// the bytes unchanged.
#pragma once

#include <string>

#include "platform/ui/graphic.h"

class TPictureData : public TGraphic {
    SERVIORA_CLASS(TPictureData, TGraphic)
public:
    bool Empty() const override { return empty_; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    // Failures of reading or decoding leave the picture empty.
    void LoadFromFile(const AnsiString& fileName);
    // Decoding errors pass to the caller; a null stream loads nothing.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // As LoadFromStream, without OnChange.
    void ReadData(TStream* stream) override;
    void WriteData(TStream* stream) override;

    const std::string& Data() const { return data_; }

protected:
    // Decodes the bytes; raises EInvalidGraphic when they are no picture.
    virtual void Decode() = 0;
    void TakeData(std::string data);

    std::string data_;
    bool empty_ = true;
};
