#!/usr/bin/env python3
"""Writes the expected change-overs of tests/core/birth/PosixTzChanges.inc with the
C library's own reading of POSIX TZ strings (glibc's tzset and localtime,
through Python's time module), independent of Velmora's parser.

    python3 tools/posix-tz-table.py > tests/core/birth/PosixTzChanges.inc

Rows: TZ string, the Universal Time of a change (seconds since 1970), and the
reading (offset, daylight saving, abbreviation) a second before it and at it."""

import calendar
import os
import time

RULES = [
    "EST5EDT,M3.2.0,M11.1.0",
    "CET-1CEST,M3.5.0,M10.5.0/3",
    "AEST-10AEDT,M10.1.0,M4.1.0/3",
    "<-04>4<-03>,M9.1.6/24,M4.1.6/24",
    "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
    "IST-1GMT0,M10.5.0,M3.5.0/1",
    "XST3XDT,J60/2,J300/2",
    "XST3XDT,59/2,300/2",
    "XST3XDT,M3.2.0/-1,M11.1.0/-1:30",
    "XST3XDT,M3.2.0/26,M11.1.0/50",
    "<-0330>3:30<-0230>,M3.5.0/-3:15,M10.5.0/+167",
]
YEARS = [2040, 2041]


def reading(t):
    tm = time.localtime(t)
    return tm.tm_gmtoff, tm.tm_isdst > 0, tm.tm_zone


for rule in RULES:
    os.environ["TZ"] = rule
    time.tzset()
    for year in YEARS:
        t = calendar.timegm((year, 1, 1, 0, 0, 0))
        end = calendar.timegm((year + 1, 1, 1, 0, 0, 0))
        while t < end:
            step = 900
            if reading(t) != reading(t + step):
                lo, hi = t, t + step
                while hi - lo > 1:
                    mid = (lo + hi) // 2
                    if reading(mid) == reading(lo):
                        lo = mid
                    else:
                        hi = mid
                b, a = reading(hi - 1), reading(hi)
                print('    {"%s", %d, {%d, %s, "%s"}, {%d, %s, "%s"}},'
                      % (rule, hi, b[0], str(b[1]).lower(), b[2], a[0], str(a[1]).lower(), a[2]))
            t += step
