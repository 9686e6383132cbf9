#!/usr/bin/env python3
"""Writes the translations of tr.json into the .ts files beside it.

The .ts files are what lupdate keeps up to date (scripts/translations);
tr.json holds, per source text, its translation in each language. A text
absent from tr.json stays unfinished, which leaves it in English: only those
of kept-in-english.txt may be (tests/translations_check.py)."""
import json
import pathlib
import xml.etree.ElementTree as ET

here = pathlib.Path(__file__).parent
table = json.loads((here / "tr.json").read_text(encoding="utf-8"))
for lang in ("de", "fr", "es", "pt_BR"):
    path = here / f"weighstation_{lang}.ts"
    tree = ET.parse(path)
    # A text gone from the sources (lupdate marks it vanished) goes from
    # the catalogue too: tr.json keeps its translation should it return.
    for context in tree.iter("context"):
        for message in list(context.findall("message")):
            if message.find("translation").get("type") in ("vanished", "obsolete"):
                context.remove(message)
    for message in tree.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        wanted = table.get(source, {}).get(lang)
        if wanted is None:
            translation.text = None
            translation.set("type", "unfinished")
        else:
            translation.text = wanted
            translation.attrib.pop("type", None)
    ET.indent(tree)
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
