// A periodic multimedia timer of 1 ms counted over one second, beside a plain thread that
// sleeps to each millisecond itself: the ticks per second and how late the last one is.

#include "vornui/platform/MultimediaTimer.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

void CountTick(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    ++*reinterpret_cast<std::atomic<long>*>(user);
}

void MultimediaTimerOverASecond(benchmark::State& state) {
    for (auto _ : state) {
        std::atomic<long> ticks{0};
        timeBeginPeriod(1);
        const UINT id = timeSetEvent(1, 1, CountTick, reinterpret_cast<DWORD_PTR>(&ticks),
                                     TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        timeKillEvent(id);
        timeEndPeriod(1);
        state.counters["ticks"] = static_cast<double>(ticks.load());
    }
}

void PlainSleepingThreadOverASecond(benchmark::State& state) {
    for (auto _ : state) {
        std::atomic<long> ticks{0};
        std::atomic<bool> stop{false};
        std::thread ticker([&] {
            auto due = Clock::now();
            while (!stop) {
                due += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(due);
                ++ticks;
            }
        });
        std::this_thread::sleep_for(std::chrono::seconds(1));
        stop = true;
        ticker.join();
        state.counters["ticks"] = static_cast<double>(ticks.load());
    }
}

} // namespace

BENCHMARK(MultimediaTimerOverASecond)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSleepingThreadOverASecond)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
