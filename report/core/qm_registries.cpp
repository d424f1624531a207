// The process-wide registries through which optional pieces plug into the
// engine: export filters, function libraries and add-in report objects,
// each made with its first registration and freed when the program ends,
// in that order, before the engine's registry key is cleared. Classes are
// told apart by their exact names.
#include <algorithm>

#include "report/core/qm_common.h"

AnsiString QmRegRootKey = "Software\\Ostrevane\\Tamber Quistor";

namespace {

struct Registries {
    std::unique_ptr<std::vector<std::unique_ptr<TQmAddInObjectInfo>>> addIns;
    std::unique_ptr<std::vector<std::unique_ptr<TQmExportFilterInfo>>> exportFilters;
    std::unique_ptr<std::vector<std::unique_ptr<TQmCustomFunctionLibrary>>> functionLibraries;

    ~Registries() {
        addIns.reset();
        exportFilters.reset();
        functionLibraries.reset();
        QmRegRootKey.clear();
    }
};

Registries registries;

template <class T>
std::vector<std::unique_ptr<T>>& Created(std::unique_ptr<std::vector<std::unique_ptr<T>>>& registry) {
    if (!registry) registry = std::make_unique<std::vector<std::unique_ptr<T>>>();
    return *registry;
}

// The first entry whose class, as `classOf` tells it, has that exact name.
template <class T, class ClassOf>
auto FindByClassName(std::vector<std::unique_ptr<T>>& entries, const AnsiString& className, ClassOf classOf) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const std::unique_ptr<T>& entry) { return classOf(*entry)->ClassName() == className; });
}

auto FilterClass = [](const TQmExportFilterInfo& info) { return info.Filter->ClassType(); };
auto LibraryClass = [](const TQmCustomFunctionLibrary& library) { return library.ClassType(); };
auto AddInClass = [](const TQmAddInObjectInfo& info) { return info.ClassRef; };

template <class T>
int CountOf(const std::unique_ptr<std::vector<std::unique_ptr<T>>>& registry, int whenAbsent) {
    return registry ? static_cast<int>(registry->size()) : whenAbsent;
}

}  // namespace

void RegisterExportFilter(TQmCustomExportFilter* filter, const AnsiString& filterDesc, const AnsiString& filterExt) {
    auto& filters = Created(registries.exportFilters);
    if (FindByClassName(filters, filter->ClassName(), FilterClass) != filters.end()) return;
    filters.emplace_back(TQmExportFilterInfo::Create(filter, filterDesc, filterExt));
}

void UnregisterExportFilter(TQmCustomExportFilter* filter) {
    if (!registries.exportFilters) return;
    auto& filters = *registries.exportFilters;
    auto found = FindByClassName(filters, filter->ClassName(), FilterClass);
    if (found != filters.end()) filters.erase(found);
}

int GetExportFilterCount() { return CountOf(registries.exportFilters, -1); }

TQmExportFilterInfo* GetExportFilterInfo(int index) {
    return (*registries.exportFilters)[static_cast<std::size_t>(index)].get();
}

TQmCustomFunctionLibrary::TQmCustomFunctionLibrary() : functionNames_(TStringList::Create()) {}

TQmCustomFunctionLibrary::~TQmCustomFunctionLibrary() = default;

bool TQmCustomFunctionLibrary::HandleFunction(TQmParser* parser, const AnsiString& name,
                                              const std::vector<Variant>& arguments, Variant& value) {
    const int number = functionNames_->IndexOf(name);  // letter case ignored
    if (number < 0) return false;
    DoFunction(parser, number, arguments, value);
    return true;
}

void TQmCustomFunctionLibrary::AddFunctionDesc(const AnsiString& name, const AnsiString& category,
                                               const AnsiString& description, const AnsiString& argKinds) {
    functionDescs_.push_back({name, category, description, argKinds});
}

void RegisterFunctionLibrary(TQmFunctionLibraryClass libraryClass) {
    auto& libraries = Created(registries.functionLibraries);
    if (FindByClassName(libraries, libraryClass->ClassName(), LibraryClass) != libraries.end()) return;
    libraries.emplace_back(libraryClass->Create());
}

void UnregisterFunctionLibrary(TQmFunctionLibraryClass libraryClass) {
    if (!registries.functionLibraries) return;
    auto& libraries = *registries.functionLibraries;
    auto found = FindByClassName(libraries, libraryClass->ClassName(), LibraryClass);
    if (found != libraries.end()) libraries.erase(found);
}

int GetFunctionLibraryCount() { return CountOf(registries.functionLibraries, 0); }

TQmCustomFunctionLibrary* GetFunctionLibrary(int index) {
    auto& libraries = Created(registries.functionLibraries);
    if (index < 0 || index >= static_cast<int>(libraries.size())) return nullptr;
    return libraries[static_cast<std::size_t>(index)].get();
}

void RegisterAddInObject(TQmPersistentClass classRef) {
    auto& addIns = Created(registries.addIns);
    if (FindByClassName(addIns, classRef->ClassName(), AddInClass) != addIns.end()) return;
    addIns.emplace_back(TQmAddInObjectInfo::Create(classRef));
}

int GetAddInCount() { return CountOf(registries.addIns, -1); }

TQmAddInObjectInfo* GetAddInInfo(int index) { return (*registries.addIns)[static_cast<std::size_t>(index)].get(); }
