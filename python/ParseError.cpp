#include "ParseError.h"

namespace vvzpy {

namespace {

// The class, created once with the module and never freed, as the module is never unloaded.
PyObject* parseError = nullptr;

} // namespace

void DefineParseError(py::module_& module) {
    parseError = PyErr_NewExceptionWithDoc(
        "vivuzazadur.ParseError",
        "A text that is not a quantity of the unit asked for. A ValueError whose str() is the "
        "translated message, with the attributes reason (a ParseProblem), position and length "
        "(the part of the text that is wrong, in code points), text and unit (the id).",
        PyExc_ValueError, nullptr);
    if (parseError == nullptr)
        throw py::error_already_set();
    module.add_object("ParseError", py::handle(parseError));
}

void RaiseParseError(const std::string& message, velmar::platform::core::units::ParseProblem reason,
                     size_t position, size_t length, py::handle text, int unit) {
    py::object error = py::reinterpret_borrow<py::object>(parseError)(message);
    error.attr("reason") = py::cast(reason);
    error.attr("position") = position;
    error.attr("length") = length;
    error.attr("text") = text;
    error.attr("unit") = unit;
    PyErr_SetObject(parseError, error.ptr());
    throw py::error_already_set();
}

} // namespace vvzpy
