#pragma once

#include "auswertung/auswertung.h"
#include "kennzeichen/kennzeichen.h"
#include "mappe/mappe.h"
#include "nummer/stammdaten.h"
#include "sammlung/listenfilter.h"
#include "sammlung/listenmodell.h"
#include "sammlung/textliste.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QProgressBar;
class QProgressDialog;
class QPushButton;
class QTableView;
class TTabellenSchreiber;
class TUrteilDelegat;
namespace Ui {
class TSammelfensterForm;
}

// Wie die Liste gespeichert wird.
enum class TFormat { CsvWindows1252, CsvUtf8, Xlsx };

// Name und Format aus dem Speicherdialog: die getippte Endung (.csv, .xlsx) entscheidet; ohne
// eine davon gilt der gewaehlte Filter, und dessen Endung kommt dazu.
std::pair<QString, TFormat> ZielNach(QString Datei, TFormat Filter);

// "Tandrix Sammlung": eine ganze Liste pruefen, reparieren, ausgeben. Die Nummernlogik kommt aus
// auswertung/ wie bei wagennummer; geschrieben wird nur beim Speichern. Die Teile stehen nach
// Aufgabe in eigenen Dateien: sammelfenster_lesen.cpp (Oeffnen, Lesen im Hintergrund, Pruefen in
// Schritten, Einfuegen), sammelfenster_speichern.cpp, sammelfenster_ausgabe.cpp (PDF, Drucken).
class TSammelfenster : public QMainWindow {
  Q_OBJECT

public:
  // Ohne Verzeichnis liest es Wagen.ebb und Kennzeichen.ebb neben der Programmdatei.
  explicit TSammelfenster(const std::optional<QString>& Datenverzeichnis = std::nullopt, QWidget* Eltern = nullptr);
  ~TSammelfenster() override;

  // Fuer Programmstart, Ziehen und Ablegen und Tests; leer, wenn die Datei gelesen wird, sonst
  // der Grund. Gelesen wird nur eine gewoehnliche Datei bis 64 MB, ohne auf etwas zu warten.
  // Eine Arbeitsmappe (.xlsx, .ods, .xls) erkennt es am Inhalt.
  QString Oeffnen(const QString& Datei);
  // Wie Oeffnen; sagt den Grund in einer Meldung (Kommandozeile, Dialog, Ablegen).
  bool OeffnenUndMelden(const QString& Datei);
  // Eine gelesene Arbeitsmappe: mit mehreren Blaettern fragt es, welches; false, wenn keines
  // gelesen wird (Fehler der Mappe, Abbruch). Oeffnen kommt nach dem Lesen hierher.
  bool MappeUebernehmen(const TMappe& Mappe);
  // Text wie aus der Zwischenablage: leere Liste -> neue Liste, sonst angehaengt.
  void TextEinfuegen(const QString& Text);
  // Schreibt ohne Rueckfrage; leer, wenn es geklappt hat, sonst der Grund. Jedes Byte wird
  // geprueft, erst dann ersetzt die neue Datei eine alte; bei einem Fehler bleibt die alte.
  // .xlsx verweigert es, wenn die Mappe nicht alles halten kann (TInhaltsPruefung).
  QString SpeichernNach(const QString& Datei, TFormat Format);
  // Die gepruefte Liste als PDF (A4 quer); leer, wenn es geklappt hat, sonst der Grund.
  QString PdfNach(const QString& Datei);
  // Ab wann Speichern seinen Fortschritt zeigt (ms); Tests setzen 0.
  void FortschrittNach(int Millisekunden) { FFortschrittNach = Millisekunden; }
  // Was das Lesen der Liste bemerkte, je Befund ein Satz mit der Zeile.
  const QStringList& LeseBefunde() const { return FLeseBefunde; }
  // Den Vorschlag Nummer (ab 0) der gewaehlten Zeile in die Zeile uebernehmen.
  bool VorschlagUebernehmen(int Nummer);
  bool IstGeaendert() const { return isWindowModified(); }
  // Die geoeffnete Datei, auch ueber eine Verknuepfung erreicht.
  bool IstOriginal(const QString& Datei) const;
  bool IstFertig() const { return !FLesen && !FArbeit.isActive(); }
  // Ein Verweis der Statuszeile ("korrekt", "falsch", …, "doppelt", "alle") filtert die Ansicht.
  void VerweisGewaehlt(const QString& Verweis);
  // Vor allem, was die Liste ersetzt oder das Fenster schliesst: bei ungespeicherten Aenderungen
  // fragt es (Speichern, Verwerfen, Abbrechen); false: nichts tun.
  bool AenderungenSichern();

  TListenModell& Modell() { return *FModell; }
  TListenFilter& Filter() { return *FFilter; }
  QTableView& Tabelle();
  TUrteilDelegat& Delegat() { return *FDelegat; }

protected:
  void closeEvent(QCloseEvent* Ereignis) override;
  void dragEnterEvent(QDragEnterEvent* Ereignis) override;
  void dropEvent(QDropEvent* Ereignis) override;

private slots:
  void OeffnenFragen();
  void Speichern();
  bool SpeichernUnter();
  void PdfSpeichern();
  void Drucken();
  void EinfuegenAusZwischenablage();
  void KopierenInZwischenablage();
  void PruefungFortsetzen();
  void FreieNummern();
  void Ueber();
  void SchnellPruefen();
  void SchnellHinzufuegen();
  void DetailZeigen();

private:
  void StatuszeileAnlegen();
  void Verbinden();
  void TabelleEinrichten();
  // "Prüfung abbrechen": ein Lesen laesst keine Liste, eine Pruefung laesst die Zeilen ungeprueft.
  void Abbrechen();
  void DatenLaden(const std::optional<QString>& Verzeichnis);
  // Liest im Hintergrund; danach prueft ArbeitsSchritt Zeile fuer Zeile.
  void ListeUebernehmen(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe);
  void ListeGelesen(TTextListe Liste);
  // Laesst ein laufendes Lesen fallen; es endet fuer sich, der Destruktor wartet darauf.
  void LesenVerlassen();
  // Wer die ganze Liste braucht (Anhaengen, Speichern), wartet das Lesen ab.
  void LesenAbwarten();
  // Zeigt FLeseArt in Trenner, Kopfzeile und Spalte, ohne neu zu lesen.
  void LeseArtZeigen();
  // Vor dem Neulesen: gehen Bearbeitungen verloren, fragt es; bei Nein bleibt die alte Lesart stehen.
  bool NeuLesenErlaubt();
  void LeseArtGeaendert();
  void TrennerGeaendert();
  void ArbeitsSchritt();
  void BreitenSetzen();
  // Startet das Pruefen in Schritten ab Zeile Erste.
  void PruefenAb(int Erste);
  void ArbeitBeenden();
  // Zaehlt alle Zeilen; ungepruefte nennt es, bis sie geprueft sind. Die Zahlen sind Verweise.
  void ZusammenfassungZeigen();
  void LeseBefundeZeigen(const QStringList& Befunde, bool Anhaengen);
  // Fuer das Speichern: was noch zu pruefen ist, in Schritten mit Fortschritt; false bei Abbruch.
  bool PruefungAbschliessen(QProgressDialog& Fortschritt);
  // Fragt vor dem Speichern, was das Format nicht halten kann, und bietet ein Format an, das es
  // kann (mit passender Endung); false: nicht speichern.
  bool FormatFragen(QString& Datei, TFormat& Format);
  bool XlsxFragen(QString& Datei, TFormat& Format, const QStringList& Grenzen);
  bool SpeichernMitMeldung(const QString& Datei, TFormat Format);
  QString SchreibenNach(const QString& Datei, TFormat Format, QProgressDialog& Fortschritt);
  // Kopf und alle Zeilen in Schritten; false bei Abbruch, sonst Fehler leer oder der Grund.
  bool ZeilenSchreiben(TTabellenSchreiber& Schreiber, QProgressDialog& Fortschritt, QString& Fehler);
  // Eine geoeffnete Arbeitsmappe: neben ihr als neue .xlsx, ausser der Benutzer will sie ersetzen.
  bool MappeSpeichern();
  // Eingefuegte Zeilen in die Spalten der Liste; was keinen Platz hat, nennt ein Befund.
  std::vector<QStringList> InDieSpalten(TTextListe& Liste, QStringList& Befunde) const;
  void LesenStarten(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe, bool Anhaengen);
  // Eingefuegte, im Hintergrund gelesene Zeilen hinter die Liste; geprueft in Schritten.
  void ZeilenAnhaengen(TTextListe Liste);
  // Ist Datei die geoeffnete Originaldatei (auch ueber eine Verknuepfung), fragt es.
  bool OriginalUeberschreiben(const QString& Datei);
  // Nummern als neue Zeilen (Pruefzeile, freie Nummern), gleich ausgewertet.
  void NummernAnhaengen(const QStringList& Nummern);
  // Freie Nummern der Reihe, die noch nicht in der Liste stehen; Text fuer das Ergebnisfeld.
  QStringList FreieSuchen(const QString& Reihe, int Von, int Bis, int Anzahl, QString& Text) const;
  std::vector<int> ZeilenDerAnsicht(bool NurMarkierte) const;
  int GewaehlteZeile() const;
  // Nach jeder Bearbeitung: geaendert, Titel, Zahlen.
  void ListeGeaendert();
  void TitelSetzen();

  std::unique_ptr<Ui::TSammelfensterForm> FUi;
  TLadeErgebnis FStammdaten;
  TKennzeichen FKennzeichen;
  std::optional<TWissen> FWissen;

  TListenModell* FModell = nullptr;
  TListenFilter* FFilter = nullptr;
  TUrteilDelegat* FDelegat = nullptr;
  QProgressBar* FFortschritt = nullptr;
  QPushButton* FAbbrechen = nullptr;
  QLabel* FZusammenfassung = nullptr;
  QLabel* FLeseHinweis = nullptr;
  QStringList FLeseBefunde;
  int FFortschrittNach = 500;
  struct TLesen;
  std::unique_ptr<TLesen> FLesen;                   // liest gerade
  std::vector<std::unique_ptr<TLesen>> FVerlassen;  // abgebrochen, laufen noch zu Ende
  quint64 FLeseNummern = 0;
  QTimer FArbeit;
  int FNaechste = 0;  // naechste auszuwertende Zeile
  bool FBreitenGesetzt = false;

  QByteArray FRoh;    // was zuletzt als Ganzes gelesen wurde, fuer eine andere Lesart
  QString FOriginal;  // geoeffnete Datei: wird nie ohne Frage ueberschrieben
  QString FZiel;      // zuletzt gespeichert
  TFormat FZielFormat = TFormat::CsvWindows1252;
  bool FBearbeitet = false;  // seit dem Lesen von FRoh von Hand geaendert
  // Eine geoeffnete Arbeitsmappe: ihr gewaehltes Blatt und wie viele Blaetter sie hatte.
  std::optional<TBlatt> FBlatt;
  int FBlaetter = 0;
  struct {
    char Trenner = '\t';
    bool MitKopf = false;
    int Spalte = 0;
  } FLeseArt;
  bool FLeseArtWirdGezeigt = false;
};
