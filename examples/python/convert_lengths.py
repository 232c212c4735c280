"""Converts lengths and bearings typed by hand in a CSV file into metres and degrees.

The file has the columns item, length and bearing, holding texts as people type them on site:
5'6 1/2", 1.69 m, 2-1/2 in, N 45°30' E, N45E. The lengths become metres and the bearings
degrees counterclockwise from east; a text that is not a quantity becomes NaN and is listed with
the reason the library gives.

    python3 convert_lengths.py site_measurements.csv            # with pandas
    python3 convert_lengths.py site_measurements.csv --dask     # on a local Dask cluster
    python3 convert_lengths.py site_measurements.csv --check    # both, compared with known values
"""

import argparse
import math
import sys
import time

import numpy as np
import pandas as pd
import vivuzazadur as vvz

# Lengths and angles are different dimensions, so each column is read into a unit of its own.
LENGTH_UNIT = "m"
BEARING_UNIT = "Degree"

# Values a few rows of site_measurements.csv must give: (metres, degrees); NaN for a text that
# is refused («1,5 m» under en-US numbers, a bearing of more than 90°, a missing bearing).
KNOWN = {
    "beam A": (1.6891, 44.5),
    "post B": (1.69, -102.25),
    "bolt C": (0.0635, 45.0),
    "joist D": (3.6576, -60.0),
    "pipe E": (0.35, 100.0),
    "plank F": (math.nan, -45.0),
    "chain N": (0.9144, math.nan),
    "sill Q": (1.2192, math.nan),
}


def read_texts(path):
    """Reads the CSV file as texts; only an empty cell is missing ("N" and "NA" stay texts)."""
    return pd.read_csv(path, dtype=str, keep_default_na=False, na_values=[""])


def convert(frame, formatter):
    """Returns the frame with the columns length_m and bearing_deg, NaN where a text is refused.

    parse_many reads a whole column without holding the GIL; it is what runs on every partition
    of a Dask dataframe too, so the formatter passed in is the one each worker receives.
    """
    return frame.assign(
        length_m=formatter.parse_many(frame["length"], LENGTH_UNIT),
        bearing_deg=formatter.parse_many(frame["bearing"], BEARING_UNIT),
    )


def convert_with_dask(path, client, formatter, partitions=2):
    """Converts the file on the workers of a Dask client and returns the result as pandas."""
    import dask.dataframe as dd

    frame = dd.read_csv(path, dtype=str, keep_default_na=False, na_values=[""])
    # A small file is one block; splitting it gives every worker a share.
    frame = frame.repartition(npartitions=partitions)
    return client.compute(frame.map_partitions(convert, formatter)).result()


def refusals(frame, formatter):
    """Lists the texts that were refused, each with the reason the formatter gives for it."""
    lines = []
    for column, unit, result in [
        ("length", LENGTH_UNIT, "length_m"),
        ("bearing", BEARING_UNIT, "bearing_deg"),
    ]:
        refused = frame[frame[result].isna() & frame[column].notna()]
        for item, text in zip(refused["item"], refused[column]):
            try:
                formatter.parse(text, unit)
            except vvz.ParseError as error:
                lines.append(f"{item}: {column} {text!r}: {error}")
    return lines


def check(pandas_result, dask_result):
    """Returns the problems found: known values that are wrong, or pandas and Dask disagreeing."""
    problems = []
    rows = pandas_result.set_index("item")
    for item, expected in KNOWN.items():
        got = rows.loc[item, ["length_m", "bearing_deg"]].to_numpy(dtype=float)
        if not np.allclose(got, expected, rtol=0, atol=1e-9, equal_nan=True):
            problems.append(f"{item}: got {tuple(got)}, expected {expected}")
    columns = ["length_m", "bearing_deg"]
    if not np.array_equal(
        pandas_result[columns].to_numpy(), dask_result[columns].to_numpy(), equal_nan=True
    ):
        problems.append("pandas and Dask give different values")
    return problems


def local_cluster(workers):
    """A local cluster of worker processes, one thread each, without a dashboard."""
    from dask.distributed import LocalCluster

    return LocalCluster(
        n_workers=workers, threads_per_worker=1, processes=True, dashboard_address=None
    )


def run_on_local_cluster(path, formatter, workers):
    """Starts a local cluster, converts the file on it and stops it; returns the result."""
    from dask.distributed import Client

    with local_cluster(workers) as cluster, Client(cluster) as client:
        return convert_with_dask(path, client, formatter, workers)


def main(argv=None):
    """Runs the conversion as the command line asks; returns the exit status."""
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("csv", help="a CSV file with the columns item, length and bearing")
    parser.add_argument("--dask", action="store_true", help="convert on a local Dask cluster")
    parser.add_argument(
        "--check", action="store_true", help="run pandas and Dask, exit 1 unless both are right"
    )
    parser.add_argument("--workers", type=int, default=2, help="Dask worker processes (2)")
    args = parser.parse_args(argv)

    formatter = vvz.Formatter("en-US")
    result = convert(read_texts(args.csv), formatter)
    if args.dask or args.check:
        start = time.perf_counter()
        dask_result = run_on_local_cluster(args.csv, formatter, args.workers)
        seconds = time.perf_counter() - start
        print(f"Dask: {args.workers} workers, {seconds:.1f} s with the cluster's start and stop")
        if not args.check:
            result = dask_result

    if args.check:
        problems = check(result, dask_result)
        for problem in problems:
            print(problem)
        refused = int(result[["length_m", "bearing_deg"]].isna().to_numpy().sum())
        status = "failed" if problems else "passed"
        print(f"check {status}: {len(result)} rows, {refused} not read, pandas and Dask compared")
        return 1 if problems else 0

    with pd.option_context("display.width", 100, "display.precision", 4):
        print(result.to_string(index=False))
    for line in refusals(result, formatter):
        print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
