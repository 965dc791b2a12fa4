#pragma once

// The "SysIPAddress32" class: an IPv4 address in four fields of 0 to 255, typed digit by
// digit (a full field or a '.' moves on to the next one), each field blank until typed.
// Its window text is the address as "a.b.c.d" (blank fields read as 0); setting the text
// sets the fields. A change is told to the parent as EN_CHANGE.

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/Wnd.h"

#define WC_IPADDRESS "SysIPAddress32"

#define IPM_CLEARADDRESS (WM_USER + 100)
#define IPM_SETADDRESS (WM_USER + 101)
#define IPM_GETADDRESS (WM_USER + 102)
#define IPM_SETFOCUS (WM_USER + 104)
#define IPM_ISBLANK (WM_USER + 105)

// The packed address of IPM_SETADDRESS and IPM_GETADDRESS: the first field in the highest
// byte.
#define MAKEIPADDRESS(b1, b2, b3, b4)                                                              \
    ((LPARAM)(((DWORD)(b1) << 24) + ((DWORD)(b2) << 16) + ((DWORD)(b3) << 8) + ((DWORD)(b4))))
#define FIRST_IPADDRESS(x) (((x) >> 24) & 0xff)
#define SECOND_IPADDRESS(x) (((x) >> 16) & 0xff)
#define THIRD_IPADDRESS(x) (((x) >> 8) & 0xff)
#define FOURTH_IPADDRESS(x) ((x)&0xff)

// The framework's class of an IP address control.
class VORNUI_API CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The number of fields that are not blank.
    int GetAddress(BYTE& field0, BYTE& field1, BYTE& field2, BYTE& field3) const;
    int GetAddress(DWORD& address) const;
    void SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3);
    void SetAddress(DWORD address);
    void ClearAddress();
    BOOL IsBlank() const;
    void SetFieldFocus(WORD field);
};
