#pragma once

#include "nummer/stammdaten.h"

#include <string>
#include <string_view>

// Die fuenf Anzeigetexte zu einer Wagennummer, Windows-1252.
struct TAnzeige {
  std::string Eigentumsmerkmal;
  std::string Austauschverfahren;
  std::string Eigentumsverwaltung;
  std::string Wagengattung;
  std::string Geschwindigkeit;

  bool operator==(const TAnzeige&) const = default;
};

// Was eine Nummer bezeichnet, nach [Wagentyp] ueber die erste Stelle: "G", "R", "T". Die eine
// Stelle, an der das entschieden wird, fuer Fenster, wagennummer und Vorschlaege.
enum class TWagenart { Gueterwagen, Reisezugwagen, Triebfahrzeug, Unbekannt };
TWagenart Wagenart(const TStammdaten& Stammdaten, std::string_view Nummer);

// Text der Gattung eines Gueterwagens aus [Wagengattung]: Stellen 5-8, sonst 5-7 + "x".
std::string EraGattung(const TStammdaten& Stammdaten, std::string_view Nummer);

// Liest eine 11-stellige Wagennummer (ohne Pruefziffer) Stelle fuer Stelle. Ob sie als
// Gueter- oder als Reisezugwagen gelesen wird, entscheidet [Wagentyp] ueber die erste
// Stelle, nicht das Eingabefeld. Kuerzere Nummern werden rechts mit Leerzeichen ergaenzt.
TAnzeige WagenInfo(const TStammdaten& Stammdaten, std::string_view Nummer);
