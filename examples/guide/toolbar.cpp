// Guide example: a true-colour toolbar loaded from 24-bit bitmaps with magenta for
// transparent, a drop-down button that opens a menu, and a hover button with its three
// pictures and a tooltip. A scripted user points, clicks and chooses.
#include "vornui/vornui.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum : UINT {
    IDB_TOOLS = 5001,
    IDB_TOOLS_HOT,
    ID_OPEN = 4001,
    ID_SAVE,
    ID_LAYERS,
    ID_DEPTH,
    ID_BACKSCATTER,
};

constexpr int kPicture = 16;
constexpr std::uint32_t kMagenta = 0xFF00FF;

// A 24-bit bitmap resource as a resource compiler stores it (a packed DIB, rows bottom-up):
// one 16 x 16 picture per colour, each with a magenta border.
std::string Strip(const std::vector<std::uint32_t>& colours) {
    const int width = kPicture * static_cast<int>(colours.size());
    const int stride = (width * 3 + 3) / 4 * 4;
    const BITMAPINFOHEADER header{sizeof header, width, kPicture, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string packed(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = kPicture - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const int inX = x % kPicture;
            const bool border = inX < 2 || inX >= kPicture - 2 || y < 2 || y >= kPicture - 2;
            const std::uint32_t rgb = border ? kMagenta : colours[x / kPicture];
            std::memcpy(&row[static_cast<size_t>(x) * 3], &rgb, 3);
        }
        packed += row;
    }
    return packed;
}

const char* Describe(COLORREF colour) {
    static char text[32];
    if (colour == GetSysColor(COLOR_3DFACE))
        return "the bar's face";
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

// The main window: it handles the toolbar's and the menu's commands and keeps the last one.
// Its File menu's sixth item is the Layers submenu.
class CSurveyFrame : public CFrameWnd {
public:
    UINT m_lastCommand = 0;

protected:
    void OnSurveyCommand(UINT id) { m_lastCommand = id; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSurveyFrame, CFrameWnd)
ON_COMMAND_RANGE(ID_OPEN, ID_BACKSCATTER, &ThisClass::OnSurveyCommand)
END_MESSAGE_MAP()

void AddMenuBar(CFrameWnd& frame) {
    CMenu layers;
    layers.CreatePopupMenu();
    layers.AppendMenu(MF_STRING, ID_DEPTH, "&Depth");
    layers.AppendMenu(MF_STRING, ID_BACKSCATTER, "&Backscatter");
    CMenu file;
    file.CreatePopupMenu();
    for (const char* item : {"&New", "&Open...", "&Save", "Save &as...", "&Print..."})
        file.AppendMenu(MF_STRING, ID_SAVE, item);
    file.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(layers.Detach()), "&Layers");
    CMenu bar;
    bar.CreateMenu();
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File");
    frame.SetMenu(&bar);
    bar.Detach(); // the frame keeps its menu bar
}

COLORREF PixelAt(CWnd& window, POINT point) {
    window.UpdateWindow();
    const HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, point.x, point.y);
    ::ReleaseDC(window, dc);
    return colour;
}

POINT OnScreen(CWnd& window, POINT point) {
    window.ClientToScreen(&point);
    return point;
}

void ToolBar() {
    // Bitmap resources are referenced, not copied: the bytes live as long as the program.
    static const std::string normal = Strip({0x2060D0, 0x20A030, 0xD08020});
    static const std::string hot = Strip({0x80B0FF, 0x80E090, 0xFFC080});
    AddResource(AfxGetInstanceHandle(), RT_BITMAP, MAKEINTRESOURCE(IDB_TOOLS), normal.data(),
                static_cast<DWORD>(normal.size()));
    AddResource(AfxGetInstanceHandle(), RT_BITMAP, MAKEINTRESOURCE(IDB_TOOLS_HOT), hot.data(),
                static_cast<DWORD>(hot.size()));

    auto* frame = new CSurveyFrame; // deletes itself with its window
    frame->Create(nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 400, 240));
    AddMenuBar(*frame);
    AfxGetApp()->m_pMainWnd = frame;
    CTrueColorToolBar bar;
    bar.CreateEx(frame);
    const UINT buttons[] = {ID_OPEN, ID_SAVE, ID_SEPARATOR, ID_LAYERS};
    bar.SetButtons(buttons, 4);
    const BOOL loaded = bar.LoadTrueColorToolBar(kPicture, IDB_TOOLS, IDB_TOOLS_HOT);
    bar.AddDropDownButton(frame, ID_LAYERS, 0);
    frame->RecalcLayout();
    std::printf("loaded: %s\n", loaded ? "yes" : "no");
    const struct {
        UINT message;
        const char* name;
    } sets[] = {{TB_GETIMAGELIST, "normal"},
                {TB_GETHOTIMAGELIST, "hot"},
                {TB_GETDISABLEDIMAGELIST, "disabled"}};
    for (const auto& set : sets) {
        const auto list = reinterpret_cast<HIMAGELIST>(bar.SendMessage(set.message));
        if (list)
            std::printf("  %-8s set: %d pictures\n", set.name, ImageList_GetImageCount(list));
        else
            std::printf("  %-8s set: none\n", set.name);
    }

    CRect open;
    bar.GetItemRect(bar.CommandToIndex(ID_OPEN), &open);
    const CPoint middle = open.CenterPoint();
    std::printf("Open, middle of its picture: %s\n", Describe(PixelAt(bar, middle)));
    std::printf("Open, magenta border:        %s\n",
                Describe(PixelAt(bar, CPoint(middle.x - kPicture / 2 + 1, middle.y))));

    // The user points at Open: the hot picture shows.
    {
        CScriptedUser user;
        user.MouseMove(OnScreen(bar, middle));
        user.ActIn(*frame);
    }
    std::printf("Open, under the pointer:     %s\n", Describe(PixelAt(bar, middle)));

    // The user clicks the arrow of Layers and chooses Backscatter in the menu that opens.
    CRect layers;
    bar.GetItemRect(bar.CommandToIndex(ID_LAYERS), &layers);
    std::printf("Layers button: %d pixels wide, the arrow included\n", layers.Width());
    {
        CScriptedUser user;
        user.ClickAt(OnScreen(bar, CPoint(layers.right - 3, layers.CenterPoint().y)))
            .ChooseMenuItem("Backscatter");
        user.ActIn(*frame);
    }
    std::printf("the frame received: %s\n",
                frame->m_lastCommand == ID_BACKSCATTER ? "ID_BACKSCATTER" : "something else");
    AfxGetApp()->m_pMainWnd = nullptr;
    bar.DestroyWindow();
    frame->DestroyWindow();
}

// The hover button's strip, set by its owner: width and height, then the pixels top-down
// (a negative height): normal grey, blue under the mouse, dark blue pressed.
std::vector<DWORD> HoverStrip(int width, int height) {
    const DWORD faces[] = {0xD0D0D0, 0x9CCCF4, 0x5C90C8};
    std::vector<DWORD> block{static_cast<DWORD>(3 * width), static_cast<DWORD>(-height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            block.push_back(faces[x / width]);
    return block;
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

void HoverButton() {
    CWnd panel;
    panel.CreateEx(0, nullptr, "Port", WS_POPUP | WS_VISIBLE, 200, 150, 160, 80, nullptr, nullptr);
    CHoverButton browse;
    browse.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(20, 10, 50, 30), &panel, 9);
    const std::vector<DWORD> strip = HoverStrip(30, 20);
    browse.m_pImageBlock = strip.data();
    browse.SetToolTipText(CString("Browse for the port"));

    // The button's pre-translation must see the messages, for its tooltip.
    const HWND hwnd = panel.m_hWnd;
    const auto act = [hwnd](CScriptedUser& user) {
        user.ActIn(hwnd, [hwnd](MSG* msg) { return CWnd::WalkPreTranslateTree(hwnd, msg); });
    };
    CRect onScreen;
    browse.GetWindowRect(&onScreen);
    const POINT middle = onScreen.CenterPoint();
    const POINT corner{2, 2}; // clear of the "..." written in the middle
    std::printf("hover button, at rest:       %s\n", Describe(PixelAt(browse, corner)));
    // The pointer comes and rests: the hover picture, and after a while the tooltip.
    CScriptedUser user;
    user.MouseMove(middle).Rest(700);
    act(user);
    char text[64] = "(none)";
    if (const HWND tip = VisibleToolTip())
        GetWindowText(tip, text, sizeof text);
    std::printf("hover button, mouse over:    %s, tooltip \"%s\"\n",
                Describe(PixelAt(browse, corner)), text);
    user.MouseDown(middle);
    act(user);
    std::printf("hover button, pressed:       %s\n", Describe(PixelAt(browse, corner)));
    user.MouseUp(middle).MouseMove(CPoint(middle) + CPoint(80, 0));
    act(user);
    std::printf("hover button, mouse gone:    %s\n", Describe(PixelAt(browse, corner)));
    browse.m_pImageBlock = nullptr;
    browse.DestroyWindow();
    panel.DestroyWindow();
}

} // namespace

int main() {
    CWinApp app("guide-toolbar");
    ToolBar();
    HoverButton();
    return 0;
}
