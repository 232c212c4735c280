#include <ViVuzaZadurUI/UnitsFormatter.h>

#include "units/FormatterState.h"

#include <algorithm>
#include <utility>

namespace velmar::platform::core::units {

namespace {

void CopyText(const std::wstring& text, wchar_t* buffer, size_t size) {
    if (buffer == nullptr || size == 0)
        return;
    size_t count = std::min(text.size(), size - 1);
    std::copy_n(text.data(), count, buffer);
    buffer[count] = L'\0';
}

} // namespace

UnitsFormatter::UnitsFormatter(const wchar_t* locale) : state(new FormatterState(locale)) {}

UnitsFormatter::UnitsFormatter(const UnitsFormatter& other)
    : state(new FormatterState(*other.state)) {}

UnitsFormatter& UnitsFormatter::operator=(const UnitsFormatter& other) {
    if (this != &other) {
        FormatterState* copy = new FormatterState(*other.state);
        std::swap(state, copy);
        delete copy;
    }
    return *this;
}

UnitsFormatter::~UnitsFormatter() {
    delete state;
}

const wchar_t* UnitsFormatter::GetLocale() const {
    return state->LocaleName().c_str();
}

void UnitsFormatter::GetNativeDigits(wchar_t* const digits) const {
    if (digits != nullptr)
        std::copy_n(state->Number().nativeDigits, 10, digits);
}

ErrorCode UnitsFormatter::SetNativeDigits(const wchar_t* const digits) {
    return state->SetNativeDigits(digits);
}

void UnitsFormatter::GetPositiveSign(wchar_t* buffer, size_t size) const {
    CopyText(state->Number().positiveSign, buffer, size);
}

void UnitsFormatter::GetNegativeSign(wchar_t* buffer, size_t size) const {
    CopyText(state->Number().negativeSign, buffer, size);
}

void UnitsFormatter::GetNumberGroupSeparator(wchar_t* buffer, size_t size) const {
    CopyText(state->Number().groupSeparator, buffer, size);
}

void UnitsFormatter::GetNumberDecimalSeparator(wchar_t* buffer, size_t size) const {
    CopyText(state->Number().decimalSeparator, buffer, size);
}

void UnitsFormatter::SetPositiveSign(const wchar_t* sign) {
    state->SetPositiveSign(sign);
}

void UnitsFormatter::SetNegativeSign(const wchar_t* sign) {
    state->SetNegativeSign(sign);
}

ErrorCode UnitsFormatter::SetNumberGroupSeparator(const wchar_t* separator) {
    return state->SetGroupSeparator(separator);
}

ErrorCode UnitsFormatter::SetNumberDecimalSeparator(const wchar_t* separator) {
    return state->SetDecimalSeparator(separator);
}

int UnitsFormatter::GetNumberDecimalPrecision() const {
    return state->Number().decimalPrecision;
}

ErrorCode UnitsFormatter::SetNumberDecimalPrecision(int precision) {
    return state->SetDecimalPrecision(precision);
}

size_t UnitsFormatter::GetNumberGroupSizes(int* const sizes) const {
    const std::vector<int>& groupSizes = state->Number().groupSizes;
    if (sizes != nullptr)
        std::copy(groupSizes.begin(), groupSizes.end(), sizes);
    return groupSizes.size();
}

ErrorCode UnitsFormatter::SetNumberGroupSizes(const int* const sizes, int count) {
    return state->SetGroupSizes(sizes, count);
}

bool UnitsFormatter::CheckNumberGroupSizes() const {
    return state->Number().checkGroupSizes;
}

void UnitsFormatter::SetCheckNumberGroupSizes(bool check) {
    state->SetCheckGroupSizes(check);
}

NumberFormat UnitsFormatter::GetNumericFormat() const {
    return state->Number().numericFormat;
}

void UnitsFormatter::SetNumericFormat(NumberFormat format) {
    state->SetNumericFormat(format);
}

bool UnitsFormatter::AllowTwoDigitExponent() const {
    return state->Number().allowTwoDigitExponent;
}

void UnitsFormatter::SetAllowTwoDigitExponent(bool allow) {
    state->MutableNumber().allowTwoDigitExponent = allow;
}

bool UnitsFormatter::IncludePositiveSignInNumber() const {
    return state->Number().includePositiveSignInNumber;
}

void UnitsFormatter::SetIncludePositiveSignInNumber(bool include) {
    state->MutableNumber().includePositiveSignInNumber = include;
}

bool UnitsFormatter::IncludeNegativeSignInNumber() const {
    return state->Number().includeNegativeSignInNumber;
}

void UnitsFormatter::SetIncludeNegativeSignInNumber(bool include) {
    state->MutableNumber().includeNegativeSignInNumber = include;
}

bool UnitsFormatter::IncludePositiveSignInExponent() const {
    return state->Number().includePositiveSignInExponent;
}

void UnitsFormatter::SetIncludePositiveSignInExponent(bool include) {
    state->MutableNumber().includePositiveSignInExponent = include;
}

bool UnitsFormatter::IncludeNegativeSignInExponent() const {
    return state->Number().includeNegativeSignInExponent;
}

void UnitsFormatter::SetIncludeNegativeSignInExponent(bool include) {
    state->MutableNumber().includeNegativeSignInExponent = include;
}

ErrorCode UnitsFormatter::Format(double value, int unit, wchar_t* buffer, size_t bufferSize,
                                 int display, double* shown) const {
    TextBuffer out(buffer, bufferSize);
    return state->Format(value, unit, out, display, shown);
}

ErrorCode UnitsFormatter::Parse(const wchar_t* text, double& value, int unit) const {
    return state->Parse(text, value, unit);
}

ErrorCode UnitsFormatter::Parse(const wchar_t* text, double& value, const int (&dimension)[7],
                                int group) const {
    return state->Parse(text, value, dimension, group);
}

ErrorCode UnitsFormatter::SetSymbolFormattingString(int symbol, const wchar_t* text) {
    return state->SetSymbolString(symbol, text, 0);
}

ErrorCode UnitsFormatter::SetSymbolParsingString(int symbol, const wchar_t* text) {
    return state->SetSymbolString(symbol, text, 1);
}

ErrorCode UnitsFormatter::GetSymbolFormattingString(int symbol, wchar_t* buffer,
                                                    size_t bufferSize) const {
    return state->GetSymbolString(symbol, buffer, bufferSize, 0);
}

ErrorCode UnitsFormatter::GetSymbolParsingString(int symbol, wchar_t* buffer,
                                                 size_t bufferSize) const {
    return state->GetSymbolString(symbol, buffer, bufferSize, 1);
}

int UnitsFormatter::GetDefaultUnit(int group) const {
    return state->GetDefaultUnit(group);
}

ErrorCode UnitsFormatter::SetDefaultUnit(int unit) {
    return state->SetDefaultUnit(unit);
}

int UnitsFormatter::GetDefaultSymbol(int unit) const {
    return state->GetDefaultSymbol(unit);
}

ErrorCode UnitsFormatter::SetDefaultSymbol(int symbol) {
    return state->SetDefaultSymbol(symbol);
}

ErrorCode UnitsFormatter::GetDisplayNameLength(int id, size_t& length) const {
    return state->GetDisplayNameLength(id, length);
}

ErrorCode UnitsFormatter::GetDisplayName(int id, wchar_t* buffer, size_t bufferSize) const {
    return state->GetDisplayName(id, buffer, bufferSize);
}

ErrorCode UnitsFormatter::GetNumberFormatDisplayNameLength(NumberFormat format,
                                                           size_t& length) const {
    return state->GetNumberFormatDisplayNameLength(format, length);
}

ErrorCode UnitsFormatter::GetNumberFormatDisplayName(NumberFormat format, wchar_t* buffer,
                                                     size_t bufferSize) const {
    return state->GetNumberFormatDisplayName(format, buffer, bufferSize);
}

} // namespace velmar::platform::core::units
