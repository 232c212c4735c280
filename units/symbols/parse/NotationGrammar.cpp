// The composite notations of surveying and construction, read as grammars over the symbols of a
// text, and the letters whose meaning depends on the quantity the text must be.
//
// After the first walk of the evaluation, a text that holds a degree sign, a prime, a double
// prime or a compass letter is read whole by the grammar of the target:
//
//   length    feet | feet inches | inches ″          feet and inches
//   time      the same, with minutes and seconds
//   angle     letter | [pole] dms [east-west]          degrees-minutes-seconds and bearings
//
//   feet      mixed ′        a plain number when inches follow
//   inches    mixed [″]      after feet
//   dms       degrees | degrees minutes | degrees minutes seconds
//             | minutes | minutes seconds | seconds ″
//   degrees   mixed °        a plain number when minutes follow; «d» is the degree sign
//   minutes   mixed ′        after degrees a plain number without a minus, and the prime is
//                            required («45°30» has minutes without their mark)
//   seconds   mixed [″]      after minutes
//   pole      N | S          the pole a bearing's angle is measured from
//   east-west E | W          the side the bearing turns to; N, S, E and W alone are 90°, −90°,
//                            0° and 180°
//   mixed     number | number / number | number number / number
//
// The parts fold into a number of the smallest unit written, which gives the value: the sign of
// the first number governs the whole («-5'6"» is −66″, «-45°30'» is −45.5°), and the minus of a
// later number is the dash the scanner read as a sign («5'-6"», «5-1/2"»). A bearing's angle lies
// between 0° and 90° and turns from its pole towards east or west; the result is counted
// counterclockwise from east: «N 45° E» is 45°, «N 45° W» 135°, «S 45° E» −45°.
#include "units/symbols/parse/NotationGrammar.h"

#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseReport.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace velmar::platform::core::units {

using namespace evaluation;

namespace {

// A right angle in seconds of arc.
constexpr double kQuarterTurn = 324000;

// The marks that make a text a composite notation.
constexpr unsigned kNotationMarks = IParseSymbol::DegreeKind | IParseSymbol::PrimeKind |
                                    IParseSymbol::DoublePrimeKind | IParseSymbol::ColonKind |
                                    IParseSymbol::NorthKind | IParseSymbol::SouthKind |
                                    IParseSymbol::EastKind | IParseSymbol::WestKind;

// More symbols than the longest notation has («N 45° 30′ 15 1/2″ E»): no notation.
constexpr size_t kMaxTokens = 24;

// What the grammar sees of a symbol.
enum class Token {
    Number,
    Division,
    Degree,
    Prime,
    DoublePrime,
    Colon,
    North,
    South,
    East,
    West,
    Other
};

Token TokenOf(const IParseSymbol& symbol) {
    static const std::pair<unsigned, Token> kTokens[] = {
        {IParseSymbol::NumberKind, Token::Number},
        {IParseSymbol::DivisionKind, Token::Division},
        {IParseSymbol::DegreeKind, Token::Degree},
        {IParseSymbol::PrimeKind, Token::Prime},
        {IParseSymbol::DoublePrimeKind, Token::DoublePrime},
        {IParseSymbol::ColonKind, Token::Colon},
        {IParseSymbol::NorthKind, Token::North},
        {IParseSymbol::SouthKind, Token::South},
        {IParseSymbol::EastKind, Token::East},
        {IParseSymbol::WestKind, Token::West},
    };
    for (const auto& [kind, token] : kTokens)
        if (symbol.kinds & kind)
            return token;
    return Token::Other;
}

// A value read by a grammar, in the smallest unit written.
struct Reading {
    double value;
    int unit;
};

// The units of a notation with a prime and a double prime.
struct PrimeUnits {
    int major;     // foot, minute, angle minute
    int minor;     // inch, second, angle second
    double factor; // minor units in a major one
};

class Grammar {
public:
    Grammar(SymbolList& list, const int* target) : list_(list), target_(target) {}

    ErrorCode Read() {
        bool angle = IsAngle(target_);
        bool length = !angle && IsLength(target_);
        bool time = !angle && !length && IsTime(target_);
        if (!angle && !length && !time)
            return FailAtMark(0, list_.size()); // the marks mean nothing here
        if (!Tokenize())
            return ecFailure;
        if (angle)
            return ReadAngle();
        Reading reading{};
        if (Find(Token::Colon, 0, count_) != count_) {
            if (!time || ReadColons(0, count_, true, &reading) != ecSuccess)
                return time ? ecFailure : FailAtMark(0, count_);
            return Finish(reading);
        }
        PrimeUnits units = length ? PrimeUnits{Units::Foot, Units::Inch, 12}
                                  : PrimeUnits{Units::Minute, Units::Second, 60};
        if (ReadPrimes(0, count_, units, true, &reading) != ecSuccess)
            return ecFailure;
        return Finish(reading);
    }

private:
    bool Tokenize() {
        count_ = 0;
        for (auto element = list_.begin(); element != list_.end(); ++element) {
            if (count_ == kMaxTokens) {
                (void)FailAtMark(0, count_);
                return false;
            }
            tokens_[count_] = TokenOf(*element->symbol);
            at_[count_++] = element;
        }
        return true;
    }

    bool Has(size_t i, Token token) const { return i < count_ && tokens_[i] == token; }
    const NumberSymbol& NumberAt(size_t i) const { return *As<NumberSymbol>(at_[i]); }

    // The index of the first token of the kind from `from` up to `to`, or `to`.
    size_t Find(Token token, size_t from, size_t to) const {
        while (from < to && tokens_[from] != token)
            ++from;
        return from;
    }

    // Fails at the first mark from `from` up to `to` (at the first element when there is none),
    // as a mark out of place.
    ErrorCode FailAtMark(size_t from, size_t to) {
        auto element = list_.begin();
        std::advance(element, static_cast<long>(std::min(from, list_.size())));
        for (size_t i = from; i < to && element != list_.end(); ++i, ++element)
            if ((element->symbol->kinds & kNotationMarks) != 0)
                return Fail(ppMisplacedMark, element);
        return Fail(ppMisplacedMark, list_.begin());
    }

    // Reads the tokens from `from` up to `to` as a mixed number; otherwise fails at them when
    // they are several, at the mark they belong to when one, unless the reader has said why.
    ErrorCode Mixed(size_t from, size_t to, size_t mark, LaterMinus laterMinus, double* value) {
        ParseReport* report = ParseReport::Current();
        int noted = report != nullptr ? report->Count() : 0;
        if (from < to && ReadMixedNumber(at_[from], to < count_ ? at_[to] : list_.end(), laterMinus,
                                         value) == ecSuccess)
            return ecSuccess;
        if (report != nullptr && report->Count() != noted)
            return ecFailure;
        // «6 7» of «5'6 7"»: the part itself is what to change, not its mark.
        if (to - from > 1)
            return Fail(ppMissingUnit, at_[from], at_[std::min(to, count_) - 1]);
        return mark < count_ ? Fail(ppMisplacedMark, at_[mark]) : FailAtMark(0, count_);
    }

    // The major count with the minor part folded in: the sign of the major number governs.
    static double Fold(const NumberSymbol& major, double majorValue, double minor, double factor) {
        double magnitude = std::abs(minor);
        return IsNegative(major) ? majorValue * factor - magnitude
                                 : majorValue * factor + magnitude;
    }

    // Whether the tokens from `from` up to `to` are numbers and fraction bars, and those marks.
    bool OnlyNumbersAnd(size_t from, size_t to, Token mark, Token other) const {
        for (size_t i = from; i < to; ++i)
            if (!Has(i, Token::Number) && !Has(i, Token::Division) && !Has(i, mark) &&
                !Has(i, other))
                return false;
        return true;
    }

    // A minor part from `from` up to `to`: a mixed number, then the double prime, which is
    // optional unless markRequired.
    ErrorCode ReadMinor(size_t from, size_t to, bool markRequired, double* value) {
        size_t doublePrime = Find(Token::DoublePrime, from, to);
        if (!OnlyNumbersAnd(from, to, Token::DoublePrime, Token::DoublePrime) ||
            (doublePrime != to && doublePrime != to - 1) || (markRequired && doublePrime == to))
            return FailAtMark(from, to);
        // A part that is no number is the fault of the mark it belongs to: the prime it follows,
        // or its own double prime.
        size_t mark = from > 0 && Has(from - 1, Token::Prime) ? from - 1 : doublePrime;
        return Mixed(from, doublePrime, mark, LaterMinus::Separates, value);
    }

    // major ′ | major ′ minor [″] | minor ″, from `from` up to `to`. The double prime after
    // a major count may be left out only where the text ends (endsText).
    ErrorCode ReadPrimes(size_t from, size_t to, const PrimeUnits& units, bool endsText,
                         Reading* reading) {
        if (!OnlyNumbersAnd(from, to, Token::Prime, Token::DoublePrime))
            return FailAtMark(from, to);
        size_t prime = Find(Token::Prime, from, to);
        double value = 0;
        if (prime == to) {
            if (ReadMinor(from, to, true, &value) != ecSuccess)
                return ecFailure;
            *reading = {value, units.minor};
            return ecSuccess;
        }
        if (prime == to - 1) {
            if (Mixed(from, prime, prime, LaterMinus::Refused, &value) != ecSuccess)
                return ecFailure;
            *reading = {value, units.major};
            return ecSuccess;
        }
        // The major count is one number, and the minor part follows its prime.
        if (prime != from + 1 || !Has(from, Token::Number) ||
            Find(Token::Prime, prime + 1, to) != to)
            return FailAtMark(from, to);
        if (ReadMinor(prime + 1, to, !endsText, &value) != ecSuccess)
            return ecFailure;
        const NumberSymbol& major = NumberAt(from);
        *reading = {Fold(major, major.value, value, units.factor), units.minor};
        return ecSuccess;
    }

    // Fails unless a later part of an angle or a clock time lies below 60.
    ErrorCode BelowSixty(double value, size_t at) {
        return value < 60 ? ecSuccess : Fail(ppAboveFiftyNine, at_[at]);
    }

    // Degrees, minutes and seconds from `from` up to `to`; endsText as for ReadPrimes. After
    // degrees the mark of the last part may be left out («33d10» has 10 minutes), the seconds
    // may follow the degrees directly («4d9"»), and minutes and seconds lie below 60.
    ErrorCode ReadDms(size_t from, size_t to, bool endsText, Reading* reading) {
        const PrimeUnits arc{Units::AngleMinute, Units::AngleSecond, 60};
        if (Find(Token::Colon, from, to) != to)
            return ReadColons(from, to, false, reading);
        size_t degree = Find(Token::Degree, from, to);
        if (degree == to)
            return ReadPrimes(from, to, arc, endsText, reading);
        if (Find(Token::Degree, degree + 1, to) != to)
            return FailAtMark(from, to);
        double value = 0;
        if (degree == to - 1) {
            if (Mixed(from, degree, degree, LaterMinus::Refused, &value) != ecSuccess)
                return ecFailure;
            *reading = {value, Units::Degree};
            return ecSuccess;
        }
        // Degrees followed by minutes or seconds: «45°30'», «45°30», «45°30'15"», «4°9"».
        if (degree != from + 1 || !Has(from, Token::Number) || !Has(degree + 1, Token::Number))
            return FailAtMark(from, to);
        const NumberSymbol& degrees = NumberAt(from);
        const NumberSymbol& next = NumberAt(degree + 1);
        if (IsNegative(next))
            return Fail(ppNegativeMinutes, at_[degree + 1]);
        if (BelowSixty(next.value, degree + 1) != ecSuccess)
            return ecFailure;
        size_t mark = degree + 2;
        if (mark == to) {
            *reading = {Fold(degrees, degrees.value, next.value, 60), Units::AngleMinute};
            return ecSuccess;
        }
        if (Has(mark, Token::DoublePrime) && mark == to - 1) {
            *reading = {Fold(degrees, degrees.value * 60, next.value, 60), Units::AngleSecond};
            return ecSuccess;
        }
        if (!Has(mark, Token::Prime))
            return Fail(ppMinutesWithoutPrime, at_[degree + 1]);
        double totalMinutes = Fold(degrees, degrees.value, next.value, 60);
        if (mark == to - 1) {
            *reading = {totalMinutes, Units::AngleMinute};
            return ecSuccess;
        }
        double seconds = 0;
        if (ReadMinor(mark + 1, to, !endsText, &seconds) != ecSuccess ||
            BelowSixty(std::abs(seconds), mark + 1) != ecSuccess)
            return ecFailure;
        *reading = {Fold(degrees, totalMinutes, seconds, 60), Units::AngleSecond};
        return ecSuccess;
    }

    // Parts separated by colons, as geodesy tools write angles («45:30:15», «0:30»,
    // «-70:00:45») and clocks write times («1:30:00»). The first part's minus governs; the later
    // parts are whole numbers below 60 without a sign, but for a fraction in the last one. A
    // time needs all three parts: «1:30» could be hours or minutes.
    ErrorCode ReadColons(size_t from, size_t to, bool time, Reading* reading) {
        size_t parts = 0;
        double total = 0;
        const NumberSymbol* first = nullptr;
        for (size_t i = from; i < to; i += 2, ++parts) {
            // A number, then a colon before each later number; the message names the colon
            // out of place: the second of «4::5», the first of «:4:5», the last of «4:5:», the
            // third of «1:2:3:4».
            if (!Has(i, Token::Number))
                return Has(i, Token::Colon) ? Fail(ppMisplacedMark, at_[i]) : FailAtMark(from, to);
            if (parts == 3)
                return Fail(ppMisplacedMark, at_[i - 1]);
            if (i + 1 == to - 1)
                return Fail(ppMisplacedMark, at_[i + 1]);
            if (i + 1 < to && !Has(i + 1, Token::Colon))
                return FailAtMark(from, to);
            const NumberSymbol& part = NumberAt(i);
            if (first == nullptr) {
                first = &part;
                total = part.value;
                continue;
            }
            bool last = i + 1 >= to;
            if (IsNegative(part) || (!last && (part.flags & DecimalSeparatorSeen) != 0))
                return Fail(ppMisplacedMark, at_[i - 1]);
            if (BelowSixty(part.value, i) != ecSuccess)
                return ecFailure;
            total = Fold(*first, total, part.value, 60);
        }
        if (time && parts != 3)
            return Fail(ppAmbiguousTime, at_[from], at_[to - 1]);
        static const int kUnits[][3] = {{Units::Degree, Units::AngleMinute, Units::AngleSecond},
                                        {Units::Hour, Units::Minute, Units::Second}};
        *reading = {total, kUnits[time ? 1 : 0][parts - 1]};
        return ecSuccess;
    }

    ErrorCode ReadAngle() {
        if (count_ == 1) {
            // A compass letter alone: the direction itself.
            switch (tokens_[0]) {
            case Token::North:
                return Finish({90, Units::Degree});
            case Token::South:
                return Finish({-90, Units::Degree});
            case Token::East:
                return Finish({0, Units::Degree});
            case Token::West:
                return Finish({180, Units::Degree});
            default:
                break;
            }
        }
        size_t from = 0;
        size_t to = count_;
        bool pole = Has(0, Token::North) || Has(0, Token::South);
        bool north = Has(0, Token::North);
        if (pole)
            from = 1;
        bool side = to > from && (Has(to - 1, Token::East) || Has(to - 1, Token::West));
        bool east = Has(to - 1, Token::East);
        if (side)
            --to;
        for (size_t i = from; i < to; ++i)
            if (Has(i, Token::North) || Has(i, Token::South) || Has(i, Token::East) ||
                Has(i, Token::West))
                return Fail(ppMisplacedMark, at_[i]);
        // N or S opens a bearing, which must end in E or W.
        if ((pole && !side) || from == to)
            return Fail(ppMisplacedMark, at_[0]);
        Reading reading{};
        double degrees = 0;
        bool plain = OnlyNumbersAnd(from, to, Token::Division, Token::Division);
        if (pole && side && plain) {
            // A bearing's angle may be a plain number of degrees: «N45E», «S 12.5 W».
            if (Mixed(from, to, to, LaterMinus::Refused, &degrees) != ecSuccess)
                return ecFailure;
            reading = {degrees, Units::Degree};
        } else if (ReadDms(from, to, !side, &reading) != ecSuccess) {
            return ecFailure;
        }
        if (!side)
            return Finish(reading);
        // Without a pole the quadrant is unknown: «45° E» is no bearing.
        if (!pole)
            return Fail(ppBearingWithoutPole, at_[to]);
        // Reckoned in the unit of the reading's last part, so that a bearing in whole degrees
        // is exact in degrees («N 30° E» is 60°, not 59.99999999999999° by way of radians).
        double quarter = reading.unit == Units::Degree        ? kQuarterTurn / 3600
                         : reading.unit == Units::AngleMinute ? kQuarterTurn / 60
                                                              : kQuarterTurn;
        double value = reading.value;
        if (!(value >= 0 && value <= quarter))
            return Fail(ppBearingOutOfRange, at_[from]);
        double angle = east ? (north ? quarter - value : value - quarter)
                            : (north ? value + quarter : -quarter - value);
        return Finish({angle, reading.unit});
    }

    ErrorCode Finish(const Reading& reading) {
        SymbolList::iterator position;
        return FinishWith(list_, reading.unit, reading.value, target_, position);
    }

    SymbolList& list_;
    const int* target_;
    Token tokens_[kMaxTokens];
    SymbolList::iterator at_[kMaxTokens];
    size_t count_ = 0;
};

// Replaces the element's symbol by a new operand of the unit.
void BecomeOperand(SymbolList::iterator element, int unit) {
    if (const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit))
        element->Reset(new GenericOperand(GenericConverter(*converter)), true);
}

// A letter that turns into a unit outside angles, and stays a compass point in them.
ErrorCode CompassLetterFirstWalk(SymbolList::iterator& position, const int* target, int unit) {
    if (!IsAngle(target))
        BecomeOperand(position, unit);
    ++position;
    return ecSuccess;
}

// A mark only advances the first walk; the grammar reads it afterwards, and the second walk of
// a unit expression never reaches it.
ErrorCode MarkEvaluate(SymbolList::iterator& position, bool firstPass) {
    if (!firstPass)
        return ecFailure;
    ++position;
    return ecSuccess;
}

} // namespace

bool IsNotation(const SymbolList& list) {
    for (const SymbolRef& element : list)
        if ((element.symbol->kinds & kNotationMarks) != 0)
            return true;
    return false;
}

ErrorCode ReadNotation(SymbolList& list, const int* targetDimension) {
    return Grammar(list, targetDimension).Read();
}

// «d» and «D» are the degree sign in an angle, and «d» the day elsewhere; «g» the grad in an
// angle, standard gravity in an acceleration, the gram elsewhere; N, S and W are compass letters
// in an angle and the newton, siemens and watt elsewhere.
ErrorCode DSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                            const int* targetDimension) const {
    if (!firstPass)
        return ecFailure;
    if (IsAngle(targetDimension))
        position->Reset(Shared<DegreeSymbol>(), false);
    else if (dayElsewhere)
        BecomeOperand(position, Units::Day);
    ++position;
    return ecSuccess;
}

ErrorCode GSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                            const int* targetDimension) const {
    if (!firstPass)
        return ecFailure;
    BecomeOperand(position, IsAngle(targetDimension)          ? Units::Grad
                            : IsAcceleration(targetDimension) ? Units::StandardGravity
                                                              : Units::Gram);
    ++position;
    return ecSuccess;
}

ErrorCode NorthSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                const int* targetDimension) const {
    if (!firstPass)
        return ecFailure;
    return CompassLetterFirstWalk(position, targetDimension, Units::Newton);
}

ErrorCode SouthSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                const int* targetDimension) const {
    if (!firstPass)
        return ecFailure;
    return CompassLetterFirstWalk(position, targetDimension, Units::Siemens);
}

ErrorCode WestSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                               const int* targetDimension) const {
    if (!firstPass)
        return ecFailure;
    return CompassLetterFirstWalk(position, targetDimension, Units::Watt);
}

ErrorCode EastSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                               const int*) const {
    return MarkEvaluate(position, firstPass);
}

ErrorCode ColonSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                const int*) const {
    return MarkEvaluate(position, firstPass);
}

ErrorCode DegreeSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                 const int*) const {
    return MarkEvaluate(position, firstPass);
}

ErrorCode PrimeSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                const int*) const {
    return MarkEvaluate(position, firstPass);
}

ErrorCode DoublePrimeSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                                      const int*) const {
    return MarkEvaluate(position, firstPass);
}

// A dash between two parts: after feet, before inches or a fraction («5' - 6"», «5 - 1/2"») it
// only separates, and goes; between two units («N-m») it multiplies. Anywhere else it is out of
// place.
ErrorCode DashSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool,
                               const int* targetDimension) const {
    auto right = std::next(position);
    if (position == list.begin() || right == list.end())
        return ecFailure;
    auto left = std::prev(position);
    while (left != list.begin() && Is<SpaceSymbol>(left))
        --left;
    bool separates = Is<OperandSymbol>(left) || Is<PrimeSymbol>(left) ||
                     (IsLength(targetDimension) && Is<NumberSymbol>(left) && left == list.begin());
    if (!separates)
        return ecFailure;
    while (right != list.end() && Is<SpaceSymbol>(right))
        ++right;
    if (right == list.end())
        return ecFailure;
    if (Is<NumberSymbol>(right)) {
        list.erase(std::next(left), right);
    } else if (Is<OperandSymbol>(right)) {
        auto times = std::next(left);
        times->Reset(Shared<MultiplicationSymbol>(), false);
        list.erase(std::next(times), right);
    } else {
        return ecFailure;
    }
    position = right;
    return ecSuccess;
}

} // namespace velmar::platform::core::units
