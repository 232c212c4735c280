// Formatters used on many threads at once: eight threads format and parse with shared and own
// formatters of the shipped locales while other threads create and destroy formatters of
// locales that nobody has built yet. Every result must be the one a single thread gets; built
// with -DVVZ_SANITIZE=thread, ThreadSanitizer must report nothing.
#include "Catalogue.h"
#include "FormatterTest.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <atomic>
#include <cmath>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

constexpr int kWorkers = 8;
constexpr int kCreators = 2;
constexpr int kIterations = 1500; // per worker
constexpr int kCases = 600;       // per locale
constexpr int kNewLocales = 4;
const wchar_t* const kShipped[] = {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"};

// One format, parse and display name, and what a single thread got for them.
struct Case {
    size_t locale;
    int symbol;
    double value;
    ErrorCode formatted;
    std::wstring text;
    ErrorCode parsed;
    double read;
    std::wstring name; // the display name of the symbol's unit
};

// Formats the case's value with its symbol, parses the text back into the symbol's unit, and
// takes the unit's display name.
void FormatAndParse(const UnitsFormatter& formatter, Case& c) {
    wchar_t buffer[256];
    int unit = c.symbol & 0xfffff;
    c.formatted = formatter.Format(c.value, unit, buffer, 256, c.symbol);
    c.text = c.formatted == ecSuccess ? buffer : L"";
    c.read = -1;
    c.parsed = formatter.Parse(c.text.c_str(), c.read, unit);
    c.name = formatter.GetDisplayName(unit, buffer, 256) == ecSuccess ? buffer : L"";
}

bool SameResult(const Case& a, const Case& b) {
    return a.formatted == b.formatted && a.text == b.text && a.parsed == b.parsed &&
           (a.read == b.read || (std::isnan(a.read) && std::isnan(b.read))) && a.name == b.name;
}

// Locales with translation files that no formatter has used: copies of the English files in
// locale folders beside the program, named for this process so that runs side by side do
// not meet.
class NewLocales {
public:
    explicit NewLocales(int count) {
        QString folder = QCoreApplication::applicationDirPath();
        for (int i = 0; i < count; ++i) {
            QString name =
                QStringLiteral("zz-T%1x%2").arg(QCoreApplication::applicationPid()).arg(i);
            QDir(folder).mkpath(name);
            for (const char* file : kTranslationFiles)
                QFile::copy(folder + QStringLiteral("/en-US/") + QLatin1String(file),
                            folder + QLatin1Char('/') + name + QLatin1Char('/') +
                                QLatin1String(file));
            folders_.push_back(folder + QLatin1Char('/') + name);
            names_.push_back(name.toStdWString());
        }
    }
    ~NewLocales() {
        for (const QString& folder : folders_)
            QDir(folder).removeRecursively();
    }
    const std::vector<std::wstring>& Names() const { return names_; }

private:
    std::vector<QString> folders_;
    std::vector<std::wstring> names_;
};

// The manager is made on the application thread, as the host does.
using ThreadSafetyTest = FormatterTest;

TEST_F(ThreadSafetyTest, FormattersOnManyThreadsGetTheResultsOfOne) {
    NewLocales fresh(kNewLocales);
    std::vector<std::unique_ptr<UnitsFormatter>> shared;
    for (const wchar_t* locale : kShipped)
        shared.push_back(std::make_unique<UnitsFormatter>(locale));

    // The expected results, from this thread alone.
    std::vector<int> symbols = vvztest::AllSymbols();
    std::mt19937 random(2024);
    std::vector<Case> cases;
    for (size_t locale = 0; locale < std::size(kShipped); ++locale) {
        for (int i = 0; i < kCases; ++i) {
            Case c{};
            c.locale = locale;
            c.symbol = symbols[random() % symbols.size()];
            c.value = std::uniform_real_distribution<double>(-1, 1)(random) *
                      std::pow(10.0, static_cast<int>(random() % 13) - 6);
            FormatAndParse(*shared[locale], c);
            cases.push_back(c);
        }
    }

    std::atomic<int> mismatches{0};
    std::atomic<int> runs{0};
    std::atomic<bool> working{true};
    std::atomic<int> building{kCreators}; // creators still building new locales
    std::vector<std::thread> threads;
    for (int worker = 0; worker < kWorkers; ++worker) {
        threads.emplace_back([&, worker] {
            std::mt19937 own(static_cast<unsigned>(worker));
            // Each worker also has copies of its own, made while the others work.
            std::vector<std::unique_ptr<UnitsFormatter>> mine;
            for (const auto& formatter : shared)
                mine.push_back(std::make_unique<UnitsFormatter>(*formatter));
            // At least kIterations, and on until the new locales are built.
            for (int i = 0; i < kIterations || building > 0; ++i) {
                const Case& expected = cases[own() % cases.size()];
                Case got = expected;
                bool useShared = own() % 2 == 0;
                FormatAndParse(useShared ? *shared[expected.locale] : *mine[expected.locale], got);
                if (!SameResult(got, expected))
                    ++mismatches;
                double value = 0;
                ParseDiagnosis diagnosis;
                if (ParseDiagnostics::Parse(*shared[expected.locale], got.text.c_str(), value,
                                            expected.symbol & 0xfffff,
                                            diagnosis) != expected.parsed)
                    ++mismatches;
                ++runs;
            }
        });
    }
    // Creators build the new locales, racing each other for the same ones, and make and drop
    // formatters of the shipped locales meanwhile.
    std::atomic<int> created{0};
    for (int creator = 0; creator < kCreators; ++creator) {
        threads.emplace_back([&] {
            for (const std::wstring& name : fresh.Names()) {
                UnitsFormatter formatter(name.c_str());
                wchar_t buffer[64];
                double value = 0;
                if (std::wstring(formatter.GetLocale()) != name ||
                    formatter.Format(5, kMeter, buffer, 64) != ecSuccess ||
                    formatter.Parse(buffer, value, kMeter) != ecSuccess || value != 5)
                    ++mismatches;
                ++created;
            }
            --building;
            for (int i = 0; working; ++i) {
                UnitsFormatter formatter(kShipped[i % std::size(kShipped)]);
                ++created;
            }
        });
    }
    for (int worker = 0; worker < kWorkers; ++worker)
        threads[worker].join();
    working = false;
    for (size_t i = kWorkers; i < threads.size(); ++i)
        threads[i].join();

    EXPECT_EQ(mismatches, 0);
    EXPECT_GE(runs, kWorkers * kIterations);
    EXPECT_GE(created, kCreators * kNewLocales);
    RecordProperty("formatAndParseRuns", runs.load());
    RecordProperty("formattersCreated", created.load());
}

} // namespace
