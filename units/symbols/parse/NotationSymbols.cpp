// The marks and letters of the composite notations: degrees-minutes-seconds, feet and inches,
// minutes and seconds, compass bearings, and the letters whose meaning depends on what the text
// must be (N the north or the newton, d degrees or days, g grads or grams).
//
// Degrees, minutes and seconds are folded from left to right into one number of the smallest
// unit written: the degree sign turns «d° m'» into minutes, the prime turns «m' s"» into seconds
// (and «f' i"» into inches), and the double prime or a bearing letter converts the total.
#include "units/symbols/parse/Evaluation.h"
#include "units/symbols/parse/FixedSymbols.h"
#include "units/symbols/parse/GenericOperand.h"
#include "units/symbols/parse/NumberSymbol.h"
#include "units/symbols/parse/ParseReport.h"
#include "units/util/CatalogueIds.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>

#include <cmath>
#include <iterator>

namespace velmar::platform::core::units {

using namespace evaluation;

namespace {

// A right angle in seconds of arc: bearings are reckoned in seconds.
constexpr double kQuarterTurn = 324000;

// Replaces the element's symbol by a new operand of the unit.
void BecomeOperand(SymbolList::iterator element, int unit) {
    if (const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit))
        element->Reset(new GenericOperand(GenericConverter(*converter)), true);
}

bool IsBearingLetter(SymbolList& list, SymbolList::iterator element) {
    return element != list.end() && (Is<EastSymbol>(element) || Is<WestSymbol>(element));
}

// A number of seconds, followed by a double prime, in place of the elements from the first one
// to the mark that ends the angle of a bearing; position is left on the bearing letter.
void StartBearing(SymbolList& list, double seconds, SymbolList::iterator mark,
                  SymbolList::iterator& position) {
    ReplaceWithNumber(list.begin(), seconds);
    mark->Reset(Shared<DoublePrimeSymbol>(), false);
    list.erase(std::next(list.begin()), mark);
    position = std::next(mark);
}

// A lone compass point in place of its own element, as an angle in degrees.
int FinishLone(SymbolList::iterator& position, double degrees, const int* target) {
    double base = 0;
    if (ConvertWith(Units::Degree, degrees, target, &base) != 0)
        return 1;
    position->Reset(new ResultSymbol(base, *reinterpret_cast<const DimensionTag*>(target)), true);
    position = std::next(position);
    return 0;
}

// E or W ends a bearing: the seconds in front of it are measured from the pole that opened the
// bearing, and the angle is counted counterclockwise from east. A lone E or W is 0° or 180°.
int BearingEnd(SymbolList& list, SymbolList::iterator& position, const int* target, bool east,
               Pole pole) {
    if (std::next(position) != list.end())
        return 1;
    if (position == list.begin())
        return FinishLone(position, east ? 0 : 180, target);
    auto mark = std::prev(position);
    if (mark == list.begin() || !Is<DoublePrimeSymbol>(mark))
        return 1;
    auto* seconds = As<NumberSymbol>(std::prev(mark));
    if (seconds == nullptr || std::prev(mark) != list.begin())
        return 1;
    // Without a pole the quadrant is unknown: «45° E» is no bearing.
    if (pole == Pole::None)
        return Fail(ppBearingWithoutPole, position);
    double s = seconds->value;
    if (!(s >= 0 && s <= kQuarterTurn))
        return Fail(ppBearingOutOfRange, std::prev(mark));
    bool north = pole == Pole::North;
    double angle = east ? (north ? kQuarterTurn - s : s - kQuarterTurn)
                        : (north ? s + kQuarterTurn : -kQuarterTurn - s);
    return FinishWith(list, Units::AngleSecond, angle, target, position);
}

// What the prime and the double prime mark in a text of the target dimension: feet and inches
// in a length, minutes and seconds in a time or an angle; nothing in any other.
struct MarkContext {
    explicit MarkContext(const int* target)
        : length(IsLength(target)), time(!length && IsTime(target)), angle(IsAngle(target)) {}
    bool MeansSomething() const { return length || time || angle; }

    const bool length;
    const bool time;
    const bool angle;
};

// A letter that turns into a unit outside angles, and stays a compass point in them.
int CompassLetterFirstWalk(SymbolList::iterator& position, const int* target, int unit) {
    if (!IsAngle(target))
        BecomeOperand(position, unit);
    ++position;
    return 0;
}

// A lone N or S: the pole itself. Otherwise the letter opens a bearing: it goes, and the E or W
// that must end the list learns the pole.
int PoleSecondWalk(SymbolList& list, SymbolList::iterator& position, const int* target, Pole pole) {
    auto last = std::prev(list.end());
    if (position == last)
        return FinishLone(position, pole == Pole::North ? 90 : -90, target);
    if (!IsBearingLetter(list, last))
        return 1;
    if (Is<EastSymbol>(last))
        last->Reset(SharedBearingEnd<EastSymbol>(pole), false);
    else
        last->Reset(SharedBearingEnd<WestSymbol>(pole), false);
    list.erase(position);
    position = list.begin();
    return 0;
}

} // namespace

int DSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                      const int* targetDimension) const {
    if (!firstPass)
        return 1;
    if (IsAngle(targetDimension))
        position->Reset(Shared<DegreeSymbol>(), false);
    else
        BecomeOperand(position, Units::Day);
    ++position;
    return 0;
}

int GSymbol::Evaluate(SymbolList&, SymbolList::iterator& position, bool firstPass,
                      const int* targetDimension) const {
    if (!firstPass)
        return 1;
    BecomeOperand(position, IsAngle(targetDimension) ? Units::Grad : Units::Gram);
    ++position;
    return 0;
}

int NorthSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                          const int* targetDimension) const {
    if (firstPass)
        return CompassLetterFirstWalk(position, targetDimension, Units::Newton);
    return PoleSecondWalk(list, position, targetDimension, Pole::North);
}

int SouthSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                          const int* targetDimension) const {
    if (firstPass)
        return CompassLetterFirstWalk(position, targetDimension, Units::Siemens);
    return PoleSecondWalk(list, position, targetDimension, Pole::South);
}

int EastSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                         const int* targetDimension) const {
    if (firstPass) {
        ++position;
        return 0;
    }
    return BearingEnd(list, position, targetDimension, true, pole);
}

int WestSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                         const int* targetDimension) const {
    if (firstPass)
        return CompassLetterFirstWalk(position, targetDimension, Units::Watt);
    return BearingEnd(list, position, targetDimension, false, pole);
}

// A dash between two parts: after feet, before inches or a fraction («5'-6-1/2"») it only
// separates; between two units («N-m») it multiplies.
int DashSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool,
                         const int* targetDimension) const {
    auto right = std::next(position);
    if (position == list.begin() || right == list.end())
        return 1;
    auto left = std::prev(position);
    while (left != list.begin() && Is<SpaceSymbol>(left))
        --left;
    bool separates = Is<OperandSymbol>(left) || Is<PrimeSymbol>(left) ||
                     (IsLength(targetDimension) && Is<NumberSymbol>(left) && left == list.begin());
    if (!separates)
        return 1;
    while (right != list.end() && Is<SpaceSymbol>(right))
        ++right;
    if (right == list.end())
        return 1;
    if (Is<NumberSymbol>(right)) {
        list.erase(std::next(left), right);
    } else if (Is<OperandSymbol>(right)) {
        auto times = std::next(left);
        times->Reset(Shared<MultiplicationSymbol>(), false);
        list.erase(std::next(times), right);
    } else {
        return 1;
    }
    position = right;
    return 0;
}

// «45°»: degrees; «45°30'»: degrees and minutes, folded into minutes for the prime; «45° E»:
// the angle of a bearing, in seconds. The number folded from degrees and minutes keeps the
// degrees' sign, so «-45°30'15"» is −(45° 30′ 15″).
int DegreeSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                           const int* targetDimension) const {
    if (firstPass) {
        ++position;
        return 0;
    }
    if (position == list.begin() || !IsAngle(targetDimension))
        return 1;
    auto before = std::prev(position);
    auto* degrees = As<NumberSymbol>(before);
    if (degrees == nullptr)
        return 1;
    auto after = std::next(position);
    double fraction = 0;
    if (after == list.end() && before != list.begin() && ReadFraction(list, before, &fraction))
        return FinishWith(list, Units::Degree, fraction, targetDimension, position); // «12 1/2°»
    if (after == list.end()) {
        double base = 0;
        if (ConvertWith(Units::Degree, degrees->value, targetDimension, &base) != 0)
            return 1;
        before->Reset(
            new ResultSymbol(base, *reinterpret_cast<const DimensionTag*>(targetDimension)), true);
        list.erase(position);
        position = list.begin();
        return 0;
    }
    if (IsBearingLetter(list, after)) {
        // The angle of a bearing opens the list once the pole has gone.
        if (before != list.begin())
            return 1;
        StartBearing(list, degrees->value * 3600, position, position);
        return 0;
    }
    auto* minutes = As<NumberSymbol>(after);
    if (minutes == nullptr)
        return 1;
    if (IsNegative(*minutes))
        return Fail(ppNegativeMinutes, after);
    auto prime = std::next(after);
    if (prime == list.end() || !Is<PrimeSymbol>(prime))
        return Fail(ppMinutesWithoutPrime, after);
    double total = IsNegative(*degrees) ? degrees->value * 60 - minutes->value
                                        : degrees->value * 60 + minutes->value;
    ReplaceWithNumber(before, total, degrees->flags);
    list.erase(position, prime);
    position = list.begin();
    return 0;
}

// «5'»: feet, minutes of time or of arc, by context. «5'6"», «5'6», «5' 6 1/2"»: feet and inches
// (or minutes and seconds), folded into the smaller unit for the double prime.
int PrimeSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                          const int* targetDimension) const {
    if (firstPass) {
        ++position;
        return 0;
    }
    MarkContext context(targetDimension);
    if (!context.MeansSomething() || position == list.begin())
        return 1;
    bool length = context.length;
    bool time = context.time;
    auto before = std::prev(position);
    auto* major = As<NumberSymbol>(before);
    if (major == nullptr)
        return 1;
    auto after = std::next(position);
    if (after != list.end() && !IsBearingLetter(list, after)) {
        // The minor part: a number, then nothing, a whole number and a fraction, a fraction, or
        // the double prime.
        if (before != list.begin() || !Is<NumberSymbol>(after))
            return 1;
        // What follows the minor number: nothing, the double prime, a fraction, or a whole
        // number and a fraction; then nothing or the double prime.
        auto rest = std::next(after);
        auto take = [&](auto... kinds) {
            auto element = rest;
            for (bool (*kind)(SymbolList::const_iterator) : {kinds...}) {
                if (element == list.end() || !kind(element))
                    return false;
                ++element;
            }
            rest = element;
            return true;
        };
        take(&Is<NumberSymbol>, &Is<DivisionSymbol>, &Is<NumberSymbol>) ||
            take(&Is<DivisionSymbol>, &Is<NumberSymbol>);
        if (rest != list.end() && !Is<DoublePrimeSymbol>(rest))
            return 1;
        bool hasMark = rest != list.end();
        ReplaceWithNumber(before, major->value * (length ? 12 : 60), major->flags);
        position = list.erase(position);
        if (!hasMark)
            list.emplace_back(Shared<DoublePrimeSymbol>(), false);
        return 0;
    }
    // A number, or a fraction or mixed number that opens the list: «1/2'», «12 1/2'».
    double value = major->value;
    if (before != list.begin() && !ReadFraction(list, before, &value))
        return 1;
    if (length)
        return FinishWith(list, Units::Foot, value, targetDimension, position);
    if (time)
        return FinishWith(list, Units::Minute, value, targetDimension, position);
    if (after != list.end()) {
        StartBearing(list, value * 60, position, position);
        return 0;
    }
    return FinishWith(list, Units::AngleMinute, value, targetDimension, position);
}

// Closes inches, seconds of time or seconds of arc, with whatever the prime and the degree sign
// folded in front: a number, a whole number and a second number, a fraction, or a mixed number
// after feet. The magnitudes of the later numbers are taken, so that a dash written straight
// before a number («5-1/2"», which reads 5 and −1/2) separates rather than negates; a minus
// written before the first number governs the whole.
int DoublePrimeSymbol::Evaluate(SymbolList& list, SymbolList::iterator& position, bool firstPass,
                                const int* targetDimension) const {
    if (firstPass) {
        ++position;
        return 0;
    }
    MarkContext context(targetDimension);
    if (!context.MeansSomething() || position == list.begin())
        return 1;
    auto after = std::next(position);
    if (after != list.end() && !IsBearingLetter(list, after))
        return 1;
    auto last = std::prev(position);
    auto* x = As<NumberSymbol>(last);
    if (x == nullptr)
        return 1;
    auto signedSum = [](const NumberSymbol& whole, double magnitude) {
        return IsNegative(whole) ? whole.value - magnitude : whole.value + magnitude;
    };
    double total = x->value;
    if (last != list.begin()) {
        auto before = std::prev(last);
        if (before == list.begin()) {
            auto* w = As<NumberSymbol>(before);
            if (w == nullptr)
                return 1;
            total = signedSum(*w, std::abs(x->value));
        } else {
            // x is a denominator.
            auto numerator = std::prev(before);
            auto* a = As<NumberSymbol>(numerator);
            if (!Is<DivisionSymbol>(before) || a == nullptr)
                return 1;
            if (x->value == 0)
                return Fail(ppZeroDenominator, last);
            if (numerator == list.begin()) {
                total = a->value / x->value;
            } else {
                double fraction = std::abs(a->value) / x->value;
                auto wholeElement = std::prev(numerator);
                auto* w = As<NumberSymbol>(wholeElement);
                if (w == nullptr)
                    return 1;
                if (wholeElement == list.begin()) {
                    total = signedSum(*w, fraction);
                } else {
                    auto feetElement = std::prev(wholeElement);
                    auto* f = As<NumberSymbol>(feetElement);
                    if (f == nullptr || feetElement != list.begin())
                        return 1;
                    total = signedSum(*f, std::abs(w->value) + fraction);
                }
            }
        }
    }
    if (after != list.end()) {
        ReplaceWithNumber(list.begin(), total);
        list.erase(std::next(list.begin()), position);
        position = after;
        return 0;
    }
    int unit = context.length ? Units::Inch : context.time ? Units::Second : Units::AngleSecond;
    return FinishWith(list, unit, total, targetDimension, position);
}

} // namespace velmar::platform::core::units
