#!/usr/bin/env python3
"""Fills the translation sources (resources/lang/specula_<code>.ts) from translation tables.

The .ts files stay the only record of the translations; a table is a working file that a
translation round writes and merges, then throws away. docs/TRANSLATING.md describes a round.

  scripts/translations.py status            unfinished entries per language
  scripts/translations.py todo [-o FILE]    a table of every entry some language still lacks,
                                            with the translations that exist filled in
  scripts/translations.py merge TABLE...    writes the tables' translations into the .ts files
  scripts/translations.py lint              lists translations that read inconsistently, with
                                            the English one as the record of what a text means

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


TERMINAL = (".", "?", "!", "\u3002", "\uff1f", "\uff01")


def ends_sentence(text):
    """True when a text ends like a sentence; an ellipsis, a colon or an abbreviation ("Wył.")
    ends a label."""
    text = text.rstrip()
    # A word, or words that each end with a dot, are abbreviations ("Std. dev.").
    if text.endswith(".") and all(word.endswith(".") for word in text.split()):
        return False
    return text.endswith(TERMINAL) and not text.endswith(("...", "\u2026"))


def lint_problems(tables):
    """The findings of `lint` as (kind, text) pairs. tables maps a language to
    {(context, source, comment): translation}; English is the reference."""
    english = tables["en"]
    problems = []
    for code in LANGUAGES:
        if code == "en":
            continue
        texts = {k: t for k, t in tables[code].items() if isinstance(t, str)}
        # Two texts English tells apart that read the same, in one window or anywhere.
        words = {}
        for key, text in texts.items():
            words.setdefault(text.casefold(), []).append(key)
        for text, keys in words.items():
            if len({english[k].casefold() for k in keys}) < 2:
                continue
            # Traditional Chinese may keep a source text's two meanings as the source does.
            if code == "zh" and len({k[1] for k in keys}) == 1:
                continue
            same_context = len({k[0] for k in keys}) < len(keys)
            # Across windows a merge counts only where most languages keep the texts apart.
            apart = sum(1 for other in LANGUAGES if other != code and
                        len({tables[other][k].casefold() for k in keys}) > 1)
            if same_context or apart * 3 >= 2 * (len(LANGUAGES) - 1):
                problems.append(("one word for several things" if same_context else
                                 "one word for things other languages tell apart",
                                 "%s %r: %s" % (code, texts[keys[0]], ", ".join(
                                     "%s/%s (%s)" % (k[0], k[1], english[k]) for k in keys))))
        # One source text that English translates alike in several windows.
        variants = {}
        for key, text in texts.items():
            if not key[2]:
                variants.setdefault((key[1], english[key]), set()).add(text)
        for (source, meaning), found in variants.items():
            if len(found) > 1:
                problems.append(("several words for one thing", "%s %s (%s): %s" % (
                    code, source, meaning, " / ".join(sorted(found)))))
        # Sentences end with a full stop or a question mark where English ends them so;
        # Traditional Chinese follows the source texts, which write none.
        if code != "zh":
            for key, text in texts.items():
                if ends_sentence(english[key]) != ends_sentence(text):
                    problems.append(("full stop differs from English", "%s %s/%s: %r" % (
                        code, key[0], key[1].replace("\n", " ")[:30], text)))
    return problems


def cmd_lint(_args):
    tables = {code: {(context, source, comment): translation_of(message)
                     for context, source, comment, message in messages(load(code))}
              for code in LANGUAGES}
    problems = lint_problems(tables)
    for kind, text in sorted(problems):
        print("%s: %s" % (kind, text))
    print("%d findings" % len(problems))
    return 1 if problems else 0


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
    sub.add_parser("lint").set_defaults(run=cmd_lint)
    args = parser.parse_args()
    return args.run(args)


if __name__ == "__main__":
    sys.exit(main())
