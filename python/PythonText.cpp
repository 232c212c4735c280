#include "PythonText.h"

namespace vvzpy {

std::string TypeName(py::handle object) {
    return py::str(py::type::handle_of(object).attr("__name__")).cast<std::string>();
}

bool IsText(py::handle object) {
    return PyUnicode_Check(object.ptr());
}

void AppendWide(py::handle text, std::vector<wchar_t>& buffer, size_t& nul) {
    PyObject* object = text.ptr();
    const Py_ssize_t length = PyUnicode_GET_LENGTH(object);
    const int kind = PyUnicode_KIND(object);
    const void* data = PyUnicode_DATA(object);
    const size_t start = buffer.size();
    buffer.resize(start + static_cast<size_t>(length));
    wchar_t* out = buffer.data() + start;
    nul = std::wstring::npos;
    for (Py_ssize_t i = 0; i < length; ++i) {
        out[i] = static_cast<wchar_t>(PyUnicode_READ(kind, data, i));
        if (out[i] == L'\0' && nul == std::wstring::npos)
            nul = static_cast<size_t>(i);
    }
}

std::wstring WideText(py::handle text, const char* argument) {
    if (!IsText(text))
        throw py::type_error(std::string(argument) + " must be a str, not " + TypeName(text));
    std::vector<wchar_t> buffer;
    size_t nul = 0;
    AppendWide(text, buffer, nul);
    return std::wstring(buffer.begin(), buffer.end());
}

py::str PythonText(const wchar_t* text, size_t length) {
    PyObject* object = PyUnicode_FromWideChar(text, static_cast<Py_ssize_t>(length));
    if (object == nullptr)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(object);
}

py::str PythonText(const QString& text) {
    std::wstring wide = text.toStdWString();
    return PythonText(wide.data(), wide.size());
}

QString QText(const std::wstring& text) {
    return QString::fromStdWString(text);
}

} // namespace vvzpy
