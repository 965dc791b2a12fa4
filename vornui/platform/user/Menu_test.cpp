#include "tests/TestWindowClass.h"

#include "vornui/platform/Bitmaps.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kCut = 101;
constexpr UINT kCopy = 102;
constexpr UINT kPaste = 103;
constexpr UINT kGrid = 104;
constexpr UINT kMetres = 105;
constexpr UINT kFeet = 106;

CString StringOf(HMENU menu, UINT item, UINT flags) {
    char text[64];
    GetMenuString(menu, item, text, sizeof text, flags);
    return text;
}

// Cut, Copy (checked), separator, Paste (greyed), Units > (Metres, Feet).
HMENU EditMenu() {
    const HMENU units = CreatePopupMenu();
    AppendMenu(units, MF_STRING, kMetres, "&Metres");
    AppendMenu(units, MF_STRING, kFeet, "&Feet");
    const HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, kCut, "Cu&t\tCtrl+X");
    AppendMenu(menu, MF_STRING | MF_CHECKED, kCopy, "&Copy\tCtrl+C");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING | MF_GRAYED, kPaste, "&Paste\tCtrl+V");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(units), "&Units");
    return menu;
}

// A top-level window that writes down the menu messages it receives, in order.
struct MenuOwner {
    static std::vector<std::string>& Log() {
        static std::vector<std::string> log;
        return log;
    }
    static HMENU& DestroyOnInit() {
        static HMENU menu = nullptr;
        return menu;
    }
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITMENUPOPUP:
            Log().push_back("WM_INITMENUPOPUP");
            if (DestroyOnInit() == reinterpret_cast<HMENU>(wParam))
                DestroyMenu(DestroyOnInit());
            break;
        case WM_COMMAND:
            Log().push_back("WM_COMMAND " + std::to_string(LOWORD(wParam)));
            break;
        default:
            break;
        }
        return DefWindowProc(hwnd, message, wParam, lParam);
    }

    static LPCTSTR Class() { return TestWindowClass("VornuiTestMenuOwner", &MenuOwner::Proc); }

    MenuOwner() {
        Log().clear();
        DestroyOnInit() = nullptr;
        hwnd = CreateWindowEx(0, Class(), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                              300, nullptr, nullptr, nullptr, nullptr);
    }
    ~MenuOwner() { DestroyWindow(hwnd); }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;

    // Dispatches what waits, so that posted commands arrive.
    void Pump() const {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }

    HWND hwnd;
};

// A window as PrintWindow draws it, to count the pixels of a colour in a part of it.
class WindowPicture {
public:
    explicit WindowPicture(HWND hwnd) : m_memory(CreateCompatibleDC(nullptr)) {
        GetWindowRect(hwnd, &m_window);
        m_bitmap = CreateBitmap(m_window.right - m_window.left, m_window.bottom - m_window.top, 1,
                                32, nullptr);
        m_old = SelectObject(m_memory, m_bitmap);
        m_painted = PrintWindow(hwnd, m_memory, 0) != FALSE;
    }
    ~WindowPicture() {
        SelectObject(m_memory, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_memory);
    }
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    // The pixels of system colour `color` within `screen` (a rectangle on the screen).
    int Count(const RECT& screen, int color) const {
        int count = 0;
        for (int y = screen.top; y < screen.bottom; ++y)
            for (int x = screen.left; x < screen.right; ++x)
                count +=
                    GetPixel(m_memory, x - m_window.left, y - m_window.top) == GetSysColor(color);
        return count;
    }
    bool Painted() const { return m_painted; }

private:
    HDC m_memory;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    RECT m_window{};
    bool m_painted = false;
};

// Where the item's check column shows ink in the tracked menu's picture.
int InkInCheckColumn(HWND menuWindow, HMENU menu, UINT position) {
    RECT item;
    GetMenuItemRect(nullptr, menu, position, &item);
    item.right = item.left + GetSystemMetrics(SM_CXMENUCHECK) + 4;
    return WindowPicture(menuWindow).Count(item, COLOR_MENUTEXT);
}

} // namespace

TEST(Menu, ItemsAreAddedChangedFoundAndTakenOut) {
    const HMENU menu = EditMenu();
    ASSERT_TRUE(IsMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 0), kCut);
    EXPECT_EQ(GetMenuItemID(menu, 2), 0u);                    // the separator
    EXPECT_EQ(GetMenuItemID(menu, 4), static_cast<UINT>(-1)); // a submenu
    EXPECT_EQ(StringOf(menu, kCopy, MF_BYCOMMAND), "&Copy\tCtrl+C");
    EXPECT_EQ(GetMenuString(menu, 1, nullptr, 0, MF_BYPOSITION), 12);
    char shortText[4];
    EXPECT_EQ(GetMenuString(menu, 1, shortText, sizeof shortText, MF_BYPOSITION), 3);
    EXPECT_STREQ(shortText, "&Co");
    EXPECT_EQ(GetMenuState(menu, kCopy, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(menu, 4, MF_BYPOSITION), (2u << 8) | MF_POPUP);

    // By command, the submenus are searched too.
    const HMENU units = GetSubMenu(menu, 4);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
    EXPECT_EQ(StringOf(menu, kFeet, MF_BYCOMMAND), "&Feet");
    EXPECT_EQ(CheckMenuItem(menu, kFeet, MF_BYCOMMAND | MF_CHECKED),
              static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(units, 1, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, kFeet, MF_BYCOMMAND | MF_UNCHECKED),
              static_cast<DWORD>(MF_CHECKED));

    EXPECT_EQ(EnableMenuItem(menu, kPaste, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 0, MF_BYPOSITION | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(GetMenuState(menu, kCut, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));

    EXPECT_TRUE(CheckMenuRadioItem(units, kMetres, kFeet, kFeet, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuState(units, kFeet, MF_BYCOMMAND),
              static_cast<UINT>(MF_CHECKED | MFT_RADIOCHECK));
    EXPECT_TRUE(CheckMenuRadioItem(units, 0, 1, 0, MF_BYPOSITION));
    EXPECT_EQ(GetMenuState(units, kFeet, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(units, kMetres, MF_BYCOMMAND) & MF_CHECKED, 0u);

    // Inserted before an item; a position past the end appends.
    EXPECT_TRUE(InsertMenu(menu, kCopy, MF_BYCOMMAND | MF_STRING, kGrid, "&Grid"));
    EXPECT_EQ(GetMenuItemID(menu, 1), kGrid);
    EXPECT_TRUE(InsertMenu(menu, 99, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    EXPECT_EQ(GetMenuState(menu, 6, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_TRUE(
        ModifyMenu(menu, kGrid, MF_BYCOMMAND | MF_STRING | MF_CHECKED, kGrid, "Show &grid"));
    EXPECT_EQ(StringOf(menu, 1, MF_BYPOSITION), "Show &grid");
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));

    // RemoveMenu keeps a submenu alive, DeleteMenu destroys it.
    EXPECT_TRUE(RemoveMenu(menu, 5, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(units));
    EXPECT_TRUE(AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(units), "&Units"));
    EXPECT_TRUE(DeleteMenu(menu, GetMenuItemCount(menu) - 1, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(units));
    EXPECT_TRUE(DeleteMenu(menu, kGrid, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(menu), 5);

    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(menu));
}

TEST(Menu, BadHandlesIdsAndPositionsAreRefused) {
    const HMENU menu = EditMenu();
    EXPECT_EQ(GetMenuState(menu, 999, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(menu, 5, MF_BYPOSITION), static_cast<UINT>(-1));
    EXPECT_EQ(CheckMenuItem(menu, 999, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(-1));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MENU_ITEM_NOT_FOUND));
    EXPECT_EQ(EnableMenuItem(menu, 7, MF_BYPOSITION | MF_GRAYED), -1);
    EXPECT_EQ(GetMenuItemID(menu, -1), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuItemID(menu, 5), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(menu, 42), nullptr);
    char text[8] = "x";
    EXPECT_EQ(GetMenuString(menu, 999, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(ModifyMenu(menu, 999, MF_BYCOMMAND | MF_STRING, 1, "x"));
    EXPECT_FALSE(RemoveMenu(menu, 5, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(menu, 999, MF_BYCOMMAND));
    EXPECT_FALSE(CheckMenuRadioItem(menu, kCut, 999, kCut, MF_BYCOMMAND));
    // A popup item must name a living menu.
    EXPECT_FALSE(AppendMenu(menu, MF_POPUP, 12345, "&Broken"));
    EXPECT_EQ(GetMenuItemCount(menu), 5);

    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(DestroyMenu(menu));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_FALSE(AppendMenu(menu, MF_STRING, 1, "x"));
    EXPECT_FALSE(IsMenu(nullptr));
    EXPECT_FALSE(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr));
}

TEST(Menu, AMenuBarTakesItsStripAboveTheClientArea) {
    MenuOwner owner;
    RECT before;
    GetClientRect(owner.hwnd, &before);
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(EditMenu()), "&Edit");
    AppendMenu(bar, MF_STRING, kGrid, "&Grid");
    ASSERT_TRUE(SetMenu(owner.hwnd, bar));
    EXPECT_EQ(GetMenu(owner.hwnd), bar);
    RECT after;
    GetClientRect(owner.hwnd, &after);
    EXPECT_EQ(after.bottom, before.bottom - GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(after.right, before.right);

    // AdjustWindowRect with a menu gives back the window's size.
    RECT window;
    GetWindowRect(owner.hwnd, &window);
    RECT wanted = after;
    AdjustWindowRect(&wanted, static_cast<DWORD>(GetWindowLong(owner.hwnd, GWL_STYLE)), TRUE);
    EXPECT_EQ(wanted.right - wanted.left, window.right - window.left);
    EXPECT_EQ(wanted.bottom - wanted.top, window.bottom - window.top);

    // The items lie side by side between the caption and the client area.
    RECT edit, grid;
    ASSERT_TRUE(GetMenuItemRect(owner.hwnd, bar, 0, &edit));
    ASSERT_TRUE(GetMenuItemRect(owner.hwnd, bar, 1, &grid));
    POINT clientTop{0, 0};
    ClientToScreen(owner.hwnd, &clientTop);
    EXPECT_EQ(edit.bottom, clientTop.y);
    EXPECT_EQ(edit.bottom - edit.top, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(grid.left, edit.right);
    EXPECT_FALSE(GetMenuItemRect(owner.hwnd, bar, 2, &grid));

    // Taking the bar away gives the height back; the window destroys the bar it has.
    ASSERT_TRUE(SetMenu(owner.hwnd, nullptr));
    GetClientRect(owner.hwnd, &after);
    EXPECT_EQ(after.bottom, before.bottom);
    ASSERT_TRUE(SetMenu(owner.hwnd, bar));
    const HMENU edits = GetSubMenu(bar, 0);
    DestroyWindow(owner.hwnd);
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(edits));

    // A child window has no menu bar.
    MenuOwner parent;
    const HWND child = CreateWindowEx(0, MenuOwner::Class(), "", WS_CHILD, 0, 0, 50, 50,
                                      parent.hwnd, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    const HMENU spare = CreateMenu();
    EXPECT_FALSE(SetMenu(child, spare));
    EXPECT_EQ(GetMenu(child), nullptr);
    DestroyMenu(spare);
}

TEST(Menu, AMenuBarGivenAtCreationIsPaintedInTheFrame) {
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_STRING, kGrid, "&Grid");
    const HWND hwnd =
        CreateWindowEx(0, MenuOwner::Class(), "Painted", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                       300, 200, nullptr, bar, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetMenu(hwnd), bar);
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(hwnd, bar, 0, &item));
    const WindowPicture picture(hwnd);
    ASSERT_TRUE(picture.Painted());
    EXPECT_GT(picture.Count(item, COLOR_MENUTEXT), 10); // the word "Grid"
    EXPECT_GT(picture.Count(item, COLOR_MENU), 50);     // around it
    DestroyWindow(hwnd);
}

TEST(Menu, TheWindowMenuFollowsTheWindowsStyles) {
    MenuOwner owner;
    const HMENU system = GetSystemMenu(owner.hwnd, FALSE);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(GetSystemMenu(owner.hwnd, FALSE), system);
    for (const UINT command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
        EXPECT_NE(GetMenuState(system, command, MF_BYCOMMAND), static_cast<UINT>(-1)) << command;
    EXPECT_EQ(GetMenuState(system, SC_RESTORE, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(StringOf(system, SC_CLOSE, MF_BYCOMMAND), "&Close\tAlt+F4");
    // Greying Close greys the close box of the caption.
    RECT window;
    GetWindowRect(owner.hwnd, &window);
    const RECT closeBox{window.right - 30, window.top, window.right, window.top + 30};
    EXPECT_EQ(WindowPicture(owner.hwnd).Count(closeBox, COLOR_GRAYTEXT), 0);
    EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    RedrawWindow(owner.hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    EXPECT_GT(WindowPicture(owner.hwnd).Count(closeBox, COLOR_GRAYTEXT), 5);
    EXPECT_EQ(GetSystemMenu(owner.hwnd, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(system));
    const HMENU fresh = GetSystemMenu(owner.hwnd, FALSE);
    EXPECT_EQ(GetMenuState(fresh, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(MF_ENABLED));

    // A dialog frame: moved and closed, not sized.
    const HWND dialogLike =
        CreateWindowEx(0, MenuOwner::Class(), "Box", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 100,
                       100, nullptr, nullptr, nullptr, nullptr);
    const HMENU boxMenu = GetSystemMenu(dialogLike, FALSE);
    EXPECT_EQ(GetMenuState(boxMenu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(boxMenu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(MF_ENABLED));
    EXPECT_EQ(GetMenuState(boxMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(MF_ENABLED));
    DestroyWindow(dialogLike);
    EXPECT_FALSE(IsMenu(boxMenu));

    const HWND plain = CreateWindowEx(0, MenuOwner::Class(), "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
    EXPECT_EQ(GetSystemMenu(plain, FALSE), nullptr);
    DestroyWindow(plain);
}

TEST(PopupMenu, TheUserPicksByTextAndByIdButNotAGreyedItem) {
    MenuOwner owner;
    const HMENU menu = EditMenu();
    {
        CScriptedUser user;
        user.ChooseMenuItem("Copy");
        EXPECT_TRUE(TrackPopupMenu(menu, TPM_LEFTALIGN, 150, 150, 0, owner.hwnd, nullptr));
        owner.Pump();
        EXPECT_EQ(MenuOwner::Log(),
                  (std::vector<std::string>{"WM_INITMENUPOPUP", "WM_COMMAND 102"}));
    }
    {
        MenuOwner::Log().clear();
        CScriptedUser user;
        user.ChooseMenuItem(kCut);
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner.hwnd, nullptr),
                  static_cast<BOOL>(kCut));
        owner.Pump();
        EXPECT_EQ(MenuOwner::Log(), std::vector<std::string>{"WM_INITMENUPOPUP"});
    }
    {
        // Paste is greyed: the click does nothing, and the menu waits until dismissed.
        MenuOwner::Log().clear();
        CScriptedUser user;
        user.ChooseMenuItem("Paste").ChooseMenuItem(kPaste).ChooseMenuItem("Units");
        testing::internal::CaptureStderr();
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner.hwnd, nullptr), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "vornui: popup menu \"Cu&t\tCtrl+X|&Copy\tCtrl+C|&Paste\tCtrl+V|&Units\": no "
                  "one chooses -> dismissed\n");
    }
    {
        CScriptedUser user;
        user.DismissMenu();
        EXPECT_TRUE(TrackPopupMenu(menu, 0, 150, 150, 0, owner.hwnd, nullptr));
        user.ChooseMenuItem("Not there");
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner.hwnd, nullptr), 0);
        MenuOwner::Log().clear();
        owner.Pump();
        EXPECT_TRUE(MenuOwner::Log().empty());
    }
    DestroyMenu(menu);
}

TEST(PopupMenu, TheKeyboardMovesThroughTheItems) {
    MenuOwner owner;
    const HMENU menu = EditMenu();
    CScriptedUser user;
    // Down twice: Cut, then Copy; Enter picks Copy.
    user.Press(VK_DOWN).Press(VK_DOWN).Press(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd, nullptr),
              static_cast<BOOL>(kCopy));
    // The underlined letter picks at once; Escape closes the menu.
    user.Press('T');
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd, nullptr),
              static_cast<BOOL>(kCut));
    user.Press(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner.hwnd, nullptr), 0);
    DestroyMenu(menu);
}

TEST(PopupMenu, WithoutAUserTheMenuIsDismissedAndSaysSo) {
    MenuOwner owner;
    const HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, kCut, "Cut");
    testing::internal::CaptureStderr();
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 20, owner.hwnd, nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vornui: popup menu \"Cut\": no one chooses -> dismissed\n");
    EXPECT_EQ(MenuOwner::Log(), std::vector<std::string>{"WM_INITMENUPOPUP"});

    // TPM_NONOTIFY: the owner hears nothing, not even the picked command.
    MenuOwner::Log().clear();
    CScriptedUser user;
    user.ChooseMenuItem("Cut");
    EXPECT_TRUE(TrackPopupMenuEx(menu, TPM_NONOTIFY, 20, 20, owner.hwnd, nullptr));
    owner.Pump();
    EXPECT_TRUE(MenuOwner::Log().empty());
    DestroyMenu(menu);
}

TEST(PopupMenu, TheOpenMenuIsPaintedWhereTheFlagsPlaceIt) {
    MenuOwner owner;
    const HMENU menu = EditMenu();
    CScriptedUser user;
    RECT placed{};
    int checkedInk = 0;
    int uncheckedInk = 0;
    user.Then([&](HWND menuWindow) {
        GetWindowRect(menuWindow, &placed);
        checkedInk = InkInCheckColumn(menuWindow, menu, 1);
        uncheckedInk = InkInCheckColumn(menuWindow, menu, 0);
        return ModalAction::Acted;
    });
    user.DismissMenu();
    EXPECT_TRUE(
        TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 500, 400, 0, owner.hwnd, nullptr));
    EXPECT_EQ(placed.right, 500);
    EXPECT_EQ(placed.bottom, 400);
    EXPECT_GT(checkedInk, 5); // the check mark
    EXPECT_EQ(uncheckedInk, 0);

    // Kept off the button it drops down from: below it.
    TPMPARAMS params{sizeof params, {300, 200, 380, 230}};
    user.Then([&](HWND menuWindow) {
        GetWindowRect(menuWindow, &placed);
        return ModalAction::Acted;
    });
    user.DismissMenu();
    EXPECT_TRUE(TrackPopupMenuEx(menu, TPM_VERTICAL, 300, 210, owner.hwnd, &params));
    EXPECT_EQ(placed.left, 300);
    EXPECT_EQ(placed.top, 230);
    DestroyMenu(menu);
}

TEST(PopupMenu, AMenuDestroyedWhileOpenEndsTheTracking) {
    MenuOwner owner;
    HMENU menu = EditMenu();
    CScriptedUser user;
    HWND shown = nullptr;
    user.Then([&](HWND menuWindow) {
        shown = menuWindow;
        DestroyMenu(menu);
        return ModalAction::Acted;
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 30, 30, 0, owner.hwnd, nullptr), 0);
    EXPECT_NE(shown, nullptr);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_FALSE(IsMenu(menu));

    // Destroyed by the owner as it opens: nothing is shown.
    menu = EditMenu();
    MenuOwner::DestroyOnInit() = menu;
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 30, 30, 0, owner.hwnd, nullptr), 0);
    EXPECT_FALSE(IsMenu(menu));
    MenuOwner::DestroyOnInit() = nullptr;

    // An empty menu opens nothing; tracking from inside a tracked menu is refused.
    const HMENU empty = CreatePopupMenu();
    EXPECT_EQ(TrackPopupMenu(empty, TPM_RETURNCMD, 30, 30, 0, owner.hwnd, nullptr), 0);
    const HMENU outer = EditMenu();
    BOOL inner = TRUE;
    DWORD innerError = 0;
    user.Then([&](HWND) {
        inner = TrackPopupMenu(empty, 0, 30, 30, 0, owner.hwnd, nullptr);
        innerError = GetLastError();
        EndMenu();
        return ModalAction::Acted;
    });
    EXPECT_EQ(TrackPopupMenu(outer, TPM_RETURNCMD, 30, 30, 0, owner.hwnd, nullptr), 0);
    EXPECT_FALSE(inner);
    EXPECT_EQ(innerError, static_cast<DWORD>(ERROR_POPUP_ALREADY_ACTIVE));
    EXPECT_FALSE(EndMenu());
    DestroyMenu(empty);
    DestroyMenu(outer);
}
