// Formatters of one locale share its loaded translations; nothing of that shows: what a new
// formatter reads is what a load of the files at that moment gives, and existing formatters keep
// what they had.
#include "FormatterTest.h"
#include "units/FormatterState.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

using namespace velmar::platform::core::units;
using namespace vvztest;

namespace {

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
        for (const char* file : kTranslationFiles)
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

// Underneath, formatters of one locale and files share one loaded set, and a new one is loaded
// once the files differ.
TEST_F(SharedTranslations, FormattersMadeAfterTheFolderChangedReadTheNewFolder) {
    UsePath(german.path());
    UnitsFormatter before(L"xx-XX");
    EXPECT_EQ(DisplayName(before, kInch), L"Zoll");
    FormatterState first(L"xx-XX");
    FormatterState second(L"xx-XX");
    EXPECT_EQ(&first.Translations(), &second.Translations());
    EXPECT_NE(&FormatterState(L"yy-YY").Translations(), &first.Translations());
    UsePath(french.path());
    EXPECT_NE(&FormatterState(L"xx-XX").Translations(), &first.Translations());
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
    QString names = german.path() + QLatin1Char('/') + QLatin1String(kTranslationFiles[0]);
    ASSERT_TRUE(QFile::remove(names));
    ASSERT_TRUE(QFile::copy(Shipped("fr-FR", kTranslationFiles[0]), names));
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
        formatted = Written(second, 66.5, kInch, 0x702016);
    }
    ASSERT_NE(formatted, Error(ecFailure));
    UnitsFormatter again(L"xx-XX");
    EXPECT_EQ(DisplayName(again, kInch), L"Zoll");
    EXPECT_EQ(Written(again, 66.5, kInch, 0x702016), formatted);
}

TEST_F(SharedTranslations, CopiesAndFreshFormattersAgree) {
    for (const wchar_t* locale : {L"en-US", L"de-DE", L"fr-FR", L"ru-RU"}) {
        UnitsFormatter fresh(locale);
        UnitsFormatter copy(fresh);
        UnitsFormatter another(locale);
        const std::wstring angle = Written(fresh, 45.5041666, kDegree, 0x408002);
        ASSERT_NE(angle, Error(ecFailure));
        for (const UnitsFormatter* formatter : {&copy, &another}) {
            EXPECT_STREQ(formatter->GetLocale(), fresh.GetLocale());
            EXPECT_EQ(Written(*formatter, 45.5041666, kDegree, 0x408002), angle);
        }
        for (int id : {0x2000, kInch, 0x202001, 0x108001}) {
            ASSERT_NE(DisplayName(fresh, id), Error(ecFailure));
            for (const UnitsFormatter* formatter : {&copy, &another})
                EXPECT_EQ(DisplayName(*formatter, id), DisplayName(fresh, id));
        }
    }
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
    const std::pair<const UnitsFormatter*, const wchar_t*> cases[] = {{&copyBefore, L"1,234.5 m"},
                                                                      {&fresh, L"1,234.5 m"},
                                                                      {&changed, L"1.234,5 m"},
                                                                      {&copyAfter, L"1.234,5 m"}};
    for (const auto& [formatter, text] : cases) {
        double value = 0;
        EXPECT_EQ(formatter->Parse(text, value, kMeter), ecSuccess) << Narrow(text);
        EXPECT_EQ(value, 1234.5);
    }
}

} // namespace
