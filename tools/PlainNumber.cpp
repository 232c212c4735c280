#include "PlainNumber.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <QLocale>
#include <QStringList>

#include <charconv>
#include <cmath>

using namespace velmar::platform::core::units;

namespace {

QString Setting(const UnitsFormatter& formatter,
                void (UnitsFormatter::*get)(wchar_t*, size_t) const) {
    wchar_t text[64];
    (formatter.*get)(text, 64);
    return QString::fromWCharArray(text);
}

// Removes a leading sign from text: true when it was a negative one.
bool TakeSign(QString& text, const QString& negative, const QString& positive) {
    for (const QString& sign : {negative, QStringLiteral("-")})
        if (!sign.isEmpty() && text.startsWith(sign)) {
            text.remove(0, sign.size());
            return true;
        }
    for (const QString& sign : {positive, QStringLiteral("+")})
        if (!sign.isEmpty() && text.startsWith(sign)) {
            text.remove(0, sign.size());
            break;
        }
    return false;
}

} // namespace

PlainNumber::PlainNumber(const UnitsFormatter& formatter)
    : decimal(Setting(formatter, &UnitsFormatter::GetNumberDecimalSeparator)),
      group(Setting(formatter, &UnitsFormatter::GetNumberGroupSeparator)),
      negative(Setting(formatter, &UnitsFormatter::GetNegativeSign)),
      positive(Setting(formatter, &UnitsFormatter::GetPositiveSign)) {}

bool PlainNumber::Read(const QString& text, double& value) const {
    QString number = text.trimmed();
    bool negated = TakeSign(number, negative, positive);
    // The parts before and after the decimal separator, each without its group separators.
    QStringList parts = number.split(decimal);
    if (parts.size() > 2)
        return false;
    for (QString& part : parts) {
        part.remove(group);
        // A point that is not the decimal separator is no part of the number.
        if (part.contains(QLatin1Char('.')))
            return false;
    }
    number = parts.join(QLatin1Char('.'));
    // QLocale::c() would take a second sign.
    if (number.isEmpty() || !(number[0].isDigit() || number[0] == QLatin1Char('.')))
        return false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool isNumber = false;
    double read = c.toDouble(number, &isNumber);
    if (!isNumber || !std::isfinite(read))
        return false;
    value = negated ? -read : read;
    return true;
}

std::wstring PlainNumber::Write(double value) const {
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, std::abs(value),
                              std::chars_format::general, 15)
                    .ptr;
    QString text = QString::fromLatin1(digits, static_cast<int>(end - digits));
    text.replace(QLatin1Char('.'), decimal);
    if (std::signbit(value) && value != 0)
        text.prepend(negative);
    return text.toStdWString();
}
