#include "Catalogue.h"
#include "units/LocaleSymbolTables.h"
#include "units/UnitSymbolTable.h"
#include "units/names/NameTables.h"
#include "units/names/TranslationSet.h"
#include "units/symbols/format/SimpleFormatSymbol2.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"
#include "units/symbols/unit/DegreePrimeDoublePrimeSymbol2.h"
#include "units/symbols/unit/PrimeDoublePrimeSymbol2.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/UnitsManager.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
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

using vvztest::AllSymbols;

std::vector<Registration> RegistrationsOf(const TranslationSet& translations) {
    const UnitSymbolTable& table = LocaleSymbolTables::Instance().EnsureLocale(translations);
    std::vector<Registration> registrations;
    for (int id : AllSymbols()) {
        const UnitSymbolTable::Slot* slot = table.Find(id);
        if (slot == nullptr || (id & 0xff000) == 0x1000) // the unitless unit enters nothing
            continue;
        const ISymbol* object = slot->object.get();
        bool composite = dynamic_cast<const PrimeDoublePrimeSymbol2*>(object) != nullptr ||
                         dynamic_cast<const DegreePrimeDoublePrimeSymbol2*>(object) != nullptr;
        if (!composite) {
            registrations.push_back({slot->format->GetText(), id});
            // Every form of a name that agrees with its number.
            auto* named = dynamic_cast<const SimpleFormatSymbol2*>(slot->format);
            if (named->forms)
                for (const std::wstring& form : named->forms->Forms())
                    registrations.push_back({form, id});
        }
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

using Clashes = std::set<std::pair<std::string, std::string>>; // text and key, or two texts

// The reviewed exceptions of a locale: lines «text»: key (unit) → ... for its own texts, lines
// en-US «text»: key (unit) → ... for en-US texts that the locale reads as another unit, and
// lines «text» / «text»: ... for texts that differ only in case (each pair in order).
struct Listed {
    Clashes own;
    Clashes english;
    Clashes caseOnly;
};

Listed ReadList(const QString& locale) {
    Listed listed;
    QFile file(QStringLiteral(VVZ_TRANSLATIONS_DIR "/") + locale + QStringLiteral("/CLASHES.md"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    QTextStream in(&file);
    QRegularExpression taken(QStringLiteral("^- (en-US )?«([^»]+)»: (\\S+) "));
    QRegularExpression pair(QStringLiteral("^- «([^»]+)» / «([^»]+)»: "));
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (QRegularExpressionMatch match = taken.match(line); match.hasMatch())
            (match.captured(1).isEmpty() ? listed.own : listed.english)
                .insert({match.captured(2).toStdString(), match.captured(3).toStdString()});
        if (QRegularExpressionMatch match = pair.match(line); match.hasMatch())
            listed.caseOnly.insert(
                std::minmax(match.captured(1).toStdString(), match.captured(2).toStdString()));
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

// What a table reads: each text's unit, as the first symbol to enter it gives it (-1 when a fixed
// text takes it), and the texts of the table that do not parse as their own symbol's unit.
struct Replay {
    std::map<std::wstring, int> owners;
    Clashes clashes;
};

Replay ReplayOf(const TranslationSet& translations) {
    Replay replay;
    for (const Registration& r : RegistrationsOf(translations)) {
        int unit = r.symbol & 0xfffff;
        size_t length = 0;
        IParseSymbol* fixed = ParseSymbolRegistry::Instance().Lookup(r.text.c_str(), &length);
        auto owner =
            replay.owners.emplace(r.text, fixed != nullptr && length == r.text.size() ? -1 : unit)
                .first;
        if (owner->second != unit)
            replay.clashes.insert({QString::fromStdWString(r.text).toStdString(), KeyOf(r.symbol)});
    }
    return replay;
}

// Letters whose two cases are two different prefixes, with their factors: in mm and Mm, or гм
// and Гм, the case is the SI's and GOST's own distinction. Latin: yotta and yocto, zetta and
// zepto, peta and pico, mega and milli; Cyrillic: the same, and giga and hecto.
const std::map<QChar, double> kPrefixFactors = {
    {u'Y', 1e24}, {u'y', 1e-24}, {u'Z', 1e21}, {u'z', 1e-21}, {u'P', 1e15}, {u'p', 1e-12},
    {u'M', 1e6},  {u'm', 1e-3},  {u'И', 1e24}, {u'и', 1e-24}, {u'З', 1e21}, {u'з', 1e-21},
    {u'П', 1e15}, {u'п', 1e-12}, {u'Г', 1e9},  {u'г', 1e2},   {u'М', 1e6},  {u'м', 1e-3}};

double PrefixFactor(QChar letter) {
    auto prefix = kPrefixFactors.find(letter);
    return prefix == kPrefixFactors.end() ? 0 : prefix->second;
}

// Whether two texts that differ only in case name units that differ by the prefixes whose
// letters they swap (or by the square or cube of them, for areas and volumes).
bool DifferOnlyByPrefix(const QString& a, int unitA, const QString& b, int unitB) {
    if (a.size() != b.size())
        return false;
    const UnitsConfig* config = UnitsConfig::GetInstance();
    double ratio =
        config->FindConverter(unitA)->GetFactor() / config->FindConverter(unitB)->GetFactor();
    for (int i = 0; i < a.size(); ++i) {
        double prefixA = PrefixFactor(a[i]), prefixB = PrefixFactor(b[i]);
        if (a[i] == b[i] || prefixA == 0 || prefixB == 0)
            continue;
        for (int power = 1; power <= 3; ++power)
            if (std::abs(ratio / std::pow(prefixA / prefixB, power) - 1) < 1e-9)
                return true;
    }
    return false;
}

bool SameDimension(int unitA, int unitB) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    const DimensionTag& a = config->FindConverter(unitA)->GetDimTag();
    const DimensionTag& b = config->FindConverter(unitB)->GetDimTag();
    return std::equal(a, a + 7, b);
}

// Two texts, in order, and the units they read as.
using NearClash = std::pair<std::pair<std::string, std::string>, std::pair<int, int>>;

// Texts that differ only in case and read as units of one dimension: a slip of the shift key
// gives another value without an error. Fixed texts are no units and take no part.
std::set<NearClash> NearClashesOf(const std::map<std::wstring, int>& reads) {
    std::map<QString, std::vector<std::pair<QString, int>>> byFolded;
    for (const auto& [text, unit] : reads)
        if (unit != -1) {
            QString qtext = QString::fromStdWString(text);
            byFolded[qtext.toCaseFolded()].push_back({qtext, unit});
        }
    std::set<NearClash> found;
    for (const auto& [folded, texts] : byFolded)
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j) {
                auto [a, unitA] = texts[i];
                auto [b, unitB] = texts[j];
                if (unitA == unitB || !SameDimension(unitA, unitB) ||
                    DifferOnlyByPrefix(a, unitA, b, unitB))
                    continue;
                NearClash clash{{a.toStdString(), b.toStdString()}, {unitA, unitB}};
                if (clash.first.second < clash.first.first) {
                    std::swap(clash.first.first, clash.first.second);
                    std::swap(clash.second.first, clash.second.second);
                }
                found.insert(clash);
            }
    return found;
}

class ClashList : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { UnitsManager::Uninitialize(); }
    const QString locale = QString::fromLatin1(GetParam());
    const bool english = locale == QStringLiteral("en-US");
};

// Replays how a parse of the locale finds texts: a fixed text first, then the locale's own
// texts in the order its table enters them (the first one keeps a text), then en-US's. A text
// of the locale that a fixed symbol or an earlier symbol of another unit holds does not parse
// as its own unit; nor does an en-US text that the locale holds for another unit. Every such
// case must be one of the locale's reviewed exceptions, and every listed exception must occur.
// So must every pair of texts that the locale reads as units of one dimension and that differ
// only in case; a pair that en-US reads the same way is en-US's to list.
TEST_P(ClashList, ListsEveryTextTakenByAnotherUnitAndEveryCaseOnlyClash) {
    TranslationSet translations(locale);
    ASSERT_EQ(translations.LocaleName(), locale);
    Replay own = ReplayOf(translations);
    std::map<std::wstring, int> reads = own.owners;
    Clashes shadowed;
    std::set<NearClash> englishClashes;
    if (!english) {
        for (const Registration& r : RegistrationsOf(TranslationSet(L"en-US"))) {
            auto owner = own.owners.find(r.text);
            if (owner != own.owners.end() && owner->second != -1 &&
                owner->second != (r.symbol & 0xfffff))
                shadowed.insert({QString::fromStdWString(r.text).toStdString(), KeyOf(r.symbol)});
        }
        std::map<std::wstring, int> englishReads = ReplayOf(TranslationSet(L"en-US")).owners;
        reads.insert(englishReads.begin(), englishReads.end()); // own texts come first
        englishClashes = NearClashesOf(englishReads);
    }
    Listed listed = ReadList(locale);
    EXPECT_GE(own.clashes.size(), 7u) << "every locale keeps the fixed marks' clashes";
    ExpectSame(own.clashes, listed.own, "own text");
    ExpectSame(shadowed, listed.english, "en-US text");
    Clashes caseOnly;
    for (const NearClash& clash : NearClashesOf(reads))
        if (englishClashes.count(clash) == 0)
            caseOnly.insert(clash.first);
    ExpectSame(caseOnly, listed.caseOnly, "case-only pair");
}

INSTANTIATE_TEST_SUITE_P(Shipped, ClashList, ::testing::Values("en-US", "de-DE", "fr-FR", "ru-RU"));

} // namespace
