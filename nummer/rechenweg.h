#pragma once

#include <string>
#include <string_view>
#include <vector>

// Der Weg zur Pruefziffer, Stelle fuer Stelle, fuer Erklaerungen an Menschen.
struct TRechenschritt {
  char Zeichen;   // wie eingegeben
  int Wert;       // Ziffernwert, 0 fuer Nicht-Ziffern
  int Gewicht;    // 2 oder 1, von hinten beginnend mit 2
  int Produkt;    // Wert * Gewicht
  int Quersumme;  // Quersumme des Produkts
};

struct TRechenweg {
  std::vector<TRechenschritt> Schritte;  // von links nach rechts
  int Summe = 0;
  int Pruefziffer = 0;
};

TRechenweg Rechenweg(std::string_view Nummer);

// Mehrzeilige deutsche Erklaerung in Windows-1252, Spalten mit Leerzeichen ausgerichtet
// (fuer eine Schrift fester Breite).
std::string Erklaerung(std::string_view Nummer);
