#include "tests/DibBytes.h"

#include "vornui/layout/TrueColorToolBar.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowPaint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : UINT {
    kNormalBitmap = 601,
    kHotBitmap,
    kDisabledBitmap,
    kNarrowBitmap,
    kFirstButton = 701,
    kDepth = 801,
    kBackscatter,
    kOther,
};

constexpr int kButtons = 10;
constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kNearMagenta = 0xFE00FF;

// Image i of a set is one colour, with a magenta top-left corner and a top-right corner
// one step short of magenta.
std::uint32_t Colour(int set, int image) {
    return static_cast<std::uint32_t>((40 + 20 * image) << 16 | (60 * set) << 8 | 30);
}

COLORREF AsColorRef(std::uint32_t rgb) {
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

std::string Strip(int set, int width) {
    return dib_bytes::PackedDib({width, 16, 24}, [set](int x, int y) {
        const int inX = x % 16;
        if (y < 2 && inX < 2)
            return kMagenta;
        if (y < 2 && inX > 13)
            return kNearMagenta;
        return Colour(set, x / 16);
    });
}

// Sounding, a separator and the other buttons of a survey program's toolbar; its frame
// has a menu bar whose first menu's sixth item opens the layers menu.
class SurveyFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;
    int m_menusOpened = 0;

protected:
    void OnLayer(UINT id) { m_commands.push_back(id); }
    void OnInitMenuPopup(CMenu* menu, UINT index, BOOL system) override {
        ++m_menusOpened;
        CFrameWnd::OnInitMenuPopup(menu, index, system);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SurveyFrame, CFrameWnd)
ON_COMMAND_RANGE(kDepth, kBackscatter, &ThisClass::OnLayer)
END_MESSAGE_MAP()

// Replaces the frame's menu bar, which the frame does not destroy when it is replaced.
void GiveMenuBar(CFrameWnd& frame, int itemsInFirstMenu) {
    if (const HMENU previous = ::GetMenu(frame)) {
        frame.SetMenu(nullptr);
        DestroyMenu(previous);
    }
    CMenu bar;
    bar.CreateMenu();
    CMenu file;
    file.CreatePopupMenu();
    for (int index = 0; index < itemsInFirstMenu; ++index) {
        if (index != 5) {
            file.AppendMenu(MF_STRING, kOther, "Other");
            continue;
        }
        CMenu layers;
        layers.CreatePopupMenu();
        layers.AppendMenu(MF_STRING, kDepth, "&Depth");
        layers.AppendMenu(MF_STRING, kBackscatter, "&Backscatter");
        file.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(layers.Detach()), "&Layers");
    }
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File");
    frame.SetMenu(&bar);
    bar.Detach();
}

class TrueColorToolBar : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("true-colour-toolbar-tests");
        m_strips = {Strip(0, 160), Strip(1, 160), Strip(2, 160), Strip(0, 8)};
        for (UINT index = 0; index < m_strips.size(); ++index)
            ASSERT_TRUE(AddResource(m_module, RT_BITMAP, MAKEINTRESOURCE(kNormalBitmap + index),
                                    m_strips[index].data(),
                                    static_cast<DWORD>(m_strips[index].size())));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
        frame = new SurveyFrame; // deletes itself with its window
        ASSERT_TRUE(frame->Create(nullptr, "Survey", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 600, 300)));
        ASSERT_TRUE(bar.CreateEx(frame));
        std::vector<UINT> ids;
        for (UINT index = 0; index < kButtons; ++index)
            ids.push_back(kFirstButton + index);
        ASSERT_TRUE(bar.SetButtons(ids.data(), kButtons));
        frame->RecalcLayout();
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        app.m_pMainWnd = nullptr;
        bar.DestroyWindow();
        if (IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    CRect Item(UINT id) const {
        CRect rect;
        bar.GetItemRect(bar.CommandToIndex(id), &rect);
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
    // The top-left pixel of the picture of button `id`, as the toolbar centres it.
    POINT PictureCorner(UINT id) const {
        const CRect face = Item(id);
        return POINT{face.left + (24 - 16) / 2, face.top + (face.Height() - 16) / 2};
    }
    HIMAGELIST List(UINT message) const {
        return reinterpret_cast<HIMAGELIST>(bar.SendMessage(message));
    }
    // Clicks the drop-down arrow of button `id`. A menu the user expects is written down
    // and Backscatter chosen in it; one the user does not expect is dismissed.
    void ClickArrow(UINT id, bool expectMenu, std::vector<CRect>& menus) {
        CScriptedUser user;
        const CRect button = Item(id);
        user.ClickAt(OnScreen(POINT{button.right - 3, button.top + 8}));
        if (expectMenu)
            user.Then([&menus](HWND menuWindow) {
                    CRect where;
                    GetWindowRect(menuWindow, &where);
                    menus.push_back(where);
                    return ModalAction::Acted;
                })
                .ChooseMenuItem("Backscatter");
        EXPECT_TRUE(user.ActIn(*frame, {}, 2000));
    }

    CWinApp app{"true-colour-toolbar-tests"};
    SurveyFrame* frame = nullptr;
    CTrueColorToolBar bar;
    std::vector<std::string> m_strips;
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

} // namespace

TEST_F(TrueColorToolBar, EachSetCutsItsBitmapIntoButtonsWithMagentaTransparent) {
    ASSERT_TRUE(bar.LoadTrueColorToolBar(16, kNormalBitmap, kHotBitmap, kDisabledBitmap));
    ASSERT_NE(List(TB_GETIMAGELIST), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(List(TB_GETIMAGELIST)), kButtons);
    EXPECT_EQ(ImageList_GetImageCount(List(TB_GETHOTIMAGELIST)), kButtons);
    EXPECT_EQ(ImageList_GetImageCount(List(TB_GETDISABLEDIMAGELIST)), kButtons);

    const POINT corner = PictureCorner(kFirstButton + 3);
    EXPECT_EQ(At(CPoint(corner) + CPoint(5, 5)), AsColorRef(Colour(0, 3)));
    EXPECT_EQ(At(corner), GetSysColor(COLOR_3DFACE)); // magenta lets the bar show
    EXPECT_EQ(At(CPoint(corner) + CPoint(15, 0)), AsColorRef(kNearMagenta));

    // The hot picture under the pointer, the disabled one for a disabled button.
    bar.SetButtonStyle(bar.CommandToIndex(kFirstButton + 5), TBBS_BUTTON | TBBS_DISABLED);
    CScriptedUser user;
    user.MouseMove(OnScreen(Item(kFirstButton + 3).CenterPoint()));
    ASSERT_TRUE(user.ActIn(*frame));
    EXPECT_EQ(At(Item(kFirstButton + 3).CenterPoint()), AsColorRef(Colour(1, 3)));
    EXPECT_EQ(At(Item(kFirstButton + 5).CenterPoint()), AsColorRef(Colour(2, 5)));
    EXPECT_EQ(At(Item(kFirstButton + 4).CenterPoint()), AsColorRef(Colour(0, 4)));
}

TEST_F(TrueColorToolBar, NoHotOrDisabledBitmapLeavesThoseSetsAlone) {
    ASSERT_TRUE(bar.LoadTrueColorToolBar(16, kNormalBitmap));
    EXPECT_EQ(List(TB_GETHOTIMAGELIST), nullptr);
    EXPECT_EQ(List(TB_GETDISABLEDIMAGELIST), nullptr);
    ASSERT_TRUE(bar.LoadTrueColorToolBar(16, kNormalBitmap, kHotBitmap));
    const HIMAGELIST hot = List(TB_GETHOTIMAGELIST);
    ASSERT_NE(hot, nullptr);
    ASSERT_TRUE(bar.LoadTrueColorToolBar(32, kHotBitmap, 0, 0));
    EXPECT_EQ(List(TB_GETHOTIMAGELIST), hot);
    EXPECT_EQ(ImageList_GetImageCount(List(TB_GETIMAGELIST)), 5); // whole 32-pixel buttons
    EXPECT_EQ(ImageList_GetImageCount(hot), kButtons);
}

TEST_F(TrueColorToolBar, BitmapsThatCannotBeCutAreRefused) {
    EXPECT_FALSE(bar.LoadTrueColorToolBar(16, kNarrowBitmap));
    EXPECT_EQ(List(TB_GETIMAGELIST), nullptr);
    EXPECT_FALSE(bar.LoadTrueColorToolBar(16, 999));
    EXPECT_FALSE(bar.LoadTrueColorToolBar(0, kNormalBitmap));
    EXPECT_FALSE(bar.LoadTrueColorToolBar(-16, kNormalBitmap));
    EXPECT_FALSE(bar.LoadTrueColorToolBar(161, kNormalBitmap));
    // A set that fails stops the ones after it.
    EXPECT_FALSE(bar.LoadTrueColorToolBar(16, kNormalBitmap, 999, kDisabledBitmap));
    EXPECT_EQ(List(TB_GETDISABLEDIMAGELIST), nullptr);
    CTrueColorToolBar unmade;
    EXPECT_FALSE(unmade.LoadTrueColorToolBar(16, kNormalBitmap));
}

TEST_F(TrueColorToolBar, TheArrowOpensTheLayersMenuBelowTheButtonForItsParent) {
    ASSERT_TRUE(bar.LoadTrueColorToolBar(16, kNormalBitmap));
    const UINT layers = kFirstButton + 2;
    bar.AddDropDownButton(frame, 4711, 0); // no such button: nothing
    EXPECT_FALSE(bar.SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    bar.AddDropDownButton(frame, layers, 0);
    EXPECT_TRUE(bar.SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    EXPECT_TRUE(bar.GetButtonStyle(bar.CommandToIndex(layers)) & TBBS_DROPDOWN);
    EXPECT_EQ(Item(layers).Width(), 24 + 12);

    // Without a menu bar nothing opens.
    std::vector<CRect> menus;
    ClickArrow(layers, false, menus);
    EXPECT_EQ(frame->m_menusOpened, 0);

    GiveMenuBar(*frame, 7);
    frame->RecalcLayout();
    ClickArrow(layers, true, menus);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(frame->m_menusOpened, 1);
    CRect button = Item(layers);
    bar.ClientToScreen(&button);
    EXPECT_EQ(menus[0].TopLeft(), CPoint(button.left, button.bottom));
    EXPECT_EQ(frame->m_commands, std::vector<UINT>{kBackscatter});

    // A second entry for the button changes nothing: the first one found is used.
    bar.AddDropDownButton(frame, layers, 42);
    ClickArrow(layers, true, menus);
    EXPECT_EQ(menus.size(), 2u);

    // An entry with a menu id of its own opens nothing; nor does a first menu too short.
    const UINT other = kFirstButton + 6;
    bar.AddDropDownButton(frame, other, 42);
    ClickArrow(other, false, menus);
    GiveMenuBar(*frame, 5);
    frame->RecalcLayout();
    ClickArrow(layers, false, menus);
    EXPECT_EQ(frame->m_menusOpened, 2);
    EXPECT_EQ(frame->m_commands, (std::vector<UINT>{kBackscatter, kBackscatter}));
}
