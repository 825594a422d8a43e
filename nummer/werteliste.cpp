#include "nummer/werteliste.h"

#include "nummer/zeichensatz.h"

#include <algorithm>

namespace {

bool VorOhneFall(const TWerteListe::TEintrag& A, const TWerteListe::TEintrag& B)
{
  return std::lexicographical_compare(A.Name.begin(), A.Name.end(), B.Name.begin(), B.Name.end(), [](char X, char Y) {
    return Klein1252(static_cast<unsigned char>(X)) < Klein1252(static_cast<unsigned char>(Y));
  });
}

}  // namespace

TWerteListe::TWerteListe(std::shared_ptr<const std::string> Text, std::vector<TEintrag> Eintraege)
    : FText(std::move(Text)), FEintraege(std::move(Eintraege)), FSortiert(FEintraege)
{
  std::stable_sort(FSortiert.begin(), FSortiert.end(), VorOhneFall);
  // Spaetere Zeilen eines Namens tragen den ersten Wert, wie beim Nachschlagen.
  for (TEintrag& E : FEintraege)
    E.Wert = std::lower_bound(FSortiert.begin(), FSortiert.end(), E, VorOhneFall)->Wert;
}

std::string TWerteListe::Wert(std::string_view Name) const
{
  const auto Treffer = std::lower_bound(FSortiert.begin(), FSortiert.end(), TEintrag{Name, {}}, VorOhneFall);
  if (Treffer == FSortiert.end() || !GleichOhneFall(Treffer->Name, Name))
    return {};
  return std::string(Treffer->Wert);
}

std::vector<std::string> TWerteListe::Zeilen() const
{
  std::vector<std::string> Ergebnis;
  for (const TEintrag& E : FEintraege)
    Ergebnis.push_back(std::string(E.Name) + "=" + std::string(E.Wert));
  return Ergebnis;
}
