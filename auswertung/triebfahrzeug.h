#pragma once

#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

#include <string>
#include <string_view>
#include <vector>

// Ein Triebfahrzeug (Wagenart nach [Wagentyp], heute 90..99) gelesen: Art, Land und, wo das Schema des Landes
// bekannt ist, Baureihe und Ordnungsnummer.
struct TTriebfahrzeug {
  std::string Art;                     // "Elektrolokomotive"
  std::string Land;                    // "Deutschland (D)"
  std::string ReiheWort = "Baureihe";  // "Reihe" (Oesterreich), "Gruppo" (Italien)
  std::string Baureihe;                // "146, Nr. 146 569" oder warum nicht
  std::string National;                // die nationale Nummer mit ihrer Pruefziffer, "146 569-9"; leer, wo unbekannt
};

// Stelle 5 gegen das Schema der Art: passt (auch als eigene Fuellziffer einer Reihe, DB 446),
// falsch, oder frei, wo das Schema keine Fuellziffer kennt.
enum class TFuellziffer { Passt, Falsch, Frei };
TFuellziffer FuellzifferPruefen(const TKennzeichen& Kennzeichen, std::string_view Elf);

// Eine Nummer der FS, wie sie an italienischen Loks steht: "E.464.344" (elektrisch, Art 91),
// "D.345.045" (Diesel, 92), ohne Pruefziffer. Die zwoelfstellige ist "91 83 ?464 344": Stelle 5
// legt die FS je Bauart fest, ohne eine Regel, die sich nachrechnen liesse.
struct TFsNummer {
  std::string Art;     // "91"
  std::string Gruppo;  // "464"
  std::string Nummer;  // "344"
};
// Leer (Art leer), wenn der Text nicht so aussieht.
TFsNummer FsNummerLesen(std::string_view Text);

// Eine Reihe mit eigener Fuellziffer: ihre nationale Nummer traegt die Pruefziffer der
// zwoelfstelligen (DB "446 042-7" zu 91 80 0446 042-7), nicht die ueber ihre eigenen Ziffern.
bool NationalMitZwoelfPruefziffer(const TKennzeichen& Kennzeichen, std::string_view Nummer);

// Die nationale Nummer zu 11 Stellen mit ihrer Pruefziffer ("146 569-9"): mit Fuellziffer die
// Stellen 6-11, sonst (Reihe aus 5-8, Oesterreich) die Stellen 5-11; leer, wo das Land keine Regel hat
// oder die Art nicht zur Reihe passt.
std::string NationaleNummer(const TKennzeichen& Kennzeichen, std::string_view Elf);

TTriebfahrzeug TriebfahrzeugLesen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf);

// Nationale Nummern der Triebfahrzeuge: Reihe, Ordnungsnummer und eine eigene Pruefziffer, die
// wie die der Wagennummer gerechnet wird, nur ueber diese Ziffern (DB seit 1968 "118 098-3", DR
// seit 1970 "52 8184-5", OeBB "1116 234-4", SBB "Re 460 015-1", CD "753.751-7"). Wo das Land
// eine Fuellziffer hat (Deutschland, Schweiz, Tschechien), ist sie auch die Pruefziffer der
// zwoelfstelligen Nummer; in Oesterreich nicht (dort ohne "91 81" gerechnet).

// "118 098-3", "1116 234-4": Ziffern ohne Pruefziffer, gegliedert wie am Fahrzeug.
std::string NationalGegliedert(std::string_view Ziffern, std::string_view Pruefziffer);

// 5 (BDZ, nur mit stimmender Pruefziffer gelesen), 6 oder 7 Ziffern vor einer abgesetzten
// Pruefziffer (TGelesen::PruefzifferAbgesetzt).
bool IstNationaleNummer(std::string_view Ziffern, bool PruefzifferAbgesetzt);

// Die BDZ numeriert seit 1988 fuenfstellig ("44134.2"), mit der Pruefziffer der zwoelfstelligen:
// Stellen 5-6 sind 00 (91 52 0044 158-1, 91 52 0087 020-1, 98 52 0080 001-1). Ohne Land gelten
// fuenf Ziffern mit Pruefziffer als ihre; die ECR in Frankreich schreibt so auch ("77004-5" ist
// 92 87 0077 004-5), aber mit Strich, und den liest der Leser nur mit stimmender eigener Regel.
inline constexpr std::string_view FuenfstelligesLand = "52";

// Eine kurze Nummer (5 bis 7 Ziffern ohne Pruefziffer) eines Landes ohne hinterlegtes Schema als
// Stellen 5-11, mit Nullen davor: die zwoelfstellige einer Art der Loks und Triebzuege, zu der die
// angeschriebene Pruefziffer passt (zu jeder passt hoechstens eine), sonst leer.
std::string ZwoelfVermutet(std::string_view Land, std::string_view Ziffern, std::string_view Angeschrieben);

// Die zwoelfstellige Nummer zur nationalen (Ziffern ohne Pruefziffer) in einem Land (Stellen
// 3-4), nach [Nationale Nummern] und der Fuellziffer aus [Triebfahrzeuge]; leer, wo unbekannt.
std::string ZwoelfAusNational(const TKennzeichen& Kennzeichen, std::string_view Land, std::string_view Ziffern);

// Alle zwoelfstelligen Nummern (mit Pruefziffer), die eine nationale Nummer (Ziffern ohne
// Pruefziffer) in einem Land nach den Tabellen haben kann: die von ZwoelfAusNational, Reihen mit
// eigener Fuellziffer aus [Baureihennamen] (auch in Laendern ohne [Nationale Nummern]: MAV 470 =
// 91 55 0470) und bei sieben Ziffern die Stellen 5-11 jeder Art, deren Fuellziffer die erste
// Ziffer ist ("1275 502-3" = 92 80 1275 502-3). Mit der angeschriebenen Pruefziffer auch die
// Wagen von Triebzuegen, deren Stelle 5 je Wagen verschieden ist (DE "0812 041-3" =
// 93 80 0812 041-3, CH "526 044-2" mit dem Wagenzaehler, der zu ihr passt).
std::vector<std::string> ZwoelfMoeglich(const TKennzeichen& Kennzeichen, std::string_view Land,
                                        std::string_view Ziffern, std::string_view Angeschrieben = {});

// Ist Stelle 5 dieser zwoelfstelligen Nummer eines Triebzugwagens je Wagen verschieden?
bool StelleFuenfWagenabhaengig(std::string_view Zwoelf);
// Ob die kurze Nummer eines solchen Triebzugwagens ohne seine Stelle 5 dasteht ("526 044" der SBB):
// mit einer der zehn moeglichen stimmt dann jede Pruefziffer, pruefen laesst sie sich so nicht.
bool StelleFuenfFehlt(std::string_view Land, std::string_view Ziffern);

// Die Laender (Stellen 3-4), fuer die [Nationale Nummern] eine solche Nummer kennt.
// Das Land, dessen Reihenzeichen so gebaut sind, sonst leer: PKP "EU07", "ST44", "EN57", "SA140"
// (E oder S, ein Buchstabe der Verwendung, zwei oder drei Ziffern).
std::string LandDerReihe(std::string_view Reihe);

std::vector<std::string> LaenderFuerNational(const TKennzeichen& Kennzeichen, std::string_view Ziffern);
