// Feindliche Datendateien: das Laden liefert leere oder teilweise Tabellen und den richtigen
// Versionstext, mit begrenztem Speicher (die Dauer misst scripts/bench).

#include "kennzeichen/kennzeichen.h"
#include "nummer/stammdaten.h"

#include "tests/hilfen/testdatei.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {

constexpr const char* Fehlt = "Daten nicht geladen";

struct TFeindlich {
  const char* Name;
  std::function<std::filesystem::path(const TTestVerzeichnis&)> Anlegen;
  std::string Version;
  std::function<bool(const TStammdaten&)> Pruefen;  // Inhalt, soweit er stimmen muss
};

void PrintTo(const TFeindlich& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

std::function<std::filesystem::path(const TTestVerzeichnis&)> Datei(std::string Inhalt)
{
  return [Inhalt = std::move(Inhalt)](const TTestVerzeichnis& V) { return V.Schreibe("Wagen.ebb", Inhalt); };
}

bool Leer(const TStammdaten& S)
{
  return std::all_of(Abschnitte.begin(), Abschnitte.end(),
                     [&S](const TAbschnitt& A) { return (S.*A.Tabelle).Anzahl() == 0; });
}

std::function<bool(const TStammdaten&)> Bahn(std::string Schluessel, std::string Wert)
{
  return [=](const TStammdaten& S) { return S.BahnenListe.Wert(Schluessel) == Wert; };
}

std::string Zufall(std::size_t Groesse)
{
  std::mt19937 Erzeuger(20261208);
  std::string Text(Groesse, '\0');
  for (char& Z : Text)
    Z = static_cast<char>(Erzeuger());
  return Text;
}

std::string VieleAbschnitte()
{
  std::string Text;
  for (int I = 0; I < 100000; ++I)
    Text += "[A" + std::to_string(I) + "]\n";
  return Text + "[Bahnen]\n80=DB\n";
}

std::string VieleSchluessel()
{
  std::string Text = "[Bahnen]\n";
  for (int I = 0; I < 50000; ++I)
    Text += std::to_string(I) + "=w\n";
  return Text;
}

// Hoechster Speicherstand des Prozesses; jeder Fall laeuft in einem eigenen Prozess.
std::size_t SpitzeKiB()
{
  rusage Verbrauch{};
  ::getrusage(RUSAGE_SELF, &Verbrauch);
  return static_cast<std::size_t>(Verbrauch.ru_maxrss);
}

std::filesystem::path Verweis(const TTestVerzeichnis& V, const std::filesystem::path& Ziel)
{
  std::filesystem::create_symlink(Ziel, V.Pfad() / "Wagen.ebb");
  return V.Pfad() / "Wagen.ebb";
}

const std::string Gut = "[Bahnen]\n80=DB\n[Version]\nVersion=1\n";

class FeindlicheDateiTest : public testing::TestWithParam<TFeindlich> {};

TEST_P(FeindlicheDateiTest, LaedtHarmlos)
{
  const TTestVerzeichnis Verzeichnis;
  const auto Pfad = GetParam().Anlegen(Verzeichnis);
  std::error_code Fehler;
  const std::size_t Groesse = std::filesystem::is_regular_file(Pfad, Fehler)
                                  ? static_cast<std::size_t>(std::filesystem::file_size(Pfad, Fehler))
                                  : 0;

  const std::size_t Vorher = SpitzeKiB();
  const auto [S, Version] = LadeStammdaten(Pfad);

  // Datei, ihre Umsetzung und die Tabellen: nie mehr als ein Vielfaches der Datei.
  EXPECT_LE(SpitzeKiB() - Vorher, (4 * std::min<std::size_t>(Groesse, DateiHoechstgroesse) >> 10) + 4096);
  EXPECT_EQ(Version, GetParam().Version);
  EXPECT_TRUE(GetParam().Pruefen(S));
  for (const TAbschnitt& A : Abschnitte)
    EXPECT_LE((S.*A.Tabelle).Anzahl(), NamenBlockGroesse / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FeindlicheDateiTest,
    testing::Values(
        TFeindlich{"Leer", Datei(""), Fehlt, Leer}, TFeindlich{"NurBom", Datei("ï»¿"_cp1252), Fehlt, Leer},
        TFeindlich{"BinaererMuell", Datei(Zufall(1 << 16)), Fehlt, [](const TStammdaten&) { return true; }},
        TFeindlich{"OhneLetztenZeilenumbruch", Datei("[Version]\nVersion=ende"), "ende", Leer},
        TFeindlich{"EinMegabyteEineZeile", Datei("[Bahnen]\n80=" + std::string(1 << 20, 'a')), Fehlt,
                   [](const TStammdaten& S) { return S.BahnenListe.Wert("80").size() == 2047; }},
        TFeindlich{"HunderttausendAbschnitte", Datei(VieleAbschnitte()), Fehlt, Bahn("80", "DB")},
        TFeindlich{"FuenfzigtausendSchluessel", Datei(VieleSchluessel()), Fehlt,
                   [](const TStammdaten& S) {
                     std::size_t Block = 1;
                     for (const auto& Z : S.BahnenListe.Zeilen())
                       Block += Z.find('=') + 1;
                     return Block <= NamenBlockGroesse && NamenBlockGroesse - Block < 6 &&
                            S.BahnenListe.Wert("49999").empty();
                   }},
        TFeindlich{"WertVonHundertKilobyte", Datei("[Version]\nVersion=" + std::string(100000, 'v')),
                   std::string(2047, 'v'), Leer},
        TFeindlich{"UnausgeglicheneAnfuehrung", Datei("[Bahnen]\n80=\"DB\n81='x\"\n"), Fehlt, Bahn("80", "\"DB")},
        TFeindlich{"KlammerOhneEnde", Datei("[Bahnen\n80=DB\n[\n81=x\n"), Fehlt, Bahn("81", "")},
        TFeindlich{"SchluesselNurLeerzeichen", Datei("[Bahnen]\n   =x\n\t=y\n80=DB\n"), Fehlt,
                   [](const TStammdaten& S) { return S.BahnenListe.Anzahl() == 1; }},
        TFeindlich{
            "DoppelteAbschnitteUndSchluessel", Datei("[Bahnen]\n80=A\n[Bahnen]\n80=B\n81=C\n"), Fehlt,
            [](const TStammdaten& S) { return S.BahnenListe.Wert("80") == "A" && S.BahnenListe.Wert("81") == "C"; }},
        // UTF-16 mit Kennung wird gelesen und nach Windows-1252 umgesetzt, wie sie unter Windows gilt.
        TFeindlich{"VerweisAufSichSelbst", [](const TTestVerzeichnis& V) { return Verweis(V, V.Pfad() / "Wagen.ebb"); },
                   Fehlt, Leer},
        TFeindlich{"VerweisInsLeere", [](const TTestVerzeichnis& V) { return Verweis(V, V.Pfad() / "fehlt"); }, Fehlt,
                   Leer},
        // Meldet Groesse 0 und liefert doch Text: wie eine Datei, die waehrend des Lesens waechst.
        TFeindlich{"ProcDateiOhneGroesse", [](const TTestVerzeichnis& V) { return Verweis(V, "/proc/self/status"); },
                   Fehlt, Leer},
        TFeindlich{"GenauSechzehnMiB",
                   [](const TTestVerzeichnis& V) {
                     // bis zum letzten erlaubten Byte gelesen; dazwischen eine lange Kommentarzeile
                     const std::string Ende = "\n[Bahnen]\n81=OBB";
                     std::string Inhalt = "[Version]\nVersion=1\n;";
                     Inhalt.resize(DateiHoechstgroesse - Ende.size(), 'x');
                     return V.Schreibe("Wagen.ebb", Inhalt + Ende);
                   },
                   "1", Bahn("81", "OBB")}),
    [](const testing::TestParamInfo<TFeindlich>& Info) { return std::string(Info.param.Name); });

// Feindliche Kennzeichen.ebb: auch die groesste erlaubte Datei mit allen Abschnitten voll bleibt
// unter 64 MiB (gemessen am Prozess, jeder Fall ein eigener); der Namensblock begrenzt jeden
// Abschnitt, und die erste Zeile eines Namens gilt.
struct TFeindlichKennzeichen {
  const char* Name;
  std::function<std::string()> Inhalt;  // erst im Fall erzeugt: die grossen Dateien nur dort
  std::function<bool(const TKennzeichen&)> Pruefen;
};

void PrintTo(const TFeindlichKennzeichen& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

// Alle Abschnitte voll: kurze Namen bis zum Namensblock, lange Werte mit vier Feldern bis 16 MiB.
std::string AlleAbschnitteVoll()
{
  std::vector<std::string> Namen;
  std::size_t Block = 1;
  for (int I = 0; Block + std::to_string(I).size() + 1 <= KennzeichenNamenBlock; ++I) {
    Namen.push_back(std::to_string(I));
    Block += Namen.back().size() + 1;
  }
  const std::size_t WertLaenge = DateiHoechstgroesse / (7 * Namen.size()) - 8;
  const std::string Feld(WertLaenge / 4, 'w');
  std::string Text = "[Version]\nVersion=voll\n";
  for (const char* Abschnitt :
       {"Laender", "Austausch", "Kategorie", "Gattungszeichen", "Triebfahrzeuge", "Baureihennamen", "Halter"}) {
    Text += "[" + std::string(Abschnitt) + "]\n";
    for (const std::string& Name : Namen)
      Text += Name + "=" + Feld + ";" + Feld + ";" + Feld + ";" + Feld + "\n";
  }
  Text.resize(std::min<std::size_t>(Text.size(), DateiHoechstgroesse));
  return Text;
}

std::string VieleLeereNamen()
{
  std::string Text = "[Version]\nVersion=1\n[Laender]\n80=D;Deutschland\n[Halter]\n";
  while (Text.size() + 3 <= DateiHoechstgroesse)
    Text += "a=\n";
  return Text;
}

class FeindlicheKennzeichenTest : public testing::TestWithParam<TFeindlichKennzeichen> {};

TEST_P(FeindlicheKennzeichenTest, LaedtBegrenzt)
{
  const TTestVerzeichnis Verzeichnis;
  const auto Pfad = Verzeichnis.Schreibe("Kennzeichen.ebb", GetParam().Inhalt());
  const std::size_t Vorher = SpitzeKiB();
  const TKennzeichen Kennzeichen = LadeKennzeichen(Pfad);
  EXPECT_LE(SpitzeKiB() - Vorher, std::size_t{64} * 1024);
  EXPECT_TRUE(GetParam().Pruefen(Kennzeichen));
  for (const std::size_t Anzahl : {Kennzeichen.Laender.size(), Kennzeichen.Halter.size(), Kennzeichen.Austausch.size()})
    EXPECT_LE(Anzahl, KennzeichenNamenBlock / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FeindlicheKennzeichenTest,
    testing::Values(
        TFeindlichKennzeichen{"AlleAbschnitteVoll", AlleAbschnitteVoll,
                              [](const TKennzeichen& K) {
                                return K.Version == "voll" && K.Halter.size() > 1000 && K.NummernZuKuerzel.size() == 1;
                              }},
        TFeindlichKennzeichen{"FuenfMillionenLeereNamen", VieleLeereNamen,
                              [](const TKennzeichen& K) {
                                return K.Halter.size() == 1 && K.Land("80") && K.Land("80")->Name == "Deutschland";
                              }},
        TFeindlichKennzeichen{
            "UeberDerHoechstgroesse", [] { return VieleLeereNamen() + "\n\n\n"; },
            [](const TKennzeichen& K) { return K.Version == Fehlt && K.Laender.empty() && K.Halter.empty(); }},
        TFeindlichKennzeichen{
            "ErsterNameGilt", [] { return std::string("[Laender]\n80=D;Deutschland\n80=X;Falsch\nd=1;z\nD=2;y\n"); },
            [](const TKennzeichen& K) {
              return K.Land("80")->Kuerzel == "D" && K.Land("D")->Kuerzel == "1" && K.NummernZuKuerzel.contains("D") &&
                     K.NummernZuKuerzel.find("D")->second == std::vector<std::string_view>{"80"};
            }},
        // Die Tabellen fuellen sich mit dem Ende als Hinweis (aufsteigende Dateien); jede andere
        // Reihenfolge muss dieselben Tabellen ergeben.
        TFeindlichKennzeichen{"UnsortiertUndDoppelt",
                              [] {
                                return std::string(
                                    "[Laender]\n83=I;Italien\n10=FIN;Finnland\n80=D;Deutschland\n"
                                    "10=X;Falsch\nz=1;z\nB=2;y\na=3;x\n");
                              },
                              [](const TKennzeichen& K) {
                                return K.Laender.size() == 6 && K.Land("10")->Kuerzel == "FIN" &&
                                       K.Land("80")->Kuerzel == "D" && K.Land("83")->Kuerzel == "I" &&
                                       K.Land("A")->Kuerzel == "3" && K.Land("b")->Kuerzel == "2" &&
                                       K.Land("Z")->Kuerzel == "1";
                              }}),
    [](const testing::TestParamInfo<TFeindlichKennzeichen>& Info) { return std::string(Info.param.Name); });

// Die Reihenfolge, in der Eintraege einer Tabelle bleiben: leer, wo die Datei schon streng
// aufsteigt; sonst nach Schluessel ohne Gross-/Kleinschreibung, von gleichen der erste.
TEST(FeindlicheDatei, TabellenOrdnung)
{
  struct TFall {
    std::vector<std::string_view> Schluessel;
    std::vector<std::size_t> Bleiben;
  };
  const std::vector<TFall> Faelle = {
      {{}, {}},
      {{"10", "80", "83"}, {}},
      {{"83", "10", "80"}, {1, 2, 0}},
      {{"b", "A", "a", "B"}, {1, 0}},
      {{"80", "80"}, {0}},
      {{"D", "c", "B", "a"}, {3, 2, 1, 0}},
  };
  for (const TFall& Fall : Faelle)
    EXPECT_EQ(TabellenOrdnung(Fall.Schluessel), Fall.Bleiben) << testing::PrintToString(Fall.Schluessel);
}

// Die Laender eines Halters, erst beim Nachfragen zerlegt: leere Stuecke fallen weg.
TEST(FeindlicheDatei, LaenderEinesHalters)
{
  const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> Faelle = {
      {"CH/NL", {"CH", "NL"}}, {"", {}}, {"D//A/", {"D", "A"}}, {"/D", {"D"}}, {"///", {}}};
  for (const auto& [Laender, Erwartet] : Faelle) {
    THalter Halter;
    Halter.Laender = Laender;
    EXPECT_EQ(Halter.Laenderliste(), Erwartet) << Laender;
    EXPECT_EQ(Halter.RegistriertIn("D"), std::find(Erwartet.begin(), Erwartet.end(), "D") != Erwartet.end()) << Laender;
    EXPECT_FALSE(Halter.RegistriertIn("")) << Laender;
  }
}

// Ohne Leserecht: als root gelten Rechte nicht, deshalb prueft ein Kindprozess als "nobody".
TEST(FeindlicheDatei, OhneLeserecht)
{
  const TTestVerzeichnis Verzeichnis;
  const auto Pfad = Verzeichnis.Schreibe("Wagen.ebb", Gut);
  std::filesystem::permissions(Pfad, std::filesystem::perms::none);
  std::filesystem::permissions(Verzeichnis.Pfad(), std::filesystem::perms::all);
  const auto Pruefen = [&Pfad] {
    const auto [S, Version] = LadeStammdaten(Pfad);
    return Version == Fehlt && Leer(S);
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(Pruefen());
    return;
  }
  const pid_t Kind = ::fork();
  ASSERT_GE(Kind, 0);
  if (Kind == 0) {
    const bool Ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::access(Pfad.c_str(), R_OK) != 0 && Pruefen();
    ::_exit(Ok ? 0 : 1);
  }
  int Status = 0;
  ASSERT_EQ(::waitpid(Kind, &Status, 0), Kind);
  EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0);
}

}  // namespace
