// Einmal laden in einem frischen Prozess, wie beim Programmstart: die Speicherseiten sind
// dann neu, anders als in den wiederholten Laeufen von nummer_bench.
//   laden_kalt DATEI   -> Millisekunden

#include "nummer/stammdaten.h"

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
  if (argc != 2)
    return 2;
  const auto Beginn = std::chrono::steady_clock::now();
  const auto Ergebnis = LadeStammdaten(std::filesystem::path(argv[1]));
  const auto Dauer = std::chrono::steady_clock::now() - Beginn;
  std::printf("%.3f\n", std::chrono::duration<double, std::milli>(Dauer).count());
  return Ergebnis.Stammdaten.BahnenListe.Anzahl() > 0 ? 0 : 1;
}
