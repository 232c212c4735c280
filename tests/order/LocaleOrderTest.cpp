// What a text means in a locale must not depend on which other locales the process loaded
// before, nor in which order. Each run of this program in print mode loads the four shipped
// locales in a given order and prints what every symbol text of every locale reads as in each
// locale; the test runs it in several orders and compares.
#include "Catalogue.h"
#include "units/LocaleSymbolTables.h"
#include "units/UnitSymbolTable.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/parse/OperandSymbol.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <set>
#include <typeinfo>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

const QStringList kLocales = {QStringLiteral("en-US"), QStringLiteral("de-DE"),
                              QStringLiteral("fr-FR"), QStringLiteral("ru-RU")};

// Every text that a locale's table recognises: the symbols' own texts and their alternates.
std::set<std::wstring> TextsOf(const QString& locale) {
    TranslationSet translations(locale);
    std::set<std::wstring> texts;
    for (int symbol : vvztest::AllSymbols()) {
        texts.insert(translations.SymbolText(symbol).toStdWString());
        for (const QString& alternate : translations.AlternateSymbols(symbol))
            texts.insert(alternate.toStdWString());
    }
    return texts;
}

// What a symbol stands for, comparable across runs: a unit by its factor and dimension.
QString Meaning(IParseSymbol* symbol, size_t length) {
    if (symbol == nullptr)
        return QStringLiteral("-");
    QString meaning = QString::number(length) + QLatin1Char(' ');
    auto* operand = dynamic_cast<OperandSymbol*>(symbol);
    if (operand == nullptr || operand->GetConverter() == nullptr)
        return meaning + QString::fromLatin1(typeid(*symbol).name());
    const UnitConverter* converter = operand->GetConverter();
    meaning += QString::number(converter->GetFactor(), 'g', 17);
    for (int exponent : converter->GetDimTag())
        meaning += QLatin1Char(' ') + QString::number(exponent);
    return meaning;
}

int Print(const QStringList& order) {
    std::vector<std::unique_ptr<UnitsFormatter>> formatters;
    for (const QString& locale : order)
        formatters.push_back(std::make_unique<UnitsFormatter>(locale.toStdWString().c_str()));
    std::set<std::wstring> texts;
    for (const QString& locale : kLocales)
        texts.merge(TextsOf(locale));
    QTextStream out(stdout);
    LocaleSymbolTables& registry = LocaleSymbolTables::Instance();
    const UnitSymbolTable& english = registry.Fallback();
    for (const QString& locale : kLocales) {
        TranslationSet translations(locale);
        const UnitSymbolTable& own = registry.EnsureLocale(translations);
        for (const std::wstring& text : texts) {
            size_t length = 0;
            IParseSymbol* symbol =
                LocaleSymbolTables::Lookup(text.c_str(), &length, &own, &english);
            out << locale << '\t' << QString::fromStdWString(text) << '\t'
                << Meaning(symbol, length) << '\n';
        }
    }
    return 0;
}

QString PrintInOrder(const QString& order) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print"), order});
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(LocaleOrder, TextsMeanTheSameWhateverLocalesWereLoadedBefore) {
    QString first = PrintInOrder(QStringLiteral("en-US,de-DE,fr-FR,ru-RU"));
    EXPECT_GT(first.count(QLatin1Char('\n')), 20000);
    for (const char* order : {"ru-RU,fr-FR,de-DE,en-US", "fr-FR,ru-RU,en-US,de-DE"}) {
        QString other = PrintInOrder(QString::fromLatin1(order));
        EXPECT_TRUE(other == first) << order;
    }
    // The lookups differ between locales: the test would notice a wrong table.
    EXPECT_NE(first.section(QLatin1String("de-DE\t"), 1, 1), QString());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--print")) {
        int result = Print(arguments[2].split(QLatin1Char(',')));
        UnitsManager::Uninitialize();
        return result;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
