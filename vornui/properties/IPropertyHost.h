#pragma once

// The host's side of a property window: each row asks its host before it stores a new
// value into the variable it is bound to, and the window tells the host afterwards. Every
// call names the bound variable, so one host serves all of its rows.
//
//   class SurveySettings : public IPropertyHost {
//       bool AcceptChange(void* data, const void* proposed) override {
//           return data != &m_lineNumber || *static_cast<const int*>(proposed) > 0;
//       }
//       void OnValueChanged(void* data) override { m_dirty = true; }
//       bool CanEdit(void* data) override { return !m_logging; }
//       ...
//   };

#include "vornui/platform/Export.h"

class VORNUI_API IPropertyHost {
public:
    // Not used by the rows: it lets a host be deleted through the interface.
    virtual ~IPropertyHost() = default;
    // Whether the row bound to `data` may store `proposed`, the value the user chose (its
    // type is the row's: an int for a choice row, a PortSetUpStructure for a port row).
    // A second listener is asked with a null `proposed` after its row's host agreed.
    virtual bool AcceptChange(void* data, const void* proposed) = 0;
    // The value bound to `data` changed.
    virtual void OnValueChanged(void* data) = 0;
    // Whether the row bound to `data` may be edited now (asked for rows that are editable
    // at all, each time it matters).
    virtual bool CanEdit(void* data) = 0;
};
