#include "datagrid/DBSumLst.h"

void TDBSumListProducer::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TDBSumListProducer*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetActive(other->Active());
    SetExternalRecalc(other->ExternalRecalc());
    SetVirtualRecords(other->VirtualRecords());
    SetOnRecalcAll(other->OnRecalcAll());
    SetOnAfterRecalcAll(other->OnAfterRecalcAll());
    SetSumListChanged(other->SumListChanged());
}

void TDBGridVynSumList::Published(TPublished<TDBGridVynSumList>& p) {
    p.Property("Active", &TDBGridVynSumList::Active, &TDBGridVynSumList::SetActive).Default(false);
    p.Property("ExternalRecalc", &TDBGridVynSumList::ExternalRecalc, &TDBGridVynSumList::SetExternalRecalc)
        .Default(false);
    p.Property("OnRecalcAll", &TDBGridVynSumList::OnRecalcAll, &TDBGridVynSumList::SetOnRecalcAll);
    p.Property("OnAfterRecalcAll", &TDBGridVynSumList::OnAfterRecalcAll, &TDBGridVynSumList::SetOnAfterRecalcAll);
    p.Property("SumListChanged", &TDBGridVynSumList::SumListChanged, &TDBGridVynSumList::SetSumListChanged);
    p.Property("VirtualRecords", &TDBGridVynSumList::VirtualRecords, &TDBGridVynSumList::SetVirtualRecords)
        .Default(false);
}

TDBGridVynSumList::TDBGridVynSumList(TComponent* owner) : TDBSumListProducer(owner) {
    SetWorksAtDesignTime(true);
    SetActive(false);
}
