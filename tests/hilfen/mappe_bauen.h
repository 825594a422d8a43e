#pragma once

// Arbeitsmappen im Speicher bauen, fuer Tests und Messungen (mit libzip, wie mappe/ sie liest):
// kleinste .xlsx und .ods um einen Inhalt herum und Sammlungen beliebiger Laenge. Die Dateien in
// tests/daten/mappen/ kommen dagegen aus den Tabellenkalkulationen selbst (erzeugen.py).

#include "nummer/pruefziffer.h"

#include <zip.h>

#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using TTeile = std::vector<std::pair<std::string, std::string>>;

// Ein ZIP-Archiv aus Teilen (Name, Inhalt), gepackt mit deflate; "mimetype" ungepackt wie bei
// OpenDocument.
inline std::string ZipAusTeilen(const TTeile& Teile)
{
  zip_error_t Grund;
  zip_error_init(&Grund);
  zip_source_t* Puffer = zip_source_buffer_create(nullptr, 0, 0, &Grund);
  zip_source_keep(Puffer);
  zip_t* Archiv = zip_open_from_source(Puffer, ZIP_TRUNCATE, &Grund);
  if (!Archiv)
    throw std::runtime_error("zip_open_from_source");
  for (const auto& [Name, Inhalt] : Teile) {
    zip_source_t* Teil = zip_source_buffer(Archiv, Inhalt.data(), Inhalt.size(), 0);
    const zip_int64_t Index = zip_file_add(Archiv, Name.c_str(), Teil, ZIP_FL_ENC_UTF_8);
    if (Index < 0)
      throw std::runtime_error("zip_file_add");
    zip_set_file_compression(Archiv, static_cast<zip_uint64_t>(Index),
                             Name == "mimetype" ? ZIP_CM_STORE : ZIP_CM_DEFLATE, Name == "mimetype" ? 0 : 6);
  }
  if (zip_close(Archiv) != 0)
    throw std::runtime_error("zip_close");
  std::string Bytes;
  if (zip_source_open(Puffer) == 0) {
    char Stueck[65536];
    for (zip_int64_t Gelesen; (Gelesen = zip_source_read(Puffer, Stueck, sizeof Stueck)) > 0;)
      Bytes.append(Stueck, static_cast<std::size_t>(Gelesen));
    zip_source_close(Puffer);
  }
  zip_source_free(Puffer);
  zip_error_fini(&Grund);
  return Bytes;
}

inline const char* const XlsxHaupt = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// Eine .xlsx mit Blaettern (Name, Inhalt von <sheetData>) und, wenn nicht leer, geteilten Texten
// (Inhalt von <sst>). Teile ersetzt oder ergaenzt einzelne Teile (etwa ein feindliches Blatt).
inline std::string XlsxMit(const std::vector<std::pair<std::string, std::string>>& Blaetter,
                           const std::string& GeteilteTexte = {}, const TTeile& Teile = {})
{
  const std::string Rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  std::string Mappe = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"") + XlsxHaupt +
                      "\" xmlns:r=\"" + Rel + "\"><sheets>";
  std::string Beziehungen =
      "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
  TTeile Alle = {
      {"[Content_Types].xml",
       "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
      {"_rels/.rels",
       "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
       "relationships\"><Relationship Id=\"rId1\" Type=\"" +
           Rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"}};
  for (std::size_t I = 0; I < Blaetter.size(); ++I) {
    const std::string Nummer = std::to_string(I + 1);
    Mappe += "<sheet name=\"" + Blaetter[I].first + "\" sheetId=\"" + Nummer + "\" r:id=\"rId" + Nummer + "\"/>";
    Beziehungen += "<Relationship Id=\"rId" + Nummer + "\" Type=\"" + Rel + "/worksheet\" Target=\"worksheets/sheet" +
                   Nummer + ".xml\"/>";
    Alle.emplace_back("xl/worksheets/sheet" + Nummer + ".xml",
                      std::string("<?xml version=\"1.0\"?><worksheet xmlns=\"") + XlsxHaupt + "\"><sheetData>" +
                          Blaetter[I].second + "</sheetData></worksheet>");
  }
  if (!GeteilteTexte.empty()) {
    Beziehungen += "<Relationship Id=\"rIdS\" Type=\"" + Rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    Alle.emplace_back("xl/sharedStrings.xml", std::string("<?xml version=\"1.0\"?><sst xmlns=\"") + XlsxHaupt + "\">" +
                                                  GeteilteTexte + "</sst>");
  }
  Alle.emplace_back("xl/workbook.xml", Mappe + "</sheets></workbook>");
  Alle.emplace_back("xl/_rels/workbook.xml.rels", Beziehungen + "</Relationships>");
  for (const auto& [Name, Inhalt] : Teile) {
    bool Ersetzt = false;
    for (auto& Vorhanden : Alle)
      if (Vorhanden.first == Name) {
        Vorhanden.second = Inhalt;
        Ersetzt = true;
      }
    if (!Ersetzt)
      Alle.emplace_back(Name, Inhalt);
  }
  return ZipAusTeilen(Alle);
}

// Eine .ods mit einem Blatt "Tabelle1" aus diesem Inhalt von <table:table>.
inline std::string OdsMit(const std::string& Zeilen, const TTeile& Teile = {})
{
  TTeile Alle = {
      {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
      {"META-INF/manifest.xml",
       "<?xml version=\"1.0\"?><manifest:manifest "
       "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
       "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/vnd.oasis.opendocument."
       "spreadsheet\"/></manifest:manifest>"},
      {"content.xml",
       "<?xml version=\"1.0\"?><office:document-content "
       "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
       "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" xmlns:text=\"urn:oasis:names:tc:opendocument:"
       "xmlns:text:1.0\"><office:body><office:spreadsheet><table:table table:name=\"Tabelle1\">" +
           Zeilen + "</table:table></office:spreadsheet></office:body></office:document-content>"}};
  for (const auto& [Name, Inhalt] : Teile)
    for (auto& Vorhanden : Alle)
      if (Vorhanden.first == Name)
        Vorhanden.second = Inhalt;
  return ZipAusTeilen(Alle);
}

// Die I-te Nummer einer Sammlung: 12 Ziffern, gueltige Pruefziffer, verschiedene Reihen.
inline std::string SammlungsNummer(std::size_t I)
{
  char Elf[16];
  std::snprintf(Elf, sizeof Elf, "3180%04zu%03zu", 4000 + I / 1000 % 6000, I % 1000);
  return std::string(Elf) + Pruefziffer(Elf);
}

// Eine Sammlung mit Zeilen Zeilen und Kopf wie tests/daten/mappen/sammlung.xlsx (8 Spalten:
// Hersteller, Artikelnummer, Bezeichnung, Wagennummer, Epoche, Datum, Preis, Quelle), die Texte
// geteilt wie bei Excel; jede zehnte Nummer als Zahl.
inline std::string XlsxSammlung(std::size_t Zeilen)
{
  const std::vector<std::string> Texte = {"Hersteller",    "Artikelnummer", "Bezeichnung", "Wagennummer", "Epoche",
                                          "Datum",         "Preis",         "Quelle",      "Roco",        "Piko",
                                          "Offener Wagen", "Flachwagen",    "VI",          "eigenes Foto"};
  std::string Geteilt;
  for (const std::string& Text : Texte)
    Geteilt += "<si><t>" + Text + "</t></si>";
  std::string Blatt = "<row r=\"1\">";
  for (int Spalte = 0; Spalte < 8; ++Spalte)
    Blatt += "<c t=\"s\"><v>" + std::to_string(Spalte) + "</v></c>";
  Blatt += "</row>";
  for (std::size_t I = 0; I < Zeilen; ++I) {
    const std::string Nummer = SammlungsNummer(I);
    const std::string Zeile = std::to_string(I + 2);
    const std::string Zelle = I % 10 == 0 ? "<c r=\"D" + Zeile + "\"><v>" + Nummer + "</v></c>"
                                          : "<c r=\"D" + Zeile + "\" t=\"inlineStr\"><is><t>" + Nummer.substr(0, 2) +
                                                " " + Nummer.substr(2, 2) + " " + Nummer.substr(4, 4) + " " +
                                                Nummer.substr(8, 3) + "-" + Nummer.substr(11) + "</t></is></c>";
    Blatt += "<row r=\"" + Zeile + "\"><c r=\"A" + Zeile + "\" t=\"s\"><v>" + std::to_string(8 + I % 2) +
             "</v></c><c r=\"B" + Zeile + "\"><v>" + std::to_string(70000 + I) + "</v></c><c r=\"C" + Zeile +
             "\" t=\"s\"><v>" + std::to_string(10 + I % 2) + "</v></c>" + Zelle + "<c r=\"E" + Zeile +
             "\" t=\"s\"><v>12</v></c><c r=\"F" + Zeile + "\" s=\"1\"><v>" + std::to_string(40000 + I % 5000) +
             "</v></c><c r=\"G" + Zeile + "\"><v>" + std::to_string(20 + I % 80) + "." + std::to_string(I % 100) +
             "</v></c><c r=\"H" + Zeile + "\" t=\"s\"><v>13</v></c></row>";
  }
  return XlsxMit({{"Sammlung", Blatt}}, Geteilt);
}
