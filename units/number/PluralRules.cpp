#include "units/number/PluralRules.h"

#include <unicode/locid.h>
#include <unicode/plurrule.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace velmar::platform::core::units {

namespace {

// The pieces of text between separators, each without the spaces around it.
std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    while (true) {
        size_t to = text.find(separator, from);
        std::string piece = text.substr(from, to == std::string::npos ? to : to - from);
        size_t first = piece.find_first_not_of(' ');
        size_t last = piece.find_last_not_of(' ');
        pieces.push_back(first == std::string::npos ? std::string()
                                                    : piece.substr(first, last - first + 1));
        if (to == std::string::npos)
            return pieces;
        from = to + separator.size();
    }
}

// A whole number of a rule: digits only.
bool ReadNumber(const std::string& text, double* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *value = std::strtod(text.c_str(), nullptr);
    return true;
}

// Whether a value (not negative) has no fraction: every double from 2^52 up is whole.
bool IsWhole(double value) {
    return !(value < 0x1p52) || value == static_cast<double>(static_cast<int64_t>(value));
}

// value mod modulus, as std::fmod gives it, in integers where they hold it exactly.
double Remainder(double value, double modulus) {
    if (std::abs(value) < 0x1p62 && IsWhole(std::abs(value)) && modulus < 0x1p62)
        return static_cast<double>(static_cast<int64_t>(value) % static_cast<int64_t>(modulus));
    return std::fmod(value, modulus);
}

} // namespace

PluralRules::PluralRules(const std::string& locale) {
    std::string name = locale;
    std::replace(name.begin(), name.end(), '-', '_');
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::PluralRules> rules(
        icu::PluralRules::forLocale(icu::Locale(name.c_str()), status));
    std::string text;
    if (U_SUCCESS(status) && rules)
        rules->getRules().toUTF8String(text);
    if (!Read(text)) {
        rules_.clear();
        chains_.clear();
        relations_.clear();
        ranges_.clear();
    }
    used_ = 1u << static_cast<unsigned>(PluralCategory::Other);
    for (const Rule& rule : rules_)
        used_ |= 1u << static_cast<unsigned>(rule.category);
}

// The rules as ICU writes them: «one: i in 1..1 and v in 0..0; other: », a category and its
// condition each, separated by semicolons; samples after «@», should there be any, are left.
bool PluralRules::Read(const std::string& text) {
    for (const std::string& ruleText : Split(text, ";")) {
        size_t colon = ruleText.find(':');
        if (colon == std::string::npos)
            return ruleText.empty();
        Rule rule{PluralCategory::Other, static_cast<unsigned>(chains_.size()), 0};
        std::string keyword = Split(ruleText.substr(0, colon), " ").back();
        if (!PluralCategoryOf(keyword.c_str(), &rule.category))
            return false;
        if (rule.category == PluralCategory::Other)
            continue;
        size_t samples = std::min(ruleText.find('@'), ruleText.size());
        std::string condition = ruleText.substr(colon + 1, samples - colon - 1);
        for (const std::string& alternative : Split(condition, " or ")) {
            Chain chain{static_cast<unsigned>(relations_.size()), 0};
            for (const std::string& relation : Split(alternative, " and "))
                if (!ReadRelation(relation))
                    return false;
            chain.end = static_cast<unsigned>(relations_.size());
            chains_.push_back(chain);
        }
        rule.end = static_cast<unsigned>(chains_.size());
        rules_.push_back(rule);
    }
    return true;
}

// «i mod 10 in 2..4», «v = 0», «n % 100 != 11..19», «n is not 1», «n within 0..2».
bool PluralRules::ReadRelation(const std::string& text) {
    std::vector<std::string> words;
    for (std::string& word : Split(text, " "))
        if (!word.empty())
            words.push_back(std::move(word));
    static const char kOperands[] = "nivwfte";
    if (words.empty() || words[0].size() != 1)
        return false;
    // c is the newer name of e.
    const char* operand = words[0] == "c" ? kOperands + 6 : std::strchr(kOperands, words[0][0]);
    if (operand == nullptr)
        return false;
    Relation relation;
    relation.operand = static_cast<Operand>(operand - kOperands);
    size_t at = 1;
    if (at + 1 < words.size() && (words[at] == "mod" || words[at] == "%")) {
        if (!ReadNumber(words[at + 1], &relation.modulus) || relation.modulus == 0)
            return false;
        at += 2;
    }
    // The operator. Only n can have a fraction, which "in" and "=" find in no range.
    bool integerOnly = true;
    if (at < words.size() && words[at] == "is") {
        integerOnly = false;
        ++at;
        if (at < words.size() && words[at] == "not") {
            relation.negated = true;
            ++at;
        }
    } else if (at < words.size() && (words[at] == "=" || words[at] == "!=")) {
        relation.negated = words[at] == "!=";
        ++at;
    } else {
        if (at < words.size() && words[at] == "not") {
            relation.negated = true;
            ++at;
        }
        if (at >= words.size() || (words[at] != "in" && words[at] != "within"))
            return false;
        integerOnly = words[at] == "in";
        ++at;
    }
    relation.integerOnly = integerOnly && relation.operand == Operand::N;
    // The ranges: «0..0, 1..1», «2..4», «1».
    std::string ranges;
    for (; at < words.size(); ++at)
        ranges += words[at];
    relation.firstRange = static_cast<unsigned>(ranges_.size());
    for (const std::string& range : Split(ranges, ",")) {
        size_t dots = range.find("..");
        Range read{0, 0};
        if (!ReadNumber(range.substr(0, dots), &read.low) ||
            !ReadNumber(dots == std::string::npos ? range : range.substr(dots + 2), &read.high))
            return false;
        ranges_.push_back(read);
    }
    relation.endRange = static_cast<unsigned>(ranges_.size());
    relations_.push_back(relation);
    return true;
}

bool PluralRules::Holds(const Relation& relation, const PluralOperands& number) const {
    double value = 0;
    switch (relation.operand) {
    case Operand::N:
        value = number.n;
        break;
    case Operand::I:
        value = static_cast<double>(number.i);
        break;
    case Operand::V:
        value = number.v;
        break;
    case Operand::W:
        value = number.w;
        break;
    case Operand::F:
        value = static_cast<double>(number.f);
        break;
    case Operand::T:
        value = static_cast<double>(number.t);
        break;
    case Operand::E:
        value = number.e;
        break;
    }
    bool holds = false;
    if (!relation.integerOnly || IsWhole(value)) {
        if (relation.modulus != 0)
            value = Remainder(value, relation.modulus);
        for (unsigned k = relation.firstRange; k < relation.endRange && !holds; ++k)
            holds = ranges_[k].low <= value && value <= ranges_[k].high;
    }
    return holds != relation.negated;
}

PluralCategory PluralRules::Select(const PluralOperands& number) const {
    for (const Rule& rule : rules_) {
        for (unsigned c = rule.first; c < rule.end; ++c) {
            unsigned r = chains_[c].first;
            while (r < chains_[c].end && Holds(relations_[r], number))
                ++r;
            if (r == chains_[c].end)
                return rule.category;
        }
    }
    return PluralCategory::Other;
}

} // namespace velmar::platform::core::units
