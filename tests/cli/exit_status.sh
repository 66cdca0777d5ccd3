#!/bin/sh
# The real program: a refusal exits with status 2 and writes nothing to
# standard output; a good chart exits with 0.
cli="$1"
fail() { echo "FAIL: $*"; exit 1; }

expect_refused() {
    out=$("$cli" "$@" 2>/dev/null)
    status=$?
    [ "$status" -eq 2 ] || fail "status $status for: $*"
    [ -z "$out" ] || fail "output on stdout for: $*"
}

good="--name RAMA --date 2000-01-01 --time 12:00 --lat 0:00N"
expect_refused $good --lon 180:00E
expect_refused $good --lon 0:00E --zone NST
expect_refused $good --lon 0:00E --no-such-option
expect_refused --batch /nonexistent/velmora-batch.jsonl

"$cli" $good --lon 0:00E >/dev/null 2>&1 || fail "a good chart did not exit with 0"
printf '%s\n' '{"name":"A","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"}' '{}' |
    "$cli" --batch - >/dev/null 2>&1
[ $? -eq 2 ] || fail "a batch with a refused line did not exit with 2"
echo "ok"
