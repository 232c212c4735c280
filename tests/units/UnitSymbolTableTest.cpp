#include "units/UnitSymbolTable.h"
#include "units/LocaleSymbolTables.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/IFormatSymbol.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include "FormatterTest.h"

using namespace velmar::platform::core::units;
using vvztest::Narrow;

namespace {

const ParseSymbolRegistry& Registry() {
    return ParseSymbolRegistry::Instance();
}

using UnitSymbolTableTest = vvztest::FormatterTest;

TEST_F(UnitSymbolTableTest, LocalesShareObjectsHaveOwnTextsAndLookUpInOrder) {
    TranslationSet first(L"ru-RU");
    TranslationSet second(L"ru-RU");
    TranslationSet english(L"en-US");
    const UnitSymbolTable& russian = LocaleSymbolTables::Instance().EnsureLocale(first);
    EXPECT_EQ(&LocaleSymbolTables::Instance().EnsureLocale(second), &russian);
    const UnitSymbolTable& table = LocaleSymbolTables::Instance().EnsureLocale(english);
    EXPECT_NE(table.Find(0x202001)->object.get(), russian.Find(0x202001)->object.get());
    EXPECT_EQ(std::wstring(russian.Find(0x202001)->format->GetText()), L"\u043c"); // м
    EXPECT_EQ(std::wstring(table.Find(0x202001)->format->GetText()), L"m");
    // A locale reads its own texts first, then en-US's; other locales' texts not at all.
    EXPECT_EQ(LocaleSymbolTables::Lookup(L"\u043c", nullptr, &russian, &table),
              russian.Find(0x202001)->parse);
    EXPECT_EQ(LocaleSymbolTables::Lookup(L"m", nullptr, &russian, &table),
              table.Find(0x202001)->parse);
    EXPECT_EQ(LocaleSymbolTables::Lookup(L"\u043c", nullptr, &table, &table), nullptr);
    EXPECT_EQ(Registry().Lookup(L"\u043c", nullptr), nullptr);

    // Longest match across the fixed texts, own and fallback, and on equal length in that
    // order.
    TranslationSet french(L"fr-FR");
    const UnitSymbolTable& own = LocaleSymbolTables::Instance().EnsureLocale(french);
    const struct {
        const wchar_t* text;
        int owner; // 0: the fixed texts, 1: own, 2: fallback, -1: nothing
        size_t length;
    } cases[] = {
        {L"N", 0, 1},        // the compass point, although the newton's text is "N" everywhere
        {L"ch", 1, 2},       // fr-FR's horsepower before en-US's chain
        {L"GPM", 2, 3},      // only en-US has it
        {L"N\u00b7m", 1, 3}, // a longer own text beats the fixed "N"
        {L"@", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        size_t length = 0, ignored = 0;
        IParseSymbol* found = LocaleSymbolTables::Lookup(c.text, &length, &own, &table);
        IParseSymbol* expected = c.owner == 0   ? Registry().Lookup(c.text, &ignored)
                                 : c.owner == 1 ? own.Lookup(c.text, &ignored)
                                 : c.owner == 2 ? table.Lookup(c.text, &ignored)
                                                : nullptr;
        EXPECT_NE(found == nullptr, c.owner >= 0);
        EXPECT_EQ(found, expected);
        EXPECT_EQ(length, c.length);
    }
}

} // namespace
