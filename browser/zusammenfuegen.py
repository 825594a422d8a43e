#!/usr/bin/env python3
"""Fuegt die Seite zu einer Datei zusammen: Stil, Modul, WebAssembly (gzip, base64) und Skripte eingebettet.

Die fertige Seite ist reines ASCII: Zeichen darueber stehen als Verweis (HTML &#x...;, JavaScript
\\u..., CSS \\...). Ein einziges solches Zeichen laesst Chromium den Text als 16-Bit-Zeichen
lesen, auch den langen base64-Text des Skripts (gemessen rund 9 ms spaeter bis laden.js laeuft).

Aufruf: zusammenfuegen.py seite.html seite.css laden.js seite.js modul.js modul.wasm halter.ebb ziel.html
"""
import base64
import gzip
import sys


def eingebettet(text: str, name: str) -> str:
    # Ein "</script" oder "</style" im Inhalt wuerde das Element vorzeitig schliessen.
    if "</" + name in text.lower():
        sys.exit(f"zusammenfuegen.py: Inhalt enthaelt </{name}")
    return text


def ascii_html(text: str) -> str:
    return "".join(z if ord(z) < 128 else f"&#x{ord(z):x};" for z in text)


def ascii_js(text: str) -> str:
    # Ueber 0xFFFF als Ersatzpaar: so gilt es in Zeichenketten und regulaeren Ausdruecken ohne u.
    aus = []
    for z in text:
        n = ord(z)
        if n < 128:
            aus.append(z)
        elif n <= 0xFFFF:
            aus.append(f"\\u{n:04x}")
        else:
            n -= 0x10000
            aus.append(f"\\u{0xD800 + (n >> 10):04x}\\u{0xDC00 + (n & 0x3FF):04x}")
    return "".join(aus)


def ascii_css(text: str) -> str:
    return "".join(z if ord(z) < 128 else f"\\{ord(z):x} " for z in text)


def gepackt(datei: str) -> str:
    return base64.b64encode(gzip.compress(open(datei, "rb").read(), compresslevel=9, mtime=0)).decode("ascii")


def main() -> None:
    seite, stil, laden, skript, modul, wasm, halter, ziel = sys.argv[1:9]
    html = ascii_html(open(seite, encoding="utf-8").read())
    teile = {
        "/*STIL*/": ascii_css(eingebettet(open(stil, encoding="utf-8").read(), "style")),
        "/*MODUL*/": ascii_js(eingebettet(open(modul, encoding="utf-8").read(), "script")),
        "/*LADEN*/": ascii_js(eingebettet(open(laden, encoding="utf-8").read(), "script")),
        "/*SKRIPT*/": ascii_js(eingebettet(open(skript, encoding="utf-8").read(), "script")),
        "/*WASM*/": gepackt(wasm),
        "/*HALTER*/": gepackt(halter),
    }
    for platzhalter, inhalt in teile.items():
        if html.count(platzhalter) != 1:
            sys.exit(f"zusammenfuegen.py: {platzhalter} nicht genau einmal in {seite}")
        html = html.replace(platzhalter, inhalt)
    open(ziel, "w", encoding="ascii").write(html)


if __name__ == "__main__":
    main()
