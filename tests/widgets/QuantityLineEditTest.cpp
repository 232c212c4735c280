#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUIWidgets/QuantityLineEdit.h>

#include "QStringPrinting.h"
#include "UnitIds.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <string>

using namespace velmar::platform::core::units;
using namespace widgettest;

namespace {

// A window with fields and a plain line edit that takes the focus from them, on the
// offscreen platform.
class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        layout = new QVBoxLayout(window.get());
        other = new QLineEdit(window.get());
        layout->addWidget(other);
    }

    QuantityLineEdit* AddField(int unit, int display, int precision = 2) {
        auto* field = new QuantityLineEdit(unit, display, window.get());
        field->setDecimalPrecision(precision);
        layout->addWidget(field);
        field->show();
        return field;
    }

    void Show() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types text over the field's text as a user does, key by key, keeping the focus.
    void Enter(QuantityLineEdit* field, const QString& text) {
        Show();
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    // Types text as Enter does and moves the focus on, which ends the editing.
    void Type(QuantityLineEdit* field, const QString& text) {
        Enter(field, text);
        other->setFocus();
        ASSERT_FALSE(field->hasFocus());
    }

    std::unique_ptr<QWidget> window;
    QVBoxLayout* layout = nullptr;
    QLineEdit* other = nullptr;
};

// Why a text is no quantity of an inch field, as the field's formatter tells it.
QString Reason(const QuantityLineEdit& field, const char* text) {
    std::wstring typed = QString::fromUtf8(text).toStdWString();
    double value = 0;
    ParseDiagnosis diagnosis;
    EXPECT_EQ(ParseDiagnostics::Parse(field.formatter(), typed.c_str(), value, kInch, diagnosis),
              ecNotAQuantity);
    return ParseDiagnostics::Message(field.formatter(), typed.c_str(), kInch, diagnosis);
}

struct TypingCase {
    int unit;
    int display;
    int precision;
    const char* typed;
    double value; // in unit
    const char* shown;
};

TEST_F(FieldTest, TypedTextIsStoredAndWrittenBack) {
    const TypingCase cases[] = {
        {kMeter, kFeetInchFraction, 4, "5 6 1/2", 66.5 * 0.0254, "5'6 1/2\""},
        {kInch, kFeetInchFraction, 4, "5'-6-1/2\"", 66.5, "5'6 1/2\""},
        // A bare number is read in the displayed unit.
        {kMeter, kFeetInchFraction, 4, "12", 12 * 0.0254, "1'0\""},
        {kDegree, kDegreesMinutesSeconds, 3, "45 30 15", 45.5 + 15.0 / 3600, "45°30'15\""},
        {kDegree, kBearing, 3, "S 10° W", -100, "S 10°0'0\" W"},
        {kKelvin, kCelsius, 1, "21.5", 294.65, "21.5°C"},
        {kAcceleration, kMeterPerSecondSquared, 3, "(9.81 m)/(s·s)", 9.81, "9.810 m/s²"},
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.typed);
        QuantityLineEdit* field = AddField(c.unit, c.display, c.precision);
        QSignalSpy changed(field, &QuantityLineEdit::valueChanged);
        Type(field, QString::fromUtf8(c.typed));
        EXPECT_NEAR(field->value(), c.value, 1e-6 * std::abs(c.value));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed[0][0].toDouble(), field->value());
        EXPECT_FALSE(field->isInvalid());
    }
}

TEST_F(FieldTest, ReturnReadsTheTextBeforeTheLineEditAnnouncesIt) {
    QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
    double seen = 0;
    QObject::connect(field, &QLineEdit::returnPressed, [&] { seen = field->value(); });
    Enter(field, QStringLiteral("5 6 1/2"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(seen, 66.5);
    EXPECT_EQ(field->text(), QStringLiteral("5'6 1/2\""));
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(FieldTest, TextThatIsNoQuantityKeepsTheValue) {
    struct Case {
        const char* typed; // what the field then holds
        const char* word;  // in the reason
    };
    const Case cases[] = {
        {"5 ft 6 inn", "inn"},
        {"5 (", "("},
        {"5'-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
        field->setValue(66.5);
        field->setToolTip(QStringLiteral("wall height"));
        QSignalSpy changed(field, &QuantityLineEdit::valueChanged);
        QSignalSpy rejected(field, &QuantityLineEdit::textRejected);
        Type(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field->value(), 66.5);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(changed.count(), 0);
        EXPECT_TRUE(field->isInvalid());
        EXPECT_TRUE(field->property("invalid").toBool());
        QString reason = Reason(*field, c.typed);
        EXPECT_EQ(field->toolTip(), reason);
        EXPECT_TRUE(reason.contains(QLatin1String(c.word))) << reason.toStdString();
        ASSERT_EQ(rejected.count(), 1);
        EXPECT_EQ(rejected[0][0].toString(), reason);

        // A quantity takes the mark away and gives the host's tool tip back.
        Type(field, QStringLiteral("5 6"));
        EXPECT_EQ(field->value(), 66);
        EXPECT_FALSE(field->isInvalid());
        EXPECT_EQ(field->toolTip(), QStringLiteral("wall height"));
    }
}

// Escape puts back the text of the value, whether the text is marked or only edited, and is
// then the field's alone: a window's Escape shortcut and a dialog see it only when there is
// nothing to put back.
TEST_F(FieldTest, EscapePutsBackTheTextOfTheValue) {
    struct Case {
        const char* typed;
        bool finished; // Return pressed before Escape: the text is marked
    };
    const Case cases[] = {{"5 ft 6 inn", true}, {"5 (", false}, {"7", false}};
    int shortcuts = 0;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window.get());
    QObject::connect(escape, &QShortcut::activated, [&] { ++shortcuts; });
    QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
    field->setValue(66.5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Enter(field, QString::fromUtf8(c.typed));
        if (c.finished)
            QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->isInvalid(), c.finished);
        QSignalSpy problems(field, &QuantityLineEdit::problemChanged);
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(field->text(), QStringLiteral("5'6 1/2\""));
        EXPECT_EQ(field->value(), 66.5);
        EXPECT_FALSE(field->isInvalid());
        EXPECT_EQ(problems.count(), c.finished ? 1 : 0);
        EXPECT_EQ(shortcuts, 0);
    }
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(shortcuts, 1);

    QDialog dialog;
    auto* inDialog = new QuantityLineEdit(kInch, kFeetInchFraction, &dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    inDialog->setFocus();
    QTest::keyClicks(inDialog, QStringLiteral("7"));
    QTest::keyClick(inDialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(inDialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// A locale switch keeps what the user typed: an unfinished edit as it is, to be read in the new
// locale, and a marked text read again in it, taken when it now reads and else marked with the
// reason in the new language.
TEST_F(FieldTest, LocaleSwitchKeepsWhatWasTyped) {
    struct Case {
        const char* typed;
        bool finished; // Return pressed before the switch
        const char* locale;
        const char* text; // after the switch
        double value;     // after the switch and a Return
        bool invalid;     // after the switch
    };
    const Case cases[] = {
        {"5 ft 6 inn", true, "de_DE", "5 ft 6 inn", 66.5, true},
        {"5 Fuß", true, "de_DE", "5'0\"", 60, false},
        {"7 ft", false, "ru_RU", "7 ft", 84, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        window->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
        field->setValue(66.5);
        Enter(field, QString::fromUtf8(c.typed));
        if (c.finished)
            QTest::keyClick(field, Qt::Key_Return);
        QString before = field->problem();
        window->setLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(field->isInvalid(), c.invalid);
        if (c.invalid) {
            EXPECT_EQ(field->problem(), Reason(*field, c.typed));
            EXPECT_NE(field->problem(), before);
            EXPECT_EQ(field->toolTip(), field->problem());
        }
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_NEAR(field->value(), c.value, 1e-9);
    }
}

TEST_F(FieldTest, KeysThatNoTypingMendsAreRefused) {
    QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
    // After «1/0» nothing appended reads: the zero denominator stays.
    Enter(field, QStringLiteral("1/0 m"));
    EXPECT_EQ(field->text(), QStringLiteral("1/0"));
}

TEST_F(FieldTest, UpAndDownStepInTheDisplayedUnit) {
    struct Case {
        int unit;
        int display;
        double step;
        double start;
        Qt::Key key;
        double value; // after the key
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {kInch, kFeetInchFraction, 1, 66.5, Qt::Key_Up, 67.5},
        {kInch, kFeetInchFraction, 0.5, 66.5, Qt::Key_Down, 66},
        {kInch, kFeetInchFraction, 1, 66.5, Qt::Key_PageDown, 56.5},
        {kMeter, kFeetInchFraction, 1, 1, Qt::Key_Up, 1.0254},
        {kKelvin, kCelsius, 0.5, 300, Qt::Key_Up, 300.5},
        {kDegree, kDegreesMinutesSeconds, 1, 45, Qt::Key_PageUp, 55},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        QuantityLineEdit* field = AddField(c.unit, c.display, 4);
        field->setSingleStep(c.step);
        field->setValue(c.start);
        EXPECT_EQ(field->minimum(), -inf);
        Show();
        field->setFocus();
        QTest::keyClick(field, c.key);
        EXPECT_NEAR(field->value(), c.value, 1e-12);
    }
}

TEST_F(FieldTest, StepsReadAnEditedTextFirstAndStayWithinTheRange) {
    QuantityLineEdit* field = AddField(kInch, kFeetInchFraction, 4);
    field->setRange(0, 70);
    Enter(field, QStringLiteral("5'"));
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(field->value(), 61);
    EXPECT_EQ(field->text(), QStringLiteral("5'1\""));
    QTest::keyClick(field, Qt::Key_PageUp);
    EXPECT_EQ(field->value(), 70);
    // A typed value beyond a bound is brought to it.
    Type(field, QStringLiteral("-5 6"));
    EXPECT_EQ(field->value(), 0);
    EXPECT_EQ(field->text(), QStringLiteral("0'0\""));
    // A text that is no quantity is not stepped.
    Enter(field, QStringLiteral("5 ("));
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->value(), 0);
    EXPECT_TRUE(field->isInvalid());
    // Moving a bound moves the value and the other bound along.
    field->setValue(50);
    field->setMaximum(-10);
    EXPECT_EQ(field->minimum(), -10);
    EXPECT_EQ(field->value(), -10);
}

TEST_F(FieldTest, TheWindowsLocaleReformatsEveryField) {
    struct Case {
        const char* locale; // as the formatter names it
        const char* pressure;
        const char* temperature;
        const char* typed; // into the pressure field
        double value;      // read from it, in pascals
    };
    const Case cases[] = {
        {"de-DE", "101,33 kPa", "21,5°C", "1,5 bar", 150000},
        {"fr-FR", "101,33 kPa", "21,5°C", "2,5 kPa", 2500},
        {"ru-RU", "101,33 кПа", "21,5°C", "0,5 bar", 50000},
        {"en-US", "101.33 kPa", "21.5°C", "1,234.5 Pa", 1234.5},
    };
    QuantityLineEdit* pressure = AddField(kPascal, kKilopascal);
    QuantityLineEdit* temperature = AddField(kKelvin, kCelsius, 1);
    QuantityLineEdit* angle = AddField(kDegree, kDegreesMinutesSeconds, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        pressure->setValue(101325);
        temperature->setValue(294.65);
        angle->setValue(45.5 + 15.0 / 3600);
        window->setLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(pressure->text(), QString::fromUtf8(c.pressure));
        EXPECT_EQ(temperature->text(), QString::fromUtf8(c.temperature));
        // Degrees, minutes and seconds have no decimal separator to change.
        EXPECT_EQ(angle->text(), QString::fromUtf8("45°30'15\""));
        EXPECT_EQ(QString::fromWCharArray(pressure->formatter().GetLocale()),
                  QString::fromLatin1(c.locale));
        Type(pressure, QString::fromUtf8(c.typed));
        EXPECT_NEAR(pressure->value(), c.value, 1e-9);
    }
}

TEST_F(FieldTest, SharedFormatterIsUsedAsTheHostSetItUp) {
    UnitsFormatter shared(L"de-DE");
    ASSERT_EQ(shared.SetNumberDecimalPrecision(3), ecSuccess);
    QuantityLineEdit::prepareFormatter(shared, kInch, kFeetInchFraction);
    QuantityLineEdit* first = AddField(kInch, kFeetInchFraction, 4);
    QuantityLineEdit* second = AddField(kMeter, kFeetInchFraction, 4);
    first->setFormatter(&shared);
    second->setFormatter(&shared);
    EXPECT_EQ(&first->formatter(), &shared);
    EXPECT_EQ(&second->formatter(), &shared);
    first->setValue(66.4375);
    EXPECT_EQ(first->text(), QStringLiteral("5'6 1/2\"")) << "the shared precision, in eighths";
    Type(second, QStringLiteral("5 6 1/2"));
    EXPECT_NEAR(second->value(), 66.5 * 0.0254, 1e-12);
    // The host changes its formatter, and the field writes with it again.
    ASSERT_EQ(shared.SetNumberDecimalPrecision(4), ecSuccess);
    first->reformat();
    EXPECT_EQ(first->text(), QStringLiteral("5'6 7/16\""));
    // The field's own formatter, made again when sharing ends, follows the field's locale.
    first->setFormatter(nullptr);
    EXPECT_NE(&first->formatter(), &shared);
    EXPECT_EQ(std::wstring(first->formatter().GetLocale()), L"en-US");
    EXPECT_EQ(first->text(), QStringLiteral("5'6 7/16\""));
}

TEST_F(FieldTest, DisplayAndPrecisionChangeTheTextNotTheValue) {
    QuantityLineEdit* field = AddField(kMeter, kFeetInchFraction, 4);
    field->setValue(1.7);
    EXPECT_EQ(field->text(), QStringLiteral("5'6 15/16\""));
    // 0 is the unit's default symbol, its first: the name.
    field->setDisplay(0);
    EXPECT_EQ(field->text(), QStringLiteral("1.7000 meters"));
    field->setDisplay(0x202001);
    EXPECT_EQ(field->text(), QStringLiteral("1.7000 m"));
    field->setDecimalPrecision(120);
    EXPECT_EQ(field->decimalPrecision(), 99);
    field->setDecimalPrecision(1);
    field->setNumericFormat(nfExponential);
    EXPECT_EQ(field->text(), QStringLiteral("1.7E00 m"));
    EXPECT_EQ(field->value(), 1.7);
    // A field without a unit shows nothing.
    QuantityLineEdit empty;
    EXPECT_EQ(empty.text(), QString());
    empty.setValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(empty.value(), 0);
}

} // namespace
