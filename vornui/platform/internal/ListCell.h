#pragma once

// A list view's cell in sixteen bytes: its text, kept in the cell itself up to fourteen
// characters and on the heap beyond, and the two marks the list view reads with it. A row of
// a three-column report holds three cells, so their size is most of a long list's memory,
// of the pages a million inserts touch first, and of what a sort moves.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

class ListCell {
public:
    ListCell() = default;
    ListCell(const ListCell&) = delete;
    ListCell& operator=(const ListCell&) = delete;
    ListCell(ListCell&& other) noexcept { take(other); }
    ListCell& operator=(ListCell&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    ~ListCell() { release(); }

    // A cell whose text its list's parent supplies when asked (LPSTR_TEXTCALLBACK).
    static ListCell Callback() {
        ListCell cell;
        cell.m_tag = kCallback;
        return cell;
    }

    // The cell's own text: empty for a callback cell and for one never given a text.
    const char* c_str() const { return onHeap() ? heap() : m_bytes; }
    std::string_view view() const { return c_str(); }
    bool callback() const { return (m_tag & kCallback) != 0; }
    // Never given a text (a sub-item made only to reach one further right).
    bool unset() const { return (m_tag & kUnset) != 0; }

    // Built aside first, so that a text read from this very cell is copied before it goes.
    void SetText(std::string_view text) {
        ListCell made;
        made.m_tag = 0;
        if (text.size() < sizeof m_bytes) {
            text.copy(made.m_bytes, text.size());
            made.m_bytes[text.size()] = '\0';
        } else {
            // The cell owns this copy: release() frees it, a move hands it on.
            char* const copy = new char[text.size() + 1];
            text.copy(copy, text.size());
            copy[text.size()] = '\0';
            std::memcpy(made.m_bytes, &copy, sizeof copy);
            made.m_tag = kOnHeap;
        }
        *this = std::move(made);
    }

    void SetCallback() {
        release();
        m_tag = kCallback;
    }

private:
    static constexpr std::uint8_t kOnHeap = 1;
    static constexpr std::uint8_t kCallback = 2;
    static constexpr std::uint8_t kUnset = 4;

    bool onHeap() const { return (m_tag & kOnHeap) != 0; }
    char* heap() const {
        char* text;
        std::memcpy(&text, m_bytes, sizeof text);
        return text;
    }
    void take(ListCell& other) {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        m_tag = other.m_tag;
        other.m_bytes[0] = '\0';
        other.m_tag = kUnset;
    }
    // Leaves the cell empty, its marks unchanged.
    void release() {
        if (onHeap())
            delete[] heap();
        m_bytes[0] = '\0';
        m_tag &= static_cast<std::uint8_t>(~kOnHeap);
    }

    // The text itself, or a pointer to it on the heap.
    alignas(char*) char m_bytes[15] = {};
    std::uint8_t m_tag = kUnset;
};

static_assert(sizeof(ListCell) == 16);
