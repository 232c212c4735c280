#include <ViVuzaZadurUIWidgets/QuantityLineEdit.h>

#include "FieldFormatter.h"
#include "WideText.h"

#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUIWidgets/QuantityValidator.h>

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmar::platform::core::units {

namespace {

// Texts a field writes are far shorter; Format fails rather than cut a longer one.
constexpr size_t kTextSize = 256;
// The frame around a field whose text is no quantity.
const QColor kInvalidFrame(0xd3, 0x2f, 0x2f);

// value in unit from, converted to unit to; false when they are not of one dimension.
bool Convert(double value, int from, int to, double& result) {
    if (from == to && from != 0) {
        result = value;
        return true;
    }
    const UnitConverter* source = UnitsConfig::GetInstance()->FindConverter(from);
    const UnitConverter* target = UnitsConfig::GetInstance()->FindConverter(to);
    double base = 0;
    return source != nullptr && target != nullptr &&
           source->ToBase(value, &base, source->GetDimTag()) == ecSuccess &&
           target->FromBase(base, source->GetDimTag(), &result) == ecSuccess;
}

} // namespace

struct QuantityLineEdit::Data {
    Data(const QLocale& locale, int unit, int display)
        : formatter(nullptr, locale, OwnFormat{2, nfNumber, unit, display}) {}

    FieldFormatter formatter; // its Format() holds the field's unit, display and settings
    QuantityValidator* validator = nullptr;
    double value = 0;
    double minimum = -std::numeric_limits<double>::infinity();
    double maximum = std::numeric_limits<double>::infinity();
    double step = 1;
    QString shown;   // the text last written from the value
    QString problem; // why the text is no quantity; empty while it is one
    QString toolTip; // the host's tool tip, put back when the problem goes
};

QuantityLineEdit::QuantityLineEdit(QWidget* parent) : QuantityLineEdit(0, 0, parent) {}

QuantityLineEdit::QuantityLineEdit(int unit, int display, QWidget* parent)
    : QLineEdit(parent), d(std::make_unique<Data>(locale(), unit, display)) {
    d->validator = new QuantityValidator(unit, &d->formatter.Get(), this);
    setValidator(d->validator);
    reformat();
}

QuantityLineEdit::~QuantityLineEdit() = default;

double QuantityLineEdit::value() const {
    return d->value;
}

int QuantityLineEdit::unit() const {
    return d->formatter.Format().unit;
}

void QuantityLineEdit::setUnit(int unit) {
    const OwnFormat& format = d->formatter.Format();
    setFormat(unit, format.display, format.precision, format.numericFormat);
}

int QuantityLineEdit::display() const {
    return d->formatter.Format().display;
}

void QuantityLineEdit::setDisplay(int display) {
    const OwnFormat& format = d->formatter.Format();
    setFormat(format.unit, display, format.precision, format.numericFormat);
}

double QuantityLineEdit::singleStep() const {
    return d->step;
}

void QuantityLineEdit::setSingleStep(double step) {
    d->step = step;
}

double QuantityLineEdit::minimum() const {
    return d->minimum;
}

void QuantityLineEdit::setMinimum(double minimum) {
    setRange(minimum, std::max(minimum, d->maximum));
}

double QuantityLineEdit::maximum() const {
    return d->maximum;
}

void QuantityLineEdit::setMaximum(double maximum) {
    setRange(std::min(d->minimum, maximum), maximum);
}

void QuantityLineEdit::setRange(double minimum, double maximum) {
    if (std::isnan(minimum) || std::isnan(maximum))
        return;
    d->minimum = minimum;
    d->maximum = std::max(minimum, maximum);
    if (d->value < d->minimum || d->value > d->maximum)
        store(d->value);
}

int QuantityLineEdit::decimalPrecision() const {
    return d->formatter.Format().precision;
}

void QuantityLineEdit::setDecimalPrecision(int precision) {
    const OwnFormat& format = d->formatter.Format();
    setFormat(format.unit, format.display, std::clamp(precision, 0, 99), format.numericFormat);
}

NumberFormat QuantityLineEdit::numericFormat() const {
    return d->formatter.Format().numericFormat;
}

void QuantityLineEdit::setNumericFormat(NumberFormat numericFormat) {
    const OwnFormat& format = d->formatter.Format();
    setFormat(format.unit, format.display, format.precision, numericFormat);
}

const UnitsFormatter& QuantityLineEdit::formatter() const {
    return d->formatter.Get();
}

void QuantityLineEdit::setFormatter(const UnitsFormatter* formatter) {
    d->formatter.Share(formatter);
    d->validator->setFormatter(&d->formatter.Get());
    reformat();
}

void QuantityLineEdit::prepareFormatter(UnitsFormatter& formatter, int unit, int display) {
    FieldFormatter::Prepare(formatter, unit, display);
}

bool QuantityLineEdit::isInvalid() const {
    return !d->problem.isEmpty();
}

QString QuantityLineEdit::problem() const {
    return d->problem;
}

void QuantityLineEdit::setValue(double value) {
    if (std::isfinite(value))
        store(value);
}

void QuantityLineEdit::stepBy(int steps) {
    if (!commit())
        return;
    int displayed = FieldFormatter::DisplayedSymbol(formatter(), unit(), display()) & 0xfffff;
    double shown = 0;
    double stepped = 0;
    if (Convert(d->value, unit(), displayed, shown) &&
        Convert(shown + steps * d->step, displayed, unit(), stepped) && std::isfinite(stepped))
        store(stepped);
}

void QuantityLineEdit::reformat() {
    d->shown = formatted();
    setText(d->shown);
    setProblem(QString());
}

QString QuantityLineEdit::formatted() const {
    const OwnFormat& format = d->formatter.Format();
    wchar_t buffer[kTextSize];
    return formatter().Format(d->value, format.unit, buffer, kTextSize, format.display) == ecSuccess
               ? QString::fromWCharArray(buffer)
               : QString();
}

bool QuantityLineEdit::isEdited() const {
    return text() != d->shown || isInvalid();
}

bool QuantityLineEdit::event(QEvent* event) {
    // Escape with something to put back is the field's, before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && isEdited()) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void QuantityLineEdit::keyPressEvent(QKeyEvent* event) {
    int steps = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        steps = 1;
        break;
    case Qt::Key_Down:
        steps = -1;
        break;
    case Qt::Key_PageUp:
        steps = 10;
        break;
    case Qt::Key_PageDown:
        steps = -10;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Before QLineEdit announces returnPressed and editingFinished, so that a host
        // reading value() then, or a dialog's default button, sees the new value.
        commit();
        break;
    case Qt::Key_Escape:
        if (isEdited()) {
            reformat();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (steps != 0 && !isReadOnly()) {
        stepBy(steps);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void QuantityLineEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu or completer popup takes the focus while the edit goes on.
    if (event->reason() != Qt::PopupFocusReason)
        commit();
    QLineEdit::focusOutEvent(event);
}

void QuantityLineEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && d->formatter.SetLocale(locale())) {
        d->validator->setFormatter(&d->formatter.Get());
        if (!isEdited()) {
            reformat();
        } else {
            // The value's text of the new locale is what an edit is compared with from now on.
            d->shown = formatted();
            if (isInvalid())
                read(false);
        }
    }
    QLineEdit::changeEvent(event);
}

void QuantityLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (d->problem.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(QPen(kInvalidFrame, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// Reads the text when it was edited since the value was last written: true when it holds the
// value (again), false when it is no quantity.
bool QuantityLineEdit::commit() {
    if (text() == d->shown) {
        setProblem(QString());
        return true;
    }
    return read(true);
}

bool QuantityLineEdit::read(bool announce) {
    WideText wide(text());
    double parsed = 0;
    ParseDiagnosis diagnosis;
    if (ParseDiagnostics::Parse(formatter(), wide.Get(), parsed, unit(), diagnosis) != ecSuccess) {
        setProblem(ParseDiagnostics::Message(formatter(), wide.Get(), unit(), diagnosis));
        if (announce)
            emit textRejected(d->problem);
        return false;
    }
    store(parsed);
    return true;
}

void QuantityLineEdit::store(double value) {
    value = std::clamp(value, d->minimum, d->maximum);
    bool changed = value != d->value;
    d->value = value;
    reformat();
    if (changed)
        emit valueChanged(value);
}

void QuantityLineEdit::setFormat(int unit, int display, int precision, NumberFormat format) {
    d->formatter.SetFormat(OwnFormat{precision, format, unit, display});
    d->validator->setUnit(unit);
    d->validator->setFormatter(&d->formatter.Get());
    reformat();
}

void QuantityLineEdit::setProblem(const QString& reason) {
    if (reason == d->problem)
        return;
    if (d->problem.isEmpty())
        d->toolTip = toolTip();
    d->problem = reason;
    setToolTip(reason.isEmpty() ? d->toolTip : reason);
    // Style sheets select on the invalid property when the widget is polished.
    style()->unpolish(this);
    style()->polish(this);
    update();
    emit problemChanged(reason);
}

} // namespace velmar::platform::core::units
