// The spreadsheet export filter as the reception window's description
// places it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/rtl/datamodule.h"
#include "platform/rtl/writer.h"
#include "report/core/qm_common.h"
#include "report/ui/qm_e_xls.h"

namespace {

TEST(QmXLSExport, ReadsAndWritesThePropertiesTheReceptionWindowSets) {
    std::unique_ptr<TDataModule> module(TDataModule::Create(nullptr, 0));
    ReadComponentFromString(R"(object Voucher: TDataModule
  object QmXLSExport1: TQmXLSExport
    ScaleX = 1.000000000000000000
    ScaleY = 1.000000000000000000
    ExportImageFormat = ifBMP
    ShowAfterExport = True
    ExportPrecision = 1
    PagesOfSheet = 10
  end
end
)",
                            module.get());
    auto* filter = dynamic_cast<TQmXLSExport*>(module->FindComponent("QmXLSExport1"));
    ASSERT_NE(filter, nullptr);
    EXPECT_DOUBLE_EQ(filter->ScaleX(), 1.0);
    EXPECT_DOUBLE_EQ(filter->ScaleY(), 1.0);
    EXPECT_EQ(filter->ExportImageFormat(), ifBMP);
    EXPECT_TRUE(filter->ShowAfterExport());
    EXPECT_EQ(filter->ExportPrecision(), 1);
    EXPECT_EQ(filter->PagesOfSheet(), 10);
    EXPECT_TRUE(filter->IsXLSFilter());
    EXPECT_TRUE(filter->InheritsFrom(TQmExportFilter::StaticClass()));

    const std::string text = ComponentToText(module.get());
    EXPECT_NE(text.find("ExportImageFormat = ifBMP"), std::string::npos) << text;
    EXPECT_NE(text.find("PagesOfSheet = 10"), std::string::npos) << text;
}

TEST(QmXLSExport, ACreatedFilterHasTheEnginesInitialValues) {
    const int before = std::max(GetExportFilterCount(), 0);  // -1 before any registration
    std::unique_ptr<TQmXLSExport> filter(TQmXLSExport::Create(nullptr));
    EXPECT_EQ(filter->ExportImageFormat(), ifBMP);
    EXPECT_EQ(filter->PixelFormat(), pf24bit);
    EXPECT_EQ(filter->JPEGQuality(), 100);
    EXPECT_TRUE(filter->ExportFrames());
    EXPECT_TRUE(filter->ExportImages());
    EXPECT_TRUE(filter->ShowDialog());
    EXPECT_TRUE(filter->ExportRotatedAsText);
    EXPECT_FALSE(filter->CreateFile);
    EXPECT_TRUE(filter->ExportPages().empty());
    ASSERT_EQ(GetExportFilterCount(), before + 1);
    EXPECT_EQ(GetExportFilterInfo(before)->FilterDesc, "Excel 文件 (*.xls)");
    EXPECT_EQ(GetExportFilterInfo(before)->FilterExt, "*.xls");
    filter.reset();
    EXPECT_EQ(GetExportFilterCount(), before);
}

}  // namespace
