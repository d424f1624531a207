// The registry of live forms and data modules.
#include "platform/rtl/moduleregistry.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/rtl/identifier.h"
#include "platform/rtl/programlong.h"

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<TComponent*> modules;
};

Registry& TheRegistry() {
    static ProgramLong<Registry> registry;
    return *registry;
}

TComponent* FindOther(const std::vector<TComponent*>& modules, const AnsiString& name, const TComponent* self) {
    for (TComponent* module : modules)
        if (module != self && SameIdentifier(module->Name(), name))
            return module;
    return nullptr;
}

}  // namespace

void RegisterModule(TComponent* module) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (std::find(registry.modules.begin(), registry.modules.end(), module) == registry.modules.end())
        registry.modules.push_back(module);
}

void UnregisterModule(TComponent* module) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::erase(registry.modules, module);
}

int ModuleCount() {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return static_cast<int>(registry.modules.size());
}

TComponent* Modules(int index) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (index < 0 || index >= static_cast<int>(registry.modules.size()))
        return nullptr;
    return registry.modules[index];
}

TComponent* FindGlobalComponent(const AnsiString& name) {
    if (name.empty())
        return nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return FindOther(registry.modules, name, nullptr);
}

AnsiString UniqueModuleName(const AnsiString& name, const TComponent* module) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    AnsiString candidate = name;
    for (int n = 1; FindOther(registry.modules, candidate, module); ++n)
        candidate = name + "_" + std::to_string(n);
    return candidate;
}
