#include "vornui/platform/CString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kWhitespace = " \t\n\v\f\r";

// Code page 1252 letters: ASCII, the Latin-1 block (bar the multiplication and division
// signs), and the four pairs in the 0x80-0x9F block (S and Z caron, OE, Y diaeresis).
unsigned char Upper1252(unsigned char ch) {
    if (ch >= 'a' && ch <= 'z')
        return ch - 32;
    if (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)
        return ch - 32;
    switch (ch) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return ch;
    }
}

unsigned char Lower1252(unsigned char ch) {
    if (ch >= 'A' && ch <= 'Z')
        return ch + 32;
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)
        return ch + 32;
    switch (ch) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return ch;
    }
}

std::string_view SafeView(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

char ToUpper1252(char ch) {
    return static_cast<char>(Upper1252(static_cast<unsigned char>(ch)));
}
char ToLower1252(char ch) {
    return static_cast<char>(Lower1252(static_cast<unsigned char>(ch)));
}

int CompareNoCase1252(std::string_view lhs, std::string_view rhs) {
    const size_t common = std::min(lhs.size(), rhs.size());
    for (size_t i = 0; i < common; ++i) {
        const int a = Lower1252(static_cast<unsigned char>(lhs[i]));
        const int b = Lower1252(static_cast<unsigned char>(rhs[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return static_cast<int>(lhs.size() > rhs.size()) - static_cast<int>(lhs.size() < rhs.size());
}

CString::CString(const char* text, int length) {
    if (text && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength())
        m_text[static_cast<size_t>(index)] = ch;
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const char* charSet) const {
    const size_t end = m_text.find_first_not_of(SafeView(charSet));
    return CString(m_text.substr(0, end));
}

CString CString::SpanExcluding(const char* charSet) const {
    const size_t end = m_text.find_first_of(SafeView(charSet));
    return CString(m_text.substr(0, end));
}

CString CString::Tokenize(const char* delimiters, int& start) const {
    if (start < 0 || start >= GetLength()) {
        start = -1;
        return CString();
    }
    const std::string_view set = SafeView(delimiters);
    const size_t first = m_text.find_first_not_of(set, static_cast<size_t>(start));
    if (first == std::string::npos) {
        start = -1;
        return CString();
    }
    size_t end = m_text.find_first_of(set, first);
    if (end == std::string::npos)
        end = m_text.size();
    start = static_cast<int>(end) + 1;
    return CString(m_text.substr(first, end - first));
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    const size_t at = m_text.find(SafeView(sub), static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    const size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const char* charSet) const {
    const size_t at = m_text.find_first_of(SafeView(charSet));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Compare(const char* other) const {
    // Byte order, as unsigned characters, like the C library's strcmp.
    return Sign(std::string_view(m_text).compare(SafeView(other)));
}

int CString::CompareNoCase(const char* other) const {
    return CompareNoCase1252(m_text, SafeView(other));
}

CString& CString::MakeUpper() {
    for (char& ch : m_text)
        ch = ToUpper1252(ch);
    return *this;
}

CString& CString::MakeLower() {
    for (char& ch : m_text)
        ch = ToLower1252(ch);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

CString& CString::Trim() {
    return Trim(kWhitespace.data());
}
CString& CString::Trim(char target) {
    return TrimRight(target).TrimLeft(target);
}
CString& CString::Trim(const char* targets) {
    return TrimRight(targets).TrimLeft(targets);
}
CString& CString::TrimLeft() {
    return TrimLeft(kWhitespace.data());
}
CString& CString::TrimLeft(char target) {
    return TrimLeft(std::string(1, target).c_str());
}

CString& CString::TrimLeft(const char* targets) {
    const size_t first = m_text.find_first_not_of(SafeView(targets));
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight() {
    return TrimRight(kWhitespace.data());
}
CString& CString::TrimRight(char target) {
    return TrimRight(std::string(1, target).c_str());
}

CString& CString::TrimRight(const char* targets) {
    const size_t last = m_text.find_last_not_of(SafeView(targets));
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

int CString::Replace(char oldChar, char newChar) {
    int count = 0;
    for (char& ch : m_text) {
        if (ch == oldChar) {
            ch = newChar;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText) {
    const std::string_view from = SafeView(oldText);
    const std::string_view to = SafeView(newText);
    if (from.empty())
        return 0;
    int count = 0;
    std::string result;
    size_t done = 0;
    for (size_t at = m_text.find(from); at != std::string::npos; at = m_text.find(from, done)) {
        result.append(m_text, done, at - done).append(to);
        done = at + from.size();
        ++count;
    }
    if (count > 0) {
        result.append(m_text, done);
        m_text.swap(result);
    }
    return count;
}

int CString::Remove(char ch) {
    const auto removed = std::erase(m_text, ch);
    return static_cast<int>(removed);
}

int CString::Insert(int index, char ch) {
    return Insert(index, std::string(1, ch).c_str());
}

int CString::Insert(int index, const char* text) {
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), SafeView(text));
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    m_text.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(const char* format, va_list args) {
    if (!format)
        return;
    char small[256];
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0)
        return;
    if (static_cast<size_t>(needed) < sizeof small) {
        m_text.append(small, static_cast<size_t>(needed));
        return;
    }
    const size_t old = m_text.size();
    m_text.resize(old + static_cast<size_t>(needed) + 1);
    std::vsnprintf(m_text.data() + old, static_cast<size_t>(needed) + 1, format, args);
    m_text.resize(old + static_cast<size_t>(needed));
}

void CString::Append(const char* text, int length) {
    if (text && length > 0)
        m_text.append(text, static_cast<size_t>(length));
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

char* CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_text.data(), m_text.size()));
    Truncate(newLength);
}

void CString::Truncate(int length) {
    if (length >= 0 && length < GetLength())
        m_text.resize(static_cast<size_t>(length));
}

void CString::SetString(const char* text, int length) {
    m_text.clear();
    Append(text, length);
}

CString& CString::operator=(const char* text) {
    m_text.assign(SafeView(text));
    return *this;
}

CString& CString::operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    m_text += SafeView(text);
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

CString operator+(const CString& lhs, const CString& rhs) {
    return CString(lhs) += rhs;
}
CString operator+(const CString& lhs, const char* rhs) {
    return CString(lhs) += rhs;
}
CString operator+(const char* lhs, const CString& rhs) {
    return CString(lhs) += rhs;
}
CString operator+(const CString& lhs, char rhs) {
    return CString(lhs) += rhs;
}
CString operator+(char lhs, const CString& rhs) {
    return CString(lhs) += rhs;
}
