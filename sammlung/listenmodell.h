#pragma once

#include "auswertung/auswertung.h"
#include "auswertung/liste.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

// Eine Zelle einer gelesenen Liste als Unicode, nach derselben Regel wie NachCp1252 (UTF-8 mit
// Mehrbyte-Zeichen oder Windows-1252), aber ohne Verlust: Ziffern anderer Schriften bleiben.
QString ZelleAlsText(const std::string& Zelle, TKennung Kennung);

// Eine gelesene Liste als Unicode, wie das Modell sie bekommt. Kopf hat immer einen Namen je
// Spalte ("Spalte 3", wenn die Liste keinen hat).
struct TTextListe {
  QStringList Kopf;
  std::vector<QStringList> Zeilen;
  char Trenner = '\0';
  bool MitKopf = false;
  int Nummernspalte = 0;
  QStringList Befunde;  // was das Lesen bemerkte, je Befund ein Satz mit der Zeile
};
QStringList BefundTexte(const std::vector<TLeseBefund>& Befunde);
// Braucht kein Fenster und keinen geteilten Zustand: laeuft im Hintergrund. Wird Abbruch wahr,
// endet es nach der laufenden Zeile mit einer unvollstaendigen Liste.
TTextListe ListeAlsText(std::string_view Bytes, const TLeseVorgabe& Vorgabe, const std::atomic<bool>& Abbruch);

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
  // Zeilen anhaengen, noch nicht ausgewertet (Auswerten in Schritten).
  void AnhaengenOffen(std::vector<QStringList> Zeilen);
  // Zeilen [Von, Bis) auswerten. Kommen alle Zeilen der Reihe nach, sucht es dabei auch die
  // Doppelten (mit demselben Ergebnis wie DoppelteSuchen), so dass am Ende nichts mehr ueber
  // die ganze Liste laufen muss; sonst gelten die Doppelten erst nach DoppelteSuchen.
  void Auswerten(int Von, int Bis);
  void DoppelteSuchen();
  bool DoppelteAktuell() const { return FDoppelteAktuell; }
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
  TErgebnis AuswertungVon(const TZeile& Zeile, bool Erklaeren) const;
  const std::string* Geteilt(const std::string& Text);

  const TWissen& FWissen;
  QStringList FKopf;
  int FNummernspalte = 0;
  std::vector<TZeile> FZeilen;
  std::unordered_set<std::string> FTexte;
  // Die Doppelten der Zeilen [0, FDoppelteBis), Zeile fuer Zeile wie DoppelteFinden angemeldet;
  // -1, wenn die Reihe unterbrochen ist (eine Zeile geaendert).
  TDoppelSuche FSuche;
  int FDoppelteBis = 0;
  bool FDoppelteAktuell = true;
};

// "nur Auffälliges": falsch, unvollständig, unbrauchbar, Abweichung der Anschrift oder doppelt.
// Sortiert nach dem angezeigten Text wie QSortFilterProxyModel (Gross/Klein unterschieden).
class TListenFilter : public QSortFilterProxyModel {
  Q_OBJECT
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void NurAuffaelliges(bool Nur);
  bool IstNurAuffaelliges() const { return FNur; }

  // Waehrend eine Liste gelesen und geprueft wird, sortiert die Ansicht nicht: jedes Sortieren
  // von 100.000 Zeilen haelt das Fenster fuer Zehntelsekunden an. Ein Klick auf einen
  // Spaltenkopf wird vorgemerkt; Fortsetzen sortiert und filtert einmal neu.
  void Anhalten();
  void Fortsetzen();
  void sort(int Spalte, Qt::SortOrder Ordnung = Qt::AscendingOrder) override;

protected:
  bool filterAcceptsRow(int Zeile, const QModelIndex& Eltern) const override;
  bool lessThan(const QModelIndex& Links, const QModelIndex& Rechts) const override;

private:
  bool FNur = false;
  bool FAngehalten = false;
  int FSpalte = -1;
  Qt::SortOrder FOrdnung = Qt::AscendingOrder;
  // Texte der Sortierspalte, nur waehrend eines Sortierens: sonst entstuenden sie bei jedem
  // Vergleich neu (n log n mal statt n mal).
  std::vector<QString> FSchluessel;
};
