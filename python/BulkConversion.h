#pragma once

#include <pybind11/pybind11.h>

namespace vvzpy {

namespace py = pybind11;

class Formatter;

// Formats and parses whole columns: the values or texts are taken from Python first, then
// converted without the GIL, on several threads when there are many, and the results handed
// back. threads: None chooses (one thread for every 25,000 items, at most one per core); a
// number fixes it, up to 64.

// The text of every value, None where a value has none (NaN, infinite).
py::list FormatMany(const Formatter& formatter, py::handle values, int unit, int display,
                    py::handle threads);

// The value of every text as a float64 array, NaN where a text is not a quantity (None and
// float NaN items, the missing values of pandas, included). With reasons, also a list of the
// ParseProblem of every refused text and None for every read one.
py::object ParseMany(const Formatter& formatter, py::handle texts, int unit, py::handle threads,
                     bool reasons);

} // namespace vvzpy
