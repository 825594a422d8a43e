#pragma once

#include "auswertung/liste.h"

#include <QStringList>

#include <cstdint>
#include <string>

// Wie die Liste dasteht: die Spalten des Benutzers, dahinter was Tandrix dazu weiss.
enum class TUrteilArt { Offen, Korrekt, Berechnet, Falsch, Unvollstaendig, Unbrauchbar };

// Was die Tabelle je Zeile zeigt. Die ganze Auswertung (Vorschlaege, Rechenweg) entsteht fuer
// die Detailansicht neu. Lange, sich wiederholende Texte (Land, Gattung) teilen sich alle Zeilen:
// 100.000 Zeilen belegten sonst ueber 180 MB (gemessen mit bench/sammlung_bench).
struct TZeile {
  QStringList Zellen;
  bool AlsZahl = false;  // die Nummernzelle war in der Arbeitsmappe eine Zahl, bis sie sich aendert
  TUrteilArt Art = TUrteilArt::Offen;
  std::string Ziffern;  // 12 Ziffern bzw. "?" wie gelesen, die 12. berechnet, wenn sie fehlte; sonst
                        // die Nummer, wie wagennummer sie gliedert (nationale Loknummer)
  char Angeschrieben = 0, Berechnet = 0;
  const std::string* Wagenart = nullptr;  // Windows-1252, geteilt
  const std::string* Land = nullptr;
  const std::string* Gattung = nullptr;
  const std::string* Halter = nullptr;
  std::string Befunde;  // bei unbrauchbaren Zeilen die Meldung
  std::size_t Abweichungen = 0;
  TDoppelArt DoppelArt = TDoppelArt::Keine;
  std::uint32_t DoppelAndere = 0;  // Zeile ab 1
};
