#include "sammlung/sammelfenster.h"

#include "sammlung/speichern.h"
#include "zeichen/text.h"

#include "auswertung/eingabe.h"
#include "nummer/datei.h"
#include "oberflaeche/umwandlung.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDeadlineTimer>
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
#include <QProgressDialog>
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
// Warum eine Datei nicht gelesen wurde. LiesDatei sagt es nicht; der Blick auf den Pfad danach
// oeffnet nichts und wartet auf nichts.
QString LeseGrund(const QString& Datei)
{
  const QFileInfo Info(Datei);
  const QString Name = QDir::toNativeSeparators(Datei);
  if (!Info.exists())
    return QStringLiteral("„%1“ gibt es nicht.").arg(Name);
  if (Info.isDir())
    return QStringLiteral("„%1“ ist ein Ordner, keine Liste.").arg(Name);
  if (!Info.isFile())
    return QStringLiteral(
               "„%1“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket) und wird nicht "
               "gelesen.")
        .arg(Name);
  if (Info.size() > HoechsteDateigroesse)
    return QStringLiteral("„%1“ ist %2 MB groß; Tandrix Sammlung liest Listen bis %3 MB.")
        .arg(Name)
        .arg((Info.size() + (1 << 20) - 1) >> 20)
        .arg(HoechsteDateigroesse >> 20);
  if (!Info.isReadable())
    return QStringLiteral("„%1“ darf nicht gelesen werden (fehlende Rechte).").arg(Name);
  return QStringLiteral("„%1“ ließ sich nicht lesen (Lesefehler, oder sie wuchs beim Lesen über %2 MB).")
      .arg(Name)
      .arg(HoechsteDateigroesse >> 20);
}

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

QSpinBox* Zahlenfeld(const QString& Name, int Von, int Bis, int Wert)
{
  auto* Feld = new QSpinBox;
  Feld->setRange(Von, Bis);
  Feld->setValue(Wert);
  Feld->setAccessibleName(Name);
  return Feld;
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

std::pair<QString, TFormat> ZielNach(QString Datei, TFormat Filter)
{
  if (Datei.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
    return {Datei, TFormat::Xlsx};
  if (Datei.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
    return {Datei, Filter == TFormat::Xlsx ? TFormat::CsvWindows1252 : Filter};
  Datei += Filter == TFormat::Xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
  return {Datei, Filter};
}

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
  // Das leere Fenster sagt "mit Strg+V einfügen": das gilt der Liste, nicht der Pruefzeile.
  FTabelle->setFocus();
}

// Ein Lesen im Hintergrund: ListeAlsText in einem eigenen Faden, Ergebnis fuer den Fensterfaden.
struct TSammelfenster::TLesen {
  // Woran die Meldung "fertig" ihr Lesen erkennt: ein abgewartetes ist dann schon geloescht.
  quint64 Nummer = 0;
  bool Anhaengen = false;  // Zeilen fuer eine bestehende Liste
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

  TabelleAnlegen();

  auto* Teiler = new QSplitter(Qt::Horizontal);
  Teiler->addWidget(FTabelle);
  Teiler->addWidget(DetailAnlegen());
  Teiler->setStretchFactor(0, 2);
  Teiler->setStretchFactor(1, 1);
  Teiler->setSizes({700, 380});
  Spalte->addWidget(Teiler, 1);
  setCentralWidget(Flaeche);
  StatuszeileAnlegen();
  Verbinden();
  LeseArtZeigen();
}

void TSammelfenster::TabelleAnlegen()
{
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
}

QWidget* TSammelfenster::DetailAnlegen()
{
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
  FUebernehmen = new QPushButton(QStringLiteral("Vorschlag in die &Zeile übernehmen"));
  FUebernehmen->setAccessibleName(QStringLiteral("Vorschlag in die Zeile übernehmen"));
  FUebernehmen->setEnabled(false);
  RechtsSpalte->addWidget(Beschriftung(QStringLiteral("An&gaben zur Zeile:"), FDetail));
  RechtsSpalte->addWidget(FDetail, 3);
  RechtsSpalte->addWidget(Beschriftung(QStringLiteral("&Vorschläge:"), FVorschlaege));
  RechtsSpalte->addWidget(FVorschlaege, 1);
  RechtsSpalte->addWidget(FUebernehmen);
  return Rechts;
}

void TSammelfenster::StatuszeileAnlegen()
{
  FZusammenfassung =
      new QLabel(QStringLiteral("Noch keine Liste: Datei öffnen, hineinziehen oder mit Strg+V einfügen."));
  // Ohne eigenen Namen: Bildschirmleser lesen den Text selbst (scripts/sammlung-sitzung auch).
  FZusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
  FFortschritt = new QProgressBar;
  FFortschritt->setAccessibleName(QStringLiteral("Fortschritt der Prüfung"));
  FFortschritt->setMaximumWidth(200);
  FFortschritt->hide();
  FAbbrechen = new QPushButton(QStringLiteral("Prüfung abbre&chen"));
  FAbbrechen->setAccessibleName(QStringLiteral("Prüfung abbrechen"));
  FAbbrechen->hide();
  FLeseHinweis = new QLabel;
  FLeseHinweis->setObjectName(QStringLiteral("LeseHinweis"));
  FLeseHinweis->hide();
  statusBar()->addWidget(FZusammenfassung, 1);
  statusBar()->addPermanentWidget(FLeseHinweis);
  statusBar()->addPermanentWidget(FFortschritt);
  statusBar()->addPermanentWidget(FAbbrechen);
}

void TSammelfenster::Verbinden()
{
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
  connect(FAbbrechen, &QPushButton::clicked, this, &TSammelfenster::Abbrechen);
}

void TSammelfenster::Abbrechen()
{
  if (!FLesen) {
    ArbeitBeenden();
    return;
  }
  if (FLesen->Anhaengen) {
    // Die Liste bleibt; nur was eingefuegt werden sollte, kommt nicht dazu.
    LesenVerlassen();
    ArbeitBeenden();
    statusBar()->showMessage(QStringLiteral("Einfügen abgebrochen: keine Zeile angehängt."), 6000);
    return;
  }
  // Ohne gelesene Liste bleibt keine: wie vor dem Oeffnen, nur mit Hinweis.
  LesenVerlassen();
  FRoh.clear();
  FOriginal.clear();
  FGeaendert = false;
  FLeseBefunde.clear();
  FLeseHinweis->hide();
  FFortschritt->hide();
  FAbbrechen->hide();
  FFilter->Fortsetzen();
  LeseArtZeigen();
  TitelSetzen();
  FZusammenfassung->setText(QStringLiteral("Lesen abgebrochen: keine Liste."));
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
    QString Ziel = FZiel;
    if (TFormat Format = FZielFormat; FormatFragen(Ziel, Format))
      SpeichernMitMeldung(Ziel, Format);
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
  Bearbeiten->addAction(QStringLiteral("Prüfung fort&setzen"), this, &TSammelfenster::PruefungFortsetzen);
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

QString TSammelfenster::Oeffnen(const QString& Datei)
{
  // Dieselbe Regel wie fuer die Datendateien: erst oeffnen (ohne Warten), dann nur eine
  // gewoehnliche Datei lesen, hoechstens bis zur Grenze. Ein FIFO haengte sonst das Fenster auf,
  // eine Verknuepfung auf /dev/zero liefe bis zum vollen Speicher.
  std::optional<std::string> Inhalt = LiesDatei(QFileInfo(Datei).filesystemAbsoluteFilePath(), HoechsteDateigroesse);
  if (!Inhalt)
    return LeseGrund(Datei);
  FRoh = QByteArray::fromStdString(*Inhalt);
  Inhalt.reset();
  // Der echte Pfad: auch ueber eine Verknuepfung bleibt es die Originaldatei.
  FOriginal = QFileInfo(Datei).canonicalFilePath();
  FZiel.clear();
  FGeaendert = false;
  ListeUebernehmen(FRoh, {});
  return {};
}

bool TSammelfenster::OeffnenUndMelden(const QString& Datei)
{
  const QString Grund = Oeffnen(Datei);
  if (!Grund.isEmpty()) {
    FZusammenfassung->setText(Grund);
    QMessageBox::warning(this, QStringLiteral("Öffnen"), Grund);
  }
  return Grund.isEmpty();
}

void TSammelfenster::OeffnenFragen()
{
  if (FGeaendert && Fragen(this, QStringLiteral("Öffnen"),
                           QStringLiteral("Die Liste hat ungespeicherte Änderungen. Trotzdem eine andere öffnen?"),
                           {QStringLiteral("Verwerfen und öffnen"), QStringLiteral("Abbrechen")}, 1) != 0)
    return;
  const QString Datei = QFileDialog::getOpenFileName(this, QStringLiteral("Liste öffnen"), QString(),
                                                     QStringLiteral("Listen (*.csv *.tsv *.txt);;Alle Dateien (*)"));
  if (!Datei.isEmpty())
    OeffnenUndMelden(Datei);
}

void TSammelfenster::ListeUebernehmen(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe)
{
  FArbeit.stop();
  LesenVerlassen();
  // Leer, solange gelesen wird: die alte Liste gehoert nicht zu dem, was der Titel nennt.
  FFilter->Anhalten();
  FModell->Setzen({}, {}, 0);
  LesenStarten(Bytes, Vorgabe, false);
  FFortschritt->setRange(0, 0);  // ohne Ende, bis die Zeilen gezaehlt sind
  FFortschritt->show();
  FAbbrechen->show();
  FZusammenfassung->setText(QStringLiteral("Lese die Liste …"));
  TitelSetzen();
}

void TSammelfenster::LesenStarten(const QByteArray& Bytes, const TLeseVorgabe& Vorgabe, bool Anhaengen)
{
  FLesen = std::make_unique<TLesen>();
  TLesen* Lesen = FLesen.get();
  Lesen->Nummer = ++FLeseNummern;
  Lesen->Anhaengen = Anhaengen;
  // Bytes teilt seine Daten nur (implizit geteilt): der Faden liest sie, niemand aendert sie.
  Lesen->Faden.reset(QThread::create([Lesen, Bytes, Vorgabe] {
    Lesen->Ergebnis = ListeAlsText(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())), Vorgabe,
                                   Lesen->Abbruch);
  }));
  connect(Lesen->Faden.get(), &QThread::finished, this, [this, Nummer = Lesen->Nummer] {
    if (FLesen && FLesen->Nummer == Nummer)
      LesenAbwarten();  // schon fertig: wartet nicht
    else
      std::erase_if(FVerlassen, [Nummer](const auto& Verlassen) { return Verlassen->Nummer == Nummer; });
  });
  Lesen->Faden->start();
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
  const bool Anhaengen = FLesen->Anhaengen;
  FLesen.reset();
  if (Anhaengen)
    ZeilenAnhaengen(std::move(Liste));
  else
    ListeGelesen(std::move(Liste));
}

void TSammelfenster::LeseBefundeZeigen(const QStringList& Befunde, bool Anhaengen)
{
  if (!Anhaengen)
    FLeseBefunde.clear();
  FLeseBefunde += Befunde;
  FLeseHinweis->setText(QStringLiteral("%1 Auffälligkeiten beim Lesen").arg(FLeseBefunde.size()));
  FLeseHinweis->setToolTip(FLeseBefunde.mid(0, 40).join(u'\n'));
  FLeseHinweis->setVisible(!FLeseBefunde.isEmpty());
  if (Befunde.isEmpty())
    return;
  // Nicht blockierend: das Fenster prueft weiter, waehrend die Meldung steht.
  const QString Text = Befunde.size() <= 20
                           ? QStringLiteral("Beim Lesen der Liste fiel auf:\n\n%1").arg(Befunde.join(u'\n'))
                           : QStringLiteral("Beim Lesen der Liste fiel auf (die ersten 20 von %1):\n\n%2")
                                 .arg(Befunde.size())
                                 .arg(Befunde.mid(0, 20).join(u'\n'));
  auto* Box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Liste lesen"), Text, QMessageBox::Ok, this);
  Box->setTextFormat(Qt::PlainText);
  Box->setAttribute(Qt::WA_DeleteOnClose);
  Box->open();
}

void TSammelfenster::ListeGelesen(TTextListe Liste)
{
  LeseBefundeZeigen(Liste.Befunde, false);
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

void TSammelfenster::PruefungFortsetzen()
{
  LesenAbwarten();
  if (FArbeit.isActive())
    return;
  int Erste = 0;
  while (Erste < FModell->rowCount() && FModell->Zeile(Erste).Art != TUrteilArt::Offen)
    ++Erste;
  if (Erste == FModell->rowCount())
    return;
  // Von der ersten ungeprueften an; was dahinter schon geprueft ist, prueft es noch einmal.
  FNaechste = Erste;
  FFilter->Anhalten();
  FFortschritt->setRange(Erste, FModell->rowCount());
  FFortschritt->setValue(Erste);
  FFortschritt->show();
  FAbbrechen->show();
  FArbeit.start();
  TitelSetzen();
  FZusammenfassung->setText(QStringLiteral("Prüfe %1 Zeilen …").arg(FModell->rowCount() - Erste));
}

void TSammelfenster::ArbeitsSchritt()
{
  const int Zeilen = FModell->rowCount();
  // Was nach der letzten Zeile kommt (Sortieren), in einem eigenen Schritt.
  if (FNaechste >= Zeilen) {
    ArbeitBeenden();
    return;
  }
  FFortschritt->setMaximum(Zeilen);  // auch mit Zeilen, die waehrenddessen dazukamen
  if (!FBreitenGesetzt) {
    // Breiten nach den ersten 200 Zeilen, hoechstens 220 Pixel: eine lange Zelle soll nicht die
    // ganze Tabelle verschieben. Allein in diesem Schritt: das Messen kostet selbst etwa 20 ms.
    FBreitenGesetzt = true;
    const int Von = FNaechste;
    FNaechste = std::min(Von + 200, Zeilen);
    FModell->Auswerten(Von, FNaechste);
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

void TSammelfenster::ArbeitBeenden()
{
  FArbeit.stop();
  // Liest noch etwas zum Anhaengen, bleibt der Knopf, der es abbricht.
  FFortschritt->setVisible(FLesen != nullptr);
  FAbbrechen->setVisible(FLesen != nullptr);
  if (!FModell->DoppelteAktuell())
    FModell->DoppelteSuchen();
  FFilter->Fortsetzen();
  TitelSetzen();
  ZusammenfassungZeigen();
  if (FModell->rowCount() > 0 && !FTabelle->currentIndex().isValid())
    FTabelle->selectRow(0);
  DetailZeigen();
}

void TSammelfenster::ZusammenfassungZeigen()
{
  int Zaehler[6] = {};
  int Doppelte = 0;
  for (int I = 0; I < FModell->rowCount(); ++I) {
    ++Zaehler[static_cast<int>(FModell->Zeile(I).Art)];
    Doppelte += FModell->Zeile(I).DoppelArt != TDoppelArt::Keine;
  }
  const auto Anzahl = [&](TUrteilArt Art) { return Zaehler[static_cast<int>(Art)]; };
  const int Offen = Anzahl(TUrteilArt::Offen);
  // Jede Zeile zaehlt genau einmal: die Urteile und die ungeprueften ergeben zusammen alle.
  const QString Text =
      Offen == 0 ? QStringLiteral(
                       "%1 Zeilen: %2 korrekt, %3 berechnet, %4 falsch, %5 unvollständig, %6 unbrauchbar, %7 doppelt")
      : FArbeit.isActive() ? QStringLiteral(
                                 "%1 Zeilen: %2 korrekt, %3 berechnet, %4 falsch, %5 unvollständig, %6 unbrauchbar, %7 "
                                 "doppelt; %8 Zeilen werden noch geprüft")
                           : QStringLiteral(
                                 "%1 Zeilen: %2 korrekt, %3 berechnet, %4 falsch, %5 unvollständig, %6 unbrauchbar, %7 "
                                 "doppelt; Prüfung abgebrochen, %8 Zeilen nicht geprüft");
  const QString Gezaehlt = Text.arg(FModell->rowCount())
                               .arg(Anzahl(TUrteilArt::Korrekt))
                               .arg(Anzahl(TUrteilArt::Berechnet))
                               .arg(Anzahl(TUrteilArt::Falsch))
                               .arg(Anzahl(TUrteilArt::Unvollstaendig))
                               .arg(Anzahl(TUrteilArt::Unbrauchbar))
                               .arg(Doppelte);
  FZusammenfassung->setText(Offen == 0 ? Gezaehlt : Gezaehlt.arg(Offen));
}

void TSammelfenster::SchnellPruefen()
{
  const QString Eingabe = FSchnell->text().trimmed();
  FSchnellDazu->setEnabled(false);
  if (Eingabe.isEmpty()) {
    FSchnellErgebnis->clear();
    return;
  }
  const TErgebnis Ergebnis = ZelleAuswerten(*FWissen, Eingabe.toStdString(), TKennung::Utf8, false);
  if (!Ergebnis.Meldung.empty()) {
    FSchnellErgebnis->setText(AusCp1252(Ergebnis.Meldung));
    return;
  }
  std::string Text = Ergebnis.Nummer + "  " + Ergebnis.Kopf;
  if (const std::string Gattung = CsvSpalten(Ergebnis)[3]; !Gattung.empty())
    Text += "\n" + Gattung;
  for (const TBefund& Befund : Ergebnis.Befunde)
    Text += "\n" + BefundText(Befund);
  if (!Ergebnis.Vorschlaege.empty())
    Text += "\n" + (Ergebnis.VorschlagKopf.empty() ? std::string() : Ergebnis.VorschlagKopf + " ") +
            VorschlagText(Ergebnis.Vorschlaege.front());
  FSchnellErgebnis->setText(AusCp1252(Text));
  FSchnellDazu->setEnabled(true);
}

void TSammelfenster::NummernAnhaengen(const QStringList& Nummern)
{
  LesenAbwarten();
  if (FModell->Benutzerspalten() == 0 || (FModell->rowCount() == 0 && FRoh.isEmpty()))
    FModell->Setzen({QStringLiteral("Nummer")}, {}, 0);
  std::vector<QStringList> Zeilen;
  for (const QString& Nummer : Nummern) {
    QStringList Zellen(FModell->Benutzerspalten());
    Zellen[FModell->Nummernspalte()] = Nummer;
    Zeilen.push_back(std::move(Zellen));
  }
  FModell->Anhaengen(Zeilen);
  FGeaendert = true;
  FBearbeitet = true;
  TitelSetzen();
  ZusammenfassungZeigen();
}

void TSammelfenster::SchnellHinzufuegen()
{
  if (!FSchnellDazu->isEnabled())
    return;
  NummernAnhaengen({FSchnell->text().trimmed()});
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
  for (const auto& [Bezeichnung, Inhalt] : AlleAngaben(Ergebnis))
    Text += QStringLiteral("\n%1: %2").arg(AusCp1252(Sichtbar(Bezeichnung)), AusCp1252(Sichtbar(Inhalt)));
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
  ZusammenfassungZeigen();
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
  // Gelesen wird im Hintergrund wie eine ganze Liste; die alte bleibt solange stehen.
  LesenStarten(Bytes, {}, true);
  FFortschritt->show();
  FAbbrechen->show();
  if (!FArbeit.isActive()) {
    FFortschritt->setRange(0, 0);
    FZusammenfassung->setText(QStringLiteral("Lese die eingefügten Zeilen …"));
  }
  TitelSetzen();
}

void TSammelfenster::ZeilenAnhaengen(TTextListe Liste)
{
  QStringList Befunde = Liste.Befunde;
  std::vector<QStringList> Zeilen = InDieSpalten(Liste, Befunde);
  const int Erste = FModell->rowCount();
  FModell->AnhaengenOffen(std::move(Zeilen));
  FGeaendert = true;
  FBearbeitet = true;
  LeseBefundeZeigen(Befunde, true);
  // Geprueft wird in Schritten wie eine gelesene Liste. Laeuft schon eine Pruefung, geht sie
  // weiter und endet mit den neuen Zeilen; nach einem Abbruch bleiben die alten ungeprueft.
  if (!FArbeit.isActive()) {
    FNaechste = Erste;
    FFilter->Anhalten();
    FFortschritt->setRange(Erste, std::max(FModell->rowCount(), Erste + 1));
    FFortschritt->setValue(Erste);
    FFortschritt->show();
    FAbbrechen->show();
    FArbeit.start();
  }
  TitelSetzen();
  FZusammenfassung->setText(QStringLiteral("Prüfe %1 angehängte Zeilen …").arg(FModell->rowCount() - Erste));
}

std::vector<QStringList> TSammelfenster::InDieSpalten(TTextListe& Liste, QStringList& Befunde) const
{
  // Die Nummer kommt in die Nummernspalte, die uebrigen Zellen der Reihe nach in die uebrigen.
  std::vector<QStringList> Zeilen;
  int Zuviel = 0, ErsteZuviel = 0;
  Zeilen.reserve(Liste.Zeilen.size());
  for (QStringList& Felder : Liste.Zeilen) {
    QStringList Zellen(FModell->Benutzerspalten());
    if (Liste.Nummernspalte < Felder.size())
      Zellen[FModell->Nummernspalte()] = std::move(Felder[Liste.Nummernspalte]);
    int Ziel = 0;
    for (qsizetype Spalte = 0; Spalte < Felder.size(); ++Spalte) {
      if (Spalte == Liste.Nummernspalte)
        continue;
      Ziel += Ziel == FModell->Nummernspalte();
      if (Ziel < Zellen.size())
        Zellen[Ziel++] = std::move(Felder[Spalte]);
      else if (!Felder[Spalte].isEmpty() && Zuviel++ == 0)
        ErsteZuviel = static_cast<int>(Zeilen.size()) + 1;
    }
    Zeilen.push_back(std::move(Zellen));
    QStringList().swap(Felder);  // sonst liegt die Liste zweimal im Speicher
  }
  if (Zuviel > 0)
    Befunde << QStringLiteral(
                   "%1 Zellen passten in keine Spalte der Liste und fehlen (die erste in der %2. "
                   "eingefügten Zeile).")
                   .arg(Zuviel)
                   .arg(ErsteZuviel);
  return Zeilen;
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

bool TSammelfenster::PruefungAbschliessen(QProgressDialog& Fortschritt)
{
  if (IstFertig())
    return true;
  Fortschritt.setLabelText(QStringLiteral("Prüfe die übrigen Zeilen vor dem Speichern …"));
  Fortschritt.setRange(0, FModell->rowCount());
  // Der Zeitgeber ruht, solange hier geprueft wird: sonst prueften zwei dieselben Zeilen.
  FArbeit.stop();
  while (FNaechste < FModell->rowCount()) {
    const int Bis = std::min(FNaechste + 2000, FModell->rowCount());
    FModell->Auswerten(FNaechste, Bis);
    FNaechste = Bis;
    Fortschritt.setValue(FNaechste);
    if (Fortschritt.wasCanceled()) {
      FArbeit.start();
      return false;
    }
  }
  ArbeitBeenden();
  return true;
}

QString TSammelfenster::SpeichernNach(const QString& Datei, TFormat Format)
{
  LesenAbwarten();
  const QString Name = QDir::toNativeSeparators(Datei);
  // Fensterweit modal: waehrend der Schritte aendert niemand die Liste.
  QProgressDialog Fortschritt(QStringLiteral("Speichere „%1“ …").arg(Name), QStringLiteral("Abbrechen"), 0,
                              std::max(FModell->rowCount(), 1), this);
  Fortschritt.setWindowModality(Qt::WindowModal);
  Fortschritt.setMinimumDuration(FFortschrittNach);
  QString Abgebrochen = QStringLiteral("Speichern abgebrochen; „%1“ ist unverändert.").arg(Name);
  if (!PruefungAbschliessen(Fortschritt))
    return Abgebrochen;
  if (Format == TFormat::Xlsx) {
    TInhaltsPruefung Pruefung;
    Pruefung.Zeile(KopfVon(*FModell), 0);
    for (int Zeile = 0; Zeile < FModell->rowCount(); ++Zeile)
      Pruefung.Zeile(FModell->Zeile(Zeile).Zellen, Zeile + 1);
    if (const QStringList Grenzen = Pruefung.XlsxGrenzen(); !Grenzen.isEmpty())
      return QStringLiteral(
                 "Eine Excel-Arbeitsmappe kann diese Liste nicht ganz halten; „%1“ wurde nicht "
                 "geschrieben. Als CSV geht alles.\n\n%2")
          .arg(Name, Grenzen.join(u'\n'));
  }
  // Ungepuffert: jeder Fehler zeigt sich bei write(), nicht erst beim Leeren eines Puffers.
  QSaveFile Ausgabe(Datei);
  if (!Ausgabe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return QStringLiteral("„%1“ ließ sich nicht anlegen: %2.").arg(Name, Ausgabe.errorString());
  QString Fehler;
  std::unique_ptr<TTabellenSchreiber> Schreiber =
      Format == TFormat::Xlsx ? XlsxSchreiber(Ausgabe, Fehler)
                              : CsvSchreiber(Ausgabe, Format == TFormat::CsvUtf8 ? TCsvZeichensatz::Utf8MitKennung
                                                                                 : TCsvZeichensatz::Windows1252);
  if (!Schreiber)
    return Fehler;
  Fortschritt.setLabelText(QStringLiteral("Speichere „%1“ …").arg(Name));
  if (!ZeilenSchreiben(*Schreiber, Fortschritt, Fehler))
    return Abgebrochen;
  Schreiber.reset();
  if (Fehler.isEmpty() && !Ausgabe.commit())
    Fehler = Ausgabe.errorString();
  if (!Fehler.isEmpty())
    return QStringLiteral("„%1“ ließ sich nicht speichern: %2. Eine vorhandene Datei dieses Namens ist unverändert.")
        .arg(Name, Fehler);
  FZiel = Datei;
  FZielFormat = Format;
  FGeaendert = false;
  TitelSetzen();
  statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(Name), 6000);
  return {};
}

bool TSammelfenster::ZeilenSchreiben(TTabellenSchreiber& Schreiber, QProgressDialog& Fortschritt, QString& Fehler)
{
  Fortschritt.setRange(0, std::max(FModell->rowCount(), 1));
  Fehler = Schreiber.Zeile(KopfVon(*FModell));
  for (int Zeile = 0; Fehler.isEmpty() && Zeile < FModell->rowCount(); ++Zeile) {
    Fehler = Schreiber.Zeile(ZeileVon(*FModell, Zeile));
    if (Zeile % 1000 == 999) {
      Fortschritt.setValue(Zeile);
      if (Fortschritt.wasCanceled())
        return false;
    }
  }
  if (!Fehler.isEmpty())
    return true;
  // Das Abschliessen (bei .xlsx das Packen, Sekunden bei einer Million Zeilen) laeuft in einem
  // eigenen Faden: das Fenster zeichnet weiter, Eingaben bleiben liegen, bis es fertig ist.
  Fortschritt.setLabelText(QStringLiteral("Schließe die Datei ab …"));
  Fortschritt.setCancelButton(nullptr);
  Fortschritt.setRange(0, 0);
  const std::unique_ptr<QThread> Faden(QThread::create([&Schreiber, &Fehler] { Fehler = Schreiber.Abschliessen(); }));
  Faden->start();
  if (!Faden->wait(QDeadlineTimer(200))) {
    Fortschritt.show();
    while (!Faden->wait(QDeadlineTimer(30)))
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  return true;
}

bool TSammelfenster::FormatFragen(QString& Datei, TFormat& Format)
{
  if (Format == TFormat::CsvUtf8)
    return true;
  LesenAbwarten();
  TInhaltsPruefung Pruefung;
  Pruefung.Zeile(KopfVon(*FModell), 0);
  for (int Zeile = 0; Zeile < FModell->rowCount(); ++Zeile)
    Pruefung.Zeile(FModell->Zeile(Zeile).Zellen, Zeile + 1);
  const QString Name = QFileInfo(Datei).fileName();
  if (Format == TFormat::Xlsx) {
    const QStringList Grenzen = Pruefung.XlsxGrenzen();
    if (Grenzen.isEmpty())
      return true;
    const QString Csv = QFileInfo(Datei).dir().filePath(QFileInfo(Datei).completeBaseName() + QStringLiteral(".csv"));
    if (Fragen(this, QStringLiteral("Speichern"),
               QStringLiteral("Eine Excel-Arbeitsmappe kann diese Liste nicht ganz halten:\n\n%1\n\nStattdessen "
                              "als „%2“ (CSV, UTF-8) speichern, die alles hält?")
                   .arg(Grenzen.join(u'\n'), QFileInfo(Csv).fileName()),
               {QStringLiteral("Als CSV speichern"), QStringLiteral("Abbrechen")}, 0) != 0)
      return false;
    Datei = Csv;
    Format = TFormat::CsvUtf8;
    return true;
  }
  const QStringList Verluste = Pruefung.Cp1252Verluste();
  if (Verluste.isEmpty())
    return true;
  const int Wahl = Fragen(
      this, QStringLiteral("Speichern"),
      QStringLiteral("„%1“ soll Windows-1252 werden, aber:\n\n%2\n\nIn Windows-1252 würden sie "
                     "zu „?“. UTF-8 hält jedes Zeichen (Excel liest es an der Kennung).")
          .arg(Name, Verluste.join(u'\n')),
      {QStringLiteral("Als UTF-8 speichern"), QStringLiteral("Trotzdem Windows-1252"), QStringLiteral("Abbrechen")}, 0);
  if (Wahl == 0)
    Format = TFormat::CsvUtf8;
  return Wahl == 0 || Wahl == 1;
}

bool TSammelfenster::SpeichernMitMeldung(const QString& Datei, TFormat Format)
{
  const QString Fehler = SpeichernNach(Datei, Format);
  if (!Fehler.isEmpty()) {
    statusBar()->showMessage(Fehler.section(u'\n', 0, 0), 10000);
    QMessageBox::warning(this, QStringLiteral("Speichern"), Fehler);
  }
  return Fehler.isEmpty();
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
  const QString Gewaehlte =
      QFileDialog::getSaveFileName(this, QStringLiteral("Liste speichern"), Vorschlag,
                                   QStringList({Csv1252, CsvUtf8, Xlsx}).join(QStringLiteral(";;")), &Gewaehlt);
  if (Gewaehlte.isEmpty())
    return false;
  auto [Datei, Format] = ZielNach(Gewaehlte, Gewaehlt == Xlsx      ? TFormat::Xlsx
                                             : Gewaehlt == CsvUtf8 ? TFormat::CsvUtf8
                                                                   : TFormat::CsvWindows1252);
  if (Format == TFormat::Xlsx && !XlsxVorhanden()) {
    QMessageBox::information(this, QStringLiteral("Speichern"), XlsxOhneSchreiber());
    return false;
  }
  // Nach dem Dialog angehaengte Endung: ob es die Datei schon gibt, hat der Dialog nicht gefragt.
  if (Datei != Gewaehlte && QFileInfo::exists(Datei) &&
      Fragen(this, QStringLiteral("Speichern"),
             QStringLiteral("„%1“ gibt es schon. Ersetzen?").arg(QFileInfo(Datei).fileName()),
             {QStringLiteral("Ersetzen"), QStringLiteral("Abbrechen")}, 1) != 0)
    return false;
  if (!FormatFragen(Datei, Format) || !OriginalUeberschreiben(Datei))
    return false;
  return SpeichernMitMeldung(Datei, Format);
}

bool TSammelfenster::IstOriginal(const QString& Datei) const
{
  // Verglichen wird der echte Pfad: auch eine Verknuepfung auf das Original ist das Original.
  return !FOriginal.isEmpty() && QFileInfo(Datei).canonicalFilePath() == FOriginal;
}

bool TSammelfenster::OriginalUeberschreiben(const QString& Datei)
{
  return !IstOriginal(Datei) ||
         Fragen(this, QStringLiteral("Speichern"),
                QStringLiteral("„%1“ ist die geöffnete Originaldatei. Wirklich überschreiben? Tandrix hängt seine "
                               "Spalten an Ihre an.")
                    .arg(QFileInfo(Datei).fileName()),
                {QStringLiteral("Überschreiben"), QStringLiteral("Abbrechen")}, 1) == 0;
}

QStringList TSammelfenster::FreieSuchen(const QString& Reihe, int Von, int Bis, int Anzahl, QString& Text) const
{
  TFreiAuftrag Auftrag;
  if (const std::string Fehler = FreiAuftragLesen(NachCp1252(Reihe), Auftrag); !Fehler.empty()) {
    Text = AusCp1252(Fehler);
    return {};
  }
  Auftrag.Von = Von;
  Auftrag.Bis = std::max(Bis, Von);
  Auftrag.Anzahl = static_cast<std::size_t>(Anzahl);
  QStringList Freie;
  for (const std::string& Nummer : ::FreieNummern(Auftrag, FModell->Belegt()))
    Freie << AusCp1252(NummerGegliedert(Nummer));
  Text = Freie.isEmpty() ? QStringLiteral("Keine freie Nummer in diesem Bereich.") : Freie.join(u'\n');
  return Freie;
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
  auto* Von = Zahlenfeld(QStringLiteral("Ordnungsnummer von"), 0, 999, 0);
  auto* Bis = Zahlenfeld(QStringLiteral("Ordnungsnummer bis"), 0, 999, 999);
  auto* Anzahl = Zahlenfeld(QStringLiteral("Anzahl"), 1, 1000, 10);
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
    QString Text;
    Freie = FreieSuchen(Reihe->text(), Von->value(), Bis->value(), Anzahl->value(), Text);
    Ergebnis->setPlainText(Text);
    Dazu->setEnabled(!Freie.isEmpty());
    Kopieren->setEnabled(!Freie.isEmpty());
  });
  connect(Kopieren, &QPushButton::clicked, &Dialog,
          [&] { QApplication::clipboard()->setText(Freie.join(u'\n') + u'\n'); });
  connect(Dazu, &QPushButton::clicked, &Dialog, [&] {
    NummernAnhaengen(Freie);
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
  OeffnenUndMelden(Datei);
}
