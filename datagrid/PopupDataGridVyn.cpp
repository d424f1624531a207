#include "datagrid/PopupDataGridVyn.h"

TPopupDataGridVyn::TPopupDataGridVyn(TComponent* owner)
    : TCustomDBGridVyn(owner), specRow_(std::make_unique<TSpecRowVyn>(this)) {}

TPopupDataGridVyn::~TPopupDataGridVyn() = default;
