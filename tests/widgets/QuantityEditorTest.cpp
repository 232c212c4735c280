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

// The locale switcher reformats every field, names the rows in the locale's language and
// writes the status line anew; a typed value reaches the status line in base units.
TEST(PropertyPanel, LocaleSwitcherReformatsEveryField) {
    struct Case {
        const char* locale;
        const char* length;
        const char* pressure;
        const char* lengthName;
        const char* status; // the start of the status line
    };
    const Case cases[] = {
        {"de-DE", "5'6 1/2\"", "101,33 kPa", "Länge", "1,6891 m  ·  0,794198 rad"},
        {"ru-RU", "5'6 1/2\"", "101,33 кПа", "Длина", "1,6891 м  ·  0,794198 рад"},
        {"fr-FR", "5'6 1/2\"", "101,33 kPa", "Longueur", "1,6891 m  ·  0,794198 rad"},
        {"en-US", "5'6 1/2\"", "101.33 kPa", "Length", "1.6891 m  ·  0.794198 rad"},
    };
    PropertyPanel panel;
    panel.switchLocale(QStringLiteral("en-US"));
    auto* locales = panel.findChild<QComboBox*>();
    ASSERT_NE(locales, nullptr);
    QList<QuantityLineEdit*> fields = panel.findChildren<QuantityLineEdit*>();
    ASSERT_EQ(fields.size(), 6);
    auto* status = panel.statusBar()->findChild<QLabel*>();
    ASSERT_NE(status, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        locales->setCurrentIndex(locales->findData(QLatin1String(c.locale)));
        EXPECT_EQ(fields[0]->text(), QString::fromUtf8(c.length));
        EXPECT_EQ(fields[4]->text(), QString::fromUtf8(c.pressure));
        QLabel* name = nullptr;
        for (QLabel* label : panel.findChildren<QLabel*>())
            if (label->buddy() == fields[0])
                name = label;
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QString::fromUtf8(c.lengthName));
        EXPECT_TRUE(status->text().startsWith(QString::fromUtf8(c.status)))
            << status->text().toStdString();
    }
    // In en-US now: 5'6" is 1.6764 m.
    fields[0]->setFocus();
    fields[0]->selectAll();
    QTest::keyClicks(fields[0], QStringLiteral("5 6"));
    QTest::keyClick(fields[0], Qt::Key_Return);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("1.6764 m  ·  ")))
        << status->text().toStdString();
}

// How the example is started: on the offscreen platform, or on X11 under a virtual X server
// (xvfb-run), as a user's desktop would show it. The screenshot stays in the build tree as
// quantity-editor-<name>.png.
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
    QString picture =
        QStringLiteral(VVZ_ARTEFACT_DIR "/quantity-editor-%1.png").arg(QLatin1String(launch.name));
    QFile::remove(picture);
    QString program = QStringLiteral(VVZ_QUANTITY_EDITOR);
    QStringList arguments{QStringLiteral("--locale"), QStringLiteral("en-US"),
                          QStringLiteral("--screenshot"), picture};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // In a sanitized build, what system libraries leave behind is not the example's leak.
    QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       leakOptions + QStringLiteral(":suppressions=" VVZ_LEAK_SUPPRESSIONS));
    if (launch.xvfb) {
        QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfbRun.isEmpty())
            GTEST_SKIP() << "xvfb-run is not installed (Debian package xvfb)";
        QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
        if (platforms.entryList({QStringLiteral("*qxcb*")}).isEmpty())
            GTEST_SKIP() << "Qt's X11 platform plugin is not installed";
        arguments = QStringList{QStringLiteral("-a"), program} + arguments;
        program = xvfbRun;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForFinished(180000));
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    QImage image(picture);
    ASSERT_FALSE(image.isNull()) << picture.toStdString();
    EXPECT_GE(image.width(), 300);
    EXPECT_GE(image.height(), 200);
    // Not blank: no colour covers nearly everything, and there is dark text.
    QHash<QRgb, int> colours;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = image.pixel(x, y);
            ++colours[pixel];
            if (qGray(pixel) < 100)
                ++dark;
        }
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

} // namespace
