#!/usr/bin/python3
"""The charts of millions of births with Dask.

The births are a CSV or Parquet data set with the keys of a velmora-cli
--batch line as its columns (name, date, time, lon, lat, zone, dst, place,
tz, precise, ...). Dask reads it in partitions; each partition goes through
velmora.charts() on a worker, and the results are written as JSON lines,
one file a partition (part-00000.jsonl, ...): line n of the study is byte
for byte the line `velmora-cli --batch` writes for birth n of the data set. Beside them,
the study counts the births by the Moon's sign (moon-signs.csv).

    # on this machine, one worker a core:
    python3 examples/dask_study.py births.csv charts/
    # on a cluster (dask scheduler; dask worker tcp://HOST:8786 on each machine):
    python3 examples/dask_study.py births.parquet charts/ --scheduler tcp://HOST:8786

On a cluster, every worker needs the velmora module (the python3-velmora
package) and the data set and the output folder at the same path (a shared
file system, or s3://... with s3fs).
"""

import argparse
import json
import os

import dask.dataframe as dd
import pandas
from dask.distributed import Client, LocalCluster

# The fields a chart line holds: the study reads the signs; "degrees" and the
# rest are what the results keep.
FIELDS = "name,degrees,bodySigns,navamsaSigns,nakshatras,ayanamsa"

# How the CSV's columns are read: the truth values as such, everything else
# as text (a zone list position or an abbreviation alike), empty cells as
# missing keys.
TRUTH_KEYS = ("dst", "precise")


def read_births(path, blocksize="64MB"):
    if path.endswith(".parquet") or os.path.isdir(path):
        return dd.read_parquet(path)
    header = pandas.read_csv(path, nrows=0).columns
    return dd.read_csv(path, dtype={c: "boolean" if c in TRUTH_KEYS else object for c in header},
                       keep_default_na=False, na_values=[""], blocksize=blocksize)


def chart_lines(births, fields, today):
    """One partition: each birth's result as a JSON line, the births' index kept."""
    import velmora  # on the worker

    # The batch's lines as they are: nothing is decoded and encoded again.
    lines = list(velmora.charts(births, fields=fields, today=today, jobs=1, decode=False))
    return pandas.Series(lines, index=births.index, dtype=object, name="chart")


def moon_sign(line):
    chart = json.loads(line)
    return -1 if "error" in chart else chart["bodySigns"][1]


def study(births, output, fields=FIELDS, today=None):
    """Writes the charts of `births` (a Dask DataFrame) into `output`; returns the counts by the Moon's sign."""
    os.makedirs(output, exist_ok=True)
    lines = births.map_partitions(chart_lines, fields, today, meta=("chart", object))
    lines = lines.persist()  # computed once, for the files and for the counts
    lines.to_bag().to_textfiles(os.path.join(output, "part-*.jsonl"), name_function=lambda i: f"{i:05d}",
                                last_endline=True)
    counts = lines.map(moon_sign, meta=("moon", int)).value_counts().compute().sort_index()
    counts.rename_axis("moonSign").rename("births").to_csv(os.path.join(output, "moon-signs.csv"))
    return counts


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("births", help="a CSV file or a Parquet data set of births")
    parser.add_argument("output", help="the folder the JSON lines and the counts are written to")
    parser.add_argument("--scheduler", help="a Dask scheduler's address; default: a cluster on this machine")
    parser.add_argument("--workers", type=int, default=os.cpu_count(), help="workers of the local cluster")
    parser.add_argument("--fields", default=FIELDS, help="the chart's fields (velmora.FIELDS)")
    parser.add_argument("--today", help="the day whose running dasha periods are marked (YYYY-MM-DD)")
    args = parser.parse_args()
    if args.scheduler:
        client = Client(args.scheduler)
    else:
        client = Client(LocalCluster(n_workers=args.workers, threads_per_worker=1))
    with client:
        counts = study(read_births(args.births), args.output, args.fields, args.today)
    print(counts.to_string())


if __name__ == "__main__":
    main()
