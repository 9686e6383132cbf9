#!/usr/bin/env python3
"""Each src/ folder's README says in its "May use:" paragraph which folders of
this project it may use; the build's weighstation_layer() line links exactly
those. Run with the project's root as the argument."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
cmake = (root / "CMakeLists.txt").read_text()
folders = sorted(p.name for p in (root / "src").iterdir() if (p / "README.md").exists())
problems = []
for call in re.finditer(r"weighstation_layer\((\w+)([^)]*)\)", cmake):
    folder, body = call.group(1), call.group(2)
    linked = set(re.findall(r"weighstation_(\w+)", body))
    readme = (root / "src" / folder / "README.md").read_text()
    said = re.search(r"\*\*May use:\*\*(.*?)(?:\n\n|$)", readme, re.S)
    if not said:
        problems.append(f"src/{folder}/README.md has no 'May use:' paragraph")
        continue
    text = re.split(r"\bNot\b", said.group(1))[0]  # what it may not use follows "Not"
    if "every other folder" in text:
        allowed = set(folders) - {folder}
    else:
        allowed = {name for name in re.findall(r"`(\w+)`", text) if name in folders}
    if allowed != linked:
        problems.append(
            f"src/{folder}: its README allows {sorted(allowed)}, the build links {sorted(linked)}")
for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
