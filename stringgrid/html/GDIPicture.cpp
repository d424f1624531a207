// Drawing goes through the thin image classes, so the picture keeps nothing
// decoded between drawings.
#include "stringgrid/html/GDIPicture.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/ui/graphics.h"
#include "stringgrid/html/BavGDIP.h"

void TGDIPPicture::Published(TPublished<TGDIPPicture>& p) {
    p.Property("OnClear", &TGDIPPicture::OnClear, &TGDIPPicture::SetOnClear);
}

void TGDIPPicture::LoadFromFile(const AnsiString& fileName) {
    try {
        TMemoryStream file;
        file.LoadFromFile(fileName);
        data_ = ReadRest(&file);
        empty_ = false;
        if (onClear_) onClear_(this);
        Changed();
    } catch (const Exception&) {
        empty_ = true;
    }
}

void TGDIPPicture::Assign(TPersistent* source) {
    if (!source) {
        data_.clear();
        empty_ = true;
        Changed();
        if (onClear_) onClear_(this);
    } else if (auto* other = dynamic_cast<TGDIPPicture*>(source)) {
        data_ = other->data_;
        empty_ = false;
        Changed();
    }
}

void TGDIPPicture::Draw(TCanvas* canvas, const TRect& rect) {
    if (empty_ || data_.empty()) return;
    TGPGraphics graphics(canvas->Handle());
    TGPImage image(data_);
    if (image.GetFormat() == ifBMP) {
        TBitmap bitmap;
        TMemoryStream bytes;
        WriteAll(&bytes, data_);
        bytes.SetPosition(0);
        bitmap.LoadFromStream(&bytes);
        bitmap.SetTransparentMode(tmAuto);
        bitmap.SetTransparent(true);
        canvas->Draw(rect.left, rect.top, &bitmap);
        return;
    }
    width_ = int(image.GetWidth());
    height_ = int(image.GetHeight());
    graphics.DrawImage(&image, float(rect.left), float(rect.top), float(rect.right - rect.left),
                       float(rect.bottom - rect.top));
}
