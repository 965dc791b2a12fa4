#include "tests/FakePrograms.h"
#include "tests/TempDir.h"

#include "vornui/platform/SystemPrograms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using Words = std::vector<std::string>;

} // namespace

TEST(SystemPrograms, CommandLinesSplitAsTheRuntimeSplitsThem) {
    EXPECT_EQ(SplitCommandLine("mspaint.exe -p /tmp/a.bmp"),
              (Words{"mspaint.exe", "-p", "/tmp/a.bmp"}));
    EXPECT_EQ(SplitCommandLine("  a   \"b c\"  d\"e f\"g "), (Words{"a", "b c", "de fg"}));
    EXPECT_EQ(SplitCommandLine(R"(x \"y\" a\\\\"b c" d\e)"),
              (Words{"x", "\"y\"", "a\\\\b c", "d\\e"}));
    EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\x.exe" a"b"" c d)"),
              (Words{R"(C:\Program Files\x.exe)", "ab\" c d"}));
    EXPECT_EQ(SplitCommandLine(R"(C:\dir\"a b"\x.exe "unclosed \\)"),
              (Words{R"(C:\dir\a b\x.exe)", R"(unclosed \\)"}));
    EXPECT_EQ(SplitCommandLine(""), Words{});
}

TEST(SystemPrograms, SystemProgramsMapToTheirLinuxCounterparts) {
    FakePrograms fake;
    fake.add("lp");
    fake.add("xdg-open");
    fake.add("FormatWizard");
    const auto print = LinuxCommandFor({"mspaint.exe", "-p", "/tmp/Tempbmpfile.bmp"});
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(std::filesystem::path((*print)[0]).filename(), "lp");
    EXPECT_EQ((*print)[1], "/tmp/Tempbmpfile.bmp");
    const auto folder = LinuxCommandFor({"explorer", "/select,/opt/vorn/log/error"});
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ((*folder)[1], "/opt/vorn/log");
    const auto edit = LinuxCommandFor({"notepad.exe", "/tmp/notes.txt"});
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(std::filesystem::path((*edit)[0]).filename(), "xdg-open");
    const auto wizard = LinuxCommandFor({"FormatWizard.exe", "-m"});
    ASSERT_TRUE(wizard.has_value());
    EXPECT_EQ(std::filesystem::path((*wizard)[0]).filename(), "FormatWizard");
    // A file that begins with '-' is handed over so that it cannot be read as an option.
    EXPECT_EQ((*LinuxCommandFor({"notepad", "-notes.txt"}))[1], "./-notes.txt");
    EXPECT_EQ((*LinuxCommandFor({"explorer", "/select,-raw/a.txt"}))[1], "./-raw");
    EXPECT_EQ((*LinuxCommandFor({"mspaint", "-p", "-a.bmp"}))[1], "./-a.bmp");
    EXPECT_FALSE(LinuxCommandFor({"regsvr32", "mscomm32.ocx"}).has_value());
    EXPECT_FALSE(LinuxCommandFor({"NoSuchProgram.exe"}).has_value());
    // A folder of PATH given with its separator at the end gets no second one.
    const std::string fakes = std::filesystem::path(fake.record("lp")).parent_path().string();
    setenv("PATH", (fakes + "/").c_str(), 1);
    EXPECT_EQ((*LinuxCommandFor({"mspaint", "-p", "a.bmp"}))[0], fakes + "/lp");
}

TEST(SystemPrograms, WinExecStartsWithoutWaiting) {
    FakePrograms fake;
    fake.add("lp");
    EXPECT_GT(WinExec("mspaint.exe -p \"/tmp/with space.bmp\"", 0), 31u);
    EXPECT_EQ(fake.awaitRun("lp"), "lp /tmp/with space.bmp\n");
    EXPECT_EQ(WinExec("regsvr32 /s mscomm32.ocx", 0), static_cast<UINT>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(WinExec("", 0), static_cast<UINT>(ERROR_BAD_FORMAT));
}

TEST(SystemPrograms, ShellVerbsOpenExploreAndPrintThroughTheDesktopsPrograms) {
    FakePrograms fake;
    fake.add("xdg-open");
    TempDir dir;
    const std::string document = dir.write("depths.txt", "1.5\n");
    const auto started = [](HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; };

    EXPECT_TRUE(started(ShellExecute(nullptr, "open", document.c_str(), nullptr, nullptr, 1)));
    EXPECT_EQ(fake.awaitRun("xdg-open"), "xdg-open " + document + "\n");
    std::filesystem::remove(fake.record("xdg-open"));
    EXPECT_TRUE(started(ShellExecute(nullptr, "explore", dir.path().c_str(), nullptr, nullptr, 1)));
    EXPECT_EQ(fake.awaitRun("xdg-open"), "xdg-open " + dir.path().string() + "\n");

    // No printing program: nothing is associated with the verb.
    EXPECT_EQ(reinterpret_cast<INT_PTR>(
                  ShellExecute(nullptr, "print", document.c_str(), nullptr, nullptr, 1)),
              SE_ERR_NOASSOC);
    fake.add("lp");
    EXPECT_TRUE(started(ShellExecute(nullptr, "print", document.c_str(), nullptr, nullptr, 1)));
    EXPECT_EQ(fake.awaitRun("lp"), "lp " + document + "\n");

    // A program runs with its parameters.
    fake.add("FormatWizard");
    EXPECT_TRUE(
        started(ShellExecute(nullptr, nullptr, "FormatWizard", "/m \"TERRAL TIDE\"", nullptr, 1)));
    EXPECT_EQ(fake.awaitRun("FormatWizard"), "FormatWizard /m TERRAL TIDE\n");

    const auto result = [](HINSTANCE value) { return reinterpret_cast<INT_PTR>(value); };
    EXPECT_EQ(
        result(ShellExecute(nullptr, "open", dir.file("gone.txt").c_str(), nullptr, nullptr, 1)),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(result(ShellExecute(nullptr, "explore", document.c_str(), nullptr, nullptr, 1)),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(result(ShellExecute(nullptr, "edit", document.c_str(), nullptr, nullptr, 1)),
              SE_ERR_NOASSOC);
    EXPECT_EQ(result(ShellExecute(nullptr, "open", "", nullptr, nullptr, 1)), ERROR_FILE_NOT_FOUND);
}
