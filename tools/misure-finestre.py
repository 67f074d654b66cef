#!/usr/bin/env python3
"""Lines of the window layer (every source outside velno_core) and the median length of its
functions. Usage: tools/misure-finestre.py [BUILD]  (BUILD holds compile_commands.json)."""
import json, os, re, statistics, subprocess, sys

radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(radice, "build")
comandi = json.load(open(os.path.join(build, "compile_commands.json")))
nucleo, finestre = set(), set()
for c in comandi:
    f = os.path.relpath(os.path.join(c["directory"], c["file"]), radice)
    if not f.startswith("src/"):
        continue
    (nucleo if "velno_core.dir" in c.get("output", c["command"]) else finestre).add(f)

widget = re.compile(r'#include\s*[<"](Q(Widget|MainWindow|Dialog|Label|Action|Menu|ToolBar|PushButton|LineEdit)|QtWidgets)')
for cartella, _, file in os.walk(os.path.join(radice, "src")):
    for n in file:
        if not n.endswith(".h"):
            continue
        h = os.path.relpath(os.path.join(cartella, n), radice)
        cpp = h[:-2] + ".cpp"
        if cpp in finestre or (cpp not in nucleo and widget.search(open(os.path.join(radice, h)).read())):
            finestre.add(h)

righe = sum(sum(1 for _ in open(os.path.join(radice, f))) for f in finestre)
uscita = subprocess.run(["ctags", "--fields=+ne", "--c++-kinds=f", "-o", "-"] +
                        sorted(f for f in finestre if f.endswith(".cpp")),
                        cwd=radice, capture_output=True, text=True).stdout
lunghezze = []
for l in uscita.splitlines():
    inizio = re.search(r"\tline:(\d+)", l)
    fine = re.search(r"\tend:(\d+)", l)
    if inizio and fine:
        lunghezze.append(int(fine.group(1)) - int(inizio.group(1)) + 1)
print(f"window layer: {len(finestre)} files, {righe} lines")
print(f"functions: {len(lunghezze)}, median length {statistics.median(lunghezze)} lines, "
      f"mean {statistics.mean(lunghezze):.1f}, longest {max(lunghezze)}")
