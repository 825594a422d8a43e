#pragma once

#include "zeichen/zeichensatz.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Eine Wagenbeschriftung hat ein paar Dutzend Zeichen; laengere Zeilen werden nicht gespeichert.
inline constexpr std::size_t ZeilenHoechstlaenge = 4096;  // Zeichen, nicht Bytes

// Eine Wagennummer, wie sie auf Wagen und Listen steht: "31 80 6652 003-8",
// "37.84.4667.019-2", "31 RIV 80 D-DB 665 2 003-8 Fals", "Apmz 116.2 70 80 10-95 703-1". Die
// Nummer wird an ihrer Gliederung erkannt (die Grammatik steht in eingabe.cpp und mit Beispielen
// in docs/anschriften.md), nicht am Zaehlen aller Ziffern der Zeile: jede andere Zahl wird nach
// ihren Nachbarn benannt (Bauart, Typ, Menge, Datum, Jahr, Preis, Artikelnummer, Betriebsnummer,
// Reihe und Nummer) und zaehlt nie zur Nummer. "?" steht fuer eine unleserliche Ziffer und zaehlt
// wie eine. Was Fotos und abgenutzte Anschriften geben, wird mit Hinweis gelesen: O und o in
// einer Zifferngruppe als 0, I und l als 1. Buchstaben mitten in einer Zifferngruppe sind ein
// Fehler, wenn sonst keine Nummer dasteht.
struct TGelesen {
  std::string Ziffern;                    // 11 oder 12 Ziffern oder "?", wenn Fehler leer ist
  std::string Fehler;                     // deutsche Meldung in Windows-1252; leer, wenn alles passt
  std::vector<std::string> Woerter;       // die Woerter ohne Ziffern: Laenderkuerzel, Halter, Gattung ...
  std::vector<std::string> Zusammenhang;  // die uebrigen Woerter der Zeile ("CFR" in "CFR Class 41-0587-0")
  std::vector<std::string> Bauart;        // Bauartnummern neben den Gattungszeichen: "124", "116.2"
  std::vector<std::string> Hinweise;      // was anders gelesen wurde, als es dastand
  std::vector<std::string> Weitere;       // andere Zahlen der Zeile, benannt: "Typ H22", "Menge 64.200l"
  std::vector<std::string> Andere;        // gleich gute andere Nummern der Zeile, gegliedert
  std::string Fs;                         // eine Nummer der FS ohne Pruefziffer: "E.464.344"
  std::vector<std::string> Reihen;        // Reihenzeichen der Zeile aus Buchstaben und Ziffern: "EU07", "EN57"
  // Eine nationale Nummer ohne Pruefziffer ("SM42-2244", "1116.282", "193 386"): Reihe und
  // Ordnungsnummer wie angeschrieben, Ziffern die der Nummer, Fehler sagt, dass sie fehlt.
  std::string Reihe, Ordnungsnummer;
  // Die Stellen 5-12 eines Wagens ohne Austauschkennzahl und Land ("Hbis 225 0689-9"): Reihe und
  // Ordnungsnummer sind die Stellen 5-8 und 9-11, die Pruefziffer dahinter ist nicht pruefbar.
  bool OhneKopf = false;
  // Eine nationale Loknummer ("118 098-3", "1116 234-4"): Ziffern samt Pruefziffer und Woerter
  // sind gefuellt, Fehler nennt die Zahl der Ziffern.
  bool PruefzifferAbgesetzt = false;
  // Eine achtstellige Nummer der Breitspurbahnen (1520 mm) hinter einem Nummernwort, nur mit
  // stimmender Pruefziffer ("Nr. 00870006"): Ziffern sind die acht, Fehler sagt, dass es keine
  // Nummer nach UIC ist.
  bool Breitspur = false;
};

// Ob ein Wort neben der Nummer zur Anschrift gehoeren kann (die Tabellen kennt erst die
// Auswertung); ein anderes Wort ist Satz und schliesst die Anschrift nach seiner Seite ab
// ("A carruagem 61 83 ...": das "A" ist ein Artikel, kein Gattungszeichen). Ohne: jedes Wort.
using TAnschriftwort = std::function<bool(std::string_view)>;

// Was der Leser aus den Tabellen erfragt; ohne sie liest er nur nach der Form.
struct TLesewissen {
  TAnschriftwort Anschriftwort;
  // Ob Austauschkennzahl und Land (Stellen 1-4) belegt sind: nur dann gelten die ersten 7-10
  // Stellen fuer sich als Teilnummer ("61 54 20-71", eine Reihe von Wagen).
  std::function<bool(std::string_view)> KopfBekannt;
};

TGelesen NummerAusText(std::string_view Text, const TLesewissen& Wissen = {});

// Sieht aus wie Gattungszeichen: nur Buchstaben, mindestens ein kleiner ("Facs", "WLABmh",
// "mzf"), dahinter hoechstens ein nationaler Zusatz aus Kleinbuchstaben ("Eanos-x").
bool WieGattungszeichen(std::string_view Wort);

// Eine Zeile oder ein Argument, wie es kommt (Bytes mit der Kennung ihrer Quelle), als Text in
// Windows-1252 nach den Regeln von FremdZeichen. Nur ein getipptes "?" ist eine unbekannte
// Ziffer; ein Zeichen, das nicht in eine Anschrift gehoert, macht die Eingabe unbrauchbar.
struct TEingabeText {
  std::string Text;                   // Windows-1252; bei Fehler mit "?" fuer das Unbekannte
  std::vector<std::string> Hinweise;  // was anders gelesen wurde, als es dastand
  std::string Fehler;                 // leer, wenn brauchbar
  // Woerter mit Buchstaben, die ohne Akzent gelesen wurden: wie in Text (Windows-1252) und wie
  // getippt (UTF-8), damit eine UTF-8-Ausgabe sie zeigen kann, wie sie dastanden ("CD", "ČD").
  std::vector<std::pair<std::string, std::string>> Getippt;
};
TEingabeText EingabeUmsetzen(std::string_view Bytes, TKennung Kennung);

// "31 80 6652 003-8" bzw. ohne "-P" bei 11 Ziffern
std::string NummerGegliedert(std::string_view Ziffern);

// Eine Eingabe in deutschen Anfuehrungszeichen fuer Meldungen, nach 60 Zeichen mit "..." gekuerzt.
std::string InAnfuehrung(std::string_view Text);

// Ein Austausch- oder Poolmerkmal ("RIV", "TEN", "[P]"), auch verbunden ("RIV-EUROP", "UIC-X");
// "UIC" allein nicht (nur mit Bauform dahinter).
bool IstMerkmal(std::string_view Wort);
