// Entschluesselung mit beliebigen Tabellen und Nummern beliebiger Laenge: die erste Zeile ist
// die Nummer, der Rest die Datendatei.

#include "nummer/wageninfo.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  const std::string_view Text(reinterpret_cast<const char*>(Daten), Groesse);
  const std::size_t Ende = std::min(Text.find('\n'), Text.size());
  const std::string_view Nummer = Text.substr(0, Ende);
  const auto [S, Version] = LadeStammdatenAusText(std::string(Text.substr(std::min(Ende + 1, Text.size()))));
  const TAnzeige A = WagenInfo(S, Nummer);
  const bool Gueter = S.TypListe.Wert(Nummer.substr(0, 1)) == "G";
  if (A.Geschwindigkeit.empty() ||
      (Gueter ? A.Eigentumsmerkmal.find("; ") == std::string::npos : A.Eigentumsmerkmal != "./."))
    __builtin_trap();
  return 0;
}
