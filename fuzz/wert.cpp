// Nachschlagen in einer beliebigen Liste, verglichen mit dem schlichten Weg: Zeile fuer Zeile,
// Name ohne Gross-/Kleinschreibung, der erste Treffer gilt. Zeilen mit "?" am Anfang sind Fragen,
// Zeilen mit "=" die Eintraege.

#include "nummer/werteliste.h"
#include "zeichen/zeichensatz.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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
  const auto Text = std::make_shared<const std::string>(reinterpret_cast<const char*>(Daten), Groesse);
  std::vector<TWerteListe::TEintrag> Eintraege;
  std::vector<std::string> Zeilen, Fragen;
  for (std::size_t Pos = 0; Pos <= Text->size();) {
    const std::size_t Ende = std::min(Text->find('\n', Pos), Text->size());
    const std::string_view Zeile = std::string_view(*Text).substr(Pos, Ende - Pos);
    const std::size_t Gleich = Zeile.find('=');
    if (Zeile.starts_with("?")) {
      Fragen.emplace_back(Zeile.substr(1));
    } else if (Gleich != std::string_view::npos) {
      Eintraege.push_back({Zeile.substr(0, Gleich), Zeile.substr(Gleich + 1)});
      Zeilen.emplace_back(Zeile);
      Fragen.push_back(OhneFall(Zeile.substr(0, Gleich)));  // auch jeder vorhandene Name, anders geschrieben
    }
    Pos = Ende + 1;
  }
  const TWerteListe Liste(Text, std::move(Eintraege));
  const TWerteListe Kopie = Liste;  // eine Kopie muss dasselbe liefern
  for (const auto& Frage : Fragen)
    if (Liste.Wert(Frage) != Schlicht(Zeilen, Frage) || Kopie.Wert(Frage) != Liste.Wert(Frage))
      __builtin_trap();
  return 0;
}
