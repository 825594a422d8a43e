#pragma once

#include <string>
#include <string_view>
#include <vector>

// Ziffernwert einer Wagennummer-Stelle: "0".."9" zaehlen 0..9, jedes andere Zeichen 0.
int ZiffernWert(char Zeichen);

// Der Weg zur Pruefziffer (12. Stelle), Stelle fuer Stelle: von rechts abwechselnd mit 2 und 1
// gewichtet, die Quersummen der Produkte addiert, die Pruefziffer ergaenzt die Summe zum
// naechsten Vielfachen von 10. Beispiel 21812471217: Summe 37, Pruefziffer 3.
struct TRechenschritt {
  char Zeichen;   // wie eingegeben
  int Wert;       // Ziffernwert
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

// Die Pruefziffer als ein Zeichen "0".."9", fuer jeden Text, auch leer oder mit Buchstaben.
std::string Pruefziffer(std::string_view Nummer);

// Mehrzeilige deutsche Erklaerung des Rechenwegs in Windows-1252, Spalten mit Leerzeichen
// ausgerichtet (fuer eine Schrift fester Breite).
std::string Erklaerung(std::string_view Nummer);
