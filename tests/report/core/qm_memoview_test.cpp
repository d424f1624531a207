// The text object: its record against fixtures written by hand, the script
// names it adds, layout (wrapping, heights, shrinking, tags, display line
// ranges, justified and rotated text), character steps stretched onto a
// 600-dpi canvas, and a sample sheet of text objects drawn at scale 1 and 2
// (screenshots/report-text.png).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "view_fixtures.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_units.h"
#include "support/temp_dir.h"

namespace {

// The object record of Part "common head" for a text object named Memo1.
ByteWriter CommonHead() {
    ByteWriter w;
    w.Word(7).Str("Memo1");
    for (std::int32_t v : {0, 0, 50800, 9525, 529, 529}) w.Int(v);
    w.Int(0x18000120).Int(0x1FFFFFFF).Byte(0).Byte(0);
    for (int side = 0; side < 4; ++side) w.Byte(1).Byte(0).Int(0).Int(265).Byte(0);
    return w.Word(0).Byte(1);
}

class MemoTest : public testing::Test {
protected:
    std::unique_ptr<TQmMemoView> NewMemo(const AnsiString& text = {}, int width = 120, int height = 40) {
        std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
        memo->ParentReport = report.get();
        memo->SetspBounds(0, 0, width, height);
        memo->Font()->SetName("宋体");
        memo->Font()->SetSize(9);
        memo->Memo->SetText(text);
        return memo;
    }
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
};

TEST_F(MemoTest, TemplateRecordReadsAndWritesBackIdentically) {
    ByteWriter w = CommonHead();
    w.Word(0).Str("").List("[编号]\r\n").Str("").Str("").Byte(0).Byte(0).Byte(2).Byte('.');
    w.Word(0).Byte(1).Byte(0).Int(0).Str("").Str("").Str("").Str("").Int(0).Str("[;]");
    w.Word(3);
    w.Font("宋体", -12, 2, -16777208);
    w.Byte(1).Byte(2).Int(2).Int(1).Str("Memo9").Byte(0).Byte(0).Int(0);
    w.Int(0x1FFFFFFF).Str("[价格] > 100");
    w.Font("Arial", -13, 2, 0);
    w.Byte(1).Int(-1).Int(-1);
    const std::string bytes = w.Bytes();

    auto memo = NewMemo();
    TStringStream in(bytes);
    memo->LoadFromStream(&in);
    EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size()));
    EXPECT_EQ(memo->Font()->Name(), "宋体");
    EXPECT_EQ(memo->Font()->Height(), 12 * -1);
    EXPECT_EQ(memo->HAlign, qmhCenter);
    EXPECT_EQ(memo->VAlign, qmvBottom);
    EXPECT_TRUE(memo->RepeatedOptions()->MergeRepeated()) << "from bit 0x100";
    EXPECT_FALSE(memo->RepeatedOptions()->SuppressRepeated());
    EXPECT_TRUE(memo->RepeatedOptions()->MergeStretchedHeight());
    EXPECT_EQ(memo->Highlight()->Condition(), "[价格] > 100");
    TStringStream out;
    memo->SaveToStream(&out);
    EXPECT_EQ(out.DataString(), bytes);
}

TEST_F(MemoTest, AssignCopiesThroughTheRecord) {
    auto source = NewMemo("[编号]", 80, 30);
    source->SetName("Memo7");
    source->HAlign = qmhRight;
    source->Highlight()->SetCondition("[价格] > 1");
    source->InPreparedPage = true;
    auto copy = NewMemo();
    copy->Assign(source.get());
    EXPECT_EQ(copy->Name(), "Memo7");
    EXPECT_EQ(copy->HAlign, qmhRight);
    EXPECT_EQ(copy->Memo->Strings(0), "[编号]") << "the template record, not the prepared one";
    EXPECT_EQ(copy->Highlight()->Condition(), "[价格] > 1");
    EXPECT_EQ(copy->GetspBound(2), 80);
}

TEST_F(MemoTest, PreparedRecordsOfVersionZeroSkipTheirOldFields) {
    ByteWriter w = CommonHead();
    w.List("甲\r\n").Byte(0).Int(0).Str("").Str("");
    w.Word(0);
    w.Font("宋体", 9, 0, 0);
    w.Byte(0).Byte(0).Int(2).Int(0).Str("").Byte(0).Byte(0).Int(0);
    w.Int(7).Int(3).Int(1).Int(2).Int(3);  // 20 bytes nothing reads
    const std::string bytes = w.Bytes();
    auto memo = NewMemo();
    memo->InPreparedPage = true;
    TStringStream in(bytes);
    memo->LoadFromStream(&in);
    EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size()));
    EXPECT_EQ(memo->DisplayBeginLine, -1);
    EXPECT_EQ(memo->Memo1->Strings(0), "甲");
}

TEST_F(MemoTest, DefaultsAndScriptNames) {
    auto memo = NewMemo();
    EXPECT_EQ(memo->TypeCode, 0);
    EXPECT_EQ(memo->BaseName, "Memo");
    EXPECT_TRUE(memo->Flag(QmFlag::HideZeros));
    EXPECT_FALSE(memo->Stretched());
    EXPECT_TRUE(memo->StretchedMax());
    EXPECT_EQ(memo->LineSpacing, 2);
    std::unique_ptr<TQmMemoView> fresh(TQmMemoView::Create());
    EXPECT_EQ(fresh->Font()->Name(), "Arial");
    EXPECT_EQ(fresh->Font()->Size(), 10);
    EXPECT_EQ(fresh->Font()->Charset(), 134);

    memo->SetDisplayFormat("N0.00");
    EXPECT_EQ(memo->DisplayFormat(), "0.00");
    EXPECT_EQ(memo->PackedFormat.Kind, TQmDisplayFormat::Number);

    Variant value;
    memo->LastValue = "A\r\n";
    ASSERT_TRUE(memo->GetPropValue(memo.get(), "LASTVALUE", value, {}));
    EXPECT_EQ(VarToStr(value), "A");
    ASSERT_TRUE(memo->SetPropValue(memo.get(), "VALUECHANGED", 1));
    EXPECT_TRUE(memo->ValueChanged);
    ASSERT_TRUE(memo->GetPropValue(memo.get(), "wordwrap", value, {}));
    EXPECT_FALSE(value.AsBoolean());
}

// Laid-out lines of a word-wrapped object (without the marker).
std::vector<AnsiString> LaidOut(TQmCustomMemoView* memo) {
    memo->Memo1->Assign(memo->Memo.get());
    memo->WrapNeeded = true;
    memo->BeginDraw(memo->ParentReport->MeasuringCanvas());
    memo->LayoutText();
    memo->EndDraw();
    std::vector<AnsiString> lines;
    for (int i = 0; i < memo->WrappedLines->Count(); ++i) lines.push_back(memo->WrappedLines->Strings(i));
    return lines;
}

TEST_F(MemoTest, LayoutWrapsAndEndsHorizontalTextWithTheMarker) {
    // 9 points are 12 pixels: six characters of 12 pixels fit in 76 - 4 gaps.
    auto memo = NewMemo("一二三四五六，七\r\nabcdefghijklmnopqrstuvwxyz", 76);
    memo->SetFlag(QmFlag::WordWrap, true);
    memo->SetFlag(QmFlag::WordBreak, true);
    const auto lines = LaidOut(memo.get());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "一二三四五");
    EXPECT_EQ(lines[1], "六，七");
    EXPECT_EQ(lines.back(), TQmCustomMemoView::LayoutMarker);
    for (const AnsiString& line : lines) EXPECT_FALSE(line.starts_with("，"));
    EXPECT_EQ(memo->LinePitch, 2 + 12);
    EXPECT_EQ(memo->TextHeight, static_cast<Integer>(lines.size() - 1) * memo->LinePitch - 2);

    memo->RotationType = qmrt90;
    EXPECT_NE(LaidOut(memo.get()).back(), TQmCustomMemoView::LayoutMarker) << "turned text has no marker";
}

TEST_F(MemoTest, HeightsOfTextAndOfNoText) {
    auto memo = NewMemo();
    EXPECT_EQ(memo->CalcHeight(), 0);
    memo->Memo->SetText("一\r\n二\r\n");
    // Two lines of 12 pixels, 2 between them, 2 pixels of gap above and below.
    EXPECT_EQ(memo->CalcHeight(), ToInternalUnits(qmutScreenPixels, 2 * 2 + 2 * 14 - 2));
    EXPECT_EQ(memo->Memo1->Count(), 3) << "the laid-out lines and the marker";
    memo->Visible = false;
    EXPECT_EQ(memo->CalcHeight(), 0);
}

TEST_F(MemoTest, ScalingByWidthShrinksTheFontUnlessTheRoomIsNineAtMost) {
    for (int width : {60, 13}) {
        auto memo = NewMemo("一二三四五六七八", width);
        memo->ScaleFontType = qmstByWidth;
        LaidOut(memo.get());
        if (width == 13)
            EXPECT_EQ(memo->Font()->Size(), 9) << "9 pixels of room";
        else
            EXPECT_LT(memo->Font()->Size(), 9);
    }
}

TEST(QmDistributeDelta, SpreadsTheDifferenceOverTheSteps) {
    struct Case {
        std::vector<int> steps;
        int target, actual;
        std::vector<int> expected;
    } cases[] = {
        {{10, 10, 10, 10}, 46, 40, {12, 11, 12, 11}},
        {{10, 10, 10, 10}, 42, 40, {11, 10, 11, 10}},
        {{10, 10, 10, 10}, 39, 40, {9, 10, 10, 10}},
        {{10, 10, 10, 10}, 40, 40, {10, 10, 10, 10}},
        {{10, 10, 10}, 34, 30, {12, 11, 11}},
    };
    for (Case& c : cases) {
        DistributeDelta(c.steps.data(), static_cast<int>(c.steps.size()), c.target, c.actual);
        EXPECT_EQ(c.steps, c.expected) << c.target << " over " << c.actual;
    }
}

// The first column of ink in a bitmap at or after `from`, -1 for none.
int FirstInkColumn(TBitmap* bitmap, int from = 0) {
    for (int x = from; x < bitmap->Width(); ++x)
        for (int y = 0; y < bitmap->Height(); ++y)
            if (bitmap->Canvas()->Pixels(x, y) != clWhite) return x;
    return -1;
}

TEST_F(MemoTest, JustifiedSingleCharacterAndDisplayRange) {
    auto bitmap = WhiteBitmap(200, 80);
    auto memo = NewMemo("甲", 100, 20);
    memo->HAlign = qmhEuqal;
    memo->Draw(bitmap->Canvas());
    const int left = FirstInkColumn(bitmap.get());
    EXPECT_GE(left, 2);
    EXPECT_LE(left, 4) << "from the left gap, not spread";

    auto lines = NewMemo("一\r\n二\r\n三", 100, 60);
    lines->DisplayBeginLine = lines->DisplayEndLine = 1;
    lines->Draw(bitmap->Canvas());
    EXPECT_EQ(lines->DrawnLineCount, 1);
}

// A filter that keeps the lines it is handed.
class TLineFilter : public TQmExportFilter {
    SERVIORA_CLASS(TLineFilter, TQmExportFilter)
public:
    using TQmExportFilter::TQmExportFilter;
    void OnText(const TRect&, int x, int, const AnsiString& line, TQmView*) override {
        lines.push_back(line);
        xs.push_back(x);
    }
    std::vector<AnsiString> lines;
    std::vector<int> xs;
};

TEST_F(MemoTest, ExportHandsEveryDrawnLineToTheFilter) {
    std::unique_ptr<TLineFilter> filter(TLineFilter::Create(nullptr));
    report->CurrentFilter = filter.get();
    auto memo = NewMemo("一\r\n二", 100, 40);
    memo->Draw(report->MeasuringCanvas());
    EXPECT_TRUE(filter->lines.empty()) << "drawing alone exports nothing";
    memo->ExportData();
    EXPECT_EQ(filter->lines, (std::vector<AnsiString>{"一", "二"}));
    EXPECT_EQ(filter->xs.front(), 2) << "after the left gap";
    report->CurrentFilter = nullptr;
}

// A 90-degree text is wrapped against its height and wrapped again when a
// prepared copy (no marker) is drawn.
TEST_F(MemoTest, TurnedTextIsWrappedWhenDrawn) {
    auto bitmap = WhiteBitmap(100, 100);
    auto memo = NewMemo("一二三四五六七八九十", 40, 60);
    memo->RotationType = qmrt90;
    memo->SetFlag(QmFlag::WordWrap, true);
    memo->Draw(bitmap->Canvas());
    EXPECT_GE(memo->Memo1->Count(), 2) << "60 - 4 pixels hold four characters of 12";
    EXPECT_EQ(memo->DrawnLineCount, memo->Memo1->Count());
}

// x~2| draws a small 2 level with the top of x; x_2| lowers it.
TEST_F(MemoTest, SizeTagsDrawSmallCharactersRaisedOrLowered) {
    int tops[2];
    for (int i = 0; i < 2; ++i) {
        auto bitmap = WhiteBitmap(100, 40);
        auto memo = NewMemo(i == 0 ? "x~2|" : "x_2|", 100, 40);
        memo->Font()->SetSize(20);
        memo->SetFlag(QmFlag::MangeTag, true);
        memo->Draw(bitmap->Canvas());
        const int column = FirstInkColumn(bitmap.get(), 2 + 13);
        ASSERT_GE(column, 0);
        int top = -1;
        for (int y = 0; y < 40 && top < 0; ++y)
            for (int x = column; x < 100; ++x)
                if (bitmap->Canvas()->Pixels(x, y) != clWhite) {
                    top = y;
                    break;
                }
        tops[i] = top;
        EXPECT_EQ(memo->CountCharacters(memo->Memo->Strings(0)), 2) << "tags count as no character";
    }
    EXPECT_GT(tops[1], tops[0]);
}

// At 600 dpi (scale 6.25) a line's character steps are stretched so that
// its last character starts where the 96-dpi layout puts it.
TEST_F(MemoTest, FittedLinesKeepTheirScaledWidthOnAPrinter) {
    const double scale = 600.0 / 96;
    auto memo = NewMemo("Report 报表 line", 200, 20);
    memo->ScaleX = memo->ScaleY = scale;
    const AnsiString line = memo->Memo->Strings(0);
    const Integer target = memo->MeasureLineWidth(line);
    memo->ScaleX = 1;
    const Integer width96 = memo->MeasureLineWidth(line);
    memo->ScaleX = scale;
    EXPECT_NEAR(target, width96 * scale, 1.0);

    auto draw = [&](bool withLastCharacterAgain) {
        auto bitmap = WhiteBitmap(static_cast<int>(target) + 40, 120);
        TCanvas* canvas = bitmap->Canvas();
        canvas->Font()->Assign(memo->Font());
        canvas->Font()->SetHeight(-static_cast<int>(9 * 96.0 / 72 * scale));
        SetBkMode(canvas->Handle(), TRANSPARENT);
        memo->Canvas = canvas;
        memo->DrawRect = TRect(0, 0, bitmap->Width(), bitmap->Height());
        SIZE natural{};
        GetTextExtentPoint32(canvas->Handle(), line.data(), static_cast<int>(line.size()), &natural);
        EXPECT_NE(natural.cx, target) << "the canvas's own width differs, so the steps are stretched";
        memo->TextOutFitted(10, 10, line, target);
        if (withLastCharacterAgain) {
            SIZE last{};
            GetTextExtentPoint32(canvas->Handle(), "e", 1, &last);
            TextOut(canvas->Handle(), 10 + static_cast<int>(target) - last.cx, 10, "e", 1);
        }
        std::unique_ptr<TPngImage> png(TPngImage::Create());
        png->Assign(bitmap.get());
        TStringStream bytes;
        png->SaveToStream(&bytes);
        return bytes.DataString();
    };
    EXPECT_EQ(draw(false), draw(true)) << "the last character lies exactly at the target width";
}

// Text objects in the five rotations, the alignments and justified text,
// tags, underlines, frames, double frames, diagonals and hatched fills, at
// scale 1 (left) and 2 (right).
TEST_F(MemoTest, TextSampleSheet) {
    report->DrawMode = 2;
    auto sheet = WhiteBitmap(1420, 330);
    struct Sample {
        int left, top, width, height;
        const char* text;
        TQmRotationType rotation;
        TQmHAlign hAlign;
        TQmVAlign vAlign;
        Cardinal flags;
        Word diagonal;
        TBrushStyle brush;
        bool doubleFrame;
    };
    const Sample samples[] = {
        {4, 4, 110, 36, "左对齐 Left\r\n第二行", qmrtNone, qmhLeft, qmvTop, 0, 0, bsSolid, false},
        {118, 4, 110, 36, "居中 Center", qmrtNone, qmhCenter, qmvCenter, 0, 0, bsSolid, false},
        {232, 4, 110, 36, "右对齐 Right", qmrtNone, qmhRight, qmvBottom, 0, 0, bsSolid, false},
        {346, 4, 110, 36, "分散对齐", qmrtNone, qmhEuqal, qmvCenter, 0, 0, bsSolid, true},
        {4, 44, 36, 110, "旋转九十", qmrt90, qmhLeft, qmvTop, 0, 0, bsSolid, false},
        {44, 44, 36, 110, "竖排文字", qmrt180, qmhLeft, qmvTop, 0, 0, bsSolid, false},
        {84, 44, 36, 110, "旋转二七", qmrt270, qmhCenter, qmvCenter, 0, 0, bsSolid, false},
        {124, 44, 110, 36, "横躺文字", qmrt360, qmhLeft, qmvTop, 0, 0, bsSolid, false},
        {124, 84, 110, 36, "x~2|+H_2|O 下标", qmrtNone, qmhLeft, qmvTop, QmFlag::MangeTag, 0, bsSolid, false},
        {238, 44, 110, 70, "带下划线的多行文字自动换行显示", qmrtNone, qmhLeft, qmvTop,
         QmFlag::Underlines | QmFlag::WordWrap, 0, bsSolid, false},
        {238, 118, 110, 36, "斜线表头", qmrtNone, qmhRight, qmvBottom, 0, 3, bsSolid, false},
        {352, 44, 110, 36, "网格填充", qmrtNone, qmhCenter, qmvCenter, 0, 0, bsCross, false},
        {352, 84, 110, 36, "双线框", qmrtNone, qmhCenter, qmvCenter, 0, 6, bsDiagCross, true},
    };
    for (int scale = 1; scale <= 2; ++scale)
        for (const Sample& s : samples) {
            auto memo = NewMemo(s.text, s.width, s.height);
            memo->SetspBounds(s.left, s.top, s.width, s.height);
            memo->RotationType = s.rotation;
            memo->HAlign = s.hAlign;
            memo->VAlign = s.vAlign;
            memo->Flags |= s.flags;
            memo->DiagonalKind = s.diagonal;
            memo->BrushStyle = s.brush;
            memo->SetAllFramesVisible(true);
            for (int side = 0; side < 4; ++side) {
                memo->Frame(side)->SetDoubleFrame(s.doubleFrame);
                memo->Frame(side)->SetColor(s.brush == bsSolid ? clBlack : clTeal);
            }
            memo->ScaleX = memo->ScaleY = scale;
            memo->OffsetX = scale == 1 ? 0 : 480;
            memo->Draw(sheet->Canvas());
        }
    std::unique_ptr<TPngImage> png(TPngImage::Create());
    png->Assign(sheet.get());
    png->SaveToFile(ScreenshotDir() + "report-text.png");
}

}  // namespace
