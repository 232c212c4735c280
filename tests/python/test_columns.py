"""Whole columns: format_many and parse_many agree with the single calls, whatever the input
type, with missing values and failures mixed in, on one thread or several; and one formatter
serves several Python threads at once."""

import math
import threading

import numpy
import pytest

import vivuzazadur as vvz
from vivuzazadur import ParseProblem, Symbols

FEET_INCHES = Symbols.Inch_FootPrimeInchDoublePrime_Fraction

# A column's texts, missing values among them, each with the reason it fails for, if it does.
COLUMN = [
    ("5'6 1/2\"", None),
    ("1.69 m", None),
    (None, ParseProblem.EmptyText),
    ("1,5 m", ParseProblem.MisplacedGroupSeparator),
    (math.nan, ParseProblem.EmptyText),
    ("", ParseProblem.EmptyText),
    ("350 mm", None),
    ("5 kg", ParseProblem.WrongDimension),
    ("−2.5E+2 cm", None),
    ("12", None),
    ("5 m\0", ParseProblem.UnknownText),
]
TEXTS = [text for text, _ in COLUMN]
EXPECTED_REASONS = [reason for _, reason in COLUMN]


def singles(f, texts, unit):
    return [
        math.nan if not isinstance(t, str) or f.try_parse(t, unit) is None else f.parse(t, unit)
        for t in texts
    ]


@pytest.mark.parametrize(
    "wrap",
    [list, tuple, lambda t: numpy.array(t, dtype=object)],
    ids=["list", "tuple", "numpy"],
)
def test_parse_many_gives_the_single_values_nan_and_reasons(en, wrap):
    values, reasons = en.parse_many(wrap(TEXTS), "m", reasons=True)
    assert values.dtype == numpy.float64 and values.shape == (len(TEXTS),)
    numpy.testing.assert_array_equal(values, singles(en, TEXTS, "m"))
    assert reasons == EXPECTED_REASONS
    numpy.testing.assert_array_equal(en.parse_many(wrap(TEXTS), "m"), values)


def test_parse_many_reads_a_pandas_column():
    pandas = pytest.importorskip("pandas")
    f = vvz.Formatter("de-DE", locale_numbers=True)
    column = pandas.Series(["1,5 m", None, "2.500 mm", "N 45° O", "2,5"])
    values = f.parse_many(column, "m")
    numpy.testing.assert_array_equal(values, [1.5, math.nan, 2.5, math.nan, 2.5])
    # The string dtype marks a missing value with pandas.NA.
    strings = pandas.Series(["1 m", None], dtype="string")
    numpy.testing.assert_array_equal(f.parse_many(strings, "m"), [1.0, math.nan])


@pytest.mark.parametrize(
    "texts, message",
    [
        (["5 m", 5], r"texts\[1\] is of type int"),
        (5, "sequence"),
        ("12 m", "not a str"),  # not read one character at a time
    ],
)
def test_parse_many_refuses_items_that_are_no_text(en, texts, message):
    with pytest.raises(TypeError, match=message):
        en.parse_many(texts, "m")


def big_column(count):
    base = ["5'6 1/2\"", "1.69 m", "bad", "350 mm", None, "12 ft 3 in", "1,5 m"]
    return [base[i % len(base)] for i in range(count)]


@pytest.mark.parametrize("threads", [1, 2, 7, None, 10**6, 2**70])
def test_parse_many_gives_the_same_on_any_number_of_threads(en, threads):
    texts = big_column(60_000)
    one, one_reasons = en.parse_many(texts[:7], "m", threads=1, reasons=True)
    values, reasons = en.parse_many(texts, "m", threads=threads, reasons=True)
    numpy.testing.assert_array_equal(values, numpy.tile(one, len(texts) // 7 + 1)[: len(texts)])
    assert reasons == (one_reasons * (len(texts) // 7 + 1))[: len(texts)]


@pytest.mark.parametrize("threads", [1, 3, None])
def test_format_many_gives_the_single_texts(en, threads):
    values = numpy.linspace(-1000.0, 1000.0, 50_001)
    values[7] = numpy.nan
    values[8] = numpy.inf
    texts = en.format_many(values, "Inch", FEET_INCHES, threads=threads)
    assert len(texts) == len(values)
    assert texts[7] is None and texts[8] is None
    for i in range(0, len(values), 997):
        if i not in (7, 8):
            assert texts[i] == en.format(values[i], "Inch", FEET_INCHES)


def test_format_many_takes_lists_and_writes_long_texts(en):
    assert en.format_many([1, 2.5, 1e300], "m") == [en.format(v, "m") for v in (1, 2.5, 1e300)]
    assert len(en.format_many([1e300], "m")[0]) > 300
    assert en.format_many([], "m") == []


@pytest.mark.parametrize(
    "call",
    [
        lambda f: f.format_many([1.0], "m", "s"),
        lambda f: f.format_many([[1.0, 2.0]], "m"),
        lambda f: f.format_many(["x"], "m"),
        lambda f: f.format_many(["1"], "m"),
        lambda f: f.parse_many(["5 m"], "m", threads=0),
        lambda f: f.parse_many(["5 m"], "m", threads=-(2**70)),
        lambda f: f.parse_many(["5 m"], "m", threads="2"),
        lambda f: f.format_many([1.0], "m", threads=True),
        lambda f: f.parse_many(["5 m"], "no such unit"),
    ],
)
def test_columns_refuse_bad_arguments(en, call):
    with pytest.raises((ValueError, TypeError)):
        call(en)


def test_one_formatter_serves_several_threads(en):
    texts = big_column(30_000)
    expected = en.parse_many(texts, "m", threads=1)
    expected_text = en.format(66.5, "Inch", FEET_INCHES)
    failures = []

    def work():
        try:
            for _ in range(3):
                numpy.testing.assert_array_equal(en.parse_many(texts, "m"), expected)
                for text, value in zip(texts[:50], expected[:50]):
                    read = en.try_parse(text, "m") if text is not None else None
                    assert (read is None and math.isnan(value)) or read == value
                assert en.format(66.5, "Inch", FEET_INCHES) == expected_text
        except Exception as error:  # handed to the main thread
            failures.append(error)

    threads = [threading.Thread(target=work) for _ in range(4)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert not failures, failures[0]


def test_a_setter_waits_for_the_columns_that_use_the_formatter(en):
    texts = ["1.5 m"] * 200_000
    results = []

    def parse():
        results.append(en.parse_many(texts, "m"))

    thread = threading.Thread(target=parse)
    thread.start()
    for separator in [",", "."] * 20:
        en.decimal_separator = separator
        en.group_separator = "." if separator == "," else ","
    thread.join()
    # Each column is read under one setting throughout: all 1.5 or all NaN.
    column = results[0]
    assert numpy.all(column == 1.5) or numpy.all(numpy.isnan(column))
