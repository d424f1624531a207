// Format: the platform's printf-like formatting over an "array of const".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "platform/rtl/types.h"

// One argument of an "array of const". Built implicitly from the value, so a
// call reads `Format("%d: %s", {Count, Name})`. A string argument is copied,
// so an argument list may outlive the strings it was built from.
class TVarRec {
public:
    enum class Kind { Integer, Int64, Extended, Currency, String, Char, Boolean, Pointer };

    TVarRec(int value) : kind_(Kind::Integer), int_(value) {}
    TVarRec(unsigned value) : kind_(Kind::Int64), int_(value) {}
    TVarRec(long value) : kind_(Kind::Int64), int_(value) {}
    TVarRec(long long value) : kind_(Kind::Int64), int_(value) {}
    TVarRec(unsigned long value) : kind_(Kind::Int64), int_(static_cast<Int64>(value)) {}
    TVarRec(double value) : kind_(Kind::Extended), float_(value) {}
    TVarRec(bool value) : kind_(Kind::Boolean), int_(value) {}
    TVarRec(char value) : kind_(Kind::Char), int_(static_cast<unsigned char>(value)) {}
    TVarRec(const char* value) : kind_(Kind::String), string_(value ? value : "") {}
    TVarRec(const AnsiString& value) : kind_(Kind::String), string_(value) {}
    TVarRec(const void* value) : kind_(Kind::Pointer), pointer_(value) {}

    // A Currency argument: the 64-bit value scaled by 10,000.
    static TVarRec FromCurrency(Int64 scaled) {
        TVarRec r(0LL);
        r.kind_ = Kind::Currency;
        r.int_ = scaled;
        return r;
    }

    Kind kind() const { return kind_; }
    Int64 AsInt64() const { return int_; }
    double AsExtended() const { return float_; }
    const char* AsString() const { return string_.c_str(); }
    const AnsiString& AsAnsiString() const { return string_; }
    const void* AsPointer() const { return pointer_; }

private:
    Kind kind_;
    Int64 int_ = 0;
    double float_ = 0;
    AnsiString string_;
    const void* pointer_ = nullptr;
};

using TVarRecs = std::initializer_list<TVarRec>;

// Specifiers: %d %u %e %f %g %n %m %p %s %x with index ("%1:s"), "-" for
// left alignment, width and precision (each may be "*"), "%%". A specifier
// that does not fit its argument raises EConvertError.
AnsiString Format(const AnsiString& format, TVarRecs args);
// The same over a list of arguments built at run time (a script's open array).
AnsiString Format(const AnsiString& format, std::span<const TVarRec> args);
// The same results into a string, or into the caller's buffers: StrFmt
// needs room for the whole text and its zero, StrLFmt writes at most
// maxLen characters and a zero, FormatBuf formats the first fmtLen bytes of
// format into at most bufLen bytes (no zero) and answers how many.
void FmtStr(AnsiString& result, const AnsiString& format, std::span<const TVarRec> args);
char* StrFmt(char* buffer, const char* format, std::span<const TVarRec> args);
char* StrLFmt(char* buffer, std::size_t maxLen, const char* format, std::span<const TVarRec> args);
std::size_t FormatBuf(char* buffer, std::size_t bufLen, const char* format, std::size_t fmtLen,
                      std::span<const TVarRec> args);
