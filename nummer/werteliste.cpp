#include "nummer/werteliste.h"

#include "zeichen/zeichensatz.h"

#include <cstdint>
#include <random>

namespace {

// 64 Bit auch dort, wo std::size_t 32 Bit hat (WebAssembly fuer die Seite im Browser).
std::uint64_t Startwert()
{
  static const std::uint64_t Wert = [] {
    std::random_device Zufall;
    return (std::uint64_t{Zufall()} << 32) ^ Zufall();
  }();
  return Wert;
}

}  // namespace

std::size_t TWerteListe::THashOhneFall::operator()(std::string_view Name) const
{
  std::uint64_t Streu = 14695981039346656037u ^ Startwert();  // FNV-1a
  for (const char Z : Name)
    Streu = (Streu ^ Klein1252(static_cast<unsigned char>(Z))) * 1099511628211u;
  return static_cast<std::size_t>(Streu);
}

bool TWerteListe::TGleichOhneFall::operator()(std::string_view A, std::string_view B) const
{
  return GleichOhneFall(A, B);
}

TWerteListe::TWerteListe(std::shared_ptr<const std::string> Text, std::vector<TEintrag> Eintraege)
    : FText(std::move(Text)), FEintraege(std::move(Eintraege))
{
  FWerte.reserve(FEintraege.size());
  // Spaetere Zeilen eines Namens tragen den ersten Wert, wie beim Nachschlagen.
  for (TEintrag& E : FEintraege)
    E.Wert = FWerte.try_emplace(E.Name, E.Wert).first->second;
}

std::string TWerteListe::Wert(std::string_view Name) const
{
  const auto Treffer = FWerte.find(Name);
  return Treffer == FWerte.end() ? std::string() : std::string(Treffer->second);
}

std::vector<std::string> TWerteListe::Zeilen() const
{
  std::vector<std::string> Ergebnis;
  for (const TEintrag& E : FEintraege)
    Ergebnis.push_back(std::string(E.Name) + "=" + std::string(E.Wert));
  return Ergebnis;
}
