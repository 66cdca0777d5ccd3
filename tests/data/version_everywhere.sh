#!/bin/sh
# The version is set once, in the project's CMakeLists.txt; the files that
# cannot read it at build time (the manual pages, the AppStream release, the
# README's package name) must say the same, or this fails naming the file.
#
#   version_everywhere.sh SOURCE_DIR VERSION
set -eu
cd "$1"
version=$2
status=0
check() {  # FILE TEXT
  if ! grep -qF -- "$2" "$1"; then
    echo "$1 does not say $2" >&2
    status=1
  fi
}
check data/man/velmora.1 "\"Velmora $version\""
check data/man/velmora-cli.1 "\"Velmora $version\""
check data/org.velmora.Velmora.metainfo.xml "<release version=\"$version\""
check README.md "velmora_${version}_amd64.deb"
exit $status
