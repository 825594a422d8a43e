#!/usr/bin/python3
"""Erzeugt die Arbeitsmappen in tests/daten/mappen/ (siehe README.md daneben).

Aufruf aus dem Quellverzeichnis: /usr/bin/python3 tests/daten/mappen/erzeugen.py
Braucht python3-openpyxl, python3-odf und libxlsxwriter4 (ueber ctypes); fuer sammlung.xls
LibreOffice (soffice, Paket libreoffice-calc-nogui), sonst bleibt die vorhandene .xls stehen.
Jede Datei entsteht gleich, wie oft das Skript auch laeuft (feste Zeitstempel), damit git nur
Aenderungen des Inhalts sieht.
"""

import ctypes
import ctypes.util
import datetime
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

import openpyxl
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import CoveredTableCell, Table, TableCell, TableRow
from odf.text import P, S, Span

HIER = os.path.dirname(os.path.abspath(__file__))
ZEIT = (2026, 1, 1, 0, 0, 0)

# Entfernt die Zeitstempel, die openpyxl, libxlsxwriter und LibreOffice in docProps/core.xml schreiben.
def ohne_zeit(daten):
    return re.sub(rb"<dcterms:(created|modified)[^<]*</dcterms:\1>", b"", daten)


KOPF = ["Hersteller", "Artikelnummer", "Bezeichnung", "Wagennummer", "Epoche", "Datum", "Preis", "Quelle"]

# Die Sammlung: echte Anschriften aus tests/daten/anschriften.csv bzw. anschriften-neu.csv, die
# Quelle wie dort. Eine Nummer ist ein Text, ausser: ("zahl", 318049530385) steht als Zahl in der
# Zelle, ("formel", Formel, Wert) als Formel mit zwischengespeichertem Wert. None: leere Zelle.
ZEILEN = [
    ["Roco", 76543, "Offener Wagen Eanos-x", "31 80 537 7 614-8", "VI", datetime.date(2024, 3, 15), 39.9,
     "https://tt-board.de/forum/threads/gueterwagen-wie-wo-was.6918/page-6"],
    ["Albert-Modell", "788034", "Kesselwagen Zas MMV", "37 55 7882 001-7", "VI", datetime.date(2023, 11, 2), 54.5,
     "https://www.menzels-lokschuppen.de/Modellbahnen/Gueterwagen/Albert-Modell-788034-MMV-Kesselwagen-Zas-Ep-6.html"],
    None,  # leere Zeile
    ["Piko", 58391, "Containertragwagen Sggmrs", ("zahl", 318049530385), "VI", datetime.date(2022, 6, 30), 79.99,
     "https://fotocommunity.es/photo/langer-lulatsch-patrick-rehn/43781654"],
    # 01 86 5000 235-7 als Zahl: die fuehrende Null faellt weg, 11 Ziffern bleiben.
    ["Heljan", 4712, "Gedeckter Wagen EUROP DSB", ("zahl", 18650002357), "IV", datetime.date(2021, 1, 9), 45,
     "https://hauerslev.com/jernbaner/uic/index.htm"],
    ["Roco", 77001, "Schiebewandwagen Rils A-RCW", ("formel", '="31 81 3523 "&"474-4"', "31 81 3523 474-4"), "VI",
     datetime.date(2024, 8, 1), 42.0,
     "https://hellertal.startbilder.de/bild/deutschland~strecken~kbs-440-ruhr-sieg-strecke/760803/"
     "direkt-hinter-der-151-099-9-drei.html"],
    None,
    None,
    ["Fleischmann", None, None, "51 80 08-40 208-4", "III", None, None,
     "https://fotocommunity.fr/photo/baujahr-1956-und-stets-gefragt-patrick-rehn/42509344"],
    ["Sondermodell (verbunden)", None, None, "9381 1010 003-0", "V", datetime.date(2020, 5, 17), 129.0,
     "https://srewitzer.bplaced.net/smf/viewtopic.php?t=11563&view=print"],
]
# Zelle A..C der letzten Zeile ist verbunden (Wert nur links oben).
VERBUNDEN_ZEILE = len(ZEILEN) - 1
HINWEISE = [["Meine Sammlung, Stand 2026"], ["Nummern auf dem zweiten Blatt"], [None, "Quelle je Zeile in Spalte H"]]


def excel_tag(datum):
    """Fortlaufende Zahl eines Datums, wie Excel sie speichert (1900-System)."""
    return (datum - datetime.date(1899, 12, 30)).days


def zahl_text(wert):
    """Wie Tandrix eine Zahl ausschreibt: ganze ohne .0, sonst die Dezimalstellen."""
    if isinstance(wert, float) and wert.is_integer():
        wert = int(wert)
    return repr(wert) if isinstance(wert, float) else str(wert)


def gelesen(zelle):
    """Der Text, den Tandrix aus der Zelle liest (fuer sammlung.csv)."""
    if zelle is None:
        return ""
    if isinstance(zelle, tuple):
        return str(zelle[1]) if zelle[0] == "zahl" else zelle[2]
    if isinstance(zelle, datetime.date):
        return str(excel_tag(zelle))
    return zahl_text(zelle) if isinstance(zelle, (int, float)) else zelle


def zip_neu_packen(quelle, ziel, aendern=lambda name, daten: daten):
    """Packt ein Archiv mit festen Zeitstempeln neu (mimetype zuerst und ungepackt)."""
    with zipfile.ZipFile(quelle) as alt:
        teile = [(info.filename, alt.read(info.filename)) for info in alt.infolist()]
    teile.sort(key=lambda teil: teil[0] != "mimetype")
    with zipfile.ZipFile(ziel, "w") as neu:
        for name, daten in teile:
            info = zipfile.ZipInfo(name, ZEIT)
            info.compress_type = zipfile.ZIP_STORED if name == "mimetype" else zipfile.ZIP_DEFLATED
            neu.writestr(info, aendern(name, daten))


def xlsx_schreiben(pfad):
    mappe = openpyxl.Workbook()
    hinweise = mappe.active
    hinweise.title = "Hinweise"
    for zeile in HINWEISE:
        hinweise.append(zeile)
    blatt = mappe.create_sheet("Sammlung")
    blatt.append(KOPF)
    for zeile in ZEILEN:
        if zeile is None:
            blatt.append([])
            continue
        werte = []
        for zelle in zeile:
            if isinstance(zelle, tuple):
                werte.append(zelle[1])
            else:
                werte.append(zelle)
        blatt.append(werte)
    for nummer in range(2, blatt.max_row + 1):
        blatt.cell(nummer, 6).number_format = "DD.MM.YYYY"
    ende = VERBUNDEN_ZEILE + 2
    blatt.merge_cells(f"A{ende}:C{ende}")
    roh = io.BytesIO()
    mappe.save(roh)

    formeln = {f'<f>{zelle[1][1:].replace("&", "&amp;")}</f>': zelle[2] for zeile in ZEILEN if zeile
               for zelle in zeile if isinstance(zelle, tuple) and zelle[0] == "formel"}

    def aendern(name, daten):
        if name == "docProps/core.xml":
            return ohne_zeit(daten)
        if name != "xl/worksheets/sheet2.xml":
            return daten
        text = daten.decode("utf-8")
        # openpyxl schreibt Formeln ohne Wert: den zwischengespeicherten setzen, wie Excel ihn ablegt.
        for formel, wert in formeln.items():
            text = re.sub(r'<c r="([A-Z]+[0-9]+)"( s="[0-9]+")?>' + re.escape(formel) + r"<v></v></c>",
                          lambda m: f'<c r="{m.group(1)}"{m.group(2) or ""} t="str">{formel}<v>{wert}</v></c>',
                          text)
        # Die Wagennummer als 3.18049530385E+11, wie Excel grosse Zahlen speichert.
        return text.replace("<v>318049530385</v>", "<v>3.18049530385E+11</v>").encode("utf-8")

    zip_neu_packen(roh, pfad, aendern)


def ods_zelle(zelle, wiederholt=1):
    if zelle is None:
        return TableCell(numbercolumnsrepeated=wiederholt) if wiederholt > 1 else TableCell()
    if isinstance(zelle, tuple):
        if zelle[0] == "zahl":
            zelle = zelle[1]
        else:
            z = TableCell(valuetype="string", formula="of:=\"31 81 3523 \"&\"474-4\"", stringvalue=zelle[2])
            z.addElement(P(text=zelle[2]))
            return z
    if isinstance(zelle, datetime.date):
        z = TableCell(valuetype="date", datevalue=zelle.isoformat())
        z.addElement(P(text=zelle.strftime("%d.%m.%Y")))
        return z
    if isinstance(zelle, (int, float)):
        # Grosse Zahlen als 3.18049530385E+11, wie LibreOffice sie mitunter schreibt.
        wert = f"{zelle:.11E}".replace("E+", "E+") if zelle > 10**11 else zahl_text(zelle)
        z = TableCell(valuetype="float", value=wert)
        z.addElement(P(text=zahl_text(zelle)))
        return z
    z = TableCell(valuetype="string")
    absatz = P()
    # Leerzeichen als text:s und ein Teil als text:span, wie LibreOffice sie schreibt.
    teile = zelle.split("  ")
    for i, teil in enumerate(teile):
        if i:
            absatz.addElement(S(c=2))
        if " " in teil and teil is teile[-1] and teil.count(" ") > 1:
            vorn, hinten = teil.split(" ", 1)
            absatz.addText(vorn + " ")
            absatz.addElement(Span(text=hinten))
        else:
            absatz.addText(teil)
    z.addElement(absatz)
    return z


def ods_schreiben(pfad):
    mappe = OpenDocumentSpreadsheet()
    hinweise = Table(name="Hinweise")
    for zeile in HINWEISE:
        reihe = TableRow()
        for zelle in zeile:
            reihe.addElement(ods_zelle(zelle))
        hinweise.addElement(reihe)
    mappe.spreadsheet.addElement(hinweise)
    blatt = Table(name="Sammlung")
    kopf = TableRow()
    for zelle in KOPF:
        kopf.addElement(ods_zelle(zelle))
    blatt.addElement(kopf)
    leer = 0
    for nummer, zeile in enumerate(ZEILEN):
        if zeile is None:
            leer += 1
            continue
        if leer:
            # Leere Zeilen als eine wiederholte, wie LibreOffice sie schreibt.
            reihe = TableRow(numberrowsrepeated=leer)
            reihe.addElement(TableCell(numbercolumnsrepeated=8))
            blatt.addElement(reihe)
            leer = 0
        reihe = TableRow()
        spalte = 0
        while spalte < len(zeile):
            if nummer == VERBUNDEN_ZEILE and spalte == 0:
                z = ods_zelle(zeile[0])
                z.setAttribute("numbercolumnsspanned", "3")
                reihe.addElement(z)
                reihe.addElement(CoveredTableCell(numbercolumnsrepeated=2))
                spalte = 3
                continue
            # Leere Zellen hintereinander als eine wiederholte.
            bis = spalte
            while zeile[spalte] is None and bis < len(zeile) and zeile[bis] is None:
                bis += 1
            reihe.addElement(ods_zelle(zeile[spalte], max(bis - spalte, 1)))
            spalte = max(bis, spalte + 1)
        reihe.addElement(TableCell(numbercolumnsrepeated=1016))
        blatt.addElement(reihe)
    # Am Ende wie bei LibreOffice: viele wiederholte leere Zeilen.
    reihe = TableRow(numberrowsrepeated=1048560)
    reihe.addElement(TableCell(numbercolumnsrepeated=1024))
    blatt.addElement(reihe)
    mappe.spreadsheet.addElement(blatt)
    roh = io.BytesIO()
    mappe.write(roh)
    zip_neu_packen(roh, pfad, lambda name, daten: re.sub(rb'<meta:creation-date>[^<]*</meta:creation-date>',
                                                         b"", daten) if name == "meta.xml" else daten)


def csv_schreiben(pfad):
    with open(pfad, "w", encoding="utf-8", newline="") as datei:
        datei.write(";".join(KOPF) + "\r\n")
        for zeile in ZEILEN:
            if zeile is not None:
                datei.write(";".join(gelesen(zelle) for zelle in zeile) + "\r\n")


def sammlung_xlsx_schreiben(pfad):
    """Eine .xlsx, wie Tandrix Sammlung sie speichert (sammlung/speichern.cpp): libxlsxwriter,
    alles als Text, Kopf fett, erste Zeile fixiert, Autofilter; hier ueber ctypes."""
    name = ctypes.util.find_library("xlsxwriter") or "libxlsxwriter.so.4"
    lxw = ctypes.CDLL(name)
    lxw.workbook_new.restype = ctypes.c_void_p
    lxw.workbook_add_worksheet.restype = ctypes.c_void_p
    lxw.workbook_add_worksheet.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
    lxw.workbook_add_format.restype = ctypes.c_void_p
    lxw.workbook_add_format.argtypes = [ctypes.c_void_p]
    lxw.format_set_bold.argtypes = [ctypes.c_void_p]
    lxw.worksheet_write_string.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint16, ctypes.c_char_p,
                                           ctypes.c_void_p]
    lxw.worksheet_freeze_panes.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint16]
    lxw.worksheet_autofilter.argtypes = [ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint16, ctypes.c_uint32,
                                         ctypes.c_uint16]
    lxw.workbook_close.argtypes = [ctypes.c_void_p]
    with tempfile.TemporaryDirectory() as ordner:
        roh = os.path.join(ordner, "sammlung.xlsx")
        lxw.workbook_new.argtypes = [ctypes.c_char_p]
        mappe = lxw.workbook_new(roh.encode())
        blatt = lxw.workbook_add_worksheet(mappe, b"Sammlung")
        fett = lxw.workbook_add_format(mappe)
        lxw.format_set_bold(fett)
        kopf = KOPF + ["Nummer", "Urteil"]
        zeilen = [zeile for zeile in ZEILEN if zeile is not None]
        for spalte, text in enumerate(kopf):
            lxw.worksheet_write_string(blatt, 0, spalte, text.encode(), fett)
        for nummer, zeile in enumerate(zeilen, start=1):
            texte = [gelesen(zelle) for zelle in zeile] + ["", ""]
            for spalte, text in enumerate(texte):
                if text:
                    lxw.worksheet_write_string(blatt, nummer, spalte, text.encode(), None)
        lxw.worksheet_freeze_panes(blatt, 1, 0)
        lxw.worksheet_autofilter(blatt, 0, 0, len(zeilen), len(kopf) - 1)
        if lxw.workbook_close(mappe) != 0:
            sys.exit("libxlsxwriter: Schreiben fehlgeschlagen")
        zip_neu_packen(roh, pfad, lambda name, daten: ohne_zeit(daten) if name == "docProps/core.xml" else daten)


def libreoffice(ods, filter, pfad):
    """Wandelt sammlung.ods mit LibreOffice um: .xls (BIFF8, "MS Excel 97") und .xlsx mit geteilten
    Texten ("Calc MS Excel 2007 XML"; openpyxl schreibt jeden Text in die Zelle)."""
    soffice = shutil.which("soffice")
    if not soffice:
        print(f"soffice fehlt (libreoffice-calc-nogui): {pfad} bleibt, wie sie ist")
        return
    endung = pfad.rsplit(".", 1)[1]
    with tempfile.TemporaryDirectory() as ordner:
        subprocess.run([soffice, f"-env:UserInstallation=file://{ordner}/profil", "--headless", "--convert-to",
                        f"{endung}:{filter}", "--outdir", ordner, ods], check=True, capture_output=True)
        ergebnis = os.path.join(ordner, os.path.basename(ods)[:-4] + "." + endung)
        if endung == "xlsx":
            zip_neu_packen(ergebnis, pfad, lambda name, daten: ohne_zeit(daten) if name == "docProps/core.xml" else daten)
        else:
            shutil.copy(ergebnis, pfad)


# --- Feindliche und falsche Dateien ---------------------------------------------------------

def minimal_xlsx(teile):
    """Eine kleinste .xlsx mit einem Blatt; teile ersetzt oder ergaenzt Teile."""
    grund = {
        "[Content_Types].xml": '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/'
                               'content-types"><Default Extension="xml" ContentType="application/xml"/></Types>',
        "_rels/.rels": '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/'
                       'relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/'
                       'officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>',
        "xl/workbook.xml": '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/'
                           '2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
                           '<sheets><sheet name="Tabelle1" sheetId="1" r:id="rId1"/></sheets></workbook>',
        "xl/_rels/workbook.xml.rels": '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/'
                                      'package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.'
                                      'openxmlformats.org/officeDocument/2006/relationships/worksheet" '
                                      'Target="worksheets/sheet1.xml"/></Relationships>',
        "xl/worksheets/sheet1.xml": '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/'
                                    'spreadsheetml/2006/main"><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>'
                                    '31 80 6652 003-8</t></is></c></row></sheetData></worksheet>',
    }
    grund.update(teile)
    roh = io.BytesIO()
    with zipfile.ZipFile(roh, "w") as mappe:
        for name, inhalt in grund.items():
            info = zipfile.ZipInfo(name, ZEIT)
            info.compress_type = zipfile.ZIP_DEFLATED
            mappe.writestr(info, inhalt, compresslevel=9)
    return roh.getvalue()


def bombe():
    """Ein Blatt, das sich auf 50 MB entpackt (Leerraum im XML, gepackt etwa 50 KB)."""
    kopf = ('<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
            '<sheetData>')
    return minimal_xlsx({"xl/worksheets/sheet1.xml": kopf + " " * (50 << 20) + "</sheetData></worksheet>"})


def entitaeten():
    """Die "billion laughs": geteilte Texte mit Entitaeten, die sich auf Gigabytes ausdehnen."""
    dtd = '<!DOCTYPE sst [<!ENTITY a "hahahahahahahahahaha">'
    for stufe in range(1, 10):
        dtd += f'<!ENTITY {chr(97 + stufe)} "' + f"&{chr(96 + stufe)};" * 10 + '">'
    dtd += "]>"
    sst = ('<?xml version="1.0"?>' + dtd + '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
           '<si><t>&j;</t></si></sst>')
    return minimal_xlsx({"xl/sharedStrings.xml": sst})


def ole2(namen):
    """Ein kleinster OLE2-Verbund (Compound File, Version 3, 512-Byte-Sektoren) mit leeren
    Teilen dieser Namen, wie Excel ihn fuer eine verschluesselte .xlsx anlegt ("EncryptionInfo",
    "EncryptedPackage"; der Inhalt fehlt hier, erkannt wird am Verzeichnis)."""
    import struct
    kopf = bytearray(512)
    kopf[0:8] = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"
    struct.pack_into("<HHHHH", kopf, 24, 0x3E, 3, 0xFFFE, 9, 6)
    struct.pack_into("<I", kopf, 44, 1)            # ein FAT-Sektor
    struct.pack_into("<I", kopf, 48, 1)            # Verzeichnis in Sektor 1
    struct.pack_into("<I", kopf, 56, 4096)         # Grenze fuer den Mini-Stream
    struct.pack_into("<I", kopf, 60, 0xFFFFFFFE)   # keine Mini-FAT
    struct.pack_into("<I", kopf, 68, 0xFFFFFFFE)   # keine weiteren FAT-Sektoren
    struct.pack_into("<I", kopf, 76, 0)            # FAT in Sektor 0
    for i in range(1, 109):
        struct.pack_into("<I", kopf, 76 + 4 * i, 0xFFFFFFFF)
    fat = bytearray(b"\xFF" * 512)
    struct.pack_into("<II", fat, 0, 0xFFFFFFFD, 0xFFFFFFFE)

    def eintrag(name, art, kind=0xFFFFFFFF, rechts=0xFFFFFFFF):
        e = bytearray(128)
        roh = name.encode("utf-16-le") + b"\0\0"
        e[0:len(roh)] = roh
        struct.pack_into("<HBB", e, 64, len(roh), art, 1)
        struct.pack_into("<III", e, 68, 0xFFFFFFFF, rechts, kind)
        struct.pack_into("<I", e, 116, 0xFFFFFFFE)
        return e

    verzeichnis = eintrag("Root Entry", 5, kind=1)
    for i, name in enumerate(namen):
        verzeichnis += eintrag(name, 2, rechts=i + 2 if i + 1 < len(namen) else 0xFFFFFFFF)
    verzeichnis += bytes(512 - len(verzeichnis) % 512) if len(verzeichnis) % 512 else b""
    return bytes(kopf + fat + verzeichnis)


def verschluesselt_ods():
    """Eine .ods mit Verschluesselung im Manifest, wie LibreOffice sie mit Kennwort speichert (der
    Inhalt ist hier kein echtes Chiffrat, erkannt wird am Manifest)."""
    manifest = ('<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:'
                'opendocument:xmlns:manifest:1.0" manifest:version="1.2"><manifest:file-entry manifest:full-path="/" '
                'manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/><manifest:file-entry '
                'manifest:full-path="content.xml" manifest:media-type="text/xml" manifest:size="4000">'
                '<manifest:encryption-data manifest:checksum-type="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0'
                '#sha256-1k" manifest:checksum="AAAA"><manifest:algorithm manifest:algorithm-name="http://www.w3.org/'
                '2001/04/xmlenc#aes256-cbc" manifest:initialisation-vector="AAAA"/></manifest:encryption-data>'
                '</manifest:file-entry></manifest:manifest>')
    roh = io.BytesIO()
    with zipfile.ZipFile(roh, "w") as mappe:
        for name, inhalt, art in [("mimetype", b"application/vnd.oasis.opendocument.spreadsheet", zipfile.ZIP_STORED),
                                  ("META-INF/manifest.xml", manifest.encode(), zipfile.ZIP_DEFLATED),
                                  ("content.xml", bytes(range(256)) * 16, zipfile.ZIP_STORED)]:
            info = zipfile.ZipInfo(name, ZEIT)
            info.compress_type = art
            mappe.writestr(info, inhalt)
    return roh.getvalue()


def kein_mappe_zip():
    roh = io.BytesIO()
    with zipfile.ZipFile(roh, "w") as archiv:
        info = zipfile.ZipInfo("liesmich.txt", ZEIT)
        archiv.writestr(info, "Fotos der Sammlung folgen.\n")
    return roh.getvalue()


def main():
    os.chdir(HIER)
    xlsx_schreiben("sammlung.xlsx")
    ods_schreiben("sammlung.ods")
    csv_schreiben("sammlung.csv")
    sammlung_xlsx_schreiben("sammlung-tandrix.xlsx")
    libreoffice(os.path.join(HIER, "sammlung.ods"), "MS Excel 97", "sammlung.xls")
    libreoffice(os.path.join(HIER, "sammlung.ods"), "Calc MS Excel 2007 XML", "sammlung-libreoffice.xlsx")
    feindlich = {
        "bombe.xlsx": bombe(),
        "entitaeten.xlsx": entitaeten(),
        "verschluesselt-xlsx.xlsx": ole2(["EncryptionInfo", "EncryptedPackage"]),
        "verschluesselt.ods": verschluesselt_ods(),
        "kein-mappe.xlsx": kein_mappe_zip(),
        # Abgeschnitten mitten im Archiv, wie nach einem abgebrochenen Herunterladen.
        "abgeschnitten.xlsx": open("sammlung.xlsx", "rb").read()[:3000],
        # Kein Office-Dokument, aber ein OLE2-Verbund (etwa ein Word-Dokument).
        "kein-mappe.xls": ole2(["WordDocument"]),
    }
    for name, inhalt in feindlich.items():
        with open(name, "wb") as datei:
            datei.write(inhalt)


if __name__ == "__main__":
    main()
