#!/usr/bin/env python3
"""The review script sees every phrase of the command line's and the printed
tables' texts: `translations.py review` lists each English phrase of
core/presentation/Phrases.h once, with a translation in each language (none
missing), and marks every one no native reader has reviewed.

Usage: phrases_review_check.py SOURCE_DIR
"""

import re
import subprocess
import sys
from pathlib import Path

LANGUAGES = ["hi", "ta", "te", "kn"]


def english_phrases(source):
    header = (source / "core" / "presentation" / "Phrases.h").read_text(encoding="utf-8")
    table = header[header.index("kPhraseEnglish[] = {"):]
    table = table[:table.index("\n};")]
    return [re.sub(r'\\(.)', r'\1', m) for m in re.findall(r'^\s*"((?:[^"\\]|\\.)*)",\s*$', table, re.M)]


def main(source):
    source = Path(source)
    expected = english_phrases(source)
    out = subprocess.run([sys.executable, str(source / "tools" / "translations" / "translations.py"), "review"],
                         check=True, capture_output=True, text=True).stdout
    blocks = [b for b in out.split("\n\n") if b.startswith("[phrase] ")]
    listed = [b.split("\n")[0][len("[phrase] "):] for b in blocks]
    faults = []
    if listed != expected:
        faults.append(f"the review lists {len(listed)} phrases, Phrases.h has {len(expected)}: "
                      f"{sorted(set(expected) ^ set(listed))[:5]}")
    for block in blocks:
        lines = block.split("\n")
        codes = [line.split(":")[0].strip() for line in lines[1:]]
        if codes != LANGUAGES:
            faults.append(f"{lines[0]}: languages {codes}")
        faults += [f"{lines[0]}: {line.strip()}" for line in lines[1:] if line.endswith("(missing)")]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
