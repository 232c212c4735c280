// Parse against baselines in the same process: UDUNITS-2's unit-expression parser and
// GeographicLib's degrees-minutes-seconds decoder.
#include "AllocationCounter.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <benchmark/benchmark.h>

#include <cwchar>
#include <string>

#ifdef VVZ_BENCH_UDUNITS
#include <udunits2.h>
#endif
#ifdef VVZ_BENCH_GEOGRAPHICLIB
#include <GeographicLib/DMS.hpp>
#endif

using namespace velmar::platform::core::units;

namespace {

void Parse(benchmark::State& state, const wchar_t* text, int unit) {
    UnitsFormatter formatter(L"en-US");
    double value = 0;
    if (formatter.Parse(text, value, unit) != ecSuccess) {
        state.SkipWithError("not a quantity");
        return;
    }
    size_t before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.Parse(text, value, unit));
        benchmark::ClobberMemory();
    }
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(AllocationCount() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK_CAPTURE(Parse, Meter_12_50, L"12.50 m", 0x2001);
BENCHMARK_CAPTURE(Parse, Acceleration_9_81, L"9.81 m/s\u00b2", 0x30001);
BENCHMARK_CAPTURE(Parse, FeetInches_5_6_1_2, L"5'6 1/2\"", 0x2016);
BENCHMARK_CAPTURE(Parse, DegreesMinutesSeconds_45_30_15, L"45\u00b030'15\"", 0x8002);

// Hostile texts of about a megabyte, against the baseline of reading such a text once
// (wcslen): a parse must stay within a small multiple of it, whatever the text.
constexpr size_t kMegabyte = 1 << 20;

std::wstring Repeated(size_t count, wchar_t c) {
    return std::wstring(count, c);
}

void ParseHostile(benchmark::State& state, std::wstring (*make)(), int unit) {
    UnitsFormatter formatter(L"en-US");
    const std::wstring text = make();
    double value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.Parse(text.c_str(), value, unit));
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK_CAPTURE(
    ParseHostile, Parentheses,
    +[] { return Repeated(100000, L'(') + L"5 m" + Repeated(100000, L')'); }, 0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, Digits, +[] { return Repeated(kMegabyte, L'7') + L" m"; }, 0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, FractionDigits, +[] { return L"0." + Repeated(kMegabyte, L'3') + L" m"; },
    0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, ExponentDigits, +[] { return L"1e" + Repeated(kMegabyte, L'9') + L" m"; },
    0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, GroupSeparators, +[] { return L"1" + Repeated(kMegabyte, L',') + L" m"; },
    0x2001);
// Digit groups that fit all the way, for the check of their sizes.
BENCHMARK_CAPTURE(
    ParseHostile, DigitGroups,
    +[] {
        std::wstring text = L"1";
        for (size_t i = 0; i < kMegabyte / 4; ++i)
            text += L",000";
        return text + L" m";
    },
    0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, Spaces, +[] { return L"5" + Repeated(kMegabyte, L' ') + L"m"; }, 0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, Squares, +[] { return L"5 m" + Repeated(kMegabyte, L'\u00b2'); }, 0x3001);
BENCHMARK_CAPTURE(
    ParseHostile, Power, +[] { return std::wstring(L"5 m^2147483647"); }, 0x3001);
BENCHMARK_CAPTURE(
    ParseHostile, Dashes, +[] { return Repeated(kMegabyte, L'-') + L"5 m"; }, 0x2001);
BENCHMARK_CAPTURE(
    ParseHostile, Primes, +[] { return L"5" + Repeated(kMegabyte, L'\''); }, 0x2016);

BENCHMARK_CAPTURE(
    ParseHostile, NestedOperators,
    +[] {
        std::wstring text = L"5 m";
        for (int i = 0; i < 21; ++i)
            text += L"/((";
        return text;
    },
    0x2001);

void ReadMegabyteOnce(benchmark::State& state) {
    const std::wstring text = Repeated(kMegabyte, L'7');
    for (auto _ : state)
        benchmark::DoNotOptimize(std::wcslen(text.c_str()));
}
BENCHMARK(ReadMegabyteOnce);

#ifdef VVZ_BENCH_UDUNITS
void UdunitsParse(benchmark::State& state) {
    ut_set_error_message_handler(ut_ignore);
    ut_system* system = ut_read_xml(nullptr);
    if (system == nullptr) {
        state.SkipWithError("no UDUNITS-2 database");
        return;
    }
    for (auto _ : state) {
        ut_unit* unit = ut_parse(system, "9.81 m/s2", UT_ASCII);
        benchmark::DoNotOptimize(unit);
        ut_free(unit);
    }
    ut_free_system(system);
}
BENCHMARK(UdunitsParse);
#endif

#ifdef VVZ_BENCH_GEOGRAPHICLIB
void GeographicLibDecode(benchmark::State& state) {
    const std::string text = "45d30'15\"";
    GeographicLib::DMS::flag indicator;
    for (auto _ : state)
        benchmark::DoNotOptimize(GeographicLib::DMS::Decode(text, indicator));
}
BENCHMARK(GeographicLibDecode);
#endif

} // namespace
