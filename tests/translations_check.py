#!/usr/bin/env python3
"""Every text a person reads is translated: Qt's lupdate reads the sources
as scripts/translations does, and each text it finds must have its German,
French, Spanish and Brazilian Portuguese in resources/translations/tr.json,
unless resources/translations/kept-in-english.txt keeps it as written; the
committed .ts files (what the build turns into .qm) hold no unfinished text
but those. Run with the project's root as the argument."""
import json
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
here = root / "resources" / "translations"
languages = ("de", "fr", "es", "pt_BR")
table = json.loads((here / "tr.json").read_text(encoding="utf-8"))
kept = {line for line in (here / "kept-in-english.txt").read_text(encoding="utf-8").splitlines()
        if line and not line.startswith("#")}
problems = []

with tempfile.TemporaryDirectory() as scratch:
    fresh = pathlib.Path(scratch) / "fresh.ts"
    subprocess.run(["/usr/lib/qt6/bin/lupdate", "-silent", "-locations", "none", "-no-ui-lines",
                    "src/app", "src/readout", "src/viewer", "tools/records", "-ts", str(fresh)],
                   cwd=root, check=True)
    sources = {message.findtext("source") for message in ET.parse(fresh).iter("message")}
for source in sorted(sources - kept):
    missing = [lang for lang in languages if not table.get(source, {}).get(lang)]
    if missing:
        problems.append(f"not translated ({', '.join(missing)}): {source!r}")
for lang in languages:
    for message in ET.parse(here / f"weighstation_{lang}.ts").iter("message"):
        translation = message.find("translation")
        if translation.get("type") == "unfinished" and message.findtext("source") not in kept:
            problems.append(f"weighstation_{lang}.ts: unfinished (run scripts/translations): "
                            f"{message.findtext('source')!r}")
for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
