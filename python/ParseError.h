#pragma once

#include <ViVuzaZadurUI/ParseProblem.h>

#include <pybind11/pybind11.h>

#include <string>

namespace vvzpy {

namespace py = pybind11;

// vivuzazadur.ParseError, a ValueError: the text that Formatter.parse refused, with the reason
// (a ParseProblem), the position and length of what is wrong (in code points, as Python
// indexes the text) and the translated message.
void DefineParseError(py::module_& module);

[[noreturn]] void RaiseParseError(const std::string& message,
                                  velmar::platform::core::units::ParseProblem reason,
                                  size_t position, size_t length, py::handle text, int unit);

} // namespace vvzpy
