#include "vornui/layout/KLayoutDialogBar.h"
#include "vornui/layout/KLayoutFormView.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MiniFrameWnd.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

enum : WORD { kFormId = 4200, kBarId, IDC_LINES = 1001, IDC_APPLY };

constexpr DialogItemTemplate kLinesItems[] = {
    {"ListBox", "", IDC_LINES, WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 7, 7, 150, 80},
    {"Button", "Apply", IDC_APPLY, WS_VISIBLE | BS_PUSHBUTTON, 0, 160, 7, 50, 14},
};

constexpr DialogTemplate kLines{DS_SETFONT | WS_CHILD,
                                0,
                                0,
                                0,
                                220,
                                100,
                                "",
                                "MS Shell Dlg",
                                8,
                                kLinesItems,
                                static_cast<WORD>(std::size(kLinesItems))};

KLayoutMgr::CPane LinesRoot(KLayoutMgr& layout) {
    return layout.CreateRoot(layHorizontal) << layout.item(IDC_LINES, layGreedy, 0, 0, 100, 40)
                                            << layout.item(IDC_APPLY, layFixedSize | layAlignTop);
}

class LinesView : public KLayoutFormView {
public:
    LinesView() : KLayoutFormView(kFormId, "Lines") {}
    void OnInitialUpdate() override {
        KLayoutFormView::OnInitialUpdate();
        UpdateLayout(LinesRoot(*this));
    }
};

class LinesBar : public KLayoutDialogBar {
public:
    BOOL Initialize() override {
        CreateRoot(layHorizontal) << item(IDC_LINES, layGreedy, 0, 0, 100, 40)
                                  << item(IDC_APPLY, layFixedSize | layAlignTop);
        return TRUE;
    }
};

CRect RectIn(const CWnd& parent, int id) {
    CRect rect;
    parent.GetDlgItem(id)->GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

CRect ClientOf(const CWnd& wnd) {
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect;
}

// A survey program's main frame and the resources and profile it runs with.
class LayoutViews : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("layout-view-tests");
        ASSERT_TRUE(
            AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kFormId), &kLines, sizeof kLines));
        ASSERT_TRUE(
            AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kBarId), &kLines, sizeof kLines));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 740, 540)));
    }
    void TearDown() override {
        if (frame && IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    CWinApp app{"Survey"};
    CFrameWnd* frame = nullptr;
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

} // namespace

TEST_F(LayoutViews, AFormViewFitsItsContentToItselfAndNeverScrolls) {
    // A stored placement that the form view must not apply.
    WINDOWPLACEMENT stored{44, 0, SW_SHOWNORMAL, {-1, -1}, {-1, -1}, {0, 0, 300, 200}};
    app.WriteProfileBinary("Lines", "WindowPlacement", reinterpret_cast<LPBYTE>(&stored),
                           sizeof stored);
    auto* view = new LinesView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame,
                             AFX_IDW_PANE_FIRST, nullptr));
    frame->SetActiveView(view);
    frame->RecalcLayout();
    frame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    EXPECT_EQ(ClientOf(*view), ClientOf(*frame));

    // Smaller than its template, the view shows no scroll bars; its content fits.
    frame->MoveWindow(40, 40, 300, 150);
    CRect client = ClientOf(*view);
    EXPECT_FALSE(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(view->GetTotalSize(), client.Size());
    const CRect apply = RectIn(*view, IDC_APPLY);
    EXPECT_EQ(apply.right, client.right - 5);
    EXPECT_EQ(RectIn(*view, IDC_LINES).right, apply.left - 5);
    frame->MoveWindow(40, 40, 900, 600);
    client = ClientOf(*view);
    EXPECT_EQ(RectIn(*view, IDC_LINES),
              CRect(5, 5, RectIn(*view, IDC_APPLY).left - 5, client.bottom - 5));
    CRect window;
    frame->GetWindowRect(&window);
    EXPECT_EQ(window, CRect(40, 40, 940, 640));

    // Asked for its limits, it answers for the frame around it.
    MINMAXINFO limits{};
    view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const CSize around = window.Size() - client.Size();
    const int buttonWidth = RectIn(*view, IDC_APPLY).Width();
    EXPECT_EQ(limits.ptMinTrackSize.x, 100 + 5 + buttonWidth + 10 + around.cx);
    EXPECT_EQ(limits.ptMinTrackSize.y, 40 + 10 + around.cy);
}

TEST_F(LayoutViews, APlainFormViewScrollsWhatItCannotShow) {
    auto* view = new CFormView(kFormId);
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame,
                             AFX_IDW_PANE_FIRST, nullptr));
    frame->RecalcLayout();
    EXPECT_FALSE(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    // At the size where the layout view shows none, this one needs both.
    frame->MoveWindow(40, 40, 300, 150);
    EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
    const CRect before = RectIn(*view, IDC_LINES);
    view->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_GT(view->GetScrollPosition().y, 0);
    EXPECT_EQ(RectIn(*view, IDC_LINES), before - CPoint(0, view->GetScrollPosition().y));
}

TEST_F(LayoutViews, ADialogBarLaysItselfOutDockedAndFloating) {
    LinesBar bar;
    ASSERT_TRUE(bar.Create(frame, kBarId, CBRS_TOP | WS_VISIBLE, AFX_IDW_CONTROLBAR_FIRST + 1));
    frame->RecalcLayout();
    EXPECT_FALSE(bar.IsFloating());
    CRect client = ClientOf(bar);
    EXPECT_EQ(client.Width(), ClientOf(*frame).Width());
    EXPECT_EQ(RectIn(bar, IDC_APPLY).right, client.right - 5);
    EXPECT_EQ(RectIn(bar, IDC_LINES).TopLeft(), CPoint(5, 5));

    frame->FloatControlBar(&bar, CPoint(300, 200));
    EXPECT_TRUE(bar.IsFloating());
    CWnd* floating = bar.GetParent();
    ASSERT_TRUE(floating->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)));
    EXPECT_EQ(ClientOf(bar), ClientOf(*floating));
    floating->MoveWindow(300, 200, 500, 220);
    client = ClientOf(bar);
    EXPECT_EQ(RectIn(bar, IDC_LINES).TopLeft(), CPoint(4 + 5, 4 + 5));
    EXPECT_EQ(RectIn(bar, IDC_APPLY).right, client.right - 4 - 5);
    EXPECT_EQ(RectIn(bar, IDC_LINES).bottom, client.bottom - 4 - 5);
    floating->DestroyWindow();
}
