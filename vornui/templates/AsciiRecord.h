#pragma once

// One data line read through a template: one value per record template, in template
// order, and whether the line held everything the template asks for.

#include "vornui/platform/Export.h"
#include "vornui/templates/AsciiColumnList.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/AsciiValue.h"

#include <string_view>

class VORNUI_API AsciiRecord {
public:
    // The template is borrowed and must outlive the record.
    explicit AsciiRecord(const AsciiTemplate& templ);
    AsciiRecord(std::string_view line, const AsciiTemplate& templ);

    // Replaces the record with the one `line` gives, reusing the storage.
    void Parse(std::string_view line);
    // Whether the line held everything the template asks for.
    bool IsValid() const { return m_bValid; }

    // A copy of the value of the first record named `name` (case-insensitive), scaled by
    // the record's conversion; Invalid when the template has no such record.
    AsciiValue GetValue(const char* name) const;
    // The same by the record's place in the template, as IndexOf finds it once for many
    // lines; Invalid outside 0 ... GetValueCount() - 1.
    AsciiValue GetValue(int index) const;
    // GetValue(index).AsDouble(), without copying the value: what a loop over many lines
    // asks for.
    double GetDouble(int index) const {
        if (index < 0 || index >= m_nValues || m_values[index].GetType() != AsciiValueDouble)
            return GetValue(index).AsDouble();
        const AsciiRecordTemplate& record = m_template->records[index];
        const double value = m_values[index].AsDouble();
        return Converts(record) ? value * record.ConvFactor + record.ConvOffset : value;
    }
    // The place of the first record template named `name`; -1 when there is none.
    int IndexOf(const char* name) const;
    // The same without the conversion.
    AsciiValue GetValueUnconverted(const char* name) const;
    // The number of values, one per record template.
    int GetValueCount() const { return m_nValues; }
    // Invalid outside 0 ... GetValueCount() - 1.
    const AsciiValue& GetValueAt(int index) const;
    // Gives up every value.
    void Release();

private:
    friend class AsciiRecordReader;

    // An identity conversion is skipped rather than applied: it would turn -0.0 into 0.0.
    static bool Converts(const AsciiRecordTemplate& record) {
        return record.ConvFactor != 1.0 || record.ConvOffset != 0.0;
    }
    void ParseDouble(const AsciiRecordTemplate& record, AsciiValue& value);
    void ParseInteger(const AsciiRecordTemplate& record, AsciiValue& value);
    void ParseStacked(const AsciiRecordTemplate& record, AsciiValue& value) const;
    void ParseDate(const AsciiRecordTemplate& record, AsciiValue& value);
    // The record of a line whose columns a reader has read as numbers already: `ints[c]`
    // and `doubles[c]` hold column c's integer and number where the records read them.
    void ParsePlain(const int* ints, const double* doubles);
    void SetDate(int (&parts)[5], double seconds, AsciiValue& value);

    const AsciiTemplate* m_template;
    AsciiColumnList m_columns;
    // The day number of the last date, which the lines of a file repeat many times over.
    struct Day {
        int year, month, day;
        double dayNumber;
    };

    AsciiValue m_values[kAsciiMaxRecords];
    Day m_lastDay = {1970, 1, 1, 0.0};
    int m_nValues = 0;
    bool m_bValid = false;
};
