#pragma once

#include "auswertung/auswertung.h"
#include "kommandozeile/optionen.h"

#include "auswertung/liste.h"

#include <iosfwd>
#include <string>

// Woher eine Liste kommt: Text Stueck fuer Stueck aus Ein, oder (Mappe nicht null) ein Blatt einer
// Arbeitsmappe, schon ganz gelesen (DateiLesen).
struct TListenEingabe {
  std::istream& Ein;
  TListenErgebnis* Mappe = nullptr;
};

// "wagennummer --spalte N|NAME" (und jede Arbeitsmappe): die ganze Eingabe als Tabelle
// (auswertung/liste.h), jede Zeile ausgewertet, Doppelte als Hinweis; als CSV die Spalten des
// Benutzers vorn, unveraendert. Liefert den Exit-Status wie der Listenlauf.
int SpaltenAuswerten(const TWissen& Wissen, const TOptionen& Optionen, TListenEingabe Eingabe, std::ostream& Aus,
                     std::ostream& Fehler);

// "wagennummer --frei REIHE ANZAHL": freie gueltige Nummern der Reihe, eine je Zeile; belegt
// sind die Nummern unter den Argumenten und, mit --spalte, --liste oder einer Arbeitsmappe, die
// der Liste.
int FreieAusgeben(const TWissen& Wissen, const TOptionen& Optionen, TListenEingabe Eingabe, std::ostream& Aus,
                  std::ostream& Fehler);
