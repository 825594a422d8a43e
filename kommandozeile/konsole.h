#pragma once

// Windows-Konsole: Argumente und Tastatureingabe kommen als UTF-16 und werden UTF-8 wie unter
// Linux; Ausgabe auf die Konsole geht als UTF-16 hinaus (WriteConsoleW), unabhaengig von ihrer
// Codepage. Umgeleitete Ausgabe bleibt Byte fuer Byte, was das Programm schreibt.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// UTF-16 nach UTF-8; ein einzelnes Surrogat wird U+FFFD.
std::string Utf8AusUtf16(std::u16string_view Text);

// Ausgabebytes als Text fuer die Konsole: gueltiges UTF-8 als solches, jedes andere Byte als
// Windows-1252 (so schreibt wagennummer CSV ohne --utf8). Eine am Ende angefangene UTF-8-Folge
// bleibt in Rest und wird dem naechsten Aufruf vorangestellt; ohne Rest (am Ende) zaehlt sie
// Byte fuer Byte als Windows-1252.
std::u16string TextFuerKonsole(std::string_view Bytes, std::string* Rest);

#ifdef _WIN32
#  include <iosfwd>

// Die Argumente ohne Programmnamen aus der UTF-16-Kommandozeile, als UTF-8.
std::vector<std::string> ArgumenteAusKommandozeile();

// Ein- und Ausgabestroeme: an einer Konsole ueber ReadConsoleW/WriteConsoleW, sonst die Bytes
// von std::cin, std::cout, std::cerr (ohne Umsetzung von Zeilenenden).
class TKonsole {
public:
  TKonsole();
  ~TKonsole();
  TKonsole(const TKonsole&) = delete;
  TKonsole& operator=(const TKonsole&) = delete;
  std::istream& Ein();
  std::ostream& Aus();
  std::ostream& Fehler();

private:
  struct TTeile;
  std::unique_ptr<TTeile> F;
};
#endif
