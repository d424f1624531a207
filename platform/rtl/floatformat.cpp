// Float formatting: decimal digits of a double or Currency, the platform's
// TFloatFormat layouts and the FormatFloat pattern language.
#include "platform/rtl/floatformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/formatsettings.h"

namespace {

// Effectively "no limit" for the decimals of a rounding.
constexpr int kAllDecimals = 9999;
// A double converts to 18 significant digits first, as the platform's
// extended-precision conversion does; every later rounding starts there.
constexpr int kDoubleDigits = 18;
constexpr int kMaxPrecision = 19;

void StripTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

AnsiString ExponentText(int exponent, bool forcePlus, int minDigits) {
    AnsiString digits = std::to_string(std::abs(exponent));
    if (int(digits.size()) < minDigits) digits.insert(0, std::size_t(minDigits) - digits.size(), '0');
    if (exponent < 0) return "-" + digits;
    return forcePlus ? "+" + digits : digits;
}

// Significant digits [from, to) of the value (index 0 is d1 of 0.d1d2..),
// with zeros where the value has none, before d1 as after its last digit.
std::string DigitRange(const TFloatValue& v, int from, int to) {
    std::string out;
    for (int p = from; p < to; ++p) {
        bool inside = p >= 0 && p < int(v.Digits().size());
        out += inside ? v.Digits()[std::size_t(p)] : '0';
    }
    return out;
}

// The integer digits of a rounded value, without leading zeros.
std::string IntegerDigits(const TFloatValue& v) { return v.Exponent() > 0 ? DigitRange(v, 0, v.Exponent()) : ""; }

// The first `count` digits after the decimal point.
std::string FractionDigits(const TFloatValue& v, int count) {
    return DigitRange(v, v.Exponent(), v.Exponent() + count);
}

AnsiString GroupThousands(const std::string& digits) {
    if (ThousandSeparator == '\0') return digits;
    AnsiString out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        std::size_t left = digits.size() - i;
        if (i > 0 && left % 3 == 0) out += ThousandSeparator;
        out += digits[i];
    }
    return out;
}

bool ShowsMinus(const TFloatValue& rounded) { return rounded.Negative() && !rounded.IsZero(); }

AnsiString SpecialText(const TFloatValue& v) {
    if (v.IsNan()) return "NAN";
    return v.Negative() ? "-INF" : "INF";
}

// "1.5E-7" or "123.45": the shortest form, trailing zeros dropped.
AnsiString GeneralText(const TFloatValue& v, int precision, int expDigits) {
    TFloatValue r = v.Rounded(precision, kAllDecimals);
    if (r.IsZero()) return "0";
    AnsiString out = ShowsMinus(r) ? "-" : "";
    const std::string& d = r.Digits();
    if (r.Exponent() > precision || r.Exponent() < -3) {
        out += d[0];
        if (d.size() > 1) out += DecimalSeparator + d.substr(1);
        return out + "E" + ExponentText(r.Exponent() - 1, false, expDigits);
    }
    std::string integer = IntegerDigits(r);
    out += integer.empty() ? "0" : integer;
    int fraction = int(d.size()) - r.Exponent();
    if (fraction > 0) out += DecimalSeparator + FractionDigits(r, fraction);
    return out;
}

AnsiString ExponentFormText(const TFloatValue& v, int precision, int expDigits) {
    TFloatValue r = v.Rounded(precision, kAllDecimals);
    std::string d = DigitRange(r, 0, precision);
    AnsiString out = ShowsMinus(r) ? "-" : "";
    out += d[0];
    if (precision > 1) out += DecimalSeparator + d.substr(1);
    int exponent = r.IsZero() ? 0 : r.Exponent() - 1;
    return out + "E" + ExponentText(exponent, true, expDigits);
}

// Currency layouts by CurrencyFormat and NegCurrFormat: "$" stands for
// CurrencyString, "1" for the number.
constexpr std::array<std::string_view, 4> kPositiveCurrency = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> kNegativeCurrency = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

AnsiString ApplyCurrencyLayout(std::string_view layout, const AnsiString& number) {
    AnsiString out;
    for (char c : layout) {
        if (c == '$')
            out += CurrencyString;
        else if (c == '1')
            out += number;
        else
            out += c;
    }
    return out;
}

AnsiString FixedText(const TFloatValue& v, TFloatFormat format, int precision, int digits) {
    TFloatValue r = v.Rounded(precision, digits);
    if (r.Exponent() > precision) return GeneralText(v, precision, 0);
    std::string integer = IntegerDigits(r);
    if (integer.empty()) integer = "0";
    AnsiString number = format == ffFixed ? integer : GroupThousands(integer);
    if (digits > 0) number += DecimalSeparator + FractionDigits(r, digits);
    bool minus = ShowsMinus(r);
    if (format != ffCurrency) return minus ? "-" + number : number;
    if (minus) return ApplyCurrencyLayout(kNegativeCurrency[NegCurrFormat % kNegativeCurrency.size()], number);
    return ApplyCurrencyLayout(kPositiveCurrency[CurrencyFormat % kPositiveCurrency.size()], number);
}

// ---- FormatFloat patterns ------------------------------------------------

std::vector<AnsiString> SplitSections(const AnsiString& format) {
    std::vector<AnsiString> sections(1);
    char quote = 0;
    for (std::size_t i = 0; i < format.size();) {
        std::size_t size = AnsiCharSize(format, i);
        char c = format[i];
        if (size == 1 && quote == 0 && c == ';') {
            sections.emplace_back();
        } else {
            if (size == 1 && (c == '\'' || c == '"')) quote = quote == 0 ? c : (quote == c ? 0 : quote);
            sections.back().append(format, i, size);
        }
        i += size;
    }
    return sections;
}

bool IsExponentAt(const AnsiString& s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// What a pattern section asks for.
struct Pattern {
    int integerPlaces = 0;     // "0" and "#" before the point
    int minIntegerDigits = 0;  // from the first "0" before the point to the point
    int fractionPlaces = 0;    // "0" and "#" after the point
    int minFractionDigits = 0; // up to the last "0" after the point
    bool thousands = false;
    bool scientific = false;
};

// Calls `literal(text)` for quoted and plain text and `token(i)` for every
// unquoted single-byte character at offset i; `token` answers how many bytes
// it consumed.
template <typename Literal, typename Token>
void WalkSection(const AnsiString& s, Literal literal, Token token) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t size = AnsiCharSize(s, i);
        char c = s[i];
        if (size > 1) {
            literal(s.substr(i, size));
            i += size;
        } else if (c == '\'' || c == '"') {
            std::size_t close = s.find(c, i + 1);
            if (close == AnsiString::npos) close = s.size();
            literal(s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            i += token(i);
        }
    }
}

std::size_t ExponentLength(const AnsiString& s, std::size_t i, int* zeros) {
    std::size_t end = i + 2;
    while (end < s.size() && s[end] == '0') ++end;
    *zeros = int(end - i - 2);
    return end - i;
}

Pattern AnalyseSection(const AnsiString& s) {
    Pattern p;
    bool afterPoint = false;
    int firstZero = -1;
    WalkSection(
        s, [](const AnsiString&) {},
        [&](std::size_t i) -> std::size_t {
            char c = s[i];
            if (c == '0' || c == '#') {
                if (!afterPoint) {
                    if (c == '0' && firstZero < 0) firstZero = p.integerPlaces;
                    ++p.integerPlaces;
                } else {
                    ++p.fractionPlaces;
                    if (c == '0') p.minFractionDigits = p.fractionPlaces;
                }
            } else if (c == '.') {
                afterPoint = true;
            } else if (c == ',') {
                p.thousands = true;
            } else if (IsExponentAt(s, i)) {
                p.scientific = true;
                int zeros = 0;
                return ExponentLength(s, i, &zeros);
            }
            return 1;
        });
    if (firstZero >= 0) p.minIntegerDigits = p.integerPlaces - firstZero;
    return p;
}

// Lays the digits of a rounded value into a section.
AnsiString ApplySection(const AnsiString& s, const Pattern& p, const TFloatValue& r, bool minus) {
    std::string integer;
    std::string fraction;
    int exponent = 0;
    if (p.scientific) {
        if (!r.IsZero()) {
            integer = DigitRange(r, 0, p.integerPlaces);
            exponent = r.Exponent() - p.integerPlaces;
        }
        fraction = DigitRange(r, p.integerPlaces, p.integerPlaces + p.fractionPlaces);
    } else {
        integer = IntegerDigits(r);
        fraction = FractionDigits(r, p.fractionPlaces);
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (int(integer.size()) < p.minIntegerDigits) integer.insert(0, p.minIntegerDigits - integer.size(), '0');
    while (int(fraction.size()) > p.minFractionDigits && fraction.back() == '0') fraction.pop_back();
    bool thousands = p.thousands && !p.scientific;

    AnsiString out = minus ? "-" : "";
    const int n = int(integer.size());
    auto putDigit = [&](int position) {  // position counts from the point, 1 = units
        out += integer[std::size_t(n - position)];
        if (thousands && position > 1 && (position - 1) % 3 == 0 && ThousandSeparator != '\0')
            out += ThousandSeparator;
    };
    auto putLeadingDigits = [&](int places) {  // digits that have no placeholder of their own
        for (int position = n; position > places; --position) putDigit(position);
    };
    int integerPlace = 0;
    int fractionPlace = 0;
    bool afterPoint = false;
    WalkSection(
        s, [&](const AnsiString& text) { out += text; },
        [&](std::size_t i) -> std::size_t {
            char c = s[i];
            if (c == '0' || c == '#') {
                if (!afterPoint) {
                    if (integerPlace == 0) putLeadingDigits(p.integerPlaces);
                    int position = p.integerPlaces - integerPlace++;
                    if (position <= n) putDigit(position);
                } else if (fractionPlace < int(fraction.size())) {
                    out += fraction[std::size_t(fractionPlace++)];
                }
            } else if (c == '.') {
                if (!afterPoint) {
                    if (p.integerPlaces == 0) putLeadingDigits(0);
                    if (!fraction.empty()) out += DecimalSeparator;
                }
                afterPoint = true;
            } else if (IsExponentAt(s, i)) {
                int zeros = 0;
                std::size_t length = ExponentLength(s, i, &zeros);
                out += c;
                out += ExponentText(exponent, s[i + 1] == '+', std::min(zeros, 4));
                return length;
            } else if (c != ',') {
                out += c;
            }
            return 1;
        });
    return out;
}

}  // namespace

TFloatValue TFloatValue::FromDouble(double value) {
    TFloatValue v;
    v.negative_ = std::signbit(value);
    if (std::isnan(value)) {
        v.special_ = Special::Nan;
        v.negative_ = false;
        return v;
    }
    if (std::isinf(value)) {
        v.special_ = Special::Infinite;
        return v;
    }
    if (value == 0) {
        v.negative_ = false;
        return v;
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                kDoubleDigits - 1);
    std::string_view text(buffer, std::size_t(result.ptr - buffer));
    std::size_t e = text.find('e');
    v.digits_.assign(1, text[0]).append(text.substr(2, e - 2));
    int exponent10 = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent10);
    v.exponent_ = exponent10 + 1;
    StripTrailingZeros(v.digits_);
    return v;
}

TFloatValue TFloatValue::FromCurrency(Int64 scaled) {
    TFloatValue v;
    v.patternPrecision_ = kMaxPrecision;
    if (scaled == 0) return v;
    v.negative_ = scaled < 0;
    std::uint64_t magnitude = v.negative_ ? 0 - std::uint64_t(scaled) : std::uint64_t(scaled);
    v.digits_ = std::to_string(magnitude);
    v.exponent_ = int(v.digits_.size()) - 4;
    StripTrailingZeros(v.digits_);
    return v;
}

TFloatValue TFloatValue::Rounded(int significant, int decimals) const {
    if (special_ != Special::None || digits_.empty()) return *this;
    int keep = std::min(significant, exponent_ + decimals);
    if (keep >= int(digits_.size())) return *this;
    TFloatValue r = *this;
    if (keep < 0) {
        r.digits_.clear();
    } else {
        bool up = digits_[std::size_t(keep)] >= '5';
        r.digits_.resize(std::size_t(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && r.digits_[std::size_t(i)] == '9') r.digits_[std::size_t(i--)] = '0';
            if (i >= 0) {
                ++r.digits_[std::size_t(i)];
            } else {
                r.digits_.insert(0, 1, '1');
                ++r.exponent_;
            }
        }
        StripTrailingZeros(r.digits_);
    }
    if (r.digits_.empty()) {
        r.exponent_ = 0;
        r.negative_ = false;
    }
    return r;
}

AnsiString FloatToTextF(const TFloatValue& value, TFloatFormat format, int precision, int digits) {
    if (value.IsNan() || value.IsInfinite()) return SpecialText(value);
    precision = std::clamp(precision, 1, kMaxPrecision);
    switch (format) {
    case ffGeneral:
        return GeneralText(value, precision, std::clamp(digits, 0, 4));
    case ffExponent:
        return ExponentFormText(value, precision, std::clamp(digits, 0, 4));
    case ffFixed:
    case ffNumber:
    case ffCurrency:
        return FixedText(value, format, precision, std::clamp(digits, 0, 18));
    }
    return GeneralText(value, precision, 0);
}

// Sections: positive;negative;zero. An empty or missing negative or zero
// section falls back to the positive one; a value that rounds to zero in its
// own section is shown by the zero section.
AnsiString FloatToTextFmt(const TFloatValue& value, const AnsiString& format) {
    if (value.IsNan() || value.IsInfinite()) return SpecialText(value);
    std::vector<AnsiString> sections = SplitSections(format);
    auto hasSection = [&](std::size_t i) { return i < sections.size() && !sections[i].empty(); };
    if (!hasSection(0)) return FloatToTextF(value, ffGeneral, value.PatternPrecision(), 0);

    std::size_t index = 0;
    if (value.IsZero() && hasSection(2))
        index = 2;
    else if (value.Negative() && hasSection(1))
        index = 1;
    auto roundFor = [&](const Pattern& p) {
        if (p.scientific)
            return value.Rounded(std::clamp(p.integerPlaces + p.fractionPlaces, 1, value.PatternPrecision()),
                                 kAllDecimals);
        return value.Rounded(value.PatternPrecision(), p.fractionPlaces);
    };
    Pattern pattern = AnalyseSection(sections[index]);
    TFloatValue rounded = roundFor(pattern);
    if (rounded.IsZero() && index != 2) {
        index = hasSection(2) ? 2 : 0;
        pattern = AnalyseSection(sections[index]);
        rounded = roundFor(pattern);
    }
    return ApplySection(sections[index], pattern, rounded, index == 0 && ShowsMinus(rounded));
}

AnsiString FloatToStr(double value) { return FloatToTextF(TFloatValue::FromDouble(value), ffGeneral, 15, 0); }

AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToTextF(TFloatValue::FromDouble(value), format, precision, digits);
}

AnsiString FormatFloat(const AnsiString& format, double value) {
    return FloatToTextFmt(TFloatValue::FromDouble(value), format);
}
