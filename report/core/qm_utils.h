// Qm_utils: the routines the report classes, the standard functions, the
// preview and the dialogs share — the stream primitives of every record,
// the engine's texts, wrapping with the rules of Chinese text, Chinese
// numerals and capitals, small text routines, and the control, form
// placement and picture drawing helpers with their device-compatible canvas.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/rtl/currency.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"

class TStream;
class TStrings;
class TComponent;
class TControl;
class TWinControl;
class TCustomForm;

// A text too long for a report stream's 16-bit length word. Writers of
// records name the text's owner (the object or page being written).
class EQmTextTooLong : public Exception {
    SERVIORA_CLASS(EQmTextTooLong, Exception)
public:
    explicit EQmTextTooLong(std::size_t length);
    std::size_t Length() const { return length_; }
    const AnsiString& Owner() const { return owner_; }
    void SetOwner(const AnsiString& owner);

private:
    std::size_t length_;
    AnsiString owner_;
};

// Stream primitives: little-endian, no padding. Readers raise EReadError at
// the end of the stream.
bool ReadBoolean(TStream* stream);
void WriteBoolean(TStream* stream, bool value);
Byte ReadByte(TStream* stream);
void WriteByte(TStream* stream, Byte value);
Word ReadWord(TStream* stream);
void WriteWord(TStream* stream, Word value);
Integer ReadInteger(TStream* stream);
void WriteInteger(TStream* stream, Integer value);
Cardinal ReadLongWord(TStream* stream);
void WriteLongWord(TStream* stream, Cardinal value);
// A 16-bit byte count and the bytes. Writing more than 65,535 bytes raises
// EQmTextTooLong and writes nothing.
void ReadString(TStream* stream, AnsiString& target);
void WriteString(TStream* stream, const AnsiString& value);
// A 32-bit byte count, then every line followed by CR LF. The target is
// cleared first and the bytes split at CR LF, CR or LF.
void ReadStringList(TStream* stream, TStrings* target);
void WriteStringList(TStream* stream, const TStrings* value);
// Name, size field (negative: the height), stored style, raw colour and
// character set. The stored style has italic in bit 0 and bold in bit 1.
void ReadFont(TStream* stream, TFont* font);
void WriteFont(TStream* stream, const TFont* font);
TFontStyles StoredStyleToFontStyle(Word stored);
Word FontStyleToStoredStyle(TFontStyles style);

// The engine's text of an id (qm_resourcestrings.h); every engine message
// goes through it.
AnsiString LoadReportString(int id);

// "\"x\"" -> "x" for a text longer than two characters; others unchanged.
AnsiString RemoveQuotes(const AnsiString& text);
// Wraps every source line into destination lines no wider than `width` and
// answers the line pitch times the number of lines written. Vertical text
// is measured by the heights of its characters; with tags, "~" and "_" make
// the following characters small and "|" full size again, and "`" breaks
// the line. With word break, none of the 42 closing punctuation marks of
// Chinese text starts a line when the chunk before it can move with it.
int WrapTextLines(const TStrings* source, TStrings* dest, TCanvas* canvas, bool horizontal, bool tags,
                  bool wordBreak, int linePitch, int width);
// The pieces between the single-byte delimiters (a trail byte equal to the
// delimiter does not split).
std::vector<AnsiString> SplitAtCharacter(const AnsiString& text, char delimiter);
// The text between the "[" at `start` (1-based) and its closing "]", nested
// brackets and quoted texts included; `end` is the closing bracket's
// position. Empty when the text is empty or start lies at or past its end.
AnsiString ExtractBracketedText(const AnsiString& text, int& start, int& end);
// The bytes in reverse order.
AnsiString ReverseString(const AnsiString& text);
// 1001 -> 壹仟零壹元整, -3.2 -> 负叁元贰角整.
AnsiString CurrToChineseCapitals(Currency value);
// 1020 -> 一千零二十, 100.5 -> 一百点五, 100000000 -> 一亿.
AnsiString NumberToChineseNumerals(const AnsiString& number);
// Every digit of the trimmed text as its capital digit; EConvertError for
// any other character.
AnsiString DigitsToChineseCapitals(const AnsiString& digits);
// The capital digit `n` places left of the decimal point of the value's
// shortest text; empty when n is 0, the text has no point, or the place is
// outside it.
AnsiString DigitCapitalAt(double value, int n);
// 2016 -> 二０一六; 0 -> ０.
AnsiString NumberToChineseDigits(Integer value);
AnsiString MonthToEnglishShort(int month);
AnsiString MonthToEnglishLong(int month);
// n <> 0: to n decimals, halves away from zero; n = 0: to an integer,
// halves to even.
double RoundToDecimals(double value, int n);
// The platform's family: "NT" here.
AnsiString GetWindowsVersionText();
bool IsNumericText(const AnsiString& text);
// The piece from `position` (1-based) to the next separator; a separator
// longer than one character is searched as a word between blanks, letter
// case ignored. Moves position past the separator, or to -1 at the end.
AnsiString ExtractNextToken(const AnsiString& text, const AnsiString& separator, int& position);
bool SameTextLen(const AnsiString& a, const AnsiString& b);
// The n-th (1-based) item of a text whose items each end with character 1.
AnsiString GetDelimitedItem(const AnsiString& text, int n);
// The number in a text such as " ￥1,234.50元": no leading or trailing
// non-digits, no thousand separators.
AnsiString CleanNumberText(const AnsiString& text);

// Enables or disables the controls, greying labels' text and windowed
// controls' background.
void SetControlsEnabled(std::initializer_list<TControl*> controls, bool enabled);
// The same for every child below `parent` (not for parent itself); edits
// and combo boxes take the inactive-border colour when disabled.
void SetChildControlsEnabled(TWinControl* parent, bool enabled);
// "Form1.Edit1" through the live forms and data modules; "Edit1" among the
// owner's components. nullptr for an empty path; EClassNotFound
// "Missing " + path when nothing is found.
TComponent* FindComponentByPath(TComponent* owner, const AnsiString& path);
// Sets the string property to the engine text of `id` when that text is
// not empty and the object publishes the property.
void LocalizeControlText(TObject* control, const AnsiString& propName, int id);
// An integer, enumeration, float or string property of the component at
// `path`; 0 when there is none.
Variant GetControlPropValue(TComponent* owner, const AnsiString& path, const AnsiString& propName);
// A form's bounds and maximized state in the emulated registry below the
// engine's root key, section "Form\" + the form's class name.
void SaveFormPlacement(const AnsiString& subKey, TCustomForm* form);
void RestoreFormPlacement(const AnsiString& subKey, TCustomForm* form);

// A bitmap's stored resolution (pixels per metre / 39); 96 otherwise.
void GetGraphicResolution(TGraphic* graphic, int& horizontal, int& vertical);
// Draws a graphic into the rectangle: stretched on screens; on printers
// bitmaps go through device-independent bits, transparent ones with white
// as the key.
void DrawGraphic(TCanvas* canvas, const TRect& rect, TGraphic* graphic, bool transparent, bool direct,
                 bool printing);

// A pen, brush or font the scope owns, selected into a device context
// while the scope lives; then the previous object goes back and this one is
// deleted.
class TQmSelectedObject {
public:
    TQmSelectedObject(HDC dc, HGDIOBJ object);
    ~TQmSelectedObject();
    TQmSelectedObject(const TQmSelectedObject&) = delete;
    TQmSelectedObject& operator=(const TQmSelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ old_;
};

// A canvas on a memory DC compatible with a reference DC (a printer's),
// where pictures are composed before they are copied to the device.
class TQmDeviceCompatibleCanvas : public TCanvas {
    SERVIORA_CLASS(TQmDeviceCompatibleCanvas, TCanvas)
public:
    // A white bitmap of the size, with the palette (the system's 16-colour
    // one when none) selected and realized.
    TQmDeviceCompatibleCanvas(HDC referenceDC, HPALETTE palette, int height, int width);
    ~TQmDeviceCompatibleCanvas() override;

    // Copies the memory bitmap into the rectangle of the reference DC.
    void Draw(const TRect& rect, HPALETTE palette, DWORD rop);

    // These draw on any canvas, a printer's as well as a memory one.
    // Stretches the bitmap's device-independent bits into the rectangle.
    static void StretchBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap, DWORD rop);
    // Stretches the bitmap with white as the transparent colour.
    static void DrawTransparentBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap);
    // DrawTransparentBitmap where the device can stretch blocks, else
    // StretchBitmap.
    static void DrawBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap, DWORD rop);

protected:
    void CreateHandle() override;
    void Changing() override;

private:
    // Keeps the font's point size at the reference device's resolution.
    void AdjustFontResolution();

    HDC referenceDC_;
    int width_, height_;
    HDC memoryDC_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ oldBitmap_ = 0;
    HPALETTE oldPalette_ = 0;
    bool paletteSelected_ = false;
};
