// Built against the installed package alone: a feet-inch field reads «5 6 1/2» on Return.
#include <ViVuzaZadurUIWidgets/ViVuzaZadurUIWidgets.h>

#include <QApplication>
#include <QKeyEvent>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velmar::platform::core::units::QuantityLineEdit field(0x2016, 0x702016);
    field.setText(QStringLiteral("5 6 1/2"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&field, &enter);
    std::printf("%s is %g in\n", field.text().toUtf8().constData(), field.value());
    return field.value() == 66.5 ? 0 : 1;
}
