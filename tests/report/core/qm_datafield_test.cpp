// Data-field references resolved to a data source and a field: a field of
// the report's own source, a source beside the report, and one in a form;
// the data sources of bands.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/datamodule.h"
#include "platform/rtl/stringlist.h"
#include "report/core/qm_class.h"
#include "report/core/qm_datafield.h"

namespace {

TQmUserDataset* NewSource(TComponent* owner, const AnsiString& name) {
    TQmUserDataset* source = TQmUserDataset::Create(owner);
    source->SetName(name);
    source->SetOnGetFieldsList(TQmUserDatasetOnGetFieldsList([](TQmDataset*, TStrings* names) {
        names->Add("品牌");
        names->Add("型号");
    }));
    return source;
}

TEST(QmDataField, ReferencesByTheirDots) {
    auto module = std::unique_ptr<TDataModule>(TDataModule::Create(nullptr, 0));
    module->SetName("jiedai");
    TQmReport* report = TQmReport::Create(module.get());
    TQmUserDataset* own = NewSource(module.get(), "Own");
    TQmUserDataset* beside = NewSource(module.get(), "QmDBDataSet1");

    TQmDataset* source = own;
    EXPECT_EQ(ParseDataField(report, "\"品牌\"", source), "品牌");
    EXPECT_EQ(source, own);
    EXPECT_EQ(ParseDataField(report, "QmDBDataSet1.\"型号\"", source), "型号");
    EXPECT_EQ(source, beside);
    source = nullptr;
    EXPECT_EQ(ParseDataField(report, "jiedai.QmDBDataSet1.\"品.牌\"", source), "");
    EXPECT_EQ(source, beside) << "the dot inside the quotes belongs to the field";
    EXPECT_EQ(ParseDataField(report, "jiedai.QmDBDataSet1.型号", source), "型号");
    source = own;
    EXPECT_EQ(ParseDataField(report, "Nobody.品牌", source), "");
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(FindDatasetField(own, "品牌"), "品牌");
    EXPECT_EQ(FindDatasetField(own, "颜色"), "");
}

// Counted sources run their records; named ones come from beside the report;
// a source whose start fails leaves the report its error.
TEST(QmDataField, BandDataSources) {
    auto module = std::unique_ptr<TDataModule>(TDataModule::Create(nullptr, 0));
    TQmReport* report = TQmReport::Create(module.get());
    TQmDataset* source = nullptr;
    CreateBandDataset(report, "3", true, source);
    ASSERT_NE(source, nullptr);
    std::unique_ptr<TQmDataset> counted(source);
    int records = 0;
    for (counted->First(); !counted->Eof(); counted->Next()) ++records;
    EXPECT_EQ(records, 3);

    TQmUserDataset* failing = NewSource(module.get(), "Failing");
    failing->SetOnInit(TNotifyEvent([](TObject*) { throw Exception("打不开"); }));
    CreateBandDataset(report, "Failing", false, source);
    EXPECT_EQ(source, failing);
    EXPECT_TRUE(report->ErrorFlag);
    EXPECT_EQ(report->ErrorText, "打不开");
    CreateBandDataset(report, "Nobody", false, source);
    EXPECT_EQ(source, nullptr);
}

}  // namespace
