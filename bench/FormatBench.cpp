// Format against baselines in the same process: snprintf of the same text, ICU's own unit
// formatter, and ICU's choice of a plural form. Formatter construction for a locale already built
// and for a new one, against loading the locale's three translation files into translators.
#include "AllocationCounter.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <benchmark/benchmark.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <malloc.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

const char* const kFiles[] = {"ViVuzaZadurUI.qm", "ViVuzaZadurUI_units_symbols.qm",
                              "ViVuzaZadurUI_units_parsing_alternate_symbols.qm"};

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

// The numbers of «5'6 1/2"» and «45°30'15"», written by snprintf.
void SnprintfFeetInches(benchmark::State& state) {
    char buffer[64];
    int parts[] = {5, 6, 1, 2};
    benchmark::DoNotOptimize(parts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%d'%d %d/%d\"", parts[0],
                                               parts[1], parts[2], parts[3]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SnprintfFeetInches);

void SnprintfDegrees(benchmark::State& state) {
    char buffer[64];
    int parts[] = {45, 30, 15};
    benchmark::DoNotOptimize(parts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::snprintf(buffer, sizeof buffer, "%d\u00b0%d'%d\"", parts[0], parts[1], parts[2]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SnprintfDegrees);

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

void Format(benchmark::State& state, double value, int unit, int display, int precision,
            const wchar_t* expected, const wchar_t* locale = L"en-US") {
    UnitsFormatter formatter(locale);
    wchar_t buffer[64];
    if (formatter.SetNumberDecimalPrecision(precision) != ecSuccess)
        state.SkipWithError("precision refused");
    if (formatter.Format(value, unit, buffer, 64, display) != ecSuccess ||
        std::wcscmp(buffer, expected) != 0) {
        state.SkipWithError("unexpected text");
        return;
    }
    size_t before = AllocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.Format(value, unit, buffer, 64, display));
        benchmark::ClobberMemory();
    }
    CountAllocations(state, before);
}
BENCHMARK_CAPTURE(Format, Meter_12_5, 12.5, 0x2001, 0x202001, 2, L"12.50 m");
BENCHMARK_CAPTURE(Format, FeetInchesFraction_66_5, 66.5, 0x2016, 0x702016, 4, L"5'6 1/2\"");
BENCHMARK_CAPTURE(Format, DegreesMinutesSeconds_45_5041666, 45.5041666, 0x8002, 0x408002, 4,
                  L"45\u00b030'15\"");
// The unit's name after the number, in the form that agrees with it.
BENCHMARK_CAPTURE(Format, MeterName_12_5, 12.5, 0x2001, 0x102001, 2, L"12.50 meters");
BENCHMARK_CAPTURE(Format, MeterNameRu_12_5, 12.5, 0x2001, 0x102001, 2, L"12.50 метра", L"ru-RU");

// What ICU's own choice of the name's form would add to a Format: the plural category of
// «12.50» from a formatted number that keeps its visible fraction digits.
void IcuPluralSelect(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::PluralRules> rules(
        icu::PluralRules::forLocale(icu::Locale::getUS(), status));
    icu::number::LocalizedNumberFormatter formatter =
        icu::number::NumberFormatter::withLocale(icu::Locale::getUS())
            .precision(icu::number::Precision::fixedFraction(2));
    for (auto _ : state) {
        icu::UnicodeString category =
            rules->select(formatter.formatDecimal("12.50", status), status);
        benchmark::DoNotOptimize(category.length());
    }
    if (U_FAILURE(status))
        state.SkipWithError("ICU failed");
}
BENCHMARK(IcuPluralSelect);

// What every formatter once did: load the three translation files of its locale.
void LoadTranslators(benchmark::State& state) {
    QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/en-US/");
    for (auto _ : state) {
        QTranslator translators[3];
        for (int i = 0; i < 3; ++i)
            benchmark::DoNotOptimize(translators[i].load(folder + QLatin1String(kFiles[i])));
    }
}
BENCHMARK(LoadTranslators)->Unit(benchmark::kMicrosecond);

// One look at a translation file (lstat), the floor of a formatter of a built locale: the
// search of its three files looks six times when they lie in the locale folders beside the
// program.
void LookAtFile(benchmark::State& state) {
    QByteArray path = QFile::encodeName(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/en-US/") + QLatin1String(kFiles[0]));
    struct stat status;
    for (auto _ : state)
        benchmark::DoNotOptimize(lstat(path.constData(), &status));
}
BENCHMARK(LookAtFile);

void ConstructBuiltLocale(benchmark::State& state) {
    UnitsFormatter first(L"en-US");
    size_t before = AllocationCount();
    size_t bytes = AllocatedBytes();
    for (auto _ : state) {
        UnitsFormatter formatter(L"en-US");
        benchmark::DoNotOptimize(formatter.GetLocale());
    }
    CountAllocations(state, before);
    state.counters["new B/call"] = benchmark::Counter(
        static_cast<double>(AllocatedBytes() - bytes) / static_cast<double>(state.iterations()));
}
BENCHMARK(ConstructBuiltLocale)->Unit(benchmark::kMicrosecond);

// Resident memory of files mapped into the process (the translation files among them), in
// bytes.
double MappedFileBytes() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return 0;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::sscanf(line, "RssFile: %ld kB", &kib) == 1)
            break;
    std::fclose(status);
    return static_cast<double>(kib) * 1024;
}

// What a thousand formatters of a built locale keep while they live: heap (all of it, Qt's
// included) and resident pages of mapped files, per formatter. The time is that of making them,
// in milliseconds per thousand: microseconds per formatter.
void HoldFormatters(benchmark::State& state) {
    constexpr int kCount = 1000;
    UnitsFormatter first(L"en-US");
    double heap = 0;
    double mapped = 0;
    std::vector<std::unique_ptr<UnitsFormatter>> held;
    held.reserve(kCount);
    for (auto _ : state) {
        double heapBefore = static_cast<double>(mallinfo2().uordblks);
        double mappedBefore = MappedFileBytes();
        for (int i = 0; i < kCount; ++i)
            held.push_back(std::make_unique<UnitsFormatter>(L"en-US"));
        state.PauseTiming();
        heap += static_cast<double>(mallinfo2().uordblks) - heapBefore;
        mapped += MappedFileBytes() - mappedBefore;
        held.clear();
        state.ResumeTiming();
    }
    double formatters = static_cast<double>(state.iterations()) * kCount;
    state.counters["heap KiB/formatter"] = benchmark::Counter(heap / 1024 / formatters);
    state.counters["mapped KiB/formatter"] = benchmark::Counter(mapped / 1024 / formatters);
}
BENCHMARK(HoldFormatters)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every iteration builds a locale that no formatter used before: the en-US files under a
// new name, through a translator files path (which serves every locale).
void ConstructNewLocale(benchmark::State& state) {
    QTemporaryDir folder;
    QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/en-US/");
    for (const char* name : kFiles)
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
