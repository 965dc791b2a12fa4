#include "vornui/lists/KWaitingTreeCtrl.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace {

constexpr auto kPatience = std::chrono::seconds(10);
constexpr UINT kAnimated = WM_APP + 7;

// A lazy tree whose population a test writes, and that keeps count of its animation.
class LazyTree : public KWaitingTreeCtrl {
public:
    std::function<int(HTREEITEM)> populate;
    int refresh = 0;
    CString placeholderText;
    int preAnimations = 0;
    int postAnimations = 0;
    int callsAtPost = -1;
    HWND postTo = nullptr; // the worker posts kAnimated here on its first call
    std::function<void()> atPost;
    bool placeholderShown = false;
    CRect placeholderLabel;
    CRect placeholderIcon;

    // Waits (bounded) until the worker has called DoAnimation with `tick` this often.
    bool WaitForCalls(int tick, int count) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] { return CountOf(tick) >= count; });
    }
    int Calls(int tick) {
        std::lock_guard lock(m_mutex);
        return CountOf(tick);
    }
    int AllCalls() {
        std::lock_guard lock(m_mutex);
        return m_ticks + m_redraws;
    }
    int LastCurrent() {
        std::lock_guard lock(m_mutex);
        return m_lastCurrent;
    }

    // While the gate is closed the worker stays inside DoAnimation (bounded).
    void CloseGate() { SetGate(true); }
    void OpenGate() { SetGate(false); }

    using KWaitingTreeCtrl::PopulateItem;

protected:
    int PopulateItem(HTREEITEM item) override { return populate ? populate(item) : 0; }
    int WantsRefresh(HTREEITEM) override { return refresh; }
    void PreAnimation(HTREEITEM placeholder) override {
        ++preAnimations;
        placeholderText = GetItemText(placeholder);
        placeholderShown = GetItemRect(placeholder, &placeholderLabel, TRUE) &&
                           GetItemImageRect(placeholder, &placeholderIcon);
    }
    void DoAnimation(int tick, int, int current) override {
        std::unique_lock lock(m_mutex);
        ++(tick ? m_ticks : m_redraws);
        m_lastCurrent = current;
        if (postTo && m_ticks + m_redraws == 1)
            ::PostMessage(postTo, kAnimated, 0, 0);
        m_changed.notify_all();
        m_changed.wait_for(lock, kPatience, [&] { return !m_gateClosed; });
    }
    void PostAnimation() override {
        ++postAnimations;
        callsAtPost = AllCalls();
        if (atPost)
            atPost();
    }

private:
    int CountOf(int tick) const { return tick ? m_ticks : m_redraws; }
    void SetGate(bool closed) {
        {
            std::lock_guard lock(m_mutex);
            m_gateClosed = closed;
        }
        m_changed.notify_all();
    }

    bool m_gateClosed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_ticks = 0;
    int m_redraws = 0;
    int m_lastCurrent = -1;
};

// What erasing the tree's background paints, on a red canvas of the tree's size.
class ErasedPicture {
public:
    explicit ErasedPicture(CWnd& tree) {
        CRect client;
        tree.GetClientRect(&client);
        CClientDC treeDc(&tree);
        m_memory.CreateCompatibleDC(&treeDc);
        m_canvas.CreateCompatibleBitmap(&treeDc, client.Width(), client.Height());
        m_old = m_memory.SelectObject(&m_canvas);
        m_memory.FillSolidRect(client, kRed);
        erased = tree.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_memory.GetSafeHdc()));
    }
    ~ErasedPicture() { m_memory.SelectObject(m_old); }
    ErasedPicture(const ErasedPicture&) = delete;
    ErasedPicture& operator=(const ErasedPicture&) = delete;

    COLORREF At(int x, int y) { return m_memory.GetPixel(x, y); }
    // Whether anything but `background` was painted inside `rect`.
    bool HasInk(const CRect& rect, COLORREF background) {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (At(x, y) != background)
                    return true;
        return false;
    }

    static constexpr COLORREF kRed = RGB(255, 0, 0);
    LRESULT erased = 0;

private:
    CDC m_memory;
    CBitmap m_canvas;
    CBitmap* m_old = nullptr;
};

// A framework window, so that the tree hears its expansions back; it keeps what the
// worker posts.
class Parent : public CWnd {
public:
    std::vector<UINT> posted;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kAnimated)
            posted.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class WaitingTree : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT,
                                  CRect(0, 0, 240, 150), &m_parent, 9));
        m_folder = m_tree.InsertItem("folder");
        TVITEM indicator{};
        indicator.mask = TVIF_CHILDREN;
        indicator.hItem = m_folder;
        indicator.cChildren = 1;
        m_tree.SetItem(&indicator);
    }
    void TearDown() override {
        m_tree.DestroyWindow();
        m_parent.DestroyWindow();
    }

    // The person clicks the folder's button.
    void ClickButton(HTREEITEM item) {
        CRect label;
        ASSERT_TRUE(m_tree.GetItemRect(item, &label, TRUE));
        CPoint button(0, label.CenterPoint().y);
        UINT hit = 0;
        while (button.x < label.left &&
               !(m_tree.HitTest(button, &hit) == item && (hit & TVHT_ONITEMBUTTON)))
            ++button.x;
        ASSERT_LT(button.x, label.left);
        m_tree.ClientToScreen(&button);
        CScriptedUser user;
        user.ClickAt(button, MK_LBUTTON);
        ASSERT_TRUE(user.ActIn(m_parent));
    }

    std::vector<CString> Children(HTREEITEM item) {
        std::vector<CString> names;
        for (HTREEITEM child = m_tree.GetChildItem(item); child;
             child = m_tree.GetNextSiblingItem(child))
            names.push_back(m_tree.GetItemText(child));
        return names;
    }

    Parent m_parent;
    LazyTree m_tree;
    HTREEITEM m_folder = nullptr;
};

} // namespace

TEST_F(WaitingTree, OpeningABranchFillsItWhileTheWorkerAnimates) {
    m_tree.postTo = m_parent.m_hWnd;
    int populations = 0;
    m_tree.populate = [&](HTREEITEM item) {
        ++populations;
        EXPECT_EQ(item, m_folder);
        EXPECT_EQ(m_tree.GetChildItem(item), nullptr); // the placeholder is gone
        EXPECT_TRUE(m_tree.WaitForCalls(0, 1));
        EXPECT_TRUE(m_parent.posted.empty()); // posted, it waits for the expansion to end
        m_tree.SetPopulationCount(3);
        for (const char* name : {"one", "two", "three"}) {
            m_tree.InsertItem(name, item);
            m_tree.IncreasePopulation();
        }
        m_tree.IncreasePopulation(5); // past the total: only counted
        int total = 0;
        EXPECT_EQ(m_tree.GetPopulationCount(&total), 8);
        EXPECT_EQ(total, 3);
        EXPECT_EQ(m_tree.GetPopulationCount(nullptr), 8);
        return 1;
    };
    ClickButton(m_folder);
    EXPECT_EQ(populations, 1);
    EXPECT_EQ(Children(m_folder), (std::vector<CString>{"one", "two", "three"}));
    EXPECT_EQ(m_tree.GetItemState(m_folder, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    EXPECT_EQ(m_tree.placeholderText, "Loading...");
    EXPECT_EQ(m_tree.preAnimations, 1);
    EXPECT_EQ(m_tree.postAnimations, 1);
    // The worker ended before PostAnimation; no call came after it.
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
    EXPECT_EQ(m_tree.Calls(1), 0); // no delay, no timer
    EXPECT_EQ(m_parent.posted, (std::vector<UINT>{kAnimated}));

    // Opened again, the children it has are kept.
    ClickButton(m_folder);
    ClickButton(m_folder);
    EXPECT_EQ(populations, 1);
    EXPECT_EQ(Children(m_folder).size(), 3u);
}

TEST_F(WaitingTree, ProgressReportedWhileTheWorkerDrawsComesAsOneRedraw) {
    m_tree.CloseGate();
    m_tree.populate = [&](HTREEITEM item) {
        EXPECT_TRUE(m_tree.WaitForCalls(0, 1)); // the worker is inside its first call
        for (int current = 1; current <= 50; ++current)
            m_tree.UpdatePopulation(current);
        m_tree.OpenGate();
        EXPECT_TRUE(m_tree.WaitForCalls(0, 2));
        m_tree.InsertItem("done", item);
        return 1;
    };
    ClickButton(m_folder);
    EXPECT_EQ(m_tree.Calls(0), 2);
    EXPECT_EQ(m_tree.LastCurrent(), 50);
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
}

TEST_F(WaitingTree, ARefreshingTreeThrowsChildrenAwayOnCollapse) {
    m_tree.refresh = 1;
    int populations = 0;
    m_tree.populate = [&](HTREEITEM item) {
        m_tree.InsertItem(("round " + std::to_string(++populations)).c_str(), item);
        return 1;
    };
    ClickButton(m_folder);
    EXPECT_EQ(Children(m_folder), (std::vector<CString>{"round 1"}));
    ClickButton(m_folder); // collapse
    EXPECT_TRUE(Children(m_folder).empty());
    EXPECT_TRUE(m_tree.ItemHasChildren(m_folder));
    m_tree.SetWaitMessage("Fetching...");
    ClickButton(m_folder);
    EXPECT_EQ(m_tree.placeholderText, "Fetching...");
    EXPECT_EQ(Children(m_folder), (std::vector<CString>{"round 2"}));

    // RefreshSubItems fills it again at once.
    m_tree.RefreshSubItems(m_folder, true);
    EXPECT_EQ(Children(m_folder), (std::vector<CString>{"round 3"}));
    m_tree.RefreshSubItems(m_folder, false);
    EXPECT_TRUE(Children(m_folder).empty());
}

TEST_F(WaitingTree, ADelayBringsTicksAndProgressBringsRedraws) {
    CSteppedClock clock;
    m_tree.SetAnimationDelay(50);
    m_tree.populate = [&](HTREEITEM item) {
        EXPECT_TRUE(m_tree.WaitForCalls(1, 1)); // the timer event starts set
        const int ticks = m_tree.Calls(1);
        clock.Advance(50);
        EXPECT_TRUE(m_tree.WaitForCalls(1, ticks + 1));
        m_tree.UpdatePopulation(1);
        EXPECT_TRUE(m_tree.WaitForCalls(0, 2));
        m_tree.InsertItem("ticked", item);
        return 1;
    };
    ClickButton(m_folder);
    EXPECT_EQ(Children(m_folder), (std::vector<CString>{"ticked"}));
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
    // Stepped on after the stop, the killed timer calls no more.
    clock.Advance(500);
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
}

TEST_F(WaitingTree, TheFrozenPictureIsWhatErasingPaintsUntilTheWorkerEnded) {
    m_tree.populate = [&](HTREEITEM item) {
        EXPECT_TRUE(m_tree.WaitForCalls(0, 1));
        {
            ErasedPicture picture(m_tree);
            EXPECT_TRUE(picture.erased);
            EXPECT_NE(picture.At(2, 2), ErasedPicture::kRed);
        }
        EXPECT_TRUE(m_tree.WaitForCalls(0, 2)); // and the animation was asked to draw
        m_tree.InsertItem("after", item);
        return 1;
    };
    // The worker has ended before the picture thaws: PostAnimation still sees it frozen.
    bool frozenAtPost = false;
    m_tree.atPost = [&] {
        ErasedPicture picture(m_tree);
        frozenAtPost = picture.At(2, 2) != ErasedPicture::kRed;
    };
    ClickButton(m_folder);
    EXPECT_EQ(Children(m_folder).size(), 1u);
    EXPECT_TRUE(frozenAtPost);
    // Thawed, erasing is the tree's own again (it paints its background with the rest).
    m_tree.atPost = nullptr;
    ErasedPicture after(m_tree);
    EXPECT_EQ(after.At(2, 2), ErasedPicture::kRed);
}

TEST_F(WaitingTree, TheWaitMessageShowsWithItsIconOnlyWhenAskedFor) {
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    m_tree.SetImageList(&images, TVSIL_NORMAL);
    const HICON waitIcon = LoadIcon(nullptr, IDI_HAND);
    m_tree.SetWaitMessage("Reading the line files...", waitIcon);
    // The icon as it should look on the tree's background.
    CClientDC treeDc(&m_tree);
    CDC expected;
    expected.CreateCompatibleDC(&treeDc);
    CBitmap expectedBits;
    expectedBits.CreateCompatibleBitmap(&treeDc, 16, 16);
    // The handle, not a temporary wrapper, is kept across the loops the clicks run.
    const HGDIOBJ oldExpected = ::SelectObject(expected.GetSafeHdc(), expectedBits.GetSafeHandle());
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    expected.FillSolidRect(0, 0, 16, 16, background);
    DrawIconEx(expected.GetSafeHdc(), 0, 0, waitIcon, 16, 16, 0, nullptr, DI_NORMAL);

    // Not asked for: the frozen picture is the tree from before the opening.
    bool inkBeside = true;
    m_tree.populate = [&](HTREEITEM item) {
        ErasedPicture picture(m_tree);
        inkBeside = picture.HasInk(m_tree.placeholderLabel, background);
        m_tree.InsertItem("line 1", item);
        return 1;
    };
    ClickButton(m_folder);
    EXPECT_EQ(m_tree.placeholderText, "Reading the line files...");
    EXPECT_FALSE(inkBeside);

    // Asked for: the placeholder is drawn, with the wait icon left of it.
    m_tree.ShowWaitMessage();
    bool textShown = false;
    bool iconShown = false;
    m_tree.populate = [&](HTREEITEM item) {
        ErasedPicture picture(m_tree);
        textShown = picture.HasInk(m_tree.placeholderLabel, background);
        iconShown = true;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                iconShown = iconShown &&
                            picture.At(m_tree.placeholderIcon.left + x,
                                       m_tree.placeholderIcon.top + y) == expected.GetPixel(x, y);
        m_tree.InsertItem("line 1", item);
        return 1;
    };
    m_tree.RefreshSubItems(m_folder, true);
    ASSERT_TRUE(m_tree.placeholderShown);
    EXPECT_EQ(CRect(m_tree.placeholderIcon).Width(), 16);
    EXPECT_TRUE(textShown);
    EXPECT_TRUE(iconShown);
    ::SelectObject(expected.GetSafeHdc(), oldExpected);
    m_tree.SetImageList(nullptr, TVSIL_NORMAL);
}

TEST_F(WaitingTree, NothingProducedNothingLeftOver) {
    // An item that gets nothing looks collapsed.
    m_tree.populate = [](HTREEITEM) { return 0; };
    ClickButton(m_folder);
    EXPECT_EQ(m_tree.GetItemState(m_folder, TVIS_EXPANDED), 0u);
    EXPECT_EQ(m_tree.GetChildItem(m_folder), nullptr);
    EXPECT_EQ(m_tree.postAnimations, 1);

    // A population that throws still stops the animation and thaws the tree.
    m_tree.populate = [](HTREEITEM) -> int { throw std::runtime_error("no data"); };
    EXPECT_THROW(m_tree.RefreshSubItems(m_folder, true), std::runtime_error);
    EXPECT_EQ(m_tree.postAnimations, 2);
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
    m_tree.InsertItem("visible again", m_folder);
    EXPECT_TRUE(m_tree.GetUpdateRect(nullptr));
    EXPECT_EQ(ErasedPicture(m_tree).At(2, 2), ErasedPicture::kRed); // not frozen

    // Thrown inside an opening: the same, and the next opening animates afresh.
    const HTREEITEM other = m_tree.InsertItem("other");
    TVITEM indicator{};
    indicator.mask = TVIF_CHILDREN;
    indicator.hItem = other;
    indicator.cChildren = 1;
    m_tree.SetItem(&indicator);
    EXPECT_THROW(m_tree.Expand(other, TVE_EXPAND), std::runtime_error);
    EXPECT_EQ(m_tree.preAnimations, 3);
    EXPECT_EQ(m_tree.postAnimations, 3);
    m_tree.populate = [&](HTREEITEM item) {
        EXPECT_TRUE(m_tree.WaitForCalls(0, m_tree.callsAtPost + 1));
        m_tree.InsertItem("found", item);
        return 1;
    };
    m_tree.RefreshSubItems(other, true);
    EXPECT_EQ(Children(other), (std::vector<CString>{"found"}));
    EXPECT_EQ(m_tree.postAnimations, 4);
    EXPECT_EQ(m_tree.AllCalls(), m_tree.callsAtPost);
}

TEST_F(WaitingTree, TheRootIsFilledAndIconsGoLeftOfLabels) {
    m_tree.DeleteAllItems();
    m_tree.populate = [&](HTREEITEM item) {
        EXPECT_EQ(item, TVI_ROOT);
        for (int index = 0; index < 40; ++index)
            m_tree.InsertItem(("top " + std::to_string(index)).c_str());
        return 1;
    };
    m_tree.PopulateRoot();
    EXPECT_EQ(m_tree.GetCount(), 40u);
    EXPECT_EQ(m_tree.GetFirstVisibleItem(), m_tree.GetRootItem());
    EXPECT_EQ(m_tree.postAnimations, 1);

    RECT icon;
    EXPECT_EQ(m_tree.GetItemImageRect(m_tree.GetRootItem(), &icon), 0); // no image list
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    m_tree.SetImageList(&images, TVSIL_NORMAL);
    ASSERT_EQ(m_tree.GetItemImageRect(m_tree.GetRootItem(), &icon), 1);
    CRect label;
    m_tree.GetItemRect(m_tree.GetRootItem(), &label, TRUE);
    EXPECT_EQ(CRect(icon), CRect(label.left - 19, label.top + (label.Height() - 16) / 2,
                                 label.left - 3, label.top + (label.Height() - 16) / 2 + 16));
    const HTREEITEM hidden = m_tree.InsertItem("hidden", m_tree.GetRootItem());
    EXPECT_EQ(m_tree.GetItemImageRect(hidden, &icon), 0);
    m_tree.SetImageList(nullptr, TVSIL_NORMAL);
}
