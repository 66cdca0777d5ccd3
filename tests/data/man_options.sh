#!/bin/sh
# Every option a program's --help names has its entry in the manual page.
# Usage: man_options.sh PROGRAM PAGE
program=$1 page=$2
missing=0
for option in $("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  escaped=$(printf '%s' "$option" | sed 's/-/\\\\-/g')
  if ! grep -q -- "$escaped" "$page"; then
    echo "$(basename "$page") lacks $option" >&2
    missing=1
  fi
done
exit $missing
