// The class registry.
#include "platform/rtl/classregistry.h"

#include <mutex>
#include <vector>

#include "platform/rtl/identifier.h"

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<TClass> classes;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

TClass Lookup(const std::vector<TClass>& classes, const AnsiString& name) {
    for (TClass cls : classes)
        if (SameIdentifier(cls->ClassName(), name))
            return cls;
    return nullptr;
}

}  // namespace

void RegisterClass(TClass cls) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    TClass existing = Lookup(registry.classes, cls->ClassName());
    if (existing == cls)
        return;
    if (existing)
        throw EFilerError("A class named " + cls->ClassName() + " already exists");
    registry.classes.push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass cls : classes)
        RegisterClass(cls);
}

void UnRegisterClass(TClass cls) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::erase(registry.classes, cls);
}

TClass GetClass(const AnsiString& className) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return Lookup(registry.classes, className);
}

TClass FindClass(const AnsiString& className) {
    TClass cls = GetClass(className);
    if (!cls)
        throw EClassNotFound("Class " + className + " not found");
    return cls;
}
