// TGraphic, TBitmap, TPngImage, TIcon and TPicture.
#include "platform/ui/graphic.h"

#include <cstring>
#include <map>
#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/format.h"
#include "platform/rtl/formresources.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/gdi/bmpfile.h"
#include "platform/ui/guiplatform.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/metafile.h"
#include "platform/win/clipboard.h"
#include "platform/win/resources.h"

namespace {

int BitsOf(TPixelFormat format) {
    static const int bits[] = {32, 1, 4, 8, 16, 16, 24, 32, 32};
    return bits[int(format)];
}

TPixelFormat FormatOf(int bits, bool bitfields) {
    switch (bits) {
        case 1: return pf1bit;
        case 4: return pf4bit;
        case 8: return pf8bit;
        case 16: return bitfields ? pf16bit : pf15bit;
        case 24: return pf24bit;
        default: return pf32bit;
    }
}

// A DIB section of the format's depth, with the standard colour table below
// 16 bits and 5-6-5 masks for pf16bit. 32-bit sections are top-down, which
// the GDI draws on without copying; the others are bottom-up. A size the
// GDI refuses raises EOutOfResources.
HBITMAP NewDib(int width, int height, TPixelFormat format) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = BitsOf(format) == 32 ? -height : height;
    info.bmiHeader.biBitCount = WORD(BitsOf(format));
    if (format == pf16bit) {
        info.bmiHeader.biCompression = BI_BITFIELDS;
        DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
        std::memcpy(info.bmiColors, masks, sizeof masks);
    } else if (BitsOf(format) <= 8) {
        // GetDIBits reports the standard table of a depth for a bitmap without one.
        HBITMAP probe = CreateBitmap(1, 1, 1, 32, nullptr);
        BITMAPINFO table{};
        table.bmiHeader.biWidth = 1;
        table.bmiHeader.biHeight = 1;
        table.bmiHeader.biBitCount = info.bmiHeader.biBitCount;
        GetDIBits(0, probe, 0, 1, nullptr, &table, DIB_RGB_COLORS);
        DeleteObject(probe);
        std::copy(std::begin(table.bmiColors), std::end(table.bmiColors), info.bmiColors);
    }
    HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, nullptr, 0, 0);
    if (!dib) OutOfResources();
    return dib;
}

// Copies the top-left part of one bitmap into another. Into a monochrome
// bitmap, the pixels of `background` (when given) become white, all others black.
void CopyPixels(HBITMAP from, HBITMAP to, int width, int height, COLORREF background = CLR_INVALID) {
    HDC source = CreateCompatibleDC(0), dest = CreateCompatibleDC(0);
    HGDIOBJ oldSource = SelectObject(source, from), oldDest = SelectObject(dest, to);
    if (background != CLR_INVALID) SetBkColor(source, background);
    BitBlt(dest, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(dest, oldDest);
    DeleteDC(source);
    DeleteDC(dest);
}

}  // namespace

void OutOfResources() { throw EOutOfResources("Not enough storage is available to process this command"); }

// ---- TGraphic ---------------------------------------------------------------

void TGraphic::LoadFromClipboardFormat(Word, THandle, HPALETTE) {
    throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::SaveToClipboardFormat(Word&, THandle&, HPALETTE&) {
    throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Changed();
}

void TGraphic::Changed() {
    modified_ = true;
    onChange_(this);
}

void TGraphic::LoadFromFile(const AnsiString& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const AnsiString& fileName) {
    TStringStream bytes;
    SaveToStream(&bytes);
    SaveBytesToFile(fileName, bytes.DataString());
}

std::string TGraphic::ReadRest(TStream* stream) {
    std::string bytes(size_t(stream->Size() - stream->Position()), '\0');
    if (!bytes.empty()) stream->ReadBuffer(bytes.data(), Integer(bytes.size()));
    return bytes;
}

void TGraphic::WriteAll(TStream* stream, const std::string& bytes) {
    if (!bytes.empty()) stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
}

void TGraphic::ReadData(TStream* stream) { LoadFromStream(stream); }
void TGraphic::WriteData(TStream* stream) { SaveToStream(stream); }

void TGraphic::DefineProperties(TFiler* filer) {
    filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, !Empty());
}

// ---- TBitmap ----------------------------------------------------------------

// The canvas of a bitmap: a memory DC with the bitmap selected, remade when
// the bitmap changes its handle.
class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap* owner) : owner_(owner) {}
    ~BitmapCanvas() override { Free(); }
    void Free() {
        if (!memoryDC_) return;
        HDC dc = memoryDC_;
        ReleaseHandle();
        SelectObject(dc, oldBitmap_);
        DeleteDC(dc);
        memoryDC_ = 0;
    }

protected:
    void CreateHandle() override {
        memoryDC_ = CreateCompatibleDC(0);
        oldBitmap_ = owner_->handle_ ? SelectObject(memoryDC_, owner_->handle_) : 0;
        SetHandle(memoryDC_);
    }
    void Changed() override {
        TCanvas::Changed();
        owner_->Changed();
    }

private:
    TBitmap* owner_;
    HDC memoryDC_ = 0;
    HGDIOBJ oldBitmap_ = 0;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();
    if (mask_) DeleteObject(mask_);
    if (handle_) DeleteObject(handle_);
}

void TBitmap::Replace(HBITMAP handle) {
    if (canvas_) canvas_->Free();
    if (mask_) DeleteObject(std::exchange(mask_, 0));
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
    width_ = height_ = 0;
    if (handle_) {
        DIBSECTION ds{};
        int n = GetObject(handle_, sizeof ds, &ds);
        width_ = ds.dsBm.bmWidth;
        height_ = ds.dsBm.bmHeight;
        if (n == int(sizeof ds)) pixelFormat_ = FormatOf(ds.dsBmih.biBitCount, ds.dsBmih.biCompression == BI_BITFIELDS);
    }
}

void TBitmap::Changed() {
    if (mask_) DeleteObject(std::exchange(mask_, 0));
    TGraphic::Changed();
}

void TBitmap::Assign(TPersistent* source) {
    if (!source) {
        Replace(0);
        Changed();
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
        if (bitmap == this) return;
        HBITMAP copy = 0;
        if (bitmap->handle_) {
            copy = NewDib(bitmap->width_, bitmap->height_, bitmap->pixelFormat_);
            CopyPixels(bitmap->handle_, copy, bitmap->width_, bitmap->height_);
        }
        TPixelFormat format = bitmap->pixelFormat_;
        Replace(copy);
        pixelFormat_ = format;
        transparentColor_ = bitmap->transparentColor_;
        transparentMode_ = bitmap->transparentMode_;
        SetTransparent(bitmap->Transparent());
        Changed();
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
        SetSize(graphic->Width(), graphic->Height());
        Canvas()->Draw(0, 0, graphic);
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    HBITMAP fresh = width && height ? NewDib(width, height, pixelFormat_) : 0;
    if (fresh && handle_) CopyPixels(handle_, fresh, std::min(width, width_), std::min(height, height_));
    TPixelFormat format = pixelFormat_;
    Replace(fresh);
    pixelFormat_ = format;
    width_ = width;
    height_ = height;
    Changed();
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(this);
    return canvas_.get();
}

void TBitmap::SetHandle(HBITMAP handle) {
    Replace(handle);
    Changed();
}

void TBitmap::LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette) {
    if (format != CF_BITMAP || !data) return TGraphic::LoadFromClipboardFormat(format, data, palette);
    // The clipboard keeps its bitmap: borrow it for the copy only.
    TBitmap borrowed;
    borrowed.SetHandle(HBITMAP(data));
    Assign(&borrowed);
    borrowed.ReleaseHandle();
}

void TBitmap::SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette) {
    TBitmap copy;
    copy.Assign(this);
    format = CF_BITMAP;
    data = THandle(copy.ReleaseHandle());
    palette = 0;
}

HBITMAP TBitmap::ReleaseHandle() {
    if (canvas_) canvas_->Free();
    HBITMAP h = std::exchange(handle_, 0);
    Replace(0);
    return h;
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == pixelFormat_) return;
    HBITMAP converted = handle_ ? NewDib(width_, height_, value) : 0;
    if (converted) CopyPixels(handle_, converted, width_, height_);
    Replace(converted);
    pixelFormat_ = value;
    Changed();
}

void* TBitmap::ScanLine(int row) {
    if (!handle_ || row < 0 || row >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
    DIBSECTION ds{};
    GetObject(handle_, sizeof ds, &ds);
    int stride = DibRowBytes(width_, ds.dsBmih.biBitCount);
    int stored = ds.dsBmih.biHeight > 0 ? height_ - 1 - row : row;
    return static_cast<std::uint8_t*>(ds.dsBm.bmBits) + size_t(stored) * size_t(stride);
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (!handle_) return clDefault;
    // Automatic: the bottom-left pixel, flagged as an RGB value.
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, handle_);
    COLORREF c = GetPixel(dc, 0, height_ - 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    return TColor(c | 0x02000000);
}

void TBitmap::SetTransparentColor(TColor value) {
    transparentColor_ = value;
    transparentMode_ = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == transparentMode_) return;
    if (value == tmAuto) transparentColor_ = clDefault;
    transparentMode_ = value;
    Changed();
}

HBITMAP TBitmap::MaskHandle() {
    if (mask_ || !handle_) return mask_;
    mask_ = CreateBitmap(width_, height_, 1, 1, nullptr);
    CopyPixels(handle_, mask_, width_, height_, ColorToRGB(TransparentColor()) & 0xFFFFFF);
    return mask_;
}

HBITMAP TBitmap::ReleaseMaskHandle() {
    MaskHandle();
    return std::exchange(mask_, 0);
}

void TBitmap::Mask(TColor transparentColor) {
    SetTransparentColor(transparentColor);
    HBITMAP mask = ReleaseMaskHandle();
    if (!mask) return;
    HBITMAP dib = NewDib(width_, height_, pf1bit);
    CopyPixels(mask, dib, width_, height_);
    DeleteObject(mask);
    Replace(dib);
    Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) {
    if (!handle_) return;
    HDC source = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(source, handle_);
    HDC dest = canvas->Handle();
    if (Transparent())
        TransparentBlt(dest, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, width_, height_,
                       ColorToRGB(TransparentColor()) & 0xFFFFFF);
    else
        StretchBlt(dest, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, width_, height_,
                   DWORD(canvas->CopyMode()));
    SelectObject(source, old);
    DeleteDC(source);
}

void TBitmap::LoadDecoded(TStream* stream, HBITMAP (*decode)(const void*, std::size_t), const char* error) {
    std::string bytes = ReadRest(stream);
    HBITMAP h = decode(bytes.data(), bytes.size());
    if (!h) throw EInvalidGraphic(error);
    SetHandle(h);
}

void TBitmap::LoadFromStream(TStream* stream) { LoadDecoded(stream, ReadBmp, "Bitmap image is not valid"); }

void TBitmap::SaveToStream(TStream* stream) {
    if (!handle_) return;
    WriteAll(stream, WriteBmp(handle_, BitsOf(pixelFormat_)));
}

void TBitmap::LoadFromResourceName(HINSTANCE, const AnsiString& name) {
    const EmbeddedResource* r = FindEmbeddedResource("BITMAP", name.c_str());
    HBITMAP h = r ? ReadBmp(r->data, r->size) : 0;
    if (!h) throw EResNotFound(Format("Resource %s not found", {name}));
    SetHandle(h);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) { LoadFromResourceName(instance, "#" + IntToStr(id)); }

// ---- TPngImage --------------------------------------------------------------

void TPngImage::LoadFromStream(TStream* stream) { LoadDecoded(stream, DecodeImage, "PNG image is not valid"); }

void TPngImage::SaveToStream(TStream* stream) {
    if (!Empty()) WriteAll(stream, EncodePng(Handle()));
}

// ---- TIcon --------------------------------------------------------------------

TIcon::TIcon() = default;

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
    if (handle_) DestroyIcon(std::exchange(handle_, 0));
    if (color_) DeleteObject(std::exchange(color_, 0));
    if (mask_) DeleteObject(std::exchange(mask_, 0));
    width_ = height_ = 0;
    data_.clear();
}

void TIcon::Assign(TPersistent* source) {
    if (auto* icon = dynamic_cast<TIcon*>(source)) {
        if (icon == this) return;
        Clear();
        if (!icon->Empty()) SetHandle(CopyIcon(icon->Handle()));
        data_ = icon->data_;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

HICON TIcon::Handle() {
    if (!handle_ && mask_) {
        ICONINFO info;
        info.hbmColor = color_;
        info.hbmMask = mask_;
        handle_ = CreateIconIndirect(&info);
    }
    return handle_;
}

void TIcon::SetHandle(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return;
    Clear();
    handle_ = icon;
    color_ = info.hbmColor;
    mask_ = info.hbmMask;
    BITMAP bm{};
    GetObject(mask_, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = color_ ? bm.bmHeight : bm.bmHeight / 2;
    Changed();
}

HICON TIcon::ReleaseHandle() {
    HICON icon = Handle();
    handle_ = 0;
    Clear();
    return icon;
}

void TIcon::LoadFromStream(TStream* stream) {
    std::string bytes = ReadRest(stream);
    HBITMAP color = 0, mask = 0;
    if (!ReadIco(bytes.data(), bytes.size(), &color, &mask)) throw EInvalidGraphic("Icon image is not valid");
    Clear();
    color_ = color;
    mask_ = mask;
    BITMAP bm;
    GetObject(color_, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = bm.bmHeight;
    data_ = bytes;
    Changed();
}

void TIcon::SaveToStream(TStream* stream) {
    if (Empty()) return;
    WriteAll(stream, data_.empty() ? WriteIco(color_, mask_) : data_);
}

void TIcon::Draw(TCanvas* canvas, const TRect& r) {
    if (Empty()) return;
    DrawIconEx(canvas->Handle(), r.left, r.top, Handle(), r.right - r.left, r.bottom - r.top, 0, 0, DI_NORMAL);
}

// ---- TPicture -----------------------------------------------------------------

namespace {

struct FileFormat {
    AnsiString description;
    TGraphicClass cls;
};

std::map<AnsiString, FileFormat>& fileFormats() {
    static std::map<AnsiString, FileFormat> formats;
    return formats;
}

void RegisterStandardFormats() {
    static const bool done = [] {
        TPicture::RegisterFileFormat("bmp", "Bitmaps", TBitmap::StaticClass());
        TPicture::RegisterFileFormat("ico", "Icons", TIcon::StaticClass());
        TPicture::RegisterFileFormat("png", "Portable Network Graphics", TPngImage::StaticClass());
        TPicture::RegisterFileFormat("jpg", "JPEG Image File", TJPEGImage::StaticClass());
        TPicture::RegisterFileFormat("jpeg", "JPEG Image File", TJPEGImage::StaticClass());
        TPicture::RegisterFileFormat("emf", "Enhanced Metafiles", TMetafile::StaticClass());
        TPicture::RegisterFileFormat("wmf", "Metafiles", TMetafile::StaticClass());
        RegisterUiClasses();
        return true;
    }();
    (void)done;
}

std::unique_ptr<TGraphic> NewGraphic(TGraphicClass cls) { return std::unique_ptr<TGraphic>(cls->Create()); }

}  // namespace

TPicture::TPicture() { RegisterStandardFormats(); }

TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const AnsiString& extension, const AnsiString& description, TGraphicClass cls) {
    fileFormats()[LowerCase(extension)] = {description, cls};
}

void TPicture::Changed(TObject*) { onChange_(this); }

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->SetOnChange(TNotifyEvent(this, &TPicture::Changed));
    Changed(this);
}

void TPicture::SetGraphic(TGraphic* graphic) {
    if (!graphic) {
        Adopt(nullptr);
        return;
    }
    auto copy = NewGraphic(graphic->ClassType());
    copy->Assign(graphic);
    Adopt(std::move(copy));
}

void TPicture::Assign(TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
    } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
        SetGraphic(picture->Graphic());
    } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::AssignTo(TPersistent* dest) {
    if (graphic_ && dynamic_cast<TGraphic*>(dest)) {
        dest->Assign(graphic_.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(graphic_.get())) Adopt(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

TMetafile* TPicture::Metafile() {
    if (!dynamic_cast<TMetafile*>(graphic_.get())) Adopt(std::make_unique<TMetafile>());
    return static_cast<TMetafile*>(graphic_.get());
}

void TPicture::SetMetafile(TMetafile* value) { SetGraphic(value); }

bool TPicture::SupportsClipboardFormat(Word format) {
    return format == CF_BITMAP || format == CF_ENHMETAFILE || format == CF_METAFILEPICT;
}

void TPicture::LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette) {
    if (!SupportsClipboardFormat(format)) throw EInvalidGraphic("Unsupported clipboard format");
    std::unique_ptr<TGraphic> graphic;
    if (format == CF_BITMAP)
        graphic = std::make_unique<TBitmap>();
    else
        graphic = std::make_unique<TMetafile>();
    graphic->LoadFromClipboardFormat(format, data, palette);
    Adopt(std::move(graphic));
}

void TPicture::SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette) {
    if (graphic_) graphic_->SaveToClipboardFormat(format, data, palette);
}

TIcon* TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(graphic_.get())) Adopt(std::make_unique<TIcon>());
    return static_cast<TIcon*>(graphic_.get());
}

void TPicture::LoadFromFile(const AnsiString& fileName) {
    AnsiString ext = LowerCase(ExtractFileExt(fileName));
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    auto it = fileFormats().find(ext);
    if (it == fileFormats().end()) throw EInvalidGraphic(Format("Unknown picture file extension (.%s)", {ext}));
    auto graphic = NewGraphic(it->second.cls);
    graphic->LoadFromFile(fileName);
    Adopt(std::move(graphic));
}

void TPicture::SaveToFile(const AnsiString& fileName) {
    if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::DefineProperties(TFiler* filer) {
    filer->DefineBinaryProperty(
        "Data",
        [this](TStream* s) {
            Byte length = 0;
            s->ReadBuffer(&length, 1);
            AnsiString name(length, '\0');
            if (length) s->ReadBuffer(name.data(), length);
            TClass cls = GetClass(name);
            if (!cls || !cls->InheritsFrom(TGraphic::StaticClass())) throw EInvalidGraphic(Format("Unknown picture class %s", {name}));
            auto graphic = NewGraphic(static_cast<TGraphicClass>(cls));
            graphic->ReadData(s);
            Adopt(std::move(graphic));
        },
        [this](TStream* s) {
            const AnsiString& name = graphic_->ClassType()->ClassName();
            Byte length = Byte(name.size());
            s->WriteBuffer(&length, 1);
            s->WriteBuffer(name.data(), length);
            graphic_->WriteData(s);
        },
        graphic_ && !graphic_->Empty());
}
