// Pictures, shapes, outline entries and sub-reports: records against
// fixtures written by hand, the kind of picture data by its first bytes,
// OLE object headers, where a picture lands in its object, and a sample
// sheet of the thirteen shapes and four pictures (screenshots/report-shapes.png).
#include <gtest/gtest.h>

#include <memory>

#include "view_fixtures.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_pictureview.h"
#include "report/core/qm_shapeview.h"
#include "report/core/qm_structureviews.h"
#include "support/temp_dir.h"

namespace {

ByteWriter ObjectRecord(std::uint32_t flags) {
    return TemplateObjectRecord("Object1", {0, 0, 52917, 26458, 529, 529}, flags);
}

template <class View>
std::unique_ptr<View> Read(const std::string& bytes, Int64* end = nullptr) {
    std::unique_ptr<View> view(View::Create());
    TStringStream in(bytes);
    view->LoadFromStream(&in);
    if (end) *end = in.Position();
    return view;
}

template <class View>
std::string Written(View* view) {
    TStringStream out;
    view->SaveToStream(&out);
    return out.DataString();
}

TEST(QmObjectRecords, PicturesShapesOutlinesAndSubReports) {
    // A picture record of version 1 with an empty picture (kind 0: 5 bytes).
    ByteWriter picture = ObjectRecord(0x6);
    const int pictureAt = static_cast<int>(picture.Bytes().size()) + 3;
    picture.Word(1).Byte(1).Byte(0).Int(pictureAt + 5).Byte(4).Byte(2);
    Int64 end = 0;
    auto view = Read<TQmPictureView>(picture.Bytes(), &end);
    EXPECT_EQ(end, static_cast<Int64>(picture.Bytes().size()));
    EXPECT_EQ(view->PictureSource, qmpsFileName);
    EXPECT_EQ(view->BlobType, qmbtGIF);
    EXPECT_EQ(view->PictureFormat, qmpfAuto);
    EXPECT_EQ(Written(view.get()), picture.Bytes());

    ByteWriter old = ObjectRecord(0x6);
    const int oldPictureAt = static_cast<int>(old.Bytes().size()) + 3;
    old.Word(0).Byte(0).Byte(0).Int(oldPictureAt + 5);
    auto oldView = Read<TQmPictureView>(old.Bytes(), &end);
    EXPECT_EQ(end, static_cast<Int64>(old.Bytes().size()));
    EXPECT_EQ(oldView->BlobType, qmbtAuto);
    EXPECT_EQ(oldView->PictureFormat, qmpfVelmorth);

    ByteWriter shape = ObjectRecord(0x18000000);
    shape.Word(0).Byte(8).Int(0xFF).Byte(4).Byte(2).Int(3).Int(0xFFFF).Byte(6);
    auto shapeView = Read<TQmShapeView>(shape.Bytes());
    EXPECT_EQ(shapeView->Shape, qmskCircle);
    EXPECT_EQ(shapeView->Pen()->Style(), psDot);
    EXPECT_EQ(shapeView->Brush()->Style(), bsCross);
    EXPECT_EQ(Written(shapeView.get()), shape.Bytes());

    const std::string outline = ByteWriter().Word(0).Str("第一章").Int(3).Int(1).Int(26458).Bytes();
    auto outlineView = Read<TQmOutlineView>(outline);
    EXPECT_EQ(outlineView->GetOutlineText(), "第一章\x01" "3\x01" "100\x01" "1");
    EXPECT_EQ(Written(outlineView.get()), outline);

    std::unique_ptr<TQmSubReportView> sub(TQmSubReportView::Create());
    EXPECT_EQ(sub->SubPage, -1);
    const std::string subBytes = Written(sub.get());
    EXPECT_EQ(subBytes.substr(subBytes.size() - 3), std::string("\x01\xFF\xFF", 3));
    EXPECT_EQ(Read<TQmSubReportView>(subBytes)->SubPage, 65535);
}

TEST(QmPictureView, ANewPicturePrintsLikeEveryOtherObject) {
    std::unique_ptr<TQmPictureView> picture(TQmPictureView::Create());
    EXPECT_EQ(picture->Flags, 0x18000006u) << "stretched, ratio kept, printable, framed";
    EXPECT_EQ(picture->TypeCode, 1);
}

TEST(QmPictureView, KindsByTheFirstBytes) {
    struct Case {
        std::string data;
        int kind;
    } cases[] = {
        {"BM....", 0},
        {"GIF89a", 0},
        {std::string("\xFF\xD8\xFF\xE0xx\xFF\xD9", 8), 3},
        {std::string("\xFF\xD8\xFF\xE0xxxx", 8), 0},
        {std::string("\x00\x00\x01\x00\x01\x00", 6), 2},
        {std::string("\xD7\xCD\xC6\x9A\x00\x00", 6), 1},
        {std::string("\x01\x00\x00\x00\x78\x00\x00\x00", 8), 1},
        {"plain text", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(RecognizePictureKind(c.data), c.kind) << c.data;
}

// An OLE object header: 20 bytes with the header size h at 2 and the
// object type at 4, the class name at h + 12, the native size before the
// data.
std::string OleObject(std::uint32_t type, const std::string& className, const std::string& native,
                      std::int32_t statedSize) {
    ByteWriter w;
    w.Byte(0x15).Byte(0x1C).Word(20).Int(static_cast<std::int32_t>(type));
    w.Raw(std::string(12, 'h'));
    w.Raw(std::string(12, 'o'));
    w.Raw(className).Byte(0);
    w.Raw(std::string(8, 'p')).Int(statedSize);
    return w.Raw(native).Bytes();
}

TEST(QmPictureView, OleHeadersAreStrippedWhenTheyFit) {
    const std::string dib = std::string("\x28\x00\x00\x00", 4) + std::string(36, 'd');
    const std::string stripped = StripOleHeader(OleObject(3, "DIB", dib, static_cast<int>(dib.size())));
    ASSERT_EQ(stripped.size(), dib.size() + 14);
    EXPECT_EQ(stripped.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(stripped[2]), dib.size() + 14);
    EXPECT_EQ(stripped.substr(14), dib);

    EXPECT_EQ(StripOleHeader(OleObject(2, "Paint.Picture", "BMxyz", 5)), "BMxyz") << "not static: no file header";
    const std::string lying = OleObject(3, "DIB", dib, 100000);
    EXPECT_EQ(StripOleHeader(lying), lying) << "a stated size past the data";
    const std::string cut = lying.substr(0, 30);
    EXPECT_EQ(StripOleHeader(cut), cut) << "a class name past the data";
    // A Windows metafile of 2540 x 1270 hundredths of a millimetre.
    const std::string picture = std::string("\x08\x00\xEC\x09\xF6\x04\x00\x00", 8) + "bits";
    const std::string metafile = StripOleHeader(OleObject(3, "METAFILEPICT", picture, static_cast<int>(picture.size())));
    EXPECT_EQ(RecognizePictureKind(metafile), 1);
    EXPECT_EQ(metafile.substr(metafile.size() - 4), "bits");
    const std::string wrapped = std::string("\x01\x00\x00\x01\x05\x00\x00\x00", 8) + "BMabc";
    EXPECT_EQ(StripOleHeader(OleObject(2, "X", wrapped, static_cast<int>(wrapped.size()))), "BMabc");
}

TEST(QmPictureView, WhereThePictureLands) {
    std::unique_ptr<TQmPictureView> view(TQmPictureView::Create());
    view->SetspBounds(0, 0, 200, 200);
    EXPECT_EQ(view->PictureRect(100, 50), TRect(0, 0, 200, 100));
    view->SetFlag(QmPictureFlag::PictureCenter, true);
    EXPECT_EQ(view->PictureRect(100, 50), TRect(0, 50, 200, 150));
    view->SetFlag(QmPictureFlag::PictureRatio, false);
    EXPECT_EQ(view->PictureRect(100, 50), TRect(0, 0, 200, 200));
    view->SetFlag(QmPictureFlag::PictureStretched, false);
    EXPECT_EQ(view->PictureRect(100, 50), TRect(50, 75, 150, 125));
}

TEST(QmShapeView, ASquareTakesTheShorterSide) {
    auto bitmap = WhiteBitmap(120, 60);
    std::unique_ptr<TQmShapeView> shape(TQmShapeView::Create());
    shape->Shape = qmskSquare;
    shape->SetspBounds(0, 0, 100, 40);
    shape->Brush()->SetColor(clRed);
    shape->Draw(bitmap->Canvas());
    TCanvas* c = bitmap->Canvas();
    EXPECT_EQ(c->Pixels(20, 20), clRed);
    EXPECT_EQ(c->Pixels(39, 39), clBlack) << "the square's corner";
    EXPECT_EQ(c->Pixels(60, 20), clWhite) << "nothing right of the square";
}

// The thirteen shapes, then a picture stretched, ratio-kept, centred and
// drawn transparently over a fill.
TEST(QmShapeView, ShapeSampleSheet) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    auto sheet = WhiteBitmap(620, 200);
    for (int i = 0; i < 13; ++i) {
        std::unique_ptr<TQmShapeView> shape(TQmShapeView::Create());
        shape->ParentReport = report.get();
        shape->Shape = TQmShapeType(i);
        shape->SetspBounds(6 + (i % 7) * 86, 6 + (i / 7) * 50, 80, 40);
        shape->Pen()->SetWidth(2);
        shape->Pen()->SetColor(i % 2 ? clNavy : clMaroon);
        shape->Brush()->SetColor(i % 3 ? clYellow : clAqua);
        shape->Draw(sheet->Canvas());
    }
    auto art = WhiteBitmap(40, 20);
    art->Canvas()->Brush()->SetColor(clBlue);
    art->Canvas()->FillRect(TRect(0, 0, 20, 20));
    art->Canvas()->Brush()->SetColor(clRed);
    art->Canvas()->FillRect(TRect(20, 0, 40, 10));
    struct Sample {
        Cardinal flags;
        bool transparent;
    } samples[] = {{QmPictureFlag::PictureStretched, false},
                   {QmPictureFlag::PictureStretched | QmPictureFlag::PictureRatio, false},
                   {QmPictureFlag::PictureStretched | QmPictureFlag::PictureRatio | QmPictureFlag::PictureCenter, false},
                   {QmPictureFlag::PictureCenter, true}};
    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<TQmPictureView> picture(TQmPictureView::Create());
        picture->ParentReport = report.get();
        picture->Picture()->SetGraphic(art.get());
        picture->SetFlag(QmPictureFlag::PictureStretched | QmPictureFlag::PictureRatio, false);
        picture->SetFlag(samples[i].flags, true);
        picture->SetFlag(QmFlag::Transparent, samples[i].transparent);
        if (samples[i].transparent) picture->FillColor = clLime;
        picture->SetspBounds(6 + i * 120, 110, 110, 80);
        picture->SetAllFramesVisible(true);
        picture->Draw(sheet->Canvas());
    }
    std::unique_ptr<TPngImage> png(TPngImage::Create());
    png->Assign(sheet.get());
    png->SaveToFile(ScreenshotDir() + "report-shapes.png");
}

}  // namespace
