// TBavImage: a picture always drawn stretched into its rectangle (the month
// calendar's background).
#pragma once

#include <memory>

#include "stringgrid/html/PictureData.h"

class TBavImage : public TPictureData {
    SERVIORA_CLASS(TBavImage, TPictureData)
public:
    TBavImage();
    ~TBavImage() override;

    void Assign(TPersistent* source) override;

    int Width() const override;
    int Height() const override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;
    void Decode() override;

private:
    std::unique_ptr<TBitmap> picture_;
};
