#include "sammlung/speichern.h"

#include "sammlung/listenmodell.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"
#include "zeichen/text.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>

#ifdef TANDRIX_MIT_XLSX
#  include <xlsxwriter.h>
#endif

namespace {

bool NurZiffern(const QString& Text)
{
  return !Text.isEmpty() && std::all_of(Text.begin(), Text.end(), [](QChar Z) { return Z >= u'0' && Z <= u'9'; });
}

// Steuerzeichen sichtbar wie bei wagennummer ("^[" fuer Escape), C1-Zeichen als '?'.
QString Sichtbar(const QString& Text)
{
  QString Ergebnis;
  Ergebnis.reserve(Text.size());
  for (const QChar Zeichen : Text) {
    const char16_t Code = Zeichen.unicode();
    if ((Code < 0x20 && Code != u'\t') || Code == 0x7F) {
      Ergebnis += QChar(u'^');
      Ergebnis += QChar(static_cast<char16_t>(Code ^ 0x40));
    } else if (Code >= 0x80 && Code < 0xA0)
      Ergebnis += QChar(u'?');
    else
      Ergebnis += Zeichen;
  }
  return Ergebnis;
}

}  // namespace

TTabellenInhalt InhaltVon(const TListenModell& Modell, const std::vector<int>& Zeilen)
{
  TTabellenInhalt Inhalt;
  for (int Spalte = 0; Spalte < Modell.columnCount(); ++Spalte)
    Inhalt.Kopf << Modell.headerData(Spalte, Qt::Horizontal, Qt::DisplayRole).toString();
  for (const int Zeile : Zeilen) {
    QStringList Zellen;
    for (int Spalte = 0; Spalte < Modell.columnCount(); ++Spalte) {
      QString Text = Modell.Text(Zeile, Spalte);
      if (Spalte == Modell.Nummernspalte() && NurZiffern(Text) && Text.size() >= 11 && !Modell.Zwoelf(Zeile).empty())
        Text = AusCp1252(NummerGegliedert(Modell.Zwoelf(Zeile)));
      Zellen << Text;
    }
    Inhalt.Zeilen.push_back(std::move(Zellen));
  }
  return Inhalt;
}

QByteArray CsvText(const TTabellenInhalt& Inhalt, TCsvZeichensatz Zeichensatz)
{
  const bool Utf8 = Zeichensatz == TCsvZeichensatz::Utf8MitKennung;
  QByteArray Text = Utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
  const auto Zeile = [&](const QStringList& Zellen) {
    for (qsizetype I = 0; I < Zellen.size(); ++I) {
      // CsvFeld sieht nur ASCII-Zeichen an, also gilt es fuer UTF-8 wie fuer Windows-1252.
      const QString Zelle = Sichtbar(Zellen[I]);
      const std::string Bytes = Utf8 ? Zelle.toStdString() : NachCp1252(Zelle);
      Text += QByteArray::fromStdString((I > 0 ? ";" : "") + CsvFeld(Bytes));
    }
    Text += "\r\n";
  };
  Zeile(Inhalt.Kopf);
  for (const QStringList& Zellen : Inhalt.Zeilen)
    Zeile(Zellen);
  return Text;
}

QString ZwischenablageText(const std::vector<QStringList>& Zeilen)
{
  QString Text;
  for (const QStringList& Zellen : Zeilen) {
    for (qsizetype I = 0; I < Zellen.size(); ++I) {
      QString Zelle = Zellen[I];
      if (Zelle.contains(u'\t') || Zelle.contains(u'\n') || Zelle.contains(u'\r') || Zelle.contains(u'"'))
        Zelle = u'"' + Zelle.replace(u'"', QStringLiteral("\"\"")) + u'"';
      Text += (I > 0 ? QStringLiteral("\t") : QString()) + Zelle;
    }
    Text += u'\n';
  }
  return Text;
}

#ifdef TANDRIX_MIT_XLSX

namespace {

// Name: Bytes, wie fopen() sie versteht.
QString XlsxNach(const TTabellenInhalt& Inhalt, const QByteArray& Name)
{
  lxw_workbook* Mappe = workbook_new(Name.constData());
  if (!Mappe)
    return QStringLiteral("Die Datei lässt sich nicht anlegen.");
  lxw_worksheet* Blatt = workbook_add_worksheet(Mappe, "Sammlung");
  lxw_format* Fett = workbook_add_format(Mappe);
  format_set_bold(Fett);
  // Text-Zahlenformat "@": auch was der Benutzer spaeter in die Zelle tippt, bleibt Text.
  lxw_format* Text = workbook_add_format(Mappe);
  format_set_num_format(Text, "@");
  const auto Schreiben = [&](lxw_row_t Zeile, const QStringList& Zellen, lxw_format* Format) {
    for (qsizetype Spalte = 0; Spalte < Zellen.size(); ++Spalte)
      worksheet_write_string(Blatt, Zeile, static_cast<lxw_col_t>(Spalte), Zellen[Spalte].toUtf8().constData(), Format);
  };
  Schreiben(0, Inhalt.Kopf, Fett);
  for (std::size_t I = 0; I < Inhalt.Zeilen.size(); ++I)
    Schreiben(static_cast<lxw_row_t>(I + 1), Inhalt.Zeilen[I], Text);
  worksheet_freeze_panes(Blatt, 1, 0);
  if (!Inhalt.Kopf.isEmpty())
    worksheet_autofilter(Blatt, 0, 0, static_cast<lxw_row_t>(Inhalt.Zeilen.size()),
                         static_cast<lxw_col_t>(Inhalt.Kopf.size() - 1));
  const lxw_error Fehler = workbook_close(Mappe);
  return Fehler == LXW_NO_ERROR
             ? QString()
             : QStringLiteral("Die Datei ließ sich nicht schreiben (Fehler %1 beim Schreiben der Arbeitsmappe).")
                   .arg(static_cast<int>(Fehler));
}

}  // namespace

bool XlsxVorhanden() { return true; }

QString XlsxSchreiben(const TTabellenInhalt& Inhalt, const QString& Datei)
{
  // libxlsxwriter oeffnet mit fopen(), unter Windows also in der ANSI-Codepage, in der nicht
  // jeder Name steht ("Łódź" in Windows-1252). Darum erst unter einem ASCII-Namen im Ordner fuer
  // temporaere Dateien, dann ueber QSaveFile ans Ziel: beliebiger Name, und ein Fehler laesst
  // eine vorhandene Datei stehen.
  const QTemporaryDir Ordner;
  const QString Zwischen = Ordner.filePath(QStringLiteral("sammlung.xlsx"));
  const QByteArray Name = QFile::encodeName(Zwischen);
  if (!Ordner.isValid() || QFile::decodeName(Name) != Zwischen)
    return QStringLiteral("Der Ordner für temporäre Dateien (%1) ist nicht nutzbar.")
        .arg(QDir::toNativeSeparators(QDir::tempPath()));
  if (QString Fehler = XlsxNach(Inhalt, Name); !Fehler.isEmpty())
    return Fehler;
  QFile Mappe(Zwischen);
  QSaveFile Ausgabe(Datei);
  if (!Mappe.open(QIODevice::ReadOnly) || !Ausgabe.open(QIODevice::WriteOnly) || Ausgabe.write(Mappe.readAll()) < 0 ||
      !Ausgabe.commit())
    return QStringLiteral("„%1“ ließ sich nicht schreiben (Ordner schreibgeschützt oder Laufwerk voll?).").arg(Datei);
  return {};
}

#else

bool XlsxVorhanden() { return false; }

QString XlsxSchreiben(const TTabellenInhalt&, const QString&)
{
  return QStringLiteral(
      "Diese Ausgabe von Tandrix Sammlung schreibt keine .xlsx-Dateien; "
      "bitte als CSV speichern, Excel und LibreOffice öffnen sie ebenso.");
}

#endif
