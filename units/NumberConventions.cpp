#include <ViVuzaZadurUI/NumberConventions.h>

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include "units/FormatterState.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace velmar::platform::core::units {

namespace {

// The digit-group sizes of a locale, from the decimal separator outward, read off a long
// number as the locale writes it: «1,23,45,67,890» gives 3, 2. A locale that does not group
// gives a single 0.
std::vector<int> GroupSizes(const QLocale& locale) {
    std::vector<int> sizes;
    QString separator = locale.groupSeparator();
    if (separator.isEmpty())
        return {0};
    QStringList groups = locale.toString(1234567890123456.0, 'f', 0).split(separator);
    // The leftmost group may be short; the others are the sizes, rightmost first.
    for (qsizetype i = groups.size() - 1; i >= 1; --i)
        sizes.push_back(static_cast<int>(groups[i].size()));
    if (sizes.empty())
        return {0};
    // The last size repeats, so repeats at the end are dropped.
    while (sizes.size() >= 2 && sizes[sizes.size() - 1] == sizes[sizes.size() - 2])
        sizes.pop_back();
    return sizes;
}

} // namespace

ErrorCode NumberConventions::Apply(UnitsFormatter& formatter, const wchar_t* locale) {
    QString name = locale != nullptr && *locale != L'\0' ? QString::fromWCharArray(locale)
                                                         : formatter.state->AskedLocale();
    QLocale conventions(QString(name).replace(QLatin1Char('-'), QLatin1Char('_')));
    if (conventions.language() == QLocale::C && name != QLatin1String("C"))
        return ecFailure;
    std::vector<int> sizes = GroupSizes(conventions);
    std::wstring decimal = conventions.decimalPoint().toStdWString();
    std::wstring group = conventions.groupSeparator().toStdWString();
    // Check everything before changing anything.
    for (int size : sizes)
        if (size < 0 || size > 9)
            return ecFailure;
    if (decimal.empty())
        return ecFailure;
    if (formatter.SetNumberDecimalSeparator(decimal.c_str()) != ecSuccess)
        return ecFailure;
    // Checked above: neither of these refuses.
    if (!group.empty())
        (void)formatter.SetNumberGroupSeparator(group.c_str());
    (void)formatter.SetNumberGroupSizes(sizes.data(), static_cast<int>(sizes.size()));
    // The positive sign stays empty: locales write positive numbers without one.
    formatter.SetNegativeSign(conventions.negativeSign().toStdWString().c_str());
    return ecSuccess;
}

ErrorCode NumberConventions::Apply(UnitsFormatter& formatter, QStringView locale) {
    return Apply(formatter, locale.toString().toStdWString().c_str());
}

} // namespace velmar::platform::core::units
