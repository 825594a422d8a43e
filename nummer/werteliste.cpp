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

// FNV-1a ohne Beachtung der Gross-/Kleinschreibung.
std::uint64_t Streuwert(std::string_view Name)
{
  std::uint64_t Streu = 14695981039346656037u ^ Startwert();
  for (const char Z : Name)
    Streu = (Streu ^ Klein1252(static_cast<unsigned char>(Z))) * 1099511628211u;
  return Streu;
}

}  // namespace

// Eigene Funktion, wie TProfilLeser::Zeile (stammdaten.cpp): Chromium uebersetzt sie nach
// einigen Aufrufen schnell, die Schleife des Konstruktors liefe sonst ganz im ersten Uebersetzen.
[[gnu::noinline]] std::size_t TWerteListe::Platz(std::string_view Name) const
{
  const std::size_t Maske = FPlaetze.size() - 1;
  // Die oberen Bits mit hinein: mit std::size_t von 32 Bit (WebAssembly) fielen sie sonst weg.
  const std::uint64_t Streu = Streuwert(Name);
  auto I = static_cast<std::size_t>(Streu >> 32 ^ Streu) & Maske;
  while (FPlaetze[I] != 0 && !GleichOhneFall(FEintraege[FPlaetze[I] - 1].Name, Name))
    I = (I + 1) & Maske;
  return I;
}

TWerteListe::TWerteListe(std::shared_ptr<const std::string> Text, std::vector<TEintrag> Eintraege)
    : FText(std::move(Text)), FEintraege(std::move(Eintraege))
{
  if (FEintraege.empty())
    return;
  std::size_t Groesse = 2;
  while (Groesse < 2 * FEintraege.size())
    Groesse *= 2;
  FPlaetze.assign(Groesse, 0);
  // Spaetere Zeilen eines Namens tragen den ersten Wert, wie beim Nachschlagen.
  for (std::size_t N = 0; N < FEintraege.size(); ++N) {
    std::size_t& Belegt = FPlaetze[Platz(FEintraege[N].Name)];
    if (Belegt == 0)
      Belegt = N + 1;
    else
      FEintraege[N].Wert = FEintraege[Belegt - 1].Wert;
  }
}

std::string TWerteListe::Wert(std::string_view Name) const
{
  if (FPlaetze.empty())
    return {};
  const std::size_t Belegt = FPlaetze[Platz(Name)];
  return Belegt == 0 ? std::string() : std::string(FEintraege[Belegt - 1].Wert);
}

std::vector<std::string> TWerteListe::Zeilen() const
{
  std::vector<std::string> Ergebnis;
  for (const TEintrag& E : FEintraege)
    Ergebnis.push_back(std::string(E.Name) + "=" + std::string(E.Wert));
  return Ergebnis;
}
