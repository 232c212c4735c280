#pragma once

#include <cstddef>
#include <cstring>

namespace velmar::platform::core::units {

// The plural categories of CLDR, by which a language chooses the form of a word that agrees
// with a number: «1 meter», «2 meters»; ru «1 метр», «2 метра», «5 метров». A language uses
// some of them; "other" is in every language.
enum class PluralCategory : unsigned char { Zero, One, Two, Few, Many, Other };

constexpr size_t kPluralCategoryCount = 6;

// The CLDR keyword of a category: "zero", "one", "two", "few", "many", "other".
inline const char* PluralKeyword(PluralCategory category) {
    static const char* const keywords[kPluralCategoryCount] = {"zero", "one",  "two",
                                                               "few",  "many", "other"};
    return keywords[static_cast<size_t>(category)];
}

// The category of a CLDR keyword; false for a text that is none.
inline bool PluralCategoryOf(const char* keyword, PluralCategory* category) {
    for (size_t i = 0; i < kPluralCategoryCount; ++i) {
        auto candidate = static_cast<PluralCategory>(i);
        if (std::strcmp(keyword, PluralKeyword(candidate)) == 0) {
            *category = candidate;
            return true;
        }
    }
    return false;
}

} // namespace velmar::platform::core::units
