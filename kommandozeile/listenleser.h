#pragma once

#include "nummer/zeichensatz.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

// Eine Wagenbeschriftung hat ein paar Dutzend Zeichen; laengere Zeilen werden nicht gespeichert.
inline constexpr std::size_t ZeilenHoechstlaenge = 4096;

// Liest eine Nummernliste Zeile fuer Zeile mit den Regeln von Wagen.ebb: Kennung am Anfang
// (UTF-8, UTF-16 LE/BE), sonst je Zeile UTF-8 oder Windows-1252; Zeilenenden CR, LF, CR LF.
// Der Speicher bleibt begrenzt: von einer zu langen Zeile bleiben nur die ersten Zeichen.
class TListenLeser {
public:
  explicit TListenLeser(std::istream& Ein) : FEin(Ein) {}

  struct TZeile {
    std::string Text;  // Windows-1252, ohne Zeilenende
    bool ZuLang;       // Text ist der Anfang einer Zeile ueber ZeilenHoechstlaenge
  };
  // Die naechste Zeile; nichts am Ende der Eingabe oder nach einem Lesefehler (Strom "bad").
  std::optional<TZeile> Naechste();

private:
  static constexpr int Ende = -1;
  int Byte();
  int Einheit();  // ein Byte, bei UTF-16 zwei zu einer Codeeinheit

  std::istream& FEin;
  std::optional<TKennung> FKennung;  // gelesen beim ersten Zugriff
  std::string FVorrat;               // gelesene Bytes, die noch keiner Einheit angehoeren
  int FZurueck = Ende;               // Einheit nach einem CR, die kein LF war
};
