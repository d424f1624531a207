// The data-aware calendar: reloading the event days from the dataset.
#include "stringgrid/calendar/DBPlannerCal.h"

#include "platform/data/dataset.h"
#include "platform/rtl/classregistry.h"

void TDBPlannerCalendarDataLink::ActiveChanged() {
    TDataLink::ActiveChanged();
    calendar_->ReloadEvents();
}

void TDBPlannerCalendarDataLink::DataSetChanged() {
    TDataLink::DataSetChanged();
    if (calendar_->AutoUpdate()) calendar_->ReloadEvents();
}

void TDBPlannerCalendarDataLink::RecordChanged(TField* /*field*/) {
    if (calendar_->AutoUpdate()) calendar_->ReloadEvents();
}

TDBPlannerCalendar::TDBPlannerCalendar(TComponent* owner)
    : TPlannerCalendar(owner), link_(std::make_unique<TDBPlannerCalendarDataLink>(this)) {}

TDBPlannerCalendar::~TDBPlannerCalendar() { link_.reset(); }

bool TDBPlannerCalendar::CanReload() const {
    return DataSource() && DataSource()->DataSet() && !startTimeField_.empty() && !endTimeField_.empty() && active_;
}

void TDBPlannerCalendar::ReloadEvents() {
    if (!CanReload() || reloading_) return;
    TDataSet* data = DataSource()->DataSet();
    if (data->State() == dsInactive || data->State() == dsEdit || data->State() == dsInsert) return;
    reloading_ = true;
    TSelDateItems* events = EventItems();
    events->Clear();
    data->DisableControls();
    const TBookmarkStr bookmark = data->GetBookmark();
    // However a record fails to read, the dataset goes back to the record
    // it was on, its controls awake, and a later reload may run.
    struct Restore {
        TDataSet* data;
        const TBookmarkStr& bookmark;
        bool& reloading;
        ~Restore() {
            if (data->BookmarkValid(bookmark)) data->GotoBookmark(bookmark);
            data->FreeBookmark(bookmark);
            data->EnableControls();
            reloading = false;
        }
    } restore{data, bookmark, reloading_};
    data->First();
    while (!data->Eof()) {
        const TDateTime start = data->FieldByName(startTimeField_)->AsDateTime();
        const TDateTime end = data->FieldByName(endTimeField_)->AsDateTime();
        const TEventShape shape =
            shapeField_.empty() ? EventMarkerShape() : TEventShape(data->FieldByName(shapeField_)->AsInteger());
        const TColor color = colorField_.empty() ? EventMarkerColor() : TColor(data->FieldByName(colorField_)->AsInteger());
        if (!subjectField_.empty())
            events->AddEventRangeWithHint(data->FieldByName(subjectField_)->AsString(), shape, color, start, end);
        else
            events->AddEventRange(shape, color, start, end);
        if (onEventInsert_ && events->Count() > 0) onEventInsert_(this, events->Items(events->Count() - 1));
        data->Next();
    }
}

void TDBPlannerCalendar::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value)
        ReloadEvents();
    else
        EventItems()->Clear();
}

void TDBPlannerCalendar::SetDataSource(TDataSource* value) {
    if (value == link_->DataSource()) return;
    link_->SetDataSource(value);
    if (value) value->FreeNotification(this);
    if (!link_->DataSource()) EventItems()->Clear();
}

void TDBPlannerCalendar::Notification(TComponent* component, TOperation operation) {
    TPlannerCalendar::Notification(component, operation);
    if (operation == opRemove && link_ && component == link_->DataSource()) link_->SetDataSource(nullptr);
}

void TDBPlannerCalendar::DoMonthChange(TDateTime origDate, TDateTime newDate) {
    TPlannerCalendar::DoMonthChange(origDate, newDate);
    ReloadEvents();
}

void TDBPlannerCalendar::DoYearChange(TDateTime origDate, TDateTime newDate) {
    TPlannerCalendar::DoYearChange(origDate, newDate);
    ReloadEvents();
}

void TDBPlannerCalendar::Published(TPublished<TDBPlannerCalendar>& p) {
    using C = TDBPlannerCalendar;
    p.Property("Active", &C::Active, &C::SetActive).Default(false);
    p.Property("AutoUpdate", &C::AutoUpdate, &C::SetAutoUpdate).Default(true);
    p.Property("DataSource", &C::DataSource, &C::SetDataSource);
    p.Property("StartTimeField", &C::StartTimeField, &C::SetStartTimeField);
    p.Property("EndTimeField", &C::EndTimeField, &C::SetEndTimeField);
    p.Property("SubjectField", &C::SubjectField, &C::SetSubjectField);
    p.Property("ShapeField", &C::ShapeField, &C::SetShapeField);
    p.Property("ColorField", &C::ColorField, &C::SetColorField);
    p.Property("OnSetFilter", &C::OnSetFilter, &C::SetOnSetFilter);
    p.Property("OnEventInsert", &C::OnEventInsert, &C::SetOnEventInsert);
}

namespace {

// The data-aware date picker's unit: it registers the calendar by name.
struct UnitStart {
    UnitStart() { RegisterClass(TDBPlannerCalendar::StaticClass()); }
} const unitStart;

}  // namespace
