#pragma once

#include <string>
#include <utility>

// Worauf sich ein Befund bezieht, damit eine Oberflaeche ihn neben das Feld stellen oder das Wort
// der Anschrift hervorheben kann, ohne den Text zu lesen.
enum class TBezug {
  Eingabe,          // der Text als Ganzes: Zeichen, Schreibweise
  Zelle,            // die Zelle der Arbeitsmappe (als Zahl gespeichert)
  Nummer,           // die Ziffern der Nummer: zwoelfstellig, nationale Pruefziffer, Reihe
  Umgebung,         // andere Ziffern der Zeile, gleich gute andere Nummern
  Laenderkuerzel,   // "D" in "D-DB"
  Halter,           // "DB" in "D-DB"
  Gattungszeichen,  // "Fals"
  Zusatz,           // "-x" in "Eanos-x"
  Merkmal,          // "RIV", "TEN"
  Wort,             // ein Wort, das nichts zugeordnet ist
  Vorschlaege,      // die Reparaturen einer falschen Pruefziffer
  Doppelt,          // dieselbe Nummer in einer anderen Zeile der Liste
};

// Eine Abweichung widerspricht der Nummer, ein Hinweis nicht.
enum class TBefundArt { Abweichung, Hinweis };

// Ein Ergebnis des Abgleichs oder des Lesens.
struct TBefund {
  TBefundArt Art;
  TBezug Bezug;
  std::string Text;             // Windows-1252, ein Satz
  std::string Angeschrieben{};  // das Wort der Anschrift, um das es geht ("D", "DB", "Fals")

  bool Abweichung() const { return Art == TBefundArt::Abweichung; }
  bool operator==(const TBefund&) const = default;
};

// Kurzformen fuer die Stellen, die Befunde anlegen.
inline TBefund HinweisBefund(TBezug Bezug, std::string Text, std::string Angeschrieben = {})
{
  return {TBefundArt::Hinweis, Bezug, std::move(Text), std::move(Angeschrieben)};
}
inline TBefund AbweichungBefund(TBezug Bezug, std::string Text, std::string Angeschrieben = {})
{
  return {TBefundArt::Abweichung, Bezug, std::move(Text), std::move(Angeschrieben)};
}
