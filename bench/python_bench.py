#!/usr/bin/python3
"""The Python module's speed against velmora-cli --batch.

For the same births and fields: the time a chart takes through
velmora.charts(jobs=1) (births as dicts, results as dicts) and through
velmora-cli --batch --jobs 1 (JSON lines in and out), both on one core; then
velmora.charts() with two jobs against one, on two cores. Each figure is the
best of a few runs.

    PYTHONPATH=build/python python3 bench/python_bench.py build/cli/velmora-cli [BIRTHS]
"""

import json
import os
import subprocess
import sys
import tempfile
import time

import velmora

RUNS = 3
FIELD_SETS = ["positions,degrees,bodySigns,nakshatras", "name,degrees,dashas,vargas,ashtakavarga", None]


def births(count):
    """Precise births over two centuries, the hours and the places of the zone list."""
    rows = []
    for i in range(count):
        rows.append({"name": "Person", "date": f"{1900 + i % 200}-{1 + i % 12:02d}-{1 + i % 28:02d}",
                     "time": f"{i % 24:02d}:{(7 * i) % 60:02d}", "lon": f"{i % 180}:{i % 60:02d}{'EW'[i % 2]}",
                     "lat": f"{i % 66}:{(3 * i) % 60:02d}{'NS'[i % 3 == 0]}", "zone": i % 71})
    return rows


def best(run):
    times = []
    for _ in range(RUNS):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rows = births(count)
    all_cores = os.sched_getaffinity(0)
    one_core = {min(all_cores)}
    with tempfile.NamedTemporaryFile("w", suffix=".jsonl") as data:
        data.write("".join(json.dumps(r) + "\n" for r in rows))
        data.flush()
        print(f"{count} births; microseconds a chart (best of {RUNS})")
        print(f"{'fields':42} {'cli --batch':>11} {'charts(1)':>10} {'ratio':>6} {'charts(2)':>10} {'speed-up':>8}")
        for fields in FIELD_SETS:
            chosen = {"fields": fields} if fields else {}
            os.sched_setaffinity(0, one_core)
            args = [cli, "--batch", data.name, "--jobs=1", "--quiet"] + ([f"--fields={fields}"] if fields else [])
            cli_time = best(lambda: subprocess.run(args, stdout=subprocess.DEVNULL, check=False))
            one = best(lambda: sum(1 for _ in velmora.charts(rows, jobs=1, **chosen)))
            os.sched_setaffinity(0, all_cores)
            one_unpinned = best(lambda: sum(1 for _ in velmora.charts(rows, jobs=1, **chosen)))
            two = best(lambda: sum(1 for _ in velmora.charts(rows, jobs=2, **chosen)))
            us = 1e6 / count
            print(f"{fields or '(the whole object)':42} {cli_time * us:11.1f} {one * us:10.1f} {one / cli_time:6.3f} "
                  f"{two * us:10.1f} {one_unpinned / two:8.2f}")


if __name__ == "__main__":
    main()
