// The batch path of vvzunits: a million lines of mixed feet-and-inches and metric text
// converted to meters, against the baseline of reading and writing the same lines through the
// same path without converting them. Besides its own time, BatchConvert reports
// "added/baseline": the time that converting adds, as a multiple of the baseline's time, both
// measured in the same iterations; and "cpu_added/baseline", the same of the processor time
// of all threads, which a busy machine disturbs less.
#include "BatchConverter.h"
#include "Conversion.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

constexpr int kLines = 1000000;

// Feet and inches with and without fractions, meters and millimeters, in turn.
QByteArray MixedLines() {
    std::mt19937 random(12);
    auto upTo = [&](int limit) {
        return static_cast<int>(random() % static_cast<unsigned>(limit));
    };
    QByteArray lines;
    char line[64];
    for (int i = 0; i < kLines; ++i) {
        switch (i % 4) {
        case 0:
            std::snprintf(line, sizeof line, "%d'%d %d/8\"\n", upTo(100), upTo(12), 1 + upTo(7));
            break;
        case 1:
            std::snprintf(line, sizeof line, "%d.%03d m\n", upTo(1000), upTo(1000));
            break;
        case 2:
            std::snprintf(line, sizeof line, "%d' %d\"\n", upTo(100), upTo(12));
            break;
        default:
            std::snprintf(line, sizeof line, "%d.%d mm\n", upTo(10000), upTo(10));
            break;
        }
        lines.append(line);
    }
    return lines;
}

// Writes the text as it was read.
class Copy : public Conversion {
public:
    bool Run(const wchar_t* text, std::wstring& result, Failure&) const override {
        result.assign(text);
        return true;
    }
};

// Takes what is written and keeps nothing, as /dev/null does.
class Discard : public QIODevice {
public:
    Discard() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

// Seconds of the run on the clock and of the processor's time (all threads together).
struct Seconds {
    double wall = 0;
    double processor = 0;
    Seconds& operator+=(const Seconds& other) {
        wall += other.wall;
        processor += other.processor;
        return *this;
    }
};

Seconds Run(const std::vector<const Conversion*>& conversions, const QByteArray& lines,
            int64_t& failures) {
    QBuffer input;
    input.setData(lines);
    input.open(QIODevice::ReadOnly);
    Discard output;
    auto start = std::chrono::steady_clock::now();
    std::clock_t processor = std::clock();
    failures = BatchConverter(conversions, BatchSettings()).Run(input, output).failures;
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC};
}

// The argument is the count of threads, for the conversion and its baseline alike.
void BatchConvert(benchmark::State& state) {
    const QByteArray lines = MixedLines();
    std::vector<std::unique_ptr<UnitsFormatter>> formatters;
    std::vector<std::unique_ptr<Conversion>> owned;
    std::vector<const Conversion*> converts;
    Copy copy;
    std::vector<const Conversion*> copies;
    for (int64_t i = 0; i < state.range(0); ++i) {
        formatters.push_back(std::make_unique<UnitsFormatter>(L"en-US"));
        owned.push_back(Conversion::QuantityToQuantity(*formatters.back(), 0x2001, 0));
        converts.push_back(owned.back().get());
        copies.push_back(&copy);
    }
    Seconds converting;
    Seconds copying;
    int64_t failures = 0;
    for (auto _ : state) {
        state.PauseTiming();
        copying += Run(copies, lines, failures);
        state.ResumeTiming();
        converting += Run(converts, lines, failures);
        if (failures != 0)
            state.SkipWithError("lines not converted");
    }
    state.counters["baseline_ms"] = 1000 * copying.wall / static_cast<double>(state.iterations());
    state.counters["added/baseline"] = (converting.wall - copying.wall) / copying.wall;
    state.counters["cpu_added/baseline"] =
        (converting.processor - copying.processor) / copying.processor;
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(kLines) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BatchConvert)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
