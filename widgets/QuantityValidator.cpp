#include <ViVuzaZadurUIWidgets/QuantityValidator.h>

#include "FieldFormatter.h"
#include "WideText.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>

namespace velmar::platform::core::units {

namespace {

// Whether typing on can make a text that is not a quantity one (see the class comment).
bool MayBecomeQuantity(const QString& text, size_t cursor, const ParseDiagnosis& diagnosis) {
    switch (diagnosis.problem) {
    case ppUnknownUnit:
        return false;
    // More text mends these wherever they are: an operator and units after a quantity of
    // another dimension, a unit or mark after a number, the rest of a composite notation
    // (which fails at its head while unfinished: «N 45» at its N), a pole before a bearing,
    // the rest of a digit group («1,2» on the way to «1,234»).
    case ppEmptyText:
    case ppWrongDimension:
    case ppMissingUnit:
    case ppMisplacedMark:
    case ppBearingWithoutPole:
    case ppMisplacedGroupSeparator:
        return true;
    default:
        break;
    }
    if (text.count(QLatin1Char('(')) > text.count(QLatin1Char(')')))
        return true;
    // The problem is being typed; a number may also still go in before a unit that lacks
    // one, as when the number of «5 m/s²» has just been deleted.
    size_t end = diagnosis.position + diagnosis.length;
    if (diagnosis.problem == ppMissingNumber)
        return cursor <= end;
    return diagnosis.position <= cursor && cursor <= end;
}

} // namespace

QuantityValidator::QuantityValidator(int unit, QObject* parent)
    : QuantityValidator(unit, nullptr, parent) {}

QuantityValidator::QuantityValidator(int unit, const UnitsFormatter* formatter, QObject* parent)
    : QValidator(parent),
      formatter_(std::make_unique<FieldFormatter>(formatter, locale(), OwnFormat())), unit_(unit) {
    // QValidator::setLocale announces itself with changed().
    connect(this, &QValidator::changed, this, &QuantityValidator::followLocale);
}

QuantityValidator::~QuantityValidator() = default;

int QuantityValidator::unit() const {
    return unit_;
}

void QuantityValidator::setUnit(int unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    emit changed();
}

const UnitsFormatter& QuantityValidator::formatter() const {
    return formatter_->Get();
}

void QuantityValidator::setFormatter(const UnitsFormatter* formatter) {
    formatter_->Share(formatter);
    emit changed();
}

void QuantityValidator::followLocale() {
    formatter_->SetLocale(locale());
}

QValidator::State QuantityValidator::validate(QString& input, int& pos) const {
    WideText text(input, pos);
    double value = 0;
    ParseDiagnosis diagnosis;
    if (ParseDiagnostics::Parse(formatter(), text.Get(), value, unit_, diagnosis) == ecSuccess)
        return Acceptable;
    return MayBecomeQuantity(input, text.Cursor(), diagnosis) ? Intermediate : Invalid;
}

} // namespace velmar::platform::core::units
