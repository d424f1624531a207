// The spreadsheet export's options dialog: its engine texts, the settings
// it takes from and gives back to the filter, and its handlers (empty file
// name, page radio buttons, picture options, digits-only edits, page list
// check).
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/extctrls.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/testseams.h"
#include "report/ui/qm_e_xls.h"
#include "report/ui/qm_e_xlsform.h"

namespace {

class XLSOptions : public testing::Test {
protected:
    std::unique_ptr<TQmXLSExport> filter{TQmXLSExport::Create(nullptr)};
    std::unique_ptr<TQmXLSExportForm> form{TQmXLSExportForm::Create(nullptr)};
};

TEST_F(XLSOptions, TheDialogShowsTheEngineTextsAndTheFiltersSettings) {
    EXPECT_EQ(form->Caption(), "XLS 导出选项");
    EXPECT_EQ(form->ClientWidth(), 413);
    EXPECT_EQ(form->ClientHeight(), 323);
    EXPECT_EQ(form->Label1->Caption(), "文件:");
    EXPECT_EQ(form->chkShowAfterGenerate->Caption(), "导出完成后显示Excel");
    EXPECT_EQ(form->btnOK->Caption(), "确认");
    EXPECT_EQ(form->cmbImageFormat->Items()->CommaText(), "JPG,BMP");
    filter->FileName = "voucher.xls";
    filter->SetPagesOfSheet(3);
    form->LoadFrom(filter.get());
    EXPECT_EQ(form->edtExportFileName->Text(), "voucher.xls");
    EXPECT_EQ(form->UpDown2->Position(), 3);
    EXPECT_EQ(form->UpDown2->Associate(), form->edPages);
    EXPECT_EQ(form->UpDown1->Position(), 100);
    EXPECT_EQ(form->cmbImageFormat->Text(), "BMP");
    EXPECT_EQ(form->cmbPixelFormat->Text(), "24 bit");
    EXPECT_FALSE(form->edJPEGQuality->Enabled()) << "quality is for JPG only";

    form->cmbImageFormat->SetItemIndex(0);
    form->cmbImageFormatChange(nullptr);
    EXPECT_TRUE(form->edJPEGQuality->Enabled());
    form->chkExportImages->SetChecked(false);
    form->chkExportImagesClick(nullptr);
    EXPECT_FALSE(form->cmbPixelFormat->Enabled());
    EXPECT_FALSE(form->edJPEGQuality->Enabled());

    char key = 'a';
    form->DigitsKeyPress(nullptr, key);
    EXPECT_EQ(key, 0);
    key = '7';
    form->DigitsKeyPress(nullptr, key);
    EXPECT_EQ(key, '7');

    form->rbdPrintCurPage->SetChecked(true);
    EXPECT_EQ(form->PageSelection(), "CURPAGE");
    form->edtPagesEnter(nullptr);
    form->edtPages->SetText("2,4-");
    EXPECT_TRUE(form->rbdPrintPages->Checked());
    form->StoreInto(filter.get());
    EXPECT_EQ(filter->ExportPages(), "2,4-");
    EXPECT_FALSE(filter->ExportImages());
    EXPECT_EQ(filter->ExportImageFormat(), ifBMP) << "picture settings stay while pictures are off";
}

TEST_F(XLSOptions, OkIsRefusedForAnEmptyNameOrABadPageList) {
    form->SetModalResult(mrOk);
    bool canClose = true;
    form->FormCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose) << "no file name";

    form->edtExportFileName->SetText("a.xls");
    form->rbdPrintPages->SetChecked(true);
    form->edtPages->SetText(" 1,3 ");
    canClose = true;
    form->FormCloseQuery(nullptr, canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(form->edtPages->Text(), "1,3");

    ResetModalResponder();
    PushModalAnswer({mrOk, ""});
    form->edtPages->SetText("1;3");
    form->FormCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "Page Number Setting Error!");
    EXPECT_EQ(ModalQuestions()[0].caption, "警告");
    form->edtPages->SetText("0");
    form->FormCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(ModalQuestions().size(), 1u) << "a list not starting with 1 to 9 is refused without a message";
    ResetModalResponder();
}

TEST_F(XLSOptions, ShowModalStoresTheAnswerOnOkOnly) {
    filter->FileName = "first.xls";
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int answer = mrOk;
    timer.SetOnTimer([&](TObject*) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* dialog = dynamic_cast<TQmXLSExportForm*>(Screen->Forms(i)); dialog && dialog->Visible()) {
                timer.SetEnabled(false);
                dialog->edtExportFileName->SetText("second.xls");
                dialog->SetModalResult(answer);
            }
    });
    EXPECT_EQ(filter->ShowModal(), mrOk);
    EXPECT_EQ(filter->FileName, "second.xls");
    answer = mrCancel;
    filter->FileName = "first.xls";
    timer.SetEnabled(true);
    EXPECT_EQ(filter->ShowModal(), mrCancel);
    EXPECT_EQ(filter->FileName, "first.xls");
    filter->SetShowDialog(false);
    EXPECT_EQ(filter->ShowModal(), mrOk) << "no dialog";
}

}  // namespace
