#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit-Status: alles in Ordnung, eine Pruefziffer falsch, eine Eingabe oder die genannte
// Datendatei unbrauchbar, Ein- oder Ausgabe gescheitert (die Ausgabe ist unvollstaendig).
enum TStatus : int { StatusGut = 0, StatusFalsch = 1, StatusUnbrauchbar = 2, StatusEinAusgabe = 3 };

// Der Exit-Status eines Ergebnisses; mit Streng zaehlt eine Abweichung der Anschrift wie falsch.
struct TErgebnis;
int Status(const TErgebnis& Ergebnis, bool Streng);

// Das ganze Programm "wagennummer" ohne Prozessgrenzen, damit Tests es aufrufen koennen.
// Argumente ohne den Programmnamen.
int Wagennummer(const std::vector<std::string>& Argumente, std::istream& Ein, std::ostream& Aus, std::ostream& Fehler);
