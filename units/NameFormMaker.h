#pragma once

#include "units/symbols/format/NameForms.h"

#include <memory>
#include <string>
#include <vector>

namespace velmar::platform::core::units {

class PluralRules;
class TranslationSet;

// Makes the forms of a locale's unit names from its name file. The file's numerus forms each
// serve some plural categories of its language, as TranslationSet::PluralForms tells; a
// category of the rules that no form lists takes the form of "other", and without that the
// dictionary form. A name's form for a category is the numerus form that an integer of the
// category takes.
class NameFormMaker {
public:
    // The set and the rules outlive the maker; the rules outlive the forms it makes.
    NameFormMaker(const TranslationSet& translations, const PluralRules& rules);

    // The forms of a unit's name, whose dictionary form is given; null for a name that has one
    // form for every number.
    std::unique_ptr<const NameForms> Make(int unitId, const std::wstring& dictionaryForm) const;

private:
    // An integer of the name file and the categories whose form it takes, a bit for each.
    struct Sample {
        int n;
        unsigned categories;
    };

    const TranslationSet& translations_;
    const PluralRules& rules_;
    std::vector<Sample> samples_;
};

} // namespace velmar::platform::core::units
