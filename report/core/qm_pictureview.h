// Qm_PictureView: a report object showing a picture kept in the template,
// loaded from a file named by an expression, or read from a data field
// whose kind is recognised from its first bytes (OLE object headers
// stripped).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/graphic.h"
#include "report/core/qm_view.h"

SERVIORA_ENUM(TQmPictureSource, qmpsPicture, qmpsFileName)
SERVIORA_ENUM(TQmBlobType, qmbtBitmap, qmbtMetafile, qmbtIcon, qmbtJPEG, qmbtGIF, qmbtAuto)
SERVIORA_ENUM(TQmPictureFormat, qmpfVelmorth, qmpfMicrosoft, qmpfAuto)

namespace QmPictureFlag {
constexpr Cardinal PictureCenter = 0x1;
constexpr Cardinal PictureRatio = 0x2;
constexpr Cardinal PictureStretched = 0x4;
constexpr Cardinal DirectDraw = 0x8;
}  // namespace QmPictureFlag

class TQmPictureView : public TQmReportView {
    SERVIORA_CLASS(TQmPictureView, TQmReportView)
    SERVIORA_PUBLISHED
public:
    TQmPictureView();
    ~TQmPictureView() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* v) { picture_->Assign(v); }
    TQmPictureSource PictureSource = qmpsPicture;
    TQmBlobType BlobType = qmbtAuto;
    TQmPictureFormat PictureFormat = qmpfVelmorth;

    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    void Clear() override;
    AnsiString GetDescription() const override;
    // Version 1 written; version 0 has no blob type and format.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    void Draw(TCanvas* canvas) override;
    void Print(TStream* stream) override;
    void GetBlob() override;

    // Where a picture of the given pixel size lands in the object.
    TRect PictureRect(int pictureWidth, int pictureHeight) const;

private:
    std::unique_ptr<TPicture> picture_;
};

// The graphic kind of picture data by its first bytes: 0 bitmap, 1
// metafile, 2 icon, 3 JPEG (a JPEG without its end marker counts as 0).
int RecognizePictureKind(const std::string& data);
// Data of an OLE object as a picture: the header removed and the native
// data cut to its size; a static "DIB" gets a bitmap file header, a static
// "METAFILEPICT" becomes a placeable metafile. Data whose header does not
// fit within it is left as it is.
std::string StripOleHeader(const std::string& data);
