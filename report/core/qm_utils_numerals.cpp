// Numbers as Chinese text: amounts in capital digits for receipts, plain
// numerals, single capital digits and dates in full-width digits.
#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_utils.h"

namespace {

const std::array<const char*, 10> kCapitalDigits = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
const std::array<const char*, 4> kCapitalPlaces = {"", "拾", "佰", "仟"};
const std::array<const char*, 4> kCapitalGroups = {"", "万", "亿", "兆"};
const std::array<const char*, 4> kMoneyUnits = {"角", "分", "厘", ""};
const std::array<const char*, 10> kNumerals = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const std::array<const char*, 4> kNumeralPlaces = {"", "十", "百", "千"};
const std::array<const char*, 10> kFullWidthDigits = {"０", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

int DigitAt(const AnsiString& digits, std::size_t index) { return digits[index] - '0'; }

// The integer digits in capital digits with their place and group words,
// "" for zero. `lastWasZero` carries the zero state from group to group.
AnsiString CapitalInteger(const AnsiString& digits) {
    AnsiString result;
    bool lastWasZero = false;
    const std::size_t groups = (digits.size() + 3) / 4;
    for (std::size_t group = 0; group < groups && group < kCapitalGroups.size(); ++group) {
        AnsiString text;
        for (std::size_t place = 0; place < 4 && group * 4 + place < digits.size(); ++place) {
            const int digit = DigitAt(digits, digits.size() - 1 - (group * 4 + place));
            if (digit != 0) {
                text = AnsiString(kCapitalDigits[digit]) + kCapitalPlaces[place] + text;
            } else if (place > 0 && !lastWasZero) {
                text = kCapitalDigits[0] + text;
            }
            lastWasZero = digit == 0;
        }
        if (!text.empty())
            result = text + kCapitalGroups[group] + result;
        else if (!result.empty() && result.rfind(kCapitalDigits[0], 0) != 0)
            result = kCapitalDigits[0] + result;
    }
    return result;
}

// One group of up to four digits in plain numerals: inner zero runs read
// as one "零", trailing zeros as nothing.
AnsiString NumeralGroup(const AnsiString& digits) {
    AnsiString text;
    bool pendingZero = false;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = DigitAt(digits, i);
        if (digit == 0) {
            pendingZero = !text.empty();
            continue;
        }
        if (pendingZero) text += kNumerals[0];
        pendingZero = false;
        text += AnsiString(kNumerals[digit]) + kNumeralPlaces[digits.size() - 1 - i];
    }
    return text;
}

// Up to eight digits: a group of ten-thousands, then one of units, with
// "零" where the unit group starts with a zero.
AnsiString NumeralBelowYi(const AnsiString& digits) {
    if (digits.size() <= 4) return NumeralGroup(digits);
    const AnsiString high = digits.substr(0, digits.size() - 4), low = digits.substr(digits.size() - 4);
    AnsiString highText = NumeralGroup(high), lowText = NumeralGroup(low);
    if (highText.empty()) return lowText;
    if (!lowText.empty() && low.front() == '0') lowText = kNumerals[0] + lowText;
    return highText + "万" + lowText;
}

// Any number of digits: what lies above 10^8 is read the same way and
// followed by "亿", so 10^12 reads 一万亿 and 1,0001,0000,0000 一万零一亿.
AnsiString NumeralInteger(const AnsiString& digits) {
    if (digits.size() <= 8) return NumeralBelowYi(digits);
    const AnsiString high = digits.substr(0, digits.size() - 8), low = digits.substr(digits.size() - 8);
    AnsiString lowText = NumeralBelowYi(low);
    if (!lowText.empty() && low.front() == '0') lowText = kNumerals[0] + lowText;
    return NumeralInteger(high) + "亿" + lowText;
}

}  // namespace

AnsiString CurrToChineseCapitals(Currency value) {
    const Int64 scaled = value.Scaled();
    const unsigned long long magnitude =
        scaled < 0 ? 0ULL - static_cast<unsigned long long>(scaled) : static_cast<unsigned long long>(scaled);
    const AnsiString integer = std::to_string(magnitude / 10000);
    AnsiString decimals = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();

    AnsiString result = CapitalInteger(integer);
    if (!result.empty()) result += "元";
    if (!decimals.empty() && integer.back() == '0') result += kCapitalDigits[0];
    for (std::size_t i = 0; i < decimals.size(); ++i) {
        const int digit = DigitAt(decimals, i);
        result += kCapitalDigits[digit];
        if (i > 0 || digit != 0) result += kMoneyUnits[i];
    }
    if (result.empty()) result = kCapitalDigits[0];
    if (scaled < 0) result = "负" + result;
    if (Round(value.ToDouble() * 100) % 10 == 0) result += "整";
    return result;
}

AnsiString NumberToChineseNumerals(const AnsiString& number) {
    const double value = StrToFloat(number);
    // Fixed notation keeps every digit only below 10^18.
    if (std::fabs(value) >= 1e18) throw EConvertError("'" + number + "' is too large to read in numerals");
    AnsiString fixed = FloatToStrF(std::fabs(value), ffFixed, 18, 2);
    const std::size_t point = fixed.find(DecimalSeparator);
    const AnsiString integer = fixed.substr(0, point);
    const int tenths = DigitAt(fixed, point + 1), hundredths = DigitAt(fixed, point + 2);

    AnsiString result = value < 0 ? "负" : "";
    result += NumeralInteger(integer);
    if (tenths != 0)
        result += AnsiString("点") + kNumerals[tenths] + (hundredths != 0 ? kNumerals[hundredths] : "");
    else if (hundredths != 0)
        result += AnsiString("点") + kNumerals[0] + kNumerals[hundredths];
    if (result.empty() || result == "负") return kNumerals[0];
    if (result.rfind("一十", 0) == 0) result.erase(0, AnsiString(kNumerals[1]).size());
    return result;
}

AnsiString DigitsToChineseCapitals(const AnsiString& digits) {
    AnsiString result;
    for (char c : Trim(digits)) result += kCapitalDigits[StrToInt(AnsiString(1, c))];
    return result;
}

AnsiString DigitCapitalAt(double value, int n) {
    const AnsiString text = FloatToStr(value);
    const std::size_t point = text.find(DecimalSeparator);
    if (n == 0 || point == AnsiString::npos) return {};
    const long long index = static_cast<long long>(point) - n;
    if (index < 0 || index >= static_cast<long long>(text.size())) return {};
    const char c = text[static_cast<std::size_t>(index)];
    return c >= '0' && c <= '9' ? AnsiString(kCapitalDigits[c - '0']) : AnsiString();
}

AnsiString NumberToChineseDigits(Integer value) {
    AnsiString result;
    for (char c : IntToStr(value))
        if (c >= '0' && c <= '9') result += kFullWidthDigits[c - '0'];
    return result;
}
