// The SysUtils unit against the file system and the registry: searches
// filling TSearchRec in place, file dates, disk sizes, file handles moving
// strings, and constructors that serve Exception only.
#include "script/qm_kpinterpreter_sysutils.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/rtl/fileutils.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_unit.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
#include "tests/support/temp_dir.h"

namespace {

class SysUtilsUnit : public EmittingScripts {
protected:
    TempDir dir;
};

TEST_F(SysUtilsUnit, FindFirstAndFindNextListAFolder) {
    for (const char* name : {"b.txt", "a.txt", "c.log"}) std::ofstream(dir.file(name)) << "12345";
    EXPECT_EQ(Run("var F: TSearchRec; r: Integer; begin r := FindFirst('" + dir.path() + "*.txt', faAnyFile, F); "
                  "while r = 0 do begin Emit(F.Name); Emit(F.Size); r := FindNext(F); end; "
                  "Emit(F.FindHandle); FindClose(F); Emit(F.FindHandle); "
                  "Emit(FindFirst('" + dir.path() + "*.none', faAnyFile, F) <> 0); end;"),
              (std::vector<AnsiString>{"a.txt", "5", "b.txt", "5", "1", "0", "True"}));
    EXPECT_EQ(ErrorCode([&] { Run("var n: Integer; begin FindFirst('*', 0, n); end;"); }), 109);
}

TEST_F(SysUtilsUnit, FileDatesDisksAndHandles) {
    const AnsiString name = dir.file("data.bin");
    EXPECT_EQ(Run("var h, n: Integer; s: string; d: Integer; begin "
                  "h := FileCreate('" + name + "'); Emit(FileWrite(h, 'abcdef', 100)); FileClose(h); "
                  "h := FileOpen('" + name + "', fmOpenRead); n := FileRead(h, s, 4); Emit(n); Emit(s); "
                  "n := FileRead(h, s, 10); Emit(s); FileClose(h); "
                  "d := DateTimeToFileDate(EncodeDate(2010, 6, 1) + EncodeTime(8, 30, 0, 0)); "
                  "Emit(FileSetDate('" + name + "', d)); Emit(FileAge('" + name + "') = d); "
                  "Emit(FormatDateTime('yyyy-mm-dd hh:nn', FileDateToDateTime(FileAge('" + name + "')))); "
                  "Emit(VarType(DiskFree(0))); Emit(DiskFree(0) > 0); Emit(DiskSize(5)); end;"),
              (std::vector<AnsiString>{"6", "4", "abcd", "ef", "0", "True", "2010-06-01 08:30", "20", "True", "-1"}));
}

TEST(SysUtilsRegistry, ConstructorsServeExceptionOnly) {
    TKpInterpreterAdapter adapter;
    RegisterSysUtilsBindings(adapter);
    TKpInterpreterArgs frame;
    frame.ArgCount = 1;
    frame.ArgValues[0] = "message";
    frame.SetCallObject(ClassToVariant(Exception::StaticClass()));
    Variant made;
    ASSERT_TRUE(adapter.ResolveGet(nullptr, "Create", frame, made));
    const std::unique_ptr<TObject> object(VariantToObject(made));
    EXPECT_EQ(object->ClassType(), Exception::StaticClass());
    frame.SetCallObject(ClassToVariant(EConvertError::StaticClass()));
    Variant none;
    EXPECT_FALSE(adapter.ResolveGet(nullptr, "Create", frame, none)) << "a script sees 104";
}

}  // namespace
