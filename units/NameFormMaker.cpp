#include "units/NameFormMaker.h"

#include "units/names/TranslationSet.h"
#include "units/number/PluralRules.h"

#include <algorithm>

namespace velmar::platform::core::units {

NameFormMaker::NameFormMaker(const TranslationSet& translations, const PluralRules& rules)
    : translations_(translations), rules_(rules) {
    std::vector<TranslationSet::PluralForm> forms = translations.PluralForms();
    auto sampleOf = [&](PluralCategory category) {
        QString keyword = QString::fromLatin1(PluralKeyword(category));
        for (const TranslationSet::PluralForm& form : forms)
            if (form.categories.contains(keyword))
                return form.sample;
        return -1;
    };
    for (size_t i = 0; i < kPluralCategoryCount; ++i) {
        auto category = static_cast<PluralCategory>(i);
        if (!rules.Uses(category))
            continue;
        int sample = sampleOf(category);
        if (sample < 0)
            sample = sampleOf(PluralCategory::Other);
        if (sample < 0)
            continue;
        auto same = std::find_if(samples_.begin(), samples_.end(),
                                 [sample](const Sample& s) { return s.n == sample; });
        if (same == samples_.end())
            same = samples_.insert(samples_.end(), Sample{sample, 0});
        same->categories |= 1u << i;
    }
}

std::unique_ptr<const NameForms> NameFormMaker::Make(int unitId,
                                                     const std::wstring& dictionaryForm) const {
    auto forms = std::make_unique<NameForms>(rules_, dictionaryForm);
    for (const Sample& sample : samples_) {
        std::wstring form = translations_.UnitDisplayName(unitId, sample.n).toStdWString();
        for (size_t i = 0; i < kPluralCategoryCount; ++i)
            if (sample.categories >> i & 1)
                forms->Set(static_cast<PluralCategory>(i), form);
    }
    if (forms->Forms().size() == 1)
        return nullptr;
    return forms;
}

} // namespace velmar::platform::core::units
