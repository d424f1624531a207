// Form descriptions in the text syntax. What parses must print to text that
// parses back to the same tree, and survive the binary form unchanged.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/formtree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFormObject tree;
    try {
        tree = ParseFormText(std::string(FuzzBytes(data, size)));
    } catch (const Exception&) {
        return 0;
    }
    const std::string text = FormatFormText(tree);
    try {
        FuzzCheck(ParseFormText(text) == tree, "printed text reads back as the same tree");
    } catch (const Exception&) {
        FuzzCheck(false, "printed text reads back");
    }
    FuzzCheck(ParseFormBinary(FormatFormBinary(tree)) == tree, "the binary form holds the same tree");
    return 0;
}
