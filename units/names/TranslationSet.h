#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace velmar::platform::core::units {

// The translated texts of one locale: display names of units, groups and numeric formats,
// unit symbol texts, and the alternate texts by which symbols are also recognised when
// parsing. They come from three translation files of the locale, found by
// LocaleUtil::ResolveTranslatorFile: "ViVuzaZadurUI" (names), "ViVuzaZadurUI_units_symbols"
// and "ViVuzaZadurUI_units_parsing_alternate_symbols". The translators are private to the set.
// A missing translation shows the source text: the English name, or a symbol's key.
//
// A set is loaded by its constructor and never changes afterwards, so it may be shared
// read-only; it is not copied. Formatters take theirs from Shared: one loaded set serves every
// formatter whose load would read the same files.
struct UnitSymbolKeyRow;

class TranslationSet {
public:
    // An empty name (or null) takes the units manager's current locale, or "en-US" when that is
    // empty. A locale without a name file falls back the same way.
    explicit TranslationSet(const wchar_t* localeName);
    explicit TranslationSet(const QString& localeName);
    TranslationSet(const TranslationSet&) = delete;
    TranslationSet& operator=(const TranslationSet&) = delete;
    ~TranslationSet();

    // The set that constructing one for localeName would load now: a set still in use that was
    // loaded for the same resolved locale name from the same files, unchanged since (same path,
    // identity, size and modification time), or else a new one. The units manager's locale
    // and translator files path take part as in construction, so after the host points the
    // manager elsewhere or replaces a file, new formatters get new texts while existing ones
    // keep theirs. A set goes when its last holder lets it go.
    // The locale a formatter made for localeName asks for, before translation files are
    // looked for: the name, else the units manager's current locale, else "en-US". A locale
    // without translation files of its own ("en-IN") still has its own number conventions.
    static QString AskedLocale(const wchar_t* localeName);
    static std::shared_ptr<const TranslationSet> Shared(const wchar_t* localeName);

    const QString& LocaleName() const { return localeName; }

    // Empty when the id has no row (a symbol id is not a unit id). The dictionary form of a
    // name that changes with its number.
    QString UnitDisplayName(int unitId) const;
    // The form of a unit's name that agrees with the integer n: the numerus form that n takes
    // in the name file, or the dictionary form for a name with one form for every number.
    QString UnitDisplayName(int unitId, int n) const;

    // A numerus form of the name file's unit names: an integer that takes it, and the CLDR plural
    // categories it serves ("one", "few", "other", ...).
    struct PluralForm {
        int sample;
        QStringList categories;
    };
    // The numerus forms of the unit names, as the message "categories" of the name file's
    // context "PluralForms" lists the categories that each form serves («one», «few other»,
    // «many»), in the order of their smallest integers. Asks the file for every integer below
    // 200, so that it is for building a locale's tables once, not for every formatter. Empty
    // when the file has no such message.
    std::vector<PluralForm> PluralForms() const;
    // The language the name file is written in, as the file gives it ("ru_RU"), whose plural
    // rules choose among the forms of its names; the locale name when no file gives one.
    QString NameLanguage() const;
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
    struct Source;
    explicit TranslationSet(const Source& source);
    static Source Resolve(QString localeName);

    void CacheAlternates() const;

    QString localeName;
    QTranslator nameTranslator;
    QTranslator symbolTranslator;
    QTranslator alternateTranslator;
};

} // namespace velmar::platform::core::units
