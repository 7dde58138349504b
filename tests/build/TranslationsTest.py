#!/usr/bin/env python3
"""Every shipped translation is complete, current and sound.

usage: TranslationsTest.py SOURCE_DIR LUPDATE DECLARATION_TEXTS

- current: lupdate over today's sources (gui/, core/ and the declaration
  texts that DECLARATION_TEXTS prints) leaves each i18n/*.ts file as it is,
  so no text of the program is missing from it and none is left over;
- complete: every entry has a finished translation;
- sound: each translation has the same %N places, the same HTML tags and one
  Alt+letter exactly when its source has one;
- each translated user guide has the English guide's anchors, links, the
  comments the program cuts at, and the same commands in <code>.
A fault names the file, the context and the source text.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
lupdate = sys.argv[2]
declaration_texts = sys.argv[3]
faults = []

ts_files = sorted((root / "i18n").glob("dpmrcps_*.ts"))
if len(ts_files) != 6:
    faults.append(f"i18n/ holds {len(ts_files)} translations, not the six languages")

PLACE = re.compile(r"%\d")
TAG = re.compile(r"</?[a-zA-Z][^>]*>")
ENTITY = re.compile(r"&(?:[a-zA-Z]+|#\d+);")


def mnemonics(text):
    """The Alt+letter marks of a text: "&" before a character, not "&&"."""
    text = ENTITY.sub("", text).replace("&&", "")
    return len(re.findall(r"&\S", text))


def tags(text):
    return sorted(re.sub(r"\s+", " ", t) for t in TAG.findall(text))


# Current: lupdate on a copy changes nothing.
with tempfile.TemporaryDirectory() as tmp:
    tmp = pathlib.Path(tmp)
    texts = tmp / "DeclarationTexts.cpp"
    texts.write_text(subprocess.run([declaration_texts], check=True, capture_output=True,
                                    text=True).stdout)
    copies = []
    for ts in ts_files:
        copy = tmp / ts.name
        shutil.copy(ts, copy)
        copies.append(copy)
    subprocess.run([lupdate, "-silent", "-tr-function-alias",
                    "translate+=Tr,QT_TRANSLATE_NOOP+=DPMR_TR_NOOP", "-locations", "none",
                    "-no-obsolete", "-no-ui-lines", str(root / "gui"), str(root / "core"),
                    str(texts), "-ts", *map(str, copies)], check=True, cwd=root)
    for ts, copy in zip(ts_files, copies):
        if ts.read_bytes() != copy.read_bytes():
            faults.append(f"{ts.name} is not current with the sources: run `make translations`")

# Complete and sound.
for ts in ts_files:
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            element = message.find("translation")
            where = f"{ts.name} [{name}] {source[:70]!r}"
            if element is None or element.get("type") or not (element.text or "").strip():
                faults.append(f"{where}: not translated")
                continue
            text = element.text
            if sorted(PLACE.findall(source)) != sorted(PLACE.findall(text)):
                faults.append(f"{where}: places {PLACE.findall(text)} instead of {PLACE.findall(source)}")
            if tags(source) != tags(text):
                faults.append(f"{where}: HTML tags differ")
            if min(mnemonics(source), 1) != mnemonics(text):
                faults.append(f"{where}: {mnemonics(text)} Alt+letters in {text!r}")

# The translated guides.
GUIDE_MARKS = [re.compile(r'\bid="[^"]*"'), re.compile(r'\bhref="[^"]*"'),
               re.compile(r"<!--.*?-->"), re.compile(r"<code>.*?</code>", re.S)]
english = (root / "res/guide/user-guide.html").read_text()
for ts in ts_files:
    lang = ts.stem.split("_")[1]
    guide = root / f"res/guide/user-guide.{lang}.html"
    if not guide.exists():
        faults.append(f"{guide.name} is missing")
        continue
    text = guide.read_text()
    if f'<html lang="{lang}">' not in text:
        faults.append(f'{guide.name}: not <html lang="{lang}">')
    for mark in GUIDE_MARKS:
        if sorted(mark.findall(english)) != sorted(mark.findall(text)):
            missing = set(mark.findall(english)) ^ set(mark.findall(text))
            faults.append(f"{guide.name}: differs from the English guide in {sorted(missing)[:4]}")

for fault in faults:
    print(fault)
print(f"{len(ts_files)} translations, {len(faults)} faults")
sys.exit(1 if faults else 0)
