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
