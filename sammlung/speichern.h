#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QIODevice;
class TListenModell;

// Die kommentierte Liste: die Spalten des Benutzers, dahinter alle Spalten von Tandrix, in der
// Reihenfolge des Modells; Zeilen wie uebergeben (sortiert und gefiltert wie die Ansicht).
// Nummernzellen aus lauter Ziffern stehen gegliedert da ("31 80 6652 003-8"): 12 nackte
// Ziffern liest jede Tabellenkalkulation als Zahl (3,18066E+11).
struct TTabellenInhalt {
  QStringList Kopf;
  std::vector<QStringList> Zeilen;
};
QStringList KopfVon(const TListenModell& Modell);
QStringList ZeileVon(const TListenModell& Modell, int Zeile);
TTabellenInhalt InhaltVon(const TListenModell& Modell, const std::vector<int>& Zeilen);

enum class TCsvZeichensatz { Windows1252, Utf8MitKennung };

// Schreibt Bytes ganz in Ziel. Ein Geraet nimmt mitunter nur einen Teil (Laufwerk voll: write()
// meldet dann weniger Bytes und erst der naechste Versuch den Fehler). Leer, wenn alles
// geschrieben ist, sonst der Grund ("Laufwerk voll").
QString AllesSchreiben(QIODevice& Ziel, QByteArrayView Bytes);

// Eine Tabelle Zeile fuer Zeile in ein Format, die erste Zeile ist der Kopf. Jeder Aufruf
// liefert leer oder den Grund eines Fehlers; nach einem Fehler ist die Ausgabe unbrauchbar.
class TTabellenSchreiber {
public:
  virtual ~TTabellenSchreiber() = default;
  virtual QString Zeile(const QStringList& Zellen) = 0;
  virtual QString Abschliessen() = 0;
};

// CSV mit ";" und CR LF; Zellen wie sie sind (CsvFeld setzt Anfuehrungszeichen um Zeilenenden
// und Steuerzeichen), Formelanfaenge mit Hochkomma wie wagennummer.
std::unique_ptr<TTabellenSchreiber> CsvSchreiber(QIODevice& Ziel, TCsvZeichensatz Zeichensatz);
QByteArray CsvText(const TTabellenInhalt& Inhalt, TCsvZeichensatz Zeichensatz);

// Was die Zellen einer Tabelle enthalten, soweit ein Format es nicht halten kann.
class TInhaltsPruefung {
public:
  // Zeile ab 1 wie die Zeilenkoepfe (0: der Kopf).
  void Zeile(const QStringList& Zellen, int Nummer);
  // Je Grund ein Satz; leer, wenn alles passt.
  QStringList XlsxGrenzen() const;
  QStringList Cp1252Verluste() const;

private:
  int FZeilen = 0;
  qsizetype FSpalten = 0;
  int FLang = 0, FErsteLange = 0;
  int FNul = 0, FErsteNul = 0;
  int FVerlust = 0, FErsterVerlust = 0;
  QString FFremde;  // einige Zeichen ausserhalb von Windows-1252, jedes einmal
};

// Grenzen einer Excel-Arbeitsmappe
inline constexpr qsizetype XlsxZellenlaenge = 32767;
inline constexpr int XlsxZeilen = 1048576;  // mit dem Kopf
inline constexpr qsizetype XlsxSpalten = 16384;

// Ob diese Ausgabe .xlsx schreiben kann (CMake-Option TANDRIX_XLSX).
bool XlsxVorhanden();
// Schreibt alle Zellen als Text, fertig nach Abschliessen nach Ziel. nullptr mit dem Grund in
// Fehler, wenn es nicht geht.
std::unique_ptr<TTabellenSchreiber> XlsxSchreiber(QIODevice& Ziel, QString& Fehler);
QString XlsxOhneSchreiber();

// Die Zwischendateien liegen in einem Ordner je Lauf unter dem Ordner fuer temporaere Dateien,
// gesperrt, solange der Lauf lebt. Was ein abgestuerzter oder abgebrochener Lauf dort liess
// (eine halbe Arbeitsmappe mit den Daten des Benutzers), raeumt der naechste weg.
void ZwischendateienAufraeumen();

// Wie eine Tabellenkalkulation markierte Zellen kopiert: Tabulator, Zeilenende LF,
// Anfuehrungszeichen nur um Zellen mit Tabulator, Zeilenende oder Anfuehrungszeichen.
QString ZwischenablageText(const std::vector<QStringList>& Zeilen);
