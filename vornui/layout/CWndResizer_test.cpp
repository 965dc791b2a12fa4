#include "tests/PngFile.h"
#include "tests/ResizerHost.h"
#include "tests/TempDir.h"
#include "tests/WindowSpy.h"

#include "vornui/layout/CWndResizer.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPicture.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

enum : UINT {
    IDC_CORNER = 101,
    IDC_STRETCH,
    IDC_KEEPRIGHT,
    IDC_CENTRED,
    IDC_NARROW_PARENT_CHILD,
    IDC_SPARE,
};

std::string Text(const CString& text) {
    return std::string(text.GetString());
}

// Lets the window's queued messages (paint, posted notifications) run.
void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace

TEST(CWndResizer, AFreshResizerPrintsItsRootAndAfterHookingItsGrip) {
    CWndResizer resizer;
    EXPECT_EQ(Text(resizer.GetDebugInfo()),
              "\nName(_root), Type(CRootPanel), Anchor(3), Size(w:0, h:0), Area(l:0, t:0, r:0, "
              "b:0), MinSize(w:10, h:10), MaxSize(w:100000, h:100000), Parent(NULL), "
              "ChildrenCount(0)");
    EXPECT_FALSE(resizer.SetShowResizeGrip(TRUE));
    EXPECT_FALSE(resizer.InvokeOnResized());
    EXPECT_FALSE(resizer.Unhook());

    ResizerHost host(400, 300);
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    EXPECT_FALSE(resizer.Hook(host.Wnd()));
    CWndResizer second;
    EXPECT_FALSE(second.Hook(host.Wnd())); // one resizer a window
    const int cx = GetSystemMetrics(SM_CXHSCROLL);
    const int cy = GetSystemMetrics(SM_CYVSCROLL);
    const std::string grip =
        "\n  Name(_resizeGrip), Type(CGripperPanel), Anchor(12), Size(w:" + std::to_string(cx) +
        ", h:" + std::to_string(cy) + "), Area(l:" + std::to_string(400 - cx) +
        ", t:" + std::to_string(300 - cy) +
        ", r:400, b:300), MinSize(w:10, h:10), MaxSize(w:100000, h:100000), "
        "Parent(_root), ChildrenCount(0)";
    EXPECT_EQ(Text(resizer.GetDebugInfo()),
              "\nName(_root), Type(CRootPanel), Anchor(3), Size(w:400, h:300), Area(l:0, t:0, "
              "r:400, b:300), MinSize(w:10, h:10), MaxSize(w:100000, h:100000), Parent(NULL), "
              "ChildrenCount(1)" +
                  grip);
    EXPECT_FALSE(resizer.GetShowResizeGrip());

    // The designed client size replaces the present one.
    ResizerHost designed(400, 300);
    CWndResizer sized;
    CSize size(250, 150);
    ASSERT_TRUE(sized.Hook(designed.Wnd(), size));
    const std::string designedTree = Text(sized.GetDebugInfo());
    EXPECT_NE(designedTree.find("Size(w:250, h:150), Area(l:0, t:0, r:250, b:150)"),
              std::string::npos);
    EXPECT_NE(designedTree.find("Area(l:" + std::to_string(250 - cx) +
                                ", t:" + std::to_string(150 - cy) + ", r:250, b:150)"),
              std::string::npos);
}

TEST(CWndResizer, AnchorsKeepDistancesStretchWithinLimitsAndCentre) {
    ResizerHost host(400, 300);
    host.Add("Button", IDC_CORNER, CRect(300, 250, 380, 280));
    host.Add("Edit", IDC_STRETCH, CRect(10, 10, 200, 31));
    host.Add("Edit", IDC_KEEPRIGHT, CRect(10, 40, 200, 61));
    host.Add("Static", IDC_CENTRED, CRect(150, 100, 250, 120));
    host.Add("Static", IDC_NARROW_PARENT_CHILD, CRect(55, 205, 155, 225));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));

    EXPECT_TRUE(resizer.SetAnchor(IDC_CORNER, anchorRight | anchorBottom));
    EXPECT_TRUE(resizer.SetAnchor(IDC_STRETCH, anchorLeft | anchorRight));
    EXPECT_TRUE(resizer.SetAnchor(IDC_KEEPRIGHT, anchorLeft | anchorRight | anchorKeepRight));
    EXPECT_TRUE(resizer.SetAnchor(IDC_CENTRED, anchorCenterHorz));
    CSize widest(250, 100000);
    EXPECT_TRUE(resizer.SetMaximumSize(IDC_STRETCH, widest));
    EXPECT_TRUE(resizer.SetMaximumSize(IDC_KEEPRIGHT, widest));
    CSize wide(150, 10);
    EXPECT_TRUE(resizer.SetMinimumSize(IDC_CENTRED, wide));
    // A box narrower than its child and away from the client's origin.
    const CRect box(50, 200, 91, 240);
    EXPECT_TRUE(resizer.CreatePanel("box", &box));
    EXPECT_TRUE(resizer.SetParent(IDC_NARROW_PARENT_CHILD, "box"));
    EXPECT_TRUE(resizer.SetAnchor(IDC_NARROW_PARENT_CHILD, anchorCenterHorz | anchorTop));

    // Anchors get their missing direction.
    UINT anchor = 0;
    EXPECT_TRUE(resizer.GetAnchor(IDC_CENTRED, anchor));
    EXPECT_EQ(anchor, UINT{anchorCenterHorz | anchorTop});
    EXPECT_TRUE(resizer.SetAnchor(IDC_CORNER, anchorRight));
    EXPECT_TRUE(resizer.GetAnchor(IDC_CORNER, anchor));
    EXPECT_EQ(anchor, UINT{anchorRight | anchorTop});
    EXPECT_TRUE(resizer.SetAnchor(IDC_CORNER, 0));
    EXPECT_TRUE(resizer.GetAnchor(IDC_CORNER, anchor));
    EXPECT_EQ(anchor, 3u);
    EXPECT_TRUE(resizer.SetAnchor(IDC_CORNER, anchorRight | anchorBottom));

    ASSERT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(IDC_CORNER), CRect(300, 250, 380, 280));
    EXPECT_EQ(host.RectOf(IDC_STRETCH), CRect(10, 10, 200, 31));
    EXPECT_EQ(host.RectOf(IDC_CENTRED), CRect(125, 100, 275, 120));
    // (41 - 100) / 2 truncates to -29, not -30.
    EXPECT_EQ(host.RectOf(IDC_NARROW_PARENT_CHILD), CRect(21, 205, 121, 225));

    host.SizeClient(600, 400);
    EXPECT_EQ(host.RectOf(IDC_CORNER), CRect(500, 350, 580, 380));
    EXPECT_EQ(host.RectOf(IDC_STRETCH), CRect(10, 10, 260, 31));
    EXPECT_EQ(host.RectOf(IDC_KEEPRIGHT), CRect(150, 40, 400, 61));
    EXPECT_EQ(host.RectOf(IDC_CENTRED), CRect(225, 100, 375, 120));
    EXPECT_EQ(host.RectOf(IDC_NARROW_PARENT_CHILD), CRect(21, 205, 121, 225));

    // Below the root's minimum the panels stop moving: the root keeps its minimum size.
    CSize rootMinimum(300, 200);
    EXPECT_TRUE(resizer.SetMinimumSize("_ROOT", rootMinimum));
    host.SizeClient(100, 100);
    EXPECT_EQ(host.RectOf(IDC_CORNER), CRect(200, 150, 280, 180));
}

TEST(CWndResizer, DockedChildrenTakeStripsInListOrderAndIgnoreLimits) {
    ResizerHost host(400, 300);
    const UINT ids[] = {201, 202, 203, 204, 205};
    const UINT docks[] = {dockLeft, dockTop, dockRight, dockBottom, dockFill};
    for (UINT id : ids)
        host.Add("Static", id, CRect(0, 0, 50 + static_cast<int>(id) - 201, 40));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    for (size_t i = 0; i < std::size(ids); ++i)
        EXPECT_TRUE(resizer.SetDock(ids[i], docks[i]));
    CSize small(20, 20);
    EXPECT_TRUE(resizer.SetMaximumSize(201, small));
    UINT dock = 0;
    EXPECT_TRUE(resizer.GetDock(203, dock));
    EXPECT_EQ(dock, UINT{dockRight});

    ASSERT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(201), CRect(0, 0, 50, 300));
    EXPECT_EQ(host.RectOf(202), CRect(50, 0, 400, 40));
    EXPECT_EQ(host.RectOf(203), CRect(348, 40, 400, 300));
    EXPECT_EQ(host.RectOf(204), CRect(50, 260, 348, 300));
    EXPECT_EQ(host.RectOf(205), CRect(50, 40, 348, 260));

    // A strip wider than what is left takes all of it; nothing remains for the rest.
    host.SizeClient(200, 100);
    EXPECT_EQ(host.RectOf(201), CRect(0, 0, 50, 100));
    EXPECT_EQ(host.RectOf(202), CRect(50, 0, 200, 40));
}

TEST(CWndResizer, BadNamesIdsAndLimitsAreRefusedWithoutChangingAnything) {
    ResizerHost host(400, 300);
    host.Add("Button", IDC_CORNER, CRect(300, 250, 380, 280));
    host.Add("Button", IDC_STRETCH, CRect(10, 10, 200, 31));
    host.Add("Button", IDC_SPARE, CRect(10, 100, 30, 110));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));

    UINT value = 0;
    CSize size;
    CString parent;
    EXPECT_FALSE(resizer.SetAnchor("nothing", anchorLeft));
    EXPECT_FALSE(resizer.SetAnchor(999u, anchorLeft));
    EXPECT_FALSE(resizer.SetAnchor("", anchorLeft));
    EXPECT_FALSE(resizer.GetAnchor(IDC_CORNER, value)); // no panel yet
    EXPECT_FALSE(resizer.SetDock(999u, dockFill));
    EXPECT_FALSE(resizer.GetDock("nothing", value));
    EXPECT_FALSE(resizer.GetParent("_root", parent));
    EXPECT_FALSE(resizer.CreatePanel(999u));
    EXPECT_FALSE(resizer.SetMaximumSize(IDC_CORNER, size)); // no panel: no limit
    EXPECT_FALSE(resizer.SetSplitterPosition("_root", 5));
    EXPECT_FALSE(resizer.SetFlowDirection("_resizeGrip", flowLeftToRight));

    // A minimum for a control without a panel attaches one to the root, and it holds.
    CSize wider(250, 21);
    EXPECT_TRUE(resizer.SetMinimumSize(IDC_STRETCH, wider));
    EXPECT_TRUE(resizer.GetParent(IDC_STRETCH, parent));
    EXPECT_EQ(Text(parent), "_root");
    ASSERT_TRUE(resizer.InvokeOnResized());
    EXPECT_EQ(host.RectOf(IDC_STRETCH), CRect(10, 10, 260, 31));

    // A minimum above the maximum is refused and the old one stays.
    CSize maximum(300, 300);
    EXPECT_TRUE(resizer.SetMaximumSize(IDC_STRETCH, maximum));
    CSize tooBig(301, 10);
    EXPECT_FALSE(resizer.SetMinimumSize(IDC_STRETCH, tooBig));
    CSize tooSmall(200, 10);
    EXPECT_FALSE(resizer.SetMaximumSize(IDC_STRETCH, tooSmall));
    EXPECT_TRUE(resizer.GetMinimumSize(IDC_STRETCH, size));
    EXPECT_EQ(size, CSize(250, 21));
    EXPECT_TRUE(resizer.GetMaximumSize(IDC_STRETCH, size));
    EXPECT_EQ(size, CSize(300, 300));

    // Names are unique whatever their case; a panel never goes inside itself.
    const CRect area(0, 0, 100, 100);
    EXPECT_TRUE(resizer.CreatePanel("Outer", &area));
    EXPECT_FALSE(resizer.CreatePanel("OUTER", &area));
    EXPECT_FALSE(resizer.CreatePanel("", &area));
    EXPECT_FALSE(resizer.CreatePanel("null", static_cast<const CRect*>(nullptr)));
    EXPECT_TRUE(resizer.CreatePanel("inner", &area));
    EXPECT_TRUE(resizer.SetParent("INNER", "outer"));
    EXPECT_FALSE(resizer.SetParent("outer", "inner"));
    EXPECT_FALSE(resizer.SetParent("outer", "outer"));
    EXPECT_FALSE(resizer.SetParent("_root", "inner"));
    EXPECT_TRUE(resizer.GetParent("outer", parent));
    EXPECT_EQ(Text(parent), "_root");
    EXPECT_TRUE(resizer.GetParent("inner", parent));
    EXPECT_EQ(Text(parent), "Outer");

    // A group with a control that has a panel already is undone.
    CUIntArray ids;
    ids.Add(IDC_SPARE);
    ids.Add(IDC_STRETCH);
    EXPECT_FALSE(resizer.CreatePanel("group", &ids, TRUE));
    EXPECT_FALSE(resizer.GetAnchor("group", value));
    EXPECT_FALSE(resizer.GetAnchor(IDC_SPARE, value));
    CUIntArray missing;
    missing.Add(999);
    EXPECT_FALSE(resizer.CreatePanel("missing", &missing, FALSE));
    EXPECT_TRUE(resizer.CreatePanel("group", &ids, FALSE));
    EXPECT_FALSE(resizer.CreatePanel(IDC_STRETCH));
    EXPECT_TRUE(resizer.CreatePanel(IDC_CORNER));

    // WM_SIZING with a side that is no side changes nothing.
    RECT proposed{0, 0, 5, 5};
    SendMessage(host.Hwnd(), WM_SIZING, 0, reinterpret_cast<LPARAM>(&proposed));
    SendMessage(host.Hwnd(), WM_SIZING, 9, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(CRect(&proposed), CRect(0, 0, 5, 5));

    // A control destroyed after its panel was made does not stop the others from moving.
    EXPECT_TRUE(resizer.SetAnchor(IDC_CORNER, anchorRight | anchorBottom));
    DestroyWindow(GetDlgItem(host.Hwnd(), IDC_STRETCH));
    host.SizeClient(500, 400);
    EXPECT_EQ(host.RectOf(IDC_CORNER), CRect(400, 350, 480, 380));
}

TEST(CWndResizer, ControlsMoveBeforeTheWindowHearsOfItsSizeAndDestroyUnhooks) {
    ResizerHost host(400, 300);
    const HWND corner = host.Add("Button", IDC_CORNER, CRect(300, 250, 380, 280));
    const LONG_PTR original = GetWindowLongPtr(host.Hwnd(), GWLP_WNDPROC);
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    EXPECT_NE(GetWindowLongPtr(host.Hwnd(), GWLP_WNDPROC), original);
    ASSERT_TRUE(resizer.SetAnchor(IDC_CORNER, anchorRight | anchorBottom));

    std::vector<CRect> seenAtSize;
    int destroys = 0;
    LONG_PTR procedureAtDestroy = 0;
    ResizerHost::Listening() = [&](HWND hwnd, UINT message, WPARAM, LPARAM) {
        if (message == WM_SIZE)
            seenAtSize.push_back(host.RectOf(corner));
        if (message == WM_DESTROY) {
            ++destroys;
            procedureAtDestroy = GetWindowLongPtr(hwnd, GWLP_WNDPROC);
        }
    };
    host.SizeClient(500, 350);
    ASSERT_EQ(seenAtSize.size(), 1u);
    EXPECT_EQ(seenAtSize[0], CRect(400, 300, 480, 330));

    DestroyWindow(host.Hwnd());
    ResizerHost::Listening() = nullptr;
    EXPECT_EQ(destroys, 1);
    EXPECT_EQ(procedureAtDestroy, original);
    EXPECT_FALSE(resizer.Unhook());
    EXPECT_EQ(Text(resizer.GetDebugInfo()).find("_resizeGrip"), std::string::npos);

    // The same resizer takes another window.
    ResizerHost other(200, 100);
    EXPECT_TRUE(resizer.Hook(other.Wnd()));
    EXPECT_TRUE(resizer.Unhook());
    EXPECT_EQ(Text(resizer.GetDebugInfo()).find("_resizeGrip"), std::string::npos);
}

TEST(CWndResizer, InteractiveSizingCountsFrameAndMenuAndMovesTheDraggedEdge) {
    ResizerHost host(400, 300);
    const HMENU menu = CreateMenu();
    AppendMenu(menu, MF_STRING, 1, "&File");
    SetMenu(host.Hwnd(), menu);
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    CSize minimum(200, 150);
    CSize maximum(600, 500);
    ASSERT_TRUE(resizer.SetMinimumSize("_root", minimum));
    ASSERT_TRUE(resizer.SetMaximumSize("_root", maximum));
    const DWORD style = host.Wnd()->GetStyle();
    CRect low(0, 0, 200, 150);
    AdjustWindowRectEx(&low, style, TRUE, 0);
    CRect high(0, 0, 600, 500);
    AdjustWindowRectEx(&high, style, TRUE, 0);
    CRect withoutMenu(0, 0, 200, 150);
    AdjustWindowRectEx(&withoutMenu, style, FALSE, 0);
    ASSERT_NE(low.Height(), withoutMenu.Height());

    struct Case {
        UINT side;
        CRect proposed;
        CRect expected;
    };
    const Case cases[] = {
        {WMSZ_RIGHT, CRect(100, 100, 150, 150), CRect(100, 100, 100 + low.Width(), 150)},
        {WMSZ_LEFT, CRect(100, 100, 150, 150), CRect(150 - low.Width(), 100, 150, 150)},
        {WMSZ_TOP, CRect(100, 100, 150, 150), CRect(100, 150 - low.Height(), 150, 150)},
        {WMSZ_BOTTOM, CRect(100, 100, 150, 150), CRect(100, 100, 150, 100 + low.Height())},
        {WMSZ_TOPLEFT, CRect(0, 0, 2000, 2000),
         CRect(2000 - high.Width(), 2000 - high.Height(), 2000, 2000)},
        {WMSZ_BOTTOMRIGHT, CRect(0, 0, 2000, 2000), CRect(0, 0, high.Width(), high.Height())},
        {WMSZ_TOPRIGHT, CRect(0, 0, 10, 10), CRect(0, 10 - low.Height(), low.Width(), 10)},
        {WMSZ_BOTTOMLEFT, CRect(0, 0, 10, 10), CRect(10 - low.Width(), 0, 10, low.Height())},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.side);
        RECT rect = each.proposed;
        SendMessage(host.Hwnd(), WM_SIZING, each.side, reinterpret_cast<LPARAM>(&rect));
        EXPECT_EQ(CRect(&rect), each.expected);
    }

    // Resizing to the minimum leaves the menu out and centres the window on its owner.
    CWndResizer centred;
    ResizerHost owned(400, 300);
    ::SetWindowLongPtr(owned.Hwnd(), GWLP_HWNDPARENT,
                       reinterpret_cast<LONG_PTR>(host.Hwnd())); // the owner
    ASSERT_TRUE(centred.Hook(owned.Wnd()));
    ASSERT_TRUE(centred.SetMinimumSize("_root", minimum));
    ASSERT_TRUE(centred.InvokeOnResized(true));
    CRect window;
    GetWindowRect(owned.Hwnd(), &window);
    EXPECT_EQ(window.Size(), withoutMenu.Size());
    CRect ownerRect;
    GetWindowRect(host.Hwnd(), &ownerRect);
    EXPECT_EQ(window.CenterPoint().x / 2, ownerRect.CenterPoint().x / 2);
    EXPECT_EQ(window.CenterPoint().y / 2, ownerRect.CenterPoint().y / 2);
}

TEST(CWndResizer, ScalesSizesForTheScreenResolutionRounding) {
    ResizerHost host(400, 300);
    host.Add("Button", IDC_CORNER, CRect(10, 10, 30, 30));
    CWndResizer resizer;
    CSize unscaled(10, 10);
    EXPECT_FALSE(resizer.SetMinimumSize("_root", unscaled, true)); // no window to measure
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    SetScreenDpi(120);
    CSize size(10, 21);
    const BOOL scaled = resizer.SetMinimumSize(IDC_CORNER, size, true);
    SetScreenDpi(96);
    EXPECT_TRUE(scaled);
    EXPECT_EQ(size, CSize(13, 26)); // 12.5 and 26.25 rounded
    CSize stored;
    EXPECT_TRUE(resizer.GetMinimumSize(IDC_CORNER, stored));
    EXPECT_EQ(stored, CSize(13, 26));
}

TEST(CWndResizer, ThePropertyControlCoversItsReferenceWindow) {
    ResizerHost host(400, 300);
    const HWND reference = host.Add("Static", 300, CRect(20, 20, 220, 120));
    KPropCtrlBase property;
    ASSERT_TRUE(property.CreateEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.Hwnd(),
                                  nullptr));
    CWnd referenceWnd;
    referenceWnd.Attach(reference);
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    EXPECT_TRUE(resizer.AttachPropCtrl(&property, &referenceWnd));
    ASSERT_TRUE(resizer.SetAnchor(300, anchorLeft | anchorTop | anchorRight | anchorBottom));
    host.SizeClient(500, 400);
    EXPECT_EQ(host.RectOf(reference), CRect(20, 20, 320, 220));
    EXPECT_EQ(host.RectOf(property.m_hWnd), CRect(20, 20, 320, 220));
    referenceWnd.Detach();
}

TEST(CWndResizer, PlainControlsMoveInOneBatchBeforeTheControlsThatHoldPanels) {
    ResizerHost host(400, 300);
    const HWND group = host.Add("Button", 400, CRect(10, 10, 200, 200), BS_GROUPBOX, "Group");
    const HWND inside = host.Add("Button", 401, CRect(20, 30, 100, 50), 0, "Inside");
    const HWND outside = host.Add("Button", 402, CRect(300, 250, 380, 280), 0, "Outside");
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    ASSERT_TRUE(resizer.CreatePanel(400u));
    ASSERT_TRUE(resizer.SetAnchor(400u, anchorLeft | anchorTop | anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetParent(401u, 400u));
    ASSERT_TRUE(resizer.SetAnchor(401u, anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetAnchor(402u, anchorRight | anchorBottom));
    WindowSpy spy;
    spy.Watch(group, "group");
    spy.Watch(inside, "inside");
    spy.Watch(outside, "outside");
    host.SizeClient(450, 320);
    EXPECT_EQ(spy.Log({WM_WINDOWPOSCHANGED}),
              (std::vector<std::string>{"inside:WM_WINDOWPOSCHANGED", "outside:WM_WINDOWPOSCHANGED",
                                        "group:WM_WINDOWPOSCHANGED"}));
    EXPECT_EQ(host.RectOf(group), CRect(10, 10, 250, 220));
    EXPECT_EQ(host.RectOf(inside), CRect(70, 50, 150, 70));
    EXPECT_EQ(host.RectOf(outside), CRect(350, 270, 430, 300));
}

TEST(CWndResizer, TheGripPaintsOverTheWindowInTheDesktopsStyle) {
    TempDir folder;
    ResizerHost host(200, 150);
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(host.Wnd()));
    CRect window;
    GetWindowRect(host.Hwnd(), &window);
    POINT origin{0, 0};
    ClientToScreen(host.Hwnd(), &origin);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    const auto picture = [&](const char* name) {
        Pump();
        PngPicture png;
        EXPECT_TRUE(RenderWindowToPng(host.Hwnd(), folder.file(name).c_str()));
        EXPECT_TRUE(png.read(folder.file(name)));
        return png;
    };
    const auto gripPixels = [&](const PngPicture& png) {
        std::vector<std::uint32_t> pixels;
        for (int y = 150 - 12; y < 150; ++y)
            for (int x = 200 - 12; x < 200; ++x)
                pixels.push_back(png.color(dx + x, dy + y));
        return pixels;
    };
    const std::vector<std::uint32_t> plain = gripPixels(picture("plain.png"));

    int erases = 0;
    ResizerHost::Listening() = [&](HWND, UINT message, WPARAM, LPARAM) {
        erases += message == WM_ERASEBKGND;
    };
    EXPECT_TRUE(resizer.SetShowResizeGrip(TRUE));
    EXPECT_TRUE(resizer.GetShowResizeGrip());
    UpdateWindow(host.Hwnd());
    ResizerHost::Listening() = nullptr;
    EXPECT_EQ(erases, 1);
    const PngPicture themed = picture("themed.png");
    EXPECT_EQ(themed.color(dx + 197, dy + 147), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_NE(gripPixels(themed), plain);

    SetVisualStylesEnabled(FALSE);
    CWndResizer classicResizer;
    ResizerHost classicHost(200, 150);
    ASSERT_TRUE(classicResizer.Hook(classicHost.Wnd()));
    EXPECT_TRUE(classicResizer.SetShowResizeGrip(TRUE));
    Pump();
    PngPicture classic;
    EXPECT_TRUE(RenderWindowToPng(classicHost.Hwnd(), folder.file("classic.png").c_str()));
    SetVisualStylesEnabled(TRUE);
    ASSERT_TRUE(classic.read(folder.file("classic.png")));
    EXPECT_NE(gripPixels(classic), gripPixels(themed));
    EXPECT_NE(gripPixels(classic), plain);
}

namespace {

enum : WORD { IDC_LIST = 1001, IDC_EDIT, IDC_GROUP };

constexpr DialogItemTemplate kSampleItems[] = {
    {"ListBox", "", IDC_LIST, WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 7, 7, 130, 80},
    {"Edit", "", IDC_EDIT, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 92, 130, 12},
    {"Button", "Options", IDC_GROUP, WS_VISIBLE | BS_GROUPBOX, 0, 143, 7, 50, 60},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 143, 74, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON, 0, 143, 92, 50, 14},
};

constexpr DialogTemplate kSample{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                     WS_VISIBLE,
                                 0,
                                 20,
                                 20,
                                 200,
                                 112,
                                 "Sample",
                                 "MS Shell Dlg",
                                 8,
                                 kSampleItems,
                                 static_cast<WORD>(std::size(kSampleItems))};

} // namespace

TEST(CWndResizer, TheUserDragsADialogsCornerAndTheControlsFollowTheirAnchors) {
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&kSample));
    CWndResizer resizer;
    ASSERT_TRUE(resizer.Hook(&dialog));
    CRect client;
    dialog.GetClientRect(&client);
    CSize minimum = client.Size();
    ASSERT_TRUE(resizer.SetMinimumSize("_root", minimum));
    ASSERT_TRUE(resizer.SetAnchor(IDC_LIST, anchorLeft | anchorTop | anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetAnchor(IDC_EDIT, anchorLeft | anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetAnchor(IDC_GROUP, anchorTop | anchorRight));
    ASSERT_TRUE(resizer.SetAnchor(IDOK, anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetAnchor(IDCANCEL, anchorRight | anchorBottom));
    ASSERT_TRUE(resizer.SetShowResizeGrip(TRUE));
    ASSERT_TRUE(resizer.InvokeOnResized());
    const UINT ids[] = {IDC_LIST, IDC_EDIT, IDC_GROUP, IDOK, IDCANCEL};
    const auto rectOf = [&dialog](UINT id) {
        CRect rect;
        dialog.GetDlgItem(static_cast<int>(id))->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        return rect;
    };
    std::vector<CRect> designed;
    for (UINT id : ids)
        designed.push_back(rectOf(id));
    // How each control's edges move with the client's growth (dx, dy).
    const auto expected = [&](size_t index, int dx, int dy) {
        CRect rect = designed[index];
        switch (ids[index]) {
        case IDC_LIST:
            return CRect(rect.left, rect.top, rect.right + dx, rect.bottom + dy);
        case IDC_EDIT:
            return CRect(rect.left, rect.top + dy, rect.right + dx, rect.bottom + dy);
        case IDC_GROUP:
            return CRect(rect.left + dx, rect.top, rect.right + dx, rect.bottom);
        default:
            rect.OffsetRect(dx, dy);
            return rect;
        }
    };
    CRect frame;
    dialog.GetWindowRect(&frame);
    const CSize minimumFrame = frame.Size();

    struct Drag {
        int hit;
        int dx;
        int dy;
        CSize growth; // of the client, from its designed size
    };
    const Drag drags[] = {
        {HTBOTTOMRIGHT, 120, 60, CSize(120, 60)}, {HTBOTTOMRIGHT, -50, 30, CSize(70, 90)},
        {HTBOTTOMRIGHT, -400, -400, CSize(0, 0)}, // held at the minimum
        {HTLEFT, -35, 0, CSize(35, 0)},           {HTTOPLEFT, 35, 35, CSize(0, 0)},
        {HTBOTTOMRIGHT, 80, 40, CSize(80, 40)},
    };
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.hit);
        CScriptedUser user;
        user.DragFrame(drag.hit, drag.dx, drag.dy);
        ASSERT_TRUE(user.ActIn(dialog.m_hWnd));
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Size(), minimum + drag.growth);
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(rectOf(ids[i]), expected(i, drag.growth.cx, drag.growth.cy)) << ids[i];
    }
    dialog.GetWindowRect(&frame);
    EXPECT_EQ(frame.Size(), minimumFrame + CSize(80, 40));
    dialog.DestroyWindow();
}
