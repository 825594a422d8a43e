#pragma once

#include "nummer/werteliste.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Tabellen aus "Kennzeichen.ebb" (gleiches Format wie Wagen.ebb, ohne dessen Grenze des
// Namensblocks): was "wagennummer" braucht, um die ganze Anschrift eines Wagens zu lesen.
// Die Werte sind Felder mit ";" getrennt, siehe Felder().
struct TKennzeichen {
  TWerteListe Laender;         // Stellen 3-4 -> Kuerzel;Land
  TWerteListe Kategorien;      // Stelle 5 oder 5-6 eines Gueterwagens -> Gattung;Text;Sicherheit
  TWerteListe Gruppen;         // Stellen 5-7 einer "x"-Gruppe in Wagen.ebb -> belegte achte Stellen
  TWerteListe Triebfahrzeuge;  // "Land-Art" (Art "9x" fuer alle) -> Fuellziffer;Stellen;Wort;Sicherheit
  TWerteListe Baureihennamen;  // "Land-Art-Reihe" -> Bezeichnung
  TWerteListe Halter;          // Halterkennzeichen lateinisch ohne Akzente -> Laender;Name;Status;Kuerzel
  std::string Version;
};

inline constexpr std::string_view KennzeichenDateiName = "Kennzeichen.ebb";

// Neben der Programmdatei bzw. aus Datei; fehlt sie, sind alle Tabellen leer und die Version
// ist VersionFehlt.
TKennzeichen LadeKennzeichen();
TKennzeichen LadeKennzeichen(const std::filesystem::path& Datei);
TKennzeichen LadeKennzeichenAusText(std::string Inhalt);

// Die Felder eines Werts; fehlende Felder sind leer, so darf jeder Index bis Anzahl - 1 gelesen werden.
std::vector<std::string> Felder(std::string_view Wert, std::size_t Anzahl);

// Halterkennzeichen, wie das Register sie vergleicht: Grossbuchstaben ohne Akzente (OBB fuer OeBB).
std::string HalterSchluessel(std::string_view Kuerzel);
