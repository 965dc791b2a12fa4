// Printing a value in a unit beside a plain snprintf of the same number with the same
// format, and the converter's multiplication beside a plain one.
#include "vornui/units/KUnits.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Survey-like values: depths and distances, angles, times of day.
std::vector<double> Values(double low, double high) {
    std::vector<double> values;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> distribution(low, high);
    for (int i = 0; i < 1024; ++i)
        values.push_back(distribution(random));
    return values;
}

template <typename Print>
void Run(benchmark::State& state, const std::vector<double>& values, Print print) {
    size_t index = 0;
    for (auto _ : state) {
        print(values[index]);
        index = (index + 1) & 1023;
    }
}

void RangeInFeet_KUnits(benchmark::State& state) {
    const KUnits feet(KUnits::eRANGE_INT_FEET);
    CString text;
    Run(state, Values(0, 5000), [&](double metres) {
        feet.FormatM2RangeUnit(metres, text);
        benchmark::DoNotOptimize(text.GetString());
    });
}

void RangeInFeet_snprintf(benchmark::State& state) {
    char text[64];
    Run(state, Values(0, 5000), [&](double metres) {
        std::snprintf(text, sizeof text, "%1.2f", metres * 3.280839895013123);
        benchmark::DoNotOptimize(text);
    });
}

void AngleInDms_KUnits(benchmark::State& state) {
    const KUnits dms(KUnits::eDEGREE_DMS);
    CString text;
    Run(state, Values(0, 360), [&](double degrees) {
        dms.FormatDegrees2DegreeUnit(degrees, text);
        benchmark::DoNotOptimize(text.GetString());
    });
}

void AngleInDms_snprintf(benchmark::State& state) {
    char text[64];
    Run(state, Values(0, 360), [&](double degrees) {
        const int whole = static_cast<int>(degrees);
        const double minutes = (degrees - whole) * 60;
        const int wholeMinutes = static_cast<int>(minutes);
        std::snprintf(text, sizeof text, "%03dd%02d'%05.2f\"", whole, wholeMinutes,
                      (minutes - wholeMinutes) * 60);
        text[3] = '\xB0';
        benchmark::DoNotOptimize(text);
    });
}

void TimeInHms_KUnits(benchmark::State& state) {
    const KUnits clock(KUnits::eTIME_HOUR_MIN_SEC);
    CString text;
    Run(state, Values(0, 86400), [&](double seconds) {
        clock.FormatSeconds2TimeUnit(seconds, text);
        benchmark::DoNotOptimize(text.GetString());
    });
}

void TimeInHms_snprintf(benchmark::State& state) {
    char text[64];
    Run(state, Values(0, 86400), [&](double seconds) {
        const int hours = static_cast<int>(seconds / 3600);
        const double rest = seconds - 3600.0 * hours;
        const int minutes = static_cast<int>(rest / 60);
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes,
                      static_cast<int>(rest - 60.0 * minutes));
        benchmark::DoNotOptimize(text);
    });
}

void Convert_X(benchmark::State& state) {
    KUnits knots(KUnits::eSPEED_KNOT), kmh(KUnits::eSPEED_KMH);
    const KUnits::Converter converter(knots, kmh);
    Run(state, Values(0, 30), [&](double speed) { benchmark::DoNotOptimize(converter.X(speed)); });
}

void Convert_multiplication(benchmark::State& state) {
    double factor = 0.5144444444444445 * 3.6;
    benchmark::DoNotOptimize(factor);
    Run(state, Values(0, 30), [&](double speed) { benchmark::DoNotOptimize(speed * factor); });
}

} // namespace

BENCHMARK(RangeInFeet_KUnits);
BENCHMARK(RangeInFeet_snprintf);
BENCHMARK(AngleInDms_KUnits);
BENCHMARK(AngleInDms_snprintf);
BENCHMARK(TimeInHms_KUnits);
BENCHMARK(TimeInHms_snprintf);
BENCHMARK(Convert_X);
BENCHMARK(Convert_multiplication);
