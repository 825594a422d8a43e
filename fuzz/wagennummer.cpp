// Das ganze Kommandozeilenprogramm mit beliebiger Eingabe: das erste Byte waehlt Ausgabeform
// und ob der Rest als Argumente (je Zeile eines) oder als Standardeingabe kommt. Was auch
// kommt, die Ausgabe haelt die Zusagen aus ausgabepruefung.h ein.

#include "fuzz/ausgabepruefung.h"
#include "kommandozeile/programm.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  if (Groesse == 0)
    return 0;
  const unsigned Art = Daten[0];
  const std::string_view Rest(reinterpret_cast<const char*>(Daten) + 1, Groesse - 1);
  const bool Csv = (Art & 1) != 0;
  const bool Utf8 = Csv && (Art & 2) != 0;
  std::vector<std::string> Argumente = {"--daten=" TANDRIX_DATEN "/Wagen.ebb"};
  if (Csv)
    Argumente.emplace_back("--csv");
  if (Utf8)
    Argumente.emplace_back("--utf8");
  if ((Art & 4) != 0)
    Argumente.emplace_back("--erklaeren");
  std::string Eingabe;
  if ((Art & 8) != 0) {
    Argumente.emplace_back("--");
    for (std::size_t Pos = 0; Pos <= Rest.size();) {
      const std::size_t Ende = std::min(Rest.find('\n', Pos), Rest.size());
      Argumente.emplace_back(Rest.substr(Pos, Ende - Pos));
      Pos = Ende + 1;
    }
  } else {
    Eingabe = Rest;
  }
  std::istringstream Ein(Eingabe);
  std::ostringstream Aus, Fehler;
  Wagennummer(Argumente, Ein, Aus, Fehler);
  if (!AusgabeVerstoss(Aus.str(), Csv, !Csv || Utf8).empty() || !AusgabeVerstoss(Fehler.str(), false, true).empty())
    __builtin_trap();
  return 0;
}
