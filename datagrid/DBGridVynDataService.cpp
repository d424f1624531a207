// The grid data service and its default road to the feature registry.
#include "datagrid/DBGridVynDataService.h"

#include "datagrid/DBGridVyn.h"
#include "datagrid/DbUtilsVyn.h"

namespace {

// The feature object of the grid's dataset and the dataset, or nullptrs.
std::pair<TDatasetFeaturesVyn*, TDataSet*> FeaturesOf(TCustomDBGridVyn* grid) {
    TDataSet* dataSet = grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    return {dataSet ? FindFeaturesForDataset(dataSet) : nullptr, dataSet};
}

}  // namespace

void TDBGridVynDataService::ApplySorting(TCustomDBGridVyn* Grid) {
    if (onApplySorting_)
        onApplySorting_(Grid);
    else
        DefaultApplySorting(Grid);
}

void TDBGridVynDataService::ApplyFilter(TCustomDBGridVyn* Grid) {
    if (onApplyFilter_)
        onApplyFilter_(Grid);
    else
        DefaultApplyFilter(Grid);
}

void TDBGridVynDataService::DefaultApplySorting(TCustomDBGridVyn* Grid) {
    auto [features, dataSet] = FeaturesOf(Grid);
    if (features) features->ApplySorting(Grid, dataSet, true);
}

void TDBGridVynDataService::DefaultApplyFilter(TCustomDBGridVyn* Grid) {
    auto [features, dataSet] = FeaturesOf(Grid);
    if (features) features->ApplyFilter(Grid, dataSet, true);
}
