#pragma once

// The framework's exceptions: thrown as pointers to objects made with new, caught as
// CException* and freed with Delete:
//
//   try { sheet.DoModal(); }
//   catch (CException* error) { error->Delete(); }

#include "vornui/platform/Export.h"
#include "vornui/platform/Object.h"

class VORNUI_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // Frees the exception object.
    void Delete();
};

// An argument a function cannot work with.
class VORNUI_API CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
};

// Throws a new CInvalidArgException.
[[noreturn]] VORNUI_API void AfxThrowInvalidArgException();
