// Global memory blocks in a handle table.
#include "platform/win/globalmem.h"

#include <vector>

#include "platform/rtl/programlong.h"
#include "platform/gdi/handles.h"

namespace {

struct Block {
    std::vector<unsigned char> bytes;
    int locks = 0;
};

HandleTable<Block>& Blocks() {
    static ProgramLong<HandleTable<Block>> blocks(HandleKind::Global);
    return *blocks;
}

// Movable blocks are never moved here, so a lock hands out the same bytes;
// an empty block still has an address.
constexpr std::size_t largest = std::size_t(1) << 31;

}  // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t bytes) {
    if (bytes > largest) return 0;
    auto block = std::make_unique<Block>();
    block->bytes.assign(bytes, 0);
    return Blocks().Add(std::move(block));
}

HGLOBAL GlobalReAlloc(HGLOBAL handle, std::size_t bytes, UINT) {
    Block* block = Blocks().Find(handle);
    if (!block || bytes > largest || block->locks) return 0;
    block->bytes.resize(bytes, 0);
    return handle;
}

void* GlobalLock(HGLOBAL handle) {
    Block* block = Blocks().Find(handle);
    if (!block) return nullptr;
    ++block->locks;
    if (block->bytes.capacity() == 0) block->bytes.reserve(1);
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* block = Blocks().Find(handle);
    if (!block || block->locks == 0) return FALSE;
    return --block->locks > 0 ? TRUE : FALSE;
}

std::size_t GlobalSize(HGLOBAL handle) {
    Block* block = Blocks().Find(handle);
    return block ? block->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle) { return Blocks().Remove(handle) ? 0 : handle; }
