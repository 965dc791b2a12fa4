// Guide example: a tide series loaded through a template, the tide looked up inside and
// outside the series, and what the series does not check.
#include "vornui/vornui.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

void Lookup(const CTideHandler& tide, const char* what, long when) {
    float level = 0;
    const int outside = tide.GetTide(level, when);
    if (outside == 0)
        std::printf("%-26s tide %.3f m\n", what, level);
    else
        std::printf("%-26s %+d s outside the series\n", what, outside);
}

// An embedded tide block as a host keeps it: count, 12 unused bytes, an 80-byte name,
// then (time, tide) pairs.
struct Block {
    int32_t count = 3;
    char unused[12] = {};
    char name[80] = "hand-made";
    struct {
        int32_t time;
        float tide;
    } samples[3];
};

int main() {
    // The file's times are local times: this host's clock is Central European.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();

    CTideHandler tide;
    const int samples = tide.LoadTide("Date and time", "tide_columns.txt");
    std::printf("%d samples loaded\n", samples);
    const CTideHandler::Sample first = tide.GetSample(0);
    std::printf("first sample: %ld, %.2f m\n", static_cast<long>(first.time), first.tide);

    Lookup(tide, "at 01:00 (a sample):", CTime(2024, 3, 15, 1, 0, 0).GetTime());
    Lookup(tide, "at 01:15 (between two):", CTime(2024, 3, 15, 1, 15, 0).GetTime());
    Lookup(tide, "at 23:50 the day before:", CTime(2024, 3, 14, 23, 50, 0).GetTime());
    Lookup(tide, "at 03:05:", CTime(2024, 3, 15, 3, 5, 0).GetTime());
    std::printf("ContainsTime(03:00): %d\n",
                tide.ContainsTime(CTime(2024, 3, 15, 3, 0, 0).GetTime()));

    // The series is taken as it comes: times must ascend, and nothing checks that they do.
    Block block;
    block.samples[0] = {3000, 3.0f};
    block.samples[1] = {2000, 2.0f};
    block.samples[2] = {1000, 1.0f};
    CTideHandler unordered;
    unordered.LoadEmbeddedTide(&block, sizeof block);
    Lookup(unordered, "descending, at 2500:", 2500);

    // Two samples at the same time are both kept; the lookup meets the first at that time
    // and interpolates after it from the second.
    block.samples[0] = {1000, 1.0f};
    block.samples[1] = {1000, 5.0f};
    block.samples[2] = {2000, 2.0f};
    CTideHandler duplicated;
    duplicated.LoadEmbeddedTide(&block, sizeof block);
    Lookup(duplicated, "duplicate, at 1000:", 1000);
    Lookup(duplicated, "duplicate, at 1500:", 1500);
    return 0;
}
