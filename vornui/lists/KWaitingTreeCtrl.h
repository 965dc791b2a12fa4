#pragma once

// A tree whose branches are filled when the person opens them. The item opened first gets
// a placeholder child with the wait message ("Loading..." unless set); then the tree
// freezes its picture, starts the animation on a worker thread, removes the placeholder
// and calls PopulateItem, which the derived class writes to add the real children.
// Meanwhile the worker calls DoAnimation on every tick of the multimedia timer (when a
// delay is set) and whenever the picture should be drawn again (progress was reported,
// the background was erased); the default animation draws nothing.
//
// DoAnimation runs on the worker thread while the user-interface thread is busy in
// PopulateItem. It may draw into the tree through a DC of its own and may PostMessage to
// any window (the message arrives after the expansion). It must not SendMessage to a
// window of the user-interface thread: that thread does not answer before PopulateItem
// returns, and PopulateItem does not return before the worker ends, so both wait forever.

#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/TreeCtrl.h"

#include <atomic>

class VORNUI_API KWaitingTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(KWaitingTreeCtrl)
public:
    KWaitingTreeCtrl();
    ~KWaitingTreeCtrl() override;

    // The placeholder's text and the icon drawn beside it (may be null).
    void SetWaitMessage(const char* message, HICON icon = nullptr);
    // From now on the placeholder is shown, with its icon, before each population.
    void ShowWaitMessage();
    // The animation's timer period in milliseconds; 0: no timer.
    void SetAnimationDelay(unsigned int milliseconds);

    // Progress, for PopulateItem to report; each asks the animation to draw again.
    void SetPopulationCount(int total, int current = 0);
    // Adds to the current progress.
    void IncreasePopulation(int increment = 1);
    // Sets the current progress.
    void UpdatePopulation(int current);
    // The current progress; the total through `total` when it is not null.
    int GetPopulationCount(int* total = nullptr) const;

    // Fills the top level.
    void PopulateRoot();
    // Throws an item's children away and, with `expand` (always for TVI_ROOT), fills it
    // again.
    void RefreshSubItems(HTREEITEM item, bool expand = true);
    // Where a small icon left of the item's label goes; 0 without a normal image list or
    // for an item that is not visible.
    int GetItemImageRect(HTREEITEM item, RECT* rect);

protected:
    // On the user-interface thread, with the placeholder, before the animation starts.
    virtual void PreAnimation(HTREEITEM placeholder);
    // On the worker thread: `timerTick` 1 for a tick of the timer, 0 for a redraw request.
    virtual void DoAnimation(int timerTick, int total, int current);
    // On the user-interface thread, after the worker has ended.
    virtual void PostAnimation();
    // Whether an item's children are thrown away and produced again on its next opening.
    virtual int WantsRefresh(HTREEITEM item);
    // Adds the children of `item` (of the top level for TVI_ROOT); nonzero when it did.
    virtual int PopulateItem(HTREEITEM item) = 0;

    // Before an item opens: unless its children are kept, it becomes the item to fill and
    // gets the placeholder, with redrawing off.
    void PreExpandItem(HTREEITEM item);
    // After it opened: the frozen picture, the animation and PopulateItem.
    void ExpandItem(HTREEITEM item);
    // The wait icon beside the placeholder, on the tree's background.
    void DrawUserIcon();

    // Expansions: filled before and after; a collapsed item that wants refreshing loses
    // its children.
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // While a branch is filled, erasing paints the frozen picture and asks the animation
    // to draw again.
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    class AnimationRun;
    class FrozenPicture;
    void StartAnimation();
    void StopAnimation();
    static DWORD AnimationThread(LPVOID tree);
    void TakeSnapshot();
    // A populated item's button shows whether it got children; an item that got none
    // looks collapsed.
    void ShowWhatWasPopulated(HTREEITEM item, int populated);
    void AskForRedraw();
    bool HasChildren(HTREEITEM item) const;
    void DeleteChildren(HTREEITEM item);

    HANDLE m_hThread = nullptr;
    HANDLE m_hTimerEvent = nullptr;
    HANDLE m_hRedrawEvent = nullptr;
    std::atomic<int> m_bStopAnimation{0};
    bool m_bSnapshotValid = false;
    CBitmap m_bmpSnapshot;
    unsigned int m_uTimerId = 0;
    unsigned int m_uAnimationDelay = 0;
    CString m_strWaitMessage;
    HICON m_hIconMessage = nullptr;
    int m_bShowWaitMessage = 0;
    std::atomic<int> m_nPopulationCurrent{0};
    std::atomic<int> m_nPopulationTotal{0};
    HTREEITEM m_hItemMessage = nullptr;
    HTREEITEM m_hItemToPopulate = nullptr;
    DWORD m_nWaitedEvents = 0; // set before the worker starts, read by it
};
