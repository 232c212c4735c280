// vivuzazadur: the library's formatter for Python. The module binds Formatter, the catalogue
// lookups and the enums; the package around it (vivuzazadur/__init__.py) adds the named ids.
#include "BulkConversion.h"
#include "CatalogueView.h"
#include "Formatter.h"
#include "ParseError.h"
#include "PythonText.h"
#include "UnitCatalogue.h"

#include <ViVuzaZadurUI/StringUtil.h>

#include <pybind11/stl.h>

#include <QCoreApplication>
#include <QString>

#include <vector>

using namespace velmar::platform::core::units;
using namespace vvzpy;

namespace {

using Library = UnitsFormatter;

// The number settings as properties: a getter, and a setter that changes the formatter once no
// bulk call uses it. They are also what a pickled formatter carries.
template <class Value>
void Setting(py::class_<Formatter>& formatter, const char* name, Value (*get)(const Library&),
             void (*set)(Library&, const Value&), const char* doc) {
    formatter.def_property(
        name, [get](const Formatter& self) { return get(self.Library()); },
        [set](Formatter& self, const Value& value) {
            self.Change([&](Library& library) { set(library, value); });
        },
        doc);
}

const char* const kNumberSettings[] = {"precision",
                                       "numeric_format",
                                       "decimal_separator",
                                       "group_separator",
                                       "positive_sign",
                                       "negative_sign",
                                       "group_sizes",
                                       "check_group_sizes",
                                       "native_digits",
                                       "two_digit_exponent",
                                       "include_positive_sign",
                                       "include_negative_sign",
                                       "include_positive_exponent_sign",
                                       "include_negative_exponent_sign"};

std::wstring Wide(const QString& text) {
    return text.toStdWString();
}

QString Q(const std::wstring& text) {
    return QString::fromStdWString(text);
}

NumberFormat FormatNamed(py::handle format) {
    if (py::isinstance<NumberFormat>(format))
        return format.cast<NumberFormat>();
    NumberFormat id = nfNumber;
    Check(StringUtil::GetNumberFormatId(Q(WideText(format, "numeric_format")), id),
          "no numeric format is named " + py::repr(format).cast<std::string>());
    return id;
}

void BindSettings(py::class_<Formatter>& f) {
    Setting<int>(
        f, "precision", [](const Library& l) { return l.GetNumberDecimalPrecision(); },
        [](Library& l, const int& p) {
            Check(l.SetNumberDecimalPrecision(p), "the precision is 0 to 99");
        },
        "Digits after the decimal separator (significant digits in General, the power of two of "
        "the denominator in Fraction): 0 to 99.");
    f.def_property(
        "numeric_format", [](const Formatter& self) { return self.Library().GetNumericFormat(); },
        [](Formatter& self, py::object format) {
            NumberFormat id = FormatNamed(format);
            self.Change([&](Library& l) { l.SetNumericFormat(id); });
        },
        "The numeric format: a NumberFormat, also set by its name (\"FixedPoint\").");
    Setting<std::wstring>(
        f, "decimal_separator",
        [](const Library& l) { return Wide(l.GetNumberDecimalSeparator()); },
        [](Library& l, const std::wstring& s) {
            Check(l.SetNumberDecimalSeparator(Q(s)), "the decimal separator is a text, not empty");
        },
        "The decimal separator, a text that is not empty (default \".\").");
    Setting<std::wstring>(
        f, "group_separator", [](const Library& l) { return Wide(l.GetNumberGroupSeparator()); },
        [](Library& l, const std::wstring& s) {
            Check(l.SetNumberGroupSeparator(Q(s)), "the group separator is a text, not empty");
        },
        "The digit-group separator, a text that is not empty (default \",\").");
    Setting<std::wstring>(
        f, "positive_sign", [](const Library& l) { return Wide(l.GetPositiveSign()); },
        [](Library& l, const std::wstring& s) { l.SetPositiveSign(Q(s)); },
        "The positive sign, any text (default empty).");
    Setting<std::wstring>(
        f, "negative_sign", [](const Library& l) { return Wide(l.GetNegativeSign()); },
        [](Library& l, const std::wstring& s) { l.SetNegativeSign(Q(s)); },
        "The negative sign, any text (default \"-\").");
    Setting<std::vector<int>>(
        f, "group_sizes",
        [](const Library& l) {
            std::vector<int> sizes(l.GetNumberGroupSizes(nullptr));
            l.GetNumberGroupSizes(sizes.data());
            return sizes;
        },
        [](Library& l, const std::vector<int>& sizes) {
            Check(l.SetNumberGroupSizes(sizes.data(), static_cast<int>(sizes.size())),
                  "group sizes: at least one, every one but the last 1 to 9, the last 0 to 9");
        },
        "Digit-group sizes from the decimal separator outward, the last repeating ([3]; [3, 2] "
        "in en-IN); a last 0 leaves the leading digits ungrouped.");
    Setting<bool>(
        f, "check_group_sizes", [](const Library& l) { return l.CheckNumberGroupSizes(); },
        [](Library& l, const bool& check) { l.SetCheckNumberGroupSizes(check); },
        "Whether parsing refuses a group separator that separates no digit groups («1,5 m» "
        "under en-US numbers); default True.");
    Setting<std::wstring>(
        f, "native_digits", [](const Library& l) { return Wide(l.GetNativeDigits()); },
        [](Library& l, const std::wstring& digits) {
            Check(l.SetNativeDigits(Q(digits)), "the digits are ten different characters");
        },
        "The ten digits, 0 to 9, as one text.");
    Setting<bool>(
        f, "two_digit_exponent", [](const Library& l) { return l.AllowTwoDigitExponent(); },
        [](Library& l, const bool& allow) { l.SetAllowTwoDigitExponent(allow); },
        "Exponents of at least two digits when True, else three (default True).");
    Setting<bool>(
        f, "include_positive_sign",
        [](const Library& l) { return l.IncludePositiveSignInNumber(); },
        [](Library& l, const bool& b) { l.SetIncludePositiveSignInNumber(b); },
        "Whether a number is written with its positive sign (default True).");
    Setting<bool>(
        f, "include_negative_sign",
        [](const Library& l) { return l.IncludeNegativeSignInNumber(); },
        [](Library& l, const bool& b) { l.SetIncludeNegativeSignInNumber(b); },
        "Whether a number is written with its negative sign (default True).");
    Setting<bool>(
        f, "include_positive_exponent_sign",
        [](const Library& l) { return l.IncludePositiveSignInExponent(); },
        [](Library& l, const bool& b) { l.SetIncludePositiveSignInExponent(b); },
        "Whether an exponent is written with its positive sign (default False).");
    Setting<bool>(
        f, "include_negative_exponent_sign",
        [](const Library& l) { return l.IncludeNegativeSignInExponent(); },
        [](Library& l, const bool& b) { l.SetIncludeNegativeSignInExponent(b); },
        "Whether an exponent is written with its negative sign (default True).");
}

// A symbol string as set, or None.
py::object SymbolString(const Formatter& self, py::handle symbol, bool parsing) {
    int id = self.Resolve(symbol);
    ErrorCode result = ecFailure;
    QString text = parsing ? self.Library().GetSymbolParsingString(id, &result)
                           : self.Library().GetSymbolFormattingString(id, &result);
    return result == ecSuccess ? py::object(PythonText(text)) : py::object(py::none());
}

void SetSymbolString(Formatter& self, py::handle symbol, py::handle text, bool parsing) {
    int id = self.Resolve(symbol);
    std::wstring wide = text.is_none() ? std::wstring() : WideText(text, "text");
    self.Change([&](Library& l) {
        Check(parsing ? l.SetSymbolParsingString(id, Q(wide))
                      : l.SetSymbolFormattingString(id, Q(wide)),
              "not a symbol string of that symbol: a syntax error, a placeholder it does not "
              "have, or literals that another string has already");
    });
}

void BindFormatter(py::module_& m) {
    py::class_<Formatter> f(m, "Formatter",
                            R"(Formats values with units as localized text and reads such text back.

A formatter is bound to one locale (en-US, de-DE, fr-FR or ru-RU) and carries its own number
settings. Units, displays and symbols are given as ids (vivuzazadur.Units.Inch, 0x2016) or as
texts: a symbol text or name in the formatter's locale or in en-US, a global name, or a typed
spelling ("ft", "Inch", "kN*m"). Its calls may come from several threads.)");
    f.def(py::init<const std::string&, bool>(), py::arg("locale") = "en-US",
          py::arg("locale_numbers") = false,
          R"(A formatter of the locale. With locale_numbers, numbers follow the locale's conventions
(de-DE «1.234,5»); without, they keep the library's defaults («1,234.5») in every locale.
ValueError for a locale without translations.)");
    f.def_property_readonly(
        "locale", [](const Formatter& self) { return Wide(self.Library().GetLocaleName()); },
        "The locale's name.");
    BindSettings(f);
    f.def(
        "format",
        [](const Formatter& self, double value, py::handle unit, py::handle display) {
            return self.Format(value, self.Resolve(unit), self.ResolveDisplay(display));
        },
        py::arg("value"), py::arg("unit"), py::arg("display") = 0,
        R"(The text of value, a quantity in unit, shown with display: 0 for the unit itself, else a
group (its default unit), unit (its default symbol) or symbol. ValueError for a display of
another dimension and for a value that is not finite.)");
    f.def(
        "parse",
        [](const Formatter& self, py::handle text, py::handle unit) {
            return self.Parse(text, self.Resolve(unit));
        },
        py::arg("text"), py::arg("unit"),
        R"(The value of text in unit; a bare number ("12.5") is in unit. ParseError (a ValueError)
with the reason, position and translated message when the text is not a quantity of unit's
dimension.)");
    f.def(
        "try_parse",
        [](const Formatter& self, py::handle text, py::handle unit) {
            return self.TryParse(text, self.Resolve(unit));
        },
        py::arg("text"), py::arg("unit"),
        "The value of text in unit, or None when the text is not a quantity.");
    f.def(
        "format_many",
        [](const Formatter& self, py::handle values, py::handle unit, py::handle display,
           py::handle threads) {
            return FormatMany(self, values, self.Resolve(unit), self.ResolveDisplay(display),
                              threads);
        },
        py::arg("values"), py::arg("unit"), py::arg("display") = 0, py::kw_only(),
        py::arg("threads") = py::none(),
        R"(The texts of many values (a sequence, numpy array or pandas Series of numbers), as a
list, None for a value that is not finite. Works without the GIL, on several threads for
large inputs; threads fixes their number.)");
    f.def(
        "parse_many",
        [](const Formatter& self, py::handle texts, py::handle unit, py::handle threads,
           bool reasons) { return ParseMany(self, texts, self.Resolve(unit), threads, reasons); },
        py::arg("texts"), py::arg("unit"), py::kw_only(), py::arg("threads") = py::none(),
        py::arg("reasons") = false,
        R"(The values of many texts in unit as a float64 numpy array, NaN where a text is not a
quantity; None, NaN and pandas.NA items (missing values) give NaN, other items that are no str
TypeError.
With reasons=True, a pair: the array and a list holding the ParseProblem of every refused text
and None for every read one. Works without the GIL, on several threads for large inputs;
threads fixes their number.)");
    f.def(
        "display_name",
        [](const Formatter& self, py::handle id) {
            ErrorCode error = ecSuccess;
            QString name = self.Library().GetDisplayName(self.Resolve(id), &error);
            Check(error, "no name for " + py::repr(id).cast<std::string>());
            return Wide(name);
        },
        py::arg("id"),
        "The translated name of a group or unit (in its dictionary form), the text of a symbol.");
    f.def(
        "default_unit",
        [](const Formatter& self, py::handle group) {
            int id = self.Resolve(group);
            return self.Library().GetDefaultUnit(id & 0xff000);
        },
        py::arg("group"), "The default unit of a group (of a unit's or symbol's group).");
    f.def(
        "set_default_unit",
        [](Formatter& self, py::handle unit) {
            int id = self.Resolve(unit) & 0xfffff;
            self.Change([&](Library& l) { Check(l.SetDefaultUnit(id), "not a unit"); });
        },
        py::arg("unit"), "Makes a unit the default of its group, for bare numbers and displays.");
    f.def(
        "default_symbol",
        [](const Formatter& self, py::handle unit) {
            return self.Library().GetDefaultSymbol(self.Resolve(unit) & 0xfffff);
        },
        py::arg("unit"), "The default symbol of a unit.");
    f.def(
        "set_default_symbol",
        [](Formatter& self, py::handle symbol) {
            int id = self.Resolve(symbol);
            self.Change([&](Library& l) { Check(l.SetDefaultSymbol(id), "not a unit symbol"); });
        },
        py::arg("symbol"), "Makes a symbol the default of its unit.");
    f.def(
        "symbol_formatting_string",
        [](const Formatter& self, py::handle symbol) { return SymbolString(self, symbol, false); },
        py::arg("symbol"), "The layout Format writes the symbol with, or None when none is set.");
    f.def(
        "set_symbol_formatting_string",
        [](Formatter& self, py::handle symbol, py::handle text) {
            SetSymbolString(self, symbol, text, false);
        },
        py::arg("symbol"), py::arg("text"),
        R"(Sets the layout Format writes the symbol with: literal texts around numbered
placeholders ("{0} ft {1} in"); None or "" removes it. ValueError for a layout the symbol cannot
have.)");
    f.def(
        "symbol_parsing_string",
        [](const Formatter& self, py::handle symbol) { return SymbolString(self, symbol, true); },
        py::arg("symbol"), "The extra layout that parsing reads for the symbol, or None.");
    f.def(
        "set_symbol_parsing_string",
        [](Formatter& self, py::handle symbol, py::handle text) {
            SetSymbolString(self, symbol, text, true);
        },
        py::arg("symbol"), py::arg("text"),
        "Adds a layout that parsing reads for the symbol; None or \"\" removes it.");
    f.def(
        "copy", [](const Formatter& self) { return Formatter(self); },
        "An independent copy with all the settings.");
    f.def("__copy__", [](const Formatter& self) { return Formatter(self); });
    f.def("__deepcopy__", [](const Formatter& self, py::dict) { return Formatter(self); });
    f.def("__repr__", [](const Formatter& self) {
        return "<vivuzazadur.Formatter " + self.Library().GetLocaleName().toStdString() + ">";
    });
    f.def(py::pickle(
        [](const Formatter& self) {
            py::dict numbers;
            py::object object = py::cast(self, py::return_value_policy::reference);
            for (const char* name : kNumberSettings)
                numbers[name] = object.attr(name);
            return py::make_tuple(self.State(), numbers);
        },
        [](const py::tuple& state) {
            if (state.size() != 2)
                throw py::value_error("not the state of a Formatter");
            Formatter restored = Formatter::FromState(state[0].cast<py::tuple>());
            py::object object = py::cast(restored, py::return_value_policy::reference);
            for (auto [name, value] : state[1].cast<py::dict>())
                object.attr(name) = value;
            return restored;
        }));
}

template <class Entry> std::string EntryRepr(const char* kind, const Entry& entry) {
    return std::string("<") + kind + " " + entry.globalName + " " +
           UnitCatalogue::IdText(entry.id).toStdString() + ">";
}

void BindCatalogue(py::module_& m) {
    py::class_<CatalogueGroup>(m, "Group", "A unit group of the catalogue.")
        .def_readonly("id", &CatalogueGroup::id)
        .def_readonly("global_name", &CatalogueGroup::globalName)
        .def_readonly("name", &CatalogueGroup::name, "The name in en-US.")
        .def_readonly("units", &CatalogueGroup::units, "The ids of its units.")
        .def("__repr__", [](const CatalogueGroup& e) { return EntryRepr("Group", e); });
    py::class_<CatalogueUnit>(m, "Unit", "A unit of the catalogue.")
        .def_readonly("id", &CatalogueUnit::id)
        .def_readonly("global_name", &CatalogueUnit::globalName)
        .def_readonly("name", &CatalogueUnit::name, "The name in en-US.")
        .def_readonly("group", &CatalogueUnit::group, "The id of its group.")
        .def_readonly("symbols", &CatalogueUnit::symbols, "The ids of its symbols.")
        .def_readonly("dimension", &CatalogueUnit::dimension,
                      "The exponents of length, mass, time, electric current, temperature, "
                      "amount of substance and luminous intensity.")
        .def("__repr__", [](const CatalogueUnit& e) { return EntryRepr("Unit", e); });
    py::class_<CatalogueSymbol>(m, "Symbol", "A unit symbol of the catalogue.")
        .def_readonly("id", &CatalogueSymbol::id)
        .def_readonly("global_name", &CatalogueSymbol::globalName)
        .def_readonly("text", &CatalogueSymbol::text, "The text in en-US.")
        .def_readonly("unit", &CatalogueSymbol::unit, "The id of its unit.")
        .def("__repr__", [](const CatalogueSymbol& e) { return EntryRepr("Symbol", e); });

    py::class_<CatalogueView>(m, "Catalogue",
                              R"(The catalogue's groups, units or symbols, looked up by id, global
name or symbol text (units["ft"], units["Foot"], units[0x2017]); a key of another kind stands for
the entry it belongs to or chooses.)")
        .def("__getitem__", &CatalogueView::Get, py::arg("key"))
        .def("get", &CatalogueView::Find, py::arg("key"), py::arg("default") = py::none(),
             "The entry, or default when key names nothing.")
        .def("__contains__", &CatalogueView::Contains, py::arg("key"))
        .def("__len__", [](const CatalogueView& view) { return view.Ids().size(); })
        .def("__iter__",
             [](const CatalogueView& view) {
                 py::list entries;
                 for (int id : view.Ids())
                     entries.append(view.Get(py::int_(id)));
                 return py::iter(entries);
             })
        .def("ids", &CatalogueView::Ids, "Every id, in catalogue order.");
    m.attr("groups") = CatalogueView(CatalogueView::Groups);
    m.attr("units") = CatalogueView(CatalogueView::Units);
    m.attr("symbols") = CatalogueView(CatalogueView::Symbols);
}

void BindEnums(py::module_& m) {
    py::enum_<NumberFormat>(m, "NumberFormat", "The numeric formats of number text.")
        .value("Exponential", nfExponential, "d.ddE+xx")
        .value("ExponentialLower", nfExponentialLower, "d.dde+xx")
        .value("FixedPoint", nfFixedPoint, "ddd.dd")
        .value("General", nfGeneral, "the shorter of fixed and E notation")
        .value("GeneralLower", nfGeneralLower, "the shorter of fixed and e notation")
        .value("Number", nfNumber, "fixed with digit grouping")
        .value("Fraction", nfFraction, "whole number and binary fraction");
    py::enum_<ParseProblem>(m, "ParseProblem", "Why a text is not a quantity.")
        .value("EmptyText", ppEmptyText, "nothing to read")
        .value("UnknownUnit", ppUnknownUnit, "the unit asked for names no unit")
        .value("UnknownText", ppUnknownText, "no number and no symbol text starts here")
        .value("WrongDimension", ppWrongDimension, "a quantity of another dimension")
        .value("MissingNumber", ppMissingNumber, "a unit without its number")
        .value("MissingUnit", ppMissingUnit, "numbers that no unit or notation takes")
        .value("MisplacedOperator", ppMisplacedOperator, "an operator without its operands")
        .value("BadExponent", ppBadExponent, "an exponent other than a whole number to ±64")
        .value("UnbalancedParenthesis", ppUnbalancedParenthesis, "a parenthesis without its pair")
        .value("ZeroDenominator", ppZeroDenominator, "a fraction over zero")
        .value("MisplacedMark", ppMisplacedMark, "a degree sign or prime where it means nothing")
        .value("MinutesWithoutPrime", ppMinutesWithoutPrime, "minutes followed by more")
        .value("NegativeMinutes", ppNegativeMinutes, "negative minutes or seconds")
        .value("BearingOutOfRange", ppBearingOutOfRange, "a bearing angle over 90°")
        .value("BearingWithoutPole", ppBearingWithoutPole, "a bearing without N or S")
        .value("NotFinite", ppNotFinite, "a value too large to hold")
        .value("TooLong", ppTooLong, "more pieces than any quantity has")
        .value("TooSmall", ppTooSmall, "a number too small to hold, other than 0")
        .value("MisplacedGroupSeparator", ppMisplacedGroupSeparator,
               "a group separator that separates no digit groups")
        .value("AboveFiftyNine", ppAboveFiftyNine, "minutes or seconds of 60 or more")
        .value("AmbiguousTime", ppAmbiguousTime, "hours and minutes, or minutes and seconds")
        .value("AmbiguousUnit", ppAmbiguousUnit, "a symbol text of two units of the dimension")
        .value("PowerOutOfRange", ppPowerOutOfRange, "a power beyond ±64");
}

// The library finds its translation files through the application object, as every Qt host
// has one; a Python process has none unless it brought Qt along, so the module makes one, named
// after the interpreter, that lives as long as the process.
void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    static char name[] = "python3";
    static char* arguments[] = {name, nullptr};
    static int count = 1;
    new QCoreApplication(count, arguments);
}

} // namespace

PYBIND11_MODULE(_vivuzazadur, m) {
    m.doc() = "The ViVuzaZadurUI formatter: quantities with units as localized text, and back.";
    EnsureApplication();
    BindEnums(m);
    DefineParseError(m);
    BindCatalogue(m);
    BindFormatter(m);
}
