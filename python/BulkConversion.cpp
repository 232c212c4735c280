#include "BulkConversion.h"

#include "Formatter.h"
#include "PythonText.h"

#include <ViVuzaZadurUI/ParseDiagnostics.h>

#include <pybind11/numpy.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <limits>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

using namespace velmar::platform::core::units;

namespace vvzpy {

namespace {

constexpr size_t kItemsPerThread = 25000;
// More threads than this would only wait for the cores.
constexpr long kMaxThreads = 64;

size_t ThreadCount(py::handle threads, size_t items) {
    if (!threads.is_none()) {
        if (!PyLong_Check(threads.ptr()) || PyBool_Check(threads.ptr()))
            throw py::type_error("threads must be an int or None, not " + TypeName(threads));
        int overflow = 0;
        long count = PyLong_AsLongAndOverflow(threads.ptr(), &overflow);
        if (overflow < 0 || (overflow == 0 && count < 1))
            throw py::value_error("threads must be at least 1");
        count = overflow > 0 ? kMaxThreads : std::min(count, kMaxThreads);
        return std::min(static_cast<size_t>(count), std::max<size_t>(items, 1));
    }
    size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<size_t>(items / kItemsPerThread, 1, cores);
}

// The items of each of threads slices (at least one, so that an empty input has a slice).
size_t SliceSize(size_t items, size_t threads) {
    return std::max<size_t>(1, (items + threads - 1) / threads);
}

// Runs work(first, last) over [0, items) in slices of SliceSize, the first on this thread, and
// any that gets no thread of its own too.
template <class Work> void InSlices(size_t items, size_t threads, const Work& work) {
    std::vector<std::thread> others;
    const size_t slice = SliceSize(items, threads);
    for (size_t first = slice; first < items; first += slice) {
        try {
            others.emplace_back(work, first, std::min(items, first + slice));
        } catch (const std::system_error&) {
            work(first, std::min(items, first + slice));
        }
    }
    work(0, std::min(items, slice));
    for (std::thread& thread : others)
        thread.join();
}

// The type of pandas.NA where pandas is loaded, else null.
PyObject* PandasMissingType() {
    py::dict modules = py::module_::import("sys").attr("modules");
    if (!modules.contains("pandas"))
        return nullptr;
    py::object missing = py::getattr(modules["pandas"], "NA", py::none());
    return missing.is_none() ? nullptr : reinterpret_cast<PyObject*>(Py_TYPE(missing.ptr()));
}

// A missing value of a column: None, a float NaN, pandas.NA.
bool IsMissing(py::handle item, PyObject* pandasMissing) {
    return item.is_none() ||
           (PyFloat_Check(item.ptr()) && std::isnan(PyFloat_AS_DOUBLE(item.ptr()))) ||
           (pandasMissing != nullptr &&
            reinterpret_cast<PyObject*>(Py_TYPE(item.ptr())) == pandasMissing);
}

} // namespace

py::list FormatMany(const Formatter& formatter, py::handle values, int unit, int display,
                    py::handle threads) {
    // Numbers only: numpy would read a text such as "1" as a number.
    py::array given = py::array::ensure(values);
    const char kind = given ? given.dtype().kind() : 'O';
    auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
    if (!array || array.ndim() != 1 || kind == 'U' || kind == 'S')
        throw py::type_error("values must be a one-dimensional sequence of numbers");
    formatter.Format(0.0, unit, display); // ValueError for a unit or display that cannot be
    const size_t count = static_cast<size_t>(array.shape(0));
    const double* data = array.data();
    // Each slice writes its texts one after another into a buffer of its own; the end of every
    // text, or kNoText, marks where it stops.
    constexpr size_t kNoText = std::numeric_limits<size_t>::max();
    const size_t threadCount = ThreadCount(threads, count);
    const size_t slice = SliceSize(count, threadCount);
    std::vector<std::vector<wchar_t>> buffers(threadCount);
    std::vector<size_t> end(count);
    {
        py::gil_scoped_release release;
        auto shared = formatter.Share();
        InSlices(count, threadCount, [&](size_t first, size_t last) {
            std::vector<wchar_t>& texts = buffers[first / slice];
            texts.reserve((last - first) * 16);
            wchar_t text[256];
            for (size_t i = first; i < last; ++i) {
                bool written =
                    formatter.Library().Format(data[i], unit, text, 256, display) == ecSuccess;
                if (written)
                    texts.insert(texts.end(), text, text + std::wcslen(text));
                end[i] = written ? texts.size() : kNoText;
            }
        });
    }
    py::list result(count);
    size_t begin = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i % slice == 0)
            begin = 0;
        if (end[i] != kNoText) {
            result[i] = PythonText(buffers[i / slice].data() + begin, end[i] - begin);
            begin = end[i];
        } else if (std::isfinite(data[i])) {
            result[i] = formatter.Format(data[i], unit, display); // longer than 255 characters
        } else {
            result[i] = py::none();
        }
    }
    return result;
}

py::object ParseMany(const Formatter& formatter, py::handle texts, int unit, py::handle threads,
                     bool reasons) {
    if (IsText(texts))
        throw py::type_error("texts must be a sequence of str, not a str");
    py::object items = py::reinterpret_steal<py::object>(
        PySequence_Fast(texts.ptr(), "texts must be a sequence of str"));
    if (!items)
        throw py::error_already_set();
    const size_t count = static_cast<size_t>(PySequence_Fast_GET_SIZE(items.ptr()));
    PyObject** item = PySequence_Fast_ITEMS(items.ptr());

    // Every text, terminated, in one buffer; a missing item or a text with a NUL character is
    // refused before parsing.
    constexpr size_t kRefused = std::numeric_limits<size_t>::max();
    std::vector<wchar_t> buffer;
    std::vector<size_t> start(count);
    std::vector<ParseProblem> problems(count, ppNone);
    PyObject* pandasMissing = PandasMissingType();
    for (size_t i = 0; i < count; ++i) {
        py::handle text(item[i]);
        if (!IsText(text)) {
            if (!IsMissing(text, pandasMissing))
                throw py::type_error("texts[" + std::to_string(i) + "] is of type " +
                                     TypeName(text) + ", not str");
            start[i] = kRefused;
            problems[i] = ppEmptyText;
            continue;
        }
        size_t nul = 0;
        start[i] = buffer.size();
        AppendWide(text, buffer, nul);
        buffer.push_back(L'\0');
        if (nul != std::wstring::npos) {
            start[i] = kRefused;
            problems[i] = ppUnknownText;
        }
    }

    const size_t threadCount = ThreadCount(threads, count); // with the GIL: it reads an object
    py::array_t<double> values(static_cast<py::ssize_t>(count));
    double* out = values.mutable_data();
    {
        py::gil_scoped_release release;
        auto shared = formatter.Share();
        const UnitsFormatter& library = formatter.ParserInto(unit);
        InSlices(count, threadCount, [&](size_t first, size_t last) {
            for (size_t i = first; i < last; ++i) {
                out[i] = std::numeric_limits<double>::quiet_NaN();
                if (start[i] == kRefused)
                    continue;
                const wchar_t* text = &buffer[start[i]];
                if (library.Parse(text, out[i], unit) == ecSuccess)
                    continue;
                out[i] = std::numeric_limits<double>::quiet_NaN();
                if (reasons) {
                    double ignored = 0;
                    ParseDiagnosis diagnosis;
                    (void)ParseDiagnostics::Parse(library, text, ignored, unit, diagnosis);
                    problems[i] = diagnosis.problem;
                }
            }
        });
    }
    if (!reasons)
        return std::move(values);
    py::list why(count);
    for (size_t i = 0; i < count; ++i)
        why[i] = problems[i] == ppNone ? py::none() : py::cast(problems[i]);
    return py::make_tuple(values, why);
}

} // namespace vvzpy
