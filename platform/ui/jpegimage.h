// TJPEGImage: JPEG pictures decoded and encoded with libjpeg.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/graphic.h"

SERVIORA_EXCEPTION(EJPEG, EInvalidGraphic);

SERVIORA_ENUM(TJPEGPixelFormat, jf24Bit, jf8Bit)
using TJPEGQualityRange = Integer;

class TJPEGImage : public TGraphic {
    SERVIORA_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage();
    ~TJPEGImage() override;
    // From another JPEG (its bytes), a bitmap (encoded at CompressionQuality
    // when saved) or any other graphic (drawn onto a bitmap first).
    void Assign(TPersistent* source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    // 1..100, used when the picture is encoded; default 90.
    TJPEGQualityRange CompressionQuality() const { return quality_; }
    void SetCompressionQuality(TJPEGQualityRange value);
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool value);
    TJPEGPixelFormat PixelFormat() const { return jf24Bit; }

    // Encodes the bitmap now (otherwise done on save).
    void Compress();
    // Decodes the data now (otherwise done on first drawing or measuring).
    void DIBNeeded() const;

    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

protected:
    void AssignTo(TPersistent* dest) override;
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    std::string data_;                      // the JPEG file bytes, when current
    mutable std::unique_ptr<TBitmap> bitmap_;  // the decoded picture
    TJPEGQualityRange quality_ = 90;
    bool grayscale_ = false;
};
