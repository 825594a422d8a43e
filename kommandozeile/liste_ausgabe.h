#pragma once

#include "auswertung/auswertung.h"
#include "kommandozeile/optionen.h"

#include "auswertung/liste.h"

#include <iosfwd>
#include <string>

// "wagennummer --spalte N|NAME": die ganze Standardeingabe als Tabelle (auswertung/liste.h), jede
// Zeile ausgewertet, Doppelte als Hinweis; als CSV die Spalten des Benutzers vorn, unveraendert.
// Liefert den Exit-Status wie der Listenlauf.
int SpaltenAuswerten(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein, std::ostream& Aus,
                     std::ostream& Fehler);

// "wagennummer --frei REIHE ANZAHL": freie gueltige Nummern der Reihe, eine je Zeile; belegt
// sind die Nummern unter den Argumenten und, mit --spalte, die der Liste auf der Standardeingabe.
int FreieAusgeben(const TWissen& Wissen, const TOptionen& Optionen, std::istream& Ein, std::ostream& Aus,
                  std::ostream& Fehler);
