#include "units/UnitSymbolTable.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/format/DegreePrimeDoublePrimeSymbol2.h"
#include "units/symbols/format/GenericSymbolEx2.h"
#include "units/symbols/format/LinearSymbol2.h"
#include "units/symbols/format/PrimeDoublePrimeSymbol2.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include "FormatterTest.h"

#include <typeinfo>

using namespace velmar::platform::core::units;
using vvztest::Narrow;

namespace {

ParseSymbolRegistry& Registry() {
    return ParseSymbolRegistry::Instance();
}

using UnitSymbolTableTest = vvztest::FormatterTest;

template <class Expected> bool Is(const void* object) {
    return object != nullptr &&
           dynamic_cast<const Expected*>(static_cast<const ISymbol*>(object)) != nullptr;
}

// Each character of texts is a fixed text of its own, of the kind type.
struct FixedCase {
    const wchar_t* texts;
    const std::type_info& type;
};

TEST(ParseSymbolRegistryTest, FixedEntries) {
    const FixedCase cases[] = {
        {L"/", typeid(DivisionSymbol)},
        {L" ", typeid(SpaceSymbol)},
        {L"\u00b7*\u00d7\u22c5", typeid(MultiplicationSymbol)},
        {L"\u00b2", typeid(SquareSymbol)},
        {L"\u00b3", typeid(CubicSymbol)},
        {L"(\uff08", typeid(LeftParenthesisSymbol)},
        {L")\uff09", typeid(RightParenthesisSymbol)},
        {L"\u2032'\u02b9\u2019\u02bc\u2018", typeid(PrimeSymbol)},
        {L"\u2033\"\u02ba\u201d\u201c", typeid(DoublePrimeSymbol)},
        {L"\u2010\u2012\u2013\u2014\u2015-\u2043", typeid(DashSymbol)},
        {L"^", typeid(CaretSymbol)},
        {L"\u00b0", typeid(DegreeSymbol)},
        {L"N", typeid(NorthSymbol)},
        {L"E", typeid(EastSymbol)},
        {L"S", typeid(SouthSymbol)},
        {L"W", typeid(WestSymbol)},
        {L"d", typeid(DSymbol)},
        {L"g", typeid(GSymbol)},
    };
    for (const FixedCase& c : cases) {
        for (const wchar_t* text = c.texts; *text != L'\0'; ++text) {
            const wchar_t one[] = {*text, L'\0'};
            SCOPED_TRACE(Narrow(one));
            size_t length = 0;
            IParseSymbol* symbol = Registry().Lookup(one, &length);
            ASSERT_NE(symbol, nullptr);
            EXPECT_EQ(typeid(*symbol), c.type);
            EXPECT_EQ(length, 1u);
        }
    }
    // Look-alikes share one object.
    EXPECT_EQ(Registry().Lookup(L"(", nullptr), Registry().Lookup(L"\uff08", nullptr));
    EXPECT_EQ(Registry().Lookup(L"'", nullptr), Registry().Lookup(L"\u2018", nullptr));
    // Longest match: a registered text followed by more characters.
    size_t length = 0;
    EXPECT_EQ(typeid(*Registry().Lookup(L"/s", &length)), typeid(DivisionSymbol));
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(Registry().Lookup(L"", &length), nullptr);
    EXPECT_EQ(Registry().Register(L"N", Registry().Lookup(L"E", nullptr)), 1);
    EXPECT_EQ(typeid(*Registry().Lookup(L"N", nullptr)), typeid(NorthSymbol));
    EXPECT_EQ(Registry().Register(L"", Registry().Lookup(L"E", nullptr)), 1);
    EXPECT_EQ(Registry().Register(nullptr, Registry().Lookup(L"E", nullptr)), 1);
}

TEST_F(UnitSymbolTableTest, ObjectsByKind) {
    TranslationSet english(L"en-US");
    const UnitSymbolTable& table = Registry().EnsureLocale(english);
    auto object = [&](int id) -> const void* {
        const UnitSymbolTable::Slot* slot = table.Find(id);
        return slot == nullptr ? nullptr : slot->object.get();
    };
    EXPECT_TRUE(Is<PrimeDoublePrimeSymbol2>(object(0x502016)));
    EXPECT_TRUE(Is<PrimeDoublePrimeSymbol2>(object(0x52c001)));
    EXPECT_TRUE(Is<DegreePrimeDoublePrimeSymbol2>(object(0x508002)));
    EXPECT_TRUE(Is<GenericSymbolEx2>(object(0x101001)));
    auto attached = [&](int id) {
        auto* symbol = dynamic_cast<const GenericSymbol2*>(static_cast<const ISymbol*>(object(id)));
        return symbol != nullptr && (symbol->flags & SimpleFormatSymbol2::Attached) != 0;
    };
    for (int id : {0x302017, 0x208002, 0x42c001, 0x22a004})
        EXPECT_TRUE(attached(id)) << std::hex << id;
    EXPECT_FALSE(attached(0x202017));
    // Every symbol of the Temperature group is of exactly one kind.
    for (int id :
         {0x12a002, 0x22a002, 0x32a002, 0x42a002, 0x12a003, 0x22a003, 0x32a003, 0x42a003}) {
        auto* linear = dynamic_cast<const LinearSymbol2*>(static_cast<const ISymbol*>(object(id)));
        ASSERT_NE(linear, nullptr) << std::hex << id;
        EXPECT_EQ(linear->intervalUnitId, (id & 0xfffff) == 0x2a002 ? 0x2a001 : 0x2a004);
        EXPECT_FALSE(Is<GenericSymbol2>(object(id)));
    }
    // The text of a linear symbol reaches that very object.
    const UnitSymbolTable::Slot* fahrenheit = table.Find(0x22a003);
    EXPECT_EQ(Registry().Lookup(fahrenheit->format->GetText(), nullptr, &table), fahrenheit->parse);
    // Ids outside the table, or without a symbol field.
    for (int id : {0x2016, 0xb02016, 0x302001, 0x102043, 0x145001, 0x201002, 0})
        EXPECT_EQ(table.Find(id), nullptr) << std::hex << id;
}

TEST_F(UnitSymbolTableTest, LocalesShareTheirObjectsAndHaveTheirOwnTexts) {
    TranslationSet first(L"ru-RU");
    TranslationSet second(L"ru-RU");
    TranslationSet english(L"en-US");
    const UnitSymbolTable& russian = Registry().EnsureLocale(first);
    EXPECT_EQ(&Registry().EnsureLocale(second), &russian);
    const UnitSymbolTable& table = Registry().EnsureLocale(english);
    EXPECT_NE(table.Find(0x202001)->object.get(), russian.Find(0x202001)->object.get());
    EXPECT_EQ(std::wstring(russian.Find(0x202001)->format->GetText()), L"\u043c"); // м
    EXPECT_EQ(std::wstring(table.Find(0x202001)->format->GetText()), L"m");
    // A locale reads its own texts first, then en-US's; other locales' texts not at all.
    EXPECT_EQ(Registry().Lookup(L"\u043c", nullptr, &russian, &table),
              russian.Find(0x202001)->parse);
    EXPECT_EQ(Registry().Lookup(L"m", nullptr, &russian, &table), table.Find(0x202001)->parse);
    EXPECT_EQ(Registry().Lookup(L"\u043c", nullptr, &table, &table), nullptr);
    EXPECT_EQ(Registry().Lookup(L"\u043c", nullptr), nullptr);
}

struct LookupCase {
    const wchar_t* text;
    int owner; // 0: the fixed texts, 1: own, 2: fallback, -1: nothing
    size_t length;
};

// Longest match across the three, and on equal length fixed, own, fallback in that order.
TEST_F(UnitSymbolTableTest, LookupPrecedence) {
    TranslationSet english(L"en-US");
    TranslationSet french(L"fr-FR");
    const UnitSymbolTable& own = Registry().EnsureLocale(french);
    const UnitSymbolTable& fallback = Registry().EnsureLocale(english);
    const LookupCase cases[] = {
        {L"N", 0, 1},        // the compass point, although the newton's text is "N" everywhere
        {L"ch", 1, 2},       // fr-FR's horsepower before en-US's chain
        {L"GPM", 2, 3},      // only en-US has it
        {L"N\u00b7m", 1, 3}, // a longer own text beats the fixed "N"
        {L"@", -1, 0},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        size_t length = 0, ignored = 0;
        IParseSymbol* found = Registry().Lookup(c.text, &length, &own, &fallback);
        IParseSymbol* expected = c.owner == 0   ? Registry().Lookup(c.text, &ignored)
                                 : c.owner == 1 ? own.Lookup(c.text, &ignored)
                                 : c.owner == 2 ? fallback.Lookup(c.text, &ignored)
                                                : nullptr;
        EXPECT_NE(found == nullptr, c.owner >= 0);
        EXPECT_EQ(found, expected);
        EXPECT_EQ(length, c.length);
    }
}

} // namespace
