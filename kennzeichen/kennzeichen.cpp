#include "kennzeichen/kennzeichen.h"

#include <algorithm>

#include "nummer/datei.h"
#include "nummer/stammdaten.h"

#include <array>
#include <charconv>
#include <map>
#include <numeric>
#include <utility>

namespace {

// Reihenfolge der Abschnitte beim Lesen.
constexpr std::array<std::string_view, 11> Abschnittsnamen = {
    "Laender", "Austausch",         "Kategorie",     "Gattungszeichen", "Triebfahrzeuge", "Baureihennamen",
    "Halter",  "Nationale Nummern", "Reisezugwagen", "Radsaetze",       "Haeufigkeit"};

// Grundbuchstabe der Buchstaben mit Akzent ab 0xC0 in Windows-1252 (Gross- und Kleinform gleich).
constexpr std::string_view Grundbuchstaben = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYPSAAAAAAACEEEEIIIIDNOOOOO_OUUUUYPY";

// Die Felder eines Werts in Dateireihenfolge; fehlende sind leer, das letzte nimmt den Rest.
template <std::size_t Anzahl>
std::array<std::string_view, Anzahl> Felder(std::string_view Wert)
{
  std::array<std::string_view, Anzahl> Ergebnis;
  for (std::size_t I = 0; I < Anzahl && !Wert.empty(); ++I) {
    const std::size_t Ende = I + 1 == Anzahl ? Wert.size() : std::min(Wert.find(';'), Wert.size());
    Ergebnis[I] = Wert.substr(0, Ende);
    Wert.remove_prefix(std::min(Ende + 1, Wert.size()));
  }
  return Ergebnis;
}

unsigned AlsAnzahl(std::string_view Wert)
{
  unsigned Anzahl = 0;
  std::from_chars(Wert.data(), Wert.data() + Wert.size(), Anzahl);  // keine Zahl: 0
  return Anzahl;
}

TLand AlsLand(std::string_view Wert)
{
  auto [Kuerzel, Name, Selten, Halter] = Felder<4>(Wert);
  return {Kuerzel, Name, Selten == "selten", AlsAnzahl(Halter)};
}
TAustausch AlsAustausch(std::string_view Wert)
{
  auto [Belegt, Radsaetze, Art, Selten] = Felder<4>(Wert);
  return {Belegt == "ja", Radsaetze, Art, Selten == "selten"};
}
TKategorie AlsKategorie(std::string_view Wert)
{
  auto [Gattung, Text, Sicherheit] = Felder<3>(Wert);
  return {Gattung, Text, Sicherheit, Sicherheit == "hoch"};
}
TSchema AlsSchema(std::string_view Wert)
{
  auto [Fuellziffer, Reihe, Wort, Sicherheit] = Felder<4>(Wert);
  const TReihenstellen Stellen = Reihe == "5-8"   ? TReihenstellen::Fuenf
                                 : Reihe == "6-8" ? TReihenstellen::Sechs
                                                  : TReihenstellen::Keine;
  return {Fuellziffer, Stellen, Wort, Sicherheit, Sicherheit == "hoch", {}, {}};
}
TBaureihe AlsBaureihe(std::string_view Wert)
{
  auto [Name, Fuellziffer] = Felder<2>(Wert);
  return {Name, Fuellziffer, {}, {}, {}};
}
TRadsatzRegel AlsRadsatzRegel(std::string_view Wert)
{
  auto [OhneA, MitA] = Felder<2>(Wert);
  return {OhneA, MitA};
}
THalter AlsHalter(std::string_view Wert)
{
  auto [Laender, Name, Status, Kuerzel] = Felder<4>(Wert);
  return {Laender, Name, Status, Kuerzel, Status == "in Gebrauch"};
}
std::string_view AlsText(std::string_view Wert) { return Wert; }

// Nicht eingesetzt in LadeKennzeichenAusText, aus demselben Grund wie TProfilLeser::Zeile
// (stammdaten.cpp).
template <class TDatensatz, class TZerlegen>
[[gnu::noinline]] void Fuellen(TTabelle<TDatensatz>& Tabelle, std::vector<TWerteListe::TEintrag>& Zeilen,
                               TZerlegen Zerlegen)
{
  Tabelle.Reservieren(Zeilen.size());
  for (const TWerteListe::TEintrag& Eintrag : Zeilen)
    Tabelle.Anhaengen(Eintrag.Name, Zerlegen(Eintrag.Wert));
  Tabelle.Ordnen();
  Zeilen = {};  // gebraucht sind sie nicht mehr: das haelt die Spitze des Speichers niedrig
}

template <class TDatensatz>
const TDatensatz* Suche(const TTabelle<TDatensatz>& Tabelle, std::string_view Name)
{
  const auto Treffer = Tabelle.find(Name);
  return Treffer == Tabelle.end() ? nullptr : &Treffer->second;
}

}  // namespace

namespace {

// "85-91-460" -> "85", "91", "460"; fehlende Teile leer.
std::array<std::string_view, 3> SchluesselTeile(std::string_view Schluessel)
{
  std::array<std::string_view, 3> Teile;
  for (std::string_view& Teil : Teile) {
    const std::size_t Strich = std::min(Schluessel.find('-'), Schluessel.size());
    Teil = Schluessel.substr(0, Strich);
    Schluessel.remove_prefix(std::min(Strich + 1, Schluessel.size()));
  }
  return Teile;
}

void SchluesselZerlegen(TKennzeichen& Kennzeichen)
{
  for (auto& [Schluessel, Schema] : Kennzeichen.Triebfahrzeuge) {
    const auto [Land, Art, Rest] = SchluesselTeile(Schluessel);
    Schema.Land = Land;
    Schema.Art = Art;
  }
  for (auto& [Schluessel, Reihe] : Kennzeichen.Baureihennamen) {
    const auto [Land, Art, Nummer] = SchluesselTeile(Schluessel);
    Reihe.Land = Land;
    Reihe.Art = Art;
    Reihe.Reihe = Nummer;
  }
}

// Die Doppelten fallen erst am Ende weg (sortiert): eine Suche je Code in der wachsenden Liste
// kostete bei rund 3.800 Gattungszeichen quadratisch viel, beim Laden der Seite im Browser spuerbar.
// Nicht eingesetzt, wie Fuellen.
[[gnu::noinline]] void GattungsCodesBilden(TKennzeichen& Kennzeichen)
{
  for (const auto& [Stellen, Code] : Kennzeichen.Gattungszeichen) {
    if (Code.empty())
      continue;
    TGattungsCodes& Gattung = Kennzeichen.GattungsCodes[Code[0]];
    Gattung.Codes.push_back(Code);
    for (const char Z : Code) {
      const auto Anzahl = static_cast<std::size_t>(std::count(Code.begin(), Code.end(), Z));
      std::uint8_t& Hoechstens = Gattung.Hoechstens[static_cast<unsigned char>(Z)];
      Hoechstens = static_cast<std::uint8_t>(std::max<std::size_t>(Hoechstens, std::min<std::size_t>(Anzahl, 255)));
    }
  }
  for (auto& [Buchstabe, Gattung] : Kennzeichen.GattungsCodes) {
    std::sort(Gattung.Codes.begin(), Gattung.Codes.end());
    Gattung.Codes.erase(std::unique(Gattung.Codes.begin(), Gattung.Codes.end()), Gattung.Codes.end());
  }
}

void NummernZuKuerzelBilden(TKennzeichen& Kennzeichen)
{
  std::map<std::string_view, std::vector<std::string_view>, TKleinerOhneFall> Zuordnung;
  for (const auto& [Nummer, Land] : Kennzeichen.Laender)
    if (!Land.Kuerzel.empty())
      Zuordnung[Land.Kuerzel].push_back(Nummer);
  for (auto& [Kuerzel, Nummern] : Zuordnung)
    Kennzeichen.NummernZuKuerzel.Anhaengen(Kuerzel, std::move(Nummern));
  Kennzeichen.NummernZuKuerzel.Ordnen();
}

}  // namespace

TKennzeichen LadeKennzeichenAusText(std::string Inhalt)
{
  TProfil Profil = LiesProfil(std::move(Inhalt), Abschnittsnamen, KennzeichenNamenBlock);
  auto& Tabellen = Profil.Tabellen;
  TKennzeichen Kennzeichen;
  Kennzeichen.Text = Profil.Text;
  Fuellen(Kennzeichen.Laender, Tabellen[0], AlsLand);
  Fuellen(Kennzeichen.Austausch, Tabellen[1], AlsAustausch);
  Fuellen(Kennzeichen.Kategorien, Tabellen[2], AlsKategorie);
  Fuellen(Kennzeichen.Gattungszeichen, Tabellen[3], AlsText);
  Fuellen(Kennzeichen.Triebfahrzeuge, Tabellen[4], AlsSchema);
  Fuellen(Kennzeichen.Baureihennamen, Tabellen[5], AlsBaureihe);
  Fuellen(Kennzeichen.Halter, Tabellen[6], AlsHalter);
  Fuellen(Kennzeichen.NationaleArten, Tabellen[7], AlsText);
  Fuellen(Kennzeichen.Reisezugwagen, Tabellen[8], AlsText);
  Fuellen(Kennzeichen.Radsaetze, Tabellen[9], AlsRadsatzRegel);
  Fuellen(Kennzeichen.Haeufigkeiten, Tabellen[10], AlsAnzahl);
  NummernZuKuerzelBilden(Kennzeichen);
  GattungsCodesBilden(Kennzeichen);
  SchluesselZerlegen(Kennzeichen);
  Kennzeichen.Version = std::move(Profil.Version);
  return Kennzeichen;
}

TKennzeichen LadeKennzeichen(const std::filesystem::path& Datei)
{
  return LadeKennzeichenAusText(LiesDatendatei(Datei));
}

TKennzeichen LadeKennzeichen() { return LadeKennzeichenAusText(LiesDatendateiNebenProgramm(KennzeichenDateiName)); }

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
  const std::string_view* Zeichen = Suche(Gattungszeichen, Stellen58);
  return Zeichen ? std::string(*Zeichen) : std::string();
}

const TBaureihe* TKennzeichen::Baureihe(std::string_view Stellen34, std::string_view Art, std::string_view Reihe) const
{
  return Suche(Baureihennamen, std::string(Stellen34) + "-" + std::string(Art) + "-" + std::string(Reihe));
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

unsigned TKennzeichen::Haeufigkeit(std::string_view Stellen, std::string_view Wert) const
{
  const unsigned* Anzahl =
      Suche(Haeufigkeiten, Wert.empty() ? std::string(Stellen) : std::string(Stellen) + "/" + std::string(Wert));
  return Anzahl ? *Anzahl : 0;
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

std::vector<std::size_t> TabellenOrdnung(const std::vector<std::string_view>& Schluessel)
{
  const TKleinerOhneFall Kleiner;
  if (std::adjacent_find(Schluessel.begin(), Schluessel.end(),
                         [&](std::string_view A, std::string_view B) { return !Kleiner(A, B); }) == Schluessel.end())
    return {};
  std::vector<std::size_t> Reihe(Schluessel.size());
  std::iota(Reihe.begin(), Reihe.end(), std::size_t{0});
  std::stable_sort(Reihe.begin(), Reihe.end(),
                   [&](std::size_t A, std::size_t B) { return Kleiner(Schluessel[A], Schluessel[B]); });
  Reihe.erase(std::unique(Reihe.begin(), Reihe.end(),
                          [&](std::size_t A, std::size_t B) { return !Kleiner(Schluessel[A], Schluessel[B]); }),
              Reihe.end());
  return Reihe;
}

std::vector<std::string_view> THalter::Laenderliste() const
{
  std::vector<std::string_view> Liste;
  EinLand([&](std::string_view Land) {
    Liste.push_back(Land);
    return false;
  });
  return Liste;
}

bool THalter::RegistriertIn(std::string_view Laenderkuerzel) const
{
  return !Laenderkuerzel.empty() && EinLand([&](std::string_view Land) { return Land == Laenderkuerzel; });
}
