// The whole data is decoded on each load; there are no frames to choose.
#include "stringgrid/html/BavImage.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/graphics.h"
#include "stringgrid/html/BavGDIP.h"

TBavImage::TBavImage() = default;
TBavImage::~TBavImage() = default;

int TBavImage::Width() const { return picture_ ? picture_->Width() : 0; }
int TBavImage::Height() const { return picture_ ? picture_->Height() : 0; }

void TBavImage::Decode() {
    picture_ = DecodePictureBitmap(data_);
    if (!picture_) throw EInvalidGraphic("Could not load image. Invalid format");
}

void TBavImage::Assign(TPersistent* source) {
    if (!source) {
        data_.clear();
        picture_.reset();
        empty_ = true;
        Changed();
    } else if (auto* other = dynamic_cast<TBavImage*>(source); other && !other->empty_) {
        TakeData(other->data_);
        Changed();
    }
}

void TBavImage::Draw(TCanvas* canvas, const TRect& rect) {
    if (!empty_ && picture_) canvas->StretchDraw(rect, picture_.get());
}
