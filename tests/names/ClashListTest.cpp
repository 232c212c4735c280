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

// The reviewed exceptions of a locale: lines «text»: key (unit) → ... for its own texts, and
// lines en-US «text»: key (unit) → ... for en-US texts that the locale reads as another unit.
struct Listed {
    Clashes own;
    Clashes english;
};

Listed ReadList(const QString& locale) {
    Listed listed;
    QFile file(QStringLiteral(VVZ_TRANSLATIONS_DIR "/") + locale + QStringLiteral("/CLASHES.md"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    QTextStream in(&file);
    QRegularExpression line(QStringLiteral("^- (en-US )?«(.+?)»: (\\S+) "));
    while (!in.atEnd()) {
        QRegularExpressionMatch match = line.match(in.readLine());
        if (match.hasMatch())
            (match.captured(1).isEmpty() ? listed.own : listed.english)
                .insert({match.captured(2).toStdString(), match.captured(3).toStdString()});
    }
    return listed;
}

void ExpectSame(const Clashes& found, const Clashes& listed, const char* what) {
    for (const auto& clash : found)
        EXPECT_TRUE(listed.count(clash))
            << what << " not in the list: «" << clash.first << "» " << clash.second;
    for (const auto& clash : listed)
        EXPECT_TRUE(found.count(clash))
            << what << " listed but no clash: «" << clash.first << "» " << clash.second;
}

class ClashList : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
};

// Replays how a parse of the locale finds texts: a fixed text first, then the locale's own
// texts in the order its table enters them (the first one keeps a text), then en-US's. A text
// of the locale that a fixed symbol or an earlier symbol of another unit holds does not parse
// as its own unit; nor does an en-US text that the locale holds for another unit. Every such
// case must be one of the locale's reviewed exceptions, and every listed exception must occur.
TEST_P(ClashList, ListsEveryTextTakenByAnotherUnit) {
    QString locale = QString::fromLatin1(GetParam());
    TranslationSet english(L"en-US");
    TranslationSet translations(locale);
    ASSERT_EQ(translations.LocaleName(), locale);
    std::map<std::wstring, int> owners; // text -> unit id of the first registrant, -1 fixed
    Clashes own;
    for (const Registration& r : RegistrationsOf(translations)) {
        int unit = r.symbol & 0xfffff;
        size_t length = 0;
        IParseSymbol* fixed = ParseSymbolRegistry::Instance().Lookup(r.text.c_str(), &length);
        auto owner =
            owners.emplace(r.text, fixed != nullptr && length == r.text.size() ? -1 : unit).first;
        if (owner->second != unit)
            own.insert({QString::fromStdWString(r.text).toStdString(), KeyOf(r.symbol)});
    }
    Clashes shadowed;
    if (locale != QStringLiteral("en-US")) {
        for (const Registration& r : RegistrationsOf(english)) {
            auto owner = owners.find(r.text);
            if (owner != owners.end() && owner->second != -1 &&
                owner->second != (r.symbol & 0xfffff))
                shadowed.insert({QString::fromStdWString(r.text).toStdString(), KeyOf(r.symbol)});
        }
    }
    Listed listed = ReadList(locale);
    EXPECT_GE(own.size(), 7u) << "every locale keeps the fixed marks' clashes";
    ExpectSame(own, listed.own, "own text");
    ExpectSame(shadowed, listed.english, "en-US text");
}

INSTANTIATE_TEST_SUITE_P(Shipped, ClashList, ::testing::Values("en-US", "de-DE", "fr-FR", "ru-RU"));

} // namespace
