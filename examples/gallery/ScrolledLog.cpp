// A window with both scroll bars over a log of soundings, scrolled by the scripted user as
// a person would: the thumb dragged down, the right arrow clicked.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kLines = 400;
constexpr int kLineHeight = 16;
constexpr int kTextWidth = 560; // pixels of the widest line

const char* LogClass() {
    static const char* const name = [] {
        WNDCLASS wc{};
        wc.lpfnWndProc = DefWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = "VornuiGalleryLog";
        RegisterClass(&wc);
        return "VornuiGalleryLog";
    }();
    return name;
}

// One line of text per sounding; the window scrolls by lines down and by pixels across,
// moving what it already painted with ScrollWindowEx.
class SoundingLog : public CWnd {
public:
    BOOL Open() {
        if (!CreateEx(0, LogClass(), "Soundings", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 60,
                      60, 360, 260, nullptr, nullptr))
            return FALSE;
        CRect client;
        GetClientRect(&client);
        SCROLLINFO vertical{sizeof vertical,
                            SIF_ALL,
                            0,
                            kLines - 1,
                            static_cast<UINT>(client.Height() / kLineHeight),
                            0,
                            0};
        SetScrollInfo(SB_VERT, &vertical);
        SCROLLINFO horizontal{
            sizeof horizontal, SIF_ALL, 0, kTextWidth - 1, static_cast<UINT>(client.Width()), 0, 0};
        SetScrollInfo(SB_HORZ, &horizontal);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        dc.SelectObject(static_cast<HGDIOBJ>(GetStockObject(DEFAULT_GUI_FONT)));
        dc.SetBkMode(TRANSPARENT);
        const int top = GetScrollPos(SB_VERT);
        const int left = GetScrollPos(SB_HORZ);
        const CRect update(dc.m_ps.rcPaint);
        for (int row = update.top / kLineHeight; row * kLineHeight < update.bottom; ++row) {
            const int line = top + row;
            if (line >= kLines)
                break;
            char text[96];
            std::snprintf(text, sizeof text,
                          "%04d  12:%02d:%02d  E 512%03d.2  N 6734%03d.8  depth %5.2f m", line + 1,
                          line / 60 % 60, line % 60, line % 1000, (line * 7) % 1000,
                          20.0 + (line % 37) * 0.25);
            dc.TextOut(4 - left, row * kLineHeight, text, static_cast<int>(std::strlen(text)));
        }
    }

    void OnVScroll(UINT code, UINT, CWnd*) override { ScrollTo(SB_VERT, code, 1); }
    void OnHScroll(UINT code, UINT, CWnd*) override { ScrollTo(SB_HORZ, code, 20); }

private:
    void ScrollTo(int bar, UINT code, int line) {
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(bar, &info);
        int pos = info.nPos;
        switch (code) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = info.nTrackPos;
            break;
        default:
            return;
        }
        SetScrollPos(bar, pos);
        const int moved = info.nPos - GetScrollPos(bar);
        if (bar == SB_VERT)
            ::ScrollWindowEx(m_hWnd, 0, moved * kLineHeight, nullptr, nullptr, nullptr, nullptr,
                             SW_INVALIDATE | SW_ERASE);
        else
            ::ScrollWindowEx(m_hWnd, moved, 0, nullptr, nullptr, nullptr, nullptr,
                             SW_INVALIDATE | SW_ERASE);
        UpdateWindow();
    }
};

int WriteScrolledLog(const char* path) {
    SoundingLog log;
    if (!log.Open())
        return 1;
    CRect client;
    log.GetClientRect(&client);
    log.ClientToScreen(&client);
    const int barX = client.right + 8;
    const int thumb = client.top + 17 + 4;
    CScriptedUser user;
    user.Drag({POINT{barX, thumb}, POINT{barX, thumb + 30}, POINT{barX, thumb + 60}})
        .ClickAt(POINT{client.right - 8, client.bottom + 8})
        .ClickAt(POINT{client.right - 8, client.bottom + 8});
    if (!user.ActIn(log.m_hWnd))
        return 1;
    const int result = SaveWindowPicture(log, path);
    log.DestroyWindow();
    return result;
}

const GalleryPicture kScrolledLogPicture("scrolled-log.png",
                                         "A window with both scroll bars, scrolled by the "
                                         "scripted user",
                                         WriteScrolledLog);

} // namespace
