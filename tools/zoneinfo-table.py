#!/usr/bin/env python3
"""Writes the expected zone offsets of tests/core/birth/ZoneRuleYears.inc with
Python's zoneinfo, an implementation independent of Velmora's, reading the
same system tzdata (/usr/share/zoneinfo).

    python3 tools/zoneinfo-table.py > tests/core/birth/ZoneRuleYears.inc

Rows: zone, local clock, how often the clock showed it, and the reading
(offset, daylight saving, abbreviation, standard offset; a negative daylight
saving read the conventional way round, see reading()) before and after the
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


def neighbour(zone, instant, step):
    """zoneinfo's reading of the period before (step < 0) or after the one at
    the UTC instant, found day by day within two years; None if none."""
    here = instant.astimezone(zone)
    for days in range(1, 731):
        there = (instant + days * step).astimezone(zone)
        if (there.utcoffset(), there.dst(), there.tzname()) != (here.utcoffset(), here.dst(), here.tzname()):
            return there
    return None


def reading(zone, local, fold):
    """Offset, daylight saving, abbreviation and standard offset. A negative
    daylight saving (zoneinfo's dst() below zero: a winter time behind the
    standard offset, as in Europe/Dublin) is read the conventional way round:
    that winter is standard time, and a summer between two such winters is
    daylight saving over the winters' offset."""
    t = local.replace(tzinfo=zone, fold=fold)
    offset, dst = t.utcoffset(), t.dst()
    if dst < dt.timedelta(0):
        return (int(offset.total_seconds()), False, t.tzname(), int(offset.total_seconds()))
    if dst == dt.timedelta(0):
        instant = t.astimezone(UTC)
        sides = [neighbour(zone, instant, dt.timedelta(days=d)) for d in (-1, 1)]
        if all(s is not None and s.dst() < dt.timedelta(0) and s.utcoffset() < offset for s in sides):
            return (int(offset.total_seconds()), True, t.tzname(), int(sides[0].utcoffset().total_seconds()))
    return (int(offset.total_seconds()), dst != dt.timedelta(0), t.tzname(), int((offset - dst).total_seconds()))


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
