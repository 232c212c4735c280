#include "units/symbols/format/NameForms.h"

#include <algorithm>

namespace velmar::platform::core::units {

NameForms::NameForms(const PluralRules& rules, std::wstring dictionaryForm)
    : rules_(rules), forms_{std::move(dictionaryForm)} {}

void NameForms::Set(PluralCategory category, std::wstring form) {
    if (form.empty())
        return;
    auto found = std::find(forms_.begin(), forms_.end(), form);
    if (found == forms_.end())
        found = forms_.insert(forms_.end(), std::move(form));
    formOf_[static_cast<size_t>(category)] = static_cast<unsigned char>(found - forms_.begin());
}

} // namespace velmar::platform::core::units
