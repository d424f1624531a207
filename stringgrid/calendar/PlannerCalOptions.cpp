// The calendar's option objects and dated-item collections.
#include "stringgrid/calendar/PlannerCalOptions.h"

#include <cmath>

#include "platform/rtl/formatsettings.h"
#include "platform/ui/dialogs.h"
#include "stringgrid/calendar/PlannerCal.h"

namespace {

void Fire(const TNotifyEvent& event, TObject* sender) {
    if (event) event(sender);
}

constexpr const char* kDayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

}  // namespace

void TCalendarNames::SetDefaultNames() {
    for (std::size_t i = 0; i < names_.size(); ++i) names_[i] = LocaleName(i);
    Fire(onChange_, this);
}

void TCalendarNames::SetUseIntlNames(bool value) {
    useIntlNames_ = value;
    if (value) SetDefaultNames();
}

void TCalendarNames::SetAt(std::size_t index, const AnsiString& value) {
    names_[index] = value;
    Fire(onChange_, this);
}

TNameOfDays::TNameOfDays() : TCalendarNames(7) { SetDefaultNames(); }

AnsiString TNameOfDays::GetDayName(int index) const {
    if (index < 1 || index > 14) return "";
    return Name((index - 1) % 7 + 1);
}

// The locale lists Sunday first.
AnsiString TNameOfDays::LocaleName(std::size_t index) const { return ShortDayNames[(index + 1) % 7]; }

void TNameOfDays::Published(TPublished<TNameOfDays>& p) {
    for (int day = 1; day <= 7; ++day)
        p.Property(
            kDayNames[day - 1], [day](const TNameOfDays* o) { return o->Name(day); },
            [day](TNameOfDays* o, const AnsiString& v) { o->SetName(day, v); });
    p.Property("UseIntlNames", &TNameOfDays::UseIntlNames, &TNameOfDays::SetUseIntlNames).Default(true);
}

TNameOfMonths::TNameOfMonths() : TCalendarNames(12) { SetDefaultNames(); }

AnsiString TNameOfMonths::GetMonthName(int month) const {
    if (month < 1 || month > 12) return "";
    return Name(month);
}

AnsiString TNameOfMonths::LocaleName(std::size_t index) const { return ShortMonthNames[index]; }

void TNameOfMonths::Published(TPublished<TNameOfMonths>& p) {
    for (int month = 1; month <= 12; ++month)
        p.Property(
            kMonthNames[month - 1], [month](const TNameOfMonths* o) { return o->Name(month); },
            [month](TNameOfMonths* o, const AnsiString& v) { o->SetName(month, v); });
    p.Property("UseIntlNames", &TNameOfMonths::UseIntlNames, &TNameOfMonths::SetUseIntlNames).Default(true);
}

void TYearStartAt::SetDay(int& field, int value) {
    if (!ValidDay(value)) {
        MessageDlg("Invalid day. Should be in [1..31]", mtError, TMsgDlgButtons{mbOK});
        return;
    }
    field = value;
    Changed();
}

void TYearStartAt::SetMonth(int& field, int value) {
    if (!ValidMonth(value)) {
        MessageDlg("Invalid month. Should be in [1..12]", mtError, TMsgDlgButtons{mbOK});
        return;
    }
    field = value;
    Changed();
}

void TYearStartAt::SetISOWeekNumber(bool value) {
    isoWeekNumber_ = value;
    Changed();
}

void TYearStartAt::Changed() { Fire(onChange_, this); }

void TYearStartAt::Published(TPublished<TYearStartAt>& p) {
    p.Property("StartDay", &TYearStartAt::StartDay, &TYearStartAt::SetStartDay).Default(1);
    p.Property("StartMonth", &TYearStartAt::StartMonth, &TYearStartAt::SetStartMonth).Default(1);
    p.Property("PrevYearStartDay", &TYearStartAt::PrevYearStartDay, &TYearStartAt::SetPrevYearStartDay).Default(1);
    p.Property("PrevYearStartMonth", &TYearStartAt::PrevYearStartMonth, &TYearStartAt::SetPrevYearStartMonth).Default(1);
    p.Property("NextYearStartDay", &TYearStartAt::NextYearStartDay, &TYearStartAt::SetNextYearStartDay).Default(1);
    p.Property("NextYearStartMonth", &TYearStartAt::NextYearStartMonth, &TYearStartAt::SetNextYearStartMonth).Default(1);
    p.Property("ISOWeekNumber", &TYearStartAt::ISOWeekNumber, &TYearStartAt::SetISOWeekNumber).Default(false);
}

void TMinMaxDate::SetDay(Integer value) {
    day_ = std::int16_t(value);
    Changed();
}

void TMinMaxDate::SetMonth(Integer value) {
    month_ = std::int16_t(value);
    Changed();
}

void TMinMaxDate::SetYear(Integer value) {
    year_ = std::int16_t(value);
    Changed();
}

void TMinMaxDate::SetUse(bool value) {
    use_ = value;
    Changed();
}

TDateTime TMinMaxDate::Date() const { return EncodeDate(Word(year_), Word(month_), Word(day_)); }

bool TMinMaxDate::InForce() const {
    TDateTime date;
    return use_ && year_ > 0 && month_ > 0 && day_ > 0 && TryEncodeDate(Word(year_), Word(month_), Word(day_), date);
}

void TMinMaxDate::Changed() {
    if (owner_) owner_->Invalidate();
}

void TMinMaxDate::Published(TPublished<TMinMaxDate>& p) {
    p.Property("Day", &TMinMaxDate::Day, &TMinMaxDate::SetDay).Default(0);
    p.Property("Month", &TMinMaxDate::Month, &TMinMaxDate::SetMonth).Default(0);
    p.Property("Year", &TMinMaxDate::Year, &TMinMaxDate::SetYear).Default(0);
    p.Property("Use", &TMinMaxDate::Use, &TMinMaxDate::SetUse).Default(false);
}

TCalGlyphs::TCalGlyphs(TPlannerCalendar* owner)
    : owner_(owner),
      nextMonth_(std::make_unique<TBitmap>()),
      prevMonth_(std::make_unique<TBitmap>()),
      nextYear_(std::make_unique<TBitmap>()),
      prevYear_(std::make_unique<TBitmap>()) {
    for (TBitmap* glyph : {nextMonth_.get(), prevMonth_.get(), nextYear_.get(), prevYear_.get()})
        glyph->SetOnChange(TNotifyEvent(this, &TCalGlyphs::GlyphChanged));
}

TCalGlyphs::~TCalGlyphs() = default;

void TCalGlyphs::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCalGlyphs*>(source);
    if (!other) return;
    SetNextMonth(other->NextMonth());
    SetPrevMonth(other->PrevMonth());
    SetNextYear(other->NextYear());
    SetPrevYear(other->PrevYear());
}

void TCalGlyphs::SetGlyph(TBitmap& glyph, TBitmap* value) {
    glyph.Assign(value);
    if (owner_) owner_->Invalidate();
}

void TCalGlyphs::GlyphChanged(TObject* /*sender*/) { Fire(onChange_, this); }

void TCalGlyphs::Published(TPublished<TCalGlyphs>& p) {
    p.Property("NextMonth", &TCalGlyphs::NextMonth, &TCalGlyphs::SetNextMonth);
    p.Property("PrevMonth", &TCalGlyphs::PrevMonth, &TCalGlyphs::SetPrevMonth);
    p.Property("NextYear", &TCalGlyphs::NextYear, &TCalGlyphs::SetNextYear);
    p.Property("PrevYear", &TCalGlyphs::PrevYear, &TCalGlyphs::SetPrevYear);
}

void TWeekDays::Set(int dayOfWeek, bool value) {
    days_[std::size_t(dayOfWeek - 1)] = value;
    Fire(onChanged_, this);
}

void TWeekDays::Published(TPublished<TWeekDays>& p) {
    static constexpr const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int day = 1; day <= 7; ++day)
        p.Property(
             names[day - 1], [day](const TWeekDays* o) { return o->Has(day); },
             [day](TWeekDays* o, bool v) { o->Set(day, v); })
            .Default(day == 1 || day == 7);
}

void TCalendarBrowsers::Store(bool& field, bool value) {
    field = value;
    Fire(onChange_, this);
}

void TCalendarBrowsers::Published(TPublished<TCalendarBrowsers>& p) {
    p.Property("PrevMonth", &TCalendarBrowsers::PrevMonth, &TCalendarBrowsers::SetPrevMonth).Default(true);
    p.Property("PrevYear", &TCalendarBrowsers::PrevYear, &TCalendarBrowsers::SetPrevYear).Default(true);
    p.Property("NextMonth", &TCalendarBrowsers::NextMonth, &TCalendarBrowsers::SetNextMonth).Default(true);
    p.Property("NextYear", &TCalendarBrowsers::NextYear, &TCalendarBrowsers::SetNextYear).Default(true);
}

TSelDateItem::~TSelDateItem() {
    if (Collection()) Changed();
}

void TSelDateItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TSelDateItem*>(source);
    if (!other) return TCollectionItem::Assign(source);
    color_ = other->color_;
    date_ = other->date_;
    hint_ = other->hint_;
    SetShape(other->shape_);
    fontColor_ = other->fontColor_;
    itemObject_ = other->itemObject_;
    tag_ = other->tag_;
}

void TSelDateItem::SetDate(TDateTime value) {
    if (value == date_) return;
    date_ = value;
    Changed();
}

void TSelDateItem::SetHint(const AnsiString& value) {
    hint_ = value;
    Changed();
}

void TSelDateItem::SetColor(TColor value) {
    color_ = value;
    Changed();
}

void TSelDateItem::SetShape(TEventShape value) {
    shape_ = value;
    Changed();
}

void TSelDateItem::SetFontColor(TColor value) {
    fontColor_ = value;
    Changed();
}

void TSelDateItem::Changed() {
    auto* items = dynamic_cast<TSelDateItems*>(Collection());
    if (items && items->UpdateCount() == 0) items->DateChanged(date_);
}

TSelDateItems::TSelDateItems(TCustomCalendarPanel* owner, TCollectionItemClass itemClass)
    : TCollection(itemClass), owner_(owner) {}

TSelDateItem* TSelDateItems::Add() {
    auto* item = static_cast<TSelDateItem*>(TCollection::Add());
    if (owner_) {
        item->SetColor(owner_->EventMarkerColor());
        item->SetShape(owner_->EventMarkerShape());
        item->SetFontColor(owner_->EventDayColor());
    }
    return item;
}

int TSelDateItems::IndexOfDate(TDateTime date) const {
    const double day = std::trunc(date);
    for (int i = 0; i < Count(); ++i)
        if (std::trunc(Items(i)->Date()) == day) return i;
    return -1;
}

TSelDateItem* TSelDateItems::FindDate(TDateTime date) const {
    const int index = IndexOfDate(date);
    return index < 0 ? nullptr : Items(index);
}

template <class Each>
void TSelDateItems::ForEachDay(TDateTime a, TDateTime b, Each each) {
    if (b < a) std::swap(a, b);
    for (TDateTime day = a; day <= b; day += 1) each(day);
}

void TSelDateItems::AddRange(TDateTime a, TDateTime b) {
    ForEachDay(a, b, [&](TDateTime day) {
        if (IndexOfDate(day) < 0) Add()->SetDate(day);
    });
}

void TSelDateItems::AddEventRange(TEventShape shape, TColor color, TDateTime a, TDateTime b) {
    ForEachDay(a, b, [&](TDateTime day) {
        if (IndexOfDate(day) >= 0) return;
        TSelDateItem* item = Add();
        item->SetDate(day);
        item->SetShape(shape);
        item->SetColor(color);
    });
}

void TSelDateItems::DeleteRange(TDateTime a, TDateTime b) {
    ForEachDay(a, b, [&](TDateTime day) { delete FindDate(day); });
}

void TSelDateItems::AddEventRangeWithHint(const AnsiString& hint, TEventShape shape, TColor color, TDateTime a,
                                          TDateTime b) {
    ForEachDay(a, b, [&](TDateTime day) {
        TSelDateItem* item = FindDate(day);
        if (item) {
            item->SetHint(item->Hint().empty() ? hint : item->Hint() + "\r" + hint);
        } else {
            item = Add();
            item->SetDate(day);
            item->SetHint(hint);
        }
        item->SetShape(shape);
        item->SetColor(color);
    });
}

void TSelDateItems::BeginUpdate() {
    ++lock_;
    TCollection::BeginUpdate();
}

void TSelDateItems::EndUpdate() {
    if (lock_ == 0) return;
    --lock_;
    TCollection::EndUpdate();
    if (lock_ == 0 && owner_) owner_->RepaintAll();
}

void TSelDateItems::ReleaseUpdate() {
    if (lock_ == 0) return;
    --lock_;
    TCollection::EndUpdate();
}

void TSelDateItems::DateChanged(TDateTime date) {
    if (visible_ && owner_ && owner_->HandleAllocated()) owner_->RepaintDate(date);
}

void TSelDateItems::Update(TCollectionItem* item) {
    TCollection::Update(item);
    Fire(onChange_, this);
}
