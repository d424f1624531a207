// The painters of indicators and small areas that cells show: the progress
// bar, the pie, the range indicator, the bar of levels, the combo drop-down
// button and the red underline of a text's error range. Each paints inside
// the rectangle it is given and leaves the canvas brush as it found it.
#include "stringgrid/BavUtil.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "stringgrid/themes/BavXPVS.h"

namespace {

int Rounded(double value) { return int(Round(value)); }

TRect Inflated(const TRect& r, int dx, int dy) { return Rect(r.left - dx, r.top - dy, r.right + dx, r.bottom + dy); }

}  // namespace

void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

// A maximum of 0 shows an empty bar rather than dividing by it.
void DrawProgressBar(TCanvas* canvas, TRect r, TColor doneColor, TColor doneTextColor, TColor restColor,
                     TColor restTextColor, int value, int marginX, int marginY, int minimum, int maximum,
                     const AnsiString& formatText, TColor borderColor) {
    const TColor savedBrush = canvas->Brush()->Color();
    AnsiString text;
    int percent;
    if (!formatText.empty()) {
        text = Format(formatText, {value});
        percent = maximum == 0 ? 0 : Rounded((value - minimum) * 100.0 / maximum);
    } else {
        text = IntToStr(value) + "%";
        percent = value;
    }
    percent = std::clamp(percent, std::min(minimum, maximum), std::max(minimum, maximum));
    r = Inflated(r, -marginX, -marginY);
    const int doneRight = r.left + Rounded(percent * (r.right - r.left) / 100.0);
    const TSize extent = canvas->TextExtent(text);
    const int x = r.left + (r.right - r.left - extent.cx) / 2, y = r.top + (r.bottom - r.top - extent.cy) / 2;
    SetBkMode(canvas->Handle(), TRANSPARENT);
    const TRect done = Rect(r.left, r.top, doneRight, r.bottom), rest = Rect(doneRight, r.top, r.right, r.bottom);
    canvas->Pen()->SetColor(doneColor);
    FillRectColor(canvas, done, doneColor);
    canvas->Font()->SetColor(doneTextColor);
    canvas->TextRect(done, x, y, text);
    FillRectColor(canvas, rest, restColor);
    canvas->Font()->SetColor(restTextColor);
    canvas->TextRect(rest, x, y, text);
    r = Inflated(r, 1, 1);
    if (borderColor != clNone) {
        canvas->Brush()->SetColor(borderColor);
        canvas->FrameRect(r);
    }
    r = Inflated(r, 1, 1);
    canvas->Brush()->SetColor(savedBrush);
    canvas->FrameRect(r);
}

void DrawThemedProgressBar(HWND window, TCanvas* canvas, TRect r, int marginX, int marginY, int percent) {
    r = Inflated(r, -marginX, -marginY);
    xpvs::DrawPart(window, canvas->Handle(), u"Progress", PP_BAR, 0, r);
    r = Inflated(r, -2, -2);
    const int width = Rounded(percent * double(r.right - r.left) / 100.0);
    xpvs::DrawPart(window, canvas->Handle(), u"Progress", PP_CHUNK, 1, RECT{r.left, r.top, r.left + width, r.bottom});
}

// The slice is filled with the pie primitive rather than by flood fill:
// the outline and both radii lie where the grey lines of a flood fill
// would bound it.
void DrawProgressPie(TCanvas* canvas, const TRect& r, TColor color, int percent) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int cx = r.left + w / 2, cy = r.top + h / 2;
    canvas->Pen()->SetColor(TColor(0x808080));
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(r);
    canvas->Brush()->SetStyle(bsSolid);
    const double a = percent / 100.0 * 2 * M_PI;
    const int ex = cx + Rounded((w + 1) / 2.0 * std::sin(a)), ey = cy - Rounded((h + 1) / 2.0 * std::cos(a));
    if (percent > 0) {
        canvas->Brush()->SetColor(color);
        if (percent >= 100)
            canvas->Ellipse(r);
        else
            canvas->Pie(r.left, r.top, r.right, r.bottom, ex, ey, cx, r.top);
    }
    canvas->MoveTo(cx, r.top);
    canvas->LineTo(cx, cy);
    canvas->LineTo(ex, ey);
}

// A range of 0 draws an empty bar rather than dividing by it.
void DrawRangeIndicator(TCanvas* canvas, TRect r, int value, int range, bool showValue, TColor negativeColor,
                        TColor positiveColor) {
    r = Inflated(r, -2, -2);
    const int half = (r.right - r.left) / 2;
    const int limited = std::clamp(value, -std::abs(range), std::abs(range));
    const int bar = range == 0 ? 0 : Rounded(half * double(limited) / range);
    const TColor brush = canvas->Brush()->Color();
    const TColor color = limited < 0 ? negativeColor : positiveColor;
    canvas->Pen()->SetColor(color);
    if (limited < 0)
        FillRectColor(canvas, Rect(r.left + half + bar, r.top, r.left + half, r.bottom), color);
    else
        FillRectColor(canvas, Rect(r.left + half, r.top, r.left + half + bar, r.bottom), color);
    canvas->Brush()->SetColor(brush);
    if (showValue) {
        SetBkMode(canvas->Handle(), TRANSPARENT);
        AnsiString text = IntToStr(limited);
        RECT box = {r.left, r.top, r.right, r.bottom};
        DrawText(canvas->Handle(), text.data(), int(text.size()), &box, DT_SINGLELINE | DT_CENTER | DT_TOP);
    }
}

void DrawProgressAppearanceBar(TCanvas* canvas, TRect r, int percent, const TProgressAppearanceRecord& look) {
    const TColor outline = look.ShowBorder ? look.BorderColor : look.BackgroundColor;
    FillRectColor(canvas, r, look.BackgroundColor);
    canvas->Brush()->SetColor(outline);
    canvas->FrameRect(r);
    const int inner = r.right - r.left - 2;
    int x = r.left + 1;
    auto segment = [&](int length, TColor color, TColor colorTo) {
        if (length <= 0) return;
        const TRect part = Rect(x, r.top + 1, x + length, r.bottom - 1);
        if (look.ShowGradient) {
            const int middle = part.top + (part.bottom - part.top) / 2;
            DrawGradient(canvas, colorTo, color, look.Steps, Rect(part.left, part.top, part.right, middle), false);
            DrawGradient(canvas, color, colorTo, look.Steps, Rect(part.left, middle, part.right, part.bottom), false);
        } else {
            FillRectColor(canvas, part, color);
        }
        x += length;
    };
    const int l1 = look.Level1Perc, l2 = look.Level2Perc;
    if (percent > 0 && look.Stacked) {
        const int first = Rounded(std::min(percent, l1) / 100.0 * inner);
        segment(first, look.Level0Color, look.Level0ColorTo);
        int second = 0;
        if (percent >= l1) {
            second = Rounded((std::min(percent, l2) - l1) / 100.0 * inner);
            segment(second, look.Level1Color, look.Level1ColorTo);
        }
        if (percent >= l2)
            segment(percent == 100 ? inner - first - second : Rounded((percent - l2) / 100.0 * inner),
                    look.Level3Color, look.Level3ColorTo);
    } else if (percent > 0) {
        TColor color = look.Level2Color, colorTo = look.Level2ColorTo;
        if (percent < l1) {
            color = look.Level0Color;
            colorTo = look.Level0ColorTo;
        } else if (percent < l2) {
            color = look.Level1Color;
            colorTo = look.Level1ColorTo;
        } else if (percent > 99) {
            color = look.Level3Color;
            colorTo = look.Level3ColorTo;
        }
        if (look.CompletionSmooth) {
            segment(Rounded(percent / 100.0 * inner), color, colorTo);
        } else {
            const int e = Rounded(percent * inner / 100.0);
            auto block = [&](int left, int width) {
                FillRectColor(canvas, Rect(left, r.top + 2, left + width, r.bottom - 2), color);
            };
            if (e < 10) {
                if (e > 1) block(r.left + 2, e);
            } else {
                int left = r.left + 2;
                block(left, 7);
                for (int i = 0; i < e / 9 - 1; ++i) {
                    left += 9;
                    block(left, 7);
                }
                if (e % 9 > 2) block(left + 9, e % 9 - 1);
            }
        }
    }
    if (look.ShowPercentage) {
        canvas->Font()->Assign(look.Font);
        SetBkMode(canvas->Handle(), TRANSPARENT);
        const AnsiString text = IntToStr(percent) + "%";
        canvas->TextOut(r.left + (r.right - r.left) / 2 - canvas->TextWidth(text) / 2,
                        r.top + (r.bottom - r.top) / 2 - canvas->TextHeight(text) / 2, text);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(outline);
    canvas->Rectangle(r);
    canvas->Brush()->SetStyle(bsSolid);
}

void DrawComboDropButton(TCanvas* canvas, HWND window, const TRect& rect, bool themed) {
    RECT button = {rect.right - 18, rect.top + 1, rect.right - 2, rect.bottom - 1};
    if (themed)
        xpvs::DrawPart(window, canvas->Handle(), u"combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL, button);
    else
        DrawFrameControl(canvas->Handle(), &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
}

// The character positions come from an edit laid over the text, which
// measures them as the cell's editor would show them.
void DrawErrorUnderline(TWinControl* owner, TCanvas* canvas, const AnsiString& text, const TRect& rect,
                        int lineHeight, int errorStart, int errorLength) {
    TPoint start, end;
    {
        const std::unique_ptr<TEdit> edit(new TEdit(owner));
        edit->SetVisible(false);
        edit->SetParent(owner);
        edit->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        edit->SetText(text);
        const int length = int(text.size());
        auto position = [&](int index) {
            const LRESULT pos = SendMessage(edit->Handle(), EM_POSFROMCHAR, WPARAM(index), 0);
            return TPoint(short(LOWORD(pos)), short(HIWORD(pos)));
        };
        auto pastTheEnd = [&] {
            TPoint last = position(std::max(0, length - 1));
            last.x += 4;
            return last;
        };
        start = errorStart < length ? position(errorStart) : pastTheEnd();
        const int last = errorStart + errorLength - 1;
        if (last < length) {
            end = position(last);
        } else {
            end = pastTheEnd();
            end.y = start.y;
        }
    }
    canvas->Pen()->SetColor(clRed);
    canvas->Pen()->SetWidth(2);
    canvas->MoveTo(rect.left + start.x, rect.top + start.y + lineHeight + 3);
    int depth = 0, x = start.x;
    for (; x <= end.x; x += 3) {
        canvas->LineTo(rect.left + x + 3, rect.top + end.y + lineHeight + depth);
        depth = 3 - depth;
    }
    canvas->LineTo(rect.left + x + 3, rect.top + end.y + lineHeight + depth);
    canvas->Pen()->SetWidth(1);
}
