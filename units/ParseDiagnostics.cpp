#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include "platform/WideString.h"
#include "units/FormatterState.h"
#include "units/number/DigitGrouping.h"
#include "units/number/NumberScanner.h"
#include "units/symbols/parse/ParseReport.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QLocale>

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace velmar::platform::core::units {

namespace {

// The sentence of each problem, in English; the translations are in the name file of each
// locale, context "ParseProblem". %1 is the text in question, %2 the kind of quantity found,
// %3 the kind asked for, both as written inside a sentence.
struct Sentence {
    ParseProblem problem;
    const char* text;
};
const Sentence kMessages[] = {
    {ppNone, "The text is a quantity."},
    {ppEmptyText, "The text is empty."},
    {ppUnknownUnit, "The unit to read the text in is not known."},
    {ppUnknownText, "\u201c%1\u201d is not a number or a unit symbol."},
    {ppWrongDimension, "\u201c%1\u201d measures %2, not %3."},
    {ppMissingNumber, "\u201c%1\u201d needs a number before it."},
    {ppMissingUnit, "A unit or a mark is missing at \u201c%1\u201d."},
    {ppMisplacedOperator, "\u201c%1\u201d has no unit to apply to."},
    {ppBadExponent,
     "\u201c%1\u201d cannot be an exponent: write a whole number from \u221264 to 64, other "
     "than 0."},
    {ppUnbalancedParenthesis,
     "\u201c%1\u201d has no matching parenthesis, or the parentheses are nested too deeply."},
    {ppZeroDenominator, "The denominator \u201c%1\u201d must be greater than zero."},
    {ppMisplacedMark, "\u201c%1\u201d does not belong here."},
    {ppMinutesWithoutPrime, "The minutes \u201c%1\u201d need a minute mark (')."},
    {ppNegativeMinutes, "The minutes \u201c%1\u201d cannot be negative."},
    {ppBearingOutOfRange, "A bearing angle cannot be more than 90\u00b0: \u201c%1\u201d."},
    {ppBearingWithoutPole, "A bearing must begin with N or S."},
    {ppNotFinite, "The value is too large."},
    {ppTooLong, "The text is too long to be a quantity."},
    {ppTooSmall, "The number \u201c%1\u201d is too small to hold."},
    {ppMisplacedGroupSeparator, "The group separator \u201c%1\u201d is out of place."},
    {ppAboveFiftyNine, "Minutes and seconds must be less than 60: \u201c%1\u201d."},
    {ppAmbiguousTime,
     "\u201c%1\u201d could be hours and minutes or minutes and seconds: write all three parts."},
    {ppAmbiguousUnit, "\u201c%1\u201d could mean more than one unit of %3: use another symbol."},
    {ppPowerOutOfRange, "\u201c%1\u201d raises the units to a power beyond 64."},
};

const char* MessageOf(ParseProblem problem) {
    for (const Sentence& sentence : kMessages)
        if (sentence.problem == problem)
            return sentence.text;
    return MessageOf(ppMisplacedMark);
}

// The sentence of a misplaced group separator in a number that reads with the separators'
// roles swapped; %2 is that number, written with the formatter's own separators.
const char* const kSwappedSeparators =
    "The group separator \u201c%1\u201d is out of place: did you mean %2?";

// Problems of how the pieces fit together, which a text of another kind of quantity would not
// have: «5°» read as a length fails at its degree sign, but it is an angle.
bool MayBeAnotherKind(ParseProblem problem) {
    return problem == ppMissingNumber || problem == ppMissingUnit ||
           problem == ppMisplacedOperator || problem == ppMisplacedMark;
}

bool IsLetter(wchar_t c) {
    return QChar::isLetter(static_cast<char32_t>(c));
}

// The whole word around an unknown character: «inn», not its last «n».
void ExtendToWord(const wchar_t* text, ParseDiagnosis& diagnosis) {
    size_t length = std::wcslen(text);
    size_t begin = diagnosis.position;
    size_t end = std::min(begin + std::max<size_t>(diagnosis.length, 1), length);
    if (begin >= length || !IsLetter(text[begin]))
        return;
    while (begin > 0 && IsLetter(text[begin - 1]))
        --begin;
    while (end < length && IsLetter(text[end]))
        ++end;
    diagnosis.position = begin;
    diagnosis.length = end - begin;
}

// The first parenthesis of the text without a partner: a closing one before its opening one, or
// the last opening one left open. False when they pair up.
bool UnpairedParenthesis(const wchar_t* text, size_t* position) {
    size_t open = 0;
    size_t lastOpen = 0;
    for (size_t i = 0; text[i] != L'\0'; ++i) {
        if (text[i] == L'(' || text[i] == L'\uff08') {
            ++open;
            lastOpen = i;
        } else if (text[i] == L')' || text[i] == L'\uff09') {
            if (open == 0) {
                *position = i;
                return true;
            }
            --open;
        }
    }
    *position = lastOpen;
    return open > 0;
}

// The kinds of quantity that a failed text is tried as, the likeliest first: a length (where
// «5'6"» is feet and inches rather than minutes and seconds of arc), an angle, a time.
struct Kind {
    int group;
    int unit;
};
const Kind kOtherKinds[] = {
    {Groups::Length, Units::Meter}, {Groups::Angle, Units::Degree}, {Groups::Time, Units::Second}};

// The dimension as a product of SI base units, for one that no group has: «m³·s⁻²».
QString BaseUnits(const int (&dimension)[7]) {
    static const char* const kBases[] = {"m", "kg", "s", "A", "K", "mol", "cd"};
    static const QString kSuperscripts =
        QStringLiteral("\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString text;
    for (int i = 0; i < 7; ++i) {
        if (dimension[i] == 0)
            continue;
        if (!text.isEmpty())
            text += QChar(0x00b7);
        text += QLatin1String(kBases[i]);
        if (dimension[i] != 1) {
            if (dimension[i] < 0)
                text += QChar(0x207b);
            for (QChar digit : QString::number(std::abs(dimension[i])))
                text += kSuperscripts[digit.digitValue()];
        }
    }
    return text.isEmpty() ? QStringLiteral("1") : text;
}

bool TextAt(const wchar_t* text, size_t at, const std::wstring& piece) {
    return !piece.empty() && std::wcsncmp(text + at, piece.c_str(), piece.size()) == 0;
}

bool TextBefore(const wchar_t* text, size_t at, const std::wstring& piece) {
    return !piece.empty() && piece.size() <= at && TextAt(text, at - piece.size(), piece);
}

// The number around the misplaced group separator at `at`, its digits and separators with the
// negative sign before them, written with the separators' roles swapped («1.5» of «1,5» under
// the default settings), when that is one number under the formatter's settings; else empty.
QString SwappedSeparators(const FormatterState& state, const wchar_t* text, size_t at) {
    const NumberSettings& number = state.Number();
    const std::wstring& group = number.groupSeparator;
    const std::wstring& decimal = number.decimalSeparator;
    if (group == decimal)
        return QString();
    // Each separator with the other, the longer first should one begin with the other.
    struct Swap {
        const std::wstring* from;
        const std::wstring* to;
    };
    const Swap longer =
        group.size() >= decimal.size() ? Swap{&group, &decimal} : Swap{&decimal, &group};
    const Swap swaps[] = {longer, {longer.to, longer.from}};
    // The swap of the separator that ends before a position of the text, or that starts at it;
    // null for none.
    auto swapBefore = [&](size_t end) -> const Swap* {
        for (const Swap& swap : swaps)
            if (TextBefore(text, end, *swap.from))
                return &swap;
        return nullptr;
    };
    auto swapAt = [&](size_t begin) -> const Swap* {
        for (const Swap& swap : swaps)
            if (TextAt(text, begin, *swap.from))
                return &swap;
        return nullptr;
    };
    const wchar_t* const digits = number.nativeDigits;
    auto isDigit = [&](wchar_t c) {
        return c != L'\0' && std::find(digits, digits + 10, c) != digits + 10;
    };

    size_t begin = at;
    for (;;) {
        if (begin > 0 && isDigit(text[begin - 1]))
            --begin;
        else if (const Swap* swap = swapBefore(begin))
            begin -= swap->from->size();
        else
            break;
    }
    std::wstring swapped;
    if (TextBefore(text, begin, number.negativeSign))
        swapped = number.negativeSign;
    for (size_t end = begin;;) {
        if (isDigit(text[end])) {
            swapped += text[end++];
        } else if (const Swap* swap = swapAt(end)) {
            swapped += *swap->to;
            end += swap->from->size();
        } else {
            break;
        }
    }
    double value = 0;
    NumberFlags flags{};
    if (ScanNumber(state.NumberTokens(), DigitGrouping(number), swapped.c_str(), &value, &flags) !=
            swapped.size() ||
        (flags & (OutOfRange | MisplacedGroupSeparator)) != 0)
        return QString();
    return QString::fromStdWString(swapped);
}

// The name of a group as a sentence writes it: the names are capitalized as in a list
// («Linear Weight», «Длина»), and inside a sentence their words begin with a small letter
// («linear weight», «длина»), except in German, where nouns keep their capital. A word whose
// second letter is a capital too is left as it is (an abbreviation).
QString GroupName(const UnitsFormatter& formatter, int group) {
    QString name = formatter.GetDisplayName(group);
    if (QLocale(formatter.GetLocaleName()).language() == QLocale::German)
        return name;
    for (qsizetype i = 0; i < name.size(); ++i) {
        bool wordStart = i == 0 || name[i - 1] == QLatin1Char(' ');
        bool abbreviation = i + 1 < name.size() && name[i + 1].isUpper();
        if (wordStart && !abbreviation)
            name[i] = name[i].toLower();
    }
    return name;
}

} // namespace

ErrorCode ParseDiagnostics::Parse(const UnitsFormatter& formatter, const wchar_t* text,
                                  double& value, int unit, ParseDiagnosis& diagnosis) {
    diagnosis = ParseDiagnosis();
    const FormatterState& state = *formatter.state;
    ParseReport report;
    ErrorCode result = state.Parse(text, value, unit);
    if (result == ecSuccess)
        return result;
    diagnosis.problem = report.Problem() != ppNone ? report.Problem() : ppMissingUnit;
    size_t textLength = text != nullptr ? std::wcslen(text) : 0;
    if (!report.Where(&diagnosis.position, &diagnosis.length)) {
        diagnosis.position = textLength;
        diagnosis.length = 0;
    }
    if (diagnosis.problem == ppUnknownText)
        ExtendToWord(text, diagnosis);
    size_t parenthesis = 0;
    if (MayBeAnotherKind(diagnosis.problem) && UnpairedParenthesis(text, &parenthesis)) {
        // «(5 ft» fails at its unit, but what is wrong is the parenthesis.
        diagnosis.problem = ppUnbalancedParenthesis;
        diagnosis.position = parenthesis;
        diagnosis.length = 1;
    }
    if (diagnosis.problem == ppWrongDimension) {
        std::copy_n(report.Found(), 7, diagnosis.foundDimension);
        diagnosis.foundGroup = report.FoundGroup() != 0
                                   ? report.FoundGroup()
                                   : UnitsConfig::GetInstance()->FindUnitGroup(report.Found());
    } else if (MayBeAnotherKind(diagnosis.problem)) {
        const UnitConverter* asked = UnitsConfig::GetInstance()->FindConverter(unit);
        for (const Kind& kind : kOtherKinds) {
            const UnitConverter* other = UnitsConfig::GetInstance()->FindConverter(kind.unit);
            double base = 0;
            if (asked == nullptr || other == nullptr ||
                std::equal(asked->GetDimTag(), asked->GetDimTag() + 7, other->GetDimTag()))
                continue;
            ParseReport quiet;
            if (state.Parse(text, base, other->GetDimTag(), kind.group) == ecSuccess) {
                diagnosis.problem = ppWrongDimension;
                diagnosis.position = 0;
                diagnosis.length = textLength;
                diagnosis.foundGroup = kind.group;
                std::copy_n(other->GetDimTag(), 7, diagnosis.foundDimension);
                break;
            }
        }
    }
    return result;
}

QString ParseDiagnostics::Message(const UnitsFormatter& formatter, const wchar_t* text, int unit,
                                  const ParseDiagnosis& diagnosis) {
    const TranslationSet& translations = formatter.state->Translations();
    QString message = translations.Translate("ParseProblem", MessageOf(diagnosis.problem));
    QString piece;
    if (text != nullptr) {
        size_t length = std::wcslen(text);
        size_t begin = std::min(diagnosis.position, length);
        size_t end = std::min(begin + diagnosis.length, length);
        piece = QString::fromWCharArray(text + begin, static_cast<int>(end - begin));
        if (diagnosis.problem == ppMisplacedGroupSeparator && begin < length) {
            QString swapped = SwappedSeparators(*formatter.state, text, begin);
            if (!swapped.isEmpty())
                return translations.Translate("ParseProblem", kSwappedSeparators)
                    .replace(QStringLiteral("%1"), piece)
                    .replace(QStringLiteral("%2"), swapped);
        }
    }
    QString found = diagnosis.foundGroup != 0 ? GroupName(formatter, diagnosis.foundGroup)
                                              : BaseUnits(diagnosis.foundDimension);
    QString asked = GroupName(formatter, ids::GroupOf(unit));
    return message.replace(QStringLiteral("%1"), piece)
        .replace(QStringLiteral("%2"), found)
        .replace(QStringLiteral("%3"), asked);
}

ErrorCode ParseDiagnostics::Parse(const UnitsFormatter& formatter, QStringView text, double& value,
                                  int unit, ParseDiagnosis& diagnosis) {
    ErrorCode result = Parse(formatter, os::WideText(text), value, unit, diagnosis);
    size_t end = os::Utf16Position(text, diagnosis.position + diagnosis.length);
    diagnosis.position = os::Utf16Position(text, diagnosis.position);
    diagnosis.length = end - diagnosis.position;
    return result;
}

QString ParseDiagnostics::Message(const UnitsFormatter& formatter, QStringView text, int unit,
                                  const ParseDiagnosis& diagnosis) {
    ParseDiagnosis wide = diagnosis;
    size_t end = os::WidePosition(text, diagnosis.position + diagnosis.length);
    wide.position = os::WidePosition(text, diagnosis.position);
    wide.length = end - wide.position;
    return Message(formatter, os::WideText(text), unit, wide);
}

} // namespace velmar::platform::core::units
