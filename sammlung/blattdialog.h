#pragma once

#include "mappe/mappe.h"

#include <QDialog>

class QListWidget;

// Hat eine Arbeitsmappe mehrere Blaetter, waehlt der Benutzer eines; vorgewaehlt ist das mit den
// meisten Nummern. Jedes Blatt zeigt seinen Namen und wie viele Zeilen es hat.
class TBlattDialog : public QDialog {
  Q_OBJECT
public:
  TBlattDialog(const TMappe& Mappe, int Vorgewaehlt, const QString& Datei, QWidget* Eltern = nullptr);
  int Gewaehlt() const;
  QListWidget& Liste() const { return *FListe; }

private:
  QListWidget* FListe = nullptr;
};
