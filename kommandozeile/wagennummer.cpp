// Start von "wagennummer": prueft Wagennummern auf der Kommandozeile oder aus einer Liste.

#include "kommandozeile/programm.h"

#include <iostream>

int main(int argc, char* argv[])
{
  std::ios::sync_with_stdio(false);
  return Wagennummer(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
