#include "tests/TestWindowClass.h"

#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/Wnd.h"
#include "vornui/platform/internal/CustomDraw.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kRowHeight = 10;
constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 220);
constexpr COLORREF kGreen = RGB(0, 180, 0);

void Fill(HDC hdc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

// The fonts the rows below were painted with, and the font after each row.
std::vector<HGDIOBJ> g_rowFonts;
std::vector<HGDIOBJ> g_fontsAfter;

// A control of three rows that paints as a list view does: each row in the DC's text
// colour, its right half as a subitem, with the parent's custom drawing.
LRESULT CALLBACK RowsProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    Fill(dc, client, RGB(255, 255, 255));
    CustomDraw<CustomDrawRecord> draw(hwnd, dc, client);
    for (int row = 0; row < 3 && !draw.skipsAll(); ++row) {
        const RECT rect{0, row * kRowHeight, client.right, (row + 1) * kRowHeight};
        CustomDrawRecord record =
            draw.item(static_cast<DWORD_PTR>(row), row == 1 ? CDIS_SELECTED : 0, 100 + row, rect);
        SetTextColor(dc, RGB(0, 0, 0));
        {
            CustomDraw<CustomDrawRecord>::Item item(draw, record, CDDS_ITEM);
            if (item.skipped())
                continue;
            g_rowFonts.push_back(GetCurrentObject(dc, OBJ_FONT));
            Fill(dc, RECT{0, rect.top, client.right / 2, rect.bottom}, GetTextColor(dc));
            CustomDrawRecord subitem = record;
            CustomDraw<CustomDrawRecord>::Item sub(draw, subitem, CDDS_ITEM | CDDS_SUBITEM,
                                                   item.notifiesSubitems());
            if (!sub.skipped())
                Fill(dc, RECT{client.right / 2, rect.top, client.right, rect.bottom},
                     GetTextColor(dc));
        }
        g_fontsAfter.push_back(GetCurrentObject(dc, OBJ_FONT));
    }
    EndPaint(hwnd, &paint);
    return 0;
}

struct Stage {
    DWORD stage;
    DWORD_PTR item;
    UINT state;
    LPARAM param;
};

// The client: it colours row 1 red with a subitem in blue, paints row 2 itself in green.
class Client : public CWnd {
public:
    Client() {
        CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr);
        m_rows = CreateWindow(TestWindowClass("TestRows", RowsProcedure), "", WS_CHILD | WS_VISIBLE,
                              0, 0, 60, 3 * kRowHeight, m_hWnd, reinterpret_cast<HMENU>(5), nullptr,
                              nullptr);
        m_font = CreateFont(20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
        at(0, 0); // paints what waits, the host first, so that each repaint paints once
    }
    ~Client() override {
        DestroyWindow();
        DeleteObject(m_font);
    }
    COLORREF at(int x, int y) const {
        const HDC dc = ::GetDC(m_rows);
        const COLORREF color = GetPixel(dc, x, y);
        ::ReleaseDC(m_rows, dc);
        return color;
    }
    void repaint() {
        m_stages.clear();
        g_rowFonts.clear();
        g_fontsAfter.clear();
        ::InvalidateRect(m_rows, nullptr, TRUE);
        ::UpdateWindow(m_rows);
    }

    HWND m_rows = nullptr;
    HFONT m_font = nullptr;
    DWORD m_prepaintAnswer = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    std::vector<Stage> m_stages;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
        if (draw->hdr.code != static_cast<UINT>(NM_CUSTOMDRAW))
            return CWnd::OnNotify(wParam, lParam, result);
        EXPECT_EQ(draw->hdr.hwndFrom, m_rows);
        EXPECT_EQ(wParam, 5u);
        m_stages.push_back(
            {draw->dwDrawStage, draw->dwItemSpec, draw->uItemState, draw->lItemlParam});
        *result = answer(*draw);
        return TRUE;
    }

private:
    LRESULT answer(NMCUSTOMDRAW& draw) {
        switch (draw.dwDrawStage) {
        case CDDS_PREPAINT:
            return m_prepaintAnswer;
        case CDDS_ITEMPREPAINT:
            if (draw.dwItemSpec == 1) {
                SetTextColor(draw.hdc, kRed);
                SelectObject(draw.hdc, m_font);
                return CDRF_NEWFONT | CDRF_NOTIFYSUBITEMDRAW;
            }
            if (draw.dwItemSpec == 2) {
                Fill(draw.hdc, draw.rc, kGreen);
                return CDRF_SKIPDEFAULT;
            }
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            SetTextColor(draw.hdc, kBlue);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
        }
    }
};

} // namespace

TEST(CustomDraw, TheClientColoursOneItemAndPaintsAnother) {
    Client client;
    client.repaint();
    EXPECT_EQ(client.at(10, 5), RGB(0, 0, 0)); // row 0 as the control paints it
    EXPECT_EQ(client.at(10, 15), kRed);        // row 1 in the client's colour
    EXPECT_EQ(client.at(50, 15), kBlue);       // and its subitem in another
    EXPECT_EQ(client.at(10, 25), kGreen);      // row 2 painted by the client
    EXPECT_EQ(client.at(50, 25), kGreen);

    const std::vector<DWORD> expected = {CDDS_PREPAINT,     CDDS_ITEMPREPAINT,
                                         CDDS_ITEMPREPAINT, CDDS_ITEMPREPAINT | CDDS_SUBITEM,
                                         CDDS_ITEMPREPAINT, CDDS_POSTPAINT};
    std::vector<DWORD> stages;
    for (const Stage& stage : client.m_stages)
        stages.push_back(stage.stage);
    EXPECT_EQ(stages, expected);
    ASSERT_EQ(client.m_stages.size(), expected.size());
    EXPECT_EQ(client.m_stages[2].item, 1u);
    EXPECT_EQ(client.m_stages[2].state, static_cast<UINT>(CDIS_SELECTED));
    EXPECT_EQ(client.m_stages[2].param, 101);
    EXPECT_EQ(client.m_stages[3].item, 1u);

    // Row 1 was painted with the client's font, and the control's came back after it.
    ASSERT_EQ(g_rowFonts.size(), 2u);
    EXPECT_EQ(g_rowFonts[1], client.m_font);
    ASSERT_EQ(g_fontsAfter.size(), 2u); // row 2 was skipped
    EXPECT_EQ(g_fontsAfter[1], g_rowFonts[0]);
}

TEST(CustomDraw, TheControlAsksOnlyForWhatTheClientWants) {
    Client client;
    client.m_prepaintAnswer = CDRF_DODEFAULT;
    client.repaint();
    ASSERT_EQ(client.m_stages.size(), 1u); // no items, no post-paint
    EXPECT_EQ(client.at(10, 15), RGB(0, 0, 0));
    EXPECT_EQ(client.at(10, 25), RGB(0, 0, 0));

    client.m_prepaintAnswer = CDRF_SKIPDEFAULT;
    client.repaint();
    ASSERT_EQ(client.m_stages.size(), 1u);
    EXPECT_EQ(client.at(10, 5), RGB(255, 255, 255)); // the control drew no rows

    client.m_prepaintAnswer = CDRF_NOTIFYITEMDRAW;
    client.repaint();
    EXPECT_EQ(client.m_stages.size(), 5u); // items and the subitem, no post-paint
}
