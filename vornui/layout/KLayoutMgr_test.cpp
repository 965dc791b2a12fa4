#include "vornui/layout/KLayoutMgr.h"
#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

namespace {

enum : UINT {
    IDC_LABEL = 100,
    IDC_NAME,
    IDC_BROWSE,
    IDC_GROUP,
    IDC_CHECK1,
    IDC_CHECK2,
    IDC_TAB,
    IDC_PAGE_EDIT,
    IDC_COMBO,
    IDC_WIDE,
    IDC_OK = 1,
    IDC_CANCEL = 2,
};

// A top-level window with child controls, the way a dialog holds them.
class Host {
public:
    Host() {
        m_frame.CreateEx(0, "Static", "host", WS_POPUP | WS_VISIBLE, 50, 60, 400, 300, nullptr,
                         nullptr);
    }
    ~Host() { m_frame.DestroyWindow(); }

    HWND add(const char* className, UINT id, DWORD style, int x, int y, int width, int height,
             const char* text = "") {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                              height, m_frame.m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
    // The control's rectangle in the host's client coordinates.
    CRect rectOf(UINT id) const {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(m_frame.m_hWnd, static_cast<int>(id)), &rc);
        m_frame.ScreenToClient(&rc);
        return rc;
    }
    CWnd* wnd() { return &m_frame; }

private:
    CWnd m_frame;
};

} // namespace

TEST(KLayoutMgr, LeavesTakeTheirSizesAndMinimaFromTheControls) {
    Host host;
    host.add("Edit", IDC_NAME, 0, 10, 10, 120, 21);
    KLayoutMgr layout(host.wnd());

    KLayoutMgr::CPaneBase current = layout.item(IDC_NAME, layGreedy, 0, 0, -1, -1);
    EXPECT_EQ(current->getMinConstrainHorz(), 120);
    EXPECT_EQ(current->getMinConstrainVert(), 21);
    EXPECT_EQ(current->getConstrainHorz(300), -1);
    EXPECT_EQ(layout.item(IDC_NAME, layGreedy, 0, 0, 2, 2)->getMinConstrainHorz(), 5);

    KLayoutMgr::CPaneBase relative = layout.item(IDC_NAME, layRelativeHorz, 25, 0, 0, 0);
    EXPECT_EQ(relative->getConstrainHorz(399), 99);
    EXPECT_EQ(relative->getConstrainHorz(-8), -2);
    EXPECT_EQ(relative->getMaxConstrainHorz(), -1);
    EXPECT_EQ(relative->getConstrainVert(100), -1);

    KLayoutMgr::CPaneBase fixed = layout.item(IDC_NAME, layFixedSize);
    EXPECT_EQ(fixed->getConstrainHorz(0), 120);
    EXPECT_EQ(fixed->getMaxConstrainVert(), 21);

    KLayoutMgr::CPaneBase growing = layout.itemGrowing(layHorizontal);
    EXPECT_EQ(growing->modeResize(), layAbsoluteVert);
    EXPECT_EQ(growing->getMinConstrainHorz(), 5);
    EXPECT_EQ(growing->getConstrainVert(50), 0);

    // An id with no control gives a spacer that keeps the given sizes and places nothing.
    KLayoutMgr::CPaneBase missing = layout.item(999, layFixedSize, 33, 44);
    EXPECT_TRUE(static_cast<KLayoutMgr::PaneItem*>(missing.GetPaneBase())->isDummy());
    EXPECT_EQ(missing->getConstrainHorz(0), 33);
    CRect anywhere(0, 0, 10, 10);
    EXPECT_TRUE(missing->resizeTo(anywhere));
}

TEST(KLayoutMgr, FixedControlsSitInTheirCellsByTheirAlignment) {
    Host host;
    host.add("Button", IDC_OK, BS_PUSHBUTTON, 0, 0, 30, 14, "OK");
    KLayoutMgr layout(host.wnd());

    CRect cell(100, 50, 145, 90);
    layout.item(IDC_OK, layFixedSize | layAlignHCenter | layAlignBottom)->resizeTo(cell);
    EXPECT_EQ(host.rectOf(IDC_OK), CRect(107, 76, 137, 90));

    cell = CRect(100, 50, 145, 90);
    layout.item(IDC_OK, layFixedSize | layAlignRight | layAlignVCenter)->resizeTo(cell);
    EXPECT_EQ(host.rectOf(IDC_OK), CRect(115, 63, 145, 77));

    cell = CRect(100, 50, 145, 90);
    layout.item(IDC_OK, layFixedSize | layFillHorz)->resizeTo(cell);
    EXPECT_EQ(host.rectOf(IDC_OK), CRect(100, 50, 145, 64));
}

TEST(KLayoutMgr, SubPanesAlternateOrientationAndTakeTheirSecondarySize) {
    Host host;
    host.add("Button", IDC_OK, BS_PUSHBUTTON, 0, 0, 80, 20);
    host.add("Button", IDC_CANCEL, BS_PUSHBUTTON, 0, 0, 60, 20);
    KLayoutMgr layout(host.wnd());

    KLayoutMgr::CPane empty = layout.pane(layHorizontal, layGreedy, 5, 0);
    EXPECT_EQ(empty->getMinConstrainHorz(), -5);
    EXPECT_EQ(empty->getMaxConstrainHorz(), -1);

    KLayoutMgr::CPane column = layout.pane(layVertical, layGreedy, 5, 2)
                               << layout.item(IDC_OK, layFixedSize)
                               << layout.item(IDC_CANCEL, layFixedSize);
    KLayoutMgr::CPane row = layout.pane(layHorizontal);
    row->addPane(column, layAbsoluteHorz, 0);
    EXPECT_EQ(column->getSizeSecondary(), 84); // its own minimum width when it was added
    EXPECT_EQ(column->getMinConstrainHorz(), 84);
    KLayoutMgr::CPane second = layout.pane(layVertical) << layout.item(IDC_OK, layFixedSize);
    row->addPane(second, layAbsoluteHorz, 120);
    EXPECT_EQ(second->getMaxConstrainHorz(), 120);
    EXPECT_EQ(row->getMinConstrainHorz(), 84 + 5 + 120);

    // Same orientation: the sub-pane goes into a vertical wrapper, which takes the mode and
    // size; the sub-pane itself stays as it was.
    KLayoutMgr::CPane inner = layout.pane(layHorizontal, layGreedy, 7, 0)
                              << layout.item(IDC_OK, layFixedSize)
                              << layout.item(IDC_CANCEL, layFixedSize);
    KLayoutMgr::CPane outer = layout.pane(layHorizontal, layGreedy, 5, 0);
    outer->addPane(inner, layAbsoluteHorz, 0);
    EXPECT_EQ(inner->modeResize(), layGreedy);
    EXPECT_EQ(inner->getSizeSecondary(), 0);
    EXPECT_EQ(outer->getMinConstrainHorz(), 80 + 7 + 60);
    EXPECT_EQ(outer->getMaxConstrainHorz(), 80 + 7 + 60);
}

TEST(KLayoutMgr, StreamBuiltDialogLaysOutAtEverySize) {
    Host host;
    host.add("Static", IDC_LABEL, SS_LEFT, 0, 0, 50, 14, "Name:");
    host.add("Edit", IDC_NAME, 0, 0, 0, 100, 21);
    host.add("Button", IDC_BROWSE, BS_PUSHBUTTON, 0, 0, 75, 23, "Browse...");
    host.add("Button", IDC_GROUP, BS_GROUPBOX, 0, 0, 200, 80, "Options");
    host.add("Button", IDC_CHECK1, BS_AUTOCHECKBOX, 0, 0, 90, 16, "First");
    host.add("Button", IDC_CHECK2, BS_AUTOCHECKBOX, 0, 0, 90, 16, "Second");
    host.add("Button", IDC_OK, BS_DEFPUSHBUTTON, 0, 0, 75, 23, "OK");
    host.add("Button", IDC_CANCEL, BS_PUSHBUTTON, 0, 0, 75, 23, "Cancel");
    KLayoutMgr layout(host.wnd());

    KLayoutMgr::CPane root =
        layout.CreateRoot(layVertical, 5, 5)
        << (layout.pane(layHorizontal, layAbsoluteVert)
            << layout.item(IDC_LABEL, layFixedSize | layAlignVCenter)
            << layout.item(IDC_NAME, layAbsoluteVert) << layout.item(IDC_BROWSE, layFixedSize))
        << (layout.paneCtrl(IDC_GROUP, layVertical, layGreedy, 4, 8, 10)
            << layout.item(IDC_CHECK1, layAbsoluteVert) << layout.item(IDC_CHECK2, layAbsoluteVert)
            << layout.itemGrowing(layVertical))
        << (layout.pane(layHorizontal, layAbsoluteVert)
            << layout.itemGrowing(layHorizontal) << layout.item(IDC_OK, layFixedSize)
            << layout.item(IDC_CANCEL, layFixedSize));

    for (const CSize size : {CSize(400, 300), CSize(600, 420)}) {
        CRect area(0, 0, size.cx, size.cy);
        ASSERT_TRUE(root->resizeTo(area));
        const int right = size.cx - 5;
        SCOPED_TRACE(size.cx);
        EXPECT_EQ(host.rectOf(IDC_LABEL), CRect(5, 9, 55, 23));
        EXPECT_EQ(host.rectOf(IDC_NAME), CRect(60, 5, right - 80, 26));
        EXPECT_EQ(host.rectOf(IDC_BROWSE), CRect(right - 75, 5, right, 28));
        EXPECT_EQ(host.rectOf(IDC_OK), CRect(right - 155, size.cy - 28, right - 80, size.cy - 5));
        EXPECT_EQ(host.rectOf(IDC_CANCEL), CRect(right - 75, size.cy - 28, right, size.cy - 5));
        const CRect group = host.rectOf(IDC_GROUP);
        EXPECT_EQ(group, CRect(5, 33, right, size.cy - 33));
        EXPECT_EQ(host.rectOf(IDC_CHECK1), CRect(13, 33 + 10 + 8, right - 8, 33 + 10 + 8 + 16));
        EXPECT_EQ(host.rectOf(IDC_CHECK2),
                  CRect(13, 33 + 10 + 8 + 20, right - 8, 33 + 10 + 8 + 36));
    }
    EXPECT_EQ(root->getMinConstrainHorz(), 10 + 50 + 5 + 100 + 5 + 75);
}

TEST(KLayoutMgr, TabPanesPlaceTheirItemsInTheDisplayArea) {
    Host host;
    host.add(WC_TABCONTROL, IDC_TAB, 0, 0, 0, 200, 150);
    host.add("Edit", IDC_PAGE_EDIT, 0, 0, 0, 100, 21);
    CTabCtrl tab;
    tab.Attach(::GetDlgItem(host.wnd()->m_hWnd, IDC_TAB));
    tab.InsertItem(0, "General");
    KLayoutMgr layout(host.wnd());

    CRect frame(0, 0, 0, 0);
    tab.AdjustRect(TRUE, &frame);
    const CSize overhead = frame.Size();

    KLayoutMgr::CPane tabPane = layout.paneTab(&tab, layVertical, layGreedy, 5, 3)
                                << layout.item(IDC_PAGE_EDIT, layAbsoluteVert);
    EXPECT_EQ(tabPane->getMinConstrainHorz(), overhead.cx + 100 + 6);
    EXPECT_EQ(tabPane->getConstrainHorz(1), overhead.cx);
    EXPECT_EQ(tabPane->getMaxConstrainHorz(), -1);

    CRect area(10, 10, 310, 210);
    tabPane->resizeTo(area);
    CRect display(10, 10, 310, 210);
    tab.AdjustRect(FALSE, &display);
    EXPECT_EQ(host.rectOf(IDC_TAB), CRect(10, 10, 310, 210));
    EXPECT_EQ(host.rectOf(IDC_PAGE_EDIT),
              CRect(display.left + 3, display.top + 3, display.right - 3, display.top + 24));
    tab.Detach();
}

TEST(KLayoutMgr, SpacersMeasureThemselvesOnOtherControls) {
    Host host;
    host.add("Button", IDC_OK, BS_PUSHBUTTON, 20, 10, 75, 23);
    host.add("Button", IDC_CANCEL, BS_PUSHBUTTON, 125, 50, 75, 23);
    host.add("Button", IDC_WIDE, BS_PUSHBUTTON, 60, 40, 100, 40);
    KLayoutMgr layout(host.wnd());

    EXPECT_EQ(layout.itemFixed(layVertical, 12)->getConstrainVert(0), 12);
    EXPECT_EQ(layout.itemFixed(layVertical, 12)->getConstrainHorz(0), 0);
    EXPECT_EQ(layout.itemSpaceLike(layHorizontal, IDC_WIDE)->getConstrainHorz(0), 100);
    EXPECT_EQ(
        layout.itemSpaceLike(layVertical, host.wnd()->GetDlgItem(IDC_WIDE))->getConstrainVert(0),
        40);
    // 30 pixels apart, less the usual double spacing.
    EXPECT_EQ(layout.itemSpaceBetween(layHorizontal, IDC_OK, IDC_CANCEL)->getConstrainHorz(0), 20);
    EXPECT_EQ(layout.itemSpaceBetween(layVertical, IDC_OK, IDC_CANCEL)->getConstrainVert(0), 7);
    // Overlapping controls: the distance between their leading edges.
    EXPECT_EQ(layout.itemSpaceBetween(layHorizontal, IDC_OK, IDC_WIDE)->getConstrainHorz(0), 40);

    KLayoutMgr::CPane row = layout.pane(layHorizontal, layGreedy, 0, 0);
    row->addItemFixed(7);
    row->addItemSpaceLike(IDC_OK);
    row->addItemSpaceBetween(IDC_OK, IDC_CANCEL);
    row->addItemGrowing();
    EXPECT_EQ(row->getMinConstrainHorz(), 7 + 75 + 20 + 5);
}

TEST(KLayoutMgr, DropDownComboBoxesKeepTheirHeight) {
    Host host;
    host.add("ComboBox", IDC_COMBO, CBS_DROPDOWNLIST, 0, 0, 120, 200);
    const int fieldHeight = host.rectOf(IDC_COMBO).Height();
    KLayoutMgr layout(host.wnd());
    CRect cell(5, 5, 205, 305);
    layout.item(IDC_COMBO, layGreedy)->resizeTo(cell);
    EXPECT_EQ(host.rectOf(IDC_COMBO), CRect(5, 5, 205, 5 + fieldHeight));
}

TEST(KLayoutMgr, SimpleComboBoxesEndWhereTheirListEnds) {
    Host host;
    host.add("ComboBox", IDC_COMBO, CBS_SIMPLE, 0, 0, 120, 100);
    host.add("ComboBox", IDC_WIDE, CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, 0, 0, 120, 100);
    const HWND combo = ::GetDlgItem(host.wnd()->m_hWnd, IDC_COMBO);
    const int itemHeight = static_cast<int>(::SendMessage(combo, CB_GETITEMHEIGHT, 0, 0));
    const HWND list = ::GetDlgItem(combo, IDC_COMBO_LIST);
    KLayoutMgr layout(host.wnd());
    const auto layOut = [&](int bottom) {
        CRect cell(5, 5, 205, bottom);
        layout.item(IDC_COMBO, layGreedy)->resizeTo(cell);
        return host.rectOf(IDC_COMBO);
    };

    // Whatever the cell, the box ends exactly at its list's last whole row.
    const int fitting = layOut(200).bottom;
    CRect shown;
    ::GetWindowRect(list, &shown);
    host.wnd()->ScreenToClient(&shown);
    EXPECT_EQ(shown.bottom, fitting);
    EXPECT_GT(fitting, 200 - itemHeight);
    for (int spare = 0; spare < itemHeight; ++spare)
        EXPECT_EQ(layOut(fitting + spare), CRect(5, 5, 205, fitting)) << spare;
    EXPECT_EQ(layOut(fitting + itemHeight), CRect(5, 5, 205, fitting + itemHeight));

    CRect loose(5, 5, 205, 206);
    layout.item(IDC_WIDE, layGreedy)->resizeTo(loose);
    EXPECT_EQ(host.rectOf(IDC_WIDE), CRect(5, 5, 205, 206));
}
