#!/usr/bin/env python3
"""Every text of the windows has a finished translation in each language.

Runs lupdate over the windows' sources into copies of translations/*.ts, so
that a text marked for translation and missing from the files counts as
unfinished, then fails on any message that is unfinished or empty, or whose
translation drops a placeholder (%1, %2 …) or the mnemonic (&) of its source.
The report's 105 rules are not marked for translation: the report stays in
English until a reviewed translation exists.

Usage: translations_check.py LUPDATE SOURCE_DIR
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ["hi", "ta", "te", "kn"]


def check(path):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None and translation.text else ""
            kind = translation.get("type") if translation is not None else "missing"
            where = f"{path.name}: {source!r}"
            if kind in ("unfinished", "missing") or not text:
                faults.append(f"{where} has no finished translation")
                continue
            if kind in ("vanished", "obsolete"):
                continue
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                faults.append(f"{where}: the translation {text!r} does not keep the placeholders")
            mnemonic = lambda s: len(re.findall(r"&(?!&)", s.replace("&&", "")))
            if mnemonic(source) != mnemonic(text):
                faults.append(f"{where}: the translation {text!r} does not keep the mnemonic")
    return faults


def main(lupdate, source_dir):
    source = Path(source_dir)
    faults = []
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for code in LANGUAGES:
            for prefix in ("velmora", "qtbase"):
                original = source / "translations" / f"{prefix}_{code}.ts"
                if not original.exists():
                    faults.append(f"{original} is missing")
                    continue
                copy = Path(temp) / original.name
                shutil.copy(original, copy)
                copies.append(copy)
        ours = [c for c in copies if c.name.startswith("velmora_")]
        subprocess.run([lupdate, "-no-obsolete", "-locations", "none", str(source / "gui"), str(source / "app"),
                        "-ts", *map(str, ours)], check=True, capture_output=True)
        for copy in copies:
            faults += check(copy)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
