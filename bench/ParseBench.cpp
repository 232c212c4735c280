// Parse against baselines in the same process: UDUNITS-2's unit-expression parser and
// GeographicLib's degrees-minutes-seconds decoder.
#include "AllocationCounter.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <benchmark/benchmark.h>

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
