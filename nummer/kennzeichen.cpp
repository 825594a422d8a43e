#include "nummer/kennzeichen.h"

#include "nummer/datei.h"
#include "nummer/stammdaten.h"

#include <array>
#include <limits>

namespace {

constexpr std::array<std::string_view, 6> Abschnittsnamen = {"Laender",        "Kategorie",      "Gruppen",
                                                             "Triebfahrzeuge", "Baureihennamen", "Halter"};

// Grundbuchstabe der Buchstaben mit Akzent ab 0xC0 in Windows-1252 (Gross- und Kleinform gleich).
constexpr std::string_view Grundbuchstaben = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYPSAAAAAAACEEEEIIIIDNOOOOO_OUUUUYPY";

}  // namespace

TKennzeichen LadeKennzeichenAusText(std::string Inhalt)
{
  TProfil Profil = LiesProfil(std::move(Inhalt), Abschnittsnamen, std::numeric_limits<std::size_t>::max());
  auto& T = Profil.Tabellen;
  return {std::move(T[0]), std::move(T[1]), std::move(T[2]),          std::move(T[3]),
          std::move(T[4]), std::move(T[5]), std::move(Profil.Version)};
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

std::vector<std::string> Felder(std::string_view Wert, std::size_t Anzahl)
{
  std::vector<std::string> Ergebnis(Anzahl);
  for (std::size_t I = 0; I < Anzahl && !Wert.empty(); ++I) {
    const std::size_t Ende = I + 1 == Anzahl ? Wert.size() : std::min(Wert.find(';'), Wert.size());
    Ergebnis[I] = Wert.substr(0, Ende);
    Wert.remove_prefix(std::min(Ende + 1, Wert.size()));
  }
  return Ergebnis;
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
