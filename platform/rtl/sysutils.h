// The string and number routines of SysUtils. Positions and lengths are in
// bytes and 1-based, as the platform's; the ANSI routines step by character
// and never split a Chinese character.
#pragma once

#include "platform/rtl/types.h"

// Integers.
AnsiString IntToStr(Int64 value);
AnsiString IntToHex(Int64 value, int digits);      // upper case; a negative value as 64-bit two's complement
// Integer text: leading blanks, a sign, decimal digits or "$"/"0x" hex;
// nothing may follow.
Integer StrToInt(const AnsiString& s);            // EConvertError on bad text or overflow
Integer StrToIntDef(const AnsiString& s, Integer fallback);
bool TryStrToInt(const AnsiString& s, Integer& value);
Int64 StrToInt64(const AnsiString& s);
Int64 StrToInt64Def(const AnsiString& s, Int64 fallback);
bool TryStrToInt64(const AnsiString& s, Int64& value);

// Floats. The separators come from the locale settings. A value is taken to
// 18 significant digits, then rounded half away from zero where the format
// asks; FloatToStr shows 15 significant digits and switches to "1E15" or
// "1E-5" form beyond them. floatformat.h holds the same engine for Currency.
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
AnsiString FloatToStr(double value);
AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits);
AnsiString FormatFloat(const AnsiString& format, double value);  // "#,##0.00;-#;零" sections
double StrToFloat(const AnsiString& s);           // EConvertError on bad text
double StrToFloatDef(const AnsiString& s, double fallback);
bool TryStrToFloat(const AnsiString& s, double& value);

// Arithmetic helpers.
Int64 Round(double value);                        // half to even; EInvalidOp beyond Int64
Int64 Trunc(double value);                        // EInvalidOp beyond Int64
double Frac(double value);
Integer MulDiv(Integer number, Integer numerator, Integer denominator);  // rounded; -1 when denominator is 0

// Strings; positions are 1-based byte offsets.
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);
AnsiString UpperCase(const AnsiString& s);        // ASCII letters only, character-aware
AnsiString LowerCase(const AnsiString& s);
AnsiString AnsiUpperCase(const AnsiString& s);
AnsiString AnsiLowerCase(const AnsiString& s);
// UTF-16 text: ASCII, Latin-1, Greek, Cyrillic and full-width letters.
WideString WideUpperCase(const WideString& s);
// The compare routines answer -1, 0 or 1.
int CompareStr(const AnsiString& a, const AnsiString& b);       // byte order
int CompareText(const AnsiString& a, const AnsiString& b);      // ASCII case ignored
bool SameText(const AnsiString& a, const AnsiString& b);
// Code-page (GB18030 byte) order with case folded, ASCII and the code page's
// full-width, Greek and Cyrillic letters alike; AnsiCompareStr then puts the
// string whose first differing character is lower case first.
int AnsiCompareStr(const AnsiString& a, const AnsiString& b);
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
bool AnsiSameText(const AnsiString& a, const AnsiString& b);
bool AnsiSameStr(const AnsiString& a, const AnsiString& b);
AnsiString QuotedStr(const AnsiString& s);                      // 'it''s'
AnsiString AnsiQuotedStr(const AnsiString& s, char quote);
AnsiString AnsiDequotedStr(const AnsiString& s, char quote);    // unchanged unless quoted and closed
// The quoted string opening src (doubled quotes as one; to the end when it
// never closes), taken off src with its quotes; "" when src opens otherwise.
AnsiString AnsiExtractQuotedStr(AnsiString& src, char quote);
// ASCII letters only.
char UpCase(char c);
// Text without its quotes when it opens with quote (doubled quotes inside
// taken as one, up to the closing quote); any other text unchanged.
AnsiString ExtractQuotedString(const AnsiString& s, char quote);
// Every line break (CR LF, LF, CR or LF CR) as CR LF.
AnsiString AdjustLineBreaks(const AnsiString& s);
bool IsValidIdent(const AnsiString& ident);
// File names compare and change case as the locale's texts do.
int AnsiCompareFileName(const AnsiString& a, const AnsiString& b);
AnsiString AnsiLowerCaseFileName(const AnsiString& s);
AnsiString AnsiUpperCaseFileName(const AnsiString& s);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = int;
AnsiString StringReplace(const AnsiString& s, const AnsiString& oldPattern, const AnsiString& newPattern,
                         TReplaceFlags flags);

// 0 when absent; both match whole characters only, never inside one.
int Pos(const AnsiString& sub, const AnsiString& s);
int AnsiPos(const AnsiString& sub, const AnsiString& s);
AnsiString Copy(const AnsiString& s, int index, int count);     // clamps like the platform
void Delete(AnsiString& s, int index, int count);
void Insert(const AnsiString& source, AnsiString& s, int index);
AnsiString StringOfChar(char c, int count);
// A trail byte is never a delimiter.
bool IsDelimiter(const AnsiString& delimiters, const AnsiString& s, int index);
int LastDelimiter(const AnsiString& delimiters, const AnsiString& s);  // 0 when none

// Command line and random numbers.
int ParamCount();
AnsiString ParamStr(int index);                   // 0: the executable's full path; "" out of range
void SetCommandLine(int argc, char** argv);       // called once by main
// RandSeed := RandSeed * $08088405 + 1 per draw, as the platform's.
Integer Random(Integer range);                    // 0 <= result < range; 0 when range <= 0
double Random();
void Randomize();
extern Cardinal RandSeed;

// The locale's texts (a fixed table for Chinese (PRC), the user's and the
// system's locale); `fallback` for an item or locale the table lacks.
AnsiString GetLocaleStr(Cardinal locale, Cardinal type, const AnsiString& fallback);
char GetLocaleChar(Cardinal locale, Cardinal type, char fallback);
// Reloads the format settings from the locale (formatsettings.h).
void GetFormatSettings();
// The OS's text for an error code; EOSError with the last error's text
// ("System Error.  Code: n.\r\n<text>"); Win32Check raises it for false.
AnsiString SysErrorMessage(Integer code);
[[noreturn]] void RaiseLastWin32Error();
bool Win32Check(bool result);
// No packages exist on this platform: loading raises EPackageError, and
// unloading has nothing to do.
Cardinal LoadPackage(const AnsiString& name);
void UnloadPackage(Cardinal module);

// The operating system the program reports: Windows NT 5.1.
constexpr int VER_PLATFORM_WIN32_NT = 2;
extern int Win32Platform;
extern int Win32MajorVersion;
extern int Win32MinorVersion;
extern int Win32BuildNumber;                      // 2600
extern AnsiString Win32CSDVersion;                // "Service Pack 3"

// The system's locale: simplified Chinese (PRC), a Far-East locale whose
// text is double-byte and typed through input methods.
struct TSysLocale {
    int DefaultLCID;
    int PriLangID;
    int SubLangID;
    bool FarEast;
    bool MiddleEast;
};
extern TSysLocale SysLocale;
