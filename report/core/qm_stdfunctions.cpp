// The standard function library: its names, descriptions and functions,
// and the date in Chinese digits.
#include "report/core/qm_stdfunctions.h"

#include <cmath>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/mask.h"
#include "report/core/qm_band.h"
#include "report/core/qm_class.h"
#include "report/core/qm_datafield.h"
#include "report/core/qm_displayformat.h"
#include "report/core/qm_parser.h"
#include "report/core/qm_utils.h"

namespace {

enum Function {
    fnStrToFloat, fnParamStr, fnExtractFilePath, fnStringOfChar, fnMonthToEnglishShort, fnMonthToEnglishLong,
    fnSingNumToBig, fnSmallToBig, fnCurrToBigNum, fnQmRound, fnStrToInt, fnAbs, fnGetControlPropValue,
    fnFormatDateTime, fnFormatFloat, fnFormatText, fnLength, fnLowerCase, fnNameCase, fnPos, fnTrim, fnUpperCase,
    fnDiv, fnMaxNum, fnMinNum, fnDay, fnMonth, fnYear, fnInput, fnMessageBox, fnShowMessage, fnDate, fnTime,
    fnFieldIsNull, fnChinaDate, fnIif, fnQmFormat, fnStrToDate, fnStrToTime, fnCNumber, fnCopy, fnIf,
    fnAvg, fnCount, fnMax, fnMin, fnSum
};

constexpr const char* kFunctionNames[] = {
    "STRTOFLOAT", "PARAMSTR", "EXTRACTFILEPATH", "STRINGOFCHAR", "MONTHTOENGLISHSHORT", "MONTHTOENGLISHLONG",
    "SINGNUMTOBIG", "SMALLTOBIG", "CURRTOBIGNUM", "QmROUND", "STRTOINT", "ABS", "GETCONTROLPROPVALUE",
    "FORMATDATETIME", "FORMATFLOAT", "FORMATTEXT", "LENGTH", "LOWERCASE", "NAMECASE", "POS", "TRIM", "UPPERCASE",
    "DIV", "MAXNUM", "MINNUM", "DAY", "MONTH", "YEAR", "INPUT", "MESSAGEBOX", "SHOWMESSAGE", "DATE", "TIME",
    "FIELDISNULL", "CHINADATE", "IIF", "QmFORMAT", "STRTODATE", "STRTOTIME", "CNUMBER", "COPY", "IF",
    "AVG", "COUNT", "MAX", "MIN", "SUM"};
static_assert(std::size(kFunctionNames) == 47);

struct Description {
    const char* name;
    int category;  // 1..7
    const char* argKinds;
    const char* text = "";
};

constexpr Description kDescriptions[] = {
    {"Avg", 1, "NSN"}, {"Count", 1, "S"}, {"Max", 1, "NSN"}, {"Min", 1, "NSN"}, {"Sum", 1, "NSN"},
    {"Copy", 3, "SNN"}, {"FormatDateTime", 3, "SE"}, {"FormatFloat", 3, "SV"}, {"FormatText", 3, "SS"},
    {"Length", 3, "S"}, {"LowerCase", 3, "S"}, {"NameCase", 3, "S"}, {"Pos", 3, "SS"}, {"Str", 3, "N"},
    {"Trim", 3, "S"}, {"UpperCase", 3, "S"}, {"CNumber", 3, "N"},
    {"Dec", 5, "N"}, {"Div", 5, "NN"}, {"Frac", 5, "N"}, {"Inc", 5, "N"}, {"Int", 5, "N"}, {"MaxNum", 5, "NN"},
    {"MinNum", 5, "NN"}, {"Mod", 5, ""}, {"Round", 5, ""},
    {"Date", 2, ""}, {"Day", 2, "D"}, {"Month", 2, "D"}, {"StrtoDate", 2, "S"}, {"StrtoTime", 2, "S"},
    {"Time", 2, ""}, {"Year", 2, "D"},
    {"IF", 6, "BVV"}, {"IIF", 6, "BVV"}, {"TRUE", 6, ""}, {"FALSE", 6, ""}, {"AND", 6, ""}, {"NOT", 6, ""},
    {"OR", 6, ""},
    {"Input", 4, "SS"}, {"MessageBox", 4, "SSS"}, {"_Qm_Column", 4, ""}, {"_Qm_Line", 4, ""},
    {"_Qm_LineThough", 4, ""}, {"_Qm_Page", 4, ""}, {"_Qm_TotalPages", 4, ""},
    {"CurY", 7, ""}, {"FinalPass", 7, ""}, {"FreeSpace", 7, ""}, {"ModalResult", 7, ""}, {"mrCancel", 7, ""},
    {"mrOK", 7, ""}, {"NewColumn", 7, ""}, {"NewPage", 7, ""}, {"PageHeight", 7, ""}, {"PageWidth", 7, ""},
    {"Progress", 7, ""}, {"ShowBand", 7, ""}, {"StopReport", 7, ""},
    {"StrToFloat", 5, "S"}, {"ParamStr", 3, "S"}, {"ExtractFilePath", 3, "S"}, {"StringOfChar", 3, "SN"},
    {"MonthtoEnglishShort", 2, "N"}, {"MonthtoEnglishLong", 2, "N"}, {"SinglNumToBig", 3, "NN"},
    {"SmallToBig", 3, "N"}, {"CurrToBigNum", 3, "N"}, {"QmRound", 5, "NN"}, {"StrToInt", 5, "S"}, {"Abs", 5, "N"},
    {"GetControlPropValue", 4, "SS"},
    {"FieldIsNull", 6, "S", "Indicates whether the field has a value assigned to it.|"},
    {"ChinaDate", 3, "D", "Change Date To China Format Date.|"}, {"QmFormat", 3, "SS", "Format value.|"},
};

// The arguments of one call, evaluated on demand.
class Arguments {
public:
    Arguments(TQmParser* parser, const std::vector<Variant>& texts) : parser_(parser), texts_(texts) {}

    Variant Value(std::size_t k) const { return parser_->Calc(texts_.at(k)); }
    // Null reads as empty text.
    AnsiString Text(std::size_t k) const { return VarToStr(Value(k)); }
    // Null reads as 0.
    Variant Number(std::size_t k) const {
        const Variant v = Value(k);
        return VarIsNull(v) ? Variant(0) : v;
    }
    // Unassigned, Null and empty text read as absent.
    bool Absent(const Variant& v) const { return VarIsEmpty(v) || VarIsNull(v) || (VarIsStr(v) && VarToStr(v).empty()); }

private:
    TQmParser* parser_;
    const std::vector<Variant>& texts_;
};

AnsiString NameCase(const AnsiString& text) {
    if (text.empty()) return text;
    const std::size_t first = AnsiCharSize(text, 0);
    return AnsiUpperCase(text.substr(0, first)) + text.substr(first);
}

AnsiString RepeatedFirstCharacter(const AnsiString& text, int count) {
    if (text.empty()) return {};
    const AnsiString character = text.substr(0, AnsiCharSize(text, 0));
    AnsiString result;
    for (int i = 0; i < count; ++i) result += character;
    return result;
}

Word DatePart(const Variant& value, int part) {
    Word year, month, day;
    DecodeDate(VarToDateTime(value), year, month, day);
    return part == fnDay ? day : part == fnMonth ? month : year;
}

bool FieldIsNull(TQmParser* parser, const AnsiString& reference) {
    TQmDataset* source = parser->Owner() ? parser->Owner()->Dataset() : nullptr;
    const AnsiString field = ParseDataField(parser->Owner(), reference, source);
    return source && !field.empty() && source->FieldIsNull(field);
}

}  // namespace

TQmStdFunctionLibrary::TQmStdFunctionLibrary() {
    for (const char* name : kFunctionNames) FunctionNames()->Add(name);
    for (const Description& d : kDescriptions)
        AddFunctionDesc(d.name, QmCategoryNames[static_cast<std::size_t>(d.category - 1)], d.text, d.argKinds);
}

void TQmStdFunctionLibrary::DoFunction(TQmParser* parser, int functionNumber, const std::vector<Variant>& texts,
                                       Variant& value) {
    const Arguments args(parser, texts);
    value = "0";
    if (functionNumber >= fnAvg) {
        // The aggregates' kind codes run 10 (AVG) to 14 (SUM) in name order.
        if (parser->Owner())
            value = QmAggregateFunction(parser->Owner(), static_cast<char>(10 + functionNumber - fnAvg), texts);
        return;
    }
    switch (functionNumber) {
    case fnStrToFloat: {
        const Variant v = args.Value(0);
        value = args.Absent(v) ? 0.0 : StrToFloat(VarToStr(v));
        break;
    }
    case fnParamStr: value = ParamStr(args.Value(0).AsInteger()); break;
    case fnExtractFilePath: value = ExtractFilePath(args.Text(0)); break;
    case fnStringOfChar: value = RepeatedFirstCharacter(args.Text(0), args.Value(1).AsInteger()); break;
    case fnMonthToEnglishShort: value = MonthToEnglishShort(args.Number(0).AsInteger()); break;
    case fnMonthToEnglishLong: value = MonthToEnglishLong(args.Number(0).AsInteger()); break;
    case fnSingNumToBig: value = DigitCapitalAt(args.Number(0).AsDouble(), args.Value(1).AsInteger()); break;
    case fnSmallToBig: value = DigitsToChineseCapitals(args.Text(0)); break;
    case fnCurrToBigNum: {
        const Variant v = args.Value(0);
        value = CurrToChineseCapitals(args.Absent(v) ? Currency(0) : v.AsCurrency());
        break;
    }
    case fnQmRound: value = RoundToDecimals(args.Number(0).AsDouble(), args.Value(1).AsInteger()); break;
    case fnStrToInt: {
        const Variant v = args.Value(0);
        value = args.Absent(v) ? 0 : StrToInt(VarToStr(v));
        break;
    }
    case fnAbs: value = std::fabs(args.Number(0).AsDouble()); break;
    case fnGetControlPropValue: value = GetControlPropValue(parser->Owner(), args.Text(0), args.Text(1)); break;
    case fnFormatDateTime: {
        const Variant format = args.Value(0), date = args.Value(1);
        if (!VarIsNull(format) && !VarIsNull(date)) value = FormatDateTime(VarToStr(format), VarToDateTime(date));
        break;
    }
    case fnFormatFloat: value = FormatFloat(args.Text(0), args.Number(1).AsDouble()); break;
    case fnFormatText: value = FormatMaskText(args.Text(0) + ";0; ", VarToStr(args.Number(1))); break;
    case fnLength: value = static_cast<Integer>(args.Text(0).size()); break;
    case fnLowerCase: value = AnsiLowerCase(args.Text(0)); break;
    case fnNameCase: value = NameCase(args.Text(0)); break;
    case fnPos: value = Pos(args.Text(0), args.Text(1)); break;
    case fnTrim: value = Trim(args.Text(0)); break;
    case fnUpperCase: value = AnsiUpperCase(args.Text(0)); break;
    case fnDiv: value = VarIntDiv(args.Number(0), args.Value(1)); break;
    case fnMaxNum:
    case fnMinNum: {
        const Variant a = args.Value(0), b = args.Value(1);
        value = (functionNumber == fnMaxNum ? b > a : b < a) ? b : a;
        break;
    }
    case fnDay:
    case fnMonth:
    case fnYear: value = DatePart(args.Number(0), functionNumber); break;
    case fnInput: value = InputBox("", args.Text(0), args.Text(1)); break;
    case fnMessageBox:
        value = Application->MessageBox(args.Text(0), args.Text(1), static_cast<UINT>(args.Number(2).AsInteger()));
        break;
    case fnShowMessage: ShowMessage(args.Text(0)); break;
    case fnDate: value = VarFromDateTime(Date()); break;
    case fnTime: value = VarFromDateTime(Time()); break;
    case fnFieldIsNull: value = FieldIsNull(parser, args.Text(0)); break;
    case fnChinaDate: value = ChinaDate(VarToDateTime(args.Number(0))); break;
    case fnIif:
    case fnIf: {
        const Variant condition = args.Value(0);
        value = args.Value(!VarIsNull(condition) && condition.AsBoolean() ? 1 : 2);
        break;
    }
    case fnQmFormat: {
        AnsiString formatText = args.Text(1);
        TQmDisplayFormat format;
        ParseDisplayFormat(formatText, format);
        value = FormatValue(args.Value(0), format, formatText);
        break;
    }
    case fnStrToDate: value = VarFromDateTime(StrToDate(args.Text(0))); break;
    case fnStrToTime: value = VarFromDateTime(StrToTime(args.Text(0))); break;
    case fnCNumber: value = NumberToChineseNumerals(args.Text(0)); break;
    case fnCopy: value = Copy(args.Text(0), args.Number(1).AsInteger(), args.Number(2).AsInteger()); break;
    default: break;  // the aggregates answer through the band engine
    }
}

AnsiString ChinaDate(TDateTime date) {
    Word year, month, day;
    DecodeDate(date, year, month, day);
    static const char* const kMonths[] = {"十", "十一", "十二"};
    const AnsiString monthText = month >= 10 ? AnsiString(kMonths[month - 10]) : NumberToChineseDigits(month);
    AnsiString dayText = NumberToChineseDigits(day);
    if (day >= 10) {
        const AnsiString tens = day / 10 == 1 ? AnsiString() : NumberToChineseDigits(day / 10);
        const AnsiString units = day % 10 == 0 ? AnsiString() : NumberToChineseDigits(day % 10);
        dayText = tens + "十" + units;
    }
    return NumberToChineseDigits(year) + "年" + monthText + "月" + dayText + "日";
}
