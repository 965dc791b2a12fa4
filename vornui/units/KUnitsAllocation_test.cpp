// Values are printed on hot paths (every sounding, every position): once the output
// string has room, printing must not allocate at all.
#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
} // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

TEST(KUnitsAllocation, PrintingIntoAStringWithRoomAllocatesNothing) {
    KUnits feet(0x105), dms(0x309), clock(0x334), stations, radians(0x302), affix(0x1005);
    stations.InitStation(0x143, 1000);
    const KUnits::Converter converter(radians, dms);
    CString text;
    text.Preallocate(128);
    const long before = g_allocations;
    for (double value : {-1234.5678, 0.0, 59.99999, 90061.0, 1e12}) {
        feet.FormatM2RangeUnit(value, text);
        dms.FormatDefault2Unit(value, text);
        clock.FormatSeconds2TimeUnitSymbol(value, text);
        stations.FormatInRangeUnit(value, text);
        converter.XFormat(value, text);
        affix.FormatAffixUnit(value, text);
        KUnits::Format2Unit(0x5C, value, text);
    }
    EXPECT_EQ(g_allocations - before, 0);
    EXPECT_GT(text.GetLength(), 0);
}
