#pragma once

#include "kommandozeile/auswertung.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Steuerzeichen als sichtbare Stellvertreter, damit die Ausgabe zeigt, was Eingabe oder
// Datendatei enthielt, statt ein Terminal zu steuern: C0 und DEL in Caret-Schreibweise ("^[",
// "^?"), die C1-Zeichen auf den unbelegten Bytes von Windows-1252 als '?'. Tabulatoren bleiben.
std::string Sichtbar(std::string_view Cp1252);

// Ein CSV-Feld mit ";" als Trenner; Anfuehrungszeichen nur, wo noetig. Eine Zelle, die eine
// Tabellenkalkulation als Formel laese, beginnt mit einem Hochkomma.
std::string CsvFeld(const std::string& Text);

// Tabelle (immer UTF-8, fuer das Terminal) oder CSV (Windows-1252 oder UTF-8 mit Kennung).
// Jedes Feld eines Ergebnisses geht hier durch Sichtbar und, als CSV, durch CsvFeld.
class TAusgabe {
public:
  TAusgabe(bool Csv, bool Utf8, std::ostream& Aus) : FCsv(Csv), FUtf8(Utf8), FAus(Aus) {}

  void Kopf();
  void Schreibe(const TErgebnis& Ergebnis);

private:
  void Tabelle(const TErgebnis& Ergebnis);
  void CsvZeile(const TErgebnis& Ergebnis);
  void Angabe(const std::string& Bezeichnung, const std::string& Inhalt);
  void Text(const std::string& Cp1252);

  bool FCsv;
  bool FUtf8;
  std::ostream& FAus;
  const std::vector<std::pair<std::string, std::string>>* FGetippt = nullptr;  // des Ergebnisses in Arbeit
};
