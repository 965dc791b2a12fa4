#include "tests/ChildWait.h"
#include "tests/ScopedNumericLocale.h"

#include "vornui/reporting/CProgressStdOut.h"

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string StdOutOf(const std::function<void()>& work) {
    testing::internal::CaptureStdout();
    work();
    return testing::internal::GetCapturedStdout();
}

// Reads `fd` until end of file or five seconds without a byte.
std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 5000) <= 0)
            break;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
    }
    return text;
}

struct ChildOutput {
    std::string out;
    std::string err;
};

constexpr int kPipe = -1;

// Runs `work` in a child process whose standard output is a pipe and whose standard error
// is a pipe too (kPipe), or the slave of a pseudo-terminal `columns` wide (0: a terminal
// that does not know its width).
ChildOutput RunInChild(const std::function<void()>& work, int columns) {
    int out[2];
    EXPECT_EQ(pipe(out), 0);
    int errRead = -1, errWrite = -1;
    if (columns != kPipe) {
        winsize size{};
        size.ws_col = static_cast<unsigned short>(columns);
        size.ws_row = columns > 0 ? 24 : 0;
        EXPECT_EQ(openpty(&errRead, &errWrite, nullptr, nullptr, &size), 0);
    } else {
        int err[2];
        EXPECT_EQ(pipe(err), 0);
        errRead = err[0];
        errWrite = err[1];
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errWrite, STDERR_FILENO);
        close(out[0]);
        close(errRead);
        setenv("TERM", "xterm", 1);
        work();
        std::fflush(nullptr);
        _exit(0);
    }
    close(out[1]);
    close(errWrite);
    ChildOutput output{ReadAll(out[0]), ReadAll(errRead)};
    close(out[0]);
    close(errRead);
    int status = 0;
    EXPECT_TRUE(WaitForChild(child, status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return output;
}

void RunToTheEnd() {
    CProgressStdOut progress;
    progress.SetTerminalBar(1);
    progress.SetRange(0, 400);
    for (int i = 0; i <= 400; ++i)
        progress.SetPos(i);
    progress.DestroyWindow();
}

// Goes halfway, then ends with DestroyWindow or, when `destroy` is false, with the
// indicator's destruction.
void StopHalfway(bool destroy) {
    CProgressStdOut progress;
    progress.SetTerminalBar(1);
    for (int i = 0; i <= 50; ++i)
        progress.SetPos(i);
    if (destroy)
        progress.DestroyWindow();
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string ExpectedLines(int count) {
    std::string lines;
    for (int percent = 0; percent <= count; ++percent) {
        char line[32];
        std::snprintf(line, sizeof line, "progress:%g\n", percent / 100.0);
        lines += line;
    }
    return lines;
}

} // namespace

TEST(ProgressStdOut, WritesOneLinePerChangedPercentage) {
    CProgressStdOut progress;
    EXPECT_EQ(progress.Create(nullptr), 1);
    EXPECT_EQ(progress.IsCancelled(), 0);
    EXPECT_EQ(StdOutOf([&] {
                  EXPECT_EQ(progress.SetPos(0), 0);
                  progress.SetPos(0);
                  progress.SetPos(50);
                  progress.SetPos(5);
                  progress.SetPos(100);
                  progress.SetPos(1234);
              }),
              "progress:0\nprogress:0.5\nprogress:0.05\nprogress:1\nprogress:12.34\n");

    // After a range of 0..200, position 100 is 50% again: no line, since the last was 12.34.
    EXPECT_EQ(StdOutOf([&] {
                  progress.SetRange(0, 200);
                  progress.SetPos(100);
                  progress.SetPos(101);
                  progress.SetPos(102);
              }),
              "progress:0.5\nprogress:0.51\n");
    EXPECT_EQ(StdOutOf([&] {
                  progress.SetRange(0, 200);
                  progress.SetPos(102);
              }),
              "");

    // No overflow in p × 100, a negative maximum, and nothing at all for a maximum of 0.
    EXPECT_EQ(StdOutOf([&] {
                  progress.SetRange(0, 3);
                  progress.SetPos(INT_MAX);
                  progress.SetRange(0, -200);
                  progress.SetPos(-100);
                  progress.SetPos(100);
                  progress.SetRange(0, 0);
                  EXPECT_EQ(progress.SetPos(5), 5);
                  progress.SetPos(INT_MIN);
              }),
              "progress:7.15828e+08\nprogress:0.5\nprogress:-0.5\n");
    EXPECT_EQ(progress.DestroyWindow(), 1);
}

TEST(ProgressStdOut, WritesAPointUnderADecimalCommaLocale) {
    ScopedCommaLocale comma;
    CProgressStdOut progress;
    EXPECT_EQ(StdOutOf([&] { progress.SetPos(42); }), "progress:0.42\n");
}

TEST(ProgressStdOut, AChildProcessWritesExactlyTheLinesToAPipe) {
    const ChildOutput output = RunInChild(RunToTheEnd, kPipe);
    EXPECT_EQ(output.out, ExpectedLines(100));
    EXPECT_EQ(output.err, ""); // standard error is no terminal: no bar
}

TEST(ProgressStdOut, APersonAtATerminalSeesABarEndedByANewline) {
    const ChildOutput output = RunInChild(RunToTheEnd, 40);
    EXPECT_EQ(output.out, ExpectedLines(100));
    // One line redrawn in place, 39 columns wide, ended at 100%.
    const std::string full = "\r[" + std::string(32, '#') + "] 100%";
    ASSERT_GE(output.err.size(), full.size() + 2);
    EXPECT_EQ(output.err.substr(output.err.size() - full.size() - 2), full + "\r\n");
    EXPECT_NE(output.err.find("\r[" + std::string(16, '#') + std::string(16, '.') + "] 50% "),
              std::string::npos);
    EXPECT_EQ(output.err.find('\n'), output.err.size() - 1);
    // Redrawn once for each whole percentage, not for each of the 401 positions.
    EXPECT_EQ(Count(output.err, "\r["), 101u);

    // Ended early, the line is ended all the same: by DestroyWindow or by destruction.
    for (const bool destroy : {true, false}) {
        const ChildOutput halfway = RunInChild([&] { StopHalfway(destroy); }, 40);
        EXPECT_EQ(halfway.out, ExpectedLines(50));
        const std::string half = "\r[" + std::string(16, '#') + std::string(16, '.') + "] 50% ";
        ASSERT_GE(halfway.err.size(), half.size() + 2);
        EXPECT_EQ(halfway.err.substr(halfway.err.size() - half.size() - 2), half + "\r\n");
    }

    // A terminal that does not say its width is taken as 80 columns wide.
    const ChildOutput unknownWidth = RunInChild(RunToTheEnd, 0);
    EXPECT_EQ(unknownWidth.out, ExpectedLines(100));
    EXPECT_NE(unknownWidth.err.find("\r[" + std::string(72, '#') + "] 100%\r\n"),
              std::string::npos);

    // TERM=dumb cannot redraw a line: no bar.
    const ChildOutput dumb = RunInChild(
        [] {
            setenv("TERM", "dumb", 1);
            RunToTheEnd();
        },
        40);
    EXPECT_EQ(dumb.out, ExpectedLines(100));
    EXPECT_EQ(dumb.err, "");
}

TEST(ProgressNullObject, AcceptsEverything) {
    CProgressNullObject none(1, 20101);
    IProgressIndicator& indicator = none;
    EXPECT_EQ(indicator.Create(nullptr), 1);
    indicator.SetRange(5, 1);
    indicator.SetStatus("anything");
    EXPECT_EQ(indicator.SetPos(7), 7);
    EXPECT_EQ(indicator.IsCancelled(), 0);
    EXPECT_EQ(indicator.DestroyWindow(), 1);
}
