// Windows-metafile handles over a handle table of byte strings.
#include "platform/gdi/metafiles.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/handles.h"

namespace {

HandleTable<std::string>& Metafiles() {
    static HandleTable<std::string> metafiles{HandleKind::MetaFile};
    return metafiles;
}

}  // namespace

HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data) {
    if (!data || size == 0) return 0;
    return Metafiles().Add(std::make_unique<std::string>(reinterpret_cast<const char*>(data), size));
}

UINT GetMetaFileBitsEx(HMETAFILE metafile, UINT size, void* data) {
    if (KindOfHandle(metafile) != HandleKind::MetaFile) return 0;
    const std::string* bytes = Metafiles().Find(metafile);
    if (!bytes) return 0;
    if (!data) return UINT(bytes->size());
    const UINT count = std::min(size, UINT(bytes->size()));
    std::memcpy(data, bytes->data(), count);
    return count;
}

BOOL DeleteMetaFile(HMETAFILE metafile) {
    return KindOfHandle(metafile) == HandleKind::MetaFile && Metafiles().Remove(metafile) ? TRUE : FALSE;
}
