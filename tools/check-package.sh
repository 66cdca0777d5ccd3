#!/usr/bin/env bash
# Checks a built Velmora .deb without installing it: its control fields, its
# files, the desktop's validators on the unpacked menu entry and AppStream
# description, and the unpacked programs themselves. The package is unpacked
# into a temporary folder (dpkg-deb -x), so this machine is left as it was.
#
#   tools/check-package.sh build-release/velmora_1.25_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:?usage: tools/check-package.sh PACKAGE.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "package name $(field Package)"
[ "$(field Section)" = science ] || fail "section $(field Section)"
depends=$(field Depends)
for needed in swe-basic-data tzdata fonts-noto-core libswe2.0 libqt6widgets6 libdate-tz3 libc6; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# dpkg's triggers do what maintainer scripts would.
if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qE 'preinst|postinst|prerm|postrm'; then
    fail "the package has maintainer scripts"
fi

dpkg-deb -x "$deb" "$root"
id=org.velmora.Velmora
expected=(
    usr/bin/velmora usr/bin/velmora-cli
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man1/velmora.1.gz usr/share/man/man1/velmora-cli.1.gz
    usr/share/doc/velmora/README.md usr/share/doc/velmora/LICENSE usr/share/doc/velmora/copyright
    usr/share/doc/velmora/manual/index.html usr/share/doc/velmora/manual/images/result-window.png
)
for size in 16 22 24 32 48 64 128 256 512; do
    png=usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    expected+=("$png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "missing /$file"
done
for size in 16 64 512; do
    file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}x$size icon is not a $size-pixel PNG"
done
# Everything sits under /usr, as a Debian package's files must.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --no-color "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null
man_warnings=$(zcat "$root/usr/share/man/man1/velmora-cli.1.gz" | groff -man -ww -z 2>&1)
[ -z "$man_warnings" ] || fail "velmora-cli(1): $man_warnings"
man -l "$root/usr/share/man/man1/velmora-cli.1.gz" 2>/dev/null | grep -q -- '--precise' ||
    fail "man velmora-cli does not answer"

# The unpacked velmora-cli gives the reviewed (classic) chart, and by default
# a precise one from the Swiss Ephemeris files where the build tree's program
# finds them.
cli=$root/usr/bin/velmora-cli
"$cli" --classic --name Greenwich --date 2000-01-01 --time 12:00 --lon 0:00E --lat 0:00N --today 2026-12-09 |
    diff -u tests/cli/golden/greenwich-2000.txt - || fail "velmora-cli's chart differs from the golden file"
precise=$("$cli" --name Asha --date 1942-09-01 --time 12:00 --place Calcutta)
grep -q "Precise: Swiss Ephemeris" <<<"$precise" || fail "no precise chart"
if grep -q Moshier <<<"$precise"; then fail "velmora-cli did not find the Swiss Ephemeris files"; fi

# The unpacked velmora answers --help and --version, and starts: after three
# seconds offscreen it still runs (timeout's 124). Its own runtime directory
# keeps it clear of a copy the user may be running.
app=$root/usr/bin/velmora
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$app" --help | grep -q -- '--version' || fail "velmora --help"
[ "$("$app" --version)" = "velmora $(field Version)" ] || fail "velmora --version: $("$app" --version)"
status=0
timeout 3 "$app" || status=$?
[ "$status" -eq 124 ] || fail "velmora ended with status $status instead of running"

echo "check-package: $deb is good ($(du -h "$deb" | cut -f1), Depends: $depends)"
