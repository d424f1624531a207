// TJPEGImage over libjpeg. libjpeg reports errors through a callback that
// must not return; it jumps back to the call, which then raises EJPEG.
#include "platform/ui/jpegimage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#include "platform/rtl/format.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// The library's error manager, set to jump back to the call and keep quiet.
jpeg_error_mgr* Errors(ErrorManager& error) {
    jpeg_error_mgr* manager = jpeg_std_error(&error.base);
    error.base.error_exit = OnError;
    error.base.emit_message = OnMessage;
    return manager;
}

// One row of pixels between the library's RGB order and the bitmap's BGR.
void SwapRedBlue(const unsigned char* from, unsigned char* to, size_t width) {
    for (size_t x = 0; x < width; ++x) {
        to[3 * x] = from[3 * x + 2];
        to[3 * x + 1] = from[3 * x + 1];
        to[3 * x + 2] = from[3 * x];
    }
}

[[noreturn]] void Fail(const char* message) { throw EJPEG(Format("JPEG error #%s", {AnsiString(message)})); }

// A 24-bit top-down bitmap from JPEG bytes.
std::unique_ptr<TBitmap> Decode(const std::string& data) {
    jpeg_decompress_struct info{};
    ErrorManager error{};
    info.err = Errors(error);
    auto bitmap = std::make_unique<TBitmap>();
    std::vector<unsigned char> row;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        Fail(error.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // Refused before the library sizes its buffers from the header.
    if (!BitmapSizeAllowed(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        OutOfResources();
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(int(info.output_width), int(info.output_height));
    row.resize(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = int(info.output_scanline);
        unsigned char* rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        SwapRedBlue(row.data(), static_cast<unsigned char*>(bitmap->ScanLine(y)), info.output_width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bitmap;
}

std::string Encode(TBitmap& source, int quality, bool grayscale) {
    TBitmap bitmap;
    bitmap.Assign(&source);
    bitmap.SetPixelFormat(pf24bit);
    jpeg_compress_struct info{};
    ErrorManager error{};
    info.err = Errors(error);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(size_t(bitmap.Width()) * 3);
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        Fail(error.message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(bitmap.Width());
    info.image_height = JDIMENSION(bitmap.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (grayscale) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        SwapRedBlue(static_cast<const unsigned char*>(bitmap.ScanLine(int(info.next_scanline))), row.data(),
                    info.image_width);
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::Empty() const { return data_.empty() && (!bitmap_ || bitmap_->Empty()); }

int TJPEGImage::Width() const {
    if (Empty()) return 0;
    DIBNeeded();
    return bitmap_->Width();
}

int TJPEGImage::Height() const {
    if (Empty()) return 0;
    DIBNeeded();
    return bitmap_->Height();
}

void TJPEGImage::DIBNeeded() const {
    if (!bitmap_ && !data_.empty()) bitmap_ = Decode(data_);
}

void TJPEGImage::Compress() {
    if (data_.empty() && bitmap_ && !bitmap_->Empty()) data_ = Encode(*bitmap_, quality_, grayscale_);
}

void TJPEGImage::SetCompressionQuality(TJPEGQualityRange value) {
    quality_ = std::clamp(value, 1, 100);
    // The next save encodes again at the new quality.
    DIBNeeded();
    if (bitmap_) data_.clear();
}

void TJPEGImage::SetGrayscale(bool value) {
    if (value == grayscale_) return;
    grayscale_ = value;
    DIBNeeded();
    if (bitmap_) data_.clear();
    Changed();
}

void TJPEGImage::Assign(TPersistent* source) {
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(source)) {
        jpeg->Compress();
        data_ = jpeg->data_;
        bitmap_.reset();
        quality_ = jpeg->quality_;
        grayscale_ = jpeg->grayscale_;
        Changed();
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->Assign(graphic);
        data_.clear();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        DIBNeeded();
        bitmap->Assign(bitmap_.get());
        return;
    }
    TGraphic::AssignTo(dest);
}

void TJPEGImage::LoadFromStream(TStream* stream) {
    std::string bytes = ReadRest(stream);
    // Check the data now, so a broken file fails where it is loaded.
    auto decoded = Decode(bytes);
    data_ = std::move(bytes);
    bitmap_ = std::move(decoded);
    Changed();
}

void TJPEGImage::SaveToStream(TStream* stream) {
    Compress();
    WriteAll(stream, data_);
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
    DIBNeeded();
    if (bitmap_) canvas->StretchDraw(rect, bitmap_.get());
}
