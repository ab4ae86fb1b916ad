#!/usr/bin/env python3
"""The English catalogues are complete and sound.

For each part of the program (translations/kvx_<part>_en.ts): lupdate run over
the part's sources finds no text the catalogue lacks, every text has a
finished translation, a translation keeps the printf conversions of its source
in the same order, and holds no Japanese beyond what its source deliberately
keeps (a name shown in both languages).

usage: translations_test.py LUPDATE PARTS_FILE
PARTS_FILE: one line per part, "TS_FILE;OPTION;...;--;SOURCE;SOURCE;..."
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

CONVERSION = re.compile(r"%[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGcsp%]")
JAPANESE = re.compile(r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]+")


def messages(ts_path):
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            yield name, m.findtext("source") or "", m.find("translation")


def check_part(lupdate, ts_file, options, sources):
    faults = []
    with tempfile.TemporaryDirectory() as work:
        fresh = Path(work) / Path(ts_file).name
        shutil.copy(ts_file, fresh)
        run = subprocess.run([lupdate, *options, *sources, "-ts", str(fresh)], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        committed = {(c, s) for c, s, _ in messages(ts_file)}
        for context, source, translation in messages(fresh):
            where = f"{Path(ts_file).name} [{context}] {source!r}"
            if (context, source) not in committed:
                faults.append(f"{where}: not in the catalogue (run the update_translations target)")
                continue
            kind = translation.get("type") if translation is not None else "missing"
            text = translation.text if translation is not None and translation.text else ""
            if kind in ("unfinished", "missing", "vanished", "obsolete") or not text.strip():
                faults.append(f"{where}: no finished translation")
                continue
            if CONVERSION.findall(source) != CONVERSION.findall(text):
                faults.append(f"{where}: conversions {CONVERSION.findall(source)} became {CONVERSION.findall(text)}")
            for kept in JAPANESE.findall(text):
                if kept not in source:
                    faults.append(f"{where}: Japanese left in the translation: {kept}")
        for context, source, _ in messages(ts_file):
            if not any(c == context and s == source for c, s, _ in messages(fresh)):
                pass  # -no-obsolete drops texts no longer in the sources; lupdate keeps the file tidy
    return faults


def main():
    lupdate, parts_file = sys.argv[1], sys.argv[2]
    faults = []
    for line in Path(parts_file).read_text(encoding="utf-8").splitlines():
        if not line.strip():
            continue
        fields = line.split(";")
        ts_file = fields[0]
        cut = fields.index("--")
        options, sources = fields[1:cut], fields[cut + 1:]
        faults += check_part(lupdate, ts_file, options, sources)
    for f in faults:
        print(f)
    print(f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
