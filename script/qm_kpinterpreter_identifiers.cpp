// The one name order of the registry lists.
#include "script/qm_kpinterpreter_identifiers.h"

#include <algorithm>
#include <atomic>

#include "platform/rtl/sysutils.h"

// Names are nearly always plain ASCII, where every byte is a character of
// its own and the platform's comparison reduces to folding letters; a
// byte beyond ASCII hands the pair to the platform's comparison.
int CompareIdentifiers(const AnsiString& a, const AnsiString& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80) return CompareText(a, b);
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 'a' + 'A');
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return int(a.size() > b.size()) - int(a.size() < b.size());
}

std::atomic<std::uint64_t> registryGeneration{1};
