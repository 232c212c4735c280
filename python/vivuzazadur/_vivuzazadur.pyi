"""Types of the compiled module vivuzazadur._vivuzazadur, for editors and type checkers."""

import enum
from typing import Iterable, Iterator, Literal, Optional, Sequence, Union, overload

import numpy
import numpy.typing

#: A unit, display or symbol argument: an id (Units.Inch, 0x2016) or a text ("ft", "Inch").
UnitKey = Union[int, str]

class NumberFormat(enum.IntEnum):
    """The numeric formats of number text."""

    Exponential = 0
    ExponentialLower = 1
    FixedPoint = 2
    General = 3
    GeneralLower = 4
    Number = 5
    Fraction = 6

class ParseProblem(enum.IntEnum):
    """Why a text is not a quantity."""

    EmptyText = 1
    UnknownUnit = 2
    UnknownText = 3
    WrongDimension = 4
    MissingNumber = 5
    MissingUnit = 6
    MisplacedOperator = 7
    BadExponent = 8
    UnbalancedParenthesis = 9
    ZeroDenominator = 10
    MisplacedMark = 11
    MinutesWithoutPrime = 12
    NegativeMinutes = 13
    BearingOutOfRange = 14
    BearingWithoutPole = 15
    NotFinite = 16
    TooLong = 17
    TooSmall = 18
    MisplacedGroupSeparator = 19
    AboveFiftyNine = 20
    AmbiguousTime = 21
    AmbiguousUnit = 22
    PowerOutOfRange = 23

class ParseError(ValueError):
    """A text that is not a quantity of the unit asked for; str() is the translated message."""

    reason: ParseProblem
    #: Where the wrong part starts, in code points.
    position: int
    length: int
    text: str
    unit: int

class Group:
    """A unit group of the catalogue."""

    @property
    def id(self) -> int: ...
    @property
    def global_name(self) -> str: ...
    @property
    def name(self) -> str:
        """The name in en-US."""
    @property
    def units(self) -> list[int]:
        """The ids of its units."""

class Unit:
    """A unit of the catalogue."""

    @property
    def id(self) -> int: ...
    @property
    def global_name(self) -> str: ...
    @property
    def name(self) -> str:
        """The name in en-US."""
    @property
    def group(self) -> int:
        """The id of its group."""
    @property
    def symbols(self) -> list[int]:
        """The ids of its symbols."""
    @property
    def dimension(self) -> list[int]:
        """The exponents of length, mass, time, current, temperature, amount, light."""

class Symbol:
    """A unit symbol of the catalogue."""

    @property
    def id(self) -> int: ...
    @property
    def global_name(self) -> str: ...
    @property
    def text(self) -> str:
        """The text in en-US."""
    @property
    def unit(self) -> int:
        """The id of its unit."""

class Catalogue:
    """Groups, units or symbols, looked up by id, global name or symbol text."""

    def __getitem__(self, key: UnitKey) -> Union[Group, Unit, Symbol]: ...
    def get(self, key: UnitKey, default: object = None) -> object:
        """The entry, or default when key names nothing."""
    def __contains__(self, key: UnitKey) -> bool: ...
    def __len__(self) -> int: ...
    def __iter__(self) -> Iterator[Union[Group, Unit, Symbol]]: ...
    def ids(self) -> list[int]:
        """Every id, in catalogue order."""

groups: Catalogue
units: Catalogue
symbols: Catalogue

class Formatter:
    """Formats values with units as localized text and reads such text back."""

    def __init__(self, locale: str = "en-US", locale_numbers: bool = False) -> None:
        """A formatter of the locale; with locale_numbers, the locale's number conventions."""
    @property
    def locale(self) -> str:
        """The locale's name."""
    precision: int
    numeric_format: NumberFormat
    decimal_separator: str
    group_separator: str
    positive_sign: str
    negative_sign: str
    group_sizes: list[int]
    check_group_sizes: bool
    native_digits: str
    two_digit_exponent: bool
    include_positive_sign: bool
    include_negative_sign: bool
    include_positive_exponent_sign: bool
    include_negative_exponent_sign: bool
    def format(self, value: float, unit: UnitKey, display: Optional[UnitKey] = 0) -> str:
        """The text of value, a quantity in unit, shown with display (0: the unit itself)."""
    def parse(self, text: str, unit: UnitKey) -> float:
        """The value of text in unit (a bare number is in unit); ParseError when it is none."""
    def try_parse(self, text: str, unit: UnitKey) -> Optional[float]:
        """The value of text in unit, or None."""
    def format_many(
        self,
        values: Union[Sequence[float], numpy.typing.ArrayLike],
        unit: UnitKey,
        display: Optional[UnitKey] = 0,
        *,
        threads: Optional[int] = None,
    ) -> list[Optional[str]]:
        """The texts of many values, None for a value that is not finite."""
    @overload
    def parse_many(
        self,
        texts: Iterable[Optional[str]],
        unit: UnitKey,
        *,
        threads: Optional[int] = None,
        reasons: Literal[False] = False,
    ) -> numpy.typing.NDArray[numpy.float64]: ...
    @overload
    def parse_many(
        self,
        texts: Iterable[Optional[str]],
        unit: UnitKey,
        *,
        threads: Optional[int] = None,
        reasons: Literal[True],
    ) -> tuple[numpy.typing.NDArray[numpy.float64], list[Optional[ParseProblem]]]: ...
    def display_name(self, id: UnitKey) -> str:
        """The translated name of a group or unit, the text of a symbol."""
    def default_unit(self, group: UnitKey) -> int:
        """The default unit of a group."""
    def set_default_unit(self, unit: UnitKey) -> None:
        """Makes a unit the default of its group."""
    def default_symbol(self, unit: UnitKey) -> int:
        """The default symbol of a unit."""
    def set_default_symbol(self, symbol: UnitKey) -> None:
        """Makes a symbol the default of its unit."""
    def symbol_formatting_string(self, symbol: UnitKey) -> Optional[str]:
        """The layout Format writes the symbol with, or None."""
    def set_symbol_formatting_string(self, symbol: UnitKey, text: Optional[str]) -> None:
        """Sets the layout Format writes the symbol with; None removes it."""
    def symbol_parsing_string(self, symbol: UnitKey) -> Optional[str]:
        """The extra layout parsing reads for the symbol, or None."""
    def set_symbol_parsing_string(self, symbol: UnitKey, text: Optional[str]) -> None:
        """Adds a layout that parsing reads for the symbol; None removes it."""
    def copy(self) -> "Formatter":
        """An independent copy with all the settings."""
    def __copy__(self) -> "Formatter": ...
    def __deepcopy__(self, memo: dict) -> "Formatter": ...
