#pragma once

// The text of one column of a data line together with the column's type, and the ways to
// read it: as a number (plain, angle, time of day or Julian date, by type), as an integer,
// as a hemisphere sign.

#include "vornui/platform/Export.h"

class VORNUI_API AsciiField {
public:
    // `text` is borrowed; nullptr when the column does not exist.
    AsciiField(const char* text, int type) : m_text(text), m_type(type) {}

    // Whether the column exists.
    bool HasText() const { return m_text != nullptr; }
    // The column's text; nullptr when it does not exist.
    const char* GetText() const { return m_text; }
    // The column's AsciiColumnType.
    int GetType() const { return m_type; }
    // 0 for an empty or missing text.
    char GetFirstChar() const { return m_text ? m_text[0] : '\0'; }

    // The text decoded as a number by the column's type; 0.0 when empty or unreadable.
    double GetDouble() const;
    // The text as an integer; a text that is not one is read as a number, rounded down.
    int GetInt() const;
    // Whether the text is a valid number for the column's type.
    bool IsDouble() const;
    // Whether the text is a valid integer.
    bool IsInt() const;
    // +1 for N/n (North/South column) or E/e (East/West column), -1 for S/s or W/w, else 0.
    int GetHemisphereSign() const;

    // The decoded number and, as the result, whether the text is a valid number.
    bool ReadDouble(double& value) const;
    // The decoded integer and, as the result, whether the text is a valid integer.
    bool ReadInt(int& value) const;

private:
    bool IsEmpty() const { return !m_text || m_text[0] == '\0'; }
    bool StartsLikeNumber() const;

    const char* m_text;
    int m_type;
};
