// Metafile pictures: the header read for the size, the bytes kept.
#include "platform/ui/metafile.h"

#include <cstdint>

#include "platform/rtl/streams.h"
#include "platform/ui/graphics.h"

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t kEnhancedSignature = 0x464D4520;  // " EMF"

std::int32_t Int32At(const std::string& data, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

std::int16_t Int16At(const std::string& data, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8);
}

void PutWord(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

}  // namespace

void TMetafile::Assign(TPersistent* source) {
    auto* metafile = dynamic_cast<TMetafile*>(source);
    if (!metafile) return TGraphic::Assign(source);
    data_ = metafile->data_;
    width_ = metafile->width_;
    height_ = metafile->height_;
    enhanced_ = metafile->enhanced_;
    Changed();
}

void TMetafile::LoadFromStream(TStream* stream) {
    std::string data = ReadRest(stream);
    if (data.size() >= 88 && Int32At(data, 0) == 1 && static_cast<std::uint32_t>(Int32At(data, 40)) == kEnhancedSignature) {
        // The frame, in hundredths of a millimetre.
        const std::int32_t left = Int32At(data, 24), top = Int32At(data, 28);
        const std::int32_t right = Int32At(data, 32), bottom = Int32At(data, 36);
        width_ = static_cast<int>((right - left) * 96 / 2540);
        height_ = static_cast<int>((bottom - top) * 96 / 2540);
        enhanced_ = true;
    } else if (data.size() >= 22 && static_cast<std::uint32_t>(Int32At(data, 0)) == kPlaceableKey) {
        const int unitsPerInch = static_cast<std::uint16_t>(Int16At(data, 14));
        if (unitsPerInch == 0) throw EInvalidGraphic("Invalid metafile");
        width_ = (Int16At(data, 10) - Int16At(data, 6)) * 96 / unitsPerInch;
        height_ = (Int16At(data, 12) - Int16At(data, 8)) * 96 / unitsPerInch;
        enhanced_ = false;
    } else {
        throw EInvalidGraphic("Invalid metafile");
    }
    data_ = std::move(data);
    Changed();
}

void TMetafile::SaveToStream(TStream* stream) { WriteAll(stream, data_); }

void TMetafile::Draw(TCanvas* canvas, const TRect& rect) {
    const TBrushStyle brushStyle = canvas->Brush()->Style();
    const TColor penColor = canvas->Pen()->Color();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(clGray);
    canvas->Rectangle(rect);
    canvas->MoveTo(rect.left, rect.top);
    canvas->LineTo(rect.right - 1, rect.bottom - 1);
    canvas->MoveTo(rect.right - 1, rect.top);
    canvas->LineTo(rect.left, rect.bottom - 1);
    canvas->Pen()->SetColor(penColor);
    canvas->Brush()->SetStyle(brushStyle);
}

std::string PlaceableMetafileOf(const std::string& bits, int width, int height) {
    std::string out;
    for (std::uint16_t word : {std::uint16_t(kPlaceableKey & 0xFFFF), std::uint16_t(kPlaceableKey >> 16), std::uint16_t(0),
                               std::uint16_t(0), std::uint16_t(0), std::uint16_t(width), std::uint16_t(height),
                               std::uint16_t(2540), std::uint16_t(0), std::uint16_t(0)})
        PutWord(out, word);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < out.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(out[i]) | static_cast<unsigned char>(out[i + 1]) << 8);
    PutWord(out, checksum);
    return out + bits;
}
