#pragma once

#include "auswertung/auswertung.h"
#include "zeichen/text.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Tabelle (immer UTF-8, fuer das Terminal) oder CSV (Windows-1252 oder UTF-8 mit Kennung).
// Jedes Feld eines Ergebnisses geht hier durch Sichtbar und, als CSV, durch CsvFeld.
class TAusgabe {
public:
  TAusgabe(bool Csv, bool Utf8, std::ostream& Aus) : FCsv(Csv), FUtf8(Utf8), FAus(Aus) {}

  void Kopf();
  // Vorab: eine Angabe vor allen anderen (die Zeile einer Liste); nur in der Tabelle.
  void Schreibe(const TErgebnis& Ergebnis, const std::pair<std::string, std::string>& Vorab = {});

private:
  void Tabelle(const TErgebnis& Ergebnis, const std::pair<std::string, std::string>& Vorab);
  void CsvZeile(const TErgebnis& Ergebnis);
  void Angabe(const std::string& Bezeichnung, const std::string& Inhalt);
  void Text(const std::string& Cp1252);

  bool FCsv;
  bool FUtf8;
  std::ostream& FAus;
  const std::vector<std::pair<std::string, std::string>>* FGetippt = nullptr;  // des Ergebnisses in Arbeit
};
