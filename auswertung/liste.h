#pragma once

#include "mappe/mappe.h"
#include "zeichen/zeichensatz.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Listen, wie Tabellenkalkulationen sie kopieren oder speichern, fuer "wagennummer --spalte" und
// das Fenster "Tandrix Sammlung". Die Leseregeln an einer Stelle:
//  - Kennung am Anfang (UTF-8, UTF-16 LE/BE) wie bei wagennummer; UTF-16 wird zu UTF-8. Ohne
//    Kennung entscheidet jede Zelle fuer sich: UTF-8 mit Mehrbyte-Zeichen oder Windows-1252.
//  - Ohne Kennung gilt UTF-16 auch, wenn der Anfang danach aussieht (Utf16OhneKennung).
//  - Zeilenenden CR, LF, CR LF. Ein Feld, das mit '"' beginnt, reicht bis zum naechsten
//    einzelnen '"' (verdoppeltes '""' steht fuer eines) und darf Trenner und Zeilenenden
//    enthalten. Ein Anfuehrungszeichen ohne Gegenstueck verschluckt nicht den Rest der Datei:
//    fehlt das schliessende, steht hinter dem schliessenden eines Feldes ueber mehrere Zeilen
//    etwas anderes als Trenner oder Zeilenende, oder wird ein solches Feld laenger als eine
//    Zelle sein kann (ZitatHoechstlaenge), zaehlt das oeffnende als gewoehnliches Zeichen, und
//    ein Befund nennt die Zeile.
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

// Was beim Zerlegen auffiel (etwa ein Anfuehrungszeichen ohne Gegenstueck), mit der Zeile der
// Datei ab 1; Text in Windows-1252, ein ganzer Satz.
struct TLeseBefund {
  std::size_t Zeile = 0;
  std::string Text;
};

// Ein Feld in Anfuehrungszeichen ueber mehrere Zeilen ist hoechstens so lang (Bytes): Excel
// fasst 32.767 Zeichen je Zelle, in UTF-8 bis zu vier Bytes je Zeichen.
inline constexpr std::size_t ZitatHoechstlaenge = std::size_t{4} * 32767;

// So lang darf eine Zeile werden, die stueckweise kommt: eine laengere (ein Geraet ohne Ende
// wie /dev/zero) bricht das Lesen mit Befund ab, statt den Speicher zu fuellen.
inline constexpr std::size_t StueckZeileHoechstens = std::size_t{4} << 20;

// Zerlegt Zeile fuer Zeile; die Bytes kommen stueckweise aus der Quelle, gehalten wird nur die
// Zeile in Arbeit. So liest wagennummer eine Liste beliebiger Laenge mit festem Speicher.
class TZerleger {
public:
  // Haengt die naechsten Bytes an Puffer an; false, wenn nichts mehr kommt.
  using TQuelle = std::function<bool(std::string& Puffer)>;
  TZerleger(char Trenner, std::string Anfang, TQuelle Quelle = {});

  // Die naechste Zeile (leere zaehlen nicht); false am Ende.
  bool Naechste(TFelder& Zeile);
  // Zeile der Datei (ab 1), in der die zuletzt gelieferte begann.
  std::size_t Zeilennummer() const { return FBegonnen; }
  std::vector<TLeseBefund> Befunde;

private:
  enum class TSchritt { Fertig, Ende, Nochmal };
  TSchritt ZeileLesen(TFelder& Zeile, std::size_t& Umbrueche);
  bool ZitatLesen(std::size_t& I, std::string& Feld, std::size_t& Umbrueche);
  bool Da(std::size_t I);  // Byte I der Zeile in Arbeit ist im Puffer (liest nach)
  char Bei(std::size_t I) const { return FPuffer[FAnfang + I]; }

  char FTrenner;
  TQuelle FQuelle;
  std::string FPuffer;
  std::size_t FAnfang = 0;              // Beginn der Zeile in Arbeit im Puffer
  bool FAmEnde = false;                 // die Quelle gibt nichts mehr
  std::size_t FZeile = 1;               // Zeile der Datei am Beginn der Zeile in Arbeit
  std::size_t FBegonnen = 0;            // Zeile der Datei der zuletzt gelieferten
  std::vector<std::size_t> FWoertlich;  // Anfuehrungszeichen der Zeile in Arbeit, die als Zeichen zaehlen
};

// Alle Zeilen eines Textes; die Befunde dazu, wenn Befunde nicht null ist.
std::vector<TFelder> Zerlegen(std::string_view Text, char Trenner, std::vector<TLeseBefund>* Befunde = nullptr);

// Trenner, der zu Text passt; '\0': jede Zeile ist eine Zelle.
char TrennerErkennen(std::string_view Text);

// Ob eine Zelle eine Wagennummer lesen laesst (11 oder 12 Ziffern oder "?").
bool IstNummer(std::string_view Zelle, TKennung Kennung);

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
  // Aus einer Arbeitsmappe: je Zeile (wie Zeilen, ohne den Kopf) die Spalten, deren Zelle die
  // Mappe als Zahl hielt (eine Nummer als Zahl hat ihre fuehrende Null verloren, siehe
  // ZelleAuswerten); leer bei Text. Abfrage mit AlsZahl.
  std::vector<std::vector<bool>> Zahlen;
};

// Ob die Zelle (Zeile wie in Zeilen, Spalte ab 0) in der Mappe eine Zahl war.
bool AlsZahl(const TListe& Tabelle, std::size_t Zeile, std::size_t Spalte);

// Was ueber die Tabelle vorgegeben ist; fehlt etwas, wird es erkannt.
struct TLeseVorgabe {
  std::optional<char> Trenner;
  std::optional<bool> MitKopf;
  std::optional<std::string> Spalte;  // "3" (ab 1) oder Name einer Kopfzelle (ohne Gross/Klein)
  // Nur Arbeitsmappen: "2" (ab 1) oder Name des Blatts (ohne Gross/Klein, UTF-8); fehlt es, gilt
  // BlattMitNummern.
  std::optional<std::string> Blatt;
};

// Zeichensatz am Anfang: Kennung (Laenge in Bytes), sonst UTF-16 ohne Kennung oder Keine.
TKennung ZeichensatzErkennen(std::string_view Anfang, std::size_t& Kennungslaenge);
// Breite, Nummernspalte und Kopf aus den Zeilen in Tabelle (den ersten der Liste); Fehler wie unten.
std::string ErkennenAusAnfang(TListe& Tabelle, const TLeseVorgabe& Vorgabe);

// Text einer Datei oder der Zwischenablage als Tabelle. Bei unbekannter Spalte (Name oder Nummer
// ausserhalb) steht in Fehler der Grund (Windows-1252).
struct TListenErgebnis {
  TListe Tabelle;
  std::string Fehler;
  // Nur Arbeitsmappen: die Art, die Namen aller Blaetter (UTF-8, in der Reihenfolge der Mappe)
  // und welches gelesen ist.
  TMappenArt Art = TMappenArt::Text;
  std::vector<std::string> Blaetter;
  std::size_t Blatt = 0;
};
TListenErgebnis ListeLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe = {});

// Das Blatt, das zuerst gezeigt wird: das erste, das in seinen ersten ErkennungsZeilen Zeilen eine
// Wagennummer traegt (IstNummer), sonst das erste (0 auch bei einer Mappe ohne Blaetter).
std::size_t BlattMitNummern(const TMappe& Mappe);

// Ein Blatt als Tabelle wie eine Textliste (Kennung UTF-8, kein Trenner): Kopf, Nummernspalte
// und Vorgabe.Spalte wie bei ListeLesen; Zahlen sagt, welche Zellen Zahlen waren.
TListenErgebnis BlattLesen(const TBlatt& Blatt, const TLeseVorgabe& Vorgabe = {});
TListenErgebnis BlattLesen(TBlatt&& Blatt, const TLeseVorgabe& Vorgabe = {});

// Was Vorgabe.Blatt meint, als Index in Mappe.Blaetter; sonst der Grund (Windows-1252).
std::string BlattWaehlen(const TMappe& Mappe, const TLeseVorgabe& Vorgabe, std::size_t& Blatt);

// Die Bytes einer Datei, was immer sie ist (nach dem Inhalt, MappenArtErkennen): eine Textliste wie
// ListeLesen oder ein Blatt einer Arbeitsmappe wie BlattLesen, dann Blatt (Index), sonst
// Vorgabe.Blatt, sonst BlattMitNummern. Ist die Mappe nicht lesbar, steht ihr Grund in Fehler.
TListenErgebnis DateiLesen(std::string_view Bytes, const TLeseVorgabe& Vorgabe = {},
                           std::optional<std::size_t> Blatt = std::nullopt);

// Eine Liste aus einer Quelle beliebiger Laenge (die Standardeingabe von wagennummer): die
// ersten ErkennungsZeilen Zeilen entscheiden wie bei ListeLesen, alle Zeilen kommen einzeln.
// Der Speicher haengt von der laengsten Zeile ab, nicht von der Laenge der Liste.
class TListenStrom {
public:
  // Quelle liefert die Bytes wie gelesen, mit einer Kennung am Anfang.
  TListenStrom(TZerleger::TQuelle Quelle, const TLeseVorgabe& Vorgabe);
  // Kopf, Kennung (UTF-16 schon als UTF-8), Trenner, Nummernspalte, Breite der ersten Zeilen.
  const TListe& Tabelle() const { return FTabelle; }
  const std::string& Fehler() const { return FFehler; }
  bool Naechste(TFelder& Zeile);
  // Befunde des Zerlegens, die seit dem letzten Aufruf dazukamen.
  std::vector<TLeseBefund> NeueBefunde();

private:
  bool Roh(std::string& Puffer);  // wie die Quelle, UTF-16 schon als UTF-8

  TZerleger::TQuelle FQuelle;
  TKennung FRoh = TKennung::Keine;
  std::string FRest;  // UTF-16: Bytes, die noch kein ganzes Zeichen sind
  TListe FTabelle;
  std::string FFehler;
  std::optional<TZerleger> FZerleger;
  std::size_t FGeholt = 0;  // Zeilen des Anfangs, die Naechste schon lieferte
};

// Eine Zelle als Windows-1252, nach der Kennung der Tabelle.
std::string ZelleText(const std::string& Zelle, TKennung Kennung);
// Eine Zelle als UTF-8, wie sie dastand (ungueltige Folgen als U+FFFD).
std::string ZelleUtf8(const std::string& Zelle, TKennung Kennung);

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
// Gemerkt wird je verschiedener Nummer nur das Noetige (etwa 80 Bytes); mit Hoechstens haelt
// sie den Speicher fest: weitere neue Nummern werden nicht mehr gemerkt (Voll()).
class TDoppelSuche {
public:
  TDoppelSuche() = default;
  explicit TDoppelSuche(std::size_t Hoechstens) : FHoechstens(Hoechstens) {}
  TDoppelt Anmelden(std::size_t Zeile, const TSchluessel& Schluessel);
  bool Voll() const { return FVoll; }

private:
  struct TErste {
    std::size_t Zeile;
    std::size_t TextAnfang;  // in FTexte, ohne Leerraum am Rand
    std::uint32_t TextLaenge;
    char Pruefziffer;
  };
  std::unordered_map<std::uint64_t, TErste> FErste;  // nach den 11 Ziffern als Zahl
  std::string FTexte;
  std::size_t FHoechstens = SIZE_MAX;
  bool FVoll = false;
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
