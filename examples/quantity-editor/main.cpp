// quantity-editor: a property panel of quantity fields.
//
//   quantity-editor [--locale NAME] [--screenshot FILE]
//
// The window starts in the system's locale (LC_ALL, LC_MESSAGES, LANG, as the library reads it)
// when that is one of the shipped locales (en-US, de-DE, fr-FR, ru-RU), else in en-US;
// --locale NAME starts in that shipped locale instead, and any other NAME is refused with a
// message and status 1, as QCommandLineParser refuses an unknown option. --screenshot shows
// the window, saves a picture of it (QWidget::grab) and quits, with status 1 when it cannot
// be saved. The window needs a display; without one, QT_QPA_PLATFORM=offscreen draws it
// nowhere (enough for --screenshot), and xvfb-run gives it a virtual X server.
#include "PropertyPanel.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

using velmar::platform::core::units::UnitsManager;

namespace {

QString CurrentLocale() {
    wchar_t name[64];
    UnitsManager::GetInstance()->GetCurrentLocale(name, 64);
    return QString::fromWCharArray(name);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption locale(
        QStringLiteral("locale"),
        QStringLiteral("Start in this shipped locale (en-US, de-DE, fr-FR, ru-RU) "
                       "rather than the system's."),
        QStringLiteral("name"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file"));
    parser.addOptions({locale, screenshot});
    parser.process(application);

    if (parser.isSet(locale) && PropertyPanel::shippedLocale(parser.value(locale)).isEmpty()) {
        std::fprintf(stderr,
                     "quantity-editor: no shipped locale is called %s (en-US, de-DE, "
                     "fr-FR, ru-RU)\n",
                     qUtf8Printable(parser.value(locale)));
        return 1;
    }

    UnitsManager::Initialize();
    int result = 0;
    {
        // The system's locale is read before the window switches the library's current locale.
        QString start = parser.isSet(locale) ? parser.value(locale) : CurrentLocale();
        PropertyPanel panel;
        if (!panel.switchLocale(start))
            panel.switchLocale(QStringLiteral("en-US"));
        panel.show();
        if (parser.isSet(screenshot)) {
            QTimer::singleShot(0, &panel, [&] {
                application.exit(panel.grab().save(parser.value(screenshot)) ? 0 : 1);
            });
        }
        result = application.exec();
    }
    UnitsManager::Uninitialize();
    return result;
}
