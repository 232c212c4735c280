#pragma once

#include "units/number/PluralCategory.h"
#include "units/number/PluralOperands.h"

#include <string>
#include <vector>

namespace velmar::platform::core::units {

// The plural rules of a language: which CLDR category a number as written falls in. ICU is
// the authority: the rules are ICU's own (icu::PluralRules::getRules), read once and applied
// here to the operands of the written number, which the number writer gives, without
// formatting the number again. ICU's own selection would format it again from a decimal
// string (icu::number::FormattedNumber), several times the cost of the whole text; its
// selection from a double cannot see visible fraction digits («1.00» is "other" in English).
// A test keeps the two in step over every language that ICU knows.
//
// Immutable once made; may be used on any thread.
class PluralRules {
public:
    // The rules of a locale's language: "ru_RU", "ru-RU" or "ru". A language that ICU does
    // not know has ICU's root rules, under which every number is "other"; so do rules whose
    // text this reader does not understand.
    explicit PluralRules(const std::string& locale);

    // The category of the number written with these operands.
    PluralCategory Select(const PluralOperands& number) const;

    // Whether the language uses a category; every language uses "other".
    bool Uses(PluralCategory category) const {
        return (used_ >> static_cast<unsigned>(category) & 1) != 0;
    }

private:
    enum class Operand : unsigned char { N, I, V, W, F, T, E };
    struct Range {
        double low, high;
    };
    // One relation of a condition: «i mod 10 in 2..4», «v = 0», «n within 0..2»; its ranges are
    // ranges_[firstRange, endRange).
    struct Relation {
        Operand operand = Operand::N;
        bool negated = false;
        bool integerOnly = false; // n with "in" or "=": a value with a fraction is in no range
        double modulus = 0;       // 0: none
        unsigned firstRange = 0, endRange = 0;
    };
    // Relations joined by "and": relations_[first, end).
    struct Chain {
        unsigned first, end;
    };
    // A category and its condition, chains joined by "or": chains_[first, end).
    struct Rule {
        PluralCategory category;
        unsigned first, end;
    };

    bool Read(const std::string& text);
    bool ReadRelation(const std::string& text);
    bool Holds(const Relation& relation, const PluralOperands& number) const;

    // Without "other", the category of what no rule takes.
    std::vector<Rule> rules_;
    std::vector<Chain> chains_;
    std::vector<Relation> relations_;
    std::vector<Range> ranges_;
    unsigned used_ = 0; // a bit for each category, by its value
};

} // namespace velmar::platform::core::units
