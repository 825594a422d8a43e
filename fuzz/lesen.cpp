// Der Leser der Datendatei bekommt beliebige Bytes; seine Grenzen muessen immer halten.

#include "nummer/stammdaten.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void PruefeListe(const TWerteListe& Liste)
{
  std::size_t Block = 1;
  for (const auto& Zeile : Liste.Zeilen()) {
    const auto Gleich = Zeile.find('=');
    if (Gleich == std::string::npos || Gleich == 0 || Zeile.size() - Gleich - 1 > WertHoechstlaenge)
      __builtin_trap();
    Block += Gleich + 1;
    // Jede Zeile traegt den Wert, den das Nachschlagen ihres Namens liefert
    if (Liste.Wert(std::string_view(Zeile).substr(0, Gleich)) != Zeile.substr(Gleich + 1))
      __builtin_trap();
  }
  if (Block > NamenBlockGroesse)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  const auto [S, Version] = LadeStammdatenAusText(std::string(reinterpret_cast<const char*>(Daten), Groesse));
  for (const TAbschnitt& Abschnitt : Abschnitte)
    PruefeListe(S.*(Abschnitt.Tabelle));
  if (Version.size() > WertHoechstlaenge)
    __builtin_trap();
  return 0;
}
