#include "platform/rtl/currency.h"

#include <cmath>

#include "platform/rtl/exceptions.h"
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

// The magnitude of `scaled` as decimal text with `digits` decimals (0..18),
// the last kept digit rounded half away from zero; `grouped` puts
// ThousandSeparator between groups of three integer digits.
AnsiString MagnitudeText(Int64 scaled, int digits, bool grouped) {
    unsigned __int128 magnitude = scaled < 0 ? -Wide(scaled) : Wide(scaled);
    if (digits < 4) {
        unsigned __int128 unit = 1;
        for (int i = digits; i < 4; ++i) unit *= 10;
        magnitude = (magnitude + unit / 2) / unit * unit;
    }
    auto whole = Int64(magnitude / Currency::Scale);
    auto fraction = Int64(magnitude % Currency::Scale);

    AnsiString integerDigits = std::to_string(whole);
    AnsiString text;
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (grouped && i > 0 && (integerDigits.size() - i) % 3 == 0) text += ThousandSeparator;
        text += integerDigits[i];
    }
    if (digits > 0) {
        AnsiString decimals = std::to_string(fraction + Currency::Scale).substr(1);
        decimals.resize(std::size_t(digits), '0');
        text += DecimalSeparator;
        text += decimals;
    }
    return text;
}

bool IsZeroText(const AnsiString& text) { return text.find_first_of("123456789") == AnsiString::npos; }

// Puts `number` where FloatToStrF's currency pattern has the digit 1, so the
// placement rules of CurrencyFormat and NegCurrFormat live in one place.
AnsiString DecorateCurrency(const AnsiString& number, bool negative) {
    AnsiString pattern = FloatToStrF(negative ? -1.0 : 1.0, ffCurrency, 15, 0);
    std::size_t symbol = CurrencyString.empty() ? AnsiString::npos : pattern.find(CurrencyString);
    std::size_t digit = pattern.find('1');
    if (symbol != AnsiString::npos && digit >= symbol && digit < symbol + CurrencyString.size())
        digit = pattern.find('1', symbol + CurrencyString.size());
    return pattern.replace(digit, 1, number);
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

AnsiString CurrToStr(Currency value) {
    AnsiString text = MagnitudeText(value.Scaled(), 4, false);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == DecimalSeparator) text.pop_back();
    return value.Scaled() < 0 ? "-" + text : text;
}

AnsiString CurrToStrF(Currency value, TFloatFormat format, int digits) {
    if (format == ffGeneral) return CurrToStr(value);
    if (format == ffExponent) return FloatToStrF(value.ToDouble(), ffExponent, 15, digits);
    digits = digits < 0 ? 0 : digits > 18 ? 18 : digits;
    AnsiString number = MagnitudeText(value.Scaled(), digits, format != ffFixed);
    bool negative = value.Scaled() < 0 && !IsZeroText(number);
    if (format == ffCurrency) return DecorateCurrency(number, negative);
    return negative ? "-" + number : number;
}

AnsiString FormatCurr(const AnsiString& format, Currency value) { return FormatFloat(format, value.ToDouble()); }

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
