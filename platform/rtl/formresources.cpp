// Embedded form descriptions.
#include "platform/rtl/formresources.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/rtl/sysutils.h"

namespace {

struct Resources {
    std::mutex mutex;
    std::map<std::string, std::string> byClass;
};

Resources& TheResources() {
    static Resources resources;
    return resources;
}

}  // namespace

void RegisterFormResource(const char* className, const unsigned char* data, std::size_t size) {
    Resources& resources = TheResources();
    std::lock_guard lock(resources.mutex);
    resources.byClass[UpperCase(className)].assign(reinterpret_cast<const char*>(data), size);
}

bool FindFormResource(const AnsiString& className, std::string& description) {
    Resources& resources = TheResources();
    std::lock_guard lock(resources.mutex);
    auto it = resources.byClass.find(UpperCase(className));
    if (it == resources.byClass.end())
        return false;
    description = it->second;
    return true;
}

bool ReadComponentRes(const AnsiString& resName, TComponent* instance) {
    std::string description;
    if (!FindFormResource(resName, description))
        return false;
    TReader reader(std::move(description));
    reader.ReadRootComponent(instance);
    return true;
}

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor) {
    std::vector<TClass> chain;
    for (TClass cls = instance->ClassType(); cls && cls != rootAncestor; cls = cls->ClassParent())
        chain.push_back(cls);
    bool found = false;
    BeginGlobalLoading();
    try {
        for (auto cls = chain.rbegin(); cls != chain.rend(); ++cls)
            found = ReadComponentRes((*cls)->ClassName(), instance) || found;
    } catch (...) {
        CancelGlobalLoading();
        throw;
    }
    EndGlobalLoading();
    return found;
}
