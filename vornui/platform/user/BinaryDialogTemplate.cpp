#include "vornui/platform/BinaryDialogTemplate.h"

#include "vornui/platform/Resources.h"
#include "vornui/platform/WindowStyles.h"

#include <cstring>

namespace {

constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;

// The predefined control classes by ordinal.
const char* ClassOfOrdinal(WORD ordinal) {
    switch (ordinal) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    case 0x0083:
        return "ListBox";
    case 0x0084:
        return "ScrollBar";
    case 0x0085:
        return "ComboBox";
    default:
        return nullptr;
    }
}

char From16(WORD unit) {
    return unit < 0x100 ? static_cast<char>(unit) : '?';
}

} // namespace

// Reads little-endian values from a bounded byte range; every read past the end fails and
// leaves the reader failed.
class CBinaryDialogTemplate::Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }

    WORD Word() {
        if (!Need(2))
            return 0;
        const WORD value = static_cast<WORD>(m_data[m_at] | (m_data[m_at + 1] << 8));
        m_at += 2;
        return value;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        if (!Need(1))
            return 0;
        return m_data[m_at++];
    }
    void Skip(size_t count) {
        if (Need(count))
            m_at += count;
    }
    // To the next multiple of `alignment` from the template's start.
    void Align(size_t alignment) {
        const size_t rest = m_at % alignment;
        if (rest)
            Skip(alignment - rest);
    }
    // A null-terminated UTF-16 string.
    CString String() {
        CString text;
        for (WORD unit = Word(); m_ok && unit != 0; unit = Word())
            text += From16(unit);
        return text;
    }
    // A string or, after 0xFFFF, an ordinal (`ordinal` set, the text empty).
    CString StringOrOrdinal(WORD& ordinal, bool& isOrdinal) {
        isOrdinal = false;
        ordinal = 0;
        const WORD first = Word();
        if (!m_ok || first == 0)
            return CString();
        if (first == kOrdinalMark) {
            isOrdinal = true;
            ordinal = Word();
            return CString();
        }
        CString text(From16(first), 1);
        return text + String();
    }

private:
    bool Need(size_t count) {
        m_ok = m_ok && count <= m_size - m_at;
        return m_ok;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_at = 0;
    bool m_ok = true;
};

CBinaryDialogTemplate::CBinaryDialogTemplate(const void* data, size_t size) {
    if (!data)
        return;
    Reader reader(static_cast<const BYTE*>(data), size);
    m_bValid = Read(reader) && reader.Ok();
}

LPCTSTR CBinaryDialogTemplate::Keep(const CString& text) {
    m_texts.push_back(text);
    return m_texts.back().GetString();
}

bool CBinaryDialogTemplate::Read(Reader& reader) {
    const WORD version = reader.Word();
    const WORD signature = reader.Word();
    const bool extended = version == kExtendedVersion && signature == kExtendedSignature;
    if (extended) {
        reader.Dword(); // help id
        m_dialog.exStyle = reader.Dword();
        m_dialog.style = reader.Dword();
    } else {
        m_dialog.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        m_dialog.exStyle = reader.Dword();
    }
    const WORD count = reader.Word();
    m_dialog.x = reader.Short();
    m_dialog.y = reader.Short();
    m_dialog.cx = reader.Short();
    m_dialog.cy = reader.Short();
    WORD ordinal = 0;
    bool isOrdinal = false;
    reader.StringOrOrdinal(ordinal, isOrdinal); // the menu
    const CString windowClass = reader.StringOrOrdinal(ordinal, isOrdinal);
    if (!windowClass.IsEmpty())
        m_dialog.windowClass = Keep(windowClass);
    m_dialog.caption = Keep(reader.String());
    if (m_dialog.style & DS_SETFONT) {
        m_dialog.pointSize = reader.Word();
        if (extended) {
            reader.Word(); // weight
            reader.Byte(); // italic
            reader.Byte(); // character set
        }
        m_dialog.fontName = Keep(reader.String());
    }
    if (!reader.Ok())
        return false;
    m_items.reserve(count);
    for (WORD index = 0; index < count; ++index)
        if (!ReadItem(reader, extended))
            return false;
    m_dialog.items = m_items.empty() ? nullptr : m_items.data();
    m_dialog.itemCount = static_cast<WORD>(m_items.size());
    return true;
}

bool CBinaryDialogTemplate::ReadItem(Reader& reader, bool extended) {
    reader.Align(4);
    DialogItemTemplate item{};
    if (extended) {
        reader.Dword(); // help id
        item.exStyle = reader.Dword();
        item.style = reader.Dword();
    } else {
        item.style = reader.Dword();
        item.exStyle = reader.Dword();
    }
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = extended ? static_cast<WORD>(reader.Dword()) : reader.Word();
    WORD ordinal = 0;
    bool isOrdinal = false;
    const CString className = reader.StringOrOrdinal(ordinal, isOrdinal);
    const char* predefined = isOrdinal ? ClassOfOrdinal(ordinal) : nullptr;
    item.windowClass = predefined ? predefined : Keep(className);
    const CString text = reader.StringOrOrdinal(ordinal, isOrdinal);
    item.text = isOrdinal ? MAKEINTRESOURCE(ordinal) : Keep(text);
    // Creation data: the extended layout counts the bytes after the count, the other one
    // counts the count too.
    const WORD creation = reader.Word();
    reader.Skip(extended ? creation : (creation >= 2 ? creation - 2u : 0u));
    if (!reader.Ok())
        return false;
    m_items.push_back(item);
    return true;
}
