// Format and the formatting constructors of Exception.
#include "platform/rtl/format.h"

#include <algorithm>
#include <cstring>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

namespace {

// One "%[index:][-][width][.precision]type" specifier.
struct Spec {
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    char type = 0;  // lower case
};

class Formatter {
public:
    Formatter(const AnsiString& format, std::span<const TVarRec> args) : format_(format), args_(args) {}

    // "%" cannot be a byte of a Chinese character (trail bytes start at
    // 0x40, four-byte forms carry digits), so literal text is copied as bytes.
    AnsiString Run() {
        AnsiString out;
        std::size_t i = 0;
        while (i < format_.size()) {
            std::size_t percent = format_.find('%', i);
            out.append(format_, i, percent == AnsiString::npos ? AnsiString::npos : percent - i);
            if (percent == AnsiString::npos) break;
            i = percent + 1;
            if (i < format_.size() && format_[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            Spec spec = ParseSpec(i);
            out += Pad(Convert(spec), spec);
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + format_ + "' invalid or incompatible with argument");
    }

    const TVarRec& NextArg() {
        if (next_ >= args_.size()) throw EConvertError("No argument for format '" + format_ + "'");
        return args_[next_++];
    }

    int IntegerArg() {
        const TVarRec& arg = NextArg();
        if (arg.kind() != TVarRec::Kind::Integer && arg.kind() != TVarRec::Kind::Int64) Invalid();
        return int(arg.AsInt64());
    }

    // A number or "*" (taken from the arguments); -1 when neither is there.
    int ReadNumber(std::size_t& i) {
        if (i < format_.size() && format_[i] == '*') {
            ++i;
            return IntegerArg();
        }
        std::size_t start = i;
        while (i < format_.size() && format_[i] >= '0' && format_[i] <= '9') ++i;
        if (i == start) return -1;
        int value = 0;
        if (std::from_chars(format_.data() + start, format_.data() + i, value).ec != std::errc()) Invalid();
        return value;
    }

    Spec ParseSpec(std::size_t& i) {
        Spec spec;
        int number = ReadNumber(i);
        if (number >= 0 && i < format_.size() && format_[i] == ':') {
            next_ = std::size_t(number);
            ++i;
            number = -1;
        }
        if (number < 0) {
            if (i < format_.size() && format_[i] == '-') {
                spec.leftAlign = true;
                ++i;
            }
            number = ReadNumber(i);
        }
        spec.width = number;
        if (i < format_.size() && format_[i] == '.') {
            ++i;
            spec.precision = std::max(ReadNumber(i), 0);
        }
        if (i >= format_.size()) Invalid();
        spec.type = char(std::tolower(static_cast<unsigned char>(format_[i++])));
        return spec;
    }

    AnsiString Convert(const Spec& spec) {
        switch (spec.type) {
        case 'd': case 'u': case 'x': return IntegerText(spec);
        case 'e': case 'f': case 'g': case 'n': case 'm': return FloatText(spec);
        case 's': return StringText(spec);
        case 'p': return PointerText();
        }
        Invalid();
    }

    AnsiString IntegerText(const Spec& spec) {
        const TVarRec& arg = NextArg();
        bool is32 = arg.kind() == TVarRec::Kind::Integer;
        if (!is32 && arg.kind() != TVarRec::Kind::Int64) Invalid();
        Int64 value = arg.AsInt64();
        std::uint64_t bits = is32 ? std::uint32_t(value) : std::uint64_t(value);
        AnsiString digits;
        bool negative = false;
        if (spec.type == 'x') {
            digits = IntToHex(Int64(bits), 0);
        } else if (spec.type == 'u') {
            digits = std::to_string(bits);
        } else {
            negative = value < 0;
            digits = std::to_string(negative ? 0 - std::uint64_t(value) : std::uint64_t(value));
        }
        if (spec.precision > int(digits.size())) digits.insert(0, std::size_t(spec.precision) - digits.size(), '0');
        return negative ? "-" + digits : digits;
    }

    AnsiString FloatText(const Spec& spec) {
        const TVarRec& arg = NextArg();
        TFloatValue value;
        int fullPrecision = 18;
        if (arg.kind() == TVarRec::Kind::Extended) {
            value = TFloatValue::FromDouble(arg.AsExtended());
        } else if (arg.kind() == TVarRec::Kind::Currency) {
            value = TFloatValue::FromCurrency(arg.AsInt64());
            fullPrecision = 19;
        } else {
            Invalid();
        }
        auto precisionOr = [&](int fallback) { return spec.precision >= 0 ? spec.precision : fallback; };
        switch (spec.type) {
        case 'e': return FloatToTextF(value, ffExponent, precisionOr(15), 3);
        case 'f': return FloatToTextF(value, ffFixed, fullPrecision, precisionOr(2));
        case 'g': return FloatToTextF(value, ffGeneral, precisionOr(15), 0);
        case 'n': return FloatToTextF(value, ffNumber, fullPrecision, precisionOr(2));
        default: return FloatToTextF(value, ffCurrency, fullPrecision, precisionOr(CurrencyDecimals));
        }
    }

    // The precision cuts the text to at most that many bytes, never inside
    // a character.
    AnsiString StringText(const Spec& spec) {
        const TVarRec& arg = NextArg();
        AnsiString text;
        if (arg.kind() == TVarRec::Kind::String)
            text = arg.AsAnsiString();
        else if (arg.kind() == TVarRec::Kind::Char)
            text = AnsiString(1, char(arg.AsInt64()));
        else
            Invalid();
        if (spec.precision >= 0 && std::size_t(spec.precision) < text.size()) {
            std::size_t end = 0;
            while (end + AnsiCharSize(text, end) <= std::size_t(spec.precision)) end += AnsiCharSize(text, end);
            text.resize(end);
        }
        return text;
    }

    AnsiString PointerText() {
        const TVarRec& arg = NextArg();
        if (arg.kind() != TVarRec::Kind::Pointer) Invalid();
        return IntToHex(Int64(reinterpret_cast<std::uintptr_t>(arg.AsPointer())), 2 * sizeof(void*));
    }

    static AnsiString Pad(AnsiString text, const Spec& spec) {
        if (spec.width <= int(text.size())) return text;
        AnsiString blanks(std::size_t(spec.width) - text.size(), ' ');
        return spec.leftAlign ? text + blanks : blanks + text;
    }

    const AnsiString& format_;
    std::span<const TVarRec> args_;
    std::size_t next_ = 0;
};

}  // namespace

AnsiString Format(const AnsiString& format, TVarRecs args) {
    return Formatter(format, std::span(args.begin(), args.size())).Run();
}

AnsiString Format(const AnsiString& format, std::span<const TVarRec> args) { return Formatter(format, args).Run(); }

Exception::Exception(const AnsiString& format, TVarRecs args) : message_(Format(format, args)) {}

Exception::Exception(ResId id, TVarRecs args) : message_(Format(LoadStr(id.id), args)) {}

void FmtStr(AnsiString& result, const AnsiString& format, std::span<const TVarRec> args) {
    result = Format(format, args);
}

char* StrFmt(char* buffer, const char* format, std::span<const TVarRec> args) {
    const AnsiString text = Format(format, args);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return buffer;
}

char* StrLFmt(char* buffer, std::size_t maxLen, const char* format, std::span<const TVarRec> args) {
    const AnsiString text = Format(format, args);
    const std::size_t length = std::min(text.size(), maxLen);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return buffer;
}

std::size_t FormatBuf(char* buffer, std::size_t bufLen, const char* format, std::size_t fmtLen,
                      std::span<const TVarRec> args) {
    const AnsiString text = Format(AnsiString(format, fmtLen), args);
    const std::size_t length = std::min(text.size(), bufLen);
    std::memcpy(buffer, text.data(), length);
    return length;
}
