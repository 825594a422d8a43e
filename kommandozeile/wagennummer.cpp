// Start von "wagennummer": prueft Wagennummern auf der Kommandozeile oder aus einer Liste.

#include "kommandozeile/programm.h"

#include <clocale>
#include <csignal>
#include <iostream>

#ifdef _WIN32
#  include <fcntl.h>
#  include <io.h>
#  include <windows.h>
#endif

int main(int argc, char* argv[])
{
  std::setlocale(LC_ALL, "");  // Systemmeldungen (strerror) in der Sprache des Benutzers
#ifdef _WIN32
  // Dieselben Bytes wie unter Linux: kein Umsetzen von Zeilenenden (CSV hat schon CR LF, UTF-16
  // braucht jedes Byte), und die Konsole zeigt die Tabelle als UTF-8.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
#ifdef SIGXFSZ
  // Ueber der Dateigroessengrenze soll das Schreiben scheitern (EFBIG) und gemeldet werden,
  // statt das Programm still abzubrechen.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  std::ios::sync_with_stdio(false);
  return Wagennummer(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
