#pragma once

// Dialog data exchange: DDX_* functions move values between a window's controls and its
// members in both directions, DDV_* functions validate saved values. A failure shows the
// framework's message, puts the focus back on the offending control (with its text
// selected when it is an edit) and makes UpdateData return FALSE.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/WindowTypes.h"

// What a failed validation throws; UpdateData catches it.
class VORNUI_API CUserException : public CObject {
    DECLARE_DYNAMIC(CUserException)
};

class VORNUI_API CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

    // The control `id` becomes the one a later failure refers to.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

VORNUI_API void DDX_Text(CDataExchange* dx, int id, CString& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, int& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, UINT& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, long& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, short& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, BYTE& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, double& value);
VORNUI_API void DDX_Text(CDataExchange* dx, int id, float& value);
VORNUI_API void DDX_Check(CDataExchange* dx, int id, int& value);
// `id` is the first radio button of a group; the value is the index of the checked one, or -1.
VORNUI_API void DDX_Radio(CDataExchange* dx, int id, int& value);
VORNUI_API void DDX_CBIndex(CDataExchange* dx, int id, int& index);
VORNUI_API void DDX_CBString(CDataExchange* dx, int id, CString& value);
VORNUI_API void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
VORNUI_API void DDX_LBIndex(CDataExchange* dx, int id, int& index);
VORNUI_API void DDX_LBString(CDataExchange* dx, int id, CString& value);
VORNUI_API void DDX_LBStringExact(CDataExchange* dx, int id, CString& value);
// Attaches `control` to dialog item `id` the first time.
VORNUI_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);

VORNUI_API void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
VORNUI_API void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
VORNUI_API void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
VORNUI_API void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue);
VORNUI_API void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minValue, DWORD maxValue);
VORNUI_API void DDV_MinMaxShort(CDataExchange* dx, short value, short minValue, short maxValue);
VORNUI_API void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minValue, BYTE maxValue);
VORNUI_API void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minValue,
                                 double maxValue);
VORNUI_API void DDV_MinMaxFloat(CDataExchange* dx, const float& value, float minValue,
                                float maxValue);
