// PlannerCal: the month calendar. One month as six weeks under a caption
// and the weekday names, with optional week numbers and a today line;
// browser arrows and menus move between months and years; days, ranges,
// weekday columns and weeks can be selected; event days are marked. This
// header holds the control's model: its state, properties and events, the
// month grid's geometry and the date model.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/ui/extctrls.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/calendar/PlannerCalOptions.h"
#include "stringgrid/html/BavImage.h"

SERVIORA_ENUM(TBackGroundPosition, bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTiled, bpStretched, bpCenter)
SERVIORA_ENUM(TGradientDirection, gdHorizontal, gdVertical)
SERVIORA_ENUM(TPlannerCalendarLook, lookFlat, look3D)
SERVIORA_ENUM(TTodayStyle, tsSunken, tsRaised, tsFlat)

SERVIORA_EVENT_TYPE(TCellDrawEvent, void(TObject* Sender, TCanvas* Canvas, TDateTime Day, bool Selected, bool Marked,
                                         bool InMonth, TRect Rect));
SERVIORA_EVENT_TYPE(TDaySelectEvent, void(TObject* Sender, TDateTime SelDate));
SERVIORA_EVENT_TYPE(TGetDateEvent, void(TObject* Sender, TDateTime dt, bool& isEvent));
SERVIORA_EVENT_TYPE(TGetDateEventHint, void(TObject* Sender, TDateTime dt, bool& isEvent, AnsiString& EventHint));
SERVIORA_EVENT_TYPE(TEventPropEvent, void(TObject* Sender, TDateTime dt, TEventProp*& Event));
SERVIORA_EVENT_TYPE(TDateChangeEvent, void(TObject* Sender, TDateTime origDate, TDateTime newDate));
// The signature of TDaySelectEvent: published under its own name.
using TCancelledChangeEvent = TEvent<void(TObject* Sender, TDateTime CancelledDate)>;

// "No colour": the caption band, hover and down looks are not drawn.
constexpr TColor clCalendarNone = 0x1FFFFFFF;

class TCustomCalendarPanel : public TCustomPanel {
    SERVIORA_CLASS(TCustomCalendarPanel, TCustomPanel)
    SERVIORA_PUBLISHED
public:
    explicit TCustomCalendarPanel(TComponent* owner) : TCustomPanel(owner) {}

    TColor EventDayColor() const { return eventDayColor_; }
    void SetEventDayColor(TColor value);
    TColor EventMarkerColor() const { return eventMarkerColor_; }
    void SetEventMarkerColor(TColor value);
    TEventShape EventMarkerShape() const { return eventMarkerShape_; }
    void SetEventMarkerShape(TEventShape value);

    // Repaints the control.
    virtual void Changed();
    virtual void RepaintAll() {}
    virtual void RepaintDate(TDateTime /*date*/) {}

private:
    TColor eventDayColor_ = 0;
    TColor eventMarkerColor_ = clYellow;
    TEventShape eventMarkerShape_ = evsCircle;
};

class TPlannerCalendar : public TCustomCalendarPanel, public IComponentStyle {
    SERVIORA_CLASS(TPlannerCalendar, TCustomCalendarPanel)
    SERVIORA_PUBLISHED
public:
    explicit TPlannerCalendar(TComponent* owner);
    ~TPlannerCalendar() override;
    void Loaded() override;

    // Style numbers 0..7 and 9 pick a look preset; others do nothing.
    void SetComponentStyle(int style) override;
    // Sets the colours of look preset 0..12 (11 and above 12 change
    // nothing but the number kept).
    void ApplyLookPreset(int preset);
    int LookPreset() const { return lookPreset_; }
    // The look preset of the visual-style scheme.
    void AdaptToTheme();
    // 0 no visual styles, 1 "NormalColor", 2 "HomeStead", 3 "Metallic",
    // 4 styles off.
    static int CurrentThemeScheme();
    // `steps` bands of colour from `from` to `to` over `rect`.
    static void DrawGradient(TCanvas* canvas, TColor from, bool horizontal, const TRect& rect, int steps, TColor to);

    // The selected date and the one whose month is shown.
    TDateTime Date() const { return date_; }
    TDateTime FocusDate() const { return focusDate_; }
    TDateTime SavedDate() const { return savedDate_; }
    TSelDateItems* SelectedDates() const { return selectedDates_.get(); }
    TSelDateItems* EventItems() const { return events_.get(); }

    // The selected date's parts. Setting one selects the date it makes with
    // the other two; while a description loads, the parts are only kept
    // until Loaded puts them together.
    Word Day() const;
    void SetDay(Word value);
    Word Month() const;
    void SetMonth(Word value);
    Word Year() const;
    void SetYear(Word value);

    // Selects the single date of these parts.
    void SetDateParts(Word day, Word month, Word year);
    void GotoDate(TDateTime date);
    void GetDateParts(Word& day, Word& month, Word& year) const;
    void ChangeMonth(int delta);
    void ChangeYear(int delta);
    bool DateInRange(TDateTime date) const;
    bool MonthInRange(TDateTime date) const;
    bool DateSelectable(TDateTime date) const;
    // The date under a point in the day area (xRel from the grid's left);
    // may move the shown month to the date's when allowed.
    TDateTime PointToDate(int xRel, int y, bool allowMonthStep);
    // Column 1..7 and row 1..6 of a date around the shown month.
    TPoint DateToCell(TDateTime date) const;
    TRect DateCellRect(TDateTime date) const;
    void DoDateChanges(TDateTime newDate, TDateTime origDate);
    TDateTime StepMonthDate(int delta) const;
    TDateTime StepYearDate(int delta);
    void UpdateISOYearStarts();
    static int DaysInMonth(int month, int year);
    // The number of the week shown in row 1..6.
    int WeekNumber(int row) const;

    virtual bool GetDateEvent(TSelDateItem*& item, TDateTime date);
    virtual void DoMonthChange(TDateTime origDate, TDateTime newDate);
    virtual void DoYearChange(TDateTime origDate, TDateTime newDate);
    virtual bool IsInactiveDay(TDateTime date) const;
    void RepaintAll() override;
    void RepaintDate(TDateTime date) override;

    // The month grid's geometry, as the last paint or layout left it.
    int GridColCount() const { return showWeeks_ ? 8 : 7; }
    int GridRowCount() const { return showGotoToday_ ? 9 : 8; }
    int CellWidth() const { return cw_; }
    int RowHeight() const { return rh_; }
    int GridLeft() const { return gx_; }
    // Recomputes cell width, row height and grid left from the size.
    void UpdateGeometry();
    // Days before the first of the shown month in the first row, 0..6.
    int LeadDays() const;
    // The same for the month of `date`.
    int LeadDaysOf(TDateTime date) const;
    const AnsiString& CaptionText() const { return caption_; }
    AnsiString EventHintText() const { return eventHint_; }

    // The caption's month and year menus, shown under the caption.
    void ShowMonthMenu();
    void ShowYearMenu();
    // The day a range grows from and the day it reaches (-1: no range is
    // being extended); the day under the pointer (0: none).
    TDateTime RangeAnchor() const { return rangeAnchor_; }
    TDateTime RangeEnd() const { return rangeEnd_; }
    TDateTime HoverDate() const { return hoverDate_; }

    // Published properties.
    bool AllDaySelect() const { return allDaySelect_; }
    void SetAllDaySelect(bool v) { Store(allDaySelect_, v); }
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v);
    TBavImage* Background() const { return background_.get(); }
    void SetBackground(TBavImage* v);
    TBackGroundPosition BackgroundPosition() const { return backgroundPosition_; }
    void SetBackgroundPosition(TBackGroundPosition v) { Store(backgroundPosition_, v); }
    bool BorderXP() const { return borderXP_; }
    void SetBorderXP(bool v) { Store(borderXP_, v); }
    TCalendarBrowsers* Browsers() const { return browsers_.get(); }
    void SetBrowsers(TCalendarBrowsers* v) { browsers_->Assign(v); }
    bool Caption3D() const { return caption3D_; }
    void SetCaption3D(bool v) { Store(caption3D_, v); }
    TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor v);
    TColor CaptionTextColor() const { return captionTextColor_; }
    void SetCaptionTextColor(TColor v) { Store(captionTextColor_, v); }
    TColor DateDownColor() const { return dateDownColor_; }
    void SetDateDownColor(TColor v) { Store(dateDownColor_, v); }
    TColor DateHoverColor() const { return dateHoverColor_; }
    void SetDateHoverColor(TColor v) { Store(dateHoverColor_, v); }
    TColor DateSelectColor() const { return dateSelectColor_; }
    void SetDateSelectColor(TColor v) { Store(dateSelectColor_, v); }
    TFont* DayFont() const { return dayFont_.get(); }
    void SetDayFont(TFont* v) { dayFont_->Assign(v); }
    bool Enable() const { return enable_; }
    void SetEnable(bool v) { Store(enable_, v); }
    bool EventHints() const { return eventHints_; }
    void SetEventHints(bool v) { Store(eventHints_, v); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor v) { Store(focusColor_, v); }
    TCalGlyphs* Glyphs() const { return glyphs_.get(); }
    void SetGlyphs(TCalGlyphs* v) { glyphs_->Assign(v); }
    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor v) { Store(gradientStartColor_, v); }
    TColor GradientEndColor() const { return gradientEndColor_; }
    void SetGradientEndColor(TColor v) { Store(gradientEndColor_, v); }
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection v) { Store(gradientDirection_, v); }
    TColor HeaderColor() const { return headerColor_; }
    void SetHeaderColor(TColor v) { Store(headerColor_, v); }
    const AnsiString& HintPrevYear() const { return hintPrevYear_; }
    void SetHintPrevYear(const AnsiString& v) { hintPrevYear_ = v; }
    const AnsiString& HintPrevMonth() const { return hintPrevMonth_; }
    void SetHintPrevMonth(const AnsiString& v) { hintPrevMonth_ = v; }
    const AnsiString& HintNextMonth() const { return hintNextMonth_; }
    void SetHintNextMonth(const AnsiString& v) { hintNextMonth_ = v; }
    const AnsiString& HintNextYear() const { return hintNextYear_; }
    void SetHintNextYear(const AnsiString& v) { hintNextYear_ = v; }
    TColor InActiveColor() const { return inActiveColor_; }
    void SetInActiveColor(TColor v) { Store(inActiveColor_, v); }
    TWeekDays* InActiveDays() const { return inActiveDays_.get(); }
    void SetInActiveDays(TWeekDays* v) { inActiveDays_->Assign(v); }
    TColor InversColor() const { return inversColor_; }
    void SetInversColor(TColor v) { Store(inversColor_, v); }
    bool Line3D() const { return line3D_; }
    void SetLine3D(bool v) { Store(line3D_, v); }
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor v) { Store(lineColor_, v); }
    TPlannerCalendarLook Look() const { return look_; }
    void SetLook(TPlannerCalendarLook v) { Store(look_, v); }
    TMinMaxDate* MaxDate() const { return maxDate_.get(); }
    void SetMaxDate(TMinMaxDate* v) { maxDate_->Assign(v); }
    TMinMaxDate* MinDate() const { return minDate_.get(); }
    void SetMinDate(TMinMaxDate* v) { minDate_->Assign(v); }
    TColor MonthGradientStartColor() const { return monthGradientStartColor_; }
    void SetMonthGradientStartColor(TColor v) { Store(monthGradientStartColor_, v); }
    TColor MonthGradientEndColor() const { return monthGradientEndColor_; }
    void SetMonthGradientEndColor(TColor v) { Store(monthGradientEndColor_, v); }
    TGradientDirection MonthGradientDirection() const { return monthGradientDirection_; }
    void SetMonthGradientDirection(TGradientDirection v) { Store(monthGradientDirection_, v); }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool MultiSelectCtrlKey() const { return multiSelectCtrlKey_; }
    void SetMultiSelectCtrlKey(bool v) { Store(multiSelectCtrlKey_, v); }
    TNameOfDays* NameOfDays() const { return nameOfDays_.get(); }
    void SetNameOfDays(TNameOfDays* v) { nameOfDays_->Assign(v); }
    TNameOfMonths* NameOfMonths() const { return nameOfMonths_.get(); }
    void SetNameOfMonths(TNameOfMonths* v) { nameOfMonths_->Assign(v); }
    bool ReturnIsSelect() const { return returnIsSelect_; }
    void SetReturnIsSelect(bool v) { Store(returnIsSelect_, v); }
    TColor SelectColor() const { return selectColor_; }
    void SetSelectColor(TColor v) { Store(selectColor_, v); }
    TColor SelectFontColor() const { return selectFontColor_; }
    void SetSelectFontColor(TColor v) { Store(selectFontColor_, v); }
    bool ShowDaysAfter() const { return showDaysAfter_; }
    void SetShowDaysAfter(bool v) { Store(showDaysAfter_, v); }
    bool ShowDaysBefore() const { return showDaysBefore_; }
    void SetShowDaysBefore(bool v) { Store(showDaysBefore_, v); }
    bool ShowGotoToday() const { return showGotoToday_; }
    void SetShowGotoToday(bool v) { Store(showGotoToday_, v); }
    bool ShowMonthSelector() const { return showMonthSelector_; }
    void SetShowMonthSelector(bool v) { Store(showMonthSelector_, v); }
    bool ShowYearSelector() const { return showYearSelector_; }
    void SetShowYearSelector(bool v) { Store(showYearSelector_, v); }
    bool ShowSelection() const { return showSelection_; }
    void SetShowSelection(bool v) { Store(showSelection_, v); }
    bool ShowToday() const { return showToday_; }
    void SetShowToday(bool v) { Store(showToday_, v); }
    bool ShowWeeks() const { return showWeeks_; }
    void SetShowWeeks(bool v);
    Integer StartDay() const { return startDay_; }
    void SetStartDay(Integer v);
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor v) { Store(textColor_, v); }
    const AnsiString& TodayFormat() const { return todayFormat_; }
    void SetTodayFormat(const AnsiString& v) { Store(todayFormat_, v); }
    TTodayStyle TodayStyle() const { return todayStyle_; }
    void SetTodayStyle(TTodayStyle v) { Store(todayStyle_, v); }
    AnsiString Version() const { return "1.0.0.0"; }
    void SetVersion(const AnsiString&) {}
    TColor WeekendColor() const { return weekendColor_; }
    void SetWeekendColor(TColor v) { Store(weekendColor_, v); }
    TFont* WeekFont() const { return weekFont_.get(); }
    void SetWeekFont(TFont* v) { weekFont_->Assign(v); }
    const AnsiString& WeekName() const { return weekName_; }
    void SetWeekName(const AnsiString& v) { Store(weekName_, v); }
    bool WeekSelect() const { return weekSelect_; }
    void SetWeekSelect(bool v) { Store(weekSelect_, v); }
    TYearStartAt* YearStartAt() const { return yearStartAt_.get(); }
    void SetYearStartAt(TYearStartAt* v) { yearStartAt_->Assign(v); }

    // Events.
    const TCellDrawEvent& OnCellDraw() const { return onCellDraw_; }
    void SetOnCellDraw(TCellDrawEvent v) { onCellDraw_ = std::move(v); }
    const TDaySelectEvent& OnDaySelect() const { return onDaySelect_; }
    void SetOnDaySelect(TDaySelectEvent v) { onDaySelect_ = std::move(v); }
    const TNotifyEvent& OnMonthSelect() const { return onMonthSelect_; }
    void SetOnMonthSelect(TNotifyEvent v) { onMonthSelect_ = std::move(v); }
    const TGetDateEvent& OnGetDateHint() const { return onGetDateHint_; }
    void SetOnGetDateHint(TGetDateEvent v) { onGetDateHint_ = std::move(v); }
    const TGetDateEventHint& OnGetDateHintString() const { return onGetDateHintString_; }
    void SetOnGetDateHintString(TGetDateEventHint v) { onGetDateHintString_ = std::move(v); }
    const TEventPropEvent& OnGetEventProp() const { return onGetEventProp_; }
    void SetOnGetEventProp(TEventPropEvent v) { onGetEventProp_ = std::move(v); }
    const TDateChangeEvent& OnDayChange() const { return onDayChange_; }
    void SetOnDayChange(TDateChangeEvent v) { onDayChange_ = std::move(v); }
    const TDateChangeEvent& OnMonthChange() const { return onMonthChange_; }
    void SetOnMonthChange(TDateChangeEvent v) { onMonthChange_ = std::move(v); }
    const TDateChangeEvent& OnYearChange() const { return onYearChange_; }
    void SetOnYearChange(TDateChangeEvent v) { onYearChange_ = std::move(v); }
    const TDateChangeEvent& OnDateChange() const { return onDateChange_; }
    void SetOnDateChange(TDateChangeEvent v) { onDateChange_ = std::move(v); }
    const TCancelledChangeEvent& OnCancelledChange() const { return onCancelledChange_; }
    void SetOnCancelledChange(TCancelledChangeEvent v) { onCancelledChange_ = std::move(v); }
    const TNotifyEvent& OnWeekSelect() const { return onWeekSelect_; }
    void SetOnWeekSelect(TNotifyEvent v) { onWeekSelect_ = std::move(v); }
    const TNotifyEvent& OnAllDaySelect() const { return onAllDaySelect_; }
    void SetOnAllDaySelect(TNotifyEvent v) { onAllDaySelect_ = std::move(v); }

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    // A description's parts start at 1, the value a saved part of 1 leaves
    // unwritten.
    void ReadState(TReader* reader) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyPress(char& key) override;
    void DoEnter() override;
    void DoExit() override;

private:
    template <class T>
    void Store(T& field, const T& value) {
        field = value;
        Invalidate();
    }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    enum DatePart { dpDay, dpMonth, dpYear };
    void SetDatePart(DatePart part, Word value);
    void DrawBackground(const TRect& inner);
    void PaintDays();
    void PaintDay(TDateTime day, const TRect& cell, bool inMonth, bool before);
    void DrawEventMarker(const TRect& rect, TColor color, TEventShape shape);
    void SetBrowserColor(bool hovered, TDateTime stepDate);
    void DrawPrevYearBrowser();
    void DrawPrevMonthBrowser();
    void DrawNextMonthBrowser();
    void DrawNextYearBrowser();
    void DrawCaption();
    void DrawGotoToday();
    void UpdateCaption();
    void NamesChanged(TObject* sender);
    void YearStartChanged(TObject* sender);
    void PropsChanged(TObject* sender);
    void FontChanged(TObject* sender);
    // The first day of the year-start (day, month) of `year`; a month of 12
    // starts in the year before.
    static TDateTime YearStart(int day, int month, int year);

    // Interaction.
    enum class Browser { none, prevYear, prevMonth, nextMonth, nextYear };
    struct BrowserSpan {
        int left = 0, right = 0, bottom = 0;  // client x, exclusive; 0 < y < bottom
    };
    BrowserSpan SpanOf(Browser browser) const;
    bool Shown(Browser browser) const;
    bool& HoverFlag(Browser browser);
    TDateTime StepDate(Browser browser);
    const AnsiString& HintOf(Browser browser) const;
    Browser BrowserAt(int x, int y) const;
    void InvalidateBrowser(Browser browser);
    void InvalidateCaption();
    void InvalidateTodayLine();
    bool InTodayBand(int y) const { return showGotoToday_ && y > 8 * rh_ - rh_ / 2; }
    void GoToToday();
    // Adds the selectable ones of `dates` unless all are selected already,
    // which removes them.
    void ToggleDates(const std::vector<TDateTime>& dates, bool keepSelection);
    void HoverBrowsers(int x, int y);
    void HoverDays(int xRel, int y);
    void MouseLeave();
    void KeyDownMessage(TMessage& message);
    void MenuCommand(int id);
    void HintShow(THintInfo& info);
    void ShowCaptionMenu(int spanStart, UINT firstId, const std::vector<std::pair<AnsiString, bool>>& items);

    TDateTime date_ = 0, focusDate_ = 0, savedDate_ = 0;
    Word day_ = 1, month_ = 1, year_ = 1;
    std::unique_ptr<TNameOfDays> nameOfDays_;
    std::unique_ptr<TNameOfMonths> nameOfMonths_;
    std::unique_ptr<TYearStartAt> yearStartAt_;
    std::unique_ptr<TFont> dayFont_, weekFont_;
    std::unique_ptr<TWeekDays> inActiveDays_;
    std::unique_ptr<TMinMaxDate> minDate_, maxDate_;
    std::unique_ptr<TSelDateItems> selectedDates_, events_;
    std::unique_ptr<TBavImage> background_;
    std::unique_ptr<TCalendarBrowsers> browsers_;
    std::unique_ptr<TCalGlyphs> glyphs_;
    int cw_ = 0, rh_ = 0, gx_ = 0;
    // The caption's spans, relative to the grid's left.
    int captionMonthStart_ = 0, captionYearStart_ = 0, captionEnd_ = 0;
    // The today line's width as last drawn.
    int todayTextWidth_ = 0;
    AnsiString caption_;
    TDateTime hoverDate_ = 0;
    struct Hover {
        bool prevMonth = false, nextMonth = false, caption = false, prevYear = false, nextYear = false, today = false;
    } hover_;
    TColor borderColor_ = 0;
    Byte lookPreset_ = 0;
    AnsiString eventHint_;
    TDateTime rangeAnchor_ = 0, rangeEnd_ = -1;
    bool rangeDrag_ = false;
    // Where the date under a point was last computed (x from the grid's left).
    TPoint mouseDownPoint_{0x7FFF, 0x7FFF};
    TCursor savedCursor_ = crDefault;
    // The hovered event day's hint and the hovered browser's; the hint cell
    // (column, row), which is the browser hint's position while that is set.
    AnsiString hoverHint_, browserHint_;
    TPoint hintCell_{-1, -1};
    bool eventHintShown_ = false;

    bool allDaySelect_ = false, autoThemeAdapt_ = false, borderXP_ = true, caption3D_ = false;
    TBackGroundPosition backgroundPosition_ = bpTiled;
    TColor captionColor_ = clCalendarNone, captionTextColor_ = clBlack, dateDownColor_ = clCalendarNone,
           dateHoverColor_ = clCalendarNone, dateSelectColor_ = clTeal;
    bool enable_ = true, eventHints_ = false;
    TColor focusColor_ = clHighlight, gradientStartColor_ = clWhite, gradientEndColor_ = clBtnFace;
    TGradientDirection gradientDirection_ = gdVertical;
    TColor headerColor_ = clCalendarNone;
    AnsiString hintPrevYear_, hintPrevMonth_, hintNextMonth_, hintNextYear_;
    TColor inActiveColor_ = clGray, inversColor_ = clTeal, lineColor_ = clGray;
    bool line3D_ = true;
    TPlannerCalendarLook look_ = lookFlat;
    TColor monthGradientStartColor_ = clCalendarNone, monthGradientEndColor_ = clCalendarNone;
    TGradientDirection monthGradientDirection_ = gdHorizontal;
    bool multiSelect_ = false, multiSelectCtrlKey_ = false, returnIsSelect_ = false;
    TColor selectColor_ = clTeal, selectFontColor_ = clWhite;
    bool showDaysAfter_ = true, showDaysBefore_ = true, showGotoToday_ = false, showMonthSelector_ = true,
         showYearSelector_ = true, showSelection_ = true, showToday_ = false, showWeeks_ = false;
    Integer startDay_ = 7;
    TColor textColor_ = clBlack;
    AnsiString todayFormat_ = "\"Today\" DDD/mm, YYYY";
    TTodayStyle todayStyle_ = tsSunken;
    TColor weekendColor_ = clBlack;
    AnsiString weekName_;
    bool weekSelect_ = false;

    TCellDrawEvent onCellDraw_;
    TDaySelectEvent onDaySelect_;
    TNotifyEvent onMonthSelect_;
    TGetDateEvent onGetDateHint_;
    TGetDateEventHint onGetDateHintString_;
    TEventPropEvent onGetEventProp_;
    TDateChangeEvent onDayChange_, onMonthChange_, onYearChange_, onDateChange_;
    TCancelledChangeEvent onCancelledChange_;
    TNotifyEvent onWeekSelect_, onAllDaySelect_;
};
