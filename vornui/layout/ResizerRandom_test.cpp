// Properties of the window resizer over random trees, limits, sizes and operations.

#include "tests/ResizerHost.h"

#include "vornui/layout/CWndResizer.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/WindowMessages.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr UINT kFirstId = 1000;

class Dice {
public:
    explicit Dice(unsigned seed) : m_engine(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    bool OneIn(int chances) { return Between(1, chances) == 1; }
    CRect Rect(int width, int height) {
        const int left = Between(0, width - 20);
        const int top = Between(0, height - 20);
        return CRect(left, top, left + Between(5, 120), top + Between(5, 80));
    }
    // Now and then a value at the ends of the range.
    int Any() {
        static const int extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX};
        return OneIn(4) ? extremes[Between(0, 6)] : Between(-1000, 1000);
    }

private:
    std::mt19937 m_engine;
};

} // namespace

TEST(ResizerRandom, AnchoredControlsStayWithinTheirLimitsForAnyTreeAndSize) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE(seed);
        Dice dice(seed);
        ResizerHost host(400, 300);
        CWndResizer resizer;
        ASSERT_TRUE(resizer.Hook(host.Wnd()));
        const int groups = dice.Between(0, 4);
        std::vector<std::string> names{"_root"};
        for (int g = 0; g < groups; ++g) {
            const std::string name = "group" + std::to_string(g);
            const CRect area = dice.Rect(400, 300);
            ASSERT_TRUE(resizer.CreatePanel(name.c_str(), &area));
            resizer.SetParent(name.c_str(), names[dice.Between(0, g)].c_str());
            UINT anchor = static_cast<UINT>(dice.Between(0, 0xFF));
            resizer.SetAnchor(name.c_str(), anchor);
            names.push_back(name);
        }
        struct Limits {
            UINT id;
            CSize minimum;
            CSize maximum;
        };
        std::vector<Limits> controls;
        const int count = dice.Between(1, 12);
        for (int c = 0; c < count; ++c) {
            const UINT id = kFirstId + static_cast<UINT>(c);
            host.Add("Static", id, dice.Rect(400, 300));
            ASSERT_TRUE(resizer.SetAnchor(id, static_cast<UINT>(dice.Between(0, 0xFF))));
            CSize minimum(dice.Between(0, 150), dice.Between(0, 100));
            CSize maximum(minimum.cx + dice.Between(0, 200), minimum.cy + dice.Between(0, 200));
            ASSERT_TRUE(resizer.SetMinimumSize(id, minimum));
            ASSERT_TRUE(resizer.SetMaximumSize(id, maximum));
            ASSERT_TRUE(resizer.SetParent(id, names[dice.Between(0, groups)].c_str()));
            controls.push_back(Limits{id, minimum, maximum});
        }
        for (int step = 0; step < 6; ++step) {
            host.SizeClient(dice.Between(0, 900), dice.Between(0, 700));
            for (const Limits& control : controls) {
                const CRect rect = host.RectOf(control.id);
                EXPECT_GE(rect.Width(), control.minimum.cx) << control.id;
                EXPECT_LE(rect.Width(), control.maximum.cx) << control.id;
                EXPECT_GE(rect.Height(), control.minimum.cy) << control.id;
                EXPECT_LE(rect.Height(), control.maximum.cy) << control.id;
            }
        }
    }
}

TEST(ResizerRandom, RandomCreatingReparentingSplittingAndUnhookingRunsClean) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        Dice dice(seed);
        ResizerHost host(400, 300);
        const int count = dice.Between(2, 10);
        for (int c = 0; c < count; ++c)
            host.Add("Static", kFirstId + static_cast<UINT>(c), dice.Rect(400, 300));
        CWndResizer resizer;
        ASSERT_TRUE(resizer.Hook(host.Wnd()));
        std::vector<std::string> names{"_root", "_resizeGrip", "nothing", ""};
        for (int c = 0; c < count + 2; ++c)
            names.push_back(std::to_string(kFirstId + static_cast<UINT>(c)));
        const auto name = [&]() {
            return names[dice.Between(0, static_cast<int>(names.size()) - 1)];
        };
        const auto id = [&]() { return kFirstId + static_cast<UINT>(dice.Between(0, count + 1)); };
        for (int step = 0; step < 80; ++step) {
            switch (dice.Between(0, 17)) {
            case 0: {
                const std::string made = "p" + std::to_string(step);
                const CRect area = dice.OneIn(5)
                                       ? CRect(dice.Any(), dice.Any(), dice.Any(), dice.Any())
                                       : dice.Rect(400, 300);
                if (dice.OneIn(2) ? resizer.CreatePanel(made.c_str(), &area)
                                  : resizer.CreateFlowLayoutPanel(made.c_str(), &area))
                    names.push_back(made);
                break;
            }
            case 1:
                resizer.CreatePanel(id());
                break;
            case 2:
                resizer.SetParent(name().c_str(), name().c_str());
                break;
            case 3:
                resizer.SetParent(id(), id());
                break;
            case 4: {
                const std::string made = "s" + std::to_string(step);
                const BOOL created =
                    dice.OneIn(2) ? resizer.CreateSplitContainer(made.c_str(), id(), id())
                                  : resizer.CreateSplitContainer(made.c_str(), name().c_str(),
                                                                 name().c_str());
                if (created)
                    names.push_back(made);
                break;
            }
            case 5:
                resizer.SetSplitterPosition(name().c_str(), static_cast<UINT>(dice.Any()));
                break;
            case 6:
                resizer.SetAnchor(name().c_str(), static_cast<UINT>(dice.Any()));
                break;
            case 7:
                resizer.SetDock(id(), static_cast<UINT>(dice.Between(0, 7)));
                break;
            case 8: {
                CSize size(dice.Any(), dice.Any());
                resizer.SetMinimumSize(name().c_str(), size, dice.OneIn(3));
                break;
            }
            case 9: {
                CSize size(dice.Any(), dice.Any());
                resizer.SetMaximumSize(id(), size);
                break;
            }
            case 10:
                resizer.SetFlowDirection(name().c_str(), static_cast<short>(dice.Between(0, 3)));
                resizer.SetFlowItemSpacingX(name().c_str(), dice.Any());
                resizer.SetFlowItemSpacingY(name().c_str(), dice.Any());
                break;
            case 11:
                resizer.SetFixedPanel(name().c_str(), static_cast<short>(dice.Between(-1, 3)));
                resizer.SetIsSplitterFixed(name().c_str(), dice.OneIn(2));
                resizer.SetShowSplitterGrip(name().c_str(), dice.OneIn(2));
                break;
            case 12:
                host.SizeClient(dice.Between(0, 900), dice.Between(0, 700));
                break;
            case 13:
                SendMessage(host.Hwnd(), dice.Between(0, 2) + WM_MOUSEMOVE,
                            static_cast<WPARAM>(dice.Between(0, 3)),
                            MAKELPARAM(dice.Between(-50, 450), dice.Between(-50, 350)));
                break;
            case 14: {
                RECT rect{dice.Any(), dice.Any(), dice.Any(), dice.Any()};
                SendMessage(host.Hwnd(), WM_SIZING, static_cast<WPARAM>(dice.Between(0, 9)),
                            reinterpret_cast<LPARAM>(&rect));
                break;
            }
            case 15:
                if (dice.OneIn(3))
                    DestroyWindow(GetDlgItem(host.Hwnd(), static_cast<int>(id())));
                break;
            case 16:
                if (dice.OneIn(4)) {
                    resizer.Unhook();
                    names.resize(4 + static_cast<size_t>(count) + 2);
                    ASSERT_TRUE(resizer.Hook(host.Wnd()));
                }
                break;
            default:
                resizer.InvokeOnResized(dice.OneIn(3));
                resizer.SetShowResizeGrip(dice.OneIn(2));
                UpdateWindow(host.Hwnd());
                break;
            }
        }
        EXPECT_EQ(std::string(resizer.GetDebugInfo().GetString()).rfind("\nName(_root)", 0), 0u);
        if (dice.OneIn(2))
            DestroyWindow(host.Hwnd()); // unhooks by WM_DESTROY
        else
            EXPECT_TRUE(resizer.Unhook());
        EXPECT_EQ(std::string(resizer.GetDebugInfo().GetString()).find("ChildrenCount(0)"),
                  std::string(resizer.GetDebugInfo().GetString()).size() -
                      std::string("ChildrenCount(0)").size());
    }
}
