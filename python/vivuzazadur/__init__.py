"""Quantities with units as localized text, and back: the ViVuzaZadurUI formatter for Python.

    >>> import vivuzazadur as vvz
    >>> f = vvz.Formatter("en-US")
    >>> f.format(66.5, vvz.Units.Inch, vvz.Symbols.Inch_FootPrimeInchDoublePrime_Fraction)
    '5\\'6 1/2"'
    >>> f.parse("1.69 m", "ft")
    5.544619422572178

Formatter reads and writes one text at a time or whole columns (format_many, parse_many);
groups, units and symbols look up the catalogue; Groups, Units and Symbols name every id.
"""

from ._ids import Groups, Symbols, Units
from ._vivuzazadur import (
    Catalogue,
    Formatter,
    Group,
    NumberFormat,
    ParseError,
    ParseProblem,
    Symbol,
    Unit,
    groups,
    symbols,
    units,
)

__all__ = [
    "Catalogue",
    "Formatter",
    "Group",
    "Groups",
    "NumberFormat",
    "ParseError",
    "ParseProblem",
    "Symbol",
    "Symbols",
    "Unit",
    "Units",
    "groups",
    "symbols",
    "units",
]
