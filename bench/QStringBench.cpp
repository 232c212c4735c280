// The QString forms against what a host would write around the wide-character forms: a buffer,
// the wide call, and the conversion of the text.

#include <ViVuzaZadurUI/UnitIds.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QString>

#include <benchmark/benchmark.h>

using namespace velmar::platform::core::units;

namespace {

constexpr int kFeetInches = Symbols::Inch_FootPrimeInchDoublePrime_Fraction;

void FormatQString(benchmark::State& state) {
    UnitsFormatter formatter(u"en-US");
    for (auto _ : state) {
        QString text = formatter.Format(66.5, Units::Inch, kFeetInches);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(FormatQString);

void FormatWideToQString(benchmark::State& state) {
    UnitsFormatter formatter(u"en-US");
    for (auto _ : state) {
        wchar_t buffer[64];
        QString text = formatter.Format(66.5, Units::Inch, buffer, 64, kFeetInches) == ecSuccess
                           ? QString::fromWCharArray(buffer)
                           : QString();
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(FormatWideToQString);

const QString kText = QStringLiteral("5'6 1/2\"");

void ParseQString(benchmark::State& state) {
    UnitsFormatter formatter(u"en-US");
    for (auto _ : state) {
        double value = 0;
        benchmark::DoNotOptimize(formatter.Parse(kText, value, Units::Inch));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ParseQString);

void ParseQStringToWide(benchmark::State& state) {
    UnitsFormatter formatter(u"en-US");
    for (auto _ : state) {
        double value = 0;
        std::wstring wide = kText.toStdWString();
        benchmark::DoNotOptimize(formatter.Parse(wide.c_str(), value, Units::Inch));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ParseQStringToWide);

} // namespace
