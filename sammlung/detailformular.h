#pragma once

#include "auswertung/auswertung.h"

#include <QWidget>

#include <string>

class QFormLayout;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QVBoxLayout;

// Die gewaehlte Zeile als Formular, wie ein Qt-Programm einen Datensatz zeigt: oben das Urteil
// gross in seiner Farbe mit Symbol, darunter die Angaben mit Bezeichnung, die Befunde je mit
// Symbol, der Rechenweg als kleines Raster und die Vorschlaege mit ihren Gruenden.
class TDetailFormular : public QWidget {
  Q_OBJECT
public:
  explicit TDetailFormular(QWidget* Eltern = nullptr);
  // Zeile ab 0, wie die Zeilenkoepfe ab 1 zaehlen; die Befunde nennt das Ergebnis (auch Doppelte).
  void Zeigen(int Zeile, const TErgebnis& Ergebnis);
  void Leeren();
  // Die 12 Ziffern des Vorschlags Nummer (ab 0), leer, wenn es ihn nicht gibt.
  std::string VorschlagZiffern(int Nummer) const;
  int GewaehlterVorschlag() const;

  // Fuer Tests: was das Formular gerade zeigt.
  QString UrteilText() const;
  QString Feld(const QString& Bezeichnung) const;
  QStringList Befunde() const;
  // Zeilen des Rechenrasters ("Ziffer", "Gewicht", ...) mit ihren Zellen.
  QStringList Rechenzeile(int Zeile) const;

signals:
  void Uebernehmen(int Nummer);

private:
  void VorschlaegeAnlegen(QVBoxLayout& Spalte);
  void UrteilZeigen(const TErgebnis& Ergebnis, int Zeile);
  void FelderZeigen(const TErgebnis& Ergebnis);
  void BefundeZeigen(const TErgebnis& Ergebnis);
  void RechenwegZeigen(const TErgebnis& Ergebnis);
  void VorschlaegeZeigen(const TErgebnis& Ergebnis);

  QScrollArea* FRahmen = nullptr;
  QLabel* FSymbol = nullptr;
  QLabel* FUrteil = nullptr;
  QLabel* FNummer = nullptr;
  QFormLayout* FFelder = nullptr;
  QVBoxLayout* FBefunde = nullptr;
  QLabel* FRechenTitel = nullptr;
  QGridLayout* FRechnung = nullptr;
  QTreeWidget* FVorschlaege = nullptr;
  QPushButton* FUebernehmen = nullptr;
};
