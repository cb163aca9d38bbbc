"""CMake's target graph (--graphviz) as the figure of the layers: each target in a box of its
layer, the page's WebAssembly build (a project of its own) beside the rest, build-only and test
targets left out."""
import re
import sys

# The layer of each target, top to bottom as the figure stacks them.
LAYERS = [
    ("front ends", ["orvanel", "orvanel-cli", "orvanel.wasm"]),
    ("forms/, common/, cli/, web/", ["orvanel_mainwindow", "orvanel_view", "orvanel_common",
                                     "orvanel_cli", "orvanel_page_engine"]),
    ("model/: the windows without a toolkit", ["orvanel_model"]),
    ("batch/: streams of angles", ["orvanel_batch"]),
    ("engine/: the calculator", ["orvanel_engine"]),
    ("strproc/: text procedures", ["orvanel_strproc"]),
]
SHOWN = {target for _, targets in LAYERS for target in targets}

text = open(sys.argv[1], encoding="utf-8").read()
names = dict(re.findall(r'"(node\d+)" \[ label = "([^"]+)"', text))
edges = sorted({(names[a], names[b]) for a, b in re.findall(r'"(node\d+)" -> "(node\d+)"', text)
                if names.get(a) in SHOWN and names.get(b) in SHOWN})
edges.append(("orvanel.wasm", "orvanel_page_engine"))  # web/CMakeLists.txt, its own project

print("digraph layers {")
print('  rankdir=TB; node [shape=box, style=rounded, fontname="Liberation Sans", fontsize=11];')
print('  edge [color="#555555"]; newrank=true;')
for i, (title, targets) in enumerate(LAYERS):
    print(f'  subgraph cluster_{i} {{ label="{title}"; fontname="Liberation Sans"; fontsize=10;')
    print('    style=filled; color="#dddddd"; fillcolor="#f6f6f6";')
    for target in targets:
        print(f'    "{target}";')
    print("  }")
for a, b in edges:
    print(f'  "{a}" -> "{b}";')
print("}")
