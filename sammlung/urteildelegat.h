#pragma once

#include "sammlung/zeile.h"

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QStyledItemDelegate>

// Jedes Urteil hat eine eigene Form, nicht nur eine Farbe: Haken, Gleich, Kreuz, Fragezeichen,
// Ausrufezeichen (fuer Farbenblinde); leer fuer ungepruefte Zeilen.
QIcon UrteilSymbol(TUrteilArt Art);
// Die kraeftige Farbe des Urteils (Symbol, grosse Schrift der Detailansicht).
QColor UrteilFarbe(TUrteilArt Art);
// Die helle Toenung einer Zeile: die Urteilsfarbe wenig deckend ueber der Grundfarbe der Palette,
// so bleibt Text hell wie dunkel lesbar; ungueltig fuer ungepruefte Zeilen.
QColor UrteilToenung(TUrteilArt Art, const QPalette& Palette);

// Farbe und Symbol der Tabelle: die ganze Zeile nach ihrem Urteil getoent, das Symbol in der
// Urteilsspalte und bei Doppelten. Das Modell liefert nur das Urteil (TListenModell::ArtRolle).
class TUrteilDelegat : public QStyledItemDelegate {
  Q_OBJECT
public:
  // Spalten mit Symbol: Urteil und Doppelt (als Index des Modells).
  void SpaltenSetzen(int Urteil, int Doppelt);
  // Oeffentlich, damit Tests sehen, was gezeichnet wird.
  void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override;

  using QStyledItemDelegate::QStyledItemDelegate;

private:
  int FUrteil = -1;
  int FDoppelt = -1;
};
