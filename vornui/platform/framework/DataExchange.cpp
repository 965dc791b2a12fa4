#include "vornui/platform/DataExchange.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Wnd.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// The framework's prompts for data that does not parse or lies outside its range.
constexpr const char* kParseInt = "Please enter an integer.";
constexpr const char* kParseUInt = "Please enter a positive integer.";
constexpr const char* kParseReal = "Please enter a number.";
constexpr const char* kParseByte = "Please enter an integer between 0 and 255.";
constexpr const char* kIntRange = "Please enter an integer between %1 and %2.";
constexpr const char* kRealRange = "Please enter a number between %1 and %2.";
constexpr const char* kStringSize = "Please enter no more than %1 characters.";

CString FormatPrompt(const char* prompt, const CString& first, const CString& second) {
    CString text(prompt);
    text.Replace("%1", first);
    text.Replace("%2", second);
    return text;
}

[[noreturn]] void FailWith(CDataExchange* dx, const CString& prompt) {
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
    dx->Fail();
}

CString ControlText(HWND control) {
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

void SetControlText(HWND control, const CString& text) {
    // Only a change is written, so that the control's modified state and caret survive.
    if (ControlText(control) != text)
        SetWindowText(control, text);
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// Parses a whole integer field: blanks around one number and nothing else.
bool ParseInteger(const CString& text, long long& value, bool allowSign) {
    const char* begin = text.GetString();
    while (IsBlank(*begin))
        ++begin;
    if (!allowSign && *begin == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    return *end == '\0';
}

bool ParseReal(const CString& text, double& value) {
    const char* begin = text.GetString();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    return *end == '\0';
}

template <typename Integer>
void ExchangeInteger(CDataExchange* dx, int id, Integer& value, const char* format,
                     const char* prompt) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format(format, value);
        SetControlText(control, text);
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(ControlText(control), parsed, std::numeric_limits<Integer>::is_signed) ||
        parsed < static_cast<long long>(std::numeric_limits<Integer>::min()) ||
        parsed > static_cast<long long>(std::numeric_limits<Integer>::max()))
        FailWith(dx, CString(prompt));
    value = static_cast<Integer>(parsed);
}

template <typename Real>
void ExchangeReal(CDataExchange* dx, int id, Real& value, int digits) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%.*g", digits, static_cast<double>(value));
        SetControlText(control, text);
        return;
    }
    double parsed = 0;
    if (!ParseReal(ControlText(control), parsed))
        FailWith(dx, CString(kParseReal));
    value = static_cast<Real>(parsed);
}

// The bounds are written with `format`; a precision (the digits of a real) goes before each.
template <typename Value, typename... Precision>
void CheckRange(CDataExchange* dx, Value value, Value minValue, Value maxValue, const char* format,
                const char* prompt, Precision... precision) {
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    CString low;
    CString high;
    low.Format(format, precision..., minValue);
    high.Format(format, precision..., maxValue);
    FailWith(dx, FormatPrompt(prompt, low, high));
}

// A combo box gives its field's text; loading picks the matching entry, or puts the text
// into the edit field when none matches.
void ExchangeComboString(CDataExchange* dx, int id, CString& value, UINT find) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = ControlText(control);
        return;
    }
    const LRESULT found = SendMessage(control, find, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(value.GetString()));
    if (found < 0)
        SetControlText(control, value);
    else
        SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

// A list box gives its selected entry's text; loading selects the matching entry (or none).
void ExchangeListString(CDataExchange* dx, int id, CString& value, UINT find) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const LRESULT index = SendMessage(control, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (index < 0)
            return;
        const int length = static_cast<int>(SendMessage(control, LB_GETTEXTLEN, index, 0));
        SendMessage(control, LB_GETTEXT, index,
                    reinterpret_cast<LPARAM>(value.GetBufferSetLength(length)));
        value.ReleaseBuffer(length);
        return;
    }
    const LRESULT found = SendMessage(control, find, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(value.GetString()));
    SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(found < 0 ? -1 : found), 0);
}

} // namespace

CDataExchange::CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = nullptr;
    m_pDlgWnd->GetDlgItem(id, &control);
    m_idLastControl = static_cast<UINT>(id);
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    const HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl) {
        HWND control = nullptr;
        m_pDlgWnd->GetDlgItem(static_cast<int>(m_idLastControl), &control);
        SetFocus(control);
        if (m_bEditLastControl)
            SendMessage(control, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    const HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = ControlText(control);
    else
        SetControlText(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    ExchangeInteger(dx, id, value, "%d", kParseInt);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
    ExchangeInteger(dx, id, value, "%u", kParseUInt);
}

void DDX_Text(CDataExchange* dx, int id, long& value) {
    ExchangeInteger(dx, id, value, "%ld", kParseInt);
}

void DDX_Text(CDataExchange* dx, int id, short& value) {
    ExchangeInteger(dx, id, value, "%hd", kParseInt);
}

void DDX_Text(CDataExchange* dx, int id, BYTE& value) {
    ExchangeInteger(dx, id, value, "%u", kParseByte);
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    ExchangeReal(dx, id, value, DBL_DIG);
}

void DDX_Text(CDataExchange* dx, int id, float& value) {
    ExchangeReal(dx, id, value, FLT_DIG);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(SendMessage(control, BM_GETCHECK, 0, 0));
    else
        SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value),
                    0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (dx->m_bSaveAndValidate) {
                if (SendMessage(control, BM_GETCHECK, 0, 0))
                    value = index;
            } else {
                SendMessage(control, BM_SETCHECK, index == value, 0);
            }
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLong(control, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(SendMessage(control, CB_GETCURSEL, 0, 0));
    else
        SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
    ExchangeComboString(dx, id, value, CB_FINDSTRING);
}

void DDX_CBStringExact(CDataExchange* dx, int id, CString& value) {
    ExchangeComboString(dx, id, value, CB_FINDSTRINGEXACT);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    const HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(SendMessage(control, LB_GETCURSEL, 0, 0));
    else
        SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
    ExchangeListString(dx, id, value, LB_FINDSTRING);
}

void DDX_LBStringExact(CDataExchange* dx, int id, CString& value) {
    ExchangeListString(dx, id, value, LB_FINDSTRINGEXACT);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd)
        return;
    const HWND item = dx->PrepareCtrl(id);
    control.SubclassWindow(item);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
    if (dx->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) {
            CString limit;
            limit.Format("%d", maxChars);
            FailWith(dx, FormatPrompt(kStringSize, limit, CString()));
        }
    } else if (dx->m_idLastControl && dx->m_bEditLastControl) {
        HWND control = nullptr;
        dx->m_pDlgWnd->GetDlgItem(static_cast<int>(dx->m_idLastControl), &control);
        SendMessage(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
    CheckRange<long>(dx, value, minValue, maxValue, "%ld", kIntRange);
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue) {
    CheckRange<unsigned long>(dx, value, minValue, maxValue, "%lu", kIntRange);
}

void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue) {
    CheckRange<long>(dx, value, minValue, maxValue, "%ld", kIntRange);
}

void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minValue, DWORD maxValue) {
    CheckRange<unsigned long>(dx, value, minValue, maxValue, "%lu", kIntRange);
}

void DDV_MinMaxShort(CDataExchange* dx, short value, short minValue, short maxValue) {
    CheckRange<long>(dx, value, minValue, maxValue, "%ld", kIntRange);
}

void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minValue, BYTE maxValue) {
    CheckRange<unsigned long>(dx, value, minValue, maxValue, "%lu", kIntRange);
}

void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minValue, double maxValue) {
    CheckRange<double>(dx, value, minValue, maxValue, "%.*g", kRealRange, DBL_DIG);
}

void DDV_MinMaxFloat(CDataExchange* dx, const float& value, float minValue, float maxValue) {
    CheckRange<double>(dx, value, minValue, maxValue, "%.*g", kRealRange, FLT_DIG);
}

IMPLEMENT_DYNAMIC(CUserException, CObject)
