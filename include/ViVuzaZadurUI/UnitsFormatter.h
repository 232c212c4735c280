#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUI/Export.h>

#include <cstddef>

namespace velmar::platform::core::units {

class FormatterState;

// Formats values with units as localized text. A formatter is bound to one locale, fixed at
// construction, and carries its own number settings and per-unit settings. Use a formatter
// from one thread at a time; distinct formatters may be used on different threads once their
// locales have been built (the first formatter of a locale builds process-wide tables, so
// create formatters of new locales on one thread at a time).
//
// Ids: a unit group id has only group bits (0x2000 "Length"), a unit id group and unit bits
// (0x2017 "foot"), a unit symbol id also symbol bits ((variant << 20) | unit id).
//
// Text out-parameters are a buffer and its size in characters, terminator included. Text
// getters cut a longer text to size - 1 characters and always terminate it; a size of 0 writes
// nothing.
class VIVUZAZADURUI_EXPORT UnitsFormatter {
public:
    // A formatter for the locale ("de-DE"). Null or empty takes the units manager's current
    // locale, or "en-US" when that is empty; a locale without translation files falls back the
    // same way.
    explicit UnitsFormatter(const wchar_t* locale = nullptr);
    // Copies are independent: each owns all its settings, and changing or destroying one never
    // affects the other.
    UnitsFormatter(const UnitsFormatter& other);
    UnitsFormatter& operator=(const UnitsFormatter& other);
    virtual ~UnitsFormatter();

    // The resolved locale name; valid while the formatter lives.
    const wchar_t* GetLocale() const;

    // Number settings. Setters that return an ErrorCode check their whole argument first: a
    // rejected call (ecFailure) changes nothing.

    // The ten digit characters, 0 to 9, into a buffer of at least ten (no terminator).
    void GetNativeDigits(wchar_t* const digits) const;
    // Ten characters, all different and none of them NUL.
    ErrorCode SetNativeDigits(const wchar_t* const digits);
    void GetPositiveSign(wchar_t* buffer, size_t size) const;
    void GetNegativeSign(wchar_t* buffer, size_t size) const;
    void GetNumberGroupSeparator(wchar_t* buffer, size_t size) const;
    void GetNumberDecimalSeparator(wchar_t* buffer, size_t size) const;
    // Any text, empty included; null is ignored.
    void SetPositiveSign(const wchar_t* sign);
    void SetNegativeSign(const wchar_t* sign);
    // A text that is not empty.
    ErrorCode SetNumberGroupSeparator(const wchar_t* separator);
    ErrorCode SetNumberDecimalSeparator(const wchar_t* separator);
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

private:
    FormatterState* state;
};

} // namespace velmar::platform::core::units
