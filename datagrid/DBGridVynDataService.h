// The one grid data service: a grid's sort or filter request goes to the
// service's handler when one is bound, else to the dataset-feature object
// registered for the grid's dataset.
#pragma once

#include "platform/rtl/events.h"
#include "platform/rtl/metaclass.h"

class TCustomDBGridVyn;

class TDBGridVynDataService : public TObject {
    SERVIORA_CLASS(TDBGridVynDataService, TObject)
public:
    // Sender is the grid.
    const TNotifyEvent& OnApplySorting() const { return onApplySorting_; }
    void SetOnApplySorting(TNotifyEvent v) { onApplySorting_ = std::move(v); }
    const TNotifyEvent& OnApplyFilter() const { return onApplyFilter_; }
    void SetOnApplyFilter(TNotifyEvent v) { onApplyFilter_ = std::move(v); }

    void ApplySorting(TCustomDBGridVyn* Grid);
    void ApplyFilter(TCustomDBGridVyn* Grid);
    // The feature object's operation, with IsReopen True; nothing without a
    // data source, a dataset or a registered object.
    void DefaultApplySorting(TCustomDBGridVyn* Grid);
    void DefaultApplyFilter(TCustomDBGridVyn* Grid);

private:
    TNotifyEvent onApplySorting_;
    TNotifyEvent onApplyFilter_;
};

// The service of the library's start-up (nullptr before and after).
TDBGridVynDataService* DBGridVynDataService();
