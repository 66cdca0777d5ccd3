#!/usr/bin/env python3
"""The translations of Velmora's windows (translations/*.ts), for review and
for filling in.

  translations.py review [LANG...]     each text in English beside its
                                       translations, those no native reader
                                       has reviewed marked "unreviewed": the
                                       windows' texts, then the phrases of the
                                       command line and the printed tables
                                       (core/presentation/Phrases*.cpp), then
                                       the yogas' names (YogaNames*.cpp,
                                       PyJHora's marked so, the program's own
                                       unreviewed)
  translations.py fill TSV             writes the translations of a table
                                       (English, then hi, ta, te, kn; tab
                                       separated; an optional first column
                                       "context:NAME" for Qt's own texts)
                                       into the .ts files, each marked
                                       unreviewed
  translations.py reviewed LANG TEXT   marks the translation of TEXT reviewed
                                       (a window's text or a phrase)

A translation in a .ts file is marked unreviewed by the translator comment
"unreviewed"; a reviewer removes the mark (the reviewed command) once a
native reader has checked it. A phrase (a row {"English", "translation"} of
core/presentation/Phrases<Language>.cpp) is unreviewed until its line ends
with the comment "// reviewed", which the reviewed command adds. The chart's
terms are in core/presentation/Glossary*.cpp and docs/glossary.md, each with
its source.
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ["hi", "ta", "te", "kn"]
HERE = Path(__file__).resolve().parent
TRANSLATIONS = HERE.parent.parent / "translations"
UNREVIEWED = "unreviewed"
PRESENTATION = HERE.parent.parent / "core" / "presentation"
PHRASE_FILES = {"hi": "PhrasesHindi.cpp", "ta": "PhrasesTamil.cpp", "te": "PhrasesTelugu.cpp",
                "kn": "PhrasesKannada.cpp"}
PHRASE_ROW = re.compile(r'^\s*\{"((?:[^"\\]|\\.)*)", "((?:[^"\\]|\\.)*)"\},(\s*// reviewed)?\s*$')
REVIEWED_MARK = "  // reviewed"
YOGA_FILES = {"hi": "YogaNamesHindi.cpp", "ta": "YogaNamesTamil.cpp", "te": "YogaNamesTelugu.cpp",
              "kn": "YogaNamesKannada.cpp"}
YOGA_ROW = re.compile(r'^\s*\{"([a-z0-9_]+)", "((?:[^"\\]|\\.)*)"\},\s*(//.*)?$')
CATALOGUE_ROW = re.compile(r'^\s*\{"([a-z0-9_]+)", "((?:[^"\\]|\\.)*)", YogaFamily::')


def unescape(text):
    return re.sub(r'\\(.)', r'\1', text)


def phrases(code):
    """The phrase rows of a language: (English, translation, reviewed), in order."""
    rows = []
    for line in open(PRESENTATION / PHRASE_FILES[code], encoding="utf-8"):
        match = PHRASE_ROW.match(line)
        if match:
            rows.append((unescape(match.group(1)), unescape(match.group(2)), match.group(3) is not None))
    return rows


def yoga_names():
    """The catalogue's yogas, (key, English name), in its order."""
    catalogue = HERE.parent.parent / "core" / "analysis" / "YogaCatalogue.cpp"
    return [m.groups() for m in map(CATALOGUE_ROW.match, open(catalogue, encoding="utf-8")) if m]


def yoga_rows(code):
    """A language's yoga names by key: (name, mark), the mark saying where it comes from."""
    rows = {}
    for match in map(YOGA_ROW.match, open(PRESENTATION / YOGA_FILES[code], encoding="utf-8")):
        if match:
            note = match.group(3) or ""
            mark = "  (unreviewed)" if "Velmora's own" in note or "Kannada letters" in note else "  (PyJHora)"
            rows[match.group(1)] = (unescape(match.group(2)), mark)
    return rows


def ts_path(prefix, code):
    return TRANSLATIONS / f"{prefix}_{code}.ts"


def load(path, code):
    if path.exists():
        return ET.parse(path)
    root = ET.Element("TS", version="2.1", language=code)
    return ET.ElementTree(root)


def save(tree, path):
    ET.indent(tree, space="    ")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def find_or_add(tree, context_name, source):
    root = tree.getroot()
    context = next((c for c in root.iter("context") if c.findtext("name") == context_name), None)
    if context is None:
        context = ET.SubElement(root, "context")
        ET.SubElement(context, "name").text = context_name
    for message in context.iter("message"):
        if message.findtext("source") == source:
            return message
    message = ET.SubElement(context, "message")
    ET.SubElement(message, "source").text = source
    return message


def set_translation(message, text):
    for old in message.findall("translatorcomment") + message.findall("translation"):
        message.remove(old)
    ET.SubElement(message, "translatorcomment").text = UNREVIEWED
    ET.SubElement(message, "translation").text = text


def fill(table):
    rows = [line.rstrip("\n").split("\t") for line in open(table, encoding="utf-8") if line.strip()]
    for i, code in enumerate(LANGUAGES):
        for prefix in ("velmora", "qtbase"):
            path = ts_path(prefix, code)
            tree = load(path, code)
            changed = False
            for row in rows:
                context = "Velmora"
                if row[0].startswith("context:"):
                    context, row = row[0][len("context:"):], row[1:]
                if (prefix == "qtbase") != (context != "Velmora"):
                    continue
                set_translation(find_or_add(tree, context, row[0]), row[1 + i])
                changed = True
            if changed:
                save(tree, path)


def review(codes):
    for prefix in ("velmora", "qtbase"):
        trees = {code: load(ts_path(prefix, code), code) for code in codes}
        first = trees[codes[0]]
        for context, message in messages(first):
            print(f"[{context}] {message.findtext('source')}")
            for code in codes:
                other = next((m for c, m in messages(trees[code])
                              if c == context and m.findtext("source") == message.findtext("source")), None)
                text = other.findtext("translation") if other is not None else None
                mark = ""
                if other is None or not text:
                    mark = "  (missing)"
                elif other.findtext("translatorcomment") == UNREVIEWED:
                    mark = "  (unreviewed)"
                print(f"  {code}: {text or ''}{mark}")
            print()
    tables = {code: {english: (text, reviewed) for english, text, reviewed in phrases(code)} for code in codes}
    for english, _, _ in phrases(codes[0]):
        print(f"[phrase] {english}")
        for code in codes:
            text, reviewed = tables[code].get(english, (None, False))
            mark = "  (missing)" if not text else "" if reviewed else "  (unreviewed)"
            print(f"  {code}: {text or ''}{mark}")
        print()
    yogas = {code: yoga_rows(code) for code in codes}
    for key, english in yoga_names():
        print(f"[yoga] {english}")
        for code in codes:
            name, mark = yogas[code].get(key, ("", "  (missing)"))
            print(f"  {code}: {name}{mark}")
        print()


def reviewed(code, source):
    for prefix in ("velmora", "qtbase"):
        path = ts_path(prefix, code)
        tree = load(path, code)
        for _, message in messages(tree):
            if message.findtext("source") == source:
                for comment in message.findall("translatorcomment"):
                    message.remove(comment)
                save(tree, path)
                return
    if code in PHRASE_FILES:
        path = PRESENTATION / PHRASE_FILES[code]
        lines = open(path, encoding="utf-8").read().split("\n")
        for i, line in enumerate(lines):
            match = PHRASE_ROW.match(line)
            if match and unescape(match.group(1)) == source:
                if match.group(3) is None:
                    lines[i] = line.rstrip() + REVIEWED_MARK
                    open(path, "w", encoding="utf-8").write("\n".join(lines))
                return
    sys.exit(f"no text {source!r} in the {code} translations")


def main(args):
    if args[:1] == ["review"]:
        review(args[1:] or LANGUAGES)
    elif len(args) == 2 and args[0] == "fill":
        fill(args[1])
    elif len(args) == 3 and args[0] == "reviewed":
        reviewed(args[1], args[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
