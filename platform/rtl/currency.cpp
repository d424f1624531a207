// Currency arithmetic on 128-bit intermediates, its conversion from double,
// and its text forms.
#include "platform/rtl/currency.h"

#include <cmath>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/formatsettings.h"

namespace {

using Wide = __int128;

constexpr Int64 kMaxScaled = std::numeric_limits<Int64>::max();
constexpr Int64 kMinScaled = std::numeric_limits<Int64>::min();

[[noreturn]] void RaiseOverflow() { throw EOverflow("Floating point overflow"); }

Currency Checked(Wide scaled) {
    if (scaled > kMaxScaled || scaled < kMinScaled) RaiseOverflow();
    return Currency::FromScaled(Int64(scaled));
}

// num / den rounded half to even, as the floating-point unit rounds when it
// stores a result into a Currency.
Wide DivideHalfEven(Wide num, Wide den) {
    Wide quotient = num / den;
    Wide remainder = num % den;
    Wide twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    Wide magnitude = den < 0 ? -den : den;
    if (twice > magnitude || (twice == magnitude && (quotient & 1) != 0))
        quotient += ((num < 0) != (den < 0)) ? -1 : 1;
    return quotient;
}

// Exact parse of [blanks][sign]digits[separator digits][blanks]; false for
// anything else. `overflow` tells a well-formed but too large value.
bool ParseDecimal(const AnsiString& s, Int64& scaled, bool& overflow) {
    overflow = false;
    std::size_t i = 0, n = s.size();
    while (i < n && s[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    constexpr Wide kLimit = Wide(kMaxScaled) + 1;
    Wide value = 0;
    int digitsSeen = 0, decimals = 0;
    int firstDropped = -1;
    bool droppedNonZero = false;
    bool afterSeparator = false;
    for (; i < n; ++i) {
        char c = s[i];
        if (c == DecimalSeparator && !afterSeparator) {
            afterSeparator = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        ++digitsSeen;
        if (afterSeparator && decimals == 4) {
            if (firstDropped < 0)
                firstDropped = c - '0';
            else if (c != '0')
                droppedNonZero = true;
            continue;
        }
        if (afterSeparator) ++decimals;
        if (value <= kLimit) value = value * 10 + (c - '0');
    }
    while (i < n && s[i] == ' ') ++i;
    if (i != n || digitsSeen == 0) return false;

    for (; decimals < 4; ++decimals)
        if (value <= kLimit) value *= 10;
    if (firstDropped > 5 || (firstDropped == 5 && (droppedNonZero || (value & 1) != 0))) ++value;
    if (negative) value = -value;
    if (value > kMaxScaled || value < kMinScaled) {
        overflow = true;
        return false;
    }
    scaled = Int64(value);
    return true;
}

bool HasExponent(const AnsiString& s) { return s.find_first_of("eE") != AnsiString::npos; }

}  // namespace

Currency::Currency(Int64 value) : Currency(Checked(Wide(value) * Scale)) {}

Currency::Currency(double value) {
    if (std::isnan(value)) throw EInvalidOp("Invalid floating point operation");
    // The platform multiplies in extended precision before it rounds, so
    // 1.00005 becomes 10000.5 and rounds to even.
    long double product = static_cast<long double>(value) * Scale;
    if (!(product < 0x1p63L && product >= -0x1p63L)) RaiseOverflow();
    scaled_ = static_cast<Int64>(std::nearbyint(product));
}

Currency Currency::operator-() const { return Checked(-Wide(scaled_)); }

Currency& Currency::operator+=(Currency other) { return *this = Checked(Wide(scaled_) + other.scaled_); }

Currency& Currency::operator-=(Currency other) { return *this = Checked(Wide(scaled_) - other.scaled_); }

Currency& Currency::operator*=(Currency other) {
    return *this = Checked(DivideHalfEven(Wide(scaled_) * other.scaled_, Scale));
}

Currency& Currency::operator/=(Currency other) {
    if (other.scaled_ == 0) throw EZeroDivide("Floating point division by zero");
    return *this = Checked(DivideHalfEven(Wide(scaled_) * Scale, other.scaled_));
}

Int64 Round(Currency value) { return Int64(DivideHalfEven(value.Scaled(), Currency::Scale)); }

// Currency values carry up to 19 significant digits; the formatting engine
// keeps them all.
constexpr int kCurrencyPrecision = 19;

AnsiString CurrToStr(Currency value) { return CurrToStrF(value, ffGeneral, 0); }

AnsiString CurrToStrF(Currency value, TFloatFormat format, int digits) {
    return FloatToTextF(TFloatValue::FromCurrency(value.Scaled()), format, kCurrencyPrecision, digits);
}

AnsiString FormatCurr(const AnsiString& format, Currency value) {
    return FloatToTextFmt(TFloatValue::FromCurrency(value.Scaled()), format);
}

bool TryStrToCurr(const AnsiString& s, Currency& value) {
    try {
        value = StrToCurr(s);
        return true;
    } catch (const EConvertError&) {
        return false;
    } catch (const EOverflow&) {
        return false;
    }
}

Currency StrToCurr(const AnsiString& s) {
    if (HasExponent(s)) {
        double number = 0;
        if (TryStrToFloat(s, number) && std::isfinite(number)) return Currency(number);
    } else {
        Int64 scaled = 0;
        bool overflow = false;
        if (ParseDecimal(s, scaled, overflow)) return Currency::FromScaled(scaled);
        if (overflow) RaiseOverflow();
    }
    throw EConvertError("'" + s + "' is not a valid floating point value");
}

Currency StrToCurrDef(const AnsiString& s, Currency fallback) {
    Currency value;
    return TryStrToCurr(s, value) ? value : fallback;
}
