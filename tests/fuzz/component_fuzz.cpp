// Form descriptions (text or binary) read into components by TReader: the
// reader sets published properties of every kind, collections, defined
// properties, sub-objects and child components of registered classes.
#include <memory>

#include "fuzz/fuzz_target.h"
#include "platform/rtl/datamodule.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/writer.h"
#include "platform/rtl/streaming_fixtures.h"  // tests/platform/rtl

SERVIORA_REGISTER_CLASS(TTestWidget);
SERVIORA_REGISTER_CLASS(TDataModule);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        std::unique_ptr<TComponent> root(ReadComponentFromString(std::string(FuzzBytes(data, size)), nullptr));
        if (root) ComponentToText(root.get());
    } catch (const Exception&) {
    }
    return 0;
}
