// The report object base: the object record against fixtures written by
// hand (template and prepared forms, the old versions), geometry in screen
// pixels, the script names, and the fill, frames and diagonals drawn on a
// bitmap (screenshots/report-frames.png).
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "byte_writer.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "report/core/qm_view.h"
#include "support/temp_dir.h"

namespace {

// The smallest concrete object: it draws its fill and frame.
class TFrameView : public TQmStretcheableView {
    SERVIORA_CLASS(TFrameView, TQmStretcheableView)
public:
    void Draw(TCanvas* canvas) override {
        BeginDraw(canvas);
        DrawBackground();
        ShowFrame();
        EndDraw();
    }
};

std::unique_ptr<TFrameView> NewView() { return std::unique_ptr<TFrameView>(TFrameView::Create()); }

struct FrameBytes {
    bool visible;
    std::uint8_t style;
    std::int32_t color, width;
    bool doubleFrame;
};

// The common head of an object record; version 0 has no double-frame byte.
ByteWriter Head(std::uint16_t version, const std::string& name, const FrameBytes& frame = {true, 0, 0, 265, false}) {
    ByteWriter w;
    w.Word(version).Str(name);
    for (std::int32_t v : {1000, 2000, 25400, 4763, 529, 529}) w.Int(v);
    w.Int(static_cast<std::int32_t>(0x18010000u)).Int(0x1FFFFFFF).Byte(0).Byte(0);
    for (int side = 0; side < 4; ++side) {
        w.Byte(frame.visible).Byte(frame.style).Int(frame.color).Int(frame.width);
        if (version >= 1) w.Byte(frame.doubleFrame);
    }
    return w.Word(2).Byte(1);
}

// Template tail of version 7: every field present.
std::string TemplateRecord() {
    ByteWriter w = Head(7, "Memo1", {true, 1, 255, 529, true});
    w.Word(9).Str("N0.00").List("[编号]\r\n第二行\r\n").Str("Memo2").Str("");
    w.Byte(1).Byte(4).Byte(2).Byte('.');
    w.Word(1).Str("OnBeforePrint").Str("Memo1Print");
    w.Byte(0).Byte(static_cast<std::uint8_t>(bsCross)).Int(42).Str("a").Str("http://x").Str("b").Str("c");
    w.Int(-21).Str("[;]");
    return w.Bytes();
}

AnsiString Saved(TQmView* view) {
    TStringStream out;
    view->SaveToStream(&out);
    return out.DataString();
}

TEST(QmViewRecord, TemplateAndPreparedRecordsReadAndWriteBackIdentically) {
    const std::string bytes = TemplateRecord();
    auto view = NewView();
    TStringStream in(bytes);
    view->LoadFromStream(&in);
    EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size()));
    EXPECT_EQ(view->Name(), "Memo1");
    EXPECT_EQ(view->Width, 25400);
    EXPECT_EQ(view->Memo->Count(), 2);
    EXPECT_EQ(view->StretchWith(), "");
    EXPECT_EQ(view->ShiftWith(), "Memo2");
    EXPECT_EQ(view->PackedFormat.SubKind, 4);
    EXPECT_TRUE(view->Frame(qmfsBottom)->DoubleFrame());
    EXPECT_EQ(view->Frame(qmfsTop)->Style(), psDash);
    EXPECT_EQ(view->BrushStyle, bsCross);
    EXPECT_FALSE(view->ExtraFlag);
    EXPECT_EQ(view->Cursor, -21);
    EXPECT_EQ(Saved(view.get()), bytes);

    ByteWriter prepared = Head(7, "Memo1");
    prepared.List("12\x01\r\n").Byte(0).Int(0).Str("ShowDetail").Str("http://y");
    auto copy = NewView();
    copy->InPreparedPage = true;
    TStringStream preparedIn(prepared.Bytes());
    copy->LoadFromStream(&preparedIn);
    EXPECT_EQ(copy->Memo1->Strings(0), "12\x01");
    EXPECT_EQ(copy->Memo->Strings(0), "12\x01");
    EXPECT_EQ(VarToStr(copy->GetEventBindings()->GetVariable("OnPreviewClick")), "ShowDetail");
    EXPECT_EQ(copy->Url, "http://y");
    EXPECT_EQ(Saved(copy.get()), prepared.Bytes());
}

TEST(QmViewRecord, OlderVersions) {
    // Version 0: a style past the pen's last one is a solid double line;
    // no bindings, no extra flag, StretchedMax comes on.
    ByteWriter v0 = Head(0, "Old", {true, 8, 0, 265, false});
    v0.Word(0).Str("").List("").Str("").Str("").Int(0);
    auto old = NewView();
    old->SetFlag(QmFlag::StretchedMax, false);
    TStringStream in(v0.Bytes());
    old->LoadFromStream(&in);
    EXPECT_EQ(in.Position(), static_cast<Int64>(v0.Bytes().size()));
    EXPECT_TRUE(old->Frame(qmfsLeft)->DoubleFrame());
    EXPECT_EQ(old->Frame(qmfsLeft)->Style(), psSolid);
    EXPECT_TRUE(old->StretchedMax());

    // The stored flag word (bit 0x10000 clear) holds from version 4 on.
    for (std::uint16_t version : {3, 4}) {
        ByteWriter w;
        w.Word(version).Str("V");
        for (int i = 0; i < 6; ++i) w.Int(0);
        w.Int(0).Int(0).Byte(0).Byte(0);
        for (int side = 0; side < 4; ++side) w.Byte(0).Byte(0).Int(0).Int(0).Byte(0);
        w.Word(0).Byte(1).Word(0).Str("").List("").Str("").Str("").Int(0).Word(0).Byte(1);
        auto view = NewView();
        TStringStream stream(w.Bytes());
        view->LoadFromStream(&stream);
        EXPECT_EQ(view->StretchedMax(), version == 3) << version;
    }
}

TEST(QmView, FrameLinesAndHighlightsCopyWhatTheyShould) {
    auto view = NewView();
    TQmFrameLine* line = view->Frame(qmfsTop);
    EXPECT_EQ(line->Width(), 1) << "one screen pixel";
    line->SetWidth(3);
    EXPECT_EQ(line->InternalWidth, ToInternalUnits(qmutScreenPixels, 3));
    line->SetVisible(true);
    line->SetColor(clRed);
    line->SetStyle(psDash);
    line->SetDoubleFrame(true);
    TQmFrameLine copy;
    copy.Assign(line);
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Style(), psDash);
    EXPECT_TRUE(copy.DoubleFrame());
    EXPECT_EQ(copy.InternalWidth, line->InternalWidth);

    std::unique_ptr<TQmHighlight> highlight(TQmHighlight::Create());
    highlight->SetColor(clYellow);
    highlight->SetCondition("[价格] > 100");
    highlight->Font()->SetName("黑体");
    std::unique_ptr<TQmHighlight> other(TQmHighlight::Create());
    other->SetCondition("kept");
    other->Assign(highlight.get());
    EXPECT_EQ(other->Color(), clYellow);
    EXPECT_EQ(other->Font()->Name(), "黑体");
    EXPECT_EQ(other->Condition(), "kept");
}

TEST(QmView, DefaultsGeometryAndScriptNames) {
    auto view = NewView();
    EXPECT_TRUE(view->Printable());
    EXPECT_TRUE(view->PrintFrame());
    EXPECT_TRUE(view->StretchedMax());
    EXPECT_EQ(view->FillColor, QmNoColor);
    EXPECT_EQ(view->GapLeft, ToInternalUnits(qmutScreenPixels, 2));
    EXPECT_EQ(view->ExpressionDelimiters, "[;]");

    Variant value;
    ASSERT_TRUE(view->GetPropValue(view.get(), "SETSPBOUNDS", value, {10, 20, 96, 18}));
    EXPECT_EQ(view->Width, 25400);
    EXPECT_EQ(view->Height, 4763);
    EXPECT_EQ(view->GetspBound(4), 106);
    EXPECT_EQ(view->GetspBound(5), 38);
    ASSERT_TRUE(view->GetPropValue(view.get(), "SETFRAMEVISIBLE", value, {true}));
    EXPECT_TRUE(view->Frame(qmfsBottom)->Visible());

    struct Case {
        const char* memo1;
        bool hasValue;
        const char* name;
        Variant expected;
    } cases[] = {
        {"", false, "VALUE", 0},           {"", true, "VALUE", ""},         {"12\x01", false, "VALUE", "12"},
        {"一行", false, "TEXT", "一行"},    {"a\r\nb", false, "TEXT", "a\r\nb"}, {"", false, "MEMO", ""},
        {"12\x01", false, "ASFLOAT", 12.0}, {"", false, "VALUE", 0},
    };
    for (const Case& c : cases) {
        view->Memo1->SetText(c.memo1);
        view->HasValue = c.hasValue;
        ASSERT_TRUE(view->GetPropValue(view.get(), c.name, value, {})) << c.name;
        EXPECT_EQ(VarToStr(value), VarToStr(c.expected)) << c.name << " of " << c.memo1;
        EXPECT_EQ(VarIsStr(value), VarIsStr(c.expected)) << c.name << " of " << c.memo1;
    }
    ASSERT_TRUE(view->SetPropValue(view.get(), "TEXT", "新"));
    EXPECT_EQ(view->Memo->Text(), "新\r\n");
    ASSERT_TRUE(view->GetPropValue(view.get(), "Stretched", value, {}));
    EXPECT_FALSE(view->GetPropValue(view.get(), "NoSuchName", value, {}));
}

// Band alignment in a band 30 pixels high at 100 on a page 700 pixels wide,
// and in a cross band at 200 that is 150 pixels wide.
TEST(QmView, AlignsWithinTheBandBeingPrinted) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    TQmReportPage* page = report->Pages()->AddReportPage();
    page->Margins[0] = 0;
    page->Margins[2] = page->PaperWidth * 100 - ToInternalUnits(qmutScreenPixels, 700);
    report->CurrentPage = page;
    auto band = NewView();
    band->IsBand = true;
    band->SetspBounds(0, 100, 700, 30);
    auto cross = NewView();
    cross->IsBand = cross->IsCrossBand = true;
    cross->SetspBounds(200, 0, 150, 400);
    struct Case {
        TQmView* band;
        TQmBandAlign align;
        Cardinal flag;
        std::array<Integer, 4> expected;  // pixels
    } cases[] = {
        {band.get(), qmbaLeft, 0, {0, 5, 96, 18}},       {band.get(), qmbaRight, 0, {604, 5, 96, 18}},
        {band.get(), qmbaBottom, 0, {30, 112, 96, 18}},  {band.get(), qmbaTop, 0, {30, 100, 96, 18}},
        {band.get(), qmbaCenter, 0, {302, 5, 96, 18}},   {band.get(), qmbaNone, QmFlag::ParentWidth, {0, 5, 700, 18}},
        {band.get(), qmbaNone, QmFlag::ParentHeight, {30, 100, 96, 30}},
        {cross.get(), qmbaLeft, 0, {200, 5, 96, 18}},    {cross.get(), qmbaRight, 0, {254, 5, 96, 18}},
        {cross.get(), qmbaCenter, 0, {227, 5, 96, 18}},  {cross.get(), qmbaTop, 0, {30, 5, 96, 18}},
        {cross.get(), qmbaNone, QmFlag::ParentWidth, {30, 5, 150, 18}},
    };
    for (const Case& c : cases) {
        auto view = NewView();
        view->ParentReport = report.get();
        view->SetspBounds(30, 5, 96, 18);
        view->BandAlign = c.align;
        view->SetFlag(c.flag, true);
        report->CurrentBand = c.band;
        view->AlignToBand();
        const std::array<Integer, 4> bounds{view->GetspBound(0), view->GetspBound(1), view->GetspBound(2),
                                            view->GetspBound(3)};
        EXPECT_EQ(bounds, c.expected) << int(c.align) << " " << c.flag << (c.band->IsCrossBand ? " cross" : "");
        EXPECT_EQ(report->CurrentObject, view.get());
    }
}

// 2 px thick frame lines around 96 x 18 px at (10, 20); the fill inside.
TEST(QmViewDrawing, FillAndFrameLandOnThePixelsTheGeometryGives) {
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetSize(140, 60);
    bitmap->Canvas()->FillRect(TRect(0, 0, 140, 60));
    auto view = NewView();
    view->SetspBounds(10, 20, 96, 18);
    view->FillColor = clYellow;
    view->SetAllFramesVisible(true);
    for (int side = 0; side < 4; ++side) view->Frame(side)->SetWidth(2);
    view->Draw(bitmap->Canvas());
    TCanvas* c = bitmap->Canvas();
    EXPECT_EQ(c->Pixels(10, 30), clBlack) << "left line";
    EXPECT_EQ(c->Pixels(106, 30), clBlack) << "right line";
    EXPECT_EQ(c->Pixels(50, 38), clBlack) << "bottom line";
    EXPECT_EQ(c->Pixels(50, 30), clYellow) << "fill";
    EXPECT_EQ(c->Pixels(50, 45), clWhite) << "outside";
    EXPECT_EQ(view->Left, ToInternalUnits(qmutScreenPixels, 10)) << "EndDraw puts the geometry back";

    view->SetPrintFrame(false);
    bitmap->Canvas()->FillRect(TRect(0, 0, 140, 60));
    view->Draw(bitmap->Canvas());
    EXPECT_EQ(c->Pixels(10, 30), clYellow) << "the fill without a frame: PrintFrame is off";
}

TEST(QmViewDrawing, DrawRectLeavesRoomForFramesAndDoubleLines) {
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetSize(10, 10);
    auto view = NewView();
    view->SetspBounds(10, 20, 96, 18);
    view->BeginDraw(bitmap->Canvas());
    EXPECT_EQ(view->DrawRect, TRect(10, 20, 107, 39));
    view->EndDraw();
    view->SetAllFramesVisible(true);
    view->Frame(qmfsLeft)->SetWidth(3);
    view->Frame(qmfsLeft)->SetDoubleFrame(true);
    view->ScaleX = view->ScaleY = 2;
    view->ParentReport = nullptr;
    view->BeginDraw(bitmap->Canvas());
    // Mode 0 without a report: scale 1 whatever was set.
    EXPECT_EQ(view->DrawRect.left, 10 + 2 + 6);
    view->EndDraw();
    EXPECT_EQ(view->Frame(qmfsLeft)->InternalWidth, ToInternalUnits(qmutScreenPixels, 3));
}

// Frames, double frames, diagonals 1-6 and the hatched fills at scale 1
// (top) and 2 (below): a row of diagonals over a row of fills.
TEST(QmViewDrawing, FrameSampleSheet) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    std::unique_ptr<TBitmap> sheet(TBitmap::Create());
    sheet->SetSize(420, 200);
    sheet->Canvas()->FillRect(TRect(0, 0, 420, 200));
    const TBrushStyle hatches[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
    auto place = [&](TQmView* view, int scale, int row, int column) {
        view->ParentReport = report.get();
        view->ScaleX = view->ScaleY = scale;
        view->OffsetY = (scale - 1) * 80 + row * 30 * scale;
        view->SetspBounds(5 + column * 33, 5, 28, 14);
        view->Draw(sheet->Canvas());
    };
    for (int scale = 1; scale <= 2; ++scale)
        for (int i = 0; i < 6; ++i) {
            auto diagonal = NewView();
            diagonal->DiagonalKind = static_cast<Word>(i + 1);
            if (i % 2 == 0) {
                diagonal->SetAllFramesVisible(true);
            } else {
                diagonal->Frame(qmfsLeft)->SetVisible(true);
                diagonal->Frame(qmfsBottom)->SetVisible(true);
                diagonal->Frame(qmfsBottom)->SetColor(clRed);
            }
            place(diagonal.get(), scale, 0, i);

            auto filled = NewView();
            filled->BrushStyle = hatches[i];
            filled->SetAllFramesVisible(true);
            for (int side = 0; side < 4; ++side) {
                filled->Frame(side)->SetColor(i < 3 ? clNavy : clGreen);
                filled->Frame(side)->SetWidth(i % 3 + 1);
                filled->Frame(side)->SetDoubleFrame(i >= 3);
                filled->Frame(side)->SetStyle(i == 2 ? psDot : psSolid);
            }
            place(filled.get(), scale, 1, i);
        }
    std::unique_ptr<TPngImage> png(TPngImage::Create());
    png->Assign(sheet.get());
    png->SaveToFile(ScreenshotDir() + "report-frames.png");
}

}  // namespace
