// Das Fenster selbst: Formular, Verbindungen, Titel, Statuszeile, die eine Frage vor dem
// Verwerfen, Detailansicht, Pruefzeile und Zwischenablage.
#include "sammlung/sammelfenster.h"

#include "sammlung/detailformular.h"
#include "sammlung/freidialog.h"
#include "sammlung/hintergrund.h"
#include "sammlung/pruefung.h"
#include "sammlung/speichern.h"
#include "sammlung/urteildelegat.h"
#include "sammlung/urteiltabelle.h"
#include "ui_sammelfenster.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

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

TSammelfenster::TSammelfenster(const std::optional<QString>& Datenverzeichnis, QWidget* Eltern)
    : QMainWindow(Eltern), FUi(std::make_unique<Ui::TSammelfensterForm>())
{
  DatenLaden(Datenverzeichnis);
  FModell = new TListenModell(*FWissen, this);
  FFilter = new TListenFilter(this);
  FFilter->setSourceModel(FModell);
  // Waehrend der Auswertung nicht nach jedem Schritt neu sortieren; am Ende einmal.
  FFilter->setDynamicSortFilter(false);
  FUi->setupUi(this);
  TabelleEinrichten();
  StatuszeileAnlegen();
  Verbinden();
  LeseArtZeigen();
  setAcceptDrops(true);
  FArbeit.setInterval(0);
  TitelSetzen();
  // Auf einem Bildschirm von 1280 x 800 (verbreitet bei Notebooks) fast bildschirmfuellend, damit
  // Urteile und Angaben ohne Blaettern nebeneinander stehen.
  const QSize Platz = screen()->availableSize();
  resize(std::min(1240, Platz.width() - 40), std::min(760, Platz.height() - 40));
  // Das leere Fenster sagt "mit Strg+V einfügen": das gilt der Liste, nicht der Pruefzeile.
  FUi->Tabelle->setFocus();
}

QTableView& TSammelfenster::Tabelle() { return *FUi->Tabelle; }

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

void TSammelfenster::TabelleEinrichten()
{
  TUrteilTabelle& Ansicht = *FUi->Tabelle;
  FDelegat = new TUrteilDelegat(this);
  Ansicht.setItemDelegate(FDelegat);
  Ansicht.setModel(FFilter);
  // Nummer und Urteil zuerst und fest: wer seitlich blaettert, sieht weiter, was Tandrix sagt.
  Ansicht.FesteSpalten([this] {
    const int Eigene = FModell->Benutzerspalten();
    FDelegat->SpaltenSetzen(Eigene + TListenModell::Urteil, Eigene + TListenModell::Doppelt);
    if (Eigene == 0)
      return QList<int>();
    return QList<int>({FModell->Nummernspalte(), Eigene + TListenModell::Urteil, Eigene + TListenModell::Angeschrieben,
                       Eigene + TListenModell::Berechnet});
  });
  Ansicht.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  Ansicht.verticalHeader()->setDefaultSectionSize(Ansicht.fontMetrics().height() + 6);
  Ansicht.Fest().verticalHeader()->setDefaultSectionSize(Ansicht.fontMetrics().height() + 6);
  FUi->Teiler->setStretchFactor(0, 2);
  FUi->Teiler->setStretchFactor(1, 1);
  FUi->Teiler->setSizes({740, 480});
  static const QStringList Trenner = {QStringLiteral("Tabulator"), QStringLiteral("Semikolon ;"),
                                      QStringLiteral("Komma ,"), QStringLiteral("senkrechter Strich |"),
                                      QStringLiteral("keiner (eine Spalte)")};
  FUi->Trenner->addItems(Trenner);
}

void TSammelfenster::StatuszeileAnlegen()
{
  FZusammenfassung =
      new QLabel(QStringLiteral("Noch keine Liste: Datei öffnen, hineinziehen oder mit Strg+V einfügen."));
  // Ohne eigenen Namen: Bildschirmleser lesen den Text selbst (scripts/sammlung-sitzung auch).
  FZusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
  FZusammenfassung->setTextFormat(Qt::RichText);
  FZusammenfassung->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
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
  const Ui::TSammelfensterForm& F = *FUi;
  connect(F.AktionOeffnen, &QAction::triggered, this, &TSammelfenster::OeffnenFragen);
  connect(F.AktionSpeichern, &QAction::triggered, this, &TSammelfenster::Speichern);
  connect(F.AktionSpeichernUnter, &QAction::triggered, this, &TSammelfenster::SpeichernUnter);
  connect(F.AktionPdf, &QAction::triggered, this, &TSammelfenster::PdfSpeichern);
  connect(F.AktionDrucken, &QAction::triggered, this, &TSammelfenster::Drucken);
  connect(F.AktionBeenden, &QAction::triggered, this, &QWidget::close);
  connect(F.AktionEinfuegen, &QAction::triggered, this, &TSammelfenster::EinfuegenAusZwischenablage);
  connect(F.AktionKopieren, &QAction::triggered, this, &TSammelfenster::KopierenInZwischenablage);
  connect(F.AktionFortsetzen, &QAction::triggered, this, &TSammelfenster::PruefungFortsetzen);
  connect(F.AktionFreie, &QAction::triggered, this, &TSammelfenster::FreieNummern);
  connect(F.AktionUeber, &QAction::triggered, this, &TSammelfenster::Ueber);
  connect(F.Schnell, &QLineEdit::textChanged, this, &TSammelfenster::SchnellPruefen);
  connect(F.Schnell, &QLineEdit::returnPressed, this, &TSammelfenster::SchnellHinzufuegen);
  connect(F.SchnellDazu, &QPushButton::clicked, this, &TSammelfenster::SchnellHinzufuegen);
  connect(F.Trenner, &QComboBox::currentIndexChanged, this, &TSammelfenster::TrennerGeaendert);
  connect(F.Kopfzeile, &QCheckBox::toggled, this, &TSammelfenster::LeseArtGeaendert);
  connect(F.SpalteWahl, &QComboBox::currentIndexChanged, this, &TSammelfenster::LeseArtGeaendert);
  connect(F.NurAuffaelliges, &QCheckBox::toggled, this, [this](bool Nur) {
    FFilter->NurAuffaelliges(Nur);
    ZusammenfassungZeigen();
  });
  connect(F.Tabelle->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TSammelfenster::DetailZeigen);
  connect(F.Detail, &TDetailFormular::Uebernehmen, this, &TSammelfenster::VorschlagUebernehmen);
  connect(FZusammenfassung, &QLabel::linkActivated, this, &TSammelfenster::VerweisGewaehlt);
  connect(FAbbrechen, &QPushButton::clicked, this, &TSammelfenster::Abbrechen);
  connect(&FArbeit, &QTimer::timeout, this, &TSammelfenster::ArbeitsSchritt);
  // Das Formular kennt die Reihenfolge bis zur Tabelle; dahinter kommt die Detailansicht.
  setTabOrder(F.Tabelle, F.Detail);
}

void TSammelfenster::Ueber()
{
  QMessageBox::about(
      this, QStringLiteral("Über Tandrix Sammlung"),
      QStringLiteral("Tandrix Sammlung %1\n\nPrüft ganze Listen von Wagennummern: einfügen oder "
                     "öffnen, prüfen, reparieren, als CSV%2 speichern.\nDaten: %3")
          .arg(QCoreApplication::applicationVersion(),
               XlsxVorhanden() ? QStringLiteral(" oder Excel-Arbeitsmappe") : QString(),
               FWissen->MitDaten ? AusCp1252(FStammdaten.Version) : QStringLiteral("Wagen.ebb nicht geladen")));
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
  setWindowTitle(QStringLiteral("Tandrix Sammlung – %1[*]%2").arg(Name, Zustand));
  // Was eine Liste braucht, geht erst mit einer; freie Nummern beginnen auch eine neue.
  const bool MitZeilen = FModell->rowCount() > 0;
  for (QAction* Aktion :
       {FUi->AktionSpeichern, FUi->AktionSpeichernUnter, FUi->AktionPdf, FUi->AktionDrucken, FUi->AktionKopieren})
    Aktion->setEnabled(MitZeilen);
}

void TSammelfenster::ListeGeaendert()
{
  setWindowModified(true);
  FBearbeitet = true;
  TitelSetzen();
  ZusammenfassungZeigen();
}

bool TSammelfenster::AenderungenSichern()
{
  if (!isWindowModified())
    return true;
  const int Wahl =
      Fragen(this, QStringLiteral("Tandrix Sammlung"),
             QStringLiteral("Die Liste hat ungespeicherte Änderungen. Vorher speichern?"),
             {QStringLiteral("Speichern …"), QStringLiteral("Nicht speichern"), QStringLiteral("Abbrechen")}, 0);
  if (Wahl == 0)
    return SpeichernUnter();
  return Wahl == 1;
}

void TSammelfenster::closeEvent(QCloseEvent* Ereignis)
{
  if (!AenderungenSichern()) {
    Ereignis->ignore();
    return;
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
  if (AenderungenSichern())
    OeffnenUndMelden(Datei);
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
  // Jede Zeile zaehlt genau einmal: die Urteile und die ungeprueften ergeben zusammen alle. Jede
  // Zahl ist ein Verweis, der die Ansicht auf diese Zeilen beschraenkt.
  const QString Text =
      Offen == 0 ? QStringLiteral(
                       "%1 Zeilen: <a href=\"korrekt\">%2 korrekt</a>, <a href=\"berechnet\">%3 berechnet</a>, "
                       "<a href=\"falsch\">%4 falsch</a>, <a href=\"unvollstaendig\">%5 unvollständig</a>, "
                       "<a href=\"unbrauchbar\">%6 unbrauchbar</a>, <a href=\"doppelt\">%7 doppelt</a>")
      : FArbeit.isActive()
          ? QStringLiteral(
                "%1 Zeilen: <a href=\"korrekt\">%2 korrekt</a>, <a href=\"berechnet\">%3 berechnet</a>, "
                "<a href=\"falsch\">%4 falsch</a>, <a href=\"unvollstaendig\">%5 unvollständig</a>, "
                "<a href=\"unbrauchbar\">%6 unbrauchbar</a>, <a href=\"doppelt\">%7 doppelt</a>; %8 Zeilen werden "
                "noch geprüft")
          : QStringLiteral(
                "%1 Zeilen: <a href=\"korrekt\">%2 korrekt</a>, <a href=\"berechnet\">%3 berechnet</a>, "
                "<a href=\"falsch\">%4 falsch</a>, <a href=\"unvollstaendig\">%5 unvollständig</a>, "
                "<a href=\"unbrauchbar\">%6 unbrauchbar</a>, <a href=\"doppelt\">%7 doppelt</a>; Prüfung "
                "abgebrochen, %8 Zeilen nicht geprüft");
  const QString Gezaehlt = Text.arg(FModell->rowCount())
                               .arg(Anzahl(TUrteilArt::Korrekt))
                               .arg(Anzahl(TUrteilArt::Berechnet))
                               .arg(Anzahl(TUrteilArt::Falsch))
                               .arg(Anzahl(TUrteilArt::Unvollstaendig))
                               .arg(Anzahl(TUrteilArt::Unbrauchbar))
                               .arg(Doppelte);
  const bool Gefiltert = FFilter->Auswahl() != TListenFilter::TAuswahl::Alle || FFilter->IstNurAuffaelliges();
  const QString Alle = Gefiltert ? QStringLiteral(" – <a href=\"alle\">alle zeigen</a>") : QString();
  FZusammenfassung->setText((Offen == 0 ? Gezaehlt : Gezaehlt.arg(Offen)) + Alle);
}

void TSammelfenster::VerweisGewaehlt(const QString& Verweis)
{
  static const QList<QPair<QString, TUrteilArt>> Urteile = {
      {QStringLiteral("korrekt"), TUrteilArt::Korrekt},
      {QStringLiteral("berechnet"), TUrteilArt::Berechnet},
      {QStringLiteral("falsch"), TUrteilArt::Falsch},
      {QStringLiteral("unvollstaendig"), TUrteilArt::Unvollstaendig},
      {QStringLiteral("unbrauchbar"), TUrteilArt::Unbrauchbar}};
  const auto Urteil =
      std::find_if(Urteile.begin(), Urteile.end(), [&](const auto& Paar) { return Paar.first == Verweis; });
  if (Urteil != Urteile.end()) {
    FFilter->NurUrteil(Urteil->second);
  } else if (Verweis == QLatin1String("doppelt")) {
    FFilter->NurDoppelte();
  } else {
    const QSignalBlocker Still(FUi->NurAuffaelliges);
    FUi->NurAuffaelliges->setChecked(false);
    FFilter->AlleZeigen();
  }
  ZusammenfassungZeigen();
  if (FFilter->rowCount() > 0)
    FUi->Tabelle->selectRow(0);
  DetailZeigen();
}
