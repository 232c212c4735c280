#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>

#include <QString>
#include <QStringView>

#include <cstddef>

namespace velmar::platform::core::units {

class FormatterState;

// Formats values with units as localized text. A formatter is bound to one locale, fixed at
// construction, and carries its own number settings and per-unit settings.
//
// Threads: formatters may be created, copied and destroyed on any thread at any time, for any
// locale; the first formatter of a locale builds that locale's shared tables once, while other
// new formatters of the locale wait for them. Const members (Format, Parse, the getters) may
// run concurrently on any formatters, the same one included, and take no lock. A setter, an
// assignment or the destruction must not overlap any other use of the same formatter. The
// units manager is set up on the application thread: create it (UnitsManager::GetInstance)
// before formatters are created elsewhere, and uninitialize it only while no other thread
// creates formatters.
//
// Ids: a unit group id has only group bits (0x2000 "Length"), a unit id group and unit bits
// (0x2017 "foot"), a unit symbol id also symbol bits ((variant << 20) | unit id). UnitIds.h
// names every one of them: Groups::Length, Units::Foot, Symbols::Foot_Prime.
//
// Text comes in two forms that give the same results: QString and QStringView for Qt hosts,
// and wide-character arrays for hosts built on wide characters. A wide text out-parameter is a
// buffer and its size in characters, terminator included; wide text getters cut a longer text
// to size - 1 characters and always terminate it; a size of 0 writes nothing. A QString result
// has any length. A QStringView text that holds a NUL character is read up to it, as the wide
// forms read a terminated text.
class VIVUZAZADURUI_EXPORT UnitsFormatter {
public:
    // A formatter for the locale ("de-DE"). Null or empty takes the units manager's current
    // locale, or "en-US" when that is empty; a locale without translation files falls back the
    // same way.
    explicit UnitsFormatter(const wchar_t* locale = nullptr);
    explicit UnitsFormatter(QStringView locale);
    // Copies are independent: each owns all its settings, and changing or destroying one never
    // affects the other.
    UnitsFormatter(const UnitsFormatter& other);
    UnitsFormatter& operator=(const UnitsFormatter& other);
    // Frees the formatter's settings; its copies stay as they are.
    virtual ~UnitsFormatter();

    // The resolved locale name; valid while the formatter lives.
    const wchar_t* GetLocale() const;
    QString GetLocaleName() const;

    // Number settings. Setters that return an ErrorCode check their whole argument first: a
    // rejected call (ecFailure) changes nothing.

    // The ten digit characters, 0 to 9, into a buffer of at least ten (no terminator).
    void GetNativeDigits(wchar_t* const digits) const;
    QString GetNativeDigits() const;
    // Ten characters, all different and none of them NUL.
    ErrorCode SetNativeDigits(const wchar_t* const digits);
    ErrorCode SetNativeDigits(QStringView digits);
    // The sign and separator texts (defaults: "", "-", ",", "."), cut to the buffer.
    void GetPositiveSign(wchar_t* buffer, size_t size) const;
    void GetNegativeSign(wchar_t* buffer, size_t size) const;
    void GetNumberGroupSeparator(wchar_t* buffer, size_t size) const;
    void GetNumberDecimalSeparator(wchar_t* buffer, size_t size) const;
    QString GetPositiveSign() const;
    QString GetNegativeSign() const;
    QString GetNumberGroupSeparator() const;
    QString GetNumberDecimalSeparator() const;
    // Any text, empty included; null is ignored.
    void SetPositiveSign(const wchar_t* sign);
    void SetNegativeSign(const wchar_t* sign);
    void SetPositiveSign(QStringView sign);
    void SetNegativeSign(QStringView sign);
    // A text that is not empty.
    ErrorCode SetNumberGroupSeparator(const wchar_t* separator);
    ErrorCode SetNumberDecimalSeparator(const wchar_t* separator);
    ErrorCode SetNumberGroupSeparator(QStringView separator);
    ErrorCode SetNumberDecimalSeparator(QStringView separator);
    // Digits after the decimal separator (significant digits in "General"), 0 to 99; in
    // "Fraction" the power of two of the denominator.
    int GetNumberDecimalPrecision() const;
    ErrorCode SetNumberDecimalPrecision(int precision);
    // Digit-group sizes from the decimal separator outward; the last one repeats, a last size
    // of 0 leaves the leading digits ungrouped. Returns the count; copies the sizes when the
    // array (of at least that count) is given.
    size_t GetNumberGroupSizes(int* const sizes) const;
    // At least one size; every size but the last 1 to 9, the last 0 to 9.
    ErrorCode SetNumberGroupSizes(const int* const sizes, int count);
    // Whether Parse checks where group separators stand (default: true). With the check, a
    // group separator stands only between digit groups of the group sizes: the first group has
    // 1 to its size digits and is not a lone zero, each later group has exactly its size
    // («1,500»; «12,34,567» with the sizes 3 and 2). A text with one elsewhere («1,5»,
    // «0,500», «1.5,3») is no quantity, and ParseDiagnostics tells ppMisplacedGroupSeparator
    // there. A space-like group separator (U+0020, U+00A0, U+202F, U+2009) may be typed as any
    // of the four, and one that separates no groups just ends the number, so that mixed numbers
    // and sums keep their spaces («5 1/2», «1 m 500 mm»). In the Fraction format, which writes
    // its numbers with a new formatter's settings, the groups are of three digits. Without the
    // check a group separator may stand anywhere among the integer digits, as the separator
    // itself only. Copies of the formatter take the setting along.
    bool CheckNumberGroupSizes() const;
    void SetCheckNumberGroupSizes(bool check);
    // The numeric format of number text (default: nfNumber).
    NumberFormat GetNumericFormat() const;
    // Stored as given; a value outside NumberFormat makes number text fail.
    void SetNumericFormat(NumberFormat format);
    // Exponents have at least two digits when allowed, else three (default: allowed).
    bool AllowTwoDigitExponent() const;
    void SetAllowTwoDigitExponent(bool allow);
    // Whether each sign is written at all (defaults: true, true, false, true).
    bool IncludePositiveSignInNumber() const;
    void SetIncludePositiveSignInNumber(bool include);
    bool IncludeNegativeSignInNumber() const;
    void SetIncludeNegativeSignInNumber(bool include);
    bool IncludePositiveSignInExponent() const;
    void SetIncludePositiveSignInExponent(bool include);
    bool IncludeNegativeSignInExponent() const;
    void SetIncludeNegativeSignInExponent(bool include);

    // Writes value, a quantity in the unit id unit, into buffer as localized text. display
    // chooses the symbol: 0 for unit itself, or any group, unit or unit symbol id; a group
    // takes its default unit (its first unit when none is set), a unit its default symbol (its
    // first). A formatting string set for the symbol gives the layout. On success (ecSuccess)
    // shown, when not null, receives the value in the displayed unit. ecFailure: unit names
    // no unit, nothing to display with, a buffer that is null or too short, or a value without
    // number text (infinite or NaN); ecDimensionMismatch: display is of another dimension than
    // unit. After a failure the buffer holds whatever was written.
    // A unit's name takes the form that agrees with the number as written: «1 meter», «1.00
    // meters», ru «2 метра», «5 метров»; a symbol does not change («5 m», ru «5 фут»).
    ErrorCode Format(double value, int unit, wchar_t* buffer, size_t bufferSize, int display = 0,
                     double* shown = nullptr) const;
    // The same as a QString of any length: the text, or an empty string with *error (when
    // error is not null) set to the reason. A text beyond 262,144 characters fails.
    QString Format(double value, int unit, int display = 0, ErrorCode* error = nullptr) const;

    // Reads text as a quantity and writes its value in the unit id unit: ecSuccess, or
    // ecNotAQuantity (value untouched) for a text that is not a quantity of unit's dimension,
    // and for a unit that names nothing. The text is read under this formatter's number
    // settings, with group separators where the group sizes put them (see
    // SetCheckNumberGroupSizes), a "+" before a number or its exponent whatever the positive
    // sign («+5 m», «2.5E+2 m»), and the minus sign U+2212 where the negative sign is "-" (and
    // "-" where it is U+2212). It is read through the formatter's symbol parsing and
    // formatting strings first, then as numbers and unit expressions written with the symbol
    // texts of its locale and of en-US:
    //   «12.5 m», «9.81 m/s²», «5 kN·m», «5 N-m», «1 1/2 in», «100 °F», «m/(s·s)», «kg*m/s^2»;
    //   feet and inches «5'», «5'6"», «5' 6 1/2"», «5'-6-1/2"», «3-7/8"» in lengths;
    //   minutes and seconds «5'30"» in times; «45°30'15"», «45d30'», «100g» in angles, and
    //   bearings «N 45°30' E» (angles counterclockwise from east: N is 90°, S −90°); sums of
    //   parts each written with its unit, «5 ft 6 in», «1 h 30 min», «2 m 30 cm».
    // N, S and W are compass points in angles and the newton, siemens and watt elsewhere; d is
    // degrees or days, g grads, grams, or standard gravity in an acceleration. A bare number or
    // fraction («12.5», «1/2») is taken in the default unit of unit's group (see SetDefaultUnit
    // and SetDefaultSymbol). The minus before degrees or feet governs the whole: «-45°30'15"» is
    // −45.5041…°, «-5'6"» is −66 inches. A bearing needs its pole: «45° E» is no quantity.
    // Beyond the literal rules it reads what people type, and refuses what could be misread:
    //   a power binds the unit just before it, also inside a compound symbol text («9.81
    //   km/s²» is 9810 m/s²), unless only the whole text has the dimension; negative powers
    //   «m·s⁻²», «m*s^-2»; with one «/», everything after it as the denominator where only that
    //   reading has the dimension («Btu/h·ft²·°F»); a text that names units of different
    //   dimensions as the one of unit's dimension (fr-FR «ch»), and no quantity where two
    //   readings fit with different values; dash fractions «2-1/2 in»; the degree signs º ˚ ⁰ ∘
    //   and D, primes ´ ` ‵, «''» for the double prime; in angles «45:30:15», «45°30», «33d10»,
    //   «4d9"», bearings «N45E», later parts below 60; in times «1:30:00», but not the
    //   ambiguous «1:30». A value written in unit itself comes back as written («0.1 in» is
    //   exactly 0.1 inches). ParseDiagnostics tells why a text is refused. Results that are not
    //   finite, and texts deeper than 64 parentheses or cut into more than 1024 pieces, are no
    //   quantity.
    ErrorCode Parse(const wchar_t* text, double& value, int unit) const;
    ErrorCode Parse(QStringView text, double& value, int unit) const;

    // Symbol strings: layouts of one unit symbol for this formatter, literal texts around
    // numbered placeholders, "{{" and "}}" for braces: "{0} m", "{0} ft {1} in". A plain unit
    // has placeholder 0; feet and inches (and minutes and seconds) 0 and 1; degrees, minutes
    // and seconds 0, 1 and 2. A formatting string replaces the symbol's built-in layout in
    // Format; a parsing string adds a layout that parsing reads. A null or empty text removes
    // the string. ecFailure: symbol names no unit symbol, a syntax error, a placeholder set
    // the symbol does not have, or literals that another string of this formatter has already;
    // the previous string then stays as it was.
    ErrorCode SetSymbolFormattingString(int symbol, const wchar_t* text);
    ErrorCode SetSymbolParsingString(int symbol, const wchar_t* text);
    ErrorCode SetSymbolFormattingString(int symbol, QStringView text);
    ErrorCode SetSymbolParsingString(int symbol, QStringView text);
    // The string as set: ecNotFound when none is set for exactly this id, ecFailure (buffer
    // untouched) when it does not fit with its terminator. The QString forms give an empty
    // string and set *error when there is none.
    ErrorCode GetSymbolFormattingString(int symbol, wchar_t* buffer, size_t bufferSize) const;
    ErrorCode GetSymbolParsingString(int symbol, wchar_t* buffer, size_t bufferSize) const;
    QString GetSymbolFormattingString(int symbol, ErrorCode* error = nullptr) const;
    QString GetSymbolParsingString(int symbol, ErrorCode* error = nullptr) const;

    // The default unit of a group id, or 0: the one set, else the group's first unit.
    int GetDefaultUnit(int group) const;
    // Makes a unit the default of its group; ecFailure when it names no unit.
    ErrorCode SetDefaultUnit(int unit);
    // The default symbol of a unit id, or 0: the one set, else the unit's first symbol.
    int GetDefaultSymbol(int unit) const;
    // Makes a unit symbol the default of its unit; ecFailure when it names no unit symbol.
    ErrorCode SetDefaultSymbol(int symbol);

    // Display names in this formatter's language: of a group or unit its translated name, of a
    // unit symbol its text. Lengths count the terminator; an empty name has length 0. A group
    // or unit name is cut to the buffer (ecSuccess); a symbol text that does not fit gives
    // ecFailure and writes nothing. ecFailure also for an id without a name or symbol and for
    // a null buffer or a size of 0.
    // A unit's name is in its dictionary form («meter»), as it stands without a number.
    ErrorCode GetDisplayNameLength(int id, size_t& length) const;
    ErrorCode GetDisplayName(int id, wchar_t* buffer, size_t bufferSize) const;
    // The whole name as a QString; empty, with *error set, for an id without a name or symbol.
    QString GetDisplayName(int id, ErrorCode* error = nullptr) const;
    // The translated name of a numeric format; a name cut to the buffer is written, with
    // ecFailure.
    ErrorCode GetNumberFormatDisplayNameLength(NumberFormat format, size_t& length) const;
    ErrorCode GetNumberFormatDisplayName(NumberFormat format, wchar_t* buffer,
                                         size_t bufferSize) const;
    QString GetNumberFormatDisplayName(NumberFormat format, ErrorCode* error = nullptr) const;

private:
    friend class NumberConventions;
    friend class ParseDiagnostics;

    // The base value of the quantity, which must have the dimension; a bare number takes the
    // default unit of group (0: the dimension's group). ecFailure when that unit has no symbol.
    ErrorCode Parse(const wchar_t* text, double& value, const int (&dimension)[7], int group) const;

    FormatterState* state;
};

} // namespace velmar::platform::core::units
