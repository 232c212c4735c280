#include "Catalogue.h"
#include "units/LocaleSymbolTables.h"
#include "units/UnitSymbolTable.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/format/SimpleFormatSymbol2.h"

#include "FormatterTest.h"
#include <ViVuzaZadurUI/NumberConventions.h>

#include <QString>
#include <QStringList>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

using vvztest::AllSymbols;

constexpr int kBearing = 0x508002;

// Number settings under which every symbol must read back what it wrote.
struct Settings {
    const char* name;
    std::function<void(UnitsFormatter&)> apply;
};

const Settings kSettings[] = {
    {"default", [](UnitsFormatter&) {}},
    {"German separators",
     [](UnitsFormatter& f) {
         EXPECT_EQ(f.SetNumberGroupSeparator(L"."), ecSuccess);
         EXPECT_EQ(f.SetNumberDecimalSeparator(L","), ecSuccess);
     }},
    // fr-FR groups with U+202F, ru-RU with U+00A0, and mixed numbers keep their spaces.
    {"the locale's number conventions",
     [](UnitsFormatter& f) { EXPECT_EQ(NumberConventions::Apply(f), ecSuccess); }},
    {"space groups",
     [](UnitsFormatter& f) { EXPECT_EQ(f.SetNumberGroupSeparator(L" "), ecSuccess); }},
    {"Fraction", [](UnitsFormatter& f) { f.SetNumericFormat(nfFraction); }},
    {"precision 0",
     [](UnitsFormatter& f) { EXPECT_EQ(f.SetNumberDecimalPrecision(0), ecSuccess); }},
    {"precision 4",
     [](UnitsFormatter& f) { EXPECT_EQ(f.SetNumberDecimalPrecision(4), ecSuccess); }},
};

// How far a written value may lie from the value, in the symbol's unit: half the last digit,
// or half the last binary fraction, or half the last part of degrees-minutes-seconds.
double Tolerance(int symbol, const UnitsFormatter& formatter) {
    int p = formatter.GetNumberDecimalPrecision();
    int variant = symbol >> 20;
    if ((symbol & 0xfffff) == 0x8002 && variant >= 4 && variant <= 6) // degrees-minutes-seconds
        return p == 0 ? 0.5 : p <= 2 ? 0.5 / 60 : p <= 4 ? 0.5 / 3600 : 0.5e-4 / 3600;
    bool feetInches = (symbol & 0xfffff) == 0x2016 && variant >= 7 && variant <= 10;
    return formatter.GetNumericFormat() == nfFraction || feetInches ? 0.5 / std::pow(2.0, p)
                                                                    : 0.5 / std::pow(10.0, p);
}

class RoundTrip : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
};

// Every unit symbol of the catalogue reads back what it writes, in every shipped locale and
// under several number settings: Parse(Format(x)) into the symbol's unit gives x within what
// the written precision allows.
TEST_P(RoundTrip, EverySymbolReadsBackWhatItWrites) {
    std::vector<int> symbols = AllSymbols();
    int checked = 0;
    for (const Settings& settings : kSettings) {
        UnitsFormatter formatter(GetParam());
        settings.apply(formatter);
        for (int symbol : symbols) {
            int unit = symbol & 0xfffff;
            for (double value : {12.375, -7.8125, 1234.5678}) {
                wchar_t buffer[256];
                ASSERT_EQ(formatter.Format(value, unit, buffer, 256, symbol), ecSuccess);
                SCOPED_TRACE(std::string(settings.name) + ": " +
                             QString::number(symbol, 16).toStdString() + " «" +
                             QString::fromWCharArray(buffer).toStdString() + "»");
                double read = 0;
                ASSERT_EQ(formatter.Parse(buffer, read, unit), ecSuccess);
                // A bearing is an angle in (−180°, 180°].
                double expected = symbol == kBearing ? std::remainder(value, 360) : value;
                EXPECT_NEAR(read, expected,
                            Tolerance(symbol, formatter) + 1e-9 * std::abs(expected));
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20000);
}

// Every text by which a locale knows a symbol (its own text, the forms of a name, and its
// alternates) reads as the symbol's unit: «1 text» parses as 1 of it. A text that the locale gives
// to another unit (a reviewed clash, or a fixed mark) is skipped: which unit it reads as is the
// clash list's business.
TEST_P(RoundTrip, EveryTextOfASymbolReadsAsItsUnit) {
    UnitsFormatter formatter(GetParam());
    TranslationSet translations(GetParam());
    LocaleSymbolTables& registry = LocaleSymbolTables::Instance();
    const UnitSymbolTable& own = registry.EnsureLocale(translations);
    const UnitSymbolTable& english = registry.Fallback();
    // The unit each object of the two tables stands for.
    std::map<const IParseSymbol*, int> units;
    for (int symbol : AllSymbols())
        for (const UnitSymbolTable* table : {&own, &english})
            if (const UnitSymbolTable::Slot* slot = table->Find(symbol))
                units[slot->parse] = symbol & 0xfffff;
    int checked = 0;
    for (int symbol : AllSymbols()) {
        int unit = symbol & 0xfffff;
        QStringList texts = translations.AlternateSymbols(symbol);
        texts.prepend(translations.SymbolText(symbol));
        const UnitSymbolTable::Slot* slot = own.Find(symbol);
        auto* named =
            slot != nullptr ? dynamic_cast<const SimpleFormatSymbol2*>(slot->format) : nullptr;
        if (named != nullptr && named->forms)
            for (const std::wstring& form : named->forms->Forms())
                texts.append(QString::fromStdWString(form));
        for (const QString& text : texts) {
            std::wstring wide = text.toStdWString();
            size_t length = 0;
            IParseSymbol* found = registry.Lookup(wide.c_str(), &length, &own, &english);
            auto owner = units.find(found);
            if (length != wide.size() || owner == units.end() || owner->second != unit)
                continue;
            std::wstring quantity = L"1 " + wide;
            double value = 0;
            ASSERT_EQ(formatter.Parse(quantity.c_str(), value, unit), ecSuccess)
                << std::hex << symbol << " «" << text.toStdString() << "»";
            EXPECT_NEAR(value, 1, 1e-12) << std::hex << symbol << " «" << text.toStdString() << "»";
            ++checked;
        }
    }
    EXPECT_GT(checked, 2000);
}

INSTANTIATE_TEST_SUITE_P(ShippedLocales, RoundTrip,
                         ::testing::Values(L"en-US", L"de-DE", L"fr-FR", L"ru-RU"));

} // namespace
