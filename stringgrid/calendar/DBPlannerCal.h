// DBPlannerCal: the month calendar whose event days come from a dataset's
// records: each record's start and end time mark every day between them,
// with the record's subject as the days' hint and its shape and colour as
// their marker. The calendar only reads the dataset.
#pragma once

#include <memory>

#include "platform/data/datasource.h"
#include "stringgrid/calendar/PlannerCal.h"

class TDBPlannerCalendar;

SERVIORA_EVENT_TYPE(TEventInsertEvent, void(TObject* Sender, TSelDateItem* Event));

class TDBPlannerCalendarDataLink : public TDataLink {
    SERVIORA_CLASS(TDBPlannerCalendarDataLink, TDataLink)
public:
    explicit TDBPlannerCalendarDataLink(TDBPlannerCalendar* calendar) : calendar_(calendar) {}

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    // Moving between records changes no event.
    void DataSetScrolled(int) override {}
    void RecordChanged(TField* field) override;

private:
    TDBPlannerCalendar* calendar_;
};

class TDBPlannerCalendar : public TPlannerCalendar {
    SERVIORA_CLASS(TDBPlannerCalendar, TPlannerCalendar)
    SERVIORA_PUBLISHED
public:
    explicit TDBPlannerCalendar(TComponent* owner);
    ~TDBPlannerCalendar() override;

    // A source with a dataset, both time fields named, and Active.
    bool CanReload() const;
    // The events again from every record, the current record kept; the
    // data layer's errors pass to the caller with the dataset as it was.
    void ReloadEvents();

    bool Active() const { return active_; }
    void SetActive(bool value);
    bool AutoUpdate() const { return autoUpdate_; }
    void SetAutoUpdate(bool value) { autoUpdate_ = value; }
    TDataSource* DataSource() const { return link_->DataSource(); }
    void SetDataSource(TDataSource* value);
    const AnsiString& StartTimeField() const { return startTimeField_; }
    void SetStartTimeField(const AnsiString& value) { startTimeField_ = value; }
    const AnsiString& EndTimeField() const { return endTimeField_; }
    void SetEndTimeField(const AnsiString& value) { endTimeField_ = value; }
    const AnsiString& SubjectField() const { return subjectField_; }
    void SetSubjectField(const AnsiString& value) { subjectField_ = value; }
    const AnsiString& ShapeField() const { return shapeField_; }
    void SetShapeField(const AnsiString& value) { shapeField_ = value; }
    const AnsiString& ColorField() const { return colorField_; }
    void SetColorField(const AnsiString& value) { colorField_ = value; }
    const TNotifyEvent& OnSetFilter() const { return onSetFilter_; }
    void SetOnSetFilter(TNotifyEvent value) { onSetFilter_ = std::move(value); }
    const TEventInsertEvent& OnEventInsert() const { return onEventInsert_; }
    void SetOnEventInsert(TEventInsertEvent value) { onEventInsert_ = std::move(value); }

    void DoMonthChange(TDateTime origDate, TDateTime newDate) override;
    void DoYearChange(TDateTime origDate, TDateTime newDate) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TDBPlannerCalendarDataLink> link_;
    bool reloading_ = false;
    bool active_ = false;
    bool autoUpdate_ = true;
    AnsiString startTimeField_, endTimeField_, subjectField_, shapeField_, colorField_;
    TNotifyEvent onSetFilter_;
    TEventInsertEvent onEventInsert_;
};
