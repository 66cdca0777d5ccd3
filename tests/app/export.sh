#!/bin/sh
# velmora --export, the real program without a display: a birth file saved by
# velmora-cli --save becomes a PDF, SVG or PNG with status 0; a bad birth file
# or request is a message on standard error, status 2 and no output file.
velmora="$1"
cli="$2"
fail() { echo "FAIL: $*"; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$cli" --name "asha rao" --date 1980-03-05 --time 09:05 --lon 77:35E --lat 12:58N --zone 34 \
    --city Bangalore --save "$tmp/asha.velmora" >/dev/null || fail "velmora-cli --save"

for kind in pdf svg png; do
    "$velmora" --export "$tmp/asha.$kind" "$tmp/asha.velmora" 2>"$tmp/err" || fail "--export $kind: $(cat "$tmp/err")"
    [ -s "$tmp/asha.$kind" ] || fail "no $kind written"
done
head -c 5 "$tmp/asha.pdf" | grep -q '%PDF-' || fail "not a PDF"
grep -q '<svg' "$tmp/asha.svg" || fail "not an SVG"
head -c 8 "$tmp/asha.png" | od -An -c | grep -q 'P   N   G' || fail "not a PNG"
"$velmora" --export "$tmp/letter.pdf" "$tmp/asha.velmora" --paper letter || fail "--paper letter"
# The chart in the style asked for: the North-Indian houses name the bodies
# by two letters ("Ve"), the South-Indian cells in full ("Venus").
"$velmora" --export "$tmp/north.svg" "$tmp/asha.velmora" --chart-style north || fail "--chart-style north"
grep -q 'North-Indian chart' "$tmp/north.svg" || fail "not a North-Indian chart"
grep -q '>Ve' "$tmp/north.svg" || fail "no two-letter names in the North-Indian chart"
grep -q 'South-Indian chart' "$tmp/asha.svg" || fail "the default is not the South-Indian chart"
grep -q 'Venus' "$tmp/asha.svg" || fail "no full names in the South-Indian chart"
# The PDF's ashtakavarga in the reading asked for, with the pindas when the
# reduced tables are asked for; Raman's reading and no pindas by default.
"$velmora" --export "$tmp/rao.pdf" "$tmp/asha.velmora" --ashtakavarga-reading rao --ashtakavarga-reduced \
    || fail "--ashtakavarga-reading rao --ashtakavarga-reduced"
pdftotext "$tmp/rao.pdf" "$tmp/rao.txt" && pdftotext "$tmp/asha.pdf" "$tmp/asha.txt" || fail "pdftotext"
grep -q "bindus by sign, P. V. R. Narasimha Rao's" "$tmp/rao.txt" || fail "the PDF does not follow Rao's reading"
grep -q 'Shodhya pinda' "$tmp/rao.txt" || fail "no pindas in the reduced PDF"
grep -q "bindus by sign, B. V. Raman's" "$tmp/asha.txt" || fail "the default PDF does not follow Raman's reading"
! grep -q 'Shodhya pinda' "$tmp/asha.txt" || fail "pindas in the default PDF"

expect_refused() {
    out="$1"; shift
    "$velmora" --export "$out" "$@" 2>"$tmp/err"
    status=$?
    [ "$status" -eq 2 ] || fail "status $status for: $out $*"
    [ -s "$tmp/err" ] || fail "no message for: $out $*"
    [ ! -e "$out" ] || fail "an output file for: $out $*"
}
printf '{"format":"velmora-birth","version":1,' >"$tmp/cut.velmora"
expect_refused "$tmp/a.pdf" "$tmp/cut.velmora"
grep -q 'is damaged' "$tmp/err" || fail "the message does not say the file is damaged: $(cat "$tmp/err")"
expect_refused "$tmp/b.pdf" "$tmp/none.velmora"
expect_refused "$tmp/c.txt" "$tmp/asha.velmora"
expect_refused "$tmp/d.pdf"
expect_refused "$tmp/e.pdf" "$tmp/asha.velmora" --paper a3
expect_refused "$tmp/e.svg" "$tmp/asha.velmora" --chart-style east
grep -q 'give south or north' "$tmp/err" || fail "the styles are not named: $(cat "$tmp/err")"
expect_refused "$tmp/e.pdf" "$tmp/asha.velmora" --ashtakavarga-reading parashara
grep -q 'give raman or rao' "$tmp/err" || fail "the readings are not named: $(cat "$tmp/err")"
# An option --export does not have is named as such, last or not, never
# taken for one missing its value.
for unknown in --panchanga --frobnicate; do
    expect_refused "$tmp/e.pdf" "$tmp/asha.velmora" $unknown
    grep -q "unknown option \"$unknown\"" "$tmp/err" || fail "$unknown is not named unknown: $(cat "$tmp/err")"
done
expect_refused "$tmp/e.pdf" "$tmp/asha.velmora" --panchanga --paper a4
grep -q 'unknown option "--panchanga"' "$tmp/err" || fail "--panchanga is not named unknown: $(cat "$tmp/err")"
expect_refused "$tmp/e.pdf" "$tmp/asha.velmora" --paper
grep -q -- '--paper needs a value' "$tmp/err" || fail "--paper without a value: $(cat "$tmp/err")"
# A classic chart with a precise chart's choice is refused when read, in the
# file's words, as velmora-cli --open and the window refuse it.
sed 's/"ayanamsa": "lahiri"/"ayanamsa": "raman"/' "$tmp/asha.velmora" >"$tmp/raman.velmora"
grep -q '"mode": "precise"' "$tmp/raman.velmora" && sed -i 's/"mode": "precise"/"mode": "classic"/' "$tmp/raman.velmora"
expect_refused "$tmp/e.pdf" "$tmp/raman.velmora"
grep -q 'its "ayanamsa" is "raman" but its "mode" is "classic"' "$tmp/err" || fail "not the file's reason: $(cat "$tmp/err")"
# A birth the form's checks refuse: 31 April.
sed 's/"month": 3/"month": 4/; s/"day": 5/"day": 31/' "$tmp/asha.velmora" >"$tmp/april.velmora"
expect_refused "$tmp/f.pdf" "$tmp/april.velmora"
grep -q 'Please Enter Correct Date Or Month !' "$tmp/err" || fail "not the form's message: $(cat "$tmp/err")"
# A number beyond a double is a refusal, not an abort; a FIFO as the birth
# file is refused without waiting for a writer.
sed 's/"second": 0/"second": 1e400/' "$tmp/asha.velmora" >"$tmp/huge.velmora"
expect_refused "$tmp/g.pdf" "$tmp/huge.velmora"
mkfifo "$tmp/fifo.velmora"
timeout 20 "$velmora" --export "$tmp/h.pdf" "$tmp/fifo.velmora" 2>"$tmp/err"
[ $? -eq 2 ] || fail "a FIFO as the birth file was not refused"
grep -q 'not a regular file' "$tmp/err" || fail "the FIFO was not named: $(cat "$tmp/err")"

# Only a regular file or a new name is written: a FIFO (also behind a link)
# or a folder named as the output is a bad request, and stays as it was.
mkfifo "$tmp/fifo.pdf"
ln -s fifo.pdf "$tmp/link.pdf"
mkdir "$tmp/folder.png"
for out in "$tmp/fifo.pdf" "$tmp/link.pdf" "$tmp/folder.png"; do
    "$velmora" --export "$out" "$tmp/asha.velmora" 2>"$tmp/err"
    status=$?
    [ "$status" -eq 2 ] || fail "status $status for the special target $out"
    grep -q 'not a regular file' "$tmp/err" || fail "no message for $out: $(cat "$tmp/err")"
done
[ -p "$tmp/fifo.pdf" ] || fail "the FIFO was replaced"
[ -L "$tmp/link.pdf" ] || fail "the link was replaced"
[ -d "$tmp/folder.png" ] || fail "the folder was replaced"

# An export asked for in a form --export does not take is a bad request too.
for words in "--export=$tmp/g.pdf $tmp/asha.velmora" "--paper letter --export $tmp/g.pdf $tmp/asha.velmora" \
    "--scale=2" "--chart-style north" "--ashtakavarga-reduced"; do
    # shellcheck disable=SC2086
    "$velmora" $words 2>"$tmp/err"
    status=$?
    [ "$status" -eq 2 ] || fail "status $status for: $words"
    grep -q '^velmora --export: ' "$tmp/err" || fail "no message for: $words: $(cat "$tmp/err")"
    [ ! -e "$tmp/g.pdf" ] || fail "an output file for: $words"
done

"$velmora" --help | grep -q -- '--export OUT BIRTHFILE' || fail "--help does not name --export"

# Beside a running Velmora (which holds the single-instance lock) the export
# still runs.
mkdir -m 700 "$tmp/run"
export XDG_RUNTIME_DIR="$tmp/run"
QT_QPA_PLATFORM=offscreen "$velmora" >/dev/null 2>&1 &
running=$!
trap 'kill $running 2>/dev/null; rm -rf "$tmp"' EXIT
i=0
while [ ! -e "$tmp/run/velmora.lock" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
[ -e "$tmp/run/velmora.lock" ] || fail "the running copy took no lock"
"$velmora" --export "$tmp/beside.pdf" "$tmp/asha.velmora" 2>"$tmp/err" || fail "--export beside a running copy: $(cat "$tmp/err")"
[ -s "$tmp/beside.pdf" ] || fail "no PDF beside a running copy"
kill $running
echo ok
