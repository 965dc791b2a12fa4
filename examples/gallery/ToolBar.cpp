#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

enum : UINT {
    kNormalStrip = 61001,
    kHotStrip,
    kDisabledStrip,
    kNew = 41001,
    kOpen,
    kSave,
    kStartLine,
    kStopLine,
    kLayers,
    kZoom,
    kDepth,
    kBackscatter,
    kSidescan,
    kPrint,
};

constexpr int kPicture = 16;
constexpr int kPictures = 7;
constexpr std::uint32_t kMagenta = 0xFF00FF;

// The toolbar's pictures, drawn by hand: a page, a folder, a disk, start and stop, layers
// and a magnifier, on magenta.
std::uint32_t Pictogram(int picture, int x, int y) {
    const auto inside = [&](int left, int top, int right, int bottom) {
        return x >= left && x < right && y >= top && y < bottom;
    };
    switch (picture) {
    case 0: // a new page
        if (inside(3, 1, 13, 15))
            return inside(4, 2, 12, 14) ? 0xFFFFFF : 0x404040;
        break;
    case 1: // a folder
        if (inside(1, 4, 7, 6) || inside(1, 6, 15, 14))
            return inside(2, 7, 14, 13) ? 0xF0C040 : 0x806010;
        break;
    case 2: // a disk
        if (inside(2, 2, 14, 14))
            return inside(5, 3, 11, 7) ? 0xE0E0E0 : inside(4, 9, 12, 14) ? 0x202040 : 0x3050C0;
        break;
    case 3: // start: a triangle
        if (x >= 4 && x < 4 + (8 - std::abs(y - 8)) && y >= 1 && y < 15)
            return 0x20A030;
        break;
    case 4: // stop: a square
        if (inside(4, 4, 12, 12))
            return 0xC02020;
        break;
    case 5: // layers: three bars
        if (inside(2, 3, 14, 5))
            return 0x2060D0;
        if (inside(2, 7, 14, 9))
            return 0x20A0A0;
        if (inside(2, 11, 14, 13))
            return 0xD08020;
        break;
    case 6: { // a magnifier
        const int dx = x - 6;
        const int dy = y - 6;
        const int distance = dx * dx + dy * dy;
        if (distance <= 25)
            return distance >= 13 ? 0x303030 : 0xC0E0FF;
        if (x == y && x > 9 && x < 15)
            return 0x303030;
        if (x == y + 1 && x > 10 && x < 15)
            return 0x303030;
        break;
    }
    default:
        break;
    }
    return kMagenta;
}

// Hot pictures are brighter, disabled ones grey.
std::uint32_t Lighter(std::uint32_t rgb) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t channel = rgb >> shift & 0xFF;
        out |= (channel + (255 - channel) / 3) << shift;
    }
    return out;
}

std::uint32_t Grey(std::uint32_t rgb) {
    const std::uint32_t level =
        ((rgb >> 16 & 0xFF) * 3 + (rgb >> 8 & 0xFF) * 6 + (rgb & 0xFF)) / 10 / 2 + 110;
    return level << 16 | level << 8 | level;
}

// A packed 24-bit bitmap resource of the pictures side by side, rows bottom-up.
std::string Strip(std::uint32_t (*look)(std::uint32_t)) {
    const int width = kPicture * kPictures;
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER header{
        sizeof(BITMAPINFOHEADER), width, kPicture, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string packed(reinterpret_cast<const char*>(&header), sizeof header);
    for (int row = kPicture - 1; row >= 0; --row) {
        std::string line(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            std::uint32_t rgb = Pictogram(x / kPicture, x % kPicture, row);
            if (rgb != kMagenta && look)
                rgb = look(rgb);
            std::memcpy(&line[static_cast<size_t>(x) * 3], &rgb, 3);
        }
        packed += line;
    }
    return packed;
}

// The pictures live as long as the program: resources are referenced, not copied.
HMODULE ToolBarPictures() {
    static const std::string strips[] = {Strip(nullptr), Strip(Lighter), Strip(Grey)};
    static const HMODULE module = [] {
        const HMODULE made = CreateResourceModule("gallery-toolbar");
        for (UINT index = 0; index < 3; ++index)
            AddResource(made, RT_BITMAP, MAKEINTRESOURCE(kNormalStrip + index),
                        strips[index].data(), static_cast<DWORD>(strips[index].size()));
        return made;
    }();
    return module;
}

class WhiteView : public CView {
protected:
    void OnDraw(CDC* dc) override {
        CRect client;
        GetClientRect(&client);
        dc->FillSolidRect(&client, RGB(214, 232, 245));
    }
};

// The planning program's frame: no line runs, so Stop line is greyed by its handler.
class PlanningFrame : public CFrameWnd {
protected:
    void OnCommandDone() {}
    void OnLayer(UINT) {}
    void OnLayers() {}
    void OnUpdateStopLine(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PlanningFrame, CFrameWnd)
ON_COMMAND(kNew, &ThisClass::OnCommandDone)
ON_COMMAND(kOpen, &ThisClass::OnCommandDone)
ON_COMMAND(kSave, &ThisClass::OnCommandDone)
ON_COMMAND(kStartLine, &ThisClass::OnCommandDone)
ON_COMMAND(kStopLine, &ThisClass::OnCommandDone)
ON_COMMAND(kZoom, &ThisClass::OnCommandDone)
ON_COMMAND(kLayers, &ThisClass::OnLayers)
ON_COMMAND(kPrint, &ThisClass::OnCommandDone)
ON_COMMAND_RANGE(kDepth, kSidescan, &ThisClass::OnLayer)
ON_UPDATE_COMMAND_UI(kStopLine, &ThisClass::OnUpdateStopLine)
END_MESSAGE_MAP()

// File: New, Open, Save, a separator, Print and, sixth, the Layers submenu that the
// toolbar's drop-down opens.
void AddMenuBar(CFrameWnd& frame) {
    CMenu layers;
    layers.CreatePopupMenu();
    layers.AppendMenu(MF_STRING | MF_CHECKED, kDepth, "&Depth");
    layers.AppendMenu(MF_STRING, kBackscatter, "&Backscatter");
    layers.AppendMenu(MF_STRING, kSidescan, "&Side scan");
    CMenu file;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, kNew, "&New\tCtrl+N");
    file.AppendMenu(MF_STRING, kOpen, "&Open...\tCtrl+O");
    file.AppendMenu(MF_STRING, kSave, "&Save\tCtrl+S");
    file.AppendMenu(MF_SEPARATOR);
    file.AppendMenu(MF_STRING, kPrint, "&Print...");
    file.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(layers.Detach()), "&Layers");
    CMenu bar;
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File");
    for (const char* title : {"&Edit", "&View", "&Help"}) {
        CMenu popup;
        popup.CreatePopupMenu();
        popup.AppendMenu(MF_STRING, kPrint, "&Print...");
        bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), title);
    }
    frame.SetMenu(&bar);
    bar.Detach(); // the frame keeps its menu bar
}

// The frame with its true-colour toolbar laid out and brought up to date.
struct PlanningWindows {
    PlanningWindows() {
        frame = new PlanningFrame; // deletes itself with its window
        frame->Create(nullptr, "Line planning", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      CRect(100, 100, 460, 300));
        AddMenuBar(*frame);
        bar.CreateEx(frame);
        const UINT ids[] = {kNew,      kOpen,        kSave,   ID_SEPARATOR, kStartLine,
                            kStopLine, ID_SEPARATOR, kLayers, kZoom};
        bar.SetButtons(ids, 9);
        const HINSTANCE previous = AfxGetResourceHandle();
        AfxSetResourceHandle(ToolBarPictures());
        loaded = bar.LoadTrueColorToolBar(kPicture, kNormalStrip, kHotStrip, kDisabledStrip);
        AfxSetResourceHandle(previous);
        bar.AddDropDownButton(frame, kLayers, 0);
        auto* view = new WhiteView;
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame, AFX_IDW_PANE_FIRST);
        frame->RecalcLayout();
        previousMain = std::exchange(AfxGetApp()->m_pMainWnd, frame);
        AfxGetApp()->OnIdle(0);
        frame->UpdateWindow();
    }
    ~PlanningWindows() {
        AfxGetApp()->m_pMainWnd = previousMain;
        bar.DestroyWindow();
        frame->DestroyWindow();
    }
    PlanningWindows(const PlanningWindows&) = delete;
    PlanningWindows& operator=(const PlanningWindows&) = delete;

    POINT OnScreen(UINT id, int dx = 0) const {
        CRect button;
        bar.GetItemRect(bar.CommandToIndex(id), &button);
        bar.ClientToScreen(&button);
        return POINT{dx >= 0 ? button.left + dx : button.right + dx, button.CenterPoint().y};
    }

    PlanningFrame* frame = nullptr;
    CTrueColorToolBar bar;
    CWnd* previousMain = nullptr;
    BOOL loaded = FALSE;
};

int WriteToolBar(const char* path) {
    PlanningWindows windows;
    if (!windows.loaded)
        return 1;
    int result = 1;
    CScriptedUser user;
    user.MouseMove(windows.OnScreen(kOpen, 12)).Then([&](HWND) {
        result = SaveWindowPicture(*windows.frame, path);
        return ModalAction::Acted;
    });
    return user.ActIn(*windows.frame) ? result : 1;
}

int WriteToolBarDropDown(const char* path) {
    PlanningWindows windows;
    if (!windows.loaded)
        return 1;
    int result = 1;
    CScriptedUser user;
    user.ClickAt(windows.OnScreen(kLayers, -4))
        .Then([](HWND menuWindow) {
            // The pointer rests on Backscatter while the picture is taken.
            RECT item;
            const auto menu = reinterpret_cast<HMENU>(SendMessage(menuWindow, MN_GETHMENU, 0, 0));
            GetMenuItemRect(nullptr, menu, 1, &item);
            PostMouseInput(GetCurrentThreadId(), WM_MOUSEMOVE, CRect(item).CenterPoint());
            return ModalAction::Acted;
        })
        .Then([&](HWND menuWindow) {
            result = SaveWindowsPicture(*windows.frame, *CWnd::FromHandle(menuWindow), path);
            return ModalAction::Acted;
        })
        .DismissMenu();
    return user.ActIn(*windows.frame) ? result : 1;
}

// A strip of three pictures for the hover button: a soft grey face, a light blue one under
// the mouse and a darker one pressed, each lighter at the top than at the bottom.
std::vector<DWORD> HoverStrip(int width, int height) {
    const DWORD faces[3][2] = {{0xF4F4F4, 0xD0D0D0}, {0xE8F4FF, 0x9CCCF4}, {0x9CC4E8, 0x5C90C8}};
    std::vector<DWORD> block{static_cast<DWORD>(3 * width), static_cast<DWORD>(-height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x) {
            const int state = x / width;
            const int inX = x % width;
            if (inX == 0 || inX == width - 1 || y == 0 || y == height - 1) {
                block.push_back(state == 0 ? 0x8C8C8C : 0x3C78B4);
                continue;
            }
            DWORD pixel = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const int top = static_cast<int>(faces[state][0] >> shift & 0xFF);
                const int bottom = static_cast<int>(faces[state][1] >> shift & 0xFF);
                pixel |= static_cast<DWORD>(top + (bottom - top) * y / (height - 1)) << shift;
            }
            block.push_back(pixel);
        }
    return block;
}

// A modeless dialog with three owner-drawn buttons, taken over by hover buttons, and their
// captions.
DialogTemplate HoverDialog() {
    static const DialogItemTemplate items[] = {
        {"Button", "", 100, WS_VISIBLE | BS_OWNERDRAW, 0, 24, 10, 18, 14},
        {"Button", "", 101, WS_VISIBLE | BS_OWNERDRAW, 0, 84, 10, 18, 14},
        {"Button", "", 102, WS_VISIBLE | BS_OWNERDRAW, 0, 144, 10, 18, 14},
        {"Static", "Normal", 200, WS_VISIBLE | SS_CENTER, 0, 8, 42, 50, 8},
        {"Static", "Mouse over", 201, WS_VISIBLE | SS_CENTER, 0, 68, 42, 50, 8},
        {"Static", "Pressed", 202, WS_VISIBLE | SS_CENTER, 0, 128, 42, 50, 8},
    };
    return DialogTemplate{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE,
                          0,
                          140,
                          140,
                          186,
                          60,
                          "Port settings",
                          "MS Shell Dlg",
                          8,
                          items,
                          static_cast<WORD>(std::size(items))};
}

HWND VisibleToolTip() {
    HWND tip = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM found) -> BOOL {
            char name[32] = {};
            GetClassName(hwnd, name, sizeof name);
            if (std::strcmp(name, TOOLTIPS_CLASS) != 0 || !IsWindowVisible(hwnd))
                return TRUE;
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tip));
    return tip;
}

int WriteHoverButtons(const char* path) {
    const DialogTemplate layout = HoverDialog();
    CDialog dialog;
    if (!dialog.CreateIndirect(&layout))
        return 1;
    CRect size;
    dialog.GetDlgItem(100)->GetClientRect(&size);
    const std::vector<DWORD> strip = HoverStrip(size.Width(), size.Height());
    CHoverButton buttons[3];
    for (int index = 0; index < 3; ++index) {
        buttons[index].SubclassDlgItem(static_cast<UINT>(100 + index), &dialog);
        buttons[index].m_pImageBlock = strip.data();
    }
    buttons[1].SetToolTipText(CString("Browse for the port"));
    buttons[2].SetState(TRUE);
    int result = 1;
    CScriptedUser user;
    CRect over;
    buttons[1].GetWindowRect(&over);
    // Near the button's top edge, so that the tip below the pointer leaves the captions be.
    user.MouseMove(CPoint(over.CenterPoint().x, over.top + 3)).Rest(700).Then([&](HWND) {
        const HWND tip = VisibleToolTip();
        result = tip ? SaveWindowsPicture(dialog, *CWnd::FromHandle(tip), path)
                     : SaveWindowPicture(dialog, path);
        return ModalAction::Acted;
    });
    const HWND hwnd = dialog.m_hWnd;
    const bool acted =
        user.ActIn(hwnd, [hwnd](MSG* msg) { return CWnd::WalkPreTranslateTree(hwnd, msg); });
    dialog.DestroyWindow();
    return acted ? result : 1;
}

const GalleryPicture kToolBarPicture("toolbar.png",
                                     "A true-colour toolbar (`CTrueColorToolBar`): the button "
                                     "under the pointer in its hot picture, Stop line greyed by "
                                     "the frame's update handler, Layers with a drop-down arrow",
                                     WriteToolBar);
const GalleryPicture kToolBarDropDownPicture(
    "toolbar-drop-down.png",
    "The toolbar's Layers arrow clicked: the sixth submenu of the File menu opens below it",
    WriteToolBarDropDown);
const GalleryPicture kHoverButtonPicture("hover-button.png",
                                         "Hover buttons (`CHoverButton`): normal, under the "
                                         "mouse with its tooltip, and pressed",
                                         WriteHoverButtons);

} // namespace
