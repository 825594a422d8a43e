#include "oberflaeche/einpassen.h"

#include <algorithm>

QRect Einpassen(const QRect& Rahmen, const QRect& Flaeche)
{
  if (Flaeche.isEmpty() || Flaeche.contains(Rahmen))
    return Rahmen;
  QRect Ergebnis(Rahmen.topLeft(), Rahmen.size().boundedTo(Flaeche.size()));
  // Erst rechts/unten hinein, dann links/oben: so bleiben Titelleiste und Menue sichtbar.
  Ergebnis.moveRight(std::min(Ergebnis.right(), Flaeche.right()));
  Ergebnis.moveBottom(std::min(Ergebnis.bottom(), Flaeche.bottom()));
  Ergebnis.moveLeft(std::max(Ergebnis.left(), Flaeche.left()));
  Ergebnis.moveTop(std::max(Ergebnis.top(), Flaeche.top()));
  return Ergebnis;
}
