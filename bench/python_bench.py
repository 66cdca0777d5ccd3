#!/usr/bin/python3
"""The Python module's speed against velmora-cli --batch.

For the same births and fields: the time a chart takes through
velmora.charts(jobs=1) (births as dicts, results as dicts) and through
velmora-cli --batch --jobs 1 (JSON lines in and out), both on one core, and
through velmora.charts(decode=False) (the JSON lines as text), in processor
time; then two jobs against one on two cores in wall-clock time, for
velmora-cli and for the module. Each figure is the best of a few runs.

On a loaded machine the wall-clock speed-up says little, so the processor
time of charts(jobs=2) is also split: the whole process's (the work: the
engine's two threads and the calling thread) and the calling thread's alone
(reading the births and making the dicts). On two free cores the wall time
of two jobs is at least the larger of half the work and the calling
thread's part; "bound" is jobs=1's processor time over that.

    PYTHONPATH=build/python python3 bench/python_bench.py build/cli/velmora-cli [BIRTHS]
"""

import json
import os
import resource
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


def best(run, cpu=False):
    """The least time of RUNS runs: wall-clock time, or with `cpu` the processor time of this
    process and of the programs it ran (what other work on a loaded machine changes least)."""
    times = []
    for _ in range(RUNS):
        children = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.process_time() + children.ru_utime + children.ru_stime if cpu else time.perf_counter()
        run()
        children = resource.getrusage(resource.RUSAGE_CHILDREN)
        end = time.process_time() + children.ru_utime + children.ru_stime if cpu else time.perf_counter()
        times.append(end - start)
    return min(times)


def split_work(run):
    """The least (process, calling thread) processor time of RUNS runs of `run`."""
    times = []
    for _ in range(RUNS):
        process, thread = time.process_time(), time.thread_time()
        run()
        times.append((time.process_time() - process, time.thread_time() - thread))
    return min(times)


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rows = births(count)
    all_cores = os.sched_getaffinity(0)
    one_core = {min(all_cores)}

    def charts(jobs, decode, chosen):
        return lambda: sum(1 for _ in velmora.charts(rows, jobs=jobs, decode=decode, **chosen))

    with tempfile.NamedTemporaryFile("w", suffix=".jsonl") as data:
        data.write("".join(json.dumps(r) + "\n" for r in rows))
        data.flush()
        print(f"{count} births; microseconds a chart, best of {RUNS}; load average {os.getloadavg()[0]:.1f}")
        print("one core, processor time: cli = velmora-cli --batch --jobs 1; dicts = charts(jobs=1); "
              "lines = charts(jobs=1, decode=False)")
        print("two cores, wall-clock time: speed-up of --jobs 2 over --jobs 1, and of charts(jobs=2) over "
              "charts(jobs=1)")
        print("two jobs' processor time (dicts): work = all threads, caller = the calling thread, "
              "bound = the speed-up two free cores would allow")
        print(f"{'fields':40} {'cli':>6} {'dicts':>6} {'ratio':>5} {'lines':>6} {'ratio':>5} | {'cli x':>5} "
              f"{'dicts x':>7} {'lines x':>7} | {'work':>5} {'caller':>6} {'bound':>5}")
        for fields in FIELD_SETS:
            chosen = {"fields": fields} if fields else {}
            args = [cli, "--batch", data.name, "--quiet"] + ([f"--fields={fields}"] if fields else [])
            os.sched_setaffinity(0, one_core)
            cli_one = best(lambda: subprocess.run(args + ["--jobs=1"], stdout=subprocess.DEVNULL, check=False), cpu=True)
            dicts_one = best(charts(1, True, chosen), cpu=True)
            lines_one = best(charts(1, False, chosen), cpu=True)
            os.sched_setaffinity(0, all_cores)
            cli_two = best(lambda: subprocess.run(args + ["--jobs=2"], stdout=subprocess.DEVNULL, check=False))
            cli_alone = best(lambda: subprocess.run(args + ["--jobs=1"], stdout=subprocess.DEVNULL, check=False))
            speed = {decode: best(charts(1, decode, chosen)) / best(charts(2, decode, chosen)) for decode in (True, False)}
            work, caller = split_work(charts(2, True, chosen))
            us = 1e6 / count
            print(f"{fields or '(the whole object)':40} {cli_one * us:6.0f} {dicts_one * us:6.0f} "
                  f"{dicts_one / cli_one:5.2f} {lines_one * us:6.0f} {lines_one / cli_one:5.2f} | "
                  f"{cli_alone / cli_two:5.2f} {speed[True]:7.2f} {speed[False]:7.2f} | "
                  f"{work * us:5.0f} {caller * us:6.0f} {dicts_one / max(work / 2, caller):5.2f}")


if __name__ == "__main__":
    main()
