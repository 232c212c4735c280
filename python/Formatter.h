#pragma once

#include "UnitNames.h"

#include <ViVuzaZadurUI/UnitsFormatter.h>

#include <pybind11/pybind11.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>

namespace vvzpy {

namespace py = pybind11;

// vivuzazadur.Formatter: a UnitsFormatter with Python's types, whose unit arguments are ids or
// texts.
//
// Threads: calls of one formatter may come from several Python threads. A single call holds
// the GIL throughout. The bulk calls release it while they work and hold the formatter shared
// meanwhile; a setter waits for them (with the GIL released) and then changes the formatter
// with the GIL held, so that no call of any kind overlaps it.
class Formatter {
public:
    // A formatter of the locale ("de-DE"); with localeNumbers, also the locale's number
    // conventions (its separators and group sizes). ValueError for a locale without
    // translations.
    Formatter(const std::string& locale, bool localeNumbers);
    Formatter(const Formatter& other);
    Formatter& operator=(const Formatter&) = delete;

    const velmar::platform::core::units::UnitsFormatter& Library() const { return formatter; }
    // Runs change on the formatter once no bulk call uses it.
    void Change(const std::function<void(velmar::platform::core::units::UnitsFormatter&)>& change);
    // Holds the formatter for a bulk call, which runs without the GIL.
    std::shared_lock<std::shared_mutex> Share() const;

    // The unit argument: an id or text of a unit or symbol, or of a group for its default unit.
    int Resolve(py::handle unit) const;

    // The formatter that parses into unit: a copy of this one whose default unit of the group is
    // unit, so that a bare number («12.5», «5 1/2») is in the unit asked for, as in vvzunits,
    // and not in the group's default unit, which a column of feet would read as meters. Made on
    // the first parse into the unit, under a lock of its own, and kept until a setter runs.
    const velmar::platform::core::units::UnitsFormatter& ParserInto(int unit) const;
    // The display argument: 0 or None for the unit itself, else an id or text.
    int ResolveDisplay(py::handle display) const;

    py::str Format(double value, int unit, int display) const;
    double Parse(py::handle text, int unit) const;
    // Parse, None where the text is not a quantity.
    py::object TryParse(py::handle text, int unit) const;

    // Settings beyond the numbers, for pickling: default units and symbols, and symbol strings
    // that differ from a new formatter's.
    py::tuple State() const;
    static Formatter FromState(const py::tuple& state);

private:
    velmar::platform::core::units::UnitsFormatter formatter;
    UnitNames names;
    mutable std::shared_mutex use;
    mutable std::mutex parsersLock;
    mutable std::map<int, std::unique_ptr<velmar::platform::core::units::UnitsFormatter>> parsers;
};

// Raises ValueError with message unless result is ecSuccess.
void Check(velmar::platform::core::units::ErrorCode result, const std::string& message);

} // namespace vvzpy
