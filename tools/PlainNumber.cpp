#include "PlainNumber.h"

#include <ViVuzaZadurUI/UnitIds.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

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

} // namespace

PlainNumber::PlainNumber(const UnitsFormatter& formatter)
    : formatter(formatter), decimal(Setting(formatter, &UnitsFormatter::GetNumberDecimalSeparator)),
      group(Setting(formatter, &UnitsFormatter::GetNumberGroupSeparator)),
      negative(Setting(formatter, &UnitsFormatter::GetNegativeSign)),
      positive(Setting(formatter, &UnitsFormatter::GetPositiveSign)) {}

bool PlainNumber::Read(const QString& text, double& value) const {
    // Parse reads the number. The text holds nothing but digits, spaces and the texts of
    // separators, signs and exponent marks, so that it reads no unit without dimension
    // («50 %») and no fraction.
    QString rest = text;
    for (const QString& piece :
         {decimal, group, negative, positive, QStringLiteral("+"), QStringLiteral("-"),
          QStringLiteral("\u2212"), QStringLiteral("e"), QStringLiteral("E")})
        if (!piece.isEmpty())
            rest.remove(piece);
    wchar_t digits[10];
    formatter.GetNativeDigits(digits);
    const QString nativeDigits = QString::fromWCharArray(digits, 10);
    for (QChar c : rest)
        if (!c.isSpace() && !nativeDigits.contains(c))
            return false;
    const std::wstring number = text.toStdWString();
    double read = 0;
    if (formatter.Parse(number.c_str(), read, Units::Unitless) != ecSuccess)
        return false;
    value = read;
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
