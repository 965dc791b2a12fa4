#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Drawing.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Regions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// A region of many bands, so that combining two of them takes a while.
HRGN Comb(int teeth, int shift) {
    std::vector<POINT> points;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        points.push_back(POINT{shift, tooth * 4});
        points.push_back(POINT{200 + shift, tooth * 4 + 2});
    }
    points.push_back(POINT{0, teeth * 4});
    return CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
}

} // namespace

TEST(GdiHandles, AHandleOfADeletedObjectNeverNamesItsSuccessor) {
    HDC dc = CreateCompatibleDC(nullptr);
    std::vector<HGDIOBJ> deleted;
    for (int round = 0; round < 50; ++round) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(round, 0, 0));
        ASSERT_NE(pen, nullptr);
        for (HGDIOBJ old : deleted)
            ASSERT_NE(old, pen);
        ASSERT_TRUE(DeleteObject(pen));
        deleted.push_back(pen);
    }
    HPEN live = CreatePen(PS_DOT, 1, RGB(0, 0, 255));
    for (HGDIOBJ old : deleted) {
        EXPECT_EQ(GetObjectType(old), 0u);
        EXPECT_EQ(SelectObject(dc, old), nullptr);
        EXPECT_FALSE(DeleteObject(old));
    }
    EXPECT_EQ(GetObjectType(live), static_cast<DWORD>(OBJ_PEN));
    DeleteObject(live);

    HDC gone = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(gone));
    HDC next = CreateCompatibleDC(nullptr);
    EXPECT_NE(next, gone);
    EXPECT_NE(SetBkColor(next, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_EQ(SetBkColor(gone, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_FALSE(DeleteDC(gone));
    DeleteDC(next);
    DeleteDC(dc);
}

TEST(GdiHandles, AnotherThreadMayDeleteWhatThisOneIsUsing) {
    // The main thread combines and selects objects while a second one deletes them as soon
    // as they appear; every call either sees the object whole or sees no object.
    constexpr int kRounds = 300;
    std::atomic<HRGN> shared{nullptr};
    std::atomic<HPEN> sharedPen{nullptr};
    std::atomic<bool> done{false};
    std::atomic<int> deletedRegions{0};
    std::thread deleter([&] {
        while (!done.load()) {
            if (HRGN region = shared.exchange(nullptr))
                deletedRegions += DeleteObject(region) ? 1 : 0;
            if (HPEN pen = sharedPen.exchange(nullptr))
                while (!DeleteObject(pen) && GetObjectType(pen) == OBJ_PEN)
                    std::this_thread::yield(); // selected just now: wait until let go
        }
    });

    HDC dc = CreateCompatibleDC(nullptr);
    HRGN target = CreateRectRgn(0, 0, 1, 1);
    HRGN other = Comb(40, 3);
    for (int round = 0; round < kRounds; ++round) {
        HRGN region = Comb(40, round % 7);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, round % 256, 0));
        shared.store(region);
        sharedPen.store(pen);
        const int kind = CombineRgn(target, region, other, RGN_XOR);
        EXPECT_TRUE(kind == ERROR || kind == NULLREGION || kind == SIMPLEREGION ||
                    kind == COMPLEXREGION);
        RECT box;
        GetRgnBox(region, &box);
        const HGDIOBJ previous = SelectObject(dc, pen);
        if (previous)
            SelectObject(dc, previous);
        while (shared.load() || sharedPen.load())
            std::this_thread::yield();
    }
    done = true;
    deleter.join();
    EXPECT_EQ(deletedRegions.load(), kRounds);
    DeleteObject(target);
    DeleteObject(other);
    DeleteDC(dc);
}
