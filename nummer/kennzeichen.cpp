#include "nummer/kennzeichen.h"

#include "nummer/datei.h"
#include "nummer/stammdaten.h"

#include <array>
#include <utility>

namespace {

// Reihenfolge der Abschnitte beim Lesen.
constexpr std::array<std::string_view, 7> Abschnittsnamen = {
    "Laender", "Austausch", "Kategorie", "Gattungszeichen", "Triebfahrzeuge", "Baureihennamen", "Halter"};

// Grundbuchstabe der Buchstaben mit Akzent ab 0xC0 in Windows-1252 (Gross- und Kleinform gleich).
constexpr std::string_view Grundbuchstaben = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYPSAAAAAAACEEEEIIIIDNOOOOO_OUUUUYPY";

// Die Felder eines Werts in Dateireihenfolge; fehlende sind leer, das letzte nimmt den Rest.
template <std::size_t Anzahl>
std::array<std::string, Anzahl> Felder(std::string_view Wert)
{
  std::array<std::string, Anzahl> Ergebnis;
  for (std::size_t I = 0; I < Anzahl && !Wert.empty(); ++I) {
    const std::size_t Ende = I + 1 == Anzahl ? Wert.size() : std::min(Wert.find(';'), Wert.size());
    Ergebnis[I] = Wert.substr(0, Ende);
    Wert.remove_prefix(std::min(Ende + 1, Wert.size()));
  }
  return Ergebnis;
}

TLand AlsLand(std::string_view Wert)
{
  auto [Kuerzel, Name] = Felder<2>(Wert);
  return {std::move(Kuerzel), std::move(Name)};
}
TAustausch AlsAustausch(std::string_view Wert)
{
  auto [Belegt, Radsaetze, Art] = Felder<3>(Wert);
  return {Belegt == "ja", std::move(Radsaetze), std::move(Art)};
}
TKategorie AlsKategorie(std::string_view Wert)
{
  auto [Gattung, Text, Sicherheit] = Felder<3>(Wert);
  return {std::move(Gattung), std::move(Text), std::move(Sicherheit)};
}
TSchema AlsSchema(std::string_view Wert)
{
  auto [Fuellziffer, Reihe, Wort, Sicherheit] = Felder<4>(Wert);
  return {std::move(Fuellziffer), std::move(Reihe), std::move(Wort), std::move(Sicherheit)};
}
THalter AlsHalter(std::string_view Wert)
{
  auto [Laender, Name, Status, Kuerzel] = Felder<4>(Wert);
  return {std::move(Laender), std::move(Name), std::move(Status), std::move(Kuerzel)};
}
std::string AlsText(std::string_view Wert) { return std::string(Wert); }

// Die Liste haelt schon "erster Name gilt"; jeder Name kommt nur einmal an.
template <class TDatensatz, class TZerlegen>
void Fuellen(TTabelle<TDatensatz>& Tabelle, const TWerteListe& Liste, TZerlegen Zerlegen)
{
  for (const TWerteListe::TEintrag& Eintrag : Liste.Eintraege())
    Tabelle.try_emplace(std::string(Eintrag.Name), Zerlegen(Eintrag.Wert));
}

template <class TDatensatz>
const TDatensatz* Suche(const TTabelle<TDatensatz>& Tabelle, std::string_view Name)
{
  const auto Treffer = Tabelle.find(Name);
  return Treffer == Tabelle.end() ? nullptr : &Treffer->second;
}

}  // namespace

TKennzeichen LadeKennzeichenAusText(std::string Inhalt)
{
  const TProfil Profil = LiesProfil(std::move(Inhalt), Abschnittsnamen, KennzeichenNamenBlock);
  const auto& T = Profil.Tabellen;
  TKennzeichen K;
  Fuellen(K.Laender, T[0], AlsLand);
  Fuellen(K.Austausch, T[1], AlsAustausch);
  Fuellen(K.Kategorien, T[2], AlsKategorie);
  Fuellen(K.Gattungszeichen, T[3], AlsText);
  Fuellen(K.Triebfahrzeuge, T[4], AlsSchema);
  Fuellen(K.Baureihennamen, T[5], AlsText);
  Fuellen(K.Halter, T[6], AlsHalter);
  for (const auto& [Nummer, Land] : K.Laender)
    if (!Land.Kuerzel.empty())
      K.NummernZuKuerzel[Land.Kuerzel].push_back(Nummer);
  K.Version = Profil.Version;
  return K;
}

TKennzeichen LadeKennzeichen(const std::filesystem::path& Datei)
{
  return LadeKennzeichenAusText(LiesDatei(Datei, DateiHoechstgroesse).value_or(std::string()));
}

TKennzeichen LadeKennzeichen()
{
  const auto Verzeichnis = ProgrammVerzeichnis();
  return Verzeichnis.empty() ? LadeKennzeichenAusText({}) : LadeKennzeichen(Verzeichnis / KennzeichenDateiName);
}

const TLand* TKennzeichen::Land(std::string_view Stellen34) const { return Suche(Laender, Stellen34); }

const TAustausch* TKennzeichen::AustauschZu(std::string_view Stellen12) const { return Suche(Austausch, Stellen12); }

const TSchema* TKennzeichen::Schema(std::string_view Stellen34, std::string_view Art) const
{
  return Suche(Triebfahrzeuge, std::string(Stellen34) + "-" + std::string(Art));
}

const THalter* TKennzeichen::HalterZu(std::string_view Angeschrieben) const
{
  return Suche(Halter, HalterSchluessel(Angeschrieben));
}

std::string TKennzeichen::Gattungszeichen58(std::string_view Stellen58) const
{
  const std::string* Zeichen = Suche(Gattungszeichen, Stellen58);
  return Zeichen ? *Zeichen : std::string();
}

const TKategorie* TKennzeichen::Kategorie(std::string_view Elf, std::string_view* Schluessel) const
{
  if (Elf.size() < 6)
    return nullptr;
  std::string_view Stellen = Elf.substr(4, 2);
  const TKategorie* Treffer = Suche(Kategorien, Stellen);
  if (!Treffer) {
    Stellen = Elf.substr(4, 1);
    Treffer = Suche(Kategorien, Stellen);
  }
  if (Schluessel)
    *Schluessel = Stellen;
  return Treffer;
}

std::string HalterSchluessel(std::string_view Kuerzel)
{
  std::string Schluessel;
  for (const char Zeichen : Kuerzel) {
    const auto Byte = static_cast<unsigned char>(Zeichen);
    if (Byte >= 'a' && Byte <= 'z')
      Schluessel.push_back(static_cast<char>(Byte - 0x20));
    else if (Byte >= 0xC0)
      Schluessel.push_back(Grundbuchstaben[Byte - 0xC0]);
    else if (Byte == 0x8A || Byte == 0x9A)
      Schluessel.push_back('S');
    else if (Byte == 0x8E || Byte == 0x9E)
      Schluessel.push_back('Z');
    else
      Schluessel.push_back(Zeichen);
  }
  return Schluessel;
}
