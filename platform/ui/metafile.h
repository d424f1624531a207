// TMetafile: a metafile picture, enhanced or a placeable Windows metafile.
// Its bytes are kept as they were read and written back unchanged, its size
// comes from the file's header. The records are not played back: drawing
// shows a framed placeholder of the picture's size. What a TMetafileCanvas
// draws becomes a metafile of one raster.
#pragma once

#include <string>

#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"

class TMetafile : public TGraphic {
    SERVIORA_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    // Frees the enhanced metafile it holds.
    ~TMetafile() override;
    void Assign(TPersistent* source) override;

    bool Empty() const override { return data_.empty(); }
    // Pixels at 96 per inch.
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int value) override { width_ = value; }
    void SetHeight(int value) override { height_ = value; }
    // True for an enhanced metafile, False for a Windows metafile.
    bool Enhanced() const { return enhanced_; }
    void SetEnhanced(bool value) { enhanced_ = value; }
    void Clear();
    // The picture's size in hundredths of a millimetre.
    int MMWidth() const { return width_ * 2540 / 96; }
    void SetMMWidth(int value) { width_ = value * 96 / 2540; }
    int MMHeight() const { return height_ * 2540 / 96; }
    void SetMMHeight(int value) { height_ = value * 96 / 2540; }
    // Units per inch of a placeable Windows metafile; 0 for an enhanced one.
    Word Inch() const { return inch_; }
    void SetInch(Word value) { inch_ = value; }
    // The creator and title an enhanced metafile's header names.
    const AnsiString& CreatedBy() const { return createdBy_; }
    const AnsiString& Description() const { return description_; }
    // The enhanced metafile a TMetafileCanvas recorded (or a caller handed
    // over): kept, and freed with this object, until released.
    HANDLE Handle() const { return handle_; }
    void SetHandle(HANDLE value) { handle_ = value; }
    HANDLE ReleaseHandle();

    // EInvalidGraphic for data that is neither kind.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // CF_ENHMETAFILE (an enhanced metafile handle) and CF_METAFILEPICT (a
    // global block with the picture's extent and a metafile handle); the
    // clipboard's data stays the clipboard's. EInvalidGraphic otherwise.
    void LoadFromClipboardFormat(Word format, THandle data, HPALETTE palette) override;
    // New handles of a copy, the kind the picture is; an empty picture
    // raises EInvalidGraphic.
    void SaveToClipboardFormat(Word& format, THandle& data, HPALETTE& palette) override;

protected:
    friend class TMetafileCanvas;
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    void ReadDescription(const std::string& data);
    std::string data_;
    int width_ = 0, height_ = 0;
    bool enhanced_ = false;
    Word inch_ = 0;
    AnsiString createdBy_, description_;
    HANDLE handle_ = 0;
};

// A placeable Windows metafile made of Windows-metafile bits whose extents
// are in hundredths of a millimetre (as an OLE object's picture holds them).
std::string PlaceableMetafileOf(const std::string& bits, int width, int height);

// A canvas of the metafile's size over an enhanced-metafile DC; when it
// goes, the recorded metafile becomes the metafile's Handle (its text
// records read with EnumEnhMetaFile), and what was drawn becomes the
// metafile's picture: a placeable Windows metafile holding the raster in
// one stretch-DIB record.
class TMetafileCanvas : public TCanvas {
    SERVIORA_CLASS(TMetafileCanvas, TCanvas)
public:
    // The raster is at 96 pixels per inch whatever the reference device.
    TMetafileCanvas(TMetafile* metafile, HDC referenceDevice);
    ~TMetafileCanvas() override;
    TMetafileCanvas(const TMetafileCanvas&) = delete;
    TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

private:
    TMetafile* metafile_;
    int width_, height_;
    HDC dc_ = 0;
};
