#!/usr/bin/env python3
"""Fuegt die Seite zu einer Datei zusammen: Stil, Modul, WebAssembly (gzip, base64) und Skripte eingebettet.

Aufruf: zusammenfuegen.py seite.html seite.css laden.js seite.js modul.js modul.wasm ziel.html
"""
import base64
import gzip
import sys


def eingebettet(text: str, name: str) -> str:
    # Ein "</script" oder "</style" im Inhalt wuerde das Element vorzeitig schliessen.
    if "</" + name in text.lower():
        sys.exit(f"zusammenfuegen.py: Inhalt enthaelt </{name}")
    return text


def main() -> None:
    seite, stil, laden, skript, modul, wasm, ziel = sys.argv[1:8]
    html = open(seite, encoding="utf-8").read()
    teile = {
        "/*STIL*/": eingebettet(open(stil, encoding="utf-8").read(), "style"),
        "/*MODUL*/": eingebettet(open(modul, encoding="utf-8").read(), "script"),
        "/*LADEN*/": eingebettet(open(laden, encoding="utf-8").read(), "script"),
        "/*SKRIPT*/": eingebettet(open(skript, encoding="utf-8").read(), "script"),
    }
    for platzhalter, inhalt in teile.items():
        if html.count(platzhalter) != 1:
            sys.exit(f"zusammenfuegen.py: {platzhalter} nicht genau einmal in {seite}")
        html = html.replace(platzhalter, inhalt)
    gepackt = gzip.compress(open(wasm, "rb").read(), compresslevel=9, mtime=0)
    html = html.replace("/*WASM*/", '"' + base64.b64encode(gepackt).decode("ascii") + '"', 1)
    open(ziel, "w", encoding="utf-8").write(html)


if __name__ == "__main__":
    main()
