#include "units/names/TranslationSet.h"

#include "locale/TranslationLookup.h"
#include "locale/UnitsManagerAccess.h"
#include "units/names/NameTables.h"
#include "units/symbols/parse/ParseSymbolRegistry.h"

#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/StringUtil.h>

#include <QFileInfo>

#include <map>
#include <mutex>

namespace velmar::platform::core::units {

using locale::LocaleUtil;
using locale::TranslateUtf8;

namespace {

const QString kModuleName = QStringLiteral("ViVuzaZadurUI");
const QString kNameFile = QStringLiteral("ViVuzaZadurUI");
const QString kSymbolFile = QStringLiteral("ViVuzaZadurUI_units_symbols");
const QString kAlternateFile = QStringLiteral("ViVuzaZadurUI_units_parsing_alternate_symbols");
constexpr int kMaxAlternates = 10;

// Alternate parsing texts per locale name and symbol id; an entry per locale is made once and
// never changes. Sets are loaded on any thread: the map is read and grown under its lock, and
// an entry, once made, stays where it is, so references to it outlive the lock.
using AlternateCache = std::map<QString, std::map<int, QStringList>>;
AlternateCache& Alternates() {
    static AlternateCache cache;
    return cache;
}
std::mutex alternatesLock;

const QStringList& NoAlternates() {
    static const QStringList empty;
    return empty;
}

void LoadFile(QTranslator& translator, const QString& path) {
    if (!path.isEmpty())
        (void)translator.load(path, QString(), QString(), QString());
}

} // namespace

TranslationSet::TranslationSet(const wchar_t* localeName)
    : TranslationSet(StringUtil::WcharToQString(localeName)) {}

TranslationSet::TranslationSet(const QString& name) : localeName(name) {
    if (localeName.isEmpty())
        ApplyFallbackLocale();
    Load();
}

void TranslationSet::ApplyFallbackLocale() {
    wchar_t buffer[10];
    int length = UnitsManager::GetInstance()->GetCurrentLocale(buffer, 10);
    localeName = length >= 1 ? QString::fromWCharArray(buffer, length) : QStringLiteral("en-US");
}

void TranslationSet::Load() {
    const QString& path = UnitsManagerAccess(UnitsManager::GetInstance()).TranslatorFilesPath();
    QString nameFile = LocaleUtil::ResolveTranslatorFile(kModuleName, kNameFile, localeName, path);
    if (nameFile.isEmpty() || !QFileInfo::exists(nameFile)) {
        ApplyFallbackLocale();
        nameFile = LocaleUtil::ResolveTranslatorFile(kModuleName, kNameFile, localeName, path);
    }
    LoadFile(nameTranslator, nameFile);
    LoadFile(symbolTranslator,
             LocaleUtil::ResolveTranslatorFile(kModuleName, kSymbolFile, localeName, path));
    LoadFile(alternateTranslator,
             LocaleUtil::ResolveTranslatorFile(kModuleName, kAlternateFile, localeName, path));
    CacheAlternates();
    // The locale's unit symbols are built with the first set of the locale.
    ParseSymbolRegistry::Instance().EnsureLocale(*this);
}

void TranslationSet::CacheAlternates() const {
    std::lock_guard<std::mutex> lock(alternatesLock);
    AlternateCache& cache = Alternates();
    if (cache.count(localeName) != 0)
        return;
    std::map<int, QStringList> alternates;
    if (!alternateTranslator.isEmpty()) {
        const UnitsConfig* config = UnitsConfig::GetInstance();
        for (const UnitSymbolKeyRow* row : UnitSymbolKeysById()) {
            const wchar_t* globalName = config->GetGlobalName(row->id);
            if (globalName == nullptr)
                continue;
            QByteArray base = "eS" + QString::fromWCharArray(globalName).toUtf8() + "_Alternate";
            QByteArray context = SymbolContext(row->id).toUtf8();
            QStringList texts;
            for (int n = 1; n <= kMaxAlternates; ++n) {
                QString text = alternateTranslator.translate(
                    context.constData(), (base + QByteArray::number(n)).constData());
                if (!text.isEmpty())
                    texts.append(text);
            }
            if (!texts.isEmpty())
                alternates.emplace(row->id, texts);
        }
    }
    cache.emplace(localeName, std::move(alternates));
}

QString TranslationSet::UnitDisplayName(int unitId) const {
    const UnitTypeNameRow* row = FindUnitTypeName(unitId);
    return row == nullptr ? QString() : TranslateUtf8(nameTranslator, "UnitType", row->name);
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
        return UnitDisplayName(row.id & 0xfffff);
    case Literal:
        return QString::fromUtf8(row.key);
    default:
        return TranslateUtf8(symbolTranslator, SymbolContext(row.id).toUtf8().constData(), row.key);
    }
}

QString TranslationSet::Translate(const char* context, const char* source) const {
    return TranslateUtf8(nameTranslator, context, source);
}

QString TranslationSet::SymbolContext(int symbolId) const {
    return QStringLiteral("UnitSymbol_") + StringUtil::GetUnitGlobalName(symbolId & 0xff000);
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
