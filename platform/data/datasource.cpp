// TDataSource and TDataLink.
#include "platform/data/datasource.h"

#include <algorithm>

#include "platform/data/dataset.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TDataSource);

// ---- TDataSource --------------------------------------------------------

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    for (TDataLink* link : std::vector<TDataLink*>(links_)) link->SetDataSource(nullptr);
    if (dataSet_) dataSet_->RemoveSource(this);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet && dataSet->IsLinkedTo(this)) DatabaseError(SCircularDataLink, this);
    if (dataSet_) dataSet_->RemoveSource(this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->AddSource(this);
    UpdateState();
}

void TDataSource::SetEnabled(bool value) {
    enabled_ = value;
    UpdateState();
}

void TDataSource::Edit() {
    if (autoEdit_ && state_ == dsBrowse) dataSet_->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* dataSet) const { return dataSet && dataSet_ == dataSet; }

void TDataSource::UpdateState() {
    const TDataSetState state = enabled_ && dataSet_ ? dataSet_->State() : dsInactive;
    if (state == state_) return;
    const bool activated = state_ == dsInactive;
    state_ = state;
    for (TDataLink* link : std::vector<TDataLink*>(links_)) link->DataEvent(deUpdateState, 0);
    onStateChange_(this);
    if (activated) onDataChange_(this, nullptr);
}

void TDataSource::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState) return UpdateState();
    if (event == deDisabledStateChange) {
        // Controls are disabled: the links alone hear that the dataset
        // opened or closed; the source's own events wait for EnableControls.
        state_ = enabled_ && dataSet_ ? dataSet_->State() : dsInactive;
    } else if (state_ == dsInactive) {
        return;
    }
    for (TDataLink* link : std::vector<TDataLink*>(links_)) link->DataEvent(event, info);
    switch (event) {
    case deFieldChange: onDataChange_(this, reinterpret_cast<TField*>(info)); break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: onDataChange_(this, nullptr); break;
    case deUpdateRecord: onUpdateData_(this); break;
    default: break;
    }
}

void TDataSource::AddLink(TDataLink* link) { links_.push_back(link); }

void TDataSource::RemoveLink(TDataLink* link) { std::erase(links_, link); }

// ---- TDataLink ----------------------------------------------------------

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveLink(this);
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::ExecuteAction(TBasicAction* action) { return dataSource_ && dataSource_->ExecuteAction(action); }

bool TDataLink::UpdateAction(TBasicAction* action) { return dataSource_ && dataSource_->UpdateAction(action); }

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_) dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_) dataSource_->AddLink(this);
    UpdateState();
}

void TDataLink::SetReadOnly(bool value) {
    if (value == readOnly_) return;
    readOnly_ = value;
    UpdateState();
}

void TDataLink::UpdateState() {
    const bool active = dataSource_ && dataSource_->State() != dsInactive;
    if (active != active_) {
        active_ = active;
        first_ = 0;
        if (active_) UpdateWindow();
        ActiveChanged();
    }
    const TDataSetState state = dataSource_ ? dataSource_->State() : dsInactive;
    const bool editing = active_ && !readOnly_ && (state == dsEdit || state == dsInsert);
    if (editing != editing_) {
        editing_ = editing;
        EditingChanged();
    }
}

int TDataLink::DataSetCursor() const {
    TDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active() ? dataSet->RecNo() - 1 : -1;
}

int TDataLink::RecordCount() const {
    TDataSet* dataSet = DataSet();
    if (!active_ || !dataSet) return 0;
    const int rows = dataSet->RecordCount() + (dataSet->State() == dsInsert ? 1 : 0);
    return std::clamp(rows - first_, 0, bufferCount_);
}

int TDataLink::UpdateWindow() {
    TDataSet* dataSet = DataSet();
    const int before = first_;
    const int cursor = DataSetCursor();
    if (!dataSet || cursor < 0) {
        first_ = 0;
        return -before;
    }
    if (cursor < first_) first_ = cursor;
    if (cursor >= first_ + bufferCount_) first_ = cursor - bufferCount_ + 1;
    // Keep the window full when the rows allow it.
    const int rows = dataSet->RecordCount() + (dataSet->State() == dsInsert ? 1 : 0);
    first_ = std::max(0, std::min(first_, rows - bufferCount_));
    return first_ - before;
}

void TDataLink::SetBufferCount(int value) {
    bufferCount_ = std::max(1, value);
    if (active_) UpdateWindow();
}

int TDataLink::ActiveRecord() const {
    TDataSet* dataSet = DataSet();
    if (!active_ || !dataSet) return 0;
    return dataSet->ActiveRecordPosition() - first_;
}

void TDataLink::SetActiveRecord(int value) {
    TDataSet* dataSet = DataSet();
    if (active_ && dataSet) dataSet->SetActiveRecordPosition(first_ + value);
}

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_) dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    updating_ = true;
    try {
        UpdateData();
    } catch (...) {
        updating_ = false;
        throw;
    }
    updating_ = false;
}

void TDataLink::DataSetScrolled(int) { DataSetChanged(); }

void TDataLink::FocusControl(TField**) {}

void TDataLink::RecordChanged(TField*) {}

void TDataLink::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deUpdateState || event == deDisabledStateChange) return UpdateState();
    if (!active_) return;
    switch (event) {
    case deFieldChange:
    case deRecordChange:
        if (!updating_) RecordChanged(reinterpret_cast<TField*>(info));
        break;
    case deDataSetChange:
        UpdateWindow();
        DataSetChanged();
        break;
    case deDataSetScroll: DataSetScrolled(UpdateWindow()); break;
    case deLayoutChange:
        UpdateWindow();
        LayoutChanged();
        break;
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deFocusControl: {
        auto* field = reinterpret_cast<TField*>(info);
        FocusControl(&field);
        break;
    }
    default: break;
    }
}

void TDataSource::Published(TPublished<TDataSource>& p) {
    p.Property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
    p.Property("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
    p.Property("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true);
    p.Property("OnStateChange", &TDataSource::OnStateChange, &TDataSource::SetOnStateChange);
    p.Property("OnDataChange", &TDataSource::OnDataChange, &TDataSource::SetOnDataChange);
    p.Property("OnUpdateData", &TDataSource::OnUpdateData, &TDataSource::SetOnUpdateData);
}
