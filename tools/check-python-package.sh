#!/usr/bin/env bash
# Checks the python3-velmora .deb without installing it: its control fields,
# its files, and the unpacked module computing a chart with the system's
# Python. The package is unpacked into a temporary folder (dpkg-deb -x).
#
#   tools/check-python-package.sh build-release/python3-velmora_1.25_amd64.deb
set -euo pipefail

deb=${1:?usage: tools/check-python-package.sh PACKAGE.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "check-python-package: $*" >&2; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = python3-velmora ] || fail "package name $(field Package)"
[ "$(field Section)" = python ] || fail "section $(field Section)"
depends=$(field Depends)
for needed in python3 swe-basic-data tzdata libswe2.0 libdate-tz3; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$root"
site=$root/usr/lib/python3/dist-packages
ls "$site"/velmora.cpython-*.so >/dev/null 2>&1 || fail "no module in /usr/lib/python3/dist-packages"
[ -f "$site/velmora.pyi" ] || fail "no type stubs beside the module"
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The unpacked module computes a chart with Debian's Python.
PYTHONPATH=$site /usr/bin/python3 -c '
import velmora
chart = velmora.chart({"name": "Ravi", "date": "1980-03-05", "time": "09:05", "lon": "77:35E", "lat": "12:58N",
                       "zone": "IST"}, fields="positions,mode")
assert chart["mode"] == "precise" and len(chart["positions"]) == 10, chart
' || fail "the unpacked module does not compute a chart"
echo "check-python-package: $deb is good"
