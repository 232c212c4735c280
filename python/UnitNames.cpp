#include "UnitNames.h"

#include "PythonText.h"
#include "UnitCatalogue.h"

#include <QString>

namespace vvzpy {

UnitNames::UnitNames(const velmar::platform::core::units::UnitsFormatter& formatter)
    : resolver(formatter) {}

int UnitNames::Find(py::handle key, UnitResolver::Kind kind, std::string& error) const {
    if (PyBool_Check(key.ptr()) || !(PyLong_Check(key.ptr()) || IsText(key)))
        throw py::type_error(
            "a unit is an int id or a str, not " +
            py::str(py::type::handle_of(key).attr("__name__")).cast<std::string>());
    if (PyLong_Check(key.ptr())) {
        int overflow = 0;
        long long id = PyLong_AsLongLongAndOverflow(key.ptr(), &overflow);
        if (overflow == 0 && id > 0 && id <= 0x7fffffff &&
            UnitCatalogue::Names(static_cast<int>(id)))
            return static_cast<int>(id);
        error = "the id " + py::repr(key).cast<std::string>() + " names nothing in the catalogue";
        return 0;
    }
    QString text = QText(WideText(key, "unit"));
    QString reason;
    int id = 0;
    {
        // With the GIL held, as no setter of the formatter can run meanwhile.
        std::lock_guard<std::mutex> guard(lock);
        id = resolver.Resolve(text, kind, nullptr, reason);
    }
    if (id == 0)
        error = reason.toStdString();
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
