#include "vornui/platform/GlobalMemory.h"

#include "vornui/platform/LastError.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

struct Block {
    std::vector<BYTE> bytes;
    int locks = 0;
};

// Requests beyond this are refused as the system refuses what it cannot commit.
constexpr SIZE_T kMaxBlock = SIZE_T{1} << 31;

struct Blocks {
    std::mutex mutex;
    std::unordered_map<HGLOBAL, std::unique_ptr<Block>> live;
};

Blocks& AllBlocks() {
    static Blocks blocks;
    return blocks;
}

Block* Find(HGLOBAL memory) {
    Blocks& blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    auto it = blocks.live.find(memory);
    return it == blocks.live.end() ? nullptr : it->second.get();
}

} // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
    if (bytes > kMaxBlock) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->bytes.resize(std::max<SIZE_T>(bytes, 1)); // always zeroed
    HGLOBAL handle = block.get();
    Blocks& blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    blocks.live.emplace(handle, std::move(block));
    return handle;
}

HGLOBAL GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT /*flags*/) {
    Block* block = Find(memory);
    if (!block || bytes > kMaxBlock) {
        SetLastError(block ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    block->bytes.resize(std::max<SIZE_T>(bytes, 1));
    return memory;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    if (!memory)
        return nullptr;
    Blocks& blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    if (blocks.live.erase(memory) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    return nullptr;
}

LPVOID GlobalLock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (!block || block->locks == 0) {
        SetLastError(block ? ERROR_NOT_LOCKED : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    --block->locks;
    if (block->locks == 0)
        SetLastError(NO_ERROR);
    return block->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    const Block* block = Find(memory);
    return block ? block->bytes.size() : 0;
}
