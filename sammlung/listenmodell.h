#pragma once

#include "kommandozeile/auswertung.h"
#include "nummer/liste.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <string>
#include <vector>

// Eine Zelle einer gelesenen Liste als Unicode, nach derselben Regel wie NachCp1252 (UTF-8 mit
// Mehrbyte-Zeichen oder Windows-1252), aber ohne Verlust: Ziffern anderer Schriften bleiben.
QString ZelleAlsText(const std::string& Zelle, TKennung Kennung);

// Wie die Liste dasteht: die Spalten des Benutzers, dahinter was Tandrix dazu weiss.
enum class TUrteilArt { Offen, Korrekt, Berechnet, Falsch, Unvollstaendig, Unbrauchbar };

// Was die Tabelle je Zeile zeigt. Die ganze Auswertung (Vorschlaege, Rechenweg) entsteht fuer
// die Detailansicht neu: so belegt eine Zeile einige hundert Byte statt einiger Kilobyte.
struct TZeile {
  QStringList Zellen;
  TUrteilArt Art = TUrteilArt::Offen;
  std::string Nummer, Angeschrieben, Berechnet, Urteil, Wagenart, Land, Halter, Gattung, Befunde;  // Windows-1252
  std::size_t Abweichungen = 0;
  TSchluessel Schluessel;
  TDoppelt Doppelt;
};

class TListenModell : public QAbstractTableModel {
  Q_OBJECT
public:
  // Die Spalten hinter denen des Benutzers.
  enum TSpalte { Gelesen, Angeschrieben, Berechnet, Urteil, Art, Land, Halter, Gattung, Doppelt, Befunde, Anzahl };

  explicit TListenModell(const TWissen& Wissen, QObject* Eltern = nullptr);

  int rowCount(const QModelIndex& Eltern = {}) const override;
  int columnCount(const QModelIndex& Eltern = {}) const override;
  QVariant data(const QModelIndex& Index, int Rolle) const override;
  QVariant headerData(int Abschnitt, Qt::Orientation Richtung, int Rolle) const override;

  // Neue Liste, noch nicht ausgewertet.
  void Setzen(QStringList Kopf, std::vector<QStringList> Zeilen, int Nummernspalte);
  // Zeilen anhaengen (ausgewertet); Zellen wie die Liste, die Nummer in der Nummernspalte.
  void Anhaengen(const std::vector<QStringList>& Zeilen);
  // Zeilen [Von, Bis) auswerten; die Doppelten erst mit DoppelteSuchen.
  void Auswerten(int Von, int Bis);
  void DoppelteSuchen();
  // Die Nummernzelle einer Zeile ersetzen (uebernommener Vorschlag) und neu auswerten.
  void NummerSetzen(int Zeile, const QString& Nummer);

  const QStringList& Kopf() const { return FKopf; }
  int Nummernspalte() const { return FNummernspalte; }
  int Benutzerspalten() const { return static_cast<int>(FKopf.size()); }
  const TZeile& Zeile(int Zeile) const { return FZeilen[static_cast<std::size_t>(Zeile)]; }
  QString Nummerntext(int Zeile) const;
  bool Auffaellig(int Zeile) const;
  std::vector<std::string> Belegt() const;
  // Die ganze Auswertung einer Zeile, wie wagennummer sie kennt.
  TErgebnis Auswertung(int Zeile) const;
  // Text einer Zelle fuer Anzeige und Ausgabe (Benutzerspalten und Tandrix-Spalten).
  QString Text(int Zeile, int Spalte) const;

private:
  void Auswerten(TZeile& Zeile) const;

  const TWissen& FWissen;
  QStringList FKopf;
  int FNummernspalte = 0;
  std::vector<TZeile> FZeilen;
};

// "nur Auffälliges": falsch, unvollständig, unbrauchbar, Abweichung der Anschrift oder doppelt.
class TListenFilter : public QSortFilterProxyModel {
  Q_OBJECT
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void NurAuffaelliges(bool Nur);
  bool IstNurAuffaelliges() const { return FNur; }

protected:
  bool filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const override;

private:
  bool FNur = false;
};
