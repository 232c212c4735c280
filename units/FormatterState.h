#pragma once

#include "units/LocaleSymbolTables.h"
#include "units/SymbolStrings.h"
#include "units/names/TranslationSet.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberSettings.h"
#include "units/number/NumberTokenTable.h"
#include "units/util/TextBuffer.h"

#include <map>
#include <memory>
#include <string>

namespace velmar::platform::core::units {

class IFormatSymbol;
class UnitSymbolTable;

// The private state of a UnitsFormatter: its number settings with the token table that
// follows them, its symbol strings with their pattern tree, its default units and symbols,
// and the translations and unit symbols of its locale.
class FormatterState {
public:
    explicit FormatterState(const wchar_t* locale);
    // A deep copy: the copy owns its own settings, token table, symbol strings (compiled
    // again) and pattern tree. The translations and the locale's unit symbols are shared,
    // since they never change.
    FormatterState(const FormatterState& other);
    FormatterState& operator=(const FormatterState&) = delete;
    ~FormatterState();

    const NumberSettings& Number() const { return number; }
    NumberSettings& MutableNumber() { return number; }
    const NumberTokenTable& NumberTokens() const { return *numberTokens; }
    // Where the number settings let group separators stand, made again whenever a setting it
    // depends on changes, so that a parse does not make it for every number.
    const DigitGrouping& Grouping() const { return grouping; }
    void SetCheckGroupSizes(bool check);
    void SetNumericFormat(NumberFormat format);
    const TranslationSet& Translations() const { return *translations; }
    const std::wstring& LocaleName() const { return localeName; }
    // The locale asked for at construction, before the translations fell back to another.
    const QString& AskedLocale() const { return askedLocale; }
    const PatternNode& ParseSymbols() const { return parseSymbols; }

    // Number settings with checks; a rejected call changes nothing.
    ErrorCode SetNativeDigits(const wchar_t* digits);
    void SetPositiveSign(const wchar_t* sign);
    void SetNegativeSign(const wchar_t* sign);
    ErrorCode SetGroupSeparator(const wchar_t* separator);
    ErrorCode SetDecimalSeparator(const wchar_t* separator);
    ErrorCode SetDecimalPrecision(int precision);
    ErrorCode SetGroupSizes(const int* sizes, int count);

    // Symbol strings: forParsing 0 for formatting strings, 1 for parsing strings.
    ErrorCode SetSymbolString(int symbol, const wchar_t* text, int forParsing);
    ErrorCode GetSymbolString(int symbol, wchar_t* buffer, size_t size, int forParsing) const;
    // The string set for exactly this id, or null.
    const std::wstring* SymbolString(int symbol, int forParsing) const;

    // Format: a value in a unit, or a base value of a dimension, written to the buffer; or a
    // value in a unit whose text is longer than a buffer on the stack takes, as a text of any
    // length up to kLongestText characters.
    ErrorCode Format(double value, int unit, TextBuffer& out, int display, double* shown) const;
    ErrorCode Format(double value, const DimensionTag& dimension, TextBuffer& out, int display,
                     double* shown) const;
    ErrorCode FormatLong(double value, int unit, std::wstring& text, int display) const;
    static constexpr size_t kLongestText = 1 << 18;

    // The number and catalogue unit a quantity was written in, when it was written as one
    // number of one unit (unit 0 otherwise).
    struct Written {
        int unit = 0;
        double value = 0;
    };

    // Parse: text as a quantity in a unit (ecNotAQuantity on every failure), or as the base
    // value of a dimension, a bare number taking the default unit of group (0: the group of the
    // dimension); ecFailure when that unit has no symbol object. A number written in the unit
    // asked for is that number exactly.
    ErrorCode Parse(const wchar_t* text, double& value, int unit) const;
    ErrorCode Parse(const wchar_t* text, double& value, const DimensionTag& dimension, int group,
                    Written* written = nullptr) const;

    // The unit symbol id an id is displayed with: a symbol id itself; else the group's default
    // unit (its first unit when none is set), then the unit's default symbol (its first).
    int ResolveSymbolId(int id) const;

    // Default units and symbols.
    int GetDefaultUnit(int group) const;
    ErrorCode SetDefaultUnit(int unit);
    int GetDefaultSymbol(int unit) const;
    ErrorCode SetDefaultSymbol(int symbol);

    // Display names of a group, unit or unit symbol id, and of numeric formats.
    ErrorCode GetDisplayNameLength(int id, size_t& length) const;
    ErrorCode GetDisplayName(int id, wchar_t* buffer, size_t size) const;
    ErrorCode GetNumberFormatDisplayNameLength(NumberFormat format, size_t& length) const;
    ErrorCode GetNumberFormatDisplayName(NumberFormat format, wchar_t* buffer, size_t size) const;

    // The locale's object for a unit symbol id as a format symbol, or null.
    const IFormatSymbol* UnitSymbol(int symbol) const;

private:
    // Which of the ways to read a text ReadSymbols takes: the candidate of the first text that
    // names several units; how unit expressions written as one symbol text («km/s», «kg·m»)
    // are read; whether all after one slash is the denominator.
    enum class Compounds {
        SplitBeforePower, // by their parts where a power follows, whole elsewhere
        Whole,            // whole everywhere
        ByParts,          // by their parts everywhere
    };
    struct ReadWay {
        int choice = 0;
        Compounds compounds = Compounds::SplitBeforePower;
        bool slashDenominator = false;
    };
    // What ReadSymbols found that other ways of reading may take.
    struct ReadFacts {
        bool splitAlone = false;    // the text's one unit is a compound text, split for a power
        bool wholeCompound = false; // a compound text read whole
        bool oneSlash = false;      // exactly one slash
        int choices = 1;            // the units that the first ambiguous text names

        // Whether a way of reading can differ from the first for a text with these facts.
        bool Allow(const ReadWay& way) const {
            return (way.compounds != Compounds::Whole || splitAlone) &&
                   (way.compounds != Compounds::ByParts || wholeCompound) &&
                   (!way.slashDenominator || oneSlash);
        }
    };

    // Parts of the parse flow.
    ErrorCode ReadGeneral(const wchar_t* text, SymbolList& leading, const wchar_t* rest,
                          const DimensionTag& dimension, int group, bool* unevaluated,
                          double& value, Written& written) const;
    ErrorCode ReadSymbols(const wchar_t* text, const wchar_t* from, SymbolList& list,
                          const ReadWay& how, ReadFacts* facts) const;
    IParseSymbol* LookupWithin(const wchar_t* text, size_t length, size_t* found,
                               LocaleSymbolTables::Candidates* candidates) const;
    ErrorCode ReadBareNumber(const wchar_t* text, SymbolList& list) const;
    ErrorCode ReadSum(const wchar_t* text, const DimensionTag& dimension, double* base) const;
    ErrorCode Convert(const SymbolList& working, const wchar_t* text, double& value,
                      const DimensionTag& dimension, int group, Written& written) const;

    NumberTokenTable& OwnTokens();
    void RemoveToken(const std::wstring& text);
    void ReplaceToken(std::wstring& setting, const wchar_t* text, int tokenClass);

    NumberSettings number;
    DigitGrouping grouping; // of number, after it
    // The table of the initial settings, shared by every formatter, until a setting changes
    // one of its texts; from then on the formatter's own.
    std::unique_ptr<NumberTokenTable> ownTokens;
    const NumberTokenTable* numberTokens;
    PatternNode parseSymbols;
    std::map<int, SymbolStringEntry> formattingStrings;
    std::map<int, SymbolStringEntry> parsingStrings;
    std::map<int, int> defaultSymbols; // unit id -> unit symbol id
    std::map<int, int> defaultUnits;   // group id -> unit id
    std::shared_ptr<const TranslationSet> translations;
    std::wstring localeName;
    QString askedLocale;
    // Shared, owned by the parse-symbol registry: the unit symbols of this formatter's locale,
    // and those of en-US, whose texts every locale reads too.
    const UnitSymbolTable* symbols;
    const UnitSymbolTable* fallbackSymbols;
};

} // namespace velmar::platform::core::units
