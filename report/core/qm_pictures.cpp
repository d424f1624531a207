// Picture records and turned fonts.
#include "report/core/qm_pictures.h"

#include <memory>

#include "platform/rtl/streams.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/metafile.h"
#include "report/core/qm_utils.h"

namespace {

enum PictureKind : Byte { pkNone = 0, pkBitmap = 1, pkMetafile = 2, pkIcon = 3, pkJpeg = 4 };

// Moves the stream to a record's end however the reading ends.
class SeekOnExit {
public:
    SeekOnExit(TStream* stream, Int64 position) : stream_(stream), position_(position) {}
    ~SeekOnExit() { stream_->SetPosition(position_); }
    SeekOnExit(const SeekOnExit&) = delete;
    SeekOnExit& operator=(const SeekOnExit&) = delete;

private:
    TStream* stream_;
    Int64 position_;
};

}  // namespace

void LoadPicture(TStream* stream, TPicture* picture) {
    const Byte kind = ReadByte(stream);
    const Integer end = ReadInteger(stream);
    const Int64 dataStart = stream->Position();
    // An end before the data or past the stream would read outside the record.
    if (end < dataStart || end > stream->Size()) throw EReadError("Stream read error");
    SeekOnExit atEnd(stream, end);
    std::unique_ptr<TGraphic> graphic = CreatePictureGraphic(kind);
    if (graphic) {
        TMemoryStream data;
        if (end > dataStart) data.CopyFrom(stream, end - dataStart);
        data.SetPosition(0);
        graphic->LoadFromStream(&data);
    }
    picture->SetGraphic(graphic.get());
}

void SavePicture(TStream* stream, TPicture* picture) {
    TGraphic* graphic = picture->Graphic();
    std::unique_ptr<TBitmap> drawn;
    Byte kind = pkNone;
    if (graphic && !graphic->Empty()) {
        const TClass cls = graphic->ClassType();
        if (cls == TMetafile::StaticClass()) {
            kind = pkMetafile;
        } else if (cls == TIcon::StaticClass()) {
            kind = pkIcon;
        } else if (cls == TJPEGImage::StaticClass()) {
            kind = pkJpeg;
        } else {
            kind = pkBitmap;
            if (cls != TBitmap::StaticClass()) {
                drawn.reset(TBitmap::Create());
                drawn->SetSize(graphic->Width(), graphic->Height());
                drawn->Canvas()->Draw(0, 0, graphic);
                graphic = drawn.get();
            }
        }
    }
    WriteByte(stream, kind);
    const Int64 endField = stream->Position();
    WriteInteger(stream, 0);
    if (kind != pkNone) graphic->SaveToStream(stream);
    const Int64 end = stream->Position();
    stream->SetPosition(endField);
    WriteInteger(stream, static_cast<Integer>(end));
    stream->SetPosition(end);
}

std::unique_ptr<TGraphic> CreatePictureGraphic(Byte kind) {
    switch (kind) {
    case pkBitmap: return std::unique_ptr<TGraphic>(TBitmap::Create());
    case pkMetafile: return std::unique_ptr<TGraphic>(TMetafile::Create());
    case pkIcon: return std::unique_ptr<TGraphic>(TIcon::Create());
    case pkJpeg: return std::unique_ptr<TGraphic>(TJPEGImage::Create());
    default: return nullptr;
    }
}

HFONT CreateAngleFont(TFont* font, int angle, int width) {
    LOGFONTA logFont{};
    GetObject(font->Handle(), sizeof logFont, &logFont);
    logFont.lfEscapement = logFont.lfOrientation = angle * 10;
    if (width > 0) logFont.lfWidth = width;
    return CreateFontIndirect(&logFont);
}
