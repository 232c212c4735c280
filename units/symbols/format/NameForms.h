#pragma once

#include "units/number/PluralRules.h"

#include <string>
#include <vector>

namespace velmar::platform::core::units {

// The forms of a unit's name that agree with the number before it: «1 meter», «1.00 meters»;
// ru «1 метр», «2 метра», «5 метров», «1,5 метра». One form for each plural category of the
// locale's language, which its plural rules choose from the number as written.
class NameForms {
public:
    // Every category takes the dictionary form until Set gives it another. The rules outlive
    // the forms.
    NameForms(const PluralRules& rules, std::wstring dictionaryForm);

    // The form of a category; an empty one leaves the dictionary form.
    void Set(PluralCategory category, std::wstring form);

    // The form that agrees with a number written with these operands.
    const std::wstring& For(const PluralOperands& number) const {
        return forms_[formOf_[static_cast<size_t>(rules_.Select(number))]];
    }

    // Every form once, the dictionary form first.
    const std::vector<std::wstring>& Forms() const { return forms_; }

private:
    const PluralRules& rules_;
    std::vector<std::wstring> forms_;
    unsigned char formOf_[kPluralCategoryCount] = {}; // an index into forms_
};

} // namespace velmar::platform::core::units
