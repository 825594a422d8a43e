#include "nummer/stammdaten.h"

#include "nummer/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <system_error>

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
#  include <fstream>
#else
#  include <fcntl.h>
#  include <sys/mman.h>
#  include <sys/stat.h>
#  include <unistd.h>
#  include <cerrno>
#endif

// ---------------------------------------------------------------- TWerteListe

namespace {

// FNV-1a ueber die Kleinbuchstaben (passend zu GleichOhneFall), danach gut durchmischt:
// aufeinanderfolgende Schluessel wie "1000", "1001" sollen nicht in Nachbarplaetzen klumpen.
std::uint64_t Streuwert(std::string_view Name)
{
  std::uint64_t Wert = 14695981039346656037u;
  for (const char Z : Name)
    Wert = (Wert ^ Klein1252(static_cast<unsigned char>(Z))) * 1099511628211u;
  Wert ^= Wert >> 33;
  Wert *= 0xff51afd7ed558ccdu;
  Wert ^= Wert >> 33;
  return Wert;
}

// Ein Indexeintrag: oben 32 Bit des Streuwerts, unten Zeile + 1. Die oberen Bits bestimmen
// auch den Platz, so braucht das Vergroessern keinen Namen neu zu streuen, und sie ersparen
// beim Suchen meist den Blick in die Zeile.
std::uint64_t Eintrag(std::uint64_t Streu, std::size_t Zeile) { return (Streu & 0xFFFFFFFF00000000u) | (Zeile + 1); }
std::size_t ZeileVon(std::uint64_t Eintrag) { return static_cast<std::size_t>(Eintrag & 0xFFFFFFFFu) - 1; }
std::size_t Ausgangsplatz(std::uint64_t Streu, std::size_t Maske)
{
  return static_cast<std::size_t>(Streu >> 32) & Maske;
}

}  // namespace

TWerteListe::TWerteListe(const TWerteListe& Andere) : FSpeicher(Andere.FSpeicher), FSpeicherText(Andere.FSpeicherText)
{
  for (const TEintrag& E : Andere.FEintraege) {
    if (E.MitGleich && ImSpeicher(E.Name) && ImSpeicher(E.Wert))
      Aufnehmen(E);
    else
      Anhaengen(E.MitGleich ? std::string(E.Name) + "=" + std::string(E.Wert) : std::string(E.Name));
  }
}

TWerteListe& TWerteListe::operator=(const TWerteListe& Andere)
{
  if (this != &Andere)
    *this = TWerteListe(Andere);
  return *this;
}

void TWerteListe::Leeren()
{
  FEintraege.clear();
  FEigene.clear();
  FSpeicher.reset();
  FSpeicherText = {};
  FIndex.clear();
  FBelegt = 0;
}

std::size_t TWerteListe::Platz(std::string_view Name, std::uint64_t Streu) const
{
  const std::size_t Maske = FIndex.size() - 1;
  const std::uint64_t Marke = Streu & 0xFFFFFFFF00000000u;
  for (std::size_t P = Ausgangsplatz(Streu, Maske);; P = (P + 1) & Maske) {
    const std::uint64_t E = FIndex[P];
    if (E == 0 || ((E & 0xFFFFFFFF00000000u) == Marke && GleichOhneFall(FEintraege[ZeileVon(E)].Name, Name)))
      return P;
  }
}

void TWerteListe::IndexVergroessern()
{
  std::vector<std::uint64_t> Alt(std::max<std::size_t>(16, FIndex.size() * 2), 0);
  Alt.swap(FIndex);
  const std::size_t Maske = FIndex.size() - 1;
  for (const std::uint64_t E : Alt) {
    if (E == 0)
      continue;
    // Namen sind hier eindeutig: der erste freie Platz genuegt, ohne Vergleich.
    std::size_t P = Ausgangsplatz(E, Maske);
    while (FIndex[P] != 0)
      P = (P + 1) & Maske;
    FIndex[P] = E;
  }
}

// In passender Groesse auf einmal, statt mitzuwachsen; doppelte Namen bekommen wie bei
// Eintragen den Wert ihres ersten Auftretens.
void TWerteListe::IndexAufbauen()
{
  std::size_t Groesse = 16;
  while (Groesse < 2 * (FEintraege.size() + 1))
    Groesse *= 2;
  FIndex.assign(Groesse, 0);
  FBelegt = 0;
  for (std::size_t I = 0; I < FEintraege.size(); ++I) {
    TEintrag& E = FEintraege[I];
    if (!E.MitGleich)
      continue;
    const std::uint64_t Streu = Streuwert(E.Name);
    const std::size_t P = Platz(E.Name, Streu);
    if (FIndex[P] != 0) {
      E.Wert = FEintraege[ZeileVon(FIndex[P])].Wert;
    } else {
      FIndex[P] = Eintrag(Streu, I);
      ++FBelegt;
    }
  }
}

void TWerteListe::Aufnehmen(TEintrag Neu)
{
  if (Neu.MitGleich) {
    if (2 * (FBelegt + 1) > FIndex.size())
      IndexVergroessern();
    const std::uint64_t Streu = Streuwert(Neu.Name);
    const std::size_t P = Platz(Neu.Name, Streu);
    if (FIndex[P] == 0) {
      FIndex[P] = Eintrag(Streu, FEintraege.size());
      ++FBelegt;
    }
  }
  FEintraege.push_back(Neu);
}

void TWerteListe::Anhaengen(std::string Zeile)
{
  // deque verschiebt vorhandene Elemente nie: Verweise auf ihren Text bleiben gueltig.
  const std::string_view Text = FEigene.emplace_back(std::move(Zeile));
  const std::size_t Gleich = Text.find('=');
  if (Gleich == std::string_view::npos)
    Aufnehmen({Text, {}, false});
  else
    Aufnehmen({Text.substr(0, Gleich), Text.substr(Gleich + 1), true});
}

void TWerteListe::TeileSpeicher(std::shared_ptr<const void> Besitzer, std::string_view Text)
{
  FSpeicher = std::move(Besitzer);
  FSpeicherText = FSpeicher ? Text : std::string_view{};
}

// Leerer Text braucht keinen Speicher; anderer muss ganz im geteilten Speicher liegen.
bool TWerteListe::ImSpeicher(std::string_view Text) const
{
  if (Text.empty())
    return true;
  return std::less_equal<>()(FSpeicherText.data(), Text.data()) &&
         std::less_equal<>()(Text.data() + Text.size(), FSpeicherText.data() + FSpeicherText.size());
}

void TWerteListe::Eintragen(std::string_view Name, std::string_view Wert)
{
  if (const auto Erster = Suche(Name))
    Wert = *Erster;
  if (ImSpeicher(Name) && ImSpeicher(Wert)) {
    Aufnehmen({Name, Wert, true});
    return;
  }
  std::string Zeile;
  Zeile.reserve(Name.size() + 1 + Wert.size());
  Zeile.append(Name).append(1, '=').append(Wert);
  Anhaengen(std::move(Zeile));
}

std::optional<std::string_view> TWerteListe::Suche(std::string_view Name) const
{
  if (FIndex.empty())
    return std::nullopt;
  const std::uint64_t E = FIndex[Platz(Name, Streuwert(Name))];
  if (E == 0)
    return std::nullopt;
  return FEintraege[ZeileVon(E)].Wert;
}

std::string TWerteListe::Wert(std::string_view Name) const
{
  return std::string(Suche(Name).value_or(std::string_view{}));
}

std::vector<std::string> TWerteListe::Zeilen() const
{
  std::vector<std::string> Ergebnis;
  Ergebnis.reserve(FEintraege.size());
  for (const TEintrag& E : FEintraege)
    Ergebnis.push_back(E.MitGleich ? std::string(E.Name) + "=" + std::string(E.Wert) : std::string(E.Name));
  return Ergebnis;
}

// ---------------------------------------------------------------- Lesen des Profils

// Der Lader haengt Zeile um Zeile an und baut den Namensindex erst am Ende, einmal in
// passender Groesse: ein mitwachsender Index kostete beim Programmstart 0,15 ms.
struct TWerteListeLader {
  static void Anfuegen(TWerteListe& Liste, std::string_view Name, std::string_view Wert)
  {
    Liste.FEintraege.push_back({Name, Wert, true});  // beide liegen im geteilten Speicher
  }
  static void Abschliessen(TWerteListe& Liste) { Liste.IndexAufbauen(); }
};

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

// Gelesener Text und wer seinen Speicher haelt.
struct TInhalt {
  std::shared_ptr<const void> Besitzer;
  std::string_view Text;
};

TInhalt AlsInhalt(std::string Text)
{
  auto Besitzer = std::make_shared<const std::string>(std::move(Text));
  return {Besitzer, *Besitzer};
}

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

// Ein Text mit UTF-8- oder UTF-16-Kennung oder aus gueltigem UTF-8 mit Umlauten kommt aus
// einem heutigen Editor und wird umgesetzt; alles andere ist Windows-1252 und bleibt, wie es ist.
void Umsetzen(TInhalt& Inhalt)
{
  const auto [Kennung, Laenge] = KennungAmAnfang(Inhalt.Text);
  const std::string_view Text = Inhalt.Text.substr(Laenge);
  if (MussUmgesetztWerden(Text, Kennung))
    Inhalt = AlsInhalt(NachCp1252(Text, Kennung));
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

namespace {

// Die Tabellen verweisen in den Text, statt ihre Werte zu kopieren: er bleibt als geteilter
// Speicher am Leben, solange eine Tabelle lebt.
TLadeErgebnis LadeAusSpeicher(TInhalt Inhalt)
{
  Umsetzen(Inhalt);
  const std::string_view Text = Inhalt.Text;

  TLadeErgebnis Ergebnis;
  for (const TAbschnittArt& Art : Abschnitte)
    (Ergebnis.Stammdaten.*(Art.Feld)).TeileSpeicher(Inhalt.Besitzer, Text);
  std::optional<std::string> Version;
  std::array<TBlock, AnzahlTabellen> Bloecke{};
  std::size_t Aktuell = KeinAbschnitt;

  // Zeilenenden mit memchr; die naechste CR- bzw. LF-Stelle wird nur neu gesucht, wenn sie
  // hinter der Zeile liegt, sodass die Datei fuer jedes der beiden nur einmal durchlaufen wird.
  const char* const Anfang = Text.data();
  const std::size_t Groesse = Text.size();
  const auto Suche = [Anfang, Groesse](std::size_t Ab, char Zeichen) {
    const void* Treffer = Ab < Groesse ? std::memchr(Anfang + Ab, Zeichen, Groesse - Ab) : nullptr;
    return Treffer ? static_cast<std::size_t>(static_cast<const char*>(Treffer) - Anfang) : Groesse;
  };
  const bool HatNullbytes = Suche(0, '\0') < Groesse;  // selten: dann je Zeile suchen
  std::size_t Cr = Suche(0, '\r');
  std::size_t Lf = Suche(0, '\n');
  for (std::size_t Pos = 0; Pos < Groesse;) {
    if (Cr < Pos)
      Cr = Suche(Pos, '\r');
    if (Lf < Pos)
      Lf = Suche(Pos, '\n');
    const std::size_t Ende = std::min(Lf, Cr);
    std::string_view Zeile(Anfang + Pos, Ende - Pos);
    Pos = Ende + ((Ende == Cr && Ende + 1 == Lf) ? 2 : 1);

    // Wie ein C-String endet eine Zeile am ersten Nullbyte.
    if (HatNullbytes)
      Zeile = Zeile.substr(0, Zeile.find('\0'));
    Zeile = OhneRaender(Zeile);
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
    const std::string_view Wert = OhneAnfuehrung(OhneRaender(Zeile.substr(Gleich + 1))).substr(0, WertHoechstlaenge);

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
    TWerteListeLader::Anfuegen(Ergebnis.Stammdaten.*(Abschnitte[Aktuell].Feld), Name, Wert);
  }
  for (const TAbschnittArt& Art : Abschnitte)
    TWerteListeLader::Abschliessen(Ergebnis.Stammdaten.*(Art.Feld));

  Ergebnis.Version = Version.value_or(std::string(VersionFehlt));
  return Ergebnis;
}

}  // namespace

TLadeErgebnis LadeStammdatenAusText(std::string_view Inhalt) { return LadeAusSpeicher(AlsInhalt(std::string(Inhalt))); }

// ---------------------------------------------------------------- Datei und Ort

namespace {

#ifndef _WIN32
// Ab dieser Groesse lohnt eine eigene Abbildung fuer den Dateiinhalt.
constexpr std::size_t Abbildungsschwelle = std::size_t{64} * 1024;

// Liest bis zum Dateiende oder bis der Puffer voll ist; nullopt bei einem Lesefehler.
std::optional<std::size_t> LiesVoll(int Fd, char* Ziel, std::size_t Platz)
{
  std::size_t Gelesen = 0;
  while (Gelesen < Platz) {
    const ssize_t Stueck = ::read(Fd, Ziel + Gelesen, Platz - Gelesen);
    if (Stueck < 0 && errno == EINTR)
      continue;
    if (Stueck < 0)
      return std::nullopt;
    if (Stueck == 0)
      break;
    Gelesen += static_cast<std::size_t>(Stueck);
  }
  return Gelesen;
}
#endif

// Nur gewoehnliche Dateien bis DateiHoechstgroesse; Verzeichnisse, Geraete und
// FIFOs gelten als fehlend, ohne dass ein Lesen haengen bleiben kann.
std::optional<TInhalt> LiesDatei(const std::filesystem::path& Datei)
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
  return AlsInhalt(std::move(Inhalt));
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

  // Kleine Dateien in den Heap, wo die Seiten meist schon da sind. Das Byte Reserve zeigt, ob
  // die Datei waehrend des Lesens gewachsen ist; dann noch einmal wie eine grosse.
  const auto Groesse = static_cast<std::size_t>(Info.st_size);
  if (Groesse < Abbildungsschwelle) {
    std::string Inhalt(Groesse + 1, '\0');
    const auto Gelesen = LiesVoll(Fd, Inhalt.data(), Inhalt.size());
    if (!Gelesen)
      return std::nullopt;
    if (*Gelesen <= Groesse) {
      Inhalt.resize(*Gelesen);
      return AlsInhalt(std::move(Inhalt));
    }
    if (::lseek(Fd, 0, SEEK_SET) != 0)
      return std::nullopt;
  }

  // Grosse in eine eigene Abbildung mit Platz bis zur Grenze und einem Byte Reserve, nur
  // reserviert. Die Seiten der gemeldeten Groesse belegt der Kernel vorab in einem Aufruf
  // statt einzeln waehrend read: bei 16 MiB spart das gut die Haelfte der Ladezeit. Kennt
  // der Kernel das nicht, entstehen sie wie sonst beim Lesen.
  constexpr std::size_t Platz = DateiHoechstgroesse + 1;
  void* const Seiten =
      ::mmap(nullptr, Platz, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (Seiten == MAP_FAILED)
    return std::nullopt;
  std::shared_ptr<char> Puffer(static_cast<char*>(Seiten), [](char* P) { ::munmap(P, Platz); });
#  ifdef MADV_POPULATE_WRITE
  ::madvise(Seiten, std::min(Groesse + 1, Platz), MADV_POPULATE_WRITE);
#  endif
  const auto Gelesen = LiesVoll(Fd, Puffer.get(), Platz);
  if (!Gelesen || *Gelesen > DateiHoechstgroesse)
    return std::nullopt;
  const std::string_view Text(Puffer.get(), *Gelesen);
  return TInhalt{std::move(Puffer), Text};
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
  auto Inhalt = LiesDatei(Datei);
  return LadeAusSpeicher(Inhalt ? std::move(*Inhalt) : TInhalt{});
}

TLadeErgebnis LadeStammdaten()
{
  const auto Verzeichnis = ProgrammVerzeichnis();
  if (Verzeichnis.empty())
    return LadeStammdatenAusText({});
  return LadeStammdaten(Verzeichnis / StammdatenDateiName);
}
