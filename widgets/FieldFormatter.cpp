#include "FieldFormatter.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QLocale>

namespace velmar::platform::core::units {

namespace {

// The composite displays whose parts a user may type apart, separated by spaces, and the
// parsing string that reads them; the library derives the layouts with a fraction of an inch
// («5 6 1/2», and «5 1/2» for 5'1/2") from the feet-and-inches string.
struct TypedLayout {
    int symbol;
    const wchar_t* parsing;
};
const TypedLayout kTypedLayouts[] = {
    {0x0502016, L"{0} {1}"},     // ft-in (5'6.50")
    {0x0602016, L"{0} {1}"},     // ft-in with dash (5'-6.50")
    {0x0702016, L"{0} {1}"},     // ft-in fraction (5'6 1/2")
    {0x0802016, L"{0} {1}"},     // ft-in fraction with dash (5'-6-1/2")
    {0x0408002, L"{0} {1} {2}"}, // deg-min-sec (45°30'15")
    {0x0608002, L"{0} {1} {2}"}, // d-min-sec (45d30'15")
    {0x052c001, L"{0} {1}"},     // min-sec of time (5'30")
};

bool IsGroup(int id) {
    return (id & 0xff000) != 0 && (id & 0xff00fff) == 0;
}

bool IsUnit(int id) {
    return (id & 0xfff) != 0 && (id & 0xff00000) == 0;
}

// Qt names locales "de_DE", the library "de-DE".
QString LibraryLocaleName(const QLocale& locale) {
    return locale.name().replace(QLatin1Char('_'), QLatin1Char('-'));
}

} // namespace

FieldFormatter::FieldFormatter(const UnitsFormatter* formatter, const QLocale& locale,
                               const OwnFormat& format)
    : shared(formatter), localeName(LibraryLocaleName(locale)), format(format) {
    if (shared == nullptr)
        Make();
}

FieldFormatter::~FieldFormatter() = default;

const UnitsFormatter& FieldFormatter::Get() const {
    if (shared != nullptr)
        return *shared;
    return *own;
}

void FieldFormatter::Share(const UnitsFormatter* formatter) {
    shared = formatter;
    if (shared != nullptr)
        own.reset();
    else if (own == nullptr)
        Make();
}

bool FieldFormatter::SetLocale(const QLocale& locale) {
    QString name = LibraryLocaleName(locale);
    if (name == localeName)
        return false;
    localeName = name;
    if (IsShared())
        return false;
    Make();
    return true;
}

bool FieldFormatter::SetFormat(const OwnFormat& next) {
    format = next;
    if (IsShared())
        return false;
    Make();
    return true;
}

void FieldFormatter::Make() {
    std::wstring name = localeName.toStdWString();
    own = std::make_unique<UnitsFormatter>(name.c_str());
    // The separators and signs of the field's locale, which Qt knows even where the library
    // has no translations: "de-CH" writes the fallback locale's texts with Swiss numbers. The
    // name is a QLocale's, which Qt knows, and the field keeps its precision within 0 to 99:
    // neither call refuses.
    (void)NumberConventions::Apply(*own, name.c_str());
    (void)own->SetNumberDecimalPrecision(format.precision);
    own->SetNumericFormat(format.numericFormat);
    if (format.unit != 0)
        Prepare(*own, format.unit, format.display);
}

int FieldFormatter::DisplayedSymbol(const UnitsFormatter& formatter, int unit, int display) {
    int id = display != 0 ? display : unit;
    if (IsGroup(id))
        id = formatter.GetDefaultUnit(id);
    if (IsUnit(id))
        id = formatter.GetDefaultSymbol(id);
    return id & 0xfffffff;
}

void FieldFormatter::Prepare(UnitsFormatter& formatter, int unit, int display) {
    int symbol = DisplayedSymbol(formatter, unit, display);
    if (symbol == 0)
        return;
    // The symbol's unit is one of the catalogue's; a parsing string whose literals the
    // formatter already has for another symbol is refused, and that one kept, on purpose.
    (void)formatter.SetDefaultUnit(symbol & 0xfffff);
    for (const TypedLayout& layout : kTypedLayouts)
        if (layout.symbol == symbol)
            (void)formatter.SetSymbolParsingString(symbol, layout.parsing);
}

} // namespace velmar::platform::core::units
