// Integer and float text conversions and the arithmetic helpers of SysUtils.
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

namespace {

std::size_t SkipSpaces(const AnsiString& s, std::size_t i) {
    while (i < s.size() && s[i] == ' ') ++i;
    return i;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The platform's integer text: leading blanks, an optional sign, then
// decimal digits or hex digits after "$" or "0x"; nothing may follow. A
// decimal value must fit the signed range of `bits`; hex digits may use the
// whole unsigned range and wrap, so "$FFFFFFFF" reads as -1.
bool ParseInteger(const AnsiString& s, int bits, Int64& value) {
    std::size_t i = SkipSpaces(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size()) return false;
    const std::uint64_t unsignedMax = bits == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << bits) - 1;
    const std::uint64_t limit = base == 16 ? unsignedMax : (unsignedMax >> 1) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        int digit = HexDigit(s[i]);
        if (digit < 0 || digit >= base) return false;
        if (magnitude > (limit - std::uint64_t(digit)) / std::uint64_t(base)) return false;
        magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
    }
    if (negative) magnitude = 0 - magnitude;
    if (bits == 32) {
        value = std::int32_t(std::uint32_t(magnitude));
    } else {
        value = Int64(magnitude);
    }
    return true;
}

// The raising and the defaulting face of a Try conversion.
template <typename T>
T ConvertOrThrow(const AnsiString& s, bool (*tryConvert)(const AnsiString&, T&), const char* kind) {
    T value{};
    if (!tryConvert(s, value)) throw EConvertError("'" + s + "' is not a valid " + kind);
    return value;
}

template <typename T>
T ConvertOr(const AnsiString& s, bool (*tryConvert)(const AnsiString&, T&), T fallback) {
    T value{};
    return tryConvert(s, value) ? value : fallback;
}

[[noreturn]] void ThrowInvalidFloatOperation() { throw EInvalidOp("Invalid floating point operation"); }

// Whether a float that does not fit a double is too small (it then reads as
// zero) rather than too large: the decimal magnitude of its leading digit.
int DecimalMagnitude(const std::string& mantissa, int exponent) {
    std::size_t point = mantissa.find('.');
    if (point == std::string::npos) point = mantissa.size();
    std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos) return 0;
    int magnitude = first < point ? int(point - first) - 1 : -int(first - point);
    return magnitude + exponent;
}

// The platform's float text: blanks around, a sign, digits with the locale's
// decimal separator, an optional exponent. No thousands separators.
bool ParseFloat(const AnsiString& s, double& value) {
    std::size_t i = SkipSpaces(s, 0);
    std::string text;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') text += '-';
        ++i;
    }
    std::string mantissa;
    int digits = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            mantissa += c;
            ++digits;
        } else if (c == DecimalSeparator && mantissa.find('.') == std::string::npos) {
            mantissa += '.';
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    int exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t start = ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t digitsStart = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == digitsStart) return false;
        const char* from = s.data() + start + (s[start] == '+' ? 1 : 0);
        if (std::from_chars(from, s.data() + i, exponent).ec != std::errc()) exponent = s[start] == '-' ? -99999 : 99999;
    }
    if (SkipSpaces(s, i) != s.size()) return false;
    text += mantissa + "e" + std::to_string(exponent);
    double parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(mantissa, exponent) >= 0) return false;
        parsed = text[0] == '-' ? -0.0 : 0.0;
    } else if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return false;
    }
    value = parsed;
    return true;
}

// Whether a whole double fits Int64; the upper bound 2^63 itself does not.
bool FitsInt64(double whole) { return whole >= -9223372036854775808.0 && whole < 9223372036854775808.0; }

}  // namespace

AnsiString IntToStr(Int64 value) { return std::to_string(value); }

// A negative value shows its 64-bit two's complement.
AnsiString IntToHex(Int64 value, int digits) {
    char buffer[17];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, std::uint64_t(value), 16).ptr;
    AnsiString hex(buffer, end);
    for (char& c : hex) c = char(std::toupper(static_cast<unsigned char>(c)));
    if (int(hex.size()) < digits) hex.insert(0, std::size_t(digits) - hex.size(), '0');
    return hex;
}

Integer StrToInt(const AnsiString& s) { return ConvertOrThrow(s, TryStrToInt, "integer value"); }
Integer StrToIntDef(const AnsiString& s, Integer fallback) { return ConvertOr(s, TryStrToInt, fallback); }

bool TryStrToInt(const AnsiString& s, Integer& value) {
    Int64 wide = 0;
    if (!ParseInteger(s, 32, wide)) return false;
    value = Integer(wide);
    return true;
}

Int64 StrToInt64(const AnsiString& s) { return ConvertOrThrow(s, TryStrToInt64, "integer value"); }
Int64 StrToInt64Def(const AnsiString& s, Int64 fallback) { return ConvertOr(s, TryStrToInt64, fallback); }
bool TryStrToInt64(const AnsiString& s, Int64& value) { return ParseInteger(s, 64, value); }

double StrToFloat(const AnsiString& s) { return ConvertOrThrow(s, TryStrToFloat, "floating point value"); }
double StrToFloatDef(const AnsiString& s, double fallback) { return ConvertOr(s, TryStrToFloat, fallback); }
bool TryStrToFloat(const AnsiString& s, double& value) { return ParseFloat(s, value); }

// nearbyint rounds in the default mode, to nearest with ties to even.
Int64 Round(double value) {
    double whole = std::nearbyint(value);
    if (!FitsInt64(whole)) ThrowInvalidFloatOperation();
    return Int64(whole);
}

Int64 Trunc(double value) {
    double whole = std::trunc(value);
    if (!FitsInt64(whole)) ThrowInvalidFloatOperation();
    return Int64(whole);
}

double Frac(double value) { return value - std::trunc(value); }

// number * numerator / denominator with a 64-bit intermediate, rounded half
// away from zero; -1 for a zero denominator or a result beyond 32 bits.
Integer MulDiv(Integer number, Integer numerator, Integer denominator) {
    if (denominator == 0) return -1;
    Int64 product = Int64(number) * numerator;
    Int64 quotient = product / denominator;
    Int64 remainder = product % denominator;
    if (2 * std::abs(remainder) >= std::abs(Int64(denominator))) quotient += (product < 0) != (denominator < 0) ? -1 : 1;
    if (quotient < std::numeric_limits<Integer>::min() || quotient > std::numeric_limits<Integer>::max()) return -1;
    return Integer(quotient);
}
