#include "units/names/TranslationSet.h"

#include "Catalogue.h"
#include <ViVuzaZadur/UnitsConfig.h>

#include "FormatterTest.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

using vvztest::AllSymbols;
using vvztest::Narrow;

// The symbols whose text is not what Format writes: the unitless unit writes the bare
// number, the bearing starts with its pole, and the composite notations write their marks, not
// their display labels.
constexpr int kUnitless = 0x101001;
constexpr int kBearing = 0x508002;
const std::map<int, std::vector<const wchar_t*>> kMarks{
    {0x502016, {L"'", L"\""}}, {0x602016, {L"'", L"\""}}, {0x702016, {L"'", L"\""}},
    {0x802016, {L"'", L"\""}}, {0x52c001, {L"'", L"\""}}, {0x902016, {L"\""}},
    {0xa02016, {L"\""}},       {0x408002, {L"\u00b0"}},   {0x608002, {L"d"}}};

class EverySymbol : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
};

// Every unit symbol of the catalogue writes values in every shipped locale, with its
// translated text or, for the composite notations, with their marks. A name (and a symbol that
// the locale writes as the name) writes one of the name's forms.
TEST_P(EverySymbol, FormatsWithItsText) {
    UnitsFormatter formatter(GetParam());
    ASSERT_EQ(std::wstring(formatter.GetLocale()), GetParam());
    TranslationSet translations(GetParam());
    std::vector<TranslationSet::PluralForm> pluralForms = translations.PluralForms();
    std::vector<int> symbols = AllSymbols();
    ASSERT_EQ(symbols.size(), 1877u);
    for (int symbol : symbols) {
        std::wstring text = translations.SymbolText(symbol).toStdWString();
        std::set<std::wstring> forms{text};
        if (translations.SymbolText(symbol) == translations.UnitDisplayName(symbol & 0xfffff))
            for (const TranslationSet::PluralForm& form : pluralForms)
                forms.insert(
                    translations.UnitDisplayName(symbol & 0xfffff, form.sample).toStdWString());
        for (double value : {1.5, -2.25, 1234.5}) {
            wchar_t buffer[256];
            double shown = 0;
            ErrorCode result =
                formatter.Format(value, symbol & 0xfffff, buffer, 256, symbol, &shown);
            ASSERT_EQ(result, ecSuccess) << std::hex << symbol;
            std::wstring written = buffer;
            EXPECT_NEAR(shown, value, 1e-9 * std::abs(value)) << std::hex << symbol;
            SCOPED_TRACE(QString::fromWCharArray(buffer).toStdString());
            if (symbol == kUnitless) {
                EXPECT_EQ(written.find_first_not_of(L"-0123456789.,"), std::wstring::npos);
            } else if (symbol == kBearing) {
                EXPECT_NE(std::wstring(L"NSEW").find(written[0]), std::wstring::npos);
            } else if (auto marks = kMarks.find(symbol); marks != kMarks.end()) {
                for (const wchar_t* mark : marks->second)
                    EXPECT_NE(written.find(mark), std::wstring::npos) << Narrow(mark);
            } else {
                ASSERT_FALSE(text.empty()) << std::hex << symbol;
                EXPECT_TRUE(std::any_of(forms.begin(), forms.end(),
                                        [&](const std::wstring& form) {
                                            return written.size() > form.size() &&
                                                   written.compare(written.size() - form.size(),
                                                                   form.size(), form) == 0;
                                        }))
                    << std::hex << symbol;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLocales, EverySymbol,
                         ::testing::Values(L"en-US", L"de-DE", L"fr-FR", L"ru-RU"));

} // namespace
