// Metafile handles over two handle tables of byte strings.
#include "platform/gdi/metafiles.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/handles.h"

namespace {

HandleTable<std::string>& Table(HandleKind kind) {
    static HandleTable<std::string> metafiles{HandleKind::MetaFile}, enhanced{HandleKind::EnhMetaFile};
    return kind == HandleKind::MetaFile ? metafiles : enhanced;
}

HANDLE Store(HandleKind kind, UINT size, const BYTE* data) {
    if (!data || size == 0) return 0;
    return Table(kind).Add(std::make_unique<std::string>(reinterpret_cast<const char*>(data), size));
}

UINT Copy(HandleKind kind, HANDLE metafile, UINT size, void* data) {
    if (KindOfHandle(metafile) != kind) return 0;
    const std::string* bytes = Table(kind).Find(metafile);
    if (!bytes) return 0;
    if (!data) return UINT(bytes->size());
    const UINT count = std::min(size, UINT(bytes->size()));
    std::memcpy(data, bytes->data(), count);
    return count;
}

BOOL Delete(HandleKind kind, HANDLE metafile) {
    return KindOfHandle(metafile) == kind && Table(kind).Remove(metafile) ? TRUE : FALSE;
}

}  // namespace

HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data) { return Store(HandleKind::EnhMetaFile, size, data); }

UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* data) {
    return Copy(HandleKind::EnhMetaFile, metafile, size, data);
}

BOOL DeleteEnhMetaFile(HENHMETAFILE metafile) { return Delete(HandleKind::EnhMetaFile, metafile); }

HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data) { return Store(HandleKind::MetaFile, size, data); }

UINT GetMetaFileBitsEx(HMETAFILE metafile, UINT size, void* data) {
    return Copy(HandleKind::MetaFile, metafile, size, data);
}

BOOL DeleteMetaFile(HMETAFILE metafile) { return Delete(HandleKind::MetaFile, metafile); }
