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

TEST_F(TranslationSetTest, EmptyNameFollowsTheManager) {
    Manager()->SetCurrentLocale(L"de-DE");
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("de-DE"));
    EXPECT_EQ(TranslationSet(static_cast<const wchar_t*>(nullptr)).LocaleName(),
              QStringLiteral("de-DE"));
    EXPECT_EQ(TranslationSet(QString()).LocaleName(), QStringLiteral("de-DE"));
    // The manager's name is read into ten characters: a longer one is cut to nine.
    Manager()->SetCurrentLocale(L"sr-Latn-CS");
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("sr-Latn-C"));
}

TEST_F(TranslationSetTest, EmptyNameWithoutManagerLocaleIsEnglish) {
    environment.Set("LANG", "xx_YY.UTF-8"); // a system locale without a row: empty
    EXPECT_EQ(TranslationSet(L"").LocaleName(), QStringLiteral("en-US"));
}

TEST_F(TranslationSetTest, LocaleWithoutNameFileFallsBack) {
    Manager()->SetCurrentLocale(L"fr-FR");
    TranslationSet set(L"xx-XX");
    EXPECT_EQ(set.LocaleName(), QStringLiteral("fr-FR"));
    EXPECT_EQ(set.UnitDisplayName(0x2016), QStringLiteral("pouce")) << "files of fr-FR";
    TranslationSet shipped(L"ru-RU");
    EXPECT_EQ(shipped.LocaleName(), QStringLiteral("ru-RU"));
}

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
}

TEST_F(TranslationSetTest, PathWithoutNameFileFallsBackToTheManagersLocale) {
    QTemporaryDir empty;
    UsePath(empty.path());
    Manager()->SetCurrentLocale(L"it-IT");
    TranslationSet set(L"de-DE");
    EXPECT_EQ(set.LocaleName(), QStringLiteral("it-IT"));
    EXPECT_EQ(set.UnitDisplayName(0x2001), QStringLiteral("meter"));
    EXPECT_EQ(set.SymbolText(0x202001), QStringLiteral("eSm"));
    EXPECT_TRUE(set.AlternateSymbols(0x102001).isEmpty());
}

TEST_F(TranslationSetTest, MissingSymbolsFileShowsKeys) {
    UsePath(TestSetDir("namesonly"));
    TranslationSet set(L"q2-TEST");
    EXPECT_EQ(set.UnitDisplayName(0x2001), QStringLiteral("Testmeter"));
    EXPECT_EQ(set.SymbolText(0x202001), QStringLiteral("eSm"));
    EXPECT_TRUE(set.AlternateSymbols(0x202001).isEmpty());
}

TEST_F(TranslationSetTest, AlternatesComeInOrderAndOnlyFromTheirContext) {
    UsePath(TestSetDir("full"));
    TranslationSet set(L"q3-TEST");
    EXPECT_EQ(set.AlternateSymbols(0x202001), QStringList({"alpha", "gamma"}));
    // Numbers run from 1 to 10 only.
    EXPECT_EQ(set.AlternateSymbols(0x102001), QStringList({"last"}));
    EXPECT_TRUE(set.AlternateSymbols(0x202016).isEmpty());
    EXPECT_TRUE(set.AlternateSymbols(0x999999).isEmpty());
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

} // namespace
