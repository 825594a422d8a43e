#pragma once

#include "kommandozeile/auswertung.h"
#include "nummer/liste.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

// Eine Zelle einer gelesenen Liste als Unicode, nach derselben Regel wie NachCp1252 (UTF-8 mit
// Mehrbyte-Zeichen oder Windows-1252), aber ohne Verlust: Ziffern anderer Schriften bleiben.
QString ZelleAlsText(const std::string& Zelle, TKennung Kennung);

// Wie die Liste dasteht: die Spalten des Benutzers, dahinter was Tandrix dazu weiss.
enum class TUrteilArt { Offen, Korrekt, Berechnet, Falsch, Unvollstaendig, Unbrauchbar };

// Was die Tabelle je Zeile zeigt. Die ganze Auswertung (Vorschlaege, Rechenweg) entsteht fuer
// die Detailansicht neu. Lange, sich wiederholende Texte (Land, Gattung) teilen sich alle Zeilen:
// 100.000 Zeilen belegten sonst ueber 180 MB (gemessen mit bench/sammlung_bench).
struct TZeile {
  QStringList Zellen;
  TUrteilArt Art = TUrteilArt::Offen;
  std::string Ziffern;  // 12 Ziffern bzw. "?" wie gelesen, die 12. berechnet, wenn sie fehlte; sonst
                        // die Nummer, wie wagennummer sie gliedert (nationale Loknummer)
  char Angeschrieben = 0, Berechnet = 0;
  const std::string* Wagenart = nullptr;  // Windows-1252, geteilt
  const std::string* Land = nullptr;
  const std::string* Gattung = nullptr;
  const std::string* Halter = nullptr;
  std::string Befunde;  // bei unbrauchbaren Zeilen die Meldung
  std::size_t Abweichungen = 0;
  TDoppelArt DoppelArt = TDoppelArt::Keine;
  std::uint32_t DoppelAndere = 0;  // Zeile ab 1
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
  // 12 Ziffern einer vollstaendig gelesenen Zeile, sonst leer.
  std::string Zwoelf(int Zeile) const;
  // Die Doppelte zu einer Zeile mit Verweis ab 1, wie die Zeilenkoepfe zaehlen.
  TDoppelt DoppeltZu(int Zeile) const;
  // Die ganze Auswertung einer Zeile, wie wagennummer sie kennt.
  TErgebnis Auswertung(int Zeile) const;
  // Text einer Zelle fuer Anzeige und Ausgabe (Benutzerspalten und Tandrix-Spalten).
  QString Text(int Zeile, int Spalte) const;

private:
  void Auswerten(TZeile& Zeile);
  const std::string* Geteilt(const std::string& Text);

  const TWissen& FWissen;
  QStringList FKopf;
  int FNummernspalte = 0;
  std::vector<TZeile> FZeilen;
  std::unordered_set<std::string> FTexte;
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
