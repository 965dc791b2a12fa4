#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/ToolBarCtrl.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kNormal[] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
constexpr COLORREF kHot[] = {RGB(255, 120, 0), RGB(0, 255, 120), RGB(120, 0, 255),
                             RGB(255, 255, 120)};
constexpr COLORREF kDisabled[] = {RGB(90, 90, 90), RGB(100, 100, 100), RGB(110, 110, 110),
                                  RGB(120, 120, 120)};

enum : int { kOpen = 101, kSave = 102, kPrint = 103, kLayers = 104 };

// Images of 16 x 15 pixels, each one colour.
HIMAGELIST SolidImages(const COLORREF (&colors)[4]) {
    constexpr int kWidth = 16;
    constexpr int kHeight = 15;
    const HIMAGELIST list = ImageList_Create(kWidth, kHeight, ILC_COLOR24 | ILC_MASK, 4, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap strip;
    strip.CreateBitmap(kWidth * 4, kHeight, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&strip);
    for (int index = 0; index < 4; ++index) {
        const CRect image(index * kWidth, 0, (index + 1) * kWidth, kHeight);
        dc.FillSolidRect(&image, colors[index]);
    }
    dc.SelectObject(old);
    ImageList_AddMasked(list, strip, RGB(255, 0, 255));
    return list;
}

// The toolbar's parent: records commands and notifications, and may refuse a new hot
// button.
class Owner : public CWnd {
public:
    Owner() { CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 60, 60, 320, 120, nullptr, nullptr); }
    ~Owner() override { DestroyWindow(); }

    std::vector<std::pair<int, int>> m_commands; // id, code
    HWND m_commandFrom = nullptr;
    std::vector<NMTOOLBAR> m_dropDowns;
    std::vector<NMTBHOTITEM> m_hotChanges;
    bool m_refuseHot = false;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        m_commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        m_commandFrom = reinterpret_cast<HWND>(lParam);
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TBN_DROPDOWN)
            m_dropDowns.push_back(*reinterpret_cast<const NMTOOLBAR*>(lParam));
        if (header->code == TBN_HOTITEMCHANGE) {
            m_hotChanges.push_back(*reinterpret_cast<const NMTBHOTITEM*>(lParam));
            *result = m_refuseHot;
        }
        return TRUE;
    }
};

TBBUTTON Button(int image, int id, BYTE state, BYTE style) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = id;
    button.fsState = state;
    button.fsStyle = style;
    return button;
}

// Open, a separator, Save (a check button), Print (disabled) and Layers (a drop-down).
class ToolBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            m_bar.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 0, 0), &m_owner, 77));
        const TBBUTTON buttons[] = {
            Button(0, kOpen, TBSTATE_ENABLED, TBSTYLE_BUTTON), Button(0, 0, 0, TBSTYLE_SEP),
            Button(1, kSave, TBSTATE_ENABLED, TBSTYLE_CHECK), Button(2, kPrint, 0, TBSTYLE_BUTTON),
            Button(3, kLayers, TBSTATE_ENABLED, TBSTYLE_DROPDOWN)};
        ASSERT_TRUE(m_bar.AddButtons(5, buttons));
        m_bar.AutoSize();
    }
    void TearDown() override {
        m_bar.DestroyWindow();
        for (HIMAGELIST list : m_lists)
            ImageList_Destroy(list);
    }

    CRect Item(int index) const {
        CRect rect;
        m_bar.GetItemRect(index, &rect);
        return rect;
    }
    POINT OnScreen(POINT point) const {
        m_bar.ClientToScreen(&point);
        return point;
    }
    COLORREF At(POINT point) {
        m_bar.UpdateWindow();
        const HDC hdc = ::GetDC(m_bar);
        const COLORREF color = ::GetPixel(hdc, point.x, point.y);
        ::ReleaseDC(m_bar, hdc);
        return color;
    }
    void UseImages() {
        m_lists = {SolidImages(kNormal), SolidImages(kHot), SolidImages(kDisabled)};
        SendMessage(m_bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_lists[0]));
        SendMessage(m_bar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(m_lists[1]));
        SendMessage(m_bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(m_lists[2]));
    }
    bool Act(CScriptedUser& user) { return user.ActIn(m_owner); }

    Owner m_owner;
    CToolBarCtrl m_bar;
    std::vector<HIMAGELIST> m_lists;
};

TEST_F(ToolBar, ButtonsStandInARowAndAreFoundByIdOrIndex) {
    CRect window;
    m_bar.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(60, 60, 380, 60 + 22 + 4)); // along the top of its parent
    EXPECT_EQ(m_bar.GetButtonCount(), 5);
    EXPECT_EQ(m_bar.GetButtonSize(), CSize(24, 22));
    EXPECT_EQ(Item(0), CRect(2, 2, 26, 24));
    EXPECT_EQ(Item(1), CRect(26, 2, 34, 24));
    EXPECT_EQ(Item(4), CRect(82, 2, 106, 24));
    CRect byId;
    ASSERT_TRUE(m_bar.GetRect(kLayers, &byId));
    EXPECT_EQ(byId, Item(4));
    EXPECT_EQ(m_bar.CommandToIndex(kPrint), 3);

    // Arrows widen the drop-down buttons; a hidden button makes room.
    EXPECT_EQ(m_bar.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS), 0u);
    EXPECT_EQ(Item(4), CRect(82, 2, 118, 24));
    ASSERT_TRUE(m_bar.HideButton(kSave));
    EXPECT_TRUE(m_bar.IsButtonHidden(kSave));
    EXPECT_EQ(Item(3), CRect(34, 2, 58, 24));
    POINT inside{40, 10};
    EXPECT_EQ(m_bar.HitTest(&inside), 3);

    // A list's image size sets the buttons' size, unless they were given one.
    UseImages();
    EXPECT_EQ(m_bar.GetButtonSize(), CSize(24, 22));
    ASSERT_TRUE(m_bar.SetButtonSize(CSize(30, 28)));
    EXPECT_EQ(Item(0), CRect(2, 2, 32, 30));
    SIZE row{};
    m_bar.GetMaxSize(&row);
    EXPECT_EQ(CSize(row), CSize(30 + 8 + 30 + 42, 28));

    TBBUTTONINFO info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE | TBIF_IMAGE;
    EXPECT_EQ(SendMessage(m_bar, TB_GETBUTTONINFO, kLayers, reinterpret_cast<LPARAM>(&info)), 4);
    EXPECT_EQ(info.fsStyle, TBSTYLE_DROPDOWN);
    EXPECT_EQ(info.iImage, 3);
    info.iImage = 0;
    ASSERT_TRUE(m_bar.SetButtonInfo(kLayers, &info));
    TBBUTTON button{};
    ASSERT_TRUE(m_bar.GetButton(4, &button));
    EXPECT_EQ(button.iBitmap, 0);

    // What is not there is refused, without harm.
    CRect none;
    EXPECT_FALSE(m_bar.GetRect(999, &none));
    EXPECT_FALSE(m_bar.GetItemRect(-1, &none));
    EXPECT_FALSE(m_bar.GetItemRect(5, &none));
    EXPECT_FALSE(m_bar.GetItemRect(2, &none)); // hidden
    EXPECT_EQ(m_bar.CommandToIndex(999), -1);
    EXPECT_FALSE(m_bar.EnableButton(999));
    EXPECT_EQ(m_bar.GetState(999), -1);
    EXPECT_FALSE(m_bar.GetButtonInfo(999, &info));
    EXPECT_FALSE(m_bar.GetButton(9, &button));
    EXPECT_FALSE(m_bar.DeleteButton(5));
    EXPECT_FALSE(m_bar.AddButtons(1, nullptr));
    ASSERT_TRUE(m_bar.DeleteButton(0));
    EXPECT_EQ(m_bar.GetButtonCount(), 4);
    EXPECT_EQ(m_bar.CommandToIndex(kOpen), -1);
}

TEST_F(ToolBar, ClicksReachTheOwnerAndCheckButtonsTurnOver) {
    CScriptedUser user;
    user.ClickAt(OnScreen(Item(0).CenterPoint()))
        .ClickAt(OnScreen(Item(2).CenterPoint()))
        .ClickAt(OnScreen(Item(3).CenterPoint())) // disabled: nothing
        .ClickAt(OnScreen(Item(1).CenterPoint())) // the separator: nothing
        .Drag({OnScreen(Item(0).CenterPoint()), OnScreen(POINT{150, 60})}); // let go outside
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_owner.m_commands,
              (std::vector<std::pair<int, int>>{{kOpen, BN_CLICKED}, {kSave, BN_CLICKED}}));
    EXPECT_EQ(m_owner.m_commandFrom, m_bar.m_hWnd);
    EXPECT_TRUE(m_bar.IsButtonChecked(kSave));
    EXPECT_FALSE(m_bar.IsButtonPressed(kOpen));

    m_bar.EnableButton(kPrint);
    user.ClickAt(OnScreen(Item(2).CenterPoint())).ClickAt(OnScreen(Item(3).CenterPoint()));
    ASSERT_TRUE(Act(user));
    EXPECT_FALSE(m_bar.IsButtonChecked(kSave));
    EXPECT_EQ(m_owner.m_commands.back(), std::make_pair(static_cast<int>(kPrint), BN_CLICKED));
    EXPECT_TRUE(m_owner.m_dropDowns.empty());
}

TEST_F(ToolBar, TheButtonUnderThePointerShowsItsHotPicture) {
    UseImages();
    EXPECT_EQ(m_bar.GetHotItem(), -1);
    EXPECT_EQ(At(Item(0).CenterPoint()), kNormal[0]);
    EXPECT_EQ(At(Item(2).CenterPoint()), kNormal[1]);
    EXPECT_EQ(At(Item(3).CenterPoint()), kDisabled[2]); // Print is disabled

    CScriptedUser user;
    user.MouseMove(OnScreen(Item(0).CenterPoint()));
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_bar.GetHotItem(), 0);
    EXPECT_EQ(At(Item(0).CenterPoint()), kHot[0]);
    EXPECT_EQ(At(Item(2).CenterPoint()), kNormal[1]);
    EXPECT_NE(At(CPoint(Item(0).left, Item(0).top)), GetSysColor(COLOR_3DFACE)); // raised

    // A disabled button never becomes hot; leaving the toolbar leaves no hot button.
    user.MouseMove(OnScreen(Item(3).CenterPoint()));
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_bar.GetHotItem(), -1);
    user.MouseMove(OnScreen(Item(4).CenterPoint())).MouseMove(OnScreen(POINT{150, 80}));
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_bar.GetHotItem(), -1);
    EXPECT_EQ(At(Item(4).CenterPoint()), kNormal[3]);
    ASSERT_GE(m_owner.m_hotChanges.size(), 3u);
    EXPECT_EQ(m_owner.m_hotChanges[0].idOld, 0);
    EXPECT_EQ(m_owner.m_hotChanges[0].idNew, kOpen);
    EXPECT_TRUE(m_owner.m_hotChanges.back().dwFlags & HICF_LEAVING);

    // The owner may keep a button from becoming hot; without the hot list the normal
    // picture shows.
    m_owner.m_refuseHot = true;
    user.MouseMove(OnScreen(Item(2).CenterPoint()));
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_bar.GetHotItem(), -1);
    m_owner.m_refuseHot = false;
    SendMessage(m_bar, TB_SETHOTIMAGELIST, 0, 0);
    EXPECT_EQ(m_bar.SetHotItem(0), -1);
    EXPECT_EQ(At(Item(0).CenterPoint()), kNormal[0]);

    // A toolbar that is not flat tracks nothing.
    m_bar.SetHotItem(-1);
    m_bar.ModifyStyle(TBSTYLE_FLAT, 0);
    user.MouseMove(OnScreen(Item(0).CenterPoint()));
    ASSERT_TRUE(Act(user));
    EXPECT_EQ(m_bar.GetHotItem(), -1);
}

TEST_F(ToolBar, DropDownButtonsAskTheOwnerWhatToOpen) {
    // Without arrows the whole button drops down.
    CScriptedUser user;
    user.ClickAt(OnScreen(Item(4).CenterPoint()));
    ASSERT_TRUE(Act(user));
    ASSERT_EQ(m_owner.m_dropDowns.size(), 1u);
    EXPECT_EQ(m_owner.m_dropDowns[0].iItem, kLayers);
    EXPECT_EQ(m_owner.m_dropDowns[0].hdr.hwndFrom, m_bar.m_hWnd);
    EXPECT_EQ(m_owner.m_dropDowns[0].hdr.idFrom, 77u);
    EXPECT_EQ(CRect(m_owner.m_dropDowns[0].rcButton), Item(4));
    EXPECT_TRUE(m_owner.m_commands.empty());

    // With arrows, only the arrow drops down; the face is a button of its own.
    m_bar.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    const CRect layers = Item(4);
    user.ClickAt(OnScreen(POINT{layers.right - 4, layers.top + 8}))
        .ClickAt(OnScreen(POINT{layers.left + 8, layers.top + 8}));
    ASSERT_TRUE(Act(user));
    ASSERT_EQ(m_owner.m_dropDowns.size(), 2u);
    EXPECT_EQ(CRect(m_owner.m_dropDowns[1].rcButton), layers);
    EXPECT_EQ(m_owner.m_commands, (std::vector<std::pair<int, int>>{{kLayers, BN_CLICKED}}));
}

} // namespace
