#include "sammlung/speichern.h"

#include "sammlung/listenmodell.h"

#include "auswertung/eingabe.h"
#include "oberflaeche/umwandlung.h"
#include "zeichen/text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

#ifdef TANDRIX_MIT_XLSX
#  include <xlsxwriter.h>
#endif

namespace {

bool NurZiffern(const QString& Text)
{
  return !Text.isEmpty() && std::all_of(Text.begin(), Text.end(), [](QChar Z) { return Z >= u'0' && Z <= u'9'; });
}

// So viel sammelt ein Schreiber, bevor er es an das Geraet gibt: wenige grosse Schreibvorgaenge.
constexpr qsizetype Stueckgroesse = 1 << 20;

QString GeraeteFehler(const QIODevice& Ziel, qint64 Antwort, qsizetype Geschrieben, qsizetype Gesamt)
{
  const auto* Datei = qobject_cast<const QFileDevice*>(&Ziel);
  // Qt meldet ENOSPC als ResourceError; der Text des Systems steht in Klammern dahinter.
  if (Datei && Datei->error() == QFileDevice::ResourceError)
    return QStringLiteral("Laufwerk voll (%1)").arg(Ziel.errorString());
  if (Antwort < 0 && (!Datei || Datei->error() != QFileDevice::NoError))
    return QStringLiteral("%1 (nach %2 von %3 Bytes)").arg(Ziel.errorString()).arg(Geschrieben).arg(Gesamt);
  return QStringLiteral("nur %1 von %2 Bytes geschrieben").arg(Geschrieben).arg(Gesamt);
}

bool InCp1252(const QString& Text)
{
  const bool Ascii = std::all_of(Text.begin(), Text.end(), [](QChar Z) { return Z.unicode() < 0x80; });
  return Ascii || AusCp1252(NachCp1252(Text)) == Text;
}

class TCsvSchreiber final : public TTabellenSchreiber {
public:
  TCsvSchreiber(QIODevice& Ziel, TCsvZeichensatz Zeichensatz)
      : FZiel(Ziel), FUtf8(Zeichensatz == TCsvZeichensatz::Utf8MitKennung)
  {
    if (FUtf8)
      FPuffer = QByteArray("\xEF\xBB\xBF");
  }
  QString Zeile(const QStringList& Zellen) override
  {
    for (qsizetype I = 0; I < Zellen.size(); ++I) {
      // CsvFeld sieht nur ASCII-Zeichen an, also gilt es fuer UTF-8 wie fuer Windows-1252.
      const std::string Bytes = FUtf8 ? Zellen[I].toStdString() : NachCp1252(Zellen[I]);
      if (I > 0)
        FPuffer += ';';
      FPuffer += QByteArray::fromStdString(CsvFeld(Bytes));
    }
    FPuffer += "\r\n";
    return FPuffer.size() >= Stueckgroesse ? Leeren() : QString();
  }
  QString Abschliessen() override { return Leeren(); }

private:
  QString Leeren()
  {
    QString Fehler = AllesSchreiben(FZiel, FPuffer);
    FPuffer.clear();
    return Fehler;
  }
  QIODevice& FZiel;
  bool FUtf8;
  QByteArray FPuffer;
};

}  // namespace

QStringList KopfVon(const TListenModell& Modell)
{
  QStringList Kopf;
  for (int Spalte = 0; Spalte < Modell.columnCount(); ++Spalte)
    Kopf << Modell.headerData(Spalte, Qt::Horizontal, Qt::DisplayRole).toString();
  return Kopf;
}

QStringList ZeileVon(const TListenModell& Modell, int Zeile)
{
  QStringList Zellen;
  Zellen.reserve(Modell.columnCount());
  for (int Spalte = 0; Spalte < Modell.columnCount(); ++Spalte) {
    QString Text = Modell.Text(Zeile, Spalte);
    if (Spalte == Modell.Nummernspalte() && Text.size() >= 11 && NurZiffern(Text) && !Modell.Zwoelf(Zeile).empty())
      Text = AusCp1252(NummerGegliedert(Modell.Zwoelf(Zeile)));
    Zellen << Text;
  }
  return Zellen;
}

TTabellenInhalt InhaltVon(const TListenModell& Modell, const std::vector<int>& Zeilen)
{
  TTabellenInhalt Inhalt{KopfVon(Modell), {}};
  for (const int Zeile : Zeilen)
    Inhalt.Zeilen.push_back(ZeileVon(Modell, Zeile));
  return Inhalt;
}

QString AllesSchreiben(QIODevice& Ziel, QByteArrayView Bytes)
{
  qsizetype Geschrieben = 0;
  while (Geschrieben < Bytes.size()) {
    const qint64 Jetzt = Ziel.write(Bytes.data() + Geschrieben, Bytes.size() - Geschrieben);
    // 0 ohne Fehler zaehlt auch als Fehler: sonst drehte sich die Schleife fuer immer.
    if (Jetzt <= 0)
      return GeraeteFehler(Ziel, Jetzt, Geschrieben, Bytes.size());
    Geschrieben += static_cast<qsizetype>(Jetzt);
  }
  return {};
}

std::unique_ptr<TTabellenSchreiber> CsvSchreiber(QIODevice& Ziel, TCsvZeichensatz Zeichensatz)
{
  return std::make_unique<TCsvSchreiber>(Ziel, Zeichensatz);
}

QByteArray CsvText(const TTabellenInhalt& Inhalt, TCsvZeichensatz Zeichensatz)
{
  QByteArray Text;
  QBuffer Puffer(&Text);
  Puffer.open(QIODevice::WriteOnly);
  const auto Schreiber = CsvSchreiber(Puffer, Zeichensatz);
  Schreiber->Zeile(Inhalt.Kopf);
  for (const QStringList& Zellen : Inhalt.Zeilen)
    Schreiber->Zeile(Zellen);
  Schreiber->Abschliessen();
  return Text;
}

void TInhaltsPruefung::Zeile(const QStringList& Zellen, int Nummer)
{
  ++FZeilen;
  FSpalten = std::max(FSpalten, Zellen.size());
  bool Lang = false, Nul = false, Verlust = false;
  for (const QString& Zelle : Zellen) {
    Lang = Lang || Zelle.size() > XlsxZellenlaenge;
    Nul = Nul || Zelle.contains(QChar(u'\0'));
    if (InCp1252(Zelle))
      continue;
    Verlust = true;
    for (const char32_t Code : Zelle.toUcs4())
      if (const QString Zeichen = QString::fromUcs4(&Code, 1);
          FFremde.size() < 40 && !InCp1252(Zeichen) && !FFremde.contains(Zeichen))
        FFremde += Zeichen;
  }
  const auto Zaehlen = [Nummer](bool Ja, int& Anzahl, int& Erste) {
    if (Ja && Anzahl++ == 0)
      Erste = Nummer;
  };
  Zaehlen(Lang, FLang, FErsteLange);
  Zaehlen(Nul, FNul, FErsteNul);
  Zaehlen(Verlust, FVerlust, FErsterVerlust);
}

QStringList TInhaltsPruefung::XlsxGrenzen() const
{
  QStringList Saetze;
  if (FZeilen > XlsxZeilen)
    Saetze << QStringLiteral("Die Liste hat %1 Zeilen mit dem Kopf; eine Arbeitsmappe hält höchstens %2.")
                  .arg(FZeilen)
                  .arg(XlsxZeilen);
  if (FSpalten > XlsxSpalten)
    Saetze << QStringLiteral("Die Liste hat %1 Spalten; eine Arbeitsmappe hält höchstens %2.")
                  .arg(FSpalten)
                  .arg(XlsxSpalten);
  if (FLang > 0)
    Saetze << QStringLiteral("%1 Zeilen (die erste ist Zeile %2) haben eine Zelle mit mehr als %3 Zeichen.")
                  .arg(FLang)
                  .arg(FErsteLange)
                  .arg(XlsxZellenlaenge);
  if (FNul > 0)
    Saetze << QStringLiteral("%1 Zeilen (die erste ist Zeile %2) enthalten ein Nullzeichen (U+0000).")
                  .arg(FNul)
                  .arg(FErsteNul);
  return Saetze;
}

QStringList TInhaltsPruefung::Cp1252Verluste() const
{
  if (FVerlust == 0)
    return {};
  return {QStringLiteral("%1 Zeilen (die erste ist Zeile %2) enthalten Zeichen, die Windows-1252 nicht kennt: %3")
              .arg(FVerlust)
              .arg(FErsterVerlust)
              .arg(FFremde)};
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

namespace {

QString Basisordner() { return QDir(QDir::tempPath()).filePath(QStringLiteral("tandrix-sammlung")); }

// Der Ordner dieses Laufs, solange das Programm laeuft; beim Beenden verschwindet er.
struct TLaufordner {
  QTemporaryDir Ordner;
  QLockFile Sperre;
  explicit TLaufordner(const QString& Vorlage)
      : Ordner(Vorlage), Sperre(Ordner.isValid() ? Ordner.filePath(QStringLiteral("sperre")) : QString())
  {
    Sperre.setStaleLockTime(0);  // nur ein toter Prozess macht die Sperre ungueltig, kein Alter
  }
  bool Nutzbar() const { return Ordner.isValid() && Sperre.isLocked(); }
};

TLaufordner* Laufordner()
{
  static std::unique_ptr<TLaufordner> Lauf;
  if (!Lauf || !Lauf->Nutzbar() || !QFileInfo(Lauf->Ordner.path()).isDir()) {
    QDir().mkpath(Basisordner());
    Lauf = std::make_unique<TLaufordner>(QDir(Basisordner()).filePath(QStringLiteral("lauf-XXXXXX")));
    // Ohne Sperre gilt der Ordner als verlassen: der naechste Lauf raeumte ihn weg.
    if (!Lauf->Ordner.isValid() || !Lauf->Sperre.tryLock(0))
      return nullptr;
  }
  return Lauf->Nutzbar() ? Lauf.get() : nullptr;
}

}  // namespace

void ZwischendateienAufraeumen()
{
  const TLaufordner* Eigener = Laufordner();
  const QFileInfoList Laeufe = QDir(Basisordner()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QFileInfo& Lauf : Laeufe) {
    if (Eigener && QFileInfo(Eigener->Ordner.path()) == Lauf)
      continue;
    QLockFile Sperre(QDir(Lauf.filePath()).filePath(QStringLiteral("sperre")));
    Sperre.setStaleLockTime(0);
    // Gelingt die Sperre, lebt der Lauf nicht mehr, der sie hielt.
    if (!Sperre.tryLock(0))
      continue;
    // Erst alles ausser der Sperre, dann die Sperre (unlock), zuletzt der leere Ordner.
    QDir Ordner(Lauf.filePath());
    for (const QFileInfo& Eintrag : Ordner.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
      if (Eintrag.fileName() == QStringLiteral("sperre"))
        continue;
      if (Eintrag.isDir() && !Eintrag.isSymLink())
        QDir(Eintrag.filePath()).removeRecursively();
      else
        QFile::remove(Eintrag.filePath());
    }
    Sperre.unlock();
    Ordner.rmdir(Lauf.filePath());
  }
}

#ifdef TANDRIX_MIT_XLSX

namespace {

QString XlsxFehler(lxw_error Fehler, lxw_row_t Zeile, qsizetype Spalte)
{
  return QStringLiteral("Die Arbeitsmappe ließ sich nicht schreiben (Zeile %1, Spalte %2: %3).")
      .arg(Zeile + 1)
      .arg(Spalte + 1)
      .arg(QString::fromUtf8(lxw_strerror(Fehler)));
}

class TXlsxSchreiber final : public TTabellenSchreiber {
public:
  TXlsxSchreiber(QIODevice& Ziel, QString Zwischen, lxw_workbook* Mappe)
      : FZiel(Ziel), FZwischen(std::move(Zwischen)), FMappe(Mappe)
  {
  }
  ~TXlsxSchreiber() override
  {
    // Nicht geschlossen (Fehler, Abbruch): freigeben, ohne die Mappe zu schreiben.
    if (FMappe)
      lxw_workbook_free(FMappe);
    QFile::remove(FZwischen);
  }
  TXlsxSchreiber(const TXlsxSchreiber&) = delete;
  TXlsxSchreiber& operator=(const TXlsxSchreiber&) = delete;

  bool Anlegen()
  {
    FBlatt = workbook_add_worksheet(FMappe, "Sammlung");
    FFett = workbook_add_format(FMappe);
    // Text-Zahlenformat "@": auch was der Benutzer spaeter in die Zelle tippt, bleibt Text.
    FText = workbook_add_format(FMappe);
    if (!FBlatt || !FFett || !FText)
      return false;
    format_set_bold(FFett);
    format_set_num_format(FText, "@");
    worksheet_freeze_panes(FBlatt, 1, 0);
    return true;
  }

  QString Zeile(const QStringList& Zellen) override
  {
    // Die Grenzen prueft TInhaltsPruefung vorher; hier nur, damit nie still etwas fehlt.
    if (FZeile >= LXW_ROW_MAX || Zellen.size() > LXW_COL_MAX)
      return XlsxFehler(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE, FZeile,
                        std::min<qsizetype>(Zellen.size(), LXW_COL_MAX));
    for (qsizetype Spalte = 0; Spalte < Zellen.size(); ++Spalte) {
      const QByteArray Utf8 = Zellen[Spalte].toUtf8();
      if (Utf8.contains('\0'))
        return XlsxFehler(LXW_ERROR_PARAMETER_VALIDATION, FZeile, Spalte);
      if (const lxw_error Fehler = worksheet_write_string(FBlatt, FZeile, static_cast<lxw_col_t>(Spalte),
                                                          Utf8.constData(), FZeile == 0 ? FFett : FText);
          Fehler != LXW_NO_ERROR)
        return XlsxFehler(Fehler, FZeile, Spalte);
    }
    FSpalten = std::max(FSpalten, Zellen.size());
    ++FZeile;
    return {};
  }

  QString Abschliessen() override
  {
    if (FSpalten > 0 && FZeile > 0)
      if (const lxw_error Fehler = worksheet_autofilter(FBlatt, 0, 0, FZeile - 1, static_cast<lxw_col_t>(FSpalten - 1));
          Fehler != LXW_NO_ERROR)
        return XlsxFehler(Fehler, 0, 0);
    const lxw_error Fehler = workbook_close(std::exchange(FMappe, nullptr));
    if (Fehler != LXW_NO_ERROR)
      return XlsxFehler(Fehler, FZeile, 0);
    QFile Mappe(FZwischen);
    if (!Mappe.open(QIODevice::ReadOnly))
      return QStringLiteral("Die Arbeitsmappe ließ sich nicht wieder lesen: %1").arg(Mappe.errorString());
    while (!Mappe.atEnd()) {
      const QByteArray Stueck = Mappe.read(Stueckgroesse);
      if (Stueck.isEmpty())
        return QStringLiteral("Die Arbeitsmappe ließ sich nicht wieder lesen: %1").arg(Mappe.errorString());
      if (QString Grund = AllesSchreiben(FZiel, Stueck); !Grund.isEmpty())
        return Grund;
    }
    return {};
  }

private:
  QIODevice& FZiel;
  QString FZwischen;
  lxw_workbook* FMappe;
  lxw_worksheet* FBlatt = nullptr;
  lxw_format* FFett = nullptr;
  lxw_format* FText = nullptr;
  lxw_row_t FZeile = 0;
  qsizetype FSpalten = 0;
};

}  // namespace

bool XlsxVorhanden() { return true; }

std::unique_ptr<TTabellenSchreiber> XlsxSchreiber(QIODevice& Ziel, QString& Fehler)
{
  // libxlsxwriter oeffnet mit fopen(), unter Windows also in der ANSI-Codepage, in der nicht
  // jeder Name steht ("Łódź" in Windows-1252). Darum erst unter einem ASCII-Namen im Ordner
  // dieses Laufs, dann ueber Ziel (QSaveFile) an den Ort des Benutzers.
  const TLaufordner* Lauf = Laufordner();
  static int Zaehler = 0;
  const QString Zwischen = Lauf ? Lauf->Ordner.filePath(QStringLiteral("sammlung-%1.xlsx").arg(++Zaehler)) : QString();
  const QByteArray Name = QFile::encodeName(Zwischen);
  const QByteArray Ordner = QFile::encodeName(Lauf ? Lauf->Ordner.path() : QString());
  if (!Lauf || QFile::decodeName(Name) != Zwischen) {
    Fehler = QStringLiteral("Der Ordner für temporäre Dateien (%1) ist nicht nutzbar.")
                 .arg(QDir::toNativeSeparators(QDir::tempPath()));
    return nullptr;
  }
  // Zeile fuer Zeile auf die Platte statt die ganze Mappe im Speicher (1 Mio. Zeilen: Gigabytes);
  // die Hilfsdateien der Bibliothek liegen im selben Ordner.
  lxw_workbook_options Wahl{};
  Wahl.constant_memory = LXW_TRUE;
  Wahl.tmpdir = const_cast<char*>(Ordner.constData());
  lxw_workbook* Mappe = workbook_new_opt(Name.constData(), &Wahl);
  if (!Mappe) {
    Fehler = QStringLiteral("Die Arbeitsmappe ließ sich nicht anlegen.");
    return nullptr;
  }
  auto Schreiber = std::make_unique<TXlsxSchreiber>(Ziel, Zwischen, Mappe);
  if (!Schreiber->Anlegen()) {
    Fehler = QStringLiteral("Die Arbeitsmappe ließ sich nicht anlegen (kein Speicher?).");
    return nullptr;
  }
  return Schreiber;
}

QString XlsxOhneSchreiber() { return {}; }

#else

bool XlsxVorhanden() { return false; }

QString XlsxOhneSchreiber()
{
  return QStringLiteral(
      "Diese Ausgabe von Tandrix Sammlung schreibt keine .xlsx-Dateien; "
      "bitte als CSV speichern, Excel und LibreOffice öffnen sie ebenso.");
}

std::unique_ptr<TTabellenSchreiber> XlsxSchreiber(QIODevice&, QString& Fehler)
{
  Fehler = XlsxOhneSchreiber();
  return nullptr;
}

#endif
