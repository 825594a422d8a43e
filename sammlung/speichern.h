#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TListenModell;

// Die kommentierte Liste: die Spalten des Benutzers, dahinter alle Spalten von Tandrix, in der
// Reihenfolge des Modells; Zeilen wie uebergeben (sortiert und gefiltert wie die Ansicht).
// Nummernzellen aus lauter Ziffern stehen gegliedert da ("31 80 6652 003-8"): 12 nackte
// Ziffern liest jede Tabellenkalkulation als Zahl (3,18066E+11).
struct TTabellenInhalt {
  QStringList Kopf;
  std::vector<QStringList> Zeilen;
};
TTabellenInhalt InhaltVon(const TListenModell& Modell, const std::vector<int>& Zeilen);

enum class TCsvZeichensatz { Windows1252, Utf8MitKennung };

// CSV mit ";" und CR LF; Steuerzeichen sichtbar, Formelanfaenge mit Hochkomma wie wagennummer.
QByteArray CsvText(const TTabellenInhalt& Inhalt, TCsvZeichensatz Zeichensatz);

// Wie eine Tabellenkalkulation markierte Zellen kopiert: Tabulator, Zeilenende LF,
// Anfuehrungszeichen nur um Zellen mit Tabulator, Zeilenende oder Anfuehrungszeichen.
QString ZwischenablageText(const std::vector<QStringList>& Zeilen);

// Ob diese Ausgabe .xlsx schreiben kann (CMake-Option TANDRIX_XLSX).
bool XlsxVorhanden();
// Schreibt alle Zellen als Text. Leer, wenn es geklappt hat, sonst der Grund.
QString XlsxSchreiben(const TTabellenInhalt& Inhalt, const QString& Datei);
