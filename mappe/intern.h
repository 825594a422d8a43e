#pragma once

#include "mappe/mappe.h"

#include <cstddef>
#include <string>
#include <string_view>

// Was die Leser der drei Formate teilen (nur innerhalb von mappe/): die Grenzen, die Meldungen
// und das Sammeln der Zellen mit Luecken an ihrem Platz.

namespace mappe_intern {

// Warum eine Mappe nicht gelesen wird; Meldung gibt den Satz fuer TMappe::Fehler (Windows-1252).
enum class TMappenFehler {
  Beschaedigt,
  KeineMappe,
  Text,
  Verschluesselt,
  ZuGross,
  ZipBombe,
  Entitaeten,
  ZuVieleZeilen,
  ZuVieleSpalten,
  ZuVieleZellen,
  ZuVielText,
  OhneXls,
  OhneZip,
  Zwischenablage,
};
std::string Meldung(TMappenFehler Fehler);

// Sammelt die Zellen eines Blatts: Zeile und Spalte ab 0, wie die Mappe sie nennt. Leere Zellen
// werden erst angelegt, wenn rechts von ihnen etwas steht, leere Zeilen nie. Haelt die Grenzen
// aus mappe.h ein; ueberschreitet eine Mappe sie, steht der Grund in Fehler.
// Was die ganze Mappe schon haelt, gegen die Grenzen aus mappe.h gezaehlt.
struct TMappenMass {
  std::size_t Zellen = 0;  // mit den Luecken
  std::size_t Text = 0;    // Bytes
};

class TBlattSammler {
public:
  TBlattSammler(TBlatt& Blatt, TMappenMass& Mass) : FBlatt(Blatt), FMass(Mass) {}
  // Eine Zelle; false (mit Fehler), wenn eine Grenze ueberschritten ist.
  bool Zelle(std::size_t Zeile, std::size_t Spalte, std::string Text, bool Zahl);
  std::string Fehler;

private:
  TBlatt& FBlatt;
  TMappenMass& FMass;
  std::size_t FZeile = 0;
  bool FOffen = false;  // die letzte Zeile in FBlatt gehoert zu FZeile
};

// Eine Zahl, wie die Mappe sie als Text speichert ("3.18066520038E+11", "12.50"), dezimal
// ausgeschrieben: "318066520038", "12.5"; ganze Zahlen ohne ".0"; mehr als 15 gueltige Stellen
// gerundet wie in der Tabellenkalkulation ("79.98999999999999" -> "79.99"). Was keine Zahl
// ist, bleibt, wie es ist.
std::string ZahlAusgeschrieben(std::string_view Text);

// Ein Datum als fortlaufende Zahl einer .xlsx ("45366", "45366.5") wie ein deutsches Excel es
// zeigt: "15.03.2024", "15.03.2024 12:00", nur Uhrzeit "12:00"; Mappen1904: Zaehlung ab 1904
// (Excel fuer Mac). Was keine Zahl in Reichweite ist, bleibt, wie es ist.
std::string DatumAusZahl(std::string_view Text, bool Mappe1904);

// Ob ein Zahlenformat einer .xlsx ein Datum oder eine Uhrzeit zeigt: die eingebauten 14-22,
// 27-36, 45-47 und 50-58, sonst ein Formatcode mit d, y oder h ausserhalb von "..." und [...].
bool IstDatumsformat(int Nummer, std::string_view Formatcode);

// Ein Spaltenname wie "XFD" bzw. der Spaltenteil einer Zellangabe "C5" als Spalte ab 0;
// false, wenn die Angabe keine ist.
bool ZellangabeLesen(std::string_view Angabe, std::size_t& Zeile, std::size_t& Spalte, bool& MitZeile);

// Die Leser der Formate: ein ZIP-Archiv (.xlsx oder .ods, die Art setzt der Inhalt) und ein
// OLE2-Verbund (.xls, verschluesselte .xlsx).
void ZipLesen(std::string_view Bytes, TMappe& Mappe);
void XlsLesen(std::string_view Bytes, TMappe& Mappe);

}  // namespace mappe_intern
