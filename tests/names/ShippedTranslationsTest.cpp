#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"
#include "units/number/PluralRules.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <string>

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

class TranslatedLocale : public ::testing::TestWithParam<const char*> {};

// The name file translates every name, the symbol file every key, and the language has
// alternates of its own.
TEST_P(TranslatedLocale, FilesCoverEveryNameAndKey) {
    QString locale = QString::fromLatin1(GetParam());
    QTranslator names;
    ASSERT_TRUE(names.load(ShippedFile(locale, "ViVuzaZadurUI")));
    for (const UnitTypeNameRow& row : UnitTypeNames)
        EXPECT_FALSE(names.translate("UnitType", row.name).isEmpty()) << row.name;
    for (const GroupNameRow& row : UnitGroupNames)
        EXPECT_FALSE(names.translate("UnitGroup", row.name).isEmpty()) << row.name;
    for (const NumberFormatNameRow& row : NumberFormatNames)
        EXPECT_FALSE(names.translate("NumberFormat", row.name).isEmpty()) << row.name;
    QTranslator symbols;
    ASSERT_TRUE(symbols.load(ShippedFile(locale, "ViVuzaZadurUI_units_symbols")));
    TranslationSet set(locale);
    ASSERT_EQ(set.LocaleName(), locale);
    for (const UnitSymbolKeyRow& row : UnitSymbolKeys()) {
        if (row.kind != Translated)
            continue;
        QByteArray context = set.SymbolContext(row.id).toUtf8();
        EXPECT_FALSE(symbols.translate(context.constData(), row.key).isEmpty()) << row.key;
    }
    EXPECT_FALSE(set.AlternateSymbols(0x102001).isEmpty()) << "meter";
    EXPECT_FALSE(set.AlternateSymbols(0x102017).isEmpty()) << "foot";
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedLocale, ::testing::Values("de-DE", "fr-FR", "ru-RU"));

// The numerus messages of a name file: the forms of each, by context and source.
std::map<std::pair<QString, QString>, QStringList> NumerusMessages(const QString& locale) {
    QFile file(QStringLiteral(VVZ_TRANSLATIONS_DIR "/") + locale +
               QStringLiteral("/ViVuzaZadurUI.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::map<std::pair<QString, QString>, QStringList> messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("numerusform"))
            messages[{context, source}].append(xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

class PluralLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
    QString Locale() const { return QString::fromLatin1(GetParam()); }
};

// The message "categories" gives each CLDR plural category of the language (as ICU lists them)
// to one numerus form, and to the form that Qt gives its integers: every integer takes the
// form that lists its category. Every name that changes with the number has a form for each.
TEST_P(PluralLocale, EveryNameHasAFormForEachCategory) {
    PluralRules rules(GetParam());
    std::map<std::pair<QString, QString>, QStringList> messages = NumerusMessages(Locale());
    QStringList forms = messages[{QStringLiteral("PluralForms"), QStringLiteral("categories")}];
    QStringList listed;
    for (const QString& form : forms)
        listed += form.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList used;
    for (size_t i = 0; i < kPluralCategoryCount; ++i)
        if (rules.Uses(static_cast<PluralCategory>(i)))
            used.append(QString::fromLatin1(PluralKeyword(static_cast<PluralCategory>(i))));
    std::sort(listed.begin(), listed.end());
    std::sort(used.begin(), used.end());
    EXPECT_EQ(listed, used) << "each category once";

    QTranslator file;
    ASSERT_TRUE(file.load(ShippedFile(Locale(), "ViVuzaZadurUI")));
    for (int n = 0; n < 1000; ++n) {
        std::string integer = std::to_string(n);
        PluralCategory category =
            rules.Select(PluralOperands::OfText(integer.data(), integer.data() + integer.size()));
        QString form = file.translate("PluralForms", "categories", nullptr, n);
        EXPECT_TRUE(form.split(QLatin1Char(' ')).contains(QLatin1String(PluralKeyword(category))))
            << n << " takes the form of «" << form.toStdString() << "»";
    }

    int names = 0;
    for (const auto& [key, numerusForms] : messages) {
        if (key.first != QLatin1String("UnitType"))
            continue;
        EXPECT_EQ(numerusForms.size(), forms.size()) << key.second.toStdString();
        for (const QString& form : numerusForms)
            EXPECT_FALSE(form.isEmpty()) << key.second.toStdString();
        ++names;
    }
    EXPECT_GT(names, 100);
}

INSTANTIATE_TEST_SUITE_P(Shipped, PluralLocale,
                         ::testing::Values("en-US", "de-DE", "fr-FR", "ru-RU"));

} // namespace
