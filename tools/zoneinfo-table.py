#!/usr/bin/env python3
"""Writes the expected zone offsets of tests/core/birth/ZoneRuleYears.inc with
Python's zoneinfo, an implementation independent of Velmora's, reading the
same system tzdata (/usr/share/zoneinfo).

    python3 tools/zoneinfo-table.py > tests/core/birth/ZoneRuleYears.inc

Rows: zone, local clock, how often the clock showed it, and the reading
(offset, daylight saving, abbreviation, standard offset) before and after the
change (the same twice for a time shown once). Rows: the 15th of every month at 12:00, and around each change of offset the
last minute before it, the first and last minute of the skipped or repeated
hour, and the first minute after it; years 2038, 2044 and 2050, after the
compiled files' last listed change; and the moments of EXTRA."""

import datetime as dt
import zoneinfo

ZONES = ["Europe/Madrid", "America/New_York", "Australia/Sydney", "America/Santiago",
         "Pacific/Auckland", "Asia/Kolkata", "Australia/Lord_Howe", "Europe/Dublin"]
YEARS = [2038, 2044, 2050]
# Asked about by name: the repeated and the skipped hour of New York in 2045,
# and the Madrid birth that first showed the zone history stopping in 2037.
EXTRA = [("America/New_York", dt.datetime(2045, 11, 5, 1, 30)),
         ("America/New_York", dt.datetime(2045, 3, 12, 2, 30)),
         ("Europe/Madrid", dt.datetime(2038, 7, 6, 10, 16))]
MINUTE = dt.timedelta(minutes=1)
UTC = dt.timezone.utc


def reading(zone, local, fold):
    t = local.replace(tzinfo=zone, fold=fold)
    return (int(t.utcoffset().total_seconds()), t.dst() != dt.timedelta(0), t.tzname(),
            int((t.utcoffset() - t.dst()).total_seconds()))


def row(name, zone, local):
    first, second = reading(zone, local, 0), reading(zone, local, 1)
    if first == second:
        kind = "Shown::Once"
    else:
        back = local.replace(tzinfo=zone).astimezone(UTC).astimezone(zone).replace(tzinfo=None)
        kind = "Shown::Twice" if back == local else "Shown::Skipped"
    return ('    {"%s", {%d, %d, %d, %d, %d, 0}, %s, {%d, %s, "%s", %d}, {%d, %s, "%s", %d}},'
            % (name, local.year, local.month, local.day, local.hour, local.minute, kind,
               first[0], str(first[1]).lower(), first[2], first[3],
               second[0], str(second[1]).lower(), second[2], second[3]))


def changes(zone, year):
    t = dt.datetime(year, 1, 1, tzinfo=UTC)
    end = dt.datetime(year + 1, 1, 1, tzinfo=UTC)
    step = dt.timedelta(minutes=15)
    while t < end:
        a, b = t.astimezone(zone).utcoffset(), (t + step).astimezone(zone).utcoffset()
        if a != b:
            lo, hi = t, t + step
            while hi - lo > MINUTE:
                mid = lo + (hi - lo) / 2
                mid = mid.replace(second=0, microsecond=0)
                if mid == lo:
                    mid = lo + MINUTE
                if mid.astimezone(zone).utcoffset() == a:
                    lo = mid
                else:
                    hi = mid
            yield hi, a, b
        t += step


for name in ZONES:
    zone = zoneinfo.ZoneInfo(name)
    for year in YEARS:
        for month in range(1, 13):
            print(row(name, zone, dt.datetime(year, month, 15, 12, 0)))
        for at, before, after in changes(zone, year):
            naive = at.replace(tzinfo=None)
            lo, hi = sorted([naive + before, naive + after])
            for local in (lo - MINUTE, lo, hi - MINUTE, hi):
                print(row(name, zone, local))
for name, local in EXTRA:
    print(row(name, zoneinfo.ZoneInfo(name), local))
