#include "units/names/TranslationSet.h"

#include "locale/TranslationLookup.h"
#include "locale/UnitsManagerAccess.h"
#include "platform/WideString.h"
#include "units/names/NameTables.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/StringUtil.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

namespace velmar::platform::core::units {

using locale::TranslateUtf8;

namespace {

const QString kModuleName = QStringLiteral("ViVuzaZadurUI");
const QString kNameFile = QStringLiteral("ViVuzaZadurUI");
const QString kSymbolFile = QStringLiteral("ViVuzaZadurUI_units_symbols");
const QString kAlternateFile = QStringLiteral("ViVuzaZadurUI_units_parsing_alternate_symbols");
constexpr int kMaxAlternates = 10;
// The integers whose numerus forms tell the plural forms apart: below 200, every form of every
// language's numerus rules occurs.
constexpr int kPluralSamples = 200;

// Alternate parsing texts per locale name and symbol id; an entry per locale is made once and
// never changes. Sets are loaded on any thread: the map is read and grown under its lock, and
// an entry, once made, stays where it is, so references to it outlive the lock.
using AlternateCache = std::map<QString, std::map<int, QStringList>>;
AlternateCache& Alternates() {
    static AlternateCache cache;
    return cache;
}
std::mutex alternatesLock;

// The translation context of a group's symbols, as UTF-8: "UnitSymbol_" and the group's
// global name. Those of the catalogue's groups are made once.
QByteArray MakeSymbolContext(int groupId) {
    return (QStringLiteral("UnitSymbol_") + StringUtil::GetUnitGlobalName(groupId)).toUtf8();
}

QByteArray SymbolContextUtf8(int symbolId) {
    static const std::map<int, QByteArray> contexts = [] {
        std::map<int, QByteArray> made;
        for (int group : catalogue_ids::Groups())
            made.emplace(group, MakeSymbolContext(group));
        return made;
    }();
    int group = ids::GroupOf(symbolId);
    auto found = contexts.find(group);
    return found != contexts.end() ? found->second : MakeSymbolContext(group);
}

// The translation keys of a symbol's alternates without their number: "eS", the symbol's
// global name, "_Alternate"; with the symbol's context. Made once for the catalogue, since
// every locale asks for the same keys.
struct AlternateKey {
    int id;
    QByteArray context;
    std::string stem;
};

const std::vector<AlternateKey>& AlternateKeys() {
    static const std::vector<AlternateKey> keys = [] {
        std::vector<AlternateKey> made;
        const UnitsConfig* config = UnitsConfig::GetInstance();
        for (const UnitSymbolKeyRow* row : UnitSymbolKeysById()) {
            const wchar_t* globalName = config->GetGlobalName(row->id);
            if (globalName == nullptr)
                continue;
            made.push_back(
                {row->id, SymbolContextUtf8(row->id),
                 "eS" + QString::fromWCharArray(globalName).toStdString() + "_Alternate"});
        }
        return made;
    }();
    return keys;
}

const QStringList& NoAlternates() {
    static const QStringList empty;
    return empty;
}

void LoadFile(QTranslator& translator, const QString& path) {
    if (!path.isEmpty())
        (void)translator.load(path, QString(), QString(), QString());
}

} // namespace

// What a load reads: the resolved locale name and the three files, each with its stamp. Two
// sets loaded from equal sources are alike in everything they give.
struct TranslationSet::Source {
    QString localeName;
    QString files[3]; // names, symbols, alternates; empty when not found
    os::FileStamp stamps[3];

    bool operator<(const Source& other) const {
        auto key = [](const Source& s) {
            return std::tie(s.localeName, s.files[0], s.files[1], s.files[2], s.stamps[0],
                            s.stamps[1], s.stamps[2]);
        };
        return key(*this) < key(other);
    }
};

namespace {

// The locale an empty name or a locale without a name file falls back to: the units manager's
// current locale, read into ten characters (a longer name is cut to nine), else "en-US".
QString FallbackLocale() {
    wchar_t buffer[10];
    int length = UnitsManager::GetInstance()->GetCurrentLocale(buffer, 10);
    return length >= 1 ? QString::fromWCharArray(buffer, length) : QStringLiteral("en-US");
}

} // namespace

QString TranslationSet::AskedLocale(const wchar_t* localeName) {
    QString name = os::ToQString(localeName);
    return name.isEmpty() ? FallbackLocale() : name;
}

TranslationSet::TranslationSet(const wchar_t* localeName)
    : TranslationSet(os::ToQString(localeName)) {}

TranslationSet::TranslationSet(const QString& localeName) : TranslationSet(Resolve(localeName)) {}

TranslationSet::TranslationSet(const Source& source) : localeName(source.localeName) {
    LoadFile(nameTranslator, source.files[0]);
    LoadFile(symbolTranslator, source.files[1]);
    LoadFile(alternateTranslator, source.files[2]);
    CacheAlternates();
}

TranslationSet::~TranslationSet() = default;

TranslationSet::Source TranslationSet::Resolve(QString localeName) {
    if (localeName.isEmpty())
        localeName = FallbackLocale();
    const QString& path = UnitsManagerAccess(UnitsManager::GetInstance()).TranslatorFilesPath();
    Source source;
    auto resolve = [&](int file, const QString& baseName) {
        source.files[file] = locale::ResolveStampedTranslatorFile(kModuleName, baseName, localeName,
                                                                  path, &source.stamps[file]);
    };
    resolve(0, kNameFile);
    if (source.files[0].isEmpty()) {
        localeName = FallbackLocale();
        resolve(0, kNameFile);
    }
    resolve(1, kSymbolFile);
    resolve(2, kAlternateFile);
    source.localeName = std::move(localeName);
    return source;
}

std::shared_ptr<const TranslationSet> TranslationSet::Shared(const wchar_t* localeName) {
    // The sets in use, by what they were loaded from. An entry outlives its set until the
    // next load sweeps it away.
    static std::mutex mutex;
    static std::map<Source, std::weak_ptr<const TranslationSet>> sets;
    Source source = Resolve(os::ToQString(localeName));
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto found = sets.find(source);
        if (found != sets.end()) {
            if (std::shared_ptr<const TranslationSet> set = found->second.lock())
                return set;
        }
    }
    // Loaded outside the lock, so that new locales load on several threads at once. Two
    // threads that load the same files keep the set of the first to finish.
    std::shared_ptr<const TranslationSet> made(new TranslationSet(source));
    std::lock_guard<std::mutex> lock(mutex);
    if (std::shared_ptr<const TranslationSet> set = sets[source].lock())
        return set;
    for (auto entry = sets.begin(); entry != sets.end();)
        entry = entry->second.expired() ? sets.erase(entry) : std::next(entry);
    sets[std::move(source)] = made;
    return made;
}

void TranslationSet::CacheAlternates() const {
    {
        std::lock_guard<std::mutex> lock(alternatesLock);
        if (Alternates().count(localeName) != 0)
            return;
    }
    // Read outside the lock, so that new locales read theirs on several threads at once; the
    // first locale's reading to finish is kept.
    std::map<int, QStringList> alternates;
    if (!alternateTranslator.isEmpty()) {
        std::string key;
        for (const AlternateKey& symbol : AlternateKeys()) {
            QStringList texts;
            for (int n = 1; n <= kMaxAlternates; ++n) {
                key.assign(symbol.stem);
                key += std::to_string(n);
                QString text =
                    alternateTranslator.translate(symbol.context.constData(), key.c_str());
                if (!text.isEmpty())
                    texts.append(text);
            }
            if (!texts.isEmpty())
                alternates.emplace(symbol.id, texts);
        }
    }
    std::lock_guard<std::mutex> lock(alternatesLock);
    Alternates().emplace(localeName, std::move(alternates));
}

QString TranslationSet::UnitDisplayName(int unitId) const {
    const UnitTypeNameRow* row = FindUnitTypeName(unitId);
    return row == nullptr ? QString() : TranslateUtf8(nameTranslator, "UnitType", row->name);
}

QString TranslationSet::UnitDisplayName(int unitId, int n) const {
    const UnitTypeNameRow* row = FindUnitTypeName(unitId);
    if (row == nullptr)
        return QString();
    QString form = locale::TranslateFormUtf8(nameTranslator, "UnitType", row->name, n);
    return form.isEmpty() ? UnitDisplayName(unitId) : form;
}

std::vector<TranslationSet::PluralForm> TranslationSet::PluralForms() const {
    std::vector<PluralForm> forms;
    std::vector<QString> seen; // the text of each form
    for (int n = 0; n < kPluralSamples; ++n) {
        // Without a name file the application's translators answer, and the source text when
        // none knows the message.
        QString text = locale::TranslateFormUtf8(nameTranslator, "PluralForms", "categories", n);
        if (text.isEmpty() || text == QLatin1String("categories") ||
            std::find(seen.begin(), seen.end(), text) != seen.end())
            continue;
        seen.push_back(text);
        forms.push_back({n, text.split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    }
    return forms;
}

QString TranslationSet::NameLanguage() const {
    QString language = nameTranslator.language();
    return language.isEmpty() ? localeName : language;
}

QString TranslationSet::GroupDisplayName(int groupId) const {
    const GroupNameRow* row = FindGroupName(groupId);
    return row == nullptr ? QString() : TranslateUtf8(nameTranslator, "UnitGroup", row->name);
}

QString TranslationSet::NumberFormatDisplayName(NumberFormat format) const {
    const NumberFormatNameRow* row = FindNumberFormatName(format);
    return row == nullptr ? QString() : TranslateUtf8(nameTranslator, "NumberFormat", row->name);
}

QString TranslationSet::SymbolText(int symbolId) const {
    const UnitSymbolKeyRow* row = FindUnitSymbolKey(symbolId);
    return row == nullptr ? QString() : SymbolText(*row);
}

QString TranslationSet::SymbolText(const UnitSymbolKeyRow& row) const {
    switch (row.kind) {
    case UnitName:
        return UnitDisplayName(ids::UnitOf(row.id));
    case Literal:
        return QString::fromUtf8(row.key);
    default:
        return TranslateUtf8(symbolTranslator, SymbolContextUtf8(row.id).constData(), row.key);
    }
}

QString TranslationSet::Translate(const char* context, const char* source) const {
    return TranslateUtf8(nameTranslator, context, source);
}

QString TranslationSet::SymbolContext(int symbolId) const {
    return QString::fromUtf8(SymbolContextUtf8(symbolId));
}

const QStringList& TranslationSet::AlternateSymbols(int symbolId) const {
    std::lock_guard<std::mutex> lock(alternatesLock);
    const AlternateCache& cache = Alternates();
    auto locale = cache.find(localeName);
    if (locale == cache.end())
        return NoAlternates();
    auto found = locale->second.find(symbolId);
    return found == locale->second.end() ? NoAlternates() : found->second;
}

} // namespace velmar::platform::core::units
