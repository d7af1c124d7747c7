#!/usr/bin/env python3
"""Keeps the translation files in step with the sources.

  translations.py update   run lupdate over the sources into resources/translations/*.ts
  translations.py fill     fill every entry from resources/translations/glossary.json
                           (English entries take their source text)
  translations.py missing  print the source texts the glossary does not have yet, as JSON
  translations.py check    fail when any entry is unfinished or empty
  translations.py add FILE merge FILE ({source: simplified text}) into the glossary; the
                           traditional text is converted with opencc (s2twp) when no
                           [simplified, traditional] pair is given

The glossary maps a source text to [simplified Chinese, traditional Chinese].
"""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = os.path.join(ROOT, "resources", "translations")
GLOSSARY = os.path.join(TS_DIR, "glossary.json")
SOURCES = ["app", "link", "protocol", "canvas", "dialogs", "widgets", "hub", "config", "remote", "cli"]
FILES = {"en": "en.ts", "zh_CN": "zh_cn.ts", "zh_TW": "zh_tw.ts"}


def ts_path(lang):
    return os.path.join(TS_DIR, FILES[lang])


def messages(tree):
    for ctx in tree.getroot().iter("context"):
        for msg in ctx.iter("message"):
            yield ctx, msg


def load_glossary():
    if not os.path.exists(GLOSSARY):
        return {}
    with open(GLOSSARY, encoding="utf-8") as f:
        return json.load(f)


def write(tree, path):
    ET.indent(tree, space="    ")
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")


def update():
    dirs = [os.path.join(ROOT, d) for d in SOURCES if os.path.isdir(os.path.join(ROOT, d))]
    for lang in FILES:
        subprocess.run(["lupdate", "-silent", "-no-obsolete", "-locations", "none", *dirs,
                        "-target-language", lang, "-ts", ts_path(lang)], check=True)


def fill():
    glossary = load_glossary()
    missing = 0
    for lang in FILES:
        tree = ET.parse(ts_path(lang))
        for _, msg in messages(tree):
            source = msg.findtext("source") or ""
            tr = msg.find("translation")
            if tr is None:
                tr = ET.SubElement(msg, "translation")
            if lang == "en":
                text = source
            elif source in glossary:
                text = glossary[source][0 if lang == "zh_CN" else 1]
            else:
                missing += 1
                continue
            tr.attrib.pop("type", None)
            if msg.get("numerus") == "yes":
                # Plural messages carry one form per plural class of the language: English has
                # two, Chinese one. The glossary gives "singular|plural" for English when they
                # differ; otherwise every form takes the same text.
                forms = text.split("|") if lang == "en" else [text]
                count = 2 if lang == "en" else 1
                forms = (forms + [forms[-1]] * count)[:count]
                tr.text = None
                for child in list(tr):
                    tr.remove(child)
                for form in forms:
                    ET.SubElement(tr, "numerusform").text = form
            else:
                tr.text = text
        write(tree, ts_path(lang))
    if missing:
        print(f"{missing} entries have no glossary text yet", file=sys.stderr)


def missing():
    glossary = load_glossary()
    tree = ET.parse(ts_path("zh_CN"))
    out = sorted({msg.findtext("source") or "" for _, msg in messages(tree)} - set(glossary))
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)
    print()


def add(path):
    glossary = load_glossary()
    with open(path, encoding="utf-8") as f:
        new = json.load(f)
    plain = [k for k, v in new.items() if isinstance(v, str)]
    if plain:
        text = "\x1e".join(new[k] for k in plain)
        out = subprocess.run(["opencc", "-c", "s2twp.json"], input=text, capture_output=True,
                             text=True, check=True).stdout.rstrip("\n").split("\x1e")
        if len(out) != len(plain):
            sys.exit("opencc changed the number of entries")
        for k, tw in zip(plain, out):
            new[k] = [new[k], tw]
    glossary.update(new)
    with open(GLOSSARY, "w", encoding="utf-8") as f:
        json.dump(dict(sorted(glossary.items())), f, ensure_ascii=False, indent=1)
        f.write("\n")


def check():
    bad = []
    for lang in FILES:
        tree = ET.parse(ts_path(lang))
        for ctx, msg in messages(tree):
            tr = msg.find("translation")
            text = "".join(f.text or "" for f in tr.iter("numerusform")) if tr is not None \
                and msg.get("numerus") == "yes" else (tr.text if tr is not None else "")
            if tr is None or tr.get("type") in ("unfinished", "obsolete", "vanished") \
                    or not (text or "").strip():
                bad.append(f"{FILES[lang]}: {ctx.findtext('name')}: {msg.findtext('source')!r}")
    for line in bad:
        print("unfinished translation:", line, file=sys.stderr)
    return 1 if bad else 0


if __name__ == "__main__":
    cmd = sys.argv[1] if len(sys.argv) > 1 else "check"
    if cmd == "update":
        update()
    elif cmd == "fill":
        fill()
    elif cmd == "missing":
        missing()
    elif cmd == "add":
        add(sys.argv[2])
    elif cmd == "check":
        sys.exit(check())
    else:
        sys.exit(__doc__)
