// Was das Fenster zu einer Zeile zeigt und wie Nummern in die Liste kommen: Detailansicht,
// Vorschlag uebernehmen, Pruefzeile, freie Nummern, Zwischenablage.
#include "sammlung/sammelfenster.h"

#include "sammlung/detailformular.h"
#include "sammlung/freidialog.h"
#include "sammlung/pruefung.h"
#include "sammlung/speichern.h"
#include "sammlung/urteiltabelle.h"
#include "ui_sammelfenster.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"

#include <QApplication>
#include <QClipboard>
#include <QStatusBar>

#include <algorithm>

void TSammelfenster::SchnellPruefen()
{
  const QString Eingabe = FUi->Schnell->text().trimmed();
  FUi->SchnellDazu->setEnabled(false);
  if (Eingabe.isEmpty()) {
    FUi->SchnellErgebnis->clear();
    return;
  }
  const TErgebnis Ergebnis = ZeileAuswerten(*FWissen, {QStringLiteral("Nummer")}, {Eingabe}, 0, false);
  if (!Ergebnis.Meldung.empty()) {
    FUi->SchnellErgebnis->setText(AusCp1252(Ergebnis.Meldung));
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
  FUi->SchnellErgebnis->setText(AusCp1252(Text));
  FUi->SchnellDazu->setEnabled(true);
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
  ListeGeaendert();
}

void TSammelfenster::SchnellHinzufuegen()
{
  if (!FUi->SchnellDazu->isEnabled())
    return;
  NummernAnhaengen({FUi->Schnell->text().trimmed()});
  FUi->Tabelle->selectRow(FFilter->mapFromSource(FModell->index(FModell->rowCount() - 1, 0)).row());
  FUi->Schnell->clear();
}

int TSammelfenster::GewaehlteZeile() const
{
  const QModelIndex Index = FFilter->mapToSource(FUi->Tabelle->currentIndex());
  return Index.isValid() ? Index.row() : -1;
}

void TSammelfenster::DetailZeigen()
{
  const int Zeile = GewaehlteZeile();
  if (Zeile < 0) {
    FUi->Detail->Leeren();
    return;
  }
  TErgebnis Ergebnis = FModell->Auswertung(Zeile);
  if (const std::string Doppelt = DoppelText(FModell->DoppeltZu(Zeile)); !Doppelt.empty())
    Ergebnis.Befunde.push_back(HinweisBefund(TBezug::Doppelt, Doppelt));
  FUi->Detail->Zeigen(Zeile, Ergebnis);
}

bool TSammelfenster::VorschlagUebernehmen(int Nummer)
{
  const int Zeile = GewaehlteZeile();
  const std::string Ziffern = FUi->Detail->VorschlagZiffern(Nummer);
  if (Zeile < 0 || Ziffern.empty())
    return false;
  FModell->NummerSetzen(Zeile, AusCp1252(NummerGegliedert(Ziffern)));
  ListeGeaendert();
  DetailZeigen();
  return true;
}

void TSammelfenster::EinfuegenAusZwischenablage() { TextEinfuegen(QApplication::clipboard()->text()); }

std::vector<int> TSammelfenster::ZeilenDerAnsicht(bool NurMarkierte) const
{
  std::vector<int> Zeilen;
  if (NurMarkierte) {
    QModelIndexList Markiert = FUi->Tabelle->selectionModel()->selectedRows();
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
  QString Reihe;
  if (const int Zeile = GewaehlteZeile(); Zeile >= 0 && !FModell->Zwoelf(Zeile).empty())
    Reihe = AusCp1252(NummerGegliedert(FModell->Zwoelf(Zeile))).left(10);
  TFreiDialog Dialog([this](const QString& R, int Von, int Bis, int Anzahl,
                            QString& Text) { return FreieSuchen(R, Von, Bis, Anzahl, Text); },
                     Reihe, this);
  if (Dialog.exec() == QDialog::Accepted)
    NummernAnhaengen(Dialog.Freie());
}
