#pragma once

#include "auswertung/eingabe.h"
#include "zeichen/zeichensatz.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <streambuf>
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

// Schaut vorab in die ersten Bytes eines Stroms, ob eine Arbeitsmappe kommt (MappenArtErkennen),
// und gibt sie danach mit dem Rest wieder heraus, als waere nichts gelesen. Gelesen wird nur so
// viel, wie die Entscheidung braucht: eine Zeile vom Terminal wartet nicht auf weitere Bytes.
// Scheitert das Lesen der Quelle, scheitert auch das aus diesem Puffer (der Strom darueber wird "bad").
class TVorlauf : public std::streambuf {
public:
  explicit TVorlauf(std::istream& Quelle);
  // Die Quelle beginnt wie .xlsx, .ods oder .xls.
  bool Mappe() const { return FMappe; }
  // Alles (der Anfang und der Rest) in Bytes, hoechstens Hoechstens; false, wenn mehr kommt oder
  // das Lesen scheitert (dann ist die Quelle "bad").
  bool Alles(std::string& Bytes, std::size_t Hoechstens);

protected:
  int_type underflow() override;
  std::streamsize xsgetn(char* Ziel, std::streamsize Anzahl) override;

private:
  std::istream& FQuelle;
  std::string FAnfang;
  std::size_t FGegeben = 0;  // so viel von FAnfang ist schon heraus
  bool FMappe = false;
  std::array<char, 4096> FPuffer{};
};
