#pragma once

#include <QString>

namespace velmar::platform::core::os {

// Result of CompareStrings, as the platform's collating compare reports it.
enum CompareResult { CompareFailed = 0, CompareLess = 1, CompareEqual = 2, CompareGreater = 3 };

// Compares two strings by the collation of the locale with that LCID (ICU through QCollator).
// The custom default LCID 0x0C00 collates by the process's own locale; an LCID that is in no
// row of the locale table fails.
CompareResult CompareStrings(unsigned long lcid, const QString& a, const QString& b);

} // namespace velmar::platform::core::os
