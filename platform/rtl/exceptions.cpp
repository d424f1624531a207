#include "platform/rtl/exceptions.h"

#include <algorithm>
#include <cstring>
#include <exception>
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

void OutOfMemoryError() { throw EOutOfMemory("Out of memory"); }

Exception* ExceptObject() {
    const std::exception_ptr current = std::current_exception();
    if (!current) return nullptr;
    try {
        std::rethrow_exception(current);
    } catch (Exception& e) {
        return &e;
    } catch (...) {
        return nullptr;
    }
}

void* ExceptAddr() { return ExceptObject(); }

int ExceptionErrorMessage(TObject* exceptObject, void*, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    AnsiString text = "Exception";
    if (exceptObject) text += " " + exceptObject->ClassName();
    if (auto* e = dynamic_cast<Exception*>(exceptObject)) text += ": " + e->Message();
    const std::size_t length = std::min(text.size(), std::size_t(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return int(length);
}

void RaiseHeapException(Exception* instance) {
    std::unique_ptr<Exception> owned(instance);
    owned->ThrowCopy();
    // Every override throws; the compiler cannot see that through the virtual call.
    __builtin_unreachable();
}
