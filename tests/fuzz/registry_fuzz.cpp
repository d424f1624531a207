// Registry files: every key walked and every value read, then one value
// written, which writes the whole tree back.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/registrystore.h"

namespace {

void Walk(const RegistryKeyPath& key) {
    for (const AnsiString& name : RegistryValueNames(key)) RegistryReadValue(key, name);
    for (const AnsiString& name : RegistryKeyNames(key)) {
        RegistryKeyPath child = key;
        child.names.push_back(name);
        Walk(child);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SetRegistryFileName(FuzzInputFile(FuzzBytes(data, size), ".dat"));
    try {
        for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS}) Walk({root, {}});
        const RegistryKeyPath key{HKEY_CURRENT_USER, {"Software", "Serviora"}};
        RegistryCreateKey(key);
        RegistryWriteValue(key, "Skin", {rdString, "默认"});
    } catch (const Exception&) {
    }
    return 0;
}
