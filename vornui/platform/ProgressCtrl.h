#pragma once

// The "msctls_progress32" class: a position within a range, moved directly or in steps
// (stepping past the end starts again at the beginning).

#include "vornui/platform/CommonControls.h"
#include "vornui/platform/Wnd.h"

#define PROGRESS_CLASS "msctls_progress32"

#define PBS_SMOOTH 0x01
#define PBS_VERTICAL 0x04
#define PBS_MARQUEE 0x08

#define PBM_SETRANGE (WM_USER + 1)
#define PBM_SETPOS (WM_USER + 2)
#define PBM_DELTAPOS (WM_USER + 3)
#define PBM_SETSTEP (WM_USER + 4)
#define PBM_STEPIT (WM_USER + 5)
#define PBM_SETRANGE32 (WM_USER + 6)
#define PBM_GETRANGE (WM_USER + 7)
#define PBM_GETPOS (WM_USER + 8)
#define PBM_SETBARCOLOR (WM_USER + 9)
#define PBM_SETMARQUEE (WM_USER + 10)
#define PBM_GETSTEP (WM_USER + 13)
#define PBM_GETBKCOLOR (WM_USER + 14)
#define PBM_GETBARCOLOR (WM_USER + 15)
#define PBM_SETBKCOLOR CCM_SETBKCOLOR

#define CLR_DEFAULT 0xFF000000u

struct PBRANGE {
    int iLow;
    int iHigh;
};

class VORNUI_API CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const;
    int SetPos(int pos);
    int OffsetPos(int pos);
    int SetStep(int step);
    int GetStep() const;
    int StepIt();
    COLORREF SetBarColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
};
