// Building reports: passes, names, pages, data bands, groups, columns and
// the prepared pages they leave, over templates made in code.
#include <gtest/gtest.h>

#include "build_fixtures.h"
#include "platform/rtl/stringlist.h"

namespace {

class BuildTest : public testing::Test, public BuildFixture {};

TEST_F(BuildTest, TitleRowsAndPageFooterOnOnePage) {
    AddBand<TQmBandReportTitle>(0, 10);
    AddText(0, "Title");
    auto* data = AddBand<TQmBandMasterData>(20, 5);
    data->SetDataSetName("Rows");
    AddText(20, "Row [Rows.\"N\"]");
    auto* footer = AddBand<TQmBandPageFooter>(40, 5);
    footer->SetFlag(QmBandFlag::PrintOnLastPage, true);
    AddText(40, "Page [_Qm_Page]");
    AddSource("Rows", Numbered(3));

    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(Lines(0), (std::vector<AnsiString>{"Title", "Row 1", "Row 2", "Row 3", "Page 1"}));
}

}  // namespace
