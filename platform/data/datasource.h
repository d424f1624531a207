// TDataSource, the connector between a dataset and data-aware controls, and
// TDataLink, through which a control hears of the dataset's changes and
// reads the rows of its window of buffered records.
#pragma once

#include <vector>

#include "platform/data/db_types.h"
#include "platform/rtl/component.h"
#include "platform/rtl/events.h"

class TBasicAction;
class TDataSet;
class TDataLink;
class TField;

SERVIORA_EVENT_TYPE(TDataChangeEvent, void(TObject* Sender, TField* Field));

class TDataSource : public TComponent {
    SERVIORA_CLASS(TDataSource, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    // Raises "Circular datalinks are not allowed" when the dataset is
    // already linked to this source.
    void SetDataSet(TDataSet* dataSet);
    // The dataset's state; dsInactive while disabled or without a dataset.
    TDataSetState State() const { return state_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool value) { autoEdit_ = value; }
    // Puts a browsing dataset into edit mode when AutoEdit allows it.
    void Edit();
    bool IsLinkedTo(TDataSet* dataSet) const;

    const TDataChangeEvent& OnDataChange() const { return onDataChange_; }
    void SetOnDataChange(const TDataChangeEvent& handler) { onDataChange_ = handler; }
    const TNotifyEvent& OnStateChange() const { return onStateChange_; }
    void SetOnStateChange(const TNotifyEvent& handler) { onStateChange_ = handler; }
    const TNotifyEvent& OnUpdateData() const { return onUpdateData_; }
    void SetOnUpdateData(const TNotifyEvent& handler) { onUpdateData_ = handler; }

    int DataLinkCount() const { return static_cast<int>(links_.size()); }

private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataEvent event, std::intptr_t info);
    void UpdateState();
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);

    TDataSet* dataSet_ = nullptr;
    TDataSetState state_ = dsInactive;
    bool enabled_ = true;
    bool autoEdit_ = true;
    std::vector<TDataLink*> links_;
    TDataChangeEvent onDataChange_;
    TNotifyEvent onStateChange_, onUpdateData_;
};

// A control's view of a data source. Descendants override the notification
// methods; the link keeps a window of BufferCount rows that follows the
// dataset's cursor, and ActiveRecord selects which of them the fields read.
class TDataLink : public TPersistent {
    SERVIORA_CLASS(TDataLink, TPersistent)
public:
    TDataLink();
    ~TDataLink() override;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    bool Active() const { return active_; }
    bool Editing() const { return editing_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool DataSourceFixed() const { return dataSourceFixed_; }
    void SetDataSourceFixed(bool value) { dataSourceFixed_ = value; }
    bool VisualControl() const { return visualControl_; }
    void SetVisualControl(bool value) { visualControl_ = value; }

    // The window: how many rows the control shows, how many the window
    // holds now, and which of them is the active one (0-based).
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int value);
    int RecordCount() const;
    int ActiveRecord() const;
    void SetActiveRecord(int value);

    // Puts the dataset into edit mode (AutoEdit of the source permitting);
    // answers Editing.
    bool Edit();
    // Asks the control to write its contents into the field(s).
    void UpdateRecord();

    // Lets the data source answer action (a dataset action aimed at it or
    // at any source); answers whether it was run (updated).
    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);

    // Every dataset event passes here first; the default turns it into the
    // notification methods below.
    virtual void DataEvent(TDataEvent event, std::intptr_t info);

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance);
    virtual void EditingChanged() {}
    virtual void FocusControl(TField** field);
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* field);
    virtual void UpdateData() {}

private:
    void UpdateState();
    // Moves the window so it holds the cursor; answers how far it moved.
    int UpdateWindow();
    int DataSetCursor() const;

    TDataSource* dataSource_ = nullptr;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool dataSourceFixed_ = false;
    bool visualControl_ = false;
    bool updating_ = false;
    int bufferCount_ = 1;
    int first_ = 0;  // dataset position of the window's first row
};
