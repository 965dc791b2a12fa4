#pragma once

// Handles that name records without being their addresses. A handle holds a slot of the
// table and the slot's generation; when a record leaves, its slot moves to the next
// generation, so the old handle names nothing even after a new record takes the slot.
// Records are shared: whoever found one keeps it alive while using it, whatever another
// thread deletes meanwhile.

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

template <typename Record>
class HandleTable {
public:
    using Value = std::uintptr_t;

    Value add(std::shared_ptr<Record> record) {
        std::lock_guard lock(m_mutex);
        std::size_t index = m_slots.size();
        if (m_free.empty()) {
            m_slots.emplace_back();
        } else {
            index = m_free.back();
            m_free.pop_back();
        }
        Slot& slot = m_slots[index];
        slot.record = std::move(record);
        return (static_cast<Value>(slot.generation) << kGenerationShift) |
               (static_cast<Value>(index) << kIndexShift);
    }

    std::shared_ptr<Record> find(Value handle) const {
        std::lock_guard lock(m_mutex);
        const Slot* slot = slotOf(handle);
        return slot ? slot->record : nullptr;
    }

    // Runs `use` on the record while the table is locked, for what must not interleave
    // with another thread's deletion; `missing` when the handle names no record.
    template <typename Result, typename Use>
    Result with(Value handle, Result missing, Use use) {
        std::lock_guard lock(m_mutex);
        Slot* slot = slotOf(handle);
        return slot ? use(*slot->record) : missing;
    }

    // Takes the record out when `may` agrees, asked under the lock.
    template <typename May>
    std::shared_ptr<Record> takeIf(Value handle, May may) {
        std::lock_guard lock(m_mutex);
        Slot* slot = slotOf(handle);
        if (!slot || !may(*slot->record))
            return nullptr;
        slot->generation = slot->generation % kLastGeneration + 1;
        m_free.push_back(static_cast<std::uint32_t>(&*slot - m_slots.data()));
        return std::move(slot->record);
    }

    std::shared_ptr<Record> take(Value handle) {
        return takeIf(handle, [](const Record&) { return true; });
    }

private:
    // Handles stay clear of the small values the system gives meanings of their own
    // (HWND_BOTTOM, HWND_TOPMOST, colour indexes as brushes) and keep the alignment of a
    // pointer.
    static constexpr int kIndexShift = 4;
    static constexpr int kGenerationShift = 32;
    static constexpr std::uint32_t kLastGeneration = 0x7FFFFFFF;
    static_assert(sizeof(Value) == 8, "handles hold a slot and a generation in 64 bits");

    struct Slot {
        std::shared_ptr<Record> record;
        std::uint32_t generation = 1;
    };

    Slot* slotOf(Value handle) { return const_cast<Slot*>(std::as_const(*this).slotOf(handle)); }
    const Slot* slotOf(Value handle) const {
        const Value index = (handle & ((Value{1} << kGenerationShift) - 1)) >> kIndexShift;
        const Value generation = handle >> kGenerationShift;
        if ((handle & ((Value{1} << kIndexShift) - 1)) || index >= m_slots.size())
            return nullptr;
        const Slot& slot = m_slots[index];
        return slot.record && slot.generation == generation ? &slot : nullptr;
    }

    mutable std::mutex m_mutex;
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_free;
};
