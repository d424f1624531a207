// Settings files: every section and value read, one value written back.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/inifiles.h"
#include "platform/rtl/stringlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        TMemIniFile ini(FuzzInputFile(FuzzBytes(data, size), ".ini"));
        TStringList sections, values;
        ini.ReadSections(&sections);
        for (int i = 0; i < sections.Count(); ++i) {
            ini.ReadSectionValues(sections[i], &values);
            for (int k = 0; k < values.Count(); ++k) ini.ReadInteger(sections[i], values.Names(k), 0);
        }
        ini.WriteString("程序参数", "背景", "image\\001.jpg");
        FuzzCheck(ini.ReadString("程序参数", "背景", "") == "image\\001.jpg", "a written value reads back");
        ini.UpdateFile();
    } catch (const Exception&) {
    }
    return 0;
}
