// The pick-up voucher built end to end: the template the reception form
// carries, over one order row of the application's database, drawn the way
// the preview draws its pages.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_dataset.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "support/temp_dir.h"
#include "tools/vouchertemplate/voucher_template.h"

namespace {

class VoucherBuild : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Exec("insert into 流水记录([编号],[串码],[品牌],[型号],[价格],[顾客姓名],[电话],[故障现象],[接待日期],"
             "[接待经手人]) values('0000000007','861234567890123','华为','P30',0,'张三','13800000000','不开机',"
             "'2016-10-05','0001')");
        query = Open("select * from 流水记录 where 编号='0000000007'");
        source->SetName("QmDBDataSet1");
        source->SetDataSet(query.get());
        report->SetDataset(source);
        report->ShowErrorBox = false;
        const std::string bytes = BuildVoucherTemplate();
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        stream.SetPosition(0);
        report->LoadFromStream(&stream);
        // The reception window holds the voucher's title and footer texts.
        form->SetName("jiedai");
        for (const auto& [name, text] : {std::pair<const char*, const char*>{"Edit5", "某某手机维修中心取机凭证"},
                                         {"Edit6", "凭此单取机，遗失不补。"}}) {
            TEdit* edit = TEdit::Create(form.get());
            edit->SetName(name);
            edit->SetParent(form.get());
            edit->SetText(text);
        }
    }
    AnsiString Cell(TQmReportPage* objects, const AnsiString& name) {
        for (TQmView* view : objects->GetObjects())
            if (view->Name() == name) {
                AnsiString text = view->Memo->Text();
                while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '\x01'))
                    text.pop_back();
                return text;
            }
        return "<missing>";
    }

    std::unique_ptr<TADOQuery> query;
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    std::unique_ptr<TComponent> owner{TComponent::Create(nullptr)};
    TQmReport* report = TQmReport::Create(owner.get());
    TQmDBDataSet* source = TQmDBDataSet::Create(owner.get());
};

TEST_F(VoucherBuild, OneOrderRowMakesOnePageInTwoPasses) {
    const FrozenClockScope clock(EncodeDate(2016, 10, 5) + EncodeTime(14, 30, 0, 0));
    std::vector<bool> passes;
    report->OnBeginPage = TQmPageEvent([&](Integer) { passes.push_back(report->FinalPass); });
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(passes, (std::vector<bool>{false, true}));
    ASSERT_EQ(report->EndPages()->GetCount(), 1);
    EXPECT_EQ(report->TotalPages, 1);
    TQmEndPage* prepared = report->EndPages()->GetPage(0);
    prepared->CreateObjects(report, false);
    TQmReportPage* objects = prepared->Page();
    EXPECT_EQ(Cell(objects, "Memo1"), "某某手机维修中心取机凭证") << "the script copied the title";
    EXPECT_EQ(Cell(objects, "Memo31"), "凭此单取机，遗失不补。");
    EXPECT_EQ(report->FindObject("Memo1")->Memo->Text(), "售后专用单据（标题由程序填写）\r\n") << "the template keeps its placeholder";
    EXPECT_EQ(Cell(objects, "Memo12"), "华为");
    EXPECT_EQ(Cell(objects, "Memo9"), "861234567890123");
    EXPECT_EQ(Cell(objects, "Memo17"), "张三");
    EXPECT_EQ(Cell(objects, "Memo25"), "2016-10-05");
    EXPECT_EQ(Cell(objects, "Memo35"), "2016-10-05 14:30:00") << "the build's start under the fixed clock";
    EXPECT_EQ(Cell(objects, "Memo3"), "") << "a null field prints empty";
    EXPECT_EQ(Cell(objects, "Memo15"), "") << "a price of 0 is hidden";
    EXPECT_EQ(Cell(objects, "Memo33"), "");

    // The page as the preview draws it: A4 at 96 pixels per inch.
    const TQmPageInfo& info = prepared->PageInfo;
    ASSERT_GT(info.ScreenWidth, 700);
    std::unique_ptr<TBitmap> sheet(TBitmap::Create());
    sheet->SetSize(info.ScreenWidth, 520);
    sheet->Canvas()->FillRect(TRect(0, 0, info.ScreenWidth, 520));
    prepared->Draw(report, sheet->Canvas(), TRect(0, 0, info.ScreenWidth, info.ScreenHeight));
    const TQmView* cell = report->FindObject("Memo11");
    const int left = prepared->GetspMargin(0) + cell->GetspBound(0), top = prepared->GetspMargin(1) + cell->GetspBound(1);
    EXPECT_EQ(sheet->Canvas()->Pixels(left, top + 10), clBlack) << "the table's left frame line";
    std::unique_ptr<TPngImage> png(TPngImage::Create());
    png->Assign(sheet.get());
    png->SaveToFile(ScreenshotDir() + "voucher-page.png");
}

}  // namespace
