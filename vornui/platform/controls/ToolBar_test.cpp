#include "tests/DibBytes.h"

#include "vornui/platform/CmdUI.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/ToolBar.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowPaint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : UINT { kStartLine = 301, kStopLine, kFix, kToolBarId = 900 };

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// Two 16 x 15 pictures in 16 colours: a red and a blue square, each on the light grey that
// toolbar bitmaps leave transparent.
const std::string& ToolBarBitmap() {
    static const std::string packed =
        dib_bytes::PackedDib({32,
                              15,
                              4,
                              false,
                              BI_RGB,
                              {RGBQUAD{0, 0, 0, 0}, RGBQUAD{192, 192, 192, 0},
                               RGBQUAD{0, 0, 200, 0}, RGBQUAD{200, 0, 0, 0}}},
                             [](int x, int y) -> std::uint32_t {
                                 const int inX = x % 16;
                                 if (inX < 3 || inX > 12 || y < 3 || y > 11)
                                     return 1;
                                 return x < 16 ? 2 : 3;
                             });
    return packed;
}

// The toolbar resource: version 1, 16 x 15 pictures, Start line, a separator, Stop line.
constexpr WORD kToolBarResource[] = {1, 16, 15, 3, kStartLine, 0, kStopLine};

class LineFrame : public CFrameWnd {
public:
    std::vector<UINT> m_done;
    bool m_running = false;

protected:
    void OnStartLine() {
        m_done.push_back(kStartLine);
        m_running = true;
    }
    void OnStopLine() { m_done.push_back(kStopLine); }
    void OnUpdateStopLine(CCmdUI* cmdUI) { cmdUI->Enable(m_running); }
    void OnUpdateStartLine(CCmdUI* cmdUI) { cmdUI->SetCheck(m_running ? 1 : 0); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LineFrame, CFrameWnd)
ON_COMMAND(kStartLine, &ThisClass::OnStartLine)
ON_COMMAND(kStopLine, &ThisClass::OnStopLine)
ON_UPDATE_COMMAND_UI(kStopLine, &ThisClass::OnUpdateStopLine)
ON_UPDATE_COMMAND_UI(kStartLine, &ThisClass::OnUpdateStartLine)
END_MESSAGE_MAP()

class FrameToolBar : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("toolbar-tests");
        const std::string& bitmap = ToolBarBitmap();
        ASSERT_TRUE(AddResource(m_module, RT_BITMAP, MAKEINTRESOURCE(kToolBarId), bitmap.data(),
                                static_cast<DWORD>(bitmap.size())));
        ASSERT_TRUE(AddResource(m_module, RT_TOOLBAR, MAKEINTRESOURCE(kToolBarId), kToolBarResource,
                                sizeof kToolBarResource));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
        frame = new LineFrame; // deletes itself with its window
        ASSERT_TRUE(frame->Create(nullptr, "Lines", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 440, 300)));
        ASSERT_TRUE(bar.CreateEx(frame));
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        app.m_pMainWnd = nullptr;
        if (IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    CRect Item(int index) const {
        CRect rect;
        bar.GetItemRect(index, &rect);
        return rect;
    }
    POINT OnScreen(POINT point) const {
        bar.ClientToScreen(&point);
        return point;
    }
    COLORREF At(POINT point) {
        bar.UpdateWindow();
        const HDC hdc = ::GetDC(bar);
        const COLORREF color = ::GetPixel(hdc, point.x, point.y);
        ::ReleaseDC(bar, hdc);
        return color;
    }

    CWinApp app{"toolbar-tests"};
    LineFrame* frame = nullptr;
    CToolBar bar;
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

} // namespace

TEST_F(FrameToolBar, TheBarTakesTheTopOfTheFrame) {
    const UINT ids[] = {kStartLine, ID_SEPARATOR, kStopLine, kFix};
    ASSERT_TRUE(bar.SetButtons(ids, 4));
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    CRect strip;
    bar.GetWindowRect(&strip);
    frame->ScreenToClient(&strip);
    EXPECT_EQ(strip, CRect(0, 0, client.right, 22 + 4));
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(24 + 8 + 24 + 24 + 4, 26));
    EXPECT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetItemID(2), kStopLine);
    EXPECT_EQ(bar.GetItemID(9), 0u);
    EXPECT_EQ(bar.CommandToIndex(kFix), 3);
    EXPECT_EQ(bar.GetButtonStyle(1), static_cast<UINT>(TBBS_SEPARATOR | TBBS_DISABLED));
    EXPECT_EQ(bar.GetButtonStyle(3), static_cast<UINT>(TBBS_BUTTON));
    bar.SetButtonStyle(3, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_EQ(bar.GetButtonStyle(3), static_cast<UINT>(TBBS_CHECKBOX | TBBS_CHECKED));
    bar.SetButtonStyle(7, TBBS_DISABLED); // no such button: nothing
    EXPECT_EQ(bar.GetButtonStyle(7), 0u);
}

TEST_F(FrameToolBar, TheFramesUpdateHandlersEnableAndCheckTheButtons) {
    const UINT ids[] = {kStartLine, ID_SEPARATOR, kStopLine, kFix};
    ASSERT_TRUE(bar.SetButtons(ids, 4));
    frame->RecalcLayout();
    app.OnIdle(0);
    EXPECT_FALSE(bar.GetButtonStyle(0) & TBBS_CHECKED);
    EXPECT_TRUE(bar.GetButtonStyle(2) & TBBS_DISABLED); // greyed by its handler
    EXPECT_TRUE(bar.GetButtonStyle(3) & TBBS_DISABLED); // nobody carries it out

    CScriptedUser user;
    user.ClickAt(OnScreen(Item(2).CenterPoint())).ClickAt(OnScreen(Item(0).CenterPoint()));
    ASSERT_TRUE(user.ActIn(*frame));
    EXPECT_EQ(frame->m_done, std::vector<UINT>{kStartLine});
    app.OnIdle(0);
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_CHECKED);
    EXPECT_FALSE(bar.GetButtonStyle(2) & TBBS_DISABLED);
    user.ClickAt(OnScreen(Item(2).CenterPoint()));
    ASSERT_TRUE(user.ActIn(*frame));
    EXPECT_EQ(frame->m_done, (std::vector<UINT>{kStartLine, kStopLine}));
}

TEST_F(FrameToolBar, AToolBarResourceGivesTheButtonsAndTheirPictures) {
    ASSERT_TRUE(bar.LoadToolBar(kToolBarId));
    frame->RecalcLayout();
    ASSERT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetItemID(0), kStartLine);
    EXPECT_EQ(bar.GetItemID(1), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(bar.GetItemID(2), kStopLine);
    EXPECT_EQ(Item(0).Size(), CSize(23, 22));
    EXPECT_EQ(At(Item(0).CenterPoint()), kRed);
    EXPECT_EQ(At(Item(2).CenterPoint()), kBlue);
    // The light grey around the pictures lets the bar show through.
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    EXPECT_EQ(At(CPoint(Item(0).left + 5, Item(0).top + 5)), face);

    EXPECT_FALSE(bar.LoadToolBar(kToolBarId + 1));
    EXPECT_FALSE(bar.LoadBitmap(kToolBarId + 1));
}
