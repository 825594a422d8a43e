#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Meldungen als ein Satz mit Platzhaltern, damit jeder so im Quelltext steht, wie ihn der
// Benutzer liest (grep findet ihn): Ersetzt("Zeile %1: …", {"6"}). %1 bis %9; ein Platzhalter
// ohne Wert bleibt stehen.
inline std::string Ersetzt(std::string_view Muster, std::initializer_list<std::string_view> Werte)
{
  std::string Text;
  for (std::size_t I = 0; I < Muster.size(); ++I) {
    const bool Platz = Muster[I] == '%' && I + 1 < Muster.size() && Muster[I + 1] >= '1' && Muster[I + 1] <= '9';
    const auto Nummer = Platz ? static_cast<std::size_t>(Muster[I + 1] - '1') : 0;
    if (Platz && Nummer < Werte.size()) {
      Text += *(Werte.begin() + Nummer);
      ++I;
    } else {
      Text += Muster[I];
    }
  }
  return Text;
}
