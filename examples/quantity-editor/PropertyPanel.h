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
// status line that tells the state of the fields as it is: why a field holds no quantity
// while one does not, else every value, named, in the SI unit of its kind.
class PropertyPanel : public QMainWindow {
    Q_OBJECT

public:
    // The window starts in its locale() (QLocale's default), and so do its fields.
    explicit PropertyPanel(QWidget* parent = nullptr);
    ~PropertyPanel() override;

    // The shipped locale that name names, in the library's form: "de-DE" for "de-DE", "de_de"
    // or "DE-de"; empty when name is none of them.
    static QString shippedLocale(const QString& name);
    // Switches the library and the window, with every field in it, to a shipped locale.
    // False, with nothing changed, for a name that is none.
    bool switchLocale(const QString& name);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* name;
        velmar::platform::core::units::QuantityLineEdit* field;
        QLabel* display;
        bool namedByDisplay;
    };

    void relabel();
    void showStatus();

    std::vector<Row> rows;
    QComboBox* locales;
    QLabel* status;
    // Writes the status line, in the window's locale.
    std::unique_ptr<velmar::platform::core::units::UnitsFormatter> statusFormatter;
};
