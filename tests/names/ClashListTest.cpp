#include "units/UnitSymbolTable.h"
#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/format/DegreePrimeDoublePrimeSymbol2.h"
#include "units/symbols/format/PrimeDoublePrimeSymbol2.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace velmar::platform::core::units;

namespace {

// A text a symbol enters for parsing, in the order the unit-symbol tables enter them.
struct Registration {
    std::wstring text;
    int symbol;
};

std::vector<int> AllSymbols() {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> groups(config->GetUnitGroups(nullptr));
    config->GetUnitGroups(groups.data());
    std::vector<int> symbols;
    for (int group : groups) {
        std::vector<int> units(config->GetUnitTypes(group, nullptr));
        config->GetUnitTypes(group, units.data());
        for (int unit : units) {
            std::vector<int> ids(config->GetUnitSymbols(unit, nullptr));
            config->GetUnitSymbols(unit, ids.data());
            symbols.insert(symbols.end(), ids.begin(), ids.end());
        }
    }
    return symbols;
}

std::vector<Registration> RegistrationsOf(const TranslationSet& translations) {
    const UnitSymbolTable& table = ParseSymbolRegistry::Instance().EnsureLocale(translations);
    std::vector<Registration> registrations;
    for (int id : AllSymbols()) {
        const UnitSymbolTable::Slot* slot = table.Find(id);
        if (slot == nullptr || (id & 0xff000) == 0x1000) // the unitless unit enters nothing
            continue;
        const ISymbol* object = slot->object.get();
        bool composite = dynamic_cast<const PrimeDoublePrimeSymbol2*>(object) != nullptr ||
                         dynamic_cast<const DegreePrimeDoublePrimeSymbol2*>(object) != nullptr;
        if (!composite)
            registrations.push_back({slot->format->GetText(), id});
        for (const QString& alternate : translations.AlternateSymbols(id))
            registrations.push_back({alternate.toStdWString(), id});
    }
    return registrations;
}

// The key by which the clash lists name a symbol.
std::string KeyOf(int symbol) {
    const UnitSymbolKeyRow* row = FindUnitSymbolKey(symbol);
    if (row != nullptr && row->kind == Translated)
        return row->key;
    return "eS" +
           QString::fromWCharArray(UnitsConfig::GetInstance()->GetGlobalName(symbol)).toStdString();
}

using Clashes = std::set<std::pair<std::string, std::string>>; // text, key

// The reviewed exceptions: lines «text»: key (unit) → ...
Clashes ReadList(const QString& locale) {
    Clashes listed;
    QFile file(QStringLiteral(VVZ_TRANSLATIONS_DIR "/") + locale + QStringLiteral("/CLASHES.md"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    QTextStream in(&file);
    QRegularExpression line(QStringLiteral("^- «(.+?)»: (\\S+) "));
    while (!in.atEnd()) {
        QRegularExpressionMatch match = line.match(in.readLine());
        if (match.hasMatch())
            listed.insert({match.captured(1).toStdString(), match.captured(2).toStdString()});
    }
    return listed;
}

class ClashList : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
};

// Replays the order in which texts enter the parse-symbol registry: its fixed texts, the
// en-US symbols, then the locale's. A text that another unit (or a fixed symbol) registered
// first does not parse as the symbol's own unit: every such case must be one of the locale's
// reviewed exceptions, and every listed exception must occur.
TEST_P(ClashList, ListsEveryTextTakenByAnotherUnit) {
    QString locale = QString::fromLatin1(GetParam());
    TranslationSet english(L"en-US");
    TranslationSet translations(locale);
    ASSERT_EQ(translations.LocaleName(), locale);
    std::map<std::wstring, int> owners; // text -> unit id of the first registrant
    auto enter = [&](const std::vector<Registration>& registrations, Clashes* clashes) {
        for (const Registration& r : registrations) {
            int unit = r.symbol & 0xfffff;
            size_t length = 0;
            IParseSymbol* found = ParseSymbolRegistry::Instance().Lookup(r.text.c_str(), &length);
            bool fixed = found != nullptr && length == r.text.size() &&
                         dynamic_cast<const IFormatSymbol*>(found) == nullptr;
            auto owner = owners.emplace(r.text, fixed ? -1 : unit).first;
            if (clashes != nullptr && owner->second != unit)
                clashes->insert({QString::fromStdWString(r.text).toStdString(), KeyOf(r.symbol)});
        }
    };
    Clashes found;
    if (locale == QStringLiteral("en-US")) {
        enter(RegistrationsOf(english), &found);
    } else {
        enter(RegistrationsOf(english), nullptr);
        enter(RegistrationsOf(translations), &found);
    }
    Clashes listed = ReadList(locale);
    EXPECT_GE(found.size(), 7u) << "every locale keeps the fixed marks' clashes";
    for (const auto& clash : found)
        EXPECT_TRUE(listed.count(clash))
            << "not in the list: «" << clash.first << "» " << clash.second;
    for (const auto& clash : listed)
        EXPECT_TRUE(found.count(clash))
            << "listed but no clash: «" << clash.first << "» " << clash.second;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ClashList, ::testing::Values("en-US", "de-DE", "fr-FR", "ru-RU"));

} // namespace
