#include "datagrid/PopupDataGridVyn.h"

TPopupDataGridVyn::TPopupDataGridVyn(TComponent* owner)
    : TCustomDBGridVyn(owner), specRow_(std::make_unique<TSpecRowVyn>(this)) {}

TPopupDataGridVyn::~TPopupDataGridVyn() = default;

void TPopupDataGridVyn::SetLookupOptions(TDBLookupGridVynOptions v) {
    lookupOptions_ = v;
    TDBGridOptions grid = Options();
    auto map = [&grid, v](TDBLookupGridVynOption option, TDBGridOption member) {
        v.Contains(option) ? grid.Include(member) : grid.Exclude(member);
    };
    map(dlgColumnResizeVyn, dgColumnResize);
    map(dlgColLinesVyn, dgColLines);
    map(dlgRowLinesVyn, dgRowLines);
    SetOptions(grid);
    TDBGridVynOptions own = OptionsVyn();
    v.Contains(dlgAutoSortMarkingVyn) ? own.Include(dghAutoSortMarking) : own.Exclude(dghAutoSortMarking);
    v.Contains(dlgMultiSortMarkingVyn) ? own.Include(dghMultiSortMarking) : own.Exclude(dghMultiSortMarking);
    SetOptionsVyn(own);
}
