// The registry of embedded resources.
#include "platform/win/resources.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<EmbeddedResource>& registry() {
    static std::vector<EmbeddedResource> resources;
    return resources;
}

std::string Upper(const char* s) {
    std::string out = s;
    for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void RegisterEmbeddedResources(std::initializer_list<EmbeddedResource> resources) {
    registry().insert(registry().end(), resources.begin(), resources.end());
}

const EmbeddedResource* FindEmbeddedResource(const char* type, const char* name) {
    if (!type || !name) return nullptr;
    auto id = reinterpret_cast<std::uintptr_t>(name);
    std::string key = id <= 0xFFFF ? "#" + std::to_string(id) : Upper(name);
    std::string kind = Upper(type);
    for (const EmbeddedResource& r : registry())
        if (kind == r.type && key == r.name) return &r;
    return nullptr;
}
