#pragma once

#include <QStringList>

// What vvzunits shows without a command: a few quantities formatted in each locale.
class Demo {
public:
    // The shipped locales, in the order the demo shows them.
    static QStringList Locales();
    static void Write(const QStringList& locales);
};
