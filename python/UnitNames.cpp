#include "UnitNames.h"

#include "PythonText.h"
#include <ViVuzaZadur/UnitsUtilities.h>

#include <QString>

using namespace velmar::platform::core::units;

namespace vvzpy {

UnitNames::UnitNames(const velmar::platform::core::units::UnitsFormatter& formatter)
    : formatter(formatter) {}

int UnitNames::Find(py::handle key, UnitResolver::Kind kind, std::string& error) const {
    if (PyBool_Check(key.ptr()) || !(PyLong_Check(key.ptr()) || IsText(key)))
        throw py::type_error("a unit is an int id or a str, not " + TypeName(key));
    if (PyLong_Check(key.ptr())) {
        int overflow = 0;
        long long id = PyLong_AsLongLongAndOverflow(key.ptr(), &overflow);
        size_t length = 0; // the catalogue has a global name for each of its ids
        if (overflow == 0 && id > 0 && id <= 0x7fffffff &&
            UnitsUtilities::GetGlobalNameLength(static_cast<int>(id), length) == ecSuccess &&
            length > 1)
            return static_cast<int>(id);
        error = "the id " +
                py::str(py::module_::import("builtins").attr("hex")(key)).cast<std::string>() +
                " names nothing in the catalogue";
        return 0;
    }
    // The str's UTF-8 form, which Python keeps with the str once made, is the key of the texts
    // found: a lookup copies nothing.
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(key.ptr(), &size);
    if (utf8 == nullptr)
        throw py::error_already_set(); // a lone surrogate
    std::string_view text(utf8, static_cast<size_t>(size));
    auto& known = found[kind == UnitResolver::Group];
    // With the GIL held, as no setter of the formatter can run meanwhile.
    std::lock_guard<std::mutex> guard(lock);
    auto hit = known.find(text);
    if (hit != known.end())
        return hit->second;
    if (!resolver)
        resolver = std::make_unique<UnitResolver>(formatter);
    QString reason;
    int id = resolver->Resolve(QText(WideText(key, "unit")), kind, nullptr, reason);
    if (id == 0)
        error = reason.toStdString();
    else if (known.size() < 1024)
        known.emplace(text, id);
    return id;
}

int UnitNames::Resolve(py::handle key, UnitResolver::Kind kind) const {
    std::string error;
    int id = Find(key, kind, error);
    if (id == 0)
        throw py::value_error(error);
    return id;
}

} // namespace vvzpy
