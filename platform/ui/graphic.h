// Pictures of the class library: TGraphic and its kinds TBitmap (DIB
// sections of 1 to 32 bits per pixel, BMP files), TIcon (icon files),
// TPngImage, and TPicture, which holds any of them and loads files by
// extension. TJPEGImage is in jpegimage.h.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/streams.h"
#include "platform/ui/graphics.h"

class TStream;
class TBitmap;
class TMetafile;
class IInterface;

SERVIORA_EXCEPTION(EInvalidGraphic, Exception);
SERVIORA_EXCEPTION(EInvalidGraphicOperation, Exception);

// Raises EOutOfResources: the GDI refused a bitmap (see BitmapSizeAllowed).
[[noreturn]] void OutOfResources();

class TGraphic : public TPersistent, public IStreamPersist {
    SERVIORA_HIERARCHY(TGraphic, TPersistent)
public:
    TGraphic() = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    // Graphics here are true colour: a palette is only kept for callers.
    HPALETTE Palette() const { return palette_; }
    void SetPalette(HPALETTE value) { palette_ = value; }
    bool PaletteModified() const { return paletteModified_; }
    void SetPaletteModified(bool value) { paletteModified_ = value; }

    // Clipboard data in a format the class supports; EInvalidGraphic
    // "Unsupported clipboard format" otherwise.
    virtual void LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette);
    // New clipboard data the caller then owns.
    virtual void SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette);

    void LoadFromStream(TStream* stream) override = 0;
    void SaveToStream(TStream* stream) override = 0;
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    // The graphic's bytes in a form description (written by TPicture after
    // the class name, and by owners of a graphic property).
    virtual void ReadData(TStream* stream);
    virtual void WriteData(TStream* stream);

protected:
    friend class TCanvas;
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
    virtual void Changed();
    void DefineProperties(TFiler* filer) override;
    // The rest of a stream from its position, and bytes written whole: the
    // file image of a graphic that keeps or decodes its bytes at once.
    static std::string ReadRest(TStream* stream);
    static void WriteAll(TStream* stream, const std::string& bytes);

private:
    TNotifyEvent onChange_;
    bool transparent_ = false;
    bool modified_ = false;
    bool paletteModified_ = false;
    HPALETTE palette_ = 0;
};
using TGraphicClass = const TGraphic::MetaClassType*;

SERVIORA_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
SERVIORA_ENUM(TTransparentMode, tmAuto, tmFixed)
SERVIORA_ENUM(TBitmapHandleType, bmDIB, bmDDB)

class TBitmap : public TGraphic {
    SERVIORA_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    ~TBitmap() override;
    void Assign(TPersistent* source) override;

    bool Empty() const override { return handle_ == 0; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int value) override { SetSize(value, height_); }
    void SetHeight(int value) override { SetSize(width_, value); }
    // Keeps the picture's top-left part; new pixels are black.
    void SetSize(int width, int height);

    TCanvas* Canvas();
    // The bitmap (a DIB section); 0 when empty.
    HBITMAP Handle() const { return handle_; }
    // Takes over a bitmap handle (freed with this object).
    void SetHandle(HBITMAP handle);
    // Gives the handle away; the bitmap becomes empty.
    HBITMAP ReleaseHandle();
    TBitmapHandleType HandleType() const { return bmDIB; }
    void SetHandleType(TBitmapHandleType) {}

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    // Converts the picture to the new depth (colours to the nearest of a
    // palette below 16 bits).
    void SetPixelFormat(TPixelFormat value);
    bool Monochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool value) { SetPixelFormat(value ? pf1bit : pfDevice); }
    // The first byte of a row, top row 0 (rows are stored bottom-up).
    void* ScanLine(int row);

    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);
    // A monochrome mask: white where the transparent colour is.
    HBITMAP MaskHandle();
    HBITMAP ReleaseMaskHandle();
    // No palette is ever made: nothing to give away.
    HPALETTE ReleasePalette() { return 0; }
    // Turns the picture into its own mask for that colour.
    void Mask(TColor transparentColor);

    void Dormant() {}
    void FreeImage() {}
    bool IgnorePalette() const { return true; }
    void SetIgnorePalette(bool) {}

    void LoadFromStream(TStream* stream) override;
    // BMP at the bitmap's depth (32 bits for pfDevice).
    void SaveToStream(TStream* stream) override;
    void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);
    void LoadFromResourceID(HINSTANCE instance, int id);
    // CF_BITMAP: a copy of the bitmap.
    void LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette) override;
    void SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette) override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;
    void Changed() override;
    // Replaces the picture (0 = empty), keeping the canvas's DC usable.
    void Replace(HBITMAP handle);
    // Loads the rest of the stream through a decoder; EInvalidGraphic with
    // `error` when it fails.
    void LoadDecoded(TStream* stream, HBITMAP (*decode)(const void*, std::size_t), const char* error);

private:
    class BitmapCanvas;
    HBITMAP handle_ = 0;
    int width_ = 0, height_ = 0;
    TPixelFormat pixelFormat_ = pfDevice;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    HBITMAP mask_ = 0;
    std::unique_ptr<BitmapCanvas> canvas_;
};

// A bitmap read from and written to PNG files.
class TPngImage : public TBitmap {
    SERVIORA_CLASS(TPngImage, TBitmap)
public:
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
};

class TIcon : public TGraphic {
    SERVIORA_CLASS(TIcon, TGraphic)
public:
    TIcon();
    ~TIcon() override;
    void Assign(TPersistent* source) override;

    bool Empty() const override { return !color_ && !mask_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    // The icon handle (made on first use, owned by this object).
    HICON Handle();
    // Takes over an icon handle.
    void SetHandle(HICON icon);
    HICON ReleaseHandle();

    // An icon file (.ico): the largest, deepest image is used; the file's
    // bytes are written back unchanged.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    void Clear();
    HBITMAP color_ = 0, mask_ = 0;
    HICON handle_ = 0;
    int width_ = 0, height_ = 0;
    std::string data_;
};

class TPicture : public TPersistent {
    SERVIORA_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;
    void Assign(TPersistent* source) override;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of the graphic (nullptr empties the picture).
    void SetGraphic(TGraphic* graphic);
    // The picture as a bitmap: a non-bitmap graphic is replaced by an empty
    // bitmap, as the class library does.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* value) { SetGraphic(value); }
    TIcon* Icon();
    void SetIcon(TIcon* value) { SetGraphic(value); }
    // The picture as a metafile, as Bitmap does for bitmaps.
    TMetafile* Metafile();
    void SetMetafile(TMetafile* value);
    // Whether a registered graphic class reads that clipboard format.
    static bool SupportsClipboardFormat(Word format);
    // Makes a graphic of the class that reads the format.
    void LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette);
    void SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette);
    // The picture's OLE picture adapter; none is ever attached here.
    std::shared_ptr<IInterface> PictureAdapter() const { return {}; }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // By extension (.bmp, .jpg, .jpeg, .ico, .png and registered ones);
    // EInvalidGraphic "Unknown picture file extension (.xyz)" otherwise.
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName);
    static void RegisterFileFormat(const AnsiString& extension, const AnsiString& description, TGraphicClass cls);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    // "Data": the graphic's class name (one length byte, then the name)
    // followed by the graphic's own data.
    void DefineProperties(TFiler* filer) override;
    void AssignTo(TPersistent* dest) override;

private:
    void Changed(TObject* sender);
    void Adopt(std::unique_ptr<TGraphic> graphic);
    std::unique_ptr<TGraphic> graphic_;
    TNotifyEvent onChange_;
};
