#pragma once

#include "auswertung/eingabe.h"
#include "zeichen/zeichensatz.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

// Liest eine Nummernliste Zeile fuer Zeile: Kennung am Anfang (UTF-8, UTF-16 LE/BE), sonst je
// Zeile UTF-8 oder Windows-1252 (EingabeUmsetzen); Zeilenenden CR, LF, CR LF. Strg+Z (0x1A)
// beendet die Eingabe wie eine Textdatei unter Windows ("copy a+b" haengt es an, die Konsole
// schickt es fuer das Ende). Der Speicher bleibt begrenzt: von einer zu langen Zeile bleiben nur
// die ersten ZeilenHoechstlaenge Zeichen, nie ein halbes.
class TListenLeser {
public:
  explicit TListenLeser(std::istream& Ein) : FEin(Ein) {}

  struct TZeile {
    std::string Bytes;  // ohne Zeilenende; UTF-16 schon als UTF-8
    TKennung Kennung;   // wie Bytes zu lesen sind
    bool ZuLang;        // Bytes ist der Anfang einer Zeile ueber ZeilenHoechstlaenge Zeichen
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
  bool FSchluss = false;             // Strg+Z gelesen
};
