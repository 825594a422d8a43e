#include "nummer/stammdaten.h"
#include "nummer/datei.h"

#include "tests/hilfen/testdatei.h"
#include "zeichen/zeichensatz.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#ifndef _WIN32
#  include <sys/stat.h>
#endif

using namespace std::string_literals;

namespace {

using TFeld = TWerteListe TStammdaten::*;

// ---------------------------------------------------------------- Leseregeln

struct TRegel {
  const char* Name;
  std::string Inhalt;
  TFeld Feld;
  std::string Schluessel;
  std::string Erwartet;
};

void PrintTo(const TRegel& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class LeseregelTest : public testing::TestWithParam<TRegel> {};

TEST_P(LeseregelTest, LiefertWert)
{
  const TTestVerzeichnis Verzeichnis;
  const auto& Regel = GetParam();
  const auto [Stammdaten, Version] = LadeStammdaten(Verzeichnis.Schreibe("Wagen.ebb", Regel.Inhalt));
  EXPECT_EQ((Stammdaten.*Regel.Feld).Wert(Regel.Schluessel), Regel.Erwartet);
}

constexpr TFeld Bahnen = &TStammdaten::BahnenListe;
constexpr TFeld Gattung = &TStammdaten::GattungListe;

INSTANTIATE_TEST_SUITE_P(
    Regeln, LeseregelTest,
    testing::Values(TRegel{"ZeilenendeCrLf", "[Bahnen]\r\n80=DB\r\n81=OeBB\r\n", Bahnen, "81", "OeBB"},
                    TRegel{"ZeilenendeLf", "[Bahnen]\n80=DB\n81=OeBB\n", Bahnen, "80", "DB"},
                    TRegel{"ZeilenendeNurCr", "[Bahnen]\r80=DB\r81=OeBB", Bahnen, "81", "OeBB"},
                    TRegel{"ZeilenendeGemischt", "[Bahnen]\r\n80=DB\r\r81=OeBB\n", Bahnen, "81", "OeBB"},
                    TRegel{"OhneLetztenZeilenumbruch", "[Bahnen]\n80=DB", Bahnen, "80", "DB"},
                    TRegel{"AbschnittOhneFall", "[bAHNEn]\n80=DB", Bahnen, "80", "DB"},
                    TRegel{"AbschnittMitLeerraum", "  [ \tBahnen  ]  \n80=DB", Bahnen, "80", "DB"},
                    TRegel{"AbschnittOhneKlammerZu", "[Bahnen\n80=DB", Bahnen, "80", "DB"},
                    TRegel{"TextNachKlammerZu", "[Bahnen] ; Kommentar\n80=DB", Bahnen, "80", "DB"},
                    TRegel{"LeerraumUmSchluesselUndWert", "[Bahnen]\n \t80 \t=  DB AG \t\n", Bahnen, "80", "DB AG"},
                    TRegel{"DoppelteAnfuehrung", "[Bahnen]\n80 = \"  DB  \" ", Bahnen, "80", "  DB  "},
                    TRegel{"EinfacheAnfuehrung", "[Bahnen]\n80='DB'", Bahnen, "80", "DB"},
                    TRegel{"UngleicheAnfuehrungBleibt", "[Bahnen]\n80=\"DB'", Bahnen, "80", "\"DB'"},
                    TRegel{"EinzelnesZeichenBleibt", "[Bahnen]\n80=\"", Bahnen, "80", "\""},
                    TRegel{"ErstesGleichheitszeichen", "[Bahnen]\n80=a=b", Bahnen, "80", "a=b"},
                    TRegel{"ErsterTrotzAndererSchreibung", "[Wagengattung]\n665x=A\n665X=B", Gattung, "665X", "A"},
                    TRegel{"ErsterLeerBleibtLeer", "[Bahnen]\n80=\n80=B", Bahnen, "80", ""},
                    TRegel{"SemikolonKommentar", "[Bahnen]\n;80=X\n80=DB", Bahnen, ";80", ""},
                    TRegel{"RautenKommentar", "[Bahnen]\n  #80=X\n", Bahnen, "#80", ""},
                    TRegel{"ZeileVorAbschnitt", "80=X\n[Bahnen]\n81=Y", Bahnen, "80", ""},
                    TRegel{"FremderAbschnitt", "[Bahnenliste]\n80=X\n[Bahnen]\n", Bahnen, "80", ""},
                    TRegel{"WiederholterAbschnittErgaenzt", "[Bahnen]\n80=DB\n[Abteile]\n1=x\n[Bahnen]\n81=OeBB",
                           Bahnen, "81", "OeBB"},
                    TRegel{"NullbyteBeendetWert", "[Bahnen]\n80=D\0B\n81=X"s, Bahnen, "80", "D"},
                    TRegel{"NullbyteImNamen",
                           "[Bahnen]\n8\0"
                           "0=X\n81=Y"s,
                           Bahnen, "8", ""},
                    TRegel{"Utf8MitBom", "\357\273\277[Bahnen]\n81=Österreich", Bahnen, "81", "Österreich"_cp1252},
                    TRegel{"Utf8OhneBom", "[Bahnen]\n81=Österreich €", Bahnen, "81", "Österreich €"_cp1252},
                    TRegel{"Utf8NichtDarstellbar", "[Bahnen]\n54=ČD", Bahnen, "54", "?D"},
                    TRegel{"Utf8UmlautImSchluessel", "[Bahnen]\näx=1", Bahnen, "ÄX"_cp1252, "1"},
                    TRegel{"Windows1252Bleibt", "[Bahnen]\n81=Österreich €"_cp1252, Bahnen, "81",
                           "Österreich €"_cp1252},
                    TRegel{"Utf16LeMitBom",
                           "\377\376[\0B\0a\0h\0n\0e\0n\0]\0\n\0"
                           "8\0"
                           "1\0=\0\326\0"
                           "B\0"s,
                           Bahnen, "81", "\326B"},
                    TRegel{"Utf16BeMitBom",
                           "\376\377\0[\0B\0a\0h\0n\0e\0n\0]\0\n\0"
                           "8\0"
                           "1\0=\040\254"s,
                           Bahnen, "81", "\200"},
                    TRegel{"LeererNameZaehltNicht", "[Bahnen]\n = X\n", Bahnen, "", ""}),
    [](const testing::TestParamInfo<TRegel>& Info) { return std::string(Info.param.Name); });

TEST(Leseregeln, ZeilenOhneGleichheitszeichenUndLeereNamenFehlenInDerListe)
{
  const TTestVerzeichnis Verzeichnis;
  const auto [Stammdaten, Version] =
      LadeStammdaten(Verzeichnis.Schreibe("Wagen.ebb", "[Bahnen]\nohne\n=leer\n80=DB\n\n81=OeBB\n"));
  EXPECT_EQ(Stammdaten.BahnenListe.Zeilen(), (std::vector<std::string>{"80=DB", "81=OeBB"}));
}

TEST(Leseregeln, DoppelterNameStehtMitErstemWertInDerListe)
{
  const TTestVerzeichnis Verzeichnis;
  const auto [Stammdaten, Version] = LadeStammdaten(Verzeichnis.Schreibe("Wagen.ebb", "[Bahnen]\n80=A\n 80 = B\n"));
  EXPECT_EQ(Stammdaten.BahnenListe.Zeilen(), (std::vector<std::string>{"80=A", "80=A"}));
}

TEST(Leseregeln, JederAbschnittLandetInSeinerTabelle)
{
  const auto [S, Version] = LadeStammdatenAusText(
      "[Bahnen]\nk=1\n[Austausch]\nk=2\n[Wagengattung]\nk=3\n[Abteile]\nk=4\n"
      "[Eigentumsmerkmal]\nk=5\n[RIV-Merkmal]\nk=6\n[Wagentyp]\nk=7\n[Version]\nVersion=8\nk=9\n");
  EXPECT_EQ(S.BahnenListe.Wert("k") + S.AustauschListe.Wert("k") + S.GattungListe.Wert("k") + S.AbteileListe.Wert("k") +
                S.EigentumListe.Wert("k") + S.RIVListe.Wert("k") + S.TypListe.Wert("k") + Version,
            "12345678");
}

// ---------------------------------------------------------------- Version

struct TVersionsFall {
  const char* Name;
  std::string Inhalt;
  std::string Erwartet;
};

void PrintTo(const TVersionsFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class VersionTest : public testing::TestWithParam<TVersionsFall> {};

TEST_P(VersionTest, LiefertVersionstext)
{
  EXPECT_EQ(LadeStammdatenAusText(GetParam().Inhalt).Version, GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VersionTest,
    testing::Values(TVersionsFall{"Vorhanden", "[Version]\nVersion=2026-12 (UIC/ERA)\n", "2026-12 (UIC/ERA)"},
                    TVersionsFall{"Leer", "", "Daten nicht geladen"},
                    TVersionsFall{"OhneEintrag", "[Bahnen]\n80=DB\n[Version]\nStand=1\n", "Daten nicht geladen"},
                    TVersionsFall{"LeererWertIstVorhanden", "[Version]\nVersion=\n", ""},
                    TVersionsFall{"ErsterGilt", "[VERSION]\nversion = 'A'\nVersion=B\n", "A"},
                    TVersionsFall{"NurInSeinemAbschnitt", "[Bahnen]\nVersion=X\n", "Daten nicht geladen"}),
    [](const testing::TestParamInfo<TVersionsFall>& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------- Grenzen

// Namen gleicher Laenge, die zusammen mit Nullbytes genau Belegt Bytes des Blocks fuellen
// (samt Schluss-Nullbyte); danach die Zusatzzeilen.
std::string BlockFuellen(std::size_t Belegt, const std::string& Zusatz)
{
  std::string Text = "[Wagengattung]\n";
  std::size_t Frei = Belegt - 1;
  for (int I = 0; Frei > 0; ++I) {
    std::string Name = "n" + std::to_string(I);
    // der letzte Name nimmt den Rest
    if (Frei < 2 * (Name.size() + 1))
      Name.resize(Frei - 1, 'r');
    Text += Name + "=w\n";
    Frei -= Name.size() + 1;
  }
  return Text + Zusatz;
}

std::size_t BlockBedarf(const TWerteListe& Liste)
{
  std::size_t Bedarf = 1;
  for (const auto& Zeile : Liste.Zeilen())
    Bedarf += Zeile.find('=') + 1;
  return Bedarf;
}

TEST(Grenzen, NamenblockGenauVollWirdGanzGeladen)
{
  const auto [S, V] = LadeStammdatenAusText(BlockFuellen(NamenBlockGroesse - 3, "zz=letzter\n"));
  EXPECT_EQ(S.GattungListe.Wert("zz"), "letzter");
  EXPECT_EQ(BlockBedarf(S.GattungListe), NamenBlockGroesse);
}

TEST(Grenzen, NameDerNichtGanzPasstFehltUndAlleDanach)
{
  const auto [S, V] =
      LadeStammdatenAusText(BlockFuellen(NamenBlockGroesse - 3, "zzz=zu lang\nz=passt\n[Bahnen]\n80=DB"));
  EXPECT_EQ(S.GattungListe.Wert("zzz"), "");
  EXPECT_EQ(S.GattungListe.Wert("z"), "");
  EXPECT_EQ(BlockBedarf(S.GattungListe), NamenBlockGroesse - 3);
  EXPECT_EQ(S.BahnenListe.Wert("80"), "DB");  // andere Abschnitte haben ihren eigenen Block
}

TEST(Grenzen, BlockgrenzeGiltAuchUeberWiederholteAbschnitte)
{
  const auto [S, V] =
      LadeStammdatenAusText(BlockFuellen(NamenBlockGroesse - 3, "zzz=x\n[Bahnen]\n80=DB\n[Wagengattung]\nz=spaet\n"));
  EXPECT_EQ(S.GattungListe.Wert("z"), "");
}

struct TWertFall {
  const char* Name;
  std::string Zeile;
  std::size_t ErwarteteLaenge;
};

void PrintTo(const TWertFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class WertlaengeTest : public testing::TestWithParam<TWertFall> {};

TEST_P(WertlaengeTest, KapptBeiGrenze)
{
  const auto [S, V] = LadeStammdatenAusText("[Bahnen]\n80=" + GetParam().Zeile + "\n");
  const std::string Wert = S.BahnenListe.Wert("80");
  EXPECT_EQ(Wert.size(), GetParam().ErwarteteLaenge);
  EXPECT_EQ(Wert.find_first_not_of('a'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Faelle, WertlaengeTest,
                         testing::Values(TWertFall{"GenauGrenze", std::string(2047, 'a'), 2047},
                                         TWertFall{"EinsDarueber", std::string(2048, 'a'), 2047},
                                         TWertFall{"SehrLang", std::string(100000, 'a'), 2047},
                                         TWertFall{"AnfuehrungZaehltNicht", "\"" + std::string(2047, 'a') + "\"", 2047},
                                         TWertFall{"LeerraumZaehltNicht", "   " + std::string(2047, 'a') + "\t ",
                                                   2047}),
                         [](const testing::TestParamInfo<TWertFall>& Info) { return std::string(Info.param.Name); });

TEST(Grenzen, VieleZeilenLaden)
{
  // 200.000 Zeilen in allen Abschnitten; quadratisches Verhalten liefe in die Zeitgrenze von ctest.
  std::string Text;
  for (const char* Abschnitt : {"[Bahnen]\n", "[Wagengattung]\n", "[Unbekannt]\n"}) {
    Text += Abschnitt;
    for (int I = 0; I < 70000; ++I)
      Text += std::to_string(I % 5000) + "=Wert " + std::to_string(I) + "\n";
  }
  const auto [S, V] = LadeStammdatenAusText(Text);
  EXPECT_EQ(S.GattungListe.Wert("100"), "Wert 100");
}

// ---------------------------------------------------------------- Was als fehlend gilt

struct TFehltFall {
  const char* Name;
  std::function<std::filesystem::path(const TTestVerzeichnis&)> Anlegen;
};

void PrintTo(const TFehltFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class FehlendeDateiTest : public testing::TestWithParam<TFehltFall> {};

TEST_P(FehlendeDateiTest, GibtLeereTabellenUndVersionFehlt)
{
  const TTestVerzeichnis Verzeichnis;
  const auto [S, Version] = LadeStammdaten(GetParam().Anlegen(Verzeichnis));
  EXPECT_EQ(Version, "Daten nicht geladen");
  EXPECT_EQ(S.BahnenListe.Anzahl() + S.GattungListe.Anzahl() + S.TypListe.Anzahl(), 0u);
}

const std::string GueltigerInhalt = "[Bahnen]\n80=DB\n[Version]\nVersion=1\n";

std::vector<TFehltFall> FehltFaelle()
{
  std::vector<TFehltFall> Faelle = {
      {"FehltGanz", [](const TTestVerzeichnis& V) { return V.Pfad() / "Wagen.ebb"; }},
      {"Verzeichnis",
       [](const TTestVerzeichnis& V) {
         std::filesystem::create_directory(V.Pfad() / "Wagen.ebb");
         return V.Pfad() / "Wagen.ebb";
       }},
      {"UeberSechzehnMiB",
       [](const TTestVerzeichnis& V) {
         std::string Inhalt = GueltigerInhalt;
         Inhalt.resize(DateiHoechstgroesse + 1, '\n');
         return V.Schreibe("Wagen.ebb", Inhalt);
       }},
  };
#ifndef _WIN32
  Faelle.push_back({"Fifo", [](const TTestVerzeichnis& V) {
                      const auto Pfad = V.Pfad() / "Wagen.ebb";
                      EXPECT_EQ(::mkfifo(Pfad.c_str(), 0600), 0);
                      return Pfad;
                    }});
  Faelle.push_back({"VerweisAufGeraet", [](const TTestVerzeichnis& V) {
                      const auto Pfad = V.Pfad() / "Wagen.ebb";
                      std::filesystem::create_symlink("/dev/zero", Pfad);
                      return Pfad;
                    }});
#endif
  return Faelle;
}

INSTANTIATE_TEST_SUITE_P(Faelle, FehlendeDateiTest, testing::ValuesIn(FehltFaelle()),
                         [](const testing::TestParamInfo<TFehltFall>& Info) { return std::string(Info.param.Name); });

#ifndef _WIN32
TEST(Datei, VerweisAufDateiWirdGelesen)
{
  const TTestVerzeichnis Verzeichnis;
  const auto Ziel = Verzeichnis.Schreibe("echt.ebb", GueltigerInhalt);
  std::filesystem::create_symlink(Ziel, Verzeichnis.Pfad() / "Wagen.ebb");
  EXPECT_EQ(LadeStammdaten(Verzeichnis.Pfad() / "Wagen.ebb").Stammdaten.BahnenListe.Wert("80"), "DB");
}
#endif

TEST(Datei, ProgrammVerzeichnisIstDasDesTestprogramms)
{
  const auto Verzeichnis = ProgrammVerzeichnis();
  ASSERT_FALSE(Verzeichnis.empty());
#ifdef _WIN32
  EXPECT_TRUE(std::filesystem::exists(Verzeichnis / "nummer_test.exe"));
#else
  EXPECT_TRUE(std::filesystem::exists(Verzeichnis / "nummer_test"));
#endif
}

// ---------------------------------------------------------------- Nachschlagen

struct TSuchFall {
  const char* Name;
  std::vector<std::string> Zeilen;
  std::string Gesucht;
  std::string Erwartet;
};

void PrintTo(const TSuchFall& Fall, std::ostream* Aus) { *Aus << Fall.Name; }

class WertTest : public testing::TestWithParam<TSuchFall> {};

TEST_P(WertTest, FindetErstenPassendenNamen)
{
  std::string Text = "[Bahnen]\n";
  for (const auto& Zeile : GetParam().Zeilen)
    Text += Zeile + "\n";
  EXPECT_EQ(LadeStammdatenAusText(Text).Stammdaten.BahnenListe.Wert(GetParam().Gesucht), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, WertTest,
                         testing::Values(TSuchFall{"Umlaute", {"äx=1"_cp1252}, "ÄX"_cp1252, "1"},  // äx / ÄX
                                         TSuchFall{"AkzentBuchstaben", {"éþà=1"_cp1252}, "ÉÞÀ"_cp1252, "1"},
                                         TSuchFall{"HacekUndLigatur", {"šœžÿ=1"_cp1252}, "ŠŒŽŸ"_cp1252, "1"},
                                         TSuchFall{"MalUndGeteiltSindVerschieden", {"÷=1"_cp1252}, "×"_cp1252, ""},
                                         TSuchFall{"SzHatKeinGrossbuchstaben", {"ß=1"_cp1252}, "SS", ""},
                                         TSuchFall{"ZeileOhneGleichWirdUebersprungen", {"a", "a=2"}, "a", "2"},
                                         TSuchFall{"WertNachErstemGleich", {"a==b="}, "a", "=b="},
                                         TSuchFall{"Fehlt", {"a=1"}, "b", ""},
                                         TSuchFall{"NurGanzerName", {"665=1"}, "66", ""},
                                         TSuchFall{"LeereListe", {}, "", ""}),
                         [](const testing::TestParamInfo<TSuchFall>& Info) { return std::string(Info.param.Name); });

TEST(Wert, LeererWertUndFehlenderNameSindGleich)
{
  const auto [S, V] = LadeStammdatenAusText("[Bahnen]\na=\n");
  EXPECT_EQ(S.BahnenListe.Wert("a"), S.BahnenListe.Wert("b"));
  EXPECT_EQ(S.BahnenListe.Anzahl(), 1u);
}

TEST(Wert, KopieUeberlebtDasOriginal)
{
  auto Geladen = std::make_unique<TLadeErgebnis>(LadeStammdatenAusText("[Bahnen]\n80=DB\n80=X\n81=OeBB\n"));
  const TWerteListe Kopie = Geladen->Stammdaten.BahnenListe;
  TWerteListe Zugewiesen;
  Zugewiesen = Geladen->Stammdaten.BahnenListe;
  Geladen.reset();
  EXPECT_EQ(Kopie.Wert("80"), "DB");
  EXPECT_EQ(Zugewiesen.Zeilen(), (std::vector<std::string>{"80=DB", "80=DB", "81=OeBB"}));
}

}  // namespace
