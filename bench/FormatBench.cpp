// Format against baselines in the same process: snprintf of the same text, and ICU's own
// unit formatter. Formatter construction for a locale already built and for a new one.
#include "AllocationCounter.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <benchmark/benchmark.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace velmar::platform::core::units;

namespace {

void CountAllocations(benchmark::State& state, size_t before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(AllocationCount() - before) / static_cast<double>(state.iterations()));
}

void SnprintfMeter(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.2f m", 12.5));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SnprintfMeter);

void IcuMeter(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::number::LocalizedNumberFormatter formatter =
        icu::number::NumberFormatter::withLocale(icu::Locale::getUS())
            .unit(icu::MeasureUnit::getMeter())
            .precision(icu::number::Precision::fixedFraction(2));
    for (auto _ : state) {
        icu::UnicodeString text = formatter.formatDouble(12.5, status).toString(status);
        benchmark::DoNotOptimize(text.length());
    }
    if (U_FAILURE(status))
        state.SkipWithError("ICU failed");
}
BENCHMARK(IcuMeter);

void Format(benchmark::State& state, double value, int unit, int display) {
    UnitsFormatter formatter(L"en-US");
    wchar_t buffer[64];
    size_t before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.Format(value, unit, buffer, 64, display));
        benchmark::ClobberMemory();
    }
    CountAllocations(state, before);
}
BENCHMARK_CAPTURE(Format, Meter_12_5, 12.5, 0x2001, 0);
BENCHMARK_CAPTURE(Format, FeetInchesFraction_66_5, 66.5, 0x2016, 0x702016);
BENCHMARK_CAPTURE(Format, DegreesMinutesSeconds_45_5, 45.5, 0x8002, 0x408002);

void ConstructBuiltLocale(benchmark::State& state) {
    UnitsFormatter first(L"en-US");
    for (auto _ : state) {
        UnitsFormatter formatter(L"en-US");
        benchmark::DoNotOptimize(formatter.GetLocale());
    }
}
BENCHMARK(ConstructBuiltLocale)->Unit(benchmark::kMicrosecond);

// Every iteration builds a locale that no formatter used before: the en-US files under a
// new name, through a translator files path (which serves every locale).
void ConstructNewLocale(benchmark::State& state) {
    QTemporaryDir folder;
    QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/en-US/");
    for (const char* name : {"ViVuzaZadurUI.qm", "ViVuzaZadurUI_units_symbols.qm",
                             "ViVuzaZadurUI_units_parsing_alternate_symbols.qm"})
        QFile::copy(source + QLatin1String(name), folder.path() + QLatin1Char('/') + name);
    UnitsManager::GetInstance()->SetTranslatorFilesPath(folder.path().toStdWString().c_str());
    static int serial = 0;
    for (auto _ : state) {
        std::wstring locale = L"b" + std::to_wstring(++serial) + L"-XX";
        UnitsFormatter formatter(locale.c_str());
        benchmark::DoNotOptimize(formatter.GetLocale());
    }
    UnitsManager::GetInstance()->SetTranslatorFilesPath(L"");
}
BENCHMARK(ConstructNewLocale)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
