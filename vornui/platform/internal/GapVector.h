#pragma once

// A sequence with a gap where the last change was made: reading any element is as cheap as
// in a vector, and runs of inserts or deletes at one place (a list that grows at its top, a
// tree that opens a branch in the middle) cost only the moves of the gap between runs. The
// gap holds no elements: growing moves each element once and makes none, and an insert
// builds its element in place.

#include "vornui/platform/internal/HugePages.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <type_traits>
#include <utility>

template <typename T>
class GapVector {
public:
    GapVector() = default;
    GapVector(const GapVector&) = delete;
    GapVector& operator=(const GapVector&) = delete;
    ~GapVector() { clear(); }

    size_t size() const { return m_capacity - gapLength(); }
    bool empty() const { return size() == 0; }

    T& operator[](size_t index) { return m_slots.get()[slot(index)]; }
    const T& operator[](size_t index) const { return m_slots.get()[slot(index)]; }

    // Builds an element from `args` at `index`, where it stays until the next change: an
    // element filled in there is written once, not built aside and moved in.
    template <typename... Args>
    T& emplace(size_t index, Args&&... args) {
        if (gapLength() == 0)
            grow();
        // A run of inserts goes on where the last one ended, at the gap: a million rows added
        // in turn call nothing to find it.
        if (index != m_gapBegin)
            moveGap(index);
        T* const made = std::construct_at(m_slots.get() + m_gapBegin, std::forward<Args>(args)...);
        ++m_gapBegin;
        return *made;
    }

    void erase(size_t index) {
        moveGap(index);
        std::destroy_at(m_slots.get() + m_gapEnd);
        ++m_gapEnd;
    }

    // Makes room for `capacity` elements in all.
    void reserve(size_t capacity) {
        if (capacity > m_capacity)
            reallocate(capacity);
    }

    // Empties the sequence, keeping its room.
    void clear() {
        std::destroy(m_slots.get(), m_slots.get() + m_gapBegin);
        std::destroy(m_slots.get() + m_gapEnd, m_slots.get() + m_capacity);
        m_gapBegin = 0;
        m_gapEnd = m_capacity;
    }

    // Rearranges the elements so that the i-th is the one that was at `from(i)` (each index
    // once). They are gathered into new room in their new order: the writes run in sequence
    // and the reads are fetched ahead, where moving them round in place would jump about the
    // whole sequence for every one. Each is destroyed as soon as it has moved, while it is
    // still in the caches: a second pass over the old room would read it all again.
    template <typename From>
    void rearrange(const From& from) {
        static_assert(std::is_nothrow_move_constructible_v<T>);
        constexpr size_t kAhead = 8;
        if (empty())
            return;
        Slots gathered = Allocate(m_capacity);
        const size_t count = size();
        for (size_t each = 0; each < count; ++each) {
            if (each + kAhead < count)
                Prefetch((*this)[from(each + kAhead)]);
            T& moving = (*this)[from(each)];
            std::construct_at(gathered.get() + each, std::move(moving));
            std::destroy_at(&moving);
        }
        m_slots = std::move(gathered);
        m_gapBegin = count;
        m_gapEnd = m_capacity;
    }

private:
    struct Release {
        size_t capacity = 0;
        void operator()(T* slots) const { std::allocator<T>().deallocate(slots, capacity); }
    };
    using Slots = std::unique_ptr<T, Release>;

    // Asks for every cache line of `element`, ahead of moving it.
    static void Prefetch(const T& element) {
        const auto* const bytes = reinterpret_cast<const char*>(&element);
        for (size_t offset = 0; offset < sizeof(T); offset += 64)
            __builtin_prefetch(bytes + offset);
    }

    // Room for `capacity` elements. Large room asks for huge pages: a sort or a growth of a
    // million rows would otherwise spend more time in the kernel's page faults than moving.
    static Slots Allocate(size_t capacity) {
        Slots room(std::allocator<T>().allocate(capacity), Release{capacity});
        AdviseHugePages(room.get(), capacity * sizeof(T));
        return room;
    }

    size_t gapLength() const { return m_gapEnd - m_gapBegin; }
    size_t slot(size_t index) const { return index < m_gapBegin ? index : index + gapLength(); }

    // Each element the gap passes moves across it into a free slot, and leaves one behind.
    void moveGap(size_t index) {
        T* const slots = m_slots.get();
        if (gapLength() == 0) {
            m_gapBegin = m_gapEnd = index;
            return;
        }
        while (index < m_gapBegin) {
            --m_gapBegin;
            --m_gapEnd;
            std::construct_at(slots + m_gapEnd, std::move(slots[m_gapBegin]));
            std::destroy_at(slots + m_gapBegin);
        }
        while (index > m_gapBegin) {
            std::construct_at(slots + m_gapBegin, std::move(slots[m_gapEnd]));
            std::destroy_at(slots + m_gapEnd);
            ++m_gapBegin;
            ++m_gapEnd;
        }
    }

    void grow() { reallocate(std::max<size_t>(16, 2 * m_capacity)); }

    // Moves to room for `capacity` elements, keeping the elements after the gap at the end.
    void reallocate(size_t capacity) {
        Slots grown = Allocate(capacity);
        T* const slots = m_slots.get();
        const size_t after = m_capacity - m_gapEnd;
        std::uninitialized_move(slots, slots + m_gapBegin, grown.get());
        std::uninitialized_move(slots + m_gapEnd, slots + m_capacity,
                                grown.get() + (capacity - after));
        const size_t before = m_gapBegin;
        clear();
        m_slots = std::move(grown);
        m_gapBegin = before;
        m_gapEnd = capacity - after;
        m_capacity = capacity;
    }

    Slots m_slots{nullptr, Release{}};
    size_t m_capacity = 0;
    size_t m_gapBegin = 0;
    size_t m_gapEnd = 0;
};
