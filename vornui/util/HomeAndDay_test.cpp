#include "tests/ScopedTimeZone.h"
#include "tests/TempDir.h"

#include "vornui/util/HomeDir.h"
#include "vornui/util/JulianDay.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <limits>
#include <memory>

namespace {

// The folder of the running test program.
std::string ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

struct LibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

} // namespace

TEST(HomeDir, TheHomeFolderIsTheModulesFolderWithoutABinFolder) {
    char home[4096];
    const int length = GetHomeDir(home, sizeof home, nullptr);
    EXPECT_EQ(std::string(home), ProgramFolder());
    EXPECT_EQ(length, static_cast<int>(ProgramFolder().size()));

    // A shared object loaded from Suite/Bins: the "bin" folder is dropped.
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Suite" / "Bins");
    std::filesystem::create_directories(dir.path() / "Suite" / "Tools");
    const std::string inBin = dir.file("Suite/Bins/libvornprobe.so");
    const std::string inTools = dir.file("Suite/Tools/libvorntool.so");
    std::filesystem::copy_file(VORNUI_PROBE_MODULE, inBin);
    std::filesystem::copy_file(VORNUI_PROBE_MODULE, inTools);
    const std::unique_ptr<void, LibraryCloser> probe(dlopen(inBin.c_str(), RTLD_NOW));
    const std::unique_ptr<void, LibraryCloser> tool(dlopen(inTools.c_str(), RTLD_NOW));
    ASSERT_TRUE(probe && tool);
    EXPECT_EQ(GetHomeDir(home, sizeof home, "libvornprobe.so"),
              static_cast<int>(dir.file("Suite").size()));
    EXPECT_EQ(std::string(home), dir.file("Suite"));
    EXPECT_GT(GetHomeDir(home, sizeof home, "LIBVORNTOOL"), 0);
    EXPECT_EQ(std::string(home), dir.file("Suite/Tools"));

    // Too small by one: nothing written past the buffer, nothing at all.
    const int needed = static_cast<int>(dir.file("Suite").size()) + 1;
    std::string small(static_cast<size_t>(needed) + 8, '#');
    EXPECT_EQ(GetHomeDir(small.data(), needed - 1, "libvornprobe.so"), 0);
    EXPECT_EQ(small, std::string(static_cast<size_t>(needed) + 8, '#'));
    EXPECT_EQ(GetHomeDir(small.data(), needed, "libvornprobe.so"), needed - 1);
    EXPECT_EQ(GetHomeDir(home, sizeof home, "libnotloaded.so"), 0);
    EXPECT_EQ(GetHomeDir(nullptr, 10, nullptr), 0);
}

TEST(JulianDay, DaysAreCountedInLocalTimeWithEveryFourthYearLeap) {
    const ScopedTimeZone zone("UTC");
    EXPECT_EQ(GetJulianDay(CTime(2024, 1, 1, 0, 0, 0)), 1);
    EXPECT_EQ(GetJulianDay(CTime(2024, 3, 1, 12, 0, 0)), 61);
    EXPECT_EQ(GetJulianDay(CTime(2025, 3, 1, 12, 0, 0)), 60);
    EXPECT_EQ(GetJulianDay(CTime(2024, 12, 31, 23, 59, 59)), 366);
    EXPECT_EQ(GetJulianDay(CTime(2025, 12, 31, 23, 59, 59)), 365);
    // Every year divisible by 4 counts February as 29 days, 2100 too.
    EXPECT_EQ(GetJulianDay(CTime(2100, 3, 1, 0, 0, 0)), 61);
    EXPECT_EQ(GetJulianDay(CTime(2100, 12, 31, 0, 0, 0)), 366);
    // Local time decides the day.
    EXPECT_EQ(GetJulianDay(CTime(static_cast<time_t>(1735686000))), 366); // 2024-12-31 23:00
    const ScopedTimeZone east("JST-9");
    EXPECT_EQ(GetJulianDay(CTime(static_cast<time_t>(1735686000))), 1); // 2025-01-01 08:00
    // A time beyond any calendar the system can print.
    EXPECT_EQ(GetJulianDay(CTime(std::numeric_limits<time_t>::max())), 0);
}
