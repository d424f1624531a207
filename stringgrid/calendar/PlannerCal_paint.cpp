// Painting the month calendar: the background picture or gradients, the
// caption band, the browser arrows and caption, the weekday band, week
// numbers, the day cells with their selection, hover, event and today
// looks, and the today line; and the look presets that set its colours in
// one step, chosen from the visual-style scheme when asked.
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/automation.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "stringgrid/calendar/PlannerCal.h"
#include "stringgrid/calendar/PlannerCalDates.h"
#include "stringgrid/themes/BavXPVS.h"

using plannercal::Decode;
using plannercal::Ymd;

namespace {

struct PresetColours {
    TColor gradientStart, gradientEnd, monthStart, monthEnd, inActive, dateSelect, dateHover, dateDown, selectFont;
    bool line3D;
};

constexpr TColor none = clCalendarNone;

// Presets 0..12; 11 is no preset.
constexpr PresetColours kPresets[] = {
    {clWhite, clBtnFace, none, none, clTeal, clHighlight, clInfoBk, clHighlight, clWhite, true},
    {clBtnFace, none, none, none, clTeal, clHighlight, clInfoBk, clHighlight, clBlack, true},
    {0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, clWhite, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    {0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, clWhite, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    {0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, clWhite, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    {clWhite, 0xC9D1D5, clWhite, 0xC9D1D5, clWhite, clGray, 0xD2BDB6, 0xB59285, clWhite, false},
    {clBtnFace, none, clBtnFace, none, clWhite, clInfoBk, none, none, clBlack, false},
    {0xFFD9B3, none, 0x6580DA, 0xF807F1, clWhite, clHighlight, none, none, clWhite, true},
    {0xF5F9FA, 0xA8C0C0, 0xF5F9FA, 0xA8C0C0, clGray, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    {0xFFF4E3, 0xEDD9C8, 0xFFEFE3, 0xFFD2AF, clWhite, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
    {0xF1F0E6, 0xC6BCB5, 0xF2F1F0, 0xC9C2BD, clWhite, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x433C37, false},
    {},
    {0xE7DCD5, 0xFBFAF0, 0xF8F7F6, 0xE8E0DB, clWhite, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
};

// A triangle 5 wide and 10 high at x, pointing left or right.
void Arrow(TCanvas* canvas, int x, int top, bool left) {
    const TPoint points[] = {left ? TPoint(x + 5, top) : TPoint(x, top), left ? TPoint(x, top + 5) : TPoint(x + 5, top + 5),
                             left ? TPoint(x + 5, top + 10) : TPoint(x, top + 10)};
    canvas->Polygon(points, 3);
}

}  // namespace

void TPlannerCalendar::DrawGradient(TCanvas* canvas, TColor from, bool horizontal, const TRect& rect, int steps,
                                    TColor to) {
    if (steps <= 0) steps = 1;
    const COLORREF a = ColorToRGB(from), b = ColorToRGB(to);
    const int extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    const double s = double(extent) / steps;
    const auto channel = [&](int shift, int n) {
        const int start = int((a >> shift) & 0xFF), end = int((b >> shift) & 0xFF);
        return start + int(std::lround(double(n) * (end - start) / steps));
    };
    for (int n = 0; n < steps; ++n) {
        canvas->Brush()->SetColor(TColor(RGB(channel(0, n), channel(8, n), channel(16, n))));
        const int begin = int(std::lround(n * s));
        const int length = int(std::trunc(s)) + 1;
        TRect band = rect;
        if (horizontal) {
            band.left = rect.left + begin;
            band.right = std::min(band.left + length, rect.right);
        } else {
            band.top = rect.top + begin;
            band.bottom = std::min(band.top + length, rect.bottom);
        }
        canvas->FillRect(band);
    }
}

void TPlannerCalendar::Paint() {
    SetCaption("");
    TCustomCalendarPanel::Paint();
    borderColor_ = 0;
    TCanvas* canvas = Canvas();
    TRect inner = ClientRect();
    int shrink = BorderWidth();
    if (BevelInner() != bvNone || BevelOuter() != bvNone) shrink += BevelWidth();
    InflateRect(&inner, -shrink, -shrink);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(inner);

    if (!background_->Empty()) {
        DrawBackground(inner);
    } else {
        canvas->Font()->Assign(dayFont_.get());
        const int t = canvas->TextHeight("gh");
        const int k = GridRowCount();
        const int monthBottom = (k + Height()) / k + t - 4;
        const bool monthGradient = monthGradientStartColor_ != none && monthGradientEndColor_ != none;
        if (monthGradient)
            DrawGradient(canvas, monthGradientStartColor_, monthGradientDirection_ == gdHorizontal,
                         TRect(inner.left, inner.top, inner.right, monthBottom), 80, monthGradientEndColor_);
        if (gradientStartColor_ != none && gradientEndColor_ != none) {
            TRect body = inner;
            if (monthGradientStartColor_ != none) body.top = monthBottom;
            DrawGradient(canvas, gradientStartColor_, gradientDirection_ == gdHorizontal, body, 80, gradientEndColor_);
        }
    }

    if (captionColor_ != none) {
        canvas->Font()->Assign(Font());
        const TRect band(BorderWidth(), BorderWidth(), Width() - BorderWidth(), canvas->TextHeight("X") + 5);
        canvas->Brush()->SetColor(captionColor_);
        canvas->Pen()->SetColor(caption3D_ ? clGray : captionColor_);
        canvas->Rectangle(band);
        if (caption3D_) {
            canvas->Pen()->SetColor(clWhite);
            canvas->MoveTo(band.left, band.bottom - 1);
            canvas->LineTo(band.left, band.top);
            canvas->LineTo(band.right, band.top);
        }
    }
    PaintDays();
    if (showGotoToday_) DrawGotoToday();
}

void TPlannerCalendar::DrawBackground(const TRect& r) {
    TCanvas* canvas = Canvas();
    TGraphic* picture = background_.get();
    const int w = picture->Width(), h = picture->Height(), b = BevelWidth();
    const int right = std::max<int>(r.left, Width() - w - b), bottom = std::max<int>(r.top, Height() - h - b);
    switch (backgroundPosition_) {
    case bpTopLeft: canvas->Draw(r.left, r.top, picture); break;
    case bpTopRight: canvas->Draw(right, r.top, picture); break;
    case bpBottomLeft: canvas->Draw(r.left, bottom, picture); break;
    case bpBottomRight: canvas->Draw(right, bottom, picture); break;
    case bpStretched: canvas->StretchDraw(r, picture); break;
    case bpCenter: canvas->Draw(right / 2, bottom / 2, picture); break;
    case bpTiled: {
        if (w <= 0 || h <= 0) break;
        const HRGN clip = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        SelectClipRgn(canvas->Handle(), clip);
        for (int y = r.top; y < r.bottom; y += h)
            for (int x = r.left; x < r.right; x += w) canvas->Draw(x, y, picture);
        SelectClipRgn(canvas->Handle(), 0);
        DeleteObject(clip);
        break;
    }
    }
}

void TPlannerCalendar::DrawEventMarker(const TRect& rect, TColor color, TEventShape shape) {
    TCanvas* canvas = Canvas();
    TRect r = rect;
    InflateRect(&r, -1, -1);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    switch (shape) {
    case evsRectangle: canvas->Rectangle(r); break;
    case evsCircle: canvas->Ellipse(r); break;
    case evsSquare: {
        const TPoint diamond[] = {TPoint(midX, r.top), TPoint(r.right, midY), TPoint(midX, r.bottom), TPoint(r.left, midY)};
        canvas->Polygon(diamond, 4);
        break;
    }
    case evsTriangle: {
        const TPoint triangle[] = {TPoint(midX, r.top), TPoint(r.right, r.bottom), TPoint(r.left, r.bottom)};
        canvas->Polygon(triangle, 3);
        break;
    }
    case evsNone: break;
    }
}

// The arrow's colour: the hover colour, or inactive when its step leaves
// the bounds.
void TPlannerCalendar::SetBrowserColor(bool hovered, TDateTime stepDate) {
    TColor color = hovered ? selectColor_ : captionTextColor_;
    if (!DateInRange(stepDate)) color = inActiveColor_;
    Canvas()->Brush()->SetColor(color);
    Canvas()->Pen()->SetColor(color);
}

void TPlannerCalendar::DrawPrevYearBrowser() {
    TCanvas* canvas = Canvas();
    TBitmap* glyph = glyphs_->PrevYear();
    if (!glyph->Empty()) {
        glyph->SetTransparent(true);
        canvas->Draw(gx_ + 5, BorderWidth() + 1, glyph);
    } else {
        SetBrowserColor(hover_.prevYear, StepYearDate(-1));
        Arrow(canvas, gx_ + 5, BorderWidth() + 3, true);
        Arrow(canvas, gx_ + 10, BorderWidth() + 3, true);
    }
    canvas->Brush()->SetColor(Color());
}

void TPlannerCalendar::DrawPrevMonthBrowser() {
    TCanvas* canvas = Canvas();
    TBitmap* glyph = glyphs_->PrevMonth();
    const bool yearShown = browsers_->PrevYear();
    const TBitmap* yearGlyph = glyphs_->PrevYear();
    if (!glyph->Empty()) {
        const int x = !yearShown ? gx_ + 5 : yearGlyph->Empty() ? gx_ + 25 : gx_ + yearGlyph->Width() + 10;
        glyph->SetTransparent(true);
        canvas->Draw(x, BorderWidth() + 1, glyph);
    } else {
        SetBrowserColor(hover_.prevMonth, StepMonthDate(-1));
        Arrow(canvas, yearShown ? gx_ + 25 : gx_ + 5, BorderWidth() + 3, true);
    }
    canvas->Brush()->SetColor(Color());
}

void TPlannerCalendar::DrawNextMonthBrowser() {
    TCanvas* canvas = Canvas();
    TBitmap* glyph = glyphs_->NextMonth();
    const bool yearShown = browsers_->NextYear();
    const TBitmap* yearGlyph = glyphs_->NextYear();
    if (!glyph->Empty()) {
        const int w = glyph->Width();
        const int x = !yearShown ? Width() - (w + 5)
                      : yearGlyph->Empty() ? Width() - (w + 25)
                                           : Width() - (w + yearGlyph->Width() + 10);
        glyph->SetTransparent(true);
        canvas->Draw(x, BorderWidth() + 1, glyph);
    } else {
        SetBrowserColor(hover_.nextMonth, StepMonthDate(+1));
        Arrow(canvas, yearShown ? Width() - 30 : Width() - 10, BorderWidth() + 3, false);
    }
    canvas->Brush()->SetColor(Color());
}

void TPlannerCalendar::DrawNextYearBrowser() {
    TCanvas* canvas = Canvas();
    TBitmap* glyph = glyphs_->NextYear();
    if (!glyph->Empty()) {
        glyph->SetTransparent(true);
        canvas->Draw(Width() - glyph->Width() - 5, BorderWidth() + 1, glyph);
    } else {
        SetBrowserColor(hover_.nextYear, StepYearDate(+1));
        Arrow(canvas, Width() - 15, BorderWidth() + 3, false);
        Arrow(canvas, Width() - 10, BorderWidth() + 3, false);
    }
    canvas->Brush()->SetColor(Color());
}

void TPlannerCalendar::DrawCaption() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(hover_.caption ? selectColor_ : captionTextColor_);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    const int tw = canvas->TextWidth(caption_);
    const int start = (Width() - tw - gx_) / 2;
    canvas->TextOut(start + gx_, 2, caption_);
    captionMonthStart_ = start;
    captionYearStart_ = start + tw - canvas->TextWidth(" 9999");
    captionEnd_ = start + tw;
    canvas->Font()->SetColor(textColor_);
}

void TPlannerCalendar::DrawGotoToday() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    SetBkMode(canvas->Handle(), TRANSPARENT);
    if (hover_.today) {
        canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
        canvas->Font()->SetColor(selectColor_);
    }
    const AnsiString text = FormatDateTime(todayFormat_, Now());
    todayTextWidth_ = canvas->TextWidth(text);
    canvas->TextOut(gx_ + 2, 8 * rh_ - 4, text);
}

void TPlannerCalendar::PaintDays() {
    TCanvas* canvas = Canvas();
    const Ymd shown = Decode(focusDate_), today = Decode(::Date());
    canvas->Font()->Assign(Font());
    UpdateGeometry();
    if (browsers_->PrevMonth()) DrawPrevMonthBrowser();
    if (browsers_->NextMonth()) DrawNextMonthBrowser();
    if (browsers_->PrevYear()) DrawPrevYearBrowser();
    if (browsers_->NextYear()) DrawNextYearBrowser();
    DrawCaption();

    const int lead = LeadDays();
    const int days = DaysInMonth(shown.month, shown.year);

    canvas->Font()->Assign(dayFont_.get());
    SetBkMode(canvas->Handle(), TRANSPARENT);
    RECT measure{0, 0, 0, 0};
    DrawText(canvas->Handle(), "gh", 2, &measure, DT_SINGLELINE | DT_CALCRECT);
    const int t = measure.bottom - measure.top;
    if (look_ == look3D) {
        TRect band(BorderWidth() + 1, rh_ - 4, Width() - BorderWidth() - 1, t + rh_ - 4);
        if (headerColor_ != none) {
            canvas->Brush()->SetColor(headerColor_);
            canvas->FillRect(band);
        }
        Frame3D(canvas, band, clWhite, clGray, 1);
    }
    for (int c = 1; c <= 7; ++c) {
        RECT r{gx_ + (c - 1) * cw_, rh_ - 6, gx_ + c * cw_, 2 * rh_};
        const AnsiString name = nameOfDays_->GetDayName(c + startDay_ - 1);
        DrawText(canvas->Handle(), name.c_str(), int(name.size()), &r, DT_SINGLELINE | DT_CENTER);
    }
    const int lineY = rh_ + t - 4;
    const auto line = [&](int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(lineColor_);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
        if (!line3D_) return;
        canvas->Pen()->SetColor(clWhite);
        const bool across = y1 == y2;
        canvas->MoveTo(x1 + (across ? 0 : 1), y1 + 1);
        canvas->LineTo(x2 + (across ? 0 : 1), y2 + (across ? 1 : 0));
    };
    line(BorderWidth(), lineY, Width() - BorderWidth(), lineY);
    if (showWeeks_) {
        line(cw_, lineY, cw_, Height() - 2);
        RECT heading{2, rh_ - 6, cw_ + 2, 2 * rh_};
        DrawText(canvas->Handle(), weekName_.c_str(), int(weekName_.size()), &heading, DT_SINGLELINE | DT_CENTER);
        canvas->Font()->Assign(weekFont_.get());
        for (int r = 1; r <= 6; ++r) {
            const AnsiString number = IntToStr(WeekNumber(r));
            RECT cell{0, r * rh_ + 14, cw_, r * rh_ + 12 + rh_};
            DrawText(canvas->Handle(), number.c_str(), int(number.size()), &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        }
    }

    const TDateTime first = EncodeDate(shown.year, shown.month, 1);
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 6; ++r) {
            const int k = c + 7 * (r - 1) - lead;
            const TDateTime day = first + (k - 1);
            const bool inMonth = k >= 1 && k <= days, after = k > days, before = k < 1;
            if ((after && !showDaysAfter_) || (before && !showDaysBefore_)) continue;
            PaintDay(day, TRect((c - 1) * cw_ + gx_ + 4, r * rh_ + 14, c * cw_ + gx_ + 2, r * rh_ + 14 + rh_), inMonth,
                     before);
            if (showToday_ && inMonth && shown.year == today.year && shown.month == today.month && k == today.day) {
                const int x1 = (c - 1) * cw_ + gx_ + 4, x2 = c * cw_ + gx_ + 2, y1 = r * rh_ + 14, y2 = (r + 1) * rh_ + 13;
                const TColor firstColor = todayStyle_ == tsSunken ? clGray : todayStyle_ == tsRaised ? clWhite : lineColor_;
                const TColor secondColor = todayStyle_ == tsSunken ? clWhite : todayStyle_ == tsRaised ? clGray : lineColor_;
                canvas->Pen()->SetColor(firstColor);
                canvas->MoveTo(x1, y2);
                canvas->LineTo(x1, y1);
                canvas->LineTo(x2, y1);
                canvas->Pen()->SetColor(secondColor);
                canvas->LineTo(x2, y2);
                canvas->LineTo(x1, y2);
            }
        }
}

// One day's cell: its fill, hover frame and marker, then its number.
void TPlannerCalendar::PaintDay(TDateTime day, const TRect& cell, bool inMonth, bool before) {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    const bool selected = showSelection_ && selectedDates_->IndexOfDate(day) >= 0;
    const bool hovered = hoverDate_ != 0 && std::trunc(hoverDate_) == std::trunc(day) && dateHoverColor_ != none;
    const auto hoverFrame = [&](TColor fill) {
        canvas->Brush()->SetColor(fill);
        canvas->Pen()->SetColor(borderColor_);
        canvas->Pen()->SetWidth(1);
        canvas->Rectangle(cell);
    };
    const auto eventLook = [&]() {
        TSelDateItem* item = nullptr;
        if (!GetDateEvent(item, day)) return false;
        TFontStyles style = canvas->Font()->Style();
        canvas->Font()->SetStyle(style + TFontStyles{fsBold});
        canvas->Font()->SetColor(EventDayColor());
        if (item) {
            DrawEventMarker(cell, item->Color(), item->Shape());
            canvas->Font()->SetColor(item->FontColor());
        } else {
            DrawEventMarker(cell, EventMarkerColor(), EventMarkerShape());
        }
        return true;
    };
    bool marked = false;
    if (inMonth) {
        marked = eventLook();
        if (selected) {
            canvas->Brush()->SetColor(dateSelectColor_);
            canvas->Font()->SetColor(DateInRange(day) ? selectFontColor_ : inActiveColor_);
            canvas->FillRect(cell);
            if (hovered) hoverFrame(dateDownColor_);
        } else {
            if (hovered) hoverFrame(dateHoverColor_);
            if (!marked) canvas->Font()->SetColor(IsInactiveDay(day) ? weekendColor_ : textColor_);
            if (!DateInRange(day)) canvas->Font()->SetColor(inActiveColor_);
        }
        if (look_ == look3D) {
            TRect frame = cell;
            Frame3D(canvas, frame, clWhite, clGray, 1);
        }
    } else {
        canvas->Font()->SetColor(inversColor_);
        if (selected) {
            canvas->Brush()->SetColor(dateSelectColor_);
            canvas->Font()->SetColor(selectFontColor_);
            canvas->FillRect(cell);
        }
        if (hovered) hoverFrame(selected ? dateDownColor_ : dateHoverColor_);
        if (before) canvas->Font()->SetColor(inversColor_);
        marked = eventLook();
        if (!DateInRange(day)) canvas->Font()->SetColor(inActiveColor_);
    }
    SetBkMode(canvas->Handle(), TRANSPARENT);
    if (onCellDraw_) {
        onCellDraw_(this, canvas, day, false, marked, inMonth, cell);
    } else {
        RECT r = cell;
        const AnsiString number = IntToStr(Decode(day).day);
        DrawText(canvas->Handle(), number.c_str(), int(number.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(textColor_);
    if (Focused() && inMonth && std::trunc(day) == std::trunc(focusDate_)) canvas->DrawFocusRect(cell);
}

void TPlannerCalendar::ApplyLookPreset(int preset) {
    lookPreset_ = Byte(preset);
    if (preset < 0 || preset > 12 || preset == 11) return;
    const PresetColours& p = kPresets[preset];
    SetGradientStartColor(p.gradientStart);
    SetGradientEndColor(p.gradientEnd);
    SetMonthGradientStartColor(p.monthStart);
    SetMonthGradientEndColor(p.monthEnd);
    SetInActiveColor(p.inActive);
    SetDateSelectColor(p.dateSelect);
    dateHoverColor_ = p.dateHover;
    dateDownColor_ = p.dateDown;
    SetSelectFontColor(p.selectFont);
    SetLine3D(p.line3D);
    if (preset == 6) SetColor(clBtnFace);
    if (preset == 7) SetColor(0xFFD9B3);
    if (preset == 9 || preset == 10 || preset == 12) {
        SetGradientDirection(gdVertical);
        SetMonthGradientDirection(gdVertical);
    }
}

void TPlannerCalendar::SetComponentStyle(int style) {
    static constexpr int presets[] = {2, 4, 3, 5, 9, 10, 0, 8, -1, 12};
    if (style < 0 || style > 9 || presets[style] < 0) return;
    ApplyLookPreset(presets[style]);
}

// 0 without the visual-styles library, 4 with visual styles off, else the
// colour scheme's number.
int TPlannerCalendar::CurrentThemeScheme() {
    const xpvs::ThemeLibrary& theme = xpvs::Theme();
    if (!theme.loaded) return 0;
    if (!xpvs::ThemesActive() || !theme.GetCurrentThemeName) return 4;
    WCHAR file[256]{}, scheme[256]{}, size[256]{};
    OleCheck(theme.GetCurrentThemeName(file, 255, scheme, 255, size, 255));
    const std::u16string name = scheme;
    if (name == u"NormalColor") return 1;
    if (name == u"HomeStead") return 2;
    if (name == u"Metallic") return 3;
    return 0;
}

void TPlannerCalendar::AdaptToTheme() {
    static constexpr int presets[] = {1, 2, 3, 4, 0};
    ApplyLookPreset(presets[CurrentThemeScheme()]);
}
