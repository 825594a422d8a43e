// Listen hinein: Oeffnen (Text und Arbeitsmappen), Lesen im Hintergrund, Lesart, Pruefen in
// Schritten, Einfuegen und Anhaengen.
#include "sammlung/sammelfenster.h"

#include "sammlung/blattdialog.h"
#include "sammlung/hintergrund.h"
#include "sammlung/urteiltabelle.h"
#include "ui_sammelfenster.h"

#include "nummer/datei.h"
#include "oberflaeche/umwandlung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

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

// Die Trenner in der Reihenfolge des Auswahlfelds (sammelfenster.cpp fuellt es).
constexpr char Trennerfolge[] = {'\t', ';', ',', '|', '\0'};

}  // namespace

TSammelfenster::~TSammelfenster() = default;

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
  FBlatt.reset();
  FBlaetter = 0;
  setWindowModified(false);
  ListeUebernehmen(FRoh, {});
  return {};
}

bool TSammelfenster::OeffnenUndMelden(const QString& Datei)
{
  const QString Grund = Oeffnen(Datei);
  if (!Grund.isEmpty()) {
    FZusammenfassung->setText(Grund.toHtmlEscaped());
    QMessageBox::warning(this, QStringLiteral("Öffnen"), Grund);
  }
  return Grund.isEmpty();
}

void TSammelfenster::OeffnenFragen()
{
  if (!AenderungenSichern())
    return;
  const QString Datei = QFileDialog::getOpenFileName(
      this, QStringLiteral("Liste öffnen"), QString(),
      QStringLiteral("Listen und Arbeitsmappen (*.csv *.tsv *.txt *.xlsx *.ods *.xls);;Alle Dateien (*)"));
  if (!Datei.isEmpty())
    OeffnenUndMelden(Datei);
}

bool TSammelfenster::MappeUebernehmen(const TMappe& Mappe)
{
  QString Grund = AusCp1252(Mappe.Fehler);
  if (Grund.isEmpty() && Mappe.Blaetter.empty())
    Grund = QStringLiteral("Die Arbeitsmappe hat kein Blatt mit Zeilen.");
  if (!Grund.isEmpty()) {
    FZusammenfassung->setText(Grund.toHtmlEscaped());
    QMessageBox::warning(this, QStringLiteral("Öffnen"), Grund);
    return false;
  }
  int Blatt = BlattMitNummernIndex(Mappe);
  if (Mappe.Blaetter.size() > 1) {
    TBlattDialog Dialog(Mappe, Blatt, QFileInfo(FOriginal).fileName(), this);
    if (Dialog.exec() != QDialog::Accepted || Dialog.Gewaehlt() < 0) {
      FZusammenfassung->setText(QStringLiteral("Kein Blatt gewählt: keine Liste."));
      return false;
    }
    Blatt = Dialog.Gewaehlt();
  }
  FBlatt = Mappe.Blaetter[static_cast<std::size_t>(Blatt)];
  FBlaetter = static_cast<int>(Mappe.Blaetter.size());
  ListeUebernehmen(FRoh, {});
  return true;
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
  // Ein gewaehltes Blatt wird kopiert: der Faden teilt nichts mit dem Fenster.
  const std::optional<TBlatt> Blatt = Anhaengen ? std::nullopt : FBlatt;
  Lesen->Faden.reset(QThread::create([Lesen, Bytes, Vorgabe, Blatt] {
    const std::string_view Text(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
    if (Blatt)
      Lesen->Ergebnis = BlattAlsText(*Blatt, Vorgabe, Lesen->Abbruch);
    else if (Lesen->Anhaengen || !(Lesen->Mappe = AlsMappe(Text)))
      Lesen->Ergebnis = ListeAlsText(Text, Vorgabe, Lesen->Abbruch);
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
  std::optional<TMappe> Mappe = std::move(FLesen->Mappe);
  const bool Anhaengen = FLesen->Anhaengen;
  FLesen.reset();
  if (Mappe) {
    FFortschritt->hide();
    FAbbrechen->hide();
    if (!MappeUebernehmen(*Mappe))
      TitelSetzen();
    return;
  }
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
  FModell->Setzen(std::move(Liste.Kopf), std::move(Liste.Zeilen), Liste.Nummernspalte, Liste.AlsZahl);
  FBearbeitet = false;
  FLeseArt = {Liste.Trenner, Liste.MitKopf, Liste.Nummernspalte};
  {
    const QSignalBlocker Still(FUi->SpalteWahl);
    FUi->SpalteWahl->clear();
    FUi->SpalteWahl->addItems(Kopf);
  }
  LeseArtZeigen();
  FBreitenGesetzt = false;
  PruefenAb(0);
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
  const auto* Trenner = std::find(std::begin(Trennerfolge), std::end(Trennerfolge), FLeseArt.Trenner);
  FUi->Trenner->setCurrentIndex(static_cast<int>(Trenner - std::begin(Trennerfolge)));
  FUi->Kopfzeile->setChecked(FLeseArt.MitKopf);
  FUi->SpalteWahl->setCurrentIndex(FLeseArt.Spalte);
  FLeseArtWirdGezeigt = false;
  const bool Da = !FRoh.isEmpty() || FBlatt;
  // Ein Blatt einer Arbeitsmappe hat Zellen, keine Trenner.
  FUi->Trenner->setEnabled(Da && !FBlatt);
  FUi->Kopfzeile->setEnabled(Da);
  FUi->SpalteWahl->setEnabled(Da);
}

void TSammelfenster::TrennerGeaendert()
{
  if (FLeseArtWirdGezeigt || !NeuLesenErlaubt())
    return;
  TLeseVorgabe Vorgabe;
  Vorgabe.Trenner = Trennerfolge[std::max(FUi->Trenner->currentIndex(), 0)];
  ListeUebernehmen(FRoh, Vorgabe);
}

void TSammelfenster::LeseArtGeaendert()
{
  if (FLeseArtWirdGezeigt || (FRoh.isEmpty() && !FBlatt) || !NeuLesenErlaubt())
    return;
  TLeseVorgabe Vorgabe;
  Vorgabe.Trenner = Trennerfolge[std::max(FUi->Trenner->currentIndex(), 0)];
  Vorgabe.MitKopf = FUi->Kopfzeile->isChecked();
  Vorgabe.Spalte = std::to_string(std::max(FUi->SpalteWahl->currentIndex(), 0) + 1);
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
  // Von der ersten ungeprueften an; was dahinter schon geprueft ist, prueft es noch einmal.
  if (Erste < FModell->rowCount())
    PruefenAb(Erste);
}

void TSammelfenster::PruefenAb(int Erste)
{
  FNaechste = Erste;
  FFilter->Anhalten();
  FFortschritt->setRange(Erste, std::max(FModell->rowCount(), Erste + 1));
  FFortschritt->setValue(Erste);
  FFortschritt->show();
  FAbbrechen->show();
  FArbeit.start();
  TitelSetzen();
  FZusammenfassung->setText(Erste == 0 ? QStringLiteral("Prüfe %1 Zeilen …").arg(FModell->rowCount())
                                       : QStringLiteral("Prüfe %1 übrige Zeilen …").arg(FModell->rowCount() - Erste));
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
    BreitenSetzen();
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

void TSammelfenster::BreitenSetzen()
{
  // Breiten nach den ersten 200 Zeilen, hoechstens 220 Pixel: eine lange Zelle soll nicht die
  // ganze Tabelle verschieben. Allein in diesem Schritt: das Messen kostet selbst etwa 20 ms.
  FBreitenGesetzt = true;
  const int Von = FNaechste;
  FNaechste = std::min(Von + 200, FModell->rowCount());
  FModell->Auswerten(Von, FNaechste);
  QTableView& Ansicht = *FUi->Tabelle;
  Ansicht.horizontalHeader()->setResizeContentsPrecision(200);
  Ansicht.resizeColumnsToContents();
  for (int Spalte = 0; Spalte < FModell->columnCount(); ++Spalte)
    Ansicht.setColumnWidth(Spalte, std::min(Ansicht.columnWidth(Spalte), 220));
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
  if (FModell->rowCount() > 0 && !FUi->Tabelle->currentIndex().isValid())
    FUi->Tabelle->selectRow(0);
  DetailZeigen();
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
  FBlatt.reset();
  setWindowModified(false);
  FLeseBefunde.clear();
  FLeseHinweis->hide();
  FFortschritt->hide();
  FAbbrechen->hide();
  FFilter->Fortsetzen();
  LeseArtZeigen();
  TitelSetzen();
  FZusammenfassung->setText(QStringLiteral("Lesen abgebrochen: keine Liste."));
}

void TSammelfenster::TextEinfuegen(const QString& Text)
{
  const QByteArray Bytes = QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
  LesenAbwarten();
  if (FModell->rowCount() == 0) {
    FRoh = Bytes;
    FOriginal.clear();
    FZiel.clear();
    FBlatt.reset();
    setWindowModified(true);
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
  setWindowModified(true);
  FBearbeitet = true;
  LeseBefundeZeigen(Befunde, true);
  // Geprueft wird in Schritten wie eine gelesene Liste. Laeuft schon eine Pruefung, geht sie
  // weiter und endet mit den neuen Zeilen; nach einem Abbruch bleiben die alten ungeprueft.
  if (!FArbeit.isActive())
    PruefenAb(Erste);
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
