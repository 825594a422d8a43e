#!/usr/bin/env python3
"""Laesst sammlung_test eine .xlsx mit 1.000 Zeilen speichern und liest sie mit openpyxl, einem
zweiten, unabhaengigen Leser: Kopf, Zeilenzahl, jede Zelle Text, Urteile und Doppelte.
Aufruf: xlsx_pruefen.py [wine] SAMMLUNG_TEST; mit wine bekommt das Programm den Pfad als Z:\..."""
import os
import subprocess
import sys
import tempfile

import openpyxl

programm = sys.argv[1:]
unter_wine = os.path.basename(programm[0]) == "wine"
with tempfile.TemporaryDirectory() as ordner:
    # Ein Ordnername ausserhalb von Windows-1252: unter Windows darf der Pfad nicht ueber die
    # ANSI-Codepage laufen.
    ziel = os.path.join(ordner, "Łódź Güter", "sammlung.xlsx")
    os.mkdir(os.path.dirname(ziel))
    ausgabe = "Z:" + ziel.replace("/", "\\") if unter_wine else ziel
    subprocess.run(programm + ["SpeichernUndWiederLesen:XLSX"], check=True,
                   env=dict(os.environ, TANDRIX_XLSX_AUSGABE=ausgabe))
    blatt = openpyxl.load_workbook(ziel).active
    zeilen = list(blatt.iter_rows())
    kopf = [z.value for z in zeilen[0]]
    assert kopf[:4] == ["Hersteller", "Nummer", "Bemerkung", "Nummer gelesen"], kopf
    assert len(zeilen) == 1001, len(zeilen)
    for zeile in zeilen:
        for zelle in zeile:
            assert zelle.value is None or zelle.data_type == "s", (zelle.coordinate, zelle.value)
    urteil = kopf.index("Urteil")
    urteile = [z[urteil].value for z in zeilen[1:]]
    assert urteile.count("korrekt") == 995 and urteile.count("falsch") == 3, urteile
    assert urteile.count("unvollständig") == 2
    doppelt = kopf.index("Doppelt")
    assert sum(1 for z in zeilen[1:] if z[doppelt].value) == 5
    # die 12 nackten Ziffern bleiben Text, gegliedert
    assert zeilen[994][1].value == "31 80 5377 614-8", zeilen[994][1].value
print("xlsx: 1.000 Zeilen als Text gelesen, Urteile und Doppelte wie im Fenster")
