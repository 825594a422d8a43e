#pragma once

#include "sammlung/zeile.h"

#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

// Was auf die Seiten einer gedruckten Liste kommt: PDF und Drucker bekommen dasselbe Bild.
struct TSeitenInhalt {
  QString Titel;  // Dateiname oder "eingefügte Liste"
  QString Datum;  // wie es oben rechts steht
  QStringList Kopf;
  std::vector<QStringList> Zeilen;  // je Zeile so viele Zellen wie Kopf
  std::vector<TUrteilArt> Arten;    // je Zeile ihr Urteil: Toenung und Symbol
  int Urteilsspalte = -1;           // Spalte mit dem Symbol
  QStringList Zusammenfassung;      // am Ende, je Urteil eine Zeile
};

// Legt die Liste auf Seiten (Kopf auf jeder Seite, Zellen umbrechen, "Seite 1 von 3" unten) und
// malt sie auf das Geraet; Seitengroesse und Ausrichtung hat der Aufrufer gesetzt. Die Schrift hat
// Zeichen ueber Windows-1252 hinaus (Ł, Č): Liberation Sans, sonst DejaVu Sans. false, wenn das
// Geraet sich nicht bemalen liess.
bool SeitenMalen(QPagedPaintDevice& Geraet, const TSeitenInhalt& Inhalt);
