// Start von "wagennummer": prueft Wagennummern auf der Kommandozeile oder aus einer Liste.

#include "kommandozeile/programm.h"

#include <clocale>
#include <csignal>
#include <iostream>

#ifdef _WIN32
#  include "kommandozeile/konsole.h"
#endif

int main(int argc, char* argv[])
{
  std::setlocale(LC_ALL, "");  // Systemmeldungen (strerror) in der Sprache des Benutzers
#ifdef SIGXFSZ
  // Ueber der Dateigroessengrenze soll das Schreiben scheitern (EFBIG) und gemeldet werden,
  // statt das Programm still abzubrechen.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
#ifdef _WIN32
  // argv kaeme in der ANSI-Codepage, mit "passenden" Ersatzzeichen ("CZ-CD" statt "CZ-ČD"):
  // die UTF-16-Kommandozeile gibt denselben Text wie unter Linux. Zur Ausgabe siehe konsole.h.
  static_cast<void>(argc);
  static_cast<void>(argv);
  TKonsole Konsole;
  return Wagennummer(ArgumenteAusKommandozeile(), Konsole.Ein(), Konsole.Aus(), Konsole.Fehler());
#else
  return Wagennummer(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
#endif
}
