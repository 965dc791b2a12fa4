#pragma once

// A sequence with a gap where the last change was made: reading any element is as cheap as
// in a vector, and runs of inserts or deletes at one place (a list that grows at its top, a
// tree that opens a branch in the middle) cost only the moves of the gap between runs.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T>
class GapVector {
public:
    size_t size() const { return m_slots.size() - gapLength(); }
    bool empty() const { return size() == 0; }

    T& operator[](size_t index) { return m_slots[slot(index)]; }
    const T& operator[](size_t index) const { return m_slots[slot(index)]; }

    void insert(size_t index, T value) {
        if (m_gapBegin == m_gapEnd)
            grow();
        moveGap(index);
        m_slots[m_gapBegin++] = std::move(value);
    }

    void erase(size_t index) {
        moveGap(index);
        m_slots[m_gapEnd++] = T();
    }

    void clear() {
        m_slots.clear();
        m_gapBegin = m_gapEnd = 0;
    }

    // Takes every element out, in order, leaving the sequence empty.
    std::vector<T> release() {
        moveGap(size());
        m_slots.resize(m_gapBegin);
        std::vector<T> elements = std::move(m_slots);
        clear();
        return elements;
    }

    // Replaces the contents.
    void assign(std::vector<T> elements) {
        m_slots = std::move(elements);
        m_gapBegin = m_gapEnd = m_slots.size();
    }

private:
    size_t gapLength() const { return m_gapEnd - m_gapBegin; }
    size_t slot(size_t index) const { return index < m_gapBegin ? index : index + gapLength(); }

    void moveGap(size_t index) {
        if (index < m_gapBegin) {
            std::move_backward(m_slots.begin() + static_cast<ptrdiff_t>(index),
                               m_slots.begin() + static_cast<ptrdiff_t>(m_gapBegin),
                               m_slots.begin() + static_cast<ptrdiff_t>(m_gapEnd));
            m_gapEnd -= m_gapBegin - index;
            m_gapBegin = index;
        } else if (index > m_gapBegin) {
            const size_t count = index - m_gapBegin;
            std::move(m_slots.begin() + static_cast<ptrdiff_t>(m_gapEnd),
                      m_slots.begin() + static_cast<ptrdiff_t>(m_gapEnd + count),
                      m_slots.begin() + static_cast<ptrdiff_t>(m_gapBegin));
            m_gapBegin += count;
            m_gapEnd += count;
        }
    }

    // Doubles the room, keeping the elements after the gap at the end.
    void grow() {
        const size_t after = m_slots.size() - m_gapEnd;
        const size_t room = std::max<size_t>(16, m_slots.size());
        m_slots.resize(m_slots.size() + room);
        std::move_backward(m_slots.begin() + static_cast<ptrdiff_t>(m_gapEnd),
                           m_slots.begin() + static_cast<ptrdiff_t>(m_gapEnd + after),
                           m_slots.end());
        m_gapEnd = m_slots.size() - after;
    }

    std::vector<T> m_slots;
    size_t m_gapBegin = 0;
    size_t m_gapEnd = 0;
};
