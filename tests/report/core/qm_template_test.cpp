// The template stream: the pick-up voucher as the form description carries
// it, round trips through the engine's writer, and hand-made templates of
// older versions and broken or unknown records.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "byte_writer.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/graphic.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_band.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "support/temp_dir.h"
#include "tools/vouchertemplate/voucher_template.h"

namespace {

const std::string kSignature = std::string("Tamberquistor Report File 3.0") + char(26);
const std::string kDictionarySignature = std::string("Tamberquistor Dictionary File 30") + char(26);

std::unique_ptr<TMemoryStream> StreamOf(const std::string& bytes) {
    std::unique_ptr<TMemoryStream> stream(TMemoryStream::Create());
    stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    stream->SetPosition(0);
    return stream;
}

std::string BytesOf(TMemoryStream* stream) {
    return std::string(static_cast<const char*>(stream->Memory()), static_cast<std::size_t>(stream->Size()));
}

std::string Saved(TQmReport* report) {
    std::unique_ptr<TMemoryStream> stream(TMemoryStream::Create());
    report->SaveToStream(stream.get());
    return BytesOf(stream.get());
}

std::unique_ptr<TQmReport> Loaded(const std::string& bytes) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    report->LoadFromStream(StreamOf(bytes).get());
    return report;
}

std::int32_t IntAt(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

class VoucherTemplate : public testing::Test {
protected:
    const std::string bytes = BuildVoucherTemplate();
};

TEST_F(VoucherTemplate, TheFormDescriptionCarriesWhatTheToolBuilds) {
    std::ifstream file(std::string(SERVIORA_SOURCE_DIR) + "/app/jiedaifrm.dfm", std::ios::binary);
    ASSERT_TRUE(file);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(WithReportData(text.str(), bytes), text.str()) << "run serviora-vouchertemplate app/jiedaifrm.dfm";
}

TEST_F(VoucherTemplate, LoadsIntoOnePageOfTwoBandsAndThirtyFiveTexts) {
    auto report = Loaded(bytes);
    EXPECT_FALSE(report->ErrorFlag);
    ASSERT_EQ(report->Pages()->GetCount(), 1);
    auto* page = dynamic_cast<TQmReportPage*>(report->Pages()->GetPage(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Name(), "Page1");
    EXPECT_EQ(page->PaperSize, 9);
    EXPECT_EQ(page->Margins, (std::array<Integer, 4>{15000, 15000, 15000, 15000}));
    int bands = 0, texts = 0;
    for (TQmView* view : page->GetObjects()) {
        bands += dynamic_cast<TQmBand*>(view) != nullptr;
        texts += dynamic_cast<TQmMemoView*>(view) != nullptr;
    }
    EXPECT_EQ(page->ObjectCount(), 37);
    EXPECT_EQ(bands, 2);
    EXPECT_EQ(texts, 35);
    EXPECT_TRUE(report->DoublePass);
    EXPECT_FALSE(report->ConvertNulls());
    EXPECT_EQ(report->ReportInfo[0], "顾客取机凭证");
    EXPECT_EQ(report->Script()->Count(), 13);
    EXPECT_EQ(report->Script()->Strings(9), "Memo31.Memo.Text := jiedai.Edit6.Text;");

    auto* memo = static_cast<TQmMemoView*>(report->FindObject("Memo30"));
    EXPECT_TRUE(memo->Frame(qmfsBottom)->Visible());
    EXPECT_FALSE(memo->Frame(qmfsTop)->Visible());
    memo = static_cast<TQmMemoView*>(report->FindObject("Memo12"));
    EXPECT_EQ(memo->Memo->Strings(0), "[QmDBDataSet1.\"品牌\"]");
    EXPECT_EQ(memo->Font()->Name(), "宋体");
    EXPECT_EQ(memo->Font()->Height(), -13);
    EXPECT_EQ(memo->Frame(qmfsLeft)->InternalWidth, 265);
    EXPECT_EQ(memo->VAlign, qmvCenter);
}

TEST_F(VoucherTemplate, HasTheRecordSizesOfItsLayoutAndSavesTheSameBytes) {
    EXPECT_EQ(bytes.substr(0, 32), std::string("\x1E\x00", 2) + kSignature);
    EXPECT_EQ(IntAt(bytes, 36), 262) << "the pages part follows a 262-byte header";
    EXPECT_EQ(IntAt(bytes, 91), 164) << "the script's byte count";
    const std::size_t page = 262;
    EXPECT_EQ(static_cast<unsigned char>(bytes[page]), 255);
    const std::size_t firstObject = page + 1 + 2 + 13 + 84;
    EXPECT_EQ(static_cast<unsigned char>(bytes[firstObject]), 50) << "the page record is 84 bytes; a title band follows";
    const std::size_t record = firstObject + 1 + 2 + std::string("TQmBandReportTitle").size() + 4 + 1;
    EXPECT_EQ(bytes[record], 7) << "object records of version 7";
    EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 46]), 254) << "a 45-byte dictionary block ends the stream";

    auto report = Loaded(bytes);
    EXPECT_EQ(Saved(report.get()), bytes);
}

// The voucher's texts as the template places them, drawn on an A4 width at
// 96 pixels per inch inside the 15 mm margins, for people to look at.
TEST_F(VoucherTemplate, DrawsItsTextsWhereTheLayoutPutsThem) {
    auto report = Loaded(bytes);
    std::unique_ptr<TBitmap> sheet(TBitmap::Create());
    sheet->SetSize(794, 500);
    sheet->Canvas()->FillRect(TRect(0, 0, 794, 500));
    for (TQmView* view : report->Pages()->GetPage(0)->GetObjects()) {
        auto* memo = dynamic_cast<TQmMemoView*>(view);
        if (!memo) continue;
        memo->Memo1->Assign(memo->Memo.get());
        memo->OffsetX = memo->OffsetY = 57;
        memo->Draw(sheet->Canvas());
    }
    const TQmView* cell = report->FindObject("Memo11");
    const int left = 57 + cell->GetspBound(0), top = 57 + cell->GetspBound(1);
    EXPECT_EQ(sheet->Canvas()->Pixels(left, top + 10), clBlack) << "the table's left frame line";
    EXPECT_EQ(sheet->Canvas()->Pixels(left + 10, top - 3), clWhite) << "nothing above the table";
    std::unique_ptr<TPngImage> png(TPngImage::Create());
    png->Assign(sheet.get());
    png->SaveToFile(ScreenshotDir() + "voucher-template.png");
}

// ---- Hand-made templates ------------------------------------------------------

// A template written by hand, with positions known as it grows.
class TemplateBuilder {
public:
    // The header of the version: fields appear as each version has them.
    explicit TemplateBuilder(std::uint16_t version, const std::string& signature = kSignature) {
        w_.Str(signature).Word(version);
        if (version >= 52) w_.Word(0).Int(0);
        w_.Str("标题").Str("").Str("").Str("").Str("");
        w_.Byte(1).Int(500).Int(700).Byte(1).Byte(1).Byte(1).Str("Default Printer").List("begin\r\nend.\r\n");
        if (version >= 52) w_.Word(3);
        if (version >= 57) w_.Byte(0);
        if (version >= 52) pagesOffset_ = Size();
    }
    TemplateBuilder& ReportPage(const std::string& name, bool byKind = false) {
        w_.Byte(255);
        if (byKind) w_.Byte(1);
        else w_.Str("TQmReportPage");
        w_.Word(4).Str(name).Byte(1).Int(9).Int(2100).Int(2970);
        for (int i = 0; i < 4; ++i) w_.Int(10000);
        w_.Byte(0).Byte(0).Int(65535).Byte(0).Byte(0);
        w_.Byte(0).Int(static_cast<std::int32_t>(Size() + 4));
        w_.Int(0).Int(0).Int(-1).Int(-1).Byte(0).Byte(0).Byte(0).Word(0).Int(2).Int(5000).Word(0).Str("");
        return *this;
    }
    TemplateBuilder& DialogPage(const std::string& name, bool byKind = false) {
        w_.Byte(255);
        if (byKind) w_.Byte(0);
        else w_.Str("TQmDialogPage");
        w_.Word(1).Str(name).Byte(1).Str("输入").Int(1).Int(2).Int(300).Int(200).Int(0).Int(3).Int(4).Word(0);
        return *this;
    }
    // An object record framed as the writer frames it; `end` overrides the
    // end offset.
    TemplateBuilder& Object(std::uint8_t code, const std::string& className, const std::string& record,
                            std::int64_t end = -1) {
        w_.Byte(code).Str(className);
        const std::size_t after = Size() + 4 + 1 + record.size();
        w_.Int(static_cast<std::int32_t>(end < 0 ? static_cast<std::int64_t>(after) : end)).Byte(0).Raw(record);
        return *this;
    }
    TemplateBuilder& Dictionary(std::uint16_t version, const std::string& signature = kDictionarySignature) {
        w_.Byte(254).Word(version).Str(signature);
        return *this;
    }
    ByteWriter& Raw() { return w_; }
    std::size_t Size() const { return w_.Bytes().size(); }
    // The bytes with the pages offset patched in (version 52 and later).
    std::string Bytes() const {
        std::string bytes = w_.Bytes();
        for (int i = 0; pagesOffset_ && i < 4; ++i)
            bytes[36 + static_cast<std::size_t>(i)] = static_cast<char>(pagesOffset_ >> (8 * i) & 0xFF);
        return bytes;
    }

private:
    ByteWriter w_;
    std::size_t pagesOffset_ = 0;
};

// A text object's template record as the engine writes it.
std::string MemoRecord(const std::string& name, const std::string& text) {
    std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
    memo->SetName(name);
    memo->Memo->SetText(text);
    std::unique_ptr<TMemoryStream> stream(TMemoryStream::Create());
    memo->SaveToStream(stream.get());
    return BytesOf(stream.get());
}

class HandMadeTemplate : public testing::Test {
protected:
    void SetUp() override { ResetModalResponder(); }
    void TearDown() override {
        EXPECT_FALSE(ModalAnswersWaiting());
        ResetModalResponder();
    }
    static void ExpectMessage() { PushModalAnswer({IDOK}); }
};

TEST_F(HandMadeTemplate, OlderVersionsReadTheFieldsTheyHave) {
    for (std::uint16_t version : {50, 51, 56, 57}) {
        SCOPED_TRACE(version);
        TemplateBuilder t(version);
        t.ReportPage("Page1", version <= 50).DialogPage("Dialog1", version <= 50);
        t.Object(0, "TQmMemoView", MemoRecord("Memo1", "[x]")).Dictionary(62).Raw().Int(0).Int(0);
        auto report = Loaded(t.Bytes());
        EXPECT_FALSE(report->ErrorFlag) << report->ErrorText;
        EXPECT_EQ(report->ReportInfo[0], "标题");
        EXPECT_EQ(report->PrintOffsetTop, 0) << "the print settings bring the offsets back";
        EXPECT_EQ(report->PrintOffsetLeft, 0);
        EXPECT_TRUE(report->Taoda);
        EXPECT_EQ(report->ReportFlags, version >= 52 ? 3 : 0);
        EXPECT_EQ(report->ConvertNulls(), version < 57);
        ASSERT_EQ(report->Pages()->GetCount(), 2);
        auto* page = dynamic_cast<TQmReportPage*>(report->Pages()->GetPage(0));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->ColumnCount(), 2);
        EXPECT_EQ(page->ColumnGap, 5000);
        EXPECT_EQ(page->Margins[0], 10000);
        auto* dialog = dynamic_cast<TQmDialogPage*>(report->Pages()->GetPage(1));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Caption, "输入");
        EXPECT_EQ(dialog->Height, 200);
        EXPECT_EQ(dialog->Position, TPosition(4));
        ASSERT_NE(report->FindObject("Memo1"), nullptr);
    }
}

TEST_F(HandMadeTemplate, RecordsWithoutAClassAreSkippedAndUnknownAddInsNamed) {
    TemplateBuilder t(62);
    t.ReportPage("Page1");
    t.Object(5, "TNothing", "\x01\x02\x03");
    t.Object(100, "TQmNoSuchAddIn", MemoRecord("Memo9", "a"));
    t.Object(0, "TQmMemoView", MemoRecord("Memo1", "b"));
    t.Dictionary(62).Raw().Int(0).Int(0);
    ExpectMessage();
    auto report = Loaded(t.Bytes());
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "错误");
    EXPECT_EQ(ModalQuestions()[0].text, "Opened report contains the following non-plugged components:\r"
                                        "TQmNoSuchAddIn\rUse appropriate component from Qm component palette");
    EXPECT_NE(report->FindObject("Memo1"), nullptr);
    EXPECT_EQ(report->FindObject("Memo9"), nullptr);
    EXPECT_EQ(report->Pages()->GetPage(0)->ObjectCount(), 1);
}

TEST_F(HandMadeTemplate, ATagAbove100EndsTheLoadWithAnException) {
    TemplateBuilder t(62);
    t.ReportPage("Page1").Raw().Byte(101);
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    EXPECT_THROW(report->LoadFromStream(StreamOf(t.Bytes()).get()), Exception);
}

TEST_F(HandMadeTemplate, EndOffsetsBeforeTheRecordOrPastTheStreamEndTheLoad) {
    for (std::int64_t end : {std::int64_t{5}, std::int64_t{100000}}) {
        SCOPED_TRACE(end);
        TemplateBuilder t(62);
        t.ReportPage("Page1");
        t.Object(0, "TQmMemoView", MemoRecord("Memo1", "a"), end);
        t.Object(0, "TQmMemoView", MemoRecord("Memo2", "b"));
        ExpectMessage();
        auto report = Loaded(t.Bytes());
        EXPECT_TRUE(report->ErrorFlag);
        EXPECT_EQ(report->FindObject("Memo2"), nullptr) << "reading stops at the broken record";
        EXPECT_EQ(report->Pages()->GetCount(), 1);
    }
}

TEST_F(HandMadeTemplate, AWrongSignatureLeavesOneDefaultPage) {
    TemplateBuilder t(62, std::string("Tamberquistor Report File 2.0") + char(26));
    t.ReportPage("Page1").ReportPage("Page2");
    ExpectMessage();
    auto report = Loaded(t.Bytes());
    EXPECT_TRUE(report->ErrorFlag);
    EXPECT_EQ(report->ErrorText, "Not Tamberquistor Report File!");
    EXPECT_EQ(ModalQuestions().at(0).text, "不是Tamberquistor报表文件！");
    EXPECT_EQ(report->Pages()->GetCount(), 1);
    EXPECT_TRUE(report->ReportInfo[0].empty());
}

TEST_F(HandMadeTemplate, AShortStreamIsIgnored) {
    auto report = Loaded(std::string("\x1E\x00Tambe", 7));
    EXPECT_FALSE(report->ErrorFlag);
    EXPECT_EQ(report->Pages()->GetCount(), 0);
}

TEST_F(HandMadeTemplate, AnUnknownPageClassEndsTheLoadWithItsName) {
    TemplateBuilder t(62);
    t.ReportPage("Page1");
    t.Raw().Byte(255).Str("TQmChartPage").Word(1);
    t.Object(0, "TQmMemoView", MemoRecord("Memo1", "a"));
    ExpectMessage();
    auto report = Loaded(t.Bytes());
    EXPECT_NE(ModalQuestions().at(0).text.find("TQmChartPage\r"), AnsiString::npos);
    EXPECT_EQ(report->Pages()->GetCount(), 1);
    EXPECT_EQ(report->FindObject("Memo1"), nullptr);
}

TEST_F(HandMadeTemplate, AWrongDictionarySignatureIsTheLastRecordRead) {
    TemplateBuilder t(62);
    t.ReportPage("Page1").Dictionary(62, "Tamberquistor Dictionary File 20" + std::string(1, char(26)));
    t.Raw().Int(1).Str("x").Word(8).Str("1");
    ExpectMessage();
    auto report = Loaded(t.Bytes());
    EXPECT_EQ(ModalQuestions().at(0).text, "不是Tamberquistor数据字典文件!");
    EXPECT_EQ(report->Dictionary()->Variables()->Count(), 0);
    EXPECT_EQ(report->Pages()->GetCount(), 1);
}

TEST_F(HandMadeTemplate, DictionaryValuesComeBackByTheirStoredType) {
    TemplateBuilder typed(62);
    typed.ReportPage("Page1").Dictionary(62).Raw().Int(4);
    typed.Raw().Str("日期").Word(varDate).Str("45000.5");
    typed.Raw().Str("金额").Word(varCurrency).Str("12.3456");
    typed.Raw().Str("数量").Word(varInteger).Str("7");
    typed.Raw().Str("比例").Word(varDouble).Str("0.25");
    typed.Raw().Int(1).Str("QmDBDataSet1").Word(varString).Str("订单");
    auto report = Loaded(typed.Bytes());
    TQmVariables* variables = report->Dictionary()->Variables();
    EXPECT_EQ(variables->GetVariable("日期").VarType(), varDate);
    EXPECT_DOUBLE_EQ(variables->GetVariable("日期").AsDouble(), 45000.5);
    EXPECT_EQ(variables->GetVariable("金额").VarType(), varCurrency);
    EXPECT_EQ(variables->GetVariable("数量").VarType(), varString);
    EXPECT_EQ(variables->GetVariable("比例").VarType(), varDouble);
    EXPECT_EQ(report->Dictionary()->RealDataSetName("订单"), "QmDBDataSet1");

    // Saved and read again, each value keeps its type.
    auto again = Loaded(Saved(report.get()));
    EXPECT_EQ(again->Dictionary()->Variables()->GetVariable("日期").VarType(), varDate);
    EXPECT_EQ(again->Dictionary()->Variables()->GetVariable("金额").AsString(), "12.3456");

    TemplateBuilder untyped(62);
    untyped.ReportPage("Page1").Dictionary(60).Raw().Int(1).Str("日期").Str("45000.5").Int(0);
    auto old = Loaded(untyped.Bytes());
    EXPECT_EQ(old->Dictionary()->Variables()->GetVariable("日期").VarType(), varString);
}

TEST(QmTemplate, UnknownPrinterNamesAreSavedAsTheDefaultPrinter) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    report->SetPrinterName("No Such Printer");
    EXPECT_EQ(report->PrinterName(), "No Such Printer");
    report->Pages()->AddReportPage();
    const std::string bytes = Saved(report.get());
    EXPECT_NE(bytes.find(std::string("\x0F\x00" "Default Printer", 17)), std::string::npos);
    report->SetPrinterName("Virtual Printer");
    EXPECT_NE(Saved(report.get()).find(std::string("\x0F\x00" "Virtual Printer", 17)), std::string::npos);
}

}  // namespace
