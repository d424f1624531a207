// Formatting report values for display, and reading format texts.
#include "report/core/qm_displayformat.h"

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"

std::array<AnsiString, 4> QmBooleanFormats;
std::array<AnsiString, 7> QmDateFormats;
std::array<AnsiString, 4> QmTimeFormats;

namespace {

constexpr std::size_t kMaxFormatText = 255;
constexpr Byte kFormatTextSubKind = 4;
constexpr Byte kFirstDateFormatText = 7;

AnsiString Hashes(Byte count) { return StringOfChar('#', count); }

AnsiString FormatNumber(const Variant& value, const TQmDisplayFormat& format, const AnsiString& formatText) {
    const double number = value.AsDouble();
    switch (format.SubKind) {
    case 0: return FormatFloat("##0." + Hashes(format.Decimals), number);
    case 1: return FloatToStrF(number, ffFixed, 15, format.Decimals);
    case 2: return FormatFloat("#,##0." + Hashes(format.Decimals), number);
    case 3: return FloatToStrF(number, ffNumber, 15, format.Decimals);
    default: return FormatFloat(formatText, number);
    }
}

AnsiString FormatBoolean(const Variant& value, const TQmDisplayFormat& format, const AnsiString& formatText) {
    const AnsiString texts = format.SubKind == kFormatTextSubKind ? formatText : QmBooleanFormats.at(format.SubKind);
    const std::size_t semicolon = texts.find(';');
    const AnsiString falseText = texts.substr(0, semicolon);
    const AnsiString trueText = semicolon == AnsiString::npos ? AnsiString() : texts.substr(semicolon + 1, kMaxFormatText);
    return value.AsInteger() != 0 ? trueText : falseText;
}

AnsiString Formatted(const Variant& value, const TQmDisplayFormat& format, const AnsiString& formatText) {
    switch (format.Kind) {
    case TQmDisplayFormat::General:
        return VarType(value) == varSingle || VarType(value) == varDouble ? FormatFloat("0.########", value.AsDouble())
                                                                          : VarToStr(value);
    case TQmDisplayFormat::Number: return FormatNumber(value, format, formatText);
    case TQmDisplayFormat::Date:
        return FormatDateTimeSlash(format.SubKind < kFirstDateFormatText ? QmDateFormats.at(format.SubKind) : formatText,
                                   VarToDateTime(value));
    case TQmDisplayFormat::Time:
        return FormatDateTime(format.SubKind == kFormatTextSubKind ? formatText : QmTimeFormats.at(format.SubKind),
                              VarToDateTime(value));
    case TQmDisplayFormat::Boolean: return FormatBoolean(value, format, formatText);
    default: return {};
    }
}

}  // namespace

Cardinal TQmDisplayFormat::Packed() const {
    return Cardinal(Kind) | Cardinal(SubKind) << 8 | Cardinal(Decimals) << 16 |
           Cardinal(static_cast<unsigned char>(DecimalSeparator)) << 24;
}

TQmDisplayFormat TQmDisplayFormat::FromPacked(Cardinal packed) {
    return {static_cast<Byte>(packed), static_cast<Byte>(packed >> 8), static_cast<Byte>(packed >> 16),
            static_cast<char>(packed >> 24)};
}

AnsiString FormatValue(const Variant& value, const TQmDisplayFormat& format, const AnsiString& formatText) {
    if (VarIsEmpty(value) || VarIsNull(value)) return {};
    if (VarIsStr(value) && Trim(VarToStr(value)).empty()) return VarToStr(value);
    ValueRestorer<char> separator(DecimalSeparator, format.Kind == TQmDisplayFormat::Number ? format.DecimalSeparator
                                                                                            : DecimalSeparator);
    try {
        return Formatted(value, format, formatText);
    } catch (const std::exception&) {
        return VarToStr(value);  // a value the format cannot take shows as it is
    }
}

void ParseDisplayFormat(AnsiString& formatText, TQmDisplayFormat& format) {
    if (formatText.empty()) {
        format.Kind = TQmDisplayFormat::General;
        format.SubKind = 0;
        format.DecimalSeparator = DecimalSeparator;
        return;
    }
    const char first = formatText.front();
    if (first == 'N' || first == 'n' || (first >= '0' && first <= '9')) {
        format.Kind = TQmDisplayFormat::Number;
        format.SubKind = kFormatTextSubKind;
        format.DecimalSeparator = '.';
    } else if (first == 'B' || first == 'b') {
        format.Kind = TQmDisplayFormat::Boolean;
        format.SubKind = kFormatTextSubKind;
    } else if (first == 'D' || first == 'd') {
        format.Kind = TQmDisplayFormat::Date;
        format.SubKind = kFirstDateFormatText;
    } else if (first == 'T' || first == 't') {
        format.Kind = TQmDisplayFormat::Time;
        format.SubKind = kFormatTextSubKind;
    } else {
        return;
    }
    formatText = formatText.substr(1, kMaxFormatText);
}

void SplitExpressionFormat(AnsiString& expression, AnsiString& formatText, TQmDisplayFormat& format) {
    std::size_t at = expression.find(" #");
    if (at == AnsiString::npos) at = expression.find(" :");
    if (at == AnsiString::npos) return;
    AnsiString own = expression.substr(at + 2);
    expression.erase(at);
    const AnsiString written = own;
    TQmDisplayFormat parsed = format;
    ParseDisplayFormat(own, parsed);
    if (!written.empty() && own == written) return;  // no kind letter: the caller's format stays
    formatText = own;
    format = parsed;
}

AnsiString FormatDateTimeSlash(const AnsiString& format, TDateTime value) {
    ValueRestorer<char> separator(DateSeparator, format.find('/') != AnsiString::npos ? '/' : DateSeparator);
    return FormatDateTime(format, value);
}
