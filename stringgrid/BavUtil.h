// Free routines shared by the string grid's model, painting, input and
// transfer: cell text kinds and the wide cell text, number texts, cell
// references and links, positions and tokens, the line-break and quote
// conversions of the clipboard, CSV files and the text stream, dates, colours,
// transparent bitmaps and the layered-window calls.
//
// Texts are ANSI byte strings; positions are 1-based, 0 is "not found".
// Every search for an ASCII character steps by whole characters, since "|",
// "\", "@", "^" and "~" can be the trail byte of a Chinese character.
#pragma once

#include "platform/rtl/types.h"
#include "platform/ui/graphics.h"
#include "platform/ui/grids.h"
#include "platform/gdi/windef.h"

// ---- Cell text kinds and the wide cell text ------------------------------------------------

enum TCellTextKind : int { ctkPlain = 0, ctkHTML = 1, ctkRichText = 2, ctkFormula = 3, ctkWide = 5 };

// The prefix of a cell text that holds UTF-16 code units, high byte first.
inline constexpr char WideCellPrefix[] = "|\\";

int GetCellTextKind(const AnsiString& text, bool htmlCheck);
WideString CellTextToWide(const AnsiString& text);
AnsiString WideToCellText(const WideString& text);
// First occurrence of `sub` in the zero-terminated `s`; null when either is
// missing, `sub` is empty or longer than `s`.
const char16_t* WideStrPos(const char16_t* s, const char16_t* sub);
int WidePos(const WideString& sub, const WideString& s);

// ---- Numbers ---------------------------------------------------------------------------------

enum TNumericTextKind : int { ntInteger = 0, ntFloat = 1, ntOther = 2, ntScientific = 5 };

int ClassifyNumericText(const AnsiString& text);
// A number written with "." whatever the locale, leading blanks allowed;
// false unless the whole text is one, `value` keeping what was read.
bool ReadPlainFloat(const AnsiString& text, double& value);
// A text that StrToFloat accepts: separators of the locale, "(1,5)" negative.
AnsiString NormalizeNumberText(const AnsiString& text);
// A limit of 0 or less is no limit; equal limits leave the value alone.
int ClampToLimits(int value, int min, int max);
inline int MaxOf(int a, int b) { return a > b ? a : b; }
inline int MinOf(int a, int b) { return a < b ? a : b; }
// A packed version number (one byte each, major highest) as "1.2.3.4".
AnsiString VersionNumberText(Cardinal number);

// ---- Cell references and links ---------------------------------------------------------------

// "R<row>C<col>" in any case; coord is (column, row).
bool ParseCellReference(const AnsiString& text, TGridCoord& coord);
bool IsURLText(const AnsiString& text);
void StripURLPrefix(AnsiString& text);

// ---- Positions and tokens --------------------------------------------------------------------

int PosVar(const AnsiString& sub, const AnsiString& s, int& position);
// `sub` is matched against the upper-cased `s` as it is given.
int UpperCasePos(const AnsiString& sub, const AnsiString& s);
// `position` is written only when `ch` is found.
int FindCharPos(char ch, const AnsiString& s, int& position);
int CharPosition(char ch, const AnsiString& s);
// The first character of `charSet` that an even number of double quotes
// precedes; '\0' with position -1 when there is none.
char FindCharOutsideQuotes(const AnsiString& charSet, const AnsiString& s, int& position);
// Token := the text before the delimiter, which is cut from `s` together with
// the delimiter's first character; Token is empty when there is none.
void CutToken(AnsiString& s, const AnsiString& delimiter, AnsiString& token);
int CountCharOccurrences(char ch, const AnsiString& s);
bool CellInGridRect(const TGridRect& rect, int col, int row);

// ---- Line breaks, quotes and characters ------------------------------------------------------

void RestoreLineBreaks(AnsiString& s);
void TildeToLineBreaks(AnsiString& s);
AnsiString UnescapeNewlines(const AnsiString& s);
AnsiString RemoveCarriageReturns(const AnsiString& s);
AnsiString EncodeStreamLineBreaks(const AnsiString& s);
AnsiString DecodeStreamLineBreaks(const AnsiString& s, bool multiLine);
void CutFirstLine(AnsiString& s, bool keepRest, AnsiString& line);
int CountTextLines(const AnsiString& s, bool multiLine);
void FillWithChar(AnsiString& s, char ch);
void OemToAnsiString(AnsiString& s);
AnsiString RemoveDoubledChar(char ch, const AnsiString& s);
int FindClosingQuote(char quote, const AnsiString& s, int& position);
int CountClosingQuotes(char quote, const AnsiString& s);
char LowerCaseChar(char ch);
AnsiString ToMixedCase(const AnsiString& s);

// ---- Dates -----------------------------------------------------------------------------------

TDateTime AddToDate(int years, int months, int days, TDateTime value, TDateTime increment);
TDateTime ParseDateMDY(const AnsiString& s);
TDateTime ParseDateDMY(const AnsiString& s);
bool LooksLikeDate(const AnsiString& s);

// ---- Colours, bitmaps and windows ------------------------------------------------------------

COLORREF DimColor(TColor color);
// A one-pixel frame lit on its left and top, shaded on its right and bottom.
void DrawRaisedFrame(TCanvas* canvas, const TRect& rect, TColor light, TColor dark);
// Fills `rect` with `steps` bands from `fromColor` to `toColor` (across when
// `horizontal`); plainly with `fromColor` when `toColor` is clNone.
void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal);
// The colour at `position` of a gradient between `low` and `high`.
TColor BlendGradientColor(TColor fromColor, TColor toColor, int low, int high, int position);
void DrawTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, TColor backColor, const TRect& rect);
void DrawTransparentResourceBitmap(TCanvas* canvas, TColor backColor, const TRect& rect,
                                   const AnsiString& resourceName);

// ---- Indicators and cell areas ----------------------------------------------------------------

// Leaves the brush in `color`.
void FillRectColor(TCanvas* canvas, const TRect& rect, TColor color);

// The bar of a progress cell: done and rest parts inside the margins, the
// text split between their colours, `percent` of minimum .. maximum when a
// format is given, else the value itself as the percentage.
void DrawProgressBar(TCanvas* canvas, TRect rect, TColor doneColor, TColor doneTextColor, TColor restColor,
                     TColor restTextColor, int value, int marginX, int marginY, int minimum, int maximum,
                     const AnsiString& formatText, TColor borderColor);
// The visual style's progress bar inside the margins, its chunk `percent`
// of the inner width (not limited to it).
void DrawThemedProgressBar(HWND window, TCanvas* canvas, TRect rect, int marginX, int marginY, int percent);
// The pie from the top middle, clockwise, over `percent` of the circle.
void DrawProgressPie(TCanvas* canvas, const TRect& rect, TColor color, int percent);
// A bar from the middle: left for negative values, right for positive ones,
// the value limited to -range .. range.
void DrawRangeIndicator(TCanvas* canvas, TRect rect, int value, int range, bool showValue, TColor negativeColor,
                        TColor positiveColor);

// What the bar of levels shows, filled by the cell painter from the grid's
// progress appearance.
struct TProgressAppearanceRecord {
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo, Level2Color, Level2ColorTo, Level3Color,
        Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor;
    bool ShowBorder, Stacked, ShowPercentage;
    // The grid's font in the colour of completed text.
    TFont* Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    TColor BackgroundColor;
    // Only horizontal bars are drawn.
    bool Vertical;
};

// Segments of the level colours up to `percent`, stacked by the levels or
// in the colour of the level reached, smooth or in blocks.
void DrawProgressAppearanceBar(TCanvas* canvas, TRect rect, int percent, const TProgressAppearanceRecord& look);
// The drop-down button at the right edge of `rect`.
void DrawComboDropButton(TCanvas* canvas, HWND window, const TRect& rect, bool themed);
// A red zig-zag under the characters errorStart .. errorStart + errorLength - 1
// of `text` shown in `rect`, lineHeight below the top of their line.
void DrawErrorUnderline(TWinControl* owner, TCanvas* canvas, const AnsiString& text, const TRect& rect,
                        int lineHeight, int errorStart, int errorLength);

struct BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
};

constexpr DWORD LWA_COLORKEY = 1, LWA_ALPHA = 2;

// Looked up in "USER32.DLL" by name at every call; TRUE when it is not there.
BOOL CallUpdateLayeredWindow(HWND window, HDC destDC, POINT* destPoint, SIZE* size, HDC sourceDC,
                             POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags);
BOOL CallSetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);
