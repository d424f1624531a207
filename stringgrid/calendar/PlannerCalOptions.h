// The month calendar's owned settings, each streamed as a nested property
// and reporting its changes through its own event: the day and month
// names, the week-numbering year starts, the selectable bounds, the browser
// glyphs and switches, the weekend days; and the collections of dated
// items that hold the selected days and the event days.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/collection.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"

class TPlannerCalendar;
class TCustomCalendarPanel;

SERVIORA_ENUM(TEventShape, evsRectangle, evsCircle, evsSquare, evsTriangle, evsNone)

// Captions the calendar shows: the locale's short names, unless edited
// while UseIntlNames is off.
class TCalendarNames : public TPersistent {
    SERVIORA_CLASS(TCalendarNames, TPersistent)
public:
    // The locale's names into the captions.
    void SetDefaultNames();
    bool UseIntlNames() const { return useIntlNames_; }
    // True reloads the locale's names.
    void SetUseIntlNames(bool value);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    explicit TCalendarNames(std::size_t count) : names_(count) {}
    const AnsiString& At(std::size_t index) const { return names_[index]; }
    void SetAt(std::size_t index, const AnsiString& value);
    virtual AnsiString LocaleName(std::size_t index) const = 0;

private:
    std::vector<AnsiString> names_;
    bool useIntlNames_ = true;
    TNotifyEvent onChange_;
};

class TNameOfDays : public TCalendarNames {
    SERVIORA_CLASS(TNameOfDays, TCalendarNames)
    SERVIORA_PUBLISHED
public:
    TNameOfDays();
    // Monday for 1 and 8 .. Sunday for 7 and 14; "" for any other index.
    AnsiString GetDayName(int index) const;
    // 1 = Monday .. 7 = Sunday.
    const AnsiString& Name(int day) const { return At(std::size_t(day - 1)); }
    void SetName(int day, const AnsiString& value) { SetAt(std::size_t(day - 1), value); }

protected:
    AnsiString LocaleName(std::size_t index) const override;
};

class TNameOfMonths : public TCalendarNames {
    SERVIORA_CLASS(TNameOfMonths, TCalendarNames)
    SERVIORA_PUBLISHED
public:
    TNameOfMonths();
    // The caption of month 1..12, else "".
    AnsiString GetMonthName(int month) const;
    const AnsiString& Name(int month) const { return At(std::size_t(month - 1)); }
    void SetName(int month, const AnsiString& value) { SetAt(std::size_t(month - 1), value); }

protected:
    AnsiString LocaleName(std::size_t index) const override;
};

// The first days of the week-numbering years: this year's, the previous
// and the next one's. Out-of-range days and months are refused with an
// error message.
class TYearStartAt : public TPersistent {
    SERVIORA_CLASS(TYearStartAt, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TYearStartAt(TPlannerCalendar* owner) : owner_(owner) {}

    int StartDay() const { return startDay_; }
    void SetStartDay(int value) { SetDay(startDay_, value); }
    int StartMonth() const { return startMonth_; }
    void SetStartMonth(int value) { SetMonth(startMonth_, value); }
    int PrevYearStartDay() const { return prevYearStartDay_; }
    void SetPrevYearStartDay(int value) { SetDay(prevYearStartDay_, value); }
    int PrevYearStartMonth() const { return prevYearStartMonth_; }
    void SetPrevYearStartMonth(int value) { SetMonth(prevYearStartMonth_, value); }
    int NextYearStartDay() const { return nextYearStartDay_; }
    void SetNextYearStartDay(int value) { SetDay(nextYearStartDay_, value); }
    int NextYearStartMonth() const { return nextYearStartMonth_; }
    void SetNextYearStartMonth(int value) { SetMonth(nextYearStartMonth_, value); }
    bool ISOWeekNumber() const { return isoWeekNumber_; }
    void SetISOWeekNumber(bool value);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    static bool ValidDay(int day) { return day >= 1 && day <= 31; }
    static bool ValidMonth(int month) { return month >= 1 && month <= 12; }

private:
    void SetDay(int& field, int value);
    void SetMonth(int& field, int value);
    void Changed();

    TPlannerCalendar* owner_;
    int startDay_ = 1, startMonth_ = 1;
    int prevYearStartDay_ = 1, prevYearStartMonth_ = 1;
    int nextYearStartDay_ = 1, nextYearStartMonth_ = 1;
    bool isoWeekNumber_ = false;
    TNotifyEvent onChange_;
};

// One bound of the selectable dates.
class TMinMaxDate : public TPersistent {
    SERVIORA_CLASS(TMinMaxDate, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TMinMaxDate(TPlannerCalendar* owner) : owner_(owner) {}

    Integer Day() const { return day_; }
    void SetDay(Integer value);
    Integer Month() const { return month_; }
    void SetMonth(Integer value);
    Integer Year() const { return year_; }
    void SetYear(Integer value);
    bool Use() const { return use_; }
    void SetUse(bool value);
    // EConvertError when the parts form no date.
    TDateTime Date() const;
    // In use and forming a date: a bound whose parts form no date bounds
    // nothing.
    bool InForce() const;

private:
    void Changed();

    TPlannerCalendar* owner_;
    std::int16_t day_ = 0, month_ = 0, year_ = 0;
    bool use_ = false;
};

class TCalGlyphs : public TPersistent {
    SERVIORA_CLASS(TCalGlyphs, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TCalGlyphs(TPlannerCalendar* owner);
    ~TCalGlyphs() override;
    // Copies the four bitmaps from another TCalGlyphs; other sources are
    // ignored.
    void Assign(TPersistent* source) override;

    TBitmap* NextMonth() const { return nextMonth_.get(); }
    void SetNextMonth(TBitmap* value) { SetGlyph(*nextMonth_, value); }
    TBitmap* PrevMonth() const { return prevMonth_.get(); }
    void SetPrevMonth(TBitmap* value) { SetGlyph(*prevMonth_, value); }
    TBitmap* NextYear() const { return nextYear_.get(); }
    void SetNextYear(TBitmap* value) { SetGlyph(*nextYear_, value); }
    TBitmap* PrevYear() const { return prevYear_.get(); }
    void SetPrevYear(TBitmap* value) { SetGlyph(*prevYear_, value); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

private:
    void SetGlyph(TBitmap& glyph, TBitmap* value);
    void GlyphChanged(TObject* sender);

    TPlannerCalendar* owner_;
    std::unique_ptr<TBitmap> nextMonth_, prevMonth_, nextYear_, prevYear_;
    TNotifyEvent onChange_;
};

// The weekdays drawn as inactive (the weekend).
class TWeekDays : public TPersistent {
    SERVIORA_CLASS(TWeekDays, TPersistent)
    SERVIORA_PUBLISHED
public:
    // 1 = Sunday .. 7 = Saturday, as DayOfWeek numbers them.
    bool Has(int dayOfWeek) const { return days_[std::size_t(dayOfWeek - 1)]; }
    void Set(int dayOfWeek, bool value);
    const TNotifyEvent& OnChanged() const { return onChanged_; }
    void SetOnChanged(TNotifyEvent handler) { onChanged_ = std::move(handler); }

private:
    std::array<bool, 7> days_{true, false, false, false, false, false, true};
    TNotifyEvent onChanged_;
};

class TCalendarBrowsers : public TPersistent {
    SERVIORA_CLASS(TCalendarBrowsers, TPersistent)
    SERVIORA_PUBLISHED
public:
    bool PrevMonth() const { return prevMonth_; }
    void SetPrevMonth(bool value) { Store(prevMonth_, value); }
    bool PrevYear() const { return prevYear_; }
    void SetPrevYear(bool value) { Store(prevYear_, value); }
    bool NextMonth() const { return nextMonth_; }
    void SetNextMonth(bool value) { Store(nextMonth_, value); }
    bool NextYear() const { return nextYear_; }
    void SetNextYear(bool value) { Store(nextYear_, value); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

private:
    void Store(bool& field, bool value);

    bool prevMonth_ = true, prevYear_ = true, nextMonth_ = true, nextYear_ = true;
    TNotifyEvent onChange_;
};

// A selected day or an event day; its date compares as a whole day.
class TSelDateItem : public TCollectionItem {
    SERVIORA_CLASS(TSelDateItem, TCollectionItem)
public:
    explicit TSelDateItem(TCollection* collection) : TCollectionItem(collection) {}
    ~TSelDateItem() override;
    void Assign(TPersistent* source) override;

    TDateTime Date() const { return date_; }
    void SetDate(TDateTime value);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TEventShape Shape() const { return shape_; }
    void SetShape(TEventShape value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    TObject* ItemObject() const { return itemObject_; }
    void SetItemObject(TObject* value) { itemObject_ = value; }
    Integer Tag() const { return tag_; }
    void SetTag(Integer value) { tag_ = value; }

private:
    // Asks the collection to repaint the item's day.
    void Changed();

    TDateTime date_ = 0;
    AnsiString hint_;
    TColor color_ = clBlack;
    TEventShape shape_ = evsCircle;
    TColor fontColor_ = clBlack;
    TObject* itemObject_ = nullptr;
    Integer tag_ = 0;
};

// The event day as OnGetEventProp receives it.
class TEventProp : public TSelDateItem {
    SERVIORA_CLASS(TEventProp, TSelDateItem)
public:
    using TSelDateItem::TSelDateItem;
};

class TSelDateItems : public TCollection {
    SERVIORA_CLASS(TSelDateItems, TCollection)
public:
    // Items of `itemClass` (TEventProp for the event days).
    explicit TSelDateItems(TCustomCalendarPanel* owner, TCollectionItemClass itemClass = TSelDateItem::StaticClass());

    // A new item marked as the owner's event days are.
    TSelDateItem* Add();
    TSelDateItem* Items(int index) const { return static_cast<TSelDateItem*>(TCollection::Items(index)); }
    // The first item on the day of `date`, whatever the times; -1 or nullptr.
    int IndexOfDate(TDateTime date) const;
    TSelDateItem* FindDate(TDateTime date) const;
    // Day by day from the earlier to the later value while not past it.
    void AddRange(TDateTime a, TDateTime b);
    void AddEventRange(TEventShape shape, TColor color, TDateTime a, TDateTime b);
    void DeleteRange(TDateTime a, TDateTime b);
    // An existing day gets the hint after a carriage return, and the shape
    // and colour; a missing day is added with them.
    void AddEventRangeWithHint(const AnsiString& hint, TEventShape shape, TColor color, TDateTime a, TDateTime b);

    // The repaint lock: the last EndUpdate repaints the owner once; one
    // too many does nothing. ReleaseUpdate lowers it without repainting.
    void BeginUpdate() override;
    void EndUpdate() override;
    void ReleaseUpdate();
    int RepaintLock() const { return lock_; }

    // Repaints the day in the owner when visible and the owner has a window.
    void DateChanged(TDateTime date);
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    TCustomCalendarPanel* Owner() const { return owner_; }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    void Update(TCollectionItem* item) override;

private:
    template <class Each>
    static void ForEachDay(TDateTime a, TDateTime b, Each each);

    TCustomCalendarPanel* owner_;
    int lock_ = 0;
    bool visible_ = true;
    TNotifyEvent onChange_;
};
