#include "platform/StringCompare.h"

#include "platform/LocaleTable.h"
#include "platform/UserLocale.h"

#include <QCollator>
#include <QLocale>

#include <map>
#include <memory>

namespace velmar::platform::core::os {

namespace {

// Building a collator is costly; sorting calls this for every pair, so keep one per LCID.
const QCollator* CollatorFor(unsigned long lcid) {
    thread_local std::map<unsigned long, std::unique_ptr<QCollator>> collators;
    auto found = collators.find(lcid);
    if (found != collators.end())
        return found->second.get();
    // Never QLocale's default, which the application thread may be setting meanwhile.
    const LocaleRecord* record = FindLocaleByLcid(lcid);
    if (lcid != kCustomDefaultLcid && record == nullptr)
        return nullptr;
    QLocale qtLocale = record == nullptr
                           ? QLocale::system()
                           : QLocale(QtLocaleName(QString::fromLatin1(record->cultureName)));
    return collators.emplace(lcid, std::make_unique<QCollator>(qtLocale)).first->second.get();
}

} // namespace

CompareResult CompareStrings(unsigned long lcid, const QString& a, const QString& b) {
    const QCollator* collator = CollatorFor(lcid);
    if (collator == nullptr)
        return CompareFailed;
    int result = collator->compare(a, b);
    return result < 0 ? CompareLess : result > 0 ? CompareGreater : CompareEqual;
}

} // namespace velmar::platform::core::os
