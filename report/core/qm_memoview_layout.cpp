// Text layout and drawing: lines are wrapped and measured at 96 pixels per
// inch on the report's measuring canvas and drawn on the target canvas with
// their character steps stretched to the scaled 96-per-inch width, so a
// printer shows the same lines, breaks and widths as the preview.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pictures.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

namespace {

constexpr int kScreenPixelsPerInch = 96;

int RoundInt(double value) { return static_cast<int>(Round(value)); }
int Pixels(Integer thousandths) { return RoundInt(FromInternalUnits(thousandths, qmutScreenPixels)); }
int PixelHeightOfPoints(Integer points) { return -RoundInt(points * 96.0 / 72); }

// A turned copy of a canvas's font, selected into the canvas's device
// context while the object lives.
class TurnedFont : public TQmSelectedObject {
public:
    TurnedFont(TCanvas* canvas, int angle, int width)
        : TQmSelectedObject(canvas->Handle(), CreateAngleFont(canvas->Font(), angle, width)) {}
};

SIZE Extent(HDC dc, const AnsiString& text) {
    SIZE size{};
    GetTextExtentPoint32(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

// The characters of a text, a double-byte character as one.
std::vector<AnsiString> Characters(const AnsiString& text) {
    std::vector<AnsiString> characters;
    for (std::size_t i = 0; i < text.size(); i += AnsiCharSize(text, i))
        characters.push_back(text.substr(i, AnsiCharSize(text, i)));
    return characters;
}

bool IsTag(const AnsiString& character) { return character == "~" || character == "_" || character == "|"; }

int RotationAngle(TQmRotationType rotation) {
    switch (rotation) {
    case qmrt90:
    case qmrt360: return 90;
    case qmrt270: return -90;
    default: return 0;
    }
}

}  // namespace

void DistributeDelta(int* steps, int count, int target, int actual) {
    if (count <= 0) return;
    int d = target - actual;
    if (std::abs(d) >= count) {
        const int share = d / count;
        for (int i = 0; i < count; ++i) steps[i] += share;
        d -= share * count;
    }
    if (d == 0) return;
    const int unit = d > 0 ? 1 : -1;
    const int step = count / std::abs(d);
    for (int position = 0; position < count && d != 0; position += step) {
        steps[position] += unit;
        d -= unit;
    }
    if (d != 0) steps[count / 2] += unit;
}

TCanvas* TQmCustomMemoView::MeasuringCanvas() const { return ParentReport->MeasuringCanvas(); }

void TQmCustomMemoView::ScaleDrawGeometry() { FontScaleWidth = RoundInt(FontScaleWidth * ScaleX); }

int TQmCustomMemoView::CharacterExtra() const { return RoundInt(CharacterSpacing * ScaleX); }

// ---- Layout ---------------------------------------------------------------

void TQmCustomMemoView::LayoutText() {
    TCanvas* canvas = MeasuringCanvas();
    canvas->Font()->Assign(font_.get());
    canvas->Font()->SetHeight(PixelHeightOfPoints(font_->Size()));
    SetTextCharacterExtra(canvas->Handle(), CharacterSpacing);
    if (ScaleFontType == qmstByWidth && GetDrawMode() != 0) ScaleFontToWidth();
    WrappedLines->Clear();
    const int widthRoom = GetspBound(2) - 2 * Pixels(GapLeft) - GetFrameWidthExtent();
    const int lengthRoom = GetspBound(3) - 2 * Pixels(GapTop) - GetFrameHeightExtent();
    switch (RotationType) {
    case qmrt90:
    case qmrt270: LayoutLines(90, lengthRoom, true, false); break;
    case qmrt180: LayoutLines(-1, lengthRoom, false, false); break;
    default: LayoutLines(0, widthRoom, true, true); break;
    }
    SetTextCharacterExtra(canvas->Handle(), 0);
    WrapNeeded = false;
}

// `angle` below 0 measures upright characters stacked one below the other.
void TQmCustomMemoView::LayoutLines(int angle, int available, bool horizontal, bool marker) {
    TCanvas* canvas = MeasuringCanvas();
    std::optional<TurnedFont> turned;
    if (angle >= 0) turned.emplace(canvas, angle, FontScaleWidth);
    const int pitch = LineSpacing - canvas->Font()->Height();
    const bool tags = Flag(QmFlag::MangeTag);
    int total = 0;
    auto add = [&](const AnsiString& line) {
        WrappedLines->Add(line);
        total += pitch;
    };
    if (!WrapNeeded) {
        for (int i = 0; i < Memo1->Count(); ++i) add(Memo1->Strings(i));
    } else {
        if (Flag(QmFlag::WordWrap)) {
            total = WrapTextLines(Memo1.get(), WrappedLines.get(), canvas, horizontal, tags, Flag(QmFlag::WordBreak),
                                  pitch, available);
        } else {
            const bool cutAtLineEnds = tags && angle != 90;
            for (int i = 0; i < Memo1->Count(); ++i) {
                if (!cutAtLineEnds) {
                    add(Memo1->Strings(i));
                    continue;
                }
                for (const AnsiString& piece : SplitAtCharacter(Memo1->Strings(i), '`')) add(piece);
            }
        }
        if (marker) WrappedLines->Add(LayoutMarker);
    }
    TextHeight = total - LineSpacing;
    LinePitch = pitch;
}

void TQmCustomMemoView::ScaleFontToWidth() {
    const int available = GetspBound(2) - 2 * Pixels(GapLeft) - GetFrameWidthExtent();
    if (available <= 9) return;
    TCanvas* canvas = MeasuringCanvas();
    TFont* font = canvas->Font();
    for (int i = 0; i < Memo1->Count(); ++i)
        while (canvas->TextWidth(Memo1->Strings(i)) > available && font->Size() > 0) font->SetSize(font->Size() - 1);
    font_->SetSize(font->Size());
}

void TQmCustomMemoView::TrimTrailingBlanks() {
    if (!Flag(QmFlag::WordWrap)) return;
    for (int i = 0; i < Memo1->Count(); ++i) {
        AnsiString line = Memo1->Strings(i);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        Memo1->SetStrings(i, line);
    }
}

Integer TQmCustomMemoView::CalcHeight() {
    if (!Visible) return 0;
    BeginDraw(MeasuringCanvas());
    SplitMode = 0;
    ExpandMemo();
    SplitMode = 1;
    std::unique_ptr<TFont> savedFont(TFont::Create());
    savedFont->Assign(font_.get());
    ApplyHighlight(false);
    Integer height = 0;
    if (Memo1->Count() > 0) {
        WrapNeeded = true;
        LayoutText();
        Memo1->Assign(WrappedLines.get());
        TrimTrailingBlanks();
        height = ToInternalUnits(qmutScreenPixels, 2 * Pixels(GapTop) + TextHeight + GetFrameHeightExtent());
    }
    font_->Assign(savedFont.get());
    EndDraw();
    // Merged rows keep the band's height: the first cell grows instead.
    if (repeatedOptions_->MergeRepeated() && Height < height && MergeContinues()) return Height;
    return height;
}

Integer TQmCustomMemoView::CalcRemainHeight() const {
    return ToInternalUnits(qmutScreenPixels, Memo1->Count() * LinePitch) + 2 * GapTop +
           ToInternalUnits(qmutScreenPixels, GetFrameHeightExtent());
}

// ---- Drawing --------------------------------------------------------------

void TQmCustomMemoView::SetCanvasFont(TCanvas* canvas) {
    canvas->Font()->Assign(font_.get());
    if (GetDrawMode() != 1) {
        const double pixels = font_->Size() * 96.0 / 72;
        canvas->Font()->SetHeight(ScaleY == 1.0 ? -RoundInt(pixels) : -static_cast<int>(pixels * ScaleY));
    }
    SetBkMode(canvas->Handle(), TRANSPARENT);
}

void TQmCustomMemoView::AutoSizeWidth() {
    SetCanvasFont(Canvas);
    SetTextCharacterExtra(Canvas->Handle(), CharacterExtra());
    AnsiString text = Memo->Text();
    if (text.ends_with("\r\n")) text.resize(text.size() - 2);
    const int width = Extent(Canvas->Handle(), text).cx;
    SetspBound(2, RoundInt(2 * Pixels(GapLeft) + width / ScaleX + GetFrameWidthExtent() - 2 * CharacterSpacing));
}

void TQmCustomMemoView::Draw(TCanvas* canvas) {
    PrintingFlag = false;
    Canvas = canvas;
    if (Flag(QmFlag::AutoWidth) && GetDrawMode() != 0) AutoSizeWidth();
    AlignToBand();
    Memo1->Assign(Memo.get());
    if (Memo1->Count() > 0) {
        const bool laidOut = Memo1->Strings(Memo1->Count() - 1) == LayoutMarker;
        if (laidOut) Memo1->Delete(Memo1->Count() - 1);
        const double scaleX = ScaleX, scaleY = ScaleY;
        ScaleX = ScaleY = 1.0;
        BeginDraw(canvas);
        WrapNeeded = !laidOut;
        LayoutText();
        const Byte mode = GetDrawMode();
        if (ScaleFontType == qmstByHeight && (mode == 1 || mode == 2)) {
            const int room = std::abs(DrawRect.bottom - DrawRect.top - 2 * Pixels(GapTop));
            while (TextHeight > room && font_->Size() >= 5) {
                font_->SetSize(font_->Size() - 1);
                WrapNeeded = !laidOut;
                LayoutText();
            }
        }
        if (WrappedLines->Count() > 0 && WrappedLines->Strings(WrappedLines->Count() - 1) == LayoutMarker)
            WrappedLines->Delete(WrappedLines->Count() - 1);
        Memo1->Assign(WrappedLines.get());
        ScaleX = scaleX;
        ScaleY = scaleY;
        EndDraw();
    }
    BeginDraw(canvas);
    DrawBackground();
    ShowFrame();
    if (Flag(QmFlag::Underlines)) DrawUnderlines();
    if (Memo1->Count() > 0) DrawLines();
    SetTextCharacterExtra(canvas->Handle(), 0);
    EndDraw();
}

void TQmCustomMemoView::ExportData() {
    ExportFlag = true;
    Draw(MeasuringCanvas());
    ExportFlag = false;
}

void TQmCustomMemoView::DrawUnderlines() {
    SetCanvasFont(Canvas);
    HDC dc = Canvas->Handle();
    TEXTMETRICA metrics{};
    GetTextMetrics(dc, &metrics);
    const int characterHeight = metrics.tmHeight;
    LOGBRUSH brush;
    brush.lbStyle = BS_SOLID;
    brush.lbColor = ColorToRGB(Frame(qmfsTop)->Color());
    const TQmSelectedObject pen(
        dc, ExtCreatePen(PS_GEOMETRIC | PS_SOLID, static_cast<DWORD>(std::max(1, RoundInt(ScaleY))), &brush, 0, nullptr));
    const int pitch = RoundInt(LineSpacing * ScaleY) + characterHeight;
    const int lines = pitch > 0 ? GetspBound(3) / pitch : 0;
    const int left = GetspBound(0), right = left + GetspBound(2) - 1;
    for (int l = 0; l < lines; ++l) {
        const int y = GetspBound(1) + Pixels(GapTop) + RoundInt(2 * ScaleY) + l * pitch + characterHeight;
        MoveToEx(dc, left, y, nullptr);
        LineTo(dc, right, y);
    }
}

std::pair<int, int> TQmCustomMemoView::DisplayRange() const {
    const int last = Memo1->Count() - 1;
    if (DisplayBeginLine >= 0 && DisplayEndLine >= 0) return {DisplayBeginLine, std::min<int>(DisplayEndLine, last)};
    return {0, last};
}

void TQmCustomMemoView::DrawLines() {
    SetCanvasFont(Canvas);
    SetTextCharacterExtra(Canvas->Handle(), CharacterExtra());
    TextHeight = RoundInt(TextHeight * ScaleY);
    const TRect r = DrawRect;
    const int gapX = Pixels(GapLeft), gapY = Pixels(GapTop), h = TextHeight;
    DrawnLineCount = 0;
    switch (RotationType) {
    case qmrt90: {
        const int x = VAlign == qmvTop ? r.left + gapX : VAlign == qmvCenter ? r.left + (r.right - r.left - h) / 2
                                                                            : r.right - h - gapX;
        DrawTurned(x, gapY, 90);
        break;
    }
    case qmrt270: {
        const int x = VAlign == qmvTop ? r.right - gapX : VAlign == qmvCenter ? r.right - (r.right - r.left - h) / 2
                                                                             : r.left + gapX + h;
        DrawTurned(x, gapY, -90);
        break;
    }
    case qmrt180: {
        // The stacked text's width: each column's widest character, the
        // line spacing between columns.
        int width = 0;
        const auto [first, last] = DisplayRange();
        for (int i = first; i <= last; ++i) {
            int widest = 0;
            for (const AnsiString& character : Characters(Memo1->Strings(i)))
                widest = std::max<int>(widest, Extent(Canvas->Handle(), character).cx);
            width += widest - CharacterExtra();
            if (i < last) width += RoundInt(LineSpacing * ScaleX);
        }
        const int x = VAlign == qmvTop ? r.right - gapX : VAlign == qmvCenter ? r.left + (r.right - r.left + width) / 2
                                                                             : r.left + gapX + width;
        DrawStacked(x, gapY);
        break;
    }
    case qmrt360: {
        const int y = VAlign == qmvTop ? r.top + gapY : VAlign == qmvCenter ? r.top + (r.bottom - r.top - h) / 2
                                                                           : r.bottom - gapY - h;
        DrawSideways(y, gapX);
        break;
    }
    default: {
        const int y = VAlign == qmvTop ? r.top + gapY : VAlign == qmvCenter ? r.top + (r.bottom - r.top - h - 1) / 2
                                                                           : r.bottom - h - gapY - 1;
        DrawHorizontal(y, gapX);
        break;
    }
    }
}

void TQmCustomMemoView::DrawHorizontal(int y, int gapX) {
    const TRect r = DrawRect;
    const int lineHeight = RoundInt(-font_->Height() * ScaleY);
    const int spacing = RoundInt(LineSpacing * ScaleY);
    const int extra = CharacterExtra();
    const auto [first, last] = DisplayRange();
    drawRotation_ = qmrtNone;
    for (int i = first; i <= last; ++i) {
        const AnsiString line = Memo1->Strings(i);
        const Integer target = MeasureLineWidth(line);
        if (PrintingFlag && y + lineHeight > r.bottom) break;
        const TurnedFont turned(Canvas, 0, FontScaleWidth);
        int x = r.left + gapX;
        if (HAlign == qmhRight) x = r.right + extra - gapX - target;
        if (HAlign == qmhCenter) x = r.left + RoundInt(extra / 2.0) + (r.right - r.left - target) / 2;
        if (HAlign == qmhEuqal) {
            const int n = CountCharacters(line);
            const int spread = n > 1 ? static_cast<int>(
                                           (extra + r.right - r.left - Extent(Canvas->Handle(), line).cx - 2 * gapX) / (n - 1))
                                     : 0;
            DrawCharacters(x, y, spread, line);
        } else if (Flag(QmFlag::MangeTag)) {
            DrawCharacters(x, y, 0, line);
        } else {
            TextOutFitted(x, y, line, target);
        }
        ++DrawnLineCount;
        if (ExportFlag && ParentReport) ParentReport->ExportText(DrawRect, x, y, this, line);
        y += lineHeight + spacing;
    }
}

// Lines of text turned by 90 degrees (reading upwards, lines moving right)
// or -90 degrees (reading downwards, lines moving left).
void TQmCustomMemoView::DrawTurned(int x, int gapY, int angle) {
    const TRect r = DrawRect;
    const int extra = CharacterExtra();
    const int pitch = RoundInt(LineSpacing * ScaleX) - Canvas->Font()->Height();
    const auto [first, last] = DisplayRange();
    drawRotation_ = angle > 0 ? qmrt90 : qmrt270;
    for (int i = first; i <= last; ++i) {
        const AnsiString line = Memo1->Strings(i);
        const Integer target = MeasureLineWidth(line);
        const TurnedFont turned(Canvas, angle, FontScaleWidth);
        const int textWidth = Extent(Canvas->Handle(), line).cx;
        const int length = r.bottom - r.top;
        const int n = CountCharacters(line);
        const int spread =
            n > 1 ? static_cast<int>((extra + length - textWidth - 2 * gapY) / (n - 1)) : 0;
        if (HAlign == qmhEuqal) {
            DrawCharacters(x, angle > 0 ? r.bottom - gapY : r.top + gapY, spread, line);
        } else {
            int y = 0;
            const int width = CharacterSpacing != 0 ? textWidth : target;
            if (angle > 0) {
                y = HAlign == qmhLeft ? r.bottom - gapY
                    : HAlign == qmhRight
                        ? r.top + gapY + (CharacterSpacing != 0 ? textWidth - extra : target)
                        : r.bottom - (length - width) / 2;
            } else {
                y = HAlign == qmhLeft    ? r.top + gapY
                    : HAlign == qmhRight ? r.bottom + extra - textWidth - gapY
                                         : r.top + (length - textWidth + extra) / 2;
            }
            TextOutFitted(x, y, line, target);
        }
        ++DrawnLineCount;
        x += angle > 0 ? pitch : -pitch;
    }
}

// Upright characters one below the other, columns from right to left.
void TQmCustomMemoView::DrawStacked(int x, int gapY) {
    const TRect r = DrawRect;
    const auto [first, last] = DisplayRange();
    drawRotation_ = qmrt180;
    x += CharacterExtra();
    for (int i = first; i <= last; ++i) {
        const AnsiString line = Memo1->Strings(i);
        const int length = MeasureRun(line, false);
        int y = r.top + gapY;
        if (HAlign == qmhRight) y = r.bottom - length - gapY;
        if (HAlign == qmhCenter) y = r.top + (r.bottom - r.top - length - 2 * gapY) / 2;
        const int n = CountCharacters(line);
        const int spread = HAlign == qmhEuqal && n > 1 ? (r.bottom - r.top - length - 2 * gapY) / (n - 1) : 0;
        x -= DrawCharacters(x, y, spread, line);
        ++DrawnLineCount;
    }
}

// Characters turned by 90 degrees, read from left to right, lines downwards.
void TQmCustomMemoView::DrawSideways(int y, int gapX) {
    const TRect r = DrawRect;
    const int pitch = RoundInt(LineSpacing * ScaleX) - Canvas->Font()->Height();
    const auto [first, last] = DisplayRange();
    drawRotation_ = qmrt360;
    y -= CharacterExtra();
    for (int i = first; i <= last; ++i) {
        const AnsiString line = Memo1->Strings(i);
        const int length = MeasureRun(line, false);
        int x = r.left + gapX;
        if (HAlign == qmhRight) x = r.right - length - gapX;
        if (HAlign == qmhCenter) x = r.left + (r.right - r.left - length) / 2;
        const int n = CountCharacters(line);
        const int spread = HAlign == qmhEuqal && n > 1 ? (r.right - r.left - length) / (n - 1) : 0;
        DrawCharacters(x, y, spread, line);
        ++DrawnLineCount;
        y += pitch;
    }
}

Integer TQmCustomMemoView::MeasureLineWidth(const AnsiString& line) {
    if (RotationType == qmrt180) return 0;
    if (Flag(QmFlag::MangeTag) && RotationType != qmrt90) return MeasureRun(line, true);
    TCanvas* canvas = MeasuringCanvas();
    canvas->Font()->Assign(font_.get());
    canvas->Font()->SetHeight(PixelHeightOfPoints(font_->Size()));
    SetTextCharacterExtra(canvas->Handle(), CharacterSpacing);
    const TurnedFont turned(canvas, RotationAngle(RotationType), RoundInt(FontScaleWidth / ScaleX));
    const int extent = Extent(canvas->Handle(), line).cx;
    SetTextCharacterExtra(canvas->Handle(), 0);
    return RoundInt(extent * ScaleX / kScreenPixelsPerInch * 96);
}

void TQmCustomMemoView::TextOutFitted(int x, int y, const AnsiString& line, Integer targetWidth) {
    HDC dc = Canvas->Handle();
    const UINT options = ETO_CLIPPED | (Flag(QmFlag::RightToLeft) ? ETO_RTLREADING : 0);
    const RECT clip = DrawRect;
    const int length = static_cast<int>(line.size());
    const int actual = Extent(dc, line).cx;
    if (targetWidth > 0 && targetWidth != actual && Characters(line).size() >= 2) {
        std::vector<int> extents(line.size());
        SIZE size{};
        GetTextExtentExPoint(dc, line.data(), length, 0, nullptr, extents.data(), &size);
        std::vector<int> steps(line.size());
        for (int i = 0; i < length; ++i) steps[i] = extents[i] - (i > 0 ? extents[i - 1] : 0);
        DistributeDelta(steps.data(), length - 1, targetWidth, actual);
        SetTextCharacterExtra(dc, 0);
        ExtTextOut(dc, x, y, options, &clip, line.data(), static_cast<UINT>(length), steps.data());
        SetTextCharacterExtra(dc, CharacterExtra());
        return;
    }
    ExtTextOut(dc, x, y, options, &clip, line.data(), static_cast<UINT>(length), nullptr);
}

Integer TQmCustomMemoView::DrawCharacters(int x, int y, Integer extra, const AnsiString& text) {
    extra = std::max<Integer>(extra, 0);
    TFont* font = Canvas->Font();
    const Integer fullHeight = font->Height();
    const Integer fullSize = font->Size();
    const Integer smallSize = std::max<Integer>(6, fullSize / 2);
    const int angle = RotationAngle(drawRotation_);
    const bool turnedCharacters = drawRotation_ != qmrtNone && drawRotation_ != qmrt180;
    const int characterExtra = CharacterExtra();
    const int lineSpacing = RoundInt(LineSpacing * ScaleX);
    const bool tags = Flag(QmFlag::MangeTag);
    std::optional<TurnedFont> turned;
    auto selectFont = [&] {
        turned.reset();
        if (turnedCharacters || FontScaleWidth > 0) turned.emplace(Canvas, angle, FontScaleWidth);
    };
    selectFont();
    const int baseY = y;
    int added = 0;
    int column = 0;
    for (const AnsiString& character : Characters(text)) {
        if (tags && IsTag(character)) {
            if (character == "|") {
                font->SetHeight(fullHeight);
                y = baseY;
                added = 0;
            } else {
                font->SetSize(smallSize);
                if (extra != 0) added = fullSize - smallSize;
                if (character == "_")
                    y = baseY + (fullSize - smallSize / 2) * (font->PixelsPerInch() / kScreenPixelsPerInch);
            }
            selectFont();
            continue;
        }
        const SIZE size = Extent(Canvas->Handle(), character);
        switch (drawRotation_) {
        case qmrt90:
            TextOutFitted(x, y, character, 0);
            y -= size.cx + added + extra;
            break;
        case qmrt270:
            TextOutFitted(x, y, character, 0);
            y += size.cx + added + extra;
            break;
        case qmrt180:
            TextOutFitted(x - size.cx, y, character, 0);
            y += size.cy + added + extra + characterExtra;
            column = std::max<int>(column, size.cx + lineSpacing - characterExtra);
            break;
        case qmrt360:
            TextOutFitted(x, y + size.cx, character, 0);
            x += size.cy + added + extra + characterExtra;
            column = std::max<int>(column, size.cx);
            break;
        default:
            TextOutFitted(x, y, character, 0);
            x += size.cx + added + extra;
            break;
        }
    }
    turned.reset();
    font->SetHeight(fullHeight);
    return column;
}

Integer TQmCustomMemoView::MeasureRun(const AnsiString& text, bool horizontal) {
    TFont* font = Canvas->Font();
    const Integer fullHeight = font->Height();
    const Integer smallSize = std::max<Integer>(6, font->Size() / 2);
    const bool tags = Flag(QmFlag::MangeTag);
    const bool spaced = RotationType == qmrt180 || RotationType == qmrt360;
    int sum = 0;
    bool firstCharacter = true;
    for (const AnsiString& character : Characters(text)) {
        if (tags && IsTag(character)) {
            if (character == "|")
                font->SetHeight(fullHeight);
            else
                font->SetSize(smallSize);
            continue;
        }
        if (spaced && !firstCharacter) sum += CharacterExtra();
        const SIZE size = Extent(Canvas->Handle(), character);
        sum += horizontal ? size.cx : size.cy;
        firstCharacter = false;
    }
    font->SetHeight(fullHeight);
    return sum;
}

Integer TQmCustomMemoView::CountCharacters(const AnsiString& text) const {
    const bool tags = Flag(QmFlag::MangeTag);
    Integer count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = AnsiCharSize(text, i);
        const bool beforeTag = tags && size == 1 && i + 1 < text.size() && IsTag(AnsiString(1, text[i + 1]));
        if (!beforeTag) ++count;
        i += size;
    }
    return count;
}
