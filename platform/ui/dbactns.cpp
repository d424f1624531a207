// Dataset actions.
#include "platform/ui/dbactns.h"

#include "platform/data/datasource.h"

void TDataSetAction::Published(TPublished<TDataSetAction>& p) {
    p.Property("DataSource", &TDataSetAction::DataSource, &TDataSetAction::SetDataSource);
}

void TDataSetAction::SetDataSource(TDataSource* value) {
    if (value == dataSource_) return;
    if (dataSource_) dataSource_->RemoveFreeNotification(this);
    dataSource_ = value;
    if (value) value->FreeNotification(this);
}

bool TDataSetAction::HandlesTarget(TObject* target) const {
    auto* source = dynamic_cast<TDataSource*>(target);
    if (!source || !source->DataSet()) return false;
    return !dataSource_ || source == dataSource_;
}

TDataSet* TDataSetAction::GetDataSet(TObject* target) const {
    return dynamic_cast<TDataSource&>(*target).DataSet();
}

void TDataSetAction::Notification(TComponent* component, TOperation operation) {
    TAction::Notification(component, operation);
    if (operation == opRemove && component == dataSource_) dataSource_ = nullptr;
}
