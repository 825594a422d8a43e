#pragma once

#include "auswertung/auswertung.h"
#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"
#include "sammlung/listenmodell.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QProgressDialog;
class QPushButton;
class QTableView;
class TTabellenSchreiber;

// Wie die Liste gespeichert wird.
enum class TFormat { CsvWindows1252, CsvUtf8, Xlsx };

// Name und Format aus dem Speicherdialog: die getippte Endung (.csv, .xlsx) entscheidet; ohne
// eine davon gilt der gewaehlte Filter, und dessen Endung kommt dazu.
std::pair<QString, TFormat> ZielNach(QString Datei, TFormat Filter);

// "Tandrix Sammlung": eine ganze Liste pruefen, reparieren, ausgeben. Die Nummernlogik kommt aus
// auswertung/ wie bei wagennummer; geschrieben wird nur beim Speichern.
class TSammelfenster : public QMainWindow {
  Q_OBJECT

public:
  // Ohne Verzeichnis liest es Wagen.ebb und Kennzeichen.ebb neben der Programmdatei.
  explicit TSammelfenster(const std::optional<QString>& Datenverzeichnis = std::nullopt, QWidget* Eltern = nullptr);
  ~TSammelfenster() override;

  // Fuer Programmstart, Ziehen und Ablegen und Tests; leer, wenn die Datei gelesen wird, sonst
  // der Grund. Gelesen wird nur eine gewoehnliche Datei bis 64 MB, ohne auf etwas zu warten.
  QString Oeffnen(const QString& Datei);
  // Wie Oeffnen; sagt den Grund in einer Meldung (Kommandozeile, Dialog, Ablegen).
  bool OeffnenUndMelden(const QString& Datei);
  // Text wie aus der Zwischenablage: leere Liste -> neue Liste, sonst angehaengt.
  void TextEinfuegen(const QString& Text);
  // Schreibt ohne Rueckfrage; leer, wenn es geklappt hat, sonst der Grund. Jedes Byte wird
  // geprueft, erst dann ersetzt die neue Datei eine alte; bei einem Fehler bleibt die alte.
  // .xlsx verweigert es, wenn die Mappe nicht alles halten kann (TInhaltsPruefung).
  QString SpeichernNach(const QString& Datei, TFormat Format);
  // Ab wann Speichern seinen Fortschritt zeigt (ms); Tests setzen 0.
  void FortschrittNach(int Millisekunden) { FFortschrittNach = Millisekunden; }
  // Was das Lesen der Liste bemerkte, je Befund ein Satz mit der Zeile.
  const QStringList& LeseBefunde() const { return FLeseBefunde; }
  // Den Vorschlag Nummer (ab 0) der gewaehlten Zeile in die Zeile uebernehmen.
  bool VorschlagUebernehmen(int Nummer);
  bool IstGeaendert() const { return FGeaendert; }
  // Die geoeffnete Datei, auch ueber eine Verknuepfung erreicht.
  bool IstOriginal(const QString& Datei) const;
  bool IstFertig() const { return !FLesen && !FArbeit.isActive(); }

  TListenModell& Modell() { return *FModell; }
  TListenFilter& Filter() { return *FFilter; }
  QTableView& Tabelle() { return *FTabelle; }

protected:
  void closeEvent(QCloseEvent* Ereignis) override;
  void dragEnterEvent(QDragEnterEvent* Ereignis) override;
  void dropEvent(QDropEvent* Ereignis) override;

private:
  void MenuesAnlegen();
  void FlaecheAnlegen();
  void TabelleAnlegen();
  QWidget* DetailAnlegen();
  void StatuszeileAnlegen();
  void Verbinden();
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
  void ArbeitsSchritt();
  // Nach einem Abbruch: prueft, was noch nicht geprueft ist.
  void PruefungFortsetzen();
  void ArbeitBeenden();
  // Zaehlt alle Zeilen; ungepruefte nennt es, bis sie geprueft sind.
  void ZusammenfassungZeigen();
  void LeseBefundeZeigen(const QStringList& Befunde, bool Anhaengen);
  // Fuer das Speichern: was noch zu pruefen ist, in Schritten mit Fortschritt; false bei Abbruch.
  bool PruefungAbschliessen(QProgressDialog& Fortschritt);
  // Fragt vor dem Speichern, was das Format nicht halten kann, und bietet ein Format an, das es
  // kann (mit passender Endung); false: nicht speichern.
  bool FormatFragen(QString& Datei, TFormat& Format);
  bool SpeichernMitMeldung(const QString& Datei, TFormat Format);
  // Kopf und alle Zeilen in Schritten; false bei Abbruch, sonst Fehler leer oder der Grund.
  bool ZeilenSchreiben(TTabellenSchreiber& Schreiber, QProgressDialog& Fortschritt, QString& Fehler);
  // Eingefuegte Zeilen in die Spalten der Liste; was keinen Platz hat, nennt ein Befund.
  std::vector<QStringList> InDieSpalten(TTextListe& Liste, QStringList& Befunde) const;
  void LesenStarten(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe, bool Anhaengen);
  // Eingefuegte, im Hintergrund gelesene Zeilen hinter die Liste; geprueft in Schritten.
  void ZeilenAnhaengen(TTextListe Liste);
  // Ist Datei die geoeffnete Originaldatei (auch ueber eine Verknuepfung), fragt es.
  bool OriginalUeberschreiben(const QString& Datei);
  void SchnellPruefen();
  void SchnellHinzufuegen();
  // Nummern als neue Zeilen (Pruefzeile, freie Nummern), gleich ausgewertet.
  void NummernAnhaengen(const QStringList& Nummern);
  void DetailZeigen();
  void OeffnenFragen();
  void EinfuegenAusZwischenablage();
  void KopierenInZwischenablage();
  bool SpeichernUnter();
  void FreieNummern();
  // Freie Nummern der Reihe, die noch nicht in der Liste stehen; Text fuer das Ergebnisfeld.
  QStringList FreieSuchen(const QString& Reihe, int Von, int Bis, int Anzahl, QString& Text) const;
  std::vector<int> ZeilenDerAnsicht(bool NurMarkierte) const;
  int GewaehlteZeile() const;
  void TitelSetzen();

  TLadeErgebnis FStammdaten;
  TKennzeichen FKennzeichen;
  std::optional<TWissen> FWissen;

  TListenModell* FModell = nullptr;
  TListenFilter* FFilter = nullptr;
  QTableView* FTabelle = nullptr;
  QLineEdit* FSchnell = nullptr;
  QLabel* FSchnellErgebnis = nullptr;
  QPushButton* FSchnellDazu = nullptr;
  QComboBox* FTrenner = nullptr;
  QCheckBox* FKopfzeile = nullptr;
  QComboBox* FSpalte = nullptr;
  QCheckBox* FNurAuffaelliges = nullptr;
  QPlainTextEdit* FDetail = nullptr;
  QListWidget* FVorschlaege = nullptr;
  QPushButton* FUebernehmen = nullptr;
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
  bool FGeaendert = false;   // ungespeichert
  bool FBearbeitet = false;  // seit dem Lesen von FRoh von Hand geaendert
  struct {
    char Trenner = '\t';
    bool MitKopf = false;
    int Spalte = 0;
  } FLeseArt;
  bool FLeseArtWirdGezeigt = false;
};
