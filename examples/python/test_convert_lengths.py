"""Tests of convert_lengths.py on site_measurements.csv, with pandas and on a local Dask cluster."""

import math
import sys
from pathlib import Path

import numpy as np
import pytest
import vivuzazadur as vvz

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import convert_lengths  # noqa: E402

CSV = HERE / "site_measurements.csv"

# distributed 2022.12 still calls a tornado method that tornado 6.2 deprecates.
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")


@pytest.fixture(scope="module")
def formatter():
    """The en-US formatter the script uses."""
    return vvz.Formatter("en-US")


@pytest.fixture(scope="module")
def pandas_result(formatter):
    """The file converted with pandas alone."""
    return convert_lengths.convert(convert_lengths.read_texts(CSV), formatter)


@pytest.fixture(scope="module")
def client():
    """A client of a local cluster of two worker processes, started once for the module."""
    from dask.distributed import Client

    with convert_lengths.local_cluster(2) as cluster, Client(cluster) as client:
        yield client


def value(result, item, column):
    """The value a row of the result holds in a column."""
    return result.set_index("item").loc[item, column]


@pytest.mark.parametrize(
    "item, metres, degrees",
    [(item, *values) for item, values in convert_lengths.KNOWN.items()],
)
def test_known_rows_have_their_values(pandas_result, item, metres, degrees):
    """Every known row reads as expected, NaN included, within 1e-9."""
    for column, expected in [("length_m", metres), ("bearing_deg", degrees)]:
        got = value(pandas_result, item, column)
        if math.isnan(expected):
            assert math.isnan(got), f"{item} {column}: {got}"
        else:
            assert got == pytest.approx(expected, abs=1e-9, rel=0)


def test_refused_texts_give_nan_and_their_reasons(pandas_result, formatter):
    """«1,5 m» is no quantity under en-US numbers: it gives NaN, the only length that does; the
    refused texts are listed with the formatter's message."""
    assert value(pandas_result, "plank F", "length") == "1,5 m"
    assert math.isnan(value(pandas_result, "plank F", "length_m"))
    missing = pandas_result.loc[pandas_result["length_m"].isna(), "item"].tolist()
    assert missing == ["plank F"]
    lines = convert_lengths.refusals(pandas_result, formatter)
    assert len(lines) == 2
    assert lines[0].startswith("plank F: length '1,5 m': ")
    assert "group separator" in lines[0]
    assert lines[1].startswith("chain N: bearing 'N 95° E': ")


def test_dask_gives_what_pandas_gives(pandas_result, client, formatter):
    """The Dask result, converted on two worker processes, equals the pandas one."""
    dask_result = convert_lengths.convert_with_dask(CSV, client, formatter, partitions=2)
    assert dask_result["item"].tolist() == pandas_result["item"].tolist()
    for column in ["length_m", "bearing_deg"]:
        np.testing.assert_array_equal(dask_result[column], pandas_result[column])
    assert convert_lengths.check(pandas_result, dask_result) == []


def test_the_script_prints_the_table_and_the_refusals(capsys):
    """Without options the script prints every row, then the refused texts."""
    assert convert_lengths.main([str(CSV)]) == 0
    lines = capsys.readouterr().out.splitlines()
    assert len(lines) == 1 + 20 + 2
    assert lines[0].split() == ["item", "length", "bearing", "length_m", "bearing_deg"]
    assert lines[-1].startswith("chain N: bearing")
