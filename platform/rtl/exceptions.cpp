#include "platform/rtl/exceptions.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/rtl/codepage.h"

namespace {

struct ResourceTable {
    std::mutex mutex;
    std::map<int, AnsiString> strings;
};

ResourceTable& Resources() {
    static ResourceTable table;
    return table;
}

}  // namespace

void AddResourceStrings(std::initializer_list<TResourceString> table) {
    ResourceTable& r = Resources();
    std::lock_guard lock(r.mutex);
    for (const TResourceString& entry : table) r.strings[entry.id] = entry.text;
}

AnsiString LoadStr(int id) {
    ResourceTable& r = Resources();
    std::lock_guard lock(r.mutex);
    auto it = r.strings.find(id);
    return it == r.strings.end() ? AnsiString() : it->second;
}

Exception::Exception(ResId id) : message_(LoadStr(id.id)) {}

const char* Exception::what() const noexcept {
    if (utf8_.empty()) utf8_ = AnsiToUtf8(message_);
    return utf8_.c_str();
}

void Abort() { throw EAbort("Operation aborted"); }

void RaiseHeapException(Exception* instance) {
    std::unique_ptr<Exception> owned(instance);
    owned->ThrowCopy();
    // Every override throws; the compiler cannot see that through the virtual call.
    __builtin_unreachable();
}
