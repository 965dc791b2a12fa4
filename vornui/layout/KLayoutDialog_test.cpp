#include "tests/DibBytes.h"
#include "tests/TempDir.h"

#include "vornui/layout/KLayoutDialog.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/DocTemplate.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowDC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>

namespace {

enum : WORD {
    kSoundingsId = 4100,
    IDC_LIST = 1001,
    IDC_DEPTH,
    IDC_SPIN,
    IDC_GROUP,
    IDC_HIDDEN,
    IDC_TAB,
};

constexpr DialogItemTemplate kSoundingsItems[] = {
    {"ListBox", "", IDC_LIST, WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 7, 7, 120, 60},
    {"Edit", "12", IDC_DEPTH, WS_VISIBLE | WS_BORDER, 0, 7, 72, 60, 12},
    {UPDOWN_CLASS, "", IDC_SPIN,
     WS_VISIBLE | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 10,
     12},
    {"Button", "Corrections", IDC_GROUP, WS_VISIBLE | BS_GROUPBOX, 0, 134, 7, 70, 40},
    {"Static", "hidden", IDC_HIDDEN, 0, 0, 134, 50, 70, 10},
    {WC_TABCONTROL, "", IDC_TAB, WS_VISIBLE, 0, 134, 62, 70, 40},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 7, 90, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE, 0, 60, 90, 50, 14},
};

constexpr DialogTemplate kSoundings{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                        WS_MAXIMIZEBOX,
                                    0,
                                    10,
                                    10,
                                    212,
                                    112,
                                    "Soundings",
                                    "MS Shell Dlg",
                                    8,
                                    kSoundingsItems,
                                    static_cast<WORD>(std::size(kSoundingsItems))};

using Builder = std::function<KLayoutMgr::CPane(KLayoutMgr&)>;

// What a host application writes: a layout dialog that builds its tree when initialised.
class SoundingsDialog : public KLayoutDialog {
public:
    SoundingsDialog(LPCTSTR section, bool gripper, Builder build)
        : KLayoutDialog(kSoundingsId, nullptr, section, gripper), m_build(std::move(build)) {}

    BOOL OnInitDialog() override {
        KLayoutDialog::OnInitDialog();
        UpdateLayout(m_build(*this));
        return TRUE;
    }
    CRect Window() const {
        CRect rc;
        GetWindowRect(&rc);
        return rc;
    }
    CRect Control(int id) const {
        CRect rc;
        GetDlgItem(id)->GetWindowRect(&rc);
        ScreenToClient(&rc);
        return rc;
    }

private:
    Builder m_build;
};

// A root that cannot be smaller than 300 x 200 and grows without limit.
KLayoutMgr::CPane GreedyRoot(KLayoutMgr& layout) {
    return layout.CreateRoot(layVertical, 0, 0) << layout.item(IDC_LIST, layGreedy, 0, 0, 300, 200);
}

// A root of fixed items only: 250 x 140.
KLayoutMgr::CPane FixedRoot(KLayoutMgr& layout) {
    return layout.CreateRoot(layVertical, 0, 0)
           << layout.item(IDC_LIST, layFixedSize, 250, 100) << layout.itemFixed(layVertical, 40);
}

// The list and the edit with its up-down stretch; the buttons stay at the bottom right.
KLayoutMgr::CPane FullRoot(KLayoutMgr& layout) {
    return layout.CreateRoot(layVertical)
           << layout.item(IDC_LIST) << layout.item(IDC_DEPTH, layAbsoluteVert)
           << (layout.pane(layHorizontal, layAbsoluteVert)
               << layout.itemGrowing(layHorizontal) << layout.item(IDOK, layFixedSize)
               << layout.item(IDCANCEL, layFixedSize));
}

// The test's resources and application profile, as a host's would be.
class LayoutDialogs : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("layout-dialog-tests");
        ASSERT_TRUE(AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kSoundingsId), &kSoundings,
                                sizeof kSoundings));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
        m_monitors = GetScreenMonitors();
        // A sizing frame of 8 pixels and a caption of 23: 16 x 39 around the client area.
        SetSystemMetric(SM_CXFRAME, 8);
        SetSystemMetric(SM_CYFRAME, 8);
        m_app.SetProfileFile(m_folder.file("survey.ini").c_str());
    }
    void TearDown() override {
        SetSystemMetric(SM_CXFRAME, 4);
        SetSystemMetric(SM_CYFRAME, 4);
        SetScreenMonitors(m_monitors);
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    TempDir m_folder;
    CWinApp m_app{"Survey"};
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
    std::vector<ScreenMonitor> m_monitors;
};

void DragFrame(CWnd& window, int hit, int dx, int dy) {
    CScriptedUser user;
    user.DragFrame(hit, dx, dy);
    ASSERT_TRUE(user.ActIn(window.m_hWnd));
}

} // namespace

TEST_F(LayoutDialogs, TheUserCannotSizeTheDialogBeyondTheTreesLimits) {
    SoundingsDialog dialog(nullptr, false, GreedyRoot);
    ASSERT_TRUE(dialog.Create(kSoundingsId));
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.GetStyle() & WS_THICKFRAME);
    CRect client;
    dialog.GetClientRect(&client);
    ASSERT_EQ(dialog.Window().Size() - client.Size(), CSize(16, 39)); // the frame

    // Dragged far below its minimum, it stops at root + borders + frame.
    DragFrame(dialog, HTBOTTOMRIGHT, -600, -600);
    EXPECT_EQ(dialog.Window().Size(), CSize(326, 249));
    EXPECT_EQ(dialog.Control(IDC_LIST), CRect(5, 5, 305, 205));
    DragFrame(dialog, HTTOPLEFT, 300, 300);
    EXPECT_EQ(dialog.Window().Size(), CSize(326, 249));
    // A program's MoveWindow is held to the same limits; greedy content has no maximum.
    dialog.MoveWindow(20, 30, 100, 100);
    EXPECT_EQ(dialog.Window(), CRect(20, 30, 346, 279));
    dialog.MoveWindow(20, 30, 1200, 900);
    EXPECT_EQ(dialog.Window(), CRect(20, 30, 1220, 930));
    EXPECT_EQ(dialog.Control(IDC_LIST), CRect(5, 5, 1179, 856));
    dialog.DestroyWindow();

    // Fixed content stops a drag at its maximum, and maximising gives exactly the content.
    SoundingsDialog fixed(nullptr, false, FixedRoot);
    ASSERT_TRUE(fixed.Create(kSoundingsId));
    fixed.ShowWindow(SW_SHOW);
    const CSize exact(250 + 10 + 16, 140 + 10 + 39);
    EXPECT_EQ(fixed.Window().Size(), exact);
    DragFrame(fixed, HTBOTTOMRIGHT, 400, 300);
    EXPECT_EQ(fixed.Window().Size(), exact);
    CScriptedUser user;
    user.DoubleClickCaption();
    ASSERT_TRUE(user.ActIn(fixed.m_hWnd));
    EXPECT_TRUE(fixed.IsZoomed());
    EXPECT_EQ(fixed.Window().Size(), exact);
    fixed.DestroyWindow();
}

TEST_F(LayoutDialogs, TheGripSizesTheDialogAndTheLayoutEndsInsideIt) {
    SoundingsDialog dialog(nullptr, true, FullRoot);
    ASSERT_TRUE(dialog.Create(kSoundingsId));
    dialog.ShowWindow(SW_SHOW);
    CWnd* bar = dialog.GetDlgItem(AFX_IDW_STATUS_BAR);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->GetStyle() & SBARS_SIZEGRIP);
    CRect grip;
    bar->GetWindowRect(&grip);
    const CRect before = dialog.Window();
    CScriptedUser user;
    user.Drag({POINT{grip.right - 3, grip.bottom - 3}, POINT{grip.right + 57, grip.bottom + 41}});
    ASSERT_TRUE(user.ActIn(dialog.m_hWnd));
    EXPECT_EQ(dialog.Window(),
              CRect(before.left, before.top, before.right + 60, before.bottom + 44));

    // The bar follows the bottom; the buttons end 5 pixels inside its top.
    CRect client;
    dialog.GetClientRect(&client);
    const CRect barRect = dialog.Control(AFX_IDW_STATUS_BAR);
    EXPECT_EQ(barRect.bottom, client.bottom);
    EXPECT_EQ(barRect.right, client.right);
    EXPECT_EQ(dialog.Control(IDOK).bottom, barRect.top + 5);
    EXPECT_EQ(dialog.Control(IDCANCEL).right, client.right - 5);

    // The up-down control sits beside its edit box wherever the box went.
    const CRect edit = dialog.Control(IDC_DEPTH);
    const CRect spin = dialog.Control(IDC_SPIN);
    EXPECT_EQ(spin.left, edit.right);
    EXPECT_EQ(spin.top, edit.top);
    EXPECT_EQ(spin.right, client.right - 5);
    dialog.DestroyWindow();
}

TEST_F(LayoutDialogs, ThePlacementComesBackFromTheProfile) {
    SetScreenMonitors({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true},
                       ScreenMonitor{CRect(-1920, 0, 0, 1080), CRect(-1920, 0, 0, 1080), false}});
    const auto reopen = [](const std::function<void(SoundingsDialog&)>& use) {
        SoundingsDialog dialog("Soundings", true, GreedyRoot);
        EXPECT_TRUE(dialog.Create(kSoundingsId));
        use(dialog);
        dialog.DestroyWindow();
    };
    reopen([](SoundingsDialog& dialog) { dialog.MoveWindow(100, 120, 500, 400); });
    LPBYTE data = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(m_app.GetProfileBinary("Soundings", "WindowPlacement", &data, &bytes));
    WINDOWPLACEMENT stored{};
    ASSERT_EQ(bytes, 44u);
    std::memcpy(&stored, data, sizeof stored);
    delete[] data;
    EXPECT_EQ(stored.length, 44u);
    EXPECT_EQ(stored.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(CRect(stored.rcNormalPosition), CRect(100, 120, 600, 520));

    // Read back from the file by a fresh application object, as the next run would.
    m_app.SetProfileFile(m_folder.file("survey.ini").c_str());
    reopen([](SoundingsDialog& dialog) {
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ(dialog.Window(), CRect(100, 120, 600, 520));
        dialog.ShowWindow(SW_MAXIMIZE);
        EXPECT_TRUE(dialog.IsZoomed());
    });
    reopen([](SoundingsDialog& dialog) {
        EXPECT_TRUE(dialog.IsZoomed());
        dialog.ShowWindow(SW_RESTORE);
        EXPECT_EQ(dialog.Window(), CRect(100, 120, 600, 520));
        dialog.ShowWindow(SW_MINIMIZE);
    });
    reopen([](SoundingsDialog& dialog) {
        EXPECT_FALSE(dialog.IsIconic());
        EXPECT_FALSE(dialog.IsZoomed());
        EXPECT_EQ(dialog.Window(), CRect(100, 120, 600, 520));
        dialog.MoveWindow(-1500, 100, 400, 300); // on the monitor left of the primary one
    });
    reopen(
        [](SoundingsDialog& dialog) { EXPECT_EQ(dialog.Window(), CRect(-1500, 100, -1100, 400)); });
}

TEST_F(LayoutDialogs, AnyStoredPlacementLeavesAUsableWindowOnAMonitor) {
    WINDOWPLACEMENT good{44, 0, SW_SHOWNORMAL, {-1, -1}, {-1, -1}, {100, 100, 500, 400}};
    const auto bytesOf = [](const WINDOWPLACEMENT& placement) {
        return std::string(reinterpret_cast<const char*>(&placement), sizeof placement);
    };
    std::vector<std::string> values = {"", bytesOf(good).substr(0, 43), bytesOf(good) + "x"};
    for (const auto& change : std::vector<std::function<void(WINDOWPLACEMENT&)>>{
             [](WINDOWPLACEMENT& p) { p.length = 40; },
             [](WINDOWPLACEMENT& p) {
                 p.rcNormalPosition = RECT{500, 400, 100, 100};
             },
             [](WINDOWPLACEMENT& p) {
                 p.rcNormalPosition = RECT{-2147483647, 5, 2147483647, 9};
             },
             [](WINDOWPLACEMENT& p) {
                 p.rcNormalPosition = RECT{9000, 9000, 9400, 9300};
             },
             [](WINDOWPLACEMENT& p) { p.showCmd = 0; }, [](WINDOWPLACEMENT& p) { p.showCmd = 99; },
             [](WINDOWPLACEMENT& p) { p.showCmd = SW_SHOWMINIMIZED; }}) {
        WINDOWPLACEMENT bad = good;
        change(bad);
        values.push_back(bytesOf(bad));
    }
    for (const std::string& value : values) {
        m_app.WriteProfileBinary("Soundings", "WindowPlacement",
                                 reinterpret_cast<LPBYTE>(const_cast<char*>(value.data())),
                                 static_cast<UINT>(value.size()));
        SoundingsDialog dialog("Soundings", false, GreedyRoot);
        ASSERT_TRUE(dialog.Create(kSoundingsId));
        dialog.ShowWindow(SW_SHOW);
        const CRect window = dialog.Window();
        EXPECT_TRUE(dialog.IsWindowVisible()) << value.size();
        EXPECT_FALSE(dialog.IsIconic());
        EXPECT_GE(window.Width(), 326);
        EXPECT_GE(window.Height(), 249);
        EXPECT_NE(MonitorFromRect(&window, MONITOR_DEFAULTTONULL), nullptr);
        dialog.DestroyWindow();
    }
}

TEST_F(LayoutDialogs, TheBackgroundLeavesExactlyTheControlsThatPaintThemselves) {
    // The controls where the template puts them, side by side.
    SoundingsDialog dialog(nullptr, true, [](KLayoutMgr&) { return KLayoutMgr::CPane(); });
    ASSERT_TRUE(dialog.Create(kSoundingsId));
    dialog.ShowWindow(SW_SHOW);
    CRect client;
    dialog.GetClientRect(&client);

    // A surface of the client's size filled with a key colour, erased by the dialog.
    const COLORREF key = RGB(255, 0, 255);
    CClientDC screen(&dialog);
    CDC surface;
    ASSERT_TRUE(surface.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height()));
    CBitmap* old = surface.SelectObject(&bitmap);
    surface.FillSolidRect(&client, key);
    EXPECT_TRUE(dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.m_hDC)));

    // Where the key must survive: under the list, the edit, its up-down and the buttons;
    // under the tab's headers and frame but not its display area; in the grip's corner.
    std::vector<CRect> kept;
    for (int id : {int{IDC_LIST}, int{IDC_DEPTH}, int{IDC_SPIN}, IDOK, IDCANCEL})
        kept.push_back(dialog.Control(id));
    const CRect tab = dialog.Control(IDC_TAB);
    CRect display = tab;
    dialog.GetDlgItem(IDC_TAB)->SendMessage(TCM_ADJUSTRECT, FALSE,
                                            reinterpret_cast<LPARAM>(&display));
    ASSERT_FALSE(display.IsRectEmpty());
    const CRect bar = dialog.Control(AFX_IDW_STATUS_BAR);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int keyPixels = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const CPoint point(x, y);
            // The corner triangle: right of the diagonal from the bar's top right corner.
            const int diagonal = (bar.right - x) - (y - bar.top);
            if (bar.PtInRect(point) && std::abs(diagonal) <= 1)
                continue; // the diagonal's own pixels may go either way
            bool expectKey = bar.PtInRect(point) && diagonal < 0;
            expectKey = expectKey || (tab.PtInRect(point) && !display.PtInRect(point));
            for (const CRect& rect : kept)
                expectKey = expectKey || rect.PtInRect(point);
            const COLORREF pixel = surface.GetPixel(point);
            ASSERT_EQ(pixel, expectKey ? key : face) << x << "," << y;
            keyPixels += pixel == key;
        }
    }
    EXPECT_GT(keyPixels, 0);
    surface.SelectObject(old);
    dialog.DestroyWindow();
}

TEST_F(LayoutDialogs, TheDocumentTemplatesIconIsTheSmallIcon) {
    using namespace dib_bytes;
    constexpr UINT kDocumentId = 128;
    const DibShape shape{8, 8, 4, false, BI_RGB, {{0, 0, 0, 0}, {0, 0, 255, 0}}};
    const auto image = IconImage(
        shape, [](int, int) { return 1u; }, [](int, int) { return false; });
    const auto group = IconDirectory({{8, 8, 4, image}}, false);
    ASSERT_TRUE(AddResource(m_module, RT_ICON, MAKEINTRESOURCE(1), image.data(),
                            static_cast<DWORD>(image.size())));
    ASSERT_TRUE(AddResource(m_module, RT_GROUP_ICON, MAKEINTRESOURCE(kDocumentId), group.data(),
                            static_cast<DWORD>(group.size())));

    // Without a document template the dialog has no icon of its own.
    SoundingsDialog plain(nullptr, false, GreedyRoot);
    ASSERT_TRUE(plain.Create(kSoundingsId));
    EXPECT_EQ(plain.GetIcon(FALSE), nullptr);
    plain.DestroyWindow();

    m_app.AddDocTemplate(new CSingleDocTemplate(kDocumentId, nullptr, nullptr, nullptr));
    SoundingsDialog dialog(nullptr, false, GreedyRoot);
    ASSERT_TRUE(dialog.Create(kSoundingsId));
    EXPECT_NE(dialog.GetIcon(FALSE), nullptr);
    EXPECT_EQ(dialog.GetIcon(FALSE), m_app.LoadIcon(kDocumentId));
    EXPECT_EQ(dialog.GetIcon(TRUE), nullptr);
    dialog.DestroyWindow();
}
