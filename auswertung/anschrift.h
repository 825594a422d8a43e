#pragma once

#include "auswertung/befund.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

#include <string>
#include <string_view>
#include <vector>

// Was um die Ziffern herum angeschrieben ist: "31 RIV 80 D-DB 665 2 003-8 Fals".
struct TAnschrift {
  std::string Laenderkuerzel;          // "D"
  std::string Halter;                  // "DB", wie angeschrieben
  std::string Gattungszeichen;         // "Fals"
  std::string Zusatz;                  // nationaler Zusatz hinter den Gattungszeichen: "x" in "Eanos-x"
  std::vector<std::string> Bauart;     // "124" in "Facs 124" (TGelesen::Bauart)
  std::vector<std::string> Merkmale;   // "RIV", "TEN"
  std::vector<std::string> Ungelesen;  // Woerter, die nichts davon sind
  bool Leer() const { return Laenderkuerzel.empty() && Halter.empty() && Gattungszeichen.empty(); }
};

// Ordnet die Woerter ohne Ziffern (TGelesen::Woerter) zu: "D-DB" Land und Halter, "RIV"/"TEN"/
// "EUROP" Merkmale, "Fals"/"Bpmbz" (ein Grossbuchstabe, dann Kleinbuchstaben) Gattungszeichen,
// ein Wort nur aus Grossbuchstaben, das im Halterregister steht, Halter ohne Land.
TAnschrift AnschriftLesen(const std::vector<std::string>& Woerter, const TKennzeichen& Kennzeichen);

// Ob ein Wort neben der Nummer zur Anschrift gehoeren kann: Merkmal, Land und Halter, Grossbuchstaben
// (auch ein unbekannter Halter), Gattungszeichen der Tabellen. Nicht: "carruagem", "Speisewagen".
bool Anschriftwort(const TKennzeichen& Kennzeichen, std::string_view Wort);

// Ob ein Wort aus einem anderen Text als der Anschrift (etwa der Bezeichnung eines Modells)
// Gattungszeichen sind: die eines Gueterwagens nach der ERA-Tabelle ("Zacns"; nicht
// "Kesselwagen"), die eines Reisezugwagens nur ohne die Vokale a, e, o, u hinter den
// Grossbuchstaben ("Bimz", "WRmz"; nicht "Bahn", "Dresden", "Doppeltragwagen").
bool GattungszeichenImText(const TKennzeichen& Kennzeichen, std::string_view Wort);

// Das Gelesene in einer Zeile: "D-DB Fals RIV".
std::string AnschriftText(const TAnschrift& Anschrift);

// Halter mit Name, Land und Status aus dem Register; leer ohne Halter oder wenn er dort fehlt.
std::string HalterAngabe(const TKennzeichen& Kennzeichen, const TAnschrift& Anschrift);

// Anschrift gegen die 11 Ziffern: Laenderkuerzel gegen Stellen 3-4, Halter im Register und
// sein Land, Gattungszeichen eines Gueterwagens gegen die ERA-Kennzahl der Stellen 5-8.
std::vector<TBefund> Abgleichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf,
                                const TAnschrift& Anschrift);

// Ob Gattungszeichen zu den Ziffern passen; ungeprueft, wo keine Regel die Stellen festlegt.
enum class TPasst { Ja, Nein, Ungeprueft };

// Gattungsbuchstaben eines Reisezugwagens ("BDylf", "Bcmz", "npBD") gegen Stellen 5-6 nach
// [Reisezugwagen]; Erlaubt bekommt die erlaubten Buchstaben ("BD").
// Ein "c" fuer Liegewagen zaehlt nur, wo die Stellen es verlangen; Genau sagt, ob es auch dort
// stimmt, wo sie es nicht verlangen ("Bcmz" auf 29 passt, aber nicht genau).
TPasst ReisezugwagenPasst(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Zeichen,
                          std::string* Erlaubt = nullptr, bool* Genau = nullptr);

// Radsaetze, die Gattungszeichen eines Gueterwagens verlangen ("Fals": Drehgestelle, "Tbis":
// Einzelradsaetze) nach [Radsaetze]; leer ohne Regel.
std::string RadsaetzeDerGattung(const TKennzeichen& Kennzeichen, std::string_view Zeichen);

// Stelle 1 (Einzelradsaetze 0/2/4, Drehgestelle 1/3/8) gegen die Radsaetze der Gattungszeichen.
TPasst RadsaetzePassen(const TKennzeichen& Kennzeichen, std::string_view Elf, std::string_view Zeichen);

// Gattungszeichen der ERA-Tabelle zu einem Gueterwagen ("Eaos"), leer wenn die Kennzahl der
// Stellen 5-8 dort fehlt oder die Nummer keinen Gueterwagen bezeichnet.
std::string EraGattungszeichen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf);

// Gattung aus Stelle 5 (bei 3 und 4 aus 5-6), wenn die Kennzahl nicht in der ERA-Tabelle steht:
// "E – offener Wagen in Regelbauart (aus Stelle 5 abgeleitet; Kennzahl nicht in der ERA-Tabelle)".
std::string GattungAbgeleitet(const TKennzeichen& Kennzeichen, std::string_view Elf);
