// Listen hinaus: Speichern als CSV und XLSX, die Fragen davor, Arbeitsmappen neben dem Original.
#include "sammlung/sammelfenster.h"

#include "sammlung/hintergrund.h"
#include "sammlung/speichern.h"
#include "ui_sammelfenster.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStatusBar>
#include <QThread>

namespace {

// Neben einer Arbeitsmappe: "liste.ods" -> "liste (geprüft).xlsx".
QString GeprueftNeben(const QString& Original)
{
  const QFileInfo Info(Original);
  return Info.dir().filePath(QStringLiteral("%1 (geprüft).xlsx").arg(Info.completeBaseName()));
}

// Ein abgebrochenes Speichern laesst die Datei, wie sie war.
QString Abgebrochen(const QString& Name)
{
  return QStringLiteral("Speichern abgebrochen; „%1“ ist unverändert.").arg(Name);
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

void TSammelfenster::Speichern()
{
  if (FZiel.isEmpty()) {
    if (!FBlatt || !MappeSpeichern())
      SpeichernUnter();
    return;
  }
  QString Ziel = FZiel;
  if (TFormat Format = FZielFormat; FormatFragen(Ziel, Format))
    SpeichernMitMeldung(Ziel, Format);
}

bool TSammelfenster::MappeSpeichern()
{
  // Ohne Schreiber fuer .xlsx (oder ohne Datei, aus der die Mappe kam) bleibt der Dialog.
  if (!XlsxVorhanden() || FOriginal.isEmpty())
    return false;
  const QString Neu = GeprueftNeben(FOriginal);
  const bool Xlsx = IstXlsx(std::string_view(FRoh.constData(), static_cast<std::size_t>(FRoh.size())));
  const QString Andere =
      FBlaetter > 1 ? QStringLiteral(
                          "\n\nDie Mappe hat %1 Blätter; gespeichert wird nur „%2“ mit den Spalten von Tandrix. Die "
                          "übrigen Blätter stehen nur in der Originaldatei.")
                          .arg(FBlaetter)
                          .arg(QString::fromStdString(FBlatt->Name))
                    : QString();
  QStringList Knoepfe = {QStringLiteral("Neue Datei speichern")};
  if (Xlsx)
    Knoepfe << QStringLiteral("Original überschreiben");
  Knoepfe << QStringLiteral("Abbrechen");
  const int Wahl = Fragen(this, QStringLiteral("Speichern"),
                          QStringLiteral("Die geprüfte Liste kommt als neue Arbeitsmappe „%1“ neben „%2“; das "
                                         "Original bleibt, wie es ist.%3")
                              .arg(QFileInfo(Neu).fileName(), QFileInfo(FOriginal).fileName(), Andere),
                          Knoepfe, 0);
  if (Wahl < 0 || Wahl == Knoepfe.size() - 1)
    return true;
  QString Ziel = Wahl == 0 ? Neu : FOriginal;
  if (Wahl == 0 && QFileInfo::exists(Ziel) &&
      Fragen(this, QStringLiteral("Speichern"),
             QStringLiteral("„%1“ gibt es schon. Ersetzen?").arg(QFileInfo(Ziel).fileName()),
             {QStringLiteral("Ersetzen"), QStringLiteral("Abbrechen")}, 1) != 0)
    return true;
  if (TFormat Format = TFormat::Xlsx; FormatFragen(Ziel, Format))
    SpeichernMitMeldung(Ziel, Format);
  return true;
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
  if (!PruefungAbschliessen(Fortschritt))
    return Abgebrochen(Name);
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
  QString Fehler = SchreibenNach(Datei, Format, Fortschritt);
  if (!Fehler.isEmpty())
    return Fehler;
  FZiel = Datei;
  FZielFormat = Format;
  setWindowModified(false);
  TitelSetzen();
  statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(Name), 6000);
  return {};
}

QString TSammelfenster::SchreibenNach(const QString& Datei, TFormat Format, QProgressDialog& Fortschritt)
{
  const QString Name = QDir::toNativeSeparators(Datei);
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
    return Abgebrochen(Name);
  Schreiber.reset();
  if (Fehler.isEmpty() && !Ausgabe.commit())
    Fehler = Ausgabe.errorString();
  if (!Fehler.isEmpty())
    return QStringLiteral("„%1“ ließ sich nicht speichern: %2. Eine vorhandene Datei dieses Namens ist unverändert.")
        .arg(Name, Fehler);
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
  if (Format == TFormat::Xlsx)
    return XlsxFragen(Datei, Format, Pruefung.XlsxGrenzen());
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

bool TSammelfenster::XlsxFragen(QString& Datei, TFormat& Format, const QStringList& Grenzen)
{
  if (Grenzen.isEmpty())
    return true;
  {
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
  QString Gewaehlt = FBlatt && XlsxVorhanden() ? Xlsx : Csv1252;
  const QString Vorschlag = FOriginal.isEmpty() ? QStringLiteral("sammlung-geprueft.csv")
                            : FBlatt            ? GeprueftNeben(FOriginal)
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
