// Skin packages: unpacked, split into members, and their description read
// into skin elements. An unknown version's message box is answered.
#include "fuzz/fuzz_target.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "skin/WinSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        TMemoryStream package;
        package.Write(data, static_cast<Integer>(size));
        TSkinReader reader;
        PushModalAnswer({IDOK});
        const bool loaded = reader.Load(&package);
        ResetModalResponder();
        if (!loaded) return 0;
        FuzzCheck(reader.MemberCount() <= TSkinReader::kMaxMembers, "the member count is bounded");
        TMemoryStream text;
        AnsiString name;
        reader.FindMember(".ini", &text, name);
        TQuickIni ini;
        ini.LoadFromStream(&text);
        TSkinData skin(nullptr);
        skin.LoadDescription(&reader, &ini);
    } catch (const Exception&) {
    }
    return 0;
}
