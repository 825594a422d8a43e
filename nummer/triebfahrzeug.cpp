#include "nummer/triebfahrzeug.h"

namespace {

std::string BaureiheLesen(const TKennzeichen& K, std::string_view Elf, const std::string& LandName, std::string& Wort)
{
  const std::string Land(Elf.substr(2, 2)), Typ(Elf.substr(0, 2));
  if (Typ == "99" && Elf[4] == '9')
    return "Sonderfahrzeug, technischer Code " + std::string(Elf.substr(4, 4)) + " (keine Baureihe)";
  // Verlangt das Schema der Art eine Fuellziffer, die nicht dasteht, gilt das allgemeine des Landes
  // (in Deutschland die vierstelligen Reihen, die das EBA seit 2007 vergibt).
  auto Regel = Felder(K.Triebfahrzeuge.Wert(Land + "-" + Typ), 4);
  const bool FuellzifferFalsch = !Regel[0].empty() && Regel[0][0] != Elf[4];
  if (Regel[3].empty() || FuellzifferFalsch)
    Regel = Felder(K.Triebfahrzeuge.Wert(Land + "-9x"), 4);
  if (Regel[3].empty())
    return FuellzifferFalsch ? "nicht entschl\374sselt: Stelle 5 passt nicht zum Schema f\374r " + LandName
                             : "nicht entschl\374sselt: f\374r " + LandName + " ist kein Schema hinterlegt";
  if (Regel[1].empty())
    return "nicht entschl\374sselt: das Schema f\374r " + LandName + " ist zu wenig gesichert";
  const std::string Reihe(Regel[1] == "5-8" ? Elf.substr(4, 4) : Elf.substr(5, 3));
  const std::string Name = K.Baureihennamen.Wert(Land + "-" + Typ + "-" + Reihe);
  Wort = Regel[2];
  return (Name.empty() ? Reihe : Name) + ", Nr. " + Reihe + " " + std::string(Elf.substr(8, 3)) +
         (Regel[3] == "hoch" ? "" : " (Sicherheit des Schemas: " + Regel[3] + ")");
}

}  // namespace

bool IstTriebfahrzeug(std::string_view Elf) { return !Elf.empty() && Elf[0] == '9'; }

TTriebfahrzeug TriebfahrzeugLesen(const TStammdaten& S, const TKennzeichen& K, std::string_view Elf)
{
  TTriebfahrzeug T;
  T.Art = S.AustauschListe.Wert(Elf.substr(0, 2));
  if (constexpr std::string_view Vorsilbe = "Triebfahrzeug: "; T.Art.starts_with(Vorsilbe))
    T.Art.erase(0, Vorsilbe.size());
  const auto Land = Felder(K.Laender.Wert(Elf.substr(2, 2)), 2);
  T.Land =
      Land[1].empty() ? S.BahnenListe.Wert(Elf.substr(2, 2)) : Land[1] + (Land[0].empty() ? "" : " (" + Land[0] + ")");
  T.Baureihe = BaureiheLesen(K, Elf, Land[1].empty() ? "Land " + std::string(Elf.substr(2, 2)) : Land[1], T.ReiheWort);
  return T;
}
