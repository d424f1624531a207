// Currency: a fixed-point number with four decimals, held as a 64-bit integer
// scaled by 10,000 (so 1.5 is stored as 15000), and its text conversions.
//
// Arithmetic is exact on the scaled integers. A product or quotient that
// needs more than four decimals is rounded half to even, and a double is
// converted the same way, as the platform's floating-point unit rounds.
// Results outside the range +-922337203685477.5807 raise EOverflow.
#pragma once

#include <compare>
#include <limits>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/types.h"

class Currency {
public:
    static constexpr Int64 Scale = 10000;

    constexpr Currency() = default;
    constexpr Currency(int value) : scaled_(Int64(value) * Scale) {}
    // EOverflow when value * 10,000 does not fit 64 bits.
    Currency(Int64 value);
    // Rounded half to even at the fourth decimal; EOverflow out of range,
    // EInvalidOp for a NaN.
    Currency(double value);

    static constexpr Currency FromScaled(Int64 scaled) {
        Currency c;
        c.scaled_ = scaled;
        return c;
    }
    static constexpr Currency Max() { return FromScaled(std::numeric_limits<Int64>::max()); }
    static constexpr Currency Min() { return FromScaled(std::numeric_limits<Int64>::min()); }

    // The stored integer: the value times 10,000.
    constexpr Int64 Scaled() const { return scaled_; }
    // The nearest double (exact up to 2^53 / 10,000).
    double ToDouble() const { return double(scaled_) / Scale; }

    Currency operator-() const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    Currency& operator*=(Currency other);
    Currency& operator/=(Currency other);  // EZeroDivide for a zero divisor

    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    friend Currency operator*(Currency a, Currency b) { return a *= b; }
    friend Currency operator/(Currency a, Currency b) { return a /= b; }
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    Int64 scaled_ = 0;
};

// The nearest whole number, half to even.
Int64 Round(Currency value);

// The text forms are exact for every value of the range (all 19 digits),
// through the engine of FloatToStrF and FormatFloat: the last kept digit
// rounds half away from zero, and the locale settings apply.
// General format: as many decimals as needed, none for a whole value.
AnsiString CurrToStr(Currency value);
// ffFixed, ffNumber and ffCurrency with `digits` decimals (0..18);
// ffCurrency follows CurrencyString, CurrencyFormat and NegCurrFormat.
AnsiString CurrToStrF(Currency value, TFloatFormat format, int digits);
// FormatFloat's sections and picture characters.
AnsiString FormatCurr(const AnsiString& format, Currency value);

// Exact decimal text to Currency: optional blanks and sign, digits with
// DecimalSeparator, decimals past the fourth rounded half to even; text with
// an exponent goes through StrToFloat. EConvertError on bad text, EOverflow
// out of range for StrToCurr; the Try form answers false for either.
Currency StrToCurr(const AnsiString& s);
Currency StrToCurrDef(const AnsiString& s, Currency fallback);
bool TryStrToCurr(const AnsiString& s, Currency& value);
