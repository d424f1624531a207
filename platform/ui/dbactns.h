// TDataSetAction: an action aimed at a dataset through its data source. With
// a DataSource it runs only on that source; without one, on whichever source
// the data-aware control asking for a target is bound to.
#pragma once

#include "platform/ui/actnlist.h"

class TDataSet;
class TDataSource;

class TDataSetAction : public TAction {
    SERVIORA_CLASS(TDataSetAction, TAction)
    SERVIORA_PUBLISHED
public:
    using TAction::TAction;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* value);
    // A data source with an assigned dataset: DataSource itself when set,
    // otherwise any.
    bool HandlesTarget(TObject* target) const override;

protected:
    // The dataset of target, a data source this action handles.
    TDataSet* GetDataSet(TObject* target) const;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSource* dataSource_ = nullptr;
};
