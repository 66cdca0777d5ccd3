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
expect_refused $good --lon 0:00E --classic --precise
expect_refused $good --lon 0:00E --classic --node true
expect_refused $good --lon 0:00E --sensitivity 0
expect_refused $good --lon 0:00E --sensitivity thirty

"$cli" $good --lon 0:00E >/dev/null 2>&1 || fail "a good chart did not exit with 0"

# --places: found is 0; nothing found is said on standard error, with status 1.
"$cli" --places bengaluru >/dev/null 2>&1 || fail "--places bengaluru did not exit with 0"
out=$("$cli" --places xyzzy 2>"${TMPDIR:-/tmp}/velmora-places.$$")
status=$?
err=$(cat "${TMPDIR:-/tmp}/velmora-places.$$"); rm -f "${TMPDIR:-/tmp}/velmora-places.$$"
[ "$status" -eq 1 ] || fail "--places xyzzy gave status $status"
[ -z "$out" ] || fail "--places xyzzy wrote to standard output"
[ "$err" = 'no place in the atlas matches "xyzzy"' ] || fail "--places xyzzy said: $err"
printf '%s\n' '{"name":"A","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"}' '{}' |
    "$cli" --batch - >/dev/null 2>&1
[ $? -eq 2 ] || fail "a batch with a refused line did not exit with 2"

R='{"name":"a","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false}'
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A NUL inside a line: that line is an error, not a chart.
printf '%s\0garbage\n' "$R" | "$cli" --batch - >"$tmp/nul.out" 2>/dev/null
[ $? -eq 2 ] || fail "a line with a NUL was not refused"
grep -q '^{"error":' "$tmp/nul.out" || fail "a line with a NUL gave no error line"

# A directory, or a device that fails to read, is a read error.
expect_refused --batch "$tmp"
"$cli" --batch - <"$tmp" >/dev/null 2>&1
[ $? -eq 2 ] || fail "a directory as standard input was not refused"
expect_refused --batch /proc/self/mem

# A closed pipe is a failed write: status 1, not death by SIGPIPE.
i=0
while [ $i -lt 2000 ]; do echo "$R"; i=$((i + 1)); done >"$tmp/big.jsonl"
( "$cli" --batch "$tmp/big.jsonl" 2>/dev/null; echo $? >"$tmp/pipe.status" ) | head -c 100 >/dev/null
[ "$(cat "$tmp/pipe.status")" = 1 ] || fail "a closed pipe gave status $(cat "$tmp/pipe.status")"

# A full disk ends the batch at once, with status 1.
if [ -w /dev/full ]; then
    yes "$R" | timeout 60 "$cli" --batch - >/dev/full 2>/dev/null
    status=$?
    [ "$status" -eq 1 ] || fail "a batch into a full disk gave status $status"
fi
# Threads: the same bytes as one thread, precise lines and refusals included,
# into a pipe closed early (status 1) and into a full disk (status 1).
P='{"name":"b","date":"1990-04-30","time":"6:30","lon":"77:35E","lat":"12:58N","zone":"IST","precise":true}'
i=0
while [ $i -lt 1500 ]; do echo "$R"; echo "$P"; echo 'not json'; i=$((i + 1)); done >"$tmp/mixed.jsonl"
"$cli" --batch "$tmp/mixed.jsonl" --jobs 1 --fields positions,mode >"$tmp/one.out" 2>/dev/null
[ $? -eq 2 ] || fail "a mixed batch on one thread did not exit with 2"
"$cli" --batch "$tmp/mixed.jsonl" --jobs 2 --fields positions,mode >"$tmp/two.out" 2>/dev/null
[ $? -eq 2 ] || fail "a mixed batch on two threads did not exit with 2"
cmp -s "$tmp/one.out" "$tmp/two.out" || fail "--jobs 2 wrote other bytes than --jobs 1"
( "$cli" --batch "$tmp/big.jsonl" --jobs 2 2>/dev/null; echo $? >"$tmp/pipe2.status" ) | head -c 100 >/dev/null
[ "$(cat "$tmp/pipe2.status")" = 1 ] || fail "a closed pipe with --jobs 2 gave status $(cat "$tmp/pipe2.status")"
if [ -w /dev/full ]; then
    yes "$R" | timeout 60 "$cli" --batch - --jobs 2 --format csv >/dev/full 2>/dev/null
    status=$?
    [ "$status" -eq 1 ] || fail "a threaded batch into a full disk gave status $status"
fi

# Birth files: a number beyond a double is a refusal, not an abort; a FIFO,
# a device or a socket is refused without waiting for a writer; a birth
# that would not open again is not saved over a good file.
"$cli" $good --lon 0:00E --save "$tmp/good.velmora" >/dev/null 2>&1 || fail "a good birth was not saved"
sed 's/"second": 0/"second": 1e400/' "$tmp/good.velmora" >"$tmp/huge.velmora"
expect_refused --open "$tmp/huge.velmora"
mkfifo "$tmp/fifo.velmora"
for special in "$tmp/fifo.velmora" /dev/null /dev/zero /dev/stdin; do
    timeout 10 "$cli" --open "$special" >/dev/null 2>&1 </dev/null
    status=$?
    [ "$status" -eq 2 ] || fail "--open $special gave status $status"
done
cp "$tmp/good.velmora" "$tmp/before.velmora"
for field in --city --state --country; do
    for bad in "$(printf 'New\nYork')" "$(printf 'New\tYork')" "$(printf '\033[2J')" "$(printf 'x\177')" "$(printf '\351')"; do
        expect_refused $good --lon 0:00E "$field=$bad" --save "$tmp/good.velmora"
        cmp -s "$tmp/good.velmora" "$tmp/before.velmora" || fail "$field with a control character replaced the file"
    done
done
# What is echoed reaches the terminal as text, never as a control sequence.
"$cli" $good --lon 0:00E --tz "$(printf '\033]0;owned\007')" 2>"$tmp/tz.err" >/dev/null
[ $? -eq 2 ] || fail "an unknown --tz was not refused"
grep -q "$(printf '\033')" "$tmp/tz.err" && fail "a --tz value reached standard error with its ESC"
grep -qF '"\x1b]0;owned\x07"' "$tmp/tz.err" || fail "a --tz value was not shown with its escapes"
# A damaged zone file (only root can plant one; here in a mount namespace of
# its own) is a refusal naming the database, not an abort.
# One is cut short after its header, one has a version 2 header and then
# nothing but zeros (RFC 8536: a second "TZif" header must follow).
if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
    head -c 60 /usr/share/zoneinfo/Asia/Kolkata >"$tmp/cut-zone"
    { printf 'TZif2'; head -c 200 /dev/zero; } >"$tmp/zeros-zone"
    for damaged in cut-zone zeros-zone; do
        unshare -m sh -c "mount --bind '$tmp/$damaged' /usr/share/zoneinfo/Asia/Kolkata &&
            '$cli' $good --lon 0:00E --tz Asia/Kolkata" >/dev/null 2>"$tmp/zone.err"
        status=$?
        [ "$status" -eq 2 ] || fail "a damaged zone file ($damaged) gave status $status"
        grep -q "cannot read the time-zone database" "$tmp/zone.err" || fail "a damaged zone file was not named"
    done
fi

# A line of 300 MB is one error line, read in far less memory than itself
# (where the program runs at all under a memory limit: the sanitizers' shadow
# memory does not fit in one).
limit=150000
( ulimit -v $limit; "$cli" --help ) >/dev/null 2>&1 || limit=unlimited
{ echo "$R"; head -c 300000000 /dev/zero | tr '\0' 'x'; echo; echo "$R"; } |
    ( ulimit -v $limit; "$cli" --batch - --jobs 1 >"$tmp/long.out" 2>/dev/null; echo $? >"$tmp/long.status" )
[ "$(cat "$tmp/long.status")" = 2 ] || fail "a 300 MB line gave status $(cat "$tmp/long.status")"
[ "$(sed -n 2p "$tmp/long.out")" = '{"error":"the line is longer than 1048576 bytes"}' ] ||
    fail "a 300 MB line was not one error line"
[ "$(wc -l <"$tmp/long.out")" -eq 3 ] || fail "the lines around a 300 MB line were lost"
echo "ok"
