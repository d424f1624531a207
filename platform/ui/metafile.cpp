// Metafile pictures: the header read for the size, the bytes kept.
#include "platform/ui/metafile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/rtl/codepage.h"
#include "platform/rtl/streams.h"
#include "platform/gdi/metafiles.h"
#include "platform/gdi/wingdi.h"
#include "platform/gdi/wingdi_emf.h"
#include "platform/win/clipboard.h"
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

void PutDword(std::string& out, std::uint32_t v) {
    PutWord(out, std::uint16_t(v & 0xFFFF));
    PutWord(out, std::uint16_t(v >> 16));
}

// The 22-byte header of a placeable metafile: its bounds in units of which
// `unitsPerInch` make an inch, and the checksum of the words before it.
std::string PlaceableHeader(int width, int height, int unitsPerInch) {
    std::string out;
    for (std::uint16_t word : {std::uint16_t(kPlaceableKey & 0xFFFF), std::uint16_t(kPlaceableKey >> 16), std::uint16_t(0),
                               std::uint16_t(0), std::uint16_t(0), std::uint16_t(width), std::uint16_t(height),
                               std::uint16_t(unitsPerInch), std::uint16_t(0), std::uint16_t(0)})
        PutWord(out, word);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < out.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(out[i]) | static_cast<unsigned char>(out[i + 1]) << 8);
    PutWord(out, checksum);
    return out;
}

constexpr std::uint16_t META_SETWINDOWORG = 0x020B, META_SETWINDOWEXT = 0x020C, META_STRETCHDIB = 0x0F43;

// A Windows metafile in pixels of one STRETCHDIB record: the window set to
// the picture, the 24-bit bottom-up rows of `bits` (32-bit top-down) drawn
// over it with SRCCOPY.
std::string RasterMetafile(const std::uint32_t* bits, int width, int height) {
    const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) & ~3u;
    std::string dib;
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height)}) PutDword(dib, v);
    PutWord(dib, 1);
    PutWord(dib, 24);
    for (std::uint32_t v : {0u, stride * std::uint32_t(height), 3780u, 3780u, 0u, 0u}) PutDword(dib, v);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = bits + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            dib += static_cast<char>(row[x] & 0xFF);
            dib += static_cast<char>((row[x] >> 8) & 0xFF);
            dib += static_cast<char>((row[x] >> 16) & 0xFF);
        }
        dib.append(stride - std::uint32_t(width) * 3, '\0');
    }
    std::string records;
    const auto record = [&](std::uint16_t function, std::initializer_list<std::uint16_t> words) {
        PutDword(records, std::uint32_t(3 + words.size()));
        PutWord(records, function);
        for (std::uint16_t w : words) PutWord(records, w);
    };
    record(META_SETWINDOWORG, {0, 0});
    record(META_SETWINDOWEXT, {std::uint16_t(height), std::uint16_t(width)});
    const std::uint32_t stretchWords = std::uint32_t(3 + 2 + 1 + 8) + std::uint32_t(dib.size() / 2);
    PutDword(records, stretchWords);
    PutWord(records, META_STRETCHDIB);
    PutDword(records, SRCCOPY);
    PutWord(records, DIB_RGB_COLORS);
    for (int v : {height, width, 0, 0, height, width, 0, 0}) PutWord(records, std::uint16_t(v));
    records += dib;
    record(0, {});  // end of file
    std::string header;
    PutWord(header, 1);       // in memory
    PutWord(header, 9);       // header words
    PutWord(header, 0x0300);  // version
    PutDword(header, std::uint32_t((18 + records.size()) / 2));
    PutWord(header, 0);  // objects
    PutDword(header, stretchWords);
    PutWord(header, 0);
    return header + records;
}

}  // namespace

void TMetafile::Assign(TPersistent* source) {
    auto* metafile = dynamic_cast<TMetafile*>(source);
    if (!metafile) return TGraphic::Assign(source);
    data_ = metafile->data_;
    width_ = metafile->width_;
    height_ = metafile->height_;
    enhanced_ = metafile->enhanced_;
    inch_ = metafile->inch_;
    createdBy_ = metafile->createdBy_;
    description_ = metafile->description_;
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
        inch_ = 0;
        ReadDescription(data);
    } else if (data.size() >= 22 && static_cast<std::uint32_t>(Int32At(data, 0)) == kPlaceableKey) {
        const int unitsPerInch = static_cast<std::uint16_t>(Int16At(data, 14));
        if (unitsPerInch == 0) throw EInvalidGraphic("Invalid metafile");
        width_ = (Int16At(data, 10) - Int16At(data, 6)) * 96 / unitsPerInch;
        height_ = (Int16At(data, 12) - Int16At(data, 8)) * 96 / unitsPerInch;
        enhanced_ = false;
        inch_ = Word(unitsPerInch);
        createdBy_.clear();
        description_.clear();
    } else {
        throw EInvalidGraphic("Invalid metafile");
    }
    data_ = std::move(data);
    Changed();
}

void TMetafile::SaveToStream(TStream* stream) { WriteAll(stream, data_); }

void TMetafile::LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette) {
    std::string bytes;
    if (format == CF_ENHMETAFILE) {
        bytes.resize(GetEnhMetaFileBits(HENHMETAFILE(data), 0, nullptr));
        GetEnhMetaFileBits(HENHMETAFILE(data), UINT(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
    } else if (format == CF_METAFILEPICT) {
        METAFILEPICT picture;
        const void* block = GlobalLock(HGLOBAL(data));
        if (block && GlobalSize(HGLOBAL(data)) >= sizeof picture) {
            std::memcpy(&picture, block, sizeof picture);
            bytes.resize(GetMetaFileBitsEx(picture.hMF, 0, nullptr));
            GetMetaFileBitsEx(picture.hMF, UINT(bytes.size()), bytes.data());
        }
        if (block) GlobalUnlock(HGLOBAL(data));
        if (!bytes.empty()) bytes = PlaceableMetafileOf(bytes, picture.xExt, picture.yExt);
    }
    if (bytes.empty()) return TGraphic::LoadFromClipboardFormat(format, data, palette);
    TMemoryStream stream;
    WriteAll(&stream, bytes);
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

void TMetafile::SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette) {
    if (Empty()) throw EInvalidGraphic("Unsupported clipboard format");
    palette = 0;
    if (enhanced_) {
        format = CF_ENHMETAFILE;
        data = THandle(SetEnhMetaFileBits(UINT(data_.size()), reinterpret_cast<const BYTE*>(data_.data())));
        return;
    }
    // The block names the extent; the metafile goes without its placeable header.
    METAFILEPICT picture;
    picture.mm = MM_ANISOTROPIC;
    picture.xExt = MMWidth();
    picture.yExt = MMHeight();
    const std::string bits = data_.substr(22);
    picture.hMF = SetMetaFileBitsEx(UINT(bits.size()), reinterpret_cast<const BYTE*>(bits.data()));
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof picture);
    std::memcpy(GlobalLock(block), &picture, sizeof picture);
    GlobalUnlock(block);
    format = CF_METAFILEPICT;
    data = THandle(block);
}

// The header's description: the creator, a zero, the title, two zeros.
void TMetafile::ReadDescription(const std::string& data) {
    const std::size_t count = std::uint32_t(Int32At(data, 60)), offset = std::uint32_t(Int32At(data, 64));
    std::u16string text;
    if (count && offset >= 88 && offset <= data.size() && count <= (data.size() - offset) / 2)
        for (std::size_t i = 0; i < count; ++i)
            text += char16_t(std::uint16_t(Int16At(data, offset + 2 * i)));
    const std::size_t zero = text.find(u'\0');
    createdBy_ = WideToAnsi(std::u16string_view(text).substr(0, zero));
    description_ = zero == std::u16string::npos ? AnsiString()
                                                 : WideToAnsi(std::u16string_view(text.c_str() + zero + 1));
}

void TMetafile::Clear() {
    data_.clear();
    width_ = height_ = 0;
    inch_ = 0;
    createdBy_.clear();
    description_.clear();
    Changed();
}

TMetafile::~TMetafile() { DeleteEnhMetaFile(handle_); }

HANDLE TMetafile::ReleaseHandle() { return std::exchange(handle_, 0); }

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
    return PlaceableHeader(width, height, 2540) + bits;
}

TMetafileCanvas::TMetafileCanvas(TMetafile* metafile, HDC referenceDevice)
    : metafile_(metafile), width_(std::max(metafile->Width(), 1)), height_(std::max(metafile->Height(), 1)) {
    const RECT frame{0, 0, width_ * 2540 / 96, height_ * 2540 / 96};
    dc_ = CreateEnhMetaFile(referenceDevice, nullptr, &frame, nullptr);
    SetHandle(dc_);
}

// The records stay with the metafile as its handle; its bytes become the
// raster, played back, in one stretch-DIB record.
TMetafileCanvas::~TMetafileCanvas() {
    SetHandle(0);
    const HENHMETAFILE recorded = CloseEnhMetaFile(dc_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP raster = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, raster);
    const RECT whole{0, 0, width_, height_};
    PlayEnhMetaFile(dc, recorded, &whole);
    GdiFlush();
    metafile_->data_ = PlaceableHeader(width_, height_, 96) +
                       RasterMetafile(static_cast<const std::uint32_t*>(bits), width_, height_);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(raster);
    metafile_->width_ = width_;
    metafile_->height_ = height_;
    metafile_->enhanced_ = false;
    DeleteEnhMetaFile(metafile_->handle_);
    metafile_->handle_ = recorded;
    metafile_->Changed();
}
