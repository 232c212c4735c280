#include "PropertyPanel.h"
#include "QStringPrinting.h"

#include <ViVuzaZadurUIWidgets/QuantityLineEdit.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

using velmar::platform::core::units::QuantityLineEdit;

namespace {

// The panel's parts that the tests look at.
struct Panel {
    Panel() {
        panel.switchLocale(QStringLiteral("en-US"));
        locales = panel.findChild<QComboBox*>();
        fields = panel.findChildren<QuantityLineEdit*>();
        status = panel.statusBar()->findChild<QLabel*>();
    }

    // The label that names a field.
    QString Name(const QuantityLineEdit* field) const {
        for (QLabel* label : panel.findChildren<QLabel*>())
            if (label->buddy() == field)
                return label->text();
        return QString();
    }

    // Types text into a field and presses Return.
    void Type(int field, const QString& text) {
        fields[field]->setFocus();
        fields[field]->selectAll();
        QTest::keyClicks(fields[field], text);
        QTest::keyClick(fields[field], Qt::Key_Return);
    }

    PropertyPanel panel;
    QComboBox* locales = nullptr;
    QList<QuantityLineEdit*> fields;
    QLabel* status = nullptr;
};

// The locale switcher reformats every field, names the rows in the locale's language (the
// bearing after its display, not as a second angle) and writes the status line anew, each value
// named; a typed value reaches the status line in base units.
TEST(PropertyPanel, LocaleSwitcherReformatsEveryField) {
    struct Case {
        const char* locale;
        const char* length;
        const char* pressure;
        const char* lengthName;
        const char* angleName;
        const char* bearingName;
        const char* status; // the start of the status line
    };
    const Case cases[] = {
        {"de-DE", "5'6 1/2\"", "101,33 kPa", "Länge", "Winkel", "Peilung",
         "Länge: 1,6891 m  ·  Winkel: 0,794198 rad  ·  Peilung: 0,523599 rad"},
        {"ru-RU", "5'6 1/2\"", "101,33 кПа", "Длина", "Угол", "Румб",
         "Длина: 1,6891 м  ·  Угол: 0,794198 рад  ·  Румб: 0,523599 рад"},
        {"fr-FR", "5'6 1/2\"", "101,33 kPa", "Longueur", "Angle", "Relèvement",
         "Longueur: 1,6891 m  ·  Angle: 0,794198 rad  ·  Relèvement: 0,523599 rad"},
        {"en-US", "5'6 1/2\"", "101.33 kPa", "Length", "Angle", "Bearing",
         "Length: 1.6891 m  ·  Angle: 0.794198 rad  ·  Bearing: 0.523599 rad"},
    };
    Panel panel;
    ASSERT_NE(panel.locales, nullptr);
    ASSERT_EQ(panel.fields.size(), 6);
    ASSERT_NE(panel.status, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        panel.locales->setCurrentIndex(panel.locales->findData(QLatin1String(c.locale)));
        EXPECT_EQ(panel.fields[0]->text(), QString::fromUtf8(c.length));
        EXPECT_EQ(panel.fields[4]->text(), QString::fromUtf8(c.pressure));
        EXPECT_EQ(panel.Name(panel.fields[0]), QString::fromUtf8(c.lengthName));
        EXPECT_EQ(panel.Name(panel.fields[1]), QString::fromUtf8(c.angleName));
        EXPECT_EQ(panel.Name(panel.fields[2]), QString::fromUtf8(c.bearingName));
        EXPECT_TRUE(panel.status->text().startsWith(QString::fromUtf8(c.status)))
            << panel.status->text().toStdString();
    }
    // In en-US now: 5'6" is 1.6764 m.
    panel.Type(0, QStringLiteral("5 6"));
    EXPECT_TRUE(panel.status->text().startsWith(QStringLiteral("Length: 1.6764 m  ·  ")))
        << panel.status->text().toStdString();
}

// The status line tells how the fields are now: a field's reason while it holds no quantity,
// in the window's language after a switch too, and the values as soon as it holds one again.
TEST(PropertyPanel, StatusLineTellsTheCurrentState) {
    Panel panel;
    ASSERT_EQ(panel.fields.size(), 6);
    panel.Type(0, QStringLiteral("5 ft 6 inn"));
    EXPECT_EQ(panel.status->text(), QStringLiteral("Length: ") + panel.fields[0]->problem());
    EXPECT_TRUE(panel.status->text().contains(QStringLiteral("inn")));

    ASSERT_TRUE(panel.panel.switchLocale(QStringLiteral("ru-RU")));
    EXPECT_EQ(panel.status->text(), QString::fromUtf8("Длина: ") + panel.fields[0]->problem());

    panel.Type(0, QStringLiteral("5 6"));
    EXPECT_FALSE(panel.fields[0]->isInvalid());
    EXPECT_TRUE(panel.status->text().startsWith(QString::fromUtf8("Длина: 1,6764 м  ·  ")))
        << panel.status->text().toStdString();
}

// Locale names as a user gives them: any case, dash or underscore; only the shipped ones.
TEST(PropertyPanel, SwitchesOnlyToShippedLocales) {
    Panel panel;
    ASSERT_TRUE(panel.panel.switchLocale(QStringLiteral("de_de")));
    EXPECT_EQ(panel.locales->currentData().toString(), QStringLiteral("de-DE"));
    EXPECT_FALSE(panel.panel.switchLocale(QStringLiteral("de-AT")));
    EXPECT_FALSE(panel.panel.switchLocale(QStringLiteral("xx")));
    EXPECT_EQ(panel.locales->currentData().toString(), QStringLiteral("de-DE"));
    EXPECT_EQ(panel.panel.locale().name(), QStringLiteral("de_DE"));
}

// The environment of the example program: this test's, on a platform, under a process locale
// (LANG), and in a sanitized build with suppressions for what system libraries leave behind,
// which is not the example's leak.
QProcessEnvironment EditorEnvironment(const char* platform, const char* lang = "C.UTF-8") {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       leakOptions + QStringLiteral(":suppressions=" VVZ_LEAK_SUPPRESSIONS));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    return environment;
}

struct EditorRun {
    int status = -1; // -1: did not finish, or crashed
    QString error;
};

// Runs program (the example, or a launcher of it) to its end.
EditorRun RunEditor(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EditorRun run;
    if (process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.error = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The picture of the example's window, under a process locale and with arguments; a null image
// when the program fails. The program runs on the offscreen platform, or on X11 under the
// virtual X server of xvfbRun when one is given. The picture stays in the build tree as
// quantity-editor-<name>.png.
QImage Screenshot(const char* name, const char* lang, const QStringList& arguments,
                  const QString& xvfbRun = QString()) {
    QString picture =
        QStringLiteral(VVZ_ARTEFACT_DIR "/quantity-editor-%1.png").arg(QLatin1String(name));
    QFile::remove(picture);
    QString program = QStringLiteral(VVZ_QUANTITY_EDITOR);
    QStringList all = arguments + QStringList{QStringLiteral("--screenshot"), picture};
    if (!xvfbRun.isEmpty()) {
        all = QStringList{QStringLiteral("-a"), program} + all;
        program = xvfbRun;
    }
    EditorRun run =
        RunEditor(program, all, EditorEnvironment(xvfbRun.isEmpty() ? "offscreen" : "xcb", lang));
    EXPECT_EQ(run.status, 0) << run.error.toStdString();
    return QImage(picture);
}

// How the example is started: on the offscreen platform, or under xvfb-run, as a user's desktop
// would show it.
struct Launch {
    const char* name;
    bool xvfb;
};

void PrintTo(const Launch& launch, std::ostream* out) {
    *out << launch.name;
}

class QuantityEditor : public ::testing::TestWithParam<Launch> {};

TEST_P(QuantityEditor, ShowsItsWindow) {
    const Launch& launch = GetParam();
    QString xvfbRun;
    if (launch.xvfb) {
        xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfbRun.isEmpty())
            GTEST_SKIP() << "xvfb-run is not installed (Debian package xvfb)";
        QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
        if (platforms.entryList({QStringLiteral("*qxcb*")}).isEmpty())
            GTEST_SKIP() << "Qt's X11 platform plugin is not installed";
    }
    QImage image = Screenshot(launch.name, "C.UTF-8",
                              {QStringLiteral("--locale"), QStringLiteral("en-US")}, xvfbRun);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 300);
    EXPECT_GE(image.height(), 200);
    // Not blank: no colour covers nearly everything, and there is dark text.
    QHash<QRgb, int> colours;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = image.pixel(x, y);
            ++colours[pixel];
            dark += qGray(pixel) < 100;
        }
    int pixels = image.width() * image.height();
    EXPECT_GE(colours.size(), 16);
    EXPECT_LT(*std::max_element(colours.cbegin(), colours.cend()), pixels * 95 / 100);
    EXPECT_GT(dark, pixels / 100);
}

INSTANTIATE_TEST_SUITE_P(Platforms, QuantityEditor,
                         ::testing::Values(Launch{"offscreen", false}, Launch{"xvfb", true}),
                         [](const ::testing::TestParamInfo<Launch>& info) {
                             return std::string(info.param.name);
                         });

// Without --locale the window starts in the system's locale when that is a shipped one, else in
// en-US: it shows what a run given that --locale shows.
TEST(QuantityEditorStart, FollowsTheSystemLocale) {
    struct Case {
        const char* lang;
        const char* locale; // the --locale of the same window
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "de-DE"},
        {"ru_RU.UTF-8", "ru-RU"},
        {"de_AT.UTF-8", "en-US"},
        {"C.UTF-8", "en-US"},
    };
    QImage english =
        Screenshot("en-US", "C.UTF-8", {QStringLiteral("--locale"), QStringLiteral("en-US")});
    ASSERT_FALSE(english.isNull());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        QImage system = Screenshot(c.lang, c.lang, {});
        QImage given =
            Screenshot(c.locale, "C.UTF-8", {QStringLiteral("--locale"), QLatin1String(c.locale)});
        ASSERT_FALSE(system.isNull());
        EXPECT_TRUE(system == given);
        EXPECT_EQ(system == english, QLatin1String(c.locale) == QLatin1String("en-US"));
    }
}

// A locale that is not shipped is refused with a message, before any window.
TEST(QuantityEditorStart, RefusesAnUnknownLocale) {
    const char* const names[] = {"xx-XX", "de-AT", ""};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EditorRun run = RunEditor(QStringLiteral(VVZ_QUANTITY_EDITOR),
                                  {QStringLiteral("--locale"), QLatin1String(name)},
                                  EditorEnvironment("offscreen"));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.error.contains(
            QStringLiteral("no shipped locale is called %1").arg(QLatin1String(name))))
            << run.error.toStdString();
    }
}

} // namespace
