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

// Runs `use` on the block while the table is locked, so that threads may lock, resize and
// free one block concurrently; `missing` when the handle names no block.
template <typename Result, typename Use>
Result WithBlock(HGLOBAL memory, Result missing, Use use) {
    Blocks& blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    const auto it = blocks.live.find(memory);
    if (it == blocks.live.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return missing;
    }
    return use(*it->second);
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
    return WithBlock(memory, HGLOBAL{}, [&](Block& block) -> HGLOBAL {
        if (bytes > kMaxBlock) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        block.bytes.resize(std::max<SIZE_T>(bytes, 1));
        return memory;
    });
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
    return WithBlock(memory, LPVOID{}, [](Block& block) -> LPVOID {
        ++block.locks;
        return block.bytes.data();
    });
}

BOOL GlobalUnlock(HGLOBAL memory) {
    return WithBlock(memory, BOOL{FALSE}, [](Block& block) -> BOOL {
        if (block.locks == 0) {
            SetLastError(ERROR_NOT_LOCKED);
            return FALSE;
        }
        --block.locks;
        if (block.locks == 0)
            SetLastError(NO_ERROR);
        return block.locks > 0 ? TRUE : FALSE;
    });
}

SIZE_T GlobalSize(HGLOBAL memory) {
    return WithBlock(memory, SIZE_T{0}, [](const Block& block) { return block.bytes.size(); });
}
