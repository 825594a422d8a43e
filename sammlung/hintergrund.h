#pragma once

#include "mappe/mappe.h"
#include "sammlung/sammelfenster.h"
#include "sammlung/textliste.h"

#include <QThread>

#include <atomic>
#include <memory>
#include <optional>

// Ein Lesen im Hintergrund: ListeAlsText bzw. MappeLesen in einem eigenen Faden, Ergebnis fuer
// den Fensterfaden.
struct TSammelfenster::TLesen {
  // Woran die Meldung "fertig" ihr Lesen erkennt: ein abgewartetes ist dann schon geloescht.
  quint64 Nummer = 0;
  bool Anhaengen = false;  // Zeilen fuer eine bestehende Liste
  std::atomic<bool> Abbruch = false;
  TTextListe Ergebnis;
  std::optional<TMappe> Mappe;  // eine Arbeitsmappe: das Blatt waehlt danach der Benutzer
  std::unique_ptr<QThread> Faden;
  ~TLesen()
  {
    Abbruch = true;
    Faden->wait();
  }
};

// Eine Frage mit eigenen deutschen Knoepfen; liefert den Index des gewaehlten.
int Fragen(QWidget* Eltern, const QString& Titel, const QString& Text, const QStringList& Knoepfe, int Vorgabe);
