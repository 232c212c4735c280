#include "PropertyPanel.h"

#include <ViVuzaZadurUI/ViVuzaZadurUI.h>
#include <ViVuzaZadurUIWidgets/ViVuzaZadurUIWidgets.h>

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>

#include <string>

using namespace velmar::platform::core::units;

namespace {

// The fields of the panel: the unit a value is held in, the display it is shown with, the
// precision of that display, the starting value, the step of Up and Down in the displayed
// unit, texts to try, and whether the row takes its name from its display rather than from
// its group.
struct Property {
    int unit;
    int display;
    int precision;
    double value;
    double step;
    const char* examples;
    bool namedByDisplay;
};
const Property kProperties[] = {
    // A length held in meters, shown in feet and inches to a sixteenth.
    {0x2001, 0x702016, 4, 1.6891, 1, "5 6 1/2   5'6 1/2\"   5'-6-1/2\"   1.7 m   66.5 in", false},
    // An angle held in degrees, shown in degrees, minutes and seconds.
    {0x8002, 0x408002, 3, 45.50417, 1, "45 30 15   45°30'15\"   45d30'   0.79 rad   50g", false},
    // A direction, counterclockwise from east, shown as a surveyor's bearing; an angle too, so
    // it is named after its display: Bearing.
    {0x8002, 0x508002, 2, 30, 1, "N 45°30' E   S 10° W   N   60", true},
    // A temperature held in kelvins, shown in degrees Celsius.
    {0x2a001, 0x22a002, 1, 294.65, 0.5, "21.5   70 °F   294.65 K", false},
    // A pressure held in pascals, shown in kilopascals.
    {0x2100e, 0x221008, 2, 101325, 1, "101.3   14.7 psi   1.013 bar   760 mmHg", false},
    // An acceleration, read from any unit expression.
    {0x30001, 0x230001, 3, 9.80665, 0.1, "9.81 m/s²   32.2 ft/s^2   (9.81 m)/(s·s)   1 N/kg",
     false},
};

// The shipped locales.
const char* const kLocales[] = {"en-US", "de-DE", "fr-FR", "ru-RU"};

QString DisplayName(const UnitsFormatter& formatter, int id) {
    wchar_t name[256];
    return formatter.GetDisplayName(id, name, 256) == ecSuccess ? QString::fromWCharArray(name)
                                                                : QString();
}

// The name of a display without its sample, as a row name: "bearing (N 45°30' E)" gives
// "Bearing".
QString DisplayRowName(const UnitsFormatter& formatter, int display) {
    QString name = DisplayName(formatter, display);
    int sample = name.indexOf(QLatin1String(" ("));
    if (sample >= 0)
        name.truncate(sample);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

// The short symbol (m, rad, K: a unit's second symbol, after its name) of the unit of a group
// whose values are base values.
int BaseSymbol(int group) {
    const UnitsConfig* config = UnitsConfig::GetInstance();
    std::vector<int> units(config->GetUnitTypes(group, nullptr));
    config->GetUnitTypes(group, units.data());
    for (int unit : units) {
        const UnitConverter* converter = config->FindConverter(unit);
        if (converter->GetFactor() != 1 || converter->GetOffset() != 0)
            continue;
        std::vector<int> symbols(config->GetUnitSymbols(unit, nullptr));
        config->GetUnitSymbols(unit, symbols.data());
        return symbols.size() > 1 ? symbols[1] : unit;
    }
    return 0;
}

} // namespace

PropertyPanel::PropertyPanel(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("ViVuzaZadurUI quantity editor"));
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    locales = new QComboBox(panel);
    for (const char* name : kLocales) {
        QLocale locale(QString::fromLatin1(name).replace(QLatin1Char('-'), QLatin1Char('_')));
        locales->addItem(
            QStringLiteral("%1 (%2)").arg(locale.nativeLanguageName(), QLatin1String(name)),
            QString::fromLatin1(name));
    }
    grid->addWidget(new QLabel(QStringLiteral("Locale"), panel), 0, 0);
    grid->addWidget(locales, 0, 1, 1, 2);
    for (const Property& property : kProperties) {
        auto* field = new QuantityLineEdit(property.unit, property.display, panel);
        field->setDecimalPrecision(property.precision);
        field->setSingleStep(property.step);
        field->setValue(property.value);
        field->setToolTip(QString::fromUtf8(property.examples));
        auto* name = new QLabel(panel);
        auto* display = new QLabel(panel);
        name->setBuddy(field);
        rows.push_back({name, field, display, property.namedByDisplay});
        int row = grid->rowCount();
        grid->addWidget(name, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(display, row, 2);
        connect(field, &QuantityLineEdit::valueChanged, this, &PropertyPanel::showStatus);
        connect(field, &QuantityLineEdit::problemChanged, this, &PropertyPanel::showStatus);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    setCentralWidget(panel);
    status = new QLabel(this);
    // Clear of the window's edge and of the size grip.
    status->setContentsMargins(6, 2, 6, 2);
    status->setWordWrap(true);
    statusBar()->addWidget(status, 1);
    connect(locales, &QComboBox::currentIndexChanged, this,
            [this](int index) { switchLocale(locales->itemData(index).toString()); });
    relabel();
    showStatus();
}

PropertyPanel::~PropertyPanel() = default;

QString PropertyPanel::shippedLocale(const QString& name) {
    QString wanted = QString(name).replace(QLatin1Char('_'), QLatin1Char('-'));
    for (const char* shipped : kLocales)
        if (wanted.compare(QLatin1String(shipped), Qt::CaseInsensitive) == 0)
            return QLatin1String(shipped);
    return QString();
}

bool PropertyPanel::switchLocale(const QString& name) {
    int index = locales->findData(shippedLocale(name));
    if (index < 0)
        return false;
    {
        QSignalBlocker quiet(locales);
        locales->setCurrentIndex(index);
    }
    const QString shipped = locales->itemData(index).toString();
    std::wstring wide = shipped.toStdWString();
    UnitsManager::GetInstance()->SetCurrentLocale(wide.c_str());
    // Every field follows the window's locale: its formatter is made again and it writes its
    // value anew. The window relabels itself in changeEvent.
    setLocale(QLocale(QString(shipped).replace(QLatin1Char('-'), QLatin1Char('_'))));
    return true;
}

void PropertyPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        relabel();
        showStatus();
    }
    QMainWindow::changeEvent(event);
}

// Names the fields in the window's language: the group of each value and the display that
// shows it, as the library translates them.
void PropertyPanel::relabel() {
    QString name = locale().name().replace(QLatin1Char('_'), QLatin1Char('-'));
    std::wstring wide = name.toStdWString();
    statusFormatter = std::make_unique<UnitsFormatter>(wide.c_str());
    // The window's locale is a QLocale, whose conventions Qt knows, and 6 is a precision:
    // neither call refuses.
    (void)NumberConventions::Apply(*statusFormatter);
    statusFormatter->SetNumericFormat(nfGeneral);
    (void)statusFormatter->SetNumberDecimalPrecision(6);
    for (Row& row : rows) {
        row.name->setText(row.namedByDisplay
                              ? DisplayRowName(*statusFormatter, row.field->display())
                              : DisplayName(*statusFormatter, row.field->unit() & 0xff000));
        row.display->setText(DisplayName(*statusFormatter, row.field->display()));
    }
}

// The status line, as the fields are now: the reason of each field that holds no quantity,
// in the window's language; when every field holds one, each value in the SI unit of its kind.
void PropertyPanel::showStatus() {
    if (statusFormatter == nullptr)
        return;
    QStringList values;
    QStringList problems;
    for (const Row& row : rows) {
        if (row.field->isInvalid())
            problems.append(row.name->text() + QStringLiteral(": ") + row.field->problem());
        int unit = row.field->unit();
        int base = BaseSymbol(unit & 0xff000);
        double value = 0;
        wchar_t text[128];
        const UnitConverter* converter = UnitsConfig::GetInstance()->FindConverter(unit);
        if (converter->ToBase(row.field->value(), &value, converter->GetDimTag()) == ecSuccess &&
            statusFormatter->Format(value, base & 0xfffff, text, 128, base) == ecSuccess)
            values.append(row.name->text() + QStringLiteral(": ") + QString::fromWCharArray(text));
    }
    const QString separator = QStringLiteral("  ·  ");
    const QString line = values.join(separator);
    // The window stays wide enough for the values, their margins and the size grip beside
    // them; the status bar lays itself out too late for the window to take its width from it.
    // A longer reason wraps.
    QMargins margins = status->contentsMargins();
    statusBar()->setMinimumWidth(status->fontMetrics().horizontalAdvance(line) + margins.left() +
                                 margins.right() + 2 * statusBar()->sizeHint().height());
    status->setText(problems.isEmpty() ? line : problems.join(separator));
}
