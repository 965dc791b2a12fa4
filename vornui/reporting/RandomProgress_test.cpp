// Every indicator driven with random ranges, positions, steps and offsets over the whole
// int range: the texts stay those of the rules, with nothing overflowing on the way.

#include "vornui/platform/WinApp.h"
#include "vornui/reporting/CProgressStdOut.h"
#include "vornui/reporting/KProgressDlg.h"
#include "vornui/resources/ReportingIds.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

int AnyInt(std::mt19937& random) {
    // Half the draws near the interesting edges, half anywhere.
    static constexpr int kEdges[] = {INT_MIN, INT_MIN + 1, -101, -1,          0,      1,
                                     99,      100,         101,  INT_MAX - 1, INT_MAX};
    if (random() % 2)
        return kEdges[random() % std::size(kEdges)];
    return static_cast<int>(random());
}

std::string ExpectedPercentText(long long pos, int lower, int upper) {
    const long double exact =
        (static_cast<long double>(pos) - lower) * 100 / (static_cast<long double>(upper) - lower);
    long long whole =
        upper == lower || !(exact > 0) ? 0 : static_cast<long long>(std::trunc(exact));
    if (whole != 100)
        whole %= 100;
    return std::to_string(whole) + "%";
}

} // namespace

TEST(RandomProgress, TheDialogShowsThePercentageOfAnyPositionInAnyRange) {
    CWinApp app("Survey");
    KProgressDlg dialog(1);
    ASSERT_TRUE(dialog.Create(nullptr));
    std::mt19937 random(20);
    for (int round = 0; round < 3000; ++round) {
        const int lower = AnyInt(random), upper = AnyInt(random), pos = AnyInt(random);
        dialog.SetRange(lower, upper);
        long long shownFor = pos;
        switch (random() % 3) {
        case 0:
            dialog.SetPos(pos);
            break;
        case 1: {
            dialog.SetStep(pos);
            const int previous = dialog.StepIt();
            shownFor = static_cast<long long>(previous) + pos;
            break;
        }
        default: {
            const int previous = dialog.OffsetPos(pos);
            shownFor = static_cast<long long>(previous) + pos;
            break;
        }
        }
        CString text;
        dialog.GetDlgItemText(IDC_PROGRESS_VALUE, text);
        ASSERT_EQ(std::string(text.GetString()), ExpectedPercentText(shownFor, lower, upper))
            << lower << ".." << upper << " at " << shownFor;
        const int bar = static_cast<int>(dialog.SendDlgItemMessage(IDC_PROGRESS_BAR, PBM_GETPOS));
        ASSERT_GE(bar, std::min(lower, upper));
        ASSERT_LE(bar, std::max(lower, upper));
    }
}

TEST(RandomProgress, TheCounterShowsAnyPositionWholeAndTheNullObjectGivesItBack) {
    CWinApp app("Survey");
    KProgressDlg counter(1);
    ASSERT_TRUE(counter.CreateCounter(nullptr));
    CProgressNullObject none;
    std::mt19937 random(21);
    for (int round = 0; round < 3000; ++round) {
        const int lower = AnyInt(random), upper = AnyInt(random), pos = AnyInt(random);
        counter.SetRange(lower, upper);
        long long shownFor = pos;
        if (random() % 2) {
            counter.SetPos(pos);
        } else {
            const int previous = counter.OffsetPos(pos);
            shownFor = static_cast<long long>(previous) + pos;
        }
        CString text;
        counter.GetDlgItemText(IDC_PROGRESS_VALUE, text);
        ASSERT_EQ(std::string(text.GetString()), std::to_string(shownFor))
            << lower << ".." << upper << " at " << shownFor;
        none.SetRange(lower, upper);
        ASSERT_EQ(none.SetPos(pos), pos);
        ASSERT_EQ(none.IsCancelled(), 0);
    }
}

TEST(RandomProgress, TheConsoleWritesALineExactlyWhenThePercentageChanges) {
    CProgressStdOut progress;
    std::mt19937 random(7);
    std::string expected;
    long long last = -1;
    testing::internal::CaptureStdout();
    for (int round = 0; round < 3000; ++round) {
        if (random() % 8 == 0) {
            const int maximum = AnyInt(random);
            progress.SetRange(AnyInt(random), maximum);
            // Positions near the last ones, so that lines repeat as well as change.
            for (int i = 0; i < 20; ++i) {
                const int pos =
                    random() % 2 ? AnyInt(random) : static_cast<int>(random() % 300) - 50;
                progress.SetPos(pos);
                if (maximum == 0)
                    continue;
                const long long percent = static_cast<long long>(pos) * 100 / maximum;
                if (percent != last) {
                    char line[64];
                    std::snprintf(line, sizeof line, "progress:%g\n", percent / 100.0);
                    expected += line;
                    last = percent;
                }
            }
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
}
