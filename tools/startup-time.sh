#!/bin/sh
# How long velmora takes to show its input form, against a minimal Qt widgets
# window on the same machine: both started RUNS times in turn (default 30)
# under one Xvfb display, each timed from just before its start to its first
# paint (VELMORA_STARTUP_PROBE, gui/shell/StartupProbe.h). Prints the medians in
# milliseconds and their ratio twice: with a D-Bus session bus, as on a
# desktop, and without one, as under a bare xvfb-run (Qt then starts a bus of
# its own for the accessibility bridge).
#
#   tools/startup-time.sh [BUILD_DIR] [RUNS]
#
# Needs xvfb-run (Debian xvfb), dbus-run-session (dbus) and the two programs:
#   cmake --build build --target velmora velmora-startup-minimal
set -eu

build=${1:-build}
runs=${2:-30}
velmora=$build/app/velmora
minimal=$build/bench/velmora-startup-minimal
for program in "$velmora" "$minimal"; do
  [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 2; }
done
command -v xvfb-run >/dev/null || { echo "needs xvfb-run (apt-get install xvfb)" >&2; exit 2; }
command -v dbus-run-session >/dev/null || { echo "needs dbus-run-session (apt-get install dbus)" >&2; exit 2; }

# The programs' settings, lock and caches in a folder of their own, so that a
# running velmora is not in the way and nothing of the user's is touched.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"

measure_all() {
  xvfb-run -a -s "-screen 0 1280x1024x24" $bus env -u QT_QPA_PLATFORM HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" VELMORA_STARTUP_PROBE=1 \
    sh -c '
      # Milliseconds from just before the start to the first paint.
      measure() {
        start=$(date +%s%N)
        painted=$("$1" | sed -n "s/^first paint at //p")
        [ -n "$painted" ] || { echo "$1 did not paint" >&2; exit 1; }
        echo $(( (painted - start) / 1000 ))
      }
      median() { sort -n | awk "{ v[NR] = \$1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf \"%.1f\", m / 1000 }"; }
      # One run of each first, to warm the disk caches.
      measure "$1" >/dev/null; measure "$2" >/dev/null
      : > "$HOME/velmora"; : > "$HOME/minimal"
      i=0
      while [ $i -lt "$3" ]; do
        measure "$1" >> "$HOME/velmora"
        measure "$2" >> "$HOME/minimal"
        i=$((i + 1))
      done
      v=$(median < "$HOME/velmora"); m=$(median < "$HOME/minimal")
      echo "$4: velmora input form: $v ms   minimal Qt window: $m ms   ratio: $(echo "$v $m" | awk "{ printf \"%.2f\", \$1 / \$2 }")   (medians of $3 runs)"
    ' startup-time "$velmora" "$minimal" "$runs" "$label" 2>&1 | grep -v "Failed to set fd limit"
}

bus="dbus-run-session --" label="with a session bus" measure_all
bus="" label="without a session bus" measure_all
