#include "sammlung/listenfilter.h"

#include "sammlung/listenmodell.h"

void TListenFilter::NurAuffaelliges(bool Nur)
{
  FNur = Nur;
  invalidateFilter();
}

void TListenFilter::Anhalten()
{
  FAngehalten = true;
  QSortFilterProxyModel::sort(-1);
}

void TListenFilter::Fortsetzen()
{
  FAngehalten = false;
  // Erst filtern, solange unsortiert (keine Vergleiche), dann einmal sortieren.
  invalidateFilter();
  sort(FSpalte, FOrdnung);
}

void TListenFilter::sort(int Spalte, Qt::SortOrder Ordnung)
{
  FSpalte = Spalte;
  FOrdnung = Ordnung;
  if (FAngehalten)
    return;
  const auto* Modell = static_cast<const TListenModell*>(sourceModel());
  // Die Spalten des Benutzers liegen schon als Text vor; nur die berechneten lohnen den Vorrat.
  if (Modell && Spalte >= Modell->Benutzerspalten()) {
    FSchluessel.resize(static_cast<std::size_t>(Modell->rowCount()));
    for (int Zeile = 0; Zeile < Modell->rowCount(); ++Zeile)
      FSchluessel[static_cast<std::size_t>(Zeile)] = Modell->Text(Zeile, Spalte);
  }
  QSortFilterProxyModel::sort(Spalte, Ordnung);
  FSchluessel.clear();
  FSchluessel.shrink_to_fit();
}

bool TListenFilter::lessThan(const QModelIndex& Links, const QModelIndex& Rechts) const
{
  const auto* Modell = static_cast<const TListenModell*>(sourceModel());
  const auto Text = [&](const QModelIndex& Index) {
    return FSchluessel.empty() ? Modell->Text(Index.row(), Index.column())
                               : FSchluessel[static_cast<std::size_t>(Index.row())];
  };
  return Text(Links).compare(Text(Rechts), sortCaseSensitivity()) < 0;
}

void TListenFilter::NurUrteil(TUrteilArt Art)
{
  FAuswahl = TAuswahl::Urteil;
  FArt = Art;
  invalidateFilter();
}

void TListenFilter::NurDoppelte()
{
  FAuswahl = TAuswahl::Doppelte;
  invalidateFilter();
}

void TListenFilter::AlleZeigen()
{
  FAuswahl = TAuswahl::Alle;
  FNur = false;
  invalidateFilter();
}

bool TListenFilter::filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const
{
  Q_UNUSED(Eltern);
  const auto* Modell = static_cast<const TListenModell*>(sourceModel());
  if (FNur && !Modell->Auffaellig(Zeile))
    return false;
  switch (FAuswahl) {
    case TAuswahl::Urteil:
      return Modell->Zeile(Zeile).Art == FArt;
    case TAuswahl::Doppelte:
      return Modell->Zeile(Zeile).DoppelArt != TDoppelArt::Keine;
    case TAuswahl::Alle:
      break;
  }
  return true;
}
