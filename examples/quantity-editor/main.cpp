// quantity-editor: a property panel of quantity fields.
//
//   quantity-editor [--locale NAME] [--screenshot FILE]
//
// --locale starts in a shipped locale (en-US, de-DE, fr-FR, ru-RU; by default the units
// manager's current locale, the system's, when it is one of them); --screenshot shows the
// window, saves a picture of it (QWidget::grab) and quits, with status 1 when it cannot be
// saved.
#include "PropertyPanel.h"

#include <ViVuzaZadurUI/UnitsManager.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

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
    QCommandLineOption locale(QStringLiteral("locale"), QStringLiteral("Start in this locale."),
                              QStringLiteral("name"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file"));
    parser.addOptions({locale, screenshot});
    parser.process(application);

    UnitsManager::Initialize();
    int result = 0;
    {
        PropertyPanel panel;
        panel.switchLocale(QStringLiteral("en-US"));
        panel.switchLocale(parser.isSet(locale) ? parser.value(locale) : CurrentLocale());
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
