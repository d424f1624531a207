// Picture objects: their record, where the picture lands in the object,
// pictures from files and from data fields.
#include "report/core/qm_pictureview.h"

#include <cstring>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/metafile.h"
#include "report/core/qm_pictures.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_values.h"

SERVIORA_REGISTER_CLASS(TQmPictureView);

namespace {

constexpr Word kPictureRecordVersion = 1;

Word Word16(const std::string& data, std::size_t at) {
    return static_cast<Word>(static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8);
}

Cardinal Word32(const std::string& data, std::size_t at) { return Word16(data, at) | Cardinal(Word16(data, at + 2)) << 16; }

bool StartsWith(const std::string& data, std::initializer_list<unsigned char> bytes) {
    if (data.size() < bytes.size()) return false;
    std::size_t i = 0;
    for (unsigned char b : bytes)
        if (static_cast<unsigned char>(data[i++]) != b) return false;
    return true;
}

}  // namespace

int RecognizePictureKind(const std::string& data) {
    const std::string head = data.substr(0, 10);
    for (const char* mark : {"BM", "BA", "CI", "CP", "IC", "PT"})
        if (head.compare(0, 2, mark) == 0) return 0;
    if (head.compare(0, 3, "GIF") == 0) return 0;
    if (StartsWith(head, {0xFF, 0xD8}))
        return data.size() > 4 && Word16(data, 0) == 0xD8FF && Word16(data, data.size() - 2) == 0xD9FF ? 3 : 0;
    if (StartsWith(head, {0x00, 0x00, 0x01, 0x00})) return 2;
    if (StartsWith(head, {0xD7, 0xCD, 0xC6, 0x9A})) return 1;
    if (StartsWith(head, {0x01, 0x00, 0x00, 0x00, 0x78, 0x00})) return 1;
    return 0;
}

std::string StripOleHeader(const std::string& data) {
    if (data.size() <= 9 || !StartsWith(data, {0x15, 0x1C})) return data;
    const std::size_t headerSize = Word16(data, 2);
    const std::size_t nameAt = headerSize + 12;
    if (data.size() < 20 || nameAt >= data.size()) return data;
    const std::size_t nameEnd = data.find('\0', nameAt);
    if (nameEnd == std::string::npos) return data;
    const std::string className = data.substr(nameAt, nameEnd - nameAt);
    const std::size_t nativeAt = headerSize + 25 + className.size();
    if (nativeAt > data.size()) return data;
    const std::size_t nativeSize = Word32(data, nativeAt - 4);
    if (nativeSize > data.size() - nativeAt) return data;
    std::string native = data.substr(nativeAt, nativeSize);
    if (Word32(data, 4) == 3 && className == "DIB") {
        const Cardinal total = static_cast<Cardinal>(native.size() + 14);
        std::string fileHeader = "BM";
        for (int shift = 0; shift < 32; shift += 8) fileHeader += static_cast<char>((total >> shift) & 0xFF);
        fileHeader += std::string(8, '\0');
        native = fileHeader + native;
    } else if (Word32(data, 4) == 3 && className == "METAFILEPICT" && native.size() >= 8) {
        // Mapping mode, extents in hundredths of a millimetre and a handle
        // before the Windows-metafile bits.
        native = PlaceableMetafileOf(native.substr(8), Word16(native, 2), Word16(native, 4));
    }
    if (native.size() > 10 && StartsWith(native, {0x01, 0x00, 0x00, 0x01}) && native.compare(8, 2, "BM") == 0)
        native.erase(0, 8);
    return native;
}

TQmPictureView::TQmPictureView() : picture_(TPicture::Create()) {
    TypeCode = 1;
    BaseName = "Picture";
    SetFlag(QmPictureFlag::PictureStretched | QmPictureFlag::PictureRatio, true);
}

TQmPictureView::~TQmPictureView() = default;

bool TQmPictureView::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                  const std::vector<Variant>& arguments) {
    if (UpperCase(path) == "PICTURE") {
        value = ObjectToVariant(picture_.get());
        return true;
    }
    return TQmReportView::GetPropValue(object, path, value, arguments);
}

void TQmPictureView::Clear() {
    picture_->SetGraphic(nullptr);
    TQmReportView::Clear();
}

AnsiString TQmPictureView::GetDescription() const { return "[Picture]"; }

void TQmPictureView::LoadFromStream(TStream* stream) {
    TQmReportView::LoadFromStream(stream);
    const Word version = ReadWord(stream);
    PictureSource = TQmPictureSource(ReadByte(stream));
    LoadPicture(stream, picture_.get());
    BlobType = version >= 1 ? TQmBlobType(ReadByte(stream)) : qmbtAuto;
    PictureFormat = version >= 1 ? TQmPictureFormat(ReadByte(stream)) : qmpfVelmorth;
}

void TQmPictureView::SaveToStream(TStream* stream) {
    TQmReportView::SaveToStream(stream);
    WriteWord(stream, kPictureRecordVersion);
    WriteByte(stream, Byte(PictureSource));
    SavePicture(stream, picture_.get());
    WriteByte(stream, Byte(BlobType));
    WriteByte(stream, Byte(PictureFormat));
}

TRect TQmPictureView::PictureRect(int pictureWidth, int pictureHeight) const {
    const int left = GetspBound(0), top = GetspBound(1), width = GetspBound(2), height = GetspBound(3);
    int w = width, h = height;
    if (!Flag(QmPictureFlag::PictureStretched)) {
        w = static_cast<int>(Round(pictureWidth * ScaleX));
        h = static_cast<int>(Round(pictureHeight * ScaleY));
    } else if (Flag(QmPictureFlag::PictureRatio) && pictureWidth > 0 && pictureHeight > 0) {
        const double kx = static_cast<double>(width) / pictureWidth, ky = static_cast<double>(height) / pictureHeight;
        if (kx >= ky)
            w = static_cast<int>(Round(pictureWidth * ky));
        else
            h = static_cast<int>(Round(pictureHeight * kx));
    }
    TRect r(left, top, left + w, top + h);
    if (Flag(QmPictureFlag::PictureCenter)) {
        const int dx = (width - w) / 2, dy = (height - h) / 2;
        r = TRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
    }
    return r;
}

void TQmPictureView::Draw(TCanvas* canvas) {
    AlignToBand();
    BeginDraw(canvas);
    HDC dc = canvas->Handle();
    const int saved = SaveDC(dc);
    try {
        IntersectClipRect(dc, DrawRect.left, DrawRect.top, DrawRect.right, DrawRect.bottom);
        const bool inverted = DrawRect.right < DrawRect.left || DrawRect.bottom < DrawRect.top;
        TGraphic* graphic = picture_->Graphic();
        if (!inverted) {
            DrawBackground();
            if (graphic && !graphic->Empty()) {
                const TCopyMode mode = canvas->CopyMode();
                canvas->SetCopyMode(Flag(QmFlag::Transparent) ? cmSrcAnd : cmSrcCopy);
                DrawGraphic(canvas, PictureRect(graphic->Width(), graphic->Height()), graphic,
                            Flag(QmFlag::Transparent), Flag(QmPictureFlag::DirectDraw), GetDrawMode() == 3);
                canvas->SetCopyMode(mode);
            }
        }
    } catch (...) {
        RestoreDC(dc, saved);
        EndDraw();
        throw;
    }
    RestoreDC(dc, saved);
    ShowFrame();
    EndDraw();
}

void TQmPictureView::Print(TStream* stream) {
    AlignToBand();
    Memo1->Assign(Memo.get());
    if (ParentReport) ParentReport->DoBeforePrint(Memo1.get(), this);
    if (!Visible) return;
    if (PictureSource == qmpsFileName && Memo1->Count() > 0) {
        const AnsiString fileName = ExpandExpressions(Memo1->Strings(0));
        picture_->SetGraphic(nullptr);
        if (FileExists(fileName)) picture_->LoadFromFile(fileName);
    }
    WriteObject(stream);
}

void TQmPictureView::GetBlob() {
    if ((ParentReport && ParentReport->AppendBlanking) || !Dataset || Dataset->FieldIsNull(DataFieldName)) {
        picture_->SetGraphic(nullptr);
        return;
    }
    // Bitmaps of plain fields load through the field (which knows the
    // picture-blob header); everything else from the field's bytes.
    const bool throughField = PictureFormat == qmpfVelmorth;
    const bool examined = !(throughField && BlobType == qmbtBitmap);
    std::string data;
    if (examined) {
        TStringStream field;
        Dataset->AssignBlobTo(DataFieldName, &field);
        data = field.DataString();
        if (!throughField) data = StripOleHeader(data);
    }
    TStringStream bytes(data);
    const int kind =
        !examined ? 0 : BlobType == qmbtAuto ? RecognizePictureKind(data) : static_cast<int>(BlobType);
    auto load = [&](int graphicKind) {
        std::unique_ptr<TGraphic> graphic = CreatePictureGraphic(static_cast<Byte>(graphicKind + 1));
        if (!graphic) throw EInvalidGraphic("No graphic of that kind");
        if (graphicKind == 0 && throughField) {
            Dataset->AssignBlobTo(DataFieldName, graphic.get());
        } else {
            bytes.SetPosition(0);
            graphic->LoadFromStream(&bytes);
        }
        picture_->SetGraphic(graphic.get());
    };
    try {
        load(kind);
    } catch (const Exception&) {
        if (kind == 0) throw;
        load(0);
    }
}

void TQmPictureView::Published(TPublished<TQmPictureView>& p) {
    using V = TQmPictureView;
    p.Property("Picture", &V::Picture, &V::SetPicture);
    p.Property("PictureSource", [](const V* v) { return v->PictureSource; },
               [](V* v, TQmPictureSource s) { v->PictureSource = s; })
        .Default(qmpsPicture);
    p.Property("BlobType", [](const V* v) { return v->BlobType; }, [](V* v, TQmBlobType t) { v->BlobType = t; })
        .Default(qmbtAuto);
    p.Property("PictureFormat", [](const V* v) { return v->PictureFormat; },
               [](V* v, TQmPictureFormat f) { v->PictureFormat = f; })
        .Default(qmpfVelmorth);
    PublishFlag(p, "PictureCenter", QmPictureFlag::PictureCenter, false);
    PublishFlag(p, "PictureRatio", QmPictureFlag::PictureRatio, true);
    PublishFlag(p, "PictureStretched", QmPictureFlag::PictureStretched, true);
    PublishFlag(p, "DirectDraw", QmPictureFlag::DirectDraw, false);
    PublishFlag(p, "Transparent", QmFlag::Transparent, false);
    PublishFlag(p, "ReprintOnOverFlow", QmFlag::ReprintOnOverFlow, false);
    p.Property("DataField", [](const V* v) { return v->Memo->Count() > 0 ? v->Memo->Strings(0) : AnsiString(); },
               [](V* v, const AnsiString& field) { v->Memo->SetText(field); });
    p.Property("ShiftWith", &V::ShiftWith, &V::SetShiftWith);
    p.Property("FillColor", [](const V* v) { return v->FillColor; }, [](V* v, TColor c) { v->FillColor = c; })
        .TypeName("TColor");
    p.Property("Url", [](const V* v) { return v->Url; }, [](V* v, const AnsiString& url) { v->Url = url; });
}
