// The report component and its data source as a form description places
// them: every property the reception window sets, the "ReportData" bytes,
// and references that go away with their component.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/data/ado.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datamodule.h"
#include "platform/rtl/writer.h"
#include "report/core/qm_class.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"

namespace {

// The reception window's report components with one order query beside
// them; "ReportData" holds a template of one page with one text object.
const char* const kDescription = R"(object Voucher: TDataModule
  object ADOQuery11: TADOQuery
  end
  object QmDBDataSet1: TQmDBDataSet
    DataSet = ADOQuery11
  end
  object QmReport1: TQmReport
    Dataset = QmDBDataSet1
    InitialZoom = pzDefault
    PreviewButtons = [pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbSaveToXLS]
    DefaultCollate = False
    SaveReportOptions.RegistryPath = 'Tamberquistor\\ReportSettings\\'
    PreviewOptions.RulerUnit = qmutScreenPixels
    PreviewOptions.RulerVisible = False
    PreviewOptions.DrawBorder = False
    PreviewOptions.BorderPen.Color = clBlue
    PreviewOptions.BorderPen.Style = psDash
    CompressLevel = qmzcFastest
    CompressThread = False
    StoreInDFM = %s
    ReportData = {
      %t}
  end
end
)";

std::unique_ptr<TDataModule> Load(const std::string& description) {
    // Naming the class links its unit, whose start-up registers it.
    RegisterClass(TADOQuery::StaticClass());
    std::unique_ptr<TDataModule> module(TDataModule::Create(nullptr, 0));
    ReadComponentFromString(description, module.get());
    return module;
}

// The length word and bytes of a template titled "凭证" with "Memo1" on
// its one page, in hexadecimal.
std::string TemplateHex() {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    report->ReportInfo[0] = "凭证";
    auto* memo = TQmMemoView::Create();
    memo->SetParentPage(report->Pages()->AddReportPage());
    std::unique_ptr<TMemoryStream> bytes(TMemoryStream::Create());
    report->SaveToStream(bytes.get());
    const auto size = static_cast<std::uint32_t>(bytes->Size());
    std::string hex;
    auto add = [&hex](unsigned byte) { hex += "0123456789ABCDEF"[byte >> 4], hex += "0123456789ABCDEF"[byte & 15]; };
    for (int shift = 0; shift < 32; shift += 8) add(size >> shift & 0xFF);
    for (std::uint32_t i = 0; i < size; ++i) add(static_cast<const unsigned char*>(bytes->Memory())[i]);
    return hex;
}

std::string Description(const char* storeInDFM) {
    std::string text = kDescription;
    text.replace(text.find("%s"), 2, storeInDFM);
    text.replace(text.find("%t"), 2, TemplateHex());
    return text;
}

TQmReport* ReportOf(TDataModule& module) { return static_cast<TQmReport*>(module.FindComponent("QmReport1")); }

TEST(QmReport, ReadsEveryPropertyTheReceptionWindowSets) {
    auto module = Load(Description("True"));
    TQmReport* report = ReportOf(*module);
    ASSERT_NE(report, nullptr);
    auto* source = static_cast<TQmDBDataSet*>(module->FindComponent("QmDBDataSet1"));
    EXPECT_EQ(report->Dataset(), source);
    EXPECT_EQ(source->DataSet(), module->FindComponent("ADOQuery11"));
    EXPECT_EQ(report->InitialZoom(), pzDefault);
    EXPECT_EQ(report->PreviewButtons(),
              (TQmPreviewButtons{pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbSaveToXLS}));
    EXPECT_FALSE(report->DefaultCollate());
    EXPECT_EQ(report->SaveReportOptions()->RegistryPath(), "Tamberquistor\\\\ReportSettings\\\\");
    EXPECT_EQ(report->PreviewOptions()->RulerUnit(), qmutScreenPixels);
    EXPECT_FALSE(report->PreviewOptions()->RulerVisible());
    EXPECT_FALSE(report->PreviewOptions()->DrawBorder());
    EXPECT_EQ(report->PreviewOptions()->BorderPen()->Color(), clBlue);
    EXPECT_EQ(report->PreviewOptions()->BorderPen()->Style(), psDash);
    EXPECT_EQ(report->CompressLevel(), qmzcFastest);
    EXPECT_FALSE(report->CompressThread());
    EXPECT_TRUE(report->ModalPreview()) << "left at its default";
    EXPECT_FALSE(report->MDIPreview()) << "left at its default";
    EXPECT_TRUE(report->StoreInDFM());
    EXPECT_EQ(report->ReportInfo[0], "凭证");
    EXPECT_EQ(report->Pages()->GetCount(), 1);
    ASSERT_NE(report->FindObject("memo1"), nullptr);
    EXPECT_EQ(report->FindObject("memo1")->ParentPage(), report->Pages()->GetPage(0));
}

TEST(QmReport, TemplateBytesAreIgnoredWithoutStoreInDFM) {
    auto module = Load(Description("False"));
    EXPECT_EQ(ReportOf(*module)->Pages()->GetCount(), 0);
}

TEST(QmReport, WritesWhatItReadsAndStoresDefaultCollateFalse) {
    auto module = Load(Description("True"));
    const std::string text = ComponentToText(module.get());
    EXPECT_NE(text.find("DefaultCollate = False"), std::string::npos) << text;
    EXPECT_EQ(text.find("ModalPreview"), std::string::npos) << "defaults are not stored";

    module.reset();  // module names are unique while alive
    auto again = Load(text);
    TQmReport* report = ReportOf(*again);
    EXPECT_NE(report->FindObject("Memo1"), nullptr);
    EXPECT_EQ(report->SaveReportOptions()->RegistryPath(), "Tamberquistor\\\\ReportSettings\\\\");
    EXPECT_EQ(report->PreviewOptions()->BorderPen()->Style(), psDash);
    EXPECT_EQ(ComponentToText(again.get()), text);
}

TEST(QmReport, ACreatedReportHasTheEnginesInitialValues) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    EXPECT_FALSE(report->DefaultCollate());
    EXPECT_EQ(report->DefaultCopies(), 1);
    EXPECT_TRUE(report->ShowProgress());
    EXPECT_FALSE(report->PreviewButtons().Contains(pbDesign));
    EXPECT_EQ(report->SaveReportOptions()->RegistryPath(), "Tamberquistor\\ReportSettings\\");
    EXPECT_EQ(report->PreviewOptions()->BorderPen()->Color(), clBlue);
    EXPECT_NO_THROW(report->BuildAndPreview());
    EXPECT_FALSE(report->ConvertNulls());
    EXPECT_EQ(report->FileName, "Untitled");
    ASSERT_NE(report->DialogForm, nullptr) << "the first report starts the unit";
    EXPECT_EQ(report->DialogForm, QmDialogForm());
    EXPECT_EQ(report->DialogForm->Name(), "QmDialogForm");
    EXPECT_EQ(report->DialogForm->Left(), -1000);
    EXPECT_GE(GetFunctionLibraryCount(), 1);
}

TEST(QmReport, ReferencesAreClearedWhenTheirComponentGoesAway) {
    auto module = Load(Description("True"));
    TQmReport* report = ReportOf(*module);
    auto* source = static_cast<TQmDBDataSet*>(module->FindComponent("QmDBDataSet1"));
    delete module->FindComponent("ADOQuery11");
    EXPECT_EQ(source->DataSet(), nullptr);
    delete source;
    EXPECT_EQ(report->Dataset(), nullptr);
}

}  // namespace
