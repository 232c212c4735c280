#pragma once

#include <QStringList>

// What vvzunits shows without a command: a few quantities formatted in each locale.
class Demo {
public:
    // The shipped locales, in the order the demo shows them.
    static QStringList Locales();
    // Each locale's block writes numbers as that locale does («3.517 W» under de-DE), or with
    // the C conventions when cNumbers is set. False, at the first locale that Qt knows no
    // conventions of, before its block.
    static bool Write(const QStringList& locales, bool cNumbers);
};
