#pragma once

#include "auswertung/anschrift.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Gueltige Nummern zu einer unvollstaendigen oder falschen, die glaubwuerdigsten zuerst
// (Plausibilitaet, bei Gleichstand in Zahlenfolge bzw. aehnlich aussehende Ziffern zuerst).
struct TVorschlag {
  std::string Ziffern;             // 12 Ziffern
  std::string Aenderung;           // "Stelle 8: 2 statt 3"; bei Ergaenzungen leer
  int Punkte = 0;                  // Rang; gleiche Punkte heisst gleich glaubwuerdig
  int Vorrang = 0;                 // Reihenfolge bei gleichen Punkten, hoeher zuerst
  std::vector<std::string> Passt;  // was von der Anschrift passt: "D-DB", "Fals"; Windows-1252
};
struct TVorschlaege {
  std::vector<TVorschlag> Liste;  // hoechstens so viele wie verlangt
  std::size_t Gesamt = 0;         // alle gueltigen
};

// Mehr unbekannte Stellen werden nicht durchprobiert (10^6 Nummern).
inline constexpr std::size_t HoechstensUnbekannt = 6;

// Muster: 11 oder 12 Zeichen, "?" fuer jede unbekannte Ziffer, auch die Pruefziffer.
TVorschlaege Ergaenzungen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Muster,
                          const TAnschrift& Anschrift, std::size_t Hoechstens);

// 12 Ziffern mit falscher Pruefziffer: die gueltigen Nummern, die sich in einer Ziffer oder
// durch Tausch zweier Nachbarn unterscheiden. Vorn steht, was die Wagenart (Stelle 1 nach
// [Wagentyp]) behaelt; bei Gleichstand eine aehnlich aussehende Ziffer oder ein Tausch, dann
// die Aenderung weiter rechts (Pruefziffer, Ordnungsnummer).
TVorschlaege Reparaturen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Zwoelf,
                         const TAnschrift& Anschrift, std::size_t Hoechstens);

// Gueltige Nummern, die durch Tausch benachbarter 0 und 9 entstehen (auch mit der Pruefziffer):
// die Pruefziffer sieht diesen Fehler nicht.
std::vector<std::string> UnsichtbareTausche(std::string_view Zwoelf);

// Eine Zeile zu 11 Ziffern fuer Vorschlagslisten: Gattung bzw. Baureihe und Land.
std::string KurzDeutung(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf);
