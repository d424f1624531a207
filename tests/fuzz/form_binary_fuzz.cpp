// Form descriptions in the binary "TPF0" layout. What parses is written
// back to the same bytes' meaning, and converts to text without failing.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/formtree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFormObject tree;
    try {
        tree = ParseFormBinary(std::string(FuzzBytes(data, size)));
    } catch (const Exception&) {
        return 0;
    }
    const std::string bytes = FormatFormBinary(tree);
    FuzzCheck(FormatFormBinary(ParseFormBinary(bytes)) == bytes, "written bytes read back to the same bytes");
    FormatFormText(tree);
    return 0;
}
