// Number text against the C runtime in the same process: FormatNumber against snprintf with
// the same conversion, ScanNumber against strtod. Each benchmark reports its heap allocations
// per call.
#include "AllocationCounter.h"

#include "units/FormatterState.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberFormatter.h"
#include "units/number/NumberScanner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace velmar::platform::core::units;

namespace {

void CountAllocations(benchmark::State& state, size_t before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(AllocationCount() - before) / static_cast<double>(state.iterations()));
}

void Snprintf(benchmark::State& state, const char* format, double value) {
    char buffer[128];
    size_t before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, format, value));
        benchmark::ClobberMemory();
    }
    CountAllocations(state, before);
}

void Format(benchmark::State& state, NumberFormat format, int precision, double value) {
    NumberSettings settings;
    settings.numericFormat = format;
    settings.decimalPrecision = precision;
    wchar_t buffer[128];
    size_t before = AllocationCount();
    for (auto _ : state) {
        TextBuffer out(buffer, 128);
        benchmark::DoNotOptimize(FormatNumber(settings, value, out, 0));
        benchmark::ClobberMemory();
    }
    CountAllocations(state, before);
}

BENCHMARK_CAPTURE(Snprintf, f2_1234567_891, "%.2f", 1234567.891);
BENCHMARK_CAPTURE(Format, Number_1234567_891, nfNumber, 2, 1234567.891);
BENCHMARK_CAPTURE(Snprintf, f2_12_5, "%.2f", 12.5);
BENCHMARK_CAPTURE(Format, FixedPoint_12_5, nfFixedPoint, 2, 12.5);
BENCHMARK_CAPTURE(Snprintf, G2_1234567_891, "%.2G", 1234567.891);
BENCHMARK_CAPTURE(Format, General_1234567_891, nfGeneral, 2, 1234567.891);
BENCHMARK_CAPTURE(Snprintf, E2_1234567_891, "%.2E", 1234567.891);
BENCHMARK_CAPTURE(Format, Exponential_1234567_891, nfExponential, 2, 1234567.891);
BENCHMARK_CAPTURE(Format, Number_66_53, nfNumber, 4, 66.53);
BENCHMARK_CAPTURE(Format, Fraction_66_53, nfFraction, 4, 66.53);

void Strtod(benchmark::State& state) {
    const char* text = "1234.5";
    size_t before = AllocationCount();
    for (auto _ : state) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(text, &end));
        benchmark::DoNotOptimize(end);
    }
    CountAllocations(state, before);
}
BENCHMARK(Strtod);

void Scan(benchmark::State& state) {
    FormatterState formatter(L"en-US");
    const wchar_t* text = L"1,234.5";
    const DigitGrouping grouping(formatter.Number());
    double value = 0;
    NumberFlags flags;
    size_t before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ScanNumber(formatter.NumberTokens(), grouping, text, &value, &flags));
        benchmark::DoNotOptimize(value);
    }
    CountAllocations(state, before);
}
BENCHMARK(Scan);

} // namespace

namespace {
void TokenLookups(benchmark::State& state) {
    FormatterState formatter(L"en-US");
    const wchar_t* text = L"1,234.5";
    for (auto _ : state) {
        size_t length = 0;
        int sum = 0;
        for (int i = 0; i < 7; ++i)
            sum += formatter.NumberTokens().ClassAt(text + i, &length);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(TokenLookups);
} // namespace
