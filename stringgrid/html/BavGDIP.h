// The picture drawing layer the grid's pictures use: decoding of picture file
// bytes (GIF, JPEG, BMP, ICO, PNG) into a bitmap whose transparent pixels are
// keyed out when drawn, and thin image and graphics classes with the format
// numbers and status values the pictures read.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/types.h"
#include "platform/ui/graphic.h"
#include "platform/gdi/windef.h"

// A region of the decoded picture to keep (the frame of a GIF), in pixels.
struct PictureCrop {
    int left = 0, top = 0, width = 0, height = 0;
};

// The first image of the data as a bitmap drawn with its transparent pixels
// left out; nullptr when the data is no picture the platform reads. A crop
// that lies inside the image cuts the bitmap down to it.
std::unique_ptr<TBitmap> DecodePictureBitmap(const std::string& data, const PictureCrop* crop = nullptr);

// The natural size of a picture on a canvas, scaled from 96 pixels per inch
// to the canvas's resolution.
TRect NaturalPictureRect(TCanvas* canvas, const TRect& rect, int width, int height);

enum TStatus : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    UnknownImageFormat = 13,
};

// Image formats by the raw format of the data.
enum TGPImageFormat : int {
    ifUndefined = 0,
    ifMemoryBMP = 1,
    ifBMP = 2,
    ifEMF = 3,
    ifWMF = 4,
    ifJPEG = 5,
    ifPNG = 6,
    ifGIF = 7,
    ifTIFF = 8,
    ifEXIF = 9,
    ifIcon = 10,
};

// The format number of picture file bytes, read from their header.
TGPImageFormat ImageFormatOf(const std::string& data);

class TGdiplusBase {
public:
    virtual ~TGdiplusBase() = default;

    TStatus GetLastStatus() const { return lastStatus_; }

protected:
    // A failure is kept as the last status; a success leaves it as it was.
    TStatus SetStatus(TStatus status) {
        if (status != Ok) lastStatus_ = status;
        return status;
    }

private:
    TStatus lastStatus_ = Ok;
};

class TGPImage : public TGdiplusBase {
public:
    explicit TGPImage(const std::string& data, bool useEmbeddedColorManagement = false);

    UINT GetWidth();
    UINT GetHeight();
    TGPImageFormat GetFormat() const { return format_; }
    // The decoded picture; nullptr when the data could not be read.
    TBitmap* Bitmap() const { return bitmap_.get(); }

private:
    TGPImageFormat format_;
    std::unique_ptr<TBitmap> bitmap_;
};

class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(HDC dc) : dc_(dc) {}

    TStatus DrawImage(TGPImage* image, float x, float y, float width, float height);

private:
    HDC dc_;
};
