#pragma once

#include <QRect>

// Rahmen eines Fensters (mit Titelleiste) so, dass er ganz in Flaeche liegt: passt er, bleibt er
// unveraendert; sonst so wenig wie moeglich verschoben und, nur wenn er groesser ist, verkleinert.
QRect Einpassen(const QRect& Rahmen, const QRect& Flaeche);
