#pragma once

#include <QMainWindow>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;

namespace velmar::platform::core::units {
class QuantityLineEdit;
class UnitsFormatter;
} // namespace velmar::platform::core::units

// The example's window, laid out like the property panel of a CAD program: a length in feet
// and inches, an angle in degrees, minutes and seconds, a bearing, a temperature, a pressure
// and an acceleration typed as any unit expression; a switcher over the shipped locales; and a
// status line with every value in the SI unit of its kind.
class PropertyPanel : public QMainWindow {
    Q_OBJECT

public:
    explicit PropertyPanel(QWidget* parent = nullptr);
    ~PropertyPanel() override;

    // Switches the library and the window, with every field in it, to a locale ("de-DE").
    void switchLocale(const QString& name);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* name;
        velmar::platform::core::units::QuantityLineEdit* field;
        QLabel* display;
    };

    void relabel();
    void showBaseValues();

    std::vector<Row> rows;
    QComboBox* locales;
    QLabel* baseValues;
    // Writes the status line, in the window's locale.
    std::unique_ptr<velmar::platform::core::units::UnitsFormatter> statusFormatter;
};
