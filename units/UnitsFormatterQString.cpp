// The QString forms of UnitsFormatter: each converts its text and calls the wide-character
// form, so that both give the same results.
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include "platform/WideString.h"
#include "units/FormatterState.h"

#include <iterator>
#include <string>

namespace velmar::platform::core::units {

namespace {

// Gives a text getter of the wide form a buffer as long as the text. A name of length 0 is no
// name: ecFailure, as the wide getter gives.
template <class Getter>
QString Whole(size_t length, ErrorCode lengthError, Getter get, ErrorCode* error) {
    std::wstring text(length, L'\0');
    ErrorCode result = lengthError != ecSuccess ? lengthError
                       : length == 0            ? ecFailure
                                                : get(text.data(), length);
    if (error != nullptr)
        *error = result;
    return result == ecSuccess ? QString::fromWCharArray(text.c_str()) : QString();
}

// A symbol string as set, or nothing with ecNotFound.
QString StringOrNothing(const std::wstring* text, ErrorCode* error) {
    if (error != nullptr)
        *error = text != nullptr ? ecSuccess : ecNotFound;
    return text != nullptr ? QString::fromStdWString(*text) : QString();
}

} // namespace

UnitsFormatter::UnitsFormatter(QStringView locale) : UnitsFormatter(os::WideText(locale)) {}

QString UnitsFormatter::GetLocaleName() const {
    return QString::fromStdWString(state->LocaleName());
}

QString UnitsFormatter::GetNativeDigits() const {
    return QString::fromWCharArray(state->Number().nativeDigits, 10);
}

ErrorCode UnitsFormatter::SetNativeDigits(QStringView digits) {
    // Exactly ten characters, as the wide form reads ten.
    if (digits.size() != 10)
        return ecFailure;
    return SetNativeDigits(os::WideText(digits));
}

QString UnitsFormatter::GetPositiveSign() const {
    return QString::fromStdWString(state->Number().positiveSign);
}

QString UnitsFormatter::GetNegativeSign() const {
    return QString::fromStdWString(state->Number().negativeSign);
}

QString UnitsFormatter::GetNumberGroupSeparator() const {
    return QString::fromStdWString(state->Number().groupSeparator);
}

QString UnitsFormatter::GetNumberDecimalSeparator() const {
    return QString::fromStdWString(state->Number().decimalSeparator);
}

void UnitsFormatter::SetPositiveSign(QStringView sign) {
    SetPositiveSign(os::WideText(sign));
}

void UnitsFormatter::SetNegativeSign(QStringView sign) {
    SetNegativeSign(os::WideText(sign));
}

ErrorCode UnitsFormatter::SetNumberGroupSeparator(QStringView separator) {
    return SetNumberGroupSeparator(os::WideText(separator));
}

ErrorCode UnitsFormatter::SetNumberDecimalSeparator(QStringView separator) {
    return SetNumberDecimalSeparator(os::WideText(separator));
}

QString UnitsFormatter::Format(double value, int unit, int display, ErrorCode* error) const {
    // Most texts fit a buffer on the stack; a longer one is written again, in room enough.
    wchar_t stack[128];
    TextBuffer out(stack, std::size(stack));
    ErrorCode result = state->Format(value, unit, out, display, nullptr);
    QString text;
    if (result == ecSuccess) {
        text = QString::fromWCharArray(stack, static_cast<qsizetype>(out.Length()));
    } else if (out.Overflowed()) {
        std::wstring longer;
        result = state->FormatLong(value, unit, longer, display);
        text = QString::fromStdWString(longer);
    }
    if (error != nullptr)
        *error = result;
    return text;
}

ErrorCode UnitsFormatter::Parse(QStringView text, double& value, int unit) const {
    return Parse(os::WideText(text), value, unit);
}

ErrorCode UnitsFormatter::SetSymbolFormattingString(int symbol, QStringView text) {
    return SetSymbolFormattingString(symbol, os::WideText(text));
}

ErrorCode UnitsFormatter::SetSymbolParsingString(int symbol, QStringView text) {
    return SetSymbolParsingString(symbol, os::WideText(text));
}

QString UnitsFormatter::GetSymbolFormattingString(int symbol, ErrorCode* error) const {
    return StringOrNothing(state->SymbolString(symbol, 0), error);
}

QString UnitsFormatter::GetSymbolParsingString(int symbol, ErrorCode* error) const {
    return StringOrNothing(state->SymbolString(symbol, 1), error);
}

QString UnitsFormatter::GetDisplayName(int id, ErrorCode* error) const {
    size_t length = 0;
    ErrorCode measured = GetDisplayNameLength(id, length);
    return Whole(
        length, measured,
        [&](wchar_t* buffer, size_t size) { return GetDisplayName(id, buffer, size); }, error);
}

QString UnitsFormatter::GetNumberFormatDisplayName(NumberFormat format, ErrorCode* error) const {
    size_t length = 0;
    ErrorCode measured = GetNumberFormatDisplayNameLength(format, length);
    return Whole(
        length, measured,
        [&](wchar_t* buffer, size_t size) {
            return GetNumberFormatDisplayName(format, buffer, size);
        },
        error);
}

} // namespace velmar::platform::core::units
