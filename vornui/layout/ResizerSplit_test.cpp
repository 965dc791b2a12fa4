// Split containers and flow panels of the window resizer, and the splitter under the mouse.

#include "tests/PngFile.h"
#include "tests/ResizerHost.h"
#include "tests/TempDir.h"
#include "tests/WindowSpy.h"

#include "vornui/layout/CWndResizer.h"
#include "vornui/platform/Cursors.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPicture.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace {

enum : UINT { IDC_FIRST = 501, IDC_SECOND, IDC_UPPER = 601, IDC_LOWER, IDC_FLOW = 701 };

// Two controls 100 wide and 8 apart, made a left-right split that stretches with the window.
struct SideBySide {
    SideBySide() : host(400, 300) {
        first = host.Add("Static", IDC_FIRST, CRect(20, 20, 120, 220));
        second = host.Add("Static", IDC_SECOND, CRect(128, 20, 228, 220));
        EXPECT_TRUE(resizer.Hook(host.Wnd()));
        EXPECT_TRUE(resizer.CreateSplitContainer("split", IDC_FIRST, IDC_SECOND));
        EXPECT_TRUE(resizer.SetAnchor("split", anchorLeft | anchorTop | anchorRight));
    }
    POINT Screen(int x, int y) const {
        POINT point{x, y};
        ClientToScreen(host.Hwnd(), &point);
        return point;
    }
    UINT Position() {
        UINT position = 0;
        EXPECT_TRUE(resizer.GetSplitterPosition("split", position));
        return position;
    }

    ResizerHost host;
    HWND first;
    HWND second;
    CWndResizer resizer;
};

std::string Text(const CString& text) {
    return std::string(text.GetString());
}

} // namespace

TEST(ResizerSplit, TwoControlsBecomeASplitThatKeepsItsProportionOrItsFixedPanel) {
    SideBySide split;
    EXPECT_EQ(split.Position(), 120u);
    // The split panels took the controls' names, and they keep their own anchors.
    EXPECT_FALSE(split.resizer.SetAnchor(IDC_FIRST, anchorRight));
    UINT anchor = 0;
    EXPECT_TRUE(split.resizer.GetAnchor(IDC_FIRST, anchor));
    EXPECT_EQ(anchor, 11u);
    EXPECT_TRUE(split.resizer.GetAnchor(IDC_SECOND, anchor));
    EXPECT_EQ(anchor, 14u);
    const std::string tree = Text(split.resizer.GetDebugInfo());
    EXPECT_NE(tree.find("\n  Name(split), Type(CSplitContainer), Anchor(7), Size(w:208, h:200), "
                        "Area(l:20, t:20, r:228, b:220)"),
              std::string::npos);
    EXPECT_NE(tree.find("\n    Name(501), Type(CSplitPanel), Anchor(11)"), std::string::npos);
    EXPECT_NE(tree.find("\n      Name(), Type(CUIPanel), Anchor(15), Size(w:100, h:200)"),
              std::string::npos);
    EXPECT_NE(tree.find("\n    Name(), Type(CSpitterPanel), Anchor(3), Size(w:8, h:200), "
                        "Area(l:120, t:20, r:128, b:220)"),
              std::string::npos);
    EXPECT_NE(tree.find("\n      Name(), Type(CSplitterGripperPanel), Anchor(48), Size(w:3, "
                        "h:12), Area(l:122, t:114, r:125, b:126), MinSize(w:2, h:2)"),
              std::string::npos);

    // The ratio is 100 / 208: twice as wide, the first panel is 200 wide.
    split.host.SizeClient(608, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 220, 220));
    EXPECT_EQ(split.host.RectOf(split.second), CRect(228, 20, 436, 220));
    split.host.SizeClient(400, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 120, 220));

    short fixed = -1;
    EXPECT_TRUE(split.resizer.GetFixedPanel("split", fixed));
    EXPECT_EQ(fixed, fixedNone);
    EXPECT_TRUE(split.resizer.SetFixedPanel("split", fixedFirst));
    split.host.SizeClient(608, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 120, 220));
    EXPECT_EQ(split.host.RectOf(split.second), CRect(128, 20, 436, 220));
    split.host.SizeClient(400, 300);

    EXPECT_TRUE(split.resizer.SetFixedPanel("split", fixedSecond));
    EXPECT_TRUE(split.resizer.GetFixedPanel("split", fixed));
    EXPECT_EQ(fixed, fixedSecond);
    split.host.SizeClient(608, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 328, 220));
    EXPECT_EQ(split.host.RectOf(split.second), CRect(336, 20, 436, 220));

    // A container narrower than its own minimum (docked, so that its anchors do not widen
    // it) leaves its panels where the anchors put them, overlapping here.
    EXPECT_TRUE(split.resizer.SetFixedPanel("split", fixedNone));
    CSize wide(500, 10);
    EXPECT_TRUE(split.resizer.SetMinimumSize("split", wide));
    EXPECT_TRUE(split.resizer.SetDock("split", dockFill));
    split.host.SizeClient(400, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(0, 0, 308, 300));
    EXPECT_EQ(split.host.RectOf(split.second), CRect(300, 0, 400, 300));
}

TEST(ResizerSplit, SettingThePositionMovesTheControlsWithinTheMinimaForAnyValue) {
    SideBySide split;
    EXPECT_TRUE(split.resizer.SetSplitterPosition("split", 60));
    EXPECT_EQ(split.Position(), 60u);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 60, 220));
    EXPECT_EQ(split.host.RectOf(split.second), CRect(68, 20, 228, 220));
    // The new ratio holds when the window grows: 40 of 208.
    split.host.SizeClient(608, 300);
    EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 100, 220));
    split.host.SizeClient(400, 300);

    for (UINT position : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        SCOPED_TRACE(position);
        EXPECT_TRUE(split.resizer.SetSplitterPosition("split", position));
        EXPECT_EQ(split.Position(), 30u); // the first panel's minimum
        EXPECT_EQ(split.host.RectOf(split.second), CRect(38, 20, 228, 220));
    }
    for (UINT position : {0x7FFFFFFFu, 500u}) {
        SCOPED_TRACE(position);
        EXPECT_TRUE(split.resizer.SetSplitterPosition("split", position));
        EXPECT_EQ(split.Position(), 210u); // pushed back by the second panel's minimum
        EXPECT_EQ(split.host.RectOf(split.first), CRect(20, 20, 210, 220));
    }
    split.host.SizeClient(300, 300);
    split.host.SizeClient(500, 300);

    BOOL flag = TRUE;
    EXPECT_TRUE(split.resizer.GetIsSplitterFixed("split", flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(split.resizer.GetShowSplitterGrip("split", flag));
    EXPECT_FALSE(flag);
    EXPECT_FALSE(split.resizer.SetSplitterPosition("501", 10));
    EXPECT_FALSE(split.resizer.SetFixedPanel("nothing", fixedFirst));
    EXPECT_FALSE(split.resizer.SetShowSplitterGrip("_root", TRUE));
    EXPECT_FALSE(split.resizer.GetIsSplitterFixed("", flag));
}

TEST(ResizerSplit, PanelsThatCannotBeSplitAreRefused) {
    ResizerHost host(400, 300);
    host.Add("Static", 801, CRect(10, 10, 100, 100));
    host.Add("Static", 802, CRect(90, 90, 200, 200)); // overlaps 801
    host.Add("Static", 803, CRect(210, 10, 300, 100));
    host.Add("Static", 804, CRect(10, 210, 100, 290));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    EXPECT_FALSE(resizer.CreateSplitContainer("s", 801u, 801u));
    EXPECT_FALSE(resizer.CreateSplitContainer("s", 801u, 802u));
    EXPECT_FALSE(resizer.CreateSplitContainer("s", 803u, 801u)); // second left of first
    EXPECT_FALSE(resizer.CreateSplitContainer("s", 801u, 999u));
    EXPECT_FALSE(resizer.CreateSplitContainer("s", "nothing", 801u));
    EXPECT_FALSE(resizer.CreateSplitContainer("s", "_root", 803u));
    EXPECT_FALSE(resizer.CreateSplitContainer("", 801u, 803u));
    EXPECT_FALSE(resizer.CreateSplitContainer("_resizeGrip", 801u, 803u));
    EXPECT_TRUE(resizer.CreateSplitContainer("s", 801u, "803"));
    EXPECT_FALSE(resizer.CreateSplitContainer("t", 801u, 804u)); // split already
    // A split inside a split.
    EXPECT_TRUE(resizer.CreateSplitContainer("t", "s", 804u));
    CString parent;
    EXPECT_TRUE(resizer.GetParent("s", parent));
    EXPECT_EQ(Text(parent), "t");
    // Nothing leaves a split container, and it takes nothing more.
    const CRect area(0, 0, 5, 5);
    EXPECT_TRUE(resizer.CreatePanel("loose", &area));
    EXPECT_FALSE(resizer.SetParent("loose", "s"));
    EXPECT_FALSE(resizer.SetParent("801", "loose"));
    EXPECT_TRUE(resizer.GetParent("loose", parent));
    EXPECT_EQ(Text(parent), "_root");
    // A split panel hands children to the panel it wraps.
    EXPECT_TRUE(resizer.SetParent("loose", "803"));
    EXPECT_TRUE(resizer.GetParent("loose", parent));
    EXPECT_EQ(Text(parent), "");
    EXPECT_TRUE(resizer.InvokeOnResized());
    EXPECT_TRUE(resizer.Unhook());
}

TEST(ResizerSplit, TheUserDragsTheSplitterWithinBothMinima) {
    SideBySide split;
    const HCURSOR sizing = LoadCursor(nullptr, IDC_SIZEWE);
    WindowSpy spy;
    spy.Watch(split.first, "first");

    CScriptedUser user;
    HCURSOR resting = nullptr;
    HCURSOR cursorOnHover = nullptr;
    HWND captureOnHover = nullptr;
    CRect afterLeft;
    CRect afterRight;
    std::vector<std::string> movesWhenHeld;
    user.MouseMove(split.Screen(300, 250))
        .Then([&](HWND) {
            resting = GetCursor();
            return ModalAction::Acted;
        })
        .MouseMove(split.Screen(124, 100))
        .Then([&](HWND) {
            cursorOnHover = GetCursor();
            captureOnHover = GetCapture();
            return ModalAction::Acted;
        })
        .MouseDown(split.Screen(124, 100))
        .MouseMove(split.Screen(5, 100))
        .Then([&](HWND) {
            afterLeft = split.host.RectOf(split.first);
            return ModalAction::Acted;
        })
        .MouseMove(split.Screen(390, 100))
        .Then([&](HWND) {
            afterRight = split.host.RectOf(split.second);
            spy.Clear();
            return ModalAction::Acted;
        })
        .MouseMove(split.Screen(395, 100))
        .Then([&](HWND) {
            movesWhenHeld = spy.Log({WM_WINDOWPOSCHANGED});
            return ModalAction::Acted;
        })
        .MouseUp(split.Screen(395, 100));
    ASSERT_TRUE(user.ActIn(split.host.Hwnd()));
    EXPECT_NE(resting, sizing);
    EXPECT_EQ(cursorOnHover, sizing);
    EXPECT_EQ(captureOnHover, split.host.Hwnd());
    EXPECT_EQ(afterLeft, CRect(20, 20, 30, 220));
    EXPECT_EQ(afterRight, CRect(218, 20, 228, 220));
    EXPECT_TRUE(movesWhenHeld.empty()); // the position did not change
    // Released away from the splitter: the capture ends and the cursor comes back.
    EXPECT_EQ(split.Position(), 210u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), resting);

    // Released on the splitter, it stays held until the mouse moves onto a child.
    CScriptedUser again;
    HCURSOR cursorAfterRelease = nullptr;
    HWND captureAfterRelease = nullptr;
    again.MouseMove(split.Screen(300, 250))
        .MouseMove(split.Screen(212, 100))
        .MouseDown(split.Screen(212, 100))
        .MouseMove(split.Screen(150, 100))
        .MouseUp(split.Screen(150, 100))
        .Then([&](HWND) {
            cursorAfterRelease = GetCursor();
            captureAfterRelease = GetCapture();
            return ModalAction::Acted;
        })
        .MouseMove(split.Screen(60, 100));
    ASSERT_TRUE(again.ActIn(split.host.Hwnd()));
    EXPECT_EQ(split.Position(), 148u);
    EXPECT_EQ(split.host.RectOf(split.second), CRect(156, 20, 228, 220));
    EXPECT_EQ(cursorAfterRelease, sizing);
    EXPECT_EQ(captureAfterRelease, split.host.Hwnd());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_NE(GetCursor(), sizing);

    // A fixed splitter gives no cursor and does not move; nor is one taken with a key held.
    EXPECT_TRUE(split.resizer.SetIsSplitterFixed("split", TRUE));
    CScriptedUser fixed;
    HCURSOR cursorOnFixed = nullptr;
    fixed.MouseMove(split.Screen(300, 250))
        .MouseMove(split.Screen(151, 100))
        .Then([&](HWND) {
            cursorOnFixed = GetCursor();
            return ModalAction::Acted;
        })
        .Drag({split.Screen(151, 100), split.Screen(250, 100)});
    ASSERT_TRUE(fixed.ActIn(split.host.Hwnd()));
    EXPECT_NE(cursorOnFixed, sizing);
    EXPECT_EQ(split.Position(), 148u);
    EXPECT_TRUE(split.resizer.SetIsSplitterFixed("split", FALSE));
    CScriptedUser withShift;
    withShift.MouseMove(split.Screen(300, 250)).MouseMove(split.Screen(151, 100), MOD_SHIFT);
    ASSERT_TRUE(withShift.ActIn(split.host.Hwnd()));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ResizerSplit, ATopBottomSplitSizesNorthSouthAndDrawsItsDottedGrip) {
    TempDir folder;
    ResizerHost host(300, 250);
    const HWND upper = host.Add("Static", IDC_UPPER, CRect(20, 20, 220, 80));
    const HWND lower = host.Add("Static", IDC_LOWER, CRect(20, 90, 220, 150));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    ASSERT_TRUE(resizer.SetAnchor(IDC_LOWER, anchorLeft | anchorTop));
    ASSERT_TRUE(resizer.CreateSplitContainer("tb", IDC_UPPER, "602"));
    UINT position = 0;
    EXPECT_TRUE(resizer.GetSplitterPosition("tb", position));
    EXPECT_EQ(position, 80u);
    EXPECT_TRUE(resizer.SetShowSplitterGrip("tb", TRUE));
    BOOL shown = FALSE;
    EXPECT_TRUE(resizer.GetShowSplitterGrip("tb", shown));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(resizer.SetSplitterPosition("tb", 100));
    EXPECT_EQ(host.RectOf(upper), CRect(20, 20, 220, 100));
    EXPECT_EQ(host.RectOf(lower), CRect(20, 110, 220, 150));

    CScriptedUser user;
    HCURSOR hover = nullptr;
    POINT on{115, 105};
    ClientToScreen(host.Hwnd(), &on);
    user.MouseMove(on).Then([&](HWND) {
        hover = GetCursor();
        return ModalAction::Acted;
    });
    ASSERT_TRUE(user.ActIn(host.Hwnd()));
    EXPECT_EQ(hover, LoadCursor(nullptr, IDC_SIZENS));

    // The grip, 12 x 3 in the middle of the splitter (20..220, 100..110): light dots with
    // the shadow one pixel up and left.
    InvalidateRect(host.Hwnd(), nullptr, TRUE);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&msg);
    ASSERT_TRUE(RenderWindowToPng(host.Hwnd(), folder.file("split.png").c_str()));
    PngPicture picture;
    ASSERT_TRUE(picture.read(folder.file("split.png")));
    CRect window;
    GetWindowRect(host.Hwnd(), &window);
    POINT origin{0, 0};
    ClientToScreen(host.Hwnd(), &origin);
    const auto pixel = [&](int x, int y) {
        return picture.color(origin.x - window.left + x, origin.y - window.top + y);
    };
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF white = RGB(255, 255, 255);
    for (int x : {114, 118, 122})
        EXPECT_EQ(pixel(x, 103), shadow) << x;
    for (int x : {116, 120, 124})
        EXPECT_EQ(pixel(x, 105), white) << x;
    EXPECT_NE(pixel(126, 103), shadow); // the row ends inside the grip
}

TEST(ResizerFlow, ChildrenFlowInRowsOrColumnsAndWrapOnlyWhenPastTheEdge) {
    ResizerHost host(400, 300);
    std::vector<HWND> items;
    for (UINT i = 0; i < 4; ++i)
        items.push_back(
            host.Add("Button", IDC_FLOW + i,
                     CRect(200, 40 * static_cast<int>(i), 240, 40 * static_cast<int>(i) + 30)));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    const CRect area(10, 10, 110, 110);
    ASSERT_TRUE(resizer.CreateFlowLayoutPanel("flow", &area));
    EXPECT_FALSE(resizer.CreateFlowLayoutPanel("FLOW", &area));
    for (UINT i = 0; i < 4; ++i)
        ASSERT_TRUE(resizer.SetParent(IDC_FLOW + i, "flow"));
    EXPECT_TRUE(resizer.SetFlowItemSpacingX("flow", 5));
    EXPECT_TRUE(resizer.SetFlowItemSpacingY("flow", 5));
    int spacing = 0;
    EXPECT_TRUE(resizer.GetFlowItemSpacingX("flow", spacing));
    EXPECT_EQ(spacing, 5);
    short direction = 0;
    EXPECT_TRUE(resizer.GetFlowDirection("flow", direction));
    EXPECT_EQ(direction, flowLeftToRight);
    EXPECT_NE(Text(resizer.GetDebugInfo()).find("Type(CFlowLayoutPanel)"), std::string::npos);

    ASSERT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(items[0]), CRect(10, 10, 50, 40));
    EXPECT_EQ(host.RectOf(items[1]), CRect(55, 10, 95, 40));
    EXPECT_EQ(host.RectOf(items[2]), CRect(10, 45, 50, 75));
    EXPECT_EQ(host.RectOf(items[3]), CRect(55, 45, 95, 75));

    EXPECT_TRUE(resizer.SetFlowDirection("flow", 7));
    EXPECT_TRUE(resizer.GetFlowDirection("flow", direction));
    EXPECT_EQ(direction, flowTopToBottom);
    ASSERT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(items[0]), CRect(10, 10, 50, 40));
    EXPECT_EQ(host.RectOf(items[1]), CRect(10, 45, 50, 75));
    EXPECT_EQ(host.RectOf(items[2]), CRect(10, 80, 50, 110)); // ends on the edge: stays
    EXPECT_EQ(host.RectOf(items[3]), CRect(55, 10, 95, 40));

    EXPECT_TRUE(resizer.SetFlowDirection("flow", flowLeftToRight));
    EXPECT_TRUE(resizer.SetFlowItemSpacingX("flow", -20));
    EXPECT_TRUE(resizer.SetFlowItemSpacingY("flow", 0));
    EXPECT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(items[1]), CRect(30, 10, 70, 40));

    // Spacings at the ends of the range, either way, overflow nothing.
    for (int huge : {INT_MAX, INT_MIN}) {
        EXPECT_TRUE(resizer.SetFlowItemSpacingX("flow", huge));
        EXPECT_TRUE(resizer.SetFlowItemSpacingY("flow", huge));
        EXPECT_TRUE(resizer.InvokeOnResized());
        EXPECT_EQ(host.RectOf(items[0]), CRect(10, 10, 50, 40));
    }
    EXPECT_FALSE(resizer.SetFlowDirection("_root", flowLeftToRight));
    EXPECT_FALSE(resizer.GetFlowItemSpacingY("nothing", spacing));

    // An empty flow panel, and one made from controls.
    const CRect empty(0, 0, 0, 0);
    EXPECT_TRUE(resizer.CreateFlowLayoutPanel("empty", &empty));
    host.Add("Button", 750, CRect(300, 10, 390, 40));
    host.Add("Button", 751, CRect(300, 50, 330, 80));
    CUIntArray ids;
    ids.Add(750);
    ids.Add(751);
    EXPECT_TRUE(resizer.CreateFlowLayoutPanel("made", &ids, TRUE));
    EXPECT_TRUE(resizer.SetFlowDirection("made", flowLeftToRight));
    EXPECT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(750), CRect(300, 10, 390, 40));
    EXPECT_EQ(host.RectOf(751), CRect(300, 40, 330, 70));
}
