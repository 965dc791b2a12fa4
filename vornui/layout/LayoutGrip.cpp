#include "vornui/layout/LayoutGrip.h"

#include "vornui/platform/StatusBar.h"
#include "vornui/platform/WinApp.h"

bool CreateGripBar(CWnd& host, CStatusBar& bar, bool stretchPane) {
    static const UINT kIndicators[] = {ID_SEPARATOR};
    if (!bar.Create(&host, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !bar.SetIndicators(kIndicators, 1)) {
        AfxMessageBox("Error - Statusbar");
        return false;
    }
    bar.SetPaneText(0, "");
    if (stretchPane)
        bar.SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    RepositionGripBar(host);
    return true;
}

void RepositionGripBar(CWnd& host) {
    host.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
}
