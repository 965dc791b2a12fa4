#include "vornui/lists/KWaitingTreeCtrl.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/Event.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/MultimediaTimer.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Thread.h"
#include "vornui/platform/WindowDC.h"

namespace {

constexpr UINT kTimerResolutionMs = 5;
// Between the icon beside a label and the label.
constexpr int kIconGap = 3;

} // namespace

// The animation from its start to its stop, which runs however the population ends.
class KWaitingTreeCtrl::AnimationRun {
public:
    explicit AnimationRun(KWaitingTreeCtrl& tree) : m_tree(tree) { tree.StartAnimation(); }
    ~AnimationRun() { m_tree.StopAnimation(); }
    AnimationRun(const AnimationRun&) = delete;
    AnimationRun& operator=(const AnimationRun&) = delete;

private:
    KWaitingTreeCtrl& m_tree;
};

// The frozen picture from the snapshot to the end of a population: erasing paints the
// snapshot meanwhile, and redrawing comes back on at the end, however the population ends.
class KWaitingTreeCtrl::FrozenPicture {
public:
    explicit FrozenPicture(KWaitingTreeCtrl& tree) : m_tree(tree) {}
    ~FrozenPicture() {
        m_tree.m_bSnapshotValid = false;
        m_tree.m_bmpSnapshot.DeleteObject();
        m_tree.SetRedraw(TRUE);
    }
    FrozenPicture(const FrozenPicture&) = delete;
    FrozenPicture& operator=(const FrozenPicture&) = delete;

private:
    KWaitingTreeCtrl& m_tree;
};

KWaitingTreeCtrl::KWaitingTreeCtrl() : m_strWaitMessage("Loading...") {}

KWaitingTreeCtrl::~KWaitingTreeCtrl() = default;

void KWaitingTreeCtrl::SetWaitMessage(const char* message, HICON icon) {
    m_strWaitMessage = message ? message : "";
    m_hIconMessage = icon;
}

void KWaitingTreeCtrl::ShowWaitMessage() {
    m_bShowWaitMessage = 1;
}

void KWaitingTreeCtrl::SetAnimationDelay(unsigned int milliseconds) {
    m_uAnimationDelay = milliseconds;
}

void KWaitingTreeCtrl::AskForRedraw() {
    if (m_hRedrawEvent)
        SetEvent(m_hRedrawEvent);
}

void KWaitingTreeCtrl::SetPopulationCount(int total, int current) {
    m_nPopulationTotal = total;
    m_nPopulationCurrent = current;
    AskForRedraw();
}

void KWaitingTreeCtrl::IncreasePopulation(int increment) {
    m_nPopulationCurrent += increment;
    AskForRedraw();
}

void KWaitingTreeCtrl::UpdatePopulation(int current) {
    m_nPopulationCurrent = current;
    AskForRedraw();
}

int KWaitingTreeCtrl::GetPopulationCount(int* total) const {
    if (total)
        *total = m_nPopulationTotal;
    return m_nPopulationCurrent;
}

void KWaitingTreeCtrl::PreAnimation(HTREEITEM) {}

void KWaitingTreeCtrl::DoAnimation(int, int, int) {}

void KWaitingTreeCtrl::PostAnimation() {}

int KWaitingTreeCtrl::WantsRefresh(HTREEITEM) {
    return 0;
}

bool KWaitingTreeCtrl::HasChildren(HTREEITEM item) const {
    return (item == TVI_ROOT ? GetRootItem() : GetChildItem(item)) != nullptr;
}

void KWaitingTreeCtrl::DeleteChildren(HTREEITEM item) {
    if (item == TVI_ROOT) {
        DeleteAllItems();
        return;
    }
    while (const HTREEITEM child = GetChildItem(item))
        DeleteItem(child);
}

void KWaitingTreeCtrl::PreExpandItem(HTREEITEM item) {
    if (HasChildren(item)) {
        if (!WantsRefresh(item)) {
            m_hItemToPopulate = nullptr;
            return;
        }
        DeleteChildren(item);
    }
    m_hItemToPopulate = item;
    RedrawWindow();
    SetRedraw(FALSE);
    m_hItemMessage = InsertItem(m_strWaitMessage, item, TVI_LAST);
    m_nPopulationTotal = 1;
    m_nPopulationCurrent = 0;
}

void KWaitingTreeCtrl::ExpandItem(HTREEITEM item) {
    if (!m_hItemToPopulate)
        return;
    m_hItemToPopulate = nullptr;
    if (m_bShowWaitMessage) {
        SetRedraw(TRUE);
        EnsureVisible(m_hItemMessage);
        RedrawWindow();
    }
    // Whatever PopulateItem does, even throwing, the worker ends first and then the tree
    // draws itself again.
    const FrozenPicture frozen(*this);
    int populated = 0;
    {
        const AnimationRun animation(*this);
        if (m_bShowWaitMessage)
            DrawUserIcon();
        SetRedraw(FALSE);
        TakeSnapshot();
        DeleteItem(m_hItemMessage);
        m_hItemMessage = nullptr;
        populated = PopulateItem(item);
    }
    if (item != TVI_ROOT)
        ShowWhatWasPopulated(item, populated);
}

void KWaitingTreeCtrl::ShowWhatWasPopulated(HTREEITEM item, int populated) {
    if (populated) {
        TVITEM indicator{};
        indicator.mask = TVIF_CHILDREN;
        indicator.hItem = item;
        indicator.cChildren = GetChildItem(item) ? 1 : 0;
        SetItem(&indicator);
    } else if (!GetChildItem(item)) {
        CTreeCtrl::SetItemState(item, 0, TVIS_EXPANDED);
    }
}

void KWaitingTreeCtrl::PopulateRoot() {
    PreExpandItem(TVI_ROOT);
    ExpandItem(TVI_ROOT);
    SetRedraw(FALSE);
    const int position = GetScrollPos(SB_VERT);
    if (const HTREEITEM first = GetRootItem())
        EnsureVisible(first);
    SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position));
    SetRedraw(TRUE);
}

void KWaitingTreeCtrl::RefreshSubItems(HTREEITEM item, bool expand) {
    SetRedraw(FALSE);
    DeleteChildren(item);
    if (item == TVI_ROOT) {
        PopulateRoot();
    } else if (expand) {
        PreExpandItem(item);
        ExpandItem(item);
    }
    SetRedraw(TRUE);
}

int KWaitingTreeCtrl::GetItemImageRect(HTREEITEM item, RECT* rect) {
    if (!rect || !GetImageList(TVSIL_NORMAL))
        return 0;
    CRect label;
    if (!GetItemRect(item, &label, TRUE))
        return 0;
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    const int left = label.left - kIconGap - width;
    const int top = label.top + (label.Height() - height) / 2;
    *rect = CRect(left, top, left + width, top + height);
    return 1;
}

void KWaitingTreeCtrl::DrawUserIcon() {
    CRect icon;
    if (!GetItemImageRect(m_hItemMessage, &icon))
        return;
    CClientDC dc(this);
    const COLORREF background = GetBkColor();
    dc.FillSolidRect(&icon, background == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_WINDOW)
                                                                    : background);
    if (m_hIconMessage)
        DrawIconEx(dc.GetSafeHdc(), icon.left, icon.top, m_hIconMessage, icon.Width(),
                   icon.Height(), 0, nullptr, DI_NORMAL);
}

void KWaitingTreeCtrl::TakeSnapshot() {
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    m_bmpSnapshot.DeleteObject();
    m_bmpSnapshot.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&m_bmpSnapshot);
    memory.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    m_bSnapshotValid = true;
}

BOOL KWaitingTreeCtrl::OnEraseBkgnd(CDC* dc) {
    if (!m_bSnapshotValid)
        return CTreeCtrl::OnEraseBkgnd(dc);
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&m_bmpSnapshot);
    dc->BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    AskForRedraw();
    return TRUE;
}

BOOL KWaitingTreeCtrl::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code != TVN_ITEMEXPANDING && header->code != TVN_ITEMEXPANDED)
        return CTreeCtrl::OnReflectedNotify(header, result);
    const auto* notice = reinterpret_cast<const NMTREEVIEW*>(header);
    const HTREEITEM item = notice->itemNew.hItem;
    const UINT action = notice->action & TVE_ACTIONMASK;
    if (header->code == TVN_ITEMEXPANDING && action == TVE_EXPAND) {
        PreExpandItem(item);
    } else if (header->code == TVN_ITEMEXPANDED && action == TVE_EXPAND) {
        ExpandItem(item);
    } else if (header->code == TVN_ITEMEXPANDED && action == TVE_COLLAPSE && WantsRefresh(item)) {
        DeleteChildren(item);
        // The button stays, so that the next opening fills the branch again.
        TVITEM indicator{};
        indicator.mask = TVIF_CHILDREN;
        indicator.hItem = item;
        indicator.cChildren = 1;
        SetItem(&indicator);
    }
    // The parent hears of the expansion as well.
    *result = 0;
    return FALSE;
}

void KWaitingTreeCtrl::StartAnimation() {
    PreAnimation(m_hItemMessage);
    m_bStopAnimation = 0;
    m_hTimerEvent = CreateEvent(nullptr, FALSE, TRUE, nullptr);
    m_hRedrawEvent = CreateEvent(nullptr, FALSE, TRUE, nullptr);
    // Without a timer nothing sets the timer event: the redraw event alone is waited for.
    m_nWaitedEvents = m_uAnimationDelay ? 2 : 1;
    m_hThread = CreateThread(nullptr, 0, &KWaitingTreeCtrl::AnimationThread, this, 0, nullptr);
    if (m_uAnimationDelay)
        m_uTimerId = timeSetEvent(m_uAnimationDelay, kTimerResolutionMs,
                                  reinterpret_cast<LPTIMECALLBACK>(m_hTimerEvent), 0,
                                  TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
}

void KWaitingTreeCtrl::StopAnimation() {
    if (m_uTimerId) {
        timeKillEvent(m_uTimerId);
        m_uTimerId = 0;
    }
    m_bStopAnimation = 1;
    SetEvent(m_hRedrawEvent);
    WaitForSingleObject(m_hThread, INFINITE);
    for (HANDLE* handle : {&m_hThread, &m_hTimerEvent, &m_hRedrawEvent}) {
        CloseHandle(*handle);
        *handle = nullptr;
    }
    PostAnimation();
}

DWORD KWaitingTreeCtrl::AnimationThread(LPVOID parameter) {
    auto& tree = *static_cast<KWaitingTreeCtrl*>(parameter);
    const HANDLE events[] = {tree.m_hRedrawEvent, tree.m_hTimerEvent};
    while (!tree.m_bStopAnimation) {
        const DWORD woken = WaitForMultipleObjects(tree.m_nWaitedEvents, events, FALSE, INFINITE);
        if (woken == WAIT_FAILED || tree.m_bStopAnimation)
            break;
        const int tick = woken == WAIT_OBJECT_0 + 1 ? 1 : 0;
        tree.DoAnimation(tick, tree.m_nPopulationTotal, tree.m_nPopulationCurrent);
    }
    return 0;
}

IMPLEMENT_DYNAMIC(KWaitingTreeCtrl, CTreeCtrl)
