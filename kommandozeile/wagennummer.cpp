// Start von "wagennummer": prueft Wagennummern auf der Kommandozeile oder aus einer Liste.

#include "kommandozeile/programm.h"

#include <clocale>
#include <csignal>
#include <iostream>

int main(int argc, char* argv[])
{
  std::setlocale(LC_ALL, "");  // Systemmeldungen (strerror) in der Sprache des Benutzers
#ifdef SIGXFSZ
  // Ueber der Dateigroessengrenze soll das Schreiben scheitern (EFBIG) und gemeldet werden,
  // statt das Programm still abzubrechen.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  return Wagennummer(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
