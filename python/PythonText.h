#pragma once

#include <pybind11/pybind11.h>

#include <QString>

#include <string>
#include <vector>

// Text between Python and the library. A Python str is a sequence of code points, as the
// library's wide text is on Linux (UTF-32), so positions in one are positions in the other.
namespace vvzpy {

namespace py = pybind11;

// The name of an object's type, for messages.
std::string TypeName(py::handle object);

// Whether an object is a str (numpy.str_ included).
bool IsText(py::handle object);

// Appends the code points of a str to buffer; where holds the index of its first NUL character
// afterwards, or npos when it has none. The caller has checked IsText.
void AppendWide(py::handle text, std::vector<wchar_t>& buffer, size_t& nul);

// The code points of a str, for a single call; TypeError when it is none.
std::wstring WideText(py::handle text, const char* argument);

py::str PythonText(const wchar_t* text, size_t length);
py::str PythonText(const QString& text);
QString QText(const std::wstring& text);

} // namespace vvzpy
