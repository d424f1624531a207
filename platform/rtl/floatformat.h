// The engine behind FloatToStr, FloatToStrF, FormatFloat and Format's float
// specifiers, for doubles and for Currency values alike: a value is turned
// into its decimal digits once, then rounded half away from zero at the
// place the format asks for, as the platform rounds.
#pragma once

#include <string>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/types.h"

// A number as decimal digits: value = 0.d1d2d3... x 10^exponent. Digits
// carry no leading or trailing zeros; zero has no digits.
class TFloatValue {
public:
    static TFloatValue FromDouble(double value);
    // A Currency value: the 64-bit integer scaled by 10,000; its digits are exact.
    static TFloatValue FromCurrency(Int64 scaled);

    bool IsNan() const { return special_ == Special::Nan; }
    bool IsInfinite() const { return special_ == Special::Infinite; }
    bool IsZero() const { return special_ == Special::None && digits_.empty(); }
    bool Negative() const { return negative_; }
    int Exponent() const { return exponent_; }
    const std::string& Digits() const { return digits_; }
    // The significant digits a pattern format shows: 15 for a double, all
    // of them for a Currency.
    int PatternPrecision() const { return patternPrecision_; }

    // Rounds half away from zero to at most `significant` digits and at most
    // `decimals` digits after the decimal point.
    TFloatValue Rounded(int significant, int decimals) const;

private:
    enum class Special { None, Nan, Infinite };
    Special special_ = Special::None;
    bool negative_ = false;
    int exponent_ = 0;
    std::string digits_;
    int patternPrecision_ = 15;
};

// FloatToStrF over either kind of value; precision is clamped to 1..18 and
// digits to the range the format allows.
AnsiString FloatToTextF(const TFloatValue& value, TFloatFormat format, int precision, int digits);
// FormatFloat over either kind of value.
AnsiString FloatToTextFmt(const TFloatValue& value, const AnsiString& format);
