#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

using namespace velmar::platform::core::units;

namespace {

// The translation files that ship with the library, as the build puts them beside it.
QString ShippedFile(const QString& locale, const char* name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + locale + QLatin1Char('/') +
           QString::fromLatin1(name) + QStringLiteral(".qm");
}

TEST(ShippedTranslations, EveryKeyedSymbolHasAnEnglishText) {
    TranslationSet set(L"en-US");
    ASSERT_EQ(set.LocaleName(), QStringLiteral("en-US"));
    for (const UnitSymbolKeyRow& row : UnitSymbolKeys()) {
        QString text = set.SymbolText(row);
        EXPECT_FALSE(text.isEmpty()) << std::hex << row.id;
        if (row.kind == Translated) {
            EXPECT_NE(text, QString::fromUtf8(row.key)) << std::hex << row.id;
        }
    }
    EXPECT_FALSE(set.AlternateSymbols(0x102001).isEmpty()) << "meter has English alternates";
}

class TranslatedLocale : public ::testing::TestWithParam<const char*> {
protected:
    QString Locale() const { return QString::fromLatin1(GetParam()); }
};

TEST_P(TranslatedLocale, NameFileCoversEveryName) {
    QTranslator names;
    ASSERT_TRUE(names.load(ShippedFile(Locale(), "ViVuzaZadurUI")));
    for (const UnitTypeNameRow& row : UnitTypeNames)
        EXPECT_FALSE(names.translate("UnitType", row.name).isEmpty()) << row.name;
    for (const GroupNameRow& row : UnitGroupNames)
        EXPECT_FALSE(names.translate("UnitGroup", row.name).isEmpty()) << row.name;
    for (const NumberFormatNameRow& row : NumberFormatNames)
        EXPECT_FALSE(names.translate("NumberFormat", row.name).isEmpty()) << row.name;
}

TEST_P(TranslatedLocale, SymbolFileCoversEveryKey) {
    QTranslator symbols;
    ASSERT_TRUE(symbols.load(ShippedFile(Locale(), "ViVuzaZadurUI_units_symbols")));
    TranslationSet set(Locale());
    ASSERT_EQ(set.LocaleName(), Locale());
    for (const UnitSymbolKeyRow& row : UnitSymbolKeys()) {
        if (row.kind != Translated)
            continue;
        QByteArray context = set.SymbolContext(row.id).toUtf8();
        EXPECT_FALSE(symbols.translate(context.constData(), row.key).isEmpty()) << row.key;
    }
}

TEST_P(TranslatedLocale, HasAlternatesInItsLanguage) {
    TranslationSet set(Locale());
    EXPECT_FALSE(set.AlternateSymbols(0x102001).isEmpty()) << "meter";
    EXPECT_FALSE(set.AlternateSymbols(0x102017).isEmpty()) << "foot";
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedLocale, ::testing::Values("de-DE", "fr-FR", "ru-RU"));

} // namespace
