#pragma once

#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadurUIWidgets/Export.h>

#include <QLineEdit>

#include <memory>

namespace velmar::platform::core::units {

class UnitsFormatter;

// An input field for a quantity. It holds a value in a unit (a unit id: 0x2001 meter) and shows
// it formatted for a display, as UnitsFormatter::Format takes it: a unit symbol id (0x702016
// feet and inches with a fraction, «5'6 1/2"»), a unit id or group id (their default symbol),
// or 0 (the unit's default symbol).
//
// When editing finishes (Return or Enter, or the focus leaving the field, other than for a
// popup) the field parses what was typed in its unit, stores the value, writes it back
// formatted and emits valueChanged() if the value changed: «5 6 1/2» typed into a feet-inch
// field becomes «5'6 1/2"». A text that is not a quantity keeps the old value; the field is
// marked (the property invalid is true, for style sheets: QuantityLineEdit[invalid="true"],
// and a red frame is drawn), its tool tip gives the reason in the formatter's language
// (ParseDiagnostics::Message) and textRejected() is emitted. The mark goes, and the host's tool
// tip comes back, once the field holds a quantity again; problemChanged() announces each
// change of the mark. Escape puts back the text last written from the value, dropping an
// unfinished edit or a text marked as no quantity (and is then not passed on, so that it
// does not also close a dialog); with nothing to put back it goes on to the parent as
// usual. Up and Down step the value by
// singleStep() in the displayed unit (Page Up and Page Down by ten steps), after reading an
// edited text first; the value stays within minimum() and maximum() (by default none), so a
// typed or stepped value beyond them is brought to the nearer bound.
//
// The field installs a QuantityValidator, which refuses edits that no further typing could
// make a quantity and shares the field's formatter. A keystroke costs that one validation;
// a finished edit costs one more parse and one Format.
//
// The formatter is one the host shares, used as the host set it up, or the field's own. The
// own formatter is made for the field's locale() (a parent's locale, QLocale's default, or
// setLocale()) with that locale's number conventions (NumberConventions), the field's
// decimalPrecision() and numericFormat(), and is prepared by prepareFormatter(); it is made
// again, and the value written again, when the field's locale changes, so setting the locale
// of a window reformats every field in it. What the user typed survives the change: an
// unfinished edit stays as it is, to be read in the new locale when editing finishes, and a
// text marked as no quantity is read again at once, so that it is taken when it is a quantity
// in the new locale («5 Fuß» in de-DE) and otherwise keeps its mark with the reason in the new
// language.
class VIVUZAZADURUIWIDGETS_EXPORT QuantityLineEdit : public QLineEdit {
    Q_OBJECT
    // The value in unit(), the field's user property (a QDataWidgetMapper or an item
    // delegate reads and writes it).
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged USER true)
    // The unit id of the value.
    Q_PROPERTY(int unit READ unit WRITE setUnit)
    // The id the value is shown with, as UnitsFormatter::Format takes it.
    Q_PROPERTY(int display READ display WRITE setDisplay)
    // What Up and Down add, in the displayed unit.
    Q_PROPERTY(double singleStep READ singleStep WRITE setSingleStep)
    // The lower bound of the value, in unit().
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum)
    // The upper bound of the value, in unit().
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum)
    // The precision of the own formatter.
    Q_PROPERTY(int decimalPrecision READ decimalPrecision WRITE setDecimalPrecision)
    // Whether the text is marked as no quantity; style sheets select on it.
    Q_PROPERTY(bool invalid READ isInvalid)
    // Why the text is no quantity; empty while it is one.
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)

public:
    // A field without a unit shows nothing and accepts nothing until setUnit(). unit and
    // display are those of setUnit() and setDisplay().
    explicit QuantityLineEdit(QWidget* parent = nullptr);
    QuantityLineEdit(int unit, int display, QWidget* parent = nullptr);
    ~QuantityLineEdit() override;

    // The value in unit(): the last one stored, whatever the text shows meanwhile.
    double value() const;

    // The unit of value(), minimum() and maximum(); their numbers stay as they are.
    int unit() const;
    void setUnit(int unit);
    // The display the value is shown with: a unit symbol, unit or group id, or 0 for the
    // unit's default symbol.
    int display() const;
    void setDisplay(int display);

    // The amount Up and Down add, in the displayed unit (default 1).
    double singleStep() const;
    void setSingleStep(double step);
    // Bounds of the value in unit(); -infinity and +infinity (the defaults) leave a side open.
    // Setting one beyond the other moves the other along; a NaN is ignored.
    double minimum() const;
    void setMinimum(double minimum);
    double maximum() const;
    void setMaximum(double maximum);
    void setRange(double minimum, double maximum);

    // Settings of the own formatter; a shared formatter keeps its own. The precision is
    // brought into 0 to 99.
    int decimalPrecision() const;
    void setDecimalPrecision(int precision);
    NumberFormat numericFormat() const;
    void setNumericFormat(NumberFormat format);

    // The formatter in use: the shared one, or the field's own.
    const UnitsFormatter& formatter() const;
    // Shares formatter (not owned: it must outlive the field, or be replaced first) and
    // writes the value with it; null goes back to a formatter of the field's own. After
    // changing a shared formatter's settings, call reformat().
    void setFormatter(const UnitsFormatter* formatter);
    // What the field does to its own formatter, for a formatter to share with fields of one
    // unit and display: a bare number («12.5») is read in the displayed unit, and the parts
    // of a feet-and-inches, degrees-minutes-seconds or minutes-seconds display may be typed
    // apart, separated by spaces: «5 6 1/2» for 5'6 1/2", «45 30 15» for 45°30'15" (a symbol
    // parsing string; a formatter that already reads those literals as another symbol keeps
    // them). Then «1 1/2» there is 1'1/2", as the typed layout reads it.
    static void prepareFormatter(UnitsFormatter& formatter, int unit, int display);

    // Whether the text is marked as no quantity, and why (empty when it is not marked).
    bool isInvalid() const;
    QString problem() const;

public slots:
    // Stores value (brought within the bounds), writes it formatted and emits valueChanged()
    // if it changed; a value that is not finite is ignored.
    void setValue(double value);
    // Adds steps times singleStep() in the displayed unit, as Up and Down do.
    void stepBy(int steps);
    // Writes the value again with the formatter, discarding an unfinished edit.
    void reformat();

signals:
    // The value changed: by a finished edit, a step, setValue() or a bound.
    void valueChanged(double value);
    // A finished edit was not a quantity; reason as in the tool tip.
    void textRejected(const QString& reason);
    // The text was marked as no quantity, its reason changed (a locale switch tells it in the
    // new language), or the mark went (problem is then empty).
    void problemChanged(const QString& problem);

protected:
    // Takes Escape before the window's shortcuts when there is a text to put back.
    bool event(QEvent* event) override;
    // Up, Down, Page Up and Page Down step; Return and Enter read the text; Escape puts the
    // text of the value back.
    void keyPressEvent(QKeyEvent* event) override;
    // Reads the text when the focus leaves the field for anything but a popup.
    void focusOutEvent(QFocusEvent* event) override;
    // Follows a change of locale (see the class comment).
    void changeEvent(QEvent* event) override;
    // Draws the red frame of a text marked as no quantity.
    void paintEvent(QPaintEvent* event) override;

private:
    struct Data;

    bool commit();
    // Reads the text: stores its value, or marks it with the reason (and announces that with
    // textRejected() when announce is set). True when it was a quantity.
    bool read(bool announce);
    // The value as the formatter writes it; empty when it cannot.
    QString formatted() const;
    // Whether the text is other than the one last written from the value, or marked.
    bool isEdited() const;
    void store(double value);
    void setFormat(int unit, int display, int precision, NumberFormat format);
    // Marks the text as no quantity for reason; an empty reason takes the mark away.
    void setProblem(const QString& reason);

    std::unique_ptr<Data> d;
};

} // namespace velmar::platform::core::units
