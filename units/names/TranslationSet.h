#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace velmar::platform::core::units {

// The translated texts of one locale: display names of units, groups and numeric formats,
// unit symbol texts, and the alternate texts by which symbols are also recognised when
// parsing. They come from three translation files of the locale, found by
// LocaleUtil::ResolveTranslatorFile: "ViVuzaZadurUI" (names), "ViVuzaZadurUI_units_symbols"
// and "ViVuzaZadurUI_units_parsing_alternate_symbols". The translators are private to the set.
// A missing translation shows the source text: the English name, or a symbol's key.
//
// A set is loaded by its constructor and never changes afterwards, so it may be shared
// read-only; it is not copied.
struct UnitSymbolKeyRow;

class TranslationSet {
public:
    // An empty name (or null) takes the units manager's current locale, or "en-US" when that is
    // empty. A locale without a name file falls back the same way.
    explicit TranslationSet(const wchar_t* localeName);
    explicit TranslationSet(const QString& localeName);
    TranslationSet(const TranslationSet&) = delete;
    TranslationSet& operator=(const TranslationSet&) = delete;

    const QString& LocaleName() const { return localeName; }

    // Empty when the id has no row (a symbol id is not a unit id).
    QString UnitDisplayName(int unitId) const;
    QString GroupDisplayName(int groupId) const;
    QString NumberFormatDisplayName(NumberFormat format) const;
    QString SymbolText(int symbolId) const;
    // The text of a row of UnitSymbolKeys, by its kind.
    QString SymbolText(const UnitSymbolKeyRow& row) const;
    // A text of the name file in context, or source when it has no translation.
    QString Translate(const char* context, const char* source) const;
    // "UnitSymbol_" and the global name of the symbol's group: the translation context of the
    // symbol's text and alternates.
    QString SymbolContext(int symbolId) const;
    // The alternate parsing texts of the symbol in this set's locale, in file order; computed
    // once per locale name and process.
    const QStringList& AlternateSymbols(int symbolId) const;

private:
    void ApplyFallbackLocale();
    void Load();
    void CacheAlternates() const;

    QString localeName;
    QTranslator nameTranslator;
    QTranslator symbolTranslator;
    QTranslator alternateTranslator;
};

} // namespace velmar::platform::core::units
