#pragma once

#include "auswertung/auswertung.h"
#include "sammlung/zeile.h"

#include <QStringList>

#include <string>
#include <unordered_set>

// Die eine Stelle, an der eine Zeile der Liste ausgewertet wird: Tabelle, Detailansicht und
// Pruefzeile kommen hierher. Die ganze Zeile mit dem Kopf, damit die uebrigen Zellen (Spalte
// "Bezeichnung", "Halter") als Zusammenhang der Anschrift dazukommen koennen.
// AlsZahl: die Nummernzelle war in der Arbeitsmappe eine Zahl (fehlende fuehrende Null).
TErgebnis ZeileAuswerten(const TWissen& Wissen, const QStringList& Kopf, const QStringList& Zellen, int Nummernspalte,
                         bool Erklaeren, bool AlsZahl = false);

// Das Urteil der Auswertung, wie die Tabelle es zaehlt (ohne Pruefziffer zaehlt als unvollstaendig).
TUrteilArt UrteilArtVon(TUrteil Urteil);

// Macht aus dem Ergebnis, was die Tabelle je Zeile haelt; lange Texte teilen sich alle Zeilen.
class TZeilenPruefung {
public:
  explicit TZeilenPruefung(const TWissen& Wissen) : FWissen(Wissen) {}
  // Wertet die Zeile aus; die Zellen bleiben, alles andere entsteht neu (ohne Doppelte).
  void Pruefen(TZeile& Zeile, const QStringList& Kopf, int Nummernspalte);
  // Neue Liste: die geteilten Texte der alten fallen weg.
  void Leeren() { FTexte.clear(); }
  const TWissen& Wissen() const { return FWissen; }

private:
  const std::string* Geteilt(const std::string& Text);

  const TWissen& FWissen;
  std::unordered_set<std::string> FTexte;
};
