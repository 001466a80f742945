#!/usr/bin/env python3
"""Fails when a file includes a header of a layer above its own, or when headers include
each other in a cycle. Usage: check_layers.py SOURCE_DIR"""
import os
import re
import sys

LAYERS = ["complex", "core", "surface", "graph", "programs", "resources", "process", "interaction",
          "tools", "shell", "web"]
# The renderer, the shell and the page stand side by side: none includes another.
RANK = {layer: min(index, LAYERS.index("tools")) for index, layer in enumerate(LAYERS)}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def top_of(path):
    return path.split("/", 1)[0]


def layer_of(path):
    return RANK.get(top_of(path))


def main(root):
    problems = []
    includes = {}
    for layer in LAYERS:
        for folder, _, files in os.walk(os.path.join(root, layer)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as source:
                    includes[path] = INCLUDE.findall(source.read())
    for path, targets in sorted(includes.items()):
        own = layer_of(path)
        for target in targets:
            other = layer_of(target)
            if other is not None and (other > own or (other == own and top_of(target) != top_of(path))):
                problems.append(f"{path} includes {target}, a layer above its own")
    # Depth-first search for a cycle among the headers.
    state = {}

    def visit(header, trail):
        state[header] = "open"
        for target in includes.get(header, []):
            if not target.endswith(".h") or target not in includes:
                continue
            if state.get(target) == "open":
                cycle = trail[trail.index(target):] + [target]
                problems.append("header cycle: " + " -> ".join(cycle))
            elif target not in state:
                visit(target, trail + [target])
        state[header] = "done"

    for header in sorted(h for h in includes if h.endswith(".h")):
        if header not in state:
            visit(header, [header])
    for problem in problems:
        print(problem)
    print(f"{len(includes)} files checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
