#pragma once

// The framework's collection classes: indexed arrays and position-walked lists.

#include "vornui/platform/CString.h"
#include "vornui/platform/WinTypes.h"

#include <algorithm>
#include <memory>
#include <vector>

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    // Growing fills new elements with default values; the grow-by hint only reserves.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (growBy > 0)
            m_items.reserve(static_cast<size_t>(std::max<INT_PTR>(newSize, 0) + growBy));
        m_items.resize(static_cast<size_t>(std::max<INT_PTR>(newSize, 0)));
    }
    void RemoveAll() { m_items.clear(); }
    void FreeExtra() { m_items.shrink_to_fit(); }

    const TYPE& GetAt(INT_PTR index) const { return m_items.at(static_cast<size_t>(index)); }
    TYPE& GetAt(INT_PTR index) { return m_items.at(static_cast<size_t>(index)); }
    TYPE& ElementAt(INT_PTR index) { return GetAt(index); }
    void SetAt(INT_PTR index, ARG_TYPE value) { GetAt(index) = value; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }
    const TYPE* GetData() const { return m_items.data(); }
    TYPE* GetData() { return m_items.data(); }

    // Setting past the end grows the array, as the framework does.
    void SetAtGrow(INT_PTR index, ARG_TYPE value) {
        if (index >= GetSize())
            SetSize(index + 1);
        SetAt(index, value);
    }
    INT_PTR Add(ARG_TYPE value) {
        m_items.push_back(value);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray& other) {
        const INT_PTR first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    void InsertAt(INT_PTR index, ARG_TYPE value, INT_PTR count = 1) {
        if (index > GetSize())
            SetSize(index);
        m_items.insert(m_items.begin() + index, static_cast<size_t>(std::max<INT_PTR>(count, 0)),
                       value);
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        if (index < 0 || count <= 0 || index >= GetSize())
            return;
        const INT_PTR last = std::min(index + count, GetSize());
        m_items.erase(m_items.begin() + index, m_items.begin() + last);
    }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<TYPE> m_items;
};

class CStringArray : public CArray<CString, const char*> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CPtrArray : public CArray<void*, void*> {};

// A doubly linked list walked with POSITION values; a position stays valid until its
// element is removed.
template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CList {
public:
    CList() = default;
    CList(const CList& other) { AddTail(&other); }
    CList& operator=(const CList& other) {
        if (this != &other) {
            RemoveAll();
            AddTail(&other);
        }
        return *this;
    }
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return m_head->value; }
    const TYPE& GetHead() const { return m_head->value; }
    TYPE& GetTail() { return m_tail->value; }
    const TYPE& GetTail() const { return m_tail->value; }

    POSITION AddHead(ARG_TYPE value) { return InsertBefore(GetHeadPosition(), value); }
    POSITION AddTail(ARG_TYPE value) { return InsertAfter(GetTailPosition(), value); }
    void AddTail(const CList* other) {
        for (POSITION pos = other->GetHeadPosition(); pos;)
            AddTail(other->GetNext(pos));
    }
    void AddHead(const CList* other) {
        for (POSITION pos = other->GetTailPosition(); pos;)
            AddHead(other->GetPrev(pos));
    }
    TYPE RemoveHead() { return Take(m_head); }
    TYPE RemoveTail() { return Take(m_tail); }
    void RemoveAll() {
        while (m_head)
            Take(m_head);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }
    TYPE& GetNext(POSITION& pos) { return Step(pos, &Node::next); }
    const TYPE& GetNext(POSITION& pos) const { return Step(pos, &Node::next); }
    TYPE& GetPrev(POSITION& pos) { return Step(pos, &Node::prev); }
    const TYPE& GetPrev(POSITION& pos) const { return Step(pos, &Node::prev); }
    TYPE& GetAt(POSITION pos) { return ToNode(pos)->value; }
    const TYPE& GetAt(POSITION pos) const { return ToNode(pos)->value; }
    void SetAt(POSITION pos, ARG_TYPE value) { ToNode(pos)->value = value; }
    void RemoveAt(POSITION pos) { Take(ToNode(pos)); }

    POSITION InsertBefore(POSITION pos, ARG_TYPE value) {
        Node* after = ToNode(pos);
        return Link(after ? after->prev : nullptr, after ? after : m_head, value);
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE value) {
        Node* before = ToNode(pos);
        return Link(before ? before : m_tail, before ? before->next : nullptr, value);
    }

    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const {
        for (Node* node = startAfter ? ToNode(startAfter)->next : m_head; node; node = node->next)
            if (node->value == value)
                return ToPosition(node);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR index) const {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
        while (index-- > 0)
            node = node->next;
        return ToPosition(node);
    }

private:
    struct Node {
        Node(ARG_TYPE v) : value(v) {}
        Node* prev = nullptr;
        Node* next = nullptr;
        TYPE value;
    };

    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }

    template <typename Link>
    TYPE& Step(POSITION& pos, Link link) const {
        Node* node = ToNode(pos);
        pos = ToPosition(node->*link);
        return node->value;
    }

    POSITION Link(Node* prev, Node* next, ARG_TYPE value) {
        auto owned = std::make_unique<Node>(value);
        Node* node = owned.release(); // owned by the list from here until Take
        node->prev = prev;
        node->next = next;
        (prev ? prev->next : m_head) = node;
        (next ? next->prev : m_tail) = node;
        ++m_count;
        return ToPosition(node);
    }

    TYPE Take(Node* node) {
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        --m_count;
        std::unique_ptr<Node> owned(node);
        return std::move(owned->value);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};

class CStringList : public CList<CString, const char*> {};
class CPtrList : public CList<void*, void*> {};

// A list of pointers (BaseClass: CPtrList) that hands them out as `TYPE`.
template <class BaseClass, class TYPE>
class CTypedPtrList : public BaseClass {
public:
    TYPE GetHead() const { return static_cast<TYPE>(BaseClass::GetHead()); }
    TYPE GetTail() const { return static_cast<TYPE>(BaseClass::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BaseClass::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BaseClass::RemoveTail()); }
    POSITION AddHead(TYPE value) { return BaseClass::AddHead(value); }
    POSITION AddTail(TYPE value) { return BaseClass::AddTail(value); }
    TYPE GetNext(POSITION& pos) const { return static_cast<TYPE>(BaseClass::GetNext(pos)); }
    TYPE GetPrev(POSITION& pos) const { return static_cast<TYPE>(BaseClass::GetPrev(pos)); }
    TYPE GetAt(POSITION pos) const { return static_cast<TYPE>(BaseClass::GetAt(pos)); }
    void SetAt(POSITION pos, TYPE value) { BaseClass::SetAt(pos, value); }
    POSITION Find(TYPE value, POSITION startAfter = nullptr) const {
        return BaseClass::Find(value, startAfter);
    }
};
