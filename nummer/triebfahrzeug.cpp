#include "nummer/triebfahrzeug.h"

#include "nummer/wageninfo.h"
#include "nummer/zeichensatz.h"

namespace {

// Das Schema der Art oder, wenn es eine Fuellziffer verlangt, die nicht dasteht, das allgemeine
// des Landes (in Deutschland die vierstelligen Reihen, die das EBA seit 2007 vergibt).
const TSchema* SchemaZu(const TKennzeichen& Kennzeichen, std::string_view Elf, bool& FuellzifferFalsch)
{
  const std::string_view Land = Elf.substr(2, 2);
  const TSchema* Schema = Kennzeichen.Schema(Land, Elf.substr(0, 2));
  FuellzifferFalsch = Schema && !Schema->Fuellziffer.empty() && Schema->Fuellziffer[0] != Elf[4];
  return !Schema || FuellzifferFalsch ? Kennzeichen.Schema(Land, "9x") : Schema;
}

std::string BaureiheLesen(const TKennzeichen& Kennzeichen, std::string_view Elf, const std::string& LandName,
                          std::string& Wort)
{
  if (Elf.substr(0, 2) == "99" && Elf[4] == '9')
    return "Sonderfahrzeug, technischer Code " + std::string(Elf.substr(4, 4)) + " (keine Baureihe)";
  bool FuellzifferFalsch = false;
  const TSchema* Schema = SchemaZu(Kennzeichen, Elf, FuellzifferFalsch);
  if (!Schema)
    return FuellzifferFalsch ? "nicht entschlüsselt: Stelle 5 passt nicht zum Schema für "_cp1252 + LandName
                             : "nicht entschlüsselt: für "_cp1252 + LandName + " ist kein Schema hinterlegt";
  if (Schema->Reihe.empty())
    return "nicht entschlüsselt: das Schema für "_cp1252 + LandName + " ist zu wenig gesichert"_cp1252;
  const std::string Reihe(Schema->Reihe == "5-8" ? Elf.substr(4, 4) : Elf.substr(5, 3));
  const auto Name = Kennzeichen.Baureihennamen.find(std::string(Elf.substr(2, 2)) + "-" +
                                                    std::string(Elf.substr(0, 2)) + "-" + Reihe);
  Wort = std::string(Schema->Wort);
  return (Name == Kennzeichen.Baureihennamen.end() ? Reihe : Name->second) + ", Nr. " + Reihe + " " +
         std::string(Elf.substr(8, 3)) +
         (Schema->Sicherheit == "hoch" ? "" : " (Sicherheit des Schemas: " + std::string(Schema->Sicherheit) + ")");
}

}  // namespace

TTriebfahrzeug TriebfahrzeugLesen(const TStammdaten& Stammdaten, const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  TTriebfahrzeug Triebfahrzeug;
  const TAustausch* Austausch = Kennzeichen.AustauschZu(Elf.substr(0, 2));
  Triebfahrzeug.Art = Austausch && !Austausch->Triebfahrzeugart.empty()
                          ? std::string(Austausch->Triebfahrzeugart)
                          : Stammdaten.AustauschListe.Wert(Elf.substr(0, 2));
  const TLand* Land = Kennzeichen.Land(Elf.substr(2, 2));
  Triebfahrzeug.Land =
      !Land ? Stammdaten.BahnenListe.Wert(Elf.substr(2, 2))
            : std::string(Land->Name) + (Land->Kuerzel.empty() ? "" : " (" + std::string(Land->Kuerzel) + ")");
  Triebfahrzeug.Baureihe =
      BaureiheLesen(Kennzeichen, Elf, Land ? std::string(Land->Name) : "Land " + std::string(Elf.substr(2, 2)),
                    Triebfahrzeug.ReiheWort);
  return Triebfahrzeug;
}
