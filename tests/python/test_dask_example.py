"""The Dask example (examples/dask_study.py) on a cluster of two local
workers: 20,000 births of a CSV data set give, line for line, the values
velmora-cli --batch writes for the same births, byte for byte, and the counts by the Moon's
sign are those of the batch's lines."""

import collections
import csv
import glob
import importlib.util
import json
import os
import pathlib
import subprocess

import pytest

dask = pytest.importorskip("dask")
distributed = pytest.importorskip("distributed")

CLI = os.environ["VELMORA_CLI"]
EXAMPLE = pathlib.Path(__file__).resolve().parents[2] / "examples" / "dask_study.py"
TODAY = "2024-06-01"
COUNT = 20_000


def load_example():
    found = importlib.util.spec_from_file_location("dask_study", EXAMPLE)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def births():
    """Births over both engines, list zones and time zones, places and daylight saving; every 331st refused."""
    zones = ["Asia/Kolkata", "Europe/London", "America/New_York", "Australia/Sydney"]
    places = ["Kolkata", "Chennai", "Springfield, Illinois"]
    rows = []
    for i in range(COUNT):
        row = {"name": "Person " + "ABCDEFGHIJ"[i % 10] + "ABCDEFGHIJ"[(i // 10) % 10], "date":
               f"{1901 + i % 149}-{1 + i % 12:02d}-{1 + (7 * i) % 28:02d}", "time": f"{(5 * i) % 24:02d}:{i % 60:02d}",
               "lon": "", "lat": "", "zone": "", "dst": "", "tz": "", "place": "", "precise": ""}
        kind = i % 4
        if kind == 0:
            row.update(lon=f"{i % 180}:{i % 60:02d}{'EW'[i % 2]}", lat=f"{i % 66}:{(3 * i) % 60:02d}{'NS'[i % 3 == 0]}",
                       zone=str(i % 71), precise="False" if i % 8 == 0 else "True")
        elif kind == 1:
            row.update(lon="77:35E", lat="12:58N", zone="IST", dst="True" if i % 3 == 0 else "False")
        elif kind == 2:
            row.update(lon="0:07W", lat="51:30N", tz=zones[i % len(zones)])
        else:
            row.update(place=places[i % len(places)])
        if i % 331 == 7:
            row["date"] = "1980-02-30"
        rows.append(row)
    return rows


def as_batch_line(row):
    """A CSV row as the batch line it stands for: empty cells are keys left out."""
    line = {}
    for key, value in row.items():
        if value == "":
            continue
        line[key] = value == "True" if key in ("dst", "precise") else value
    return json.dumps(line)


def test_the_example_on_two_local_workers_gives_the_batch(tmp_path):
    rows = births()
    data = tmp_path / "births.csv"
    with open(data, "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=list(rows[0]))
        writer.writeheader()
        writer.writerows(rows)
    example = load_example()
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster, distributed.Client(cluster):
        counts = example.study(example.read_births(str(data), blocksize="256KB"), str(tmp_path / "charts"),
                               today=TODAY)

    parts = sorted(glob.glob(str(tmp_path / "charts" / "part-*.jsonl")))
    assert len(parts) > 2  # the data set was cut into partitions
    got = b"".join(pathlib.Path(part).read_bytes() for part in parts)

    lines = "".join(as_batch_line(r) + "\n" for r in rows)
    done = subprocess.run([CLI, "--batch", "-", "--quiet", f"--today={TODAY}", f"--fields={example.FIELDS}"],
                          input=lines.encode(), capture_output=True)
    assert got == done.stdout
    expected = [json.loads(line) for line in done.stdout.decode().splitlines()]
    assert len(expected) == COUNT
    refused = [e for e in expected if "error" in e]
    assert len(refused) == len(range(7, COUNT, 331))

    moons = collections.Counter(-1 if "error" in e else e["bodySigns"][1] for e in expected)
    assert dict(counts) == dict(moons)
