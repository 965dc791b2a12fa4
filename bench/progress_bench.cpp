// A worker loop of ten million steps that reports each step through IProgressIndicator*,
// beside the same loop reporting nothing: what a step costs with no indicator, the null
// one, the console one and the progress dialog (SetPos and IsCancelled, the dialog's
// percentage changing a hundred times in the whole run).

#include "vornui/platform/WinApp.h"
#include "vornui/reporting/CProgressStdOut.h"
#include "vornui/reporting/KProgressDlg.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kSteps = 10'000'000;

void CountSteps(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kSteps);
    state.counters["time_per_step"] = benchmark::Counter(
        kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The work itself, with no reporting.
void EmptyWorkerLoop(benchmark::State& state) {
    for (auto _ : state)
        for (int i = 0; i < kSteps; ++i)
            benchmark::DoNotOptimize(i);
    CountSteps(state);
}

// The same loop, each step reported and polled for a cancel.
void RunWorker(benchmark::State& state, IProgressIndicator* indicator) {
    for (auto _ : state) {
        indicator->SetRange(0, kSteps);
        for (int i = 0; i < kSteps; ++i) {
            benchmark::DoNotOptimize(i);
            indicator->SetPos(i);
            if (indicator->IsCancelled())
                break;
        }
    }
    CountSteps(state);
}

void NullIndicatorLoop(benchmark::State& state) {
    CProgressNullObject indicator;
    RunWorker(state, &indicator);
}

// Standard output goes to /dev/null, so that the lines cost what a pipe costs.
void ConsoleIndicatorLoop(benchmark::State& state) {
    const int savedOut = dup(STDOUT_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDOUT_FILENO);
    {
        CProgressStdOut indicator;
        RunWorker(state, &indicator);
    }
    dup2(savedOut, STDOUT_FILENO);
    close(nowhere);
    close(savedOut);
}

void DialogIndicatorLoop(benchmark::State& state) {
    CWinApp app("Bench");
    const auto dialog = std::make_unique<KProgressDlg>(1);
    dialog->Create(nullptr);
    RunWorker(state, dialog.get());
    dialog->DestroyWindow();
}

} // namespace

BENCHMARK(EmptyWorkerLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(NullIndicatorLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(ConsoleIndicatorLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(DialogIndicatorLoop)->Unit(benchmark::kMillisecond)->Iterations(1);
