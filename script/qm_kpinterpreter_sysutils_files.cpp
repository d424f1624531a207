// The SysUtils binding's files, folders and searches, and its
// zero-terminated strings, which work on copies of the script's strings:
// nothing is read or written outside a value the script holds.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/rtl/fileutils.h"
#include "platform/rtl/pchar.h"
#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_sysutils_internal.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

// The script's TSearchRec: the fields a script reads by name, beside the
// platform's search state.
struct ScriptSearchRec {
    Integer Time = 0;
    Integer Size = 0;
    Integer Attr = 0;
    AnsiString Name;
    Integer ExcludeAttr = 0;
    Integer FindHandle = 0;
    TSearchRec Search;

    // Shows the platform's record through the fields; FindHandle is 1
    // while a search is open.
    Integer Publish(Integer result) {
        Time = Search.Time;
        Size = Integer(Search.Size);
        Attr = Search.Attr;
        Name = Search.Name;
        ExcludeAttr = Search.ExcludeAttr;
        FindHandle = Search.FindHandle ? 1 : 0;
        return result;
    }
};

ScriptSearchRec& SearchArg(Frame& f, int index) { return *static_cast<ScriptSearchRec*>(VariantToRecord(Arg(f, index))); }

// A writable copy of a string with room for `capacity` characters and a zero.
std::vector<char> Buffer(const AnsiString& text, std::size_t capacity) {
    std::vector<char> buffer(std::max(text.size(), capacity) + 1, '\0');
    std::copy(text.begin(), text.end(), buffer.begin());
    return buffer;
}

// A zero-terminated result as a string; "" for none.

void FileRead(Variant& v, Frame& f) {
    AnsiString data(std::size_t(std::max(IntArg(f, 2), 0)), '\0');
    const Integer done = ::FileRead(IntArg(f, 0), data.data(), Integer(data.size()));
    data.resize(std::size_t(std::max(done, 0)));
    SetArg(f, 1, data);
    v = done;
}

void FileWrite(Variant& v, Frame& f) {
    const AnsiString data = StrArg(f, 1);
    v = ::FileWrite(IntArg(f, 0), data.data(), Bounded(IntArg(f, 2), data.size()));
}

// A file by name when the first argument is text, else by handle.
void FileSetDate(Variant& v, Frame& f) {
    if (Arg(f, 0).VarType() == varString) v = ::FileSetDate(StrArg(f, 0), IntArg(f, 1));
    else v = ::FileSetDate(IntArg(f, 0), IntArg(f, 1));
}

}  // namespace

void RegisterSysUtilsFileFunctions(TKpInterpreterAdapter& a) {
    const Word var = varParamFlag;
    DefineSysUtilsFunction(a, "FileOpen", [](Variant& v, Frame& f) { v = FileOpen(StrArg(f, 0), Cardinal(IntArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "FileCreate", [](Variant& v, Frame& f) { v = FileCreate(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FileRead", FileRead, 3, {0, var, 0});
    DefineSysUtilsFunction(a, "FileWrite", FileWrite, 3);
    DefineSysUtilsFunction(a, "FileSeek", [](Variant& v, Frame& f) { v = FileSeek(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3);
    DefineSysUtilsFunction(a, "FileClose", [](Variant&, Frame& f) { FileClose(IntArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FileAge", [](Variant& v, Frame& f) { v = FileAge(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FileExists", [](Variant& v, Frame& f) { v = FileExists(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FindFirst", [](Variant& v, Frame& f) {
        ScriptSearchRec& rec = SearchArg(f, 2);
        v = rec.Publish(FindFirst(StrArg(f, 0), IntArg(f, 1), rec.Search));
    }, 3, {0, 0, var});
    DefineSysUtilsFunction(a, "FindNext", [](Variant& v, Frame& f) {
        ScriptSearchRec& rec = SearchArg(f, 0);
        v = rec.Publish(FindNext(rec.Search));
    }, 1, {var});
    DefineSysUtilsFunction(a, "FindClose", [](Variant&, Frame& f) {
        ScriptSearchRec& rec = SearchArg(f, 0);
        FindClose(rec.Search);
        rec.Publish(0);
    }, 1, {var});
    DefineSysUtilsFunction(a, "FileGetDate", [](Variant& v, Frame& f) { v = FileGetDate(IntArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FileSetDate", FileSetDate, 2);
    DefineSysUtilsFunction(a, "FileGetAttr", [](Variant& v, Frame& f) { v = FileGetAttr(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "FileSetAttr", [](Variant& v, Frame& f) { v = FileSetAttr(StrArg(f, 0), IntArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "DeleteFile", [](Variant& v, Frame& f) { v = DeleteFile(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "RenameFile", [](Variant& v, Frame& f) { v = RenameFile(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "ChangeFileExt", [](Variant& v, Frame& f) { v = ChangeFileExt(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "ExtractFilePath", [](Variant& v, Frame& f) { v = ExtractFilePath(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExtractFileDir", [](Variant& v, Frame& f) { v = ExtractFileDir(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExtractFileDrive", [](Variant& v, Frame& f) { v = ExtractFileDrive(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExtractFileName", [](Variant& v, Frame& f) { v = ExtractFileName(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExtractFileExt", [](Variant& v, Frame& f) { v = ExtractFileExt(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExpandFileName", [](Variant& v, Frame& f) { v = ExpandFileName(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExpandUNCFileName", [](Variant& v, Frame& f) { v = ExpandUNCFileName(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "ExtractRelativePath", [](Variant& v, Frame& f) { v = ExtractRelativePath(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "FileSearch", [](Variant& v, Frame& f) { v = FileSearch(StrArg(f, 0), StrArg(f, 1)); }, 2);
    DefineSysUtilsFunction(a, "DiskFree", [](Variant& v, Frame& f) { v = DiskFree(Byte(IntArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "DiskSize", [](Variant& v, Frame& f) { v = DiskSize(Byte(IntArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "FileDateToDateTime", [](Variant& v, Frame& f) { v = VarFromDateTime(FileDateToDateTime(IntArg(f, 0))); }, 1);
    DefineSysUtilsFunction(a, "DateTimeToFileDate", [](Variant& v, Frame& f) { v = DateTimeToFileDate(FloatArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "GetCurrentDir", [](Variant& v, Frame&) { v = GetCurrentDir(); }, 0);
    DefineSysUtilsFunction(a, "SetCurrentDir", [](Variant& v, Frame& f) { v = SetCurrentDir(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "CreateDir", [](Variant& v, Frame& f) { v = CreateDir(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "RemoveDir", [](Variant& v, Frame& f) { v = RemoveDir(StrArg(f, 0)); }, 1);
}

void RegisterSysUtilsPCharFunctions(TKpInterpreterAdapter& a) {
    DefineSysUtilsFunction(a, "StrLen", [](Variant& v, Frame& f) { v = Integer(StrArg(f, 0).size()); }, 1);
    DefineSysUtilsFunction(a, "StrEnd", [](Variant& v, Frame&) { v = AnsiString(); }, 1);
    DefineSysUtilsFunction(a, "StrMove", [](Variant& v, Frame& f) {
        const AnsiString source = StrArg(f, 1);
        const Integer count = Bounded(IntArg(f, 2), source.size());
        std::vector<char> dest = Buffer(StrArg(f, 0), std::size_t(count));
        v = PCharResult(StrMove(dest.data(), source.c_str(), std::size_t(count)));
    }, 3);
    DefineSysUtilsFunction(a, "StrCopy", [](Variant& v, Frame& f) { v = StrArg(f, 1); }, 2);
    DefineSysUtilsFunction(a, "StrECopy", [](Variant& v, Frame&) { v = AnsiString(); }, 2);
    DefineSysUtilsFunction(a, "StrLCopy", [](Variant& v, Frame& f) {
        const AnsiString source = StrArg(f, 1);
        std::vector<char> dest = Buffer(StrArg(f, 0), source.size());
        v = PCharResult(StrLCopy(dest.data(), source.c_str(), std::size_t(Bounded(IntArg(f, 2), source.size()))));
    }, 3);
    DefineSysUtilsFunction(a, "StrPCopy", [](Variant& v, Frame& f) { v = StrArg(f, 1); }, 2);
    DefineSysUtilsFunction(a, "StrPLCopy", [](Variant& v, Frame& f) {
        const AnsiString source = StrArg(f, 1);
        v = source.substr(0, std::size_t(Bounded(IntArg(f, 2), source.size())));
    }, 3);
    DefineSysUtilsFunction(a, "StrCat", [](Variant& v, Frame& f) { v = StrArg(f, 0) + StrArg(f, 1); }, 2);
    DefineSysUtilsFunction(a, "StrLCat", [](Variant& v, Frame& f) {
        const AnsiString dest = StrArg(f, 0), source = StrArg(f, 1);
        std::vector<char> buffer = Buffer(dest, dest.size() + source.size());
        v = PCharResult(StrLCat(buffer.data(), source.c_str(), std::size_t(std::max(IntArg(f, 2), 0))));
    }, 3);
    DefineSysUtilsFunction(a, "StrComp", [](Variant& v, Frame& f) { v = StrComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str()); }, 2);
    DefineSysUtilsFunction(a, "StrIComp", [](Variant& v, Frame& f) { v = StrIComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str()); }, 2);
    DefineSysUtilsFunction(a, "StrLComp", [](Variant& v, Frame& f) {
        v = StrLComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str(), std::size_t(std::max(IntArg(f, 2), 0)));
    }, 3);
    DefineSysUtilsFunction(a, "StrLIComp", [](Variant& v, Frame& f) {
        v = StrLIComp(StrArg(f, 0).c_str(), StrArg(f, 1).c_str(), std::size_t(std::max(IntArg(f, 2), 0)));
    }, 3);
    DefineSysUtilsFunction(a, "StrScan", [](Variant& v, Frame& f) { v = PCharResult(StrScan(StrArg(f, 0).c_str(), CharArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "StrRScan", [](Variant& v, Frame& f) { v = PCharResult(StrRScan(StrArg(f, 0).c_str(), CharArg(f, 1))); }, 2);
    DefineSysUtilsFunction(a, "StrPos", [](Variant& v, Frame& f) { v = PCharResult(StrPos(StrArg(f, 0).c_str(), StrArg(f, 1).c_str())); }, 2);
    DefineSysUtilsFunction(a, "StrUpper", [](Variant& v, Frame& f) { v = UpperCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "StrLower", [](Variant& v, Frame& f) { v = LowerCase(StrArg(f, 0)); }, 1);
    DefineSysUtilsFunction(a, "StrPas", [](Variant& v, Frame& f) { v = StrArg(f, 0); }, 1);
    // Buffers are never handed to a script: an allocation reads as "", a
    // copy as its text, its size as the length and its zero.
    DefineSysUtilsFunction(a, "StrAlloc", [](Variant& v, Frame&) { v = AnsiString(); }, 1);
    DefineSysUtilsFunction(a, "StrBufSize", [](Variant& v, Frame& f) { v = Integer(StrArg(f, 0).size() + 1); }, 1);
    DefineSysUtilsFunction(a, "StrNew", [](Variant& v, Frame& f) { v = StrArg(f, 0); }, 1);
    DefineSysUtilsFunction(a, "StrDispose", [](Variant&, Frame&) {}, 1);
}

void RegisterSearchRecord(TKpInterpreterAdapter& a) {
    a.DefineRecord("SysUtils", "TSearchRec", sizeof(ScriptSearchRec),
                   {MakeRecField("Time", offsetof(ScriptSearchRec, Time), varInteger),
                    MakeRecField("Size", offsetof(ScriptSearchRec, Size), varInteger),
                    MakeRecField("Attr", offsetof(ScriptSearchRec, Attr), varInteger),
                    MakeRecField("Name", offsetof(ScriptSearchRec, Name), varString),
                    MakeRecField("ExcludeAttr", offsetof(ScriptSearchRec, ExcludeAttr), varInteger),
                    MakeRecField("FindHandle", offsetof(ScriptSearchRec, FindHandle), varInteger)},
                   []() -> void* { return new ScriptSearchRec(); },
                   [](void* memory) { delete static_cast<ScriptSearchRec*>(memory); });
}
