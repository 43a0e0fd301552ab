#!/usr/bin/env python3
"""The layers of src/ as its tree shows them: every include of a project header points down the
stack (forms, state, the rooms, app, shell), the rooms' includes of one another form no cycle, and
no file of src/ or tools/ is over 300 lines. Prints each fault and exits 1 where there is one."""

import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
src = root / "src"
rooms = {"exercise", "scene", "shot", "motion", "target", "course", "analysis"}
rank = {"forms": 0, "state": 1, **{room: 2 for room in rooms}, "app": 3, "shell": 4}
include = re.compile(r'^\s*#\s*include\s+"([^"/]+)/', re.MULTILINE)
faults = []

edges = {}
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    folder = path.relative_to(src).parts[0]
    if folder not in rank:
        faults.append(f"{path.relative_to(root)}: in a folder of no layer")
        continue
    for target in include.findall(path.read_text(encoding="utf-8")):
        if target not in rank:
            faults.append(f"{path.relative_to(root)}: includes from {target}/, a folder of no layer")
        elif rank[target] > rank[folder]:
            faults.append(f"{path.relative_to(root)}: {folder}/ includes {target}/, which lies above it")
        elif target != folder:
            edges.setdefault(folder, set()).add(target)


def cycle_from(start, path):
    for nxt in sorted(edges.get(path[-1], ())):
        if nxt == start:
            return path + [nxt]
        if nxt not in path:
            found = cycle_from(start, path + [nxt])
            if found:
                return found
    return None


for folder in sorted(edges):
    found = cycle_from(folder, [folder])
    if found and found[0] == min(found[:-1]):
        faults.append("the folders include one another in a cycle: " + " -> ".join(found))

for tree in ("src", "tools"):
    for path in sorted((root / tree).rglob("*")):
        if path.suffix in (".h", ".cpp"):
            lines = path.read_text(encoding="utf-8").count("\n")
            if lines > 300:
                faults.append(f"{path.relative_to(root)}: {lines} lines, over 300")

print("\n".join(faults) if faults else "every include points down the stack; no file is over 300 lines")
sys.exit(1 if faults else 0)
