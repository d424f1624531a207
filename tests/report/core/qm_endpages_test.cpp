// Prepared pages and the prepared-report file: a golden file of version 62
// made by hand reads and writes back byte for byte, older versions read
// what they hold, compression converts on load, and pages rebuild, store,
// compress (also in worker threads) and draw their objects.
#include <gtest/gtest.h>

#include <memory>

#include "byte_writer.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_fm.h"
#include "view_fixtures.h"

namespace {

const std::string Signature = std::string("Tamberquistor Prepared Report File") + char(26);

// The prepared record of a text object, as a page stream holds it.
std::string PreparedMemo(const std::string& name, const std::string& text, int left = 10, int top = 10) {
    std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
    memo->SetName(name);
    memo->SetspBounds(left, top, 120, 30);
    memo->SetAllFramesVisible(true);
    memo->Memo->SetText(text);
    memo->Memo1->Assign(memo->Memo.get());
    memo->InPreparedPage = true;
    TStringStream out("");
    WriteByte(&out, 0);
    memo->SaveToStream(&out);
    return out.DataString();
}

std::string Deflated(const std::string& raw, TZCompressionLevel level) {
    TStringStream in(raw), out("");
    CompressStream(&in, &out, level);
    return out.DataString();
}

std::string Inflated(TStream* packed) {
    std::unique_ptr<TMemoryStream> out(TMemoryStream::Create());
    DecompressStream(packed, out.get());
    return std::string(static_cast<const char*>(out->Memory()), static_cast<std::size_t>(out->Size()));
}

std::string Bytes(TMemoryStream* stream) {
    return std::string(static_cast<const char*>(stream->Memory()), static_cast<std::size_t>(stream->Size()));
}

struct FilePage {
    std::uint16_t paper = 9;
    std::int32_t width = 2100, height = 2970;
    std::uint8_t orientation = 0;
    std::int32_t bin = 65535;
    std::int32_t margins[4] = {15000, 15000, 15000, 15000};
    std::uint8_t duplex = 0;
    bool newJob = false;
    std::int32_t bkIndex = 0;
    std::string objects;
};

// A ".qmp" file of the version, laid out field by field from the table.
std::string PreparedFile(int version, bool compressed, const std::vector<FilePage>& pages,
                         const std::string& script = "unit Report;\r\nend.\r\n") {
    ByteWriter w;
    w.Str(Signature).Byte(static_cast<std::uint8_t>(version));
    if (version >= 54) w.Byte(compressed).Byte(1);
    // One background record without a picture: kind 0 and the record's end.
    w.Int(1).Int(0).Int(0).Int(-1).Int(-1).Byte(0);
    w.Int(static_cast<std::int32_t>(w.Bytes().size() + 4));
    w.Str("Default Printer");
    if (version >= 56) w.Str("顾客取机凭证").Str("").Str("作者").Str("").Str("");
    if (version >= 57) w.Int(0).List(script).List("Page 1\x01" "0\x01" "0\x01" "0\r\n");
    w.Int(static_cast<std::int32_t>(pages.size()));
    for (const FilePage& p : pages) {
        const std::size_t fields = 4 + 2 + 8 + 1 + 4 + 16 + 1 + (version >= 55 ? 1 : 0) + (version >= 62 ? 4 : 0);
        w.Int(static_cast<std::int32_t>(w.Bytes().size() + fields + p.objects.size()));
        w.Word(p.paper).Int(p.width).Int(p.height).Byte(p.orientation).Int(p.bin);
        for (std::int32_t m : p.margins) w.Int(m);
        w.Byte(p.duplex);
        if (version >= 55) w.Byte(p.newJob);
        if (version >= 62) w.Int(p.bkIndex);
        w.Raw(p.objects);
    }
    return w.Bytes();
}

class PreparedPages : public testing::Test {
protected:
    void SetUp() override {
        ResetModalResponder();
        report->SetCompressLevel(qmzcNone);
        report->EndPages()->TakeCompression();
    }
    void TearDown() override {
        EXPECT_FALSE(ModalAnswersWaiting());
        ResetModalResponder();
    }
    void Load(const std::string& bytes) {
        TStringStream in(bytes);
        pages()->LoadFromStream(&in);
    }
    std::string Saved() {
        TMemoryStream out;
        pages()->SaveToStream(&out);
        return Bytes(&out);
    }
    TQmEndPages* pages() const { return report->EndPages(); }
    // A built page holding the objects' records, compressed as a build does.
    TQmEndPage* BuiltPage(const std::string& objects) {
        TQmReportPage* page = TemplatePage();
        TQmEndPage* built = pages()->AddPage(page);
        built->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
        return built;
    }
    TQmReportPage* TemplatePage() {
        if (report->Pages()->GetCount() == 0) {
            static_cast<TQmReportPage*>(report->Pages()->AddReportPage())->TemplatePageNo = 1;
            pages()->AddBkPicture(0, 0, -1, -1, nullptr);
        }
        return static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
    }

    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
};

TEST_F(PreparedPages, AGoldenFileOfVersion62ReadsAndWritesBackIdentically) {
    FilePage first;
    first.objects = PreparedMemo("Memo1", "顾客取机凭证") + PreparedMemo("Memo2", "编号", 10, 50);
    FilePage second;
    second.paper = 11;
    second.width = 1480;
    second.height = 2100;
    second.orientation = 1;
    second.bin = 7;
    second.margins[2] = 5000;
    second.duplex = 2;
    second.newJob = true;
    second.bkIndex = 0;
    const std::string golden = PreparedFile(62, false, {first, second});
    Load(golden);
    ASSERT_EQ(pages()->GetCount(), 2);
    EXPECT_EQ(report->ReportInfo[0], "顾客取机凭证");
    EXPECT_EQ(report->ReportInfo[2], "作者");
    EXPECT_EQ(report->Script()->Strings(0), "unit Report;");
    EXPECT_EQ(pages()->Outline()->Count(), 1);
    EXPECT_EQ(pages()->BkPictureCount(), 1);
    const TQmEndPage* p = pages()->GetPage(1);
    EXPECT_EQ(p->PaperSize, 11);
    EXPECT_EQ(p->PaperWidth, 1480);
    EXPECT_EQ(p->Orientation, 1);
    EXPECT_EQ(p->Bin, 7);
    EXPECT_EQ(p->Margins[2], 5000);
    EXPECT_EQ(p->Duplex, 2);
    EXPECT_TRUE(p->NewPrintJob);
    EXPECT_EQ(p->TemplatePageNo, 0);
    EXPECT_GT(p->PageInfo.ScreenWidth, 0);
    EXPECT_EQ(Bytes(pages()->GetPage(0)->Stream()), first.objects);
    EXPECT_EQ(Saved(), golden);
}

TEST_F(PreparedPages, OlderVersionsReadWhatTheyHold) {
    FilePage page;
    page.newJob = true;
    page.bkIndex = 0;
    page.objects = PreparedMemo("Memo1", "A");
    report->ReportInfo[0] = "kept";
    for (int version : {53, 54, 55, 56, 61}) {
        SCOPED_TRACE(version);
        Load(PreparedFile(version, false, {page, page}));
        ASSERT_EQ(pages()->GetCount(), 2);
        EXPECT_EQ(pages()->GetPage(1)->NewPrintJob, version >= 55);
        EXPECT_EQ(pages()->GetPage(1)->BkPictureIndex, 0);
        EXPECT_EQ(report->ReportInfo[0], version >= 56 ? "顾客取机凭证" : "kept");
        EXPECT_EQ(pages()->Outline()->Count(), version >= 57 ? 1 : 0);
        EXPECT_EQ(Bytes(pages()->GetPage(1)->Stream()), page.objects);
    }
}

TEST_F(PreparedPages, TheFilesScriptIsCompiledForThePagesEvents) {
    FilePage page;
    page.objects = PreparedMemo("Memo1", "A");
    Load(PreparedFile(62, false, {page},
                      "unit Report;\r\nprocedure Clicked(Sender: TObject);\r\nbegin\r\nend;\r\nend.\r\n"));
    EXPECT_TRUE(report->Interpreter()->FunctionExists("Report", "Clicked"));
    pages()->GetPage(0)->CreateObjects(report.get(), true);
    EXPECT_EQ(pages()->GetPage(0)->Page()->ObjectCount(), 1);
    EXPECT_THROW(Load(PreparedFile(62, false, {page}, "unit Report;\r\nprocedure ;\r\n")), EKpInterpreterError);
}

TEST_F(PreparedPages, CompressionIsConvertedOnLoadBothWays) {
    const std::string raw = PreparedMemo("Memo1", "顾客取机凭证") + PreparedMemo("Memo2", "手机");
    FilePage packed;
    packed.objects = Deflated(raw, zcMax);
    Load(PreparedFile(62, true, {packed}));
    EXPECT_FALSE(pages()->GetPage(0)->Compressed);
    EXPECT_FALSE(pages()->Compressed);
    EXPECT_EQ(Bytes(pages()->GetPage(0)->Stream()), raw);

    report->SetCompressLevel(qmzcFastest);
    FilePage plain;
    plain.objects = raw;
    Load(PreparedFile(53, false, {plain}));
    TQmEndPage* page = pages()->GetPage(0);
    EXPECT_TRUE(page->Compressed);
    EXPECT_TRUE(pages()->Compressed);
    EXPECT_EQ(Inflated(page->Stream()), raw);
    page->CreateObjects(report.get(), false);
    ASSERT_EQ(page->Page()->ObjectCount(), 2);
    EXPECT_EQ(page->Page()->GetObjects()[1]->Memo->Text(), "手机\r\n");
}

TEST_F(PreparedPages, AppendKeepsThePagesPresent) {
    FilePage a, b;
    a.objects = PreparedMemo("Memo1", "A");
    b.objects = PreparedMemo("Memo1", "B");
    Load(PreparedFile(62, false, {a}));
    TStringStream more(PreparedFile(62, false, {b, b}));
    pages()->AppendFromStream(&more);
    ASSERT_EQ(pages()->GetCount(), 3);
    EXPECT_EQ(pages()->BkPictureCount(), 2);
    EXPECT_EQ(Bytes(pages()->GetPage(0)->Stream()), a.objects);
    EXPECT_EQ(Bytes(pages()->GetPage(2)->Stream()), b.objects);
    EXPECT_EQ(pages()->GetPage(2)->BkPictureIndex, 1) << "the appended file's own background record";
}

TEST_F(PreparedPages, AWrongSignatureReadsNothingAndKeepsThePages) {
    FilePage a;
    a.objects = PreparedMemo("Memo1", "A");
    Load(PreparedFile(62, false, {a}));
    std::string wrong = PreparedFile(62, false, {a, a});
    wrong[5] = 'X';
    PushModalAnswer({IDOK});
    Load(wrong);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "不是Tamberquistor报表文件!");
    EXPECT_EQ(ModalQuestions()[0].caption, "错误");
    EXPECT_EQ(pages()->GetCount(), 1);
}

TEST_F(PreparedPages, AnEndOffsetOutsideThePageStopsTheLoad) {
    FilePage a;
    a.objects = PreparedMemo("Memo1", "A");
    const std::string good = PreparedFile(62, false, {a});
    const std::size_t offsetAt = good.size() - a.objects.size() - 40;
    for (std::int32_t end : {std::int32_t(offsetAt), std::int32_t(good.size() + 1)}) {
        std::string bad = good;
        for (int i = 0; i < 4; ++i) bad[offsetAt + i] = char(end >> (8 * i) & 0xFF);
        TStringStream in(bad);
        EXPECT_THROW(pages()->LoadFromStream(&in), EReadError) << end;
    }
}

TEST_F(PreparedPages, SavingLoadedPagesReencodesThemAndBuiltPagesAreCopied) {
    report->SetCompressLevel(qmzcMax);
    pages()->TakeCompression();
    const std::string raw = PreparedMemo("Memo1", std::string(400, 'x')) + PreparedMemo("Memo2", "B");
    FilePage stored;
    stored.objects = Deflated(raw, zcNone);
    Load(PreparedFile(62, true, {stored}));
    pages()->ReadFromFile = true;
    const std::string resaved = Saved();
    EXPECT_EQ(resaved.find(stored.objects), std::string::npos);
    EXPECT_NE(resaved.find(Deflated(raw, zcMax)), std::string::npos);

    pages()->Clear();
    TQmEndPage* built = BuiltPage(raw);
    built->Compress();
    const std::string packed = Bytes(built->Stream());
    EXPECT_NE(Saved().find(packed), std::string::npos);
}

TEST_F(PreparedPages, InsertPageCopiesTheTemplatePageAndAppendsPastTheEnd) {
    TQmReportPage* page = TemplatePage();
    page->NewPrintJob = true;
    page->Margins = {1000, 2000, 3000, 4000};
    pages()->AddBkPicture(0, 0, 10, 10, nullptr);
    pages()->InsertPage(0, page);
    TQmEndPage* last = pages()->InsertPage(7, page);
    ASSERT_EQ(pages()->GetCount(), 2);
    EXPECT_EQ(pages()->GetPage(1), last);
    EXPECT_TRUE(last->NewPrintJob);
    EXPECT_EQ(last->TemplatePageNo, 1);
    EXPECT_EQ(last->Margins[3], 4000);
    EXPECT_EQ(last->BkPictureIndex, 1);

    page->ShowBackPicture = false;
    TQmEndPage* plain = pages()->InsertPage(0, page);
    TQmBkPicture* back = pages()->GetBkPicture(plain->BkPictureIndex);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->Picture()->Graphic() && !back->Picture()->Graphic()->Empty());
    EXPECT_EQ(pages()->InsertPageFromInfo(1, *last)->Margins[0], 1000);
    pages()->Delete(0);
    EXPECT_EQ(pages()->GetCount(), 3);
    EXPECT_EQ(pages()->GetPage(5), nullptr);

    int cleared = 0;
    pages()->OnClear = [&](TObject*) { ++cleared; };
    pages()->Clear();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(pages()->GetCount(), 3) << "the clear event clears instead";
    pages()->OnClear = nullptr;
    pages()->Clear();
    EXPECT_EQ(pages()->GetCount(), 0);
    EXPECT_EQ(pages()->BkPictureCount(), 0);
}

TEST_F(PreparedPages, ObjectsAreRebuiltStoredAndRebuiltAgainAfterFreeing) {
    TQmEndPage* page = BuiltPage(PreparedMemo("Memo1", "A") + PreparedMemo("Memo2", "B", 10, 60));
    auto bitmap = WhiteBitmap(800, 1100);
    const TRect rect{0, 0, page->PageInfo.ScreenWidth, page->PageInfo.ScreenHeight};
    page->Draw(report.get(), bitmap->Canvas(), rect);
    TQmReportPage* objects = page->Page();
    ASSERT_NE(objects, nullptr);
    EXPECT_EQ(objects->ObjectCount(), 2);
    page->Draw(report.get(), bitmap->Canvas(), rect);
    EXPECT_EQ(page->Page(), objects);

    objects->GetObjects()[1]->Memo->SetText("changed");
    page->StoreObjects(report.get());
    EXPECT_EQ(page->Page(), objects) << "the object page stays";
    page->FreeObjects();
    EXPECT_EQ(page->Page(), nullptr);
    page->Draw(report.get(), bitmap->Canvas(), rect);
    ASSERT_NE(page->Page(), nullptr);
    EXPECT_EQ(page->Page()->GetObjects()[1]->Memo->Text(), "changed\r\n");
    EXPECT_EQ(page->Page()->GetObjects()[0]->Name(), "Memo1");
}

TEST_F(PreparedPages, AddingAPageCompressesTheLastAndFiresBothBeginPageEvents) {
    report->SetCompressLevel(qmzcFastest);
    pages()->TakeCompression();
    std::vector<std::string> fired;
    report->OnBeginPage = [&](Integer n) { fired.push_back("report " + std::to_string(n)); };
    TemplatePage()->SetOnBeginPage([&](Integer n) { fired.push_back("page " + std::to_string(n)); });
    report->PageNo = 4;
    TQmEndPage* first = BuiltPage(PreparedMemo("Memo1", "A"));
    EXPECT_FALSE(first->Compressed);
    BuiltPage(PreparedMemo("Memo1", "B"));
    EXPECT_TRUE(first->Compressed);
    EXPECT_EQ(fired, (std::vector<std::string>{"report 4", "page 4", "report 4", "page 4"}));
}

TEST_F(PreparedPages, CompressingTwiceOrWithoutCompressionDoesNothing) {
    const std::string raw = PreparedMemo("Memo1", "A");
    TQmEndPage* page = BuiltPage(raw);
    page->Compress();
    EXPECT_FALSE(page->Compressed);
    EXPECT_EQ(Bytes(page->Stream()), raw);

    report->SetCompressLevel(qmzcFastest);
    pages()->TakeCompression();
    page->Compress();
    const std::string once = Bytes(page->Stream());
    page->Compress();
    EXPECT_TRUE(page->Compressed);
    EXPECT_EQ(Bytes(page->Stream()), once);
    EXPECT_EQ(Inflated(page->Stream()), raw);
}

TEST_F(PreparedPages, APageCompressedInAThreadIsWaitedForAndShowsTheSameObjects) {
    report->SetCompressLevel(qmzcMax);
    report->SetCompressThread(true);
    pages()->TakeCompression();
    std::string raw;
    for (int i = 0; i < 200; ++i) raw += PreparedMemo("Memo" + std::to_string(i), std::string(300, 'a' + i % 26), 10, i);
    TQmEndPage* first = BuiltPage(raw);
    TQmEndPage* second = BuiltPage(PreparedMemo("Last", "B"));  // compresses the first in a thread
    EXPECT_TRUE(first->Compressed);
    auto bitmap = WhiteBitmap(100, 100);
    first->Draw(report.get(), bitmap->Canvas(), TRect{0, 0, 100, 100});
    EXPECT_TRUE(first->Ready);
    ASSERT_EQ(first->Page()->ObjectCount(), 200);
    EXPECT_EQ(first->Page()->GetObjects()[199]->Name(), "Memo199");
    EXPECT_EQ(Inflated(first->Stream()), raw);
    second->Compress();
    report->SetCompressThread(false);  // the page is still waited for
    second->FreeObjects();
    EXPECT_TRUE(second->Ready);
    EXPECT_EQ(Inflated(second->Stream()), PreparedMemo("Last", "B"));
}

}  // namespace
