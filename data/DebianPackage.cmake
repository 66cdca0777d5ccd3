# `make package` (cpack -G DEB in a build directory; included from the top
# level, where CPack must be): one Debian package with
# both programs and the files of data/. The shared libraries' packages come
# from dpkg-shlibdeps; the data the programs read at run time are named here:
# the Swiss Ephemeris files (swe-basic-data) and the time-zone database
# (tzdata). The GeoNames places are compiled in: no data file is needed.
# No maintainer scripts: dpkg's triggers of hicolor-icon-theme,
# desktop-file-utils and man-db refresh the icon cache, the menu and the
# manual index.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://velmora.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic birth charts with their arudha padas and a written report")
# Wrapped here: CPack indents the lines but does not wrap them.
set(CPACK_PACKAGE_DESCRIPTION
"Velmora is a desktop program for Vedic (sidereal) astrology. Type one
birth's data (name, date, time, place, time zone, daylight saving) and it
computes the sidereal ascendant and the positions of the Sun, Moon, Mercury,
Venus, Mars, Jupiter, Saturn, Rahu and Ketu, marks the retrograde planets,
derives the twelve arudha padas and shows a South- or North-Indian chart,
the details, a position table and a written report, with pages of the
nakshatras, dashas, divisional charts, houses, ashtakavarga, panchanga,
transits and matching, and a manual with pictures of its windows.

Positions come from the program's own classic engine or from the Swiss
Ephemeris with the Lahiri ayanamsa; birth places from an atlas of the
GeoNames cities, with the history of their time zones. The command
velmora-cli gives the same chart as text or JSON, one birth at a time or
in batches.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmora developers <packages@velmora.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# fonts-noto-core: Noto Sans Devanagari, Tamil, Telugu and Kannada, which the
# windows, the charts and the PDF take in Hindi, Tamil, Telugu and Kannada
# (and the PDF embeds); without them the scripts show as boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, tzdata, fonts-noto-core")
# Names written in Devanagari and Tamil on the printed and exported pages of
# an English chart take the Lohit fonts where they are installed; they serve
# only their scripts and leave the desktop's default font as it is.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-lohit-deva, fonts-lohit-taml")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Where the Python module is built, a second package: python3-velmora, the
# module and its type stubs for the system's Python (python/), whose
# version its file name carries.
if(TARGET velmora_python)
  math(EXPR python_next_minor "${Python3_VERSION_MINOR} + 1")
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL Unspecified python)
  set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME velmora)
  # Each package's description follows the summary above.
  set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-velmora)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~), python3 (<< ${Python3_VERSION_MAJOR}.${python_next_minor}), swe-basic-data, tzdata")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_RECOMMENDS "python3-pandas")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS "python3-dask, python3-distributed")
  set(CPACK_DEBIAN_PYTHON_DESCRIPTION "The Python module velmora (import velmora) computes the charts of
Velmora's core from Python: velmora.chart() gives one birth's chart as a
dict with the keys and values of velmora-cli --json, velmora.charts()
streams the charts of many births on every core, and velmora.frame() gives
a pandas DataFrame with the columns of velmora-cli's CSV output. Type stubs
come with it.")
endif()
include(CPack)
