#!/bin/sh
# The folders' dependencies point one way: app -> gui -> core, cli -> core;
# inside core each folder includes only the folders its CMake target links,
# and inside gui the windows sit above their services and widgets. Fails, naming the file and the include, where a file reaches
# against that order (a core file including Qt or a window, the engine
# reaching into the chart, ...).
#
#   tests/layers.sh SOURCE_DIR
set -eu
cd "$1"

# core folder: the folders it may include besides itself (its target's
# dependencies, as core/<folder>/CMakeLists.txt declares them).
allowed() {
  case $1 in
    text)         echo "" ;;
    engine)       echo "" ;;
    birth)        echo "engine text" ;;
    ephemeris)    echo "birth engine text" ;;
    atlas)        echo "birth engine text" ;;
    birthfile)    echo "birth engine text" ;;
    analysis)     echo "engine" ;;
    report)       echo "analysis engine" ;;
    chart)        echo "analysis report ephemeris birth engine text" ;;
    presentation) echo "chart analysis report ephemeris birth engine text" ;;
    *)            echo "?" ;;
  esac
}

core_folders=$(cd core && ls -d */ | tr -d /)
failed=0
out=$(mktemp)
trap 'rm -f "$out"' EXIT
fail() { echo "$1: $2" >&2; failed=1; }

for folder in $core_folders; do
  ok="$folder $(allowed "$folder")"
  [ "$ok" = "$folder ?" ] && fail "core/$folder" "a core folder this check does not know: add it to tests/layers.sh"
  for file in $(find "core/$folder" -name '*.h' -o -name '*.cpp' -o -name '*.inc'); do
    grep -n '^[[:space:]]*#[[:space:]]*include' "$file" | while IFS= read -r line; do
      target=$(printf '%s\n' "$line" | sed -n 's/.*#[[:space:]]*include[[:space:]]*[<"]\([^">]*\)[">].*/\1/p')
      case $target in
        Q*|Qt*/*) echo "$file: $line (Qt in the core)";;
        */*)
          top=${target%%/*}
          if [ -d "core/$top" ]; then
            case " $ok " in *" $top "*) ;; *) echo "$file: $line (core/$folder may not include core/$top)";; esac
          elif [ -d "gui/$top" ] || [ "$top" = cli ] || [ "$top" = gui ] || [ "$top" = app ]; then
            echo "$file: $line (the core includes a front end)"
          fi;;
      esac
    done
  done
done > "$out" 2>&1 || true
if [ -s "$out" ]; then cat "$out" >&2; failed=1; fi

# The command line and the core never include a window; the windows never
# include the command line. The Python module stands on the command line.
for file in $(find cli python -name '*.h' -o -name '*.cpp'); do
  if grep -Eq '#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|entry/|result/|shell/|gui/)' "$file"; then
    fail "$file" "the command line includes Qt or a window"
  fi
done
# Inside gui/, from the bottom up: services, widgets, then the input form and
# the result windows (which never include each other), then the shell.
gui_allowed() {
  case $1 in
    services) echo "services" ;;
    widgets)  echo "services widgets" ;;
    entry)    echo "services widgets entry" ;;
    result)   echo "services widgets result" ;;
    shell)    echo "services widgets entry result shell" ;;
    *)        echo "?" ;;
  esac
}
for folder in $(cd gui && ls -d */ | tr -d /); do
  ok=$(gui_allowed "$folder")
  [ "$ok" = "?" ] && fail "gui/$folder" "a gui folder this check does not know: add it to tests/layers.sh"
  for file in $(find "gui/$folder" -name '*.h' -o -name '*.cpp'); do
    for top in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/.*/\1/p' "$file" | sort -u); do
      [ -d "gui/$top" ] || continue
      case " $ok " in *" $top "*) ;; *) fail "$file" "gui/$folder may not include gui/$top";; esac
    done
  done
done

for file in $(find gui app -name '*.h' -o -name '*.cpp'); do
  if grep -Eq '#[[:space:]]*include[[:space:]]*"cli/' "$file"; then
    fail "$file" "a window includes the command line"
  fi
done

# The run behind the one entry is private to core/chart: every front end,
# page, benchmark and the rest of the core get their charts from
# chart/ComputeChart.h.
for file in $(find core gui cli python app bench -name '*.h' -o -name '*.cpp'); do
  case $file in core/chart/*) continue;; esac
  if grep -Eq '#[[:space:]]*include[[:space:]]*"chart/AnalysisRun\.h"' "$file"; then
    fail "$file" "includes the run behind the one entry (chart/AnalysisRun.h); use chart/ComputeChart.h"
  fi
done
exit $failed
