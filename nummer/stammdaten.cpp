#include "nummer/stammdaten.h"

#include "nummer/zeichensatz.h"

#include <array>
#include <system_error>

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
#  include <fstream>
#else
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#  include <cerrno>
#endif

// ---------------------------------------------------------------- TWerteListe

void TWerteListe::Leeren()
{
  FZeilen.clear();
  FErste.clear();
}

void TWerteListe::Anhaengen(std::string Zeile)
{
  const auto Gleich = Zeile.find('=');
  if (Gleich != std::string::npos)
    FErste.try_emplace(OhneFall(std::string_view(Zeile).substr(0, Gleich)), FZeilen.size());
  FZeilen.push_back(std::move(Zeile));
}

std::optional<std::string_view> TWerteListe::Suche(std::string_view Name) const
{
  const auto Treffer = FErste.find(OhneFall(Name));
  if (Treffer == FErste.end())
    return std::nullopt;
  const std::string_view Zeile = FZeilen[Treffer->second];
  return Zeile.substr(Zeile.find('=') + 1);
}

std::string TWerteListe::Wert(std::string_view Name) const
{
  return std::string(Suche(Name).value_or(std::string_view{}));
}

// ---------------------------------------------------------------- Lesen des Profils

namespace {

constexpr std::size_t AnzahlTabellen = 7;

struct TAbschnittArt {
  std::string_view Name;
  TWerteListe TStammdaten::*Feld;
};

// Reihenfolge wie beim Laden; der Abschnitt "Version" folgt getrennt.
constexpr std::array<TAbschnittArt, AnzahlTabellen> Abschnitte = {{
  {"Bahnen", &TStammdaten::BahnenListe},
  {"Austausch", &TStammdaten::AustauschListe},
  {"Wagengattung", &TStammdaten::GattungListe},
  {"Abteile", &TStammdaten::AbteileListe},
  {"Eigentumsmerkmal", &TStammdaten::EigentumListe},
  {"RIV-Merkmal", &TStammdaten::RIVListe},
  {"Wagentyp", &TStammdaten::TypListe},
}};
constexpr std::size_t VersionAbschnitt = AnzahlTabellen;
constexpr std::size_t KeinAbschnitt = AnzahlTabellen + 1;

bool IstLeerraum(char Z) { return Z == ' ' || Z == '\t'; }

std::string_view OhneRaender(std::string_view T)
{
  while (!T.empty() && IstLeerraum(T.front()))
    T.remove_prefix(1);
  while (!T.empty() && IstLeerraum(T.back()))
    T.remove_suffix(1);
  return T;
}

std::string_view OhneAnfuehrung(std::string_view T)
{
  if (T.size() >= 2 && T.front() == T.back() && (T.front() == '"' || T.front() == '\''))
    return T.substr(1, T.size() - 2);
  return T;
}

// Ein Text mit UTF-8- oder UTF-16-Kennung oder aus gueltigem UTF-8 mit Umlauten
// kommt aus einem heutigen Editor und wird umgesetzt; alles andere ist Windows-1252.
std::string AlsCp1252(std::string_view Inhalt)
{
  if (Inhalt.starts_with("\xEF\xBB\xBF"))
    return Utf8NachCp1252(Inhalt.substr(3));
  if (Inhalt.starts_with("\xFF\xFE"))
    return Utf16NachCp1252(Inhalt.substr(2), false);
  if (Inhalt.starts_with("\xFE\xFF"))
    return Utf16NachCp1252(Inhalt.substr(2), true);
  if (IstMehrbyteUtf8(Inhalt))
    return Utf8NachCp1252(Inhalt);
  return std::string(Inhalt);
}

std::size_t AbschnittNummer(std::string_view Name)
{
  for (std::size_t I = 0; I < Abschnitte.size(); ++I)
    if (GleichOhneFall(Name, Abschnitte[I].Name))
      return I;
  return GleichOhneFall(Name, "Version") ? VersionAbschnitt : KeinAbschnitt;
}

// Fuellstand des Namensblocks einer Tabelle: jeder Name mit Nullbyte, dazu das Schluss-Nullbyte.
struct TBlock {
  std::size_t Belegt = 1;
  bool Voll = false;
};

}  // namespace

TLadeErgebnis LadeStammdatenAusText(std::string_view Inhalt)
{
  TLadeErgebnis Ergebnis;
  std::optional<std::string> Version;
  std::array<TBlock, AnzahlTabellen> Bloecke{};

  const std::string Text = AlsCp1252(Inhalt);
  std::size_t Aktuell = KeinAbschnitt;

  for (std::size_t Pos = 0; Pos < Text.size();) {
    const std::size_t Ende = Text.find_first_of("\r\n", Pos);
    std::string_view Zeile(Text.data() + Pos, (Ende == std::string::npos ? Text.size() : Ende) - Pos);
    Pos = Ende == std::string::npos ? Text.size()
          : Ende + ((Text[Ende] == '\r' && Ende + 1 < Text.size() && Text[Ende + 1] == '\n') ? 2 : 1);

    // Wie ein C-String endet eine Zeile am ersten Nullbyte.
    Zeile = OhneRaender(Zeile.substr(0, Zeile.find('\0')));
    if (Zeile.empty() || Zeile.front() == ';' || Zeile.front() == '#')
      continue;
    if (Zeile.front() == '[') {
      // Eine fehlende "]" verzeiht der Leser; was hinter "]" steht, zaehlt nicht.
      Aktuell = AbschnittNummer(OhneRaender(Zeile.substr(1, Zeile.find(']') - 1)));
      continue;
    }
    if (Aktuell == KeinAbschnitt)
      continue;
    const std::size_t Gleich = Zeile.find('=');
    if (Gleich == std::string_view::npos)
      continue;
    const std::string_view Name = OhneRaender(Zeile.substr(0, Gleich));
    if (Name.empty())
      continue;
    const std::string_view Wert =
        OhneAnfuehrung(OhneRaender(Zeile.substr(Gleich + 1))).substr(0, WertHoechstlaenge);

    if (Aktuell == VersionAbschnitt) {
      if (!Version && GleichOhneFall(Name, "Version"))
        Version.emplace(Wert);
      continue;
    }
    TBlock& Block = Bloecke[Aktuell];
    if (Block.Voll || Block.Belegt + Name.size() + 1 > NamenBlockGroesse) {
      Block.Voll = true;  // nie ein angeschnittener Name, und keiner danach
      continue;
    }
    Block.Belegt += Name.size() + 1;
    TWerteListe& Liste = Ergebnis.Stammdaten.*(Abschnitte[Aktuell].Feld);
    // Ein doppelter Name traegt den Wert seines ersten Auftretens.
    const std::string_view Gilt = Liste.Suche(Name).value_or(Wert);
    std::string Neu;
    Neu.reserve(Name.size() + 1 + Gilt.size());
    Neu.append(Name).append(1, '=').append(Gilt);
    Liste.Anhaengen(std::move(Neu));
  }

  Ergebnis.Version = Version.value_or(std::string(VersionFehlt));
  return Ergebnis;
}

// ---------------------------------------------------------------- Datei und Ort

namespace {

// Nur gewoehnliche Dateien bis DateiHoechstgroesse; Verzeichnisse, Geraete und
// FIFOs gelten als fehlend, ohne dass ein Lesen haengen bleiben kann.
std::optional<std::string> LiesDatei(const std::filesystem::path& Datei)
{
#ifdef _WIN32
  std::error_code Fehler;
  if (!std::filesystem::is_regular_file(Datei, Fehler))
    return std::nullopt;
  const auto Groesse = std::filesystem::file_size(Datei, Fehler);
  if (Fehler || Groesse > DateiHoechstgroesse)
    return std::nullopt;
  std::ifstream Strom(Datei, std::ios::binary);
  if (!Strom)
    return std::nullopt;
  std::string Inhalt(static_cast<std::size_t>(Groesse), '\0');
  Strom.read(Inhalt.data(), static_cast<std::streamsize>(Inhalt.size()));
  Inhalt.resize(static_cast<std::size_t>(Strom.gcount()));
  return Inhalt;
#else
  const int Fd = ::open(Datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (Fd < 0)
    return std::nullopt;
  struct TSchliessen {
    int Fd;
    ~TSchliessen() { ::close(Fd); }
  } Schliessen{Fd};

  struct stat Info {};
  if (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode) || Info.st_size < 0 ||
      static_cast<std::uintmax_t>(Info.st_size) > DateiHoechstgroesse)
    return std::nullopt;

  std::string Inhalt;
  Inhalt.reserve(static_cast<std::size_t>(Info.st_size));
  std::array<char, 65536> Puffer{};
  for (;;) {
    const ssize_t Gelesen = ::read(Fd, Puffer.data(), Puffer.size());
    if (Gelesen < 0 && errno == EINTR)
      continue;
    if (Gelesen < 0)
      return std::nullopt;
    if (Gelesen == 0)
      break;
    Inhalt.append(Puffer.data(), static_cast<std::size_t>(Gelesen));
    if (Inhalt.size() > DateiHoechstgroesse)  // waehrend des Lesens gewachsen
      return std::nullopt;
  }
  return Inhalt;
#endif
}

}  // namespace

std::filesystem::path ProgrammVerzeichnis()
{
  std::error_code Fehler;
#ifdef _WIN32
  std::wstring Pfad(MAX_PATH, L'\0');
  for (;;) {
    const DWORD Laenge = ::GetModuleFileNameW(nullptr, Pfad.data(), static_cast<DWORD>(Pfad.size()));
    if (Laenge == 0)
      return {};
    if (Laenge < Pfad.size()) {
      Pfad.resize(Laenge);
      break;
    }
    Pfad.resize(Pfad.size() * 2);
  }
  const auto Echt = std::filesystem::weakly_canonical(Pfad, Fehler);
  return (Fehler ? std::filesystem::path(Pfad) : Echt).parent_path();
#else
  // Der Kernel liefert hier schon den Pfad der echten Datei, ohne Verknuepfungen.
  const auto Pfad = std::filesystem::read_symlink("/proc/self/exe", Fehler);
  return Fehler ? std::filesystem::path{} : Pfad.parent_path();
#endif
}

TLadeErgebnis LadeStammdaten(const std::filesystem::path& Datei)
{
  const auto Inhalt = LiesDatei(Datei);
  return LadeStammdatenAusText(Inhalt ? std::string_view(*Inhalt) : std::string_view{});
}

TLadeErgebnis LadeStammdaten()
{
  const auto Verzeichnis = ProgrammVerzeichnis();
  if (Verzeichnis.empty())
    return LadeStammdatenAusText({});
  return LadeStammdaten(Verzeichnis / StammdatenDateiName);
}
