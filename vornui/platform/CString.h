#pragma once

// The framework's single-byte string. Text is code page 1252 throughout; case mapping
// and case-insensitive comparison follow that code page, not the C locale.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

class VORNUI_API CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    explicit CString(std::string_view text) : m_text(text) {}
    explicit CString(const std::string& text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    std::string_view view() const { return m_text; }

    char GetAt(int index) const;
    void SetAt(int index, char ch);
    template <typename Index, typename = std::enable_if_t<std::is_integral_v<Index>>>
    char operator[](Index index) const {
        return GetAt(static_cast<int>(index));
    }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* charSet) const;
    CString SpanExcluding(const char* charSet) const;
    CString Tokenize(const char* delimiters, int& start) const;

    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* charSet) const;

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    int Collate(const char* other) const { return Compare(other); }
    int CollateNoCase(const char* other) const { return CompareNoCase(other); }

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(const char* targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(const char* targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(const char* targets);

    int Replace(char oldChar, char newChar);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormatV(const char* format, va_list args);
    void Append(const char* text, int length);

    // Loads string resource `id` through the resource chain; false (and the string
    // unchanged) when no module has it.
    BOOL LoadString(UINT id);

    // Direct access for C interfaces: GetBuffer hands out at least minLength writable
    // characters; ReleaseBuffer(-1) takes the length up to the first zero byte.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void Preallocate(int length) { m_text.reserve(length > 0 ? length : 0); }
    void Truncate(int length);
    void SetString(const char* text, int length);

    CString& operator=(const char* text);
    CString& operator=(char ch);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

private:
    std::string m_text;
};

VORNUI_API CString operator+(const CString& lhs, const CString& rhs);
VORNUI_API CString operator+(const CString& lhs, const char* rhs);
VORNUI_API CString operator+(const char* lhs, const CString& rhs);
VORNUI_API CString operator+(const CString& lhs, char rhs);
VORNUI_API CString operator+(char lhs, const CString& rhs);

inline bool operator==(const CString& lhs, const CString& rhs) {
    return lhs.str() == rhs.str();
}
inline bool operator==(const CString& lhs, const char* rhs) {
    return lhs.Compare(rhs) == 0;
}
inline bool operator==(const char* lhs, const CString& rhs) {
    return rhs.Compare(lhs) == 0;
}
inline bool operator==(const CString& lhs, char rhs) {
    return lhs.GetLength() == 1 && lhs.GetAt(0) == rhs;
}
inline bool operator==(char lhs, const CString& rhs) {
    return rhs == lhs;
}
inline bool operator!=(const CString& lhs, const CString& rhs) {
    return !(lhs == rhs);
}
inline bool operator!=(const CString& lhs, const char* rhs) {
    return !(lhs == rhs);
}
inline bool operator!=(const char* lhs, const CString& rhs) {
    return !(lhs == rhs);
}
inline bool operator!=(const CString& lhs, char rhs) {
    return !(lhs == rhs);
}
inline bool operator!=(char lhs, const CString& rhs) {
    return !(lhs == rhs);
}
inline bool operator<(const CString& lhs, const CString& rhs) {
    return lhs.Compare(rhs) < 0;
}
inline bool operator<(const CString& lhs, const char* rhs) {
    return lhs.Compare(rhs) < 0;
}
inline bool operator<(const char* lhs, const CString& rhs) {
    return rhs.Compare(lhs) > 0;
}
inline bool operator>(const CString& lhs, const CString& rhs) {
    return lhs.Compare(rhs) > 0;
}
inline bool operator>(const CString& lhs, const char* rhs) {
    return lhs.Compare(rhs) > 0;
}
inline bool operator>(const char* lhs, const CString& rhs) {
    return rhs.Compare(lhs) < 0;
}
inline bool operator<=(const CString& lhs, const CString& rhs) {
    return lhs.Compare(rhs) <= 0;
}
inline bool operator<=(const CString& lhs, const char* rhs) {
    return lhs.Compare(rhs) <= 0;
}
inline bool operator<=(const char* lhs, const CString& rhs) {
    return rhs.Compare(lhs) >= 0;
}
inline bool operator>=(const CString& lhs, const CString& rhs) {
    return lhs.Compare(rhs) >= 0;
}
inline bool operator>=(const CString& lhs, const char* rhs) {
    return lhs.Compare(rhs) >= 0;
}
inline bool operator>=(const char* lhs, const CString& rhs) {
    return rhs.Compare(lhs) <= 0;
}

// Code page 1252 case mapping, shared by CString and every case-insensitive lookup.
VORNUI_API char ToUpper1252(char ch);
VORNUI_API char ToLower1252(char ch);
VORNUI_API int CompareNoCase1252(std::string_view lhs, std::string_view rhs);
