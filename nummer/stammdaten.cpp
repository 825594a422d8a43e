#include "nummer/stammdaten.h"

#include "nummer/datei.h"
#include "zeichen/zeichensatz.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

std::string_view OhneRaender(std::string_view T)
{
  const auto Anfang = T.find_first_not_of(" \t");
  if (Anfang == std::string_view::npos)
    return {};
  return T.substr(Anfang, T.find_last_not_of(" \t") - Anfang + 1);
}

std::string_view OhneAnfuehrung(std::string_view T)
{
  if (T.size() >= 2 && T.front() == T.back() && (T.front() == '"' || T.front() == '\''))
    return T.substr(1, T.size() - 2);
  return T;
}

constexpr std::size_t KeinAbschnitt = static_cast<std::size_t>(-1);

// Eine Tabelle im Aufbau, mit dem Fuellstand ihres Namensblocks.
struct TAufbau {
  std::vector<TWerteListe::TEintrag> Eintraege;
  std::size_t Belegt = 1;  // das Schluss-Nullbyte
  bool Voll = false;
};

}  // namespace

namespace {

// Was LiesProfil Zeile fuer Zeile aufbaut.
struct TProfilLeser {
  TProfilLeser(std::span<const std::string_view> Abschnittsnamen, std::size_t Block)
      : Namen(Abschnittsnamen), NamenBlock(Block), Aufbau(Abschnittsnamen.size())
  {
  }
  std::span<const std::string_view> Namen;
  std::size_t NamenBlock;
  std::vector<TAufbau> Aufbau;
  std::string_view Version;
  bool MitVersion = false;
  std::size_t Aktuell = KeinAbschnitt;

  std::size_t AbschnittNummer(std::string_view Name) const
  {
    for (std::size_t I = 0; I < Namen.size(); ++I)
      if (GleichOhneFall(Name, Namen[I]))
        return I;
    return GleichOhneFall(Name, "Version") ? Namen.size() : KeinAbschnitt;
  }

  // Eigene Funktion, nicht in die Schleife von LiesProfil eingesetzt: Chromium uebersetzt heisse
  // Funktionen ein zweites Mal, schnell, und das kostet bei einer grossen Funktion das Vielfache.
  [[gnu::noinline]] void Zeile(std::string_view Zeile)
  {
    Zeile = OhneRaender(Zeile.substr(0, Zeile.find('\0')));  // wie ein C-String
    if (Zeile.empty() || Zeile.front() == ';' || Zeile.front() == '#')
      return;
    if (Zeile.front() == '[') {
      Aktuell = AbschnittNummer(OhneRaender(Zeile.substr(1, Zeile.find(']') - 1)));
      return;
    }
    const std::size_t Gleich = Zeile.find('=');
    const std::string_view Name = OhneRaender(Zeile.substr(0, Gleich));
    if (Aktuell == KeinAbschnitt || Gleich == std::string_view::npos || Name.empty())
      return;
    const std::string_view Wert = OhneAnfuehrung(OhneRaender(Zeile.substr(Gleich + 1))).substr(0, WertHoechstlaenge);
    if (Aktuell == Namen.size()) {
      if (!MitVersion && GleichOhneFall(Name, "Version")) {
        Version = Wert;
        MitVersion = true;
      }
      return;
    }
    TAufbau& Tabelle = Aufbau[Aktuell];
    Tabelle.Voll = Tabelle.Voll || Tabelle.Belegt + Name.size() + 1 > NamenBlock;
    if (Tabelle.Voll)
      return;  // nie ein angeschnittener Name, und keiner danach
    Tabelle.Belegt += Name.size() + 1;
    Tabelle.Eintraege.push_back({Name, Wert});
  }
};

}  // namespace

TProfil LiesProfil(std::string Inhalt, std::span<const std::string_view> Namen, std::size_t NamenBlock)
{
  // Ohne Umsetzung bleibt der gelesene Text, wie er ist: eine Kopie von 16 MiB kostete im
  // frischen Prozess ueber 4.000 Seitenfehler.
  const auto [Kennung, Laenge] = KennungAmAnfang(Inhalt);
  Inhalt.erase(0, Laenge);
  Inhalt = NachCp1252(std::move(Inhalt), Kennung);
  // Die Tabellen verweisen in diesen Text, statt ihre Werte zu kopieren.
  const auto Text = std::make_shared<const std::string>(std::move(Inhalt));

  TProfilLeser Leser(Namen, NamenBlock);
  // Zeilenenden mit find (memchr); das naechste CR und LF wird erst neu gesucht, wenn die Zeile
  // hinter ihm liegt, so laeuft jede Suche nur einmal durch den Text (gemessen 1,4 Mio.
  // Instruktionen weniger als ein Zeichen-fuer-Zeichen-Vergleich bei der ausgelieferten Datei).
  const std::string_view Alles = *Text;
  std::size_t Cr = Alles.find('\r'), Lf = Alles.find('\n');
  for (std::size_t Pos = 0; Pos < Alles.size();) {
    Cr = Cr < Pos ? Alles.find('\r', Pos) : Cr;
    Lf = Lf < Pos ? Alles.find('\n', Pos) : Lf;
    const std::size_t Ende = std::min({Cr, Lf, Alles.size()});
    Leser.Zeile(Alles.substr(Pos, Ende - Pos));
    Pos = Ende + (Ende == Cr && Ende + 1 == Lf ? 2 : 1);
  }

  TProfil Profil;
  for (TAufbau& Tabelle : Leser.Aufbau)
    Profil.Tabellen.push_back(std::move(Tabelle.Eintraege));
  Profil.Version = Leser.MitVersion ? std::string(Leser.Version) : std::string(VersionFehlt);
  Profil.Text = Text;
  return Profil;
}

TLadeErgebnis LadeStammdatenAusText(std::string Inhalt)
{
  std::array<std::string_view, Abschnitte.size()> Namen;
  for (std::size_t I = 0; I < Abschnitte.size(); ++I)
    Namen[I] = Abschnitte[I].Name;
  TProfil Profil = LiesProfil(std::move(Inhalt), Namen, NamenBlockGroesse);
  TLadeErgebnis Ergebnis;
  for (std::size_t I = 0; I < Abschnitte.size(); ++I)
    Ergebnis.Stammdaten.*(Abschnitte[I].Tabelle) = TWerteListe(Profil.Text, std::move(Profil.Tabellen[I]));
  Ergebnis.Version = std::move(Profil.Version);
  return Ergebnis;
}

TLadeErgebnis LadeStammdaten(const std::filesystem::path& Datei)
{
  return LadeStammdatenAusText(LiesDatendatei(Datei));
}

TLadeErgebnis LadeStammdaten() { return LadeStammdatenAusText(LiesDatendateiNebenProgramm(StammdatenDateiName)); }
