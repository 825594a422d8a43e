#!/usr/bin/env python3
"""Laesst sammlung_test eine .xlsx mit 1.000 Zeilen speichern und liest sie mit openpyxl, einem
zweiten, unabhaengigen Leser: Kopf, Zeilenzahl, jede Zelle Text, Urteile und Doppelte."""
import os
import subprocess
import sys
import tempfile

import openpyxl

with tempfile.TemporaryDirectory() as ordner:
    ziel = os.path.join(ordner, "sammlung.xlsx")
    subprocess.run([sys.argv[1], "SpeichernUndWiederLesen:XLSX"], check=True,
                   env=dict(os.environ, TANDRIX_XLSX_AUSGABE=ziel))
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
