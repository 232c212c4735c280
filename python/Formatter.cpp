#include "Formatter.h"

#include "ParseError.h"
#include "PythonText.h"
#include "UnitCatalogue.h"

#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include <QString>

#include <cmath>
#include <cwchar>

using namespace velmar::platform::core::units;

namespace vvzpy {

namespace {

std::string IdText(int id) {
    return UnitCatalogue::IdText(id).toStdString();
}

// A locale name as the library takes it: "de_DE" is "de-DE".
QString LocaleName(const std::string& locale) {
    return QString::fromStdString(locale).replace(QLatin1Char('_'), QLatin1Char('-'));
}

// Every symbol string set on a formatter, as (symbol, text) pairs.
py::list SymbolStrings(const UnitsFormatter& formatter, bool parsing) {
    py::list strings;
    for (int group : UnitCatalogue::Groups())
        for (int unit : UnitCatalogue::Units(group))
            for (int symbol : UnitCatalogue::Symbols(unit)) {
                ErrorCode result = ecFailure;
                QString text = parsing ? formatter.GetSymbolParsingString(symbol, &result)
                                       : formatter.GetSymbolFormattingString(symbol, &result);
                if (result == ecSuccess)
                    strings.append(py::make_tuple(symbol, PythonText(text)));
            }
    return strings;
}

} // namespace

void Check(ErrorCode result, const std::string& message) {
    if (result != ecSuccess)
        throw py::value_error(message);
}

Formatter::Formatter(const std::string& locale, bool localeNumbers)
    : formatter(LocaleName(locale)), names(formatter) {
    QString asked = LocaleName(locale);
    if (!asked.isEmpty() && asked.compare(formatter.GetLocaleName(), Qt::CaseInsensitive) != 0)
        throw py::value_error("no translations for the locale \"" + locale +
                              "\"; the library has en-US, de-DE, fr-FR and ru-RU");
    if (localeNumbers)
        Check(NumberConventions::Apply(formatter), "the number conventions of " +
                                                       formatter.GetLocaleName().toStdString() +
                                                       " are not known");
}

Formatter::Formatter(const Formatter& other) : formatter(other.formatter), names(formatter) {}

void Formatter::Change(const std::function<void(UnitsFormatter&)>& change) {
    std::unique_lock<std::shared_mutex> lock(use, std::defer_lock);
    {
        py::gil_scoped_release release;
        lock.lock();
    }
    // No call uses a parser now: bulk calls hold the formatter shared, single calls the GIL.
    parsers.clear();
    change(formatter);
}

const UnitsFormatter& Formatter::ParserInto(int unit) const {
    int plain = unit & 0xfffff;
    std::lock_guard<std::mutex> guard(parsersLock);
    auto found = parsers.find(plain);
    if (found != parsers.end())
        return *found->second;
    auto parser = std::make_unique<UnitsFormatter>(formatter);
    if (parser->SetDefaultUnit(plain) != ecSuccess) // not a unit: Parse tells why
        return formatter;
    return *parsers.emplace(plain, std::move(parser)).first->second;
}

std::shared_lock<std::shared_mutex> Formatter::Share() const {
    return std::shared_lock<std::shared_mutex>(use);
}

int Formatter::Resolve(py::handle unit) const {
    int id = names.Resolve(unit);
    return UnitCatalogue::IsGroup(id) ? formatter.GetDefaultUnit(id) : id;
}

int Formatter::ResolveDisplay(py::handle display) const {
    if (display.is_none() || (PyLong_Check(display.ptr()) && !PyBool_Check(display.ptr()) &&
                              PyLong_AsLongLong(display.ptr()) == 0))
        return 0;
    return names.Resolve(display);
}

py::str Formatter::Format(double value, int unit, int display) const {
    wchar_t buffer[256];
    if (formatter.Format(value, unit, buffer, 256, display) == ecSuccess)
        return PythonText(buffer, std::wcslen(buffer));
    ErrorCode result = ecFailure;
    QString text = formatter.Format(value, unit, display, &result);
    if (result == ecSuccess)
        return PythonText(text);
    if (result == ecDimensionMismatch)
        throw py::value_error("the display " + IdText(display) +
                              " is of another dimension than the unit " + IdText(unit));
    if (!std::isfinite(value))
        throw py::value_error("a value that is not finite has no text");
    throw py::value_error("nothing to write the unit " + IdText(unit) + " with");
}

double Formatter::Parse(py::handle text, int unit) const {
    std::wstring wide = WideText(text, "text");
    ParseDiagnosis diagnosis;
    double value = 0;
    size_t nul = wide.find(L'\0');
    if (nul != std::wstring::npos)
        RaiseParseError("the text holds a NUL character at " + std::to_string(nul), ppUnknownText,
                        nul, 1, text, unit);
    const UnitsFormatter& parser = ParserInto(unit);
    if (ParseDiagnostics::Parse(parser, wide.c_str(), value, unit, diagnosis) == ecSuccess)
        return value;
    QString message = ParseDiagnostics::Message(parser, wide.c_str(), unit, diagnosis);
    RaiseParseError(message.toStdString(), diagnosis.problem, diagnosis.position, diagnosis.length,
                    text, unit);
}

py::object Formatter::TryParse(py::handle text, int unit) const {
    std::wstring wide = WideText(text, "text");
    double value = 0;
    if (wide.find(L'\0') == std::wstring::npos &&
        ParserInto(unit).Parse(wide.c_str(), value, unit) == ecSuccess)
        return py::float_(value);
    return py::none();
}

py::tuple Formatter::State() const {
    py::list defaultUnits, defaultSymbols;
    UnitsFormatter fresh(formatter.GetLocaleName());
    for (int group : UnitCatalogue::Groups()) {
        if (formatter.GetDefaultUnit(group) != fresh.GetDefaultUnit(group))
            defaultUnits.append(formatter.GetDefaultUnit(group));
        for (int unit : UnitCatalogue::Units(group))
            if (formatter.GetDefaultSymbol(unit) != fresh.GetDefaultSymbol(unit))
                defaultSymbols.append(formatter.GetDefaultSymbol(unit));
    }
    return py::make_tuple(PythonText(formatter.GetLocaleName()), defaultUnits, defaultSymbols,
                          SymbolStrings(formatter, false), SymbolStrings(formatter, true));
}

Formatter Formatter::FromState(const py::tuple& state) {
    if (state.size() != 5)
        throw py::value_error("not the state of a Formatter");
    Formatter restored(state[0].cast<std::string>(), false);
    UnitsFormatter& f = restored.formatter;
    for (py::handle unit : state[1].cast<py::list>())
        Check(f.SetDefaultUnit(unit.cast<int>()), "not the state of a Formatter");
    for (py::handle symbol : state[2].cast<py::list>())
        Check(f.SetDefaultSymbol(symbol.cast<int>()), "not the state of a Formatter");
    for (int kind = 3; kind <= 4; ++kind)
        for (py::handle pair : state[kind].cast<py::list>()) {
            auto [symbol, text] = pair.cast<std::pair<int, std::wstring>>();
            Check(kind == 3 ? f.SetSymbolFormattingString(symbol, text.c_str())
                            : f.SetSymbolParsingString(symbol, text.c_str()),
                  "not the state of a Formatter");
        }
    return restored;
}

} // namespace vvzpy
