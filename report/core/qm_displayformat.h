// Display formats of report values: a packed kind (general, number, date,
// time, Boolean) with its sub-kind, decimals and decimal separator, plus a
// format text; the engine's date, time and Boolean format tables.
#pragma once

#include <array>

#include "platform/rtl/variant.h"

struct TQmDisplayFormat {
    enum Kind : Byte { General, Number, Date, Time, Boolean };
    Byte Kind = General;
    Byte SubKind = 0;
    Byte Decimals = 0;
    char DecimalSeparator = '.';

    // The four bytes as records store them, kind in the low byte.
    Cardinal Packed() const;
    static TQmDisplayFormat FromPacked(Cardinal packed);
};

// Filled from the engine's texts by LoadEngineTexts.
extern std::array<AnsiString, 4> QmBooleanFormats;  // "0;1", "No;Yes", "_;x", "False;True"
extern std::array<AnsiString, 7> QmDateFormats;
extern std::array<AnsiString, 4> QmTimeFormats;

// The value as text in the format; "" for empty, Null or an unknown kind,
// a blank text unchanged, and the value's plain text when formatting fails.
// The locale's separators are the same afterwards.
AnsiString FormatValue(const Variant& value, const TQmDisplayFormat& format, const AnsiString& formatText);
// Reads a format text's kind letter ("N" or a digit, "B", "D", "T"),
// which it removes; other texts leave both unchanged. An empty text is
// the general kind.
void ParseDisplayFormat(AnsiString& formatText, TQmDisplayFormat& format);
// "Price #N0.00" or "Day :Dyyyy": the expression keeps what stands before
// " #" (or " :"), whose rest, when it names a kind, replaces the format the
// caller passes in (an object's own, or an empty one).
void SplitExpressionFormat(AnsiString& expression, AnsiString& formatText, TQmDisplayFormat& format);
// FormatDateTime with "/" printed as "/" under any locale.
AnsiString FormatDateTimeSlash(const AnsiString& format, TDateTime value);
