// Writes what the library gives for every unit symbol in the four shipped locales under several
// number settings, for the Python module's tests to compare with: one line a case,
//     locale TAB settings TAB symbol TAB value TAB text TAB parsed
// with the symbol in hex, values as C99 hex floats (exact), the text Format wrote ("-" when it
// failed) and the value that Parse reads back from it in the symbol's unit ("-" when it failed).
// The settings are named as the tests apply them to a Python formatter, which reads a bare
// number in the unit asked for: here, a copy of the formatter with that default unit parses.
#include "Catalogue.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

// The settings, as the tests name them.
bool Apply(const std::string& settings, UnitsFormatter& f) {
    if (settings == "default")
        return true;
    if (settings == "locale_numbers")
        return NumberConventions::Apply(f) == ecSuccess;
    if (settings == "german_separators")
        return f.SetNumberGroupSeparator(L".") == ecSuccess &&
               f.SetNumberDecimalSeparator(L",") == ecSuccess;
    if (settings == "fraction") {
        f.SetNumericFormat(nfFraction);
        return true;
    }
    return settings == "precision_4" && f.SetNumberDecimalPrecision(4) == ecSuccess;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const char* const locales[] = {"en-US", "de-DE", "fr-FR", "ru-RU"};
    const char* const settings[] = {"default", "locale_numbers", "german_separators", "fraction",
                                    "precision_4"};
    const double values[] = {0.5, -12.375, 1234.5678};
    std::vector<int> symbols = vvztest::AllSymbols();
    for (const char* locale : locales)
        for (const char* setting : settings) {
            UnitsFormatter formatter(QString::fromLatin1(locale));
            if (!Apply(setting, formatter))
                return 1;
            std::map<int, std::unique_ptr<UnitsFormatter>> parsers;
            for (int symbol : symbols)
                for (double value : values) {
                    ErrorCode error = ecSuccess;
                    QString text = formatter.Format(value, symbol & 0xfffff, symbol, &error);
                    std::printf("%s\t%s\t0x%x\t%a\t", locale, setting, symbol, value);
                    if (error != ecSuccess) {
                        std::printf("-\t-\n");
                        continue;
                    }
                    auto& parser = parsers[symbol & 0xfffff];
                    if (!parser) {
                        parser = std::make_unique<UnitsFormatter>(formatter);
                        if (parser->SetDefaultUnit(symbol & 0xfffff) != ecSuccess)
                            return 1;
                    }
                    double parsed = 0;
                    bool read = parser->Parse(text, parsed, symbol & 0xfffff) == ecSuccess;
                    std::printf("%s\t", text.toUtf8().constData());
                    if (read)
                        std::printf("%a\n", parsed);
                    else
                        std::printf("-\n");
                }
        }
    return 0;
}
