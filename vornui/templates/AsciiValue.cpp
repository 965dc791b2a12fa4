#include "vornui/templates/AsciiValue.h"

#include "vornui/templates/NumberScan.h"

#include <cmath>
#include <utility>

namespace {

int ScaledInteger(int value, double factor, double offset) {
    return TruncateToInt32(std::floor(value * factor + offset));
}

} // namespace

// Only a Stacked value has elements to copy; the others are copied without touching the
// array's storage.
AsciiValue::AsciiValue(const AsciiValue& other)
    : m_type(other.m_type), m_nInteger(other.m_nInteger), m_dValue(other.m_dValue) {
    if (other.m_type == AsciiValueStacked)
        m_stacked = other.m_stacked;
}

AsciiValue& AsciiValue::operator=(const AsciiValue& other) {
    m_type = other.m_type;
    m_nInteger = other.m_nInteger;
    m_dValue = other.m_dValue;
    if (other.m_type == AsciiValueStacked)
        m_stacked = other.m_stacked;
    else
        m_stacked.clear();
    return *this;
}

AsciiValue AsciiValue::Integer(int value) {
    AsciiValue result;
    result.SetInteger(value);
    return result;
}

AsciiValue AsciiValue::Double(double value) {
    AsciiValue result;
    result.SetDouble(value);
    return result;
}

AsciiValue AsciiValue::Stacked(std::vector<double> values) {
    AsciiValue result;
    result.SetStacked() = std::move(values);
    return result;
}

void AsciiValue::SetInteger(int value) {
    m_type = AsciiValueInteger;
    m_nInteger = value;
    m_stacked.clear();
}

void AsciiValue::SetDouble(double value) {
    m_type = AsciiValueDouble;
    m_dValue = value;
    m_stacked.clear();
}

std::vector<double>& AsciiValue::SetStacked() {
    m_type = AsciiValueStacked;
    m_stacked.clear();
    return m_stacked;
}

double AsciiValue::OtherAsDouble() const {
    switch (m_type) {
    case AsciiValueInteger:
        return m_nInteger;
    case AsciiValueStacked:
        return m_stacked.empty() ? 0.0 : m_stacked.front();
    default:
        return 0.0;
    }
}

int AsciiValue::AsInt() const {
    return m_type == AsciiValueInteger ? m_nInteger : TruncateToInt32(AsDouble());
}

int AsciiValue::GetCount() const {
    switch (m_type) {
    case AsciiValueDouble:
        return 1;
    case AsciiValueStacked:
        return static_cast<int>(m_stacked.size());
    default:
        return 0;
    }
}

double AsciiValue::GetAt(int index) const {
    if (index < 0 || index >= GetCount())
        return 0.0;
    return m_type == AsciiValueDouble ? m_dValue : m_stacked[static_cast<size_t>(index)];
}

void AsciiValue::Scale(double factor, double offset) {
    switch (m_type) {
    case AsciiValueInteger:
        m_nInteger = ScaledInteger(m_nInteger, factor, offset);
        break;
    case AsciiValueDouble:
        m_dValue = m_dValue * factor + offset;
        break;
    case AsciiValueStacked:
        for (double& element : m_stacked)
            element = element * factor + offset;
        break;
    default:
        break;
    }
}

bool AsciiValue::operator==(const AsciiValue& other) const {
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case AsciiValueInteger:
        return m_nInteger == other.m_nInteger;
    case AsciiValueDouble:
        return m_dValue == other.m_dValue;
    case AsciiValueStacked:
        return m_stacked == other.m_stacked;
    default:
        return true;
    }
}

void AsciiValue::SetInvalid() {
    m_type = AsciiValueInvalid;
    m_stacked.clear();
}

void AsciiValue::Release() {
    m_type = AsciiValueInvalid;
    std::vector<double>().swap(m_stacked);
}
