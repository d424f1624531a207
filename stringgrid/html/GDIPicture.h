// TGDIPPicture: a picture kept as its file bytes and decoded afresh on every
// drawing (the grid's office-style hint picture).
#pragma once

#include "platform/rtl/events.h"
#include "stringgrid/html/PictureData.h"

class TGDIPPicture : public TPictureData {
    SERVIORA_CLASS(TGDIPPicture, TPictureData)
    SERVIORA_PUBLISHED
public:
    void Assign(TPersistent* source) override;

    // Known only once the picture has been drawn; 0 before.
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // A file that cannot be read leaves the picture empty; OnClear fires
    // before OnChange.
    void LoadFromFile(const AnsiString& fileName);

    const TNotifyEvent& OnClear() const { return onClear_; }
    void SetOnClear(TNotifyEvent value) { onClear_ = std::move(value); }

protected:
    // A bitmap is drawn at its natural size with its bottom-left colour left
    // out; any other picture stretched into the rectangle.
    void Draw(TCanvas* canvas, const TRect& rect) override;
    // Nothing is decoded before drawing.
    void Decode() override {}

private:
    int width_ = 0, height_ = 0;
    TNotifyEvent onClear_;
};
