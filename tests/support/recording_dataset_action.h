// A dataset action that remembers which dataset each run and update reached,
// for tests of the controls and links that route actions.
#pragma once

#include <gtest/gtest.h>

#include "platform/data/datasource.h"
#include "platform/ui/dbactns.h"

class TRecordingDataSetAction : public TDataSetAction {
public:
    using TDataSetAction::TDataSetAction;
    void ExecuteTarget(TObject* target) override { executedOn = GetDataSet(target); }
    void UpdateTarget(TObject* target) override { updatedOn = GetDataSet(target); }
    TDataSet* executedOn = nullptr;
    TDataSet* updatedOn = nullptr;
};

// A control bound to `source` runs and updates an action aimed at its
// source, and neither runs nor updates one aimed at another source.
inline void ExpectDataSetActionsReachOnly(TComponent* control, TDataSource* source) {
    TRecordingDataSetAction own(nullptr), foreign(nullptr);
    TDataSource other(nullptr);
    other.SetDataSet(source->DataSet());
    own.SetDataSource(source);
    foreign.SetDataSource(&other);
    EXPECT_TRUE(control->ExecuteAction(&own));
    EXPECT_TRUE(control->UpdateAction(&own));
    EXPECT_EQ(own.executedOn, source->DataSet());
    EXPECT_EQ(own.updatedOn, source->DataSet());
    EXPECT_FALSE(control->ExecuteAction(&foreign));
    EXPECT_FALSE(control->UpdateAction(&foreign));
    EXPECT_EQ(foreign.executedOn, nullptr);
}
