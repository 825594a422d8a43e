#pragma once

#include "auswertung/auswertung.h"
#include "sammlung/doppelte.h"
#include "sammlung/pruefung.h"
#include "sammlung/zeile.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

// Die Zeilen der Liste fuer die Tabelle: Zellen des Benutzers und was Tandrix dazu weiss. Farben
// und Symbole zeichnet TUrteilDelegat, ausgewertet wird in TZeilenPruefung (ZeileAuswerten), die
// Doppelten verfolgt TDoppelVerfolgung; das Modell ruft sie nur.
class TListenModell : public QAbstractTableModel {
  Q_OBJECT
public:
  // Die Spalten hinter denen des Benutzers.
  enum TSpalte { Gelesen, Angeschrieben, Berechnet, Urteil, Art, Land, Halter, Gattung, Doppelt, Befunde, Anzahl };

  // Das Urteil einer Zeile (TUrteilArt als int) fuer Darstellung und Filter, in jeder Spalte.
  static constexpr int ArtRolle = Qt::UserRole + 1;

  explicit TListenModell(const TWissen& Wissen, QObject* Eltern = nullptr);

  int rowCount(const QModelIndex& Eltern = {}) const override;
  int columnCount(const QModelIndex& Eltern = {}) const override;
  QVariant data(const QModelIndex& Index, int Rolle) const override;
  QVariant headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const override;

  // Neue Liste, noch nicht ausgewertet.
  // AlsZahl je Zeile: die Nummernzelle war in der Arbeitsmappe eine Zahl (fehlt, heisst nein).
  void Setzen(QStringList Kopf, std::vector<QStringList> Zeilen, int Nummernspalte,
              const std::vector<bool>& AlsZahl = {});
  // Zeilen anhaengen (ausgewertet); Zellen wie die Liste, die Nummer in der Nummernspalte.
  void Anhaengen(const std::vector<QStringList>& Zeilen);
  // Zeilen anhaengen, noch nicht ausgewertet (Auswerten in Schritten).
  void AnhaengenOffen(std::vector<QStringList> Zeilen);
  // Zeilen [Von, Bis) auswerten. Kommen alle Zeilen der Reihe nach, sucht es dabei auch die
  // Doppelten (mit demselben Ergebnis wie DoppelteSuchen), so dass am Ende nichts mehr ueber
  // die ganze Liste laufen muss; sonst gelten die Doppelten erst nach DoppelteSuchen.
  void Auswerten(int Von, int Bis);
  void DoppelteSuchen();
  bool DoppelteAktuell() const { return FDoppelte.Aktuell(); }
  // Die Nummernzelle einer Zeile ersetzen (uebernommener Vorschlag) und neu auswerten.
  void NummerSetzen(int Zeile, const QString& Nummer);

  const QStringList& Kopf() const { return FKopf; }
  int Nummernspalte() const { return FNummernspalte; }
  int Benutzerspalten() const { return static_cast<int>(FKopf.size()); }
  const TZeile& Zeile(int Zeile) const { return FZeilen[static_cast<std::size_t>(Zeile)]; }
  QString Nummerntext(int Zeile) const;
  bool Auffaellig(int Zeile) const;
  std::vector<std::string> Belegt() const;
  // 12 Ziffern einer vollstaendig gelesenen Zeile, sonst leer.
  std::string Zwoelf(int Zeile) const;
  // Die Doppelte zu einer Zeile mit Verweis ab 1, wie die Zeilenkoepfe zaehlen.
  TDoppelt DoppeltZu(int Zeile) const;
  // Die ganze Auswertung einer Zeile, wie wagennummer sie kennt.
  TErgebnis Auswertung(int Zeile) const;
  // Text einer Zelle fuer Anzeige und Ausgabe (Benutzerspalten und Tandrix-Spalten).
  QString Text(int Zeile, int Spalte) const;

private:
  TSchluessel SchluesselVon(int Zeile) const { return {Zwoelf(Zeile), Nummerntext(Zeile).toStdString()}; }

  TZeilenPruefung FPruefung;
  QStringList FKopf;
  int FNummernspalte = 0;
  std::vector<TZeile> FZeilen;
  TDoppelVerfolgung FDoppelte;
};
