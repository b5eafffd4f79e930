#!/usr/bin/env python3
"""Fills the translation sources (resources/lang/specula_<code>.ts) from translation tables.

The .ts files stay the only record of the translations; a table is a working file that a
translation round writes and merges, then throws away. docs/TRANSLATING.md describes a round.

  scripts/translations.py status            unfinished entries per language
  scripts/translations.py todo [-o FILE]    a table of every entry some language still lacks,
                                            with the translations that exist filled in
  scripts/translations.py merge TABLE...    writes the tables' translations into the .ts files

A table is a JSON list of entries, one per source text:

  {"context": "Specula", "source": "帧率", "comment": "",
   "en": "Frame rate", "de": "Bildrate", ...}

"context" may be left out: the entry then applies to that source text in every context.
"comment" is the disambiguation given in the code (tr's second argument, or the form's
comment) and may be left out when there is none. A text with a count (%n) takes a list of
plural forms instead of a string. Languages left out of an entry, or left empty, are not
touched.
"""

import argparse
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = os.path.join(ROOT, "resources", "lang")
# The order of the language menu after the source language.
LANGUAGES = ["en", "zh", "fr", "it", "ja", "ko", "ru", "de", "es", "pt", "nl", "pl", "uk",
             "lt", "hu"]


def ts_path(code):
    return os.path.join(TS_DIR, "specula_%s.ts" % code)


def messages(tree):
    """(context, source, comment, message element) for every message of a .ts tree."""
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message.findtext("source", ""), message.findtext("comment", ""), message


def is_unfinished(message):
    translation = message.find("translation")
    if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                           "obsolete"):
        return True
    forms = translation.findall("numerusform")
    if forms:
        return any(not (form.text or "").strip() for form in forms)
    return not (translation.text or "").strip()


def translation_of(message):
    translation = message.find("translation")
    if translation is None:
        return ""
    forms = translation.findall("numerusform")
    if forms:
        return [form.text or "" for form in forms]
    return translation.text or ""


def set_translation(message, value):
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    if message.get("numerus") == "yes":
        if not isinstance(value, list):
            raise ValueError("needs a list of plural forms")
        for form in translation.findall("numerusform"):
            translation.remove(form)
        translation.text = None
        for text in value:
            ET.SubElement(translation, "numerusform").text = text
    else:
        if not isinstance(value, str):
            raise ValueError("needs a string")
        translation.text = value


def load(code):
    return ET.parse(ts_path(code))


def write(tree, code):
    path = ts_path(code)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # lconvert writes the layout lupdate writes, so that the next extraction changes nothing.
    subprocess.run(["lconvert", "-i", path, "-o", path], check=True)


def cmd_status(_args):
    total = 0
    for code in LANGUAGES:
        missing = [m for m in messages(load(code)) if is_unfinished(m[3])]
        total += len(missing)
        print("%-3s %4d unfinished" % (code, len(missing)))
    return 1 if total else 0


def cmd_todo(args):
    entries = {}
    for code in LANGUAGES:
        for context, source, comment, message in messages(load(code)):
            key = (context, source, comment)
            entry = entries.setdefault(key, {"context": context, "source": source,
                                             "comment": comment, "open": False})
            entry[code] = translation_of(message)
            if is_unfinished(message):
                entry["open"] = True
                entry[code] = [] if message.get("numerus") == "yes" else ""
    table = []
    for entry in entries.values():
        if entry.pop("open"):
            if not entry["comment"]:
                del entry["comment"]
            table.append(entry)
    text = json.dumps(table, ensure_ascii=False, indent=1) + "\n"
    if args.output:
        with open(args.output, "w", encoding="utf-8") as out:
            out.write(text)
        print("%d entries to translate written to %s" % (len(table), args.output))
    else:
        sys.stdout.write(text)
    return 0


def cmd_merge(args):
    table = []
    for path in args.tables:
        with open(path, encoding="utf-8") as f:
            table.extend(json.load(f))
    trees = {code: load(code) for code in LANGUAGES}
    used = [False] * len(table)
    errors = []
    for code, tree in trees.items():
        for context, source, comment, message in messages(tree):
            for i, entry in enumerate(table):
                if entry["source"] != source or entry.get("comment", "") != comment:
                    continue
                if "context" in entry and entry["context"] != context:
                    continue
                used[i] = True
                value = entry.get(code)
                if value in (None, "", []):
                    continue
                try:
                    set_translation(message, value)
                except ValueError as e:
                    errors.append("%s %s/%r: %s" % (code, context, source, e))
    for i, entry in enumerate(table):
        if not used[i]:
            errors.append("no such text in the sources: %s/%r" % (entry.get("context", "*"),
                                                                  entry["source"]))
    if errors:
        print("\n".join(errors), file=sys.stderr)
        return 1
    for code, tree in trees.items():
        write(tree, code)
    return cmd_status(args)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    sub.add_parser("status").set_defaults(run=cmd_status)
    todo = sub.add_parser("todo")
    todo.add_argument("-o", "--output")
    todo.set_defaults(run=cmd_todo)
    merge = sub.add_parser("merge")
    merge.add_argument("tables", nargs="+")
    merge.set_defaults(run=cmd_merge)
    args = parser.parse_args()
    return args.run(args)


if __name__ == "__main__":
    sys.exit(main())
