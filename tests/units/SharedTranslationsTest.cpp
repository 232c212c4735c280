// Formatters of one locale share its loaded translations; nothing of that shows: what a new
// formatter reads is what a load of the files at that moment gives, and existing formatters keep
// what they had.
#include "units/FormatterState.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

using namespace velmar::platform::core::units;

namespace {

const char* const kFiles[] = {"ViVuzaZadurUI.qm", "ViVuzaZadurUI_units_symbols.qm",
                              "ViVuzaZadurUI_units_parsing_alternate_symbols.qm"};
constexpr int kInch = 0x2016;

std::wstring DisplayName(const UnitsFormatter& formatter, int id) {
    wchar_t name[64] = L"";
    EXPECT_EQ(formatter.GetDisplayName(id, name, 64), ecSuccess);
    return name;
}

std::wstring Formatted(const UnitsFormatter& formatter, double value, int unit, int display) {
    wchar_t text[64] = L"";
    EXPECT_EQ(formatter.Format(value, unit, text, 64, display), ecSuccess);
    return text;
}

class SharedTranslations : public ::testing::Test {
protected:
    void SetUp() override {
        UnitsManager::Uninitialize();
        ASSERT_TRUE(german.isValid() && french.isValid());
        CopyShipped("de-DE", german.path());
        CopyShipped("fr-FR", french.path());
    }
    void TearDown() override { UnitsManager::Uninitialize(); }

    // The shipped files of a locale, copied into a folder of their own.
    static void CopyShipped(const char* locale, const QString& folder) {
        for (const char* file : kFiles)
            ASSERT_TRUE(QFile::copy(Shipped(locale, file), folder + QLatin1Char('/') + file));
    }
    static QString Shipped(const char* locale, const char* file) {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(locale) +
               QLatin1Char('/') + QLatin1String(file);
    }
    static void UsePath(const QString& path) {
        ASSERT_TRUE(
            UnitsManager::GetInstance()->SetTranslatorFilesPath(path.toStdWString().c_str()));
    }

    QTemporaryDir german;
    QTemporaryDir french;
};

TEST_F(SharedTranslations, FormattersMadeAfterTheFolderChangedReadTheNewFolder) {
    UsePath(german.path());
    UnitsFormatter before(L"xx-XX");
    EXPECT_EQ(DisplayName(before, kInch), L"Zoll");
    UsePath(french.path());
    UnitsFormatter after(L"xx-XX");
    EXPECT_EQ(DisplayName(after, kInch), L"pouce");
    EXPECT_EQ(DisplayName(before, kInch), L"Zoll") << "an existing formatter keeps its texts";
    EXPECT_EQ(DisplayName(UnitsFormatter(before), kInch), L"Zoll") << "and so do its copies";
    UsePath(german.path());
    EXPECT_EQ(DisplayName(UnitsFormatter(L"xx-XX"), kInch), L"Zoll");
}

TEST_F(SharedTranslations, FormattersMadeAfterAFileWasReplacedReadTheNewFile) {
    UsePath(german.path());
    UnitsFormatter before(L"xx-XX");
    QString names = german.path() + QLatin1Char('/') + QLatin1String(kFiles[0]);
    ASSERT_TRUE(QFile::remove(names));
    ASSERT_TRUE(QFile::copy(Shipped("fr-FR", kFiles[0]), names));
    UnitsFormatter after(L"xx-XX");
    EXPECT_EQ(DisplayName(after, kInch), L"pouce");
    EXPECT_EQ(DisplayName(before, kInch), L"Zoll");
    // Gone altogether: the locale falls back to the manager's, as a fresh load does.
    ASSERT_TRUE(QFile::remove(names));
    UnitsManager::GetInstance()->SetCurrentLocale(L"ru-RU");
    EXPECT_STREQ(UnitsFormatter(L"xx-XX").GetLocale(), L"ru-RU");
    EXPECT_EQ(DisplayName(after, kInch), L"pouce");
}

TEST_F(SharedTranslations, EmptyLocaleFollowsTheManagersLocale) {
    UnitsManager::GetInstance()->SetCurrentLocale(L"de-DE");
    UnitsFormatter german(L"");
    UnitsManager::GetInstance()->SetCurrentLocale(L"fr-FR");
    UnitsFormatter french(L"");
    EXPECT_STREQ(german.GetLocale(), L"de-DE");
    EXPECT_EQ(DisplayName(german, kInch), L"Zoll");
    EXPECT_STREQ(french.GetLocale(), L"fr-FR");
    EXPECT_EQ(DisplayName(french, kInch), L"pouce");
}

TEST_F(SharedTranslations, ALocaleWhoseFormattersAreAllGoneLoadsAgain) {
    UsePath(german.path());
    std::wstring formatted;
    {
        UnitsFormatter first(L"xx-XX");
        UnitsFormatter second(first);
        formatted = Formatted(second, 66.5, kInch, 0x702016);
    }
    UnitsFormatter again(L"xx-XX");
    EXPECT_EQ(DisplayName(again, kInch), L"Zoll");
    EXPECT_EQ(Formatted(again, 66.5, kInch, 0x702016), formatted);
}

TEST_F(SharedTranslations, CopiesAndFreshFormattersAgree) {
    for (const wchar_t* locale : {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"}) {
        UnitsFormatter fresh(locale);
        UnitsFormatter copy(fresh);
        UnitsFormatter another(locale);
        for (const UnitsFormatter* formatter : {&copy, &another}) {
            EXPECT_STREQ(formatter->GetLocale(), fresh.GetLocale());
            for (int id : {0x2000, kInch, 0x202001, 0x108001})
                EXPECT_EQ(DisplayName(*formatter, id), DisplayName(fresh, id));
            EXPECT_EQ(Formatted(*formatter, 45.5041666, 0x8002, 0x408002),
                      Formatted(fresh, 45.5041666, 0x8002, 0x408002));
        }
    }
}

// The sharing itself: one loaded set per locale and files, a new one once the files differ.
TEST_F(SharedTranslations, FormattersOfOneLocaleAndFilesShareOneSet) {
    UsePath(german.path());
    FormatterState first(L"xx-XX");
    FormatterState second(L"xx-XX");
    EXPECT_EQ(&first.Translations(), &second.Translations());
    EXPECT_NE(&FormatterState(L"yy-YY").Translations(), &first.Translations());
    UsePath(french.path());
    EXPECT_NE(&FormatterState(L"xx-XX").Translations(), &first.Translations());
}

// Number settings are each formatter's own, although new formatters start from one shared
// token table.
TEST_F(SharedTranslations, ChangedNumberSettingsStayWithTheirFormatter) {
    UnitsFormatter changed(L"en-US");
    UnitsFormatter copyBefore(changed);
    ASSERT_EQ(changed.SetNumberDecimalSeparator(L","), ecSuccess);
    ASSERT_EQ(changed.SetNumberGroupSeparator(L"."), ecSuccess);
    UnitsFormatter copyAfter(changed);
    UnitsFormatter fresh(L"en-US");
    double value = 0;
    for (const UnitsFormatter* formatter : {&copyBefore, &fresh}) {
        EXPECT_EQ(formatter->Parse(L"1,234.5 m", value, 0x2001), ecSuccess);
        EXPECT_EQ(value, 1234.5);
    }
    for (const UnitsFormatter* formatter : {&changed, &copyAfter}) {
        EXPECT_EQ(formatter->Parse(L"1.234,5 m", value, 0x2001), ecSuccess);
        EXPECT_EQ(value, 1234.5);
    }
}

} // namespace
