#pragma once

#include "units/names/TranslationSet.h"
#include "units/number/NumberSettings.h"
#include "units/number/NumberTokenTable.h"

#include <memory>
#include <string>

namespace velmar::platform::core::units {

// The private state of a UnitsFormatter: its number settings with the token table that
// follows them, its per-unit settings and the translations of its locale.
class FormatterState {
public:
    explicit FormatterState(const wchar_t* locale);
    // A deep copy: the copy owns its own settings and token table. The translations are
    // shared, since a loaded TranslationSet never changes.
    FormatterState(const FormatterState& other);
    FormatterState& operator=(const FormatterState&) = delete;
    ~FormatterState();

    const NumberSettings& Number() const { return number; }
    const NumberTokenTable& NumberTokens() const { return numberTokens; }
    const TranslationSet& Translations() const { return *translations; }
    const std::wstring& LocaleName() const { return localeName; }

    ErrorCode SetNativeDigits(const wchar_t* digits);
    void SetPositiveSign(const wchar_t* sign);
    void SetNegativeSign(const wchar_t* sign);
    ErrorCode SetGroupSeparator(const wchar_t* separator);
    ErrorCode SetDecimalSeparator(const wchar_t* separator);
    ErrorCode SetDecimalPrecision(int precision);
    ErrorCode SetGroupSizes(const int* sizes, int count);
    NumberSettings& MutableNumber() { return number; }

private:
    void RegisterNumberTokens(const std::wstring* only = nullptr);
    void RemoveToken(const std::wstring& text);
    void ReplaceToken(std::wstring& setting, const wchar_t* text, int tokenClass);

    NumberSettings number;
    NumberTokenTable numberTokens;
    std::shared_ptr<const TranslationSet> translations;
    std::wstring localeName;
};

} // namespace velmar::platform::core::units
