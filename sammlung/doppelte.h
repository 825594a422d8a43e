#pragma once

#include "auswertung/liste.h"
#include "sammlung/zeile.h"

#include <functional>
#include <vector>

// Die Doppelten einer Liste, waehrend sie Zeile fuer Zeile geprueft wird: kommen alle Zeilen der
// Reihe nach, ergibt das Anmelden dasselbe wie DoppelteFinden ueber die ganze Liste, ohne am Ende
// noch einmal ueber alle zu laufen. Wird die Reihe unterbrochen (eine Zeile geaendert, Zeilen
// ungeprueft angehaengt), gilt erst wieder Ganz.
class TDoppelVerfolgung {
public:
  using TSchluesselVon = std::function<TSchluessel(int Zeile)>;

  // Neue Liste: die Reihe beginnt bei Zeile 0; eine leere Liste ist schon aktuell.
  void Neu(bool Leer);
  void Unterbrechen();
  bool Aktuell() const { return FAktuell; }
  // Die eben gepruefte Zeilen [Von, Bis); setzt DoppelArt und DoppelAndere und liefert fruehere
  // Zeilen, deren Verweis sich aenderte (die erste ihrer Gruppe).
  std::vector<int> Anmelden(std::vector<TZeile>& Zeilen, int Von, int Bis, const TSchluesselVon& Schluessel);
  // Nach einer Unterbrechung: alle Zeilen auf einmal.
  void Ganz(std::vector<TZeile>& Zeilen, const TSchluesselVon& Schluessel);

private:
  TDoppelSuche FSuche;
  int FBis = 0;  // angemeldet sind [0, FBis); -1: unterbrochen
  bool FAktuell = true;
};
