#include "sammlung/sammelfenster.h"

#include "sammlung/speichern.h"
#include "zeichen/text.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <sstream>

namespace {

// Groesser liest das Fenster nicht: 100.000 Zeilen einer ueblichen Liste sind etwa 6 MB.
constexpr qint64 HoechsteDateigroesse = 64LL * 1024 * 1024;
// So lange rechnet ein Arbeitsschritt, bevor das Fenster wieder Ereignisse bearbeitet; mit dem
// Zeichnen danach bleibt jede Pause unter etwa 50 ms (docs/leistung.md).
constexpr qint64 SchrittMillisekunden = 25;

const QList<QPair<QString, char>>& Trennerliste()
{
  static const QList<QPair<QString, char>> Liste = {{QStringLiteral("Tabulator"), '\t'},
                                                    {QStringLiteral("Semikolon ;"), ';'},
                                                    {QStringLiteral("Komma ,"), ','},
                                                    {QStringLiteral("senkrechter Strich |"), '|'},
                                                    {QStringLiteral("keiner (eine Spalte)"), '\0'}};
  return Liste;
}

QLabel* Beschriftung(const QString& Text, QWidget* Fuer)
{
  auto* Label = new QLabel(Text);
  Label->setBuddy(Fuer);
  return Label;
}

// Eine Frage mit eigenen deutschen Knoepfen; liefert den Index des gewaehlten.
int Fragen(QWidget* Eltern, const QString& Titel, const QString& Text, const QStringList& Knoepfe, int Vorgabe)
{
  QMessageBox Box(QMessageBox::Question, Titel, Text, QMessageBox::NoButton, Eltern);
  Box.setTextFormat(Qt::PlainText);
  QList<QAbstractButton*> Liste;
  for (const QString& Knopf : Knoepfe)
    Liste << Box.addButton(Knopf, QMessageBox::ActionRole);
  Box.setDefaultButton(static_cast<QPushButton*>(Liste[Vorgabe]));
  Box.setEscapeButton(Liste.back());
  Box.exec();
  return static_cast<int>(Liste.indexOf(Box.clickedButton()));
}

}  // namespace

TSammelfenster::TSammelfenster(const std::optional<QString>& Datenverzeichnis, QWidget* Eltern) : QMainWindow(Eltern)
{
  DatenLaden(Datenverzeichnis);
  FModell = new TListenModell(*FWissen, this);
  FFilter = new TListenFilter(this);
  FFilter->setSourceModel(FModell);
  // Waehrend der Auswertung nicht nach jedem Schritt neu sortieren; am Ende einmal.
  FFilter->setDynamicSortFilter(false);
  FlaecheAnlegen();
  MenuesAnlegen();
  setAcceptDrops(true);
  FArbeit.setInterval(0);
  connect(&FArbeit, &QTimer::timeout, this, &TSammelfenster::ArbeitsSchritt);
  TitelSetzen();
  resize(1100, 680);
}

// Ein Lesen im Hintergrund: ListeAlsText in einem eigenen Faden, Ergebnis fuer den Fensterfaden.
struct TSammelfenster::TLesen {
  // Woran die Meldung "fertig" ihr Lesen erkennt: ein abgewartetes ist dann schon geloescht.
  quint64 Nummer = 0;
  std::atomic<bool> Abbruch = false;
  TTextListe Ergebnis;
  std::unique_ptr<QThread> Faden;
  ~TLesen()
  {
    Abbruch = true;
    Faden->wait();
  }
};

TSammelfenster::~TSammelfenster() = default;

void TSammelfenster::DatenLaden(const std::optional<QString>& Verzeichnis)
{
  if (Verzeichnis) {
    const std::filesystem::path Pfad = QFileInfo(*Verzeichnis).filesystemAbsoluteFilePath();
    FStammdaten = LadeStammdaten(Pfad / "Wagen.ebb");
    FKennzeichen = LadeKennzeichen(Pfad / "Kennzeichen.ebb");
  } else {
    FStammdaten = LadeStammdaten();
    FKennzeichen = LadeKennzeichen();
  }
  FWissen.emplace(TWissen{FStammdaten.Stammdaten, FKennzeichen, FStammdaten.Version != VersionFehlt,
                          FKennzeichen.Version != VersionFehlt});
}

void TSammelfenster::FlaecheAnlegen()
{
  auto* Flaeche = new QWidget;
  auto* Spalte = new QVBoxLayout(Flaeche);

  FSchnell = new QLineEdit;
  FSchnell->setAccessibleName(QStringLiteral("Nummer prüfen"));
  FSchnell->setPlaceholderText(QStringLiteral("Nummer oder ganze Anschrift, z. B. 31 RIV 80 D-DB 665 2 003-8 Fals"));
  FSchnell->setClearButtonEnabled(true);
  FSchnellDazu = new QPushButton(QStringLiteral("Zur &Liste"));
  FSchnellDazu->setAccessibleName(QStringLiteral("Nummer zur Liste hinzufügen"));
  FSchnellDazu->setEnabled(false);
  auto* Zeile1 = new QHBoxLayout;
  Zeile1->addWidget(Beschriftung(QStringLiteral("&Nummer prüfen:"), FSchnell));
  Zeile1->addWidget(FSchnell, 1);
  Zeile1->addWidget(FSchnellDazu);
  Spalte->addLayout(Zeile1);
  FSchnellErgebnis = new QLabel;
  FSchnellErgebnis->setTextFormat(Qt::PlainText);
  FSchnellErgebnis->setWordWrap(true);
  FSchnellErgebnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FSchnellErgebnis->setAccessibleName(QStringLiteral("Ergebnis der Prüfung"));
  Spalte->addWidget(FSchnellErgebnis);

  FTrenner = new QComboBox;
  for (const auto& [Name, Zeichen] : Trennerliste())
    FTrenner->addItem(Name);
  FTrenner->setAccessibleName(QStringLiteral("Trenner der Spalten"));
  FKopfzeile = new QCheckBox(QStringLiteral("&Erste Zeile ist Kopfzeile"));
  FKopfzeile->setAccessibleName(QStringLiteral("Erste Zeile ist Kopfzeile"));
  FSpalte = new QComboBox;
  FSpalte->setAccessibleName(QStringLiteral("Spalte mit der Nummer"));
  FNurAuffaelliges = new QCheckBox(QStringLiteral("nur &Auffälliges"));
  FNurAuffaelliges->setAccessibleName(QStringLiteral("Nur auffällige Zeilen zeigen"));
  FNurAuffaelliges->setToolTip(
      QStringLiteral("falsch, unvollständig, unbrauchbar, doppelt oder eine Abweichung der Anschrift"));
  auto* Zeile2 = new QHBoxLayout;
  Zeile2->addWidget(Beschriftung(QStringLiteral("&Trenner:"), FTrenner));
  Zeile2->addWidget(FTrenner);
  Zeile2->addWidget(FKopfzeile);
  Zeile2->addWidget(Beschriftung(QStringLiteral("Nummer in &Spalte:"), FSpalte));
  Zeile2->addWidget(FSpalte);
  Zeile2->addStretch(1);
  Zeile2->addWidget(FNurAuffaelliges);
  Spalte->addLayout(Zeile2);

  FTabelle = new QTableView;
  FTabelle->setModel(FFilter);
  FTabelle->setAccessibleName(QStringLiteral("Liste der Nummern"));
  FTabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
  FTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FTabelle->setTabKeyNavigation(false);
  FTabelle->setWordWrap(false);
  FTabelle->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  FTabelle->setSortingEnabled(true);
  FTabelle->verticalHeader()->setDefaultSectionSize(FTabelle->fontMetrics().height() + 6);

  auto* Rechts = new QWidget;
  auto* RechtsSpalte = new QVBoxLayout(Rechts);
  RechtsSpalte->setContentsMargins(0, 0, 0, 0);
  FDetail = new QPlainTextEdit;
  FDetail->setReadOnly(true);
  FDetail->setAccessibleName(QStringLiteral("Angaben zur gewählten Zeile"));
  FDetail->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  FDetail->setTabChangesFocus(true);
  // Der Rechenweg steht in Spalten, die nur eine Schrift fester Breite haelt.
  FDetail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  FVorschlaege = new QListWidget;
  FVorschlaege->setAccessibleName(QStringLiteral("Vorschläge, die glaubwürdigsten zuerst"));
  FUebernehmen = new QPushButton(QStringLiteral("Vorschlag in die Zeile ü&bernehmen"));
  FUebernehmen->setAccessibleName(QStringLiteral("Vorschlag in die Zeile übernehmen"));
  FUebernehmen->setEnabled(false);
  RechtsSpalte->addWidget(Beschriftung(QStringLiteral("&Angaben zur Zeile:"), FDetail));
  RechtsSpalte->addWidget(FDetail, 3);
  RechtsSpalte->addWidget(Beschriftung(QStringLiteral("&Vorschläge:"), FVorschlaege));
  RechtsSpalte->addWidget(FVorschlaege, 1);
  RechtsSpalte->addWidget(FUebernehmen);

  auto* Teiler = new QSplitter(Qt::Horizontal);
  Teiler->addWidget(FTabelle);
  Teiler->addWidget(Rechts);
  Teiler->setStretchFactor(0, 2);
  Teiler->setStretchFactor(1, 1);
  Teiler->setSizes({700, 380});
  Spalte->addWidget(Teiler, 1);
  setCentralWidget(Flaeche);

  FZusammenfassung =
      new QLabel(QStringLiteral("Noch keine Liste: Datei öffnen, hineinziehen oder mit Strg+V einfügen."));
  FFortschritt = new QProgressBar;
  FFortschritt->setAccessibleName(QStringLiteral("Fortschritt der Prüfung"));
  FFortschritt->setMaximumWidth(200);
  FFortschritt->hide();
  FAbbrechen = new QPushButton(QStringLiteral("Prüfung abbre&chen"));
  FAbbrechen->setAccessibleName(QStringLiteral("Prüfung abbrechen"));
  FAbbrechen->hide();
  statusBar()->addWidget(FZusammenfassung, 1);
  statusBar()->addPermanentWidget(FFortschritt);
  statusBar()->addPermanentWidget(FAbbrechen);

  setTabOrder(FSchnell, FSchnellDazu);
  setTabOrder(FSchnellDazu, FTrenner);
  setTabOrder(FTrenner, FKopfzeile);
  setTabOrder(FKopfzeile, FSpalte);
  setTabOrder(FSpalte, FNurAuffaelliges);
  setTabOrder(FNurAuffaelliges, FTabelle);
  setTabOrder(FTabelle, FDetail);
  setTabOrder(FDetail, FVorschlaege);
  setTabOrder(FVorschlaege, FUebernehmen);

  connect(FSchnell, &QLineEdit::textChanged, this, &TSammelfenster::SchnellPruefen);
  connect(FSchnell, &QLineEdit::returnPressed, this, &TSammelfenster::SchnellHinzufuegen);
  connect(FSchnellDazu, &QPushButton::clicked, this, &TSammelfenster::SchnellHinzufuegen);
  connect(FTrenner, &QComboBox::currentIndexChanged, this, [this] {
    if (FLeseArtWirdGezeigt || !NeuLesenErlaubt())
      return;
    TLeseVorgabe Vorgabe;
    Vorgabe.Trenner = Trennerliste()[FTrenner->currentIndex()].second;
    ListeUebernehmen(FRoh, Vorgabe);
  });
  connect(FKopfzeile, &QCheckBox::toggled, this, &TSammelfenster::LeseArtGeaendert);
  connect(FSpalte, &QComboBox::currentIndexChanged, this, &TSammelfenster::LeseArtGeaendert);
  connect(FNurAuffaelliges, &QCheckBox::toggled, FFilter, &TListenFilter::NurAuffaelliges);
  connect(FTabelle->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TSammelfenster::DetailZeigen);
  connect(FVorschlaege, &QListWidget::itemActivated, this,
          [this] { VorschlagUebernehmen(FVorschlaege->currentRow()); });
  connect(FUebernehmen, &QPushButton::clicked, this, [this] { VorschlagUebernehmen(FVorschlaege->currentRow()); });
  connect(FAbbrechen, &QPushButton::clicked, this, [this] {
    if (!FLesen) {
      ArbeitBeenden(true);
      return;
    }
    // Ohne gelesene Liste bleibt keine: wie vor dem Oeffnen, nur mit Hinweis.
    LesenVerlassen();
    FRoh.clear();
    FOriginal.clear();
    FGeaendert = false;
    FFortschritt->hide();
    FAbbrechen->hide();
    FFilter->Fortsetzen();
    LeseArtZeigen();
    TitelSetzen();
    FZusammenfassung->setText(QStringLiteral("Lesen abgebrochen: keine Liste."));
  });
  LeseArtZeigen();
}

void TSammelfenster::MenuesAnlegen()
{
  QMenu* Datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  Datei->addAction(QStringLiteral("Ö&ffnen …"), QKeySequence::Open, this, &TSammelfenster::OeffnenFragen);
  Datei->addAction(QStringLiteral("&Speichern"), QKeySequence::Save, this, [this] {
    if (FZiel.isEmpty()) {
      SpeichernUnter();
      return;
    }
    if (const QString Fehler = SpeichernNach(FZiel, FZielFormat); !Fehler.isEmpty())
      QMessageBox::warning(this, QStringLiteral("Speichern"), Fehler);
  });
  Datei->addAction(QStringLiteral("Speichern &unter …"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), this,
                   &TSammelfenster::SpeichernUnter);
  Datei->addSeparator();
  Datei->addAction(QStringLiteral("&Beenden"), QKeySequence(QStringLiteral("Ctrl+Q")), this, &QWidget::close);

  QMenu* Bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  Bearbeiten->addAction(QStringLiteral("Aus Tabellenkalkulation &einfügen"), QKeySequence::Paste, this,
                        &TSammelfenster::EinfuegenAusZwischenablage);
  Bearbeiten->addAction(QStringLiteral("Markierte Zeilen &kopieren"), QKeySequence::Copy, this,
                        &TSammelfenster::KopierenInZwischenablage);
  Bearbeiten->addSeparator();
  Bearbeiten->addAction(QStringLiteral("&Freie Nummern einer Reihe …"), QKeySequence(QStringLiteral("Ctrl+R")), this,
                        &TSammelfenster::FreieNummern);

  QMenu* Hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  Hilfe->addAction(QStringLiteral("Ü&ber Tandrix Sammlung"), this, [this] {
    QMessageBox::about(
        this, QStringLiteral("Über Tandrix Sammlung"),
        QStringLiteral("Tandrix Sammlung %1\n\nPrüft ganze Listen von Wagennummern: einfügen oder "
                       "öffnen, prüfen, reparieren, als CSV%2 speichern.\nDaten: %3")
            .arg(QCoreApplication::applicationVersion(),
                 XlsxVorhanden() ? QStringLiteral(" oder Excel-Arbeitsmappe") : QString(),
                 FWissen->MitDaten ? AusCp1252(FStammdaten.Version) : QStringLiteral("Wagen.ebb nicht geladen")));
  });
}

void TSammelfenster::TitelSetzen()
{
  const QString Name = FOriginal.isEmpty() ? (FModell->rowCount() > 0 || FLesen ? QStringLiteral("eingefügte Liste")
                                                                                : QStringLiteral("keine Liste"))
                                           : QFileInfo(FOriginal).fileName();
  // Der Zustand auch im Titel: in der Taskleiste sichtbar, und wer das Fenster von aussen
  // steuert (scripts/sammlung-ansehen), wartet darauf.
  const QString Zustand = FLesen               ? QStringLiteral(" – lese …")
                          : FArbeit.isActive() ? QStringLiteral(" – prüfe …")
                                               : QString();
  setWindowTitle(QStringLiteral("Tandrix Sammlung – %1%2%3")
                     .arg(Name, FGeaendert ? QStringLiteral(" (geändert)") : QString(), Zustand));
}

bool TSammelfenster::Oeffnen(const QString& Datei)
{
  QFile Eingabe(Datei);
  if (!Eingabe.open(QIODevice::ReadOnly) || Eingabe.size() > HoechsteDateigroesse)
    return false;
  FRoh = Eingabe.readAll();
  FOriginal = QFileInfo(Datei).absoluteFilePath();
  FZiel.clear();
  FGeaendert = false;
  ListeUebernehmen(FRoh, {});
  return true;
}

void TSammelfenster::OeffnenFragen()
{
  if (FGeaendert && Fragen(this, QStringLiteral("Öffnen"),
                           QStringLiteral("Die Liste hat ungespeicherte Änderungen. Trotzdem eine andere öffnen?"),
                           {QStringLiteral("Verwerfen und öffnen"), QStringLiteral("Abbrechen")}, 1) != 0)
    return;
  const QString Datei = QFileDialog::getOpenFileName(this, QStringLiteral("Liste öffnen"), QString(),
                                                     QStringLiteral("Listen (*.csv *.tsv *.txt);;Alle Dateien (*)"));
  if (!Datei.isEmpty() && !Oeffnen(Datei))
    QMessageBox::warning(this, QStringLiteral("Öffnen"),
                         QStringLiteral("„%1“ ließ sich nicht lesen (oder ist größer als 64 MB).").arg(Datei));
}

void TSammelfenster::ListeUebernehmen(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe)
{
  FArbeit.stop();
  LesenVerlassen();
  // Leer, solange gelesen wird: die alte Liste gehoert nicht zu dem, was der Titel nennt.
  FFilter->Anhalten();
  FModell->Setzen({}, {}, 0);
  FLesen = std::make_unique<TLesen>();
  TLesen* Lesen = FLesen.get();
  Lesen->Nummer = ++FLeseNummern;
  // Bytes teilt seine Daten nur (implizit geteilt): der Faden liest sie, niemand aendert sie.
  Lesen->Faden.reset(QThread::create([Lesen, Bytes, Vorgabe] {
    Lesen->Ergebnis = ListeAlsText(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())), Vorgabe,
                                   Lesen->Abbruch);
  }));
  connect(Lesen->Faden.get(), &QThread::finished, this, [this, Nummer = Lesen->Nummer] {
    if (FLesen && FLesen->Nummer == Nummer) {
      TTextListe Liste = std::move(FLesen->Ergebnis);
      FLesen.reset();
      ListeGelesen(std::move(Liste));
    } else {
      std::erase_if(FVerlassen, [Nummer](const auto& Verlassen) { return Verlassen->Nummer == Nummer; });
    }
  });
  Lesen->Faden->start();
  FFortschritt->setRange(0, 0);  // ohne Ende, bis die Zeilen gezaehlt sind
  FFortschritt->show();
  FAbbrechen->show();
  FZusammenfassung->setText(QStringLiteral("Lese die Liste …"));
  TitelSetzen();
}

void TSammelfenster::LesenVerlassen()
{
  if (!FLesen)
    return;
  FLesen->Abbruch = true;
  FVerlassen.push_back(std::move(FLesen));
}

void TSammelfenster::LesenAbwarten()
{
  if (!FLesen)
    return;
  FLesen->Faden->wait();
  TTextListe Liste = std::move(FLesen->Ergebnis);
  FLesen.reset();
  ListeGelesen(std::move(Liste));
}

void TSammelfenster::ListeGelesen(TTextListe Liste)
{
  const QStringList Kopf = Liste.Kopf;
  FModell->Setzen(std::move(Liste.Kopf), std::move(Liste.Zeilen), Liste.Nummernspalte);
  FBearbeitet = false;
  FLeseArt = {Liste.Trenner, Liste.MitKopf, Liste.Nummernspalte};
  FSpalte->blockSignals(true);
  FSpalte->clear();
  FSpalte->addItems(Kopf);
  FSpalte->blockSignals(false);
  LeseArtZeigen();

  FNaechste = 0;
  FBreitenGesetzt = false;
  FFortschritt->setRange(0, std::max(FModell->rowCount(), 1));
  FFortschritt->setValue(0);
  FFortschritt->show();
  FAbbrechen->show();
  FZusammenfassung->setText(QStringLiteral("Prüfe %1 Zeilen …").arg(FModell->rowCount()));
  FArbeit.start();
  TitelSetzen();
}

bool TSammelfenster::NeuLesenErlaubt()
{
  if (!FBearbeitet || Fragen(this, QStringLiteral("Neu lesen"),
                             QStringLiteral("Beim Neulesen mit dieser Einstellung gehen die Änderungen an der "
                                            "Liste verloren (übernommene Vorschläge, hinzugefügte Zeilen)."),
                             {QStringLiteral("Neu lesen"), QStringLiteral("Abbrechen")}, 1) == 0)
    return true;
  LeseArtZeigen();
  return false;
}

void TSammelfenster::LeseArtZeigen()
{
  FLeseArtWirdGezeigt = true;
  const auto Trenner = std::find_if(Trennerliste().begin(), Trennerliste().end(),
                                    [&](const auto& Paar) { return Paar.second == FLeseArt.Trenner; });
  FTrenner->setCurrentIndex(static_cast<int>(Trenner - Trennerliste().begin()));
  FKopfzeile->setChecked(FLeseArt.MitKopf);
  FSpalte->setCurrentIndex(FLeseArt.Spalte);
  FLeseArtWirdGezeigt = false;
  const bool Da = !FRoh.isEmpty();
  FTrenner->setEnabled(Da);
  FKopfzeile->setEnabled(Da);
  FSpalte->setEnabled(Da);
}

void TSammelfenster::LeseArtGeaendert()
{
  if (FLeseArtWirdGezeigt || FRoh.isEmpty() || !NeuLesenErlaubt())
    return;
  TLeseVorgabe Vorgabe;
  Vorgabe.Trenner = Trennerliste()[FTrenner->currentIndex()].second;
  Vorgabe.MitKopf = FKopfzeile->isChecked();
  Vorgabe.Spalte = std::to_string(std::max(FSpalte->currentIndex(), 0) + 1);
  ListeUebernehmen(FRoh, Vorgabe);
}

void TSammelfenster::ArbeitsSchritt()
{
  const int Zeilen = FModell->rowCount();
  // Was nach der letzten Zeile kommt (Sortieren), in einem eigenen Schritt.
  if (FNaechste >= Zeilen) {
    ArbeitBeenden(false);
    return;
  }
  FFortschritt->setMaximum(Zeilen);  // auch mit Zeilen, die waehrenddessen dazukamen
  if (!FBreitenGesetzt) {
    // Breiten nach den ersten 200 Zeilen, hoechstens 220 Pixel: eine lange Zelle soll nicht die
    // ganze Tabelle verschieben. Allein in diesem Schritt: das Messen kostet selbst etwa 20 ms.
    FBreitenGesetzt = true;
    FNaechste = std::min(200, Zeilen);
    FModell->Auswerten(0, FNaechste);
    FTabelle->horizontalHeader()->setResizeContentsPrecision(200);
    FTabelle->resizeColumnsToContents();
    for (int Spalte = 0; Spalte < FModell->columnCount(); ++Spalte)
      FTabelle->setColumnWidth(Spalte, std::min(FTabelle->columnWidth(Spalte), 220));
    FFortschritt->setValue(FNaechste);
    return;
  }
  QElapsedTimer Uhr;
  Uhr.start();
  while (FNaechste < Zeilen && Uhr.elapsed() < SchrittMillisekunden) {
    const int Bis = std::min(FNaechste + 100, Zeilen);
    FModell->Auswerten(FNaechste, Bis);
    FNaechste = Bis;
  }
  FFortschritt->setValue(FNaechste);
}

void TSammelfenster::ArbeitBeenden(bool Abgebrochen)
{
  FArbeit.stop();
  FFortschritt->hide();
  FAbbrechen->hide();
  if (!FModell->DoppelteAktuell())
    FModell->DoppelteSuchen();
  FFilter->Fortsetzen();
  TitelSetzen();
  ZusammenfassungZeigen(Abgebrochen);
  if (FModell->rowCount() > 0 && !FTabelle->currentIndex().isValid())
    FTabelle->selectRow(0);
  DetailZeigen();
}

void TSammelfenster::ZusammenfassungZeigen(bool Abgebrochen)
{
  int Zaehler[6] = {};
  int Doppelte = 0;
  for (int I = 0; I < FModell->rowCount(); ++I) {
    ++Zaehler[static_cast<int>(FModell->Zeile(I).Art)];
    Doppelte += FModell->Zeile(I).DoppelArt != TDoppelArt::Keine;
  }
  QString Text =
      QStringLiteral("%1 Zeilen: %2 korrekt, %3 berechnet, %4 falsch, %5 unvollständig, %6 unbrauchbar, %7 doppelt")
          .arg(FModell->rowCount())
          .arg(Zaehler[static_cast<int>(TUrteilArt::Korrekt)])
          .arg(Zaehler[static_cast<int>(TUrteilArt::Berechnet)])
          .arg(Zaehler[static_cast<int>(TUrteilArt::Falsch)])
          .arg(Zaehler[static_cast<int>(TUrteilArt::Unvollstaendig)])
          .arg(Zaehler[static_cast<int>(TUrteilArt::Unbrauchbar)])
          .arg(Doppelte);
  if (Abgebrochen)
    Text += QStringLiteral("; Prüfung abgebrochen, %1 Zeilen nicht geprüft")
                .arg(Zaehler[static_cast<int>(TUrteilArt::Offen)]);
  FZusammenfassung->setText(Text);
}

void TSammelfenster::SchnellPruefen()
{
  const QString Eingabe = FSchnell->text().trimmed();
  FSchnellDazu->setEnabled(false);
  if (Eingabe.isEmpty()) {
    FSchnellErgebnis->clear();
    return;
  }
  const TErgebnis Ergebnis = Auswerten(*FWissen, EingabeUmsetzen(Eingabe.toStdString(), TKennung::Utf8), false);
  if (!Ergebnis.Meldung.empty()) {
    FSchnellErgebnis->setText(AusCp1252(Ergebnis.Meldung));
    return;
  }
  std::string Text = Ergebnis.Nummer + "  " + Ergebnis.Kopf;
  if (!Ergebnis.Spalten[3].empty())
    Text += "\n" + Ergebnis.Spalten[3];
  for (const TBefund& Befund : Ergebnis.Befunde)
    Text += "\n" + BefundText(Befund);
  if (!Ergebnis.Vorschlaege.empty())
    Text += "\n" + (Ergebnis.VorschlagKopf.empty() ? std::string() : Ergebnis.VorschlagKopf + " ") +
            VorschlagText(Ergebnis.Vorschlaege.front());
  FSchnellErgebnis->setText(AusCp1252(Text));
  FSchnellDazu->setEnabled(true);
}

void TSammelfenster::SchnellHinzufuegen()
{
  if (!FSchnellDazu->isEnabled())
    return;
  LesenAbwarten();
  if (FModell->Benutzerspalten() == 0 || (FModell->rowCount() == 0 && FRoh.isEmpty()))
    FModell->Setzen({QStringLiteral("Nummer")}, {}, 0);
  QStringList Zellen;
  for (int Spalte = 0; Spalte < FModell->Benutzerspalten(); ++Spalte)
    Zellen << (Spalte == FModell->Nummernspalte() ? FSchnell->text().trimmed() : QString());
  FModell->Anhaengen({Zellen});
  FGeaendert = true;
  FBearbeitet = true;
  TitelSetzen();
  ZusammenfassungZeigen(false);
  FTabelle->selectRow(FFilter->mapFromSource(FModell->index(FModell->rowCount() - 1, 0)).row());
  FSchnell->clear();
}

namespace {

// Das Ergebnis als Text fuer die Ansicht: Bezeichnung und Inhalt je Zeile.
QString DetailText(const TErgebnis& Ergebnis)
{
  if (!Ergebnis.Meldung.empty())
    return AusCp1252(Sichtbar(Ergebnis.Meldung));
  QString Text = AusCp1252(Sichtbar(Ergebnis.Nummer + "  " + Ergebnis.Kopf));
  const auto Angabe = [&](const std::string& Bezeichnung, const std::string& Inhalt) {
    Text += QStringLiteral("\n%1: %2").arg(AusCp1252(Sichtbar(Bezeichnung)), AusCp1252(Sichtbar(Inhalt)));
  };
  for (const auto& [Bezeichnung, Inhalt] : Ergebnis.Zeilen)
    Angabe(Bezeichnung, Inhalt);
  if (!Ergebnis.Halter.empty())
    Angabe("Halter", Ergebnis.Halter);
  for (const TBefund& Befund : Ergebnis.Befunde)
    Angabe(Befund.Abweichung ? "Abweichung" : "Hinweis", Befund.Text);
  if (!Ergebnis.VorschlagKopf.empty())
    Text += u'\n' + AusCp1252(Sichtbar(Ergebnis.VorschlagKopf));
  return Text;
}

}  // namespace

int TSammelfenster::GewaehlteZeile() const
{
  const QModelIndex Index = FFilter->mapToSource(FTabelle->currentIndex());
  return Index.isValid() ? Index.row() : -1;
}

void TSammelfenster::DetailZeigen()
{
  FDetail->clear();
  FVorschlaege->clear();
  FUebernehmen->setEnabled(false);
  const int Zeile = GewaehlteZeile();
  if (Zeile < 0)
    return;
  TErgebnis Ergebnis = FModell->Auswertung(Zeile);
  if (const std::string Doppelt = DoppelText(FModell->DoppeltZu(Zeile)); !Doppelt.empty())
    Ergebnis.Befunde.push_back({false, Doppelt});
  FDetail->setPlainText(QStringLiteral("Zeile %1\n").arg(Zeile + 1) + DetailText(Ergebnis));
  for (const TVorschlagEintrag& Vorschlag : Ergebnis.Vorschlaege) {
    auto* Eintrag = new QListWidgetItem(AusCp1252(VorschlagText(Vorschlag)), FVorschlaege);
    Eintrag->setData(Qt::UserRole, QString::fromStdString(Vorschlag.Ziffern));
  }
  if (FVorschlaege->count() > 0) {
    FVorschlaege->setCurrentRow(0);
    FUebernehmen->setEnabled(true);
  }
}

bool TSammelfenster::VorschlagUebernehmen(int Nummer)
{
  const int Zeile = GewaehlteZeile();
  if (Zeile < 0 || Nummer < 0 || Nummer >= FVorschlaege->count())
    return false;
  const std::string Ziffern = FVorschlaege->item(Nummer)->data(Qt::UserRole).toString().toStdString();
  FModell->NummerSetzen(Zeile, AusCp1252(NummerGegliedert(Ziffern)));
  FGeaendert = true;
  FBearbeitet = true;
  TitelSetzen();
  ZusammenfassungZeigen(false);
  DetailZeigen();
  return true;
}

void TSammelfenster::TextEinfuegen(const QString& Text)
{
  const QByteArray Bytes = QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
  LesenAbwarten();
  if (FModell->rowCount() == 0) {
    FRoh = Bytes;
    FOriginal.clear();
    FZiel.clear();
    FGeaendert = true;
    ListeUebernehmen(FRoh, {});
    return;
  }
  const TListe Liste = ListeLesen(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size()))).Tabelle;
  // Die Nummer kommt in die Nummernspalte, die uebrigen Zellen der Reihe nach in die uebrigen.
  std::vector<QStringList> Zeilen;
  for (const TFelder& Felder : Liste.Zeilen) {
    QStringList Zellen(FModell->Benutzerspalten());
    Zellen[FModell->Nummernspalte()] =
        Liste.Nummernspalte < Felder.size() ? ZelleAlsText(Felder[Liste.Nummernspalte], Liste.Kennung) : QString();
    int Ziel = 0;
    for (std::size_t Spalte = 0; Spalte < Felder.size(); ++Spalte) {
      if (Spalte == Liste.Nummernspalte)
        continue;
      Ziel += Ziel == FModell->Nummernspalte();
      if (Ziel < Zellen.size())
        Zellen[Ziel++] = ZelleAlsText(Felder[Spalte], Liste.Kennung);
    }
    Zeilen.push_back(std::move(Zellen));
  }
  FModell->Anhaengen(Zeilen);
  FGeaendert = true;
  FBearbeitet = true;
  TitelSetzen();
  // Laeuft noch eine Pruefung, geht sie weiter und endet mit den neuen Zeilen.
  if (IstFertig())
    ArbeitBeenden(false);
}

void TSammelfenster::EinfuegenAusZwischenablage() { TextEinfuegen(QApplication::clipboard()->text()); }

std::vector<int> TSammelfenster::ZeilenDerAnsicht(bool NurMarkierte) const
{
  std::vector<int> Zeilen;
  if (NurMarkierte) {
    QModelIndexList Markiert = FTabelle->selectionModel()->selectedRows();
    std::sort(Markiert.begin(), Markiert.end(),
              [](const QModelIndex& A, const QModelIndex& B) { return A.row() < B.row(); });
    for (const QModelIndex& Index : Markiert)
      Zeilen.push_back(FFilter->mapToSource(Index).row());
    return Zeilen;
  }
  for (int I = 0; I < FFilter->rowCount(); ++I)
    Zeilen.push_back(FFilter->mapToSource(FFilter->index(I, 0)).row());
  return Zeilen;
}

void TSammelfenster::KopierenInZwischenablage()
{
  const std::vector<int> Zeilen = ZeilenDerAnsicht(true);
  if (Zeilen.empty())
    return;
  QApplication::clipboard()->setText(ZwischenablageText(InhaltVon(*FModell, Zeilen).Zeilen));
  statusBar()->showMessage(QStringLiteral("%1 Zeilen kopiert").arg(Zeilen.size()), 4000);
}

QString TSammelfenster::SpeichernNach(const QString& Datei, TFormat Format)
{
  LesenAbwarten();
  if (!IstFertig()) {
    FModell->Auswerten(FNaechste, FModell->rowCount());
    FNaechste = FModell->rowCount();
    ArbeitBeenden(false);
  }
  std::vector<int> Alle(static_cast<std::size_t>(FModell->rowCount()));
  std::iota(Alle.begin(), Alle.end(), 0);
  const TTabellenInhalt Inhalt = InhaltVon(*FModell, Alle);
  if (Format == TFormat::Xlsx) {
    if (QString Fehler = XlsxSchreiben(Inhalt, Datei); !Fehler.isEmpty())
      return Fehler;
  } else {
    QSaveFile Ausgabe(Datei);
    if (!Ausgabe.open(QIODevice::WriteOnly) ||
        Ausgabe.write(CsvText(
            Inhalt, Format == TFormat::CsvUtf8 ? TCsvZeichensatz::Utf8MitKennung : TCsvZeichensatz::Windows1252)) < 0 ||
        !Ausgabe.commit())
      return QStringLiteral("„%1“ ließ sich nicht schreiben (Ordner schreibgeschützt oder Laufwerk voll?).").arg(Datei);
  }
  FZiel = Datei;
  FZielFormat = Format;
  FGeaendert = false;
  TitelSetzen();
  statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(Datei)), 6000);
  return {};
}

bool TSammelfenster::SpeichernUnter()
{
  const QString Csv1252 = QStringLiteral("CSV für Excel, Windows-1252 (*.csv)");
  const QString CsvUtf8 = QStringLiteral("CSV, UTF-8 (*.csv)");
  const QString Xlsx = QStringLiteral("Excel-Arbeitsmappe (*.xlsx)");
  QString Gewaehlt = Csv1252;
  const QString Vorschlag = FOriginal.isEmpty()
                                ? QStringLiteral("sammlung-geprueft.csv")
                                : QFileInfo(FOriginal).dir().filePath(QFileInfo(FOriginal).completeBaseName() +
                                                                      QStringLiteral("-geprueft.csv"));
  QString Datei =
      QFileDialog::getSaveFileName(this, QStringLiteral("Liste speichern"), Vorschlag,
                                   QStringList({Csv1252, CsvUtf8, Xlsx}).join(QStringLiteral(";;")), &Gewaehlt);
  if (Datei.isEmpty())
    return false;
  const TFormat Format = Gewaehlt == Xlsx      ? TFormat::Xlsx
                         : Gewaehlt == CsvUtf8 ? TFormat::CsvUtf8
                                               : TFormat::CsvWindows1252;
  const QString Endung = Format == TFormat::Xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
  if (!Datei.endsWith(Endung, Qt::CaseInsensitive))
    Datei += Endung;
  if (Format == TFormat::Xlsx && !XlsxVorhanden()) {
    QMessageBox::information(this, QStringLiteral("Speichern"), XlsxSchreiben({}, Datei));
    return false;
  }
  if (!FOriginal.isEmpty() && QFileInfo(Datei).absoluteFilePath() == FOriginal &&
      Fragen(this, QStringLiteral("Speichern"),
             QStringLiteral("„%1“ ist die geöffnete Originaldatei. Wirklich überschreiben? Tandrix hängt seine "
                            "Spalten an Ihre an.")
                 .arg(QFileInfo(Datei).fileName()),
             {QStringLiteral("Überschreiben"), QStringLiteral("Abbrechen")}, 1) != 0)
    return false;
  if (const QString Fehler = SpeichernNach(Datei, Format); !Fehler.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Speichern"), Fehler);
    return false;
  }
  return true;
}

void TSammelfenster::FreieNummern()
{
  QDialog Dialog(this);
  Dialog.setWindowTitle(QStringLiteral("Freie Nummern einer Reihe"));
  auto* Reihe = new QLineEdit;
  Reihe->setAccessibleName(QStringLiteral("Reihe, die ersten 8 Ziffern"));
  Reihe->setPlaceholderText(QStringLiteral("z. B. 31 80 6652"));
  if (const int Zeile = GewaehlteZeile(); Zeile >= 0 && !FModell->Zwoelf(Zeile).empty())
    Reihe->setText(AusCp1252(NummerGegliedert(FModell->Zwoelf(Zeile))).left(10));
  auto* Von = new QSpinBox;
  Von->setRange(0, 999);
  Von->setAccessibleName(QStringLiteral("Ordnungsnummer von"));
  auto* Bis = new QSpinBox;
  Bis->setRange(0, 999);
  Bis->setValue(999);
  Bis->setAccessibleName(QStringLiteral("Ordnungsnummer bis"));
  auto* Anzahl = new QSpinBox;
  Anzahl->setRange(1, 1000);
  Anzahl->setValue(10);
  Anzahl->setAccessibleName(QStringLiteral("Anzahl"));
  auto* Ergebnis = new QPlainTextEdit;
  Ergebnis->setReadOnly(true);
  Ergebnis->setAccessibleName(QStringLiteral("Freie Nummern"));
  auto* Suchen = new QPushButton(QStringLiteral("&Suchen"));
  auto* Dazu = new QPushButton(QStringLiteral("Zur &Liste hinzufügen"));
  auto* Kopieren = new QPushButton(QStringLiteral("&Kopieren"));
  auto* Schliessen = new QPushButton(QStringLiteral("Schl&ießen"));
  Suchen->setDefault(true);
  Dazu->setEnabled(false);
  Kopieren->setEnabled(false);
  auto* Raster = new QGridLayout(&Dialog);
  Raster->addWidget(Beschriftung(QStringLiteral("&Reihe (erste 8 Ziffern):"), Reihe), 0, 0);
  Raster->addWidget(Reihe, 0, 1, 1, 3);
  Raster->addWidget(Beschriftung(QStringLiteral("Ordnungsnummer &von:"), Von), 1, 0);
  Raster->addWidget(Von, 1, 1);
  Raster->addWidget(Beschriftung(QStringLiteral("&bis:"), Bis), 1, 2);
  Raster->addWidget(Bis, 1, 3);
  Raster->addWidget(Beschriftung(QStringLiteral("&Anzahl:"), Anzahl), 2, 0);
  Raster->addWidget(Anzahl, 2, 1);
  Raster->addWidget(Ergebnis, 3, 0, 1, 4);
  auto* Knoepfe = new QHBoxLayout;
  for (QPushButton* Knopf : {Suchen, Dazu, Kopieren, Schliessen})
    Knoepfe->addWidget(Knopf);
  Raster->addLayout(Knoepfe, 4, 0, 1, 4);

  QStringList Freie;
  connect(Suchen, &QPushButton::clicked, &Dialog, [&] {
    TFreiAuftrag Auftrag;
    Freie.clear();
    if (const std::string Fehler = FreiAuftragLesen(NachCp1252(Reihe->text()), Auftrag); !Fehler.empty()) {
      Ergebnis->setPlainText(AusCp1252(Fehler));
    } else {
      Auftrag.Von = Von->value();
      Auftrag.Bis = std::max(Bis->value(), Von->value());
      Auftrag.Anzahl = static_cast<std::size_t>(Anzahl->value());
      for (const std::string& Nummer : ::FreieNummern(Auftrag, FModell->Belegt()))
        Freie << AusCp1252(NummerGegliedert(Nummer));
      Ergebnis->setPlainText(Freie.isEmpty() ? QStringLiteral("Keine freie Nummer in diesem Bereich.")
                                             : Freie.join(u'\n'));
    }
    Dazu->setEnabled(!Freie.isEmpty());
    Kopieren->setEnabled(!Freie.isEmpty());
  });
  connect(Kopieren, &QPushButton::clicked, &Dialog,
          [&] { QApplication::clipboard()->setText(Freie.join(u'\n') + u'\n'); });
  connect(Dazu, &QPushButton::clicked, &Dialog, [&] {
    LesenAbwarten();
    if (FModell->Benutzerspalten() == 0 || (FModell->rowCount() == 0 && FRoh.isEmpty()))
      FModell->Setzen({QStringLiteral("Nummer")}, {}, 0);
    std::vector<QStringList> Zeilen;
    for (const QString& Nummer : Freie) {
      QStringList Zellen(FModell->Benutzerspalten());
      Zellen[FModell->Nummernspalte()] = Nummer;
      Zeilen.push_back(Zellen);
    }
    FModell->Anhaengen(Zeilen);
    FGeaendert = true;
    FBearbeitet = true;
    TitelSetzen();
    ZusammenfassungZeigen(false);
    Dialog.accept();
  });
  connect(Schliessen, &QPushButton::clicked, &Dialog, &QDialog::reject);
  Dialog.exec();
}

void TSammelfenster::closeEvent(QCloseEvent* Ereignis)
{
  if (FGeaendert) {
    const int Wahl =
        Fragen(this, QStringLiteral("Tandrix Sammlung"),
               QStringLiteral("Die Liste hat ungespeicherte Änderungen. Vor dem Schließen speichern?"),
               {QStringLiteral("Speichern …"), QStringLiteral("Nicht speichern"), QStringLiteral("Abbrechen")}, 0);
    if (Wahl == 2 || Wahl < 0 || (Wahl == 0 && !SpeichernUnter())) {
      Ereignis->ignore();
      return;
    }
  }
  FArbeit.stop();
  Ereignis->accept();
}

void TSammelfenster::dragEnterEvent(QDragEnterEvent* Ereignis)
{
  if (Ereignis->mimeData()->hasUrls() && Ereignis->mimeData()->urls().value(0).isLocalFile())
    Ereignis->acceptProposedAction();
}

void TSammelfenster::dropEvent(QDropEvent* Ereignis)
{
  const QString Datei = Ereignis->mimeData()->urls().value(0).toLocalFile();
  Ereignis->acceptProposedAction();
  if (FGeaendert && Fragen(this, QStringLiteral("Öffnen"),
                           QStringLiteral("Die Liste hat ungespeicherte Änderungen. Trotzdem „%1“ öffnen?")
                               .arg(QFileInfo(Datei).fileName()),
                           {QStringLiteral("Verwerfen und öffnen"), QStringLiteral("Abbrechen")}, 1) != 0)
    return;
  if (!Oeffnen(Datei))
    QMessageBox::warning(this, QStringLiteral("Öffnen"), QStringLiteral("„%1“ ließ sich nicht lesen.").arg(Datei));
}
