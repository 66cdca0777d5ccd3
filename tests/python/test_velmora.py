"""The Python module against velmora-cli: the same births give the same
values through velmora.chart() as through --json, through velmora.charts()
as through --batch, and through velmora.frame() as through --format csv;
refusals carry the command line's message and name the key refused.

Run by ctest with PYTHONPATH naming the built module and VELMORA_CLI the
built velmora-cli."""

import ast
import io
import itertools
import json
import os
import re
import subprocess

import pytest

import velmora

CLI = os.environ["VELMORA_CLI"]
TODAY = "2024-06-01"  # the day the running dasha periods are marked for, on both sides

BANGALORE = {"name": "Ravi", "date": "1980-03-05", "time": "09:05", "lon": "77:35E", "lat": "12:58N", "zone": "IST"}


def run_cli(args, stdin=None):
    """velmora-cli's status and its output as written (CSV's CR LF kept)."""
    done = subprocess.run([CLI, *args], input=None if stdin is None else stdin.encode(), capture_output=True)
    return subprocess.CompletedProcess(done.args, done.returncode, done.stdout.decode(), done.stderr.decode())


def cli_args(birth):
    """The options of velmora-cli that describe a birth."""
    args = []
    for key, value in birth.items():
        if key == "precise":
            args += [] if value else ["--classic"]
        elif key == "dst":
            args += ["--dst"] if value else []
        elif key == "dashaYear":
            args.append(f"--dasha-year={value}")
        else:
            args.append(f"--{key}={value}")
    return args


# Births over both engines, every ayanamsa, the house systems, and every
# kind of zone: a list position, an abbreviation with daylight saving, a time
# zone with its history, and a place of the atlas.
BIRTHS = [
    BANGALORE,
    dict(BANGALORE, precise=False),
    dict(BANGALORE, precise=False, zone=29, lon="0:07W", lat="51:30N", dst=True, date="1975-07-01"),
    {"name": "Ada", "date": "1990-07-14", "time": "22:15:30", "lon": "73:59W", "lat": "40:45N",
     "tz": "America/New_York", "city": "New York"},
    {"name": "Kolkata", "date": "2001-12-31", "time": "23:59", "place": "Kolkata"},
    dict(BANGALORE, node="true", positions="true", houses="placidus"),
    dict(BANGALORE, houses="sripati", dashaYear="360"),
    dict(BANGALORE, houses="equal", dashaYear="sidereal"),
    dict(BANGALORE, ayanamsa="custom:1900-01-01:22.46"),
] + [dict(BANGALORE, ayanamsa=key) for key in (
    "lahiri", "true-chitra", "krishnamurti", "raman", "yukteshwar", "fagan-bradley", "true-pushya", "lahiri-icrc")]


@pytest.mark.parametrize("birth", BIRTHS, ids=lambda b: ",".join(f"{k}={v}" for k, v in b.items() if k != "name"))
def test_chart_is_the_json_of_the_command_line(birth):
    done = run_cli(["--json", f"--today={TODAY}", "--dasha-systems=yogini", *cli_args(birth)])
    assert done.returncode == 0, done.stderr
    assert velmora.chart(birth, today=TODAY, dasha_systems="yogini") == json.loads(done.stdout)


def test_the_births_take_every_ayanamsa_the_command_line_offers():
    offered = run_cli(["--help"]).stdout.split("the precise chart's ayanamsa:")[1].split("custom:")[0]
    keys = set(re.findall(r"[a-z][a-z-]*", offered)) - {"default", "or"}
    assert keys == {b["ayanamsa"] for b in BIRTHS if "ayanamsa" in b and ":" not in b["ayanamsa"]}


def test_the_sun_of_a_published_example():
    # Meeus, Astronomical Algorithms (2nd ed., 1998), Example 25.b: the Sun's
    # apparent longitude on 1992 October 13, 0 h TD (23:59:01 UT the day
    # before) is 199° 54′ 21.818″; the sidereal longitude and the ayanamsa
    # written add up to it.
    c = velmora.chart({"name": "Meeus", "date": "1992-10-12", "time": "23:59:01", "lon": "0:00E", "lat": "0:00N",
                       "zone": 29}, fields=["degrees", "ayanamsa"])
    assert c["degrees"][0] + c["ayanamsa"] == pytest.approx(199 + 54 / 60 + 21.818 / 3600, abs=1 / 3600)


# Refusals: the birth, the key the message names, and words of the message.
REFUSALS = [
    ({"date": "1980-13-05"}, "date", "the month must be between 1 and 12"),
    ({"date": "1799-12-31"}, "date", "1800 and 2399"),
    ({"time": "9.05"}, "time", "time must be HH:MM"),
    ({"lon": "77:35X"}, "lon", "lon must be DEG:MIN"),
    ({"lon": "181:00E"}, "lon", "Longitude"),
    ({"lat": "12:61N"}, "lat", "Latitude"),
    ({"zone": "XYZ"}, "zone", "no entry is named"),
    ({"zone": 71}, "zone", "between 0 and 70"),
    ({"dst": "yes"}, "dst", "must be true or false"),
    ({"name": 5}, "name", "must be a text"),
    ({"name": ""}, "name", "Please Enter Name"),
    ({"date": "1980-02-30"}, "date", "Correct Date Or Month"),
    ({"planet": "Mars"}, "planet", "unknown field"),
    ({"houses": "koch"}, "houses", "houses: give"),
    ({"ayanamsa": "nowhere"}, "ayanamsa", "ayanamsa: give"),
    ({"node": "true", "precise": False}, "node", "precise positions only"),
    ({"tz": "Mars/Olympus", "zone": None}, "tz", "no zone is named"),
    ({"tz": "Europe/London", "zone": None, "date": "2021-03-28", "time": "01:30", "lon": "0:07W", "lat": "51:30N"},
     "time", "did not exist"),
    ({"tz": "Europe/London", "zone": None, "date": "2021-10-31", "time": "01:30", "lon": "0:07W", "lat": "51:30N"},
     "ambiguous", "happened twice"),
    ({"place": "Nowhereville Upon Sea", "zone": None}, "place", "no place in the atlas"),
]


def without_none(birth):
    return {k: v for k, v in birth.items() if v is not None}


@pytest.mark.parametrize("change,field,words", REFUSALS, ids=[r[1] + ":" + r[2] for r in REFUSALS])
def test_a_refused_birth_raises_naming_the_key(change, field, words):
    birth = dict(BANGALORE, **change)
    with pytest.raises(velmora.BirthError) as raised:
        velmora.chart(birth)
    assert raised.value.field == field
    assert words in raised.value.message
    assert isinstance(raised.value, ValueError)
    # The message is the command line's, as its batch writes it.
    line = json.dumps(without_none(birth))
    done = run_cli(["--batch", "-", "--quiet"], stdin=line + "\n")
    assert done.returncode == 2
    assert json.loads(done.stdout) == {"error": raised.value.message}


def test_a_birth_missing_a_key_names_it():
    for key in ("name", "date", "time", "lon", "lat"):
        with pytest.raises(velmora.BirthError) as raised:
            velmora.chart({k: v for k, v in BANGALORE.items() if k != key})
        assert raised.value.field == key
        assert raised.value.message == f'missing "{key}"'


def test_a_birth_that_is_no_mapping_is_refused_as_the_batch_refuses_it():
    with pytest.raises(velmora.BirthError) as raised:
        velmora.chart(42)
    assert raised.value.field is None
    assert raised.value.message == "the line is not a JSON object"


def letters(number):
    """A number as a name takes it: 0 A, 25 Z, 26 BA, ..."""
    word = ""
    while True:
        word = chr(ord("A") + number % 26) + word
        number //= 26
        if number == 0:
            return word


def study(count):
    """Births over the years, the hours and both engines, with a refused one every 97th."""
    births = []
    for i in range(count):
        birth = {"name": f"Person {letters(i)}", "date": f"{1901 + i % 140}-{1 + i % 12:02d}-{1 + i % 28:02d}",
                 "time": f"{i % 24:02d}:{(7 * i) % 60:02d}", "lon": f"{i % 180}:{i % 60:02d}{'EW'[i % 2]}",
                 "lat": f"{i % 90}:{(3 * i) % 60:02d}{'NS'[i % 3 == 0]}", "zone": i % 71,
                 "precise": i % 5 != 0}
        if i % 97 == 13:
            birth["time"] = "24:00"
        births.append(birth)
    return births


def test_charts_are_the_lines_of_the_batch():
    births = study(300)
    fields = "name,positions,degrees,nakshatras,dashas,cusps"
    lines = "".join(json.dumps(b) + "\n" for b in births)
    done = run_cli(["--batch", "-", "--quiet", f"--today={TODAY}", f"--fields={fields}", "--jobs=2"], stdin=lines)
    expected = [json.loads(line) for line in done.stdout.splitlines()]
    assert len(expected) == len(births)
    assert sum("error" in e for e in expected) == 3
    for jobs in (1, 3):
        assert list(velmora.charts(births, fields=fields, today=TODAY, jobs=jobs)) == expected
        # Undecoded, the lines are the batch's byte for byte.
        assert list(velmora.charts(births, fields=fields, today=TODAY, jobs=jobs, decode=False)) == \
            done.stdout.splitlines()
    # A file's lines are births too, as the batch reads them.
    assert list(velmora.charts(io.StringIO(lines), fields=fields, today=TODAY, jobs=2)) == expected


# Every field the table has, named in its order, on both engines, with the
# choices that give the deeper and optional parts (three dasha levels, the
# reduced ashtakavarga, transits at a fixed moment): the dicts are the lines
# json.loads reads, compared as json.dumps writes them again, so that an int
# written where the line has a float (5 for 5.0), a key out of its order, or
# a value the line leaves out is caught, not only what == sees.
EVERY_FIELD_BIRTHS = [
    BANGALORE,
    dict(BANGALORE, precise=False),
    {"name": "Ada Lovelace", "date": "1990-07-14", "time": "22:15:30", "lon": "73:59W", "lat": "40:45N",
     "tz": "America/New_York", "city": "New York", "houses": "placidus", "node": "true"},
    {"name": "Polar", "date": "2001-06-21", "time": "12:00", "lon": "15:38E", "lat": "78:13N",
     "tz": "Arctic/Longyearbyen"},
    {"name": "Kolkata", "date": "2001-12-31", "time": "23:59", "place": "Kolkata", "precise": False},
    dict(BANGALORE, date="1980-02-30"),
]
EVERY_FIELD_CHOICES = {"today": TODAY, "dasha_levels": 3, "ashtakavarga_reduced": True, "transit": "2024-06-01T12:00",
                       "fields": ",".join(velmora.FIELDS)}


def test_every_field_is_the_value_of_the_line():
    options = [f"--{k.replace('_', '-')}" + ("" if v is True else f"={v}") for k, v in EVERY_FIELD_CHOICES.items()]
    lines = "".join(json.dumps(b) + "\n" for b in EVERY_FIELD_BIRTHS)
    done = run_cli(["--batch", "-", "--quiet", *options], stdin=lines)
    expected = [json.dumps(json.loads(line)) for line in done.stdout.splitlines()]
    assert len(expected) == len(EVERY_FIELD_BIRTHS)
    assert "error" in json.loads(expected[-1]) and "transits" in json.loads(expected[0])
    for jobs in (1, 2):
        got = [json.dumps(c) for c in velmora.charts(EVERY_FIELD_BIRTHS, jobs=jobs, **EVERY_FIELD_CHOICES)]
        assert got == expected
    charted = [(birth, line) for birth, line in zip(EVERY_FIELD_BIRTHS, expected) if '"error"' not in line[:10]]
    assert len(charted) == len(EVERY_FIELD_BIRTHS) - 1
    for birth, line in charted:
        assert json.dumps(velmora.chart(birth, **EVERY_FIELD_CHOICES)) == line
    # And the whole object as the line holds it, every field of it.
    done = run_cli(["--batch", "-", "--quiet", f"--today={TODAY}"], stdin=lines)
    assert [json.dumps(c) for c in velmora.charts(EVERY_FIELD_BIRTHS, jobs=1, today=TODAY)] == \
        [json.dumps(json.loads(line)) for line in done.stdout.splitlines()]


def test_more_jobs_give_the_same_results_in_the_same_order():
    births = study(2500)  # several of the engine's chunks
    alone = [json.dumps(c) for c in velmora.charts(births, jobs=1, fields="name,degrees,vargas,ashtakavarga")]
    for jobs in (2, 4):
        assert [json.dumps(c) for c in
                velmora.charts(births, jobs=jobs, fields="name,degrees,vargas,ashtakavarga")] == alone


def test_more_jobs_than_the_queue_holds_chunks_for():
    # Eight jobs keep eighteen chunks of up to 256 lines in flight: more than
    # the 2,048 births queued ahead. The engine then waits for births while
    # the caller waits for a result, unless the engine wakes the caller to
    # feed it (this hung before it did).
    births = [{**BANGALORE, "name": f"N{letters(i)}"} for i in range(6000)]
    alone = [c["name"] for c in velmora.charts(births, fields="name", jobs=1)]
    assert [c["name"] for c in velmora.charts(births, fields="name", jobs=8)] == alone


def test_charts_stream_from_births_without_end():
    endless = ({**BANGALORE, "name": f"N{letters(i)}"} for i in itertools.count())
    taken = list(itertools.islice(velmora.charts(endless, fields="name", jobs=2), 5))
    assert [c["name"] for c in taken] == ["NA", "NB", "NC", "ND", "NE"]


def test_an_error_of_the_births_comes_after_the_results_before_it():
    def births():
        for i in range(600):
            yield {**BANGALORE, "name": f"N{letters(i)}"}
        raise RuntimeError("the data set ended badly")

    for jobs in (1, 2):
        results = velmora.charts(births(), fields="name", jobs=jobs)
        names = []
        with pytest.raises(RuntimeError, match="ended badly"):
            for c in results:
                names.append(c["name"])
        assert names == [f"N{letters(i)}" for i in range(600)]


def test_frame_is_the_csv_of_the_batch():
    pandas = pytest.importorskip("pandas")
    births = study(200)
    table = pandas.DataFrame(births, index=[f"b{i}" for i in range(len(births))])
    lines = "".join(json.dumps(b) + "\n" for b in births)
    done = run_cli(["--batch", "-", "--quiet", "--format=csv", f"--today={TODAY}"], stdin=lines)
    expected = pandas.read_csv(io.StringIO(done.stdout), keep_default_na=False, na_values=[""])
    expected.index = table.index
    got = velmora.frame(table, today=TODAY, jobs=2)
    pandas.testing.assert_frame_equal(got, expected)
    assert got.loc["b13", "error"] == 'time: the hour must be between 0 and 23, got "24:00"'


def test_frame_takes_empty_cells_as_missing_keys():
    pandas = pytest.importorskip("pandas")
    table = pandas.DataFrame([dict(BANGALORE, tz=None), dict(BANGALORE, zone=None, tz="Asia/Kolkata")])
    got = velmora.frame(table, fields="positions,ayanamsa")
    assert list(got["position_sun"]) == ["21 Aqu 08", "21 Aqu 08"]
    assert got["error"].isna().all()


# Choices: the keyword, its value, and words of the refusal.
BAD_CHOICES = [
    ("fields", "positions,planets", ValueError, 'fields: "planets" is not a field'),
    ("dasha_levels", 9, ValueError, "dasha_levels"),
    ("today", "2024-02-30", ValueError, "today must be a date"),
    ("colour", "red", TypeError, "no choice is named 'colour'"),
]


@pytest.mark.parametrize("name,value,kind,words", BAD_CHOICES, ids=[c[0] for c in BAD_CHOICES])
def test_a_bad_choice_is_refused_in_the_keywords_words(name, value, kind, words):
    with pytest.raises(kind, match=words):
        velmora.chart(BANGALORE, **{name: value})


def test_each_call_takes_its_own_choices():
    # The options read are kept between calls: a call with other choices is not answered from them.
    for today in ("2024-06-01", "1990-01-01", "2024-06-01"):
        assert velmora.chart(BANGALORE, fields="dashas", today=today)["dashas"]["today"] == today
    assert "ayanamsa" in velmora.chart(BANGALORE, fields="ayanamsa")
    assert list(velmora.chart(BANGALORE, fields=["degrees", "name"])) == ["degrees", "name"]


def test_one_birth_is_no_iterable_of_births():
    with pytest.raises(TypeError, match="velmora.chart computes one"):
        velmora.charts(BANGALORE)


def test_the_stubs_name_every_field_and_key_the_batch_takes():
    stub = velmora._stub_text()
    tree = ast.parse(stub)
    birth = next(n for n in tree.body if isinstance(n, ast.ClassDef) and n.name == "Birth")
    keys = [n.target.id for n in birth.body if isinstance(n, ast.AnnAssign)]
    for key in keys:
        try:
            velmora.chart({**BANGALORE, key: None})
        except velmora.BirthError as refused:
            assert "unknown field" not in refused.message
    field = next(n for n in tree.body if isinstance(n, ast.Assign) and n.targets[0].id == "Field")
    assert tuple(e.value for e in field.value.slice.elts) == velmora.FIELDS
    listed = run_cli(["--batch", "-", "--fields=none"], stdin="").stderr
    assert listed.split("the fields are ")[1].strip() == ",".join(velmora.FIELDS)
    for function in (velmora.chart, velmora.charts, velmora.frame):
        assert "dasha_levels" in function.__doc__ and "--dasha-levels" not in function.__doc__
