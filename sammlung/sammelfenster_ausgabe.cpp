// Die gepruefte Liste auf Papier: als PDF (QPdfWriter aus Qt Gui, ueberall) und, wo Qt
// PrintSupport da ist, auf den Drucker; beide mit demselben Seitenbild (seitenbild.h).
#include "sammlung/sammelfenster.h"

#include "sammlung/hintergrund.h"
#include "sammlung/seitenbild.h"
#include "ui_sammelfenster.h"

#include "oberflaeche/umwandlung.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStatusBar>
#include <QUrl>
#ifdef TANDRIX_MIT_DRUCK
#  include <QPrintDialog>
#  include <QPrinter>
#endif

namespace {

// Die Spalten des Benutzers, dazu die gelesene Nummer, das Urteil und der wichtigste Befund.
TSeitenInhalt InhaltFuerSeiten(const TListenModell& Modell, const std::vector<int>& Zeilen, const QString& Titel)
{
  TSeitenInhalt Inhalt;
  Inhalt.Titel = Titel;
  Inhalt.Datum = QLocale(QLocale::German).toString(QDateTime::currentDateTime(), QStringLiteral("d. MMMM yyyy, HH:mm"));
  const int Eigene = Modell.Benutzerspalten();
  Inhalt.Kopf = Modell.Kopf();
  Inhalt.Kopf << QStringLiteral("Nummer gelesen") << QStringLiteral("Urteil") << QStringLiteral("Wichtigster Befund");
  Inhalt.Urteilsspalte = Eigene + 1;
  int Zaehler[6] = {};
  for (const int Zeile : Zeilen) {
    QStringList Zellen;
    for (int Spalte = 0; Spalte < Eigene; ++Spalte)
      Zellen << Modell.Text(Zeile, Spalte);
    // Der erste Befund ist der wichtigste: Abweichungen nennt die Auswertung vor Hinweisen.
    const QString Befund = Modell.Text(Zeile, Eigene + TListenModell::Befunde).section(QStringLiteral(" | "), 0, 0);
    const QString Doppelt = Modell.Text(Zeile, Eigene + TListenModell::Doppelt);
    Zellen << Modell.Text(Zeile, Eigene + TListenModell::Gelesen) << Modell.Text(Zeile, Eigene + TListenModell::Urteil)
           << (Befund.isEmpty() ? Doppelt : Befund);
    Inhalt.Zeilen.push_back(std::move(Zellen));
    Inhalt.Arten.push_back(Modell.Zeile(Zeile).Art);
    ++Zaehler[static_cast<int>(Modell.Zeile(Zeile).Art)];
  }
  Inhalt.Zusammenfassung << QStringLiteral("Zusammenfassung: %1 Zeilen").arg(Zeilen.size());
  static const QStringList Namen = {QStringLiteral("nicht geprüft"), QStringLiteral("korrekt"),
                                    QStringLiteral("berechnet"),     QStringLiteral("falsch"),
                                    QStringLiteral("unvollständig"), QStringLiteral("unbrauchbar")};
  for (int Art = 1; Art <= 5; ++Art)
    Inhalt.Zusammenfassung << QStringLiteral("%1 %2").arg(Zaehler[Art]).arg(Namen[Art]);
  return Inhalt;
}

}  // namespace

QString TSammelfenster::PdfNach(const QString& Datei)
{
  LesenAbwarten();
  const QString Name = QDir::toNativeSeparators(Datei);
  QProgressDialog Fortschritt(QStringLiteral("Prüfe die übrigen Zeilen …"), QStringLiteral("Abbrechen"), 0,
                              std::max(FModell->rowCount(), 1), this);
  Fortschritt.setWindowModality(Qt::WindowModal);
  Fortschritt.setMinimumDuration(FFortschrittNach);
  if (!PruefungAbschliessen(Fortschritt))
    return QStringLiteral("Abgebrochen; „%1“ wurde nicht geschrieben.").arg(Name);
  QSaveFile Ausgabe(Datei);
  if (!Ausgabe.open(QIODevice::WriteOnly))
    return QStringLiteral("„%1“ ließ sich nicht anlegen: %2.").arg(Name, Ausgabe.errorString());
  {
    QPdfWriter Pdf(&Ausgabe);
    Pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                  QPageLayout::Millimeter));
    Pdf.setResolution(300);
    Pdf.setTitle(QStringLiteral("Tandrix Sammlung – %1").arg(windowTitle().remove(QStringLiteral("[*]"))));
    Pdf.setCreator(QStringLiteral("Tandrix Sammlung"));
    const QString Titel = FOriginal.isEmpty() ? QStringLiteral("eingefügte Liste") : QFileInfo(FOriginal).fileName();
    if (!SeitenMalen(Pdf, InhaltFuerSeiten(*FModell, ZeilenDerAnsicht(false), Titel)))
      return QStringLiteral("„%1“ ließ sich nicht als PDF schreiben.").arg(Name);
  }
  if (!Ausgabe.commit())
    return QStringLiteral("„%1“ ließ sich nicht speichern: %2.").arg(Name, Ausgabe.errorString());
  statusBar()->showMessage(QStringLiteral("Gespeichert: %1").arg(Name), 6000);
  return {};
}

void TSammelfenster::PdfSpeichern()
{
  const QString Vorschlag = FOriginal.isEmpty()
                                ? QStringLiteral("sammlung (geprüft).pdf")
                                : QFileInfo(FOriginal).dir().filePath(
                                      QStringLiteral("%1 (geprüft).pdf").arg(QFileInfo(FOriginal).completeBaseName()));
  QString Datei = QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"), Vorschlag,
                                               QStringLiteral("PDF-Dokument (*.pdf)"));
  if (Datei.isEmpty())
    return;
  if (!Datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    Datei += QStringLiteral(".pdf");
  if (const QString Fehler = PdfNach(Datei); !Fehler.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Als PDF speichern"), Fehler);
    return;
  }
  if (Fragen(this, QStringLiteral("Als PDF speichern"),
             QStringLiteral("„%1“ ist gespeichert. Jetzt im PDF-Betrachter öffnen?").arg(QFileInfo(Datei).fileName()),
             {QStringLiteral("Öffnen"), QStringLiteral("Nicht jetzt")}, 0) == 0)
    QDesktopServices::openUrl(QUrl::fromLocalFile(Datei));
}

void TSammelfenster::Drucken()
{
#ifdef TANDRIX_MIT_DRUCK
  LesenAbwarten();
  QPrinter Drucker(QPrinter::HighResolution);
  Drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                    QPageLayout::Millimeter));
  QPrintDialog Dialog(&Drucker, this);
  if (Dialog.exec() != QDialog::Accepted)
    return;
  const QString Titel = FOriginal.isEmpty() ? QStringLiteral("eingefügte Liste") : QFileInfo(FOriginal).fileName();
  if (!SeitenMalen(Drucker, InhaltFuerSeiten(*FModell, ZeilenDerAnsicht(false), Titel)))
    QMessageBox::warning(this, QStringLiteral("Drucken"), QStringLiteral("Der Drucker ließ sich nicht ansprechen."));
#else
  QMessageBox::information(
      this, QStringLiteral("Drucken"),
      QStringLiteral("Diese Ausgabe druckt nicht selbst: „Als PDF speichern …“ und das PDF drucken."));
#endif
}
