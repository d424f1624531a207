// The data sources' references and published tables.
#include "report/core/qm_dataset.h"

#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TQmDBDataSet);

void TQmDataset::Published(TPublished<TQmDataset>& p) {
    p.Property("DictionaryKey", &TQmDataset::DictionaryKey, &TQmDataset::SetDictionaryKey);
    p.Property("RangeBegin", &TQmDataset::RangeBegin, &TQmDataset::SetRangeBegin).Default(qmrbFirst);
    p.Property("RangeEnd", &TQmDataset::RangeEnd, &TQmDataset::SetRangeEnd).Default(qmreLast);
    p.Property("RangeEndCount", &TQmDataset::RangeEndCount, &TQmDataset::SetRangeEndCount).Default(0);
}

TQmDBDataSet::~TQmDBDataSet() { SetDataSet(nullptr); }

void TQmDBDataSet::SetDataSet(TDataSet* v) {
    if (v == dataSet_) return;
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
    dataSet_ = v;
    if (dataSet_) dataSet_->FreeNotification(this);
}

void TQmDBDataSet::Notification(TComponent* component, TOperation operation) {
    TQmDataset::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) dataSet_ = nullptr;
}

void TQmDBDataSet::Published(TPublished<TQmDBDataSet>& p) {
    p.Property("DataSet", &TQmDBDataSet::DataSet, &TQmDBDataSet::SetDataSet);
    p.Property("OpenDataSet", &TQmDBDataSet::OpenDataSet, &TQmDBDataSet::SetOpenDataSet).Default(true);
    p.Property("CloseDataSet", &TQmDBDataSet::CloseDataSet, &TQmDBDataSet::SetCloseDataSet).Default(false);
}
