// Dataset actions reach the dataset through a data link whose source they
// handle: any source with a dataset, or only their own DataSource.
#include <gtest/gtest.h>

#include "support/memory_dataset.h"
#include "support/recording_dataset_action.h"
#include "platform/data/datasource.h"

namespace {

class DataSetActionTest : public ::testing::Test {
protected:
    DataSetActionTest() {
        source_.SetDataSet(&data_);
        other_.SetDataSet(&data_);
        link_.SetDataSource(&source_);
    }
    TMemoryDataSet data_{nullptr};
    TDataSource source_{nullptr}, other_{nullptr};
    TDataLink link_;
    TRecordingDataSetAction action_{nullptr};
};

}  // namespace

TEST_F(DataSetActionTest, WithoutDataSourceTheLinksSourceIsTheTarget) {
    EXPECT_TRUE(link_.ExecuteAction(&action_));
    EXPECT_EQ(action_.executedOn, &data_);
    EXPECT_TRUE(link_.UpdateAction(&action_));
    EXPECT_EQ(action_.updatedOn, &data_);
}

TEST_F(DataSetActionTest, WithDataSourceOnlyThatSourceAnswers) {
    action_.SetDataSource(&other_);
    EXPECT_FALSE(link_.ExecuteAction(&action_));
    EXPECT_FALSE(link_.UpdateAction(&action_));
    EXPECT_EQ(action_.executedOn, nullptr);
    action_.SetDataSource(&source_);
    EXPECT_TRUE(link_.ExecuteAction(&action_));
    EXPECT_EQ(action_.executedOn, &data_);
}

TEST_F(DataSetActionTest, NoTargetWithoutDataSetOrSource) {
    source_.SetDataSet(nullptr);
    EXPECT_FALSE(link_.ExecuteAction(&action_));
    link_.SetDataSource(nullptr);
    EXPECT_FALSE(link_.ExecuteAction(&action_));
    EXPECT_FALSE(link_.UpdateAction(&action_));
    EXPECT_EQ(action_.executedOn, nullptr);
}

TEST_F(DataSetActionTest, FreedDataSourceIsForgotten) {
    auto* source = new TDataSource(nullptr);
    source->SetDataSet(&data_);
    action_.SetDataSource(source);
    delete source;
    EXPECT_EQ(action_.DataSource(), nullptr);
    EXPECT_TRUE(link_.ExecuteAction(&action_));
}

TEST(ComponentActionTest, ComponentRunsOnlyActionsThatHandleIt) {
    TComponent component(nullptr);
    TRecordingDataSetAction action(nullptr);
    EXPECT_FALSE(component.ExecuteAction(&action));
    EXPECT_FALSE(component.UpdateAction(&action));
}
