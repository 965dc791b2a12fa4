#include "vornui/platform/SystemSettings.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <memory>
#include <mutex>

struct MonitorRecord {
    ScreenMonitor layout;
};

namespace {

constexpr int kMetricCount = 100;
constexpr int kColorCount = 31;

constexpr std::array<COLORREF, kColorCount> kDefaultColors = {
    RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219),
    RGB(240, 240, 240), RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(180, 180, 180), RGB(244, 247, 252),
    RGB(171, 171, 171), RGB(0, 120, 215),   RGB(255, 255, 255), RGB(240, 240, 240),
    RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(180, 180, 180), RGB(0, 102, 204),   RGB(185, 209, 234),
    RGB(215, 228, 242), RGB(51, 153, 255),  RGB(240, 240, 240)};

std::array<int, kMetricCount> DefaultMetrics() {
    std::array<int, kMetricCount> metrics{};
    const std::pair<int, int> values[] = {
        {SM_CXVSCROLL, 17},   {SM_CYHSCROLL, 17},    {SM_CYCAPTION, 23},     {SM_CXBORDER, 1},
        {SM_CYBORDER, 1},     {SM_CXDLGFRAME, 3},    {SM_CYDLGFRAME, 3},     {SM_CYVTHUMB, 17},
        {SM_CXHTHUMB, 17},    {SM_CXICON, 32},       {SM_CYICON, 32},        {SM_CXCURSOR, 32},
        {SM_CYCURSOR, 32},    {SM_CYMENU, 20},       {SM_CYVSCROLL, 17},     {SM_CXHSCROLL, 17},
        {SM_CXMIN, 136},      {SM_CYMIN, 39},        {SM_CXSIZE, 36},        {SM_CYSIZE, 22},
        {SM_CXFRAME, 4},      {SM_CYFRAME, 4},       {SM_CXMINTRACK, 136},   {SM_CYMINTRACK, 39},
        {SM_CXDOUBLECLK, 4},  {SM_CYDOUBLECLK, 4},   {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75},
        {SM_CXEDGE, 2},       {SM_CYEDGE, 2},        {SM_CXSMICON, 16},      {SM_CYSMICON, 16},
        {SM_CYSMCAPTION, 23}, {SM_CXDRAG, 4},        {SM_CYDRAG, 4},         {SM_CXMENUCHECK, 15},
        {SM_CYMENUCHECK, 15}, {SM_CXPADDEDBORDER, 0}};
    for (const auto& [index, value] : values)
        metrics[index] = value;
    return metrics;
}

FontCharMetrics ScaledDialogFont(const char*, int pointSize, int dpi) {
    // The 8-point dialog font measures 6 by 13 pixels at 96 dpi.
    return FontCharMetrics{std::max(1, MulDiv(6 * pointSize, dpi, 8 * 96)),
                           std::max(1, MulDiv(13 * pointSize, dpi, 8 * 96))};
}

struct ScreenState {
    std::mutex lock;
    std::vector<MonitorRecord*> monitors;                // current, primary first
    std::vector<std::unique_ptr<MonitorRecord>> records; // every monitor ever configured
    std::array<int, kMetricCount> metrics = DefaultMetrics();
    std::array<bool, kMetricCount> metricSet{};
    std::array<COLORREF, kColorCount> colors = kDefaultColors;
    int dpi = 96;
    FontMetricsProvider fontMetrics = ScaledDialogFont;

    ScreenState() {
        Configure({ScreenMonitor{CRect(0, 0, 1920, 1080), CRect(0, 0, 1920, 1040), true}});
    }

    void Configure(std::vector<ScreenMonitor> layouts) {
        if (layouts.empty())
            return;
        if (std::none_of(layouts.begin(), layouts.end(), [](const auto& m) { return m.primary; }))
            layouts.front().primary = true;
        std::stable_partition(layouts.begin(), layouts.end(),
                              [](const auto& m) { return m.primary; });
        monitors.clear();
        for (size_t index = 0; index < layouts.size(); ++index) {
            layouts[index].primary = index == 0;
            records.push_back(std::make_unique<MonitorRecord>(MonitorRecord{layouts[index]}));
            monitors.push_back(records.back().get());
        }
    }

    CRect VirtualScreen() const {
        CRect all = monitors.front()->layout.rect;
        for (const MonitorRecord* monitor : monitors)
            all.UnionRect(all, monitor->layout.rect);
        return all;
    }

    int DerivedMetric(int index) const {
        const ScreenMonitor& primary = monitors.front()->layout;
        switch (index) {
        case SM_CXSCREEN:
            return primary.rect.Width();
        case SM_CYSCREEN:
            return primary.rect.Height();
        case SM_CXFULLSCREEN:
            return primary.work.Width();
        case SM_CYFULLSCREEN:
            return primary.work.Height() - metrics[SM_CYCAPTION];
        case SM_XVIRTUALSCREEN:
            return VirtualScreen().left;
        case SM_YVIRTUALSCREEN:
            return VirtualScreen().top;
        case SM_CXVIRTUALSCREEN:
            return VirtualScreen().Width();
        case SM_CYVIRTUALSCREEN:
            return VirtualScreen().Height();
        case SM_CMONITORS:
            return static_cast<int>(monitors.size());
        case SM_CXMAXTRACK:
            return VirtualScreen().Width() + 2 * metrics[SM_CXFRAME];
        case SM_CYMAXTRACK:
            return VirtualScreen().Height() + 2 * metrics[SM_CYFRAME];
        case SM_CXMAXIMIZED:
            return primary.work.Width() + 2 * metrics[SM_CXFRAME];
        case SM_CYMAXIMIZED:
            return primary.work.Height() + 2 * metrics[SM_CYFRAME];
        default:
            return metrics[index];
        }
    }
};

ScreenState& Screen() {
    static ScreenState* const state = new ScreenState; // used until the last window goes
    return *state;
}

long long DistanceSquared(const CRect& rect, POINT point) {
    const long long dx = point.x < rect.left     ? rect.left - point.x
                         : point.x >= rect.right ? point.x - rect.right + 1
                                                 : 0;
    const long long dy = point.y < rect.top       ? rect.top - point.y
                         : point.y >= rect.bottom ? point.y - rect.bottom + 1
                                                  : 0;
    return dx * dx + dy * dy;
}

HMONITOR Fallback(const ScreenState& screen, DWORD flags, POINT nearTo) {
    if (flags == MONITOR_DEFAULTTOPRIMARY)
        return screen.monitors.front();
    if (flags != MONITOR_DEFAULTTONEAREST)
        return nullptr;
    const MonitorRecord* nearest = screen.monitors.front();
    long long best = LLONG_MAX;
    for (const MonitorRecord* monitor : screen.monitors) {
        const long long distance = DistanceSquared(monitor->layout.rect, nearTo);
        if (distance < best) {
            best = distance;
            nearest = monitor;
        }
    }
    return nearest;
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    // Rounds half away from zero, as the system does.
    const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    const long long rounded = ((product < 0) != (denominator < 0)) ? (product - half) / denominator
                                                                   : (product + half) / denominator;
    if (rounded > INT_MAX || rounded < INT_MIN)
        return -1;
    return static_cast<int>(rounded);
}

int GetSystemMetrics(int index) {
    if (index < 0 || index >= kMetricCount)
        return 0;
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    return screen.metricSet[index] ? screen.metrics[index] : screen.DerivedMetric(index);
}

void SetSystemMetric(int index, int value) {
    if (index < 0 || index >= kMetricCount)
        return;
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    screen.metrics[index] = value;
    screen.metricSet[index] = true;
}

COLORREF GetSysColor(int index) {
    if (index < 0 || index >= kColorCount)
        return 0;
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    return screen.colors[index];
}

void StoreSysColors(int count, const INT* elements, const COLORREF* colors) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    for (int index = 0; index < count; ++index)
        if (elements[index] >= 0 && elements[index] < kColorCount)
            screen.colors[elements[index]] = colors[index] & 0xFFFFFF;
}

BOOL SystemParametersInfo(UINT action, UINT, PVOID data, UINT) {
    if (action != SPI_GETWORKAREA || !data)
        return FALSE;
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    *static_cast<RECT*>(data) = screen.monitors.front()->layout.work;
    return TRUE;
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    for (const MonitorRecord* monitor : screen.monitors)
        if (monitor->layout.rect.PtInRect(point))
            return monitor;
    return Fallback(screen, flags, point);
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    const MonitorRecord* best = nullptr;
    long long bestArea = 0;
    for (const MonitorRecord* monitor : screen.monitors) {
        CRect overlap;
        if (!overlap.IntersectRect(monitor->layout.rect, rect))
            continue;
        const long long area = static_cast<long long>(overlap.Width()) * overlap.Height();
        if (area > bestArea) {
            bestArea = area;
            best = monitor;
        }
    }
    if (best)
        return best;
    return Fallback(screen, flags, CRect(rect).CenterPoint());
}

BOOL GetMonitorInfo(HMONITOR monitor, LPMONITORINFO info) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    if (!info ||
        std::find(screen.monitors.begin(), screen.monitors.end(), monitor) == screen.monitors.end())
        return FALSE;
    info->rcMonitor = monitor->layout.rect;
    info->rcWork = monitor->layout.work;
    info->dwFlags = monitor->layout.primary ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

void SetScreenMonitors(const std::vector<ScreenMonitor>& monitors) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    screen.Configure(monitors);
}

std::vector<ScreenMonitor> GetScreenMonitors() {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    std::vector<ScreenMonitor> result;
    for (const MonitorRecord* monitor : screen.monitors)
        result.push_back(monitor->layout);
    return result;
}

void SetScreenDpi(int dpi) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    screen.dpi = dpi > 0 ? dpi : 96;
}

int GetScreenDpi() {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    return screen.dpi;
}

LONG GetDialogBaseUnits() {
    const int dpi = GetScreenDpi();
    // The system font: 8 by 16 pixels at 96 dpi.
    return MAKELONG(MulDiv(8, dpi, 96), MulDiv(16, dpi, 96));
}

FontMetricsProvider SetFontMetricsProvider(FontMetricsProvider provider) {
    ScreenState& screen = Screen();
    std::lock_guard guard(screen.lock);
    const FontMetricsProvider previous = screen.fontMetrics;
    screen.fontMetrics = provider ? provider : ScaledDialogFont;
    return previous;
}

FontCharMetrics MeasureFont(const char* faceName, int pointSize) {
    FontMetricsProvider provider;
    int dpi;
    {
        ScreenState& screen = Screen();
        std::lock_guard guard(screen.lock);
        provider = screen.fontMetrics;
        dpi = screen.dpi;
    }
    return provider(faceName ? faceName : "", pointSize, dpi);
}
