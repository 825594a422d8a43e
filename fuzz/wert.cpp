// Nachschlagen in einer beliebigen Liste, verglichen mit dem schlichten Weg: Zeile fuer Zeile,
// Name ohne Gross-/Kleinschreibung, der erste Treffer gilt. Zeilen mit "?" am Anfang sind Fragen.

#include "nummer/stammdaten.h"
#include "nummer/zeichensatz.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Schlicht(const std::vector<std::string>& Zeilen, std::string_view Name)
{
  for (const auto& Zeile : Zeilen) {
    const auto Gleich = Zeile.find('=');
    if (Gleich != std::string::npos && GleichOhneFall(std::string_view(Zeile).substr(0, Gleich), Name))
      return Zeile.substr(Gleich + 1);
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
  const std::string_view Text(reinterpret_cast<const char*>(Daten), Groesse);
  TWerteListe Liste;
  std::vector<std::string> Fragen;
  for (std::size_t Pos = 0; Pos <= Text.size();) {
    const std::size_t Ende = std::min(Text.find('\n', Pos), Text.size());
    const std::string_view Zeile = Text.substr(Pos, Ende - Pos);
    if (Zeile.starts_with("?"))
      Fragen.emplace_back(Zeile.substr(1));
    else
      Liste.Anhaengen(std::string(Zeile));
    Pos = Ende + 1;
  }
  // Auch jeder vorhandene Name, in anderer Schreibung
  const std::vector<std::string> Zeilen = Liste.Zeilen();
  for (const auto& Zeile : Zeilen)
    Fragen.push_back(OhneFall(Zeile.substr(0, Zeile.find('='))));
  const TWerteListe Kopie = Liste;  // eine Kopie muss dasselbe liefern
  for (const auto& Frage : Fragen)
    if (Liste.Wert(Frage) != Schlicht(Zeilen, Frage) || Kopie.Wert(Frage) != Liste.Wert(Frage))
      __builtin_trap();
  return 0;
}
