#!/usr/bin/env python3
"""Writes mivo.qrc from the pictures in this folder (prefix /mivo, paths kept as aliases)."""
import os
HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = {"giris_arka.svg"}   # the PNG drawn from it is what the program loads
files = []
for root, _, names in os.walk(HERE):
    for n in names:
        rel = os.path.relpath(os.path.join(root, n), HERE)
        if n in SKIP or not n.endswith((".svg", ".png", ".gif", ".qss")):
            continue
        files.append(rel)
with open(os.path.join(HERE, "mivo.qrc"), "w", encoding="utf-8") as f:
    f.write('<RCC><qresource prefix="/mivo">\n')
    for rel in sorted(files):
        f.write(f'  <file alias="{rel}">{rel}</file>\n')
    f.write('</qresource></RCC>\n')
