#pragma once

// One value of a parsed record: nothing (Invalid), an integer, a number or an array of
// numbers (Stacked). Copies are independent.

#include "vornui/platform/Export.h"

#include <vector>

// What a value holds.
enum AsciiValueType : int {
    AsciiValueInvalid = 0,
    AsciiValueInteger = 1,
    AsciiValueDouble = 2,
    AsciiValueStacked = 3,
};

// One value of a parsed record.
class VORNUI_API AsciiValue {
public:
    // An Invalid value.
    AsciiValue() = default;
    // Copies are independent of the original, its array included.
    AsciiValue(const AsciiValue& other);
    AsciiValue& operator=(const AsciiValue& other);
    AsciiValue(AsciiValue&& other) noexcept = default;
    AsciiValue& operator=(AsciiValue&& other) noexcept = default;
    ~AsciiValue() = default;
    // An Integer holding `value`.
    static AsciiValue Integer(int value);
    // A Double holding `value`.
    static AsciiValue Double(double value);
    // A Stacked array holding `values`.
    static AsciiValue Stacked(std::vector<double> values);

    // The AsciiValueType.
    int GetType() const { return m_type; }
    // Whether the value holds anything.
    bool IsValid() const { return m_type != AsciiValueInvalid; }
    // The number; the first element of an array; 0.0 for Invalid.
    double AsDouble() const { return m_type == AsciiValueDouble ? m_dValue : OtherAsDouble(); }
    // The integer of an Integer, otherwise AsDouble truncated toward zero.
    int AsInt() const;
    // 1 for a Double, the array's size for Stacked, 0 otherwise.
    int GetCount() const;
    // 0.0 outside 0 ... GetCount() - 1.
    double GetAt(int index) const;

    // value * factor + offset; an Integer is rounded down afterwards.
    void Scale(double factor, double offset);
    // Same type and same contents.
    bool operator==(const AsciiValue& other) const;
    bool operator!=(const AsciiValue& other) const { return !(*this == other); }

    // Back to Invalid, giving up the array.
    void Release();

    // Becomes Invalid, an Integer or a Double.
    void SetInvalid();
    void SetInteger(int value);
    void SetDouble(double value);
    // Becomes an empty Stacked array, to be filled through the returned vector.
    std::vector<double>& SetStacked();

private:
    double OtherAsDouble() const;

    int m_type = AsciiValueInvalid;
    int m_nInteger = 0;
    double m_dValue = 0.0;         // the number of a Double
    std::vector<double> m_stacked; // the elements of a Stacked
};
