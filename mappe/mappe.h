#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Arbeitsmappen der Tabellenkalkulationen (.xlsx, .ods, .xls) als Zeilen aus Zellen, fuer
// wagennummer, Tandrix Sammlung und die Seite im Browser. Kein Qt.
// Das Format entscheidet der Inhalt, nie der Dateiname. Alle Texte der Zellen UTF-8.

enum class TMappenArt { Text, Xlsx, Ods, Xls };

// Das Format nach den ersten Bytes einer Datei (ZIP mit Excel- bzw. OpenDocument-Inhalt,
// OLE2-Verbund mit Arbeitsmappe); alles andere ist Text (CSV, TSV, TXT).
TMappenArt MappenArtErkennen(std::string_view Bytes);

// Eine Zelle, wie die Mappe sie speichert: ihr Text (bei Formeln der zwischengespeicherte Wert,
// nie ausgerechnet); Zahl, wenn die Mappe eine Zahl hielt (eine Nummer als Zahl verliert eine
// fuehrende Null, das sagt die Auswertung).
struct TMappenZelle {
  std::string Text;
  bool Zahl = false;
};
using TMappenZeile = std::vector<TMappenZelle>;

struct TBlatt {
  std::string Name;
  std::vector<TMappenZeile> Zeilen;  // leere Zeilen der Mappe fallen fort
};

struct TMappe {
  TMappenArt Art = TMappenArt::Text;
  std::vector<TBlatt> Blaetter;
  // Nicht leer: die Datei ist nicht lesbar (verschluesselt, beschaedigt, zu gross, feindlich),
  // ein ganzer deutscher Satz in Windows-1252; Blaetter ist dann leer.
  std::string Fehler;
};

// Eine ganze Mappe aus den Bytes der Datei (Art nicht Text).
TMappe MappeLesen(std::string_view Bytes);

// Grenzen gegen feindliche Dateien; wird eine ueberschritten, steht der Grund in TMappe::Fehler
// und die Mappe ist leer. Eine echte Sammlung (100.000 Zeilen, 8 Spalten, etwa 40 MB im Speicher)
// bleibt weit darunter.
// Entpackt hoechstens so viele Bytes aus dem ZIP-Archiv (.xlsx, .ods), alle Teile zusammen,
// gezaehlt beim Entpacken (nicht nach den Angaben im Archiv).
inline constexpr std::size_t MappeHoechstensEntpackt = std::size_t{256} << 20;
// Ab so vielen entpackten Bytes eines Teils darf er hoechstens MappeHoechstensVerhaeltnis-mal so
// gross werden wie gepackt: echte Tabellen packen sich 5- bis 50-fach, eine ZIP-Bombe 1000-fach.
inline constexpr std::size_t MappeVerhaeltnisAb = std::size_t{4} << 20;
inline constexpr std::size_t MappeHoechstensVerhaeltnis = 200;
// Zeilen und Spalten wie Excel (1.048.576 Zeilen, Spalten bis XFD).
inline constexpr std::size_t MappeHoechstensZeilen = 1048576;
inline constexpr std::size_t MappeHoechstensSpalten = 16384;
// Zellen aller Blaetter zusammen, mit den leeren Luecken zwischen gefuellten (je etwa 40 Bytes).
inline constexpr std::size_t MappeHoechstensZellen = 3000000;
// So viele Bytes Text halten alle Zellen zusammen hoechstens: ein langer geteilter Text, auf den
// Millionen Zellen verweisen, fuellte sonst den Speicher aus einer kleinen Datei.
inline constexpr std::size_t MappeHoechstensText = std::size_t{128} << 20;
// So viele Bytes Text haelt eine Zelle hoechstens (Excel: 32.767 Zeichen, bis zu 4 Bytes je
// Zeichen in UTF-8); was darueber hinausgeht, faellt weg.
inline constexpr std::size_t MappeZelleHoechstens = std::size_t{4} * 32767;
