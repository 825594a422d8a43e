#pragma once

#include "nummer/zeichensatz.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Listen, wie Tabellenkalkulationen sie kopieren oder speichern, fuer "wagennummer --spalte" und
// das Fenster "Tandrix Sammlung". Die Leseregeln an einer Stelle:
//  - Kennung am Anfang (UTF-8, UTF-16 LE/BE) wie bei wagennummer; UTF-16 wird zu UTF-8. Ohne
//    Kennung entscheidet jede Zelle fuer sich: UTF-8 mit Mehrbyte-Zeichen oder Windows-1252.
//  - Zeilenenden CR, LF, CR LF. Ein Feld, das mit '"' beginnt, reicht bis zum naechsten
//    einzelnen '"' (verdoppeltes '""' steht fuer eines) und darf Trenner und Zeilenenden
//    enthalten; fehlt das schliessende, reicht es bis zum Ende (so liest es LibreOffice).
//  - Trenner: Tabulator (Kopie aus Excel/LibreOffice), ';', ',' oder '|'; gewaehlt wird, der in
//    den ersten Zeilen am haeufigsten dieselbe Zahl von Feldern (mehr als eines) ergibt, bei
//    Gleichstand in dieser Reihenfolge. Ergibt keiner mehrere Felder, ist jede Zeile eine Zelle.
//  - Nummernspalte: die Spalte, in der die meisten der ersten Zeilen eine Nummer lesen lassen.
//  - Kopfzeile: wenn die erste Zeile in der Nummernspalte keine Nummer hat, spaetere aber schon.
//  - Leere Zeilen zaehlen nicht.

// So viele Zeilen vom Anfang entscheiden ueber Trenner, Spalte und Kopf.
inline constexpr std::size_t ErkennungsZeilen = 200;

// Zeilen aus Feldern; die Felder sind Bytes wie gelesen (Windows-1252 oder UTF-8, siehe Kennung).
using TFelder = std::vector<std::string>;
std::vector<TFelder> Zerlegen(std::string_view Text, char Trenner);

// Trenner, der zu Text passt; '\0': jede Zeile ist eine Zelle.
char TrennerErkennen(std::string_view Text);

// Ob eine Zelle eine Wagennummer lesen laesst (11 oder 12 Ziffern oder "?").
bool IstNummer(std::string_view Zelle, TKennung Kennung);

// Was beim Zerlegen auffiel (etwa ein Anfuehrungszeichen ohne Gegenstueck), mit der Zeile der
// Datei ab 1; Text in Windows-1252, ein ganzer Satz.
struct TLeseBefund {
  std::size_t Zeile = 0;
  std::string Text;
};

// Eine gelesene Tabelle. Kopf ist leer, wenn die erste Zeile schon Daten traegt.
struct TListe {
  TKennung Kennung = TKennung::Keine;
  char Trenner = '\0';
  bool MitKopf = false;
  std::size_t Nummernspalte = 0;
  TFelder Kopf;
  std::vector<TFelder> Zeilen;
  std::size_t Spalten = 0;  // breiteste Zeile
  std::vector<TLeseBefund> Befunde;
};

// Was ueber die Tabelle vorgegeben ist; fehlt etwas, wird es erkannt.
struct TLeseVorgabe {
  std::optional<char> Trenner;
  std::optional<bool> MitKopf;
  std::optional<std::string> Spalte;  // "3" (ab 1) oder Name einer Kopfzelle (ohne Gross/Klein)
};

// Text einer Datei oder der Zwischenablage als Tabelle. Bei unbekannter Spalte (Name oder Nummer
// ausserhalb) steht in Fehler der Grund (Windows-1252).
struct TListenErgebnis {
  TListe Tabelle;
  std::string Fehler;
};
TListenErgebnis ListeLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe = {});

// Eine Zelle als Windows-1252, nach der Kennung der Tabelle.
std::string ZelleText(const std::string& Zelle, TKennung Kennung);

// Doppelte Nummern. Schluessel einer Zeile sind ihre 11 Ziffern; dazu die 12., wie angeschrieben
// oder berechnet, und der Text, wie er dastand. Zeilen ohne vollstaendige Nummer haben keinen.
struct TSchluessel {
  std::string Zwoelf;  // 12 Ziffern oder leer
  std::string Text;    // Nummer wie angeschrieben (Vergleich ohne Leerraum am Rand)
};
enum class TDoppelArt {
  Keine,
  Gleich,             // dieselbe Nummer, genauso geschrieben
  AndersGeschrieben,  // dieselbe Nummer, anders geschrieben: derselbe Wagen
  AnderePruefziffer,  // dieselben 11 Ziffern, andere Pruefziffer
};
struct TDoppelt {
  TDoppelArt Art = TDoppelArt::Keine;
  std::size_t Andere = 0;  // Zeile (wie vom Aufrufer gezaehlt) mit derselben Nummer
  TSchluessel AndererSchluessel;
};

// Sucht beim Anmelden Zeile fuer Zeile (O(log n) je Zeile): jede Zeile bekommt die erste
// fruehere mit denselben 11 Ziffern. Fuer Listen, die nach und nach kommen (wagennummer liest
// von der Konsole).
class TDoppelSuche {
public:
  TDoppelt Anmelden(std::size_t Zeile, const TSchluessel& Schluessel);

private:
  struct TErste {
    std::size_t Zeile;
    TSchluessel Schluessel;
  };
  std::map<std::string, TErste, std::less<>> FErste;  // nach den 11 Ziffern
};

// Ganze Liste: wie TDoppelSuche, und die erste Zeile einer Gruppe verweist auf die zweite.
// Zeilen zaehlen hier ab 0 (Index in Schluessel).
std::vector<TDoppelt> DoppelteFinden(const std::vector<TSchluessel>& Schluessel);

// "dieselbe Nummer wie Zeile 3" usw., Windows-1252; leer bei TDoppelArt::Keine.
std::string DoppelText(const TDoppelt& Doppelt);

// Freie Nummern einer Reihe: die ersten 8 Ziffern fest, die Ordnungsnummer (Stellen 9-11) von
// Von bis Bis aufsteigend, ohne die 11 Ziffern in Belegt; jede mit ihrer Pruefziffer (12 Ziffern).
// Jede 11-stellige Nummer hat genau eine gueltige Pruefziffer, also ist jede freie gueltig.
struct TFreiAuftrag {
  std::string Reihe;  // 8 Ziffern
  int Von = 0;
  int Bis = 999;
  std::size_t Anzahl = 0;
};
// Liest "31 80 6652" oder "31 80 6652 100-199"; Fehler (Windows-1252) oder leer.
std::string FreiAuftragLesen(std::string_view Text, TFreiAuftrag& Auftrag);
std::vector<std::string> FreieNummern(const TFreiAuftrag& Auftrag, const std::vector<std::string>& Belegt);
