// Registration of the script unit "SysUtils": the exception classes with
// Exception's constructors and members, the utility functions in the
// unit's order, the file constants and the record TSearchRec.
#include "script/qm_kpinterpreter_sysutils.h"

#include <exception>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/format.h"
#include "platform/rtl/pchar.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_sysutils_internal.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

Exception* SelfException(Frame& f) { return static_cast<Exception*>(VariantToObject(f.CallObject())); }

Variant NewException(const AnsiString& message, int helpContext) {
    auto* e = new Exception(message);
    e->SetHelpContext(helpContext);
    return ObjectToVariant(e);
}

void RegisterException(TKpInterpreterAdapter& a) {
    const TClass c = Exception::StaticClass();
    a.DefineClass("SysUtils", c, "Exception");
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) { v = NewException(StrArg(f, 0), 0); }, 1, {0}, 0);
    a.DefineGetter(c, "CreateFmt", [](Variant&, Frame&) { RaiseNotImplemented("Exception.CreateFmt"); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "CreateRes", [](Variant& v, Frame& f) { v = NewException(LoadStr(IntArg(f, 0)), 0); }, 1, {0}, 0);
    a.DefineGetter(c, "CreateResFmt", [](Variant&, Frame&) { RaiseNotImplemented("Exception.CreateResFmt"); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "CreateHelp", [](Variant& v, Frame& f) { v = NewException(StrArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "CreateFmtHelp", [](Variant&, Frame&) { RaiseNotImplemented("Exception.CreateFmtHelp"); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "CreateResHelp", [](Variant& v, Frame& f) { v = NewException(LoadStr(IntArg(f, 0)), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "CreateResFmtHelp", [](Variant&, Frame&) { RaiseNotImplemented("Exception.CreateResFmtHelp"); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "HelpContext", [](Variant& v, Frame& f) { v = SelfException(f)->HelpContext(); }, 0, {}, 0);
    a.DefineSetter(c, "HelpContext", [](const Variant& v, Frame& f) { SelfException(f)->SetHelpContext(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Message", [](Variant& v, Frame& f) { v = SelfException(f)->Message(); }, 0, {}, 0);
    a.DefineSetter(c, "Message", [](const Variant& v, Frame& f) { SelfException(f)->SetMessage(VarToStr(v)); }, 0, {});
    for (TClass e : {EAbort::StaticClass(), EOutOfMemory::StaticClass(), EInOutError::StaticClass(),
                     EIntError::StaticClass(), EDivByZero::StaticClass(), ERangeError::StaticClass(),
                     EIntOverflow::StaticClass(), EMathError::StaticClass(), EInvalidOp::StaticClass(),
                     EZeroDivide::StaticClass(), EOverflow::StaticClass(), EUnderflow::StaticClass(),
                     EInvalidPointer::StaticClass(), EInvalidCast::StaticClass(), EConvertError::StaticClass(),
                     EAccessViolation::StaticClass(), EPrivilege::StaticClass(), EControlC::StaticClass(),
                     EVariantError::StaticClass(), EPropReadOnly::StaticClass(), EPropWriteOnly::StaticClass(),
                     EExternalException::StaticClass(), EAssertionFailed::StaticClass(),
                     EAbstractError::StaticClass(), EIntfCastError::StaticClass(), EInvalidContainer::StaticClass(),
                     EInvalidInsert::StaticClass(), EPackageError::StaticClass(), EOSError::StaticClass()})
        a.DefineClass("SysUtils", e, e->ClassName());
}

Variant DateResult(TDateTime value) { return VarFromDateTime(value); }

// A locale-changed copy of a string argument, answered as the result.
template <char* (*Change)(char*)>
void ChangedCopy(Variant& v, Frame& f) {
    AnsiString text = StrArg(f, 0);
    v = PCharResult(Change(text.data()));
}

void RegisterStrings(TKpInterpreterAdapter& a) {
    const Word var = varParamFlag;
    DefineSysUtilsFunction(a, "AllocMem", [](Variant& v, Frame& f) { v = PointerToVariant(AllocMem(std::size_t(std::max(IntArg(f, 0), 0)))); }, 1);
    DefineSysUtilsFunction(a, "UpperCase", [](Variant& v, Frame& f) { v = UpperCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "LowerCase", [](Variant& v, Frame& f) { v = LowerCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "CompareStr", [](Variant& v, Frame& f) { v = CompareStr(StrArg(f, 0), StrArg(f, 1)); }, 2);
    // Only inside blocks AllocMem handed out.
    DefineSysUtilsFunction(a, "CompareMem", [](Variant& v, Frame& f) {
        void* p1 = VariantToPointer(Arg(f, 0));
        void* p2 = VariantToPointer(Arg(f, 1));
        const std::size_t length = std::size_t(std::max(IntArg(f, 2), 0));
        if (AllocMemAvailable(p1) < length || AllocMemAvailable(p2) < length || !p1 || !p2) RaiseScriptError(109, -1);
        v = CompareMem(p1, p2, length);
    }, 3);
    DefineSysUtilsFunction(a, "CompareText", [](Variant& v, Frame& f) { v = CompareText(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiUpperCase", [](Variant& v, Frame& f) { v = AnsiUpperCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "AnsiLowerCase", [](Variant& v, Frame& f) { v = AnsiLowerCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "AnsiCompareStr", [](Variant& v, Frame& f) { v = AnsiCompareStr(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiCompareText", [](Variant& v, Frame& f) { v = AnsiCompareText(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrComp", [](Variant& v, Frame& f) { v = AnsiStrComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str()); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrIComp", [](Variant& v, Frame& f) { v = AnsiStrIComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str()); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrLComp", [](Variant& v, Frame& f) {
        v = AnsiStrLComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str(), std::size_t(std::max(IntArg(f, 2), 0)));
    }, 3);
    DefineSysUtilsFunction(a, "AnsiStrLIComp", [](Variant& v, Frame& f) {
        v = AnsiStrLIComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str(), std::size_t(std::max(IntArg(f, 2), 0)));
    }, 3);
    DefineSysUtilsFunction(a, "AnsiStrLower", ChangedCopy<AnsiStrLower>, 1);
    DefineSysUtilsFunction(a, "AnsiStrUpper", ChangedCopy<AnsiStrUpper>, 1);
    DefineSysUtilsFunction(a, "AnsiLastChar", [](Variant& v, Frame& f) { v = PCharResult(AnsiLastChar(StrArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "AnsiStrLastChar", [](Variant& v, Frame& f) { v = PCharResult(AnsiStrLastChar(StrArg(f, 0).c_str())); }, 1);
    DefineSysUtilsFunction(a, "Trim", [](Variant& v, Frame& f) { v = Trim(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "TrimLeft", [](Variant& v, Frame& f) { v = TrimLeft(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "TrimRight", [](Variant& v, Frame& f) { v = TrimRight(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "QuotedStr", [](Variant& v, Frame& f) { v = QuotedStr(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "AnsiQuotedStr", [](Variant& v, Frame& f) { v = AnsiQuotedStr(StrArg(f, 0), CharArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiExtractQuotedStr", [](Variant& v, Frame& f) {
        AnsiString source = StrArg(f, 0);
        v = AnsiExtractQuotedStr(source, CharArg(f, 1));
        SetArg(f, 0, source);
    }, 2, {var, 0});
    DefineSysUtilsFunction(a, "ExtractQuotedString", [](Variant& v, Frame& f) { v = ExtractQuotedString(StrArg(f, 0), CharArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AdjustLineBreaks", [](Variant& v, Frame& f) { v = AdjustLineBreaks(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "IsValidIdent", [](Variant& v, Frame& f) { v = IsValidIdent(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "IntToStr", [](Variant& v, Frame& f) { v = IntToStr(Arg(f, 0).AsInt64()); }, 1);
    DefineSysUtilsFunction(a, "IntToHex", [](Variant& v, Frame& f) { v = IntToHex(Arg(f, 0).AsInt64(), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "StrToInt", [](Variant& v, Frame& f) { v = StrToInt(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "StrToIntDef", [](Variant& v, Frame& f) { v = StrToIntDef(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "LoadStr", [](Variant& v, Frame& f) { v = LoadStr(IntArg(f, 0)); }, 1);
}

// A formatted text never longer than `limit` characters.
AnsiString Limited(const AnsiString& text, Integer limit) {
    return text.substr(0, std::size_t(std::max(limit, 0)));
}

void RegisterFormatting(TKpInterpreterAdapter& a) {
    const Word var = varParamFlag;
    DefineSysUtilsFunction(a, "Format", [](Variant& v, Frame& f) { v = Format(StrArg(f, 0), f.ToOpenArray(1)); }, 2);
    DefineSysUtilsFunction(a, "FmtStr", [](Variant&, Frame& f) {
        AnsiString text;
        FmtStr(text, StrArg(f, 1), f.ToOpenArray(2));
        SetArg(f, 0, text);
    }, 3, {var, 0, 0});
    DefineSysUtilsFunction(a, "StrFmt", [](Variant& v, Frame& f) { v = Format(StrArg(f, 1), f.ToOpenArray(2)); }, 3);
    DefineSysUtilsFunction(a, "StrLFmt", [](Variant& v, Frame& f) { v = Limited(Format(StrArg(f, 2), f.ToOpenArray(3)), IntArg(f, 1)); }, 4);
    DefineSysUtilsFunction(a, "FormatBuf", [](Variant& v, Frame& f) {
        const AnsiString format = StrArg(f, 2);
        const AnsiString text = Limited(Format(Limited(format, IntArg(f, 3)), f.ToOpenArray(4)), IntArg(f, 1));
        SetArg(f, 0, text);
        v = Integer(text.size());
    }, 5, {var, 0, 0, 0, 0});
    DefineSysUtilsFunction(a, "FloatToStr", [](Variant& v, Frame& f) { v = FloatToStr(FloatArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "CurrToStr", [](Variant& v, Frame& f) { v = CurrToStr(Arg(f, 0).AsCurrency()); }, 1);
    DefineSysUtilsFunction(a, "FloatToStrF", [](Variant& v, Frame& f) {
        v = FloatToStrF(FloatArg(f, 0), TFloatFormat(IntArg(f, 1)), IntArg(f, 2), IntArg(f, 3));
    }, 4);
    DefineSysUtilsFunction(a, "CurrToStrF", [](Variant& v, Frame& f) {
        v = CurrToStrF(Arg(f, 0).AsCurrency(), TFloatFormat(IntArg(f, 1)), IntArg(f, 2));
    }, 3);
    DefineSysUtilsFunction(a, "FormatFloat", [](Variant& v, Frame& f) { v = FormatFloat(StrArg(f, 0), FloatArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "FormatCurr", [](Variant& v, Frame& f) { v = FormatCurr(StrArg(f, 0), Arg(f, 1).AsCurrency()); }, 2);
    DefineSysUtilsFunction(a, "StrToFloat", [](Variant& v, Frame& f) { v = StrToFloat(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "StrToCurr", [](Variant& v, Frame& f) { v = StrToCurr(StrArg(f, 0)); }, 1);
}

void RegisterDates(TKpInterpreterAdapter& a) {
    const Word var = varParamFlag;
    DefineSysUtilsFunction(a, "EncodeDate", [](Variant& v, Frame& f) {
        v = DateResult(EncodeDate(Word(IntArg(f, 0)), Word(IntArg(f, 1)), Word(IntArg(f, 2))));
    }, 3);
    DefineSysUtilsFunction(a, "EncodeTime", [](Variant& v, Frame& f) {
        v = DateResult(EncodeTime(Word(IntArg(f, 0)), Word(IntArg(f, 1)), Word(IntArg(f, 2)), Word(IntArg(f, 3))));
    }, 4);
    DefineSysUtilsFunction(a, "DecodeDate", [](Variant&, Frame& f) {
        Word year, month, day;
        DecodeDate(FloatArg(f, 0), year, month, day);
        SetArg(f, 1, year);
        SetArg(f, 2, month);
        SetArg(f, 3, day);
    }, 4, {0, var, var, var});
    DefineSysUtilsFunction(a, "DecodeTime", [](Variant&, Frame& f) {
        Word hour, minute, second, msec;
        DecodeTime(FloatArg(f, 0), hour, minute, second, msec);
        SetArg(f, 1, hour);
        SetArg(f, 2, minute);
        SetArg(f, 3, second);
        SetArg(f, 4, msec);
    }, 5, {0, var, var, var, var});
    DefineSysUtilsFunction(a, "DayOfWeek", [](Variant& v, Frame& f) { v = Word(DayOfWeek(FloatArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "Date", [](Variant& v, Frame&) { v = DateResult(Date()); }, 0);
    DefineSysUtilsFunction(a, "Time", [](Variant& v, Frame&) { v = DateResult(Time()); }, 0);
    DefineSysUtilsFunction(a, "Now", [](Variant& v, Frame&) { v = DateResult(Now()); }, 0);
    DefineSysUtilsFunction(a, "IncMonth", [](Variant& v, Frame& f) { v = DateResult(IncMonth(FloatArg(f, 0), IntArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "IsLeapYear", [](Variant& v, Frame& f) { v = IsLeapYear(Word(IntArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "DateToStr", [](Variant& v, Frame& f) { v = DateToStr(FloatArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "TimeToStr", [](Variant& v, Frame& f) { v = TimeToStr(FloatArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "DateTimeToStr", [](Variant& v, Frame& f) { v = DateTimeToStr(FloatArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "StrToDate", [](Variant& v, Frame& f) { v = DateResult(StrToDate(StrArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "StrToTime", [](Variant& v, Frame& f) { v = DateResult(StrToTime(StrArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "StrToDateTime", [](Variant& v, Frame& f) { v = DateResult(StrToDateTime(StrArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "FormatDateTime", [](Variant& v, Frame& f) { v = FormatDateTime(StrArg(f, 0), FloatArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "DateTimeToString", [](Variant&, Frame& f) {
        AnsiString text;
        DateTimeToString(text, StrArg(f, 1), FloatArg(f, 2));
        SetArg(f, 0, text);
    }, 3, {var, 0, 0});
}

AnsiString ErrorMessageOf(TObject* object, void* address, Integer size) {
    std::vector<char> buffer(std::size_t(std::max(size, 0)) + 1, '\0');
    ExceptionErrorMessage(object, address, buffer.data(), int(buffer.size()));
    return buffer.data();
}

void RegisterSystem(TKpInterpreterAdapter& a) {
    DefineSysUtilsFunction(a, "SysErrorMessage", [](Variant& v, Frame& f) { v = SysErrorMessage(IntArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "GetLocaleStr", [](Variant& v, Frame& f) {
        v = GetLocaleStr(Cardinal(IntArg(f, 0)), Cardinal(IntArg(f, 1)), StrArg(f, 2));
    }, 3);
    DefineSysUtilsFunction(a, "GetLocaleChar", [](Variant& v, Frame& f) {
        v = AnsiString(1, GetLocaleChar(Cardinal(IntArg(f, 0)), Cardinal(IntArg(f, 1)), CharArg(f, 2)));
    }, 3);
    DefineSysUtilsFunction(a, "GetFormatSettings", [](Variant&, Frame&) { GetFormatSettings(); }, 0);
    // The exception the script's innermost except part handles.
    DefineSysUtilsFunction(a, "ExceptObject", [](Variant& v, Frame&) { v = ObjectToVariant(ExceptionObjectOf(std::current_exception())); }, 0);
    DefineSysUtilsFunction(a, "ExceptAddr", [](Variant& v, Frame&) { v = PointerToVariant(ExceptionObjectOf(std::current_exception())); }, 0);
    DefineSysUtilsFunction(a, "ExceptionErrorMessage", [](Variant& v, Frame& f) {
        v = Integer(ErrorMessageOf(VariantToObject(Arg(f, 0)), VariantToPointer(Arg(f, 1)), IntArg(f, 3)).size());
    }, 4);
    DefineSysUtilsFunction(a, "ShowException", [](Variant&, Frame& f) {
        MessageBox(0, ErrorMessageOf(VariantToObject(Arg(f, 0)), VariantToPointer(Arg(f, 1)), 1024).c_str(), "",
                   MB_OK | MB_ICONSTOP);
    }, 2);
    DefineSysUtilsFunction(a, "Abort", [](Variant&, Frame&) { Abort(); }, 0);
    DefineSysUtilsFunction(a, "OutOfMemoryError", [](Variant&, Frame&) { OutOfMemoryError(); }, 0);
    DefineSysUtilsFunction(a, "Beep", [](Variant&, Frame&) { MessageBeep(MB_OK); }, 0);
}

void RegisterCharacterSets(TKpInterpreterAdapter& a) {
    DefineSysUtilsFunction(a, "ByteType", [](Variant& v, Frame& f) { v = Byte(ByteType(StrArg(f, 0), IntArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "StrByteType", [](Variant& v, Frame& f) {
        const AnsiString text = StrArg(f, 0);
        const Integer index = IntArg(f, 1);
        v = Byte(index < 0 || std::size_t(index) >= text.size() ? mbSingleByte : StrByteType(text.c_str(), unsigned(index)));
    }, 2);
    DefineSysUtilsFunction(a, "ByteToCharLen", [](Variant& v, Frame& f) { v = ByteToCharLen(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "CharToByteLen", [](Variant& v, Frame& f) { v = CharToByteLen(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "ByteToCharIndex", [](Variant& v, Frame& f) { v = ByteToCharIndex(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "CharToByteIndex", [](Variant& v, Frame& f) { v = CharToByteIndex(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "IsPathDelimiter", [](Variant& v, Frame& f) { v = IsPathDelimiter(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "IsDelimiter", [](Variant& v, Frame& f) { v = IsDelimiter(StrArg(f, 0), StrArg(f, 1), IntArg(f, 2)); }, 3);
    DefineSysUtilsFunction(a, "LastDelimiter", [](Variant& v, Frame& f) { v = LastDelimiter(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiCompareFileName", [](Variant& v, Frame& f) { v = AnsiCompareFileName(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiLowerCaseFileName", [](Variant& v, Frame& f) { v = AnsiLowerCaseFileName(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "AnsiUpperCaseFileName", [](Variant& v, Frame& f) { v = AnsiUpperCaseFileName(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "AnsiPos", [](Variant& v, Frame& f) { v = AnsiPos(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrPos", [](Variant& v, Frame& f) { v = PCharResult(AnsiStrPos(StrArg(f, 0).c_str(), StrArg(f, 1).c_str())); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrRScan", [](Variant& v, Frame& f) { v = PCharResult(AnsiStrRScan(StrArg(f, 0).c_str(), CharArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "AnsiStrScan", [](Variant& v, Frame& f) { v = PCharResult(AnsiStrScan(StrArg(f, 0).c_str(), CharArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "LoadPackage", [](Variant& v, Frame& f) { v = Integer(LoadPackage(StrArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "UnloadPackage", [](Variant&, Frame& f) { UnloadPackage(Cardinal(IntArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "RaiseLastWin32Error", [](Variant&, Frame&) { RaiseLastWin32Error(); }, 0);
    DefineSysUtilsFunction(a, "Win32Check", [](Variant& v, Frame& f) { v = Win32Check(BoolArg(f, 0)); }, 1);
}

void RegisterConstants(TKpInterpreterAdapter& a) {
    const struct {
        const char* name;
        Integer value;
    } constants[] = {
        {"fmOpenRead", fmOpenRead},        {"fmOpenWrite", fmOpenWrite},         {"fmOpenReadWrite", fmOpenReadWrite},
        {"fmShareCompat", fmShareCompat},  {"fmShareExclusive", fmShareExclusive}, {"fmShareDenyWrite", fmShareDenyWrite},
        {"fmShareDenyRead", fmShareDenyRead}, {"fmShareDenyNone", fmShareDenyNone}, {"faReadOnly", faReadOnly},
        {"faHidden", faHidden},            {"faSysFile", faSysFile},             {"faVolumeID", faVolumeID},
        {"faDirectory", faDirectory},      {"faArchive", faArchive},             {"faAnyFile", faAnyFile},
    };
    for (const auto& c : constants) a.DefineConstant("SysUtils", c.name, Variant(c.value));
}

}  // namespace

void RegisterSysUtilsBindings(TKpInterpreterAdapter& adapter) {
    adapter.DefineUnit("SysUtils");
    RegisterException(adapter);
    RegisterStrings(adapter);
    RegisterSysUtilsFileFunctions(adapter);
    RegisterSysUtilsPCharFunctions(adapter);
    RegisterFormatting(adapter);
    RegisterDates(adapter);
    RegisterSystem(adapter);
    RegisterCharacterSets(adapter);
    RegisterConstants(adapter);
    RegisterSearchRecord(adapter);
}
