// Bands: the kinds the factory makes, their defaults and flag words, the
// setters' rules and the band record in its versions, against fixtures
// written by hand.
#include <gtest/gtest.h>

#include <memory>

#include "view_fixtures.h"
#include "platform/rtl/streams.h"
#include "report/core/qm_band.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_units.h"

namespace {

// A band's object record (template form, version 7) and its band record of
// the given version.
std::string BandRecord(std::uint16_t version, std::uint32_t flags, const std::string& printCondition) {
    ByteWriter w = TemplateObjectRecord("MasterData1", {0, 7938, 190500, 6350, 529, 529}, flags);
    w.Word(version).Str("QmDBDataSet1").Str("").Byte(0).Font("宋体", -12, 0, 0);
    w.Int(0).Str("").Str("").Byte(2).Byte(3).Int(0).Int(5292).Int(1).Int(52917).Str(printCondition);
    if (version >= 1) w.Int(0);
    if (version >= 2) w.Str("Child1");
    if (version >= 3) w.Int(0x5).Str("");
    if (version >= 5) w.Str("[编号]");
    return w.Bytes();
}

TEST(QmBands, RecordsOfEveryVersionRead) {
    for (std::uint16_t version = 0; version <= 5; ++version) {
        const std::string bytes = BandRecord(version, 0x18000200, "[价格] > 0");
        std::unique_ptr<TQmBandMasterData> band(TQmBandMasterData::Create());
        TStringStream in(bytes);
        band->LoadFromStream(&in);
        EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size())) << version;
        EXPECT_EQ(band->DataSetName(), "QmDBDataSet1");
        EXPECT_EQ(band->RangeEnd, qmreDefault);
        EXPECT_EQ(band->ChildBand(), version >= 2 ? "Child1" : "") << version;
        EXPECT_EQ(band->BandFlags, version >= 3 ? 0x5u : 0u) << version;
        EXPECT_EQ(band->OutlineText(), version >= 5 ? "[编号]" : "") << version;
        EXPECT_EQ(band->PrintCondition(), version >= 4 ? "[价格] > 0" : "") << version;
        if (version == 5) {
            TStringStream out;
            band->SaveToStream(&out);
            EXPECT_EQ(out.DataString(), bytes);
        }
    }
    std::unique_ptr<TQmBandGroupHeader> group(TQmBandGroupHeader::Create());
    TStringStream in(BandRecord(3, 0x18000200, "[品牌]"));
    group->LoadFromStream(&in);
    EXPECT_EQ(group->PrintCondition(), "[品牌]") << "a group header keeps its condition";
}

TEST(QmBands, KindsDefaultsAndFlagWords) {
    struct Case {
        Byte code;
        TQmBandType type;
        const char* baseName;
        Cardinal flags;
    } cases[] = {
        {50, qmbtReportTitle, "ReportTitle", 0x18000200},   {51, qmbtReportSummary, "ReportSummary", 0x18000204},
        {52, qmbtPageHeader, "PageHeader", 0x18000218},     {53, qmbtPageFooter, "PageFooter", 0x18000218},
        {60, qmbtMasterData, "MasterData", 0x18000200},     {61, qmbtDetailData, "DetailData", 0x18000200},
        {64, qmbtCrossData, "CrossData", 0x18000200},       {62, qmbtChild, "Child", 0x18000200},
    };
    for (const Case& c : cases) {
        auto object = CreateReportObject(c.code, {});
        auto* band = dynamic_cast<TQmCustomBandView*>(object.get());
        ASSERT_NE(band, nullptr) << int(c.code);
        EXPECT_EQ(band->BandType, c.type);
        EXPECT_EQ(band->TypeCode, c.code);
        EXPECT_EQ(band->BaseName, c.baseName);
        EXPECT_EQ(band->Flags, c.flags) << c.baseName;
        EXPECT_TRUE(band->IsBand);
        EXPECT_EQ(band->IsCrossBand, c.type == qmbtCrossData);
        EXPECT_FALSE(band->IsInsertable());
    }
    EXPECT_EQ(CreateBandByType(6)->ClassName(), "TQmBandMasterData");

    std::unique_ptr<TQmBandMasterData> master(TQmBandMasterData::Create());
    EXPECT_EQ(master->Columns, 1);
    EXPECT_EQ(master->ColumnGap, 5292);
    EXPECT_EQ(master->ColumnWidth, 52917);
    EXPECT_EQ(master->RangeBegin, qmrbDefault);
    EXPECT_TRUE(master->Visible);
}

TEST(QmBands, SettersKeepTheirRules) {
    std::unique_ptr<TQmBandMasterData> band(TQmBandMasterData::Create());
    band->SetDataSetName("5");
    EXPECT_TRUE(band->DataSetIsCount());
    for (const char* ignored : {"0", "-3"}) {
        band->SetDataSetName(ignored);
        EXPECT_EQ(band->DataSetName(), "5") << ignored;
    }
    band->SetDataSetName(" x ");
    EXPECT_EQ(band->DataSetName(), "x");
    EXPECT_FALSE(band->DataSetIsCount());
    band->SetCrossDataSetName("3");
    EXPECT_TRUE(band->CrossDataSetIsCount());

    std::unique_ptr<TQmBandGroupFooter> footer(TQmBandGroupFooter::Create());
    Variant value;
    ASSERT_TRUE(WritePublishedProp(footer.get(), "GroupHeaderBandName", " GroupHeader1 "));
    EXPECT_EQ(footer->MasterBandName(), "GroupHeader1");
    ASSERT_TRUE(ReadPublishedProp(footer.get(), "GroupHeaderBandName", value));
    EXPECT_EQ(VarToStr(value), "GroupHeader1");
}

}  // namespace
