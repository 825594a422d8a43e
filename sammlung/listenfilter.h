#pragma once

#include "sammlung/zeile.h"

#include <QSortFilterProxyModel>

#include <vector>

// "nur Auffälliges": falsch, unvollständig, unbrauchbar, Abweichung der Anschrift oder doppelt.
// Sortiert nach dem angezeigten Text wie QSortFilterProxyModel (Gross/Klein unterschieden).
class TListenFilter : public QSortFilterProxyModel {
  Q_OBJECT
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void NurAuffaelliges(bool Nur);
  bool IstNurAuffaelliges() const { return FNur; }
  // Nur Zeilen eines Urteils (die Verweise der Statuszeile) oder nur Zeilen mit einer Doppelten,
  // gleich welches Urteils; AlleZeigen nimmt auch "nur Auffälliges" zurueck.
  enum class TAuswahl { Alle, Urteil, Doppelte };
  void NurUrteil(TUrteilArt Art);
  void NurDoppelte();
  void AlleZeigen();
  TAuswahl Auswahl() const { return FAuswahl; }
  TUrteilArt AusgewaehltesUrteil() const { return FArt; }

  // Waehrend eine Liste gelesen und geprueft wird, sortiert die Ansicht nicht: jedes Sortieren
  // von 100.000 Zeilen haelt das Fenster fuer Zehntelsekunden an. Ein Klick auf einen
  // Spaltenkopf wird vorgemerkt; Fortsetzen sortiert und filtert einmal neu.
  void Anhalten();
  void Fortsetzen();
  void sort(int Spalte, Qt::SortOrder Ordnung = Qt::AscendingOrder) override;

protected:
  bool filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const override;
  bool lessThan(const QModelIndex& Links, const QModelIndex& Rechts) const override;

private:
  bool FNur = false;
  TAuswahl FAuswahl = TAuswahl::Alle;
  TUrteilArt FArt = TUrteilArt::Offen;
  bool FAngehalten = false;
  int FSpalte = -1;
  Qt::SortOrder FOrdnung = Qt::AscendingOrder;
  // Texte der Sortierspalte, nur waehrend eines Sortierens: sonst entstuenden sie bei jedem
  // Vergleich neu (n log n mal statt n mal).
  std::vector<QString> FSchluessel;
};
