#include "auswertung/triebfahrzeug.h"

#include "nummer/pruefziffer.h"
#include "nummer/wageninfo.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <array>

namespace {

// Eine Reihe mit eigener Fuellziffer (DB 446: "91 80 0446") gehoert trotzdem zum Schema der Art.
bool EigeneFuellziffer(const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  const TBaureihe* Reihe = Kennzeichen.Baureihe(Elf.substr(2, 2), Elf.substr(0, 2), Elf.substr(5, 3));
  return Reihe && Reihe->Fuellziffer.size() == 1 && Reihe->Fuellziffer[0] == Elf[4];
}

// Das Schema der Art oder, wenn es eine Fuellziffer verlangt, die nicht dasteht, das allgemeine
// des Landes (in Deutschland die vierstelligen Reihen, die das EBA seit 2007 vergibt).
const TSchema* SchemaZu(const TKennzeichen& Kennzeichen, std::string_view Elf, bool& FuellzifferFalsch)
{
  const std::string_view Land = Elf.substr(2, 2);
  const TSchema* Schema = Kennzeichen.Schema(Land, Elf.substr(0, 2));
  FuellzifferFalsch = FuellzifferPruefen(Kennzeichen, Elf) == TFuellziffer::Falsch;
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
  if (Schema->Reihe == TReihenstellen::Keine)
    return "nicht entschlüsselt: das Schema für "_cp1252 + LandName + " ist zu wenig gesichert"_cp1252;
  const std::string Reihe(Schema->Reihe == TReihenstellen::Fuenf ? Elf.substr(4, 4) : Elf.substr(5, 3));
  const TBaureihe* Name = Kennzeichen.Baureihe(Elf.substr(2, 2), Elf.substr(0, 2), Reihe);
  Wort = std::string(Schema->Wort);
  return (Name ? std::string(Name->Name) : Reihe) + ", Nr. " + Reihe + " " + std::string(Elf.substr(8, 3)) +
         (Schema->Gesichert ? "" : " (Sicherheit des Schemas: " + std::string(Schema->Sicherheit) + ")");
}

}  // namespace

std::string NationaleNummer(const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  bool FuellzifferFalsch = false;
  const TSchema* Schema = SchemaZu(Kennzeichen, Elf, FuellzifferFalsch);
  if (!Schema || FuellzifferFalsch)
    return {};
  const std::string_view Ziffern = Schema->Reihe == TReihenstellen::Sechs && !Schema->Fuellziffer.empty()
                                       ? Elf.substr(5, 6)
                                   : Schema->Reihe == TReihenstellen::Fuenf ? Elf.substr(4, 7)
                                                                            : std::string_view();
  if (Ziffern.empty() || ZwoelfAusNational(Kennzeichen, Elf.substr(2, 2), Ziffern).substr(0, 11) != Elf)
    return {};
  return NationalGegliedert(Ziffern,
                            NationalMitZwoelfPruefziffer(Kennzeichen, Elf) ? Pruefziffer(Elf) : Pruefziffer(Ziffern));
}

TFsNummer FsNummerLesen(std::string_view Text)
{
  // Buchstabe der Antriebsart, dann Gruppo und Nummer zu je drei Ziffern, mit Punkt oder Leerzeichen
  while (!Text.empty() && (Text.front() == ' ' || Text.back() == ' '))
    Text = Text.front() == ' ' ? Text.substr(1) : Text.substr(0, Text.size() - 1);
  const auto Trenner = [](char Zeichen) { return Zeichen == '.' || Zeichen == ' '; };
  const auto Ziffern = [](std::string_view Teil) {
    return Teil.size() == 3 && std::all_of(Teil.begin(), Teil.end(), [](char Z) { return Z >= '0' && Z <= '9'; });
  };
  if (Text.size() != 9 || (Text[0] != 'E' && Text[0] != 'D') || !Trenner(Text[1]) || !Trenner(Text[5]) ||
      !Ziffern(Text.substr(2, 3)) || !Ziffern(Text.substr(6, 3)))
    return {};
  return {Text[0] == 'E' ? "91" : "92", std::string(Text.substr(2, 3)), std::string(Text.substr(6, 3))};
}

bool NationalMitZwoelfPruefziffer(const TKennzeichen& Kennzeichen, std::string_view Nummer)
{
  const TSchema* Schema = Kennzeichen.Schema(Nummer.substr(2, 2), Nummer.substr(0, 2));
  return Schema && Schema->Fuellziffer != Nummer.substr(4, 1) && EigeneFuellziffer(Kennzeichen, Nummer);
}

TFuellziffer FuellzifferPruefen(const TKennzeichen& Kennzeichen, std::string_view Elf)
{
  // Sonderfahrzeuge tragen in jedem Land den technischen Code 9000-9999 in den Stellen 5-8
  if (Elf.substr(0, 2) == "99" && Elf[4] == '9')
    return TFuellziffer::Passt;
  // Die Stelle 5 einer Reihe gilt neben der des Schemas (DB 446: 0 statt 6) und auch dort, wo das
  // Land fuer die Art kein Schema hat (FS E.464: 2).
  const TSchema* Schema = Kennzeichen.Schema(Elf.substr(2, 2), Elf.substr(0, 2));
  const TBaureihe* Reihe = Kennzeichen.Baureihe(Elf.substr(2, 2), Elf.substr(0, 2), Elf.substr(5, 3));
  const bool Eigene = Reihe && Reihe->Fuellziffer.size() == 1;
  const bool EigenePasst = Eigene && Reihe->Fuellziffer[0] == Elf[4];
  if (!Schema)
    return !Eigene ? TFuellziffer::Frei : EigenePasst ? TFuellziffer::Passt : TFuellziffer::Falsch;
  if (Schema->Fuellziffer.empty())
    return TFuellziffer::Frei;
  return Schema->Fuellziffer[0] == Elf[4] || EigenePasst ? TFuellziffer::Passt : TFuellziffer::Falsch;
}

std::string NationalGegliedert(std::string_view Ziffern, std::string_view Pruefziffer)
{
  return std::string(Ziffern.substr(0, Ziffern.size() - 3)) + " " + std::string(Ziffern.substr(Ziffern.size() - 3)) +
         "-" + std::string(Pruefziffer);
}

bool IstNationaleNummer(std::string_view Ziffern, bool PruefzifferAbgesetzt)
{
  // sechs: fuenf Ziffern der BDZ mit Pruefziffer ("80001-1")
  return PruefzifferAbgesetzt && Ziffern.size() >= 6 && Ziffern.size() <= 8 &&
         Ziffern.find('?') == std::string_view::npos;
}

namespace {

// Triebzuege, deren Stelle 5 je Wagen verschieden ist, nach der ersten Ziffer ihrer Reihe: in
// Deutschland tragen die Wagen einer Einheit verschiedene Ziffern 5-8 (0422/0432, 1412/1812,
// 0429/0829, marudor/bahn.expert#1053; elektrische Reihen 4xx und ihre Wagen 8xx sind Art 93 oder
// 94, Verbrennungstriebwagen 6xx/9xx Art 95 nach dem DB-Schema von 1968), in der Schweiz zaehlt
// Stelle 5 die Wagen des Triebzugs (SBB data-scanner uic_details_service; Reihen 5xx sind
// Triebzuege). Belege: "0812 041-3" (ICE 4, github.com/marudor/bahn.expert/pull/205),
// "RABe 526 044.2" (seak.ch). Mit sieben Ziffern steht die Stelle 5 da, mit sechs ist sie frei.
struct TWagenabhaengig {
  std::string_view Land;
  char Reihe;  // erste Ziffer der Reihe (Stelle 6)
  std::string_view Art;
  bool SechsZiffern;  // auch ohne Stelle 5 (Wagenzaehler)
};
constexpr std::array<TWagenabhaengig, 7> Wagenabhaengig = {{{"80", '4', "93", false},
                                                            {"80", '4', "94", false},
                                                            {"80", '8', "93", false},
                                                            {"80", '8', "94", false},
                                                            {"80", '6', "95", false},
                                                            {"80", '9', "95", false},
                                                            {"85", '5', "94", true}}};

}  // namespace

bool StelleFuenfWagenabhaengig(std::string_view Zwoelf)
{
  return std::any_of(Wagenabhaengig.begin(), Wagenabhaengig.end(), [&](const TWagenabhaengig& W) {
    return Zwoelf.size() >= 6 && Zwoelf.substr(0, 2) == W.Art && Zwoelf.substr(2, 2) == W.Land && Zwoelf[5] == W.Reihe;
  });
}

bool StelleFuenfFehlt(std::string_view Land, std::string_view Ziffern)
{
  return std::any_of(Wagenabhaengig.begin(), Wagenabhaengig.end(), [&](const TWagenabhaengig& W) {
    return W.SechsZiffern && W.Land == Land && Ziffern.size() == 6 && Ziffern[0] == W.Reihe;
  });
}

std::vector<std::string> ZwoelfMoeglich(const TKennzeichen& Kennzeichen, std::string_view Land,
                                        std::string_view Ziffern, std::string_view Angeschrieben)
{
  std::vector<std::string> Liste;
  const auto Dazu = [&Liste](std::string Elf) {
    Elf += Pruefziffer(Elf);
    if (std::find(Liste.begin(), Liste.end(), Elf) == Liste.end())
      Liste.push_back(std::move(Elf));
  };
  if (const std::string Zwoelf = ZwoelfAusNational(Kennzeichen, Land, Ziffern); !Zwoelf.empty())
    Dazu(Zwoelf.substr(0, 11));
  for (const auto& [Schluessel, Reihe] : Kennzeichen.Baureihennamen)
    if (Ziffern.size() == 6 && Reihe.Fuellziffer.size() == 1 && Reihe.Land == Land &&
        Reihe.Reihe == Ziffern.substr(0, 3))
      Dazu(std::string(Reihe.Art) + std::string(Land) + std::string(Reihe.Fuellziffer) + std::string(Ziffern));
  for (const auto& [Schluessel, Schema] : Kennzeichen.Triebfahrzeuge)
    if (Ziffern.size() == 7 && Schema.Land == Land && Schema.Art.size() == 2 && Schema.Art != "9x" &&
        Schema.Reihe == TReihenstellen::Sechs && Schema.Fuellziffer == Ziffern.substr(0, 1))
      Dazu(std::string(Schema.Art) + std::string(Land) + std::string(Ziffern));
  // Triebzugwagen: nur die Stelle 5, mit der die angeschriebene Pruefziffer stimmt
  for (const TWagenabhaengig& W : Wagenabhaengig) {
    const bool Sieben = Ziffern.size() == 7 && Ziffern[1] == W.Reihe;
    const bool Sechs = W.SechsZiffern && Ziffern.size() == 6 && Ziffern[0] == W.Reihe;
    if (W.Land != Land || Angeschrieben.size() != 1 || (!Sieben && !Sechs))
      continue;
    for (char Stelle5 = '0'; Stelle5 <= '9'; ++Stelle5) {
      const std::string Elf =
          std::string(W.Art) + std::string(Land) + (Sechs ? std::string(1, Stelle5) : "") + std::string(Ziffern);
      if (Pruefziffer(Elf) == Angeschrieben)
        Dazu(Elf);
      if (Sieben)
        break;
    }
  }
  return Liste;
}

std::string ZwoelfVermutet(std::string_view Land, std::string_view Ziffern, std::string_view Angeschrieben)
{
  if (Ziffern.size() < 5 || Ziffern.size() > 7)
    return {};
  for (const std::string_view Art : {"91", "92", "94", "95", "97", "98"}) {
    const std::string Elf =
        std::string(Art) + std::string(Land) + std::string(7 - Ziffern.size(), '0') + std::string(Ziffern);
    if (Pruefziffer(Elf) == Angeschrieben)
      return Elf + std::string(Angeschrieben);
  }
  return {};
}

std::vector<std::string> LaenderFuerNational(const TKennzeichen& Kennzeichen, std::string_view Ziffern)
{
  std::vector<std::string> Laender;
  for (const auto& [Land, Schema] : Kennzeichen.Laender)
    if (!ZwoelfMoeglich(Kennzeichen, Land, Ziffern).empty())
      Laender.emplace_back(Land);
  return Laender;
}

std::string ZwoelfAusNational(const TKennzeichen& Kennzeichen, std::string_view Land, std::string_view Ziffern)
{
  if (Ziffern.empty())
    return {};
  // zuerst die Reihen mit eigener Fuellziffer ("446 041" ist 91 80 0446 041), in Laendern mit
  // nationalen Nummern (die FS schreiben keine Pruefziffer an)
  const auto MitNationalen = Kennzeichen.NationaleArten.lower_bound(std::string(Land) + "-");
  const bool LandHatNationale =
      MitNationalen != Kennzeichen.NationaleArten.end() && MitNationalen->first.starts_with(std::string(Land) + "-");
  for (const auto& [Schluessel, Reihe] : Kennzeichen.Baureihennamen)
    if (LandHatNationale && Ziffern.size() == 6 && Reihe.Fuellziffer.size() == 1 && Reihe.Land == Land &&
        Reihe.Reihe == Ziffern.substr(0, 3)) {
      const std::string Elf =
          std::string(Reihe.Art) + std::string(Land) + std::string(Reihe.Fuellziffer) + std::string(Ziffern);
      return Elf + Pruefziffer(Elf);
    }
  // Schluessel mit den ersten zwei Ziffern der Reihe vor dem mit der ersten (PL: Verwendung und Energie)
  const std::string Stellen = "-" + std::to_string(Ziffern.size());
  auto Art = Kennzeichen.NationaleArten.find(std::string(Land) + "-" + std::string(Ziffern.substr(0, 2)) + Stellen);
  if (Art == Kennzeichen.NationaleArten.end())
    Art = Kennzeichen.NationaleArten.find(std::string(Land) + "-" + Ziffern[0] + Stellen);
  if (Art == Kennzeichen.NationaleArten.end())
    return {};
  const TSchema* Schema = Kennzeichen.Schema(Land, Art->second);
  if (Schema && Schema->Reihe == TReihenstellen::Sechs && Ziffern.size() == 6 && !Schema->Fuellziffer.empty()) {
    const std::string Elf =
        std::string(Art->second) + std::string(Land) + std::string(Schema->Fuellziffer) + std::string(Ziffern);
    return Elf + Pruefziffer(Elf);
  }
  // sieben Ziffern fuellen die Stellen 5-11 ganz: nichts zu ergaenzen (AT, PL)
  if (Ziffern.size() == 7) {
    const std::string Elf = std::string(Art->second) + std::string(Land) + std::string(Ziffern);
    return Elf + Pruefziffer(Elf);
  }
  return {};
}

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
  Triebfahrzeug.National = NationaleNummer(Kennzeichen, Elf);
  return Triebfahrzeug;
}

std::string LandDerReihe(std::string_view Reihe)
{
  // Traktion E/S, Verwendung P, T, U, M (Loks), N, D, W, A (Triebzuege, Schienenbusse), dahinter
  // die Bauart in zwei oder drei Ziffern und ein Zusatz aus Buchstaben ("EN57AL")
  // (kolejpolska.pl.tl, Oznaczenia skladow; kolej.krb.com.pl/oznaczenia)
  if (Reihe.size() < 4 || (Reihe[0] != 'E' && Reihe[0] != 'S') ||
      std::string_view("PTUMNDWA").find(Reihe[1]) == std::string_view::npos)
    return {};
  std::size_t Ziffern = 2;
  while (Ziffern < Reihe.size() && Reihe[Ziffern] >= '0' && Reihe[Ziffern] <= '9')
    ++Ziffern;
  const bool Zusatz = std::all_of(Reihe.begin() + static_cast<std::ptrdiff_t>(Ziffern), Reihe.end(),
                                  [](char Z) { return Z >= 'A' && Z <= 'Z'; });
  return Ziffern >= 4 && Ziffern <= 5 && Zusatz ? "51" : "";
}
