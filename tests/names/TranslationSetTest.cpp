#include "TestEnvironment.h"

#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmar::platform::core::units;

namespace {

// Translation files made for these tests, in folders used as the translator files path.
QString TestSetDir(const char* name) {
    return QStringLiteral(VVZ_TEST_SETS_DIR "/") + QString::fromLatin1(name);
}

class TranslationSetTest : public ::testing::Test {
protected:
    void SetUp() override { UnitsManager::Uninitialize(); }
    void TearDown() override { UnitsManager::Uninitialize(); }
    static UnitsManager* Manager() { return UnitsManager::GetInstance(); }
    static void UsePath(const QString& path) {
        ASSERT_TRUE(Manager()->SetTranslatorFilesPath(path.toStdWString().c_str()));
    }
    vvztest::LocaleEnvironment environment;
};

// An empty name takes the manager's locale, English when it has none; a locale without a name
// file falls back to the manager's.
TEST_F(TranslationSetTest, EmptyNameFollowsTheManager) {
    environment.Set("LANG", "xx_YY.UTF-8"); // a system locale without a row: empty
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("en-US"));
    Manager()->SetCurrentLocale(L"de-DE");
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("de-DE"));
    EXPECT_EQ(TranslationSet(static_cast<const wchar_t*>(nullptr)).LocaleName(),
              QStringLiteral("de-DE"));
    EXPECT_EQ(TranslationSet(QString()).LocaleName(), QStringLiteral("de-DE"));
    // The manager's name is read into ten characters: a longer one is cut to nine.
    Manager()->SetCurrentLocale(L"sr-Latn-CS");
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("sr-Latn-C"));
    Manager()->SetCurrentLocale(L"fr-FR");
    TranslationSet set(L"xx-XX");
    EXPECT_EQ(set.LocaleName(), QStringLiteral("fr-FR"));
    EXPECT_EQ(set.UnitDisplayName(0x2016), QStringLiteral("pouce")) << "files of fr-FR";
    EXPECT_EQ(TranslationSet(L"ru-RU").LocaleName(), QStringLiteral("ru-RU"));
}

// The files of the path serve every locale; without plural forms each name has one form, and
// alternates come in order and only from their context.
TEST_F(TranslationSetTest, TranslatorFilesPathServesEveryLocale) {
    UsePath(TestSetDir("full"));
    for (const wchar_t* locale : {L"de-DE", L"q1-TEST"}) {
        TranslationSet set(locale);
        EXPECT_EQ(set.LocaleName(), QString::fromWCharArray(locale));
        EXPECT_EQ(set.UnitDisplayName(0x2001), QStringLiteral("Testmeter"));
        EXPECT_EQ(set.GroupDisplayName(0x2000), QStringLiteral("Testlength"));
        EXPECT_EQ(set.NumberFormatDisplayName(nfFixedPoint), QStringLiteral("Testfixed"));
        EXPECT_EQ(set.SymbolText(0x202001), QStringLiteral("tm"));
        // What the files do not carry shows its source text.
        EXPECT_EQ(set.UnitDisplayName(0x2016), QStringLiteral("inch"));
        EXPECT_EQ(set.SymbolText(0x202016), QStringLiteral("eSin"));
    }
    TranslationSet set(L"de-DE");
    EXPECT_TRUE(set.PluralForms().empty());
    EXPECT_EQ(set.NameLanguage(), QStringLiteral("en_US"));
    EXPECT_EQ(set.UnitDisplayName(0x2001, 5), QStringLiteral("Testmeter"));
    EXPECT_EQ(set.UnitDisplayName(0x2016, 5), QStringLiteral("inch"));
    EXPECT_TRUE(set.UnitDisplayName(0x2000, 5).isEmpty());
    TranslationSet alternates(L"q3-TEST");
    EXPECT_EQ(alternates.AlternateSymbols(0x202001), QStringList({"alpha", "gamma"}));
    // Numbers run from 1 to 10 only.
    EXPECT_EQ(alternates.AlternateSymbols(0x102001), QStringList({"last"}));
    EXPECT_TRUE(alternates.AlternateSymbols(0x202016).isEmpty());
    EXPECT_TRUE(alternates.AlternateSymbols(0x999999).isEmpty());
}

TEST_F(TranslationSetTest, PathWithoutNameOrSymbolsFile) {
    QTemporaryDir empty;
    UsePath(empty.path());
    Manager()->SetCurrentLocale(L"it-IT");
    TranslationSet set(L"de-DE");
    EXPECT_EQ(set.LocaleName(), QStringLiteral("it-IT"));
    EXPECT_EQ(set.UnitDisplayName(0x2001), QStringLiteral("meter"));
    EXPECT_EQ(set.UnitDisplayName(0x2001, 5), QStringLiteral("meter"));
    EXPECT_TRUE(set.PluralForms().empty());
    EXPECT_EQ(set.SymbolText(0x202001), QStringLiteral("eSm"));
    EXPECT_TRUE(set.AlternateSymbols(0x102001).isEmpty());
    // Without a symbols file, symbols show their keys.
    UsePath(TestSetDir("namesonly"));
    TranslationSet namesOnly(L"q2-TEST");
    EXPECT_EQ(namesOnly.UnitDisplayName(0x2001), QStringLiteral("Testmeter"));
    EXPECT_EQ(namesOnly.SymbolText(0x202001), QStringLiteral("eSm"));
    EXPECT_TRUE(namesOnly.AlternateSymbols(0x202001).isEmpty());
}

TEST_F(TranslationSetTest, AlternatesAreComputedOncePerLocaleName) {
    UsePath(TestSetDir("full"));
    TranslationSet first(L"q4-TEST");
    UsePath(TestSetDir("changed"));
    TranslationSet second(L"q4-TEST");
    EXPECT_EQ(&first.AlternateSymbols(0x202001), &second.AlternateSymbols(0x202001));
    EXPECT_EQ(second.AlternateSymbols(0x202001), QStringList({"alpha", "gamma"}));
    TranslationSet other(L"q5-TEST");
    EXPECT_EQ(other.AlternateSymbols(0x202001), QStringList({"delta"}));
}

TEST_F(TranslationSetTest, TextsByKindAndEmptyForIdsWithoutRows) {
    TranslationSet set(L"en-US");
    EXPECT_EQ(set.SymbolText(0x108001), set.UnitDisplayName(0x8001));
    EXPECT_EQ(set.SymbolText(0x302036), set.UnitDisplayName(0x2036));
    EXPECT_EQ(set.SymbolText(0x202001), QStringLiteral("m"));
    UnitSymbolKeyRow literal{0x202001, Literal, "as written"};
    EXPECT_EQ(set.SymbolText(literal), QStringLiteral("as written"));
    UnitSymbolKeyRow translated{0x202001, Translated, "eSm"};
    EXPECT_EQ(set.SymbolText(translated), QStringLiteral("m"));
    // Ids without rows give empty texts.
    EXPECT_TRUE(set.UnitDisplayName(0x108001).isEmpty()); // a symbol id is not a unit id
    EXPECT_TRUE(set.UnitDisplayName(0x2000).isEmpty());
    EXPECT_TRUE(set.GroupDisplayName(0x2001).isEmpty());
    EXPECT_TRUE(set.SymbolText(0x302001).isEmpty()); // meter has two variants
    EXPECT_TRUE(set.SymbolText(0x2001).isEmpty());
    EXPECT_TRUE(set.NumberFormatDisplayName(NumberFormat(9)).isEmpty());
    EXPECT_EQ(set.SymbolContext(0x202016), QStringLiteral("UnitSymbol_Length"));
    EXPECT_EQ(set.SymbolContext(0x21d001), QStringLiteral("UnitSymbol_Power"));
}

// The name file tells which plural categories each numerus form serves; an integer that takes a
// form gives each name's form for those categories, and a name of one form gives that one.
TEST_F(TranslationSetTest, NumerusFormsOfNamesServeTheCategoriesTheFileLists) {
    constexpr int kMeter = 0x2001, kHour = 0x2c017;
    const struct {
        const wchar_t* locale;
        const char* language;
        const char* forms;  // each form: its integer and categories, smallest integer first
        const char* meters; // the meter's name for each of those integers
        const char* hours;
    } cases[] = {
        {L"en-US", "en_US", "0 other | 1 one", "meters | meter", "hours | hour"},
        {L"de-DE", "de_DE", "0 other | 1 one", "Meter | Meter", "Stunden | Stunde"},
        {L"fr-FR", "fr_FR", "0 one | 2 many other", "mètre | mètres", "heure | heures"},
        {L"ru-RU", "ru_RU", "0 many | 1 one | 2 few other", "метров | метр | метра",
         "часов | час | часа"},
    };
    for (const auto& c : cases) {
        TranslationSet set(c.locale);
        SCOPED_TRACE(set.LocaleName().toStdString());
        EXPECT_EQ(set.NameLanguage(), QString::fromLatin1(c.language));
        QStringList forms, meters, hours;
        for (const TranslationSet::PluralForm& form : set.PluralForms()) {
            forms.append(QString::number(form.sample) + QLatin1Char(' ') +
                         form.categories.join(QLatin1Char(' ')));
            meters.append(set.UnitDisplayName(kMeter, form.sample));
            hours.append(set.UnitDisplayName(kHour, form.sample));
        }
        EXPECT_EQ(forms.join(QLatin1String(" | ")), QString::fromUtf8(c.forms));
        EXPECT_EQ(meters.join(QLatin1String(" | ")), QString::fromUtf8(c.meters));
        EXPECT_EQ(hours.join(QLatin1String(" | ")), QString::fromUtf8(c.hours));
        // Without a number, a name shows its dictionary form.
        EXPECT_EQ(set.UnitDisplayName(kHour), set.UnitDisplayName(kHour, 1));
    }
}

} // namespace
