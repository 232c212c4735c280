#include "units/FormatterState.h"

#include "units/LocaleSymbolTables.h"
#include "units/UnitSymbolTable.h"
#include "units/symbols/IFormatSymbol.h"
#include "units/symbols/unit/CustomSymbol.h"

#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>

namespace velmar::platform::core::units {

namespace {

// The other text that people type for the negative sign: the minus sign U+2212 where it is
// "-", and "-" where it is the minus sign; else none.
std::wstring OtherMinus(const std::wstring& negativeSign) {
    if (negativeSign == L"-")
        return L"\u2212";
    return negativeSign == L"\u2212" ? L"-" : L"";
}

// Registers the texts of the settings in this order, so that of two settings with the same
// text the later one holds it: the digits, "e", "E", the signs that people type besides the
// settings' ("+", and the other minus), the signs, the separators. With only, just the
// settings whose text is that one.
void RegisterTokens(NumberTokenTable& tokens, const NumberSettings& number,
                    const std::wstring* only = nullptr) {
    auto reg = [&](const std::wstring& text, int tokenClass) {
        if (only == nullptr || *only == text)
            tokens.Register(text, tokenClass);
    };
    for (int digit = 0; digit < 10; ++digit)
        reg(std::wstring(1, number.nativeDigits[digit]), digit);
    reg(L"e", NumberTokenTable::ExponentMark);
    reg(L"E", NumberTokenTable::ExponentMark);
    reg(L"+", NumberTokenTable::PositiveSign);
    if (std::wstring otherMinus = OtherMinus(number.negativeSign); !otherMinus.empty())
        reg(otherMinus, NumberTokenTable::NegativeSign);
    reg(number.positiveSign, NumberTokenTable::PositiveSign);
    reg(number.negativeSign, NumberTokenTable::NegativeSign);
    reg(number.groupSeparator, NumberTokenTable::GroupSeparator);
    reg(number.decimalSeparator, NumberTokenTable::DecimalSeparator);
}

const NumberTokenTable& InitialTokens() {
    static const NumberTokenTable tokens = [] {
        NumberTokenTable initial;
        RegisterTokens(initial, NumberSettings::Defaults());
        return initial;
    }();
    return tokens;
}

} // namespace

FormatterState::FormatterState(const wchar_t* locale)
    : grouping(number), numberTokens(&InitialTokens()),
      translations(TranslationSet::Shared(locale)),
      localeName(translations->LocaleName().toStdWString()),
      askedLocale(TranslationSet::AskedLocale(locale)),
      symbols(&LocaleSymbolTables::Instance().EnsureLocale(*translations)),
      fallbackSymbols(&LocaleSymbolTables::Instance().Fallback()) {}

FormatterState::FormatterState(const FormatterState& other)
    : number(other.number), grouping(number),
      ownTokens(other.ownTokens ? std::make_unique<NumberTokenTable>(*other.ownTokens) : nullptr),
      numberTokens(ownTokens ? ownTokens.get() : other.numberTokens),
      defaultSymbols(other.defaultSymbols), defaultUnits(other.defaultUnits),
      translations(other.translations), localeName(other.localeName),
      askedLocale(other.askedLocale), symbols(other.symbols),
      fallbackSymbols(other.fallbackSymbols) {
    // The source's strings fit together in one pattern tree, so each compiles again; having
    // compiled once, none can fail.
    for (const auto& [symbol, entry] : other.formattingStrings)
        (void)SetSymbolString(symbol, entry.text.c_str(), 0);
    for (const auto& [symbol, entry] : other.parsingStrings)
        (void)SetSymbolString(symbol, entry.text.c_str(), 1);
}

FormatterState::~FormatterState() = default;

NumberTokenTable& FormatterState::OwnTokens() {
    if (!ownTokens) {
        ownTokens = std::make_unique<NumberTokenTable>(*numberTokens);
        numberTokens = ownTokens.get();
    }
    return *ownTokens;
}

// Takes a setting's old text out of the token table. Another setting with the same text keeps
// it: swapping the separators («1.234,5») leaves both readable.
void FormatterState::RemoveToken(const std::wstring& text) {
    OwnTokens().Remove(text);
    RegisterTokens(*ownTokens, number, &text);
}

void FormatterState::ReplaceToken(std::wstring& setting, const wchar_t* text, int tokenClass) {
    std::wstring old = setting;
    setting = text;
    RemoveToken(old);
    OwnTokens().Register(setting, tokenClass);
}

ErrorCode FormatterState::SetNativeDigits(const wchar_t* digits) {
    if (digits == nullptr)
        return ecFailure;
    for (int i = 0; i < 10; ++i) {
        if (digits[i] == L'\0')
            return ecFailure;
        for (int j = 0; j < i; ++j)
            if (digits[i] == digits[j])
                return ecFailure;
    }
    wchar_t old[10];
    std::copy_n(number.nativeDigits, 10, old);
    std::copy_n(digits, 10, number.nativeDigits);
    for (wchar_t digit : old)
        RemoveToken(std::wstring(1, digit));
    for (int digit = 0; digit < 10; ++digit)
        OwnTokens().Register(std::wstring(1, digits[digit]), digit);
    return ecSuccess;
}

void FormatterState::SetPositiveSign(const wchar_t* sign) {
    if (sign != nullptr)
        ReplaceToken(number.positiveSign, sign, NumberTokenTable::PositiveSign);
}

void FormatterState::SetNegativeSign(const wchar_t* sign) {
    if (sign == nullptr)
        return;
    std::wstring otherMinus = OtherMinus(number.negativeSign);
    ReplaceToken(number.negativeSign, sign, NumberTokenTable::NegativeSign);
    // The old sign's other minus goes, and the new one's, if any, comes.
    if (!otherMinus.empty())
        RemoveToken(otherMinus);
    otherMinus = OtherMinus(number.negativeSign);
    if (!otherMinus.empty())
        RegisterTokens(OwnTokens(), number, &otherMinus);
}

ErrorCode FormatterState::SetGroupSeparator(const wchar_t* separator) {
    if (separator == nullptr || *separator == L'\0')
        return ecFailure;
    ReplaceToken(number.groupSeparator, separator, NumberTokenTable::GroupSeparator);
    grouping = DigitGrouping(number);
    return ecSuccess;
}

ErrorCode FormatterState::SetDecimalSeparator(const wchar_t* separator) {
    if (separator == nullptr || *separator == L'\0')
        return ecFailure;
    ReplaceToken(number.decimalSeparator, separator, NumberTokenTable::DecimalSeparator);
    return ecSuccess;
}

ErrorCode FormatterState::SetDecimalPrecision(int precision) {
    if (precision < 0 || precision > 99)
        return ecFailure;
    number.decimalPrecision = precision;
    return ecSuccess;
}

ErrorCode FormatterState::SetGroupSizes(const int* sizes, int count) {
    if (sizes == nullptr || count < 1)
        return ecFailure;
    for (int i = 0; i < count; ++i) {
        int lowest = i + 1 < count ? 1 : 0;
        if (sizes[i] < lowest || sizes[i] > 9)
            return ecFailure;
    }
    number.groupSizes.assign(sizes, sizes + count);
    grouping = DigitGrouping(number);
    return ecSuccess;
}

void FormatterState::SetCheckGroupSizes(bool check) {
    number.checkGroupSizes = check;
    grouping = DigitGrouping(number);
}

void FormatterState::SetNumericFormat(NumberFormat format) {
    number.numericFormat = format;
    grouping = DigitGrouping(number);
}

} // namespace velmar::platform::core::units

namespace velmar::platform::core::units {

const IFormatSymbol* FormatterState::UnitSymbol(int symbol) const {
    const UnitSymbolTable::Slot* slot = symbols->Find(symbol);
    return slot == nullptr ? nullptr : slot->format;
}

ErrorCode FormatterState::SetSymbolString(int symbol, const wchar_t* text, int forParsing) {
    if (forParsing != 0 && forParsing != 1)
        return ecFailure;
    std::map<int, SymbolStringEntry>& strings = forParsing ? parsingStrings : formattingStrings;
    auto entry = strings.find(symbol);
    bool empty = text == nullptr || *text == L'\0';
    if (entry == strings.end() && empty)
        return ecSuccess;
    if (entry != strings.end()) {
        if (text != nullptr && entry->second.text == text)
            return ecSuccess;
        if (empty) {
            RemovePatterns(parseSymbols, entry->second.symbols);
            strings.erase(entry);
            return ecSuccess;
        }
    }
    const IFormatSymbol* prototype = UnitSymbol(symbol);
    std::vector<std::wstring> literals;
    std::vector<int> placeholders;
    std::vector<std::unique_ptr<CustomSymbol>> compiled;
    if (prototype == nullptr || SplitSymbolString(text, literals, placeholders) != ecSuccess ||
        prototype->Customize(compiled, literals, placeholders) != ecSuccess)
        return ecFailure;
    // The old string leaves the tree; if a new literal path is taken, it comes back.
    if (entry != strings.end())
        RemovePatterns(parseSymbols, entry->second.symbols);
    if (AddPatterns(parseSymbols, compiled) != ecSuccess) {
        // The old paths were free before, so they are again.
        if (entry != strings.end())
            (void)AddPatterns(parseSymbols, entry->second.symbols);
        return ecFailure;
    }
    SymbolStringEntry& stored = entry != strings.end() ? entry->second : strings[symbol];
    stored.text = text;
    stored.symbols = std::move(compiled);
    return ecSuccess;
}

const std::wstring* FormatterState::SymbolString(int symbol, int forParsing) const {
    const std::map<int, SymbolStringEntry>& strings =
        forParsing ? parsingStrings : formattingStrings;
    auto entry = strings.find(symbol);
    return entry == strings.end() ? nullptr : &entry->second.text;
}

ErrorCode FormatterState::GetSymbolString(int symbol, wchar_t* buffer, size_t size,
                                          int forParsing) const {
    const std::wstring* found = SymbolString(symbol, forParsing);
    if (found == nullptr)
        return ecNotFound;
    const std::wstring& text = *found;
    if (buffer == nullptr || text.size() + 1 > size)
        return ecFailure;
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
    return ecSuccess;
}

} // namespace velmar::platform::core::units
