// The host's own resources in the reporting windows: an icon group found through the
// resource chain, a caption string of the application, a remembered position.

#include "tests/DibBytes.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Sound.h"
#include "vornui/platform/WinApp.h"
#include "vornui/reporting/CMessageBoxDialog.h"
#include "vornui/reporting/KProgressDlg.h"

#include <gtest/gtest.h>

namespace {

using namespace dib_bytes;

constexpr UINT kHostTitle = 61500;
const StringResource kHostStrings[] = {{kHostTitle, "Gridding soundings"}};

// A host resource library in the chain with an icon group "SHIP".
class HostIconLibrary {
public:
    HostIconLibrary() : m_module(CreateResourceModule("reporting-host")) {
        const DibShape shape{8, 8, 4, false, BI_RGB, {{0, 0, 0, 0}, {0, 0, 255, 0}}};
        m_image = IconImage(
            shape, [](int, int) { return 1u; }, [](int, int) { return false; });
        m_group = IconDirectory({{8, 8, 4, m_image}}, false);
        AddResource(m_module, RT_ICON, MAKEINTRESOURCE(1), m_image.data(),
                    static_cast<DWORD>(m_image.size()));
        AddResource(m_module, RT_GROUP_ICON, "SHIP", m_group.data(),
                    static_cast<DWORD>(m_group.size()));
        AfxInitExtensionModule(m_state, m_module);
        new CDynLinkLibrary(m_state); // owned by the chain
    }
    ~HostIconLibrary() {
        AfxTermExtensionModule(m_state);
        FreeResourceModule(m_module);
    }
    HostIconLibrary(const HostIconLibrary&) = delete;
    HostIconLibrary& operator=(const HostIconLibrary&) = delete;

private:
    HMODULE m_module;
    AFX_EXTENSION_MODULE m_state;
    std::string m_image;
    std::string m_group;
};

} // namespace

TEST(ReportingHostResources, AHostIconGroupIsShownWithoutABeep) {
    CWinApp app("Survey");
    HostIconLibrary library;
    CScriptedUser user;
    ForgetMessageBeeps();
    CMessageBoxDialog box(nullptr, CString("Vessel offsets changed."), CString("Vessel"),
                          MB_ICONHAND, 0);
    box.SetMessageIcon("SHIP", 0);
    ASSERT_NE(box.GetMessageIcon(), nullptr);
    box.AddButton(IDOK, CString("OK"), TRUE, TRUE);
    user.Press(VK_RETURN);
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_TRUE(MessageBeepsPlayed().empty()); // the style's icon and beep were not taken
}

TEST(ReportingHostResources, TheCaptionComesFromTheHostAndThePositionIsRemembered) {
    CWinApp app("Survey");
    AddStringResources(AfxGetInstanceHandle(), kHostStrings, 1);
    const std::vector<ScreenMonitor> monitors = GetScreenMonitors();
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true}});
    {
        KProgressDlg first(1, kHostTitle, "Gridding");
        ASSERT_TRUE(first.Create(nullptr));
        CString caption;
        first.GetWindowText(caption);
        EXPECT_EQ(caption, "Gridding soundings");
        first.SetWindowPos(nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        first.DestroyWindow(); // remembers where it was
    }
    KProgressDlg again(1, kHostTitle, "Gridding");
    ASSERT_TRUE(again.Create(nullptr));
    CRect rect;
    again.GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(40, 50));
    again.DestroyWindow();
    SetScreenMonitors(monitors);
}
